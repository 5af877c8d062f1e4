// Clearing the table and the fraction/decimal sweeps over all 1500 x 43 data cells.
#include <benchmark/benchmark.h>

#include <span>
#include <string>
#include <vector>

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

// Reading every data cell of a full table, row by row (arg 0) or column by column (arg 1).
void BM_Zelle_lesen(benchmark::State& s) {
  Tabelle t;
  Voll_fuellen(t, false);
  for (auto _ : s) {
    std::size_t n = 0;
    if (s.range(0) == 0) {
      for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int c = 1; c <= Letzte_Spalte; ++c)
          n += t.Zelle(c, r).size();
    } else {
      for (int c = 1; c <= Letzte_Spalte; ++c)
        for (int r = 1; r <= Letzte_Zeile; ++r)
          n += t.Zelle(c, r).size();
    }
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_Zelle_lesen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// An undo step keeps a copy of the whole table: copying shares every block.
void BM_Tabelle_kopieren(benchmark::State& s) {
  Tabelle t;
  Voll_fuellen(t, false);
  for (auto _ : s) {
    Tabelle kopie(t);
    benchmark::DoNotOptimize(kopie);
  }
  // The memory of 100 undo steps of this table, one cell written between two steps.
  std::vector<Tabelle> schritte(100, t);
  std::vector<const Tabelle*> zeiger;
  for (std::size_t i = 0; i < schritte.size(); ++i) {
    schritte[i].Zelle_setzen(1 + static_cast<int>(i) % Letzte_Spalte, 1 + 13 * static_cast<int>(i),
                             "geaendert");
    zeiger.push_back(&schritte[i]);
  }
  const Tabelle* live = &t;
  s.counters["MB_Tabelle"] = static_cast<double>(Tabellen_Speicher(std::span(&live, 1))) / 1e6;
  s.counters["MB_100_Schritte"] = static_cast<double>(Tabellen_Speicher(zeiger)) / 1e6;
}
BENCHMARK(BM_Tabelle_kopieren)->Unit(benchmark::kMicrosecond);

// Whether an action changed the table: a copy with one cell written since (arg 1) or none
// (arg 0) against the live table.
void BM_Inhalt_gleich(benchmark::State& s) {
  Tabelle t;
  Voll_fuellen(t, false);
  Tabelle kopie(t);
  if (s.range(0)) kopie.Zelle_setzen(20, 700, "neu");
  for (auto _ : s)
    benchmark::DoNotOptimize(Inhalt_gleich(t, kopie));
}
BENCHMARK(BM_Inhalt_gleich)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
