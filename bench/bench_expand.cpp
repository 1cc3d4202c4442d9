// Field expansion: a typical 200-byte field with ten tokens (variables,
// dates, a line feed, an inline function) against a store of 1,000
// variables, beside the baseline of a field of the same length without any
// token. The store-call counters show that the lookup of a reference costs
// no store call per "%" that names no variable, nor per character of a name.
#include <benchmark/benchmark.h>

#include <string>

#include "expr/expand_text.h"
#include "expr/random.h"
#include "expr/testing/fake_substitution_context.h"
#include "expr/variable_store.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

// Ten tokens: four variables, four date parts, "%n" and an inline function.
const char kTypicalField[] =
    "Order %order_id for %customer shipped on %dddd, %mmmm %dd, %yyyy.%n"
    "Total: %order_total EUR, status Uppercase(%order_state); please keep this note for your records.";

struct Fixture {
  Fixture() {
    UseSettings(&store);
    UseSubstitutionContext(&context);
    SeedRandom(1);
    for (int i = 0; i < 1000; ++i) Set("var" + std::to_string(i), "value number " + std::to_string(i));
    Set("order_id", "A-10442");
    Set("customer", "Example Trading Ltd");
    Set("order_total", "1299.50");
    Set("order_state", "shipped");
  }
  ~Fixture() {
    UseSubstitutionContext(nullptr);
    UseSettings(nullptr);
  }
  void Set(const std::string& name, const std::string& value) {
    StoredValue v;
    v.data = value;
    store.Set(SettingsRoot::CurrentUser, kUserVariablesKey, name, v);
  }
  int64_t StoreCalls() const {
    return int64_t{store.get_calls()} + store.value_names_calls() + store.change_stamp_calls();
  }
  MemorySettings store;
  FakeSubstitutionContext context;
};

void Run(benchmark::State& state, const std::string& field) {
  Fixture f;
  ExpandText(field, 0, 0);  // the names are read once, then kept
  const int64_t calls_before = f.StoreCalls();
  const int64_t names_before = f.store.value_names_calls();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExpandText(field, 0, 0));
    benchmark::DoNotOptimize(ExpansionBuffer().data());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["store_calls_per_expansion"] =
      static_cast<double>(f.StoreCalls() - calls_before) / static_cast<double>(state.iterations());
  state.counters["name_listings"] = static_cast<double>(f.store.value_names_calls() - names_before);
  state.counters["bytes_out"] = static_cast<double>(ExpansionBuffer().size());
}

void BM_TypicalField(benchmark::State& state) { Run(state, kTypicalField); }
BENCHMARK(BM_TypicalField);

// Baseline: a field of the same length and kind of text without any token
// (the copy, the scans that find nothing to do).
void BM_PlainFieldBaseline(benchmark::State& state) {
  std::string plain = kTypicalField;
  for (char& c : plain)
    if (c == '%' || c == '(' || c == ')' || c == '_') c = ' ';
  Run(state, plain);
}
BENCHMARK(BM_PlainFieldBaseline);

// N references that name no variable ("%q" + 20 letters).
void BM_NonVariablePercentSigns(benchmark::State& state) {
  std::string field = "%var7 ";
  for (int64_t i = 0; i < state.range(0); ++i) field += "%qwertyuiopasdfghjklz ";
  Run(state, field);
}
BENCHMARK(BM_NonVariablePercentSigns)->Arg(0)->Arg(10)->Arg(100)->Arg(1000);

// One reference whose name of L characters matches no variable, so every
// shorter prefix is tried.
void BM_NameLength(benchmark::State& state) {
  Run(state, "%var7 %" + std::string(static_cast<std::size_t>(state.range(0)), 'y') + " end");
}
BENCHMARK(BM_NameLength)->Arg(1)->Arg(16)->Arg(65)->Arg(500);

}  // namespace
}  // namespace zelo

BENCHMARK_MAIN();
