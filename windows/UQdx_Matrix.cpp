// The handlers of the matrix group box.

#include "windows/UQdx.h"
#include "workbench/Matrixaktion.h"

void TForm1::SpeedButton_MatrixOpsClick() {
  Matrixoperation_geklickt(*this, Haken("CheckBox_Tracing"));
}
