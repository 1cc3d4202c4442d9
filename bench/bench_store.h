// What a benchmark of field expansion runs on: in the Windows build the
// registry (inside a sandbox key of its own, removed again at the end) and
// the program's own substitution context; natively a memory store and the
// portable context.
#pragma once

#include <memory>

#include "expr/substitution_context.h"
#include "settings/settings_backend.h"

namespace zelo::bench {

class BenchStore {
 public:
  BenchStore();
  ~BenchStore();
  BenchStore(const BenchStore&) = delete;
  BenchStore& operator=(const BenchStore&) = delete;
  SettingsBackend& get() { return *store_; }
  SubstitutionContext& context() { return *context_; }
  // What the store is, for the report: "registry" or "memory".
  const char* kind() const;

 private:
  std::unique_ptr<SettingsBackend> store_;
  std::unique_ptr<SubstitutionContext> context_;
};

}  // namespace zelo::bench
