// The handlers of the integral buttons.

#include "windows/UQdx.h"
#include "workbench/Integraleaktion.h"

void TForm1::SpeedButton_Integral_f_gClick() {
  Integral_geklickt(*this);
}
void TForm1::SpeedButton_U_O_Tr_SummeClick() {
  Streifensummen_geklickt(*this);
}
void TForm1::SpeedButton_RotationsintegralClick() {
  Rotationsintegral_geklickt(*this);
}
void TForm1::SpeedButton_BogenlaengeClick() {
  Bogenlaenge_geklickt(*this);
}
void TForm1::SpeedButton_Flaeche_schraffierenClick() {
  Flaeche_schraffieren_geklickt(*this);
}
void TForm1::SpeedButton_Integral_f_gMouseMove() {
  Integral_Hinweis_zeigen(*this);
}
void TForm1::SpeedButton_RotationsintegralMouseMove() {
  Rotationsintegral_Hinweis_zeigen(*this);
}
void TForm1::SpeedButton_BogenlaengeMouseMove() {
  Bogenlaenge_Hinweis_zeigen(*this);
}
void TForm1::SpeedButton_Flaeche_schraffierenMouseMove() {
  Schraffur_Hinweis_zeigen(*this);
}
