// Parametric and polar curves as the plot button draws them: the start ellipse, its family of
// seven members, the polar rose, and a step far too small for its range (stopped by the cap).

#include <benchmark/benchmark.h>

#include <numbers>

#include "analysis/UParameterkurven.h"
#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "platform/Blattspeicher.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
const TParameterbereich kVoll{0, 2 * kPi, kPi / 720};

TScharwerte Schar(bool alle_t) {
  TScharwerte s;
  s.alle_t = alle_t;
  return s;
}

void BM_Startellipse(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  for (auto _ : state) {
    Parameterkurve_zeichnen(bild, "x·cos(t)", "3x/5·sin(t)", 0xFF0000, 1, kVoll, Schar(false));
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
}
BENCHMARK(BM_Startellipse)->Unit(benchmark::kMicrosecond);

void BM_Sieben_Ellipsen(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  for (auto _ : state) {
    Parameterkurve_zeichnen(bild, "x·cos(t)", "3x/5·sin(t)", 0xFF0000, 1, kVoll, Schar(true));
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
}
BENCHMARK(BM_Sieben_Ellipsen)->Unit(benchmark::kMicrosecond);

void BM_Polare_Rose(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  for (auto _ : state) {
    Polarkurve_zeichnen(bild, "1,2t·sin(7t)", 0xFF0000, 1, kVoll, Schar(false));
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
}
BENCHMARK(BM_Polare_Rose)->Unit(benchmark::kMicrosecond);

// 0 to 1e9 in steps of 0,001: the cap ends each member after its maximum number of points.
void BM_Absurder_Bereich(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  for (auto _ : state) {
    Parameterkurve_zeichnen(bild, "sin(t)", "cos(t)", 0xFF0000, 1, {0, 1e9L, 1e-3L}, Schar(false));
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
}
BENCHMARK(BM_Absurder_Bereich)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
