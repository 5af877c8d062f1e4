#include "analysis/UMatheTools.h"

#include <cmath>
#include <string>

#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "platform/Dialoge.h"
#include "platform/URechenlauf.h"
#include "table/UStringGrid.h"

namespace {

constexpr long double kFehlwert = 1E100L;

// The doubling loops stop here at the latest: a pass with more points than this is not started,
// so a tolerance the arithmetic cannot reach or an integrand that never settles ends as a
// failure within a few million evaluations.
constexpr long kPunkte_hoechstens = 1L << 21;
// The adaptive rule ends as a failure when it would need more pieces or finer halving.
constexpr long kStuecke_hoechstens = 200000;
constexpr int kTiefe_hoechstens = 60;
// Polling the window for a cancel request costs something; short passes skip it.
constexpr long kAbfrage_ab_Punkten = 6400;
// The arc length refines up to this many chords. Its passes ask for Escape after every chord
// while they are short and after every kBogen_Abfrage_alle chords beyond, and report progress
// every kBogen_Fortschritt_alle chords, so the window answers at once even in a pass of 2^29.
constexpr long kBogen_Sehnen_hoechstens = (1L << 30) - 1;
constexpr long kBogen_jede_Sehne_bis = 1L << 16;
constexpr long kBogen_Abfrage_alle = 256;
constexpr long kBogen_Fortschritt_alle = 1L << 16;

// One function value; false when it is undefined.
bool Wert(TTerm& term, long double t, long double x, long double& y) {
  y = term.Wert(x, t);
  return !Fehler;
}

// Share of the doubling ladder from start_n to hoechstens that n has climbed; teil is the part
// of the pass with n points already done.
int Anteil(long n, long start_n, long hoechstens = kPunkte_hoechstens, double teil = 0) {
  const double gesamt = std::log2(static_cast<double>(hoechstens) / start_n);
  const double erreicht = std::log2(static_cast<double>(n) / start_n) + teil;
  return gesamt > 0 ? static_cast<int>(100 * erreicht / gesamt) : 100;
}

bool Endlich(long double v) {
  return std::isfinite(v);
}

// Derivative of the given order; the three share the side rules and differ in their stencils.
long double Ableitung(int ordnung, TTerm& term, long double t, long double x, long double h,
                      bool& ok) {
  ok = false;
  auto y_an = [&](int k, long double& y) { return Wert(term, t, x + k * h, y); };
  long double y0 = 0;
  if (!y_an(0, y0) || Knick || Sgn_Null) return 0;

  bool vorwaerts = true, rueckwaerts = true;
  long double y1 = 0, y2 = 0, y3 = 0, y4 = 0, ym1 = 0, ym2 = 0, ym3 = 0, ym4 = 0;
  if (ordnung == 1) {
    if (!y_an(1, y1)) {
      vorwaerts = false;
    } else if (std::fabs((y1 - y0) / h) > 200) {
      return 0;
    }
    if (!y_an(-1, ym1)) {
      rueckwaerts = false;
    } else if (std::fabs((ym1 - y0) / h) > 200) {
      return 0;
    }
  } else if (ordnung == 2) {
    vorwaerts = y_an(1, y1);
    rueckwaerts = y_an(-1, ym1);
  } else {
    vorwaerts = y_an(1, y1);
    if (vorwaerts) vorwaerts = y_an(2, y2);
    rueckwaerts = y_an(-1, ym1);
    if (rueckwaerts) rueckwaerts = y_an(-2, ym2);
  }

  long double d = 0;
  if (vorwaerts && rueckwaerts) {
    if (ordnung == 1) d = (y1 - ym1) / 2 / h;
    if (ordnung == 2) d = (y1 - 2 * y0 + ym1) / h / h;
    if (ordnung == 3) d = (y2 - 2 * y1 + 2 * ym1 - ym2) / h / h / h / 2;
  } else if (vorwaerts) {
    if (ordnung == 1) {
      if (!y_an(2, y2)) return 0;
      d = (4 * y1 - 3 * y0 - y2) / 2 / h;
    } else if (ordnung == 2) {
      if (!y_an(2, y2) || !y_an(3, y3)) return 0;
      d = (4 * y2 - y3 - 5 * y1 + 2 * y0) / h / h;
    } else {
      if (!y_an(3, y3) || !y_an(4, y4)) return 0;
      d = (-3 * y4 + 14 * y3 - 24 * y2 + 18 * y1 - 5 * y0) / 2 / h / h / h;
    }
  } else if (rueckwaerts) {
    if (ordnung == 1) {
      if (!y_an(-2, ym2)) return 0;
      d = (-4 * ym1 + 3 * y0 + ym2) / 2 / h;
    } else if (ordnung == 2) {
      if (!y_an(-2, ym2) || !y_an(-3, ym3)) return 0;
      d = (4 * ym2 - ym3 - 5 * ym1 + 2 * y0) / h / h;
    } else {
      if (!y_an(-3, ym3) || !y_an(-4, ym4)) return 0;
      d = (3 * ym4 - 14 * ym3 + 24 * ym2 - 18 * ym1 + 5 * y0) / 2 / h / h / h;
    }
  } else {
    return 0;
  }
  if (!Endlich(d)) return kFehlwert;
  ok = true;
  return d;
}

// Orders the bounds; returns the sign the result over [lo, hi] must get.
int Grenzen_ordnen(long double a, long double b, long double& lo, long double& hi) {
  lo = a < b ? a : b;
  hi = a < b ? b : a;
  return a < b ? 1 : -1;
}

// Sum of f at n points start, start + h, ... (abscissae by repeated addition).
// betrag, when given, also collects the sum of the absolute values.
bool Punktsumme(TTerm& term, long double t, long double start, long double h, long n,
                long double& summe, long double* betrag = nullptr) {
  summe = 0;
  long double x = start;
  for (long i = 0; i < n; ++i) {
    long double y = 0;
    if (!Wert(term, t, x, y)) return false;
    summe += y;
    if (betrag) *betrag += std::fabs(y);
    x += h;
  }
  return true;
}

// Cancel request of the user, asked only on passes long enough to matter.
bool Abgebrochen(TRechenlauf& lauf, long n) {
  return n >= kAbfrage_ab_Punkten && lauf.Abgebrochen();
}

// Over an empty interval every integral and length is 0 and valid; otherwise ok starts false.
bool Leeres_Intervall(long double a, long double b, bool& ok) {
  ok = a == b;
  return ok;
}

// The refinement shared by the composite rules: passes with start_n, 2 start_n, ... points until
// a result differs from the one before by at most eps relative to itself. durchgang(n, I) gives
// the result of the pass with n points, false where the term is undefined; the result gets the
// sign vorzeichen.
// A pass also reports the integral of |f|: where positive and negative parts cancel to (nearly)
// 0, a purely relative test would never be met, so a change far below the size of |f| counts as
// converged too.
template <class Durchgang>
long double Verdoppeln(long start_n, long double vorher, long double eps, int vorzeichen,
                       Durchgang durchgang, bool& ok) {
  ok = false;
  TRechenlauf lauf("Integral wird berechnet ...");
  for (long n = start_n; n <= kPunkte_hoechstens; n *= 2) {
    long double I = 0, betrag = 0;
    if (!durchgang(n, I, betrag) || !Endlich(I)) return 0;
    const long double aenderung = std::fabs(vorher - I);
    if (std::fabs(eps * I) >= aenderung || aenderung <= std::fabs(eps) * 1E-9L * betrag) {
      ok = true;
      return vorzeichen * I;
    }
    vorher = I;
    lauf.Melden(Anteil(n, start_n));
    if (Abgebrochen(lauf, n)) return 0;
  }
  return 0;
}

// ---- Gauss-Kronrod ---------------------------------------------------------------------------

struct TGauss_Kronrod {
  TTerm& term;
  long double t;
  long double tau;
  long double g = 1 / std::sqrt(3.0L);
  long double s = std::sqrt(6.0L / 7.0L);
  long stuecke = 0;
  TRechenlauf lauf{"Integral wird berechnet ..."};

  // A node where the term is undefined is tried once more a little towards the centre, so an
  // isolated gap such as 0 in sin(x)/x does not spoil the integral.
  bool Knoten(long double x, long double richtung, long double& y) {
    if (Wert(term, t, x, y)) return true;
    Fehler = false;
    return Wert(term, t, x + richtung * 1E-8L, y);
  }

  bool Stueck(long double l, long double r, int tiefe, long double& wert) {
    if (++stuecke > kStuecke_hoechstens || tiefe > kTiefe_hoechstens) return false;
    if (stuecke % 4096 == 0) {
      lauf.Melden(static_cast<int>(100 * stuecke / kStuecke_hoechstens));
      if (lauf.Abgebrochen()) return false;
    }
    const long double z = (l + r) / 2, d = (r - l) / 2;
    long double gl = 0, gr = 0, sl = 0, sr = 0, m = 0;
    if (!Knoten(z - d * g, 1, gl) || !Knoten(z + d * g, -1, gr) || !Knoten(z - d * s, 1, sl) ||
        !Knoten(z + d * s, -1, sr) || !Knoten(z, -1, m)) {
      return false;
    }
    const long double G = d * (gl + gr);
    const long double K = d * (98 * (sl + sr) + 243 * (gl + gr) + 308 * m) / 495;
    const long double abstand = std::fabs(K - G);
    if (!Endlich(abstand)) return false;
    if (abstand <= tau) {
      wert = K;
      return true;
    }
    // A difference beyond 1/tau is taken as a sign that the integral diverges.
    if (abstand > 1 / tau) return false;
    // Halving stops where the halves would no longer differ from the piece in the arithmetic.
    if (!(l < z && z < r)) return false;
    long double links = 0, rechts = 0;
    if (!Stueck(l, z, tiefe + 1, links) || !Stueck(z, r, tiefe + 1, rechts)) return false;
    wert = links + rechts;
    return true;
  }
};

}  // namespace

bool Ist_Null(long double x) {
  return std::fabs(x) < 1E-12L;
}
bool Ist_kleiner(long double p, long double q) {
  return q - p > 1E-12L;
}

long double Ableitung_1(TTerm& term, long double t, long double x, long double h, bool& ok) {
  return Ableitung(1, term, t, x, h, ok);
}

long double Ableitung_2(TTerm& term, long double t, long double x, long double h, bool& ok) {
  return Ableitung(2, term, t, x, h, ok);
}

long double Ableitung_3(TTerm& term, long double t, long double x, long double h, bool& ok) {
  return Ableitung(3, term, t, x, h, ok);
}

long double Tangente_berechnen(TTerm& term, long double t, long double x0, long double& n,
                               long double& y0, bool& ok) {
  ok = false;
  if (!Wert(term, t, x0, y0)) return 0;
  const long double m = Ableitung_1(term, t, x0, 5E-8L, ok);
  if (!ok) return 0;
  n = y0 - x0 * m;
  ok = Endlich(n);
  return m;
}

long double Tangente_Kurve_berechnen(TTerm& x_term, TTerm& y_term, long double t0, long double x,
                                     long double& n, long double& x0, long double& y0, bool& ok) {
  ok = false;
  constexpr long double schritt = 1E-7L;
  // In curve terms x is the family value and t the curve parameter.
  auto kurve = [&](TTerm& term, long double t, long double& v) {
    v = term.Wert(x, t);
    return !Fehler;
  };
  long double xs = 0, ys = 0;
  if (!kurve(x_term, t0, x0) || !kurve(y_term, t0, y0)) return 0;
  if (!kurve(y_term, t0 + schritt, ys) || !kurve(x_term, t0 + schritt, xs)) return 0;
  const long double dY = (ys - y0) / schritt;
  const long double dX = (xs - x0) / schritt;
  if (dX == 0) return 0;
  const long double m = dY / dX;
  n = y0 - m * x0;
  ok = Endlich(m) && Endlich(n);
  return m;
}

long double Kruemmung_berechnen(TTerm& term, long double t, long double x, long double h,
                                long double& r, bool& mit_radius, long double& xm, long double& ym,
                                bool& ok) {
  ok = false;
  mit_radius = false;
  long double y = 0;
  if (!Wert(term, t, x, y)) return 0;
  const long double d1 = Ableitung_1(term, t, x, h, ok);
  if (!ok) return 0;
  const long double d2 = Ableitung_2(term, t, x, h, ok);
  if (!ok) return 0;
  ok = false;
  const long double w = 1 + d1 * d1;
  const long double wurzel = std::sqrt(w);
  const long double k = d2 / (wurzel * wurzel * wurzel);
  if (!Endlich(k)) return 0;
  ok = true;
  if (k == 0) return 0;  // a straight piece: no circle
  r = std::fabs(1 / k);
  xm = x - w * d1 / d2;
  ym = y + w / d2;
  mit_radius = Endlich(r) && Endlich(xm) && Endlich(ym);
  return k;
}

long double Integral_Trapez(TTerm& term, long double t, long double a, long double b,
                            long double eps, bool& ok) {
  if (Leeres_Intervall(a, b, ok)) return 0;
  long double lo = 0, hi = 0;
  const int vorzeichen = Grenzen_ordnen(a, b, lo, hi);
  long double ya = 0, yb = 0;
  if (!Wert(term, t, lo, ya) || !Wert(term, t, hi, yb)) return 0;
  const long double E = ya + yb;
  const auto durchgang = [&](long n, long double& I, long double& betrag) {
    const long double h = (hi - lo) / n;
    long double S = 0, B = (std::fabs(ya) + std::fabs(yb)) / 2;
    if (!Punktsumme(term, t, lo + h, h, n - 1, S, &B)) return false;
    I = h * (E / 2 + S);
    betrag = h * B;
    return true;
  };
  return Verdoppeln(100, E, eps, vorzeichen, durchgang, ok);
}

long double Integral_Mittelpunkt(TTerm& term, long double t, long double a, long double b,
                                 long double eps, bool& ok) {
  if (Leeres_Intervall(a, b, ok)) return 0;
  long double lo = 0, hi = 0;
  const int vorzeichen = Grenzen_ordnen(a, b, lo, hi);
  const auto durchgang = [&](long n, long double& I, long double& betrag) {
    const long double h = (hi - lo) / n;
    long double S = 0, B = 0;
    if (!Punktsumme(term, t, lo + h / 2, h, n, S, &B)) return false;
    I = h * S;
    betrag = h * B;
    return true;
  };
  return Verdoppeln(100, 0, eps, vorzeichen, durchgang, ok);
}

long double Integral_Simpson(TTerm& term, long double t, long double a, long double b,
                             long double eps, bool& ok) {
  if (Leeres_Intervall(a, b, ok)) return 0;
  long double lo = 0, hi = 0;
  const int vorzeichen = Grenzen_ordnen(a, b, lo, hi);
  long double fa = 0, fb = 0;
  if (!Wert(term, t, lo, fa) || !Wert(term, t, hi, fb)) return 0;
  // Each pass keeps the trapezoid sum of the one before and adds only the new midpoints.
  long double T = (fa + fb) / 2, T_betrag = (std::fabs(fa) + std::fabs(fb)) / 2;
  const auto durchgang = [&](long n, long double& I, long double& betrag) {
    const long double h = (hi - lo) / n;
    long double M = 0, M_betrag = 0;
    for (long k = 0; k < n; ++k) {
      long double y = 0;
      if (!Wert(term, t, lo + h / 2 + k * h, y)) return false;
      M += y;
      M_betrag += std::fabs(y);
    }
    T += M;
    T_betrag += M_betrag;
    I = h * (M + T) / 3;
    betrag = h * (M_betrag + T_betrag) / 3;
    return true;
  };
  return Verdoppeln(1, 0, eps, vorzeichen, durchgang, ok);
}

long double Integral_Gauss_Kronrod(TTerm& term, long double t, long double a, long double b,
                                   long double eps, bool& ok) {
  if (Leeres_Intervall(a, b, ok)) return 0;
  long double lo = 0, hi = 0;
  const int vorzeichen = Grenzen_ordnen(a, b, lo, hi);
  const long double tau = std::fabs(eps) / (hi - lo);
  // A tolerance of 0 could only be met by chance; 1/tau would not even be a number.
  if (!(tau > 0) || !Endlich(1 / tau)) return 0;
  TGauss_Kronrod gk{term, t, tau};
  long double I = 0;
  if (!gk.Stueck(lo, hi, 0, I) || !Endlich(I)) return 0;
  ok = true;
  return vorzeichen * I;
}

long double Trapezsumme(TTerm& term, long double t, long double unten, long double oben,
                        long double h, bool& ok) {
  ok = false;
  const long double anzahl = std::round((oben - unten) / h);
  if (!(h > 0) || !(anzahl >= 0) || anzahl > kPunkte_hoechstens) return 0;
  const long n = static_cast<long>(anzahl);
  long double fu = 0, fo = 0, S = 0;
  if (!Wert(term, t, unten, fu) || !Wert(term, t, oben, fo)) return 0;
  if (!Punktsumme(term, t, unten + h, h, n - 1, S)) return 0;
  const long double T = h * ((fu + fo) / 2 + S);
  ok = Endlich(T);
  return T;
}

long double Romberg_Schema(TTerm& term, long double t, long double a, long double b,
                           long double eps, bool zeigen, Tabelle& tabelle, bool fix, int G, int N,
                           bool& ok) {
  if (Leeres_Intervall(a, b, ok)) return 0;
  long double lo = 0, hi = 0;
  const int vorzeichen = Grenzen_ordnen(a, b, lo, hi);
  Tabelle::Sammler sammler(tabelle);
  auto schreiben = [&](int spalte, int zeile, long double v) {
    if (zeigen) tabelle.Zelle_setzen(spalte, zeile, Zahl_zu_Text(fix, G, N, v));
  };
  constexpr int kStufen = 10;
  long double R[kStufen][kStufen] = {};
  long double h = hi - lo;
  bool teil_ok = false;
  R[0][0] = Trapezsumme(term, t, lo, hi, h, teil_ok);
  if (!teil_ok) return 0;
  schreiben(1, 1, R[0][0]);
  for (int k = 1; k < kStufen; ++k) {
    h /= 2;
    R[0][k] = Trapezsumme(term, t, lo, hi, h, teil_ok);
    if (!teil_ok) return 0;
    schreiben(k + 1, 1, R[0][k]);
    long double vier_hoch_j = 1;
    for (int j = 1; j <= k; ++j) {
      vier_hoch_j *= 4;
      const int m = k - j;
      R[j][m] = (vier_hoch_j * R[j - 1][m + 1] - R[j - 1][m]) / (vier_hoch_j - 1);
      schreiben(m + 1, j + 1, R[j][m]);
    }
    if (!Endlich(R[k][0])) return 0;
    if (std::fabs(R[k][0] - R[k - 1][1]) < std::fabs(eps)) {
      ok = true;
      return vorzeichen * R[k][0];
    }
  }
  // Nine passes without the two best values agreeing: the result is not to be trusted.
  return vorzeichen * R[kStufen - 1][0];
}

long double Bogenlaenge_berechnen(TTerm& term, long double t, long double a, long double b,
                                  long double eps, bool& ok) {
  if (Leeres_Intervall(a, b, ok)) return 0;
  long double lo = 0, hi = 0;
  const int vorzeichen = Grenzen_ordnen(a, b, lo, hi);
  Dialog().Meldung("Berechnung der Bogenlänge\r\rAbbruch mit <ESC> möglich !");
  // Started after the notice, so the Escape that closes it does not cancel the computation.
  TRechenlauf lauf("Bogenlänge wird berechnet ...");
  long double L_vorher = 0;
  for (long n = 1;; n *= 2) {
    if (n > kBogen_Sehnen_hoechstens) {
      Dialog().Meldung("n = " + std::to_string(n) + " ist zu groß ! ");
      return 0;
    }
    const long double h = (hi - lo) / n;
    long double x = lo, y_alt = 0;
    if (!Wert(term, t, x, y_alt)) return 0;
    long double L = 0;
    for (long k = 1; k <= n; ++k) {
      x = k == n ? hi : x + h;
      long double y = 0;
      if (!Wert(term, t, x, y)) return 0;
      const long double dy = y - y_alt;
      L += std::sqrt(dy * dy + h * h);
      y_alt = y;
      if (k % kBogen_Fortschritt_alle == 0)
        lauf.Melden(Anteil(n, 1, kBogen_Sehnen_hoechstens, static_cast<double>(k) / n));
      const bool fragen = n <= kBogen_jede_Sehne_bis || k % kBogen_Abfrage_alle == 0;
      if (k > 1 && k < n && fragen && lauf.Abbruch_bestaetigt("Wirklich abbrechen?")) return 0;
    }
    if (!Endlich(L)) return 0;
    if (std::fabs(eps * L) >= std::fabs(L_vorher - L)) {
      ok = true;
      return vorzeichen * L;
    }
    L_vorher = L;
    lauf.Melden(Anteil(n, 1, kBogen_Sehnen_hoechstens));
  }
}

long double Min_Max_Stelle(TTerm& term, long double t, long double a, long double b, int n,
                           long double& x_max) {
  long double x_min = a;
  x_max = a;
  if (n <= 0) return a;
  const long double schritt = (b - a) / n;
  long double y_min = term.Wert(a, t);
  long double y_max = y_min;
  for (int i = 1; i <= n; ++i) {
    const long double x = a + i * schritt;
    const long double y = term.Wert(x, t);
    if (Ist_kleiner(y, y_min)) {
      x_min = x;
      y_min = y;
    }
    if (Ist_kleiner(y_max, y)) {
      x_max = x;
      y_max = y;
    }
  }
  return x_min;
}

long double Newton_Verfahren(TTerm& term, long double t, long double x0, bool verfolgen,
                             Tabelle& tabelle, bool fix, int G, int N, bool& ok) {
  ok = false;
  Tabelle::Sammler sammler(tabelle);
  auto zelle = [&](int spalte, int zeile, const std::string& text) {
    if (verfolgen) tabelle.Zelle_setzen(spalte, zeile, text);
  };
  zelle(1, 1, " i = 0");
  zelle(2, 1, Zahl_zu_Text(fix, G, N, x0));
  long double x = x0;
  constexpr int kSchritte = 150;
  int i = 0;
  long double delta = 0;
  do {
    ++i;
    zelle(1, i + 1, " i = " + std::to_string(i));
    long double y = 0;
    bool abl_ok = false;
    const long double m = Wert(term, t, x, y) ? Ableitung_1(term, t, x, 1E-7L, abl_ok) : 0;
    delta = abl_ok && m != 0 ? y / m : 0;
    if (!abl_ok || m == 0 || !Endlich(delta)) {
      zelle(2, i + 1, "Abbruch !");
      return x0;
    }
    x -= delta;
    zelle(2, i + 1, Zahl_zu_Text(fix, G, N, x));
  } while (std::fabs(delta) >= 1E-10L && i <= kSchritte);
  if (i > kSchritte) return x0;
  ok = true;
  zelle(2, i + 2, " (Lösung)");
  return x;
}

// ---- The same on a term text, compiled once per call ----------------------------------------

namespace {

// A tool asks for one result after another on the same text: the last compiled form is reused.
// The copy shares it, so a nested call on another text cannot change a term in use.
TTerm Uebersetzt(const std::string& term) {
  static TTerm letzter;
  if (letzter.Text() != term) letzter = TTerm(term);
  return letzter;
}

}  // namespace

long double Ableitung_1(const std::string& term, long double t, long double x, long double h,
                        bool& ok) {
  TTerm f = Uebersetzt(term);
  return Ableitung_1(f, t, x, h, ok);
}

long double Ableitung_2(const std::string& term, long double t, long double x, long double h,
                        bool& ok) {
  TTerm f = Uebersetzt(term);
  return Ableitung_2(f, t, x, h, ok);
}

long double Ableitung_3(const std::string& term, long double t, long double x, long double h,
                        bool& ok) {
  TTerm f = Uebersetzt(term);
  return Ableitung_3(f, t, x, h, ok);
}

long double Tangente_berechnen(const std::string& term, long double t, long double x0,
                               long double& n, long double& y0, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Tangente_berechnen(f, t, x0, n, y0, ok);
}

long double Tangente_Kurve_berechnen(const std::string& x_term, const std::string& y_term,
                                     long double t0, long double x, long double& n, long double& x0,
                                     long double& y0, bool& ok) {
  TTerm X = Uebersetzt(x_term);
  TTerm Y(y_term);
  return Tangente_Kurve_berechnen(X, Y, t0, x, n, x0, y0, ok);
}

long double Kruemmung_berechnen(const std::string& term, long double t, long double x,
                                long double h, long double& r, bool& mit_radius, long double& xm,
                                long double& ym, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Kruemmung_berechnen(f, t, x, h, r, mit_radius, xm, ym, ok);
}

long double Integral_Trapez(const std::string& term, long double t, long double a, long double b,
                            long double eps, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Integral_Trapez(f, t, a, b, eps, ok);
}

long double Integral_Mittelpunkt(const std::string& term, long double t, long double a,
                                 long double b, long double eps, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Integral_Mittelpunkt(f, t, a, b, eps, ok);
}

long double Integral_Simpson(const std::string& term, long double t, long double a, long double b,
                             long double eps, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Integral_Simpson(f, t, a, b, eps, ok);
}

long double Integral_Gauss_Kronrod(const std::string& term, long double t, long double a,
                                   long double b, long double eps, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Integral_Gauss_Kronrod(f, t, a, b, eps, ok);
}

long double Trapezsumme(const std::string& term, long double t, long double unten, long double oben,
                        long double h, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Trapezsumme(f, t, unten, oben, h, ok);
}

long double Romberg_Schema(const std::string& term, long double t, long double a, long double b,
                           long double eps, bool zeigen, Tabelle& tabelle, bool fix, int G, int N,
                           bool& ok) {
  TTerm f = Uebersetzt(term);
  return Romberg_Schema(f, t, a, b, eps, zeigen, tabelle, fix, G, N, ok);
}

long double Bogenlaenge_berechnen(const std::string& term, long double t, long double a,
                                  long double b, long double eps, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Bogenlaenge_berechnen(f, t, a, b, eps, ok);
}

long double Min_Max_Stelle(const std::string& term, long double t, long double a, long double b,
                           int n, long double& x_max) {
  TTerm f = Uebersetzt(term);
  return Min_Max_Stelle(f, t, a, b, n, x_max);
}

long double Newton_Verfahren(const std::string& term, long double t, long double x0, bool verfolgen,
                             Tabelle& tabelle, bool fix, int G, int N, bool& ok) {
  TTerm f = Uebersetzt(term);
  return Newton_Verfahren(f, t, x0, verfolgen, tabelle, fix, G, N, ok);
}
