// The plane mappings: each mapping on points whose images follow from geometry, and the mapping
// run on table, picture and messages.

#include <gtest/gtest.h>

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
#include "workbench/Werkbank.h"

namespace {

class Abbildungen : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
    Abbildungsfenster = Abbildungsfenster_Startwerte();
  }
  void Zellen(int spalte, std::initializer_list<std::pair<const char*, const char*>> punkte) {
    int zeile = 1;
    for (const auto& [x, y] : punkte) {
      Zahlentabelle.Zelle_setzen(spalte, zeile, x);
      Zahlentabelle.Zelle_setzen(spalte + 1, zeile++, y);
    }
  }
  std::string Zelle(int spalte, int zeile) { return Zahlentabelle.Zelle(spalte, zeile); }
  void Feld(const char* feld, const std::string& text) {
    Abbildungsfeld_geaendert(feld, text);
    ASSERT_TRUE(Abbildungsfeld_verlassen(fenster, feld)) << feld;
  }

  SkriptDialoge dialoge;
  Bildanzeige fenster;
};

using Art = TAbbildungsart;

TAbbildungsparameter Parameter(TPunkt T, TPunkt Q, TPunkt M, long double alpha, TPunkt R, TPunkt S,
                               TPunkt Z, long double k, long double f, const char* achse,
                               long double m11, long double m12, long double m21, long double m22) {
  return {T, Q, M, alpha, R, S, Z, k, f, achse, m11, m12, m21, m22};
}

}  // namespace

TEST_F(Abbildungen, Jede_Abbildung_an_bekannten_Punkten) {
  struct Fall {
    Art art;
    TAbbildungsparameter p;
    TPunkt P, bild;
  };
  const TPunkt O{0, 0};
  auto spiegel = [&](TPunkt T, TPunkt Q) {
    return Parameter(T, Q, O, 0, O, O, O, 0, 0, "x", 0, 0, 0, 0);
  };
  auto dreh = [&](TPunkt M, long double a) {
    return Parameter(O, O, M, a, O, O, O, 0, 0, "x", 0, 0, 0, 0);
  };
  auto schieb = [&](TPunkt R, TPunkt S) {
    return Parameter(O, O, O, 0, R, S, O, 0, 0, "x", 0, 0, 0, 0);
  };
  auto streck = [&](TPunkt Z, long double k) {
    return Parameter(O, O, O, 0, O, O, Z, k, 0, "x", 0, 0, 0, 0);
  };
  auto scher = [&](const char* achse, long double f) {
    return Parameter(O, O, O, 0, O, O, O, 0, f, achse, 0, 0, 0, 0);
  };
  const Fall faelle[] = {
      // A point of the mirror line stays where it is.
      {Art::Achsenspiegelung, spiegel({5, 7}, {-6, -5}), {5, 7}, {5, 7}},
      // Vertical line x = 2: the distance 1 to the right becomes 1 to the left.
      {Art::Achsenspiegelung, spiegel({2, 0}, {2, 5}), {3, 4}, {1, 4}},
      {Art::Achsenspiegelung, spiegel({0, 1}, {5, 1}), {3, 4}, {3, -2}},
      // y = x swaps the coordinates.
      {Art::Achsenspiegelung, spiegel({0, 0}, {1, 1}), {3, 1}, {1, 3}},
      // (1, 2) from the centre turned a quarter to the left is (-2, 1).
      {Art::Drehung, dreh({-1, -2}, 90), {0, 0}, {-3, -1}},
      {Art::Drehung, dreh({1, 1}, 180), {3, 2}, {-1, 0}},
      {Art::Drehung, dreh({0, 0}, -90), {1, 0}, {0, -1}},
      {Art::Verschiebung, schieb({1, -2}, {-5, -4}), {0, 0}, {-6, -2}},
      {Art::Streckung, streck({7, 5}, 2), {8, 6}, {9, 7}},
      // Factor -1 is the reflection in the centre.
      {Art::Streckung, streck({7, 5}, -1), {8, 6}, {6, 4}},
      {Art::Scherung, scher("x", 0.7L), {1, 2}, {2.4L, 2}},
      {Art::Scherung, scher("y", 0.7L), {1, 2}, {1, 2.7L}},
      {Art::Matrix,
       Parameter(O, O, O, 0, O, O, O, 0, 0, "x", 0.3L, 0.6L, 0.7L, 0.4L),
       {1, 2},
       {1.5L, 1.5L}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(static_cast<int>(f.art));
    TPunkt bild;
    ASSERT_TRUE(Punkt_abbilden(f.art, f.P, f.p, bild));
    EXPECT_NEAR(static_cast<double>(bild.x), static_cast<double>(f.bild.x), 1e-12);
    EXPECT_NEAR(static_cast<double>(bild.y), static_cast<double>(f.bild.y), 1e-12);
  }
}

// The images land in the two columns right of the points, under the header "Bildpunkte".
TEST_F(Abbildungen, Bilder_in_den_naechsten_Spalten) {
  Werkbank.Punktspalte = 7;
  Abbildungsfenster.Abbildung = Art::Scherung;
  Scherachse_gewaehlt(1);
  Zellen(7, {{"1", "2"}, {"-2", "0"}});
  Abbilden_geklickt(fenster);
  EXPECT_EQ(Zelle(9, 0), "Bildpunkte");
  EXPECT_EQ(Zelle(9, 1), "1");
  EXPECT_EQ(Zelle(10, 1), "2,7");
  EXPECT_EQ(Zelle(9, 2), "-2");
  EXPECT_EQ(Zelle(10, 2), "-1,4");
  EXPECT_TRUE(Zelle(9, 3).empty());
  EXPECT_TRUE(dialoge.meldungen.empty());
}

// What the point list accepts, the mapping maps too: fractions included.
TEST_F(Abbildungen, Brueche_in_Punktzellen_werden_abgebildet) {
  Abbildungsfenster.Abbildung = Art::Verschiebung;  // by S - R = (-6, -2)
  Zellen(1, {{"1/2", "3/4"}});
  Abbilden_geklickt(fenster);
  EXPECT_EQ(Zelle(3, 1), "-5,5");
  EXPECT_EQ(Zelle(4, 1), "-1,25");
}

// A chained mapping reads the images of the first one.
TEST_F(Abbildungen, Verkettung_ueber_die_Spaltenwahl) {
  Abbildungsfenster.Abbildung = Art::Drehung;
  Feld("Edit_Drehzentrum_x", "0");
  Feld("Edit_Drehzentrum_y", "0");
  Feld("Edit_Drehwinkel_alfa", "90");
  Zellen(1, {{"1", "0"}});
  Abbilden_geklickt(fenster);
  Werkbank.Punktspalte = 3;
  Abbilden_geklickt(fenster);
  // Two quarter turns are a half turn.
  EXPECT_EQ(Zelle(5, 1), "-1");
  long double y = 9;
  ASSERT_TRUE(Zelle_als_Zahl(Zahlentabelle, 6, 1, y));
  EXPECT_NEAR(static_cast<double>(y), 0, 1e-15);
}

// Faults stop the run before anything is drawn or written.
TEST_F(Abbildungen, Fehler_lassen_Bild_und_Tabelle_unveraendert) {
  struct Fall {
    const char* name;
    Art art;
    std::vector<std::pair<const char*, const char*>> felder;
    bool mit_Punkten, meldung;
  };
  const Fall faelle[] = {
      {"T = Q",
       Art::Achsenspiegelung,
       {{"Edit_SpiegQ_x", "5"}, {"Edit_SpiegQ_y", "7"}},
       true,
       true},
      {"Matrixterm", Art::Matrix, {{"Edit_M12", "w(-1)"}}, true, true},
      {"leere Spalten", Art::Verschiebung, {}, false, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    SetUp();
    dialoge.meldungen.clear();
    Abbildungsfenster.Abbildung = f.art;
    for (const auto& [feld, text] : f.felder) {
      Abbildungsfeld_geaendert(feld, text);
      Abbildungsfeld_verlassen(fenster, feld);
    }
    if (f.mit_Punkten) Zellen(1, {{"1", "2"}});
    const QImage vorher = fenster.bild.Bild().copy();
    const std::string kopf = Zelle(3, 0);
    Abbilden_geklickt(fenster);
    EXPECT_EQ(dialoge.meldungen.size(), f.meldung ? 1u : 0u);
    EXPECT_EQ(Zelle(3, 0), kopf);
    EXPECT_TRUE(Zelle(3, 1).empty());
    EXPECT_TRUE(fenster.bild.Bild() == vorher);
  }
}

// Number fields take terms without x; a refused text keeps the old value and the focus.
TEST_F(Abbildungen, Parameterfelder_lesen_Terme) {
  struct Fall {
    const char* feld;
    const char* text;
    bool ok;
  };
  const Fall faelle[] = {
      {"Edit_Streckfaktor", "1/4", true}, {"Edit_Drehwinkel_alfa", "w(2)", true},
      {"Edit_Scherfaktor", "2(", false},  {"Edit_M11", "cos(pi/3)", true},
      {"Edit_M22", "sin(", false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.feld);
    fenster.fokus.clear();
    Abbildungsfeld_geaendert(f.feld, f.text);
    EXPECT_EQ(Abbildungsfeld_verlassen(fenster, f.feld), f.ok);
    EXPECT_EQ(fenster.fokus, f.ok ? "" : f.feld);
  }
  EXPECT_DOUBLE_EQ(static_cast<double>(Abbildungsfenster.Parameter.k), 0.25);
  EXPECT_NEAR(static_cast<double>(Abbildungsfenster.Parameter.alpha), 1.41421356237, 1e-10);
  EXPECT_DOUBLE_EQ(static_cast<double>(Abbildungsfenster.Parameter.f), 0.7);  // unchanged
}

// The matrix terms count when mapping: cos(pi/3) and sin(pi/3) turn by 60 degrees.
TEST_F(Abbildungen, Matrixterme_werden_beim_Abbilden_ausgewertet) {
  Abbildungsfenster.Abbildung = Art::Matrix;
  for (auto [feld, text] : {std::pair{"Edit_M11", "cos(pi/3)"},
                            {"Edit_M12", "-sin(pi/3)"},
                            {"Edit_M21", "sin(pi/3)"},
                            {"Edit_M22", "cos(pi/3)"}})
    Abbildungsfeld_geaendert(feld, text);
  Zellen(1, {{"2", "0"}});
  Abbilden_geklickt(fenster);
  long double x = 0, y = 0;
  ASSERT_TRUE(Zelle_als_Zahl(Zahlentabelle, 3, 1, x));
  ASSERT_TRUE(Zelle_als_Zahl(Zahlentabelle, 4, 1, y));
  EXPECT_NEAR(static_cast<double>(x), 1, 1e-12);
  EXPECT_NEAR(static_cast<double>(y), 1.7320508075688772, 1e-12);
}

// The images are drawn in the image colour; the user's point colour stays.
TEST_F(Abbildungen, Bildpunkte_in_Bildfarbe) {
  Abbildungsfenster.Abbildung = Art::Verschiebung;
  Abbildungsfenster.Hilfslinien = Abbildungsfenster.Abbildungsparameter = false;
  Abbildungsfenster.Bildfarbe = 0x123456;
  const TFarbe punktfarbe = Stil.Punktfarbe;
  Zellen(1, {{"7", "3"}});  // image (1, 1)
  Abbilden_geklickt(fenster);
  EXPECT_EQ(fenster.bild.Pixel(x_zu_Pixel(fenster.bild, 1), y_zu_Pixel(fenster.bild, 1)),
            0x123456u);
  EXPECT_EQ(Stil.Punktfarbe, punktfarbe);
  EXPECT_EQ(Punktanzahl, 1);
}
