#include <QApplication>
#include <QDate>
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "windows/QtDialoge.h"
#include "windows/UQdx.h"
#include "workbench/Arbeitsblattaktion.h"
#include "workbench/Druckseiten.h"

#ifndef QDX_VERSION
#define QDX_VERSION "4.45"
#endif

namespace {

constexpr const char* kAufruf =
    "Aufruf: quadrix [BLATT.qdx]\n"
    "        quadrix --bild BLATT.qdx BILD.png   (oder .bmp, .svg, .pdf)\n"
    "        quadrix --druck BLATT.qdx SEITEN.pdf\n"
    "        quadrix --help | --version\n";

constexpr const char* kHilfe =
    "Quadrix – Mathematik-Werkbank für Funktionen, Tabellen und Statistik.\n\n"
    "Ohne Angabe öffnet sich die Werkbank; eine Datei BLATT.qdx wird beim Start geöffnet.\n\n"
    "  --bild BLATT.qdx BILD     schreibt die Grafik des Arbeitsblatts ohne Fenster in eine\n"
    "                            Bilddatei (.png, .bmp, .svg oder .pdf)\n"
    "  --druck BLATT.qdx SEITEN.pdf\n"
    "                            schreibt die Druckseiten (A4, wie in der Druckvorschau) als PDF\n"
    "  --help                    zeigt diese Hilfe\n"
    "  --version                 zeigt die Version\n\n"
    "Rückgabewert: 0 erfolgreich, 1 Fehler beim Lesen oder Schreiben, 2 falscher Aufruf.\n";

// Work on a saved worksheet without any window. Texts need the font machinery of a GUI
// application, but no display.
template <typename Arbeit>
int Ohne_Fenster(int argc, char** argv, Arbeit arbeit) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::string fehler;
  if (!arbeit(fehler)) {
    std::fprintf(stderr, "Fehler: %s\n", fehler.c_str());
    return 1;
  }
  return 0;
}

std::string Heute() {
  const QDate d = QDate::currentDate();
  return Druckdatum(d.year(), d.month(), d.day());
}

// Qt's own options (-style fusion, --platform xcb ...) go on to the application.
bool Qt_Option(const std::string& option) {
  static const char* const namen[] = {
      "platform",    "platformpluginpath", "platformtheme", "plugin",   "qwindowgeometry",
      "qwindowicon", "qwindowtitle",       "reverse",       "session",  "style",
      "stylesheet",  "widgetcount",        "display",       "geometry", "qmljsdebugger"};
  const std::size_t strich = option.rfind("--", 0) == 0 ? 2 : 1;
  const std::string name = option.substr(strich, option.find('=') - strich);
  for (const char* n : namen)
    if (name == n) return true;
  return false;
}

// Options answered without a window; -1 when the command line starts the workbench.
int Kommandozeile(int argc, char** argv) {
  if (argc < 2) return -1;
  const std::string option = argv[1];
  if (option == "--help" || option == "-h") {
    std::fputs(kHilfe, stdout);
    std::fputs("\n", stdout);
    std::fputs(kAufruf, stdout);
    return 0;
  }
  if (option == "--version") {
    std::printf("Quadrix %s\n", QDX_VERSION);
    return 0;
  }
  if (option == "--bild" || option == "--druck") {
    if (argc != 4) {
      std::fputs(kAufruf, stderr);
      return 2;
    }
    const std::string blatt = argv[2], ziel = argv[3];
    if (option == "--bild")
      return Ohne_Fenster(
          argc, argv, [&](std::string& f) { return Arbeitsblatt_Bild_schreiben(blatt, ziel, f); });
    return Ohne_Fenster(argc, argv, [&](std::string& f) {
      return Arbeitsblatt_Seiten_schreiben(blatt, ziel, Heute(), f);
    });
  }
  if (option.size() > 1 && option[0] == '-' && !Qt_Option(option)) {
    std::fprintf(stderr, "Unbekannte Option: %s\n%s", option.c_str(), kAufruf);
    return 2;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (const int rc = Kommandozeile(argc, argv); rc >= 0) return rc;

  QApplication app(argc, argv);
  Qt_Uebersetzung_laden();
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
    // Qt has taken its own options out of the arguments by now.
    const QStringList angaben = QApplication::arguments();
    if (angaben.size() >= 2) hauptfenster.Arbeitsblatt_laden(angaben.at(1).toStdString());
    rc = app.exec();
  }
  Dialog_setzen(nullptr);
  Ablage_setzen(nullptr);
  return rc;
}
