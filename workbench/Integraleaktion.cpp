#include "workbench/Integraleaktion.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/UIntegrale.h"
#include "analysis/UKurven.h"
#include "analysis/UMatheTools.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Plotaktion.h"
#include "workbench/Werkbank.h"
#include "workbench/Werkzeugterm.h"

namespace {

THaken Haken() {
  return {Werkbank.Kurve_zeichnen[Kurve_f], Werkbank.Kurve_zeichnen[Kurve_g],
          Werkbank.Kurve_zeichnen[Kurve_h]};
}

TAusgabeformat Format() {
  return {Zahlformat.Fixkomma, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen};
}

std::string Zahl(long double x) {
  return Zahl_zu_Text(Zahlformat.Fixkomma, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen,
                      x);
}

long double Toleranz() {
  return std::pow(10.0L, -Zahlformat.Nachkommastellen);
}

long double Aktuelles_t() {
  return Werkbank.Schar_t1;
}

const std::string& f_Text() {
  return Werkbank.Feldtext("Edit_fSchar");
}
const std::string& g_Text() {
  return Werkbank.Feldtext("Edit_gSchar");
}
const std::string& h_Text() {
  return Werkbank.Feldtext("Edit_hSchar");
}

// The curves between which the integral lies, as the message names them.
std::string Zwischen_Text(THaken k) {
  if (k.f && k.g) return "zwischen f=" + f_Text() + " und g=" + g_Text();
  if (k.f) return "zwischen f=" + f_Text() + " und x-Achse";
  if (k.g) return "zwischen g=" + g_Text() + " und x-Achse";
  return "zwischen h=" + h_Text() + " und x-Achse";
}

TScharwerte Nur_aktuelles_t() {
  TScharwerte s;
  s.t1 = s.t2 = Aktuelles_t();
  s.alle_t = false;
  return s;
}

// With "t von" a tool's curve is drawn for every member, as the plot draws it; otherwise for the
// t it computed with.
TScharwerte Gezeichnete_Glieder() {
  return Werkbank.alle_t_verwenden ? Scharwerte_lesen() : Nur_aktuelles_t();
}

}  // namespace

// ---- integral and area ---------------------------------------------------------------------

void Integral_geklickt(Anzeige&) {
  if (!Funktionsterm_waehlen()) return;
  Differenzterm_bilden();
  const std::string integrand = Werkbank.Aktueller_Term;
  const int methode = Werkbank.Integrationsmethode;
  const bool tabelle = Werkbank.Romberg_Tabelle && methode == 4;
  if (tabelle) Tabellenkopf_Romberg(Zahlentabelle, "Romberg-", "Schema", "Integration");
  const long double t = Aktuelles_t(), a = Werkbank.aStart, b = Werkbank.bEnde;
  const long double eps = Toleranz();
  bool ok = false;
  TTerm term(integrand);
  const long double I =
      Integral_nach_Methode(term, methode, t, a, b, eps, tabelle, Zahlentabelle, Format(), ok);
  if (!ok) {
    Dialog().Meldung("Kann Integral nicht berechnen !   ");
    return;
  }
  // The area's own failure is not reported: the integral already stands.
  bool ok_A = false;
  TTerm betrag("abs(" + integrand + ")");
  const long double A =
      Integral_nach_Methode(betrag, methode, t, a, b, eps, false, Zahlentabelle, Format(), ok_A);
  Dialog().Meldung("Integral I und Flächeninhalt A im Intervall " + Intervall_Text(a, b) + "\r" +
                   Zwischen_Text(Haken()) + "\r\rIntegral I = " + Zahl(I) +
                   "\rFlächeninhalt A = " + Zahl(std::fabs(A)));
}

// ---- strip sums ----------------------------------------------------------------------------

namespace {

bool Streifenzahl_erfragen(const std::string& titel, int& n) {
  std::string antwort = "8";
  const std::string prompt = "Anzahl der Streifen im Intervall [" +
                             Gleitkomma_Text(Werkbank.aStart) + ";" +
                             Gleitkomma_Text(Werkbank.bEnde) + "] :";
  if (!Dialog().Eingabe(titel, prompt, antwort)) return false;
  if (!Ganzzahl_lesen(antwort, n)) {
    Dialog().Meldung("Eingabefehler !");
    return false;
  }
  if (n > kStreifen_hoechstens) {
    Dialog().Meldung("Streifenanzahl > 10000 !");
    return false;
  }
  if (n <= 0) {
    Dialog().Meldung("0 Streifen machen keinen Sinn !");
    return false;
  }
  return true;
}

void Streifen_zeichnen(TBild& bild, const std::vector<TStreifen>& streifen, char art) {
  const int y0 = y_zu_Pixel(bild, 0);
  const TFarbe stift = Stil.Linienfarbe, pinsel = Stil.Fuellfarbe;
  const int muster = Stil.Flaechenfuellung;
  constexpr TStiftstil voll = TStiftstil::Durchgezogen;
  for (const TStreifen& s : streifen) {
    const int Xl = x_zu_Pixel(bild, s.xl), Xr = x_zu_Pixel(bild, s.xr);
    if (art == 'T') {
      Viereck_zeichnen(bild, QPoint(Xl, y0), QPoint(Xr, y0), QPoint(Xr, y_zu_Pixel(bild, s.y_r)),
                       QPoint(Xl, y_zu_Pixel(bild, s.y_l)), stift, pinsel, 1, voll, muster);
      continue;
    }
    const long double y = art == 'O' ? s.y_max : art == 'U' ? s.y_min : s.y_mitte;
    Rechteck_zeichnen(bild, Xl, y_zu_Pixel(bild, y), Xr, y0, stift, pinsel, 1, voll, muster);
  }
}

}  // namespace

void Streifensummen_geklickt(Anzeige& a) {
  if (!Funktionsterm_waehlen()) return;
  const std::string term_text = Werkbank.Aktueller_Term;
  const std::string titel = "Untersumme, ...   zu  " + term_text;
  int n = 0;
  if (!Streifenzahl_erfragen(titel, n)) return;
  std::string art = "u";
  if (!Dialog().Eingabe(titel, "USum=u  OSum=o  Trapez=t  Mittenr=m", art)) return;
  TBild* bild = a.Bild("Image1");
  const long double xa = Werkbank.aStart, xb = Werkbank.bEnde;
  const int W = bild ? x_zu_Pixel(*bild, xb) - x_zu_Pixel(*bild, xa) : 0;
  const bool zeichnen = bild && W >= n;
  std::vector<TStreifen> streifen;
  TTerm term(term_text);
  const TStreifensummen s =
      Streifensummen(term, Aktuelles_t(), xa, xb, n, zeichnen ? &streifen : nullptr);
  if (zeichnen) {
    const char a = art.empty() ? ' ' : art.front();
    const char K = a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a;
    Streifen_zeichnen(*bild, streifen, art.size() == 1 ? K : ' ');
  }
  Dialog().Meldung(Streifensummen_Text(s, n, zeichnen ? -1 : W));
}

// ---- volumes of revolution -----------------------------------------------------------------

namespace {

struct TRotationskurve {
  Kurve kurve;
  const char* name;
  const std::string& text;
  long double xa, xe;
};

// Mirror image, left ellipse, the curve, right ellipse: the outline of the solid.
void Rotationskoerper_zeichnen(TBild& bild, const TRotationskurve& k) {
  const Kurvenstil stil = Werkbank.Kurvenstile[k.kurve];
  const TScharwerte s = Gezeichnete_Glieder();
  TTerm term(k.text);
  auto ellipse = [&](long double x) {
    const long double r = std::fabs(term.Wert(x, 1));
    bild.Ellipse(x_zu_Pixel(bild, x - r / 8), y_zu_Pixel(bild, r), x_zu_Pixel(bild, x + r / 8),
                 y_zu_Pixel(bild, -r));
  };
  Kurve_zeichnen(bild, "-(" + k.text + ")", stil.Farbe, stil.Linienart, Modus_Funktion, k.xa, k.xe,
                 s);
  ellipse(k.xa);
  Kurve_zeichnen(bild, k.text, stil.Farbe, stil.Linienart, Modus_Funktion, k.xa, k.xe, s);
  ellipse(k.xe);
}

bool Volumen(const TRotationskurve& k, long double& v) {
  bool ok = false;
  TTerm quadrat("sqr(" + k.text + ")");
  v = Integral_Gauss_Kronrod(quadrat, Aktuelles_t(), k.xa, k.xe, Toleranz(), ok);
  return ok;
}

}  // namespace

void Rotationsintegral_geklickt(Anzeige& a) {
  if (!Funktionsterm_waehlen()) return;
  const THaken haken = Haken();
  if (haken.h) {
    Dialog().Meldung("h darf hier nicht verwendet werden !");
    return;
  }
  // The list shows "Gauß-Kronrod" now; the method itself changes only when the user picks one,
  // but a scheme for "Romberg tab" is no longer asked for.
  a.Eintrag_zeigen("ComboBox_Integrationsmethode", 0);
  Werkbank.Romberg_Tabelle = false;
  const TRotationskurve f{Kurve_f, "f", f_Text(), Werkbank.xaSchar, Werkbank.xeSchar};
  const TRotationskurve g{Kurve_g, "g", g_Text(), Werkbank.xaSchar_g, Werkbank.xeSchar_g};
  std::vector<const TRotationskurve*> kurven;
  if (haken.f) kurven.push_back(&f);
  if (haken.g) kurven.push_back(&g);
  std::string V = "Rotationsvolumen V\r";
  for (const TRotationskurve* k : kurven)
    V += std::string("für  ") + k->name + " in " + Intervall_Text(k->xa, k->xe) + "\r";
  std::vector<long double> v;
  for (const TRotationskurve* k : kurven) {
    long double wert = 0;
    if (!Volumen(*k, wert)) {
      Dialog().Meldung("Kann Integral nicht berechnen !");
      return;
    }
    v.push_back(wert);
    V += std::string("\rV_") + k->name + " = " + Pi_Text(std::fabs(wert), Format());
  }
  if (v.size() == 2) V += "\rV_f_g = " + Pi_Text(std::fabs(v[1] - v[0]), Format());
  if (TBild* bild = a.Bild("Image1"))
    for (const TRotationskurve* k : kurven)
      Rotationskoerper_zeichnen(*bild, *k);
  Dialog().Meldung(V);
}

// ---- arc length ----------------------------------------------------------------------------

void Bogenlaenge_geklickt(Anzeige& a) {
  if (!Funktionsterm_waehlen()) return;
  const std::string term_text = Werkbank.Aktueller_Term;
  const long double xa = Werkbank.aStart, xb = Werkbank.bEnde;
  bool ok = false;
  TTerm term(term_text);
  const long double L = Bogenlaenge_berechnen(term, Aktuelles_t(), xa, xb, Toleranz(), ok);
  if (!ok) {
    Dialog().Meldung("Bogenlänge nicht berechnet !");
    return;
  }
  constexpr TFarbe kRot = 0x0000FF;
  // The measured arc is shown for reversed bounds too; only its length carries the sign.
  if (TBild* bild = a.Bild("Image1"))
    Kurve_zeichnen(*bild, term_text, kRot, 3, Modus_Funktion, std::min(xa, xb), std::max(xa, xb),
                   Gezeichnete_Glieder());
  Dialog().Meldung("Bogenlänge von " + term_text + " im Intervall  " + Intervall_Text(xa, xb) +
                   "\r\rbl = " + Zahl(L));
}

// ---- hatching ------------------------------------------------------------------------------

namespace {

void Grenzen_ordnen(Anzeige& a) {
  if (Werkbank.aStart <= Werkbank.bEnde) return;
  const std::string a_text = Werkbank.Feldtext("Edit_aStart");
  const std::string b_text = Werkbank.Feldtext("Edit_bEnde");
  std::swap(Werkbank.aStart, Werkbank.bEnde);
  Feld_zeigen(a, "Edit_aStart", b_text);
  Feld_zeigen(a, "Edit_bEnde", a_text);
}

// The vertical lines from y1(x) to y2(x) every dx; only the visible part of [a; b] is walked,
// so that a wide interval costs no more than the picture is wide.
void Schraffieren(TBild& bild, TTerm* oben, TTerm* unten, long double dx) {
  const long double a = Werkbank.aStart, b = Werkbank.bEnde, t = Aktuelles_t();
  const long double von = std::max(a, KOS.xli - dx), bis = std::min(b, KOS.xre + dx);
  if (!(dx > 0) || !(von <= bis)) return;
  // Far left of the view, a + i*dx no longer resolves the steps: the walk then starts at the
  // view's edge, where the step's phase cannot be seen anyway.
  const long double i0 = std::max(0.0L, std::floor((von - a) / dx));
  const long double start = i0 < 1e12L ? a + i0 * dx : von;
  // A few steps beyond the picture width at most, whatever the interval.
  const long double schritte = std::floor((bis - start) / dx);
  const int n = static_cast<int>(std::min<long double>(schritte, 4.0L * bild.Breite() + 4));
  for (int j = 0; j <= n; ++j) {
    const long double x = start + j * dx;
    const long double y1 = oben ? oben->Wert(x, t) : 0;
    const long double y2 = unten ? unten->Wert(x, t) : 0;
    const int X = x_zu_Pixel(bild, x);
    Linie_zeichnen(bild, X, y_zu_Pixel(bild, y1), X, y_zu_Pixel(bild, y2), Stil.Fuellfarbe, 1,
                   TStiftstil::Durchgezogen);
  }
}

}  // namespace

void Flaeche_schraffieren_geklickt(Anzeige& a) {
  if (!Funktionsterm_waehlen()) return;
  Differenzterm_bilden();
  Grenzen_ordnen(a);
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  long double dx = (KOS.xre - KOS.xli) / bild->Breite() * 2;
  if (Werkbank.Grobschraffur) dx *= 3;
  const THaken k = Haken();
  TTerm f(f_Text()), g(g_Text()), h(h_Text());
  TTerm* oben = k.f ? &f : nullptr;
  TTerm* unten = k.f && k.g ? &g : k.f ? nullptr : k.g ? &g : &h;
  Schraffieren(*bild, oben, unten, dx);
  a.Haken_zeigen("CheckBox_loeschen", false);
  Plot_zeichnen(a);
  a.Haken_zeigen("CheckBox_loeschen", true);
}

// ---- hints ---------------------------------------------------------------------------------

void Integral_Hinweis_zeigen(Anzeige& a) {
  a.Hinweis_zeigen("SpeedButton_Integral_f_g", Hinweis_Integral(Haken()));
}

void Rotationsintegral_Hinweis_zeigen(Anzeige& a) {
  a.Hinweis_zeigen("SpeedButton_Rotationsintegral",
                   Hinweis_Rotation(Haken(), Werkbank.xaSchar, Werkbank.xeSchar, Werkbank.xaSchar_g,
                                    Werkbank.xeSchar_g));
}

void Bogenlaenge_Hinweis_zeigen(Anzeige& a) {
  a.Hinweis_zeigen("SpeedButton_Bogenlaenge", Hinweis_Bogenlaenge(Haken()));
}

void Schraffur_Hinweis_zeigen(Anzeige& a) {
  a.Hinweis_zeigen("SpeedButton_Flaeche_schraffieren", Hinweis_Schraffur(Haken()));
}
