#include "workbench/Werkzeugterm.h"

#include "platform/Dialoge.h"
#include "workbench/Werkbank.h"

namespace {

struct TTermkurve {
  Kurve kurve;
  const char* feld;
};
constexpr TTermkurve kTermkurven[] = {
    {Kurve_f, "Edit_fSchar"}, {Kurve_g, "Edit_gSchar"}, {Kurve_h, "Edit_hSchar"}};

const char* Erster_Haken() {
  for (const TTermkurve& k : kTermkurven)
    if (Werkbank.Kurve_zeichnen[k.kurve]) return k.feld;
  return nullptr;
}

}  // namespace

bool Funktionsterm_waehlen() {
  const char* feld = Erster_Haken();
  if (!feld) {
    Dialog().Meldung("Bitte erst Haken bei f, g oder h setzen !");
    return false;
  }
  Werkbank.Aktueller_Term = Werkbank.Feldtext(feld);
  return true;
}

void Differenzterm_bilden() {
  if (Werkbank.Kurve_zeichnen[Kurve_f] && Werkbank.Kurve_zeichnen[Kurve_g]) {
    Werkbank.Aktueller_Term =
        Werkbank.Feldtext("Edit_fSchar") + "-(" + Werkbank.Feldtext("Edit_gSchar") + ")";
  } else if (const char* feld = Erster_Haken()) {
    Werkbank.Aktueller_Term = Werkbank.Feldtext(feld);
  }
}
