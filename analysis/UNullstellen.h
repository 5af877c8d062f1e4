#pragma once
// The searches behind the zero, extremum and inflection buttons: Newton's method from many starts
// across an interval, and a scan of the discrete slope for its turns, for a whole family range.

#include <vector>

#include "engine/UFunktionsParser.h"
#include "table/UStringGrid.h"

// (f(x + 1e-5) - f(x - 1e-5)) / 2e-5 at parameter t; ok = false when a value is undefined.
long double Ableitung_Stelle(TTerm& f, long double t, long double x, bool& ok);

// The zeros Newton's method finds from 33 evenly spread starts in [a; b], ascending, each once
// (neighbours closer than 1e-12 count as one). Empty when no start converges. Results may lie
// outside [a; b].
std::vector<long double> Nullstellen_suchen(TTerm& f, long double t, long double a, long double b,
                                            Tabelle& tabelle);

// Rounded to d decimal places; values too large to scale stay as they are.
long double Gerundet(long double x, int d);

struct TScharbereich {
  long double t1 = 1, t2 = 1, dt = 1;
  bool Schar = false;  // false: one pass at t1 only
};

struct TExtremergebnis {
  bool gefunden = false;     // at least one turn in any pass
  long double t_danach = 0;  // t after the last pass
  bool abgebrochen = false;  // the user stopped the search
};

// Writes the turns of g into the table: g = f for extrema, g = f' for inflection points. Rising
// to falling goes into columns 1/2 from row 1, falling to rising into columns 3/4; each pass of
// the family starts below the longer column of the previous pass and, in family mode, names its
// t in column 5. Column 2 and 4 hold f at the turn. Numbers are rounded to d places. Long
// family ranges show progress and stop on Escape.
TExtremergebnis Extrem_Wende_scannen(TTerm& f, bool wende, long double a, long double b,
                                     const TScharbereich& schar, int d, Tabelle& tabelle);
