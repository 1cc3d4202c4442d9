// The change count behind the cached settings store in the Windows build.
// Two sources move it: a counter in memory shared by every running instance,
// which each instance raises after its own writes (so another instance sees
// the write at its very next read, with no system call per read), and a
// thread that waits for the registry's change notifications on the
// program's key, for writes by any other program.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "base/win32_owners_win.h"
#include "settings/store_changes.h"

namespace zelo {

class RegistryChanges : public StoreChanges {
 public:
  // key: below HKEY_CURRENT_USER, the key whose whole tree is watched.
  explicit RegistryChanges(std::wstring key);
  ~RegistryChanges() override;
  RegistryChanges(const RegistryChanges&) = delete;
  RegistryChanges& operator=(const RegistryChanges&) = delete;

  uint64_t Count() override;
  void NoteOwnWrite() override;

 private:
  void Watch();
  // Arms the notification on the key, or on the key above it while the key
  // does not exist. False when neither could be armed.
  bool Arm(RegistryKey* watched, HANDLE event);

  const std::wstring key_;
  KernelHandle mapping_;
  volatile LONG64* shared_ = nullptr;  // in the view below; null without one
  MappedView view_;
  KernelHandle stop_;
  std::atomic<uint64_t> notified_{0};
  std::atomic<bool> armed_{false};
  std::thread watcher_;
};

}  // namespace zelo
