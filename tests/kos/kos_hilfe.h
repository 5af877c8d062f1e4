#pragma once
// Shared helpers of the picture tests: start values, pixel search, picture output.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>

#include "engine/KOS.h"
#include "engine/UMatheBasisOp.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"

namespace kos_test {

// Every test starts from the program's start values.
inline void Startwerte() {
  KOS = TKOS{};
  Nachkommastellen = 6;
  Gesamtstellen = 9;
  Fixkomma = false;
  Bruchdarstellung = false;
  Linienart = 1;
  Linienbreite = 1;
  Linienstil = TStiftstil::Durchgezogen;
  Linienfarbe = 0xFF0000;
  Flaechenfuellung = 5;
  Fuellfarbe = 0xFF00FF;
  Punkteart = 1;
  Punktradius = 3;
  Punktfarbe = 0x0000FF;
  Punkte_verbinden = false;
  Verbindungsfarbe = 0xFF0000;
  Verbindungsart = 1;
  Punktanzahl = 0;
}

// Number of pixels of the given colour in the inclusive box.
inline int Anzahl(const TBild& b, int x1, int y1, int x2, int y2, TFarbe farbe) {
  int n = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (b.Pixel(x, y) == farbe) ++n;
  return n;
}

inline int Nicht_weiss(const TBild& b, int x1, int y1, int x2, int y2) {
  int n = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (b.Pixel(x, y) != 0xFFFFFF) ++n;
  return n;
}

inline std::string Ausgabeordner() {
  const char* o = std::getenv("QDX_TEST_OUT");
  return (o != nullptr && *o != 0) ? std::string(o) : std::string("/tmp");
}

// Starts and ends every test with the start values, so no test hands its settings on.
class Mit_Startwerten : public ::testing::Test {
 protected:
  void SetUp() override { Startwerte(); }
  void TearDown() override { Startwerte(); }
};

}  // namespace kos_test
