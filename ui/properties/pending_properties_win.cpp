// Placeholder until the palette lands: an empty panel that says so. Removed
// by the palette's own implementation.
#include "ui/properties/properties_palette_win.h"

namespace zelo {

struct PropertiesPalette::Impl {
  HWND hwnd = nullptr;
};

PropertiesPalette::PropertiesPalette(Workspace&) : impl_(std::make_unique<Impl>()) {}
PropertiesPalette::~PropertiesPalette() = default;
bool PropertiesPalette::Create(HWND parent) {
  impl_->hwnd = CreateWindowExW(0, L"STATIC", L"Properties are not in this build yet", WS_CHILD, 0, 0, 0, 0, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  return impl_->hwnd != nullptr;
}
HWND PropertiesPalette::hwnd() const { return impl_->hwnd; }
void PropertiesPalette::ShowStep(int) {}
void PropertiesPalette::Refresh() {}
void PropertiesPalette::SetRunning(bool) {}
void PropertiesPalette::ResetRowHeight() {}
bool PropertiesPalette::EditorHasFocus() const { return false; }

}  // namespace zelo
