#include "actions/action_handlers.h"

#include "actions/conditions/if_actions.h"
#include "actions/files/file_actions.h"
#include "actions/flow/flow_actions.h"
#include "actions/functions/function_actions.h"
#include "actions/keyboard/keyboard_actions.h"
#include "actions/keyboard/keyboard_platform.h"
#include "actions/menu/menu_actions.h"
#include "actions/mouse/mouse_actions.h"
#include "actions/programs/program_actions.h"
#include "actions/programs/program_platform.h"
#include "actions/recordings/play_recording.h"
#include "actions/recordings/recording_actions.h"
#include "actions/shared/input_player.h"
#include "actions/screen/screen_search.h"
#include "actions/shared/launch_command.h"
#include "actions/shared/path_search.h"
#include "actions/system/system_actions.h"
#include "actions/wait/wait_actions.h"
#include "actions/wait/wait_services.h"
#include "actions/windows/window_actions.h"
#include "expr/expand_text.h"
#include "expr/random.h"
#include "expr/save_step_output.h"

namespace zelo {

namespace {

constexpr CategoryHandler kCategoryHandlers[] = {
    {CAT_RUN_PROGRAM, &RunProgramStep, &KnowsAction<kProgramActions>},
    {CAT_KEYBOARD, &RunKeyboardStep, &KnowsAction<kKeyboardActions>},
    {CAT_FILES, &RunFileStep, &KnowsAction<kFileActions>},
    {CAT_FLOW, &RunFlowStep, &KnowsAction<kFlowActions>},
    {CAT_IF, &RunIfStep, &KnowsAction<kIfActions>},
    {CAT_SYSTEM, &RunSystemStep, &KnowsAction<kSystemActions>},
    {CAT_FUNCTIONS, &RunFunctionStep, &KnowsAction<kFunctionActions>},
    {CAT_RECORDINGS, &RunRecordingStep, &KnowsAction<kRecordingActions>},
    {CAT_WAIT, &RunWaitStep, &KnowsAction<kWaitActions>},
    {CAT_WINDOWS, &RunWindowStep, &KnowsAction<kWindowActions>},
    {CAT_MENU, &RunMenuStep, &KnowsAction<kMenuActions>},
    {CAT_MOUSE, &RunMouseStep, &KnowsAction<kMouseActions>},
};

std::string ExpandedField(std::string_view field, int slot, int step) {
  ExpandText(field, slot, step);
  return ExpansionBuffer();  // copied: the next expansion replaces the buffer
}

void SaveResult(const StepRecord& step, int slot, int step_index, std::string_view data) {
  SaveStepOutput(step, slot, step_index, data);
}

}  // namespace

const CategoryHandler* CategoryHandlers(std::size_t* count) {
  *count = sizeof kCategoryHandlers / sizeof kCategoryHandlers[0];
  return kCategoryHandlers;
}

const ActionServices& ProgramActionServices() {
  static const ActionServices services = [] {
    ActionServices s;
    s.expand = &ExpandedField;
    s.save = &SaveResult;
    s.resolve_path = &ResolvePath;
    s.launch = &LaunchCommand;
    s.random = &RandomInRange;
    s.programs = &SystemProgramPlatform();
    s.player = &ProgramInputPlayer();
    s.playback_device = SystemPlaybackDevice();
    s.waits = &SystemWaitServices();
    s.keyboard = SystemKeyboardPlatform();
    s.screen = &SystemScreen();
    return s;
  }();
  return services;
}

void InstallActionHandlers(HandlerTable& table, const ActionServices& services) {
  table.SetServices(&services);
  for (const CategoryHandler& h : kCategoryHandlers) table.Set(h.category, h.handler);
}

}  // namespace zelo
