#pragma once
// The central redraw and what belongs to it: the grid buttons and the family slider.

#include "analysis/UKurven.h"
#include "workbench/Anzeige.h"

// Paints the coordinate system (when "löschen" is on) and every curve that is switched on, with
// the terms and bounds of the workbench state. Refuses an empty view with a message.
void Plot_zeichnen(Anzeige& a);

// The family range as the fields show it, read as terms, and the lower bound u of F (kept in the
// workbench state). Tools that draw a curve like the plot draw the same members.
TScharwerte Scharwerte_lesen();

enum class TRaster { ohne, gestrichelt, mittel, eng, mm1 };
// Sets the grid of a grid button, shows that button pressed alone, and redraws.
void Raster_waehlen(Anzeige& a, TRaster r);

// The slider at position 0..100 shows the single member for a t between the two bounds, which
// stay as typed. A faulty bound is reported once, not at every step of a drag.
void Schieberegler_bewegt(Anzeige& a, int position);
