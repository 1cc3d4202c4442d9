// The waits of the real program under Wine: processor time of a five-second
// wait that never succeeds (a file, a window, an image), and how long after
// a file, a window or a picture on the screen appears its wait passes
// (median of 20).
//   wait_timing.exe PATH\Zelomat.exe
// Changes the program's "Logfile" and "Log" settings; scripts/bench.sh saves
// and restores them around it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "actions/shared/bitmap_file.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "tests/wine/host_cpu_win.h"

namespace {

std::wstring g_program;
std::string g_folder;

std::string File(const std::string& name) { return g_folder + "\\" + name; }

bool WriteWhole(const std::string& path, const std::string& bytes) {
  zelo::KernelHandle f(CreateFileW(zelo::AnsiToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return f && WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

std::string ReadWhole(const std::string& path) {
  zelo::KernelHandle f(CreateFileW(zelo::AnsiToWide(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string text;
  if (!f) return text;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(f.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

void SetSetting(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
    return;
  const zelo::RegistryKey owned(key);
  RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

std::string Step(const std::string& action, const std::string& text, const std::string& timeout) {
  return "<step>\r\n\t<action>" + action + "</action>\r\n\t<text>" + text + "</text>\r\n\t<timeout>" + timeout +
         "</timeout>\r\n\t<onfail value=\"\" image=\"0\" log=\"0\">Ignore/Continue</onfail>\r\n</step>\r\n";
}

// Starts the program on a script of the steps; the process handle.
zelo::KernelHandle StartRun(const std::string& steps) {
  const std::string script = File("wait_bench.zxm");
  WriteWhole(script, "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n" + steps + "</Zelomat>");
  DeleteFileW(zelo::AnsiToWide(File("log.txt")).c_str());
  std::wstring command = L"\"" + g_program + L"\" /r \"" + zelo::AnsiToWide(script) + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(g_program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return zelo::KernelHandle();
  const zelo::KernelHandle thread(pi.hThread);
  return zelo::KernelHandle(pi.hProcess);
}

// Polls the log every millisecond until it holds the text; false after ms.
bool WaitForLog(const std::string& text, DWORD ms) {
  const DWORD start = GetTickCount();
  while (ReadWhole(File("log.txt")).find(text) == std::string::npos) {
    MSG msg;  // the bench's own windows answer the lookup's title requests
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (GetTickCount() - start > ms) return false;
    // Wakes at once for a title request from the lookup, as a program that
    // waits for messages would.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_SENDMESSAGE);
  }
  return true;
}

// Answers the bench's window messages for about ms.
void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  } while (GetTickCount() - start < ms);
}

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

void FailingWait(const char* label, const std::string& step) {
  zelo::KernelHandle p = StartRun(step);
  if (!p || !WaitForLog("[STEP 1]", 30000)) {
    std::printf("%-28s the run did not start\n", label);
    return;
  }
  const std::wstring host = zelo::test::HostProcessFolder(File("wait_bench.zxm"));
  const double cpu = zelo::test::ProcessCpuMs(p.get(), host), start = Now();
  WaitForLog("ERROR while running [STEP 1]", 30000);
  const double used = zelo::test::ProcessCpuMs(p.get(), host) - cpu, wall = Now() - start;
  WaitForSingleObject(p.get(), 30000);
  std::printf("%-28s %7.0f ms of processor time in %5.0f ms (%.1f %% of one core)\n", label, used, wall,
              100.0 * used / wall);
}

void ReportDelays(const char* label, std::vector<double> delays, std::size_t rounds) {
  if (delays.size() != rounds || rounds == 0) {
    std::printf("%-28s only %zu of %zu rounds passed\n", label, delays.size(), rounds);
    return;
  }
  std::sort(delays.begin(), delays.end());
  std::printf("%-28s median %5.1f ms, fastest %5.1f ms, slowest %5.1f ms (%zu rounds)\n", label,
              (delays[(rounds - 1) / 2] + delays[rounds / 2]) / 2, delays.front(), delays.back(), rounds);
}

LRESULT CALLBACK PlainWindow(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

// How long after each of 20 things appears its wait passes: the next step's
// line in the log.
void Latency(const char* label, bool windows) {
  constexpr int kRounds = 20;
  std::string steps;
  for (int i = 1; i <= kRounds; ++i)
    steps += windows ? Step("Wait for Window to Appear", "Zelomat bench window " + std::to_string(i), "30")
                     : Step("Wait for File to Exist", File("appears" + std::to_string(i) + ".txt"), "30");
  steps += Step("Comment", "", "");
  zelo::KernelHandle p = StartRun(steps);
  std::vector<double> delays;
  std::vector<zelo::OwnedWindow> shown;
  for (int i = 1; i <= kRounds && p; ++i) {
    if (!WaitForLog("[STEP " + std::to_string(i) + "]", 30000)) break;
    Sleep(120);  // the wait is under way: a few tries have failed
    const double start = Now();
    if (windows) {
      shown.emplace_back(CreateWindowExW(0, L"ZeloBenchWindow",
                                         zelo::AnsiToWide("Zelomat bench window " + std::to_string(i)).c_str(),
                                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
    } else {
      WriteWhole(File("appears" + std::to_string(i) + ".txt"), "x");
    }
    if (!WaitForLog("[STEP " + std::to_string(i + 1) + "]", 30000)) break;
    delays.push_back(Now() - start);
  }
  if (p) WaitForSingleObject(p.get(), 30000);
  ReportDelays(label, delays, kRounds);
}

// The picture the image waits look for: colours a desktop does not show.
constexpr int kPictureSize = 24;
uint32_t PicturePixel(int x, int y) {
  return static_cast<uint32_t>((29 * x + 3) & 0xFF) << 16 | static_cast<uint32_t>((41 * y + 17) & 0xFF) << 8 |
         static_cast<uint32_t>((x * y * 7 + 91) & 0xFF);
}

std::string PictureBmp() {
  std::string info(40, '\0'), rows;
  auto put = [](std::string* out, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) (*out)[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  put(&info, 0, 40);
  put(&info, 4, kPictureSize);
  put(&info, 8, static_cast<uint32_t>(-kPictureSize));  // top-down
  put(&info, 12, 1 | 32 << 16);
  for (int y = 0; y < kPictureSize; ++y)
    for (int x = 0; x < kPictureSize; ++x) {
      rows.append(4, '\0');
      put(&rows, rows.size() - 4, PicturePixel(x, y));
    }
  return zelo::BitmapFileBytes(info, rows);
}

LRESULT CALLBACK PictureWindow(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m != WM_PAINT) return DefWindowProcW(w, m, wp, lp);
  std::vector<uint32_t> pixels;
  for (int y = 0; y < kPictureSize; ++y)
    for (int x = 0; x < kPictureSize; ++x) pixels.push_back(PicturePixel(x, y));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kPictureSize, -kPictureSize, 1, 32, BI_RGB};
  const zelo::PaintDC dc(w);
  SetDIBitsToDevice(dc.get(), 0, 0, kPictureSize, kPictureSize, 0, 0, 0, kPictureSize, pixels.data(), &info,
                    DIB_RGB_COLORS);
  return 0;
}

// Whether the picture's middle pixel is on the screen at (x, y).
bool PictureShown(int x, int y) {
  const zelo::WindowDC screen(nullptr);
  const uint32_t p = PicturePixel(kPictureSize / 2, kPictureSize / 2);
  return GetPixel(screen.get(), x + kPictureSize / 2, y + kPictureSize / 2) ==
         RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

// How long after a picture is shown "Wait for Image to Appear" passes, 20
// times. Each wait is followed by a wait for a file the bench writes once
// the picture is gone from the screen again, so no wait sees the last one.
void ImageLatency(const char* label) {
  constexpr int kRounds = 20, kX = 700, kY = 500;
  const std::string picture = File("picture.bmp");
  WriteWhole(picture, PictureBmp());
  std::string steps;
  for (int i = 1; i <= kRounds; ++i)
    steps += Step("Wait for Image to Appear", picture, "30") +
             Step("Wait for File to Exist", File("gone" + std::to_string(i) + ".txt"), "30");
  steps += Step("Comment", "", "");
  zelo::KernelHandle p = StartRun(steps);
  std::vector<double> delays;
  for (int i = 1; i <= kRounds && p; ++i) {
    const int step = 2 * i - 1;
    if (!WaitForLog("[STEP " + std::to_string(step) + "]", 30000)) break;
    Sleep(120);  // the wait is under way: a few tries have failed
    const double start = Now();
    zelo::OwnedWindow shown(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"ZeloBenchPicture", L"", WS_POPUP,
                                            kX, kY, kPictureSize, kPictureSize, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
    ShowWindow(shown.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(shown.get());
    if (!WaitForLog("[STEP " + std::to_string(step + 1) + "]", 30000)) break;
    delays.push_back(Now() - start);
    shown = zelo::OwnedWindow();
    for (int waited = 0; waited < 5000 && PictureShown(kX, kY); waited += 10) Pump(10);
    WriteWhole(File("gone" + std::to_string(i) + ".txt"), "x");
  }
  if (p) WaitForSingleObject(p.get(), 30000);
  ReportDelays(label, delays, kRounds);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wait_timing PATH\\Zelomat.exe\n");
    return 2;
  }
  g_program = argv[1];
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  g_folder = zelo::WideToAnsi(temp) + "zelo_wait_bench_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryW(zelo::AnsiToWide(g_folder).c_str(), nullptr);
  const std::wstring log = zelo::AnsiToWide(File("log.txt"));
  SetSetting(L"Logfile", REG_SZ, log.c_str(), static_cast<DWORD>((log.size() + 1) * sizeof(wchar_t)));
  const DWORD on = 1;
  SetSetting(L"Log", REG_DWORD, &on, sizeof on);
  WNDCLASSW cls = {};
  cls.lpfnWndProc = PlainWindow;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"ZeloBenchWindow";
  RegisterClassW(&cls);
  cls.lpfnWndProc = PictureWindow;
  cls.lpszClassName = L"ZeloBenchPicture";
  RegisterClassW(&cls);

  FailingWait("file, 5 s, never there:", Step("Wait for File to Exist", File("never.txt"), "5"));
  FailingWait("window, 5 s, never there:", Step("Wait for Window to Appear", "No such window anywhere", "5"));
  // A 2 x 2 bitmap of colours the desktop does not show: every try captures
  // and searches the whole screen.
  static const unsigned char kAbsentBitmap[70] = {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,
      0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x13, 0x57, 0x9b, 0x24,
      0x68, 0xac, 0, 0, 0x31, 0x75, 0xb9, 0x42, 0x86, 0xca, 0, 0};
  if (std::FILE* bitmap = std::fopen(File("absent.bmp").c_str(), "wb")) {
    std::fwrite(kAbsentBitmap, 1, sizeof kAbsentBitmap, bitmap);
    std::fclose(bitmap);
  }
  FailingWait("image, 5 s, whole screen:", Step("Wait for Image to Appear", File("absent.bmp"), "5"));
  Latency("file appears, wait passes:", false);
  Latency("window appears, wait passes:", true);
  ImageLatency("image appears, wait passes:");

  const std::wstring pattern = zelo::AnsiToWide(g_folder) + L"\\*";
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    const zelo::FindHandle owned(search);
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW((zelo::AnsiToWide(g_folder) + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
  }
  RemoveDirectoryW(zelo::AnsiToWide(g_folder).c_str());
  return 0;
}
