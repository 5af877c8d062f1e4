#pragma once
// The interpolation buttons: each writes its linear system into the table and solves it with the
// matrix button's echelon form, so the user sees the system and its solution; the polynomials go
// into the term fields of f, g and h.

#include "workbench/Anzeige.h"

// The polynomial through the 2 to 30 points of columns 1 and 2, into h.
void Interpolationspolynom_geklickt(Anzeige& a, bool schrittweise);
// The natural cubic spline through 3 to 11 points: pieces 1 to 3 into f, g, h, pieces 4 to 6 into
// the table.
void Spline_geklickt(Anzeige& a, bool schrittweise);
// The cubic between P2 and P3 that continues the lines P1P2 and P3P4 without a kink, into h and
// drawn with both lines.
void Trassierung_geklickt(Anzeige& a, bool schrittweise);
