// The handlers of the plot button, the grid buttons and the family slider.

#include "windows/UQdx.h"
#include "workbench/Plotaktion.h"

void TForm1::SpeedButton_PlotClick() {
  Plot_zeichnen(*this);
}
void TForm1::SpeedButton_ohne_RasterClick() {
  Raster_waehlen(*this, TRaster::ohne);
}
void TForm1::SpeedButton_Raster_gestricheltClick() {
  Raster_waehlen(*this, TRaster::gestrichelt);
}
void TForm1::SpeedButton_Raster_mittelClick() {
  Raster_waehlen(*this, TRaster::mittel);
}
void TForm1::SpeedButton_Raster_engClick() {
  Raster_waehlen(*this, TRaster::eng);
}
void TForm1::SpeedButton_Raster_1mmClick() {
  Raster_waehlen(*this, TRaster::mm1);
}
void TForm1::ScrollBar1Change() {
  Schieberegler_bewegt(*this, ScrollBar1->value());
}
