#pragma once
// The sequence group of the main window: the sequence step of the plot and the bifurcation
// button.

#include "analysis/UFolgen.h"
#include "analysis/UKurven.h"
#include "workbench/Anzeige.h"

class TBild;

// Captions (when "auto" is on), the coordinate system (when "löschen" is on), the sequence in the
// point list and its drawing; s is the family range of the plot, the parameter of g.
void Folge_plotten(Anzeige& a, TBild& bild, const TScharwerte& s);

// The sequence as the workbench state defines it (term, form, first index, start values, depth,
// parameter k).
TFolgenvorgabe Folgenvorgabe();

// Draws the bifurcation diagram of g(x) over k after asking for the number of iterations.
void Bifurkation_geklickt(Anzeige& a);
