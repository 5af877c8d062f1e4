// Clearing the table and the fraction/decimal sweeps over all 1500 x 43 data cells.
#include <benchmark/benchmark.h>

#include <string>

#include "table/UStringGrid.h"

namespace {

// Every data cell holds a number text; arg 0 fills decimals, arg 1 fractions.
void Voll_fuellen(Tabelle& t, bool brueche) {
  for (int r = 1; r <= Letzte_Zeile; ++r) {
    for (int c = 1; c <= Letzte_Spalte; ++c) {
      const int p = (r * 7 + c * 13) % 97 + 1, q = (r + c) % 15 + 2;
      t.Zelle_setzen(c, r,
                     brueche ? std::to_string(p) + "/" + std::to_string(q)
                             : std::to_string(p) + "," + std::to_string(q * 125));
    }
  }
}

// The common case: one point pair in columns 1 and 2, the rest empty.
void Punktpaare_fuellen(Tabelle& t, bool brueche) {
  for (int r = 1; r <= Letzte_Zeile; ++r) {
    t.Zelle_setzen(1, r, brueche ? std::to_string(r) + "/8" : std::to_string(r) + ",125");
    t.Zelle_setzen(2, r, brueche ? "-" + std::to_string(r) + "/4" : std::to_string(r) + ",75");
  }
}

void BM_Tabelle_leeren(benchmark::State& s) {
  Tabelle t;
  for (auto _ : s) {
    s.PauseTiming();
    if (s.range(0)) Voll_fuellen(t, false);
    s.ResumeTiming();
    Tabelle_leeren(t);
  }
}
BENCHMARK(BM_Tabelle_leeren)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

template <bool als_Bruch>
void BM_Sweep(benchmark::State& s) {
  Tabelle t;
  for (auto _ : s) {
    s.PauseTiming();
    Tabelle_leeren(t);
    if (s.range(0))
      Voll_fuellen(t, !als_Bruch);
    else
      Punktpaare_fuellen(t, !als_Bruch);
    s.ResumeTiming();
    if (als_Bruch)
      Tabelle_als_Bruch(t);
    else
      Tabelle_als_Dezimal(t);
  }
}
BENCHMARK(BM_Sweep<true>)
    ->Name("BM_Tabelle_als_Bruch")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep<false>)
    ->Name("BM_Tabelle_als_Dezimal")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
