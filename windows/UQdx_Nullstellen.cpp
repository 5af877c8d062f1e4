// The handlers of the zero, extremum, inflection and function value buttons.

#include "windows/UQdx.h"
#include "workbench/Eingaben.h"
#include "workbench/Nullstellenaktion.h"

void TForm1::SpeedButton_f_von_aClick() {
  Funktionswert_berechnen(*this);
}

void TForm1::SpeedButton_Schnitt_f_gClick() {
  Nullstellen_berechnen(*this);
}

void TForm1::SpeedButton_Schnitt_f_gMouseMove() {
  Nullstellen_Hinweis(*this);
}

void TForm1::SpeedButton_ExtrempunkteClick() {
  Extrempunkte_berechnen();
}

void TForm1::SpeedButton_WendepunkteClick() {
  Wendepunkte_berechnen();
}

void TForm1::CheckBox_Newton_tabellierenClick() {
  Schalter_geklickt(*this, "CheckBox_Newton_tabellieren", Haken("CheckBox_Newton_tabellieren"));
}
