#pragma once
// The window for tree diagrams of Bernoulli chains: it collects stages, letters and the success
// probability and draws the tree into the main window's picture.

#include "windows/Fensterbasis.h"

class TForm5 : public TFensterbasis {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* eltern = nullptr);
  // The controls show the tree settings as the sheet holds them.
  void Zustand_zeigen();

 public slots:
  void ComboBox_StufenzahlChange();
  void ComboBox_W_ZaehlerChange();
  void ComboBox_W_NennerChange();
  void CheckBox_mit_FarbeClick();
  void CheckBox_Text_an_AesteClick();
  void CheckBox_Wsk_an_AesteClick();
  void CheckBox_Pfadwahrsch_ausgebenClick();
  void BitBtn1Click();
  void BitBtn2Click();

 protected:
  void Feldtext_geaendert(const QString& name, const QString& text) override;
};

// The control table of the window.
std::span<const TSteuerelement> Steuerelement_Tabelle_Form5();
