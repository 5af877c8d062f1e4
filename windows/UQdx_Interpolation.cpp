// The handlers of the interpolation group box.

#include "windows/UQdx.h"
#include "workbench/Interpolationsaktion.h"

void TForm1::SpeedButton_InterpolationspolynomClick() {
  Interpolationspolynom_geklickt(*this, Haken("CheckBox_Tracing"));
}

void TForm1::SpeedButton_SplineInterpolationClick() {
  Spline_geklickt(*this, Haken("CheckBox_Tracing"));
}

void TForm1::SpeedButton_TrassierungClick() {
  Trassierung_geklickt(*this, Haken("CheckBox_Tracing"));
}
