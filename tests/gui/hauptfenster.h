#pragma once
// What the window tests share: the one application object of the test binary, and a main window
// built once per test suite.

#include <gtest/gtest.h>

#include <QApplication>

#include "windows/UQdx.h"

// The application object, made by whichever test needs it first.
inline QApplication& Anwendung() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance()
                                 ? static_cast<QApplication*>(QApplication::instance())
                                 : new QApplication(argc, argv);
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
