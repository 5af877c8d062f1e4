#include "workbench/Tangentenaktion.h"

#include <numbers>

#include "analysis/UKurven.h"
#include "analysis/UParameterkurven.h"
#include "analysis/UTangenten.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "workbench/Werkbank.h"
#include "workbench/Werkzeugterm.h"

namespace {

constexpr TFarbe kRot = 0x0000FF;  // colours are 0xBBGGRR
constexpr TFarbe kBlau = 0xFF0000;
constexpr TFarbe kHellgruen = 0x00FF00;
constexpr TFarbe kDunkelgruen = 0x008000;
constexpr TFarbe kLila = 0x800080;
constexpr TFarbe kKastanie = 0x000080;
constexpr TFarbe kWeiss = 0xFFFFFF;
constexpr int kDurchgezogen = 1;  // line kind: solid, width 1
const char* const kAbleitung_fehlt = "Abl. ex. vermutlich nicht !";

std::string Zahl(long double x) {
  return Zahl_zu_Text(Zahlformat.Fixkomma, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen,
                      x);
}

std::string Term_der_Geraden(const TGerade& g) {
  return Geradenterm(g.m, g.n, Zahlformat.Fixkomma, Zahlformat.Gesamtstellen,
                     Zahlformat.Nachkommastellen, Zahlformat.Bruchdarstellung);
}

// "f", "g" or "h" by the text of the term, as the tools chose it.
std::string Kurvenname(const std::string& term) {
  if (term == Werkbank.Feldtext("Edit_fSchar")) return "f";
  if (term == Werkbank.Feldtext("Edit_gSchar")) return "g";
  return "h";
}

void Gerade_ueber_Ansicht(TBild& bild, const std::string& term, TFarbe farbe) {
  Kurve_zeichnen(bild, term, farbe, kDurchgezogen, Modus_Funktion, KOS.xli, KOS.xre, TScharwerte{});
}

void Punkt_markieren(TBild& bild, long double x, long double y, int r, TFarbe fuellung,
                     int breite) {
  Kreis_zeichnen(bild, x_zu_Pixel(bild, x), y_zu_Pixel(bild, y), r, Stil.Punktfarbe, fuellung,
                 breite, TStiftstil::Durchgezogen, Pinsel_voll);
}

void Strecke(TBild& bild, long double x1, long double y1, long double x2, long double y2,
             TFarbe farbe) {
  Linie_zeichnen(bild, x_zu_Pixel(bild, x1), y_zu_Pixel(bild, y1), x_zu_Pixel(bild, x2),
                 y_zu_Pixel(bild, y2), farbe, KOS.Strichbreite, TStiftstil::Durchgezogen);
}

// Legs of a slope triangle: the run from p along x to the corner, the rise from q to the corner.
void Steigungsdreieck(TBild& bild, long double x1, long double y1, long double x2, long double y2,
                      TFarbe farbe) {
  Strecke(bild, x1, y1, x2, y1, farbe);
  Strecke(bild, x2, y2, x2, y1, farbe);
}

bool Parametermodus() {
  return Werkbank.Kurve_zeichnen[Kurve_Param] && !Werkbank.Polardarstellung;
}

bool Graph_gewaehlt() {
  return Werkbank.Kurve_zeichnen[Kurve_f] || Werkbank.Kurve_zeichnen[Kurve_g] ||
         Werkbank.Kurve_zeichnen[Kurve_h];
}

std::string Winkeltext(long double t0) {
  const long double grad = t0 * 180 / std::numbers::pi_v<long double>;
  // The fixed-point text is padded to the total width; inside a sentence it stands alone.
  std::string text = Zahl_zu_Text(true, Zahlformat.Gesamtstellen, 2, grad);
  text.erase(0, text.find_first_not_of(' '));
  return "\r\nWinkel t = " + Zahl(t0) + " rad = " + text + "°";
}

void Tangente_melden_und_zeichnen(Anzeige& a, const TGerade& g, const std::string& marke,
                                  bool dreieck, const std::string& zusatz) {
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  const std::string E = Term_der_Geraden(g);
  Gerade_ueber_Ansicht(*bild, E, kRot);
  Punkt_markieren(*bild, g.x0, g.y0, 4, kBlau, 1);
  if (dreieck) {
    const long double dx = Werkbank.delta_x;
    Steigungsdreieck(*bild, g.x0, g.y0, g.x0 + dx, g.y0 + g.m * dx, kHellgruen);
  }
  Dialog().Meldung("Tangentengleichung an der Stelle x = " + Zahl(g.x0) + "\r\nbzgl. " + marke +
                   ":   y=" + E + zusatz);
}

}  // namespace

void Tangente_geklickt(Anzeige& a, bool dreieck) {
  if (Graph_gewaehlt()) {
    if (!Funktionsterm_waehlen()) return;
    TTerm term(Werkbank.Aktueller_Term);
    const TGerade g =
        Tangente_an_Graph(term, Werkbank.Schar_t1, Werkbank.aStart, Zahlformat.Nachkommastellen);
    if (!g.ok) return Dialog().Meldung(kAbleitung_fehlt);
    Tangente_melden_und_zeichnen(a, g, Kurvenname(Werkbank.Aktueller_Term), dreieck, "");
    return;
  }
  if (!Parametermodus()) return;
  TTerm x(Werkbank.Feldtext("Edit_xParam")), y(Werkbank.Feldtext("Edit_yParam"));
  const long double t0 = Werkbank.aStart;
  const TGerade g = Tangente_an_Kurve(x, y, t0, Werkbank.Schar_t1, Zahlformat.Nachkommastellen);
  if (!g.ok) return Dialog().Meldung(kAbleitung_fehlt);
  Tangente_melden_und_zeichnen(a, g, "(xt,yt)", dreieck, Winkeltext(t0));
}

void Tangente_Hinweis(Anzeige& a) {
  const char* hinweis =
      "Tangente zeichnen: Bitte Haken bei f oder g oder h oder x(t),y(t) setzen !";
  if (Werkbank.Kurve_zeichnen[Kurve_f])
    hinweis = "Tangente an f im Punkt P(a/y) anlegen";
  else if (Werkbank.Kurve_zeichnen[Kurve_g])
    hinweis = "Tangente an g im Punkt P(a/y) anlegen";
  else if (Werkbank.Kurve_zeichnen[Kurve_h])
    hinweis = "Tangente an h im Punkt P(a/y) anlegen";
  else if (Parametermodus())
    hinweis = "Tangente an P(x(t),y(t)) für Winkel t=a(rad) anlegen";
  a.Hinweis_zeigen("SpeedButton_Tangente", hinweis);
}

bool Sekante_zeichnen(Anzeige& a, bool meldung, long double& steigung, const std::string& term,
                      long double x_a, long double x_b, bool dreieck) {
  if (x_a == x_b) return false;
  TTerm f(term);
  const TSekante s = Sekante_durch(f, Werkbank.Schar_t1, x_a, x_b, Zahlformat.Nachkommastellen);
  // An undefined end would give a line through no point of the curve.
  if (!s.g.ok) {
    Dialog().Meldung("Die Kurve ist bei a oder b nicht definiert !");
    return false;
  }
  TBild* bild = a.Bild("Image1");
  if (!bild) return false;
  steigung = s.g.m;
  const std::string E = Term_der_Geraden(s.g);
  Kurve_zeichnen(*bild, E, kDunkelgruen, kDurchgezogen, Modus_Funktion, Werkbank.xaSchar,
                 Werkbank.xeSchar, TScharwerte{});
  Punkt_markieren(*bild, x_a, s.g.y0, 3, kWeiss, 2);
  Punkt_markieren(*bild, x_b, s.yb, 3, kWeiss, 2);
  if (dreieck) Steigungsdreieck(*bild, x_a, s.g.y0, x_b, s.yb, kLila);
  if (meldung)
    Dialog().Meldung("Sekantengleichung von a=" + Zahl(x_a) + " bis b=" + Zahl(x_b) + "\r\nbzgl. " +
                     Kurvenname(term) + ":  y=" + E);
  return true;
}

void Sekante_geklickt(Anzeige& a, bool dreieck) {
  if (!Funktionsterm_waehlen()) return;
  long double m = 0;
  Sekante_zeichnen(a, true, m, Werkbank.Aktueller_Term, Werkbank.aStart, Werkbank.bEnde, dreieck);
}

void Normale_geklickt(Anzeige& a) {
  // Without any curve the button stays silent; x(t), y(t) alone has no normal here.
  if (!Graph_gewaehlt() && !Parametermodus()) return;
  if (!Funktionsterm_waehlen()) return;
  TTerm term(Werkbank.Aktueller_Term);
  const TNormale nor =
      Normale_an_Graph(term, Werkbank.Schar_t1, Werkbank.aStart, Zahlformat.Nachkommastellen);
  if (!nor.g.ok) return Dialog().Meldung(kAbleitung_fehlt);
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  std::string E;
  if (nor.senkrecht) {
    E = "x = " + Gleitkomma_Text(nor.g.x0);
    Senkrechte_zeichnen(*bild, Werkbank.Feldtext("Edit_aStart"), kKastanie, kDurchgezogen);
  } else {
    E = "y=" + Term_der_Geraden(nor.g);
    Gerade_ueber_Ansicht(*bild, Term_der_Geraden(nor.g), kKastanie);
  }
  Punkt_markieren(*bild, nor.g.x0, nor.g.y0, 4, kBlau, 1);
  Dialog().Meldung("Normalengleichung an der Stelle a=" + Zahl(nor.g.x0) + "\r\nbzgl. " +
                   Kurvenname(Werkbank.Aktueller_Term) + ":  " + E);
}

void Kruemmungskreis_geklickt(Anzeige& a) {
  if (!Funktionsterm_waehlen()) return;
  TTerm term(Werkbank.Aktueller_Term);
  const long double x = Werkbank.aStart;
  const TKreis k = Kruemmungskreis_bei(term, Werkbank.Schar_t1, x);
  if (!k.ok) return Dialog().Meldung("Krümmungsradius zu groß !");
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  Feld_zeigen(a, "Edit_Schar_t1", "1");
  a.Haken_zeigen("CheckBox_alle_t_verwenden", false);
  const std::string r = Gleitkomma_Text(k.r);
  const std::string xt = Gleitkomma_Text(k.xm) + "+" + r + "*cos(t)";
  const std::string yt = Gleitkomma_Text(k.ym) + "+" + r + "*sin(t)";
  Feld_zeigen(a, "Edit_xParam", xt);
  Feld_zeigen(a, "Edit_yParam", yt);
  // A parametric curve like any other: automatic captions name its axes.
  if (Werkbank.Achsen_automatisch_beschriften) {
    Feld_zeigen(a, "Edit_xBeschrift", KOS.xBeschriftung = kTitel_Parameterkurve.x);
    Feld_zeigen(a, "Edit_yBeschrift", KOS.yBeschriftung = kTitel_Parameterkurve.y);
  }
  // The whole circle, whatever range the user's own curve has.
  const TParameterbereich p{0, 2 * std::numbers::pi_v<long double>,
                            std::numbers::pi_v<long double> / 720};
  TScharwerte s;
  s.t1 = 1;
  Parameterkurve_zeichnen(*bild, xt, yt, Stil.Linienfarbe, Stil.Linienart, p, s);
  auto drei = [](long double v) { return Gleitkomma_Text(Auf_Stellen_runden(v, 3)); };
  Dialog().Meldung("Krümmungsradius an der Stelle " + drei(x) + ":  r = " + drei(k.r) +
                   "\rKreismittelpunkt M(" + drei(k.xm) + "/" + drei(k.ym) + ")");
}
