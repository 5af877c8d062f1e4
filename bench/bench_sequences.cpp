// Sequences: the bifurcation diagram with the proposed iteration count, and a web diagram.

#include <benchmark/benchmark.h>

#include "analysis/UFolgen.h"
#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Blattspeicher.h"

namespace {

const std::string kLogistisch = "kx(1-x)";
constexpr long kIterationen = 1280;  // 2 * (picture width - 1)
constexpr long kUeberspringen = kIterationen * 3 / 4;

// The diagram in the start view (k from -8 to 8): where |k| is large the iteration overflows and
// every later value is an evaluation error.
void BM_Bifurkation_Startansicht(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  for (auto _ : state) {
    Bifurkation_zeichnen(bild, kLogistisch, 0.5L, kIterationen, kUeberspringen, 0xFF0000);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
  state.counters["Auswertungen"] = 641.0 * kIterationen;
}
BENCHMARK(BM_Bifurkation_Startansicht)->Unit(benchmark::kMillisecond);

// The classic picture: k from 2,5 to 4, x from 0 to 1.
void BM_Bifurkation_Feigenbaum(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  KOS.xli = 2.5L;
  KOS.xre = 4;
  KOS.yu = 0;
  KOS.yo = 1;
  TBild bild(641, 641);
  for (auto _ : state) {
    Bifurkation_zeichnen(bild, kLogistisch, 0.5L, kIterationen, kUeberspringen, 0xFF0000);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
}
BENCHMARK(BM_Bifurkation_Feigenbaum)->Unit(benchmark::kMillisecond);

// Computing and drawing a web diagram of 500 steps with its guess.
void BM_Spinnweb(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  TFolgenvorgabe v;
  v.term = kLogistisch;
  v.art = TFolgenart::rekursiv;
  v.k = 3.2L;
  TFolgenbild f;
  f.CobWeb = true;
  f.term = kLogistisch;
  f.Schar.t1 = v.k;
  for (auto _ : state) {
    f.vollstaendig = Folge_berechnen(v);
    benchmark::DoNotOptimize(Folge_zeichnen(bild, f));
  }
}
BENCHMARK(BM_Spinnweb)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
