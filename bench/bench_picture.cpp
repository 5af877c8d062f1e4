// Painting the empty coordinate system, which runs before every plot.

#include <benchmark/benchmark.h>

#include "analysis/UKurven.h"
#include "engine/KOS.h"
#include "kos/UBildpaket.h"
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

// A full plot as a user leaves it: axes, grid, three curves (one a family), a caption. Its record
// holds a few thousand entries.
TBild Plotbild() {
  KOS = TKOS{};
  TBild bild;
  TScharwerte s;
  s.alle_t = true;
  KOS_zeichnen(bild);
  Kurve_zeichnen(bild, "0,1tx(9t-x²)", 0xFF0000, 1, Modus_Funktion, -8, 8, s);
  Kurve_zeichnen(bild, "3sin(x)", 0x008000, 2, Modus_Funktion, -8, 8, TScharwerte{});
  Kurve_zeichnen(bild, "x³/20-x", 0x0000FF, 3, Modus_Funktion, -8, 8, TScharwerte{});
  Text_schreiben(bild, 30, 30, "f(x) = 0,1tx(9t-x²)", "Arial", 12, Pinsel_leer, Schrift_fett,
                 0xFF0000);
  return bild;
}

void Groessen_melden(benchmark::State& state, const TBild& bild, const TBildpaket& paket) {
  const double roh = static_cast<double>(bild.Bild().sizeInBytes());
  state.counters["Paket_Bytes"] = static_cast<double>(paket.Bytes());
  state.counters["Pixel_Bytes"] = roh;
  state.counters["Faktor"] = roh / static_cast<double>(paket.Bytes());
  state.counters["Eintraege"] = static_cast<double>(bild.Protokoll().Befehle.size());
}

// Packing runs for every undo step whose picture changed.
void Bild_packen(benchmark::State& state) {
  const TBild bild = Plotbild();
  TBildpaket paket;
  for (auto _ : state) {
    paket = TBildpaket::Packen(bild);
    benchmark::DoNotOptimize(paket);
  }
  Groessen_melden(state, bild, paket);
}
BENCHMARK(Bild_packen)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Unpacking runs on every undo or redo that brings a packed picture back.
void Bild_entpacken(benchmark::State& state) {
  const TBild bild = Plotbild();
  const TBildpaket paket = TBildpaket::Packen(bild);
  TBild ziel;
  bool ok = true;
  for (auto _ : state)
    ok = paket.Entpacken(ziel) && ok;
  if (!ok || !(ziel.Bild() == bild.Bild())) state.SkipWithError("nicht dasselbe Bild");
  Groessen_melden(state, bild, paket);
}
BENCHMARK(Bild_entpacken)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Comparing the live picture with the newest packed step, to share it when nothing changed.
void Bild_vergleichen(benchmark::State& state) {
  const TBild bild = Plotbild();
  const TBildpaket paket = TBildpaket::Packen(bild);
  bool gleich = true;
  for (auto _ : state)
    gleich = paket.Gleich(bild) && gleich;
  if (!gleich) state.SkipWithError("nicht gleich");
}
BENCHMARK(Bild_vergleichen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
