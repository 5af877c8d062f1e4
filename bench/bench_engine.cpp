// Cost of one term evaluation while plotting: the engine's compiled path, its direct reader, and
// muparser on the same terms as a yardstick. Each iteration samples one curve across the 641
// pixel columns of the default view; the counter "pro_Wert" is the time per evaluation.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>

#include "engine/UFunktionsParser.h"

namespace {

struct Termpaar {
  const char* schule;    // as the user types it
  const char* muparser;  // the same term with explicit "*" and "."
};

const Termpaar terme[] = {
    {"0,1tx(9t-x²)", "0.1*t*x*(9*t-x^2)"},
    {"sin(x)/x", "sin(x)/x"},
    {"x^3-2x^2+x-1", "x^3-2*x^2+x-1"},
    {"exp(-x²/2)", "exp(-x^2/2)"},
    {"w(x²+1)", "sqrt(x^2+1)"},
    {"3,2x(1-x)", "3.2*x*(1-x)"},
};

constexpr int spalten = 641;

long double x_von(int i) {
  return -8.0L + 16.0L * i / (spalten - 1);
}

void Zaehler(benchmark::State& state) {
  state.counters["pro_Wert"] = benchmark::Counter(
      spalten, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.SetLabel(terme[state.range(0)].schule);
}

void BM_Quadrix(benchmark::State& state) {
  const std::string term = terme[state.range(0)].schule;
  for (auto _ : state) {
    long double summe = 0;
    for (int i = 0; i < spalten; ++i) {
      const long double y = Term_auswerten(term, x_von(i), 1.5L);
      if (!Fehler) summe += y;
    }
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

void BM_Quadrix_Referenz(benchmark::State& state) {
  const std::string term = terme[state.range(0)].schule;
  for (auto _ : state) {
    long double summe = 0;
    for (int i = 0; i < spalten; ++i) {
      const long double y = Term_auswerten_Referenz(term, x_von(i), 1.5L);
      if (!Fehler) summe += y;
    }
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

void BM_muparser(benchmark::State& state) {
  double x = 0, t = 1.5;
  mu::Parser p;
  p.DefineVar("x", &x);
  p.DefineVar("t", &t);
  p.SetExpr(terme[state.range(0)].muparser);
  for (auto _ : state) {
    double summe = 0;
    for (int i = 0; i < spalten; ++i) {
      x = static_cast<double>(x_von(i));
      summe += p.Eval();
    }
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

}  // namespace

BENCHMARK(BM_Quadrix)->DenseRange(0, 5);
BENCHMARK(BM_muparser)->DenseRange(0, 5);
BENCHMARK(BM_Quadrix_Referenz)->DenseRange(0, 5);

BENCHMARK_MAIN();
