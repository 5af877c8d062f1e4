#pragma once
// The rules of the zero, extremum, inflection and function value buttons.

#include "workbench/Anzeige.h"

// Edit_f_von_a := f(a) at the current t (always f; an undefined value shows the evaluator's).
void Funktionswert_berechnen(Anzeige& a);
// Zeros of the first checked term, or the intersections of f and g when both are checked: the
// solutions go into column 4, and [a; b] narrows to the smallest and largest of them.
void Nullstellen_berechnen(Anzeige& a);
// The hint of the zero button says what a click would search.
void Nullstellen_Hinweis(Anzeige& a);
// Relative maxima and minima, or inflection points, of the first checked term over the family.
void Extrempunkte_berechnen();
void Wendepunkte_berechnen();
