// Least-squares fits checked against hand computations, against data lying exactly on a model
// curve, and against the defining property of a least-squares fit (residuals orthogonal to every
// fitted power of x).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/UFunktionsParser.h"
#include "statistics/URegression.h"

namespace {

using Messreihe = std::vector<TPunkt>;

Messreihe Auf_Kurve(const std::vector<long double>& xs,
                    const std::function<long double(long double)>& f) {
  Messreihe p;
  for (long double x : xs)
    p.push_back({x, f(x)});
  return p;
}

int Anzahl(const Messreihe& p) {
  return static_cast<int>(p.size());
}

TZahlformat Standardformat() {
  return TZahlformat{};  // 6 decimals, 9 characters, no fixed point, no fractions
}

}  // namespace

// (2;1), (4;5), (9;6): means 5 and 4, Sxy = 16, Sxx = 26, Syy = 14.
TEST(Regressionsgerade, Handgerechnetes_Beispiel) {
  const Messreihe p{{2, 1}, {4, 5}, {9, 6}};
  const TGeradenanpassung g = Gerade_anpassen(p, 3, false);
  ASSERT_EQ(g.fall, TGeradenfall::bestimmt);
  EXPECT_NEAR(g.m, 8.0L / 13, 1e-15);
  EXPECT_NEAR(g.b, 12.0L / 13, 1e-15);
  EXPECT_NEAR(g.m2, 7.0L / 8, 1e-15);
  EXPECT_NEAR(g.b2, -3.0L / 8, 1e-15);
  EXPECT_NEAR(g.r, 16 / std::sqrt(26.0L * 14), 1e-15);
  EXPECT_TRUE(g.r_definiert);
}

// The same points through the origin: sums xy = 76, x² = 101, y² = 62.
TEST(Regressionsgerade, Durch_den_Ursprung) {
  const Messreihe p{{2, 1}, {4, 5}, {9, 6}};
  const TGeradenanpassung g = Gerade_anpassen(p, 3, true);
  ASSERT_EQ(g.fall, TGeradenfall::bestimmt);
  EXPECT_NEAR(g.m, 76.0L / 101, 1e-15);
  EXPECT_NEAR(g.m2, 62.0L / 76, 1e-15);
  EXPECT_EQ(g.b, 0);
  EXPECT_EQ(g.b2, 0);
  EXPECT_NEAR(g.r, 76 / std::sqrt(101.0L * 62), 1e-15);
}

TEST(Regressionsgerade, Entartete_Daten) {
  struct Fall {
    const char* name;
    Messreihe p;
    TGeradenfall fall;
    long double x0, y0;
    bool r_definiert;
  };
  const Fall faelle[] = {
      {"alle x gleich", {{3, 1}, {3, 4}, {3, 7}}, TGeradenfall::m_unendlich, 3, 4, false},
      {"alle y gleich", {{1, 2}, {4, 2}, {7, 2}}, TGeradenfall::m2_unendlich, 4, 2, false},
      // Symmetric data: no linear trend, yet the y values spread, so r = 0 is defined.
      {"ohne Trend", {{-1, 1}, {0, 0}, {1, 1}}, TGeradenfall::m2_unendlich, 0, 2.0L / 3, true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const TGeradenanpassung g = Gerade_anpassen(f.p, Anzahl(f.p), false);
    EXPECT_EQ(g.fall, f.fall);
    EXPECT_NEAR(g.x0, f.x0, 1e-15);
    EXPECT_NEAR(g.y0, f.y0, 1e-15);
    EXPECT_EQ(g.r_definiert, f.r_definiert);
    if (f.fall == TGeradenfall::m2_unendlich) {
      EXPECT_NEAR(g.b, f.y0, 1e-15);  // the line y = mean
    }
    if (f.r_definiert) {
      EXPECT_NEAR(g.r, 0, 1e-15);
    }
  }
}

// Points on a polynomial are fitted by that polynomial, whatever the scale of x.
TEST(Polynomregression, Punkte_auf_dem_Polynom) {
  struct Fall {
    const char* name;
    std::vector<long double> c;  // ascending powers
    std::vector<long double> xs;
    long double toleranz;  // relative to the coefficient
  };
  const Fall faelle[] = {
      {"3x²-x+2", {2, -1, 3}, {-2, -1, 0, 1, 2, 3}, 1e-14},
      {"x³-2x", {0, -2, 0, 1}, {-2, -1, 0, 1, 2}, 1e-14},
      {"x^4-x²+0,5", {0.5, 0, -1, 0, 1}, {-2, -1.5, -1, 0, 1, 1.5, 2}, 1e-13},
      {"x^5-4x³+x-4", {-4, 1, 0, -4, 0, 1}, {-3, -2, -1, 0, 1, 2, 3, 4}, 1e-12},
      // 2(x-2005)²+1 over years: x^4 reaches 1.6E13, the system must still be solved well.
      {"Jahreszahlen", {8040051, -8020, 2}, {2000, 2002, 2004, 2006, 2008, 2010}, 1e-9},
      // Tiny x: x^10 falls far below any absolute pivot tolerance.
      {"kleine x", {1, 2000, 0, 0, 0, 1e15}, {-0.002, -0.001, 0, 0.0005, 0.001, 0.002}, 1e-9},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const int d = static_cast<int>(f.c.size()) - 1;
    const Messreihe p = Auf_Kurve(f.xs, [&](long double x) {
      long double y = 0;
      for (int k = d; k >= 0; --k)
        y = y * x + f.c[k];
      return y;
    });
    std::string fehler;
    bool ok = false;
    const std::vector<long double> c = Polynom_anpassen(p, Anzahl(p), d, fehler, ok);
    ASSERT_TRUE(ok) << fehler;
    // A coefficient counts by what it adds to y: on tiny x a large error of x^k is invisible.
    long double x_max = 0;
    for (long double x : f.xs)
      x_max = std::max(x_max, std::abs(x));
    for (int k = 0; k <= d; ++k) {
      const long double skala = std::max({1.0L, std::abs(f.c[k]), std::pow(x_max, -k * 1.0L)});
      EXPECT_NEAR(c[k], f.c[k], f.toleranz * skala) << "x^" << k;
    }
    bool r_ok = false;
    EXPECT_NEAR(Polynom_Korrelation(p, Anzahl(p), c, d, r_ok), 1, 1e-9);
    EXPECT_TRUE(r_ok);
  }
}

// Scattered data: the residuals of a least-squares polynomial are orthogonal to 1, x, ..., x^d,
// and r² = 1 - (residual sum of squares) / (total sum of squares).
TEST(Polynomregression, Residuen_orthogonal_und_r_aus_Restquadraten) {
  const Messreihe p{{-2, 3},  {-1, 0.5}, {0, 1}, {0.5, -1}, {1, 2},
                    {2, 1.5}, {3, 4},    {4, 2}, {5, 7}};
  const int n = Anzahl(p);
  for (int d = 2; d <= 5; ++d) {
    SCOPED_TRACE(d);
    std::string fehler;
    bool ok = false;
    const std::vector<long double> c = Polynom_anpassen(p, n, d, fehler, ok);
    ASSERT_TRUE(ok);
    long double mittel = 0, sse = 0, sst = 0;
    for (const TPunkt& q : p)
      mittel += q.y / n;
    std::vector<long double> orthogonal(d + 1, 0.0L);
    for (const TPunkt& q : p) {
      long double y = 0;
      for (int k = d; k >= 0; --k)
        y = y * q.x + c[k];
      const long double rest = q.y - y;
      for (int k = 0; k <= d; ++k)
        orthogonal[k] += rest * std::pow(q.x, static_cast<long double>(k));
      sse += rest * rest;
      sst += (q.y - mittel) * (q.y - mittel);
    }
    for (int k = 0; k <= d; ++k)
      EXPECT_NEAR(orthogonal[k], 0, 1e-11) << "x^" << k;
    bool r_ok = false;
    const long double r = Polynom_Korrelation(p, n, c, d, r_ok);
    EXPECT_TRUE(r_ok);
    EXPECT_NEAR(r * r, 1 - sse / sst, 1e-12);
  }
}

TEST(Polynomregression, Unbestimmte_Faelle) {
  std::string fehler;
  bool ok = true;
  // Three points but only two different x: no parabola is determined.
  const Messreihe zwei_x{{1, 1}, {1, 2}, {3, 0}};
  Polynom_anpassen(zwei_x, 3, 2, fehler, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(fehler,
            "Fehler ! Für ein Polynom 2. Grades sind mindestens 3 verschiedene x-Werte nötig");
  // Equal y: the fit is exact, but r has no total spread to refer to.
  const Messreihe gleich_y{{0.1L, 0.1L}, {0.2L, 0.1L}, {0.3L, 0.1L}, {0.7L, 0.1L}};
  const std::vector<long double> c = Polynom_anpassen(gleich_y, 4, 2, fehler, ok);
  ASSERT_TRUE(ok);
  EXPECT_NEAR(c[0], 0.1L, 1e-15);
  bool r_ok = true;
  Polynom_Korrelation(gleich_y, 4, c, 2, r_ok);
  EXPECT_FALSE(r_ok);
}

// Data generated exactly on each model curve give back its coefficients with r = ±1.
TEST(Modellregression, Punkte_auf_der_Modellkurve) {
  struct Fall {
    const char* name;
    int modell;
    std::vector<long double> xs;
    std::function<long double(long double)> f;
    long double erster, zweiter, r;
    bool x_negiert;
  };
  const Fall faelle[] = {
      {"2e^(0,5x)",
       Modell_Exponentiell,
       {0, 1, 2, 3, 4},
       [](long double x) { return 2 * std::exp(0.5L * x); },
       2,
       0.5L,
       1,
       false},
      {"-2e^(0,5x)",
       Modell_Exponentiell,
       {0, 1, 2, 3, 4},
       [](long double x) { return -2 * std::exp(0.5L * x); },
       -2,
       0.5L,
       1,
       false},
      {"1+3ln(x)",
       Modell_Logarithmisch,
       {1, 2, 3, 4, 5},
       [](long double x) { return 1 + 3 * std::log(x); },
       1,
       3,
       1,
       false},
      {"1+3ln(-x)",
       Modell_Logarithmisch,
       {-1, -2, -3, -4, -5},
       [](long double x) { return 1 + 3 * std::log(-x); },
       1,
       3,
       1,
       true},
      {"2x^1,5",
       Modell_Potenz,
       {1, 2, 3, 4},
       [](long double x) { return 2 * std::pow(x, 1.5L); },
       2,
       1.5L,
       1,
       false},
      {"-2(-x)^-1",
       Modell_Potenz,
       {-1, -2, -4, -8},
       [](long double x) { return -2 / -x; },
       -2,
       -1,
       -1,
       true},
      {"1/(2x+3)",
       Modell_Reziprok,
       {0, 1, 2, 3, 4},
       [](long double x) { return 1 / (2 * x + 3); },
       2,
       3,
       1,
       false},
      {"x/(2x+3)",
       Modell_Gebrochen,
       {1, 2, 3, 4},
       [](long double x) { return x / (2 * x + 3); },
       2,
       3,
       1,
       false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const Messreihe p = Auf_Kurve(f.xs, f.f);
    const TModellanpassung e = Modell_anpassen(p, Anzahl(p), f.modell);
    ASSERT_TRUE(e.ok) << e.fehler;
    EXPECT_NEAR(e.erster, f.erster, 1e-14);
    EXPECT_NEAR(e.zweiter, f.zweiter, 1e-14);
    EXPECT_NEAR(e.r, f.r, 1e-14);
    EXPECT_EQ(e.x_negiert, f.x_negiert);
  }
}

// Values outside a model's transformation give the model's message, never a NaN term.
TEST(Modellregression, Werte_ohne_Transformation) {
  struct Fall {
    int modell;
    Messreihe p;
    const char* fehler;
  };
  const Fall faelle[] = {
      {Modell_Exponentiell, {{1, 2}, {2, -1}, {3, 4}}, "Fehler ! Negative y-Werte"},
      {Modell_Exponentiell, {{1, 0}, {2, 0}}, "Fehler ! Negative y-Werte"},
      {Modell_Logarithmisch, {{-1, 2}, {2, 1}, {3, 4}}, "Fehler ! Negative x-Werte"},
      {Modell_Logarithmisch, {{0, 2}, {2, 1}}, "Fehler ! Negative x-Werte"},
      {Modell_Potenz, {{1, 2}, {2, 0}, {3, 4}}, "Fehler ! Negative x- bzw. y-Werte"},
      {Modell_Potenz, {{-1, 2}, {2, 1}, {3, 4}}, "Fehler ! Negative x- bzw. y-Werte"},
      {Modell_Reziprok, {{1, 2}, {2, 0}}, "Fehler ! y=0 nicht erlaubt"},
      {Modell_Gebrochen, {{0, 2}, {2, 1}}, "Fehler ! x=0 bzw. y=0 nicht erlaubt"},
      {Modell_Gebrochen, {{1, 0}, {2, 1}}, "Fehler ! x=0 bzw. y=0 nicht erlaubt"},
      // Only one x: the transformed points stand on one vertical line.
      {Modell_Exponentiell,
       {{2, 1}, {2, 3}},
       "Fehler ! Alle x-Werte sind gleich: kein Modell bestimmbar"},
      {Modell_Potenz,
       {{2, 1}, {2, 3}, {2, 5}},
       "Fehler ! Alle x-Werte sind gleich: kein Modell bestimmbar"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.fehler);
    const TModellanpassung e = Modell_anpassen(f.p, Anzahl(f.p), f.modell);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.fehler, f.fehler);
  }
}

// Constant positive y: e^(0x) times that value fits exactly; r has nothing to correlate.
TEST(Modellregression, Konstante_Daten_sind_kein_Fehler) {
  const Messreihe p{{1, 5}, {2, 5}, {3, 5}};
  const TModellanpassung e = Modell_anpassen(p, 3, Modell_Exponentiell);
  ASSERT_TRUE(e.ok) << e.fehler;
  EXPECT_NEAR(e.erster, 5, 1e-15);
  EXPECT_NEAR(e.zweiter, 0, 1e-15);
  EXPECT_FALSE(e.r_definiert);
}

// The terms written into the fields read back in the engine as the fitted function.
TEST(Modellregression, Terme_lesen_sich_als_Modellfunktion) {
  struct Fall {
    int modell;
    long double erster, zweiter;
    bool x_negiert;
    const char* text;
    std::function<long double(long double)> f;
    long double x;
  };
  const Fall faelle[] = {
      {Modell_Exponentiell, 2, 0.5L, false, "2*e^(0,5*x)",
       [](long double x) { return 2 * std::exp(0.5L * x); }, 1.5L},
      {Modell_Logarithmisch, 1, -3, false, "1+-3*ln(x)",
       [](long double x) { return 1 - 3 * std::log(x); }, 2},
      {Modell_Logarithmisch, 1, 3, true, "1+3*ln(-x)",
       [](long double x) { return 1 + 3 * std::log(-x); }, -2},
      {Modell_Potenz, 2, 1.5L, false, "2*x^1,5",
       [](long double x) { return 2 * std::pow(x, 1.5L); }, 4},
      {Modell_Potenz, -2, -0.5L, true, "-2*(-x)^-0,5",
       [](long double x) { return -2 * std::pow(-x, -0.5L); }, -4},
      {Modell_Reziprok, 2, -3, false, "1/(2x+-3)", [](long double x) { return 1 / (2 * x - 3); },
       5},
      {Modell_Gebrochen, 0.25L, 3, false, "x/(0,25x+3)",
       [](long double x) { return x / (0.25L * x + 3); }, 2},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    TModellanpassung e;
    e.ok = true;
    e.erster = f.erster;
    e.zweiter = f.zweiter;
    e.x_negiert = f.x_negiert;
    const std::string term = Modellterm(f.modell, e, Standardformat());
    EXPECT_EQ(term, f.text);
    const long double y = Term_auswerten(term, f.x, 0);
    EXPECT_FALSE(Fehler) << Fehlertext;
    EXPECT_NEAR(y, f.f(f.x), 1e-12);
  }
}

// Values that the decimals would round to zero keep their digits.
TEST(Regressionstexte, Kleine_Koeffizienten_und_Festkomma) {
  TZahlformat f = Standardformat();
  EXPECT_EQ(Koeffizient_Text(0.5L, f), "0,5");
  long double wert = 0;
  ASSERT_TRUE(Term_zu_Zahl(Koeffizient_Text(3e-9L, f), wert));
  EXPECT_NEAR(wert, 3e-9L, 1e-20);
  // Fixed point pads to 9 characters with two blanks per missing one, one more before a minus.
  f.Fixkomma = true;
  for (const auto& [x, text] : {std::pair{0.5L, "  0,500000"}, std::pair{-2.5L, " -2,500000"}})
    EXPECT_EQ(Koeffizient_Text(x, f), text);
}

// Values whose squares overflow give a message instead of a NaN curve.
TEST(Regressionstexte, Ueberlauf_wird_gemeldet) {
  const Messreihe riesig{{1e4000L, 1}, {2e4000L, 2}, {3e4000L, 4}};
  for (int modell : {Modell_Ursprungsgerade, Modell_Gerade, Modell_Grad2}) {
    SCOPED_TRACE(modell);
    const TRegressionsergebnis e = Regression_berechnen(riesig, 3, modell, true, Standardformat());
    EXPECT_EQ(e.meldung, "Fehler ! Die Werte sind zu groß für dieses Modell");
    EXPECT_TRUE(e.felder.empty());
    EXPECT_TRUE(e.zeichnungen.empty());
  }
}
