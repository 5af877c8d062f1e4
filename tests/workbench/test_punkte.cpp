// Figures from table points, drawn into a picture of the default view (-8 .. 8 on both axes,
// 40 pixels per unit, origin at pixel (320, 320)).

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "engine/UGeometrie.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Blatt.h"
#include "workbench/Punkteaktion.h"
#include "workbench/Werkbank.h"

namespace {

using Zeilen = std::vector<std::vector<std::string>>;

class Punkte : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
    Punktanzahl = 0;
  }
  // Texts row by row from row 1, columns 1 and 2.
  static void Zeilen_setzen(const Zeilen& z) {
    for (std::size_t r = 0; r < z.size(); ++r)
      for (std::size_t s = 0; s < z[r].size(); ++s)
        Zahlentabelle.Zelle_setzen(static_cast<int>(s) + 1, static_cast<int>(r) + 1, z[r][s]);
  }
  static std::string Z(int spalte, int zeile) { return Zahlentabelle.Zelle(spalte, zeile); }
  TFarbe P(int x, int y) const { return a.bild.Pixel(x, y); }
  bool Bild_leer() const {
    for (int y = 0; y < 641; y += 4)
      for (int x = 0; x < 641; x += 4)
        if (P(x, y) != kWeiss) return false;
    return true;
  }
  Bildanzeige a;
  SkriptDialoge d;
};

}  // namespace

TEST_F(Punkte, Zu_wenige_Punkte_werden_abgelehnt_und_nichts_gezeichnet) {
  struct Fall {
    void (*aktion)(Anzeige&);
    Zeilen zeilen;
  } faelle[] = {
      {Punkte_einzeichnen, {}},
      {Schwerpunkt_zeichnen, {}},
      {Schwerpunkt_zeichnen, {{"1", ""}}},  // x without y ends the list
      {Rechteck_einzeichnen, {{"1", "1"}}},
      {Vieleck_einzeichnen, {{"0", "0"}, {"2", "abc"}}},
  };
  for (const Fall& f : faelle) {
    Tabelle_leeren(Zahlentabelle);
    Zeilen_setzen(f.zeilen);
    d.meldungen.clear();
    f.aktion(a);
    EXPECT_EQ(d.meldungen, std::vector<std::string>{"Punkte nicht definiert!"});
  }
  EXPECT_TRUE(Bild_leer());
}

TEST_F(Punkte, Schwerpunkt_des_Dreiecks_bei_acht_Dritteln_und_eins) {
  Zeilen_setzen({{"0", "0"}, {"4", "0"}, {"4", "3"}});
  Schwerpunkt_zeichnen(a);
  EXPECT_TRUE(d.meldungen.empty());
  // (8/3, 1) lies at pixel (426,67 -> 427, 280); the disc of radius 3 covers its centre only.
  EXPECT_EQ(P(427, 280), Stil.Punktfarbe);
  EXPECT_EQ(P(427, 275), kWeiss);
  EXPECT_EQ(P(320, 320), kWeiss);  // no symbol at the first point: only the centroid is drawn
}

TEST_F(Punkte, Punkte_aus_den_gewaehlten_Spalten) {
  Werkbank.Punktspalte = 3;
  Zahlentabelle.Zelle_setzen(3, 1, "1");
  Zahlentabelle.Zelle_setzen(4, 1, "3/4");  // fractions are numbers of the table
  Zeilen_setzen({{"-2", "-2"}});            // columns 1 and 2 are not chosen
  Punkte_einzeichnen(a);
  EXPECT_EQ(Punktanzahl, 1);
  EXPECT_EQ(P(360, 290), Stil.Punktfarbe);  // (1, 0,75)
  EXPECT_EQ(P(240, 400), kWeiss);           // (-2, -2)
}

TEST_F(Punkte, Rechteck_zwischen_zwei_Ecken) {
  Zeilen_setzen({{"0", "0"}, {"2", "3"}});
  Rechteck_einzeichnen(a);
  // Corners at pixels (320, 320) and (400, 200); outline in the line colour.
  EXPECT_EQ(P(320, 260), Stil.Linienfarbe);  // left side
  EXPECT_EQ(P(360, 200), Stil.Linienfarbe);  // top side
  EXPECT_EQ(P(319, 260), kWeiss);
  EXPECT_EQ(P(360, 199), kWeiss);
  EXPECT_EQ(P(420, 260), kWeiss);  // beyond x = 2
}

TEST_F(Punkte, Quadrat_und_Sechseck_als_Ecken) {
  const std::vector<TPunkt> quadrat = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
  const std::vector<TPunkt> q = Vieleck_Ecken(0, 0, 2, 4);
  ASSERT_EQ(q.size(), quadrat.size());
  for (std::size_t i = 0; i < q.size(); ++i) {
    EXPECT_NEAR(q[i].x, quadrat[i].x, 1e-15) << i;
    EXPECT_NEAR(q[i].y, quadrat[i].y, 1e-15) << i;
  }
  // Side 2: every corner is 2 from the centre and from its neighbour; the path closes.
  const std::vector<TPunkt> h = Vieleck_Ecken(0, 0, 2, 6);
  ASSERT_EQ(h.size(), 7u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_NEAR(Abstand(h[i], {0, 0}), 2, 1e-15) << i;
    EXPECT_NEAR(Abstand(h[i], h[i + 1]), 2, 1e-15) << i;
  }
  EXPECT_NEAR(h[6].x, h[0].x, 1e-15);
  EXPECT_NEAR(h[6].y, h[0].y, 1e-15);
  EXPECT_NEAR(h[0].y, -std::sqrt(3.0L), 1e-15);  // bottom side at the inradius
}

TEST_F(Punkte, Vieleck_rundet_die_Eckenzahl_und_begrenzt_sie) {
  const std::string meldung = "Ein regelmäßiges Vieleck braucht 3 bis 1499 Ecken !";
  struct Fall {
    const char* n;
    int punkte;  // vertices incl. the closing one; 0 = refused
  } faelle[] = {
      {"3", 4},       {"4", 5},   {"3,5", 5}, {"4,5", 5},  // ties to the even count
      {"1499", 1500}, {"2,5", 0}, {"2", 0},   {"0", 0},   {"-6", 0}, {"1500", 0}, {"1E30", 0},
  };
  for (const Fall& f : faelle) {
    Zeilen_setzen({{"0", "0"}, {"2", f.n}});
    d.meldungen.clear();
    Punktanzahl = 0;
    Vieleck_einzeichnen(a);
    if (f.punkte == 0) {
      EXPECT_EQ(d.meldungen, std::vector<std::string>{meldung}) << f.n;
    } else {
      EXPECT_TRUE(d.meldungen.empty()) << f.n;
      EXPECT_EQ(Punktanzahl, f.punkte) << f.n;
    }
  }
}

TEST_F(Punkte, Quadrat_wird_gezeichnet_und_die_Tabelle_bleibt) {
  Stil.Punkte_verbinden = true;
  Zeilen_setzen({{"0", "0"}, {"2", "4"}});
  Vieleck_einzeichnen(a);
  EXPECT_EQ(P(280, 360), Stil.Punktfarbe);        // vertex (-1, -1)
  EXPECT_EQ(P(280, 300), Stil.Verbindungsfarbe);  // left side x = -1
  EXPECT_EQ(P(320, 320), kWeiss);                 // centre
  EXPECT_EQ(Z(2, 2), "4");
  EXPECT_EQ(Z(1, 3), "");
}

TEST_F(Punkte, Lot_von_P_auf_die_Gerade_f) {
  Werkbank.Feldtexte["Edit_fSchar"] = "x";
  Zeilen_setzen({{"0", "4/2"}});  // P = (0, 2), the fraction read as the table reads it
  Lot_einzeichnen(a);
  EXPECT_TRUE(d.meldungen.empty());
  const Zeilen erwartet = {{"0", "0"}, {"5", "5"}, {"1", "1"}};  // A, B, foot F
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(Z(1, r + 2), erwartet[r][0]) << r;
    EXPECT_EQ(Z(2, r + 2), erwartet[r][1]) << r;
  }
  // Blue from (0, 2) at pixel (320, 240) to (1, 1) at pixel (360, 280).
  EXPECT_EQ(P(320, 240), kBlau);
  EXPECT_EQ(P(340, 260), kBlau);
  EXPECT_EQ(P(341, 260), kWeiss);
}

TEST_F(Punkte, Lot_und_Mittelpunkt_lehnen_ohne_Schreiben_ab) {
  struct Fall {
    void (*aktion)(Anzeige&);
    const char* f;
    Zeilen zeilen;
    std::string meldung;
  } faelle[] = {
      {Lot_einzeichnen, "x", {{"0", "zwei"}}, "In Zeile 1, Spalte 2 steht keine Zahl !"},
      {Lot_einzeichnen, "x", {{"", "2"}}, "In Zeile 1, Spalte 1 steht keine Zahl !"},
      {Lot_einzeichnen,
       "1/x",
       {{"0", "2"}},
       "f ist bei x = 0 nicht definiert: das Lot ist nicht bestimmt !"},
      {Lot_einzeichnen,
       "sqrt(x-1)",
       {{"0", "2"}},
       "f ist bei x = 0 nicht definiert: das Lot ist nicht bestimmt !"},
      {Lot_einzeichnen,
       "1/(x-5)",
       {{"0", "2"}},
       "f ist bei x = 5 nicht definiert: das Lot ist nicht bestimmt !"},
      {Mittelpunkt_einzeichnen,
       "x",
       {{"1", "2"}, {"3", "1/0"}},
       "In Zeile 2, Spalte 2 steht keine Zahl !"},
      {Mittelpunkt_einzeichnen, "x", {{"1", "2"}}, "In Zeile 2, Spalte 1 steht keine Zahl !"},
  };
  for (const Fall& f : faelle) {
    Tabelle_leeren(Zahlentabelle);
    Werkbank.Feldtexte["Edit_fSchar"] = f.f;
    Zeilen_setzen(f.zeilen);
    d.meldungen.clear();
    f.aktion(a);
    EXPECT_EQ(d.meldungen, std::vector<std::string>{f.meldung});
    for (int r = 3; r <= 4; ++r)
      EXPECT_EQ(Z(1, r) + Z(2, r), "") << f.meldung;
  }
  EXPECT_TRUE(Bild_leer());
}

TEST_F(Punkte, Mittelpunkt_von_A_und_B) {
  Zeilen_setzen({{"1", "2"}, {"3", "6"}});
  Mittelpunkt_einzeichnen(a);
  EXPECT_EQ(Z(1, 3), "2");
  EXPECT_EQ(Z(2, 3), "4");
  EXPECT_EQ(P(400, 160), Stil.Punktfarbe);  // (2, 4)
  Zeilen_setzen({{"1/2", "0"}, {"1,5", "2.5"}});
  Mittelpunkt_einzeichnen(a);
  EXPECT_EQ(Z(1, 3), "1");
  EXPECT_EQ(Z(2, 3), "1,25");
}
