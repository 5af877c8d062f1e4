// The diagram button of the one-dimensional statistics without a window: its messages, the
// blocks it writes into the table and a few pixels of each diagram on the start view
// (-8..8 on both axes, 40 pixels per unit, origin at pixel 320).

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "support/Aufzeichnung.h"
#include "support/Gebietsschema.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Blatt.h"
#include "workbench/Statistikaktion.h"
#include "workbench/Werkbank.h"

namespace {

constexpr TFarbe kMagenta = 0xFF00FF;

class Statistikaktion : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Stil.Flaechenfuellung = Pinsel_voll;  // solid bars: every inner pixel has the fill colour
    Tabelle_leeren(Zahlentabelle);
  }
  void Daten(const std::vector<std::string>& spalte1, const std::vector<std::string>& spalte2) {
    for (size_t i = 0; i < spalte1.size(); ++i)
      Zahlentabelle.Zelle_setzen(1, static_cast<int>(i) + 1, spalte1[i]);
    for (size_t i = 0; i < spalte2.size(); ++i)
      Zahlentabelle.Zelle_setzen(2, static_cast<int>(i) + 1, spalte2[i]);
  }
  void Zeichnen(int typ) {
    Werkbank.Diagrammtyp = typ;
    Diagramm_zeichnen_geklickt(a);
  }
  static std::string C(int spalte, int zeile) { return Zahlentabelle.Zelle(spalte, zeile); }
  TFarbe P(int x, int y) const { return a.bild.Pixel(x, y); }

  Bildanzeige a;
  SkriptDialoge d;
};

}  // namespace

// Every refusal leaves picture and table as they were.
TEST_F(Statistikaktion, MeldungenOhneHalbeErgebnisse) {
  struct Fall {
    int typ;
    std::vector<std::string> spalte1, spalte2;
    std::string meldung;
  };
  const std::string negativ =
      "Häufigkeiten müssen positiv sein !\r\nKennzahlen können nicht berechnet werden !";
  const Fall faelle[] = {
      {Diagramm_Saeulen, {"1", "2", "3"}, {"1", "2"}, "Listen unterschiedlich lang !"},
      {Diagramm_Saeulen, {}, {}, "Keine Daten !"},
      {Diagramm_Polygon, {"1", "2", "3"}, {"1", "zwei", "1"}, "Spalte2: keine Zahl in Zeile 2 !"},
      {Diagramm_Saeulen, {"1", "x", "3", "S=4"}, {}, "Spalte1: keine Zahl in Zeile 2 !"},
      {Diagramm_Saeulen, {"1", "2", "S=3"}, {"1", "1", "1"}, "Listen unterschiedlich lang !"},
      {Diagramm_Histogramm, {"5;5"}, {"1"}, "falsches Intervall in Spalte1 !"},
      {Diagramm_Histogramm, {"5-10"}, {"1"}, "Spalte1 fehlerhaft !"},
      {Diagramm_Histogramm,
       {"1", "2"},
       {"1", "1"},
       "Ein Histogramm braucht Klassen a;b in Spalte1 !"},
      {Diagramm_Histogramm,
       {"0;10", "5;15"},
       {"1", "1"},
       "Die Klassen in Spalte1 überschneiden sich !"},
      {Diagramm_Histogramm, {"0;10", "10;15"}, {"1", "-1"}, negativ},
      {Diagramm_Saeulen, {"1,5", "2"}, {"0,5", "-1"}, negativ},
      {Diagramm_Kreis,
       {"a", "b"},
       {"0", "0"},
       "Die Summe der Häufigkeiten ist 0 !\r\n"
       "Kennzahlen können nicht berechnet werden !"},
      {Diagramm_Boxplot,
       {"1", "2"},
       {"0,5", "1"},
       "Ein Boxplot braucht ganzzahlige Häufigkeiten in Spalte2 !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung + " / Typ " + std::to_string(f.typ));
    SetUp();
    d.meldungen.clear();
    Daten(f.spalte1, f.spalte2);
    const QImage vorher = a.bild.Bild().copy();
    Zeichnen(f.typ);
    EXPECT_EQ(d.meldungen, std::vector<std::string>{f.meldung});
    EXPECT_TRUE(a.bild.Bild() == vorher);
    for (int s = 3; s <= 8; ++s)
      EXPECT_EQ(C(s, 1), "") << s;
  }
}

TEST_F(Statistikaktion, NegativeHaeufigkeitMeldetDatenfehlerImBlock) {
  Daten({"1", "2"}, {"3", "-1"});
  Zeichnen(Diagramm_Boxplot);
  ASSERT_EQ(d.meldungen.size(), 1u);
  const char* spalte3[] = {"Statistik-", "", "Es liegt", "ein", "Daten-", "fehler", "vor !"};
  for (int z = 0; z < 7; ++z)
    EXPECT_EQ(C(3, z), spalte3[z]) << z;
  EXPECT_EQ(C(5, 1), "");  // no frequency table either
}

// 2, 1, 2, 3 without frequencies: table (1|1|25%), (2|2|50%), (3|1|25%); the bar of 2 stands
// from x = 1,75 to 2,25 (pixels 390 to 410) up to height 2 (pixel 240).
TEST_F(Statistikaktion, SaeulendiagrammMitTabelleUndKennzahlen) {
  Daten({"2", "1", "2", "3"}, {});
  Zeichnen(Diagramm_Saeulen);
  EXPECT_TRUE(d.meldungen.empty());
  const std::vector<std::vector<std::string>> tabelle = {{" sortiert", "  abs.H.", "  rel.H."},
                                                         {"1", "1", "25%"},
                                                         {"2", "2", "50%"},
                                                         {"3", "1", "25%"}};
  for (int z = 0; z < 4; ++z)
    for (int s = 0; s < 3; ++s)
      EXPECT_EQ(C(5 + s, z), tabelle[z][s]) << 5 + s << "/" << z;
  EXPECT_EQ(C(3, 1), "n =");
  EXPECT_EQ(C(4, 1), "4");
  EXPECT_EQ(C(4, 7), "2");  // median of 1 2 2 3
  EXPECT_EQ(P(400, 260), kMagenta);
  EXPECT_EQ(P(400, 230), kWeiss);
  EXPECT_EQ(P(390, 260), kBlau);  // left edge in the line colour
  EXPECT_EQ(Punktanzahl, 3);
}

// Categories get numbers 1, 2, 3 and their names under the bars.
TEST_F(Statistikaktion, SaeulenFuerKategorienBeschriftet) {
  Daten({"rot", "grün", "blau"}, {"3", "5", "2"});
  Zeichnen(Diagramm_Saeulen);
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(P(400, 130), kMagenta);  // category 2 at x = 2, height 5 (pixel 120)
  int schwarz = 0;
  for (int y = 330; y < 360; ++y)
    for (int x = 352; x < 385; ++x)
      schwarz += P(x, y) == 0x000000;
  EXPECT_GT(schwarz, 0);  // the name "rot" below the first bar
}

// Values 1 to 5 in lane 1 (height 1, pixel row 280): box from Q1 = 1,5 to Q3 = 4,5 (pixels 380
// to 500) between rows 260 and 300, median at 3 (pixel 440), whiskers to 1 and 5.
TEST_F(Statistikaktion, BoxplotInSeinerBahn) {
  Daten({"1", "2", "3", "4", "5"}, {});
  Zeichnen(Diagramm_Boxplot);
  EXPECT_TRUE(d.meldungen.empty());
  const struct {
    int x, y;
    TFarbe farbe;
  } punkte[] = {
      {370, 280, kBlau},   // lower whisker
      {510, 280, kBlau},   // upper whisker
      {440, 280, kBlau},   // median line
      {420, 260, kBlau},   // top of the box
      {420, 280, kWeiss},  // inside the box
      {340, 280, kWeiss},  // left of the whisker end
  };
  for (const auto& p : punkte)
    EXPECT_EQ(P(p.x, p.y), p.farbe) << p.x << "/" << p.y;
}

// 1 to 7 and 100: the modified whisker stops at 7 (pixel 600) and 100 lies off the picture; the
// plain one runs on to the picture edge.
TEST_F(Statistikaktion, ModifizierterBoxplotStopptAmZaun) {
  Daten({"1", "2", "3", "4", "5", "6", "7", "100"}, {});
  Werkbank.Plotnummer = 2;  // lane 2: height 3, pixel row 200
  Zeichnen(Diagramm_Boxplot_modifiziert);
  EXPECT_EQ(P(590, 200), kBlau);
  EXPECT_EQ(P(620, 200), kWeiss);
  Zeichnen(Diagramm_Boxplot);
  EXPECT_EQ(P(620, 200), kBlau);
}

// Frequencies 1, 1, 2 on the start view: centre (0; 0), start (0; 6,4).
TEST_F(Statistikaktion, KreisdiagrammSchreibtAnteileUndGleichtDieAnsichtAn) {
  Daten({"A", "B", "C"}, {"1", "1", "2"});
  Werkbank.Feldtexte["Edit_ya"] = "-4";
  KOS.yu = -4;
  KOS.yo = 4;
  Zeichnen(Diagramm_Kreis);
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(Werkbank.Feldtext("Edit_ya"), Werkbank.Feldtext("Edit_xa"));
  EXPECT_EQ(a.texte["Edit_ya"], Werkbank.Feldtext("Edit_xa"));
  EXPECT_EQ(KOS.yu, KOS.xli);
  EXPECT_EQ(KOS.yo, KOS.xre);
  const char* zeilen[3][4] = {
      {"25%", "90°", "-6,4", "0"}, {"25%", "90°", "0", "-6,4"}, {"50%", "180°", "0", "6,4"}};
  const int spalten[] = {4, 5, 7, 8};
  for (int z = 1; z <= 3; ++z)
    for (int s = 0; s < 4; ++s)
      EXPECT_EQ(C(spalten[s], z), zeilen[z - 1][s]) << spalten[s] << "/" << z;
  // The first quarter lies up left of the centre, the half on the right.
  EXPECT_EQ(P(280, 280), Farbe_nach_Nummer(0));
  EXPECT_EQ(P(280, 360), Farbe_nach_Nummer(1));
  EXPECT_EQ(P(400, 300), Farbe_nach_Nummer(2));
  EXPECT_EQ(Stil.Fuellfarbe, Farbe_nach_Nummer(2));
}

// A list ends at its first cell without a number, such as the sum written below it.
TEST_F(Statistikaktion, SummeUnterDerListeBeendetSie) {
  struct Fall {
    std::vector<std::string> spalte1, spalte2;
    const char* n;
  };
  const Fall faelle[] = {
      {{"1", "2", "2", "3", "S=8"}, {}, "4"},
      {{"1", "2", "", "S=3"}, {}, "2"},
      {{"1", "2"}, {"3", "4", "S=7"}, "7"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.n);
    SetUp();
    Daten(f.spalte1, f.spalte2);
    Zeichnen(Diagramm_Saeulen);
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(C(4, 1), f.n);
  }
}

// The pie writes share, angle and end point into columns 4, 5, 7 and 8 of its rows; every other
// cell keeps what the user put there. Values 1, 2, 2, 3 merge into shares 1/4, 1/2, 1/4.
TEST_F(Statistikaktion, KreisdiagrammSchreibtNurSeineZellen) {
  for (int c = 3; c <= 8; ++c)
    for (int z = 0; z <= 12; ++z)
      Zahlentabelle.Zelle_setzen(c, z, "u");
  Daten({"1", "2", "2", "3"}, {});
  Zeichnen(Diagramm_Kreis);
  EXPECT_TRUE(d.meldungen.empty());
  const char* zeilen[3][4] = {
      {"25%", "90°", "-6,4", "0"}, {"50%", "180°", "6,4", "0"}, {"25%", "90°", "0", "6,4"}};
  const int spalten[] = {4, 5, 7, 8};
  for (int c = 3; c <= 8; ++c)
    for (int z = 0; z <= 12; ++z) {
      const int* s = std::find(std::begin(spalten), std::end(spalten), c);
      const bool eigen = s != std::end(spalten) && z >= 1 && z <= 3;
      EXPECT_EQ(C(c, z), eigen ? zeilen[z - 1][s - spalten] : "u") << c << "/" << z;
    }
}

// A category of frequency 0 has no sector; it must not paint over the others.
TEST_F(Statistikaktion, KreisdiagrammOhneLeerenSektor) {
  Daten({"A", "B"}, {"1", "0"});
  Zeichnen(Diagramm_Kreis);
  EXPECT_EQ(C(4, 2), "0%");
  EXPECT_EQ(P(400, 300), Farbe_nach_Nummer(0));
}

// Classes 0;2 and 2;6, each 4 times: heights 2 and 1, areas equal. No table in this mode.
TEST_F(Statistikaktion, HistogrammNachFlaeche) {
  Daten({"0;2", "2;6"}, {"4", "4"});
  Zeichnen(Diagramm_Histogramm);
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(P(360, 260), kMagenta);
  EXPECT_EQ(P(480, 300), kMagenta);
  EXPECT_EQ(P(480, 270), kWeiss);
  EXPECT_NE(C(3, 0), "Statistik-");
  EXPECT_EQ(C(5, 1), "");
  EXPECT_EQ(Punktanzahl, 2);
  EXPECT_EQ(Punkteliste[1].x, 2);
  EXPECT_EQ(Punkteliste[1].y, 6);
}

// Class bounds with decimal comma or point on a German desktop.
TEST_F(Statistikaktion, HistogrammklassenUnterDeutschemGebietsschema) {
  QDX_DEUTSCH_ODER_UEBERSPRINGEN(de);
  Daten({"12,5;18", "18;20.5"}, {"1", "1"});
  Zeichnen(Diagramm_Histogramm);
  EXPECT_TRUE(d.meldungen.empty());
  ASSERT_EQ(Punktanzahl, 2);
  EXPECT_EQ(Punkteliste[0].x, 12.5L);
  EXPECT_EQ(Punkteliste[0].y, 18);
  EXPECT_EQ(Punkteliste[1].y, 20.5L);
}

// Relative frequencies are not whole: the histogram still uses the classes, not the values.
TEST_F(Statistikaktion, HistogrammMitAnteilen) {
  Daten({"0;2", "2;6"}, {"0,5", "0,5"});
  Zeichnen(Diagramm_Histogramm);
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(P(360, 315), kMagenta);  // height 0,25 (pixel 310)
  EXPECT_EQ(P(360, 300), kWeiss);
}

// The polygon joins its points; the user's join switch is as before afterwards.
TEST_F(Statistikaktion, PolygonVerbindetDiePunkte) {
  Daten({"1", "2"}, {"2", "2"});
  Stil.Punkte_verbinden = false;
  Zeichnen(Diagramm_Polygon);
  EXPECT_EQ(P(380, 240), kBlau);  // halfway between (1; 2) and (2; 2)
  EXPECT_FALSE(Stil.Punkte_verbinden);
}

// Frequencies that are not whole numbers: no table, the polygon in table order.
TEST_F(Statistikaktion, GebrocheneHaeufigkeitenOhneTabelle) {
  Daten({"3", "1"}, {"0,5", "1,5"});
  Zeichnen(Diagramm_Polygon);
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(C(5, 1), "");
  EXPECT_NE(C(3, 0), "Statistik-");
  ASSERT_EQ(Punktanzahl, 2);
  EXPECT_EQ(Punkteliste[0].x, 3);
  EXPECT_EQ(Punkteliste[0].y, 0.5L);
}
