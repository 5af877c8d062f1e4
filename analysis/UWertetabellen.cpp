#include "analysis/UWertetabellen.h"

#include <algorithm>
#include <cmath>

#include "analysis/UMatheTools.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "kos/UGrafik.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/URechenlauf.h"
#include "table/UStringGrid.h"

namespace {

// Steps of the difference quotients in the value table: coarser for higher derivatives, whose
// quotients divide by higher powers of the step.
constexpr long double kH1 = 1e-7L, kH2 = 1e-6L, kH3 = 1e-5L, kH_Kruemmung = 1e-5L;
// x = b is reached although the x are computed with rounding.
constexpr long double kRand = 1e-10L;

std::string Zahl(const TZellformat& z, long double x) {
  return Zahl_zu_Text(z.fix, z.G, z.N, x);
}

std::string Wert_oder_Strich(const TZellformat& z, long double x, bool ok) {
  return ok ? Zahl(z, x) : kUndefiniert;
}

std::string Termwert(TTerm& term, const TZellformat& z, long double x, long double t) {
  const long double y = term.Wert(x, t);
  return Wert_oder_Strich(z, y, !Fehler);
}

struct TWertterme {
  TTerm f, g, h;
};

void Wertekopf(Tabelle& tab, const TWertevorgabe& v) {
  const char* kopf[] = {"  x",       "   f(x)",   "   g(x)",    "   h(x)",
                        "    f'(x)", "   f\"(x)", "   f\"'(x)", "  kr(x)"};
  for (int s = 1; s <= 8; ++s)
    tab.Zelle_setzen(s, 0, kopf[s - 1]);
  if (v.mit_F) tab.Zelle_setzen(9, 0, "  F(" + v.u_text + ",x)");
  tab.Zelle_setzen(v.mit_F ? 10 : 9, 0, "  x");
}

void Wertezeile(Tabelle& tab, TWertterme& w, const TWertevorgabe& v, int zeile, long double x) {
  const TZellformat& z = v.format;
  bool ok = false;
  tab.Zelle_setzen(1, zeile, Zahl(z, x));
  tab.Zelle_setzen(2, zeile, Termwert(w.f, z, x, v.t));
  tab.Zelle_setzen(3, zeile, Termwert(w.g, z, x, v.t));
  tab.Zelle_setzen(4, zeile, Termwert(w.h, z, x, v.t));
  long double d = Ableitung_1(w.f, v.t, x, kH1, ok);
  tab.Zelle_setzen(5, zeile, Wert_oder_Strich(z, d, ok));
  d = Ableitung_2(w.f, v.t, x, kH2, ok);
  tab.Zelle_setzen(6, zeile, Wert_oder_Strich(z, d, ok));
  d = Ableitung_3(w.f, v.t, x, kH3, ok);
  tab.Zelle_setzen(7, zeile, Wert_oder_Strich(z, d, ok));
  long double r = 0, xm = 0, ym = 0;
  bool mit_radius = false;
  d = Kruemmung_berechnen(w.f, v.t, x, kH_Kruemmung, r, mit_radius, xm, ym, ok);
  tab.Zelle_setzen(8, zeile, Wert_oder_Strich(z, d, ok));
  if (v.mit_F && zeile <= Integralzeilen(z.N)) {
    d = Integral_Simpson(w.f, v.t, v.u, x, Integral_Toleranz(z.N), ok);
    tab.Zelle_setzen(9, zeile, Wert_oder_Strich(z, d, ok));
  }
  tab.Zelle_setzen(v.mit_F ? 10 : 9, zeile, Zahl(z, x));
}

}  // namespace

long double Integral_Toleranz(int d) {
  if (d <= 5) return 0.01L;
  if (d == 6) return 0.001L;
  if (d == 7) return 0.0003L;
  if (d == 8) return 0.00015L;
  if (d <= 10) return 0.00003L;
  return 0.00001L;
}

int Integralzeilen(int d) {
  const int n = 9 - static_cast<int>(d / 1.2);
  return n > 0 ? n : 0;
}

int Wertetabelle_schreiben(Tabelle& tab, const TWertevorgabe& v, bool& abgebrochen) {
  abgebrochen = false;
  Tabelle_leeren(tab);
  Wertekopf(tab, v);
  TWertterme w{TTerm(v.f), TTerm(v.g), TTerm(v.h)};
  TRechenlauf lauf("Wertetabelle", kWertezeilen_max);
  long double x = v.a;
  int zeile = 1;
  // An undefined bound ends the table at once: every comparison with NaN is false.
  for (; zeile <= kWertezeilen_max && x < v.b + kRand; ++zeile) {
    if (!lauf.Weiter(zeile)) {
      abgebrochen = true;
      break;
    }
    Wertezeile(tab, w, v, zeile, x);
    // From a, not accumulated, so the last x does not drift away from b.
    x = zeile * v.dx + v.a;
  }
  return zeile - 1;
}

int Kurventabelle_schreiben(Tabelle& tab, const TKurvenvorgabe& v) {
  Tabelle_leeren(tab);
  tab.Zelle_setzen(1, 0, "    t");
  if (v.polar) {
    tab.Zelle_setzen(2, 0, "   r(t)");
  } else {
    tab.Zelle_setzen(2, 0, "   x(t)");
    tab.Zelle_setzen(3, 0, "    y(t)");
  }
  TTerm x(v.x_term), y(v.y_term);
  long double t = v.t1;
  int zeile = 1;
  // The first row is always written; the step is accumulated.
  do {
    tab.Zelle_setzen(1, zeile, Zahl(v.format, t));
    tab.Zelle_setzen(2, zeile, Termwert(x, v.format, v.k, t));
    if (!v.polar) tab.Zelle_setzen(3, zeile, Termwert(y, v.format, v.k, t));
    t += v.dt;
    ++zeile;
  } while (t < v.t2 && zeile <= kKurvenzeilen_max);
  return zeile - 1;
}

void Folgentabelle_schreiben(Tabelle& tab, bool rekursiv, const TZellformat& format, int zeilen) {
  Tabelle_leeren(tab);
  tab.Zelle_setzen(1, 0, "  n ");
  tab.Zelle_setzen(2, 0, rekursiv ? "     x(n) " : "     a(n) ");
  for (int i = 0; i < std::min(zeilen, Punkteliste_Groesse); ++i) {
    tab.Zelle_setzen(1, i + 1, Gleitkomma_Text(Punkteliste[i].x));
    tab.Zelle_setzen(2, i + 1, Zahl(format, Punkteliste[i].y));
  }
}

void Grenzwerttabelle_schreiben(Tabelle& tab, const std::string& term, long double t, long double a,
                                const std::string& a_text, const TZellformat& format) {
  Tabelle_leeren(tab);
  tab.Zelle_setzen(1, 0, "  h");
  tab.Zelle_setzen(2, 0, " ms:   f'(" + a_text + ")");
  tab.Zelle_setzen(3, 0, " ms:   f\"(" + a_text + ")");
  tab.Zelle_setzen(4, 0, " ms:   f\"'(" + a_text + ")");
  TTerm f(term);
  long double h = 0.1L;
  for (int zeile = 1; zeile <= kGrenzwertzeilen; ++zeile) {
    bool ok = false;
    tab.Zelle_setzen(1, zeile, "10^-" + std::to_string(zeile));
    long double d = Ableitung_1(f, t, a, h, ok);
    tab.Zelle_setzen(2, zeile, Wert_oder_Strich(format, d, ok));
    d = Ableitung_2(f, t, a, h, ok);
    tab.Zelle_setzen(3, zeile, Wert_oder_Strich(format, d, ok));
    d = Ableitung_3(f, t, a, h, ok);
    tab.Zelle_setzen(4, zeile, Wert_oder_Strich(format, d, ok));
    h /= 10;
  }
}

namespace {

constexpr TFarbe kRot = 0x0000FF;
constexpr TFarbe kDunkelgruen = 0x008000;

void Abstand_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, int qx, int qy, bool quadrat,
                      TFarbe farbe, int breite) {
  if (quadrat) {
    Rechteck_zeichnen(bild, x1, y1, qx, qy, farbe, farbe, 1, TStiftstil::Durchgezogen,
                      Pinsel_diagonal_vor);
  } else {
    Linie_zeichnen(bild, x1, y1, x2, y2, farbe, breite, TStiftstil::Durchgezogen);
  }
}

void Summieren(TAbstandssummen& s, long double d) {
  s.S1 += std::fabs(d);
  s.S2 += d * d;
}

int Punkte_begrenzt(int n) {
  return n < 0 ? 0 : n > Punkteliste_Groesse ? Punkteliste_Groesse : n;
}

}  // namespace

TAbstandssummen Senkrechte_Abstaende(TBild& bild, const std::string& term, long double t,
                                     const TPunkt* punkte, int n, bool quadrate, int breite) {
  TAbstandssummen s;
  TTerm f(term);
  n = Punkte_begrenzt(n);
  for (int i = 0; i < n; ++i) {
    const TPunkt& p = punkte[i];
    const long double yf = f.Wert(p.x, t);
    const int px = x_zu_Pixel(bild, p.x), py = y_zu_Pixel(bild, p.y), pf = y_zu_Pixel(bild, yf);
    Abstand_zeichnen(bild, px, py, px, pf, px + py - pf, pf, quadrate, kRot, breite);
    Summieren(s, p.y - yf);
  }
  return s;
}

TAbstandssummen Waagerechte_Abstaende(TBild& bild, const std::string& term, long double t,
                                      const TPunkt* punkte, int n, bool quadrate, int breite) {
  TAbstandssummen s;
  n = Punkte_begrenzt(n);
  for (int i = 0; i < n; ++i) {
    const TPunkt& p = punkte[i];
    bool ok = false;
    const std::string gleichung = term + "-" + Gleitkomma_Text(p.y);
    const long double xf =
        Newton_Verfahren(gleichung, t, p.x, false, Zahlentabelle, false, 9, 6, ok);
    if (!ok) continue;
    const int px = x_zu_Pixel(bild, p.x), py = y_zu_Pixel(bild, p.y), pf = x_zu_Pixel(bild, xf);
    Abstand_zeichnen(bild, px, py, pf, py, pf, py + px - pf, quadrate, kDunkelgruen, breite);
    Summieren(s, p.x - xf);
  }
  return s;
}
