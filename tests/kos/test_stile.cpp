// Styles: line kinds, point symbols, list samples and swatches.

#include <gtest/gtest.h>

#include "kos_hilfe.h"

using kos_test::Anzahl;
using kos_test::Nicht_weiss;

namespace {

constexpr TFarbe FOKUS = 0xFFFFD2;

using StilTest = kos_test::Mit_Startwerten;

TEST_F(StilTest, ZuruecksetzenBringtDieStartwerte) {
  Stil =
      TStil{0, 5, TStiftstil::Gepunktet, 0x123456, 0, 0x654321, 4, 6, 0x111111, true, 0x222222, 3};
  Stil_zuruecksetzen();
  EXPECT_EQ(Stil.Linienart, 1);
  EXPECT_EQ(Stil.Linienbreite, 1);
  EXPECT_EQ(Stil.Linienfarbe, 0xFF0000u);
  EXPECT_EQ(Stil.Flaechenfuellung, 5);
  EXPECT_EQ(Stil.Fuellfarbe, 0xFF00FFu);
  EXPECT_EQ(Stil.Punkteart, 1);
  EXPECT_EQ(Stil.Punktradius, 3);
  EXPECT_EQ(Stil.Punktfarbe, 0x0000FFu);
  EXPECT_FALSE(Stil.Punkte_verbinden);
  EXPECT_EQ(Stil.Linienstil, TStiftstil::Durchgezogen);
  EXPECT_EQ(Punkteliste.size(), 1500u);
}

TEST_F(StilTest, LinienartenTabelle) {
  struct Fall {
    int art, breite;
    TStiftstil stil;
  };
  const Fall faelle[] = {{0, 1, TStiftstil::Gepunktet},    {1, 1, TStiftstil::Durchgezogen},
                         {2, 2, TStiftstil::Durchgezogen}, {3, 3, TStiftstil::Durchgezogen},
                         {4, 1, TStiftstil::Durchgezogen}, {5, 3, TStiftstil::Durchgezogen}};
  const int listenbreite[] = {0, 1, 2, 3, 1, 3};
  for (const Fall& f : faelle) {
    TBild b(5, 5);
    Linienstil_setzen(b, 0x123456, f.art);
    EXPECT_EQ(b.Stift.Farbe, 0x123456u);
    EXPECT_EQ(b.Stift.Breite, f.breite) << f.art;
    EXPECT_EQ(b.Stift.Stil, f.stil) << f.art;
    Linienart_waehlen(f.art);
    EXPECT_EQ(Stil.Linienart, f.art);
    EXPECT_EQ(Stil.Linienbreite, listenbreite[f.art]);
    EXPECT_EQ(Stil.Linienstil, f.stil);
  }
}

TEST_F(StilTest, PunktartenUndListenpositionen) {
  const int art_zu_position[5][2] = {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 2}};
  for (const auto& p : art_zu_position) {
    EXPECT_EQ(Punkteart_aus_Listenposition(p[0]), p[1]) << p[0];
    EXPECT_EQ(Listenposition_aus_Punkteart(p[1]), p[0]) << p[1];
  }
}

TEST_F(StilTest, PunktsymboleRadiusNullUndEins) {
  Stil.Punktfarbe = 0x0000FF;
  for (int art : {0, 1}) {
    Stil.Punkteart = art;
    Stil.Punktradius = 0;
    TBild b(20, 20);
    Punktsymbol_zeichnen(b, 10, 10);
    EXPECT_EQ(b.Pixel(10, 10), Stil.Punktfarbe);
    EXPECT_EQ(Nicht_weiss(b, 0, 0, 19, 19), 1) << art;
    Stil.Punktradius = 1;
    TBild c(20, 20);
    Punktsymbol_zeichnen(c, 10, 10);
    EXPECT_EQ(Anzahl(c, 9, 9, 11, 11, Stil.Punktfarbe), 5) << art;
    EXPECT_EQ(c.Pixel(9, 9), W);
    EXPECT_EQ(Nicht_weiss(c, 0, 0, 19, 19), 5);
  }
  // Crosses and squares are lines with the wide symbol pen, inside their radius.
  for (int art : {2, 3, 4}) {
    Stil.Punkteart = art;
    Stil.Punktradius = 3;
    TBild b(20, 20);
    Punktsymbol_zeichnen(b, 10, 10);
    EXPECT_GT(Anzahl(b, 6, 6, 14, 14, Stil.Punktfarbe), 6) << art;
    EXPECT_EQ(Nicht_weiss(b, 0, 0, 4, 19), 0) << art;
  }
  // The upright cross of radius 0 keeps its two short lines.
  Stil.Punkteart = 2;
  Stil.Punktradius = 0;
  TBild c(20, 20);
  Punktsymbol_zeichnen(c, 10, 10);
  EXPECT_GT(Anzahl(c, 8, 8, 11, 11, Stil.Punktfarbe), 1);
}

TEST_F(StilTest, OffenerKreisIstInnenWeissScheibeVoll) {
  Stil.Punktradius = 5;
  Stil.Punkteart = 0;
  TBild b(30, 30);
  Bild_fuellen(b, 0x808080, 0x808080, 1);
  Punktsymbol_zeichnen(b, 15, 15);
  EXPECT_EQ(b.Pixel(15, 15), W);
  Stil.Punkteart = 1;
  Punktsymbol_zeichnen(b, 15, 15);
  EXPECT_EQ(b.Pixel(15, 15), Stil.Punktfarbe);
}

TEST_F(StilTest, ListeneintragHintergrund) {
  TBild b(60, 30);
  Bild_fuellen(b, 0x808080, 0x808080, 1);
  Listeneintrag_Hintergrund(b, 5, 5, 40, 16, false);
  EXPECT_EQ(Anzahl(b, 5, 5, 44, 20, W), 40 * 16);
  EXPECT_EQ(b.Pixel(4, 5), 0x808080u);
  EXPECT_EQ(b.Pixel(45, 5), 0x808080u);
  Listeneintrag_Hintergrund(b, 5, 5, 40, 16, true);
  EXPECT_EQ(b.Pixel(5, 5), FOKUS);
  EXPECT_EQ(b.Pixel(43, 19), FOKUS);
  // Drawn without a pen, the box is one pixel short on the right and at the bottom.
  EXPECT_EQ(b.Pixel(44, 10), W);
  EXPECT_EQ(b.Pixel(10, 20), W);
}

TEST_F(StilTest, LinienartMuster) {
  for (int art = 0; art <= 5; ++art) {
    TBild b(40, 15);
    Linienart_Eintrag_zeichnen(b, 0, 0, 40, 15, art, false);
    EXPECT_EQ(b.Pixel(3, 7), Stil.Linienfarbe) << art;
    if (Linienbreite_zu_Linienart(art) <= 1) {
      EXPECT_EQ(b.Pixel(2, 7), W) << art;  // wide pens have round ends
    }
    if (art >= 4) {
      EXPECT_EQ(b.Pixel(28, 7), Stil.Linienfarbe) << art;  // arrow tip
      EXPECT_EQ(b.Pixel(19, 4), Stil.Linienfarbe) << art;
      EXPECT_EQ(b.Pixel(29, 7), W) << art;
    } else if (art != 0) {
      EXPECT_EQ(b.Pixel(29, 7), Stil.Linienfarbe) << art;
    }
    if (art == 1 || art == 4) {
      EXPECT_EQ(b.Pixel(10, 6), W) << art;
    }
    if (art == 3 || art == 5) {
      EXPECT_EQ(b.Pixel(10, 6), Stil.Linienfarbe) << art;
    }
  }
  TBild b(40, 15);
  Linienart_Eintrag_zeichnen(b, 0, 0, 40, 15, 1, true);
  EXPECT_EQ(b.Pixel(10, 3), FOKUS);
  EXPECT_EQ(b.Pixel(10, 7), Stil.Linienfarbe);
}

TEST_F(StilTest, FuellmusterMuster) {
  TBild b(40, 15);
  Fuellmuster_Eintrag_zeichnen(b, 0, 0, 40, 15, Pinsel_voll, false);
  // Rectangle (3,1)..(29,13), right and bottom exclusive, pen Stil.Linienfarbe.
  EXPECT_EQ(b.Pixel(3, 1), Stil.Linienfarbe);
  EXPECT_EQ(b.Pixel(28, 12), Stil.Linienfarbe);
  EXPECT_EQ(b.Pixel(29, 12), W);
  EXPECT_EQ(b.Pixel(28, 13), W);
  EXPECT_EQ(b.Pixel(15, 7), Stil.Fuellfarbe);
  TBild c(40, 15);
  Fuellmuster_Eintrag_zeichnen(c, 0, 0, 40, 15, Pinsel_leer, false);
  EXPECT_EQ(Anzahl(c, 4, 2, 27, 11, W), 24 * 10);
  TBild d(40, 15);
  Fuellmuster_Eintrag_zeichnen(d, 0, 0, 40, 15, Pinsel_kreuz, false);
  EXPECT_GT(Anzahl(d, 4, 2, 27, 11, Stil.Fuellfarbe), 0);
  EXPECT_GT(Anzahl(d, 4, 2, 27, 11, W), 0);
}

TEST_F(StilTest, PunktartMuster) {
  Stil.Punktradius = 0;
  for (int pos = 0; pos <= 4; ++pos) {
    TBild b(30, 15);
    Punkteart_Eintrag_zeichnen(b, 0, 0, 30, 15, pos, false);
    EXPECT_EQ(b.Pixel(10, 7), Stil.Punktfarbe) << pos;
    EXPECT_EQ(Nicht_weiss(b, 0, 0, 29, 14), 1) << pos;
  }
  Stil.Punktradius = 1;
  TBild b(30, 15);
  Punkteart_Eintrag_zeichnen(b, 0, 0, 30, 15, 3, false);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 29, 14), 5);
  EXPECT_EQ(b.Pixel(9, 7), Stil.Punktfarbe);
  EXPECT_EQ(b.Pixel(10, 8), Stil.Punktfarbe);
  Stil.Punktradius = 4;
  for (int pos = 0; pos <= 4; ++pos) {
    TBild c(30, 15);
    Punkteart_Eintrag_zeichnen(c, 0, 0, 30, 15, pos, false);
    EXPECT_GT(Nicht_weiss(c, 4, 1, 17, 13), 6) << pos;
    EXPECT_EQ(Nicht_weiss(c, 19, 0, 29, 14), 0) << pos;
  }
  // Open symbols (positions 0 and 3) keep the item background inside.
  TBild d(30, 15);
  Punkteart_Eintrag_zeichnen(d, 0, 0, 30, 15, 0, true);
  EXPECT_EQ(d.Pixel(10, 7), FOKUS);
  TBild e(30, 15);
  Punkteart_Eintrag_zeichnen(e, 0, 0, 30, 15, 1, true);
  EXPECT_EQ(e.Pixel(10, 7), Stil.Punktfarbe);
}

TEST_F(StilTest, MusterBildchenPfeilNurFuerPunktverbindung) {
  Stil.Linienart = 5;
  Stil.Linienbreite = 3;
  TBild b(28, 9);
  Image_loeschen(b);
  EXPECT_EQ(Image_neu_zeichnen(b, false), 3);
  EXPECT_EQ(Stil.Linienart, 3);
  for (int y = 4; y <= 6; ++y)
    EXPECT_EQ(b.Pixel(10, y), Stil.Linienfarbe) << y;
  EXPECT_EQ(b.Pixel(10, 2), W);
  EXPECT_EQ(b.Pixel(19, 2), W);  // no head

  Stil.Linienart = 5;
  TBild c(30, 9);
  Image_loeschen(c);
  EXPECT_EQ(Image_neu_zeichnen(c, true), 5);
  EXPECT_EQ(Stil.Linienart, 5);
  EXPECT_EQ(c.Pixel(19, 2), Stil.Linienfarbe);
  EXPECT_EQ(c.Pixel(19, 8), Stil.Linienfarbe);
  EXPECT_EQ(c.Pinselstil(), Pinsel_leer);

  Stil.Linienart = 4;
  TBild d(28, 9);
  Image_loeschen(d);
  EXPECT_EQ(Image_neu_zeichnen(d, false), 1);
  EXPECT_EQ(d.Pixel(3, 5), Stil.Linienfarbe);
  EXPECT_EQ(d.Pixel(25, 5), Stil.Linienfarbe);
  EXPECT_EQ(d.Pixel(26, 5), W);
  EXPECT_EQ(Nicht_weiss(d, 0, 0, 27, 4), 0);
}

TEST_F(StilTest, BildchenLoeschenMachtWeiss) {
  TBild b(28, 9);
  Bild_fuellen(b, 0, 0, 1);
  Image_loeschen(b);
  EXPECT_EQ(Nicht_weiss(b, 0, 0, 27, 8), 0);
}

}  // namespace
