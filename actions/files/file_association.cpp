#include "actions/files/file_association.h"

namespace zelo {

std::vector<ClassValue> AssociationValues(const FileAssociation& a) {
  const std::string ext = !a.extension.empty() && a.extension[0] == '.' ? a.extension : "." + a.extension;
  const std::string document = a.description + " File";
  std::vector<ClassValue> values = {
      {ext, "", document},
      {ext + "\\ShellNew", "NULLFile", ""},
      {document, "", document},
      {document + "\\DefaultIcon", "", "\"" + a.program + "\"," + std::to_string(a.icon_index)},
  };
  struct Verb {
    unsigned bit;
    const char* key;
    const char* label;
    const char* switches;
  };
  static const Verb kVerbs[] = {
      {kVerbOpen, "Open", "&Open", ""},
      {kVerbEdit, "Edit", "&Edit", "/e "},
      {kVerbRun, "Run", "&Run", "/r "},
      {kVerbRunInZelomat, "Run in Zelomat", "Run in &Zelomat", "/v "},
  };
  bool default_registered = false;
  for (const Verb& v : kVerbs) {
    if (!(a.verbs & v.bit)) continue;
    const std::string key = document + "\\shell\\" + v.key;
    values.push_back({key, "", v.label});
    values.push_back({key + "\\command", "", "\"" + a.program + "\" " + v.switches + "\"%1\""});
    default_registered = default_registered || a.default_verb == v.key;
  }
  // Only a verb that is there can be the default; naming a missing one would
  // leave a double-click doing nothing.
  if (default_registered) values.push_back({document + "\\shell", "", a.default_verb});
  return values;
}

}  // namespace zelo
