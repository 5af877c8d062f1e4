// Tangent, secant, normal and curvature circle at a point, against the values of calculus.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "analysis/UTangenten.h"
#include "engine/UFunktionsParser.h"

namespace {

constexpr long double kEps = 1E-9L;
constexpr int kStellen = 6;

TEST(Tangenten, TangenteAnGraph) {
  struct Fall {
    const char* term;
    long double x0, m, n, y0;
  } faelle[] = {
      {"x^2", 1, 2, -1, 1},
      {"x^2", -3, -6, -9, 9},
      {"2x+1", 5, 2, 1, 11},
      {"x^3", 0, 0, 0, 0},
  };
  for (const Fall& f : faelle) {
    TTerm term(f.term);
    const TGerade g = Tangente_an_Graph(term, 1, f.x0, kStellen);
    ASSERT_TRUE(g.ok) << f.term << " " << static_cast<double>(f.x0);
    EXPECT_NEAR(g.m, f.m, kEps) << f.term;
    EXPECT_NEAR(g.n, f.n, kEps) << f.term;
    EXPECT_NEAR(g.y0, f.y0, kEps) << f.term;
  }
}

TEST(Tangenten, OhneAbleitungKeineGerade) {
  for (const char* term : {"abs(x)", "sqrt(x-1)", "1/x"}) {
    TTerm t(term);
    const long double x0 = std::string(term) == "sqrt(x-1)" ? -1 : 0;
    EXPECT_FALSE(Tangente_an_Graph(t, 1, x0, kStellen).ok) << term;
    EXPECT_FALSE(Normale_an_Graph(t, 1, x0, kStellen).g.ok) << term;
  }
}

TEST(Tangenten, TangenteAnParameterkurveDerEllipseImScheitel) {
  TTerm x("x*cos(t)"), y("3x/5*sin(t)");
  const TGerade g = Tangente_an_Kurve(x, y, std::numbers::pi_v<long double> / 2, 1, kStellen);
  ASSERT_TRUE(g.ok);
  EXPECT_EQ(g.m, 0);
  EXPECT_NEAR(g.n, 0.6L, kEps);
  EXPECT_NEAR(g.x0, 0, kEps);
  EXPECT_NEAR(g.y0, 0.6L, kEps);
}

TEST(Tangenten, Sekante) {
  struct Fall {
    const char* term;
    long double a, b;
    bool ok;
    long double m, n;
  } faelle[] = {
      {"x^2", 0, 2, true, 2, 0},
      {"x^2", 2, 0, true, 2, 0},  // the same line from either end
      {"x^2", -1, 3, true, 2, 3},
      {"x^2", 1, 1, false, 0, 0},           // no line through one point
      {"sqrt(x)", -1, 4, false, 0, 0},      // undefined end
      {"x/(x-2)", 0, 2, false, 0, 0},       // pole at b
      {"1/3*x", 0, 1, true, 0.333333L, 0},  // rounded to the decimal places
  };
  for (const Fall& f : faelle) {
    TTerm term(f.term);
    const TSekante s = Sekante_durch(term, 1, f.a, f.b, kStellen);
    ASSERT_EQ(s.g.ok, f.ok) << f.term;
    if (!f.ok) continue;
    EXPECT_NEAR(s.g.m, f.m, kEps) << f.term;
    EXPECT_NEAR(s.g.n, f.n, kEps) << f.term;
  }
}

TEST(Tangenten, Normale) {
  TTerm term("x^2");
  const TNormale steil = Normale_an_Graph(term, 1, 0, kStellen);
  ASSERT_TRUE(steil.g.ok);
  EXPECT_TRUE(steil.senkrecht);
  EXPECT_EQ(steil.g.x0, 0);
  const TNormale schraeg = Normale_an_Graph(term, 1, 1, kStellen);
  ASSERT_TRUE(schraeg.g.ok);
  EXPECT_FALSE(schraeg.senkrecht);
  EXPECT_NEAR(schraeg.g.m, -0.5L, kEps);
  EXPECT_NEAR(schraeg.g.n, 1.5L, kEps);
}

TEST(Tangenten, Kruemmungskreis) {
  struct Fall {
    const char* term;
    long double x;
    bool ok;
    long double r, xm, ym;
  } faelle[] = {
      {"x^2", 0, true, 0.5L, 0, 0.5L},   {"-x^2/2", 0, true, 1, 0, -1},
      {"sqrt(4-x^2)", 0, true, 2, 0, 0},  // a circle is its own curvature circle
      {"2x+1", 3, false, 0, 0, 0},        // straight line: no circle
      {"abs(x)", 0, false, 0, 0, 0},
  };
  for (const Fall& f : faelle) {
    TTerm term(f.term);
    const TKreis k = Kruemmungskreis_bei(term, 1, f.x);
    ASSERT_EQ(k.ok, f.ok) << f.term;
    if (!f.ok) continue;
    EXPECT_NEAR(k.r, f.r, 1E-3L) << f.term;
    EXPECT_NEAR(k.xm, f.xm, 1E-3L) << f.term;
    EXPECT_NEAR(k.ym, f.ym, 1E-3L) << f.term;
  }
}

TEST(Tangenten, RundenUndGeradenterm) {
  EXPECT_EQ(Auf_Stellen_runden(-1E-9L, 6), 0);
  EXPECT_FALSE(std::signbit(Auf_Stellen_runden(-1E-9L, 6)));  // no "-0" in a text
  EXPECT_NEAR(Auf_Stellen_runden(2.0000004L, 6), 2, kEps);
  EXPECT_NEAR(Auf_Stellen_runden(-0.1234567L, 3), -0.123L, kEps);
  EXPECT_EQ(Auf_Stellen_runden(1E30L, 6), 1E30L);  // beyond the decimals: kept
  EXPECT_EQ(Geradenterm(0, 0, false, 9, 6, false), "0");
  EXPECT_EQ(Geradenterm(2, -1, false, 9, 6, false), "2x-1");
}

}  // namespace
