#include "workbench/Nullstellenaktion.h"

#include <string>
#include <vector>

#include "analysis/UMatheTools.h"
#include "analysis/UNullstellen.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Eingaben.h"
#include "workbench/Werkbank.h"
#include "workbench/Werkzeugterm.h"

void Funktionswert_berechnen(Anzeige& a) {
  TTerm f(Werkbank.Feldtext("Edit_fSchar"));
  Feld_zeigen(a, "Edit_f_von_a", Zahl_als_Zelltext(f.Wert(Werkbank.aStart, Werkbank.Schar_t1)));
}

namespace {

std::string Im_Zahlformat(long double x) {
  return Zahl_zu_Text(Zahlformat.Fixkomma, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen,
                      x);
}

// A traced Newton run from a; a moves to its result.
void Newton_von_a(Anzeige& a, TTerm& f) {
  bool ok = false;
  const long double start = Werkbank.aStart;
  const long double x =
      Newton_Verfahren(f, Werkbank.Schar_t1, start, true, Zahlentabelle, Zahlformat.Fixkomma,
                       Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen, ok);
  if (ok) {
    Werkbank.aStart = x;
    return;
  }
  Dialog().Meldung("Newtonverfahren hat für Start = " + Zahl_als_Zelltext(start) +
                   " keine Lösung gefunden");
}

void Grenze_setzen(Anzeige& a, const char* feld, long double x) {
  Feld_zeigen(a, feld, Im_Zahlformat(x));
  Zahlfeld_verlassen(a, feld);
}

}  // namespace

void Nullstellen_berechnen(Anzeige& a) {
  if (!Funktionsterm_waehlen()) return;
  Differenzterm_bilden();
  TTerm f(Werkbank.Aktueller_Term);
  if (Werkbank.Newton_tabellieren) Newton_von_a(a, f);
  const std::vector<long double> x =
      Nullstellen_suchen(f, Werkbank.Schar_t1, Werkbank.aStart, Werkbank.bEnde, Zahlentabelle);
  if (x.empty()) {
    Dialog().Meldung("Newtonverfahren hat keine Lösung gefunden");
    return;
  }
  {
    Tabelle::Sammler sammler(Zahlentabelle);
    Zahlentabelle.Zelle_setzen(4, 1, "Lösungen:");
    for (std::size_t i = 0; i < x.size(); ++i)
      Zahlentabelle.Zelle_setzen(4, static_cast<int>(i) + 2, Zahl_als_Zelltext(x[i]));
  }
  Grenze_setzen(a, "Edit_aStart", x.front());
  Grenze_setzen(a, "Edit_bEnde", x.back());
}

void Nullstellen_Hinweis(Anzeige& a) {
  const auto& an = Werkbank.Kurve_zeichnen;
  const char* hinweis = "Schnittstellen:  Bitte Haken bei f und/oder g oder bei h setzen !";
  if (an[Kurve_f] && an[Kurve_g])
    hinweis = "Schnittstellen von f, g im Intervall [a;b] berechnen";
  else if (an[Kurve_f])
    hinweis = "Nullstellen von f im Intervall [a;b] berechnen";
  else if (an[Kurve_g])
    hinweis = "Nullstellen von g im Intervall [a;b] berechnen";
  else if (an[Kurve_h])
    hinweis = "Nullstellen von h im Intervall [a;b] berechnen";
  a.Hinweis_zeigen("SpeedButton_Schnitt_f_g", hinweis);
}

namespace {

void Tabellenkopf(const char* etikett1, const char* etikett2) {
  Tabelle_leeren(Zahlentabelle);
  Tabelle::Sammler sammler(Zahlentabelle);
  for (int c = 1; c <= Letzte_Spalte; ++c)
    Zahlentabelle.Zelle_setzen(c, 0, "");
  Zahlentabelle.Zelle_setzen(0, 0, "Ze Nr");
  Zahlentabelle.Zelle_setzen(1, 0, etikett1);
  Zahlentabelle.Zelle_setzen(3, 0, etikett2);
}

void Extrem_Wende_suchen(bool wende) {
  if (!Funktionsterm_waehlen()) return;
  const std::string& term = Werkbank.Aktueller_Term;
  Werkbank.Schar_t1 = Term_auswerten(Werkbank.Feldtext("Edit_Schar_t1"), 0, 0);
  const char* etikett1 = wende ? "LR-WPs" : "rel. HPs";
  const char* etikett2 = wende ? "RL-WPs" : "rel. TPs";
  Tabellenkopf(etikett1, etikett2);
  TScharbereich schar{.t1 = Werkbank.Schar_t1,
                      .t2 = Werkbank.Schar_t2,
                      .dt = Werkbank.delta_t,
                      .Schar = term.find('t') != std::string::npos};
  TTerm f(term);
  const TExtremergebnis e = Extrem_Wende_scannen(f, wende, Werkbank.aStart, Werkbank.bEnde, schar,
                                                 Zahlformat.Nachkommastellen, Zahlentabelle);
  Werkbank.Schar_t1 = e.t_danach;
  if (!e.gefunden && !e.abgebrochen)
    Dialog().Meldung(std::string("Keine ") + etikett1 + " bzw. " + etikett2 + " gefunden");
}

}  // namespace

void Extrempunkte_berechnen() {
  Extrem_Wende_suchen(false);
}

void Wendepunkte_berechnen() {
  Extrem_Wende_suchen(true);
}
