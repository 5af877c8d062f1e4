// The handlers of the tangent tools.

#include "windows/UQdx.h"
#include "workbench/Tangentenaktion.h"

void TForm1::SpeedButton_TangenteClick() {
  Tangente_geklickt(*this, Haken("CheckBox_mit_Steigungsdreieck"));
}

void TForm1::SpeedButton_TangenteMouseMove() {
  Tangente_Hinweis(*this);
}

void TForm1::SpeedButton_SekanteClick() {
  Sekante_geklickt(*this, Haken("CheckBox_mit_Steigungsdreieck"));
}

void TForm1::SpeedButton_NormaleClick() {
  Normale_geklickt(*this);
}

void TForm1::SpeedButton_KruemmungskreisClick() {
  Kruemmungskreis_geklickt(*this);
}
