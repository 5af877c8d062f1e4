// Start-up of the main window: building every control, the start values and the first picture,
// as the program does before it shows the window.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "windows/UQdx.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_window";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

void BM_Hauptfenster_bis_zum_ersten_Bild(benchmark::State& state) {
  App();
  for (auto _ : state) {
    TForm1 form;
    benchmark::DoNotOptimize(&form);
  }
}
BENCHMARK(BM_Hauptfenster_bis_zum_ersten_Bild)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_Standardwerte(benchmark::State& state) {
  App();
  TForm1 form;
  for (auto _ : state)
    form.Standard_Werte_einstellen();
}
BENCHMARK(BM_Standardwerte)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
