// Pixel and image search in unattended runs of the real Zelomat.exe
// ("/r"): a test program shows a known picture at a known place on the
// screen, and the script's IF conditions must see it where it is, save its
// corner, and not see it outside the region they are given.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "actions/shared/bitmap_file.h"
#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/pattern_files_win.h"
#include "tests/wine/programs/test_pattern.h"
#include "tests/wine/test_programs_win.h"

namespace zelo::test {
namespace {

constexpr int kLeft = 300, kTop = 200;  // where bitmap_window.exe shows the pattern
constexpr DWORD kPauseKey = VK_PAUSE;

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

struct Step {
  Step(std::string a, std::string t = "", std::string from = "", std::string to = "", std::string o = "",
       std::string variable = "")
      : action(std::move(a)), text(std::move(t)), start(std::move(from)), stop(std::move(to)), options(std::move(o)),
        output_variable(std::move(variable)) {}
  std::string action, text, start, stop, options, output_variable;
};

std::string Xml(const Step& s) {
  std::string xml = "<step>\r\n\t<action>" + s.action + "</action>\r\n";
  if (!s.text.empty()) xml += "\t<text>" + s.text + "</text>\r\n";
  if (!s.options.empty()) xml += "\t<options>" + s.options + "</options>\r\n";
  if (!s.start.empty()) xml += "\t<value2>" + s.start + "</value2>\r\n";
  if (!s.stop.empty()) xml += "\t<value3>" + s.stop + "</value3>\r\n";
  if (!s.output_variable.empty()) xml += "\t<output value=\"" + s.output_variable + "\">Variable</output>\r\n";
  return xml + "</step>\r\n";
}

// An IF block around nothing: whether it held shows in the log.
std::string If(const Step& s) { return Xml(s) + Xml({"END IF"}); }

// A 4 x 3 cut of the pattern at (10, 10) as an RGBA PNG, its top-left and
// bottom-right pixels fully transparent.
const std::string kPatternCutPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x04\x00\x00\x00\x03\x08\x06\x00\x00"
    "\x00\xb4\xf4\xae\xc6\x00\x00\x00\x39\x49\x44\x41\x54\x78\xda\x63\x60\x00\x82\x45\x92\xbf\xff\x1f\x97\xac\xfd\xff"
    "\x46\xf2\xff\x7f\x86\x5a\xbf\xdf\xff\x17\xf9\x75\xfd\x3f\xee\x27\xf9\xff\x8d\xdf\x0a\xa0\x40\x73\xed\xff\x45\xcd"
    "\x92\xff\x8f\x37\x6f\xfd\x0f\x52\x0d\x00\x95\xe3\x1a\x18\xc1\xe0\x54\x69\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42"
    "\x60\x82",
    114);

// "#RRGGBB" of a pattern pixel.
std::string ColourText(uint32_t rgb) {
  char text[8];
  wsprintfA(text, "#%06X", rgb);
  return text;
}

class ScreenSearchRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = Process::Start(Wide(TestProgramPath("bitmap_window.exe")),
                             std::to_wstring(kLeft) + L" " + std::to_wstring(kTop));
    ASSERT_TRUE(window_.valid());
    ASSERT_TRUE(WaitForPattern(10000)) << "the test picture never showed";
    ASSERT_TRUE(WriteTextFile(Needle(), PatternBmp(0)));
    ASSERT_TRUE(WriteTextFile(MaskedNeedle(), PatternBmp(4)));
    ASSERT_TRUE(WriteTextFile(PngNeedle(), kPatternCutPng));
  }

  // Polls the screen until the picture's middle pixel is there.
  static bool WaitForPattern(DWORD ms) {
    const WindowDC screen(nullptr);
    const uint32_t want = PatternPixel(20, 15);
    const COLORREF colorref = RGB(want >> 16 & 0xFF, want >> 8 & 0xFF, want & 0xFF);
    for (DWORD waited = 0; waited < ms; waited += 20) {
      if (GetPixel(screen.get(), kLeft + 20, kTop + 15) == colorref) return true;
      Sleep(20);
    }
    return false;
  }

  std::string Needle() const { return dir_.File("needle.bmp"); }
  std::string MaskedNeedle() const { return dir_.File("masked.bmp"); }
  std::string PngNeedle() const { return dir_.File("cut.png"); }
  RunResult Run(const std::string& steps) {
    const std::string script = dir_.File("search.zxm");
    EXPECT_TRUE(WriteTextFile(script, ScriptText(steps)));
    return RunProgram("/r " + Quoted(script), dir_.File("log.txt"), kGuiWaitMs);
  }

  ScratchFolder dir_;
  Process window_;
  ScopedZelomatNumber restart_log_{"RestartLog", 1};
  ScopedZelomatNumber slow_scan_{"SlowPixelScan", 0};
};

TEST_F(ScreenSearchRunTest, ConditionsSeeThePictureWhereItIsShown) {
  for (const char* name : {"image_at", "masked_at", "exact_at", "png_at"}) DeleteVariable(name);
  const std::string shown = ColourText(PatternPixel(7, 3));
  const RunResult r = Run(If({"IF Image is Visible", Needle(), "", "", "", "image_at"}) +              // 1
                          If({"IF Masked Image is Visible", MaskedNeedle(), "", "", "", "masked_at"}) +  // 3
                          If({"IF Image is Visible", MaskedNeedle()}) +                                // 5
                          If({"IF Pixel is Visible", shown}) +                                         // 7
                          If({"IF Pixel is Visible", "#FE01FD"}) +                                     // 9
                          If({"IF Image is Visible", Needle(), "0, 0", "338, 600"}) +                  // 11
                          If({"IF Image is Visible", Needle(), "300, 200", "339, 229", "", "exact_at"}) +  // 13
                          If({"IF Image is Visible", dir_.File("none.bmp")}) +                        // 15
                          If({"IF Image is Visible", PngNeedle(), "", "", "", "png_at"}));            // 17
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 0u) << r.log;
  EXPECT_EQ(Variable("image_at"), "300, 200") << r.log;
  EXPECT_EQ(Variable("masked_at"), "300, 200");
  EXPECT_EQ(Variable("exact_at"), "300, 200");
  EXPECT_EQ(Variable("png_at"), "310, 210") << "through the Windows Imaging Component";
  // Only the false conditions jump to their END IF.
  for (int end_if : {6, 10, 12, 16})
    EXPECT_NE(r.log.find("\tJumping to matching ELSE/END IF statement: [Step " + std::to_string(end_if) + "]"),
              std::string::npos)
        << end_if << "\n" << r.log;
  for (int end_if : {2, 4, 8, 14, 18})
    EXPECT_EQ(r.log.find("\tJumping to matching ELSE/END IF statement: [Step " + std::to_string(end_if) + "]"),
              std::string::npos)
        << end_if << "\n" << r.log;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NE(r.log.find("\tSearching for image \"" + Needle() + "\"\r\n\t*Find Image Size=[40 x 30]  Search Region=(0,0)->(" +
                       std::to_string(width - 1) + "," + std::to_string(height - 1) + ")\r\n"),
            std::string::npos)
      << r.log;
  EXPECT_NE(r.log.find("\tSearching for pixel color " + shown + "\r\n"), std::string::npos);
}

TEST_F(ScreenSearchRunTest, TheMouseMovesToThePicturesCentre) {
  DeleteVariable("mouse_at");
  const RunResult r = Run(Xml({"Move to Image", Needle(), "", "", "", "mouse_at"}));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exit_code, 0u) << r.log;
  EXPECT_EQ(Variable("mouse_at"), "300, 200");
  POINT at{};
  ASSERT_TRUE(GetCursorPos(&at));
  EXPECT_TRUE(at.x == kLeft + kPatternWidth / 2 && at.y == kTop + kPatternHeight / 2) << at.x << "," << at.y;
}

// The window steps' image mode acts on the window under the picture's corner.
TEST_F(ScreenSearchRunTest, AWindowIsFoundByThePictureItShows) {
  const std::string title = dir_.File("title.txt");
  auto window_step = [](const std::string& action, const std::string& image, const std::string& fields) {
    return "<step>\r\n\t<action>" + action + "</action>\r\n\t<text>" + image +
           "</text>\r\n\t<options>Image</options>\r\n" + fields + "</step>\r\n";
  };
  const std::string absent = dir_.File("absent.bmp");
  ASSERT_TRUE(WriteTextFile(absent, PatternBmp(0).substr(0, 54) + std::string(PatternBmp(0).size() - 54, '\x01')));
  const RunResult r =
      Run(window_step("Get Text", Needle(), "\t<output value=\"" + title + "\">File</output>\r\n") +
          window_step("Move Window", Needle(), "\t<value1>101</value1>\r\n\t<value2>81</value2>\r\n") +
          window_step("Activate", absent, "\t<onfail>Ignore/Continue</onfail>\r\n"));
  ASSERT_TRUE(r.finished);
  std::string text;
  EXPECT_TRUE(ReadTextFile(title, &text));
  EXPECT_EQ(text, "Zelomat bitmap window") << r.log;
  HWND window = FindWindowW(L"ZeloTestBitmapWindow", nullptr);
  RECT rect = {};
  GetWindowRect(window, &rect);
  EXPECT_TRUE(rect.left == 100 && rect.top == 80) << rect.left << "," << rect.top << "\n" << r.log;
  EXPECT_NE(r.log.find("Activate: Unable to find image '" + absent + "' on the screen"), std::string::npos) << r.log;
}

TEST_F(ScreenSearchRunTest, TheScanDisplayPutsTheScreenBack) {
  DeleteVariable("shown_at");
  const RunResult r = Run(If({"IF Image is Visible", Needle(), "250, 150", "", "Show", "shown_at"}));
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(Variable("shown_at"), "300, 200") << r.log;
  EXPECT_TRUE(WaitForPattern(2000)) << "the picture is on the screen again";
}

TEST_F(ScreenSearchRunTest, TheStopKeyEndsTheSearchAndTheRun) {
  ScopedZelomatNumber stop_key("StopKey", kPauseKey);
  keybd_event(kPauseKey, 0, 0, 0);  // held down from before the search starts
  const RunResult r = Run(If({"IF Pixel is Visible", "#FE01FD"}) + Xml({"Exit Zelomat", "5"}));
  keybd_event(kPauseKey, 0, KEYEVENTF_KEYUP, 0);
  ASSERT_TRUE(r.finished);
  EXPECT_NE(r.log.find("\tStop key pressed, aborting image search\r\nStop request: aborting run at [STEP 1]"),
            std::string::npos)
      << r.log;
  EXPECT_NE(r.exit_code, 5u);
}

}  // namespace
}  // namespace zelo::test
