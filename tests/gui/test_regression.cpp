// Regression from the real window: points typed into StringGrid1, the model chosen in its list,
// the button clicked; the fields, the message and the curves' pixels are read back (40 pixels
// per unit, origin at pixel (320, 320)).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <utility>
#include <vector>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"

namespace {

class Regressionsfenster : public Plotfenster {
 protected:
  void TearDown() override {
    form->Haken_setzen("CheckBox_2_Regressionsgeraden", false);
    Tabelle_leeren(Zahlentabelle);
  }
  // Types the point pairs into columns 1 and 2 of the table, from row 1 on.
  static void Punkte_tippen(const std::vector<std::pair<const char*, const char*>>& punkte) {
    auto* tabelle = qobject_cast<QAbstractItemView*>(form->StringGrid1);
    ASSERT_NE(tabelle, nullptr);
    QAbstractItemModel* m = tabelle->model();
    int zeile = 1;
    for (const auto& [x, y] : punkte) {
      ASSERT_TRUE(m->setData(m->index(zeile, 1), QString(x)));
      ASSERT_TRUE(m->setData(m->index(zeile++, 2), QString(y)));
    }
  }
  static void Modell_waehlen(int modell) {
    form->Liste("ComboBox_RegressionsModelle")->setCurrentIndex(modell);
    ASSERT_TRUE(
        QMetaObject::invokeMethod(form, "ComboBox_RegressionsModelleChange", Qt::DirectConnection));
  }
  static std::vector<std::string> Starten() {
    SkriptDialoge d;
    QAbstractButton* knopf = form->Knopf("SpeedButton_Regressionsmodell_starten");
    EXPECT_NE(knopf, nullptr);
    if (knopf) knopf->click();
    return d.meldungen;
  }
};

}  // namespace

// (1;1), (2;3), (4;3), (5;5): means 3 and 3, Sxy = 8, Sxx = 10, Syy = 8, so y = 0,8x + 0,6,
// the regression of x on y is y = x, and r = 8 / sqrt(80).
TEST_F(Regressionsfenster, Beide_Regressionsgeraden) {
  Punkte_tippen({{"1", "1"}, {"2", "3"}, {"4", "3"}, {"5", "5"}});
  Modell_waehlen(1);
  form->Haken_setzen("CheckBox_2_Regressionsgeraden", true);
  EXPECT_EQ(Starten(), (std::vector<std::string>{"Lineare Regression:\r\r1.Gerade:  y=0,8x+0,6\r\r"
                                                 "2.Gerade:  y=1x\r\rKorrelation:   r=0,894427"}));
  EXPECT_EQ(T("Edit_fSchar"), "0,8x+0,6");
  EXPECT_EQ(T("Edit_gSchar"), "1x");
  EXPECT_EQ(T("Edit_hSchar"), "Korrelation:   r=0,894427");
  // At x = -4 the first line is at y = -2,6 (row 424), the second at y = -4 (row 480).
  EXPECT_EQ(P(160, 424), kBlau);
  EXPECT_EQ(P(160, 480), kGruen);
  // The point (2;3) is drawn in the point colour, at pixel (400, 200).
  EXPECT_EQ(P(400, 200), Stil.Punktfarbe);
}

// Points on 2·e^(0,5x) in the window give the model back, drawn through them.
TEST_F(Regressionsfenster, Exponentialmodell_im_Feld_g) {
  Punkte_tippen({{"0", "2"}, {"2", "5,43656365691809"}, {"4", "14,7781121978613"}});
  Modell_waehlen(6);
  EXPECT_EQ(Starten(), (std::vector<std::string>{
                           "Exponentielle Regression:\r\n\nf(x)=2*e^(0,5*x)\r\n\nKorrel:   r=1"}));
  EXPECT_EQ(T("Edit_gSchar"), "2*e^(0,5*x)");
  EXPECT_EQ(T("Edit_hSchar"), "Korrel:   r=1");
  // At x = -4 the curve is at 2/e² = 0,27 (row 309); at x = 2 at 5,44 (row 103).
  EXPECT_GE(In_Spalte(160, kBlau), 1);
  EXPECT_EQ(P(160, 309), kBlau);
}
