// Painting the empty coordinate system, which runs before every plot.

#include <benchmark/benchmark.h>

#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"

namespace {

void Startansicht(benchmark::State& state) {
  KOS = TKOS{};
  TBild bild;
  for (auto _ : state) {
    KOS_zeichnen(bild);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
  KOS = TKOS{};
}
BENCHMARK(Startansicht)->Unit(benchmark::kMicrosecond);

// A view far from the origin with the 1-mm grid: the grid loops walk from 0 to the view.
void Fern_1mm(benchmark::State& state) {
  KOS = TKOS{};
  KOS.xli = 1000;
  KOS.xre = 1016;
  KOS.Rasterteilung = 10;
  TBild bild;
  for (auto _ : state) {
    KOS_zeichnen(bild);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
  KOS = TKOS{};
}
BENCHMARK(Fern_1mm)->Unit(benchmark::kMicrosecond);

// Very far away, where walking every step would take hours.
void Sehr_fern_1mm(benchmark::State& state) {
  KOS = TKOS{};
  KOS.xli = 1e9L;
  KOS.xre = 1e9L + 16;
  KOS.yu = -1e9L - 16;
  KOS.yo = -1e9L;
  KOS.Rasterteilung = 10;
  TBild bild;
  for (auto _ : state) {
    KOS_zeichnen(bild);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
  KOS = TKOS{};
}
BENCHMARK(Sehr_fern_1mm)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
