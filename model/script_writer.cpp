// WriteStepsXml and the whole-file text: the fixed layout every reader of
// the format relies on, byte for byte.
#include <cstdio>
#include <cstring>
#include <string>

#include "base/text.h"
#include "model/catalogue.h"
#include "model/recording_lines.h"
#include "model/script_file.h"
#include "settings/defaults.h"
#include "model/xml_entities.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

constexpr int kProgressAbove = 10;  // steps written before the progress window shows
constexpr std::size_t kFieldRoom = 260;

struct WriteOptions {
  bool encode_texts;  // EncodeXML: escape text and comment
  bool with_results;
  int length_limit;
};

bool NeedsEscape(std::string_view t) {
  for (char c : t)
    if (c == '&' || c == '<' || c == '>') return true;
  return false;
}

// The escaped form of a field when it fits the field's room (terminator
// included); otherwise the field as it is.
std::string_view Escaped(std::string_view field, std::size_t room, std::string& buf) {
  if (!NeedsEscape(field)) return field;
  buf = EncodeXml(field);
  return buf.size() + 1 <= room ? std::string_view(buf) : field;
}

void AppendLimited(std::string& out, std::string_view t, int limit) {
  if (limit > 0) {
    const std::size_t n = static_cast<std::size_t>(limit);
    const std::size_t keep = n > 5 ? n - 5 : 0;
    if (t.size() > keep) {
      out.append(t.data(), keep);
      if (t.size() >= n) out += "...";
      return;
    }
  }
  out += t;
}

void AppendElement(std::string& out, const char* name, std::string_view content) {
  out += "\t<";
  out += name;
  out += '>';
  out += content;
  out += "</";
  out += name;
  out += ">\r\n";
}

void AppendHeapText(std::string& out, const char* name, const HeapText& field, const WriteOptions& o,
                    std::string& buf) {
  if (field.empty()) return;
  std::string_view t = o.encode_texts ? Escaped(field.view(), field.block(), buf) : field.view();
  out += "\t<";
  out += name;
  out += '>';
  AppendLimited(out, t, o.length_limit);
  out += "</";
  out += name;
  out += ">\r\n";
}

void AppendRecording(std::string& out, const StepRecord& s, const RecordingTable& table) {
  out += "\t<recording>\r\n";
  // An empty value2 names no list (a step that never recorded anything).
  const EventList* events = s.value(2).empty() ? nullptr : table.Get(TextToInt(s.value(2).view()));
  const int32_t count = TextToInt(s.value(1).view());
  if (events && count > 0) {
    const std::size_t n = static_cast<std::size_t>(count) < events->size() ? static_cast<std::size_t>(count)
                                                                          : events->size();
    AppendRecordingLines(events->data(), n, out);
  }
  out += "\t</recording>\r\n";
}

void AppendStep(std::string& out, const StepRecord& s, const WriteOptions& o, const RecordingTable& table,
                std::string& buf) {
  char line[64];
  out += "<step>\r\n";
  AppendElement(out, "action", s.action.view());
  AppendHeapText(out, "text", s.text, o, buf);
  if (!s.options.empty()) AppendElement(out, "options", s.options.view());
  for (int n = 1; n <= 8; ++n) {
    const Field& v = s.value(n);
    if (v.empty()) continue;
    std::snprintf(line, sizeof line, "value%d", n);
    AppendElement(out, line, Escaped(v.view(), kFieldRoom, buf));
  }
  if (!s.timeout.empty() && s.timeout != "0") AppendElement(out, "timeout", s.timeout.view());
  if (s.status != 0) {
    std::snprintf(line, sizeof line, "0x%x", static_cast<unsigned>(s.status));
    AppendElement(out, "status", line);
  }
  if (s.indents > 0) {
    std::snprintf(line, sizeof line, "%d", static_cast<int>(s.indents));
    AppendElement(out, "indents", line);
  }
  if (!s.output.empty() && !ContainsNoCase(s.output.view(), " not ")) {
    if (s.output_value.empty()) {
      AppendElement(out, "output", s.output.view());
    } else {
      out += "\t<output value=\"";
      out += s.output_value.view();
      out += "\">";
      out += s.output.view();
      out += "</output>\r\n";
    }
  }
  const bool plain_onfail = s.onfail_value.empty() && s.onfail_image == 0 && s.onfail_log == 0;
  if (!s.onfail.empty() && (s.onfail != kDefaultFailureMode || !plain_onfail)) {
    if (plain_onfail) {
      AppendElement(out, "onfail", s.onfail.view());
    } else {
      out += "\t<onfail value=\"";
      out += s.onfail_value.view();
      std::snprintf(line, sizeof line, "\" image=\"%d\" log=\"%d\">", static_cast<int>(s.onfail_image),
                    static_cast<int>(s.onfail_log));
      out += line;
      out += s.onfail.view();
      out += "</onfail>\r\n";
    }
  }
  AppendHeapText(out, "comment", s.comment, o, buf);
  if (o.with_results) AppendElement(out, "last_run", LastRunWords(s.last_run));
  if (s.category == CAT_RECORDINGS && o.length_limit <= 0) AppendRecording(out, s, table);
  out += "</step>\r\n";
}

// Appends the step blocks of the rows (nullptr: all steps) to out.
int AppendSteps(Workspace& ws, const ScriptSlot& slot, const std::vector<int>* rows, bool with_results,
                int length_limit, std::string& out) {
  std::vector<int> all;
  if (!rows) {
    all.reserve(static_cast<std::size_t>(slot.step_count));
    for (int i = 0; i < slot.step_count; ++i) all.push_back(i);
    rows = &all;
  }
  const WriteOptions options{ReadOptionOrDefault(setting::kEncodeXmlName) != 0, with_results, length_limit};

  // Room for every line of every step, with some for escaping, so that the
  // text is built in one block without copying it as it grows.
  std::size_t room = out.size() + 256;
  for (int row : *rows) {
    if (row < 0 || row >= slot.step_count) continue;
    const StepRecord& s = slot.steps[static_cast<std::size_t>(row)];
    std::size_t fields = s.text.size() + s.comment.size() + s.options.size() + s.timeout.size() +
                         s.output.size() + s.output_value.size() + s.onfail.size() + s.onfail_value.size();
    for (const Field& v : s.values) fields += v.size();
    room += 400 + fields + fields / 8;
    if (s.category == CAT_RECORDINGS) {
      const EventList* events = ws.recordings.Get(TextToInt(s.value(2).view()));
      if (events) room += events->size() * 32;
    }
  }
  out.reserve(room);

  EditorSeam& seam = ws.seam();
  const int total = static_cast<int>(rows->size());
  const bool progress = total > kProgressAbove;
  if (progress) {
    seam.ShowProgress(true);
    seam.SetProgress(0);
  }
  int written = 0;
  int shown_percent = 0;
  std::string buf;
  for (int i = 0; i < total; ++i) {
    const int row = (*rows)[static_cast<std::size_t>(i)];
    if (row < 0 || row >= slot.step_count) continue;
    const StepRecord& s = slot.steps[static_cast<std::size_t>(row)];
    if (s.category > kLastActionCategory) break;
    AppendStep(out, s, options, ws.recordings, buf);
    ++written;
    if (progress) {
      const int percent = static_cast<int>(static_cast<long long>(i + 1) * 100 / total);
      if (percent != shown_percent) {
        shown_percent = percent;
        seam.SetProgress(percent);
      }
    }
  }
  if (progress) {
    seam.ShowProgress(false);
    seam.SetStatusText("Loops: 0");
  }
  return written;
}

}  // namespace

int WriteSlotStepsXml(Workspace& ws, const ScriptSlot& slot, const std::vector<int>* rows, bool with_results,
                      int length_limit, std::string& out) {
  out.clear();
  return AppendSteps(ws, slot, rows, with_results, length_limit, out);
}

int WriteStepsXml(Workspace& ws, const std::vector<int>* rows, bool with_results, int length_limit,
                  std::string& out) {
  return WriteSlotStepsXml(ws, ws.current_slot(), rows, with_results, length_limit, out);
}

std::string ScriptFileText(Workspace& ws, int slot) {
  const ScriptSlot& s = ws.slots[static_cast<std::size_t>(slot)];
  std::string text = "<?xml version=\"1.0\" ?>\r\n";
  text += s.custom_xml_tags.view();
  text += "<Zelomat>\r\n";
  AppendSteps(ws, s, nullptr, false, 0, text);
  text += "</Zelomat>";
  return text;
}

}  // namespace zelo
