#pragma once
// The regression button of the main window: fits the chosen model to the points of the chosen
// table columns, draws the points and the fitted curve over the picture, writes the function and
// the correlation into the term fields and reports the result.

#include "workbench/Anzeige.h"

void Regressionsmodell_starten(Anzeige& a);
