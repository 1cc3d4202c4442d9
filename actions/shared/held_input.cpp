#include "actions/shared/held_input.h"

#include <atomic>

namespace zelo {

namespace {
std::atomic<unsigned> g_held{0};
}  // namespace

void NoteHeld(unsigned bits) { g_held.fetch_or(bits); }
void NoteReleased(unsigned bits) { g_held.fetch_and(~bits); }
unsigned HeldInput() { return g_held.load(); }
unsigned TakeHeldInput() { return g_held.exchange(0); }
void ForgetHeldModifiers() { g_held.fetch_and(~kHeldModifiers); }

}  // namespace zelo
