#include "workbench/Folgenaktion.h"

#include <string>

#include "analysis/UFolgen.h"
#include "engine/UFunktionsParser.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "workbench/Eingaben.h"
#include "workbench/Werkbank.h"

namespace {

// Fewer iterations than this do not settle; such a count gets the default.
constexpr int kIterationen_mindestens = 200;
constexpr int kIterationen_sonst = 500;

void Beschriftung(Anzeige& a, const char* feld, const char* text) {
  Feld_zeigen(a, feld, text);
  Feld_geaendert(a, feld);
}

void Achsen_beschriften(Anzeige& a, bool web) {
  if (!Werkbank.Achsen_automatisch_beschriften) return;
  const bool rekursiv = Werkbank.rekursiv;
  Beschriftung(a, "Edit_xBeschrift", web ? "x(n)" : "n");
  Beschriftung(a, "Edit_yBeschrift", web ? "x(n+1)" : rekursiv ? "x(n)" : "a(n)");
}

// Everything the computed sequence depends on.
std::string Folgenschluessel(const TFolgenvorgabe& v) {
  return v.term + '\n' + std::to_string(static_cast<int>(v.art)) + '\n' + std::to_string(v.n0) +
         '\n' + Gleitkomma_Text(v.x_n0) + '\n' + Gleitkomma_Text(v.y_n1) + '\n' +
         std::to_string(v.Iterationstiefe) + '\n' + Gleitkomma_Text(v.k);
}

}  // namespace

TFolgenvorgabe Folgenvorgabe() {
  TFolgenvorgabe v;
  v.term = Werkbank.Feldtext("Edit_Folge");
  v.art = Werkbank.rekursiv     ? TFolgenart::rekursiv
          : Werkbank.rekursivxy ? TFolgenart::zweischrittig
                                : TFolgenart::explizit;
  v.n0 = Werkbank.n_Start;
  v.x_n0 = Werkbank.x_n0;
  v.y_n1 = Werkbank.y_n1;
  v.Iterationstiefe = Werkbank.Iterationstiefe;
  v.k = Term_auswerten(Werkbank.Feldtext("Edit_Schar_t1"), 0, 0);
  return v;
}

void Folge_plotten(Anzeige& a, TBild& bild, const TScharwerte& s) {
  // Only x = g(x) has a web; the window enables the switch for that form alone.
  const bool web = Werkbank.CobWeb && Werkbank.rekursiv;
  Achsen_beschriften(a, web);
  if (Werkbank.loeschen) KOS_zeichnen(bild);
  const TFolgenvorgabe v = Folgenvorgabe();
  const bool ok = Folge_berechnen(v);
  // Every redraw computes the sequence again; a broken one is reported once until it changes.
  static TEinmalmeldung meldung;
  if (ok) {
    meldung.Vergessen();
  } else if (meldung.Neu(Folgenschluessel(v))) {
    Dialog().Meldung("Fehler! Bildungsgesetz unterbrochen");
  }
  TFolgenbild f;
  f.CobWeb = web;
  f.nur_g_zeichnen = Werkbank.nur_g_zeichnen;
  f.term = v.term;
  f.Schar = s;
  f.xa = Werkbank.xaSchar;
  f.xe = Werkbank.xeSchar;
  f.Schrift = Werkbank.Textschrift;
  f.vollstaendig = ok;
  Folge_zeichnen(bild, f);
}

void Bifurkation_geklickt(Anzeige& a) {
  if (!Werkbank.rekursiv) {
    a.Haken_zeigen("CheckBox_rekursiv", true);
    Dialog().Meldung("Erst Iterationsfunktion g(x) definieren\r\nParameter k nicht vergessen !");
    return;
  }
  const std::string g = Werkbank.Feldtext("Edit_Folge");
  if (g.find('k') == std::string::npos) {
    Dialog().Meldung("Parameter k fehlt in g(x) !");
    return;
  }
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  std::string text = std::to_string(2 * (bild->Breite() - 1));
  if (!Dialog().Eingabe("Anzahl der Iterationen", "n (>=500) = ", text)) return;
  int n = 0;
  if (!Ganzzahl_lesen(text, n)) {
    Dialog().Meldung("Eingabefehler !");
    return;
  }
  if (n < kIterationen_mindestens) n = kIterationen_sonst;
  const long skip = static_cast<long>(n) * 3 / 4;
  a.Beschaeftigt(true);
  Bifurkation_zeichnen(*bild, g, Werkbank.x_n0, n, skip, Stil.Linienfarbe);
  a.Beschaeftigt(false);
}
