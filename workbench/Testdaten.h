#pragma once
// Small demonstration data sets for the other tools, each with a view and settings that suit
// it. Every set empties the table before it writes its cells.

#include "workbench/Anzeige.h"

enum class TTestdaten {
  LinReg,
  Dreieck,
  Saeulendiagramm,
  Boxplots,
  Histo,
  LGS,
  Kreisdiagramm,
  Splines
};

void Testdaten_laden(Anzeige& a, TTestdaten d);

// The y view of the histogram data: room for a largest density of 14 on a picture of hoehe_cm
// centimetres, one centimetre below the x axis, one tick per centimetre.
void Histogramm_yBereich(int hoehe_cm, long double& yu, long double& yo, long double& yscl);
