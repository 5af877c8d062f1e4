// The handlers of the value, curve, sequence and limit tables and of the distance buttons.

#include "windows/UQdx.h"
#include "workbench/Wertetabellenaktion.h"

void TForm1::SpeedButton_Schar_in_TabelleClick() {
  Wertetabelle_geklickt(*this);
}

void TForm1::SpeedButton_Polar_in_TabelleClick() {
  Kurventabelle_geklickt(*this);
}

void TForm1::SpeedButton_Folge_in_TabelleClick() {
  Folgentabelle_geklickt(*this);
}

void TForm1::SpeedButton_GrenzwerttabelleClick() {
  Grenzwerttabelle_geklickt(*this);
}

void TForm1::SpeedButton_senkrechte_EntfernungenClick() {
  Senkrechte_Entfernungen_geklickt(*this, Haken("CheckBox_Fehlerquadrate"));
}

void TForm1::SpeedButton_waagerechte_EntfernungenClick() {
  Waagerechte_Entfernungen_geklickt(*this, Haken("CheckBox_Fehlerquadrate"));
}
