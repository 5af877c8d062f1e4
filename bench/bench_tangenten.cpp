// The tangent tools as their buttons run them on the default view (16 x 16 cm, -8..8): tangent,
// secant with slope triangle, normal and curvature circle of x², each with its message.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "platform/Blattspeicher.h"
#include "platform/Dialoge.h"
#include "workbench/Tangentenaktion.h"
#include "workbench/Werkbank.h"

namespace {

struct Stumm final : Dialoge {
  void Meldung(const std::string&) override {}
  bool Frage(const std::string&) override { return false; }
  bool Eingabe(const std::string&, const std::string&, std::string&) override { return false; }
};

// The picture only; every other control is left alone.
struct Bildanzeige final : Anzeige {
  TBild bild{641, 641};
  void Text_anzeigen(const char*, const std::string&) override {}
  void Haken_anzeigen(const char*, bool) override {}
  void Eintrag_anzeigen(const char*, int) override {}
  void Freigabe_anzeigen(const char*, bool) override {}
  void Hinweis_anzeigen(const char*, const std::string&) override {}
  void Farbe_zeigen(const char*, TFarbe) override {}
  void Schrift_zeigen(const char*, const TSchrift&) override {}
  void Neu_malen(const char*) override {}
  void Fokus_zurueck(const char*) override {}
  TBild* Bild(const char* name) override { return std::string(name) == "Image1" ? &bild : nullptr; }
};

template <typename F>
void Werkzeug(benchmark::State& state, F klick) {
  Blatt_Speicher().Zuruecksetzen();
  Werkbank.Feldtexte["Edit_fSchar"] = "x^2";
  Werkbank.Kurve_zeichnen[Kurve_f] = true;
  Werkbank.aStart = 1;
  Werkbank.bEnde = 2;
  Stumm stumm;
  Dialog_setzen(&stumm);
  Bildanzeige a;
  for (auto _ : state) {
    klick(a);
    benchmark::DoNotOptimize(a.bild.Bild().constBits());
  }
  Dialog_setzen(nullptr);
}

void BM_Tangente(benchmark::State& s) {
  Werkzeug(s, [](Anzeige& a) { Tangente_geklickt(a, true); });
}
void BM_Sekante(benchmark::State& s) {
  Werkzeug(s, [](Anzeige& a) { Sekante_geklickt(a, true); });
}
void BM_Normale(benchmark::State& s) {
  Werkzeug(s, [](Anzeige& a) { Normale_geklickt(a); });
}
void BM_Kruemmungskreis(benchmark::State& s) {
  Werkzeug(s, [](Anzeige& a) { Kruemmungskreis_geklickt(a); });
}
BENCHMARK(BM_Tangente)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_Sekante)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_Normale)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_Kruemmungskreis)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
