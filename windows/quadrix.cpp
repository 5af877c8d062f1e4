#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "windows/QtDialoge.h"
#include "windows/UQdx.h"
#include "workbench/Arbeitsblattaktion.h"

namespace {

// quadrix --bild DATEI.qdx BILD.png: the saved picture into a file, without any window. Texts
// need the font machinery of a GUI application, but no display.
int Bild_aus_Kommandozeile(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("Aufruf: quadrix --bild DATEI.qdx BILD.png (oder .bmp, .svg, .pdf)\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::string fehler;
  if (!Arbeitsblatt_Bild_schreiben(argv[2], argv[3], fehler)) {
    std::fprintf(stderr, "Fehler: %s\n", fehler.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string(argv[1]) == "--bild") return Bild_aus_Kommandozeile(argc, argv);

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
    // A worksheet named on the command line opens at start.
    if (argc >= 2) hauptfenster.Arbeitsblatt_laden(QApplication::arguments().at(1).toStdString());
    // Work a killed program left behind is offered once the window is up.
    hauptfenster.Sicherung_einschalten();
    rc = app.exec();
  }
  Dialog_setzen(nullptr);
  Ablage_setzen(nullptr);
  return rc;
}
