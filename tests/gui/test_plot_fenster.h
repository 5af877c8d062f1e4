#pragma once
// The main window for the plot, view and export tests: one window per test suite, every test
// starting from the reset state (start values, 16 x 16 cm, 5-mm grid, no curve switched on).

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMetaObject>
#include <string>

#include "engine/KOS.h"
#include "hauptfenster.h"
#include "kos/UGrafik.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "support/SkriptDialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/UQdx.h"
#include "workbench/Arbeitsblattaktion.h"

// Which controls the main window has.
class Fensterstand final : public Bedienstand {
 public:
  bool Vorhanden(const char* n) const override { return Form1->Element(n) != nullptr; }
  int Eintraege(const char* n) const override {
    const QComboBox* l = Form1->Liste(n);
    return l ? l->count() : 0;
  }
};

class Plotfenster : public Hauptfenster_Test {
 protected:
  void SetUp() override {
    SkriptDialoge d;
    d.antworten_frage.push_back(true);
    form->SpeedButton_StandardwerteClick();
    Stil.Linienfarbe = 0xFF0000;
  }

  static TBild& Bild() { return form->Image1->Bild; }
  static TFarbe P(int x, int y) { return Bild().Pixel(x, y); }
  static std::string T(const char* feld) { return form->Text(feld); }
  // Types a text into a field and leaves it, as the user does.
  static void Eingeben(const char* feld, const std::string& text) {
    form->Feld(feld)->setText(QString::fromStdString(text));
    QByteArray handler = QByteArray(feld) + "Exit";
    ASSERT_TRUE(QMetaObject::invokeMethod(form, handler.constData(), Qt::DirectConnection)) << feld;
  }
  // Switches a curve on with its own colour.
  static void Kurve_an(const char* schalter, TFarbe farbe) {
    ASSERT_NE(form->Element(schalter), nullptr) << schalter;
    Stil.Linienfarbe = farbe;
    form->Haken_setzen(schalter, true);
    Stil.Linienfarbe = 0xFF0000;
  }
  static int In_Spalte(int x, TFarbe c) {
    int n = 0;
    for (int y = 0; y < Bild().Hoehe(); ++y)
      n += P(x, y) == c;
    return n;
  }
  static int In_Zeile(int y, TFarbe c) {
    int n = 0;
    for (int x = 0; x < Bild().Breite(); ++x)
      n += P(x, y) == c;
    return n;
  }
  static QImage Kopie() { return Bild().Bild().copy(); }
};

constexpr TFarbe kBlau = 0xFF0000;
constexpr TFarbe kRot = 0x0000FF;
constexpr TFarbe kGruen = 0x008000;
constexpr TFarbe kWeiss = 0xFFFFFF;
constexpr TFarbe kSchwarz = 0x000000;
constexpr TFarbe kRaster = 0xD6D6D6;
constexpr TFarbe kGrobraster = 0xB6B6B6;
