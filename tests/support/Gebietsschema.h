#pragma once
// Runs a test body under the German locale the window toolkit sets on a German desktop:
// decimal comma in printf and strtold. The test command makes that locale when the machine has
// none (LOCPATH); without it the test is skipped and says so.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

class Deutsches_Gebietsschema {
 public:
  Deutsches_Gebietsschema() : alt_(std::setlocale(LC_ALL, nullptr)) {
    aktiv_ = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "de_DE.utf8");
  }
  ~Deutsches_Gebietsschema() { std::setlocale(LC_ALL, alt_.c_str()); }
  Deutsches_Gebietsschema(const Deutsches_Gebietsschema&) = delete;
  Deutsches_Gebietsschema& operator=(const Deutsches_Gebietsschema&) = delete;

  bool aktiv() const { return aktiv_; }

 private:
  std::string alt_;
  bool aktiv_ = false;
};

#define QDX_DEUTSCH_ODER_UEBERSPRINGEN(schema) \
  Deutsches_Gebietsschema schema;              \
  if (!schema.aktiv()) GTEST_SKIP() << "keine deutsche Locale (de_DE.UTF-8) vorhanden"
