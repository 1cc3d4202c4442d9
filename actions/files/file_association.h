// File-type associations in the registry: the extension, its document class
// with icon and verbs, and the shell's notice that associations changed.
// The values are computed here; the Windows side writes them.
#pragma once

#include <string>
#include <vector>

namespace zelo {

// Verbs of a document class, as flag bits.
enum AssociationVerb : unsigned {
  kVerbOpen = 1,          // "&Open": "<program>" "%1"
  kVerbEdit = 2,          // "&Edit": "<program>" /e "%1"
  kVerbRun = 4,           // "&Run": "<program>" /r "%1"
  kVerbRunInZelomat = 8,  // "Run in &Zelomat": "<program>" /v "%1"
  kAllVerbs = 15,
};

struct FileAssociation {
  std::string program;
  std::string extension;    // a "." is put in front when it lacks one
  std::string description;  // the document class is "<description> File"
  unsigned verbs = kVerbOpen;
  int icon_index = 0;
  // The verb key a double-click runs ("Run"); empty leaves the choice to the
  // system, which runs "Open".
  std::string default_verb;
};

// One value under HKEY_CLASSES_ROOT; an empty name is the key's default value.
struct ClassValue {
  std::string key;
  std::string name;
  std::string value;
};
// The values of an association, in the order they are written.
std::vector<ClassValue> AssociationValues(const FileAssociation& association);

// Deletes the keys earlier versions left under HKEY_LOCAL_MACHINE, writes the
// values above and tells the shell. False with the system's reason in *error
// when a key could not be written; on a system without a registry, false with
// a text that says so.
bool RegisterFileAssociation(const FileAssociation& association, std::string* error);

}  // namespace zelo
