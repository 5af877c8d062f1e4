#include <QApplication>

#include "windows/QtDialoge.h"
#include "windows/UQdx.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtDialoge dialoge;
  QtAblage ablage;
  Dialog_setzen(&dialoge);
  Ablage_setzen(&ablage);

  int rc = 0;
  {
    // The main window creates the help, mapping and tree-diagram windows after itself.
    TForm1 hauptfenster;
    hauptfenster.show();
    rc = app.exec();
  }
  Dialog_setzen(nullptr);
  Ablage_setzen(nullptr);
  return rc;
}
