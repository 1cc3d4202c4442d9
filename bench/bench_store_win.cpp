#include <windows.h>

#include "bench/bench_store.h"
#include "expr/substitution_context_win.h"
#include "settings/registry_settings_win.h"

namespace zelo::bench {

namespace {
constexpr wchar_t kSandboxWide[] = L"Software\\ZelomatBenchSandbox";
constexpr char kSandbox[] = "Software\\ZelomatBenchSandbox";
}  // namespace

BenchStore::BenchStore() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kSandboxWide);  // what an interrupted run left
  store_ = std::make_unique<RegistrySettings>(kSandbox);
  context_ = std::make_unique<WinSubstitutionContext>();
}

BenchStore::~BenchStore() {
  store_.reset();
  RegDeleteTreeW(HKEY_CURRENT_USER, kSandboxWide);
}

const char* BenchStore::kind() const { return "registry"; }

}  // namespace zelo::bench
