// Full redraws of the picture as the plot button does them.

#include <benchmark/benchmark.h>

#include "analysis/UKurven.h"
#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Blattspeicher.h"

namespace {

const std::string kF = "0,1tx(9t-x²)";

// The start picture: 5-mm grid, axes, numbers and the graph of f for t = 1.
void BM_Startbild(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  TScharwerte s;
  for (auto _ : state) {
    KOS_zeichnen(bild);
    Kurve_zeichnen(bild, kF, 0xFF0000, 1, Modus_Funktion, -8, 8, s);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
}
BENCHMARK(BM_Startbild)->Unit(benchmark::kMillisecond);

// Seven members of the family with f, f', f'', f''' and the integral function F.
void BM_Schar_mit_Ableitungen_und_F(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  TScharwerte s;
  s.alle_t = true;
  for (auto _ : state) {
    KOS_zeichnen(bild);
    Kurve_zeichnen(bild, kF, 0xFF0000, 1, Modus_Funktion, -8, 8, s);
    Kurve_zeichnen(bild, kF, 0x0000FF, 1, Modus_Ableitung_1, -8, 8, s);
    Kurve_zeichnen(bild, kF, 0x008000, 1, Modus_Ableitung_2, -8, 8, s);
    Kurve_zeichnen(bild, kF, 0x008080, 1, Modus_Ableitung_3, -8, 8, s);
    Kurve_zeichnen(bild, kF, 0x800080, 1, Modus_Integralfunktion, -8, 8, s);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
}
BENCHMARK(BM_Schar_mit_Ableitungen_und_F)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
