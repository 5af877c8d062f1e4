// Parametric and polar curves on a white 641 x 641 picture of the default view (-8..8 on both
// axes, 40 pixels per unit, origin at pixel (320, 320)).

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "analysis/UParameterkurven.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Blattspeicher.h"

namespace {

constexpr TFarbe kKurvenRot = 0x0000FF;
constexpr TFarbe kKurvenWeiss = 0xFFFFFF;
constexpr long double kPiKurve = std::numbers::pi_v<long double>;

// Pixel of a world point in the default view.
int Spalte(long double x) {
  return static_cast<int>(std::lround((x + 8) * 40));
}
int Zeile(long double y) {
  return static_cast<int>(std::lround((8 - y) * 40));
}

// The range as the fields give it: 0 to 2pi in steps of pi/720.
TParameterbereich Vollkreis(const char* schritt = "pi/720") {
  return {0, Term_auswerten("2pi", 0, 0), Term_auswerten(schritt, 0, 0)};
}

TScharwerte Schar(bool alle_t) {
  TScharwerte s;  // 1 to 2,2 in steps of 0,2
  s.alle_t = alle_t;
  return s;
}

class Parameterkurven : public ::testing::Test {
 protected:
  void SetUp() override {
    gesichert_ = KOS;
    Blatt_Speicher().Zuruecksetzen();
    Bild_leeren(bild, kKurvenWeiss);
  }
  void TearDown() override { KOS = gesichert_; }

  bool Parameter(const std::string& x, const std::string& y, TParameterbereich p,
                 TScharwerte s = Schar(false)) {
    return Parameterkurve_zeichnen(bild, x, y, kKurvenRot, 1, p, s);
  }
  bool Polar(const std::string& r, TParameterbereich p, TScharwerte s = Schar(false)) {
    return Polarkurve_zeichnen(bild, r, kKurvenRot, 1, p, s);
  }
  TFarbe P(long double x, long double y) const { return bild.Pixel(Spalte(x), Zeile(y)); }
  int In_Spalte(int x) const {
    int n = 0;
    for (int y = 0; y < bild.Hoehe(); ++y)
      n += bild.Pixel(x, y) != kKurvenWeiss;
    return n;
  }

  TBild bild{641, 641};
  TKOS gesichert_;
};

TEST(Parameterwerte, EinBereichInNGleichenSchrittenHatNPlusEinenWert) {
  // The accumulated steps may overshoot 2pi by a rounding error; the last value still counts.
  struct Fall {
    const char* schritt;
    long anzahl;
  } faelle[] = {{"pi/2", 5},  {"pi/3", 7},     {"2pi/7", 8},     {"pi/4", 9},
                {"pi/5", 11}, {"pi/360", 721}, {"pi/720", 1441}, {"2pi/1000", 1001}};
  for (const Fall& f : faelle)
    EXPECT_EQ(Parameterwerte_Anzahl(Vollkreis(f.schritt)), f.anzahl) << f.schritt;
}

TEST(Parameterwerte, UnbrauchbareSchritteEndenSofortZuFeineWerdenVerteilt) {
  const long double nan = std::nanl("");
  constexpr long kMax = kParameterpunkte_hoechstens;
  struct Fall {
    TParameterbereich p;
    long anzahl;
    bool gleichmaessig;
  } faelle[] = {
      {{0, 1, 0}, 1, false},                     // the step does not advance
      {{0, 1, -0.1L}, 1, false},                 // backwards
      {{2, 1, 0.1L}, 1, false},                  // start beyond the end: k1 alone
      {{0, nan, 0.1L}, 1, false},                // a bound that is no number
      {{0, 1, nan}, 1, false},                   // a step that is no number
      {{0, 1, 1.0L / (kMax - 1)}, kMax, false},  // exactly the cap
      {{1e30L, 2e30L, 1}, kMax, true},           // the step is lost beside t
      {{0, 1e9L, 1e-3L}, kMax, true},            // absurd range
      {{0, 1, 1e-12L}, kMax, true},              // absurdly small step
  };
  for (const Fall& f : faelle) {
    const TParameterraster r = Parameterraster(f.p);
    EXPECT_EQ(r.anzahl, f.anzahl) << f.p.k1 << ' ' << f.p.k2 << ' ' << f.p.dk;
    EXPECT_EQ(r.gleichmaessig, f.gleichmaessig) << f.p.k1 << ' ' << f.p.k2 << ' ' << f.p.dk;
  }
}

TEST_F(Parameterkurven, StartellipseIstGeschlossen) {
  // x = cos t, y = 0,6 sin t: half-axes 1 and 0,6 around the origin.
  ASSERT_TRUE(Parameter("x·cos(t)", "3x/5·sin(t)", Vollkreis()));
  for (auto [x, y] : {std::pair{1.0L, 0.0L}, {-1.0L, 0.0L}, {0.0L, 0.6L}, {0.0L, -0.6L}})
    EXPECT_EQ(P(x, y), kKurvenRot) << x << ' ' << y;
  // Every column strictly inside holds the upper and the lower arc, nothing outside.
  for (int c = 281; c < 360; ++c)
    EXPECT_GE(In_Spalte(c), 2) << c;
  EXPECT_EQ(In_Spalte(279), 0);
  EXPECT_EQ(In_Spalte(361), 0);
  EXPECT_EQ(bild.Pixel(320, 320), kKurvenWeiss);
}

TEST_F(Parameterkurven, GrobeSchritteSchliessenDenUmlaufMitDerLetztenKante) {
  // Circle of radius 5 in eighths of a turn: the octagon with corners 5(cos(k·pi/4)|sin(k·pi/4)).
  // Eight steps of pi/4 add up to a hair more than 2pi; the last edge, from (3,54|-3,54) back to
  // (5|0), crosses row 391 (y = -1,77) right of the y axis, the edge opposite it left of it.
  ASSERT_TRUE(Parameter("5·cos(t)", "5·sin(t)", Vollkreis("pi/4")));
  int rechts = 0, links = 0;
  for (int c = 0; c < 641; ++c)
    (c > 320 ? rechts : links) += bild.Pixel(c, 391) == kKurvenRot;
  EXPECT_EQ(rechts, 1);
  EXPECT_EQ(links, 1);
  EXPECT_EQ(P(5, 0), kKurvenRot);
}

TEST_F(Parameterkurven, SiebenEllipsenInDenFarbenDerSchar) {
  // Member i has x = 1 + 0,2i: its right vertex (x|0) lies in column 360 + 8i.
  const TFarbe farben[] = {0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x000080, 0xFFFF00, 0x800000};
  ASSERT_TRUE(Parameter("x·cos(t)", "3x/5·sin(t)", Vollkreis(), Schar(true)));
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(bild.Pixel(360 + 8 * i, 320), farben[i]) << i;
    EXPECT_EQ(bild.Pixel(280 - 8 * i, 320), farben[i]) << i;
    // No line runs from one member's last point to the next member's first.
    EXPECT_EQ(bild.Pixel(364 + 8 * i, 320), kKurvenWeiss) << i;
  }
  EXPECT_EQ(bild.Pixel(416, 320), kKurvenWeiss);  // no eighth member at x = 2,4
}

TEST_F(Parameterkurven, OhneScharNurDasGliedZumStartwertInEigenerFarbe) {
  ASSERT_TRUE(Parameter("x·cos(t)", "3x/5·sin(t)", Vollkreis(), Schar(false)));
  EXPECT_EQ(bild.Pixel(360, 320), kKurvenRot);
  EXPECT_EQ(bild.Pixel(368, 320), kKurvenWeiss);
}

TEST_F(Parameterkurven, DieKurveBeginntAmErstenDefiniertenPunkt) {
  // y = sqrt(t) is undefined for t < 0: from t = -1 the curve starts at the origin.
  ASSERT_TRUE(Parameter("t", "sqrt(t)", {-1, 4, 0.25L}));
  EXPECT_EQ(P(0, 0), kKurvenRot);
  EXPECT_EQ(P(1, 1), kKurvenRot);
  EXPECT_EQ(P(2.25L, 1.5L), kKurvenRot);
  for (int c = 0; c < 320; ++c)
    ASSERT_EQ(In_Spalte(c), 0) << c;
}

TEST_F(Parameterkurven, EineLueckeTrenntDieStueckeOhneVerbindung) {
  // y = 1/(t - 1) over -3..3: the two branches meet no line across the pole at t = 1.
  ASSERT_TRUE(Parameter("t", "1/(t-1)", {-3, 3, 0.5L}));
  EXPECT_EQ(P(0, -1), kKurvenRot);
  EXPECT_EQ(P(2, 1), kKurvenRot);
  EXPECT_EQ(In_Spalte(Spalte(1)), 0);
}

TEST_F(Parameterkurven, EinFehlerhafterTermZeichnetNichts) {
  ASSERT_TRUE(Parameter("x·cos(", "sin(t)", Vollkreis()));
  ASSERT_TRUE(Polar("1,2t·", Vollkreis()));
  for (int c = 0; c < 641; c += 40)
    EXPECT_EQ(In_Spalte(c), 0) << c;
}

TEST_F(Parameterkurven, PolareRoseDurchlaeuftIhrePunkte) {
  // r = 1,2t·sin(7t): every seventh of a half turn through the origin, the point at t = k·pi/720
  // at (r cos t | r sin t), with r < 0 on the opposite side of the origin.
  ASSERT_TRUE(Polar("1,2t·sin(7t)", Vollkreis()));
  EXPECT_EQ(P(0, 0), kKurvenRot);
  for (int k : {180, 360, 540, 900, 990, 1080, 1170, 1260, 1350}) {
    const long double t = k * kPiKurve / 720;
    const long double r = 1.2L * t * std::sin(7 * t);
    EXPECT_EQ(P(r * std::cos(t), r * std::sin(t)), kKurvenRot) << k;
  }
  EXPECT_EQ(P(-7, -7), kKurvenWeiss);
}

TEST_F(Parameterkurven, PolareEckenWerdenGeradeVerbunden) {
  struct Fall {
    const char* r;
    long double x, y;  // a point of the drawing
  } faelle[] = {
      {"2", 2, 0},
      {"2", 1, 1},  // r = 2 in quarter turns: the edge from (2|0) to (0|2)
      {"-2", -2, 0},
      {"-2", -1, -1},  // r < 0: the same square, half a turn on
  };
  for (const Fall& f : faelle) {
    Bild_leeren(bild, kKurvenWeiss);
    ASSERT_TRUE(Polar(f.r, Vollkreis("pi/2")));
    EXPECT_EQ(P(f.x, f.y), kKurvenRot) << f.r << ' ' << f.x << ' ' << f.y;
  }
}

TEST_F(Parameterkurven, JedesGliedDerPolarscharBeginntMitEinemSprung) {
  // r = 2x for x = 1; 1,2; ... 2,2: circles through (2|0), (2,4|0), ... in columns 400 + 16i.
  ASSERT_TRUE(Polar("2x", Vollkreis(), Schar(true)));
  EXPECT_EQ(bild.Pixel(400, 320), 0x000000u);
  EXPECT_EQ(bild.Pixel(416, 320), 0x0000FFu);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(bild.Pixel(408 + 16 * i, 320), kKurvenWeiss) << i;
}

TEST_F(Parameterkurven, UnsinnigeBereicheEndenUndZeichnenHoechstensDenErstenPunkt) {
  const long double nan = std::nanl("");
  for (TParameterbereich p : {TParameterbereich{0, 1, 0}, {0, 1, -1}, {0, nan, 1}, {nan, 1, 1}}) {
    ASSERT_TRUE(Parameter("t", "t", p));
    ASSERT_TRUE(Polar("t", p));
  }
  for (int c = 0; c < 641; c += 10)
    EXPECT_EQ(In_Spalte(c), 0) << c;
  // A range of a billion units ends after the cap and still draws its start.
  ASSERT_TRUE(Parameter("t/1000", "0", {0, 1e9L, 1e-3L}));
  EXPECT_EQ(P(0, 0), kKurvenRot);
}

}  // namespace
