// ReadStepsXml: turns the <step> blocks of a text into steps of the current
// slot, appended (file load) or inserted at an index (paste).
#include <cstdio>
#include <exception>
#include <string>

#include "base/text.h"
#include "model/action_renames.h"
#include "model/catalogue.h"
#include "model/legacy_conversion.h"
#include "model/recording_lines.h"
#include "model/script_file.h"
#include "settings/defaults.h"
#include "model/xml_entities.h"
#include "model/xml_tags.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

constexpr std::string_view kStepOpen = "<step>";
constexpr std::string_view kStepClose = "</step>";
constexpr std::size_t kProgressAbove = 4096;  // text length that shows the progress window
constexpr int kProgressEvery = 50;            // steps between progress updates
constexpr std::size_t kTextBlockExtra = 1024;  // room a loaded text or comment gets beyond its content

const char* const kValueTags[8] = {"value1", "value2", "value3", "value4", "value5", "value6", "value7", "value8"};

enum class StepResult { Kept, StopLoad };

// One reader per call: the scratch buffer is reused for every field.
class StepReader {
 public:
  StepReader(Workspace& ws, bool legacy) : ws_(ws), legacy_(legacy) {}

  StepResult Fill(std::string_view block, StepRecord& s, int number, int kept);

 private:
  template <std::size_t N>
  void ReadField(const TagIndex& block, std::string_view name, FixedText<N>& field, std::size_t max) {
    const TagSpan tag = block.Find(name);
    Decode(tag.content.substr(0, max));
    field = scratch_;
  }
  int32_t ReadNumber(const TagIndex& block, std::string_view name) {
    const TagSpan tag = block.Find(name);
    if (!tag.found) return 0;
    Decode(tag.content.substr(0, kMaxAttributeValue));
    return TextToInt(scratch_);
  }
  void ReadText(const TagIndex& block, std::string_view name, HeapText& text) {
    const TagSpan tag = block.Find(name);
    if (!tag.found) {
      text.Allocate();
      return;
    }
    Decode(tag.content);
    text.AssignInBlock(scratch_, tag.content.size() + kTextBlockExtra);
  }
  std::string Attribute(std::string_view opening, std::string_view name) {
    std::string_view raw;
    std::string value;
    if (FindAttribute(opening, name, &raw)) DecodeXmlInto(raw, value);
    return value;
  }
  void Decode(std::string_view raw) {
    scratch_.clear();
    DecodeXmlInto(raw, scratch_);
  }
  void SetStartIcon(StepRecord& s);
  StepResult ReadRecording(const TagIndex& block, StepRecord& s);

  Workspace& ws_;
  bool legacy_;
  std::string scratch_;
};

int IconOf(const char* action, int fallback) {
  const CatalogueEntry* e = FindCatalogueEntry(action);
  return e ? e->icon : fallback;
}

// The program a start step's text names: up to and including ".exe", without
// a leading quote.
std::string_view ProgramOf(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text[0] == '"') text.remove_prefix(1);
  const std::size_t exe = FindNoCase(text, ".exe");
  return exe == std::string_view::npos ? text : text.substr(0, exe + 4);
}

void StepReader::SetStartIcon(StepRecord& s) {
  if (s.category != CAT_RUN_PROGRAM && !EqualsNoCase(s.action.view(), "Start Browser") &&
      !EqualsNoCase(s.action.view(), "Start Email"))
    return;
  if (ContainsNoCase(s.options.view(), "hidden")) {
    s.icon = IconOf("Start Hidden", s.icon);
  } else if (ContainsNoCase(s.options.view(), "wait")) {
    s.icon = ContainsNoCase(s.action.view(), "Call Script") ? IconOf("Call Script", s.icon)
                                                              : IconOf("Start and Wait for Program to Exit", s.icon);
  } else if (ContainsNoCase(s.text.view(), ".EXE")) {
    const int icon = ws_.seam().ProgramIcon(ProgramOf(s.text.view()));
    if (icon >= 0) s.icon = icon;
  }
}

StepResult StepReader::ReadRecording(const TagIndex& block, StepRecord& s) {
  if (ws_.recordings.full()) {
    char msg[200];
    std::snprintf(msg, sizeof msg,
                  "The maximum of %d recordings per script has been exceeded in this file.\n\n"
                  "The file load cannot be completed.",
                  RecordingTable::kMaxLists);
    ws_.seam().ShowMessage(msg, "Zelomat Error", MessageButtons::Ok, MessageIcon::Warning);
    return StepResult::StopLoad;
  }
  EventList events = ParseRecordingLines(block.Find("recording").content);
  const std::size_t count = events.size();
  const int index = ws_.recordings.Add(std::move(events));
  s.value(1) = std::to_string(count);
  s.value(2) = std::to_string(index);
  return StepResult::Kept;
}

StepResult StepReader::Fill(std::string_view text, StepRecord& s, int number, int kept) {
  const TagIndex block(text);
  ReadField(block, "action", s.action, 63);
  s.action = TrimBlanks(s.action.view());
  if (s.action.empty()) {
    char msg[160];
    std::snprintf(msg, sizeof msg, "Empty <action> tag in step #%d\n\nDiscontinuing file load at step #%d", number,
                  kept);
    ws_.seam().ShowMessage(msg, "Zelomat Error", MessageButtons::Ok, MessageIcon::Warning);
    return StepResult::StopLoad;
  }
  RenameOldAction(s.action);
  if (const CatalogueEntry* e = FindCatalogueEntry(s.action.view())) {
    s.category = e->category;
    s.icon = e->icon;
  }

  ReadText(block, "text", s.text);
  ReadText(block, "comment", s.comment);

  const TagSpan onfail = block.Find("onfail");
  Decode(onfail.content.substr(0, 63));
  s.onfail = scratch_;
  if (onfail.found) {
    s.onfail_value = Attribute(onfail.opening, "value");
    if (s.onfail_value.empty()) s.onfail_value = Attribute(onfail.opening, "label");
    s.onfail_image = TextToInt(Attribute(onfail.opening, "image"));
    s.onfail_log = TextToInt(Attribute(onfail.opening, "log"));
  }
  if (s.onfail.empty()) s.onfail = kDefaultFailureMode;

  ReadField(block, "timeout", s.timeout, 259);
  s.status = static_cast<uint32_t>(ReadNumber(block, "status"));
  s.indents = ReadNumber(block, "indents");
  for (int n = 1; n <= 8; ++n) ReadField(block, kValueTags[n - 1], s.value(n), 259);
  const TagSpan output = block.Find("output");
  Decode(output.content.substr(0, 63));
  s.output = scratch_;
  if (output.found) s.output_value = Attribute(output.opening, "value");

  if (legacy_)
    ConvertLegacyStep(text, s);
  else
    ReadField(block, "options", s.options, 259);

  SetStartIcon(s);
  if (s.category == CAT_RECORDINGS) return ReadRecording(block, s);
  return StepResult::Kept;
}

}  // namespace

int ReadStepsXml(Workspace& ws, std::string_view text, int insert_at) {
  ScriptSlot& slot = ws.current_slot();
  EditorSeam& seam = ws.seam();
  StepReader reader(ws, ContainsNoCase(text, "<Zeloplan"));
  const bool progress = text.size() > kProgressAbove;
  if (progress) seam.ShowProgress(true);

  int32_t chunk = ReadOptionOrDefault(setting::kMemoryAllocationChunkName);
  if (chunk <= 0) chunk = 1;
  const bool appending = insert_at < 0;
  int32_t index = appending ? slot.step_count : (insert_at < slot.step_count ? insert_at : slot.step_count);
  // Records past the step count may hold an earlier load's leftovers.
  const int32_t stale_until = slot.capacity();
  // Every block starts with "<step>": their number bounds the records an
  // append needs. Reserving it up front lets the chunks grow the array
  // without moving the records already read (a few KB each).
  int32_t reserved = 0;
  if (appending) {
    std::size_t blocks = 0;
    for (std::size_t at = FindNoCase(text, kStepOpen); at != std::string_view::npos;
         at = FindNoCase(text, kStepOpen, at + kStepOpen.size()))
      ++blocks;
    try {
      slot.steps.reserve(static_cast<std::size_t>(slot.capacity()) + blocks);
      reserved = slot.capacity() + static_cast<int32_t>(blocks);
    } catch (const std::exception&) {
      reserved = 0;  // the chunks grow it as they can
    }
  }

  int added = 0;
  std::size_t pos = 0;
  while (true) {
    const std::size_t open = FindNoCase(text, kStepOpen, pos);
    if (open == std::string_view::npos) break;
    const std::size_t close = FindNoCase(text, kStepClose, open);
    if (close == std::string_view::npos) break;
    pos = close + kStepClose.size();
    const std::string_view block = text.substr(open, pos - open);

    // The last chunk stops at the reserved room instead of moving every record.
    const int32_t grow = reserved > slot.capacity() && reserved - slot.capacity() < chunk ? reserved - slot.capacity()
                                                                                          : chunk;
    if (appending ? (index >= slot.capacity() && InsertSteps(slot, -1, grow, false) < 0)
                  : InsertSteps(slot, index, 1, false) < 0) {
      seam.ShowMessage("Out of memory", "Zelomat Error", MessageButtons::Ok, MessageIcon::Warning);
      break;
    }
    StepRecord& step = slot.steps[static_cast<std::size_t>(index)];
    if (appending && index < stale_until) step = StepRecord();
    if (reader.Fill(block, step, added + 1, added) == StepResult::StopLoad) {
      if (!appending) slot.steps.erase(slot.steps.begin() + index);
      break;
    }
    ++index;
    ++slot.step_count;
    ++added;
    if (progress && added % kProgressEvery == 0) {
      seam.SetProgress(static_cast<int>(static_cast<double>(pos) * 100.0 / static_cast<double>(text.size())));
      char status[32];
      std::snprintf(status, sizeof status, "%d steps", added);
      seam.SetStatusText(status);
    }
  }

  // Records of the last chunk that stayed empty go; the array ends at the last step.
  if (appending) {
    if (slot.capacity() > slot.step_count) slot.steps.resize(static_cast<std::size_t>(slot.step_count));
    if (slot.steps.capacity() > slot.steps.size()) slot.steps.shrink_to_fit();
  }
  seam.ShowProgress(false);
  seam.SetStatusText("Loops: 0");
  return added;
}

}  // namespace zelo
