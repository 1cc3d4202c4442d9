#include "model/legacy_conversion.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "base/text.h"
#include "model/catalogue.h"
#include "model/xml_tags.h"

namespace zelo {

namespace {

// Option words that stand for the bits of the old numeric options.
struct FlagWord {
  int category;  // 0: any category
  uint32_t flag;
  const char* word;
};

const FlagWord kFlagWords[] = {
    {CAT_RUN_PROGRAM, 0x1, "Hidden"},
    {CAT_RUN_PROGRAM, 0x2, "Wait For Exit"},
    {CAT_USER_PROMPT, 0x1, "Topmost"},
    {CAT_KEYBOARD, 0x1, "No Formatting"},
    {CAT_KEYBOARD, 0x1, "Fast"},
    {CAT_KEYBOARD, 0x2, "Slow"},
    {0, 0x1, "Title"},
    {0, 0x2, "Class"},
    {0, 0x4, "ID"},
    {0, 0x8, "Userdata"},
    {CAT_WINDOWS, 0x10, "Image"},
};

// Old mouse moves that are now "Move Relative" with a reference word.
struct RelativeMove {
  uint32_t flag;
  const char* word;
  bool becomes_move_relative;
};

const RelativeMove kRelativeMoves[] = {
    {0x20, "Window", true},
    {0x40, "Current Position", true},
    {0x80, "Stay at Current Position", false},
};
constexpr uint32_t kMouseNoSnap = 0x10;

// The old step-delay levels 0..9 in milliseconds.
const int kStepDelayLevels[] = {2000, 1000, 500, 350, 200, 100, 50, 25, 10, 1};

struct OutputFlag {
  uint32_t flag;
  const char* output;
};

const OutputFlag kOutputFlags[] = {
    {0x100000, "Clipboard"},
    {0x200000, "Variable"},
    {0x400000, "File"},
};

bool Has(const StepRecord& s, std::string_view part) { return ContainsNoCase(s.action.view(), part); }

std::string TagText(std::string_view block, std::string_view name, long max_length = 259) {
  std::string t;
  ReadTag(block, name, &t, max_length);
  return t;
}

void MoveField(Field& to, Field& from) {
  to = from.view();
  from.clear();
}

void MoveToText(StepRecord& s, Field& from) {
  s.text.Assign(from.view());
  from.clear();
}

}  // namespace

void AddOptionWord(Field& list, std::string_view word) {
  std::string_view rest = list.view();
  while (!rest.empty()) {
    std::size_t comma = rest.find(',');
    std::string_view item = rest.substr(0, comma);
    if (EqualsNoCase(item, word)) return;
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  std::string joined = list.str();
  if (!joined.empty()) joined += ',';
  joined += word;
  list = joined;
}

void ConvertLegacyStep(std::string_view block, StepRecord& s) {
  // 1. The old breakpoint mark.
  if (s.status == 0xFFFFFFFFu) s.status = STEP_BREAKPOINT;

  // 2. Encryption kept its input in <text> and the variable in <variable>.
  if (Has(s, "Encrypt/Decrypt Text")) {
    s.value(1) = s.text.view();
    std::string variable;
    const int32_t length = ReadTag(block, "variable", nullptr, kMeasureContent);
    if (length > 0) ReadTag(block, "variable", &variable, length - 1);
    s.text.Assign(variable);
    s.output = "Variable";
  }

  // 3. The options were a set of flags.
  const uint32_t flags = static_cast<uint32_t>(ReadTag(block, "options", nullptr, 259));
  s.options.clear();

  // 4. Counts lived in their own elements.
  if (s.timeout.empty()) s.timeout = TagText(block, "qty");
  if (s.timeout.empty()) s.timeout = TagText(block, "loops");
  if (s.timeout.empty()) s.timeout = TagText(block, "bytes");

  // 5.
  if (Has(s, "Ping")) s.timeout = s.value(3).view();

  // 6. Flags to option words.
  for (const FlagWord& f : kFlagWords)
    if ((f.category == 0 || f.category == s.category) && (flags & f.flag)) AddOptionWord(s.options, f.word);

  // 7. Mouse: coordinates joined into the text, reference points to words.
  if (s.category == CAT_MOUSE) {
    if (!s.value(2).empty() && !Has(s, "Control")) {
      s.text.Assign(s.value(1).str() + ", " + s.value(2).str());
      s.value(1).clear();
      s.value(2).clear();
    }
    for (const RelativeMove& m : kRelativeMoves) {
      if (!(flags & m.flag)) continue;
      if (m.becomes_move_relative) {
        s.action = "Move Relative";
        if (const CatalogueEntry* e = FindCatalogueEntry("Move Relative")) s.icon = e->icon;
      }
      AddOptionWord(s.options, m.word);
    }
    if (!(flags & kMouseNoSnap) && !Has(s, "Image")) AddOptionWord(s.value(1), "Snap to Position");
  }

  // 8.
  if (s.category == CAT_DATABASE) MoveField(s.value(4), s.timeout);
  if (s.category == CAT_INTERNET && Has(s, "FTP Upload")) MoveField(s.value(1), s.value(7));
  if (s.category == CAT_FLOW && (Has(s, "For") || Has(s, "Exit Run"))) MoveToText(s, s.timeout);

  // 9.
  if (s.category == CAT_SYSTEM) {
    if (Has(s, "Environment")) s.output_value = s.value(1).view();
    if (Has(s, "Variable")) s.output = "Variable";
    if (Has(s, "Step Delay")) {
      const int32_t level = TextToInt(s.timeout.view());
      if (level > 9) {
        s.text.Assign("0");
      } else if (level >= 0) {
        char ms[16];
        std::snprintf(ms, sizeof ms, "%d", kStepDelayLevels[level]);
        s.text.Assign(ms);
      }
      s.timeout.clear();
    }
  }
  // "Set Run Repeats" kept its count in the time-out. It is a flow action
  // now, so this applies whatever category the action has.
  if (Has(s, "Run Repeats")) MoveToText(s, s.timeout);

  // 10.
  if (Has(s, "Wait for Pixel") || Has(s, "Pixel is Visible")) MoveToText(s, s.value(1));

  // 11. Where the result went.
  for (const OutputFlag& o : kOutputFlags)
    if (flags & o.flag) s.output = o.output;
  if (flags & 0x400000) {
    if (s.category == CAT_INTERNET) MoveField(s.output_value, s.value(7));
    if (s.category == CAT_DATABASE) MoveField(s.output_value, s.value(5));
  }

  // 12. A result variable of its own.
  if (ContainsNoCase(block, "</variable>") && s.output_value.empty()) {
    s.output_value = TagText(block, "variable");
    s.output = "Variable";
  }
}

}  // namespace zelo
