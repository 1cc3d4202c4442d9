#include "expr/portable_substitution_context.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/local_clock.h"
#include "model/file_platform.h"

namespace zelo {

int64_t PortableSubstitutionContext::Now() { return UnixSecondsNow(); }

CivilTime PortableSubstitutionContext::LocalTime(int64_t seconds) { return LocalCivilTime(seconds); }

uint32_t PortableSubstitutionContext::TickCount() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

bool PortableSubstitutionContext::EnvironmentVariable(std::string_view name, std::string* value) {
  // A name holding "=" would match the tail of another variable's entry.
  if (name.empty() || name.find('=') != std::string_view::npos) return false;
  const std::string key(name);
  const char* v = std::getenv(key.c_str());
  if (!v) return false;
  *value = v;
  return true;
}

std::string PortableSubstitutionContext::ScriptFileName(int slot) {
  return ValidSlot(slot) ? script_files_[static_cast<std::size_t>(slot)] : std::string();
}
int32_t PortableSubstitutionContext::LoopCounter(int slot) {
  return ValidSlot(slot) ? loop_counters_[static_cast<std::size_t>(slot)] : 0;
}
int32_t PortableSubstitutionContext::RunRepeats(int slot) {
  return ValidSlot(slot) ? run_repeats_[static_cast<std::size_t>(slot)] : 0;
}
void PortableSubstitutionContext::set_script_file(int slot, std::string path) {
  if (ValidSlot(slot)) script_files_[static_cast<std::size_t>(slot)] = std::move(path);
}
void PortableSubstitutionContext::set_loop_counter(int slot, int32_t counter) {
  if (ValidSlot(slot)) loop_counters_[static_cast<std::size_t>(slot)] = counter;
}
void PortableSubstitutionContext::set_run_repeats(int slot, int32_t repeats) {
  if (ValidSlot(slot)) run_repeats_[static_cast<std::size_t>(slot)] = repeats;
}

std::string PortableSubstitutionContext::CurrentFolder() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::current_path(ec);
  return ec ? std::string() : p.string();
}

std::string PortableSubstitutionContext::CreateTempFile() {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) return std::string();
  static std::atomic<uint32_t> serial{0};
  const uint32_t seed = TickCount();
  // A name already taken is skipped: the file is created only when it is new.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const uint32_t n = (seed + ++serial * 2654435761u) & 0xFFFFF;
    char name[32];
    std::snprintf(name, sizeof name, "ZEL%05X.tmp", n);
    const std::string path = (folder / name).string();
    bool taken = false;
    if (CreateNewFile(path, &taken)) return path;
    if (!taken) break;
  }
  return std::string();
}

std::string PortableSubstitutionContext::ClipboardText() { return seam_ ? seam_->GetClipboardText() : clipboard_; }

bool PortableSubstitutionContext::SetClipboardText(std::string_view text) {
  if (seam_) return seam_->SetClipboardText(text);
  clipboard_ = std::string(text);
  return true;
}

void PortableSubstitutionContext::EmptyClipboard() {
  if (seam_)
    seam_->SetClipboardText(std::string_view());
  else
    clipboard_.clear();
}

}  // namespace zelo
