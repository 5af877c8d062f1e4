#include "windows/Unit4_2D_Abb.h"

TForm4::TForm4(QWidget* eltern) : QWidget(eltern, Qt::Window) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("2D-Abbildungen und Linien im Dreieck"));
  resize(420, 360);
}
