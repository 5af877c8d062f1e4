// Drawing primitives: exact pixels from the canvas rules and the primitive table.

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "kos_hilfe.h"

using kos_test::Anzahl;
using kos_test::Nicht_weiss;

namespace {

constexpr TFarbe ROT = 0x0000FF;
constexpr TFarbe BLAU = 0xFF0000;
constexpr TFarbe GRUEN = 0x008000;
constexpr TFarbe GRAU = 0x808080;
constexpr auto VOLL = TStiftstil::Durchgezogen;

TEST(Leinwand, NeuesBildIstWeissUndHatDieGewuenschteGroesse) {
  TBild b;
  EXPECT_EQ(b.Breite(), 641);
  EXPECT_EQ(b.Hoehe(), 641);
  EXPECT_EQ(b.Bild().format(), QImage::Format_RGB32);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 640, 640), 0);
  EXPECT_EQ(b.Pixel(-1, 0), Farbe_ungueltig);
  EXPECT_EQ(b.Pixel(0, 641), Farbe_ungueltig);
}

TEST(Leinwand, LeererPinselIstWeiss) {
  TBild b(10, 10);
  b.Pinselfarbe_setzen(ROT);
  b.Pinselstil_setzen(Pinsel_voll);
  EXPECT_EQ(b.Pinselfarbe(), ROT);
  b.Pinselstil_setzen(Pinsel_leer);
  EXPECT_EQ(b.Pinselfarbe(), W);
  // Other styles keep the colour.
  b.Pinselfarbe_setzen(ROT);
  b.Pinselstil_setzen(Pinsel_kreuz);
  EXPECT_EQ(b.Pinselfarbe(), ROT);
}

TEST(Leinwand, FarbumrechnungNachQt) {
  EXPECT_EQ(Farbe_zu_QColor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(Farbe_zu_QColor(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(Farbe_zu_QColor(0x123456), QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(QColor_zu_Farbe(QColor(0x56, 0x34, 0x12)), 0x123456u);
  TBild b(3, 3);
  b.Pixel_setzen(1, 1, 0x0000FF);
  EXPECT_EQ(b.Bild().pixelColor(1, 1), QColor(255, 0, 0));
}

TEST(Leinwand, AenderungenWerdenGemeldet) {
  TBild b(20, 20);
  int gemeldet = 0;
  b.Geaendert = [&] { ++gemeldet; };
  const auto vorher = b.Aenderungen();
  Linie_zeichnen(b, 1, 1, 10, 1, ROT, 1, VOLL);
  EXPECT_GT(b.Aenderungen(), vorher);
  EXPECT_GE(gemeldet, 1);
}

// ---- lines ------------------------------------------------------------------------------------

struct Linienfall {
  int x1, y1, x2, y2;
  std::vector<QPoint> gesetzt;
  std::vector<QPoint> frei;
};

TEST(Linie, EndpunktFehltUndStiftWandert) {
  const std::vector<Linienfall> faelle = {
      {2, 5, 8, 5, {{2, 5}, {5, 5}, {7, 5}}, {{8, 5}, {1, 5}, {5, 4}, {5, 6}}},
      {8, 5, 2, 5, {{8, 5}, {3, 5}}, {{2, 5}, {9, 5}}},
      {4, 1, 4, 9, {{4, 1}, {4, 8}}, {{4, 9}, {4, 0}, {3, 5}}},
      {0, 0, 4, 4, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, {{4, 4}, {1, 0}, {0, 1}}},
      {6, 0, 2, 4, {{6, 0}, {5, 1}, {4, 2}, {3, 3}}, {{2, 4}}},
      {3, 3, 3, 3, {}, {{3, 3}}},
  };
  for (const auto& f : faelle) {
    TBild b(12, 12);
    Linie_zeichnen(b, f.x1, f.y1, f.x2, f.y2, ROT, 1, VOLL);
    for (const auto& p : f.gesetzt)
      EXPECT_EQ(b.Pixel(p.x(), p.y()), ROT) << f.x1 << "," << f.y1 << " " << p.x() << "," << p.y();
    for (const auto& p : f.frei)
      EXPECT_EQ(b.Pixel(p.x(), p.y()), W) << f.x1 << "," << f.y1 << " " << p.x() << "," << p.y();
    EXPECT_EQ(b.Stiftposition(), QPoint(f.x2, f.y2));
    EXPECT_EQ(b.Pinselstil(), Pinsel_leer);
  }
}

TEST(Linie, BreiteNullZeichnetEinPixel) {
  for (int breite : {0, 1}) {
    TBild b(12, 12);
    Linie_zeichnen(b, 1, 5, 10, 5, ROT, breite, VOLL);
    EXPECT_EQ(Anzahl(b, 0, 0, 11, 11, ROT), 9) << breite;
    EXPECT_EQ(Nicht_weiss(b, 0, 4, 11, 4), 0);
    EXPECT_EQ(Nicht_weiss(b, 0, 6, 11, 6), 0);
  }
}

TEST(Linie, DickeLinieIstBreiter) {
  TBild b(20, 20);
  Linie_zeichnen(b, 3, 10, 15, 10, ROT, 3, VOLL);
  for (int y = 9; y <= 11; ++y)
    EXPECT_EQ(b.Pixel(9, y), ROT) << y;
  EXPECT_EQ(b.Pixel(9, 7), W);
  EXPECT_EQ(b.Pixel(9, 13), W);
}

TEST(Linie, GepunktetLaesstLuecken) {
  TBild b(40, 5);
  Linie_zeichnen(b, 0, 2, 36, 2, ROT, 1, TStiftstil::Gepunktet);
  const int n = Anzahl(b, 0, 2, 39, 2, ROT);
  EXPECT_GT(n, 6);
  EXPECT_LT(n, 30);
  EXPECT_EQ(b.Pixel(0, 2), ROT);
  EXPECT_EQ(Nicht_weiss(b, 36, 0, 39, 4), 0);
}

TEST(Linie, UnsichtbarerStiftZeichntNichts) {
  TBild b(20, 20);
  Linie_zeichnen(b, 1, 1, 18, 18, ROT, 1, TStiftstil::Unsichtbar);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 19, 19), 0);
  EXPECT_EQ(b.Stiftposition(), QPoint(18, 18));
}

TEST(Linie, WeitAusserhalbBleibtFolgenlos) {
  TBild b(20, 20);
  Linie_zeichnen(b, -20000, -20000, 20000, 20000, ROT, 1, VOLL);
  EXPECT_EQ(b.Pixel(0, 0), ROT);
  EXPECT_EQ(b.Pixel(19, 19), ROT);
  Linie_zeichnen(b, -20000, 30, 20000, 40, BLAU, 1, VOLL);
  EXPECT_EQ(Anzahl(b, 0, 0, 19, 19, BLAU), 0);
}

TEST(Linie, GeradeVerlaengertUmDieEigeneLaenge) {
  TBild b(30, 30);
  Gerade_zeichnen(b, 10, 10, 13, 10, ROT, 1, VOLL);
  // From (7,10) to (16,10), end pixel left out.
  EXPECT_EQ(b.Pixel(6, 10), W);
  EXPECT_EQ(b.Pixel(7, 10), ROT);
  EXPECT_EQ(b.Pixel(15, 10), ROT);
  EXPECT_EQ(b.Pixel(16, 10), W);
  Gerade_zeichnen(b, 20, 5, 20, 7, BLAU, 1, VOLL);
  EXPECT_EQ(b.Pixel(20, 3), BLAU);
  EXPECT_EQ(b.Pixel(20, 8), BLAU);
  EXPECT_EQ(b.Pixel(20, 9), W);
  EXPECT_EQ(b.Pinselstil(), Pinsel_leer);
}

// ---- rectangles, fill, polygon -----------------------------------------------------------------

TEST(Rechteck, BeideEckenInklusive) {
  for (bool vertauscht : {false, true}) {
    TBild b(12, 12);
    if (vertauscht)
      Rechteck_zeichnen(b, 2, 8, 6, 3, ROT, BLAU, 1, VOLL, Pinsel_voll);
    else
      Rechteck_zeichnen(b, 2, 3, 6, 8, ROT, BLAU, 1, VOLL, Pinsel_voll);
    for (int x = 2; x <= 6; ++x) {
      EXPECT_EQ(b.Pixel(x, 3), ROT);
      EXPECT_EQ(b.Pixel(x, 8), ROT);
    }
    for (int y = 3; y <= 8; ++y) {
      EXPECT_EQ(b.Pixel(2, y), ROT);
      EXPECT_EQ(b.Pixel(6, y), ROT);
    }
    EXPECT_EQ(Anzahl(b, 3, 4, 5, 7, BLAU), 12);
    EXPECT_EQ(Nicht_weiss(b, 7, 0, 11, 11), 0);
    EXPECT_EQ(Nicht_weiss(b, 0, 9, 11, 11), 0);
    EXPECT_EQ(Nicht_weiss(b, 0, 0, 11, 2), 0);
    EXPECT_EQ(Nicht_weiss(b, 0, 0, 1, 11), 0);
    // The brush stays as given.
    EXPECT_EQ(b.Pinselstil(), Pinsel_voll);
    EXPECT_EQ(b.Pinselfarbe(), BLAU);
  }
}

TEST(Rechteck, LeererPinselLaesstDenGrundStehen) {
  TBild b(12, 12);
  Bild_fuellen(b, GRAU, GRAU, 1);
  Rechteck_zeichnen(b, 2, 2, 8, 8, ROT, BLAU, 1, VOLL, Pinsel_leer);
  EXPECT_EQ(b.Pixel(5, 5), GRAU);
  EXPECT_EQ(b.Pixel(2, 5), ROT);
  EXPECT_EQ(b.Pixel(8, 5), ROT);
}

TEST(Rechteck, SchraffurenFolgenIhrerRichtung) {
  struct Fall {
    int stil;
    bool zeilen_einfarbig, spalten_einfarbig;
  };
  for (const Fall f :
       {Fall{Pinsel_waagrecht, true, false}, Fall{Pinsel_senkrecht, false, true},
        Fall{Pinsel_diagonal_vor, false, false}, Fall{Pinsel_diagonal_rueck, false, false},
        Fall{Pinsel_kreuz, false, false}, Fall{Pinsel_diagonal_kreuz, false, false}}) {
    TBild b(40, 40);
    Rechteck_zeichnen(b, 0, 0, 39, 39, ROT, BLAU, 1, VOLL, f.stil);
    const int blau = Anzahl(b, 1, 1, 38, 38, BLAU);
    const int weiss = Anzahl(b, 1, 1, 38, 38, W);
    EXPECT_GT(blau, 0) << f.stil;
    EXPECT_GT(weiss, blau) << f.stil;  // thin lines on a clear ground
    EXPECT_EQ(blau + weiss, 38 * 38) << f.stil;
    auto zeile_einfarbig = [&](int y) {
      for (int x = 2; x <= 37; ++x)
        if (b.Pixel(x, y) != b.Pixel(1, y)) return false;
      return true;
    };
    auto spalte_einfarbig = [&](int x) {
      for (int y = 2; y <= 37; ++y)
        if (b.Pixel(x, y) != b.Pixel(x, 1)) return false;
      return true;
    };
    bool alle_zeilen = true, alle_spalten = true;
    for (int k = 1; k <= 38; ++k) {
      alle_zeilen = alle_zeilen && zeile_einfarbig(k);
      alle_spalten = alle_spalten && spalte_einfarbig(k);
    }
    EXPECT_EQ(alle_zeilen, f.zeilen_einfarbig) << f.stil;
    EXPECT_EQ(alle_spalten, f.spalten_einfarbig) << f.stil;
  }
}

TEST(Rechteck, BildFuellenUndLeeren) {
  TBild b(20, 10);
  Bild_fuellen(b, ROT, BLAU, 1);
  EXPECT_EQ(b.Pixel(0, 0), ROT);
  EXPECT_EQ(b.Pixel(19, 9), ROT);
  EXPECT_EQ(b.Pixel(19, 5), ROT);
  EXPECT_EQ(b.Pixel(10, 9), ROT);
  EXPECT_EQ(Anzahl(b, 1, 1, 18, 8, BLAU), 18 * 8);
  Bild_leeren(b, 0x000000);
  EXPECT_EQ(b.Pixel(19, 9), 0x000000u);
  EXPECT_EQ(Anzahl(b, 1, 1, 18, 8, W), 18 * 8);
}

TEST(Rechteck, InvertierenZweimalStelltWiederHer) {
  TBild b(30, 30);
  Bild_fuellen(b, GRAU, GRAU, 1);
  Linie_zeichnen(b, 0, 15, 30, 15, ROT, 1, VOLL);
  const QImage vorher = b.Bild().copy();
  b.Stift = TStift{0x000000, 1, VOLL, TStiftmodus::Invertieren};
  b.Pinselstil_setzen(Pinsel_leer);
  b.Rechteck(5, 5, 25, 25);
  EXPECT_EQ(b.Pixel(5, 10), 0x7F7F7Fu);   // grey inverted
  EXPECT_EQ(b.Pixel(5, 15), 0xFFFF00u);   // red inverted
  EXPECT_EQ(b.Pixel(10, 10), GRAU);       // inside untouched
  EXPECT_EQ(b.Pixel(24, 24), 0x7F7F7Fu);  // corner inverted once
  EXPECT_EQ(b.Pixel(25, 25), GRAU);       // right/bottom exclusive
  b.Rechteck(5, 5, 25, 25);
  EXPECT_EQ(b.Bild(), vorher);
}

TEST(Viereck, PolygonMitRandUndFuellung) {
  TBild b(12, 12);
  Viereck_zeichnen(b, {2, 2}, {8, 2}, {8, 8}, {2, 8}, ROT, BLAU, 1, VOLL, Pinsel_voll);
  for (QPoint p :
       {QPoint(2, 2), QPoint(8, 2), QPoint(8, 8), QPoint(2, 8), QPoint(5, 2), QPoint(8, 5)})
    EXPECT_EQ(b.Pixel(p.x(), p.y()), ROT) << p.x() << "," << p.y();
  EXPECT_EQ(b.Pixel(5, 5), BLAU);
  EXPECT_EQ(Nicht_weiss(b, 9, 0, 11, 11), 0);
  EXPECT_EQ(Nicht_weiss(b, 0, 9, 11, 11), 0);
}

// ---- circles, crosses, squares ----------------------------------------------------------------

TEST(Kreis, RadiusNullUndEins) {
  TBild b(12, 12);
  Kreis_zeichnen(b, 3, 3, 0, ROT, BLAU, 2, VOLL, Pinsel_voll);
  EXPECT_EQ(b.Pixel(3, 3), ROT);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 11, 11), 1);

  TBild c(12, 12);
  Kreis_zeichnen(c, 5, 5, 1, ROT, BLAU, 2, VOLL, Pinsel_voll);
  for (QPoint p : {QPoint(5, 5), QPoint(4, 5), QPoint(6, 5), QPoint(5, 4), QPoint(5, 6)})
    EXPECT_EQ(c.Pixel(p.x(), p.y()), ROT);
  EXPECT_EQ(Nicht_weiss(c, 0, 0, 11, 11), 5);
}

TEST(Kreis, BoxOhneRechtenUndUnterenRand) {
  TBild b(30, 30);
  Kreis_zeichnen(b, 10, 10, 5, ROT, BLAU, 1, VOLL, Pinsel_voll);
  // Box (5,5)..(15,15) with the right and bottom edge left out: columns and rows 5..14.
  EXPECT_GT(Nicht_weiss(b, 5, 0, 5, 29), 0);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 4, 29), 0);
  EXPECT_GT(Nicht_weiss(b, 14, 0, 14, 29), 0);
  EXPECT_EQ(Nicht_weiss(b, 15, 0, 29, 29), 0);
  EXPECT_GT(Nicht_weiss(b, 0, 5, 29, 5), 0);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 29, 4), 0);
  EXPECT_GT(Nicht_weiss(b, 0, 14, 29, 14), 0);
  EXPECT_EQ(Nicht_weiss(b, 0, 15, 29, 29), 0);
  EXPECT_EQ(b.Pixel(10, 10), BLAU);
  EXPECT_EQ(b.Pixel(5, 5), W);  // a circle leaves the box corners free
  EXPECT_EQ(b.Pinselstil(), Pinsel_leer);
  EXPECT_EQ(b.Pinselfarbe(), W);
}

TEST(Kreuz, GeradeUndSchraeg) {
  TBild b(20, 20);
  Kreuz_gerade(b, 10, 10, 2, ROT, 1, VOLL);
  for (int k = 7; k <= 11; ++k) {
    EXPECT_EQ(b.Pixel(k, 10), ROT) << k;
    EXPECT_EQ(b.Pixel(10, k), ROT) << k;
  }
  EXPECT_EQ(b.Pixel(12, 10), W);
  EXPECT_EQ(b.Pixel(10, 12), W);
  EXPECT_EQ(b.Pixel(6, 10), W);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 19, 19), 9);
  EXPECT_EQ(b.Pinselstil(), Pinsel_leer);

  TBild c(20, 20);
  Kreuz_schraeg(c, 10, 10, 2, ROT, 1, VOLL);
  for (QPoint p : {QPoint(8, 8), QPoint(9, 9), QPoint(10, 10), QPoint(11, 11), QPoint(8, 12),
                   QPoint(9, 11), QPoint(11, 9)})
    EXPECT_EQ(c.Pixel(p.x(), p.y()), ROT) << p.x() << "," << p.y();
  EXPECT_EQ(c.Pixel(12, 12), W);
  EXPECT_EQ(c.Pixel(12, 8), W);
}

TEST(Kreuz, RadiusNullBleibtEinPaarLinien) {
  TBild b(20, 20);
  Kreuz_gerade(b, 10, 10, 0, ROT, 1, VOLL);
  // Lines (9,10)->(10,10) and (10,9)->(10,10), each without its end.
  EXPECT_EQ(b.Pixel(9, 10), ROT);
  EXPECT_EQ(b.Pixel(10, 9), ROT);
  EXPECT_EQ(b.Pixel(10, 10), W);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 19, 19), 2);
  TBild c(20, 20);
  Kreuz_gerade(c, 10, 10, 0, ROT, 2, VOLL);
  EXPECT_GT(Nicht_weiss(c, 7, 7, 13, 13), 0);
}

TEST(Quadrat, HohlerUmrissUndRadiusNull) {
  TBild b(20, 20);
  Quadrat_zeichnen(b, 10, 10, 2, ROT, 1, VOLL);
  EXPECT_EQ(Anzahl(b, 8, 8, 12, 12, ROT), 16);
  for (int k = 8; k <= 12; ++k) {
    EXPECT_EQ(b.Pixel(k, 8), ROT);
    EXPECT_EQ(b.Pixel(k, 12), ROT);
    EXPECT_EQ(b.Pixel(8, k), ROT);
    EXPECT_EQ(b.Pixel(12, k), ROT);
  }
  EXPECT_EQ(b.Pixel(10, 10), W);
  EXPECT_EQ(b.Stiftposition(), QPoint(8, 8));
  // Radius 0: four lines of length zero, nothing to see with a thin pen.
  TBild c(20, 20);
  Quadrat_zeichnen(c, 10, 10, 0, ROT, 1, VOLL);
  EXPECT_EQ(Nicht_weiss(c, 0, 0, 19, 19), 0);
}

// ---- arrows ----------------------------------------------------------------------------------

TEST(Pfeil, WaagrechteAchse) {
  TBild b(60, 40);
  Pfeil_waagrecht(b, 10, 50, 20, 0x000000, 1, VOLL, Pinsel_voll, 11, 4);
  EXPECT_EQ(b.Pixel(9, 20), W);
  EXPECT_EQ(b.Pixel(10, 20), 0x000000u);
  EXPECT_EQ(b.Pixel(38, 20), 0x000000u);
  for (int y = 16; y <= 24; ++y)
    EXPECT_EQ(b.Pixel(39, y), 0x000000u) << y;
  EXPECT_EQ(b.Pixel(39, 15), W);
  EXPECT_EQ(b.Pixel(39, 25), W);
  EXPECT_EQ(b.Pixel(50, 20), 0x000000u);
  EXPECT_EQ(b.Pixel(51, 20), W);
  EXPECT_EQ(b.Pixel(44, 20), 0x000000u);  // filled head
  EXPECT_EQ(b.Pinselstil(), Pinsel_leer);
}

TEST(Pfeil, SenkrechteAchse) {
  TBild b(40, 70);
  Pfeil_senkrecht(b, 20, 60, 10, 0x000000, 1, VOLL, Pinsel_voll, 11, 4);
  EXPECT_EQ(b.Pixel(20, 61), W);
  EXPECT_EQ(b.Pixel(20, 60), 0x000000u);
  EXPECT_EQ(b.Pixel(20, 22), 0x000000u);
  for (int x = 16; x <= 24; ++x)
    EXPECT_EQ(b.Pixel(x, 21), 0x000000u) << x;
  EXPECT_EQ(b.Pixel(15, 21), W);
  EXPECT_EQ(b.Pixel(20, 10), 0x000000u);
  EXPECT_EQ(b.Pixel(20, 9), W);
}

TEST(Pfeil, ZuKurzFuerDieSpitzeZeichnetNichts) {
  TBild b(40, 40);
  Pfeil_zeichnen(b, 0, 0, 10, 0, ROT, 1, ROT, VOLL, Pinsel_voll, 15, 4);
  Pfeil_zeichnen(b, 5, 5, 5, 22, ROT, 1, ROT, VOLL, Pinsel_voll, 15, 4);  // 17 <= sqrt(289)
  Pfeil_zeichnen(b, 5, 5, 17, 17, ROT, 1, ROT, VOLL, Pinsel_voll, 15, 4);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 39, 39), 0);
  Pfeil_zeichnen(b, 5, 5, 5, 23, ROT, 1, ROT, VOLL, Pinsel_voll, 15, 4);
  EXPECT_GT(Nicht_weiss(b, 0, 0, 39, 39), 0);
}

TEST(Pfeil, SenkrechtNachUntenMitBasis15UeberDerSpitze) {
  TBild b(100, 100);
  Pfeil_zeichnen(b, 50, 10, 50, 60, ROT, 1, ROT, VOLL, Pinsel_voll, 15, 4);
  EXPECT_EQ(b.Pixel(46, 45), ROT);
  EXPECT_EQ(b.Pixel(54, 45), ROT);
  EXPECT_EQ(b.Pixel(45, 45), W);
  EXPECT_EQ(b.Pixel(55, 45), W);
  EXPECT_EQ(Nicht_weiss(b, 0, 44, 99, 44), 1);  // only the shaft above the base
  EXPECT_EQ(b.Pixel(50, 60), ROT);
  EXPECT_EQ(b.Pixel(50, 61), W);
  EXPECT_EQ(b.Pixel(50, 10), ROT);
  EXPECT_EQ(b.Pixel(50, 9), W);
  // Pointing up: the base lies 15 below the tip.
  TBild c(100, 100);
  Pfeil_zeichnen(c, 50, 80, 50, 20, ROT, 1, ROT, VOLL, Pinsel_voll, 15, 4);
  EXPECT_EQ(c.Pixel(46, 35), ROT);
  EXPECT_EQ(c.Pixel(54, 35), ROT);
  EXPECT_EQ(c.Pixel(50, 20), ROT);
  EXPECT_EQ(c.Pixel(50, 19), W);
}

TEST(Pfeil, WaagrechtInBeideRichtungen) {
  // Head corners at distance L*cos(phi) from the tip: 15*225/241 = 14.0 along the line and
  // 15*60/241 = 3.7 across it.
  TBild b(100, 100);
  Pfeil_zeichnen(b, 10, 50, 60, 50, ROT, 1, BLAU, VOLL, Pinsel_voll, 15, 4);
  EXPECT_EQ(b.Pixel(46, 46), ROT);
  EXPECT_EQ(b.Pixel(46, 54), ROT);
  EXPECT_EQ(b.Pixel(46, 45), W);
  EXPECT_EQ(b.Pixel(46, 55), W);
  EXPECT_EQ(b.Pixel(60, 50), ROT);
  EXPECT_EQ(b.Pixel(61, 50), W);
  EXPECT_EQ(b.Pixel(52, 50), BLAU);
  EXPECT_EQ(b.Pixel(10, 50), ROT);
  TBild c(100, 100);
  Pfeil_zeichnen(c, 60, 50, 10, 50, ROT, 1, BLAU, VOLL, Pinsel_voll, 15, 4);
  EXPECT_EQ(c.Pixel(24, 46), ROT);
  EXPECT_EQ(c.Pixel(24, 54), ROT);
  EXPECT_EQ(c.Pixel(10, 50), ROT);
  EXPECT_EQ(c.Pixel(9, 50), W);
  EXPECT_EQ(c.Pixel(60, 50), ROT);
  EXPECT_EQ(c.Pinselstil(), Pinsel_leer);
}

// ---- sector and arc ----------------------------------------------------------------------------

TEST(Kreissektor, ViertelGegenDenUhrzeigersinn) {
  TBild b(60, 60);
  // From the ray east to the ray north: the upper right quarter.
  Kreissektor_zeichnen(b, 30, 30, 50, 30, 30, 20, ROT, BLAU, 1, VOLL, Pinsel_voll);
  EXPECT_EQ(b.Pixel(34, 26), BLAU);
  EXPECT_EQ(b.Pixel(26, 26), W);
  EXPECT_EQ(b.Pixel(26, 35), W);
  EXPECT_EQ(b.Pixel(34, 35), W);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 19, 59), 0);
  EXPECT_EQ(b.Pinselstil(), Pinsel_leer);
  // From north to east counter-clockwise: three quarters.
  TBild c(60, 60);
  Kreissektor_zeichnen(c, 30, 30, 30, 20, 50, 30, ROT, BLAU, 1, VOLL, Pinsel_voll);
  EXPECT_EQ(c.Pixel(34, 26), W);
  EXPECT_EQ(c.Pixel(26, 26), BLAU);
  EXPECT_EQ(c.Pixel(26, 35), BLAU);
  EXPECT_EQ(c.Pixel(34, 35), BLAU);
}

TEST(Kreisbogen, NurDerBogen) {
  TBild b(60, 60);
  Kreisbogen_zeichnen(b, 30, 30, 50, 30, 30, 20, ROT, 1, VOLL);
  // On the arc near 45 degrees (30 + 7.07, 30 - 7.07).
  EXPECT_GT(Anzahl(b, 35, 21, 39, 25, ROT), 0);
  EXPECT_EQ(Anzahl(b, 20, 34, 26, 40, ROT), 0);  // no lower left part
  EXPECT_EQ(b.Pixel(30, 30), W);                 // no radii
  EXPECT_EQ(b.Pixel(34, 26), W);                 // not filled
}

// ---- text ------------------------------------------------------------------------------------

TEST(Text, LeererPinselDannDeckenderTextErgibtWeisseBox) {
  TBild b(100, 40);
  Bild_fuellen(b, GRAU, GRAU, 1);
  Linie_zeichnen(b, 0, 0, 1, 0, ROT, 1, VOLL);  // leaves a clear (white) brush behind
  Text_schreiben(b, 10, 10, "Ab", "Arial", 10, Pinsel_voll, 0, 0x000000);
  b.Schrift.Name = "Arial";
  const int w = b.Textbreite("Ab");
  const int h = b.Texthoehe("Ab");
  ASSERT_GT(w, 5);
  ASSERT_GT(h, 5);
  EXPECT_EQ(b.Pixel(10, 10), W);
  EXPECT_EQ(b.Pixel(10 + w - 1, 10 + h - 1), W);
  EXPECT_EQ(b.Pixel(9, 10), GRAU);
  EXPECT_EQ(b.Pixel(10 + w, 10), GRAU);
  EXPECT_EQ(b.Pixel(10, 10 + h), GRAU);
  EXPECT_GT(Anzahl(b, 10, 10, 10 + w - 1, 10 + h - 1, 0x000000), 10);
  EXPECT_EQ(b.Stiftposition(), QPoint(10 + w, 10));
  EXPECT_EQ(b.Pinselstil(), Pinsel_leer);
}

TEST(Text, DurchsichtigOhnePinsel) {
  TBild b(100, 40);
  Bild_fuellen(b, GRAU, GRAU, 1);
  Text_schreiben(b, 10, 10, "Ab", "Arial", 10, Pinsel_leer, 0, ROT);
  EXPECT_EQ(Anzahl(b, 0, 0, 99, 39, W), 0);
  EXPECT_GT(Anzahl(b, 0, 0, 99, 39, ROT), 10);
  EXPECT_EQ(b.Schrift.Farbe, ROT);
  EXPECT_EQ(b.Schrift.Groesse, 10);
}

TEST(Text, DeckenderTextNimmtDiePinselfarbe) {
  TBild b(100, 40);
  b.Pinselfarbe_setzen(GRUEN);
  Text_schreiben(b, 10, 10, "x", "Arial", 10, Pinsel_voll, 0, 0x000000);
  EXPECT_EQ(b.Pixel(10, 10), GRUEN);
}

TEST(Text, SchriftenSindMetrischeZwillinge) {
  TBild b(10, 10);
  (void)b.Textbreite("8");  // makes sure an application object exists
  auto familie = [](const QFont& f) { return QFontInfo(f).family(); };
  const QString arial = familie(QFont("Arial"));
  EXPECT_TRUE(arial.contains("Liberation Sans") || arial.contains("Arial")) << arial.toStdString();
  TSchrift s;
  s.Name = "Arial";
  EXPECT_TRUE(familie(TBild::Qt_Schrift(s)).contains("Liberation Sans"));
  s.Name = "Courier New";
  EXPECT_TRUE(familie(TBild::Qt_Schrift(s)).contains("Liberation Mono"));
  s.Name = "Symbol";
  const QFont symbol = TBild::Qt_Schrift(s);
  EXPECT_TRUE(QFontMetrics(symbol).inFont(QChar(0x00D7)));
  // Digit width in the 8-point number font, as the label thinning assumes.
  b.Schrift.Name = "Arial";
  b.Schrift.Groesse = 8;
  b.Schrift.fett = false;
  EXPECT_EQ(b.Textbreite("8"), 6);
  EXPECT_EQ(b.Textbreite("-7000"), b.Textbreite("-") + 4 * 6);
}

// ---- picture placement and colour table ------------------------------------------------------

TEST(Bild, PlatzierenErneuertDasBild) {
  TBild b;
  Bild_fuellen(b, ROT, ROT, 1);
  Bild_platzieren(b, 5, 7, 321, 201);
  EXPECT_EQ(b.Breite(), 321);
  EXPECT_EQ(b.Hoehe(), 201);
  EXPECT_EQ(b.Links, 5);
  EXPECT_EQ(b.Oben, 7);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 320, 200), 0);
}

TEST(Farbtabelle, FuenfzehnFarbenImKreis) {
  const TFarbe erwartet[15] = {0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x000080,
                               0xFFFF00, 0x800000, 0xFF00FF, 0xC0C0C0, 0xF0CAA6,
                               0x800080, 0x00FF00, 0xA4A0A0, 0x00FFFF, 0x808080};
  for (int n = 0; n < 45; ++n)
    EXPECT_EQ(Farbe_nach_Nummer(n), erwartet[n % 15]) << n;
  EXPECT_EQ(Farbe_nach_Nummer(-1), 0x808080u);
}

}  // namespace

namespace {

// Plain Bresenham over every step, as reference for the clipped walk.
std::vector<QPoint> Bresenham(int x1, int y1, int x2, int y2) {
  std::vector<QPoint> r;
  const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int err = std::max(dx, dy) / 2, x = x1, y = y1;
  for (int k = 0; k < std::max(dx, dy); ++k) {
    r.emplace_back(x, y);
    if (dx >= dy) {
      x += sx;
      err -= dy;
      if (err < 0) y += sy, err += dx;
    } else {
      y += sy;
      err -= dx;
      if (err < 0) x += sx, err += dy;
    }
  }
  return r;
}

TEST(Linie, SchraegeLinienVonWeitHerTreffenDieselbenPixel) {
  const int faelle[][4] = {{-300, -170, 90, 60},   {95, -240, -10, 130}, {-1000, 37, 500, 2},
                           {60, 60, -523, -201},   {3, 250, 70, -77},    {-20000, 5, 20000, 70},
                           {47, -19999, 12, 19999}};
  for (const auto& f : faelle) {
    TBild b(80, 60);
    Linie_zeichnen(b, f[0], f[1], f[2], f[3], 0x0000FF, 1, TStiftstil::Durchgezogen);
    TBild r(80, 60);
    for (QPoint p : Bresenham(f[0], f[1], f[2], f[3]))
      r.Pixel_setzen(p.x(), p.y(), 0x0000FF);
    EXPECT_EQ(b.Bild(), r.Bild()) << f[0] << "," << f[1] << " -> " << f[2] << "," << f[3];
  }
}

}  // namespace
