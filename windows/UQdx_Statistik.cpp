// The handler of the one-dimensional statistics.

#include "windows/UQdx.h"
#include "workbench/Statistikaktion.h"

void TForm1::SpeedButton_Diagramm_zeichnenClick() {
  Diagramm_zeichnen_geklickt(*this);
}
