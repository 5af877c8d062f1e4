// The slope-turn scans of the extrema and inflection buttons on [-8; 8]: the seven-member family
// (7 x 20 000 steps) and one inflection pass, and the 33-start zero search. Medians come from
// --benchmark_repetitions.

#include <benchmark/benchmark.h>

#include "analysis/UNullstellen.h"
#include "engine/UFunktionsParser.h"
#include "table/UStringGrid.h"

namespace {

void BM_Extrema_Schar(benchmark::State& state) {
  TTerm f("-t·x³+(t+2)·x");
  Tabelle tabelle;
  const TScharbereich schar{.t1 = 1, .t2 = 2.2L, .dt = 0.2L, .Schar = true};
  for (auto _ : state)
    benchmark::DoNotOptimize(Extrem_Wende_scannen(f, false, -8, 8, schar, 6, tabelle));
}
BENCHMARK(BM_Extrema_Schar)->Unit(benchmark::kMillisecond);

void BM_Wendepunkte_Schar(benchmark::State& state) {
  TTerm f("-t·x³+(t+2)·x");
  Tabelle tabelle;
  const TScharbereich schar{.t1 = 1, .t2 = 2.2L, .dt = 0.2L, .Schar = true};
  for (auto _ : state)
    benchmark::DoNotOptimize(Extrem_Wende_scannen(f, true, -8, 8, schar, 6, tabelle));
}
BENCHMARK(BM_Wendepunkte_Schar)->Unit(benchmark::kMillisecond);

void BM_Wendepunkte_Sinus(benchmark::State& state) {
  TTerm f("sin(x)");
  Tabelle tabelle;
  const TScharbereich schar{.t1 = 1, .t2 = 2.2L, .dt = 0.2L, .Schar = false};
  for (auto _ : state)
    benchmark::DoNotOptimize(Extrem_Wende_scannen(f, true, -8, 8, schar, 6, tabelle));
}
BENCHMARK(BM_Wendepunkte_Sinus)->Unit(benchmark::kMillisecond);

void BM_Nullstellen(benchmark::State& state) {
  TTerm f("x-x³");
  Tabelle tabelle;
  for (auto _ : state)
    benchmark::DoNotOptimize(Nullstellen_suchen(f, 1, -8, 8, tabelle));
}
BENCHMARK(BM_Nullstellen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
