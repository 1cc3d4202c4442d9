// Placeholders until the palettes land: empty panels that say so. Removed by
// the palettes' own implementation.
#include "ui/palettes/actions_palette_win.h"
#include "ui/palettes/variables_palette_win.h"

namespace zelo {
namespace {
HWND PendingPanel(HWND parent, const wchar_t* text) {
  return CreateWindowExW(0, L"STATIC", text, WS_CHILD, 0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}
}  // namespace

struct ActionsPalette::Impl {
  HWND hwnd = nullptr;
};
ActionsPalette::ActionsPalette(Workspace&, std::function<std::vector<int>()>) : impl_(std::make_unique<Impl>()) {}
ActionsPalette::~ActionsPalette() = default;
bool ActionsPalette::Create(HWND parent) {
  impl_->hwnd = PendingPanel(parent, L"The Actions tree is not in this build yet");
  return impl_->hwnd != nullptr;
}
HWND ActionsPalette::hwnd() const { return impl_->hwnd; }
void ActionsPalette::SetAllExpanded(bool) {}
void ActionsPalette::SaveFolderStates() {}
void ActionsPalette::ShowHint(std::string_view, unsigned) {}
void ActionsPalette::SetRunning(bool) {}

struct VariablesPalette::Impl {
  HWND hwnd = nullptr;
};
VariablesPalette::VariablesPalette() : impl_(std::make_unique<Impl>()) {}
VariablesPalette::~VariablesPalette() = default;
bool VariablesPalette::Create(HWND parent) {
  impl_->hwnd = PendingPanel(parent, L"The Variables palette is not in this build yet");
  return impl_->hwnd != nullptr;
}
HWND VariablesPalette::hwnd() const { return impl_->hwnd; }
void VariablesPalette::Reload() {}

}  // namespace zelo
