#include "actions/screen/screen_steps.h"

#include "actions/screen/screen_color.h"
#include "actions/shared/action_services.h"
#include "base/printf_text.h"
#include "engine/run_engine.h"
#include "engine/run_log.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

constexpr char kSearchingForPixel[] = "\tSearching for pixel color %s\r\n";
constexpr char kSearchingForImage[] = "\tSearching for image \"%s\"\r\n";
constexpr char kFileMissing[] = "The file '%s' does not exist";
constexpr char kSlowPixelScan[] = ZELO_SETTINGS_KEY "\\SlowPixelScan";

const StepRecord& StepAt(RunEngine& run, int slot, int index) {
  return run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
}

// The expanded fields; the views point into the strings kept here.
struct ExpandedFields {
  std::string tolerance, start, stop;
  ScreenSearchFields fields;

  ExpandedFields(const ActionServices& services, const StepRecord& step, int slot, int index)
      : tolerance(services.expand(step.value(1).view(), slot, index)),
        start(services.expand(step.value(2).view(), slot, index)),
        stop(services.expand(step.value(3).view(), slot, index)) {
    fields.tolerance = tolerance;
    fields.start = start;
    fields.stop = stop;
    fields.show_scan = !step.options.empty();
  }
};

// Asked between rows: the stop key, or a stop the run was already asked for,
// ends the search and then the run.
SearchStop StopOf(RunEngine& run) {
  const int key = StopKeySetting();
  return [&run, key] {
    if (run.stop_requested()) return true;
    if (!run.input().KeyPressed(key)) return false;
    run.RequestStop();
    return true;
  };
}

// The search's lines are detail lines: the first execution logs them all,
// later ones (a wait tried again, a loop) only the stop.
void LogSearch(const StepRecord& step, const ScreenSearchResult& r) {
  if (step.run_count == 1)
    WriteLogText(r.log);
  else if (r.stopped)
    WriteLogText(kSearchStoppedLine);
}

void Finish(RunEngine& run, const StepRecord& step, const ScreenSearchResult& r) {
  LogSearch(step, r);
  if (!r.error.empty()) run.SetStepError("%s", r.error.c_str());
}

ScreenSearchResult SearchImageFile(RunEngine& run, const ActionServices& services, const StepRecord& step,
                                   const std::string& path, uint32_t mask, const ScreenSearchFields& fields) {
  BitmapPixels image;
  const std::string unreadable = LoadSearchImage(path, &image);
  if (!unreadable.empty()) {
    ScreenSearchResult r;
    r.error = unreadable;
    run.SetStepError("%s", unreadable.c_str());
    return r;
  }
  ScreenSearchResult r =
      FindImageOnScreen(*services.screen, image, mask, ReadSetting(kSlowPixelScan) != 0, fields, StopOf(run));
  Finish(run, step, r);
  return r;
}

}  // namespace

bool SlowPixelScanSetting() { return ReadSetting(kSlowPixelScan) != 0; }

ScreenSearchResult SearchPixelForStep(RunEngine& run, const ActionServices& services, int slot, int index) {
  const StepRecord& step = StepAt(run, slot, index);
  const std::string colour = services.expand(step.text.view(), slot, index);
  const ExpandedFields f(services, step, slot, index);
  if (step.run_count == 1) WriteLog(kSearchingForPixel, colour.c_str());
  ScreenSearchResult r = FindPixelOnScreen(*services.screen, ParseColor(colour), f.fields, StopOf(run));
  Finish(run, step, r);
  return r;
}

ScreenSearchResult SearchImageForStep(RunEngine& run, const ActionServices& services, int slot, int index,
                                      uint32_t mask) {
  const StepRecord& step = StepAt(run, slot, index);
  const std::string text = services.expand(step.text.view(), slot, index);
  const ExpandedFields f(services, step, slot, index);
  const std::string_view script = run.workspace().slots[static_cast<std::size_t>(slot)].file_name.view();
  std::string path;
  if (!services.resolve_path(text, &path, script == kUntitled ? std::string_view() : script)) {
    run.SetStepError(kFileMissing, path.c_str());
    return {};
  }
  if (step.run_count == 1) WriteLog(kSearchingForImage, path.c_str());
  ScreenSearchResult r = SearchImageFile(run, services, step, path, mask, f.fields);
  if (r.found) services.save(step, slot, index, PrintfText("%d, %d", r.x, r.y));
  return r;
}

ScreenSearchResult SearchWholeScreenForStep(RunEngine& run, const ActionServices& services, int slot, int index,
                                            const std::string& path) {
  ScreenSearchFields exact;
  exact.tolerance = "0";
  return SearchImageFile(run, services, StepAt(run, slot, index), path, kNoMask, exact);
}

}  // namespace zelo
