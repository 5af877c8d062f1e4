#pragma once
// Figures from points typed into the table, drawn over the picture as it stands: the points,
// their centroid, a rectangle from two corners, a regular polygon, the perpendicular from P onto
// the straight line f, and the midpoint of A and B. The view is not changed.

#include <vector>

#include "platform/Typen.h"
#include "workbench/Anzeige.h"

inline constexpr const char* kMeldung_keine_Punkte = "Punkte nicht definiert!";

// Vertices V0 .. Vk of the regular polygon with k corners and side s around (xm, ym): V0 is the
// left end of the horizontal bottom side, the path runs clockwise and Vk closes it at V0.
std::vector<TPunkt> Vieleck_Ecken(long double xm, long double ym, long double s, int k);

void Punkte_einzeichnen(Anzeige& a);
// The same from the redraw: an empty point list is reported once until points are there again,
// not at every zoom step or drag.
void Tabellenpunkte_zeichnen(Anzeige& a);
void Schwerpunkt_zeichnen(Anzeige& a);
void Rechteck_einzeichnen(Anzeige& a);
// Row 1 of the point columns holds the centre, row 2 the side length and the number of corners.
void Vieleck_einzeichnen(Anzeige& a);
// P from row 1 of columns 1 and 2; f is taken as the straight line through (0, f(0)) and
// (5, f(5)). A, B and the foot F go into rows 2 to 4.
void Lot_einzeichnen(Anzeige& a);
// A and B from rows 1 and 2 of columns 1 and 2; the midpoint goes into row 3.
void Mittelpunkt_einzeichnen(Anzeige& a);
