#include "workbench/Abbildungen.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "engine/UFunktionsParser.h"
#include "engine/UGeometrie.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Blattspeicher.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Punkteaktion.h"
#include "workbench/Startwerte.h"
#include "workbench/Werkbank.h"

namespace {

constexpr TFarbe kSchwarz = 0x000000;
constexpr TFarbe kGruen = 0x008000;
constexpr int kPfeil_Laenge = 14;
constexpr int kPfeil_Breite = 5;

const char* const kMeldung_Spiegelachse =
    "Die Spiegelachse ist nicht bestimmt: ihre Punkte T und Q sind gleich !";
const char* const kMeldung_Bildpunkte =
    "Die Bildpunkte liegen außerhalb des Zahlbereichs und werden nicht eingetragen !";

bool Gleich(const char* a, std::string_view b) {
  return std::string_view(a) == b;
}

struct TParameterfeld {
  const char* name;
  long double& (*ziel)(TAbbildungsparameter&);
};

constexpr TParameterfeld kParameterfelder[] = {
    {"Edit_SpiegT_x", [](TAbbildungsparameter& p) -> long double& { return p.T.x; }},
    {"Edit_SpiegT_y", [](TAbbildungsparameter& p) -> long double& { return p.T.y; }},
    {"Edit_SpiegQ_x", [](TAbbildungsparameter& p) -> long double& { return p.Q.x; }},
    {"Edit_SpiegQ_y", [](TAbbildungsparameter& p) -> long double& { return p.Q.y; }},
    {"Edit_Drehzentrum_x", [](TAbbildungsparameter& p) -> long double& { return p.M.x; }},
    {"Edit_Drehzentrum_y", [](TAbbildungsparameter& p) -> long double& { return p.M.y; }},
    {"Edit_Drehwinkel_alfa", [](TAbbildungsparameter& p) -> long double& { return p.alpha; }},
    {"Edit_VStart_x", [](TAbbildungsparameter& p) -> long double& { return p.R.x; }},
    {"Edit_VStart_y", [](TAbbildungsparameter& p) -> long double& { return p.R.y; }},
    {"Edit_VEnde_x", [](TAbbildungsparameter& p) -> long double& { return p.S.x; }},
    {"Edit_VEnde_y", [](TAbbildungsparameter& p) -> long double& { return p.S.y; }},
    {"Edit_Streckzentrum_x", [](TAbbildungsparameter& p) -> long double& { return p.Z.x; }},
    {"Edit_Streckzentrum_y", [](TAbbildungsparameter& p) -> long double& { return p.Z.y; }},
    {"Edit_Streckfaktor", [](TAbbildungsparameter& p) -> long double& { return p.k; }},
    {"Edit_Scherfaktor", [](TAbbildungsparameter& p) -> long double& { return p.f; }},
    {"Edit_M11", [](TAbbildungsparameter& p) -> long double& { return p.m11; }},
    {"Edit_M12", [](TAbbildungsparameter& p) -> long double& { return p.m12; }},
    {"Edit_M21", [](TAbbildungsparameter& p) -> long double& { return p.m21; }},
    {"Edit_M22", [](TAbbildungsparameter& p) -> long double& { return p.m22; }},
};

const TParameterfeld* Parameterfeld(const char* name) {
  for (const TParameterfeld& f : kParameterfelder)
    if (Gleich(f.name, name)) return &f;
  return nullptr;
}

bool Ist_Matrixfeld(const char* feld) {
  return std::string_view(feld).starts_with("Edit_M");
}

int px(const TBild& bild, TPunkt P) {
  return x_zu_Pixel(bild, P.x);
}
int py(const TBild& bild, TPunkt P) {
  return y_zu_Pixel(bild, P.y);
}

void Strecke(TBild& bild, TPunkt P, TPunkt Q, TFarbe farbe, TStiftstil stil) {
  Linie_zeichnen(bild, px(bild, P), py(bild, P), px(bild, Q), py(bild, Q), farbe, 1, stil);
}

void Pfeil(TBild& bild, TPunkt P, TPunkt Q, TFarbe spitze) {
  Pfeil_zeichnen(bild, px(bild, P), py(bild, P), px(bild, Q), py(bild, Q), kSchwarz, 1, spitze,
                 TStiftstil::Durchgezogen, Pinsel_voll, kPfeil_Laenge, kPfeil_Breite);
}

void Marke(TBild& bild, TPunkt P) {
  Punktsymbol_zeichnen(bild, px(bild, P), py(bild, P));
}

void Parameter_zeichnen(TBild& bild, TAbbildungsart art, const TAbbildungsparameter& p) {
  switch (art) {
    case TAbbildungsart::Achsenspiegelung:
      Strecke(bild, p.Q, p.T, kGruen, TStiftstil::Durchgezogen);
      break;
    case TAbbildungsart::Drehung:
      Marke(bild, p.M);
      break;
    case TAbbildungsart::Verschiebung:
      Pfeil(bild, p.R, p.S, kGruen);
      break;
    case TAbbildungsart::Streckung:
      Marke(bild, p.Z);
      break;
    case TAbbildungsart::Scherung:
    case TAbbildungsart::Matrix:
      break;
  }
}

void Hilfslinien_zeichnen(TBild& bild, TAbbildungsart art, const TAbbildungsparameter& p, TPunkt P,
                          TPunkt B) {
  constexpr TStiftstil punktiert = TStiftstil::Gepunktet;
  switch (art) {
    case TAbbildungsart::Achsenspiegelung:
    case TAbbildungsart::Scherung:
      Strecke(bild, P, B, kSchwarz, punktiert);
      break;
    case TAbbildungsart::Drehung:
      Strecke(bild, p.M, P, kSchwarz, punktiert);
      Strecke(bild, p.M, B, kSchwarz, punktiert);
      // Counter-clockwise from P to its image, on the circle through the image.
      Kreisbogen_zeichnen(bild, px(bild, p.M), py(bild, p.M), px(bild, P), py(bild, P), px(bild, B),
                          py(bild, B), kSchwarz, 1, punktiert);
      break;
    case TAbbildungsart::Verschiebung:
      Pfeil(bild, P, B, kSchwarz);
      break;
    case TAbbildungsart::Streckung:
      Strecke(bild, p.Z, P, kSchwarz, punktiert);
      Strecke(bild, p.Z, B, kSchwarz, punktiert);
      break;
    case TAbbildungsart::Matrix:
      break;
  }
}

// The matrix terms are evaluated only now, so that cos(pi/3) and the like may stand there. A
// term that cannot be evaluated stops the run instead of mapping with a meaningless entry.
bool Matrix_auswerten(TAbbildungsparameter& p) {
  for (const char* feld : {"Edit_M11", "Edit_M12", "Edit_M21", "Edit_M22"}) {
    const std::string& term = Abbildungsfenster.Feldtexte[feld];
    const long double wert = Term_auswerten(term, 0, 0);
    if (Fehler || !std::isfinite(wert)) {
      Dialog().Meldung("Der Eintrag " + term +
                       " der Matrix M ist nicht berechenbar: " + Fehlertext);
      return false;
    }
    Parameterfeld(feld)->ziel(p) = wert;
  }
  return true;
}

bool Endlich(TPunkt P) {
  return std::isfinite(P.x) && std::isfinite(P.y);
}

// All images first, so that a fault leaves table and picture as they were.
bool Bilder_berechnen(const std::vector<TPunkt>& punkte, int n, const TAbbildungsparameter& p,
                      std::vector<TPunkt>& bilder) {
  bilder.resize(n);
  for (int i = 0; i < n; ++i) {
    if (!Punkt_abbilden(Abbildungsfenster.Abbildung, punkte[i], p, bilder[i])) {
      Dialog().Meldung(kMeldung_Spiegelachse);
      return false;
    }
    if (!Endlich(bilder[i])) {
      Dialog().Meldung(kMeldung_Bildpunkte);
      return false;
    }
  }
  return true;
}

void Bilder_eintragen(Tabelle& t, int spalte, const std::vector<TPunkt>& bilder) {
  Tabelle::Sammler sammler(t);
  for (std::size_t i = 0; i < bilder.size(); ++i) {
    const int zeile = static_cast<int>(i) + 1;
    t.Zelle_setzen(spalte, zeile, Zahl_als_Zelltext(bilder[i].x));
    t.Zelle_setzen(spalte + 1, zeile, Zahl_als_Zelltext(bilder[i].y));
  }
  t.Zelle_setzen(spalte, 0, "Bildpunkte");
}

}  // namespace

TAbbildungsfenster Abbildungsfenster_Startwerte() {
  TAbbildungsfenster z;
  for (const TStartwert& s : Startwerte_Abbildungen()) {
    if (!s.text) continue;
    z.Feldtexte[s.name] = s.text;
    if (const TParameterfeld* f = Parameterfeld(s.name)) f->ziel(z.Parameter) = s.zahl;
  }
  z.Abbildung = static_cast<TAbbildungsart>(Starteintrag("RadioGroup_Abbildung"));
  z.Parameter.Achse = Starteintrag("RadioGroup_Scherachse") == 1 ? "y" : "x";
  z.Hilfslinien = Startschalter("CheckBox_Hilfslinien");
  z.Abbildungsparameter = Startschalter("CheckBox_Abbildungsparameter");
  return z;
}

TAbbildungsfenster& Abbildungsfenster = Blatt_Speicher().Teil<TAbbildungsfenster>();

bool Punkt_abbilden(TAbbildungsart art, TPunkt P, const TAbbildungsparameter& p, TPunkt& bild) {
  bool ok = true;
  switch (art) {
    case TAbbildungsart::Achsenspiegelung:
      bild = Punkt_spiegeln(P, p.T, p.Q, ok);
      break;
    case TAbbildungsart::Drehung:
      bild = Punkt_drehen(P, p.M, p.alpha);
      break;
    case TAbbildungsart::Verschiebung:
      bild = Punkt_verschieben(P, p.R, p.S);
      break;
    case TAbbildungsart::Streckung:
      bild = Punkt_strecken(P, p.Z, p.k);
      break;
    case TAbbildungsart::Scherung:
      bild = Punkt_scheren(P, p.Achse, p.f);
      break;
    case TAbbildungsart::Matrix:
      bild = Punkt_Matrix_abbilden(P, p.m11, p.m12, p.m21, p.m22);
      break;
  }
  return ok;
}

void Abbildungsfeld_geaendert(const char* feld, const std::string& text) {
  Abbildungsfenster.Feldtexte[feld] = text;
}

bool Abbildungsfeld_verlassen(Anzeige& fenster, const char* feld) {
  const TParameterfeld* f = Parameterfeld(feld);
  if (!f) return true;  // not a field of the mappings: nothing to read
  const std::string& text = Abbildungsfenster.Feldtexte[feld];
  bool ok = false;
  if (Ist_Matrixfeld(feld)) {
    ok = Term_pruefen(text);
  } else {
    long double wert = 0;
    ok = Term_zu_Zahl(text, wert) && std::isfinite(wert);
    if (ok) f->ziel(Abbildungsfenster.Parameter) = wert;
  }
  if (!ok) fenster.Fokus_zurueck(feld);
  return ok;
}

void Abbildung_gewaehlt(int eintrag) {
  if (eintrag >= 0 && eintrag <= static_cast<int>(TAbbildungsart::Matrix))
    Abbildungsfenster.Abbildung = static_cast<TAbbildungsart>(eintrag);
}

void Scherachse_gewaehlt(int eintrag) {
  Abbildungsfenster.Parameter.Achse = eintrag == 1 ? "y" : "x";
}

void Abbildungsschalter_geklickt(const char* schalter, bool an) {
  if (Gleich(schalter, "CheckBox_Hilfslinien")) Abbildungsfenster.Hilfslinien = an;
  if (Gleich(schalter, "CheckBox_Abbildungsparameter")) Abbildungsfenster.Abbildungsparameter = an;
}

void Bildfarbe_waehlen(Anzeige& fenster) {
  TFarbe farbe = Abbildungsfenster.Bildfarbe;
  if (!Dialog().Farbe_waehlen(farbe)) return;
  Abbildungsfenster.Bildfarbe = farbe;
  fenster.Farbe_zeigen("Panel_BildFarbe", farbe);
}

int Tabellenpunkte_zeichnen(Anzeige& haupt, int spalte) {
  const int gewaehlt = Werkbank.Punktspalte;
  Werkbank.Punktspalte = spalte;
  Punkte_einzeichnen(haupt);
  Werkbank.Punktspalte = gewaehlt;
  return Punktanzahl;
}

void Abbilden_geklickt(Anzeige& haupt) {
  TBild* bild = haupt.Bild("Image1");
  if (!bild) return;
  Tabelle& t = Zahlentabelle;
  const int spalte = Werkbank.Punktspalte;
  int n = 0;
  const std::vector<TPunkt> punkte = Punkte_einlesen(t, spalte, n);
  n = std::min(n, Punkteliste_Groesse);
  if (n == 0) return;

  TAbbildungsparameter p = Abbildungsfenster.Parameter;
  const TAbbildungsart art = Abbildungsfenster.Abbildung;
  if (art == TAbbildungsart::Matrix && !Matrix_auswerten(p)) return;
  std::vector<TPunkt> bilder;
  if (!Bilder_berechnen(punkte, n, p, bilder)) return;

  if (Abbildungsfenster.Abbildungsparameter) Parameter_zeichnen(*bild, art, p);
  if (Abbildungsfenster.Hilfslinien)
    for (int i = 0; i < n; ++i)
      Hilfslinien_zeichnen(*bild, art, p, punkte[i], bilder[i]);
  Bilder_eintragen(t, spalte + 2, bilder);

  // The images in their own colour; the user's colours stay as they were.
  const TFarbe punktfarbe = Stil.Punktfarbe, verbindungsfarbe = Stil.Verbindungsfarbe;
  Stil.Punktfarbe = Stil.Verbindungsfarbe = Abbildungsfenster.Bildfarbe;
  Tabellenpunkte_zeichnen(haupt, spalte + 2);
  Stil.Punktfarbe = punktfarbe;
  Stil.Verbindungsfarbe = verbindungsfarbe;
}
