#include <gtest/gtest.h>

#include "engine/KOS.h"
#include "kos/U_Ansicht.h"
#include "platform/Blattspeicher.h"
#include "support/Gebietsschema.h"

namespace {

TBereich Standardbereich() {
  return TBereich{-8, 8, -8, 8, 1, 1};
}

class Ansicht : public ::testing::Test {
 protected:
  void SetUp() override {
    gesichert_ = KOS;
    Blatt_Speicher().Zuruecksetzen();
  }
  void TearDown() override {
    KOS = gesichert_;
    Zoom_Standardwerte();
  }
  TKOS gesichert_;
};

struct Ursprungsfall {
  TUrsprung u;
  int N, M;
  long double xli, xre, yu, yo;
};

TEST_F(Ansicht, VoreinstellungenDesUrsprungsBehaltenBreiteUndHoehe) {
  const Ursprungsfall faelle[] = {
      {TUrsprung::Mitte, 16, 16, -8, 8, -8, 8},
      {TUrsprung::Links_unten, 16, 16, -1, 15, -1, 15},
      {TUrsprung::Quadranten_1_2, 16, 16, -8, 8, -1, 15},
      {TUrsprung::Quadranten_1_4, 16, 16, -1, 15, -8, 8},
      // 8 cm wide, 4 cm high picture: one cm is 2 units across and 4 units up.
      {TUrsprung::Links_unten, 8, 4, -2, 14, -4, 12},
  };
  for (const auto& f : faelle) {
    TBereich b = Standardbereich();
    b.xli = 3;  // an off-centre view of width 16 and height 16
    b.xre = 19;
    b.yu = -20;
    b.yo = -4;
    const TBereich r = Ursprung_setzen(b, f.u, f.N, f.M);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.xli), static_cast<double>(f.xli));
    EXPECT_DOUBLE_EQ(static_cast<double>(r.xre), static_cast<double>(f.xre));
    EXPECT_DOUBLE_EQ(static_cast<double>(r.yu), static_cast<double>(f.yu));
    EXPECT_DOUBLE_EQ(static_cast<double>(r.yo), static_cast<double>(f.yo));
    EXPECT_EQ(r.xscl, 1);
    EXPECT_EQ(r.yscl, 1);
  }
}

struct Zoomfall {
  TZoom z;
  long double xli, xre, xscl, yu, yo, yscl;
  int stufe;
};

TEST_F(Ansicht, EinZoomschrittSkaliertUmDenUrsprungUndZaehltBeideStufen) {
  const Zoomfall faelle[] = {
      {TZoom::Verkleinern, -16, 16, 2, -16, 16, 2, 1},
      {TZoom::Vergroessern, -4, 4, 0.5, -4, 4, 0.5, -1},
      {TZoom::x_stauchen, -16, 16, 2, -8, 8, 1, 1},
      {TZoom::x_strecken, -4, 4, 0.5, -8, 8, 1, -1},
      {TZoom::y_stauchen, -8, 8, 1, -16, 16, 2, 1},
      {TZoom::y_strecken, -8, 8, 1, -4, 4, 0.5, -1},
  };
  for (const auto& f : faelle) {
    Zoom_Standardwerte();
    TBereich b = Standardbereich();
    b.xli = -6;  // asymmetric: zooming is about the origin, not the centre
    ASSERT_TRUE(Zoomen(b, f.z));
    const long double xli_erwartet = f.xscl == 1 ? -6 : -6 * f.xscl;
    EXPECT_EQ(b.xli, xli_erwartet);
    EXPECT_EQ(b.xre, f.xre);
    EXPECT_EQ(b.xscl, f.xscl);
    EXPECT_EQ(b.yu, f.yu);
    EXPECT_EQ(b.yo, f.yo);
    EXPECT_EQ(b.yscl, f.yscl);
    EXPECT_EQ(Zoomstufe_x, f.stufe);
    EXPECT_EQ(Zoomstufe_y, f.stufe);
  }
}

TEST_F(Ansicht, ZweiunddreissigVerkleinerungenErreichenDieGrenze) {
  TBereich b = Standardbereich();
  for (int i = 0; i < 32; ++i)
    ASSERT_TRUE(Zoomen(b, TZoom::Verkleinern)) << i;
  EXPECT_EQ(b.xre, 8.0L * 4294967296.0L);
  const TBereich vorher = b;
  EXPECT_FALSE(Zoomen(b, TZoom::Verkleinern));
  EXPECT_EQ(b.xre, vorher.xre);
  EXPECT_EQ(b.xscl, vorher.xscl);
  EXPECT_EQ(Zoomstufe_x, 32);
  EXPECT_EQ(Zoomstufe_y, 32);
  // The other direction still works.
  EXPECT_TRUE(Zoomen(b, TZoom::Vergroessern));
  EXPECT_EQ(Zoomstufe_x, 31);
}

TEST_F(Ansicht, EinachsigerZoomPrueftNurDieEigeneStufe) {
  TBereich b = Standardbereich();
  Zoomstufe_x = -32;
  Zoomstufe_y = 0;
  EXPECT_FALSE(Zoomen(b, TZoom::x_strecken));
  EXPECT_FALSE(Zoomen(b, TZoom::Vergroessern));  // both axes: either counter blocks
  EXPECT_TRUE(Zoomen(b, TZoom::y_strecken));     // y counter is free; both counters move
  EXPECT_EQ(Zoomstufe_x, -33);
  EXPECT_EQ(Zoomstufe_y, -1);
  EXPECT_EQ(b.yo, 4);
  EXPECT_EQ(b.xre, 8);
}

TEST_F(Ansicht, SchiebenUmEineHalbeSkaleneinheit) {
  struct Fall {
    TRichtung r;
    long double xli, xre, yu, yo;
  };
  const Fall faelle[] = {
      {TRichtung::Rechts, -7.5, 8.5, -8, 8},
      {TRichtung::Links, -8.5, 7.5, -8, 8},
      {TRichtung::Hoch, -8, 8, -6.5, 9.5},
      {TRichtung::Runter, -8, 8, -9.5, 6.5},
  };
  for (const auto& f : faelle) {
    TBereich b = Standardbereich();
    b.yscl = 3;
    const TBereich r = Schieben(b, f.r);
    EXPECT_EQ(r.xli, f.xli);
    EXPECT_EQ(r.xre, f.xre);
    EXPECT_EQ(r.yu, f.yu);
    EXPECT_EQ(r.yo, f.yo);
  }
}

TEST_F(Ansicht, ZiehenFolgtDerMaus) {
  // Mouse moves 10 px right and 5 px up: the view moves left and down, 0,02 units per pixel.
  const TBereich r = Ziehen(Standardbereich(), 100, 100, 110, 95);
  EXPECT_NEAR(static_cast<double>(r.xli), -8.2, 1e-15);
  EXPECT_NEAR(static_cast<double>(r.xre), 7.8, 1e-15);
  EXPECT_NEAR(static_cast<double>(r.yu), -8.1, 1e-15);
  EXPECT_NEAR(static_cast<double>(r.yo), 7.9, 1e-15);
}

TEST_F(Ansicht, BildlageZentriertKleinereBilder) {
  struct Fall {
    int N, M;
    TBildlage l;
  };
  const Fall faelle[] = {
      {16, 16, {0, 0, 641, 641}},
      {15, 16, {20, 0, 601, 641}},
      {8, 8, {160, 160, 321, 321}},
      {3, 5, {260, 220, 121, 201}},
  };
  for (const auto& f : faelle) {
    const TBildlage l = Bildlage_berechnen(f.N, f.M);
    EXPECT_EQ(l.links, f.l.links);
    EXPECT_EQ(l.oben, f.l.oben);
    EXPECT_EQ(l.breite, f.l.breite);
    EXPECT_EQ(l.hoehe, f.l.hoehe);
  }
}

TEST_F(Ansicht, BildgroesseInZentimeterschrittenMitGrenzen) {
  int n = 16;
  long double a = -8, b = 8;
  EXPECT_FALSE(Bildgroesse_aendern(true, n, a, b));
  EXPECT_EQ(n, 16);
  ASSERT_TRUE(Bildgroesse_aendern(false, n, a, b));
  EXPECT_EQ(n, 15);
  EXPECT_EQ(a, -7.5);
  EXPECT_EQ(b, 7.5);
  ASSERT_TRUE(Bildgroesse_aendern(true, n, a, b));
  EXPECT_EQ(n, 16);
  EXPECT_EQ(a, -8);
  EXPECT_EQ(b, 8);
  n = 3;
  a = 0;
  b = 3;
  EXPECT_FALSE(Bildgroesse_aendern(false, n, a, b));
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 3);
}

TEST_F(Ansicht, ZoomrahmenWaehltDenAusschnitt) {
  long double xa = 0, xe = 0, ya = 0, ye = 0;
  ASSERT_TRUE(Zoomrahmen_Bereich({100, 100}, {300, 200}, 641, 641, xa, xe, ya, ye));
  EXPECT_EQ(xa, -5.5);
  EXPECT_EQ(xe, -0.5);
  EXPECT_EQ(ya, 3);
  EXPECT_EQ(ye, 5.5);
  // Dragged the other way round: the same view.
  ASSERT_TRUE(Zoomrahmen_Bereich({300, 200}, {100, 100}, 641, 641, xa, xe, ya, ye));
  EXPECT_EQ(xa, -5.5);
  EXPECT_EQ(ye, 5.5);
  // No width or no height: no zoom.
  EXPECT_FALSE(Zoomrahmen_Bereich({100, 100}, {100, 200}, 641, 641, xa, xe, ya, ye));
  EXPECT_FALSE(Zoomrahmen_Bereich({100, 100}, {300, 100}, 641, 641, xa, xe, ya, ye));
  EXPECT_FALSE(Zoomrahmen_Bereich({5, 5}, {5, 5}, 641, 641, xa, xe, ya, ye));
}

TEST(Gleitkommatext, WieDieFelderZahlenZeigen) {
  const struct {
    long double x;
    const char* text;
  } faelle[] = {
      {0, "0"},
      {-7.5L, "-7,5"},
      {8.5L, "8,5"},
      {0.3125L, "0,3125"},
      {0.15625L, "0,15625"},
      {1.6L, "1,6"},
      {2.2L, "2,2"},
      {1.0L / 3, "0,333333333333333"},
      {-16, "-16"},
      {34359738368.0L, "34359738368"},
      {123456789012345.0L, "123456789012345"},
      {1e15L, "1E15"},
      {1.5e20L, "1,5E20"},
      {1e-7L, "1E-7"},
      {-0.00001L, "-0,00001"},
      {0.000012L, "0,000012"},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Gleitkomma_Text(f.x), f.text) << f.text;
}

// On a German desktop the C library reads and writes a decimal comma; the fields do not care.
TEST(Gleitkommatext, UnterDeutschemGebietsschemaGleich) {
  QDX_DEUTSCH_ODER_UEBERSPRINGEN(de);
  struct Fall {
    const char* text;
    bool ok;
    long double wert;
  } const faelle[] = {
      {"0,4", true, 0.4L}, {"0.4", true, 0.4L},     {"12,5", true, 12.5L},
      {"+3", true, 3},     {"-2.5E3", true, -2500}, {"12,5;18", false, 0},
      {"0,4x", false, 0},  {"1E99999", false, 0},   {"+-1", false, 0},
  };
  for (const Fall& f : faelle) {
    long double x = 0;
    EXPECT_EQ(Gleitkomma_lesen(f.text, x), f.ok) << f.text;
    EXPECT_EQ(x, f.wert) << f.text;
  }
  EXPECT_EQ(Gleitkomma_Text(0.4L), "0,4");
  EXPECT_EQ(Gleitkomma_Text(-12.5L), "-12,5");
  EXPECT_EQ(Gleitkomma_Text(1.5e20L), "1,5E20");
  EXPECT_EQ(Gleitkomma_Text(2.5e-7L), "2,5E-7");
}

TEST(Gleitkommatext, LesenNimmtKommaUndPunkt) {
  long double x = 0;
  EXPECT_TRUE(Gleitkomma_lesen("-7,5", x));
  EXPECT_EQ(x, -7.5);
  EXPECT_TRUE(Gleitkomma_lesen("0.25", x));
  EXPECT_EQ(x, 0.25);
  EXPECT_TRUE(Gleitkomma_lesen("1E-7", x));
  EXPECT_EQ(x, 1e-7L);
  x = 42;
  EXPECT_FALSE(Gleitkomma_lesen("", x));
  EXPECT_FALSE(Gleitkomma_lesen("pi/2", x));
  EXPECT_FALSE(Gleitkomma_lesen("1,5x", x));
  EXPECT_EQ(x, 42);
}

}  // namespace
