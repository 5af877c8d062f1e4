// The matrix and interpolation buttons from the real window: cells typed into the table's model,
// the buttons clicked, results read back from the model, the fields and the picture.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"

namespace {

class Matrixfenster : public Plotfenster {
 protected:
  void SetUp() override {
    Plotfenster::SetUp();
    Tabelle_leeren(Zahlentabelle);
    m = qobject_cast<QAbstractItemView*>(form->StringGrid1)->model();
  }
  void Setzen(int spalte, int zeile, const char* text) {
    ASSERT_TRUE(m->setData(m->index(zeile, spalte), QString::fromUtf8(text), Qt::EditRole));
  }
  std::string Zelle(int spalte, int zeile) const {
    return m->data(m->index(zeile, spalte)).toString().toStdString();
  }
  // Chosen as the user does: only a user's choice runs the list's change rule.
  static void Operation(int eintrag) {
    QComboBox* liste = form->Liste("ComboBox_MatrixOps");
    liste->setCurrentIndex(eintrag);
    emit liste->activated(eintrag);
  }
  static void Klick(const char* knopf) {
    QAbstractButton* k = form->Knopf(knopf);
    ASSERT_NE(k, nullptr) << knopf;
    k->click();
  }

  QAbstractItemModel* m = nullptr;
};

TEST_F(Matrixfenster, Handler_sind_vorhanden) {
  SkriptDialoge d;
  for (const char* h : {"SpeedButton_MatrixOpsClick", "SpeedButton_InterpolationspolynomClick",
                        "SpeedButton_SplineInterpolationClick", "SpeedButton_TrassierungClick"})
    EXPECT_TRUE(QMetaObject::invokeMethod(form, h, Qt::DirectConnection)) << h;
  EXPECT_EQ(d.meldungen.size(), 4u);  // an empty table: one message each
}

// A failed read is reported; the next click after filling the table runs at once.
TEST_F(Matrixfenster, Gleichungssystem_nach_einem_Lesefehler) {
  SkriptDialoge d;
  Operation(0);
  Klick("SpeedButton_MatrixOps");
  EXPECT_EQ(d.letzte_meldung(), "Keine Daten !");
  const char* A[2][3] = {{"2", "1", "5"}, {"1", "-1", "1"}};
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 3; ++k)
      Setzen(3 + k, 1 + i, A[i][k]);
  Klick("SpeedButton_MatrixOps");
  EXPECT_EQ(d.meldungen.size(), 1u);
  EXPECT_EQ(Zelle(3, 3), "rref(A)");
  const char* C[2][3] = {{"1", "0", "2"}, {"0", "1", "1"}};
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(Zelle(3 + k, 4 + i), C[i][k]);
  EXPECT_EQ(Zelle(5, 0), "     \u00B71");
}

// With the trace switch each state waits for a key; Escape at the second state ends it there.
TEST_F(Matrixfenster, Schrittweise_mit_Escape) {
  SkriptDialoge d;
  d.abbruch_ab_abfrage = 2;
  form->Haken_setzen("CheckBox_Tracing", true);
  const char* A[2][3] = {{"2", "1", "5"}, {"1", "-1", "1"}};
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 3; ++k)
      Setzen(3 + k, 1 + i, A[i][k]);
  Operation(0);
  Klick("SpeedButton_MatrixOps");
  form->Haken_setzen("CheckBox_Tracing", false);
  EXPECT_EQ(d.tasten, 2);
  EXPECT_EQ(d.letzte_meldung(), "Schrittweise Rechnung abgebrochen.");
  EXPECT_EQ(Zelle(3, 4), "");   // no result row
  EXPECT_EQ(Zelle(3, 5), "2");  // the state shown last, one row lower: before the exchange
}

TEST_F(Matrixfenster, Text_zu_Codes_und_zurueck) {
  SkriptDialoge d;
  form->Feld("Edit_Text_in_Grafik")->setText("Hallo");  // the field has no leave rule
  Eingeben("Edit_Mat_n", "2");
  Operation(4);
  Klick("SpeedButton_MatrixOps");
  EXPECT_EQ(Zelle(2, 1), "ASCII-Code");
  EXPECT_EQ(Zelle(3, 3), "111");
  EXPECT_EQ(Zelle(4, 3), "32");
  Operation(10);
  Klick("SpeedButton_MatrixOps");
  EXPECT_EQ(T("Edit_Text_in_Grafik"), "Hallo ");
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Matrixfenster, Spline_fuellt_f_und_g) {
  SkriptDialoge d;
  const char* punkte[3][2] = {{"0", "0"}, {"1", "1"}, {"2", "0"}};
  for (int i = 0; i < 3; ++i) {
    Setzen(1, 1 + i, punkte[i][0]);
    Setzen(2, 1 + i, punkte[i][1]);
  }
  const std::string h = T("Edit_hSchar");
  Klick("SpeedButton_SplineInterpolation");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(T("Edit_xaSchar"), "0");
  EXPECT_EQ(T("Edit_xeSchar"), "1");
  EXPECT_EQ(T("Edit_xaSchar_g"), "1");
  EXPECT_EQ(T("Edit_xeSchar_g"), "2");
  EXPECT_EQ(T("Edit_hSchar"), h);
  EXPECT_EQ(T("Edit_fSchar"), Werkbank.Feldtext("Edit_fSchar"));
  EXPECT_EQ(Zelle(3, 9), "rref(A)");
}

// The cubic in red between x = 0 and x = 3, the two lines in blue (40 pixels per unit, origin at
// pixel (320, 320)).
TEST_F(Matrixfenster, Trassierung_zeichnet_Kurve_und_Geraden) {
  SkriptDialoge d;
  const char* punkte[4][2] = {{"-3", "0"}, {"0", "0"}, {"3", "3"}, {"6", "6"}};
  for (int i = 0; i < 4; ++i) {
    Setzen(1, 1 + i, punkte[i][0]);
    Setzen(2, 1 + i, punkte[i][1]);
  }
  Klick("SpeedButton_Trassierung");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(T("Edit_xaSchar_h"), "0");
  EXPECT_EQ(T("Edit_xeSchar_h"), "3");
  EXPECT_EQ(P(260, 320), kBlau);  // on (-1,5|0)
  EXPECT_EQ(P(500, 140), kBlau);  // on (4,5|4,5)
  int rot = 0;
  for (int x = 330; x < 440; ++x)
    rot += In_Spalte(x, kRot);
  EXPECT_GT(rot, 0);
  EXPECT_EQ(In_Spalte(300, kRot), 0);  // nothing of the cubic left of x = 0
}

// Numbers beside the system would widen the matrix: the column next to it is emptied, the
// user's cells further right stay.
TEST_F(Matrixfenster, Trassierung_laesst_fremde_Zellen_stehen) {
  SkriptDialoge d;
  const char* punkte[4][2] = {{"-3", "0"}, {"0", "0"}, {"3", "3"}, {"6", "6"}};
  for (int i = 0; i < 4; ++i) {
    Setzen(1, 1 + i, punkte[i][0]);
    Setzen(2, 1 + i, punkte[i][1]);
  }
  const struct {
    int spalte, zeile;
    const char *vorher, *nachher;
  } zellen[] = {{8, 1, "9", ""}, {9, 1, "7", "7"}, {20, 3, "x", "x"}, {43, 4, "5", "5"}};
  for (const auto& z : zellen)
    Setzen(z.spalte, z.zeile, z.vorher);
  Klick("SpeedButton_Trassierung");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(T("Edit_xeSchar_h"), "3");
  for (const auto& z : zellen)
    EXPECT_EQ(Zelle(z.spalte, z.zeile), z.nachher) << z.spalte << "/" << z.zeile;
}

}  // namespace
