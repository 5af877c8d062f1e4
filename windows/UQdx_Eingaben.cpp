// The handlers of the main window's fields: each passes its event to the rule of the field.

#include <QLineEdit>

#include "windows/UQdx.h"
#include "workbench/Eingaben.h"

void TForm1::Edit_xaExit() {
  Zahlfeld_verlassen(*this, "Edit_xa");
}

void TForm1::Edit_xeExit() {
  Zahlfeld_verlassen(*this, "Edit_xe");
}

void TForm1::Edit_yaExit() {
  Zahlfeld_verlassen(*this, "Edit_ya");
}

void TForm1::Edit_yeExit() {
  Zahlfeld_verlassen(*this, "Edit_ye");
}

void TForm1::Edit_xsclExit() {
  Zahlfeld_verlassen(*this, "Edit_xscl");
}

void TForm1::Edit_ysclExit() {
  Zahlfeld_verlassen(*this, "Edit_yscl");
}

void TForm1::Edit_xaChange() {
  Feld_geaendert(*this, "Edit_xa");
}

void TForm1::Edit_xeChange() {
  Feld_geaendert(*this, "Edit_xe");
}

void TForm1::Edit_xaScharExit() {
  Zahlfeld_verlassen(*this, "Edit_xaSchar");
}

void TForm1::Edit_xeScharExit() {
  Zahlfeld_verlassen(*this, "Edit_xeSchar");
}

void TForm1::Edit_xaSchar_gExit() {
  Zahlfeld_verlassen(*this, "Edit_xaSchar_g");
}

void TForm1::Edit_xeSchar_gExit() {
  Zahlfeld_verlassen(*this, "Edit_xeSchar_g");
}

void TForm1::Edit_xaSchar_hExit() {
  Zahlfeld_verlassen(*this, "Edit_xaSchar_h");
}

void TForm1::Edit_xeSchar_hExit() {
  Zahlfeld_verlassen(*this, "Edit_xeSchar_h");
}

void TForm1::Edit_aStartExit() {
  Zahlfeld_verlassen(*this, "Edit_aStart");
}

void TForm1::Edit_bEndeExit() {
  Zahlfeld_verlassen(*this, "Edit_bEnde");
}

void TForm1::Edit_delta_xExit() {
  Zahlfeld_verlassen(*this, "Edit_delta_x");
}

void TForm1::Edit_uExit() {
  Zahlfeld_verlassen(*this, "Edit_u");
}

void TForm1::Edit_Schar_t1Exit() {
  Zahlfeld_verlassen(*this, "Edit_Schar_t1");
}

void TForm1::Edit_Schar_t2Exit() {
  Zahlfeld_verlassen(*this, "Edit_Schar_t2");
}

void TForm1::Edit_delta_tExit() {
  Zahlfeld_verlassen(*this, "Edit_delta_t");
}

void TForm1::Edit_Param_k1Exit() {
  Zahlfeld_verlassen(*this, "Edit_Param_k1");
}

void TForm1::Edit_Param_k2Exit() {
  Zahlfeld_verlassen(*this, "Edit_Param_k2");
}

void TForm1::Edit_delta_PhiExit() {
  Zahlfeld_verlassen(*this, "Edit_delta_Phi");
}

void TForm1::Edit_x_n0Exit() {
  Zahlfeld_verlassen(*this, "Edit_x_n0");
}

void TForm1::Edit_y_n1Exit() {
  Zahlfeld_verlassen(*this, "Edit_y_n1");
}

void TForm1::Edit_skalar_rExit() {
  Zahlfeld_verlassen(*this, "Edit_skalar_r");
}

void TForm1::Edit_n0Exit() {
  Ganzzahlfeld_verlassen(*this, "Edit_n0");
}

void TForm1::Edit_IterationstiefeExit() {
  Ganzzahlfeld_verlassen(*this, "Edit_Iterationstiefe");
}

void TForm1::Edit_Mat_nExit() {
  Ganzzahlfeld_verlassen(*this, "Edit_Mat_n");
}

void TForm1::Edit_fScharExit() {
  Termfeld_verlassen(*this, "Edit_fSchar");
}

void TForm1::Edit_gScharExit() {
  Termfeld_verlassen(*this, "Edit_gSchar");
}

void TForm1::Edit_hScharExit() {
  Termfeld_verlassen(*this, "Edit_hSchar");
}

void TForm1::Edit_xParamExit() {
  Termfeld_verlassen(*this, "Edit_xParam");
}

void TForm1::Edit_yParamExit() {
  Termfeld_verlassen(*this, "Edit_yParam");
}

void TForm1::Edit_FolgeExit() {
  Termfeld_verlassen(*this, "Edit_Folge");
}

void TForm1::Edit_fScharDblClick() {
  if (QLineEdit* e = Feld("Edit_fSchar")) e->selectAll();
}

void TForm1::Edit_gScharDblClick() {
  if (QLineEdit* e = Feld("Edit_gSchar")) e->selectAll();
}

void TForm1::Edit_hScharDblClick() {
  if (QLineEdit* e = Feld("Edit_hSchar")) e->selectAll();
}

void TForm1::Edit_xParamDblClick() {
  if (QLineEdit* e = Feld("Edit_xParam")) e->selectAll();
}

void TForm1::Edit_yParamDblClick() {
  if (QLineEdit* e = Feld("Edit_yParam")) e->selectAll();
}

void TForm1::Edit_FolgeDblClick() {
  if (QLineEdit* e = Feld("Edit_Folge")) e->selectAll();
}

void TForm1::Edit_fScharKeyDown(int taste) {
  if (taste == Qt::Key_Up || taste == Qt::Key_Down)
    Termfeld_Taste(*this, "Edit_fSchar", taste == Qt::Key_Down);
}

void TForm1::Edit_gScharKeyDown(int taste) {
  if (taste == Qt::Key_Up || taste == Qt::Key_Down)
    Termfeld_Taste(*this, "Edit_gSchar", taste == Qt::Key_Down);
}

void TForm1::Edit_hScharKeyDown(int taste) {
  if (taste == Qt::Key_Up || taste == Qt::Key_Down)
    Termfeld_Taste(*this, "Edit_hSchar", taste == Qt::Key_Down);
}

void TForm1::Edit_xParamKeyDown(int taste) {
  if (taste == Qt::Key_Up || taste == Qt::Key_Down)
    Termfeld_Taste(*this, "Edit_xParam", taste == Qt::Key_Down);
}

void TForm1::Edit_yParamKeyDown(int taste) {
  if (taste == Qt::Key_Up || taste == Qt::Key_Down)
    Termfeld_Taste(*this, "Edit_yParam", taste == Qt::Key_Down);
}

void TForm1::Edit_xBeschriftChange() {
  Feld_geaendert(*this, "Edit_xBeschrift");
}

void TForm1::Edit_yBeschriftChange() {
  Feld_geaendert(*this, "Edit_yBeschrift");
}

void TForm1::Edit_Text_in_GrafikChange() {
  Feld_geaendert(*this, "Edit_Text_in_Grafik");
}
