// The coordinate system: mapping, axis positions, grid, ticks, numbers, captions, point list.

#include <gtest/gtest.h>

#include <cmath>

#include "kos_hilfe.h"
#include "platform/Blattspeicher.h"

using kos_test::Anzahl;
using kos_test::Nicht_weiss;

namespace {

constexpr TFarbe S = 0x000000;
constexpr TFarbe RASTER = 0xD6D6D6;
constexpr TFarbe GROB = 0xB6B6B6;

using KOSTest = kos_test::Mit_Startwerten;

// ---- mapping -----------------------------------------------------------------------------------

TEST_F(KOSTest, AbbildungDerStartansicht) {
  TBild b;
  struct Fall {
    long double welt;
    int x, y;
  };
  for (const Fall f : {Fall{0, 320, 320}, Fall{1, 360, 280}, Fall{-8, 0, 640}, Fall{8, 640, 0},
                       Fall{-1, 280, 360}, Fall{0.5L, 340, 300}, Fall{7.75L, 630, 10}}) {
    EXPECT_EQ(x_zu_Pixel(b, f.welt), f.x) << static_cast<double>(f.welt);
    EXPECT_EQ(y_zu_Pixel(b, f.welt), f.y) << static_cast<double>(f.welt);
  }
  EXPECT_EQ(Pixel_zu_x(b, 320), 0);
  EXPECT_EQ(Pixel_zu_x(b, 360), 1);
  EXPECT_EQ(Pixel_zu_y(b, 0), 8);
  EXPECT_EQ(Pixel_zu_y(b, 640), -8);
  EXPECT_EQ(Pixel_zu_x(b, 330), 0.25L);  // no rounding
}

TEST_F(KOSTest, RundenHalbeZurGeradenZahl) {
  TBild b(5, 5);  // 4 pixel steps over 0..4: one unit per pixel
  KOS.xli = 0;
  KOS.xre = 4;
  KOS.yu = 0;
  KOS.yo = 4;
  struct Fall {
    long double x;
    int px;
  };
  for (const Fall f : {Fall{0.5L, 0}, Fall{1.5L, 2}, Fall{2.5L, 2}, Fall{3.5L, 4}, Fall{-0.5L, 0},
                       Fall{-1.5L, -2}, Fall{2.4L, 2}, Fall{2.6L, 3}})
    EXPECT_EQ(x_zu_Pixel(b, f.x), f.px) << static_cast<double>(f.x);
  EXPECT_EQ(y_zu_Pixel(b, 1.5L), 2);  // q = 2.5
  EXPECT_EQ(y_zu_Pixel(b, 2.5L), 2);  // q = 1.5
}

TEST_F(KOSTest, WeitAusserhalbWirdBegrenzt) {
  TBild b;
  EXPECT_EQ(x_zu_Pixel(b, 1e6L), 20000);
  EXPECT_EQ(x_zu_Pixel(b, -1e6L), -20000);
  EXPECT_EQ(x_zu_Pixel(b, 1e100L), 20000);
  EXPECT_EQ(y_zu_Pixel(b, 1e100L), -20000);
  EXPECT_EQ(y_zu_Pixel(b, -1e100L), 20000);
  // 20000 itself is still an ordinary result: x = 492 gives p = 500 * 40 = 20000.
  EXPECT_EQ(x_zu_Pixel(b, 492), 19999 + 1);
  EXPECT_EQ(x_zu_Pixel(b, 492.1L), 20000);
}

TEST_F(KOSTest, AbbildungFolgtDerBildgroesse) {
  TBild b(321, 161);
  EXPECT_EQ(x_zu_Pixel(b, 0), 160);
  EXPECT_EQ(x_zu_Pixel(b, 8), 320);
  EXPECT_EQ(y_zu_Pixel(b, 0), 80);
  EXPECT_EQ(y_zu_Pixel(b, -8), 160);
}

// ---- axis positions ----------------------------------------------------------------------------

TEST_F(KOSTest, LageDerAchsen) {
  struct Fall {
    long double li, re, erwartet;
  };
  for (const Fall f : {Fall{-8, 8, 0}, Fall{0, 16, 1}, Fall{2, 10, 2.5L}, Fall{-20, -4, -5},
                       Fall{-16, 0, -1}, Fall{-1, 0.0001L, 0}}) {
    KOS.xli = f.li;
    KOS.xre = f.re;
    KOS.yu = f.li;
    KOS.yo = f.re;
    EXPECT_EQ(Lage_yAchse(), f.erwartet) << static_cast<double>(f.li);
    EXPECT_EQ(Lage_xAchse(), f.erwartet) << static_cast<double>(f.li);
  }
  KOS.xli = 0;
  KOS.xre = 8;
  KOS.Bildbreite_cm = 8;
  EXPECT_EQ(Lage_yAchse(), 1);
}

// ---- the default picture -------------------------------------------------------------------

TEST_F(KOSTest, StartbildRasterAlle20PixelGrobAlle40) {
  TBild b;
  KOS_zeichnen(b);
  // A corner region far from axes and numbers.
  for (int k = 20; k <= 240; k += 20) {
    const TFarbe erwartet = k % 40 == 0 ? GROB : RASTER;
    EXPECT_EQ(b.Pixel(k, 50), erwartet) << "column " << k;
    EXPECT_EQ(b.Pixel(50, k), erwartet) << "row " << k;
    EXPECT_EQ(b.Pixel(k + 10, 50), W) << k;
    EXPECT_EQ(b.Pixel(50, k + 10), W) << k;
  }
  // The frame: the grid lines leave out their end pixel in the last row and column.
  EXPECT_EQ(b.Pixel(40, 640), RASTER);
  EXPECT_EQ(b.Pixel(640, 40), RASTER);
  EXPECT_EQ(b.Pixel(40, 0), GROB);
  EXPECT_EQ(b.Pixel(0, 40), GROB);
  EXPECT_EQ(b.Pixel(0, 30), RASTER);
  EXPECT_EQ(b.Pixel(30, 0), RASTER);
  EXPECT_EQ(b.Pixel(640, 30), RASTER);
  EXPECT_EQ(b.Pixel(30, 640), RASTER);
}

TEST_F(KOSTest, StartbildOhneKantenglaettung) {
  // Lines and text are drawn aliased: only white, the two greys and black appear.
  TBild b;
  KOS_zeichnen(b);
  int andere = 0;
  for (int y = 0; y < 641; ++y)
    for (int x = 0; x < 641; ++x) {
      const TFarbe f = b.Pixel(x, y);
      if (f != W && f != S && f != RASTER && f != GROB) ++andere;
    }
  EXPECT_EQ(andere, 0);
}

TEST_F(KOSTest, StartbildAchsenMitPfeilen) {
  TBild b;
  KOS_zeichnen(b);
  for (int x : {0, 100, 250, 628})
    EXPECT_EQ(b.Pixel(x, 320), S) << x;
  for (int y : {640, 500, 350, 100, 12})
    EXPECT_EQ(b.Pixel(320, y), S) << y;
  // Heads: tip at the edge, base 11 pixels inside, 4 to each side.
  EXPECT_EQ(b.Pixel(640, 320), S);
  for (int y = 316; y <= 324; ++y)
    EXPECT_EQ(b.Pixel(629, y), S) << y;
  EXPECT_NE(b.Pixel(629, 315), S);
  EXPECT_EQ(b.Pixel(320, 0), S);
  for (int x = 316; x <= 324; ++x)
    EXPECT_EQ(b.Pixel(x, 11), S) << x;
  EXPECT_NE(b.Pixel(315, 11), S);
}

TEST_F(KOSTest, StartbildStriche) {
  TBild b;
  KOS_zeichnen(b);
  // A tick runs from 3 above to 3 below the axis; its end pixel is left out.
  for (int x : {40, 80, 280, 360, 600}) {
    for (int y = 317; y <= 322; ++y)
      EXPECT_EQ(b.Pixel(x, y), S) << x << "," << y;
    EXPECT_EQ(b.Pixel(x, 316), GROB) << x;
    EXPECT_EQ(b.Pixel(x, 323), GROB) << x;
  }
  for (int y : {40, 80, 280, 360, 600}) {
    for (int x = 317; x <= 322; ++x)
      EXPECT_EQ(b.Pixel(x, y), S) << x << "," << y;
    EXPECT_NE(b.Pixel(316, y), S) << y;
    EXPECT_EQ(b.Pixel(323, y), GROB) << y;
  }
  // Not under the arrow heads.
  EXPECT_EQ(b.Pixel(640, 317), RASTER);
  EXPECT_EQ(b.Pixel(317, 0), RASTER);
  // Not at the origin: no label there, the y axis below the crossing is intact.
  for (int y = 325; y <= 336; ++y)
    EXPECT_EQ(b.Pixel(320, y), S) << y;
  EXPECT_EQ(Anzahl(b, 314, 324, 319, 336, S), 0);
}

TEST_F(KOSTest, StartbildZahlenUnterUndNebenDenStrichen) {
  TBild b;
  KOS_zeichnen(b);
  b.Schrift.Name = "Arial";
  b.Schrift.Groesse = 8;
  b.Schrift.fett = false;
  const int h = b.Texthoehe("1");
  // "1" under x = 1: box from C - tw div 2, row R + 5.
  const int tw = b.Textbreite("1");
  const int links = 360 - tw / 2;
  EXPECT_GT(Anzahl(b, links, 325, links + tw - 1, 325 + h - 1, S), 0);
  // The opaque box blanks the grid under the number: column 360 is white below the tick.
  EXPECT_EQ(b.Pixel(360, 325), W);
  EXPECT_EQ(Anzahl(b, 340, 325, links - 1, 325 + h - 1, S), 0);
  // "-1" left of y = -1 (row 360): box ends 5 pixels left of the axis.
  const int tw2 = b.Textbreite("-1");
  EXPECT_GT(Anzahl(b, 315 - tw2, 360 - h / 2, 314, 360 - h / 2 + h - 1, S), 0);
  EXPECT_EQ(Anzahl(b, 315, 340, 316, 380, S), 0);
  // Every tick of both axes is numbered at the default spacing: numbers up to 7.
  EXPECT_GT(Anzahl(b, 590, 325, 610, 340, S), 0);  // "7"
  EXPECT_GT(Anzahl(b, 20, 325, 60, 340, S), 0);    // "-7"
  EXPECT_GT(Anzahl(b, 295, 34, 314, 46, S), 0);    // "7" on the y axis
}

TEST_F(KOSTest, StartbildAchsenbeschriftung) {
  TBild b;
  KOS_zeichnen(b);
  b.Schrift.Name = "Arial";
  b.Schrift.Groesse = 9;
  b.Schrift.fett = true;
  const int w = b.Textbreite("xA");
  const int h = b.Texthoehe("x");
  EXPECT_GT(Anzahl(b, 640 - w, 296, 640 - w + b.Textbreite("x") - 1, 296 + h - 1, S), 0);
  EXPECT_EQ(Anzahl(b, 641 - w + b.Textbreite("x"), 290, 640, 312, S), 0);
  EXPECT_GT(Anzahl(b, 329, 2, 329 + b.Textbreite("y") - 1, 2 + h - 1, S), 0);
  EXPECT_EQ(Anzahl(b, 325, 0, 328, 20, S), 0);
}

TEST_F(KOSTest, OhneYAchseStrichUndNullImUrsprung) {
  KOS.yAchse_zeigen = false;
  TBild b;
  KOS_zeichnen(b);
  for (int y = 317; y <= 322; ++y)
    EXPECT_EQ(b.Pixel(320, y), S) << y;
  EXPECT_EQ(b.Pixel(320, 316), GROB);
  EXPECT_GT(Anzahl(b, 314, 325, 326, 336, S), 0);  // the number 0
  EXPECT_EQ(b.Pixel(320, 200), GROB);              // no y axis
}

TEST_F(KOSTest, ZehnMillimeterRasterGepunktetMitGepunktetemRahmen) {
  KOS.Rasterteilung = 1;
  KOS.Raster_Linienstil = TStiftstil::Gepunktet;
  KOS.Grobraster = false;
  TBild b;
  KOS_zeichnen(b);
  // Dotted grid lines every 40 pixels, nothing between them.
  const int punkte = Anzahl(b, 40, 1, 40, 39, RASTER);
  EXPECT_GT(punkte, 5);
  EXPECT_EQ(punkte + Anzahl(b, 40, 1, 40, 39, W), 39);
  EXPECT_EQ(Nicht_weiss(b, 20, 1, 20, 39), 0);
  // Dotted frame.
  for (int kante : {0, 640}) {
    EXPECT_GT(Anzahl(b, 1, kante, 39, kante, W), 5) << kante;
    EXPECT_GT(Anzahl(b, 1, kante, 39, kante, RASTER), 5) << kante;
    EXPECT_GT(Anzahl(b, kante, 1, kante, 39, W), 5) << kante;
    EXPECT_GT(Anzahl(b, kante, 1, kante, 39, RASTER), 5) << kante;
  }
  // With the coarse grid the lines are solid and darker on top; the frame stays dotted.
  KOS.Grobraster = true;
  KOS_zeichnen(b);
  EXPECT_EQ(Anzahl(b, 40, 1, 40, 39, GROB), 39);
  EXPECT_GT(Anzahl(b, 1, 0, 39, 0, W), 5);
  EXPECT_GT(Anzahl(b, 1, 640, 39, 640, W), 5);
  EXPECT_EQ(KOS.Rasterfarbe, RASTER);  // restored after the coarse grid
  EXPECT_EQ(KOS.Raster_Linienstil, TStiftstil::Gepunktet);
}

TEST_F(KOSTest, EinMillimeterRaster) {
  KOS.Rasterteilung = 10;
  TBild b;
  KOS_zeichnen(b);
  for (int x = 4; x <= 36; x += 4)
    EXPECT_EQ(b.Pixel(x, 50), RASTER) << x;
  for (int x = 1; x <= 3; ++x)
    EXPECT_EQ(b.Pixel(x, 50), W) << x;
  EXPECT_EQ(b.Pixel(40, 50), GROB);
}

TEST_F(KOSTest, OhneRasterKeinRahmen) {
  KOS.Raster_an = false;
  TBild b;
  KOS_zeichnen(b);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 250, 250), 0);
  EXPECT_EQ(b.Pixel(0, 640), W);
}

TEST_F(KOSTest, DunklesGrobrasterBleibtImFarbbereich) {
  KOS.Rasterfarbe = 0x10FF40;
  TBild b;
  KOS_zeichnen(b);
  EXPECT_EQ(b.Pixel(40, 50), 0x00DF20u);
  EXPECT_EQ(b.Pixel(20, 50), 0x10FF40u);
}

TEST_F(KOSTest, YAchseBeiXliNullEinenZentimeterRechts) {
  KOS.xli = 0;
  KOS.xre = 16;
  TBild b;
  KOS_zeichnen(b);
  EXPECT_EQ(x_zu_Pixel(b, Lage_yAchse()), 40);
  for (int y : {100, 300, 500}) {
    EXPECT_EQ(b.Pixel(40, y), S) << y;
    EXPECT_NE(b.Pixel(0, y), S) << y;
  }
  EXPECT_EQ(b.Pixel(40, 0), S);  // arrow tip
}

TEST_F(KOSTest, AnsichtLinksVomUrsprung) {
  KOS.xli = -20;
  KOS.xre = -4;
  KOS.yu = 3;
  KOS.yo = 19;
  TBild b;
  KOS_zeichnen(b);
  // y axis 1 cm left of the right edge, x axis 1 cm above the bottom.
  EXPECT_EQ(b.Pixel(600, 300), S);
  EXPECT_EQ(b.Pixel(300, 600), S);
  EXPECT_NE(b.Pixel(300, 320), S);
  // Ticks at whole numbers: x = -19 is column 40.
  EXPECT_EQ(b.Pixel(40, 597), S);
  EXPECT_EQ(b.Pixel(40, 50), GROB);
  EXPECT_EQ(b.Pixel(60, 50), RASTER);
}

// ---- label thinning and exponent labels ---------------------------------------------------

TEST_F(KOSTest, TextlaengeDerAllgemeinenDarstellung) {
  struct Fall {
    long double x;
    int laenge;
  };
  for (const Fall f : {Fall{-7, 2}, Fall{-3.5L, 4}, Fall{-7000, 5}, Fall{-7000000, 8},
                       Fall{-0.7L, 4}, Fall{-7e-6L, 5}, Fall{-7.0L / 3, 17}, Fall{0, 1},
                       Fall{-6.9999999e7L, 9}, Fall{-0.000007L * 2, 7}, Fall{1e15L, 4}})
    EXPECT_EQ(Allgemeine_Textlaenge(f.x), f.laenge) << static_cast<double>(f.x);
}

// Black pixels of a number under the x-axis tick at column C.
int Zahl_unter(const TBild& b, int C) {
  return Anzahl(b, C - 16, 324, C + 16, 345, S);
}

TEST_F(KOSTest, AusduennenBeiAbstand1000JedeZahl) {
  KOS.xli = -8000;
  KOS.xre = 8000;
  KOS.xscl = 1000;
  TBild b;
  KOS_zeichnen(b);
  for (int C : {360, 400, 440, 480, 280, 240})
    EXPECT_GT(Zahl_unter(b, C), 0) << C;
}

TEST_F(KOSTest, AusduennenBeiAbstand1000000JedeZweite) {
  KOS.xli = -8000000;
  KOS.xre = 8000000;
  KOS.xscl = 1000000;
  TBild b;
  KOS_zeichnen(b);
  EXPECT_EQ(Anzahl(b, 345, 324, 375, 345, S), 0);  // i = 1
  EXPECT_GT(Zahl_unter(b, 400), 0);                // i = 2
  EXPECT_EQ(Anzahl(b, 425, 324, 455, 345, S), 0);  // i = 3
  EXPECT_GT(Zahl_unter(b, 480), 0);                // i = 4
  EXPECT_EQ(Anzahl(b, 265, 324, 295, 345, S), 0);  // i = 1 on the negative side
  EXPECT_GT(Zahl_unter(b, 240), 0);
  // The y axis keeps every number at the default spacing.
  EXPECT_GT(Anzahl(b, 290, 274, 314, 286, S), 0);
}

TEST_F(KOSTest, AusduennenJedeDritteUndVierte) {
  struct Fall {
    long double s;
    int zeichen;  // of the general text of -7s; times 6 px per digit
    int jede;     // every n-th tick keeps its number
  };
  // -0,86419752384 (14 characters, 84 px); -0,000864197523864199 (21, 126 px);
  // -8,6419752386415E-5: scientific below 0,00001 (19, 114 px).
  for (const Fall f : {Fall{0.12345678912L, 14, 3}, Fall{0.000123456789123457L, 21, 4},
                       Fall{0.000012345678912345L, 19, 3}, Fall{0.123456789123L, 15, 3},
                       Fall{0.5L, 4, 1}, Fall{1.234567L, 9, 2}}) {
    ASSERT_EQ(Allgemeine_Textlaenge(-7 * f.s), f.zeichen) << static_cast<double>(f.s);
    kos_test::Startwerte();
    KOS.xscl = f.s;
    KOS.xli = -8 * f.s;
    KOS.xre = 8 * f.s;
    TBild b;
    KOS_zeichnen(b);
    for (int i = 1; i <= 7; ++i) {
      // Positive side: column 320 + 40 i; a neighbour's wide number may reach to 13 px of it.
      const int C = 320 + 40 * i;
      const bool hat = Anzahl(b, C - 12, 324, C + 12, 345, S) > 0;
      EXPECT_EQ(hat, i % f.jede == 0) << static_cast<double>(f.s) << " i=" << i;
      const int D = 320 - 40 * i;
      if (i < 7) {
        EXPECT_EQ(Anzahl(b, D - 12, 324, D + 12, 345, S) > 0, i % f.jede == 0)
            << static_cast<double>(f.s) << " i=-" << i;
      }
    }
  }
}

TEST_F(KOSTest, ExponentenNurAnUngeradenStrichen) {
  for (long double s : {1e7L, 1e-7L}) {
    Blatt_Speicher().Zuruecksetzen();
    KOS.xscl = s;
    KOS.yscl = s;
    KOS.xli = KOS.yu = -8 * s;
    KOS.xre = KOS.yo = 8 * s;
    TBild b;
    KOS_zeichnen(b);
    const double sd = static_cast<double>(s);
    // x axis: labels from row R + 8 = 328 on.
    EXPECT_GT(Anzahl(b, 340, 326, 380, 345, S), 0) << sd;  // i = 1
    EXPECT_EQ(Anzahl(b, 385, 324, 415, 345, S), 0) << sd;  // i = 2
    EXPECT_GT(Anzahl(b, 420, 326, 460, 345, S), 0) << sd;  // i = 3
    EXPECT_EQ(Anzahl(b, 220, 324, 255, 345, S), 0) << sd;  // i = 2, negative side
    EXPECT_GT(Anzahl(b, 250, 326, 300, 345, S), 0) << sd;  // i = 1, negative side
    // y axis: right end of the label 7 pixels left of the axis for positive values.
    EXPECT_GT(Anzahl(b, 250, 272, 312, 288, S), 0) << sd;  // y = s
    EXPECT_EQ(Anzahl(b, 250, 232, 316, 248, S), 0) << sd;  // y = 2s
    EXPECT_EQ(Anzahl(b, 315, 270, 316, 290, S), 0) << sd;
  }
}

TEST_F(KOSTest, ExponentenbeschriftungHochgestellt) {
  KOS.xscl = 1e7L;
  KOS.xli = -8e7L;
  KOS.xre = 8e7L;
  TBild b;
  KOS_zeichnen(b);
  // "1,0×10" then the raised, smaller "7": its lowest row lies above the baseline of the digits.
  auto unterste = [&](int x1, int x2) {
    int u = -1;
    for (int y = 324; y <= 345; ++y)
      for (int x = x1; x <= x2; ++x)
        if (b.Pixel(x, y) == S) u = y;
    return u;
  };
  const int ziffer_eins = unterste(341, 346);
  const int exponent = unterste(375, 392);
  ASSERT_GT(ziffer_eins, 0);
  ASSERT_GT(exponent, 0);
  EXPECT_LT(exponent, ziffer_eins - 1);
}

// ---- speed guard: bounded loops
// ------------------------------------------------------------------

TEST_F(KOSTest, FernAbDesUrsprungsGleichesBildWieNahe) {
  // Shifting the view by whole scale units must shift nothing in the picture: with a binary
  // spacing (0,25) far away, with 0,1 and 0,05 a thousand units away (walked step by step),
  // and with 0,1 beyond the step bound (continued by multiplication).
  struct Fall {
    int teilung;
    long double dx, dy;
  };
  for (const Fall f : {Fall{2, 1048576, 524288}, Fall{5, 1024, -2048}, Fall{10, -1000, 1000},
                       Fall{5, 65536, -131072}}) {
    kos_test::Startwerte();
    KOS.Rasterteilung = f.teilung;
    KOS.Skala_zeigen = false;
    KOS.xAchse_zeigen = KOS.yAchse_zeigen = false;
    KOS.xscl = KOS.yscl = 0.5L;
    KOS.xli = 1;
    KOS.xre = 9;
    KOS.yu = 2;
    KOS.yo = 10;
    TBild nah;
    KOS_zeichnen(nah);
    KOS.xli += f.dx;
    KOS.xre += f.dx;
    KOS.yu += f.dy;
    KOS.yo += f.dy;
    TBild fern;
    KOS_zeichnen(fern);
    if (f.teilung == 2) {
      EXPECT_EQ(nah.Bild(), fern.Bild());
    } else {
      // Summing 0,1 leaves the last bits of a value at the view's edge either side of it, so
      // the edge line may come or go; inside, every line is where it belongs.
      EXPECT_EQ(nah.Bild().copy(1, 1, 639, 639), fern.Bild().copy(1, 1, 639, 639)) << f.teilung;
    }
  }
}

TEST_F(KOSTest, RiesigeAbstaendeUndWinzigeSchritteEnden) {
  TBild b;
  KOS.Rasterteilung = 10;
  for (long double mitte : {1e6L, 1e12L, 1e18L, -1e15L}) {
    KOS.xli = mitte;
    KOS.xre = mitte + 16;
    KOS.yu = mitte;
    KOS.yo = mitte + 16;
    KOS_zeichnen(b);
    EXPECT_EQ(b.Pixel(0, 0), GROB) << static_cast<double>(mitte);  // whole units at the left edge
  }
  // A spacing far below a pixel.
  Blatt_Speicher().Zuruecksetzen();
  KOS.xscl = KOS.yscl = 1e-9L;
  KOS_zeichnen(b);
  EXPECT_NE(b.Pixel(5, 5), W);
}

// ---- point list ------------------------------------------------------------------------------

TEST_F(KOSTest, PunkteMitVerbindungslinie) {
  Punkteliste[0] = {-2, 0};
  Punkteliste[1] = {2, 0};
  Punktanzahl = 2;
  Stil.Punkte_verbinden = true;
  Stil.Verbindungsfarbe = 0x008000;
  Stil.Verbindungsart = 1;
  Stil.Punkteart = 1;
  Stil.Punktradius = 0;
  TBild b;
  Punkte_zeichnen(b);
  // The join runs from P1 to P2, over P1's symbol, and leaves P2's centre to its symbol.
  EXPECT_EQ(b.Pixel(240, 320), 0x008000u);
  EXPECT_EQ(b.Pixel(300, 320), 0x008000u);
  EXPECT_EQ(b.Pixel(399, 320), 0x008000u);
  EXPECT_EQ(b.Pixel(400, 320), 0x0000FFu);
  EXPECT_EQ(b.Pixel(401, 320), W);
}

TEST_F(KOSTest, PunkteMitZuKurzemPfeilNurSymbole) {
  TBild b;
  Punkteliste[0] = {0, 0};
  Punkteliste[1] = {0.25L, 0};  // 10 pixels: too short for a head
  Punktanzahl = 2;
  Stil.Punkte_verbinden = true;
  Stil.Verbindungsart = 4;
  Stil.Punktradius = 0;
  Punkte_zeichnen(b);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 640, 640), 2);
  // A long one gets shaft and head.
  Punkteliste[1] = {2, 0};
  Punkte_zeichnen(b);
  EXPECT_EQ(b.Pixel(380, 320), Stil.Verbindungsfarbe);
  EXPECT_EQ(b.Pixel(390, 318), Stil.Verbindungsfarbe);
}

TEST_F(KOSTest, LeerePunktlisteZeichnetNichts) {
  Punkteliste[0] = {1, 1};
  Punktanzahl = 0;
  TBild b;
  Punkte_zeichnen(b);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 640, 640), 0);
  Punktanzahl = 1;
  Punkte_zeichnen(b);
  EXPECT_GT(Nicht_weiss(b, 350, 270, 370, 290), 0);
  Punktanzahl = 99999;  // never beyond the list
  Punkte_zeichnen(b);
}

}  // namespace
