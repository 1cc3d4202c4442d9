// File-type associations in the registry: the extension, its document class
// with icon and verbs, and the shell's notice that associations changed.
#pragma once

#include <string>

namespace zelo {

// Verbs of a document class, as flag bits.
enum AssociationVerb : unsigned {
  kVerbOpen = 1,          // "&Open": "<program>" "%1"
  kVerbEdit = 2,          // "&Edit": "<program>" /e "%1"
  kVerbRun = 4,           // "&Run": "<program>" /r "%1"
  kVerbRunInZelomat = 8,  // "Run in &Zelomat": "<program>" /v "%1"
};

// Registers extension (a "." is put in front when it lacks one) as the
// document class "<description> File", opened by program with the verbs
// given. False with the system's reason in *error when a key could not be
// written; on a system without a registry, false with a text that says so.
bool RegisterFileAssociation(const std::string& program, const std::string& extension,
                             const std::string& description, unsigned verbs, std::string* error);

}  // namespace zelo
