#include "actions/shared/current_window.h"

#include <atomic>

namespace zelo {

namespace {
std::atomic<uint64_t> g_current_window{0};
}  // namespace

uint64_t CurrentWindow() { return g_current_window.load(); }
void SetCurrentWindow(uint64_t window) { g_current_window.store(window); }

}  // namespace zelo
