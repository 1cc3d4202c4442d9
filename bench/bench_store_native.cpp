#include "bench/bench_store.h"
#include "expr/portable_substitution_context.h"
#include "settings/memory_settings.h"

namespace zelo::bench {

BenchStore::BenchStore()
    : store_(std::make_unique<MemorySettings>()), context_(std::make_unique<PortableSubstitutionContext>()) {}
BenchStore::~BenchStore() = default;
const char* BenchStore::kind() const { return "memory"; }

}  // namespace zelo::bench
