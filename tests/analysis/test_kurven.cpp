#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "../support/SkriptDialoge.h"
#include "analysis/UKurven.h"
#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Blattspeicher.h"
#include "platform/URechenlauf.h"

namespace {

constexpr TFarbe kRot = 0x0000FF;
constexpr TFarbe kWeiss = 0xFFFFFF;

class Kurven : public ::testing::Test {
 protected:
  void SetUp() override {
    gesichert_ = KOS;
    Blatt_Speicher().Zuruecksetzen();
    Bild_leeren(bild, kWeiss);
  }
  void TearDown() override { KOS = gesichert_; }

  void Zeichnen(const std::string& term, int modus, TScharwerte s = {}, TFarbe farbe = kRot,
                long double a = -8, long double b = 8) {
    Kurve_zeichnen(bild, term, farbe, 1, modus, a, b, s);
  }
  int In_Spalte(int x, TFarbe c) const {
    int n = 0;
    for (int y = 0; y < bild.Hoehe(); ++y)
      n += bild.Pixel(x, y) == c;
    return n;
  }
  int In_Zeile(int y, TFarbe c) const {
    int n = 0;
    for (int x = 0; x < bild.Breite(); ++x)
      n += bild.Pixel(x, y) == c;
    return n;
  }
  int Insgesamt(TFarbe c) const {
    int n = 0;
    for (int x = 0; x < bild.Breite(); ++x)
      n += In_Spalte(x, c);
    return n;
  }

  TBild bild{641, 641};
  TKOS gesichert_;
};

TEST_F(Kurven, GeradeBeruehrtJedeSpalteAufDerDiagonalen) {
  Zeichnen("x", Modus_Funktion);
  for (int c = 0; c < 640; ++c)
    EXPECT_EQ(bild.Pixel(c, 640 - c), kRot) << c;
  EXPECT_EQ(Insgesamt(kRot), 640);
}

TEST_F(Kurven, NurImIntervallDerFunktion) {
  Zeichnen("x", Modus_Funktion, {}, kRot, -2, 3);
  EXPECT_EQ(bild.Pixel(240, 400), kRot);  // x = -2
  EXPECT_EQ(bild.Pixel(359, 281), kRot);
  EXPECT_EQ(bild.Pixel(239, 401), kWeiss);
  EXPECT_EQ(bild.Pixel(441, 199), kWeiss);
}

TEST_F(Kurven, PoleWerdenNichtSenkrechtVerbunden) {
  for (const char* term : {"tan(x)", "1/x", "1/(x-1)^2"}) {
    Bild_leeren(bild, kWeiss);
    Zeichnen(term, Modus_Funktion);
    int hoechstens = 0;
    for (int c = 0; c < 641; ++c)
      hoechstens = std::max(hoechstens, In_Spalte(c, kRot));
    EXPECT_LT(hoechstens, 200) << term;
    EXPECT_GT(Insgesamt(kRot), 600) << term;
  }
  // Points of the branches lie where they belong: tan(1) = 1,5574 -> row 258; 1/x at 1 -> 280.
  Bild_leeren(bild, kWeiss);
  Zeichnen("tan(x)", Modus_Funktion);
  EXPECT_EQ(bild.Pixel(360, 258), kRot);
  EXPECT_EQ(bild.Pixel(320, 320), kRot);
  Bild_leeren(bild, kWeiss);
  Zeichnen("1/x", Modus_Funktion);
  EXPECT_EQ(bild.Pixel(360, 280), kRot);
  EXPECT_EQ(bild.Pixel(280, 360), kRot);
}

TEST_F(Kurven, TreppenfunktionMitVollemUndOffenemPunkt) {
  Zeichnen("floor(x)", Modus_Funktion);
  for (int m = -7; m <= 7; ++m) {
    const int px = 320 + 40 * m;
    const int py = 320 - 40 * m;
    // Filled dot of radius 2 at (m, m).
    EXPECT_EQ(bild.Pixel(px, py), kRot) << m;
    EXPECT_EQ(bild.Pixel(px + 1, py), kRot) << m;
    // Open circle at the previous sample (m - 1/40, m - 1): white inside, red rim.
    EXPECT_EQ(bild.Pixel(px - 1, py + 40), kWeiss) << m;
    EXPECT_EQ(bild.Pixel(px - 3, py + 40), kRot) << m;
    // No vertical connector between the steps.
    for (int y = py + 4; y <= py + 36; ++y) {
      EXPECT_EQ(bild.Pixel(px, y), kWeiss) << m << " " << y;
      EXPECT_EQ(bild.Pixel(px - 1, y), kWeiss) << m << " " << y;
    }
  }
  // The steps themselves are horizontal runs: half-way along the step from 2 to 3.
  EXPECT_EQ(bild.Pixel(420, 240), kRot);
}

TEST_F(Kurven, VorzeichenfunktionMitPunktImNullpunkt) {
  Zeichnen("sgn(x+1,5)", Modus_Funktion);
  // Filled dot at (-1,5; 0) = pixel (260, 320).
  EXPECT_EQ(bild.Pixel(260, 320), kRot);
  EXPECT_EQ(bild.Pixel(261, 320), kRot);
  // Open circles at the neighbouring samples on both rays.
  EXPECT_EQ(bild.Pixel(259, 360), kWeiss);
  EXPECT_EQ(bild.Pixel(257, 360), kRot);
  // The right ray starts in its circle's centre; the rest of the inside stays white.
  EXPECT_EQ(bild.Pixel(260, 280), kWeiss);
  EXPECT_EQ(bild.Pixel(260, 279), kWeiss);
  EXPECT_EQ(bild.Pixel(259, 280), kRot);
  // Rays: y = -1 on the left, y = 1 on the right; nothing in between.
  EXPECT_EQ(bild.Pixel(100, 360), kRot);
  EXPECT_EQ(bild.Pixel(500, 280), kRot);
  for (int y = 284; y <= 316; ++y)
    EXPECT_EQ(In_Zeile(y, kRot), 0) << y;
  for (int y = 324; y <= 356; ++y)
    EXPECT_EQ(In_Zeile(y, kRot), 0) << y;
}

TEST_F(Kurven, UmkehrrelationIstDasSpiegelbildAnDerWinkelhalbierenden) {
  Zeichnen("sin(x)", Modus_Umkehrrelation);
  // x = 1 maps to (sin 1; 1) = pixel (354, 280); x = 0 to the origin.
  EXPECT_EQ(bild.Pixel(354, 280), kRot);
  EXPECT_EQ(bild.Pixel(320, 320), kRot);
  // Connected: every row between the ends holds a curve pixel, each row a short run only.
  for (int y = 1; y < 640; ++y) {
    EXPECT_GE(In_Zeile(y, kRot), 1) << y;
    EXPECT_LE(In_Zeile(y, kRot), 3) << y;
  }
  // Nothing right of sin's range: x = 1 is column 360.
  for (int x = 362; x < 641; ++x)
    EXPECT_EQ(In_Spalte(x, kRot), 0) << x;
  // tan mirrored: its poles become horizontal jumps, which are not joined.
  Bild_leeren(bild, kWeiss);
  Zeichnen("tan(x)", Modus_Umkehrrelation);
  for (int y = 0; y < 641; ++y)
    EXPECT_LT(In_Zeile(y, kRot), 200) << y;
}

TEST_F(Kurven, AbleitungenUndKruemmung) {
  struct Fall {
    const char* term;
    int modus;
    int x, y;  // a pixel the curve must pass
    int x2, y2;
  };
  const Fall faelle[] = {
      {"x^2", Modus_Ableitung_1, 360, 240, 280, 400},  // f' = 2x
      {"x^2", Modus_Ableitung_2, 100, 240, 600, 240},  // f'' = 2
      {"x^3", Modus_Ableitung_3, 100, 80, 500, 80},    // f''' = 6
      // k(0) = 2; k(0,5) = 2 / 2^(3/2) = 0,7071 -> row 320 - 28,28 = 292.
      {"x^2", Modus_Kruemmung, 320, 240, 340, 292},
  };
  for (const auto& f : faelle) {
    Bild_leeren(bild, kWeiss);
    Zeichnen(f.term, f.modus);
    EXPECT_EQ(bild.Pixel(f.x, f.y), kRot) << f.term << " " << f.modus;
    EXPECT_EQ(bild.Pixel(f.x2, f.y2), kRot) << f.term << " " << f.modus;
  }
}

TEST_F(Kurven, IntegralfunktionVonUAusInBeideRichtungen) {
  TScharwerte s;
  s.u = 0;
  Zeichnen("x", Modus_Integralfunktion, s);
  // F(x) = x^2/2: F(0) = 0, F(2) = F(-2) = 2, F(4) = 8, F(1) = 0,5.
  EXPECT_EQ(bild.Pixel(320, 320), kRot);
  EXPECT_EQ(bild.Pixel(400, 240), kRot);
  EXPECT_EQ(bild.Pixel(240, 240), kRot);
  EXPECT_EQ(bild.Pixel(360, 300), kRot);
  EXPECT_EQ(bild.Pixel(280, 300), kRot);
  EXPECT_EQ(bild.Pixel(320, 319), kWeiss);
  // With u = 2 the whole parabola moves down by 2.
  Bild_leeren(bild, kWeiss);
  s.u = 2;
  Zeichnen("x", Modus_Integralfunktion, s);
  EXPECT_EQ(bild.Pixel(400, 320), kRot);
  EXPECT_EQ(bild.Pixel(320, 400), kRot);
  EXPECT_EQ(bild.Pixel(240, 320), kRot);
  // The integration starts at u even when u lies far outside the interval and the view.
  Bild_leeren(bild, kWeiss);
  s.u = -1000;
  Zeichnen("1", Modus_Integralfunktion, s, kRot, -8, 8);
  // F(x) = x + 1000: far above the view, nothing visible, and it ends.
  EXPECT_EQ(Insgesamt(kRot), 0);
  Bild_leeren(bild, kWeiss);
  s.u = -1000;
  Zeichnen("1/1000", Modus_Integralfunktion, s, kRot, -8, 8);
  // F(x) = (x + 1000)/1000 = 1 + x/1000: row 280 at x = 0.
  EXPECT_EQ(bild.Pixel(320, 280), kRot);
}

TEST_F(Kurven, IntegralfunktionAnLueckenUndPolen) {
  struct Fall {
    const char* term;
    long double u;
    int x, y;                // a pixel of F
    int leer_von, leer_bis;  // columns without any pixel of F
  };
  const Fall faelle[] = {
      // Si(2) = 1,6054: the undefined point at u = 0 is stepped around.
      {"sin(x)/x", 0, 400, 256, 641, 641},
      // (2/3) x^(3/2) at 4 = 5,333 -> row 107; nothing left of 0, where w(x) is undefined.
      {"w(x)", 0, 480, 107, 0, 318},
      // -ln(cos x) at 1 = 0,6156 -> row 295; F ends at the poles +-pi/2 (columns 257, 383).
      {"tan(x)", 0, 360, 295, 386, 641},
      // ln x from u = 1: ln 2 = 0,6931 -> row 292; the pole at 0 ends F.
      {"1/x", 1, 400, 292, 0, 318},
  };
  for (const auto& f : faelle) {
    Bild_leeren(bild, kWeiss);
    TScharwerte s;
    s.u = f.u;
    Zeichnen(f.term, Modus_Integralfunktion, s);
    EXPECT_EQ(bild.Pixel(f.x, f.y), kRot) << f.term;
    for (int x = f.leer_von; x < f.leer_bis; ++x)
      EXPECT_EQ(In_Spalte(x, kRot), 0) << f.term << x;
  }
  // tan: nothing left of the pole at -pi/2 either.
  for (int x = 0; x < 255; ++x)
    EXPECT_EQ(In_Spalte(x, kRot), 0) << x;
}

TEST_F(Kurven, ScharMitSiebenGliedernInDenFarbenDerTabelle) {
  TScharwerte s;  // 1 to 2,2 step 0,2
  s.alle_t = true;
  Zeichnen("t", Modus_Funktion, s);
  const TFarbe farben[7] = {0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x000080, 0xFFFF00, 0x800000};
  for (int i = 0; i < 7; ++i) {
    const int zeile = 280 - 8 * i;  // y = 1 + 0,2 i
    EXPECT_EQ(bild.Pixel(100, zeile), farben[i]) << i;
    EXPECT_EQ(In_Zeile(zeile, farben[i]), 640) << i;
  }
  EXPECT_EQ(In_Zeile(224, 0x800080), 0);  // no eighth member at 2,4
  EXPECT_EQ(bild.Pixel(100, 224), kWeiss);
}

// One compiled term draws all members: each derived curve follows its own t. Every case is the
// horizontal line y = t (or, for F, passes y = t at x = 1), so member i lies in row 280 - 8 i.
TEST_F(Kurven, ScharDerAbgeleitetenKurvenFolgtT) {
  const struct {
    const char* term;
    int modus;
    int spalte;
  } faelle[] = {
      {"t*x", Modus_Ableitung_1, 100},
      {"t*x^2/2", Modus_Ableitung_2, 100},
      {"t*x^3/6", Modus_Ableitung_3, 100},
      {"t", Modus_Integralfunktion, 360},  // F = t x
  };
  const TFarbe farben[7] = {0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x000080, 0xFFFF00, 0x800000};
  TScharwerte s;
  s.alle_t = true;
  for (const auto& f : faelle) {
    Bild_leeren(bild, kWeiss);
    Zeichnen(f.term, f.modus, s);
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(bild.Pixel(f.spalte, 280 - 8 * i), farben[i]) << f.term << " Glied " << i;
  }
}

TEST_F(Kurven, ScharOhneParameterBehaeltDieEigeneFarbe) {
  TScharwerte s;
  s.alle_t = true;
  Zeichnen("2", Modus_Funktion, s, 0x123456);
  EXPECT_EQ(In_Zeile(240, 0x123456), 640);
  // Without "t von" only t1 is drawn.
  Bild_leeren(bild, kWeiss);
  s.alle_t = false;
  Zeichnen("t", Modus_Funktion, s, 0x123456);
  EXPECT_EQ(In_Zeile(280, 0x123456), 640);
  EXPECT_EQ(Insgesamt(0x123456), 640);
}

TEST(Scharglieder, AnzahlUndGrenzen) {
  struct Fall {
    long double t1, t2, dt;
    bool an;
    int n;
  };
  const Fall faelle[] = {
      {1, 2.2L, 0.2L, true, 7},
      {1, 2.2L, 0.2L, false, 1},
      {0, 1, 0.1L, true, 11},
      {1, 2, 0, true, 1},
      {1, 2, -0.5L, true, 1},
      {3, 2, 0.5L, true, 1},
      {0, 1e12L, 1, true, kScharglieder_hoechstens},
      {1e20L, 2e20L, 1, true, 1},
  };
  for (const auto& f : faelle) {
    TScharwerte s;
    s.t1 = f.t1;
    s.t2 = f.t2;
    s.dt = f.dt;
    s.alle_t = f.an;
    EXPECT_EQ(Scharglieder_Anzahl(s), f.n)
        << static_cast<double>(f.t1) << " " << static_cast<double>(f.dt);
  }
}

TEST(Scharfaerbung, BuchstabenTOderKIrgendwo) {
  EXPECT_TRUE(Scharfaerbung_moeglich("0,1tx(9t-x²)"));
  EXPECT_TRUE(Scharfaerbung_moeglich("tan(x)"));
  EXPECT_TRUE(Scharfaerbung_moeglich("sqrt(x)"));
  EXPECT_TRUE(Scharfaerbung_moeglich("K*x"));
  EXPECT_FALSE(Scharfaerbung_moeglich("sin(x)/x"));
  EXPECT_FALSE(Scharfaerbung_moeglich("sgn(x+1,5)"));
}

TEST_F(Kurven, SenkrechteUeberDieGanzeBildhoehe) {
  Senkrechte_zeichnen(bild, "pi-1,14159265358979", kRot, 1);  // x = 2
  EXPECT_EQ(In_Spalte(400, kRot), 641);
  EXPECT_EQ(Insgesamt(kRot), 641);
}

TEST_F(Kurven, RiesigesIntervallBleibtSchnellUndRichtig) {
  Zeichnen("x", Modus_Funktion, {}, kRot, -1e30L, 1e30L);
  EXPECT_EQ(bild.Pixel(100, 540), kRot);
  Bild_leeren(bild, kWeiss);
  Zeichnen("x", Modus_Funktion, {}, kRot, -1e9L, 4);
  EXPECT_EQ(bild.Pixel(100, 540), kRot);
  EXPECT_EQ(bild.Pixel(478, 162), kRot);
  EXPECT_EQ(bild.Pixel(482, 158), kWeiss);  // ends at x = 4
}

TEST_F(Kurven, LangeScharZeigtFortschrittUndLaesstSichAbbrechen) {
  SkriptDialoge d;
  d.abbruch_ab_abfrage = 1;
  TScharwerte s;
  s.t1 = 0;
  s.t2 = 1e12L;
  s.dt = 1;
  s.alle_t = true;
  // Every reading of this clock is a second later: the drawing counts as long from the start.
  TRechenlauf::Uhr_setzen([] {
    static TRechenlauf::TZeitpunkt t;
    return t += std::chrono::seconds(1);
  });
  EXPECT_FALSE(Kurve_zeichnen(bild, "sin(x+t)", kRot, 1, Modus_Funktion, -8, 8, s));
  TRechenlauf::Uhr_setzen(nullptr);
  EXPECT_FALSE(d.fortschritte.empty());
  EXPECT_EQ(d.fortschritte.back(), -1);
}

TEST(Schieberegler, WertZwischenDenGrenzen) {
  EXPECT_EQ(Schieberegler_Wert(0, 1, 2.2L), 1);
  EXPECT_NEAR(static_cast<double>(Schieberegler_Wert(50, 1, 2.2L)), 1.6, 1e-15);
  EXPECT_NEAR(static_cast<double>(Schieberegler_Wert(100, 1, 2.2L)), 2.2, 1e-15);
  EXPECT_EQ(Schieberegler_Wert(25, -4, 4), -2);
}

}  // namespace
