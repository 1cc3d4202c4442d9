#include "bench/bench_script.h"

#include <cstdio>

#include "model/catalogue.h"
#include "model/script_file.h"

namespace zelo::bench {

namespace {

const char* const kActions[] = {"Type", "Start", "Activate", "Move", "Wait for Window to Appear",
                                "Read File", "Create/Set Variable", "IF Expression", "Comment", "Math Calculation"};
constexpr int kRecordingEvery = 500;
constexpr int kEventsPerRecording = 50;

std::string Filler(const char* head, std::size_t length, int n) {
  std::string s = head;
  s += std::to_string(n);
  s += ": ";
  static const char kWords[] = "the quick <brown> fox & the lazy dog jump over %var% {enter} ";
  while (s.size() < length) s += kWords;
  s.resize(length);
  return s;
}

}  // namespace

void FillBenchSteps(Workspace& ws, int steps) {
  ScriptSlot& slot = ws.current_slot();
  slot.file_name = "bench.zxm";
  slot.custom_xml_tags = "<?xml-stylesheet type=\"text/xsl\" href=\"bench.xsl\"?>\r\n";
  slot.steps.resize(static_cast<std::size_t>(steps));
  slot.step_count = steps;
  for (int i = 0; i < steps; ++i) {
    StepRecord& s = slot.steps[static_cast<std::size_t>(i)];
    const bool recording = i % kRecordingEvery == kRecordingEvery - 1;
    s.action = recording ? "Recording" : kActions[i % 10];
    const CatalogueEntry* e = FindCatalogueEntry(s.action.view());
    s.category = e->category;
    s.icon = e->icon;
    s.text.AssignInBlock(Filler("text ", 300, i), 300 + 1024);
    s.comment.AssignInBlock(Filler("comment ", 200, i), 200 + 1024);
    s.options = "Single,Title,Class";
    s.timeout = "5";
    for (int n = 1; n <= 8; ++n) s.value(n) = Filler("value", 40, n);
    s.status = i % 7 == 0 ? 0x1000u : 0u;
    s.indents = i % 4;
    s.output = "Variable";
    s.output_value = "result";
    s.onfail = "Goto Label";
    s.onfail_value = "error handler";
    s.onfail_image = 1;
    s.onfail_log = 1;
    if (recording) {
      EventList events;
      for (int k = 0; k < kEventsPerRecording; ++k) events.push_back({0x200 + k % 3, k * 3, -k, k * 16, 0});
      const int index = ws.recordings.Add(std::move(events));
      s.value(1) = std::to_string(kEventsPerRecording);
      s.value(2) = std::to_string(index);
    }
  }
}

std::string BenchScriptText(int steps) {
  Workspace ws;
  FillBenchSteps(ws, steps);
  return ScriptFileText(ws, 0);
}

bool WriteBenchScript(const std::string& path, int steps) {
  const std::string text = BenchScriptText(steps);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace zelo::bench
