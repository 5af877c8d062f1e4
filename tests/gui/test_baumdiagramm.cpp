// The tree-diagram window from the real main window: opened by its button, its lists coupled, its
// draw button painting into Image1 (read back through the widget), faults leaving it open.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "hauptfenster.h"
#include "kos/UGrafik.h"
#include "support/SkriptDialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/Unit5_Baumdiag.h"
#include "workbench/Startwerte.h"

namespace {

constexpr QRgb kArgbSchwarz = 0xFF000000, kArgbRot = 0xFFFF0000, kArgbBlau = 0xFF0000FF;

class Baumfenster : public Hauptfenster_Test {
 protected:
  void SetUp() override { f5 = form->Form5; }
  void TearDown() override {
    f5->hide();
    Waehlen("ComboBox_Stufenzahl", Starteintrag("ComboBox_Stufenzahl"));
    Waehlen("ComboBox_W_Zaehler", Starteintrag("ComboBox_W_Zaehler"));
    Waehlen("ComboBox_W_Nenner", Starteintrag("ComboBox_W_Nenner"));
    f5->Feld("Edit_Erfolg")->setText(Starttext("Edit_Erfolg"));
  }
  // The user picks an item: the list changes and reports the choice.
  void Waehlen(const char* liste, int eintrag) {
    QComboBox* c = f5->Liste(liste);
    ASSERT_NE(c, nullptr) << liste;
    c->setCurrentIndex(eintrag);
    emit c->activated(eintrag);
  }
  void Aufrufen(QObject* fenster, const char* handler) {
    EXPECT_TRUE(QMetaObject::invokeMethod(fenster, handler)) << handler;
  }
  std::string Label(const char* name) { return f5->Text(name); }
  QImage Bild() { return form->Image1->grab().toImage(); }
  QImage Weiss(int b, int h) {
    QImage w(b, h, Bild().format());
    w.fill(Qt::white);
    return w;
  }

  TForm5* f5 = nullptr;
};

}  // namespace

TEST_F(Baumfenster, Fenster_zeigt_die_Starttabelle) {
  EXPECT_EQ(f5->windowTitle(), QStringLiteral("Baumdiagramme für Bernoulliketten"));
  EXPECT_EQ(f5->size(), QSize(677, 452));
  for (const TSteuerelement& e : Steuerelement_Tabelle_Form5())
    EXPECT_NE(f5->Element(e.name), nullptr) << e.name;
  for (const TStartwert& w : Startwerte_Baumdiagramm()) {
    SCOPED_TRACE(w.name);
    if (w.text) {
      EXPECT_EQ(f5->Text(w.name), w.text);
    }
    if (w.an >= 0) {
      EXPECT_EQ(f5->Haken(w.name), w.an == 1);
    }
    if (w.eintrag >= 0) {
      EXPECT_EQ(f5->Eintrag(w.name), w.eintrag);
    }
  }
  EXPECT_EQ(f5->Liste("ComboBox_Stufenzahl")->count(), 3);
  EXPECT_EQ(f5->Liste("ComboBox_W_Zaehler")->itemText(19), QStringLiteral("20"));
  const int z = Starteintrag("ComboBox_W_Zaehler") + 1, n = Starteintrag("ComboBox_W_Nenner") + 1;
  EXPECT_EQ(Label("Label_q_zaehler"), std::to_string(n - z));
  EXPECT_EQ(Label("Label_q_nenner"), std::to_string(n));
}

TEST_F(Baumfenster, Hauptfenster_oeffnet_es_nichtmodal) {
  Aufrufen(form, "SpeedButton_BaumdiagrammeClick");
  EXPECT_TRUE(f5->isVisible());
  EXPECT_FALSE(f5->isModal());
  Aufrufen(f5, "BitBtn2Click");
  EXPECT_FALSE(f5->isVisible());
}

// Item k of a probability list is k + 1.
TEST_F(Baumfenster, Listen_koppeln_Zaehler_und_Nenner) {
  Waehlen("ComboBox_W_Nenner", 9);  // N = 10
  EXPECT_EQ(Label("Label_q_nenner"), "10");
  Waehlen("ComboBox_W_Zaehler", 2);  // Z = 3
  EXPECT_EQ(Label("Label_q_zaehler"), "7");
  Waehlen("ComboBox_W_Zaehler", 14);  // 15 > 10: back to 1
  EXPECT_EQ(f5->Eintrag("ComboBox_W_Zaehler"), 0);
  EXPECT_EQ(Label("Label_q_zaehler"), "9");
  Waehlen("ComboBox_W_Zaehler", 5);  // Z = 6
  Waehlen("ComboBox_W_Nenner", 3);   // 4 < 6: up to 20
  EXPECT_EQ(f5->Eintrag("ComboBox_W_Nenner"), 19);
  EXPECT_EQ(Label("Label_q_zaehler"), "14");
  EXPECT_EQ(Label("Label_q_nenner"), "20");
}

// The tree replaces the plot: root dot, a blue failure and a red success branch, the window steps
// aside.
TEST_F(Baumfenster, Zeichnen_malt_den_Baum_in_Image1) {
  Aufrufen(form, "SpeedButton_BaumdiagrammeClick");
  const QImage vorher = Bild();
  SkriptDialoge d;
  Aufrufen(f5, "BitBtn1Click");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_FALSE(f5->isVisible());
  const QImage nachher = Bild();
  EXPECT_NE(nachher, vorher);
  EXPECT_EQ(nachher.pixel(320, 4), kArgbSchwarz);
  EXPECT_EQ(nachher.pixel(290, 25), kArgbBlau);
  EXPECT_EQ(nachher.pixel(350, 25), kArgbRot);
  EXPECT_EQ(nachher.pixel(320, 320), 0xFFFFFFFF);  // the axes are gone
}

// Four stages chosen in the list: the leaves lie 180 pixels below the root.
TEST_F(Baumfenster, Vier_Stufen_aus_der_Liste) {
  Waehlen("ComboBox_Stufenzahl", 2);
  Aufrufen(f5, "BitBtn1Click");
  const QImage b = Bild();
  // Midpoints of the branches from node 1 (120, 45) to node 3 (20, 85), a failure, and to
  // node 4 (220, 85), a success.
  EXPECT_EQ(b.pixel(70, 65), kArgbBlau);
  EXPECT_EQ(b.pixel(170, 65), kArgbRot);
  EXPECT_EQ(b.pixel(95, 185 + 29), kArgbSchwarz);  // fraction bar under leaf 18
}

// All four switches off through the real check boxes: black branches, empty circles, no texts.
TEST_F(Baumfenster, Schalter_nehmen_Farben_und_Texte_weg) {
  const char* schalter[] = {"CheckBox_mit_Farbe", "CheckBox_Text_an_Aeste", "CheckBox_Wsk_an_Aeste",
                            "CheckBox_Pfadwahrsch_ausgeben"};
  for (const char* s : schalter)
    f5->Knopf(s)->click();
  Aufrufen(f5, "BitBtn1Click");
  const QImage b = Bild();
  for (const char* s : schalter)
    f5->Haken_setzen(s, true);
  EXPECT_EQ(b.pixel(350, 25), kArgbSchwarz);
  // Inside the circle of node 2 (380, 45), the probability above it, the fraction under leaf 3.
  EXPECT_EQ(b.copy(374, 39, 13, 13), Weiss(13, 13));
  EXPECT_EQ(b.copy(370, 17, 23, 12), Weiss(23, 12));
  EXPECT_EQ(b.copy(215, 100, 31, 30), Weiss(31, 30));
}

TEST_F(Baumfenster, Leerer_Buchstabe_wird_gezeichnet) {
  Aufrufen(form, "SpeedButton_BaumdiagrammeClick");
  f5->Feld("Edit_Erfolg")->setText("");
  const QImage vorher = Bild();
  SkriptDialoge d;
  Aufrufen(f5, "BitBtn1Click");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_FALSE(f5->isVisible());
  EXPECT_NE(Bild(), vorher);
}

TEST_F(Baumfenster, Abbrechen_zeichnet_nichts) {
  Aufrufen(form, "SpeedButton_BaumdiagrammeClick");
  form->Neu_zeichnen();
  const QImage vorher = Bild();
  Aufrufen(f5, "BitBtn2Click");
  EXPECT_FALSE(f5->isVisible());
  EXPECT_EQ(Bild(), vorher);
}
