#include <QApplication>
#include <QWidget>

#include "windows/QtDialoge.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtDialoge dialoge;
  QtAblage ablage;
  Dialog_setzen(&dialoge);
  Ablage_setzen(&ablage);

  QWidget w;
  w.setWindowTitle(QStringLiteral("Quadrix V4.45"));
  w.setFixedSize(1314, 712);
  w.show();
  int rc = app.exec();
  Dialog_setzen(nullptr);
  Ablage_setzen(nullptr);
  return rc;
}
