// Timing of typing under Wine, run by scripts/bench.sh (disabled in the test
// run): a "Type" step of 1,000 and of 10,000 characters into the key
// recorder's edit control, from the step's announcement in the log until the
// last character is in the control.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/wine/harness_win.h"
#include "tests/wine/key_recorder_win.h"

namespace zelo::test {
namespace {

// Milliseconds from "[STEP 2]" in the log until the edit holds all of text;
// 0 when either did not happen.
DWORD TimeTyping(const ScratchFolder& dir, const KeyRecorder& recorder, const std::string& text) {
  const std::string script = dir.File("bench.zxm");
  WriteTextFile(script, ScriptText(StepXml("Comment", "start") + StepXml("Type", "", text)));
  const std::string log = dir.File("log.txt");
  Process p = StartProgram("/r \"" + script + "\"", log);
  if (!WaitForLogText(log, "[STEP 2]:", kGuiWaitMs)) return 0;
  const DWORD start = GetTickCount();
  if (!recorder.WaitForLength(text.size(), 15000)) return 0;
  const DWORD ms = GetTickCount() - start;
  DWORD code = 0;
  p.Wait(kGuiWaitMs, &code);
  return ms;
}

TEST(TypingBench, DISABLED_TypingIntoAnEditControl) {
  ScopedZelomatNumber restart_log("RestartLog", 1);
  ScratchFolder dir;
  DWORD ms[2] = {};
  const size_t sizes[2] = {1000, 10000};
  for (int i = 0; i < 2; ++i) {
    KeyRecorder recorder("");
    ASSERT_TRUE(recorder.ready());
    std::string text;
    // Lines of 50 characters: one Return each.
    while (text.size() < sizes[i]) text += text.size() % 52 == 50 ? "\r\n" : std::string(1, 'a' + text.size() % 26);
    text.resize(sizes[i]);
    ms[i] = TimeTyping(dir, recorder, text);
    ASSERT_GT(ms[i], 0u) << "the text did not arrive";
    ASSERT_TRUE(recorder.Text() == Wide(text));
    std::printf("%zu characters: %lu ms from the step's start to the last character, %.0f keystrokes/s\n", sizes[i],
                static_cast<unsigned long>(ms[i]), sizes[i] * 1000.0 / ms[i]);
  }
  std::printf("growth 1,000 -> 10,000 characters: %.1f times the time (10 for linear)\n",
              static_cast<double>(ms[1]) / ms[0]);
}

}  // namespace
}  // namespace zelo::test
