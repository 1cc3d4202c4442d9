#include "model/action_renames.h"

#include "base/text.h"

namespace zelo {

namespace {

enum class Match { Equal, Contains };  // whole name / part of the name, any case

struct Rename {
  Match match;
  const char* old_name;
  const char* new_name;
};

const Rename kRenames[] = {
    {Match::Equal, "Move to Object", "Move to Control"},
    {Match::Equal, "SendMessage Command", "Post WM_COMMAND"},
    {Match::Equal, "Simulate Keypress", "Type"},
    {Match::Equal, "Text + System Keys", "Type"},
    {Match::Equal, "Move Instantly", "Move"},
    {Match::Equal, "Freeze", "Delay"},
    {Match::Contains, "Crypt", "Encrypt/Decrypt Text"},
    {Match::Contains, "Left Button Down & Hold", "Left Button Down + Hold"},
    {Match::Contains, "Wait for File", "Wait for File to Exist"},
    {Match::Contains, "Set Run Speed", "Set Step Delay"},
    {Match::Equal, "Save SQL Data to File", "Execute SQL Query"},
    {Match::Equal, "Exit Zeloplan", "Exit Zelomat"},
};

}  // namespace

void RenameOldAction(ActionName& action) {
  for (const Rename& r : kRenames) {
    const bool hit = r.match == Match::Equal ? EqualsNoCase(action.view(), r.old_name)
                                             : ContainsNoCase(action.view(), r.old_name);
    if (hit) action = r.new_name;
  }
}

}  // namespace zelo
