// Triangle measures whose values follow from elementary geometry, and the construction run on
// table, picture and messages.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Abbildungen.h"
#include "workbench/Blatt.h"
#include "workbench/Dreieckskonstruktion.h"
#include "workbench/Werkbank.h"

namespace {

struct Wert {
  const char* name;
  long double ist, soll;
};
struct Punktwert {
  const char* name;
  TPunkt ist, soll;
};

void Vergleichen(const std::vector<Wert>& werte, const std::vector<Punktwert>& punkte = {}) {
  for (const Wert& w : werte)
    EXPECT_NEAR(static_cast<double>(w.ist), static_cast<double>(w.soll), 1e-12) << w.name;
  for (const Punktwert& p : punkte) {
    EXPECT_NEAR(static_cast<double>(p.ist.x), static_cast<double>(p.soll.x), 1e-12) << p.name;
    EXPECT_NEAR(static_cast<double>(p.ist.y), static_cast<double>(p.soll.y), 1e-12) << p.name;
  }
}

TDreieck Berechnet(TPunkt A, TPunkt B, TPunkt C) {
  TDreieck d;
  std::string meldung;
  EXPECT_TRUE(Dreieck_berechnen(A, B, C, d, meldung)) << meldung;
  return d;
}

long double Grad(long double bogen) {
  return bogen * 180 / 3.14159265358979323846L;
}

class Dreieck : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
    Abbildungsfenster = Abbildungsfenster_Startwerte();
  }
  void Punkte(std::initializer_list<std::pair<const char*, const char*>> punkte) {
    int zeile = 1;
    for (const auto& [x, y] : punkte) {
      Zahlentabelle.Zelle_setzen(1, zeile, x);
      Zahlentabelle.Zelle_setzen(2, zeile++, y);
    }
  }
  std::string Zelle(int spalte, int zeile) { return Zahlentabelle.Zelle(spalte, zeile); }

  SkriptDialoge dialoge;
  Bildanzeige fenster;
};

}  // namespace

// Right angle at A with the vertical leg AC: a = 5, b = 3, c = 4. Area 6; the circumcentre is
// the midpoint of the hypotenuse; inradius (b + c - a) / 2 = 1 with I = (1, 1); the altitude
// foot on BC lies at 16/25 of the way from B; heights 12/5, c and b.
TEST_F(Dreieck, Rechtwinklig_mit_senkrechter_Seite) {
  const TDreieck d = Berechnet({0, 0}, {4, 0}, {0, 3});
  Vergleichen({{"a", d.a, 5},
               {"b", d.b, 3},
               {"c", d.c, 4},
               {"alpha", Grad(d.alpha), 90},
               {"beta", d.beta, std::acos(0.8L)},
               {"gamma", d.gamma, std::acos(0.6L)},
               {"Flaeche", d.Flaeche, 6},
               {"R", d.R, 2.5L},
               {"ha", d.ha, 2.4L},
               {"hb", d.hb, 4},
               {"hc", d.hc, 3},
               {"r", d.r, 1}},
              {{"S", d.S, {4.0L / 3, 1}},
               {"U", d.U, {2, 1.5L}},
               {"Ha", d.Ha, {1.44L, 1.92L}},
               {"Hb", d.Hb, {0, 0}},
               {"Hc", d.Hc, {0, 0}},
               {"H", d.H, {0, 0}},
               {"Wa", d.Wa, {2, 2}},
               {"I", d.I, {1, 1}},
               {"Ta", d.Ta, {1.6L, 1.8L}},
               {"Tb", d.Tb, {0, 1}},
               {"Tc", d.Tc, {1, 0}}});
}

// The same right triangle with the legs swapped: BC runs from (3, 0) to (0, 4), so the foot
// from A lies at 9/25 of the way from B.
TEST_F(Dreieck, Hoehenfusspunkt_auf_der_Hypotenuse) {
  const TDreieck d = Berechnet({0, 0}, {3, 0}, {0, 4});
  Vergleichen({{"r", d.r, 1}}, {{"Ha", d.Ha, {1.92L, 1.44L}}, {"Tb", d.Tb, {0, 1}}});
}

// A vertical side BC (x = 2): the foot from A = (0, 1) is (2, 1), the height 2.
TEST_F(Dreieck, Senkrechte_Seite_BC) {
  const TDreieck d = Berechnet({0, 1}, {2, 0}, {2, 4});
  Vergleichen({{"ha", d.ha, 2}}, {{"Ha", d.Ha, {2, 1}}});
}

// Equilateral with side 2: all four centres coincide at the centroid, R = 2/w3, r = 1/w3.
TEST_F(Dreieck, Gleichseitig) {
  const long double w3 = std::sqrt(3.0L);
  const TDreieck d = Berechnet({0, 0}, {2, 0}, {1, w3});
  const TPunkt M{1, w3 / 3};
  Vergleichen({{"alpha", Grad(d.alpha), 60},
               {"beta", Grad(d.beta), 60},
               {"gamma", Grad(d.gamma), 60},
               {"Flaeche", d.Flaeche, w3},
               {"R", d.R, 2 / w3},
               {"r", d.r, 1 / w3}},
              {{"S", d.S, M}, {"U", d.U, M}, {"I", d.I, M}, {"H", d.H, M}});
}

// Obtuse at A: the orthocentre lies outside, on the altitude x = -1 from C and on y = 2.5x
// from A; the circumcentre on x = 2. H = 3S - 2U (Euler line).
TEST_F(Dreieck, Stumpfwinklig) {
  const TDreieck d = Berechnet({0, 0}, {4, 0}, {-1, 2});
  Vergleichen({}, {{"H", d.H, {-1, -2.5L}},
                   {"U", d.U, {2, 2.25L}},
                   {"Euler", d.H, {3 * d.S.x - 2 * d.U.x, 3 * d.S.y - 2 * d.U.y}}});
}

TEST_F(Dreieck, Keine_Dreiecke_werden_abgelehnt) {
  struct Fall {
    const char* name;
    TPunkt A, B, C;
  };
  const Fall faelle[] = {
      {"kollinear", {0, 0}, {1, 1}, {2, 2}},
      {"kollinear mit Dezimalbruechen", {0, 0}, {0.1L, 0.1L}, {0.3L, 0.3L}},
      {"senkrecht kollinear", {2, 0}, {2, 5}, {2, -3}},
      {"zwei gleiche Ecken", {1, 1}, {1, 1}, {3, 4}},
      {"alle gleich", {1, 1}, {1, 1}, {1, 1}},
  };
  for (const Fall& f : faelle) {
    TDreieck d;
    std::string meldung;
    EXPECT_FALSE(Dreieck_berechnen(f.A, f.B, f.C, d, meldung)) << f.name;
    EXPECT_FALSE(meldung.empty()) << f.name;
  }
}

// The closed list A, B, C, A starts the construction; every measure goes into the table.
TEST_F(Dreieck, Masse_in_der_Tabelle) {
  Punkte({{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}});
  Abbildungsfenster.Dreieckslinien.fill(true);
  Dreieckslinien_geklickt(fenster);
  EXPECT_TRUE(dialoge.meldungen.empty());
  struct Fall {
    int spalte, zeile;
    const char* text;
  };
  const Fall faelle[] = {
      {3, 1, "a ="},         {4, 1, "5"},         {5, 1, "b ="},        {6, 1, "3"},
      {7, 1, "c ="},         {8, 1, "4"},         {3, 2, "alpha ="},    {4, 2, "90"},
      {3, 3, "A-Dreieck ="}, {4, 3, "6"},         {3, 5, "UMittelp ="}, {4, 5, "2"},
      {5, 5, "1,5"},         {6, 5, "URadius ="}, {7, 5, "2,5"},        {3, 6, "IMittelp ="},
      {4, 6, "1"},           {5, 6, "1"},         {6, 6, "IRadius ="},  {7, 6, "1"},
      {3, 7, "HöhenSP ="},   {3, 8, "Ma ="},      {4, 8, "2"},          {5, 8, "1,5"},
      {3, 11, "LotFPHa ="},  {4, 11, "1,44"},     {5, 11, "1,92"},      {3, 14, "ha ="},
      {4, 14, "2,4"},        {6, 14, "4"},        {8, 14, "3"},         {3, 16, "IMLb ="},
      {4, 16, "0"},          {5, 16, "1"},        {3, 17, "IMLc ="},    {4, 17, "1"},
      {5, 17, "0"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(Zelle(f.spalte, f.zeile), f.text) << f.spalte << "," << f.zeile;
}

TEST_F(Dreieck, Kollineare_Ecken_melden_und_aendern_nichts) {
  Punkte({{"0", "0"}, {"1", "1"}, {"2", "2"}, {"0", "0"}});
  Abbildungsfenster.Dreieckslinien.fill(true);
  const TFarbe punktfarbe = Stil.Punktfarbe;
  const QImage vorher = fenster.bild.Bild().copy();
  Dreieckslinien_geklickt(fenster);
  ASSERT_EQ(dialoge.meldungen.size(), 1u);
  EXPECT_NE(dialoge.meldungen[0].find("Geraden"), std::string::npos);
  EXPECT_TRUE(fenster.bild.Bild() == vorher);
  for (int spalte = 3; spalte <= 8; ++spalte)
    EXPECT_TRUE(Zelle(spalte, 1).empty());
  EXPECT_EQ(Stil.Punktfarbe, punktfarbe);
}

// Vertices that are no numbers are named in a message instead of ending the program's action.
TEST_F(Dreieck, Unlesbare_Ecke_wird_gemeldet) {
  Punkte({{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}});
  Werkbank.Punktspalte = 3;
  // The point columns hold four points ...
  for (int zeile = 1; zeile <= 4; ++zeile) {
    Zahlentabelle.Zelle_setzen(3, zeile, "1");
    Zahlentabelle.Zelle_setzen(4, zeile, "1");
  }
  Zahlentabelle.Zelle_setzen(2, 2, "vier");  // ... but B in columns 1 and 2 is no number
  Dreieckslinien_geklickt(fenster);
  ASSERT_EQ(dialoge.meldungen.size(), 1u);
  EXPECT_TRUE(Zelle(3, 1) == "1");  // the point column is not overwritten
}

// Other counts than four points only draw the points.
TEST_F(Dreieck, Ohne_geschlossenes_Dreieck_keine_Konstruktion) {
  Punkte({{"0", "0"}, {"4", "0"}, {"0", "3"}});
  Dreieckslinien_geklickt(fenster);
  EXPECT_TRUE(dialoge.meldungen.empty());
  EXPECT_TRUE(Zelle(3, 1).empty());
  EXPECT_EQ(Punktanzahl, 3);
}

// Each box draws something of its own: with only that box the picture differs from the plain
// vertex points.
TEST_F(Dreieck, Jeder_Schalter_zeichnet) {
  Punkte({{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}});
  Dreieckslinien_geklickt(fenster);
  const QImage ohne = fenster.bild.Bild().copy();
  for (int i = 0; i < Dreieckslinien_Anzahl; ++i) {
    Bildanzeige neu;
    Stil_zuruecksetzen();
    Abbildungsfenster.Dreieckslinien.fill(false);
    Abbildungsfenster.Dreieckslinien[i] = true;
    Dreieckslinien_geklickt(neu);
    EXPECT_FALSE(neu.bild.Bild() == ohne) << kDreieckschalter[i];
  }
}
