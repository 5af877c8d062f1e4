#include "windows/Unit5_Baumdiag.h"

TForm5::TForm5(QWidget* eltern) : QWidget(eltern, Qt::Window) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Baumdiagramme"));
  resize(360, 300);
}
