// The regression button without a window: points typed into the table, the model chosen in the
// workbench, the messages caught by scripted dialogs and the field texts by a recording display.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/UMatheBasisOp.h"
#include "kos/U_KOS.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Blatt.h"
#include "workbench/Eingaben.h"
#include "workbench/Regressionsaktion.h"
#include "workbench/Werkbank.h"

namespace {

using Zellen = std::vector<std::pair<const char*, const char*>>;

class Regressionsaktion : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
  }
  void TearDown() override { Tabelle_leeren(Zahlentabelle); }

  // Point pairs into columns spalte and spalte + 1 from row 1 on.
  static void Eintragen(const Zellen& punkte, int spalte = 1) {
    int zeile = 1;
    for (const auto& [x, y] : punkte) {
      Zahlentabelle.Zelle_setzen(spalte, zeile, x);
      Zahlentabelle.Zelle_setzen(spalte + 1, zeile++, y);
    }
  }
  // Runs the button with the model and returns the messages it showed.
  std::vector<std::string> Meldungen(int modell) {
    Werkbank.Regressionsmodell = modell;
    SkriptDialoge d;
    Regressionsmodell_starten(a);
    return d.meldungen;
  }
  // The same when it showed one message.
  std::string Starten(int modell) {
    const std::vector<std::string> m = Meldungen(modell);
    EXPECT_EQ(m.size(), 1u);
    return m.empty() ? "" : m.back();
  }
  Aufzeichnung a;
};

// Enough points on y = 2^x for every model: x = 1, 2, 3, ...
Zellen Zweierpotenzen(int n) {
  static const char* const xs[] = {"1", "2", "3", "4", "5", "6"};
  static const char* const ys[] = {"2", "4", "8", "16", "32", "64"};
  Zellen z;
  for (int i = 0; i < n; ++i)
    z.push_back({xs[i], ys[i]});
  return z;
}

}  // namespace

TEST_F(Regressionsaktion, Mindestanzahl_der_Punkte) {
  struct Fall {
    int modell, n;
    const char* meldung;
    int genug;
  };
  const Fall faelle[] = {
      {0, 1, "Mindestens 2 Punkte erforderlich !", 2},
      {1, 0, "Mindestens 2 Punkte erforderlich !", 2},
      {6, 1, "Mindestens 2 Punkte erforderlich !", 2},
      {7, 1, "Mindestens 2 Punkte erforderlich !", 2},
      {8, 1, "Mindestens 2 Punkte erforderlich !", 3},
      {9, 1, "Mindestens 2 Punkte erforderlich !", 2},
      {10, 1, "Mindestens 2 Punkte erforderlich !", 2},
      {8, 2, "Mindestens 3 Punkte erforderlich !", 3},
      {2, 2, "Mindestens 3 Punkte erforderlich !", 3},
      {3, 3, "Mindestens 4 Punkte erforderlich !", 4},
      {4, 4, "Mindestens 5 Punkte erforderlich !", 5},
      {5, 5, "Mindestens 6 Punkte erforderlich !", 6},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.modell) + " mit " + std::to_string(f.n));
    Tabelle_leeren(Zahlentabelle);
    Eintragen(Zweierpotenzen(f.n));
    a.texte.clear();
    // An empty table is named by the point button first.
    std::vector<std::string> erwartet{f.meldung};
    if (f.n == 0) erwartet.insert(erwartet.begin(), "Punkte nicht definiert!");
    EXPECT_EQ(Meldungen(f.modell), erwartet);
    EXPECT_TRUE(a.texte.empty());  // nothing fitted, nothing written
    // As many as the message asks for are enough.
    Eintragen(Zweierpotenzen(f.genug));
    EXPECT_EQ(Starten(f.modell).find("Mindestens"), std::string::npos);
  }
}

// Points joined by lines would read as a curve of their own beside the fitted one.
TEST_F(Regressionsaktion, Punktverbindung_wird_ausgeschaltet) {
  Eintragen(Zweierpotenzen(3));
  Starten(1);
  ASSERT_TRUE(a.haken.count("CheckBox_DatenPkte_verbinden"));
  EXPECT_FALSE(a.haken["CheckBox_DatenPkte_verbinden"]);
}

// The reset leaves the second-line box alone, and the button keeps following it.
TEST_F(Regressionsaktion, Zweite_Gerade_ueberdauert_die_Standardwerte) {
  Schalter_geklickt(a, "CheckBox_2_Regressionsgeraden", true);
  Standardwerte_einstellen(a);
  EXPECT_FALSE(a.haken.count("CheckBox_2_Regressionsgeraden"));
  Eintragen({{"1", "2"}, {"2", "4"}, {"3", "6"}});
  EXPECT_NE(Starten(1).find("2.Gerade:  y=2x"), std::string::npos);
}

TEST_F(Regressionsaktion, Liest_die_gewaehlten_Spalten) {
  Eintragen({{"1", "9"}, {"2", "9"}}, 1);
  Eintragen({{"1", "2"}, {"2", "4"}, {"3", "6"}}, 3);
  Liste_gewaehlt(a, "ComboBox_Punkte_ab_Spalte", 1);  // "Sp 3,4"
  Starten(1);
  EXPECT_EQ(Punktanzahl, 3);
  EXPECT_EQ(Werkbank.Feldtext("Edit_fSchar"), "2x");
}

// Messages and the texts written into the fields f, g and h, model by model.
TEST_F(Regressionsaktion, Meldungen_und_Feldtexte) {
  struct Fall {
    const char* name;
    int modell;
    bool zweite_Gerade;
    Zellen punkte;
    const char* meldung;
    std::map<std::string, std::string> felder;
  };
  const Fall faelle[] = {
      {"Gerade",
       1,
       false,
       {{"1", "2"}, {"2", "4"}, {"3", "6"}},
       "Lineare Regression:\r\r1.Gerade:  y=2x\r\r\r\rKorrelation:   r=1",
       {{"Edit_fSchar", "2x"}, {"Edit_hSchar", "Korrelation:   r=1"}}},
      // (2;1), (4;5), (9;6): y = 8/13 x + 12/13 and x on y as y = 7/8 x - 3/8.
      {"beide Geraden",
       1,
       true,
       {{"2", "1"}, {"4", "5"}, {"9", "6"}},
       "Lineare Regression:\r\r1.Gerade:  y=0,615385x+0,923077\r\r2.Gerade:  "
       "y=0,875x-0,375\r\rKorrelation:   r=0,838628",
       {{"Edit_fSchar", "0,615385x+0,923077"},
        {"Edit_gSchar", "0,875x-0,375"},
        {"Edit_hSchar", "Korrelation:   r=0,838628"}}},
      {"Ursprungsgerade",
       0,
       false,
       {{"1", "2"}, {"2", "4"}, {"3", "6"}},
       "Lineare Regression:\r\r1.Gerade:  y=2x\r\r\r\rKorrelation:   r=1",
       {{"Edit_fSchar", "2x"}, {"Edit_hSchar", "Korrelation:   r=1"}}},
      // Through the origin both substitute lines pass through the origin, not the means.
      {"Ursprungsgerade ohne Trend",
       0,
       true,
       {{"1", "1"}, {"-1", "1"}},
       "Lineare Regression:\r\r1.Gerade:  y=0\r\r2.Gerade:  x=0\r\rKorrelation:   r=0",
       {{"Edit_fSchar", "0"}, {"Edit_hSchar", "Korrelation:   r=0"}}},
      {"alle x gleich",
       1,
       false,
       {{"3", "1"}, {"3", "4"}, {"3", "7"}},
       "Lineare Regression:\r\r1.Gerade:  x=3\r\r\r\rKorrelation:   r nicht definiert !",
       {{"Edit_gSchar", "4"}, {"Edit_hSchar", "Korrelation:   r nicht definiert !"}}},
      {"alle y gleich",
       1,
       true,
       {{"1", "2"}, {"4", "2"}, {"7", "2"}},
       "Lineare Regression:\r\r1.Gerade:  y=2\r\r2.Gerade:  x=4\r\rKorrelation:   r nicht "
       "definiert !",
       {{"Edit_fSchar", "2"}, {"Edit_hSchar", "Korrelation:   r nicht definiert !"}}},
      {"Parabel",
       2,
       false,
       {{"-1", "6"}, {"0", "2"}, {"1", "4"}, {"2", "12"}},
       "Quadratische Regression:\r\n\nf(x)=3x²-1x+2\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "3x²-1x+2"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      {"kubisch",
       3,
       false,
       {{"-1", "-1"}, {"0", "0"}, {"1", "1"}, {"2", "8"}},
       "Kubische Regression:\r\n\nf(x)=1x³\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "1x³"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      {"vierter Grad",
       4,
       false,
       {{"-2", "16"}, {"-1", "1"}, {"0", "0"}, {"1", "1"}, {"2", "16"}},
       "Polynom(4.Grades) - Regression:\r\n\nf(x)=1x^4\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "1x^4"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      {"exponentiell",
       6,
       false,
       {{"0", "3"}, {"1", "6"}, {"2", "12"}},
       "Exponentielle Regression:\r\n\nf(x)=3*e^(0,693147*x)\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "3*e^(0,693147*x)"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      {"exponentiell, alle y negativ",
       6,
       false,
       {{"0", "-3"}, {"1", "-6"}, {"2", "-12"}},
       "Exponentielle Regression:\r\n\nf(x)=-3*e^(0,693147*x)\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "-3*e^(0,693147*x)"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      // y = 1 + 2 ln(-x) on x = -1, -e, -e²: the model takes -x.
      {"logarithmisch, alle x negativ",
       7,
       false,
       {{"-1", "1"}, {"-2,718281828459045", "3"}, {"-7,38905609893065", "5"}},
       "Logarithmische Regression:\r\n\nf(x)=1+2*ln(-x)\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "1+2*ln(-x)"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      // y = 3 (-x)^2 on x = -1, -2, -4.
      {"potenziell, alle x negativ",
       8,
       false,
       {{"-1", "3"}, {"-2", "12"}, {"-4", "48"}},
       "Potenzielle Regression:\r\n\nf(x)=3*(-x)^2\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "3*(-x)^2"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      {"1/(ax+b)",
       9,
       false,
       {{"0", "0,5"}, {"1", "0,25"}, {"3", "0,125"}},
       "Gebrochenrationale Regression:\r\n\nf(x)=1/(2x+2)\r\n\nKorrel:   r=1",
       {{"Edit_gSchar", "1/(2x+2)"}, {"Edit_hSchar", "Korrel:   r=1"}}},
      // x/(2x-1): 1/y = 2 - 1/x, a falling line in 1/x.
      {"x/(ax+b)",
       10,
       false,
       {{"1", "1"}, {"2", "0,6666666666666667"}, {"-1", "0,3333333333333333"}},
       "Gebrochenrationale Regression:\r\n\nf(x)=x/(2x+-1)\r\n\nKorrel:   r=-1",
       {{"Edit_fSchar", "x/(2x+-1)"}, {"Edit_hSchar", "Korrel:   r=-1"}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
    a.texte.clear();
    Eintragen(f.punkte);
    Werkbank.Regressionsmodell = f.modell;
    Schalter_geklickt(a, "CheckBox_2_Regressionsgeraden", f.zweite_Gerade);
    EXPECT_EQ(Starten(f.modell), f.meldung);
    std::map<std::string, std::string> felder;
    for (const char* feld : {"Edit_fSchar", "Edit_gSchar", "Edit_hSchar"})
      if (a.texte.count(feld)) felder[feld] = a.texte[feld];
    EXPECT_EQ(felder, f.felder);
    for (const auto& [feld, text] : f.felder)
      EXPECT_EQ(Werkbank.Feldtext(feld), text);  // the next plot reads them
  }
}

// A failed transformation shows only its message and leaves every field as it was.
TEST_F(Regressionsaktion, Fehler_schreibt_nichts) {
  struct Fall {
    int modell;
    Zellen punkte;
    const char* meldung;
  };
  const Fall faelle[] = {
      {6, {{"1", "2"}, {"2", "-1"}}, "Fehler ! Negative y-Werte"},
      {7, {{"-1", "2"}, {"2", "1"}}, "Fehler ! Negative x-Werte"},
      {8, {{"1", "2"}, {"-2", "1"}, {"3", "4"}}, "Fehler ! Negative x- bzw. y-Werte"},
      {9, {{"1", "2"}, {"2", "0"}}, "Fehler ! y=0 nicht erlaubt"},
      {10, {{"0", "2"}, {"2", "1"}}, "Fehler ! x=0 bzw. y=0 nicht erlaubt"},
      {2,
       {{"1", "1"}, {"1", "2"}, {"3", "0"}},
       "Fehler ! Für ein Polynom 2. Grades sind mindestens 3 verschiedene x-Werte nötig"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    Tabelle_leeren(Zahlentabelle);
    a.texte.clear();
    Eintragen(f.punkte);
    EXPECT_EQ(Starten(f.modell), f.meldung);
    EXPECT_TRUE(a.texte.empty());
  }
}

// Fixed point: the message shows the coefficients padded as the number format writes them; the
// term field and the curve get the term without blanks, so the fit is drawn (blue over x = 0,5).
TEST_F(Regressionsaktion, Festkomma_Meldung_mit_Leerzeichen_Term_ohne) {
  struct Fall {
    int modell;
    Zellen punkte;
    const char *in_meldung, *feld, *term;
  };
  const Fall faelle[] = {
      {1, {{"1", "2"}, {"2", "4"}, {"3", "6"}}, "y=  2,000000x", "Edit_fSchar", "2,000000x"},
      {9,
       {{"0", "1"}, {"1", "0,5"}, {"3", "0,25"}},
       "f(x)=1/(  1,000000x+  1,000000)",
       "Edit_gSchar",
       "1/(1,000000x+1,000000)"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.term);
    Tabelle_leeren(Zahlentabelle);
    Eintragen(f.punkte);
    Zahlformat.Fixkomma = true;
    Werkbank.Regressionsmodell = f.modell;
    Aufzeichnung mit_bild(true);
    SkriptDialoge d;
    Regressionsmodell_starten(mit_bild);
    EXPECT_NE(d.letzte_meldung().find(f.in_meldung), std::string::npos) << d.letzte_meldung();
    EXPECT_EQ(mit_bild.texte[f.feld], f.term);
    int blau = 0;
    for (int y = 0; y < 641; ++y)
      blau += mit_bild.bild.Pixel(340, y) == 0xFF0000;
    EXPECT_GE(blau, 1);
  }
}
