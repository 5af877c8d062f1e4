// The largest systems the table holds: the echelon form of 40 equations with 40 unknowns (the
// spline through 11 points) and the determinant of a 21 x 21 matrix.
#include <benchmark/benchmark.h>

#include "analysis/UMatrizen.h"

namespace {

// Integer entries with a dominant diagonal: regular, and every pivot is found in its own row.
TMatrix Testmatrix(int zeilen, int spalten) {
  TMatrix m;
  for (int i = 1; i <= zeilen; ++i)
    for (int k = 1; k <= spalten; ++k)
      m(i, k) = i == k ? 100 : (i * 7 + k * 13) % 19 - 9;
  return m;
}

void BM_Zeilenstufenform_40x41(benchmark::State& s) {
  const TMatrix vorlage = Testmatrix(40, 41);
  for (auto _ : s) {
    TMatrix m = vorlage;
    Zeilenstufenform(m, 40, 41);
    benchmark::DoNotOptimize(m);
  }
}
BENCHMARK(BM_Zeilenstufenform_40x41)->Unit(benchmark::kMicrosecond);

void BM_Determinante_21x21(benchmark::State& s) {
  const TMatrix m = Testmatrix(21, 21);
  for (auto _ : s)
    benchmark::DoNotOptimize(Determinante(m, 21));
}
BENCHMARK(BM_Determinante_21x21)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
