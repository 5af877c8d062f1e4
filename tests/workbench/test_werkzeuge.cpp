// The tools and the redraw on the workbench state without a window: the one current t, the
// table points and fine parametric steps in the plot, the sequence table of a broken recursion,
// the Romberg scheme, family members in the tools' drawings and the curvature circle's captions.
// Pictures are 641 x 641 pixels at 40 pixels per unit with the origin at pixel (320, 320).

#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "engine/UMatheBasisOp.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Blatt.h"
#include "workbench/Eingaben.h"
#include "workbench/Integraleaktion.h"
#include "workbench/Nullstellenaktion.h"
#include "workbench/Plotaktion.h"
#include "workbench/Punkteaktion.h"
#include "workbench/Tangentenaktion.h"
#include "workbench/Werkbank.h"
#include "workbench/Wertetabellenaktion.h"

namespace {

class Werkzeuge : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
    a.bild = TBild{};
  }
  void TearDown() override { Tabelle_leeren(Zahlentabelle); }
  // A field left by the user: terms are checked, numbers accepted.
  void Zahl(const char* feld, const char* text) {
    Werkbank.Feldtexte[feld] = text;
    ASSERT_TRUE(Zahlfeld_verlassen(a, feld)) << feld;
  }
  void Term(const char* feld, const char* text) {
    Werkbank.Feldtexte[feld] = text;
    Termfeld_verlassen(a, feld);
  }
  static void Nur(std::initializer_list<Kurve> an) {
    for (bool& k : Werkbank.Kurve_zeichnen)
      k = false;
    for (Kurve k : an)
      Werkbank.Kurve_zeichnen[k] = true;
  }
  // Pixels of a colour in one column below (unten) or above the x axis.
  int In_Spalte(int x, TFarbe farbe, bool unten) const {
    int n = 0;
    for (int y = unten ? 321 : 0; y < (unten ? 641 : 320); ++y)
      n += a.bild.Pixel(x, y) == farbe;
    return n;
  }

  Aufzeichnung a{true};
};

}  // namespace

// f = x^2 - t with t = 4: f(-8) = 60, the integral over [0; 3] is 9 - 12 = -3, the zeros of
// f - 0 are -2 and 2. An extrema search over t = 1, 2, 3 leaves t at 4 too.
TEST_F(Werkzeuge, Ein_aktuelles_t_fuer_Wert_Integral_und_Nullstellen) {
  struct Fall {
    const char *t1, *t2;
    bool extrema_vorher;
  };
  const Fall faelle[] = {{"4", "4", false}, {"1", "3", true}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.t1);
    SetUp();
    SkriptDialoge d;
    Term("Edit_fSchar", "x^2-t");
    Nur({Kurve_f});
    Zahl("Edit_Schar_t1", f.t1);
    Zahl("Edit_Schar_t2", f.t2);
    Zahl("Edit_delta_t", "1");
    if (f.extrema_vorher) Extrempunkte_berechnen();
    Funktionswert_berechnen(a);
    EXPECT_EQ(a.texte["Edit_f_von_a"], "60");
    Werkbank.aStart = 0;
    Werkbank.bEnde = 3;
    Integral_geklickt(a);
    EXPECT_NE(d.letzte_meldung().find("\rIntegral I = -3\r"), std::string::npos)
        << d.letzte_meldung();
    Term("Edit_gSchar", "0");
    Nur({Kurve_f, Kurve_g});
    Werkbank.aStart = -8;
    Werkbank.bEnde = 8;
    Nullstellen_berechnen(a);
    EXPECT_EQ(Zahlentabelle.Zelle(4, 2), "-2");
    EXPECT_EQ(Zahlentabelle.Zelle(4, 3), "2");
    EXPECT_EQ(Zahlentabelle.Zelle(4, 4), "");
  }
}

// "Punkte" draws the table points after the curves, as the point button does; an empty table
// is named once, not at every redraw.
TEST_F(Werkzeuge, Plot_zeichnet_die_Tabellenpunkte) {
  SkriptDialoge d;
  Plot_zeichnen(a);
  const QImage ohne = a.bild.Bild().copy();
  Werkbank.Punkte = true;
  Plot_zeichnen(a);
  Plot_zeichnen(a);
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Punkte nicht definiert!"});
  EXPECT_TRUE(a.bild.Bild() == ohne);
  const char* punkte[][2] = {{"1", "1"}, {"2", "3"}};
  for (int i = 0; i < 2; ++i) {
    Zahlentabelle.Zelle_setzen(1, i + 1, punkte[i][0]);
    Zahlentabelle.Zelle_setzen(2, i + 1, punkte[i][1]);
  }
  Werkbank.Punkte = false;
  Plot_zeichnen(a);
  Punkte_einzeichnen(a);
  const QImage mit_Knopf = a.bild.Bild().copy();
  Werkbank.Punkte = true;
  Plot_zeichnen(a);
  EXPECT_TRUE(a.bild.Bild() == mit_Knopf);
  EXPECT_FALSE(a.bild.Bild() == ohne);
  EXPECT_EQ(d.meldungen.size(), 1u);
}

// The start ellipse x = cos t, y = 0,6 sin t and the circle r = 1 over 0 .. 2pi: a step finer
// than the point cap still gives the lower half (column 300 is x = -0,5), with one message for
// two redraws.
TEST_F(Werkzeuge, Feine_Parameterschritte_zeichnen_die_ganze_Kurve) {
  struct Fall {
    bool polar;
    const char *x, *y, *schritt;
    size_t meldungen;
  };
  const Fall faelle[] = {
      {false, "x*cos(t)", "3x/5*sin(t)", "pi/720", 0},
      {false, "x*cos(t)", "3x/5*sin(t)", "pi/100000", 1},
      {true, "1", "0", "pi/100000", 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.schritt);
    SetUp();
    SkriptDialoge d;
    Nur({Kurve_Param});
    Werkbank.Kurvenstile[Kurve_Param].Farbe = kRot;
    Werkbank.Polardarstellung = f.polar;
    Term("Edit_xParam", f.x);
    Term("Edit_yParam", f.y);
    Zahl("Edit_Param_k1", "0");
    Zahl("Edit_Param_k2", "2pi");
    Zahl("Edit_delta_Phi", f.schritt);
    Plot_zeichnen(a);
    Plot_zeichnen(a);
    EXPECT_GE(In_Spalte(300, kRot, true), 1);
    EXPECT_GE(In_Spalte(300, kRot, false), 1);
    ASSERT_EQ(d.meldungen.size(), f.meldungen);
    if (f.meldungen) {
      EXPECT_NE(d.meldungen[0].find("100000"), std::string::npos);
    }
  }
}

// ln(x) from 0,5: ln 0,5 = -0,693147, then ln of a negative number breaks the recursion. The
// table ends there, also when an explicit sequence of 501 members filled the list before.
TEST_F(Werkzeuge, Folgentabelle_endet_am_Bruch_der_Rekursion) {
  SkriptDialoge d;
  Folgentabelle_geklickt(a);
  ASSERT_EQ(Zahlentabelle.Zelle(1, 501), "501");
  Werkbank.rekursiv = true;
  Term("Edit_Folge", "ln(x)");
  Zahl("Edit_x_n0", "0,5");
  Folgentabelle_geklickt(a);
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Fehler! Bildungsgesetz unterbrochen"});
  const char* zeilen[][3] = {
      {"1", "1", "0,5"}, {"2", "2", "-0,693147"}, {"3", "", ""}, {"501", "", ""}};
  for (const auto& z : zeilen) {
    EXPECT_EQ(Zahlentabelle.Zelle(1, std::stoi(z[0])), z[1]) << z[0];
    EXPECT_EQ(Zahlentabelle.Zelle(2, std::stoi(z[0])), z[2]) << z[0];
  }
}

// The scheme goes into the table only while "Romberg tab" is the entry shown; the solid of
// revolution shows "Gauß-Kronrod" instead.
TEST_F(Werkzeuge, Romberg_Tabelle_folgt_dem_gezeigten_Eintrag) {
  for (bool rotation_dazwischen : {false, true}) {
    SCOPED_TRACE(rotation_dazwischen);
    SetUp();
    SkriptDialoge d;
    Nur({Kurve_f});
    Liste_gewaehlt(a, "ComboBox_Integrationsmethode", 5);
    if (rotation_dazwischen) Rotationsintegral_geklickt(a);
    Zahlentabelle.Zelle_setzen(20, 20, "mein");
    Integral_geklickt(a);
    EXPECT_EQ(Zahlentabelle.Zelle(1, 0) == "Romberg-", !rotation_dazwischen);
    EXPECT_EQ(Zahlentabelle.Zelle(20, 20), rotation_dazwischen ? "mein" : "");
  }
}

// f = t with "t von" 1 .. 2,2: the second member y = 1,2 (row 272) in the family's second
// colour, for the solid's outline also mirrored (row 368).
TEST_F(Werkzeuge, Koerper_und_Bogen_zeichnen_jedes_Glied_der_Schar) {
  struct Fall {
    void (*knopf)(Anzeige&);
    int zeile;
  };
  const Fall faelle[] = {{Rotationsintegral_geklickt, 272},
                         {Rotationsintegral_geklickt, 368},
                         {Bogenlaenge_geklickt, 272}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.zeile);
    SetUp();
    SkriptDialoge d;
    Term("Edit_fSchar", "t");
    Nur({Kurve_f});
    Werkbank.alle_t_verwenden = true;
    Werkbank.aStart = 0;
    Werkbank.bEnde = 3;
    f.knopf(a);
    EXPECT_EQ(a.bild.Pixel(340, f.zeile), Farbe_nach_Nummer(1));
  }
}

// The circle is a parametric curve: automatic captions name its axes x(t) and y(t).
TEST_F(Werkzeuge, Kruemmungskreis_beschriftet_die_Achsen_wie_eine_Parameterkurve) {
  for (bool automatisch : {true, false}) {
    SCOPED_TRACE(automatisch);
    SetUp();
    a.texte.clear();
    SkriptDialoge d;
    Term("Edit_fSchar", "x^2");
    Nur({Kurve_f});
    Werkbank.aStart = 0;
    Werkbank.Achsen_automatisch_beschriften = automatisch;
    Kruemmungskreis_geklickt(a);
    EXPECT_EQ(a.texte["Edit_xBeschrift"], automatisch ? "x(t)" : "");
    EXPECT_EQ(a.texte["Edit_yBeschrift"], automatisch ? "y(t)" : "");
  }
}
