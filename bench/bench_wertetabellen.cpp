// The value table of 1000 rows: every row evaluates f, g, h, three derivatives and the
// curvature; with the integral function the first rows add one integral each (4 rows at 6
// places, 9 at 0). Repetitions come from --benchmark_repetitions.

#include <benchmark/benchmark.h>

#include "analysis/UWertetabellen.h"
#include "table/UStringGrid.h"

namespace {

void BM_Wertetabelle(benchmark::State& state) {
  TWertevorgabe v;
  v.f = "0,1tx(9t-x²)";
  v.g = "sin(x)";
  v.h = "exp(-x²)";
  v.a = -5;
  v.b = 4.99L;
  v.dx = 0.01L;  // 1000 rows
  v.mit_F = state.range(0) != 0;
  v.u = 0;
  v.u_text = "0";
  v.format = {false, 9, static_cast<int>(state.range(1))};
  bool abgebrochen = false;
  int zeilen = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(zeilen = Wertetabelle_schreiben(Zahlentabelle, v, abgebrochen));
  state.counters["Zeilen"] = zeilen;
}
BENCHMARK(BM_Wertetabelle)->ArgsProduct({{0, 1}, {6}})->Args({1, 0})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
