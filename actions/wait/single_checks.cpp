// The waits that look once: a colour or a bitmap on the screen, a window,
// a file. The failure handling tries them again, at a steady pace, until
// the step's time-out has passed.
#include <string>

#include "actions/screen/image_search.h"
#include "actions/screen/screen_color.h"
#include "actions/shared/current_window.h"
#include "actions/shared/file_routines.h"
#include "actions/wait/wait_step.h"
#include "base/printf_text.h"
#include "engine/run_log.h"
#include "model/script_slot.h"

namespace zelo {

namespace {

constexpr const char* kSearchingPixel = "\tSearching for pixel color %s\r\n";
constexpr const char* kSearchingImage = "\tSearching for image \"%s\"\r\n";
constexpr const char* kNoFile = "The file '%s' does not exist";

WaitSearchFields StepSearchFields(const WaitStep& w) {
  WaitSearchFields fields;
  fields.tolerance = w.Expanded(w.step.value(1).view());
  fields.start = w.Expanded(w.step.value(2).view());
  fields.stop = w.Expanded(w.step.value(3).view());
  fields.scan_display = !w.step.options.empty();
  return fields;
}

int SearchOutcome(const WaitStep& w, const ScreenFind& found) {
  if (w.FirstExecution() && !found.log.empty()) WriteLogText(found.log);
  if (!found.error.empty()) w.run.SetStepError("%s", found.error.c_str());
  switch (found.outcome) {
    case FindOutcome::Found:
      return 1;
    case FindOutcome::NotFound:
      return 0;
    case FindOutcome::Stopped:
      w.run.RequestStop();
      return -1;
    case FindOutcome::Unavailable:
      break;
  }
  return w.Unavailable();
}

// The path search, with the running script's folder; the name unchanged
// when nothing was found.
std::string ResolvedFile(const WaitStep& w, const std::string& name) {
  const std::string_view script = w.run.workspace().slots[static_cast<std::size_t>(w.slot)].file_name.view();
  std::string path;
  w.services.resolve_path(name, &path, script == kUntitled ? std::string_view() : script);
  return path;
}

}  // namespace

int PixelStep(const WaitStep& w) {
  const std::string text = w.Expanded(w.step.text.view());
  if (w.FirstExecution()) WriteLog(kSearchingPixel, text.c_str());
  return SearchOutcome(w, w.waits.screen->FindPixel(ParseColor(text), StepSearchFields(w), w.StopTest()));
}

int ImageStep(const WaitStep& w, bool masked) {
  const std::string path = ResolvedFile(w, w.Expanded(w.step.text.view()));
  if (path.empty() || !FileExists(path)) {
    w.run.SetStepError(kNoFile, path.c_str());
    return 0;
  }
  if (w.FirstExecution()) WriteLog(kSearchingImage, path.c_str());
  ScreenFind found;
  {
    const IdlePriority priority(w.waits.system);
    found = w.waits.screen->FindImage(path, masked ? kMaskMagenta : kNoMask, StepSearchFields(w), w.StopTest());
  }
  const int result = SearchOutcome(w, found);
  if (result == 1) w.services.save(w.step, w.slot, w.index, PrintfText("%d, %d", found.x, found.y));
  return result;
}

int WindowStep(const WaitStep& w, bool appear) {
  const WindowLookup found = w.waits.windows->FindByTitle(w.Expanded(w.step.text.view()));
  if (found.outcome == FindOutcome::Unavailable) return w.Unavailable();
  // Later keyboard, menu and mouse steps act on the window waited for.
  SetCurrentWindow(found.window);
  // The program's own windows carry the titles of the scripts it runs; they
  // are not the window a script waits for.
  const bool present = found.outcome == FindOutcome::Found && !found.program_window;
  return present == appear ? 1 : 0;
}

int FileStep(const WaitStep& w) {
  const std::string name = w.Expanded(w.step.text.view());
  if (name.empty()) return 0;
  return FileExists(ResolvedFile(w, name)) ? 1 : 0;
}

}  // namespace zelo
