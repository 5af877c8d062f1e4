#include "workbench/Wertetabellenaktion.h"

#include <string>

#include "analysis/UFolgen.h"
#include "analysis/UWertetabellen.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Folgenaktion.h"
#include "workbench/Werkbank.h"
#include "workbench/Werkzeugterm.h"

namespace {

constexpr const char* kIntegralhaken = "CheckBox_Integralfunktion_tabellieren";

TZellformat Format() {
  return {Zahlformat.Fixkomma, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen};
}

std::string Zahl(long double x) {
  return Zahl_zu_Text(Zahlformat.Fixkomma, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen,
                      x);
}

// The value of a field's term, or sonst when it has none.
long double Feldwert(const char* feld, long double sonst) {
  long double wert = 0;
  return Term_zu_Zahl(Werkbank.Feldtext(feld), wert) ? wert : sonst;
}

void Abstaende_melden(const char* richtung, const TAbstandssummen& s) {
  Dialog().Meldung(std::to_string(Punktanzahl) + " Punkte:\rSumme der " + richtung +
                   " Entfernungen = " + Zahl(s.S1) +
                   "\rSumme der Entfernungsquadrate = " + Zahl(s.S2));
}

}  // namespace

void Wertetabelle_geklickt(Anzeige& a) {
  TWertevorgabe v;
  v.f = Werkbank.Feldtext("Edit_fSchar");
  v.g = Werkbank.Feldtext("Edit_gSchar");
  v.h = Werkbank.Feldtext("Edit_hSchar");
  v.a = Werkbank.aStart;
  v.b = Werkbank.bEnde;
  v.dx = Werkbank.delta_x;
  v.t = Werkbank.Schar_t1;
  v.mit_F = Werkbank.Integralfunktion_tabellieren;
  v.u = Werkbank.u;
  v.u_text = Werkbank.Feldtext("Edit_u");
  v.format = Format();
  bool abgebrochen = false;
  Wertetabelle_schreiben(Zahlentabelle, v, abgebrochen);
  a.Haken_zeigen(kIntegralhaken, false);
}

void Kurventabelle_geklickt(Anzeige&) {
  TKurvenvorgabe v;
  v.x_term = Werkbank.Feldtext("Edit_xParam");
  v.y_term = Werkbank.Feldtext("Edit_yParam");
  v.polar = Werkbank.Polardarstellung;
  v.t1 = Feldwert("Edit_Param_k1", 0);
  v.t2 = Feldwert("Edit_Param_k2", 3.14159265358979323846L);
  v.dt = Feldwert("Edit_delta_Phi", Werkbank.delta_Phi);
  v.k = Feldwert("Edit_Schar_t1", Werkbank.Schar_t1);
  v.format = Format();
  Kurventabelle_schreiben(Zahlentabelle, v);
}

void Folgentabelle_geklickt(Anzeige&) {
  // A broken recursion is named, and nothing of an older list stands below its last member.
  const bool ok = Folge_berechnen(Folgenvorgabe());
  if (!ok) Dialog().Meldung("Fehler! Bildungsgesetz unterbrochen");
  Folgentabelle_schreiben(Zahlentabelle, Werkbank.rekursiv, Format(),
                          ok ? Punkteliste_Groesse : Punktanzahl);
}

void Grenzwerttabelle_geklickt(Anzeige&) {
  if (!Funktionsterm_waehlen()) return;
  Grenzwerttabelle_schreiben(Zahlentabelle, Werkbank.Aktueller_Term, Werkbank.Schar_t1,
                             Werkbank.aStart, Werkbank.Feldtext("Edit_aStart"), Format());
}

void Senkrechte_Entfernungen_geklickt(Anzeige& a, bool quadrate) {
  if (!Funktionsterm_waehlen()) return;
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  // The vertical distances measure the curve of t = 1, the fitted member of a family.
  const TAbstandssummen s =
      Senkrechte_Abstaende(*bild, Werkbank.Aktueller_Term, 1, Punkteliste.data(), Punktanzahl,
                           quadrate, Werkbank.Kurvenstile[Kurve_f].Linienart);
  Abstaende_melden("vertikalen", s);
}

void Waagerechte_Entfernungen_geklickt(Anzeige& a, bool quadrate) {
  if (!Funktionsterm_waehlen()) return;
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  const TAbstandssummen s =
      Waagerechte_Abstaende(*bild, Werkbank.Aktueller_Term, Werkbank.Schar_t1, Punkteliste.data(),
                            Punktanzahl, quadrate, Werkbank.Kurvenstile[Kurve_f].Linienart);
  Abstaende_melden("horizontalen", s);
}
