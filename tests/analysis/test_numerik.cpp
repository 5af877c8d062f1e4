// The numerical core against mathematics: derivatives, tangents, curvature, integrals, arc
// length, sampled extremes and Newton's method, including the ways each of them fails.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "analysis/UMatheTools.h"
#include "engine/UFunktionsParser.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"

namespace {

constexpr long double kPiL = std::numbers::pi_v<long double>;

double Dbl(long double x) {
  return static_cast<double>(x);
}

// ---- derivatives -----------------------------------------------------------------------------

using Ableitungsfunktion = long double (*)(const std::string&, long double, long double,
                                           long double, bool&);

struct AbleitungsFall {
  int ordnung;
  const char* term;
  long double x;
  long double h;
  long double erwartet;
  double toleranz;
};

Ableitungsfunktion Ableitung_der_Ordnung(int ordnung) {
  if (ordnung == 1) return Ableitung_1;
  if (ordnung == 2) return Ableitung_2;
  return Ableitung_3;
}

TEST(Ableitung, stimmt_mit_der_Analysis_ueberein) {
  const AbleitungsFall faelle[] = {
      // central quotients
      {1, "x^3", 2, 1E-5L, 12, 1E-8},
      {2, "x^3", 2, 1E-4L, 12, 1E-6},
      {3, "x^3", 2, 1E-3L, 6, 1E-5},
      {1, "x^4-2x", -1, 1E-5L, -6, 1E-8},
      {2, "x^4-2x", -1, 1E-4L, 12, 1E-6},
      {3, "x^4-2x", -1, 1E-3L, -24, 1E-5},
      {1, "sin(x)", 1, 1E-5L, std::cos(1.0L), 1E-9},
      {2, "sin(x)", 1, 1E-4L, -std::sin(1.0L), 1E-6},
      {3, "sin(x)", 1, 1E-3L, -std::cos(1.0L), 1E-5},
      {1, "w(x)", 1, 1E-7L, 0.5L, 1E-6},
      // left edge of the domain: forward formulas, exact for these polynomials
      {1, "x^2+0*w(x)", 0, 1E-3L, 0, 1E-9},
      {2, "x^2+0*w(x)", 0, 1E-3L, 2, 1E-6},
      {3, "x^3+0*w(x)", 0, 1E-2L, 6, 1E-6},
      {1, "x*w(x)", 0, 1E-7L, 0, 1E-3},
      // right edge of the domain: backward formulas
      {1, "x^2+0*w(1-x)", 1, 1E-3L, 2, 1E-9},
      {2, "x^2+0*w(1-x)", 1, 1E-3L, 2, 1E-6},
      {3, "x^3+0*w(1-x)", 1, 1E-2L, 6, 1E-6},
  };
  for (const auto& f : faelle) {
    bool ok = false;
    const long double d = Ableitung_der_Ordnung(f.ordnung)(f.term, 1, f.x, f.h, ok);
    ASSERT_TRUE(ok) << f.term << " Ordnung " << f.ordnung;
    EXPECT_NEAR(Dbl(d), Dbl(f.erwartet), f.toleranz) << f.term << " Ordnung " << f.ordnung;
  }
}

TEST(Ableitung, scheitert_an_Knick_Steilheit_und_Definitionsluecken) {
  struct {
    int ordnung;
    const char* term;
    long double x, h;
  } faelle[] = {
      {1, "abs(x)", 0, 1E-7L},      // kink
      {2, "abs(x)", 0, 1E-5L},      // kink, whatever the order
      {1, "sgn(x)", 0, 1E-7L},      // sign at zero
      {1, "w(x)", 0, 1E-7L},        // backward undefined, forward quotient above 200
      {1, "300x", 0, 1E-7L},        // both quotients above 200
      {1, "ln(x)", 0, 1E-7L},       // undefined at the point itself
      {1, "w(x)+w(-x)", 0, 1E-7L},  // neither side usable
      {2, "w(x)+w(-x)", 0, 1E-5L},
      {3, "w(x)+w(-x)", 0, 1E-3L},
      // only the forward side is usable, and its third point lies outside the domain
      {2, "x^2+0*w(x)+0*w(0,0025-x)", 0, 1E-3L},
      {3, "x^3+0*w(x)+0*w(0,0035-x)", 0, 1E-3L},
  };
  for (const auto& f : faelle) {
    bool ok = true;
    Ableitung_der_Ordnung(f.ordnung)(f.term, 1, f.x, f.h, ok);
    EXPECT_FALSE(ok) << f.term << " Ordnung " << f.ordnung;
  }
}

// ---- tangents and curvature ------------------------------------------------------------------

TEST(Tangente, an_den_Graphen) {
  long double n = 0, y0 = 0;
  bool ok = false;
  const long double m = Tangente_berechnen("x^2", 1, 3, n, y0, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(m), 6, 1E-8);
  EXPECT_NEAR(Dbl(n), -9, 1E-7);
  EXPECT_NEAR(Dbl(y0), 9, 1E-15);

  Tangente_berechnen("ln(x)", 1, 0, n, y0, ok);
  EXPECT_FALSE(ok);
  Tangente_berechnen("abs(x)", 1, 0, n, y0, ok);
  EXPECT_FALSE(ok);
}

TEST(Tangente, an_eine_Parameterkurve) {
  long double n = 0, x0 = 0, y0 = 0;
  bool ok = false;
  // circle of radius x = 2 at the angle pi/4: slope -1 through (sqrt 2, sqrt 2)
  const long double m =
      Tangente_Kurve_berechnen("x*cos(t)", "x*sin(t)", kPiL / 4, 2, n, x0, y0, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(x0), Dbl(std::sqrt(2.0L)), 1E-15);
  EXPECT_NEAR(Dbl(y0), Dbl(std::sqrt(2.0L)), 1E-15);
  EXPECT_NEAR(Dbl(m), -1, 1E-6);
  EXPECT_NEAR(Dbl(n), Dbl(2 * std::sqrt(2.0L)), 1E-5);

  // a vertical tangent: X does not move
  Tangente_Kurve_berechnen("1", "t", 0, 1, n, x0, y0, ok);
  EXPECT_FALSE(ok);
  Tangente_Kurve_berechnen("ln(t)", "t", 0, 1, n, x0, y0, ok);
  EXPECT_FALSE(ok);
}

TEST(Kruemmung, Parabel_Kreis_und_Gerade) {
  long double r = 0, xm = 0, ym = 0;
  bool mit_radius = false, ok = false;

  long double k = Kruemmung_berechnen("x^2", 1, 0, 1E-4L, r, mit_radius, xm, ym, ok);
  ASSERT_TRUE(ok);
  ASSERT_TRUE(mit_radius);
  EXPECT_NEAR(Dbl(k), 2, 1E-6);
  EXPECT_NEAR(Dbl(r), 0.5, 1E-6);
  EXPECT_NEAR(Dbl(xm), 0, 1E-6);
  EXPECT_NEAR(Dbl(ym), 0.5, 1E-6);

  // upper half of the circle of radius 2 about the origin bends to the right
  k = Kruemmung_berechnen("w(4-x^2)", 1, 1, 1E-4L, r, mit_radius, xm, ym, ok);
  ASSERT_TRUE(ok);
  ASSERT_TRUE(mit_radius);
  EXPECT_NEAR(Dbl(k), -0.5, 1E-5);
  EXPECT_NEAR(Dbl(r), 2, 1E-4);
  EXPECT_NEAR(Dbl(xm), 0, 1E-4);
  EXPECT_NEAR(Dbl(ym), 0, 1E-4);

  k = Kruemmung_berechnen("2x+1", 1, 1, 1.0L / 1024, r, mit_radius, xm, ym, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(k, 0);
  EXPECT_FALSE(mit_radius);

  Kruemmung_berechnen("ln(x)", 1, -1, 1E-4L, r, mit_radius, xm, ym, ok);
  EXPECT_FALSE(ok);
  Kruemmung_berechnen("abs(x)", 1, 0, 1E-4L, r, mit_radius, xm, ym, ok);
  EXPECT_FALSE(ok);
}

// ---- integrals -------------------------------------------------------------------------------

using Integralfunktion = long double (*)(const std::string&, long double, long double, long double,
                                         long double, bool&);

long double Romberg_ohne_Tabelle(const std::string& term, long double t, long double a,
                                 long double b, long double eps, bool& ok) {
  Tabelle tabelle;
  return Romberg_Schema(term, t, a, b, eps, false, tabelle, false, 9, 6, ok);
}

struct Verfahren {
  const char* name;
  Integralfunktion f;
};

const Verfahren kVerfahren[] = {{"Trapez", Integral_Trapez},
                                {"Mittelpunkt", Integral_Mittelpunkt},
                                {"Simpson", Integral_Simpson},
                                {"Gauss-Kronrod", Integral_Gauss_Kronrod},
                                {"Romberg", Romberg_ohne_Tabelle}};

TEST(Integral, alle_Verfahren_treffen_die_Stammfunktion) {
  const long double e = std::numbers::e_v<long double>;
  struct {
    const char* term;
    long double a, b, wert;
  } faelle[] = {{"x^2", 0, 1, 1.0L / 3}, {"x^2", 1, 0, -1.0L / 3}, {"x^2", 2, 2, 0},
                {"sin(x)", 0, kPiL, 2},  {"exp(x)", 0, 1, e - 1},  {"1/x", 1, e, 1},
                {"3x^2-2x+1", -1, 2, 9}, {"t*x", 0, 2, 2 * 1.5L}};
  for (const auto& v : kVerfahren) {
    for (const auto& f : faelle) {
      bool ok = false;
      const long double t = std::string(f.term) == "t*x" ? 1.5L : 0;
      const long double I = v.f(f.term, t, f.a, f.b, 1E-8L, ok);
      ASSERT_TRUE(ok) << v.name << " " << f.term;
      EXPECT_NEAR(Dbl(I), Dbl(f.wert), 1E-6) << v.name << " " << f.term;
    }
  }
}

TEST(Integral, zwoelf_Stellen) {
  for (const auto& v : kVerfahren) {
    bool ok = false;
    const long double I = v.f("exp(x)", 0, 0, 1, 1E-12L, ok);
    ASSERT_TRUE(ok) << v.name;
    EXPECT_NEAR(Dbl(I), Dbl(std::numbers::e_v<long double> - 1), 1E-10) << v.name;
  }
}

TEST(Integral, Gauss_Kronrod_umgeht_eine_einzelne_Luecke) {
  // 2 Si(3)
  bool ok = false;
  const long double I = Integral_Gauss_Kronrod("sin(x)/x", 0, -3, 3, 1E-10L, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(I), 3.697305055998936, 1E-9);
}

TEST(Integral, Gauss_Kronrod_bei_unendlich_vielen_Schwingungen) {
  // sin(1) - Ci(1): the integral exists although sin(1/x) oscillates without end near 0
  bool ok = false;
  const long double I = Integral_Gauss_Kronrod("sin(1/x)", 0, 0, 1, 1E-9L, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(I), 0.5040670619, 1E-5);
}

TEST(Integral, undefinierte_Werte_scheitern) {
  for (const auto& v : kVerfahren) {
    bool ok = true;
    v.f("w(x)", 0, -1, 1, 1E-6L, ok);
    EXPECT_FALSE(ok) << v.name;
    v.f("ln(x)", 0, -1, 1, 1E-6L, ok);
    EXPECT_FALSE(ok) << v.name;
  }
}

// A tolerance the arithmetic cannot reach and integrands that never settle end, and end as
// failures.
TEST(Integral, unerreichbares_endet_als_Fehlschlag) {
  struct {
    Integralfunktion f;
    const char* name;
    const char* term;
    long double a, b, eps;
  } faelle[] = {
      {Integral_Trapez, "Trapez", "x^2", 0, 1, 1E-17L},
      {Integral_Mittelpunkt, "Mittelpunkt", "x^2", 0, 1, 1E-17L},
      {Integral_Simpson, "Simpson", "w(x)", 0, 1, 1E-17L},
      {Integral_Gauss_Kronrod, "Gauss-Kronrod", "w(x)", 0, 1, 0},
      {Integral_Gauss_Kronrod, "Gauss-Kronrod", "sin(1/x)", 0, 1, 1E-12L},
      {Integral_Trapez, "Trapez", "sin(1/x)", 1E-4L, 1, 1E-12L},
      {Integral_Gauss_Kronrod, "Gauss-Kronrod", "1/x", -1, 1, 1E-6L},
      {Integral_Trapez, "Trapez", "1/x", -1, 1, 1E-6L},
      {Integral_Simpson, "Simpson", "1/x", -1, 1, 1E-6L},
      {Romberg_ohne_Tabelle, "Romberg", "w(x)", 0, 1, 1E-15L},
  };
  for (const auto& f : faelle) {
    SkriptDialoge dialoge;
    bool ok = true;
    f.f(f.term, 0, f.a, f.b, f.eps, ok);
    EXPECT_FALSE(ok) << f.name << " " << f.term;
    // progress shown during a long run is closed again at its end
    for (int prozent : dialoge.fortschritte)
      EXPECT_LE(prozent, 100);
    if (!dialoge.fortschritte.empty()) {
      EXPECT_EQ(dialoge.fortschritte.back(), -1);
    }
  }
}

// Where positive and negative parts cancel, the doubling rules still settle: the result is 0 up
// to rounding.
TEST(Integral, ausgeloeschte_Integrale_sind_null) {
  const struct {
    Integralfunktion f;
    const char* term;
    long double a, b;
  } faelle[] = {
      {Integral_Trapez, "x", -1, 1},
      {Integral_Mittelpunkt, "x", -1, 1},
      {Integral_Simpson, "x^3", -2, 2},
      {Integral_Trapez, "sin(x)", -3.14159265358979323846L, 3.14159265358979323846L},
      {Integral_Mittelpunkt, "sin(x)", -2, 2},
  };
  for (const auto& f : faelle) {
    bool ok = false;
    EXPECT_NEAR(Dbl(f.f(f.term, 0, f.a, f.b, 1E-6L, ok)), 0, 1E-12) << f.term;
    EXPECT_TRUE(ok) << f.term;
  }
}

TEST(Integral, Abbruch_durch_den_Benutzer) {
  SkriptDialoge dialoge;
  dialoge.abbruch_ab_abfrage = 1;
  bool ok = true;
  Integral_Trapez("x^2", 0, 0, 1, 1E-17L, ok);
  EXPECT_FALSE(ok);
  EXPECT_GE(dialoge.abbruch_abfragen, 1);
  Integral_Simpson("w(x)", 0, 0, 1, 1E-17L, ok);
  EXPECT_FALSE(ok);
}

TEST(Trapezsumme, Schrittweite_und_Grenzen) {
  bool ok = false;
  EXPECT_NEAR(Dbl(Trapezsumme("x^2", 0, 0, 1, 0.5L, ok)), 0.375, 1E-18);
  EXPECT_TRUE(ok);
  EXPECT_NEAR(Dbl(Trapezsumme("x^2", 0, 0, 1, 1, ok)), 0.5, 1E-18);
  EXPECT_TRUE(ok);
  EXPECT_NEAR(Dbl(Trapezsumme("2x+1", 0, 1, 3, 0.25L, ok)), 10, 1E-15);
  EXPECT_TRUE(ok);
  Trapezsumme("1/x", 0, -1, 1, 0.5L, ok);
  EXPECT_FALSE(ok);
  Trapezsumme("x", 0, 0, 1, 0, ok);
  EXPECT_FALSE(ok);
}

TEST(Romberg, Schema_einer_kubischen_Funktion_in_der_Tabelle) {
  Tabelle tabelle;
  bool ok = false;
  // trapezoid sums of x^3 on [0; 2] with h = 2, 1, 1/2 are 8, 5 and 4,25; every extrapolation is 4
  const long double I = Romberg_Schema("x^3", 0, 0, 2, 1E-9L, true, tabelle, false, 9, 6, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(I), 4, 1E-15);
  EXPECT_EQ(tabelle.Zelle(1, 1), "8");
  EXPECT_EQ(tabelle.Zelle(2, 1), "5");
  EXPECT_EQ(tabelle.Zelle(3, 1), "4,25");
  EXPECT_EQ(tabelle.Zelle(1, 2), "4");
  EXPECT_EQ(tabelle.Zelle(2, 2), "4");
  EXPECT_EQ(tabelle.Zelle(1, 3), "4");
  // it stops after the second pass
  EXPECT_EQ(tabelle.Zelle(4, 1), "");
  EXPECT_EQ(tabelle.Zelle(3, 2), "");
  EXPECT_EQ(tabelle.Zelle(2, 3), "");
  EXPECT_EQ(tabelle.Zelle(1, 4), "");
}

TEST(Romberg, ohne_Anzeige_bleibt_die_Tabelle_leer_und_Grenzen_tauschen_das_Vorzeichen) {
  Tabelle tabelle;
  bool ok = false;
  const long double I = Romberg_Schema("x^3", 0, 2, 0, 1E-9L, false, tabelle, false, 9, 6, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(I), -4, 1E-15);
  for (int spalte = 1; spalte <= 11; ++spalte) {
    for (int zeile = 1; zeile <= 11; ++zeile)
      EXPECT_EQ(tabelle.Zelle(spalte, zeile), "");
  }
}

TEST(Romberg, nach_neun_Durchgaengen_ohne_Einigung_gescheitert_aber_angezeigt) {
  Tabelle tabelle;
  bool ok = true;
  Romberg_Schema("w(x)", 0, 0, 1, 1E-15L, true, tabelle, false, 9, 6, ok);
  EXPECT_FALSE(ok);
  // trapezoid with 512 steps in column 10, the last extrapolation level in row 10
  EXPECT_NE(tabelle.Zelle(10, 1), "");
  EXPECT_NE(tabelle.Zelle(1, 10), "");
  EXPECT_EQ(tabelle.Zelle(11, 1), "");
}

// ---- arc length ------------------------------------------------------------------------------

TEST(Bogenlaenge, Gerade_und_Parabel) {
  SkriptDialoge dialoge;
  bool ok = false;
  long double L = Bogenlaenge_berechnen("2x+1", 0, 0, 3, 1E-9L, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(L), Dbl(3 * std::sqrt(5.0L)), 1E-12);
  ASSERT_EQ(dialoge.meldungen.size(), 1u);
  EXPECT_EQ(dialoge.meldungen[0], "Berechnung der Bogenlänge\r\rAbbruch mit <ESC> möglich !");

  // length of x^2 over [0; 1] = sqrt(5)/2 + arsinh(2)/4
  const long double exakt = std::sqrt(5.0L) / 2 + std::asinh(2.0L) / 4;
  L = Bogenlaenge_berechnen("x^2", 0, 0, 1, 1E-8L, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(L), Dbl(exakt), 1E-7);
  L = Bogenlaenge_berechnen("x^2", 0, 1, 0, 1E-8L, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(L), -Dbl(exakt), 1E-7);
  L = Bogenlaenge_berechnen("x^2", 0, 1, 1, 1E-8L, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(L, 0);

  Bogenlaenge_berechnen("w(x)", 0, -1, 1, 1E-6L, ok);
  EXPECT_FALSE(ok);
}

TEST(Bogenlaenge, Escape_fragt_nach_und_Ja_bricht_ab) {
  SkriptDialoge dialoge;
  dialoge.abbruch_ab_abfrage = 1;
  dialoge.antworten_frage = {true};
  bool ok = true;
  Bogenlaenge_berechnen("x^2", 0, 0, 1, 1E-8L, ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(dialoge.fragen.size(), 1u);
  EXPECT_EQ(dialoge.fragen[0], "Wirklich abbrechen?");
}

TEST(Bogenlaenge, Escape_mit_Nein_rechnet_weiter) {
  SkriptDialoge dialoge;
  dialoge.abbruch_ab_abfrage = 3;
  bool ok = false;
  const long double L = Bogenlaenge_berechnen("x^2", 0, 0, 1, 1E-4L, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(L), Dbl(std::sqrt(5.0L) / 2 + std::asinh(2.0L) / 4), 1E-3);
  EXPECT_FALSE(dialoge.fragen.empty());
}

// 14 decimals need 2^22 chords for x^2 over [0; 1]: the chord polygon's error is about
// 0,0745 h^2, so the change from 2^21 to 2^22 chords is 1,3e-14 of a length of 1,48. The
// refinement may go on to 2^30 - 1 chords; reaching that bound takes two thousand million
// evaluations, too many for a test.
TEST(Bogenlaenge, Verfeinerung_ueber_vier_Millionen_Sehnen) {
  SkriptDialoge dialoge;
  bool ok = false;
  const long double L = Bogenlaenge_berechnen("x^2", 0, 0, 1, 1E-14L, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(D(L), D(std::sqrt(5.0L) / 2 + std::asinh(2.0L) / 4), 1E-13);
  EXPECT_EQ(dialoge.meldungen.size(), 1u);  // the start notice alone
}

// ---- sampled extremes ------------------------------------------------------------------------

TEST(MinMaxStelle, Stichproben) {
  struct {
    const char* term;
    long double a, b;
    int n;
    long double x_min, x_max;
  } faelle[] = {
      {"x^2", -1, 2, 30, 0, 2}, {"sin(x)", 0, 2 * kPiL, 4, 3 * kPiL / 2, kPiL / 2},
      {"5", -3, 3, 10, -3, -3},  // a constant keeps a for both
      {"x^2", -1, 1, 2, 0, -1},  // equal values: the first one wins
      {"x", 4, 9, 0, 4, 4},      // no step at all
      {"x", 4, 9, -5, 4, 4},
  };
  for (const auto& f : faelle) {
    long double x_max = 99;
    const long double x_min = Min_Max_Stelle(f.term, 0, f.a, f.b, f.n, x_max);
    EXPECT_NEAR(Dbl(x_min), Dbl(f.x_min), 1E-12) << f.term;
    EXPECT_NEAR(Dbl(x_max), Dbl(f.x_max), 1E-12) << f.term;
  }
}

TEST(IstNullIstKleiner, Schwelle_1E_12) {
  EXPECT_TRUE(Ist_Null(0));
  EXPECT_TRUE(Ist_Null(9E-13L));
  EXPECT_TRUE(Ist_Null(-9E-13L));
  EXPECT_FALSE(Ist_Null(2E-12L));
  EXPECT_FALSE(Ist_Null(-2E-12L));
  EXPECT_TRUE(Ist_kleiner(1, 2));
  EXPECT_FALSE(Ist_kleiner(2, 1));
  EXPECT_FALSE(Ist_kleiner(1, 1 + 5E-13L));
  EXPECT_TRUE(Ist_kleiner(1, 1 + 2E-12L));
}

// ---- Newton's method -------------------------------------------------------------------------

TEST(Newton, Wurzel_aus_2_mit_Spur) {
  Tabelle tabelle;
  bool ok = false;
  const long double x = Newton_Verfahren("x^2-2", 0, 1, true, tabelle, false, 9, 6, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(x), Dbl(std::sqrt(2.0L)), 1E-15);
  // 1 -> 3/2 -> 17/12 -> 577/408 -> 665857/470832 -> sqrt 2 (the fifth step is below 1e-10)
  EXPECT_EQ(tabelle.Zelle(1, 1), " i = 0");
  EXPECT_EQ(tabelle.Zelle(2, 1), "1");
  EXPECT_EQ(tabelle.Zelle(1, 2), " i = 1");
  EXPECT_EQ(tabelle.Zelle(2, 2), "1,5");
  EXPECT_EQ(tabelle.Zelle(2, 3), "1,416667");
  EXPECT_EQ(tabelle.Zelle(2, 4), "1,414216");
  EXPECT_EQ(tabelle.Zelle(2, 5), "1,414214");
  EXPECT_EQ(tabelle.Zelle(1, 6), " i = 5");
  EXPECT_EQ(tabelle.Zelle(2, 6), "1,414214");
  EXPECT_EQ(tabelle.Zelle(2, 7), " (Lösung)");
  EXPECT_EQ(tabelle.Zelle(1, 7), "");
}

TEST(Newton, waagrechte_Tangente_bricht_ab) {
  Tabelle tabelle;
  bool ok = true;
  // x^2 + 1 from 1: the first step lands on 0 where the central difference is exactly 0
  const long double x = Newton_Verfahren("x^2+1", 0, 1, true, tabelle, false, 9, 6, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(tabelle.Zelle(2, 2), "0");
  EXPECT_EQ(tabelle.Zelle(1, 3), " i = 2");
  EXPECT_EQ(tabelle.Zelle(2, 3), "Abbruch !");
  EXPECT_EQ(tabelle.Zelle(2, 4), "");
}

TEST(Newton, undefinierter_Start_und_Zyklus) {
  Tabelle tabelle;
  bool ok = true;
  long double x = Newton_Verfahren("ln(x)", 0, -1, true, tabelle, false, 9, 6, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(tabelle.Zelle(2, 2), "Abbruch !");

  // x^3 - 2x + 2 from 0 cycles between 0 and 1 for ever: the 151st step ends it as failed
  Tabelle zyklus;
  x = Newton_Verfahren("x^3-2x+2", 0, 0, true, zyklus, false, 9, 6, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(zyklus.Zelle(1, 152), " i = 151");
  EXPECT_EQ(zyklus.Zelle(1, 153), "");
  for (int zeile = 1; zeile <= 160; ++zeile)
    EXPECT_NE(zyklus.Zelle(2, zeile), " (Lösung)");
}

TEST(Newton, ohne_Spur_bleibt_die_Tabelle_leer_und_t_wird_durchgereicht) {
  Tabelle tabelle;
  bool ok = false;
  const long double x = Newton_Verfahren("x^2-t", 9, 1, false, tabelle, false, 9, 6, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(Dbl(x), 3, 1E-14);
  for (int zeile = 1; zeile <= 10; ++zeile) {
    EXPECT_EQ(tabelle.Zelle(1, zeile), "");
    EXPECT_EQ(tabelle.Zelle(2, zeile), "");
  }
}

// ---- one compiled term for many computations -------------------------------------------------

// A loop compiles its term once and runs it for every family value; each value must still reach
// the term as t.
TEST(Uebersetzter_Term, jeder_Scharwert_kommt_an) {
  TTerm integrand("t*x^2"), quadrat("x^2-t"), parabel("(x-t)^2");
  Tabelle tabelle;
  for (const long double t : {-1.0L, 0.5L, 2.0L, 4.0L}) {
    bool ok = false;
    EXPECT_NEAR(Dbl(Integral_Gauss_Kronrod(integrand, t, 0, 3, 1E-10L, ok)), Dbl(9 * t), 1E-9)
        << Dbl(t);
    EXPECT_TRUE(ok);
    EXPECT_NEAR(Dbl(Ableitung_1(integrand, t, 1, 1E-5L, ok)), Dbl(2 * t), 1E-8) << Dbl(t);
    EXPECT_TRUE(ok);
    long double x_max = 0;
    EXPECT_NEAR(Dbl(Min_Max_Stelle(parabel, t, -2, 6, 80, x_max)), Dbl(t), 1E-12) << Dbl(t);
    if (t > 0) {
      EXPECT_NEAR(Dbl(Newton_Verfahren(quadrat, t, 1, false, tabelle, false, 9, 6, ok)),
                  Dbl(std::sqrt(t)), 1E-14);
      EXPECT_TRUE(ok) << Dbl(t);
    }
  }
}

// The overload on the compiled term is the text version without the compiling: the same bits,
// the same ok and the same fault text, on success and on failure alike.
struct Beide {
  const char* name;
  long double (*uebersetzt)(TTerm&, bool&);
  long double (*text)(const std::string&, bool&);
};

// One call written once, taken as both kinds of term.
template <class Aufruf>
Beide beide(const char* name, Aufruf aufruf) {
  return {name, aufruf, aufruf};
}

TEST(Uebersetzter_Term, gleiche_Ergebnisse_wie_der_Text) {
  const Beide faelle[] = {
      beide("f'", [](auto& f, bool& ok) { return Ableitung_1(f, 2, 0.7L, 1E-7L, ok); }),
      beide("f''", [](auto& f, bool& ok) { return Ableitung_2(f, 2, 0.7L, 1E-5L, ok); }),
      beide("f'''", [](auto& f, bool& ok) { return Ableitung_3(f, 2, 0.7L, 1E-3L, ok); }),
      beide("Trapez", [](auto& f, bool& ok) { return Integral_Trapez(f, 2, 0.1L, 2, 1E-6L, ok); }),
      beide("Mittelpunkt",
            [](auto& f, bool& ok) { return Integral_Mittelpunkt(f, 2, 0.1L, 2, 1E-6L, ok); }),
      beide("Simpson",
            [](auto& f, bool& ok) { return Integral_Simpson(f, 2, 0.1L, 2, 1E-9L, ok); }),
      beide("Gauss-Kronrod",
            [](auto& f, bool& ok) { return Integral_Gauss_Kronrod(f, 2, 2, 0.1L, 1E-9L, ok); }),
      beide("Trapezsumme", [](auto& f, bool& ok) { return Trapezsumme(f, 2, 0.1L, 2, 0.01L, ok); }),
  };
  for (const char* term : {"t*sin(x)+w(x)", "abs(x-0.7)", "ln(x-1)", "x+"}) {
    for (const auto& fall : faelle) {
      TTerm f(term);
      Fehlertext.clear();
      bool ok_u = false, ok_t = true;
      const long double u = fall.uebersetzt(f, ok_u);
      const std::string fehlertext_u = Fehlertext;
      Fehlertext.clear();
      const long double v = fall.text(term, ok_t);
      EXPECT_EQ(u, v) << fall.name << " " << term;
      EXPECT_EQ(ok_u, ok_t) << fall.name << " " << term;
      EXPECT_EQ(fehlertext_u, Fehlertext) << fall.name << " " << term;
    }
  }
}

}  // namespace
