// Start-up of the main window: building every control, the start values and the first picture,
// as the program does before it shows the window.

#include "Fensterbench.h"

#include "windows/UQdx.h"

namespace {

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

QDX_FENSTERBENCH_MAIN()
