#pragma once
// Which term the analysis tools work on: the first checked of f, g, h, or the difference f - (g)
// when both f and g are checked. The choice is kept in the workbench state (Aktueller_Term).

#include <string>

// The current term := the first checked of f, g, h. false (with the message that asks for a
// checked curve) when none is checked; the current term then stays as it was.
bool Funktionsterm_waehlen();
// The current term := f-(g) when f and g are both checked, else the first checked of f, g, h.
void Differenzterm_bilden();
