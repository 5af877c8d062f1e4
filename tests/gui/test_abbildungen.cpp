// The side window of plane mappings and triangle lines, driven like a user: it opens from the
// main window, its fields and options reach the mapping, and its buttons draw into the main
// picture (40 pixels per unit, origin at pixel (320, 320)) and write into the main table.

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "windows/Unit4_2D_Abb.h"
#include "workbench/Abbildungen.h"
#include "workbench/Dreieckskonstruktion.h"

namespace {

constexpr TFarbe kGrau = 0x808080;

class Abbildungsfenster_Test : public Plotfenster {
 protected:
  void SetUp() override {
    Plotfenster::SetUp();
    Tabelle_leeren(Zahlentabelle);
    form4()->Haken_setzen("CheckBox_alles_auswaehlen", false);
    for (const char* s : kDreieckschalter)
      form4()->Haken_setzen(s, false);
    Radio("RadioGroup_Abbildung_0")->click();
  }
  static TForm4* form4() { return form->Form4; }
  static QRadioButton* Radio(const char* name) {
    return form4()->findChild<QRadioButton*>(QString::fromLatin1(name));
  }
  static void Eingeben4(const char* feld, const char* text) {
    form4()->Feld(feld)->setText(QString::fromUtf8(text));
    const QByteArray handler = QByteArray(feld) + "Exit";
    ASSERT_TRUE(QMetaObject::invokeMethod(form4(), handler.constData(), Qt::DirectConnection));
  }
  static void Punkte(int spalte, std::initializer_list<std::pair<const char*, const char*>> p) {
    int zeile = 1;
    for (const auto& [x, y] : p) {
      Zahlentabelle.Zelle_setzen(spalte, zeile, x);
      Zahlentabelle.Zelle_setzen(spalte + 1, zeile++, y);
    }
  }
  static std::string Zelle(int spalte, int zeile) {
    auto* sicht = qobject_cast<QAbstractItemView*>(form->StringGrid1);
    return sicht->model()->index(zeile, spalte).data().toString().toStdString();
  }
  static bool Klick(const char* knopf) {
    return QMetaObject::invokeMethod(form4(), (QByteArray(knopf) + "Click").constData(),
                                     Qt::DirectConnection);
  }
  // Some pixel of that colour within d pixels of (x, y).
  static bool Farbe_nahe(int x, int y, TFarbe c, int d = 2) {
    for (int i = x - d; i <= x + d; ++i)
      for (int j = y - d; j <= y + d; ++j)
        if (P(i, j) == c) return true;
    return false;
  }
};

}  // namespace

TEST_F(Abbildungsfenster_Test, Oeffnet_aus_dem_Hauptfenster) {
  ASSERT_NE(form4(), nullptr);
  EXPECT_EQ(form4()->size(), QSize(852, 556));
  EXPECT_EQ(form4()->windowTitle(), QStringLiteral("2D - Abbildungen und Dreieckslinien"));
  ASSERT_TRUE(
      QMetaObject::invokeMethod(form, "SpeedButton_2D_AbbildungenClick", Qt::DirectConnection));
  EXPECT_TRUE(form4()->isVisible());
  ASSERT_TRUE(Klick("BitBtn_abbrechen"));
  EXPECT_FALSE(form4()->isVisible());
}

// Every control of the table exists by name, with its start value; every option group has its
// buttons.
TEST_F(Abbildungsfenster_Test, Steuerelemente_mit_Startwerten) {
  for (const TSteuerelement& e : Steuerelement_Tabelle_Form4())
    EXPECT_NE(form4()->Element(e.name), nullptr) << e.name;
  for (const TStartwert& s : Startwerte_Abbildungen()) {
    if (s.text) {
      EXPECT_EQ(form4()->Text(s.name), s.text) << s.name;
    }
    if (s.an >= 0) {
      EXPECT_EQ(form4()->Haken(s.name), s.an == 1) << s.name;
    }
  }
  for (const char* r : {"RadioGroup_Abbildung_5", "RadioGroup_Scherachse_1"})
    EXPECT_NE(Radio(r), nullptr) << r;
  const std::string hinweis = form4()->Text("Label_Hinweis");
  EXPECT_TRUE(hinweis.starts_with("Die jeweiligen Eckpunkte müssen")) << hinweis;
}

// Every switch, option and the colour panel reach the window's state through their handlers.
TEST_F(Abbildungsfenster_Test, Schalter_und_Farbe_erreichen_den_Zustand) {
  for (int i = 0; i < Dreieckslinien_Anzahl; ++i) {
    const char* s = kDreieckschalter[i];
    ASSERT_TRUE(QMetaObject::invokeMethod(form4(), (QByteArray(s) + "Click").constData(),
                                          Qt::DirectConnection))
        << s;
    form4()->Haken_setzen(s, true);
    EXPECT_TRUE(Abbildungsfenster.Dreieckslinien[i]) << s;
    form4()->Haken_setzen(s, false);
    EXPECT_FALSE(Abbildungsfenster.Dreieckslinien[i]) << s;
  }
  form4()->Haken_setzen("CheckBox_Hilfslinien", false);
  form4()->Haken_setzen("CheckBox_Abbildungsparameter", false);
  EXPECT_FALSE(Abbildungsfenster.Hilfslinien);
  EXPECT_FALSE(Abbildungsfenster.Abbildungsparameter);
  form4()->Haken_setzen("CheckBox_Hilfslinien", true);
  form4()->Haken_setzen("CheckBox_Abbildungsparameter", true);
  ASSERT_TRUE(QMetaObject::invokeMethod(form4(), "RadioGroup_ScherachseChange",
                                        Qt::DirectConnection, Q_ARG(int, 1)));
  EXPECT_EQ(Abbildungsfenster.Parameter.Achse, "y");
  Radio("RadioGroup_Scherachse_0")->click();
  EXPECT_EQ(Abbildungsfenster.Parameter.Achse, "x");
  SkriptDialoge d;
  d.antworten_farbe.push_back(0x123456);
  ASSERT_TRUE(Klick("Panel_BildFarbe"));
  EXPECT_EQ(Abbildungsfenster.Bildfarbe, 0x123456u);
  Abbildungsfenster.Bildfarbe = kGruen;
}

// Vertical mirror line x = 2 typed into the fields: (3, 4) goes to (1, 4), written beside the
// point and drawn in the image colour; the window closes.
TEST_F(Abbildungsfenster_Test, Spiegelung_an_senkrechter_Achse) {
  Eingeben4("Edit_SpiegT_x", "2");
  Eingeben4("Edit_SpiegT_y", "0");
  Eingeben4("Edit_SpiegQ_x", "2");
  Eingeben4("Edit_SpiegQ_y", "5");
  Punkte(1, {{"3", "4"}});
  form4()->show();
  SkriptDialoge d;
  ASSERT_TRUE(Klick("BitBtn_abbilden"));
  EXPECT_FALSE(form4()->isVisible());
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(Zelle(3, 0), "Bildpunkte");
  EXPECT_EQ(Zelle(3, 1), "1");
  EXPECT_EQ(Zelle(4, 1), "4");
  EXPECT_EQ(P(360, 160), kGruen);  // the image point (1, 4)
  // Mirror line from Q to T in green along x = 2 (pixel column 400).
  EXPECT_GT(In_Spalte(400, kGruen), 100);
  // Back to the defaults for the other tests.
  Eingeben4("Edit_SpiegT_x", "5");
  Eingeben4("Edit_SpiegT_y", "7");
  Eingeben4("Edit_SpiegQ_x", "-6");
  Eingeben4("Edit_SpiegQ_y", "-5");
}

// The option buttons choose mapping and axis: shear along the y axis by 0,7.
TEST_F(Abbildungsfenster_Test, Optionen_waehlen_Scherung_und_Achse) {
  ASSERT_TRUE(QMetaObject::invokeMethod(form4(), "RadioGroup_AbbildungChange", Qt::DirectConnection,
                                        Q_ARG(int, 4)));
  Radio("RadioGroup_Abbildung_4")->click();
  Radio("RadioGroup_Scherachse_1")->click();
  Punkte(1, {{"1", "2"}});
  ASSERT_TRUE(Klick("BitBtn_abbilden"));
  EXPECT_EQ(Zelle(3, 1), "1");
  EXPECT_EQ(Zelle(4, 1), "2,7");
  Radio("RadioGroup_Scherachse_0")->click();
  Abbildungsfenster.Abbildung = TAbbildungsart::Achsenspiegelung;
}

// All boxes: the 3-4-5 triangle with its measures in the table and its circles in the picture.
TEST_F(Abbildungsfenster_Test, Dreieck_mit_allen_Linien) {
  Punkte(1, {{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}});
  form4()->show();
  form4()->Haken_setzen("CheckBox_alles_auswaehlen", true);
  for (const char* s : kDreieckschalter)
    EXPECT_TRUE(form4()->Haken(s)) << s;
  SkriptDialoge d;
  ASSERT_TRUE(Klick("BitBtn_Dreieckslinien"));
  EXPECT_FALSE(form4()->isVisible());
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(Zelle(3, 16), "IMLb =");
  EXPECT_EQ(Zelle(4, 16), "0");
  EXPECT_EQ(Zelle(5, 16), "1");
  EXPECT_EQ(Zelle(7, 6), "1");  // inradius
  // Incircle about (1, 1) with radius 1: its top at (1, 2); circumcircle about (2; 1,5) with
  // radius 2,5: its right end at (4,5; 1,5).
  EXPECT_TRUE(Farbe_nahe(360, 240, kGrau));
  EXPECT_TRUE(Farbe_nahe(500, 260, 0x000080));
}

TEST_F(Abbildungsfenster_Test, Kollineare_Ecken_ohne_Spuren) {
  Punkte(1, {{"0", "0"}, {"1", "1"}, {"2", "2"}, {"0", "0"}});
  form4()->Haken_setzen("CheckBox_alles_auswaehlen", true);
  const QImage vorher = Kopie();
  SkriptDialoge d;
  ASSERT_TRUE(Klick("BitBtn_Dreieckslinien"));
  EXPECT_EQ(d.meldungen.size(), 1u);
  EXPECT_TRUE(Kopie() == vorher);
  EXPECT_EQ(Zelle(3, 1), "");
}

// Clearing "alles auswählen" clears every box and replots the main picture.
TEST_F(Abbildungsfenster_Test, Alles_abwaehlen_zeichnet_neu) {
  const QImage leer = Kopie();
  Punkte(1, {{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}});
  form4()->Haken_setzen("CheckBox_alles_auswaehlen", true);
  ASSERT_TRUE(Klick("BitBtn_Dreieckslinien"));
  EXPECT_FALSE(Kopie() == leer);
  form4()->Haken_setzen("CheckBox_alles_auswaehlen", false);
  for (const char* s : kDreieckschalter)
    EXPECT_FALSE(form4()->Haken(s)) << s;
  EXPECT_TRUE(Kopie() == leer);
}

// A field still being typed into counts when the button is clicked: the buttons take no focus.
TEST_F(Abbildungsfenster_Test, Zuletzt_getipptes_Feld_zaehlt) {
  Radio("RadioGroup_Abbildung_3")->click();
  form4()->show();
  QApplication::setActiveWindow(form4());
  QLineEdit* feld = form4()->Feld("Edit_Streckfaktor");
  feld->setFocus();
  if (form4()->focusWidget() != feld) GTEST_SKIP() << "keine Fokussteuerung auf dieser Plattform";
  feld->setText(QStringLiteral("3"));
  Punkte(1, {{"8", "5"}});  // one unit right of Z = (7, 5)
  ASSERT_TRUE(Klick("BitBtn_abbilden"));
  EXPECT_EQ(Zelle(3, 1), "10");
  EXPECT_EQ(Zelle(4, 1), "5");
  Eingeben4("Edit_Streckfaktor", "2,0");
}
