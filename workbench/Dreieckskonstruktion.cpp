#include "workbench/Dreieckskonstruktion.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "engine/UGeometrie.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Abbildungen.h"
#include "workbench/Plotaktion.h"
#include "workbench/Werkbank.h"

namespace {

// Colours are 0xBBGGRR.
constexpr TFarbe kMagenta = 0xFF00FF;
constexpr TFarbe kKastanie = 0x000080;
constexpr TFarbe kGrau = 0x808080;
constexpr TFarbe kRot = 0x0000FF;
constexpr TFarbe kGruen = 0x008000;
constexpr TFarbe kLila = 0x800080;
constexpr TFarbe kHellblau = 0xFF8080;
constexpr TFarbe kBlau = 0xFF0000;
constexpr TFarbe kCyan = 0xFFFF00;
constexpr TFarbe kWeiss = 0xFFFFFF;
constexpr long double kPi = 3.1415926535897932385L;
// Below this sine of an angle the three points count as lying on one line.
constexpr long double kFlach = 1e-12L;

const char* const kMeldung_kein_Dreieck =
    "Die Eckpunkte A, B und C liegen auf einer Geraden: sie bilden kein Dreieck !";
const char* const kMeldung_Zahlbereich =
    "Das Dreieck ist mit diesen Eckpunkten nicht berechenbar: der Zahlbereich wird "
    "überschritten !";
const char* const kMeldung_Eckpunkte =
    "Die Eckpunkte A, B, C müssen als Zahlen in den Zeilen 1 bis 3 der Spalten 1 und 2 stehen !";

TPunkt Plus(TPunkt P, TPunkt Q) {
  return {P.x + Q.x, P.y + Q.y};
}
TPunkt Minus(TPunkt P, TPunkt Q) {
  return {P.x - Q.x, P.y - Q.y};
}
TPunkt Mal(long double s, TPunkt P) {
  return {s * P.x, s * P.y};
}
long double Quadrat(TPunkt P, TPunkt Q) {
  const TPunkt d = Minus(Q, P);
  return d.x * d.x + d.y * d.y;
}

// Rounding may push the cosine just past +-1 for very flat triangles.
long double Winkel(long double zaehler, long double nenner) {
  return std::acos(std::clamp(zaehler / nenner, -1.0L, 1.0L));
}

// Circumcentre from the two equations of equal distance (Cramer's rule); false without a
// unique solution, i.e. for points on one line.
bool Umkreismittelpunkt(TPunkt A, TPunkt B, TPunkt C, TPunkt& U) {
  const long double a11 = 2 * (A.x - B.x), a12 = 2 * (A.y - B.y);
  const long double a21 = 2 * (A.x - C.x), a22 = 2 * (A.y - C.y);
  const long double r1 = (A.x * A.x + A.y * A.y) - (B.x * B.x + B.y * B.y);
  const long double r2 = (A.x * A.x + A.y * A.y) - (C.x * C.x + C.y * C.y);
  const long double det = a11 * a22 - a12 * a21;
  // det = 4 |AB| |AC| sin(alpha): compared with the sides, so that the scale does not matter.
  if (!(std::fabs(det) > kFlach * std::hypot(a11, a12) * std::hypot(a21, a22))) return false;
  U = {(r1 * a22 - a12 * r2) / det, (a11 * r2 - r1 * a21) / det};
  return true;
}

// Isosceles construction at the corner E with the neighbours P and Q: the nearer neighbour is
// carried out to the distance of the farther one; the midpoint of the two lies on the bisector.
TPunkt Winkelhalbierendenpunkt(TPunkt E, TPunkt P, TPunkt Q) {
  const bool P_weiter = Quadrat(E, Q) <= Quadrat(E, P);
  const TPunkt L = P_weiter ? P : Q;
  const TPunkt K = P_weiter ? Q : P;
  const TPunkt K_ = Plus(E, Mal(Abstand(E, L) / Abstand(E, K), Minus(K, E)));
  return Mittelpunkt(L, K_);
}

TPunkt Hoehenschnittpunkt(const TDreieck& d) {
  const TPunkt d1 = Minus(d.C, d.Hc), d2 = Minus(d.Ha, d.A), e = Minus(d.Ha, d.Hc);
  const long double lambda = (d2.x * e.y - e.x * d2.y) / (d2.x * d1.y - d1.x * d2.y);
  return Plus(d.Hc, Mal(lambda, d1));
}

TPunkt Inkreismittelpunkt(const TDreieck& d) {
  const TPunkt u = Minus(d.Wa, d.A), v = Minus(d.B, d.Wb), w = Minus(d.B, d.A);
  const long double mu = (v.x * w.y - w.x * v.y) / (v.x * u.y - u.x * v.y);
  return Plus(d.A, Mal(mu, u));
}

// Feet on the sides of a true triangle; the sides are never single points there.
TPunkt Lot(TPunkt P, TPunkt A, TPunkt B) {
  bool ok = true;
  return Lotfusspunkt(P, A, B, ok);
}

bool Alles_endlich(const TDreieck& d) {
  for (TPunkt P :
       {d.Ma, d.Mb, d.Mc, d.S, d.U, d.Ha, d.Hb, d.Hc, d.H, d.Wa, d.Wb, d.Wc, d.I, d.Ta, d.Tb, d.Tc})
    if (!std::isfinite(P.x) || !std::isfinite(P.y)) return false;
  for (long double z :
       {d.a, d.b, d.c, d.alpha, d.beta, d.gamma, d.Flaeche, d.R, d.ha, d.hb, d.hc, d.r})
    if (!std::isfinite(z)) return false;
  return true;
}

// ---- drawing -----------------------------------------------------------------------------------

struct Zeichner {
  TBild& bild;
  int x(TPunkt P) const { return x_zu_Pixel(bild, P.x); }
  int y(TPunkt P) const { return y_zu_Pixel(bild, P.y); }

  void Marken(TFarbe farbe, std::initializer_list<TPunkt> punkte) const {
    Stil.Punktfarbe = farbe;
    for (TPunkt P : punkte)
      Punktsymbol_zeichnen(bild, x(P), y(P));
  }
  void Strecke(TPunkt P, TPunkt Q, TFarbe farbe) const {
    Linie_zeichnen(bild, x(P), y(P), x(Q), y(Q), farbe, 1, TStiftstil::Durchgezogen);
  }
  void Gerade(TPunkt P, TPunkt Q, TFarbe farbe, TStiftstil stil) const {
    Gerade_zeichnen(bild, x(P), y(P), x(Q), y(Q), farbe, 1, stil);
  }
  void Kreis(TPunkt M, long double radius, TFarbe farbe) const {
    const int r = x_zu_Pixel(bild, radius) - x_zu_Pixel(bild, 0);
    Kreis_zeichnen(bild, x(M), y(M), r, farbe, kWeiss, 2, TStiftstil::Durchgezogen, Pinsel_leer);
  }
  void Buchstabe(const char* text, TPunkt P, int dx, int dy) const {
    const TSchrift& s = Werkbank.Textschrift;
    const int stil = (s.fett ? Schrift_fett : 0) | (s.kursiv ? Schrift_kursiv : 0) |
                     (s.unterstrichen ? Schrift_unterstrichen : 0) |
                     (s.durchgestrichen ? Schrift_durchgestrichen : 0);
    bild.Pinselfarbe_setzen(kWeiss);
    Text_schreiben(bild, x(P) + dx, y(P) + dy, text, "arial", 12, Pinsel_voll, stil,
                   Stil.Linienfarbe);
  }
};

// Dotted extensions of the altitudes up to the orthocentre, for each acute angle.
void Hoehenverlaengerungen(const Zeichner& z, const TDreieck& d) {
  constexpr TStiftstil p = TStiftstil::Gepunktet;
  if (d.c2 < d.a2 + d.b2) {
    z.Gerade(d.C, d.Ha, kBlau, p);
    z.Gerade(d.C, d.Hb, kBlau, p);
    z.Gerade(d.H, d.Ha, kRot, p);
    z.Gerade(d.H, d.Hb, kRot, p);
  }
  if (d.b2 < d.a2 + d.c2) {
    z.Gerade(d.B, d.Ha, kBlau, p);
    z.Gerade(d.B, d.Hc, kBlau, p);
    z.Gerade(d.H, d.Ha, kRot, p);
    z.Gerade(d.H, d.Hc, kRot, p);
  }
  if (d.a2 < d.b2 + d.c2) {
    z.Gerade(d.A, d.Hc, kBlau, p);
    z.Gerade(d.A, d.Hb, kBlau, p);
    z.Gerade(d.H, d.Hb, kRot, p);
    z.Gerade(d.H, d.Hc, kRot, p);
  }
}

void Mittelsenkrechte(const Zeichner& z, TPunkt P, TPunkt Q) {
  TPunkt F;
  const TPunkt E = Mittelsenkrechte_Punkte(P, Q, F);
  z.Gerade(E, F, kKastanie, TStiftstil::Durchgezogen);
}

void Punkte_markieren(const Zeichner& z, const TDreieck& d, const TDreiecksauswahl& w) {
  if (w[DL_Schwerpunkt]) z.Marken(kMagenta, {d.S});
  if (w[DL_Umkreismittelpunkt]) z.Marken(kKastanie, {d.U});
  if (w[DL_Inkreismittelpunkt]) z.Marken(kGrau, {d.I});
  if (w[DL_Hoehenschnittpunkt]) z.Marken(kRot, {d.H});
  if (w[DL_Seitenmittelpunkte]) z.Marken(kGruen, {d.Ma, d.Mb, d.Mc});
  if (w[DL_Inkreislotpunkte]) z.Marken(kLila, {d.Ta, d.Tb, d.Tc});
  if (w[DL_Hoehenfusspunkte]) z.Marken(kHellblau, {d.Ha, d.Hb, d.Hc});
}

void Linien_zeichnen(const Zeichner& z, const TDreieck& d, const TDreiecksauswahl& w) {
  if (w[DL_Seitenhalbierenden]) {
    z.Strecke(d.A, d.Ma, kGruen);
    z.Strecke(d.B, d.Mb, kGruen);
    z.Strecke(d.C, d.Mc, kGruen);
  }
  if (w[DL_Mittelsenkrechten]) {
    Mittelsenkrechte(z, d.A, d.B);
    Mittelsenkrechte(z, d.A, d.C);
    Mittelsenkrechte(z, d.B, d.C);
  }
  if (w[DL_Winkelhalbierenden]) {
    z.Strecke(d.A, d.Wa, kGrau);
    z.Strecke(d.B, d.Wb, kGrau);
    z.Strecke(d.C, d.Wc, kGrau);
  }
  if (w[DL_Hoehen]) {
    z.Strecke(d.A, d.Ha, kRot);
    z.Strecke(d.B, d.Hb, kRot);
    z.Strecke(d.C, d.Hc, kRot);
    Hoehenverlaengerungen(z, d);
  }
  if (w[DL_Mittelparallelen]) {
    z.Strecke(d.Ma, d.Mb, kGrau);
    z.Strecke(d.Mc, d.Mb, kGrau);
    z.Strecke(d.Mc, d.Ma, kGrau);
  }
}

void Kreise_und_Rest_zeichnen(const Zeichner& z, const TDreieck& d, const TDreiecksauswahl& w) {
  if (w[DL_Umkreis]) z.Kreis(d.U, d.R, kKastanie);
  if (w[DL_Inkreis]) z.Kreis(d.I, d.r, kGrau);
  if (w[DL_Umkreisradius]) z.Strecke(d.A, d.U, kLila);
  if (w[DL_Inkreisradius]) z.Strecke(d.Ta, d.I, kLila);
  if (w[DL_Eckpunkte_beschriften]) {
    z.Buchstabe("A", d.A, -6, 4);
    z.Buchstabe("B", d.B, -3, 4);
    z.Buchstabe("C", d.C, -4, -20);
  }
  if (w[DL_Eulergerade]) z.Gerade(d.U, d.H, kCyan, TStiftstil::Durchgezogen);
}

// ---- table ------------------------------------------------------------------------------------

void Zeile(Tabelle& t, int zeile,
           std::initializer_list<std::pair<const char*, long double>> paare) {
  int spalte = 3;
  for (const auto& [name, wert] : paare) {
    t.Zelle_setzen(spalte++, zeile, name);
    t.Zelle_setzen(spalte++, zeile, Zahl_als_Zelltext(wert));
  }
}

void Punktzeile(Tabelle& t, int zeile, const char* name, TPunkt P) {
  t.Zelle_setzen(3, zeile, name);
  t.Zelle_setzen(4, zeile, Zahl_als_Zelltext(P.x));
  t.Zelle_setzen(5, zeile, Zahl_als_Zelltext(P.y));
}

long double Grad(long double bogen) {
  return bogen * 180 / kPi;
}

bool Ecken_lesen(const Tabelle& t, TPunkt& A, TPunkt& B, TPunkt& C) {
  bool ok = true;
  int zeile = 1;
  for (TPunkt* P : {&A, &B, &C}) {
    ok = Zelle_als_Zahl(t, 1, zeile, P->x) && Zelle_als_Zahl(t, 2, zeile, P->y) && ok;
    ++zeile;
  }
  return ok;
}

}  // namespace

bool Dreieck_berechnen(TPunkt A, TPunkt B, TPunkt C, TDreieck& d, std::string& meldung) {
  d = TDreieck{};
  d.A = A;
  d.B = B;
  d.C = C;
  if (!Umkreismittelpunkt(A, B, C, d.U)) {
    meldung = kMeldung_kein_Dreieck;
    return false;
  }
  d.a2 = Quadrat(B, C);
  d.b2 = Quadrat(A, C);
  d.c2 = Quadrat(A, B);
  d.a = std::sqrt(d.a2);
  d.b = std::sqrt(d.b2);
  d.c = std::sqrt(d.c2);
  d.alpha = Winkel(d.b2 + d.c2 - d.a2, 2 * d.b * d.c);
  d.beta = Winkel(d.a2 + d.c2 - d.b2, 2 * d.a * d.c);
  d.gamma = Winkel(d.a2 + d.b2 - d.c2, 2 * d.a * d.b);
  d.Flaeche = d.b * 0.5L * d.c * std::sin(d.alpha);
  d.Ma = Mittelpunkt(B, C);
  d.Mb = Mittelpunkt(A, C);
  d.Mc = Mittelpunkt(B, A);
  d.S = {(A.x + B.x + C.x) / 3, (A.y + B.y + C.y) / 3};
  d.R = Abstand(A, d.U);
  d.Ha = Lot(A, B, C);
  d.Hb = Lot(B, A, C);
  d.Hc = Lot(C, A, B);
  d.ha = Abstand(A, d.Ha);
  d.hb = Abstand(B, d.Hb);
  d.hc = Abstand(C, d.Hc);
  d.H = Hoehenschnittpunkt(d);
  d.Wa = Winkelhalbierendenpunkt(A, B, C);
  d.Wb = Winkelhalbierendenpunkt(B, A, C);
  d.Wc = Winkelhalbierendenpunkt(C, A, B);
  d.I = Inkreismittelpunkt(d);
  d.Ta = Lot(d.I, B, C);
  d.Tb = Lot(d.I, A, C);
  d.Tc = Lot(d.I, A, B);
  d.r = Abstand(d.Tb, d.I);
  if (!Alles_endlich(d)) {
    meldung = kMeldung_Zahlbereich;
    return false;
  }
  return true;
}

void Dreieck_zeichnen(TBild& bild, const TDreieck& d, const TDreiecksauswahl& auswahl) {
  const Zeichner z{bild};
  Punkte_markieren(z, d, auswahl);
  Linien_zeichnen(z, d, auswahl);
  Kreise_und_Rest_zeichnen(z, d, auswahl);
}

void Dreiecksmasse_schreiben(Tabelle& t, const TDreieck& d) {
  Tabelle::Sammler sammler(t);
  Zeile(t, 1, {{"a =", d.a}, {"b =", d.b}, {"c =", d.c}});
  Zeile(t, 2, {{"alpha =", Grad(d.alpha)}, {"beta =", Grad(d.beta)}, {"gamma =", Grad(d.gamma)}});
  Zeile(t, 3, {{"A-Dreieck =", d.Flaeche}});
  Punktzeile(t, 4, "S =", d.S);
  Punktzeile(t, 5, "UMittelp =", d.U);
  t.Zelle_setzen(6, 5, "URadius =");
  t.Zelle_setzen(7, 5, Zahl_als_Zelltext(d.R));
  Punktzeile(t, 6, "IMittelp =", d.I);
  t.Zelle_setzen(6, 6, "IRadius =");
  t.Zelle_setzen(7, 6, Zahl_als_Zelltext(d.r));
  Punktzeile(t, 7, "HöhenSP =", d.H);
  Punktzeile(t, 8, "Ma =", d.Ma);
  Punktzeile(t, 9, "Mb =", d.Mb);
  Punktzeile(t, 10, "Mc =", d.Mc);
  Punktzeile(t, 11, "LotFPHa =", d.Ha);
  Punktzeile(t, 12, "LotFPHb =", d.Hb);
  Punktzeile(t, 13, "LotFPHc =", d.Hc);
  Zeile(t, 14, {{"ha =", d.ha}, {"hb =", d.hb}, {"hc =", d.hc}});
  Punktzeile(t, 15, "IMLa =", d.Ta);
  Punktzeile(t, 16, "IMLb =", d.Tb);
  Punktzeile(t, 17, "IMLc =", d.Tc);
}

void Dreieckschalter_geklickt(const char* schalter, bool an) {
  for (int i = 0; i < Dreieckslinien_Anzahl; ++i)
    if (std::string_view(kDreieckschalter[i]) == schalter) Abbildungsfenster.Dreieckslinien[i] = an;
}

void Alles_auswaehlen_geklickt(Anzeige& fenster, Anzeige& haupt, bool an) {
  for (int i = 0; i < Dreieckslinien_Anzahl; ++i) {
    Abbildungsfenster.Dreieckslinien[i] = an;
    fenster.Haken_zeigen(kDreieckschalter[i], an);
  }
  if (!an) Plot_zeichnen(haupt);
}

void Dreieckslinien_geklickt(Anzeige& haupt) {
  TBild* bild = haupt.Bild("Image1");
  if (!bild) return;
  Tabelle& t = Zahlentabelle;
  const int spalte = Werkbank.Punktspalte;
  Punkteliste_einlesen(t, spalte);
  // Only the closed triangle A, B, C, A starts the construction; other lists are just drawn.
  const bool dreieck = Punktanzahl == 4;
  TDreieck d;
  if (dreieck) {
    TPunkt A, B, C;
    std::string meldung;
    if (!Ecken_lesen(t, A, B, C)) meldung = kMeldung_Eckpunkte;
    if (meldung.empty()) Dreieck_berechnen(A, B, C, d, meldung);
    if (!meldung.empty()) {
      Dialog().Meldung(meldung);
      return;
    }
  }
  Stil.Punktfarbe = Stil.Linienfarbe;
  Tabellenpunkte_zeichnen(haupt, spalte);
  if (dreieck) {
    Dreieck_zeichnen(*bild, d, Abbildungsfenster.Dreieckslinien);
    // The vertex markers on top of the lines.
    Tabellenpunkte_zeichnen(haupt, spalte);
    Dreiecksmasse_schreiben(t, d);
  }
  haupt.Farbe_zeigen("Panel_Farbe_Punkte", Stil.Punktfarbe);
}
