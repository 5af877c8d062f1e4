// Zeros from many Newton starts and the slope-turn scan for extrema and inflection points, against
// mathematics: known zeros, turning points and inflection points of simple functions.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/UNullstellen.h"
#include "engine/UFunktionsParser.h"
#include "platform/URechenlauf.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kGitter = 16.0L / 20000;  // grid step on [-8; 8]

double D(long double x) {
  return static_cast<double>(x);
}

// ---- zeros -----------------------------------------------------------------------------------

struct NullstellenFall {
  const char* term;
  std::vector<double> erwartet;
};

class Nullstellen : public testing::TestWithParam<NullstellenFall> {};

TEST_P(Nullstellen, JedeNullstelleGenauEinmalAufsteigend) {
  const NullstellenFall& f = GetParam();
  TTerm term(f.term);
  Tabelle tabelle;
  const std::vector<long double> x = Nullstellen_suchen(term, 1, -8, 8, tabelle);
  ASSERT_EQ(x.size(), f.erwartet.size()) << f.term;
  for (std::size_t i = 0; i < x.size(); ++i)
    EXPECT_NEAR(D(x[i]), f.erwartet[i], 1e-12) << f.term << " #" << i;
}

INSTANTIATE_TEST_SUITE_P(
    Terme, Nullstellen,
    testing::Values(NullstellenFall{"x²-4", {-2, 2}},            // two starts sides
                    NullstellenFall{"x-x³", {-1, 0, 1}},         // many starts per zero
                    NullstellenFall{"x-3", {3}},                 // every start the same
                    NullstellenFall{"x²+1", {}},                 // no real zero
                    NullstellenFall{"t·x-2", {2}},               // parameter t = 1
                    NullstellenFall{"ln(x)", {1}},               // undefined left half
                    NullstellenFall{"(x-20)·(x+20)", {-20, 20}}  // Newton may leave [a; b]
                    ));

// ---- derivative at a point -------------------------------------------------------------------

TEST(AbleitungStelle, SymmetrischerDifferenzenquotient) {
  struct Fall {
    const char* term;
    long double x, erwartet;
    bool ok;
  } faelle[] = {
      {"x²", 3, 6, true},            // exact for quadratics
      {"t·x³", 1, 3, true},          // t = 1
      {"sin(x)", 0, 1, true},        // cos 0
      {"ln(x)", 0, 0, false},        // undefined on the left
      {"sqrt(x)", 1E-6L, 0, false},  // x - h < 0
  };
  for (const Fall& f : faelle) {
    TTerm term(f.term);
    bool ok = !f.ok;
    const long double m = Ableitung_Stelle(term, 1, f.x, ok);
    EXPECT_EQ(ok, f.ok) << f.term;
    if (f.ok) {
      EXPECT_NEAR(D(m), D(f.erwartet), 1e-8) << f.term;
    }
  }
}

TEST(Gerundet, AufDezimalstellen) {
  EXPECT_EQ(Gerundet(1.23456789L, 6), std::round(1.23456789L * 1E6L) / 1E6L);
  EXPECT_EQ(Gerundet(-2.5L, 0), -3);
  EXPECT_EQ(Gerundet(1E4930L, 6), 1E4930L);  // too large to scale: unchanged
}

// ---- extrema and inflection points -------------------------------------------------------------

class ExtremWende : public testing::Test {
 protected:
  SkriptDialoge dialoge;
  Tabelle tab;
  TExtremergebnis Scan(const char* term, bool wende, TScharbereich schar) {
    TTerm f(term);
    schar.Schar = std::string(term).find('t') != std::string::npos;
    return Extrem_Wende_scannen(f, wende, -8, 8, schar, 6, tab);
  }
  long double Zahl(int spalte, int zeile) {
    long double x = 0;
    EXPECT_TRUE(Zelle_als_Zahl(tab, spalte, zeile, x)) << spalte << "/" << zeile;
    return x;
  }
};

TEST_F(ExtremWende, ScharHatJeTEinenHochUndTiefpunktOhneLuecken) {
  const TExtremergebnis e = Scan("-t·x³+(t+2)·x", false, {.t1 = 1, .t2 = 2.2L, .dt = 0.2L});
  EXPECT_TRUE(e.gefunden);
  EXPECT_NEAR(D(e.t_danach), 2.4, 1e-9);
  const char* t_text[] = {"t=1", "t=1,2", "t=1,4", "t=1,6", "t=1,8", "t=2", "t=2,2"};
  for (int i = 0; i < 7; ++i) {
    const long double t = 1 + 0.2L * i;
    const long double xe = std::sqrt((t + 2) / (3 * t));  // f' = -3t·x² + t + 2
    const long double ye = -t * xe * xe * xe + (t + 2) * xe;
    const int r = i + 1;
    EXPECT_EQ(tab.Zelle(5, r), t_text[i]);
    // The turn is reported at the grid point before it.
    EXPECT_NEAR(D(Zahl(1, r)), D(xe), D(kGitter)) << r;
    EXPECT_NEAR(D(Zahl(2, r)), D(ye), 1e-5) << r;
    EXPECT_NEAR(D(Zahl(3, r)), D(-xe), D(kGitter)) << r;
    EXPECT_NEAR(D(Zahl(4, r)), D(-ye), 1e-5) << r;
  }
  // At t = 1 the turns lie on the grid: (1 | 2) and (-1 | -2).
  EXPECT_EQ(tab.Zelle(1, 1), "1");
  EXPECT_EQ(tab.Zelle(2, 1), "2");
  EXPECT_EQ(tab.Zelle(3, 1), "-1");
  EXPECT_EQ(tab.Zelle(4, 1), "-2");
  for (int c = 1; c <= 5; ++c)
    EXPECT_EQ(tab.Zelle(c, 8), "") << c;
}

TEST_F(ExtremWende, WendepunkteDesSinus) {
  const TExtremergebnis e = Scan("sin(x)", true, {.t1 = 1, .t2 = 2.2L, .dt = 0.2L});
  EXPECT_TRUE(e.gefunden);
  // Left-right turns where sin' = cos has its maxima, right-left ones at its minima.
  const long double lr[] = {-2 * kPi, 0, 2 * kPi};
  const long double rl[] = {-kPi, kPi};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(D(Zahl(1, i + 1)), D(lr[i]), D(kGitter)) << i;
    EXPECT_NEAR(D(Zahl(2, i + 1)), 0, D(kGitter)) << i;
  }
  for (int i = 0; i < 2; ++i)
    EXPECT_NEAR(D(Zahl(3, i + 1)), D(rl[i]), D(kGitter)) << i;
  EXPECT_EQ(tab.Zelle(1, 2), "0");
  EXPECT_EQ(tab.Zelle(1, 4), "");
  EXPECT_EQ(tab.Zelle(3, 3), "");
}

TEST_F(ExtremWende, OhneTEinDurchlaufUndTDanachEinSchritt) {
  struct Fall {
    const char* term;
    bool gefunden;
  } faelle[] = {
      {"x²", true},       // one minimum
      {"3", false},       // constant: nothing
      {"ln(x)", false},   // undefined left half is skipped, no false minimum at 0
      {"ln(-x)", false},  // undefined right half
  };
  for (const Fall& f : faelle) {
    Tabelle_leeren(tab);
    const TExtremergebnis e = Scan(f.term, false, {.t1 = 1, .t2 = 2.2L, .dt = 0.2L});
    EXPECT_EQ(e.gefunden, f.gefunden) << f.term;
    EXPECT_NEAR(D(e.t_danach), 1.2, 1e-15) << f.term;
    EXPECT_EQ(tab.Zelle(5, 1), "") << f.term;
  }
  EXPECT_EQ(tab.Zelle(1, 1), "");  // ln(-x): no maximum at the edge of the domain
}

TEST_F(ExtremWende, SchrittweiteOhneFortschrittEndetNachEinemDurchlauf) {
  for (long double dt : {0.0L, -0.2L}) {
    Tabelle_leeren(tab);
    const TExtremergebnis e = Scan("t·x²", false, {.t1 = 1, .t2 = 2.2L, .dt = dt});
    EXPECT_TRUE(e.gefunden);
    EXPECT_EQ(tab.Zelle(5, 1), "t=1");
    EXPECT_EQ(tab.Zelle(3, 2), "");
  }
}

TEST_F(ExtremWende, LangeScharZeigtFortschrittUndEndetAufEscape) {
  // Every look at the clock is a second later, so the progress shows at once.
  TRechenlauf::Uhr_setzen([] {
    static TRechenlauf::TZeitpunkt t;
    return t += std::chrono::seconds(1);
  });
  dialoge.abbruch_ab_abfrage = 1;
  const TExtremergebnis e = Scan("t·x²", false, {.t1 = 1, .t2 = 1000, .dt = 1});
  TRechenlauf::Uhr_setzen(nullptr);
  EXPECT_TRUE(e.abgebrochen);
  EXPECT_TRUE(e.gefunden);
  EXPECT_FALSE(dialoge.fortschritte.empty());
  EXPECT_EQ(tab.Zelle(5, 1), "t=1");
  EXPECT_EQ(tab.Zelle(5, 10), "");  // stopped long before t = 1000
}

TEST_F(ExtremWende, PlateauWirdAnSeinemEndeGemeldet) {
  // Constant on [-1; 1] between a fall and a rise: the minimum is reported at x = 1.
  Scan("abs(x+1)+abs(x-1)", false, {.t1 = 1, .t2 = 1, .dt = 1});
  EXPECT_NEAR(D(Zahl(3, 1)), 1, D(kGitter));
  EXPECT_EQ(tab.Zelle(3, 2), "");
}

}  // namespace
