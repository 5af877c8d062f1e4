// Faults that would repeat at every step of a drag or at every redraw are reported once.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "analysis/UKurven.h"
#include "hauptfenster.h"
#include "support/SkriptDialoge.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"
#include "workbench/Startwerte.h"

namespace {

class Einmalig : public Hauptfenster_Test {
 protected:
  void SetUp() override {
    SkriptDialoge d;
    d.antworten_frage.push_back(true);
    form->SpeedButton_StandardwerteClick();
  }
};

}  // namespace

TEST_F(Einmalig, Fehlerhafte_Schiebergrenze_wird_einmal_gemeldet) {
  SkriptDialoge d;
  form->Feld("Edit_Schar_t1")->setText("1+");
  for (int schritt : {10, 20, 30, 40})
    form->ScrollBar1->setValue(schritt);
  EXPECT_EQ(d.meldungen.size(), 1u);
  // A good bound again: the slider works and writes the member's t for a moment only.
  form->Feld("Edit_Schar_t1")->setText("1");
  form->ScrollBar1->setValue(50);
  EXPECT_EQ(d.meldungen.size(), 1u);
  EXPECT_EQ(form->Text("LabelSchiebereglerWert"), "1,6");
  EXPECT_EQ(form->Text("Edit_Schar_t1"), "1");
}

TEST_F(Einmalig, Uebergrosse_Schar_wird_gekappt_und_einmal_gemeldet) {
  SkriptDialoge d;
  form->Feld("Edit_gSchar")->setText("sin(x)/x+t");
  form->Feld("Edit_Schar_t2")->setText("8E104");
  form->Haken_setzen("CheckBox_alle_t_verwenden", true);
  form->Haken_setzen("CheckBox_Schar_g_zeichnen", true);
  for (const char* knopf : {"SpeedButton_Plot", "SpeedButton_Zoom_in", "SpeedButton_Zoom_out"})
    form->Knopf(knopf)->click();
  ASSERT_EQ(d.meldungen.size(), 1u);
  EXPECT_NE(d.meldungen[0].find(std::to_string(kScharglieder_hoechstens)), std::string::npos);
  // Another range is another family.
  form->Feld("Edit_Schar_t2")->setText("9E104");
  form->Knopf("SpeedButton_Plot")->click();
  EXPECT_EQ(d.meldungen.size(), 2u);
}

TEST_F(Einmalig, Abgebrochene_Folge_wird_einmal_gemeldet) {
  SkriptDialoge d;
  form->Haken_setzen("CheckBox_rekursiv", true);
  form->Feld("Edit_Folge")->setText("ln(x-1)");  // x(n0) = 0,5: the first step has no value
  for (const char* knopf : {"SpeedButton_Plot", "SpeedButton_Zoom_in", "SpeedButton_Zoom_out"})
    form->Knopf(knopf)->click();
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Fehler! Bildungsgesetz unterbrochen"});
  form->Haken_setzen("CheckBox_rekursiv", false);
}

// The side windows are built by the same window base and reach their controls by name.
TEST_F(Einmalig, Seitenfenster_haben_die_Fensterbasis) {
  TFensterbasis* fenster[] = {form->Form4, form->Form5};
  for (TFensterbasis* f : fenster) {
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Element("kein_Element"), nullptr);
    EXPECT_EQ(f->Text("kein_Element"), "");
  }
}

namespace {
std::vector<std::string> fehlende_elemente;
void Warnungen_merken(QtMsgType, const QMessageLogContext&, const QString& text) {
  if (text.startsWith(QLatin1String("Kein Element")))
    fehlende_elemente.push_back(text.toStdString());
}
}  // namespace

// Every control an action names exists: each switch both ways, each list item, the reset.
TEST_F(Einmalig, Aktionen_nennen_nur_vorhandene_Elemente) {
  SkriptDialoge d;
  fehlende_elemente.clear();
  const QtMessageHandler vorher = qInstallMessageHandler(Warnungen_merken);
  for (const TStartwert& w : Startwerte()) {
    if (w.an >= 0) {
      form->Haken_setzen(w.name, true);
      form->Haken_setzen(w.name, false);
    }
    if (QComboBox* c = form->Liste(w.name)) {
      for (int i = 0; i < c->count(); ++i)
        emit c->activated(i);
    }
  }
  d.antworten_frage.push_back(true);
  form->SpeedButton_StandardwerteClick();
  qInstallMessageHandler(vorher);
  EXPECT_TRUE(fehlende_elemente.empty()) << fehlende_elemente.front();
}
