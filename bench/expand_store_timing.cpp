// Field expansion on the store the program really uses: the registry in the
// Windows build (run under Wine by scripts/bench.sh), memory natively. Timed
// with the standard clock (best of several rounds), with the store calls of
// one expansion counted through a wrapper around the store. The rows with
// many "%" signs that name no variable, and with long names that match
// none, show that the calls do not grow with either.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_store.h"
#include "bench/counting_settings.h"
#include "expr/expand_text.h"
#include "expr/random.h"
#include "expr/variable_store.h"
#include "settings/settings.h"

namespace zelo::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Ten tokens: four variables, four date parts, "%n" and an inline function.
const char kTypicalField[] =
    "Order %order_id for %customer shipped on %dddd, %mmmm %dd, %yyyy.%n"
    "Total: %order_total EUR, status Uppercase(%order_state); please keep this note for your records.";

constexpr int kStoredVariables = 1000;

struct Row {
  std::string name;
  std::string field;
};

std::vector<Row> Rows() {
  std::vector<Row> rows;
  rows.push_back({"typical field, 10 tokens", kTypicalField});
  std::string plain = kTypicalField;
  for (char& c : plain)
    if (c == '%' || c == '(' || c == ')' || c == '_') c = ' ';
  rows.push_back({"same length, no token", plain});
  for (int n : {0, 10, 100, 1000}) {
    std::string field = "%var7 ";
    for (int i = 0; i < n; ++i) field += "%qwertyuiopasdfghjklz ";
    rows.push_back({"1 variable + " + std::to_string(n) + " non-variable %", field});
  }
  for (int length : {1, 16, 65, 500})
    rows.push_back({"1 variable + unknown name of " + std::to_string(length),
                    "%var7 %" + std::string(static_cast<std::size_t>(length), 'y') + " end"});
  return rows;
}

void Fill(SettingsBackend& store) {
  auto set = [&store](const std::string& name, const std::string& value) {
    StoredValue v;
    v.data = value;
    store.Set(SettingsRoot::CurrentUser, kUserVariablesKey, name, v);
  };
  for (int i = 0; i < kStoredVariables; ++i) set("var" + std::to_string(i), "value number " + std::to_string(i));
  set("order_id", "A-10442");
  set("customer", "Example Trading Ltd");
  set("order_total", "1299.50");
  set("order_state", "shipped");
}

// Expansions per round, so that a round lasts long enough to time on both stores.
int RoundSize(const std::string& field) { return field.size() > 4000 ? 200 : 2000; }

}  // namespace
}  // namespace zelo::bench

int main() {
  using namespace zelo;
  using namespace zelo::bench;
  BenchStore platform;
  CountingSettings counting(platform.get());
  Fill(platform.get());
  UseSettings(&counting);
  UseSubstitutionContext(&platform.context());
  SeedRandom(1);

  std::printf("field expansion on the %s store, %d variables stored\n", platform.kind(), kStoredVariables);
  std::printf("%-40s %12s %10s %7s %7s %7s %7s\n", "field", "expansions/s", "us each", "calls", "get", "names",
              "stamp");
  for (const Row& row : Rows()) {
    ExpandText(row.field, 0, 0);  // the names are read once, then kept
    const StoreCalls before = counting.calls();
    const int per_round = RoundSize(row.field);
    double best = 1e9;
    int rounds = 0;
    for (; rounds < 5; ++rounds) {
      const Clock::time_point start = Clock::now();
      for (int i = 0; i < per_round; ++i) ExpandText(row.field, 0, 0);
      best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    const StoreCalls& after = counting.calls();
    const double expansions = static_cast<double>(rounds) * per_round;
    auto each = [&](int64_t a, int64_t b) { return static_cast<double>(a - b) / expansions; };
    std::printf("%-40s %12.0f %10.2f %7.2f %7.2f %7.2f %7.2f\n", row.name.c_str(), per_round / best,
                best * 1e6 / per_round, each(after.total(), before.total()), each(after.get, before.get),
                each(after.value_names, before.value_names), each(after.change_stamp, before.change_stamp));
  }
  UseSubstitutionContext(nullptr);
  UseSettings(nullptr);
  return 0;
}
