#include "windows/Unit5_Baumdiag.h"

std::span<const TSteuerelement> Steuerelement_Tabelle_Form5() {
  return {};
}

TForm5::TForm5(QWidget* eltern) : TFensterbasis(eltern, Qt::Window) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Baumdiagramme"));
  resize(360, 300);
  Fenster_aufbauen(Steuerelement_Tabelle_Form5());
}
