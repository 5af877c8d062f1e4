#include "windows/Unit4_2D_Abb.h"

std::span<const TSteuerelement> Steuerelement_Tabelle_Form4() {
  return {};
}

TForm4::TForm4(QWidget* eltern) : TFensterbasis(eltern, Qt::Window) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("2D-Abbildungen und Linien im Dreieck"));
  resize(420, 360);
  Fenster_aufbauen(Steuerelement_Tabelle_Form4());
}
