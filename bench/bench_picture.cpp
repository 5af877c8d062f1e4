// Painting the empty coordinate system, which runs before every plot.

#include <benchmark/benchmark.h>

#include "analysis/UKurven.h"
#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Blattspeicher.h"

namespace {

// Paints the coordinate system of the view ansicht again and again; the shared record holds its
// start values again afterwards.
void KOS_zeichnen_messen(benchmark::State& state, const TKOS& ansicht) {
  KOS = ansicht;
  TBild bild;
  for (auto _ : state) {
    KOS_zeichnen(bild);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
  Blatt_Speicher().Zuruecksetzen();
}

void Startansicht(benchmark::State& state) {
  KOS_zeichnen_messen(state, TKOS{});
}
BENCHMARK(Startansicht)->Unit(benchmark::kMicrosecond);

// A view far from the origin with the 1-mm grid: the grid loops walk from 0 to the view.
void Fern_1mm(benchmark::State& state) {
  TKOS ansicht;
  ansicht.xli = 1000;
  ansicht.xre = 1016;
  ansicht.Rasterteilung = 10;
  KOS_zeichnen_messen(state, ansicht);
}
BENCHMARK(Fern_1mm)->Unit(benchmark::kMicrosecond);

// Very far away, where walking every step would take hours.
void Sehr_fern_1mm(benchmark::State& state) {
  TKOS ansicht;
  ansicht.xli = 1e9L;
  ansicht.xre = 1e9L + 16;
  ansicht.yu = -1e9L - 16;
  ansicht.yo = -1e9L;
  ansicht.Rasterteilung = 10;
  KOS_zeichnen_messen(state, ansicht);
}
BENCHMARK(Sehr_fern_1mm)->Unit(benchmark::kMicrosecond);

// The start picture (coordinate system and the graph) with and without recording the drawing for
// the vector forms: the recording must not slow plotting down noticeably.
void Startbild_Aufzeichnung(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild;
  bild.Aufzeichnen_setzen(state.range(0) != 0);
  TScharwerte s;
  for (auto _ : state) {
    KOS_zeichnen(bild);
    Kurve_zeichnen(bild, "0,1tx(9t-x²)", 0xFF0000, 1, Modus_Funktion, -8, 8, s);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
  state.counters["Eintraege"] = static_cast<double>(bild.Protokoll().Befehle.size());
}
BENCHMARK(Startbild_Aufzeichnung)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
