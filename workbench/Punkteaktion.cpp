#include "workbench/Punkteaktion.h"

#include <cmath>
#include <numbers>
#include <string>

#include "engine/UFunktionsParser.h"
#include "engine/UGeometrie.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Werkbank.h"

namespace {

constexpr TFarbe kBlau = 0xFF0000;  // colours are 0xBBGGRR
constexpr int kKleinstes_Vieleck = 3;
// The closing vertex repeats the first, and the point list holds 1500 points.
constexpr int kGroesstes_Vieleck = Punkteliste_Groesse - 1;

int Px(const TBild& b, const TPunkt& p) {
  return x_zu_Pixel(b, p.x);
}
int Py(const TBild& b, const TPunkt& p) {
  return y_zu_Pixel(b, p.y);
}

// Reads the point columns chosen in the list; false (reported) when fewer than mindestens.
bool Punkte_vorhanden(int mindestens) {
  Punkteliste_einlesen(Zahlentabelle, Werkbank.Punktspalte);
  if (Punktanzahl >= mindestens) return true;
  Dialog().Meldung(kMeldung_keine_Punkte);
  return false;
}

// A cell of columns 1 and 2 read with the table's own number reader (fractions included); a
// cell that is no number is reported with its place.
bool Zelle_lesen(int spalte, int zeile, long double& wert) {
  if (Zelle_als_Zahl(Zahlentabelle, spalte, zeile, wert)) return true;
  Dialog().Meldung("In Zeile " + std::to_string(zeile) + ", Spalte " + std::to_string(spalte) +
                   " steht keine Zahl !");
  return false;
}

bool Tabellenpunkt_lesen(int zeile, TPunkt& p) {
  return Zelle_lesen(1, zeile, p.x) && Zelle_lesen(2, zeile, p.y);
}

void Tabellenpunkt_schreiben(int zeile, const TPunkt& p) {
  Zahlentabelle.Zelle_setzen(1, zeile, Zahl_als_Zelltext(p.x));
  Zahlentabelle.Zelle_setzen(2, zeile, Zahl_als_Zelltext(p.y));
}

// The point of f at x; false (reported) where f is not defined.
bool Punkt_von_f(long double x, long double t, TPunkt& p) {
  p = {x, Term_auswerten(Werkbank.Feldtext("Edit_fSchar"), x, t)};
  if (!Fehler && std::isfinite(p.y)) return true;
  Dialog().Meldung("f ist bei x = " + Zahl_als_Zelltext(x) +
                   " nicht definiert: das Lot ist nicht bestimmt !");
  return false;
}

// n rounded half to even; false (reported) outside the corner counts a polygon can have here.
bool Eckenzahl(long double n, int& k) {
  const long double r = std::nearbyint(n);
  if (r >= kKleinstes_Vieleck && r <= kGroesstes_Vieleck) {
    k = static_cast<int>(r);
    return true;
  }
  Dialog().Meldung("Ein regelmäßiges Vieleck braucht 3 bis 1499 Ecken !");
  return false;
}

}  // namespace

std::vector<TPunkt> Vieleck_Ecken(long double xm, long double ym, long double s, int k) {
  const long double h = 2 * std::numbers::pi_v<long double> / k;
  std::vector<TPunkt> v{{xm - s / 2, ym - (s / 2) / std::tan(h / 2)}};
  for (int j = 1; j <= k; ++j)
    v.push_back({v.back().x - s * std::cos(j * h), v.back().y + s * std::sin(j * h)});
  return v;
}

void Punkte_einzeichnen(Anzeige& a) {
  if (!Punkte_vorhanden(1)) return;
  if (TBild* bild = a.Bild("Image1")) Punkte_zeichnen(*bild);
}

void Tabellenpunkte_zeichnen(Anzeige& a) {
  static TEinmalmeldung leer;
  Punkteliste_einlesen(Zahlentabelle, Werkbank.Punktspalte);
  if (Punktanzahl == 0) {
    if (leer.Neu("leer")) Dialog().Meldung(kMeldung_keine_Punkte);
    return;
  }
  leer.Vergessen();
  if (TBild* bild = a.Bild("Image1")) Punkte_zeichnen(*bild);
}

void Schwerpunkt_zeichnen(Anzeige& a) {
  if (!Punkte_vorhanden(1)) return;
  TPunkt S{0, 0};
  for (int i = 0; i < Punktanzahl; ++i) {
    S.x += Punkteliste[i].x;
    S.y += Punkteliste[i].y;
  }
  S = {S.x / Punktanzahl, S.y / Punktanzahl};
  if (TBild* bild = a.Bild("Image1")) Punktsymbol_zeichnen(*bild, Px(*bild, S), Py(*bild, S));
}

void Rechteck_einzeichnen(Anzeige& a) {
  if (!Punkte_vorhanden(2)) return;
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  const TPunkt& P = Punkteliste[0];
  const TPunkt& Q = Punkteliste[1];
  Rechteck_zeichnen(*bild, Px(*bild, P), Py(*bild, P), Px(*bild, Q), Py(*bild, Q), Stil.Linienfarbe,
                    Stil.Fuellfarbe, Stil.Linienbreite, TStiftstil::Durchgezogen,
                    Stil.Flaechenfuellung);
}

void Vieleck_einzeichnen(Anzeige& a) {
  if (!Punkte_vorhanden(2)) return;
  const TPunkt M = Punkteliste[0];
  const long double s = Punkteliste[1].x;
  int k = 0;
  if (!Eckenzahl(Punkteliste[1].y, k)) return;
  const std::vector<TPunkt> ecken = Vieleck_Ecken(M.x, M.y, s, k);
  std::copy(ecken.begin(), ecken.end(), Punkteliste.begin());
  Punktanzahl = static_cast<int>(ecken.size());
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  Linienstil_setzen(*bild, Stil.Verbindungsfarbe, Stil.Verbindungsart);
  Punkte_zeichnen(*bild);
}

void Lot_einzeichnen(Anzeige& a) {
  const long double t = Werkbank.Schar_t1;
  TPunkt P, A, B;
  if (!Tabellenpunkt_lesen(1, P)) return;
  if (!Punkt_von_f(0, t, A) || !Punkt_von_f(5, t, B)) return;
  bool ok = false;
  const TPunkt F = Lotfusspunkt(P, A, B, ok);
  if (!ok) return Dialog().Meldung(kMeldung_Gerade_unbestimmt);
  {
    Tabelle::Sammler s(Zahlentabelle);
    Tabellenpunkt_schreiben(2, A);
    Tabellenpunkt_schreiben(3, B);
    Tabellenpunkt_schreiben(4, F);
  }
  if (TBild* bild = a.Bild("Image1"))
    Linie_zeichnen(*bild, Px(*bild, P), Py(*bild, P), Px(*bild, F), Py(*bild, F), kBlau, 1,
                   TStiftstil::Durchgezogen);
}

void Mittelpunkt_einzeichnen(Anzeige& a) {
  TPunkt A, B;
  if (!Tabellenpunkt_lesen(1, A) || !Tabellenpunkt_lesen(2, B)) return;
  const TPunkt M = Mittelpunkt(A, B);
  Tabellenpunkt_schreiben(3, M);
  if (TBild* bild = a.Bild("Image1")) Punktsymbol_zeichnen(*bild, Px(*bild, M), Py(*bild, M));
}
