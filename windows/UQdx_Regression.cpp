// The handler of the regression models.

#include "windows/UQdx.h"
#include "workbench/Regressionsaktion.h"

void TForm1::SpeedButton_Regressionsmodell_startenClick() {
  Regressionsmodell_starten(*this);
}
