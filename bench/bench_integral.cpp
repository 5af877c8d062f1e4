// The five integration methods at the tolerances the integral tool uses for 6 and 12 decimal
// places. The counter "ok" shows whether the method reached the tolerance. Repetitions come
// from --benchmark_repetitions, so a loaded machine can be outvoted by more of them.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "analysis/UMatheTools.h"
#include "table/UStringGrid.h"

namespace {

struct TIntegrand {
  const char* term;
  long double a, b;
};

const TIntegrand kTerme[] = {
    {"x^2", 0, 1},
    {"sin(x)", 0, 3.14159265358979323846L},
    {"exp(-x^2)", -2, 2},
};

long double Romberg(const std::string& term, long double t, long double a, long double b,
                    long double eps, bool& ok) {
  static Tabelle tabelle;
  return Romberg_Schema(term, t, a, b, eps, false, tabelle, false, 9, 6, ok);
}

using TVerfahren = long double (*)(const std::string&, long double, long double, long double,
                                   long double, bool&);
const TVerfahren kVerfahren[] = {Integral_Gauss_Kronrod, Integral_Trapez, Integral_Mittelpunkt,
                                 Integral_Simpson, Romberg};
const char* const kNamen[] = {"Gauss-Kronrod", "Trapez", "Mittelpunkt", "Simpson", "Romberg"};

void BM_Integral(benchmark::State& state) {
  const auto verfahren = kVerfahren[state.range(0)];
  const TIntegrand& f = kTerme[state.range(1)];
  const long double eps = std::pow(10.0L, -static_cast<long double>(state.range(2)));
  bool ok = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(verfahren(f.term, 0, f.a, f.b, eps, ok));
  }
  state.counters["ok"] = ok ? 1 : 0;
  state.SetLabel(std::string(kNamen[state.range(0)]) + " " + f.term +
                 " d=" + std::to_string(state.range(2)));
}

BENCHMARK(BM_Integral)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1, 2}, {6, 12}})
    ->ArgNames({"verfahren", "term", "d"})
    ->Unit(benchmark::kMicrosecond)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
