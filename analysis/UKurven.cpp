#include "analysis/UKurven.h"

#include <cmath>
#include <cstdlib>

#include "analysis/UMatheTools.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "kos/U_KOS.h"
#include "platform/URechenlauf.h"

namespace {

// Samples per pass are limited to the visible part plus this margin in pixels, so that a huge
// drawing interval costs no more than the view; the margin exceeds the largest jump dot.
constexpr int kRand_Pixel = 8;
constexpr long kSchritte_hoechstens = 200000;
// Halvings of one pixel step of the integral function; deeper means a pole.
constexpr int kSimpson_Tiefe = 10;
constexpr TFarbe kWeiss = 0xFFFFFF;

// Draws the members of one curve; the term is compiled once for all their samples.
class TKurvenlauf {
 public:
  TKurvenlauf(TBild& bild, const std::string& term, int art, int modus, long double a,
              long double dx)
      : bild_(bild), term_(term), art_(art), modus_(modus), a_(a), dx_(dx) {}

  // A pass starts with the pen lifted: its first sample only moves the pen.
  void Beginnen(long double t) {
    t_ = t;
    n_ = 0;
    abgehoben_ = true;
  }
  void Zaehler_setzen(long n) { n_ = n; }
  void Integral_beginnen(long double u) {
    x_vorher_ = u;
    integral_ = 0;
    integral_ende_ = false;
  }
  bool Integral_beendet() const { return integral_ende_; }

  // One sample at x: extends the polyline, lifts the pen or marks a jump.
  void Kurvenpunkt_zeichnen(long double x) {
    bool ok = true;
    Fehler = false;
    long double y = 0;
    if (modus_ == Modus_Integralfunktion) {
      y = Integralschritt(x, ok);
    } else {
      y = Wert(x, ok);
    }
    if (!ok) Fehler = true;
    if (Fehler) {
      abgehoben_ = true;
      return;
    }
    // F is continuous; jumps of its integrand inside the integration are ordinary points.
    const bool sprung = modus_ != Modus_Integralfunktion && Sprung;
    const bool sgn_null = Sgn_Null;
    int px = 0, py = 0;
    Pixel(x, y, px, py);
    if (sprung) {
      Sprung_markieren(px, py, sgn_null);
      return;
    }
    if (abgehoben_) {
      bild_.Bewegen_nach(px, py);
      abgehoben_ = false;
    }
    const QPoint c = bild_.Stiftposition();
    const bool zu_weit = modus_ == Modus_Umkehrrelation ? std::abs(c.x() - px) >= bild_.Breite()
                                                        : std::abs(c.y() - py) >= bild_.Hoehe();
    if (zu_weit) {
      bild_.Bewegen_nach(px, py);
    } else {
      bild_.Linie_nach(px, py);
    }
  }

 private:
  long double Wert(long double x, bool& ok) {
    ok = true;
    switch (modus_) {
      case Modus_Ableitung_1:
        return Ableitung_1(term_, t_, x, 1e-7L, ok);
      case Modus_Ableitung_2:
        return Ableitung_2(term_, t_, x, 1e-5L, ok);
      case Modus_Ableitung_3:
        return Ableitung_3(term_, t_, x, 0.001L, ok);
      case Modus_Kruemmung: {
        long double r = 0, xm = 0, ym = 0;
        bool mit_radius = false;
        return Kruemmung_berechnen(term_, t_, x, 1e-5L, r, mit_radius, xm, ym, ok);
      }
      default:
        return term_.Auswerten(x, t_, ok);
    }
  }

  // F at x from the running integral: one pixel step is integrated with adaptive Simpson to a
  // relative tolerance of 0,01, the accuracy the integral function asks for. An isolated
  // undefined point (sin(x)/x at 0) is stepped around; a step that meets an undefined stretch or
  // does not settle within a bounded depth (a pole) ends F in this direction, because beyond it
  // the integral from u does not exist.
  long double Integralschritt(long double x, bool& ok) {
    ok = true;
    const long double x0 = x_vorher_;
    x_vorher_ = x;
    if (x == x0) return integral_;
    const long double xm = (x0 + x) / 2;
    long double f0 = 0, fm = 0, f1 = 0;
    long double stueck = 0;
    if (!Integrand(x0, xm, f0) || !Integrand(xm, xm, fm) || !Integrand(x, xm, f1) ||
        !Simpson(x0, x, f0, fm, f1, kSimpson_Tiefe, stueck) || !std::isfinite(stueck)) {
      ok = false;
      integral_ende_ = true;
      return 0;
    }
    integral_ += stueck;
    return integral_;
  }

  // The integrand at x; where it is undefined, once more a hair's breadth towards mitte.
  bool Integrand(long double x, long double mitte, long double& y) {
    y = term_.Wert(x, t_);
    if (!Fehler && std::isfinite(y)) return true;
    if (x == mitte) return false;
    y = term_.Wert(x + (mitte - x) * 1e-6L, t_);
    return !Fehler && std::isfinite(y);
  }

  // The tolerance belongs to the whole step and is shared out as the step is halved, so a
  // root-like end (w(x) at 0) settles while a pole does not.
  bool Simpson(long double a, long double b, long double fa, long double fm, long double fb,
               int tiefe, long double& ergebnis) {
    const long double ganz = (b - a) / 6 * (fa + 4 * fm + fb);
    const long double toleranz =
        0.01L * std::fabs(ganz) +
        1e-12L * (std::fabs(fa) + std::fabs(fm) + std::fabs(fb)) * std::fabs(b - a);
    return Simpson_Teil(a, b, fa, fm, fb, ganz, toleranz, tiefe, ergebnis);
  }

  bool Simpson_Teil(long double a, long double b, long double fa, long double fm, long double fb,
                    long double ganz, long double toleranz, int tiefe, long double& ergebnis) {
    const long double m = (a + b) / 2;
    long double fl = 0, fr = 0;
    if (!Integrand((a + m) / 2, m, fl) || !Integrand((m + b) / 2, m, fr)) return false;
    const long double links = (m - a) / 6 * (fa + 4 * fl + fm);
    const long double rechts = (b - m) / 6 * (fm + 4 * fr + fb);
    const long double summe = links + rechts;
    if (std::fabs(summe - ganz) <= toleranz) {
      ergebnis = summe + (summe - ganz) / 15;
      return true;
    }
    if (tiefe <= 0) return false;
    long double l = 0, r = 0;
    if (!Simpson_Teil(a, m, fa, fl, fm, links, toleranz / 2, tiefe - 1, l)) return false;
    if (!Simpson_Teil(m, b, fm, fr, fb, rechts, toleranz / 2, tiefe - 1, r)) return false;
    ergebnis = l + r;
    return true;
  }

  void Pixel(long double x, long double y, int& px, int& py) const {
    if (modus_ == Modus_Umkehrrelation) std::swap(x, y);
    px = x_zu_Pixel(bild_, x);
    py = y_zu_Pixel(bild_, y);
  }

  // Filled dot at the jump, open circles on the far ends, pen on the far side of the jump.
  void Sprung_markieren(int px, int py, bool sgn_null) {
    const TStift stift = bild_.Stift;
    const TFarbe c = stift.Farbe;
    const int w = art_;
    Kreis_zeichnen(bild_, px, py, 2 * w, c, c, w, TStiftstil::Durchgezogen, Pinsel_voll);
    bool ok = true;
    const long double xv = a_ + (n_ - 1) * dx_;
    long double y = Wert(xv, ok);
    int qx = 0, qy = 0;
    if (ok && !Fehler) {
      Pixel(xv, y, qx, qy);
      Kreis_zeichnen(bild_, qx, qy, 2 * w, c, kWeiss, w, TStiftstil::Durchgezogen, Pinsel_voll);
    }
    const long double xn = a_ + (n_ + 1) * dx_;
    y = Wert(xn, ok);
    // A dotted curve stays dotted after the marks.
    const QPoint pos = bild_.Stiftposition();
    bild_.Stift = stift;
    if (!ok || Fehler) {
      bild_.Bewegen_nach(pos.x(), pos.y());
      return;
    }
    Pixel(xn, y, qx, qy);
    if (sgn_null) {
      Kreis_zeichnen(bild_, qx, qy, 2 * w, c, kWeiss, w, TStiftstil::Durchgezogen, Pinsel_voll);
      bild_.Stift = stift;
    }
    bild_.Bewegen_nach(qx + 1, qy);
  }

  TBild& bild_;
  TTerm term_;
  int art_;
  int modus_;
  long double a_, dx_;
  long double t_ = 0;
  long n_ = 0;
  bool abgehoben_ = false;
  long double x_vorher_ = 0, integral_ = 0;
  bool integral_ende_ = false;
};

// Visible range of the sample variable with a margin, in world units.
void Sichtbereich(const TBild& bild, int modus, long double dx, long double& lo, long double& hi) {
  long double von = KOS.xli, bis = KOS.xre;
  int pixel = bild.Breite();
  if (modus == Modus_Umkehrrelation) {
    von = KOS.yu;
    bis = KOS.yo;
    pixel = bild.Hoehe();
  }
  const long double pixelbreite = (bis - von) / (pixel > 1 ? pixel - 1 : 1);
  const long double rand = kRand_Pixel * (pixelbreite + dx);
  lo = von - rand;
  hi = bis + rand;
}

// Where the samples of a member start: a + k0*dx is the first sample at or just left of the
// visible range. A drawing interval that starts very far left of the view is sampled on the grid
// of the view's left edge instead, since a + k*dx would lose all precision there.
void Abtastbeginn(long double a, long double lo, long double links, long double dx,
                  long double& anker, long& k0) {
  anker = a;
  k0 = 0;
  if (!(lo > a)) return;
  const long double k = std::floor((lo - a) / dx);
  if (k < 1e6L) {
    k0 = static_cast<long>(k);
    return;
  }
  anker = links;
  k0 = static_cast<long>(std::floor((lo - links) / dx));
}

// One member: samples a + k*dx below b, then b itself.
bool Glied_zeichnen(TKurvenlauf& lauf, TRechenlauf& fortschritt, int glied, long double t,
                    long double anker, long k0, long double b, long double dx, long double lo,
                    long double hi) {
  lauf.Beginnen(t);
  bool b_zeichnen = b <= hi;
  long schritte = 0;
  long k = k0;
  for (;; ++k) {
    const long double x = anker + k * dx;
    if (!(x < b)) break;
    if (x > hi || ++schritte > kSchritte_hoechstens) {
      b_zeichnen = false;
      break;
    }
    lauf.Zaehler_setzen(k);
    lauf.Kurvenpunkt_zeichnen(x);
    if ((schritte & 7) == 0 && !fortschritt.Weiter(glied)) return false;
  }
  if (b_zeichnen && b >= lo) {
    lauf.Zaehler_setzen(k);
    lauf.Kurvenpunkt_zeichnen(b);
  }
  return true;
}

// The integral function: from u to the right up to b, then from u to the left down to a.
bool Integralfunktion_zeichnen(TKurvenlauf& lauf, TRechenlauf& fortschritt, int glied,
                               long double t, long double a, long double b, long double u,
                               long double dx, long double lo, long double hi) {
  for (int richtung = 1; richtung >= -1; richtung -= 2) {
    long double x = u;
    long n = 0;
    lauf.Beginnen(t);
    lauf.Integral_beginnen(u);
    lauf.Kurvenpunkt_zeichnen(x);
    long schritte = 0;
    while (richtung > 0 ? x < b : x > a) {
      if (++schritte > kSchritte_hoechstens) break;
      if (richtung > 0 ? x > hi : x < lo) break;
      // Far outside the view one step carries the integral to the edge of the view.
      const bool weit = richtung > 0 ? x + dx < lo : x - dx > hi;
      if (weit) {
        const long double ziel = richtung > 0 ? lo : hi;
        n += richtung * static_cast<long>(std::fmin(std::fabs(ziel - x) / dx, 1e15L));
        x = ziel;
      } else {
        x += richtung * dx;
        n += richtung;
      }
      lauf.Zaehler_setzen(n);
      lauf.Kurvenpunkt_zeichnen(x);
      if (lauf.Integral_beendet()) break;
      if ((schritte & 7) == 0 && !fortschritt.Weiter(glied)) return false;
    }
  }
  return true;
}

// Members t1, t1 + dt, ... up to t2 (within 1e-10), at most grenze of them.
int Glieder_zaehlen(const TScharwerte& s, int grenze) {
  if (!s.alle_t) return 1;
  if (!std::isfinite(s.t1) || !std::isfinite(s.t2) || !std::isfinite(s.dt)) return 1;
  long double t = s.t1;
  int n = 0;
  do {
    const long double neu = t + s.dt;
    ++n;
    if (!(neu > t)) break;  // a step that does not advance draws the first member only
    t = neu;
  } while (!(t > s.t2 + 1e-10L) && n < grenze);
  return n;
}

}  // namespace

bool Scharfaerbung_moeglich(const std::string& term) {
  for (char c : term) {
    if (c == 't' || c == 'T' || c == 'k' || c == 'K') return true;
  }
  return false;
}

int Scharglieder_Anzahl(const TScharwerte& s) {
  return Glieder_zaehlen(s, kScharglieder_hoechstens);
}

bool Schar_begrenzt(const TScharwerte& s) {
  return Glieder_zaehlen(s, kScharglieder_hoechstens + 1) > kScharglieder_hoechstens;
}

bool Kurve_zeichnen(TBild& bild, const std::string& term, TFarbe farbe, int art, int modus,
                    long double a, long double b, const TScharwerte& s) {
  const bool farbig = s.alle_t && Scharfaerbung_moeglich(term);
  Linienstil_setzen(bild, farbe, art);
  const long double dx = (KOS.xre - KOS.xli) / KOS.Bildrand_rechts;
  if (!(dx > 0) || !std::isfinite(dx)) return true;
  long double lo = 0, hi = 0;
  Sichtbereich(bild, modus, dx, lo, hi);
  long double anker = a;
  long k0 = 0;
  Abtastbeginn(a, lo, modus == Modus_Umkehrrelation ? KOS.yu : KOS.xli, dx, anker, k0);
  TKurvenlauf lauf(bild, term, art, modus, anker, dx);
  const int glieder = Scharglieder_Anzahl(s);
  // Progress counts the members drawn.
  TRechenlauf fortschritt("Grafik wird gezeichnet ...", glieder);
  long double t = s.t1;
  for (int i = 0; i < glieder; ++i) {
    if (farbig) bild.Stift.Farbe = Farbe_nach_Nummer(i);
    const bool weiter =
        modus == Modus_Integralfunktion
            ? Integralfunktion_zeichnen(lauf, fortschritt, i, t, a, b, s.u, dx, lo, hi)
            : Glied_zeichnen(lauf, fortschritt, i, t, anker, k0, b, dx, lo, hi);
    if (!weiter || !fortschritt.Weiter(i + 1)) return false;
    t += s.dt;
  }
  return true;
}

void Senkrechte_zeichnen(TBild& bild, const std::string& text, TFarbe farbe, int art) {
  const long double x = Term_auswerten(text, 0, 0);
  Linienstil_setzen(bild, farbe, art);
  const int px = x_zu_Pixel(bild, x);
  bild.Bewegen_nach(px, 0);
  bild.Linie_nach(px, bild.Hoehe());
}

long double Schieberegler_Wert(int position, long double t1, long double t2) {
  return position / 100.0L * (t2 - t1) + t1;
}
