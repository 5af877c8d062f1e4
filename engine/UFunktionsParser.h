#pragma once
// The expression engine: school-notation terms are normalised, checked and evaluated.

#include <string>

// Error state and discontinuity flags of the last evaluation.
extern bool Fehler, Sprung, Sgn_Null, Knick;
extern std::string Fehlertext;

// Value of term for variable x and parameter k (typed as t, n or k); 1E100 on any fault.
long double Term_auswerten(const std::string& term, long double x, long double k);
// Syntax check at x = k = 1; shows a syntax fault through Dialog().Meldung and returns false.
bool Term_pruefen(const std::string& term);
// Reads a number field that may hold a term without x ("pi/2"); beeps on a domain fault.
bool Term_zu_Zahl(const std::string& text, long double& wert);
