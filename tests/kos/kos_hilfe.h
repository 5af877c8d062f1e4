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
#include "platform/Blattspeicher.h"

// The colour of an empty picture.
constexpr TFarbe W = 0xFFFFFF;

namespace kos_test {

// Every test starts from the program's start values.
inline void Startwerte() {
  Blatt_Speicher().Zuruecksetzen();
  Zahlformat.Nachkommastellen = 6;
  Zahlformat.Gesamtstellen = 9;
  Zahlformat.Fixkomma = false;
  Zahlformat.Bruchdarstellung = false;
  Stil.Linienart = 1;
  Stil.Linienbreite = 1;
  Stil.Linienstil = TStiftstil::Durchgezogen;
  Stil.Linienfarbe = 0xFF0000;
  Stil.Flaechenfuellung = 5;
  Stil.Fuellfarbe = 0xFF00FF;
  Stil.Punkteart = 1;
  Stil.Punktradius = 3;
  Stil.Punktfarbe = 0x0000FF;
  Stil.Punkte_verbinden = false;
  Stil.Verbindungsfarbe = 0xFF0000;
  Stil.Verbindungsart = 1;
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

// Starts and ends every test with the start values, so no test hands its settings on.
class Mit_Startwerten : public ::testing::Test {
 protected:
  void SetUp() override { Startwerte(); }
  void TearDown() override { Startwerte(); }
};

}  // namespace kos_test
