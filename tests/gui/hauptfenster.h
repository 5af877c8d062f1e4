#pragma once
// What the window tests share: the one application object of the test binary, and a main window
// built once per test suite.

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "windows/QtDialoge.h"
#include "windows/UQdx.h"

// The offscreen platform's screen is 800 × 800 pixels, smaller than the main window. The tests
// run on a classroom desktop of 1920 × 1200; a test of a small screen sizes the window itself.
inline std::string Grosser_Bildschirm() {
  if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return "";
  const std::string pfad = (std::filesystem::temp_directory_path() /
                            ("quadrix_bildschirm_" + std::to_string(::getpid()) + ".json"))
                               .string();
  std::ofstream(pfad) << R"({"screens": [{"name": "gross", "x": 0, "y": 0, "width": 1920,)"
                         R"( "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + pfad.c_str());
  return pfad;
}

// The application object, made by whichever test needs it first.
inline QApplication& Anwendung() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (QApplication::instance()) return static_cast<QApplication*>(QApplication::instance());
    const std::string bildschirm = Grosser_Bildschirm();
    auto* a = new QApplication(argc, argv);
    if (!bildschirm.empty()) std::filesystem::remove(bildschirm);
    return a;
  }();
  // Qt's standard dialogs in German, as the program loads them.
  static const bool deutsch = Qt_Uebersetzung_laden();
  (void)deutsch;
  return *app;
}

// One main window for all tests of a suite; building it plots, which is too slow for every test.
class Hauptfenster_Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Anwendung();
    form = new TForm1();
  }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }

  static inline TForm1* form = nullptr;
};
