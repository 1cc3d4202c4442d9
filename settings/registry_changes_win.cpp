#include "settings/registry_changes_win.h"

namespace zelo {

namespace {

// One counter per user session, shared by every instance of the program.
constexpr wchar_t kSharedCounterName[] = L"Local\\ZelomatSettingsChanges";
constexpr DWORD kWatchedChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
// While no watch can be armed, how often arming is tried again.
constexpr DWORD kRetryMs = 100;

std::wstring ParentKey(const std::wstring& key) {
  const std::size_t slash = key.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : key.substr(0, slash);
}

}  // namespace

RegistryChanges::RegistryChanges(std::wstring key) : key_(std::move(key)) {
  mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG64),
                                    kSharedCounterName));
  if (mapping_) view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG64)));
  if (view_) shared_ = static_cast<volatile LONG64*>(view_.get());
  stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (stop_) watcher_ = std::thread([this] { Watch(); });
}

RegistryChanges::~RegistryChanges() {
  if (watcher_.joinable()) {
    SetEvent(stop_.get());
    watcher_.join();
  }
}

uint64_t RegistryChanges::Count() {
  // Without a watch, other programs' writes would go unseen: every call then
  // gives a new number and nothing is kept.
  if (!armed_.load(std::memory_order_acquire)) return notified_.fetch_add(1) + 1;
  const uint64_t shared = shared_ ? static_cast<uint64_t>(InterlockedCompareExchange64(shared_, 0, 0)) : 0;
  return shared + notified_.load(std::memory_order_acquire);
}

void RegistryChanges::NoteOwnWrite() {
  if (shared_) InterlockedIncrement64(shared_);
}

bool RegistryChanges::Arm(RegistryKey* watched, HANDLE event) {
  *watched = OpenRegistryKey(HKEY_CURRENT_USER, key_.c_str(), KEY_NOTIFY);
  if (*watched && RegNotifyChangeKeyValue(watched->get(), TRUE, kWatchedChanges, event, TRUE) == ERROR_SUCCESS)
    return true;
  // No key yet: its creation is a change of the names under its parent.
  const std::wstring parent = ParentKey(key_);
  *watched = OpenRegistryKey(HKEY_CURRENT_USER, parent.c_str(), KEY_NOTIFY);
  if (!*watched || RegNotifyChangeKeyValue(watched->get(), FALSE, REG_NOTIFY_CHANGE_NAME, event, TRUE) != ERROR_SUCCESS)
    return false;
  // Made between the two opens: watch the key itself instead.
  if (OpenRegistryKey(HKEY_CURRENT_USER, key_.c_str(), KEY_NOTIFY)) SetEvent(event);
  return true;
}

void RegistryChanges::Watch() {
  // The notification belongs to this thread, which lives as long as the watch.
  KernelHandle changed(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  if (!changed) return;
  for (;;) {
    RegistryKey watched;
    const bool armed = Arm(&watched, changed.get());
    // Writes made before the watch was armed count as changes too.
    notified_.fetch_add(1, std::memory_order_release);
    armed_.store(armed, std::memory_order_release);
    const HANDLE events[2] = {changed.get(), stop_.get()};
    const DWORD woke = WaitForMultipleObjects(2, events, FALSE, armed ? INFINITE : kRetryMs);
    if (woke == WAIT_OBJECT_0 + 1 || woke == WAIT_FAILED) break;
    notified_.fetch_add(1, std::memory_order_release);
  }
  armed_.store(false, std::memory_order_release);
}

}  // namespace zelo
