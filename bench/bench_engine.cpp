// Cost of one term evaluation while plotting. Each iteration samples one curve across the 641
// pixel columns of the default view; the counter "pro_Wert" is the time per evaluation.
//   Objekt:    the term compiled once into a TTerm, evaluated by Wert
//   muparser:  the same term parsed once by muparser, evaluated by Eval (double precision)
//   Cpp:       the same term written as plain C++ long double code: the limit for 80-bit values
//   Text:      Term_auswerten by the text, which finds the compiled form by the exact text
//   Referenz:  the direct reader, which normalises and reads the text on every call
//   Leerlauf, Baustein: the cost of the bare call and of single instructions (see below)
//   Plot:      the whole graph of the term drawn into a 641 x 641 picture as the plot button
//              does it (sampling, jump checks, lines); time per picture
// At the end the geometric means over the six terms of Objekt/muparser, Objekt/Cpp and
// Text/muparser are printed, from the medians when repetitions are asked for.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "analysis/UKurven.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "kos/UGrafik.h"
#include "platform/Blattspeicher.h"

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

// The parameter lives in a variable, as in the loops of the program, which pass the t of
// the family or of the tool.
template <typename F>
void Objekt_Schleife(benchmark::State& state, F wert) {
  const std::vector<long double>& x = xs();
  long double t = t_wert;
  benchmark::DoNotOptimize(t);
  for (auto _ : state) {
    long double summe = 0;
    for (int i = 0; i < spalten; ++i)
      summe += wert(x[i], t);
    benchmark::DoNotOptimize(summe);
  }
}

void BM_Objekt(benchmark::State& state) {
  TTerm term(terme[state.range(0)].schule);
  Objekt_Schleife(state, [&](long double x, long double t) { return term.Wert(x, t); });
  Zaehler(state);
}

// Where the time of an evaluation goes: the bare call of an out-of-line function with the
// same arguments, then terms that add one instruction of the compiled form at a time.
const char* const bausteine[] = {"x",      "x+1",       "(x+1)*2",    "((x+1)*2-3)*4",
                                 "x(1-x)", "x*(x-1)^2", "sin(x)",     "exp(x)",
                                 "abs(x)", "x^3",       "(x+1)/(x-1)"};

[[gnu::noinline]] long double Leer(const void*, const long double& x, const long double&) {
  return x;
}

void BM_Leerlauf(benchmark::State& state) {
  Objekt_Schleife(state, [](long double x, long double t) { return Leer(nullptr, x, t); });
  state.counters["pro_Wert"] = benchmark::Counter(
      spalten, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Baustein(benchmark::State& state) {
  TTerm term(bausteine[state.range(0)]);
  Objekt_Schleife(state, [&](long double x, long double t) { return term.Wert(x, t); });
  state.counters["pro_Wert"] = benchmark::Counter(
      spalten, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.SetLabel(bausteine[state.range(0)]);
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
  Objekt_Schleife(state, [&](long double x, long double t) { return Term_auswerten(term, x, t); });
  Zaehler(state);
}

void BM_Referenz(benchmark::State& state) {
  const std::string term = terme[state.range(0)].schule;
  Objekt_Schleife(
      state, [&](long double x, long double t) { return Term_auswerten_Referenz(term, x, t); });
  Zaehler(state);
}

void BM_Plot(benchmark::State& state) {
  Blatt_Speicher().Zuruecksetzen();
  TBild bild(641, 641);
  TScharwerte s;
  s.t1 = t_wert;
  const std::string term = terme[state.range(0)].schule;
  for (auto _ : state) {
    Kurve_zeichnen(bild, term, 0xFF0000, 1, Modus_Funktion, -8, 8, s);
    benchmark::DoNotOptimize(bild.Bild().constBits());
  }
  state.SetLabel(term);
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
      const std::string& arg = r.run_name.args;
      if (arg.empty() || arg.find_first_not_of("0123456789") != std::string::npos) continue;
      const int i = std::stoi(arg);
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
BENCHMARK(BM_Plot)->DenseRange(0, anzahl_terme - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Leerlauf);
BENCHMARK(BM_Baustein)->DenseRange(0, std::size(bausteine) - 1);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Mittelwerte bericht;
  benchmark::RunSpecifiedBenchmarks(&bericht);
  benchmark::Shutdown();
  return 0;
}
