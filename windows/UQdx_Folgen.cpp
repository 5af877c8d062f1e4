// The handler of the bifurcation button.

#include "windows/UQdx.h"
#include "workbench/Folgenaktion.h"

void TForm1::SpeedButton_BifurkationClick() {
  Bifurkation_geklickt(*this);
}
