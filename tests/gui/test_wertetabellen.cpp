// The table buttons and the distance buttons from the window: cells as StringGrid1 shows them,
// the switches they reset, the messages and the drawn distances.

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <cmath>
#include <string>

#include "engine/UMatheBasisOp.h"
#include "table/UStringGrid.h"
#include "test_plot_fenster.h"

namespace {

class Tabellenwerkzeuge : public Plotfenster {
 protected:
  static void Klick(const char* knopf) {
    QAbstractButton* k = form->Knopf(knopf);
    ASSERT_NE(k, nullptr) << knopf;
    k->click();
  }
  static std::string C(int spalte, int zeile) {
    auto* view = qobject_cast<QAbstractItemView*>(form->StringGrid1);
    EXPECT_NE(view, nullptr);
    if (!view) return "?";
    return view->model()->index(zeile, spalte).data().toString().toStdString();
  }
  static std::string Z(long double x) { return Zahl_zu_Text(false, 9, 6, x); }
  // The points (0; 1), (1; 1), (2; 5) as read from the table.
  static void Drei_Punkte() {
    Punkteliste[0] = {0, 1};
    Punkteliste[1] = {1, 1};
    Punkteliste[2] = {2, 5};
    Punktanzahl = 3;
  }
};

constexpr const char* kKeinHaken = "Bitte erst Haken bei f, g oder h setzen !";

TEST_F(Tabellenwerkzeuge, WertetabelleMitIntegralfunktion) {
  SkriptDialoge d;
  Eingeben("Edit_fSchar", "x²");
  Eingeben("Edit_aStart", "0");
  Eingeben("Edit_bEnde", "2");
  Eingeben("Edit_delta_x", "0,5");
  Eingeben("Edit_u", "0");
  form->Haken_setzen("CheckBox_Integralfunktion_tabellieren", true);
  Klick("SpeedButton_Schar_in_Tabelle");
  EXPECT_EQ(C(2, 0), "   f(x)");
  EXPECT_EQ(C(9, 0), "  F(0,x)");
  EXPECT_EQ(C(10, 0), "  x");
  for (int z = 1; z <= 5; ++z) {
    const long double x = (z - 1) * 0.5L;
    EXPECT_EQ(C(1, z), Z(x));
    EXPECT_EQ(C(2, z), Z(x * x));
    EXPECT_EQ(C(5, z), Z(2 * x));
    EXPECT_EQ(C(9, z), z <= 4 ? Z(x * x * x / 3) : "");  // 6 places: rows 1 to 4 carry F
    EXPECT_EQ(C(10, z), Z(x));
  }
  EXPECT_EQ(C(1, 6), "");
  EXPECT_TRUE(d.meldungen.empty());
  // The switch is one-shot, and the hint says so again.
  EXPECT_FALSE(form->Haken("CheckBox_Integralfunktion_tabellieren"));
  EXPECT_EQ(form->Knopf("SpeedButton_Schar_in_Tabelle")->toolTip().toStdString(),
            "Wertetabelle f,g,h,f',f\",f\"',kr  in [a;b]");
}

TEST_F(Tabellenwerkzeuge, GrenzwerttabelleBrauchtEinenHaken) {
  {
    SkriptDialoge d;
    Tabelle_leeren(Zahlentabelle);
    Klick("SpeedButton_Grenzwerttabelle");
    EXPECT_EQ(d.meldungen, std::vector<std::string>{kKeinHaken});
    EXPECT_EQ(C(1, 1), "");
  }
  SkriptDialoge d;
  Eingeben("Edit_fSchar", "abs(x)");
  Eingeben("Edit_aStart", "0");
  Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
  Klick("SpeedButton_Grenzwerttabelle");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(C(2, 0), " ms:   f'(0)");
  EXPECT_EQ(C(1, 10), "10^-10");
  for (int z = 1; z <= 10; ++z)
    for (int s = 2; s <= 4; ++s)
      EXPECT_EQ(C(s, z), "-----") << s << "," << z;
}

TEST_F(Tabellenwerkzeuge, KurventabelleMitDenStarttexten) {
  SkriptDialoge d;
  Klick("SpeedButton_Polar_in_Tabelle");
  EXPECT_EQ(C(1, 0), "    t");
  EXPECT_EQ(C(3, 0), "    y(t)");
  EXPECT_EQ(C(1, 1), "0");
  EXPECT_NE(C(1, 1440), "");  // 0 to 2pi in steps of pi/720
  EXPECT_EQ(C(1, 1442), "");
}

TEST_F(Tabellenwerkzeuge, FolgentabelleSchreibtDie1500Zeilen) {
  SkriptDialoge d;
  form->Haken_setzen("CheckBox_rekursiv", true);
  Klick("SpeedButton_Folge_in_Tabelle");
  EXPECT_EQ(C(1, 0), "  n ");
  EXPECT_EQ(C(2, 0), "     x(n) ");
  EXPECT_EQ(C(1, 1), Gleitkomma_Text(Punkteliste[0].x));
  EXPECT_EQ(C(2, 1), Z(Werkbank.x_n0));  // the start value is the first member
  EXPECT_NE(C(1, 1500), "");
}

TEST_F(Tabellenwerkzeuge, EntfernungenMitMeldung) {
  const long double w = std::sqrt(5.0L) - 2;
  struct {
    const char* knopf;
    const char* term;
    std::string meldung;
  } const faelle[] = {
      {"SpeedButton_senkrechte_Entfernungen", "x²",
       "3 Punkte:\rSumme der vertikalen Entfernungen = 2\rSumme der Entfernungsquadrate = 2"},
      {"SpeedButton_waagerechte_Entfernungen", "x²",
       "3 Punkte:\rSumme der horizontalen Entfernungen = " + Z(w) +
           "\rSumme der Entfernungsquadrate = " + Z(w * w)},
      // t = 2 is the current t, but the vertical distances measure t = 1.
      {"SpeedButton_senkrechte_Entfernungen", "t·x²",
       "3 Punkte:\rSumme der vertikalen Entfernungen = 2\rSumme der Entfernungsquadrate = 2"},
  };
  for (const auto& f : faelle) {
    SetUp();
    SkriptDialoge d;
    Eingeben("Edit_fSchar", f.term);
    Eingeben("Edit_Schar_t1", "2");
    Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
    Drei_Punkte();
    Klick(f.knopf);
    EXPECT_EQ(d.meldungen, std::vector<std::string>{f.meldung}) << f.knopf << " " << f.term;
  }
}

TEST_F(Tabellenwerkzeuge, EntfernungenOhneHakenOderPunkte) {
  for (const char* knopf :
       {"SpeedButton_senkrechte_Entfernungen", "SpeedButton_waagerechte_Entfernungen"}) {
    SetUp();
    {
      SkriptDialoge d;
      Drei_Punkte();
      Klick(knopf);
      EXPECT_EQ(d.meldungen, std::vector<std::string>{kKeinHaken});
    }
    SkriptDialoge d;
    Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
    Punktanzahl = 0;
    Klick(knopf);
    ASSERT_EQ(d.meldungen.size(), 1u);
    EXPECT_EQ(d.meldungen[0].substr(0, 10), "0 Punkte:\r");
    EXPECT_NE(d.meldungen[0].find("= 0\rSumme der Entfernungsquadrate = 0"), std::string::npos);
  }
}

TEST_F(Tabellenwerkzeuge, EntfernungslinieUndFehlerquadratWerdenGezeichnet) {
  for (bool quadrate : {false, true}) {
    SetUp();
    SkriptDialoge d;
    Eingeben("Edit_fSchar", "x²");
    Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
    form->Haken_setzen("CheckBox_Fehlerquadrate", quadrate);
    Punkteliste[0] = {2, 5};
    Punktanzahl = 1;
    Klick("SpeedButton_senkrechte_Entfernungen");
    // (2; 5) above (2; 4): one unit is 40 pixels at the reset view.
    const int px = x_zu_Pixel(Bild(), 2), py = y_zu_Pixel(Bild(), 5), pf = y_zu_Pixel(Bild(), 4);
    ASSERT_EQ(pf - py, 40);
    // The line runs down the point's column; the hatched square stands on it to the left, its
    // right edge next to the line's column.
    EXPECT_EQ(P(px, py + 10) == kRot, !quadrate);
    EXPECT_EQ(P(px - 1, py + 10) == kRot, quadrate);
    int rot = 0;
    for (int x = px - 39; x < px - 1; ++x)
      rot += P(x, py + 10) == kRot;
    EXPECT_EQ(rot > 0 && rot < 38, quadrate);  // hatched, not filled
  }
}

}  // namespace
