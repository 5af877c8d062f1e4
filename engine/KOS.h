#pragma once
// The coordinate-system record: the view that maps world coordinates to picture pixels. It lives
// here, beside the engine, because the engine's jump tolerance reads it; painting it and the
// mappings live in kos/U_KOS.

#include <string>

#include "platform/Typen.h"

struct TKOS {
  long double xli = -8, xre = 8;   // world x at the left / right picture edge
  long double yu = -8, yo = 8;     // world y at the bottom / top picture edge
  long double xscl = 1, yscl = 1;  // tick spacing in world units
  int Bildbreite_cm = 16, Bildtiefe_cm = 16;
  int Bildrand_rechts = 640, Bildrand_unten = 640;  // last pixel column / row of the full area
  int Bild_links = 0, Bild_oben = 0;
  bool xAchse_zeigen = true, yAchse_zeigen = true;
  bool Skala_zeigen = true;
  bool Zahlen_zeigen = true;
  int Achsenbreite = 1;
  int Strichbreite = 1;
  int Pfeillaenge = 11, Pfeilbreite = 4;
  int Zahlenhoehe = 8;
  bool Zahlen_fett = false;
  std::string xBeschriftung = "x", yBeschriftung = "y";
  std::string Beschriftung_Schrift = "Arial";
  int Beschriftung_Groesse = 9;
  bool Beschriftung_fett = true;
  bool Raster_an = true;
  int Rasterteilung = 2;
  TStiftstil Raster_Linienstil = TStiftstil::Durchgezogen;
  TFarbe Rasterfarbe = 0xD6D6D6;
  bool Grobraster = true;
  bool operator==(const TKOS&) const = default;
};

// The one view of the program, a part of the sheet, holding its start values from program load
// on.
extern TKOS& KOS;
