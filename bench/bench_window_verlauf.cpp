// The sheet's history with a full table (1500 x 43 cells) and a picture: recording a step,
// undoing one, the memory of a hundred steps, and writing the recovery file.

#include "Fensterbench.h"

#include <QTemporaryDir>
#include <string>

#include "table/UStringGrid.h"
#include "windows/UQdx.h"
#include "workbench/Blatt.h"

namespace {

void Tabelle_fuellen(int marke) {
  Tabelle::Sammler s(Zahlentabelle);
  for (int r = 1; r <= Letzte_Zeile; ++r)
    for (int c = 1; c <= Letzte_Spalte; ++c)
      Zahlentabelle.Zelle_setzen(c, r, std::to_string(r * 100 + c + marke) + ",125");
}

// A column operation: every row of one column changes.
void Spalte_aendern(int spalte, int marke) {
  Tabelle::Sammler s(Zahlentabelle);
  for (int r = 1; r <= Letzte_Zeile; ++r)
    Zahlentabelle.Zelle_setzen(spalte, r, std::to_string(r + marke) + ",5");
}

void BM_Rueckgaengig_volle_Tabelle(benchmark::State& state) {
  App();
  TForm1 form;
  Tabelle_fuellen(0);
  form.Schritt_merken();
  Tabelle_fuellen(7);  // every cell differs
  form.SpeedButton_Zoom_inClick();
  form.Schritt_merken();
  for (auto _ : state) {
    form.SpeedButton_RueckgaengigClick();
    state.PauseTiming();
    form.SpeedButton_WiederholenClick();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Rueckgaengig_volle_Tabelle)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_Schritt_merken_volle_Tabelle(benchmark::State& state) {
  App();
  TForm1 form;
  Tabelle_fuellen(0);
  form.Schritt_merken();
  int i = 0;
  for (auto _ : state) {
    Zahlentabelle.Zelle_setzen(3, 3, std::to_string(++i));
    form.Schritt_merken();
  }
}
BENCHMARK(BM_Schritt_merken_volle_Tabelle)->Unit(benchmark::kMillisecond);

// A hundred steps that each change one whole column and the picture.
void BM_Speicher_100_Schritte(benchmark::State& state) {
  App();
  TForm1 form;
  Tabelle_fuellen(0);
  for (auto _ : state) {
    TVerlauf v;
    v.Beginnen(Blatt_erfassen());
    for (int i = 0; i < 100; ++i) {
      Spalte_aendern(1 + i % Letzte_Spalte, i);
      if (i % 2)
        form.SpeedButton_Zoom_inClick();
      else
        form.SpeedButton_Zoom_outClick();
      v.Merken(Blatt_erfassen(&v.Jetzt()));
    }
    state.counters["MB_100_Schritte"] = static_cast<double>(Blaetter_Bytes(v.Alle())) / 1e6;
    state.counters["MB_ein_Blatt"] = static_cast<double>(Blaetter_Bytes({&v.Jetzt()})) / 1e6;
  }
}
BENCHMARK(BM_Speicher_100_Schritte)->Unit(benchmark::kMillisecond)->Iterations(1);

// The writer's work beside the interface: the sheet to text, the text to a file.
void BM_Sicherung_schreiben_volle_Tabelle(benchmark::State& state) {
  App();
  TForm1 form;
  Tabelle_fuellen(0);
  const TBlatt b = Blatt_erfassen();
  QTemporaryDir dir;
  const std::string pfad = dir.filePath("wiederherstellung.qdx").toStdString();
  for (auto _ : state) {
    std::string fehler;
    benchmark::DoNotOptimize(
        Datei_schreiben(pfad, Arbeitsblatt_zu_Text(Blatt_als_Arbeitsblatt(b)), fehler));
  }
}
BENCHMARK(BM_Sicherung_schreiben_volle_Tabelle)->Unit(benchmark::kMillisecond);

// What the interface itself spends on a write: handing the shared sheet over.
void BM_Sicherung_uebergeben(benchmark::State& state) {
  App();
  TForm1 form;
  Tabelle_fuellen(0);
  const TBlatt b = Blatt_erfassen();
  for (auto _ : state) {
    TBlatt kopie = b;
    benchmark::DoNotOptimize(kopie);
  }
}
BENCHMARK(BM_Sicherung_uebergeben)->Unit(benchmark::kMicrosecond);

}  // namespace

QDX_FENSTERBENCH_MAIN()
