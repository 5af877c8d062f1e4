// The handlers of the point and construction buttons.

#include "windows/UQdx.h"
#include "workbench/Punkteaktion.h"

void TForm1::SpeedButton_Punkte_einzeichnenClick() {
  Punkte_einzeichnen(*this);
}

void TForm1::SpeedButton_Schwerpunkt_zeichnenClick() {
  Schwerpunkt_zeichnen(*this);
}

void TForm1::SpeedButton_Rechteck_einzeichnenClick() {
  Rechteck_einzeichnen(*this);
}

void TForm1::SpeedButton_regelm_VieleckeClick() {
  Vieleck_einzeichnen(*this);
}

void TForm1::SpeedButtonLot_P1_fClick() {
  Lot_einzeichnen(*this);
}

void TForm1::SpeedButtonMittelpunktABClick() {
  Mittelpunkt_einzeichnen(*this);
}
