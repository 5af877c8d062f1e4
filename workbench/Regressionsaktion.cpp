#include "workbench/Regressionsaktion.h"

#include <vector>

#include "analysis/UKurven.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "statistics/URegression.h"
#include "table/UStringGrid.h"
#include "workbench/Werkbank.h"

namespace {

constexpr int kDurchgezogen = 1;  // line kind: solid, width 1

void Zeichnen(TBild& bild, const TRegressionszeichnung& z) {
  if (z.senkrecht)
    Senkrechte_zeichnen(bild, z.text, z.farbe, kDurchgezogen);
  else
    Kurve_zeichnen(bild, z.text, z.farbe, kDurchgezogen, Modus_Funktion, Werkbank.xaSchar,
                   Werkbank.xeSchar, TScharwerte{});
}

}  // namespace

void Regressionspunkte_einzeichnen(Anzeige& a) {
  Punkteliste_einlesen(Zahlentabelle, Werkbank.Punktspalte);
  if (TBild* bild = a.Bild("Image1")) Punkte_zeichnen(*bild);
}

void Regressionsmodell_starten(Anzeige& a) {
  // Regression points stand alone; joined they would read as a curve of their own.
  a.Haken_zeigen("CheckBox_DatenPkte_verbinden", false);
  Regressionspunkte_einzeichnen(a);
  const std::vector<TPunkt> punkte(Punkteliste.begin(), Punkteliste.begin() + Punktanzahl);
  const TRegressionsergebnis e =
      Regression_berechnen(punkte, Punktanzahl, Werkbank.Regressionsmodell,
                           Werkbank.zwei_Regressionsgeraden, Zahlformat);
  if (TBild* bild = a.Bild("Image1"))
    for (const TRegressionszeichnung& z : e.zeichnungen)
      Zeichnen(*bild, z);
  for (const TRegressionsfeld& f : e.felder)
    Feld_zeigen(a, f.feld, f.text);
  if (!e.meldung.empty()) Dialog().Meldung(e.meldung);
}
