#include "workbench/Regressionsaktion.h"

#include <string>
#include <vector>

#include "analysis/UKurven.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "statistics/URegression.h"
#include "table/UStringGrid.h"
#include "workbench/Punkteaktion.h"
#include "workbench/Werkbank.h"

namespace {

constexpr int kDurchgezogen = 1;  // line kind: solid, width 1

// The message shows fixed-point numbers padded with blanks; a term field and the curve get the
// term as leaving the field would make it, without blanks, so that the engine reads it.
std::string Als_Term(std::string text) {
  std::erase(text, ' ');
  return text;
}

void Zeichnen(TBild& bild, const TRegressionszeichnung& z) {
  if (z.senkrecht)
    Senkrechte_zeichnen(bild, Als_Term(z.text), z.farbe, kDurchgezogen);
  else
    Kurve_zeichnen(bild, Als_Term(z.text), z.farbe, kDurchgezogen, Modus_Funktion, Werkbank.xaSchar,
                   Werkbank.xeSchar, TScharwerte{});
}

}  // namespace

void Regressionsmodell_starten(Anzeige& a) {
  // Regression points stand alone; joined they would read as a curve of their own.
  a.Haken_zeigen("CheckBox_DatenPkte_verbinden", false);
  // The point button's own rule: an empty list is named before the model asks for more.
  Punkte_einzeichnen(a);
  const std::vector<TPunkt> punkte(Punkteliste.begin(), Punkteliste.begin() + Punktanzahl);
  const TRegressionsergebnis e =
      Regression_berechnen(punkte, Punktanzahl, Werkbank.Regressionsmodell,
                           Werkbank.zwei_Regressionsgeraden, Zahlformat);
  if (TBild* bild = a.Bild("Image1"))
    for (const TRegressionszeichnung& z : e.zeichnungen)
      Zeichnen(*bild, z);
  // The field of h holds the correlation text, not a term.
  for (const TRegressionsfeld& f : e.felder)
    Feld_zeigen(a, f.feld, f.feld == std::string("Edit_hSchar") ? f.text : Als_Term(f.text));
  if (!e.meldung.empty()) Dialog().Meldung(e.meldung);
}
