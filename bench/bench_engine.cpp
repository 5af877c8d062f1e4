// Cost of one term evaluation while plotting. Each iteration samples one curve across the 641
// pixel columns of the default view; the counter "pro_Wert" is the time per evaluation.
//   Objekt:    the term compiled once into a TTerm, evaluated by Wert
//   muparser:  the same term parsed once by muparser, evaluated by Eval (double precision)
//   Cpp:       the same term written as plain C++ long double code: the limit for 80-bit values
//   Text:      Term_auswerten by the text, which finds the compiled form by the exact text
//   Referenz:  the direct reader, which normalises and reads the text on every call
// At the end the geometric means over the six terms of Objekt/muparser, Objekt/Cpp and
// Text/muparser are printed, from the medians when repetitions are asked for.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/UFunktionsParser.h"

namespace {

struct Termpaar {
  const char* schule;    // as the user types it
  const char* muparser;  // the same term with explicit "*" and "."
};

constexpr int anzahl_terme = 6;
const Termpaar terme[anzahl_terme] = {
    {"0,1tx(9t-x²)", "0.1*t*x*(9*t-x^2)"},
    {"sin(x)/x", "sin(x)/x"},
    {"x^3-2x^2+x-1", "x^3-2*x^2+x-1"},
    {"exp(-x²/2)", "exp(-x^2/2)"},
    {"w(x²+1)", "sqrt(x^2+1)"},
    {"3,2x(1-x)", "3.2*x*(1-x)"},
};

constexpr int spalten = 641;
constexpr long double t_wert = 1.5L;

// The arguments of the pixel columns, computed once so that every contender pays only for the
// evaluation.
const std::vector<long double>& xs() {
  static const std::vector<long double> v = [] {
    std::vector<long double> w(spalten);
    for (int i = 0; i < spalten; ++i)
      w[i] = -8.0L + 16.0L * i / (spalten - 1);
    return w;
  }();
  return v;
}

void Zaehler(benchmark::State& state) {
  state.counters["pro_Wert"] = benchmark::Counter(
      spalten, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.SetLabel(terme[state.range(0)].schule);
}

void BM_Objekt(benchmark::State& state) {
  TTerm term(terme[state.range(0)].schule);
  const std::vector<long double>& x = xs();
  for (auto _ : state) {
    long double summe = 0;
    for (int i = 0; i < spalten; ++i)
      summe += term.Wert(x[i], t_wert);
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

void BM_muparser(benchmark::State& state) {
  double x = 0, t = static_cast<double>(t_wert);
  std::vector<double> xd(xs().begin(), xs().end());
  mu::Parser p;
  p.DefineVar("x", &x);
  p.DefineVar("t", &t);
  p.SetExpr(terme[state.range(0)].muparser);
  for (auto _ : state) {
    double summe = 0;
    for (int i = 0; i < spalten; ++i) {
      x = xd[i];
      summe += p.Eval();
    }
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

template <typename F>
void Cpp_Schleife(benchmark::State& state, F f) {
  const std::vector<long double>& x = xs();
  long double t = t_wert;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    long double summe = 0;
    for (int i = 0; i < spalten; ++i)
      summe += f(x[i], t);
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

void BM_Cpp(benchmark::State& state) {
  using L = long double;
  switch (state.range(0)) {
    case 0:
      return Cpp_Schleife(state, [](L x, L t) { return 0.1L * t * x * (9 * t - x * x); });
    case 1:
      return Cpp_Schleife(state, [](L x, L) { return std::sin(x) / x; });
    case 2:
      return Cpp_Schleife(state, [](L x, L) { return x * x * x - 2 * x * x + x - 1; });
    case 3:
      return Cpp_Schleife(state, [](L x, L) { return std::exp(-(x * x) / 2); });
    case 4:
      return Cpp_Schleife(state, [](L x, L) { return std::sqrt(x * x + 1); });
    default:
      return Cpp_Schleife(state, [](L x, L) { return 3.2L * x * (1 - x); });
  }
}

void BM_Text(benchmark::State& state) {
  const std::string term = terme[state.range(0)].schule;
  const std::vector<long double>& x = xs();
  for (auto _ : state) {
    long double summe = 0;
    for (int i = 0; i < spalten; ++i)
      summe += Term_auswerten(term, x[i], t_wert);
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

void BM_Referenz(benchmark::State& state) {
  const std::string term = terme[state.range(0)].schule;
  const std::vector<long double>& x = xs();
  for (auto _ : state) {
    long double summe = 0;
    for (int i = 0; i < spalten; ++i)
      summe += Term_auswerten_Referenz(term, x[i], t_wert);
    benchmark::DoNotOptimize(summe);
  }
  Zaehler(state);
}

// Prints as usual and keeps the time per evaluation of every contender and term, for the
// geometric means at the end.
class Mittelwerte : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      const bool einzeln = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
      if (!median && !einzeln) continue;
      const auto c = r.counters.find("pro_Wert");
      if (c == r.counters.end()) continue;
      const std::string name = r.run_name.function_name;
      const int i = std::stoi(r.run_name.args);
      if (i >= 0 && i < anzahl_terme) zeiten_[name][i] = c->second.value;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    Verhaeltnis("BM_Objekt", "BM_muparser");
    Verhaeltnis("BM_Objekt", "BM_Cpp");
    Verhaeltnis("BM_Text", "BM_muparser");
    Verhaeltnis("BM_muparser", "BM_Cpp");
    Verhaeltnis("BM_Referenz", "BM_muparser");
  }

 private:
  void Verhaeltnis(const std::string& a, const std::string& b) {
    if (!zeiten_.count(a) || !zeiten_.count(b)) return;
    const auto& za = zeiten_[a];
    const auto& zb = zeiten_[b];
    long double log_summe = 0;
    for (int i = 0; i < anzahl_terme; ++i) {
      if (!(za[i] > 0) || !(zb[i] > 0)) return;  // a term was filtered out
      log_summe += std::log(za[i] / zb[i]);
    }
    std::printf("geometric mean %s / %s: %.3f\n", a.c_str(), b.c_str(),
                static_cast<double>(std::exp(log_summe / anzahl_terme)));
  }

  std::map<std::string, std::array<double, anzahl_terme>> zeiten_;
};

}  // namespace

BENCHMARK(BM_Objekt)->DenseRange(0, anzahl_terme - 1);
BENCHMARK(BM_muparser)->DenseRange(0, anzahl_terme - 1);
BENCHMARK(BM_Cpp)->DenseRange(0, anzahl_terme - 1);
BENCHMARK(BM_Text)->DenseRange(0, anzahl_terme - 1);
BENCHMARK(BM_Referenz)->DenseRange(0, anzahl_terme - 1);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Mittelwerte bericht;
  benchmark::RunSpecifiedBenchmarks(&bericht);
  benchmark::Shutdown();
  return 0;
}
