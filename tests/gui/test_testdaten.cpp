// The test-data and point buttons from the real window: the table as StringGrid1 shows it, the
// view fields, and the pixels of what the points buttons draw (40 pixels per unit).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <memory>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "workbench/Werkbank.h"

namespace {

constexpr TFarbe kMagenta = 0xFF00FF;

class Testdatenfenster : public Plotfenster {
 protected:
  // Clicks the button through its bound handler; the reset question is answered with Yes.
  static std::unique_ptr<SkriptDialoge> Klick(const char* knopf) {
    auto d = std::make_unique<SkriptDialoge>();
    d->antworten_frage.push_back(true);
    const QByteArray slot = QByteArray(knopf) + "Click()";
    EXPECT_GE(form->metaObject()->indexOfSlot(slot.constData()), 0) << knopf;
    form->Knopf(knopf)->click();
    return d;
  }
  static std::string Zelle(int spalte, int zeile) {
    const QAbstractItemModel* m = static_cast<QAbstractItemView*>(form->StringGrid1)->model();
    return m->data(m->index(zeile, spalte)).toString().toStdString();
  }
  static void Zelle_tippen(int spalte, int zeile, const char* text) {
    QAbstractItemModel* m = static_cast<QAbstractItemView*>(form->StringGrid1)->model();
    ASSERT_TRUE(m->setData(m->index(zeile, spalte), QString::fromUtf8(text)));
  }
};

}  // namespace

TEST_F(Testdatenfenster, Jeder_Knopf_hat_seinen_Handler) {
  for (const char* k : {"SpeedButton_Spaltensumme",
                        "SpeedButton_kumulierte_Summe",
                        "SpeedButton_Skalarprodukt",
                        "SpeedButton_VektorProdukt",
                        "SpeedButton_Addiere_zu_Spalte",
                        "SpeedButton_Multipliziere_mit_Spalte",
                        "SpeedButton_Binomialverteilung",
                        "SpeedButtonLehmerzahlen",
                        "SpeedButton_Testdaten_LinReg",
                        "SpeedButton_Testdaten_Dreieck",
                        "SpeedButton_Testdaten_Saeulendiagramm",
                        "SpeedButton_Testdaten_Boxplots",
                        "SpeedButton_Testdaten_Histo",
                        "SpeedButton_Testdaten_LGS",
                        "SpeedButton_Testdaten_Kreisdiagramm",
                        "SpeedButton_Testdaten_Splines",
                        "SpeedButton_Punkte_einzeichnen",
                        "SpeedButton_Schwerpunkt_zeichnen",
                        "SpeedButton_Rechteck_einzeichnen",
                        "SpeedButton_regelm_Vielecke",
                        "SpeedButtonLot_P1_f",
                        "SpeedButtonMittelpunktAB"}) {
    const QByteArray slot = QByteArray(k) + "Click()";
    EXPECT_GE(form->metaObject()->indexOfSlot(slot.constData()), 0) << k;
    EXPECT_NE(form->Knopf(k), nullptr) << k;
  }
}

TEST_F(Testdatenfenster, Dreieck_wird_geschlossen_gezeichnet) {
  auto d(Klick("SpeedButton_Testdaten_Dreieck"));
  EXPECT_EQ(d->fragen.size(), 1u);
  const char* erwartet[4][2] = {{"1", "-1"}, {"4", "1"}, {"3", "6"}, {"1", "-1"}};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(Zelle(1, r + 1), erwartet[r][0]);
    EXPECT_EQ(Zelle(2, r + 1), erwartet[r][1]);
  }
  EXPECT_EQ(T("Edit_xa"), "-8");
  EXPECT_EQ(form->Eintrag("ComboBox_Linienart"), 2);
  EXPECT_TRUE(form->Haken("CheckBox_DatenPkte_verbinden"));
  EXPECT_EQ(P(482, 280), Stil.Punktfarbe);        // beside the corner (4, 1)
  EXPECT_EQ(P(470, 230), Stil.Verbindungsfarbe);  // a quarter along to (3, 6)
  EXPECT_TRUE(d->meldungen.empty());
}

TEST_F(Testdatenfenster, Histogramm_mit_Platz_fuer_Dichte_vierzehn) {
  auto d(Klick("SpeedButton_Testdaten_Histo"));
  EXPECT_EQ(T("Edit_xa"), "-4");  // origin left below, x stretched twice
  EXPECT_EQ(T("Edit_xe"), "60");
  EXPECT_EQ(T("Edit_ye"), "15");
  EXPECT_EQ(T("Edit_ya"), "-1");
  EXPECT_EQ(T("Edit_yscl"), "1");
  EXPECT_EQ(Zelle(1, 1), "0;12");
  EXPECT_EQ(Zelle(2, 6), "35");
  EXPECT_EQ(form->Eintrag("ComboBox_DiagrammTyp"), 7);
  EXPECT_EQ(Werkbank.Diagrammtyp, 7);
  EXPECT_GT(In_Zeile(16, kMagenta) + In_Zeile(18, kMagenta), 0);  // the note at (90, 10)
}

TEST_F(Testdatenfenster, Kreisdiagramm_ohne_Achsen) {
  auto d(Klick("SpeedButton_Testdaten_Kreisdiagramm"));
  EXPECT_TRUE(d->fragen.empty());
  EXPECT_FALSE(form->Haken("CheckBox_xAchse"));
  EXPECT_FALSE(form->Haken("CheckBox_yAchse"));
  EXPECT_EQ(Zelle(1, 4), "GRÜNE");
  EXPECT_EQ(Zelle(2, 6), "3118");
  form->Haken_setzen("CheckBox_xAchse", true);
  form->Haken_setzen("CheckBox_yAchse", true);
}

TEST_F(Testdatenfenster, Schwerpunkt_aus_der_Tabelle) {
  SkriptDialoge d;
  form->Knopf("SpeedButton_Tabelle_loeschen")->click();
  Zelle_tippen(1, 1, "0");
  Zelle_tippen(2, 1, "0");
  Zelle_tippen(1, 2, "4");
  Zelle_tippen(2, 2, "0");
  Zelle_tippen(1, 3, "4");
  Zelle_tippen(2, 3, "3");
  ASSERT_NE(P(427, 280), Stil.Punktfarbe);
  form->Knopf("SpeedButton_Schwerpunkt_zeichnen")->click();
  EXPECT_EQ(P(427, 280), Stil.Punktfarbe);  // (8/3, 1)
  EXPECT_TRUE(d.meldungen.empty());
}
