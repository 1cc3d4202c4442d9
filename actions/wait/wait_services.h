// What the "Wait" actions ask of the system besides the run's clock and key
// states: the process priority, the mouse pointer, one search of the screen
// for a colour or a bitmap, and one lookup of a window by its title. The
// program uses the system's (SystemWaitServices); tests pass doubles.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zelo {

inline constexpr uint32_t kIdlePriorityClass = 64;

class WaitSystem {
 public:
  virtual ~WaitSystem() = default;
  virtual uint32_t PriorityClass() = 0;
  virtual void SetPriorityClass(uint32_t priority_class) = 0;
  // False when the position cannot be read.
  virtual bool PointerPosition(int32_t* x, int32_t* y) = 0;
};

enum class FindOutcome {
  Found,
  NotFound,
  Stopped,      // the stop key or a stop request ended the search
  Unavailable,  // this build cannot search: the step fails saying so
};

// The search fields of a step, expanded: "Pixel Color Variation",
// "Start Search At (X, Y)", "Stop Search At (X, Y)", and whether the scan
// is shown on the screen.
struct WaitSearchFields {
  std::string tolerance, start, stop;
  bool scan_display = false;
};

struct ScreenFind {
  FindOutcome outcome = FindOutcome::NotFound;
  int32_t x = 0, y = 0;  // the pixel, or the bitmap's top-left corner
  std::string log;       // the search's own log lines
  std::string error;     // why the screen or the image could not be read
};

// Asked during a search; true ends it as stopped.
using WaitStop = std::function<bool()>;

class ScreenFinder {
 public:
  virtual ~ScreenFinder() = default;
  // One search of the screen now. colorref: 0x00BBGGRR.
  virtual ScreenFind FindPixel(uint32_t colorref, const WaitSearchFields& fields, const WaitStop& stop) = 0;
  // path: an existing bitmap file; mask: the COLORREF not compared, or 256.
  virtual ScreenFind FindImage(const std::string& path, uint32_t mask, const WaitSearchFields& fields,
                               const WaitStop& stop) = 0;
};

struct WindowLookup {
  FindOutcome outcome = FindOutcome::NotFound;  // never Stopped
  uint64_t window = 0;
  bool program_window = false;  // the window belongs to the program's own main window
};

class WindowFinder {
 public:
  virtual ~WindowFinder() = default;
  // The lookup by title alone, over every window: a top-level window whose
  // whole title is the text, else the last window whose title holds it.
  virtual WindowLookup FindByTitle(std::string_view title) = 0;
};

struct WaitServices {
  WaitSystem* system = nullptr;
  ScreenFinder* screen = nullptr;
  WindowFinder* windows = nullptr;
};

// The running system's; each build defines it.
const WaitServices& SystemWaitServices();

}  // namespace zelo
