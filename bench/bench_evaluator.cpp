// Speed of the expression evaluator: a typical "Math Calculation" after
// expansion, a long expression near the working-set limit, conditions and
// the number text on its own. The baseline reads and prints one number with
// the C library, the least any calculation step has to do.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "expr/condition.h"
#include "expr/evaluator.h"
#include "expr/real_text.h"

namespace {

const char kTypical[] = "(125.5+17)*3/4-2^3";

std::string LongExpression() {
  // 110 numbers and 109 operators: 219 of the 240 queue entries.
  std::string e = "1.5";
  const char ops[] = "+*-/";
  for (int i = 1; i < 110; ++i) {
    e += ops[i % 4];
    e += std::to_string(i) + ".25";
  }
  return e;
}

void BM_Baseline_StrtodSnprintf(benchmark::State& state) {
  char out[64];
  for (auto _ : state) {
    double v = std::strtod("142.5", nullptr);
    std::snprintf(out, sizeof out, "%.20f", v);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_Baseline_StrtodSnprintf);

void BM_EvaluateCalc_Typical(benchmark::State& state) {
  zelo::RealText text;
  for (auto _ : state) benchmark::DoNotOptimize(zelo::EvaluateCalc(kTypical, &text));
}
BENCHMARK(BM_EvaluateCalc_Typical);

void BM_EvaluateCalc_Long(benchmark::State& state) {
  const std::string e = LongExpression();
  zelo::RealText text;
  for (auto _ : state) benchmark::DoNotOptimize(zelo::EvaluateCalc(e, &text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * e.size()));
}
BENCHMARK(BM_EvaluateCalc_Long);

void BM_EvaluateCalc_Megabyte(benchmark::State& state) {
  std::string e(1 << 20, ' ');
  e[e.size() / 2] = '7';
  zelo::RealText text;
  for (auto _ : state) benchmark::DoNotOptimize(zelo::EvaluateCalc(e, &text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * e.size()));
}
BENCHMARK(BM_EvaluateCalc_Megabyte);

void BM_EvaluateCondition_Numbers(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zelo::EvaluateCondition("142.5 >= 100"));
}
BENCHMARK(BM_EvaluateCondition_Numbers);

void BM_EvaluateCondition_Texts(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zelo::EvaluateCondition("Notepad != notepad"));
}
BENCHMARK(BM_EvaluateCondition_Texts);

void BM_FormatReal_Noise(benchmark::State& state) {
  volatile double v = 0.1;
  for (auto _ : state) benchmark::DoNotOptimize(zelo::FormatReal(v + 0.2));
}
BENCHMARK(BM_FormatReal_Noise);

}  // namespace

BENCHMARK_MAIN();
