// The statistics diagrams from the window: cells typed into StringGrid1, the diagram chosen in
// its list, the button clicked; the table as the grid shows it and a few pixels of the picture.

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <string>
#include <vector>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "workbench/Statistikaktion.h"

namespace {

class Statistikfenster : public Plotfenster {
 protected:
  static QAbstractItemModel* Modell() {
    auto* view = qobject_cast<QAbstractItemView*>(form->StringGrid1);
    return view ? view->model() : nullptr;
  }
  static void Spalte_tippen(int spalte, const std::vector<std::string>& texte) {
    for (size_t i = 0; i < texte.size(); ++i)
      ASSERT_TRUE(Modell()->setData(Modell()->index(static_cast<int>(i) + 1, spalte),
                                    QString::fromStdString(texte[i]), Qt::EditRole));
  }
  static std::string C(int spalte, int zeile) {
    return Modell()->index(zeile, spalte).data().toString().toStdString();
  }
  static void Waehlen(const char* liste, int eintrag) {
    QComboBox* l = form->Liste(liste);
    ASSERT_NE(l, nullptr) << liste;
    l->setCurrentIndex(eintrag);
    const QByteArray handler = QByteArray(liste) + "Change";
    ASSERT_TRUE(QMetaObject::invokeMethod(form, handler.constData(), Qt::DirectConnection));
  }
  static void Zeichnen() {
    QAbstractButton* k = form->Knopf("SpeedButton_Diagramm_zeichnen");
    ASSERT_NE(k, nullptr);
    k->click();
  }
  void SetUp() override {
    Plotfenster::SetUp();
    ASSERT_NE(Modell(), nullptr);
    Tabelle_leeren(Zahlentabelle);
  }
};

}  // namespace

// 6, 12, 7, 4, 5, 10, 6, 2, 4, 5, 3 on the view -1..15: Q1 = 4, Med = 5, Q3 = 7, fences
// [-0,5; 11,5]. The modified boxplot in lane 3 (height 5, pixel row 120) ends its whisker at 10
// (pixel 440) and marks 12 (pixel 520) with a red cross.
TEST_F(Statistikfenster, ModifizierterBoxplotMitKennzahlen) {
  SkriptDialoge d;
  Eingeben("Edit_xa", "-1");
  Eingeben("Edit_xe", "15");
  Spalte_tippen(1, {"6", "12", "7", "4", "5", "10", "6", "2", "4", "5", "3"});
  Waehlen("ComboBox_DiagrPlotNr", 2);
  Waehlen("ComboBox_DiagrammTyp", Diagramm_Boxplot_modifiziert);
  Zeichnen();
  EXPECT_TRUE(d.meldungen.empty());
  const std::vector<std::pair<int, std::string>> block = {
      {1, "11"}, {5, "2"}, {6, "4"}, {7, "5"}, {8, "7"}, {9, "12"}, {10, "3"}, {11, "[-0,5;11,5]"}};
  for (const auto& [zeile, text] : block)
    EXPECT_EQ(C(4, zeile), text) << zeile;
  EXPECT_EQ(C(5, 3), "4");  // sorted distinct values 2, 3, 4, ...
  EXPECT_EQ(C(6, 3), "2");  // 4 occurs twice
  EXPECT_EQ(C(7, 3), "18,18%");
  EXPECT_EQ(P(380, 120), kBlau);  // upper whisker
  EXPECT_NE(P(470, 120), kBlau);  // no whisker beyond 10
  EXPECT_EQ(P(520, 120), kRot);   // centre of the cross
  EXPECT_NE(P(380, 280), kBlau);  // nothing in lane 1
}

// Three categories as a pie: 25 %, 25 %, 50 % from 12 o'clock counter-clockwise.
TEST_F(Statistikfenster, KreisdiagrammAusKategorien) {
  SkriptDialoge d;
  Spalte_tippen(1, {"Bus", "Rad", "Fuß"});
  Spalte_tippen(2, {"1", "1", "2"});
  Waehlen("ComboBox_DiagrammTyp", Diagramm_Kreis);
  Zeichnen();
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(C(4, 1), "25%");
  EXPECT_EQ(C(5, 3), "180°");
  EXPECT_EQ(C(7, 1), "-6,4");
  Stil.Flaechenfuellung = Pinsel_voll;
  Zeichnen();
  EXPECT_EQ(P(280, 280), Farbe_nach_Nummer(0));
  EXPECT_EQ(P(280, 360), Farbe_nach_Nummer(1));
  EXPECT_EQ(P(400, 300), Farbe_nach_Nummer(2));
}
