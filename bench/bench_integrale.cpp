// Strip sums at the largest strip count and the arc length at 6 and 12 decimal places, as the
// integral buttons compute them. Repetitions come from --benchmark_repetitions; report medians.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/UIntegrale.h"
#include "analysis/UMatheTools.h"
#include "engine/UFunktionsParser.h"
#include "platform/Dialoge.h"

namespace {

// Answers nothing and shows nothing, so that the start notice of the arc length costs no time.
struct TStilleDialoge : Dialoge {
  void Meldung(const std::string&) override {}
  bool Frage(const std::string&) override { return false; }
  bool Eingabe(const std::string&, const std::string&, std::string&) override { return false; }
};

const char* const kTerme[] = {"x^2", "sin(x)*exp(x)", "sqrt(abs(x-1))"};

void BM_Streifensummen(benchmark::State& state) {
  TTerm term(kTerme[state.range(0)]);
  const bool zeichnen = state.range(1) != 0;
  std::vector<TStreifen> streifen;
  for (auto _ : state) {
    const TStreifensummen s =
        Streifensummen(term, 1, 0, 3, kStreifen_hoechstens, zeichnen ? &streifen : nullptr);
    benchmark::DoNotOptimize(s);
  }
  state.SetLabel(kTerme[state.range(0)]);
}
BENCHMARK(BM_Streifensummen)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_Bogenlaenge(benchmark::State& state) {
  TStilleDialoge stille;
  Dialog_setzen(&stille);
  TTerm term(kTerme[state.range(0)]);
  const long double eps = state.range(1) == 6 ? 1e-6L : 1e-12L;
  bool ok = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Bogenlaenge_berechnen(term, 1, 0, 3, eps, ok));
  }
  state.counters["ok"] = ok;
  state.SetLabel(kTerme[state.range(0)]);
  Dialog_setzen(nullptr);
}
BENCHMARK(BM_Bogenlaenge)->ArgsProduct({{0, 1, 2}, {6, 12}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
