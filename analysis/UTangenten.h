#pragma once
// The straight lines and the circle the tangent tools lay at a point of a curve: tangent, secant,
// normal and curvature circle. Every computation takes the compiled term and its numbers as
// parameters; slopes and intercepts come back rounded to the decimal places the user reads, both
// rounded from the unrounded values.

#include <string>

class TTerm;

// x rounded to d decimal places (halves away from zero); a value too large to carry d decimals
// stays as it is.
long double Auf_Stellen_runden(long double x, int d);

// The line y = m*x + n through the point (x0, y0) of the curve.
struct TGerade {
  long double m = 0, n = 0;
  long double x0 = 0, y0 = 0;
  bool ok = false;
};

// Tangent of the graph of term (family value t) at x0.
TGerade Tangente_an_Graph(TTerm& term, long double t, long double x0, int d);
// Tangent of the curve (x(t), y(t)) at the curve parameter t0; in the curve terms x stands for
// the family value k.
TGerade Tangente_an_Kurve(TTerm& x_term, TTerm& y_term, long double t0, long double k, int d);

// Secant through (a, f(a)) and (b, f(b)); (x0, y0) is the point at a, yb the value at b.
// Not ok when a = b or a value is undefined.
struct TSekante {
  TGerade g;
  long double yb = 0;
};
TSekante Sekante_durch(TTerm& term, long double t, long double a, long double b, int d);

// Normal of the graph at x0. senkrecht: the tangent is horizontal (slope below 1e-12 in
// magnitude) and the normal is the vertical line x = x0, m and n then mean nothing.
struct TNormale {
  TGerade g;
  bool senkrecht = false;
};
TNormale Normale_an_Graph(TTerm& term, long double t, long double x0, int d);

// Curvature circle at x: centre (xm, ym), radius r. Not ok when the curvature cannot be computed
// or is below 1e-6 in magnitude (a radius above 10^6, a straight piece included).
struct TKreis {
  long double r = 0, xm = 0, ym = 0;
  bool ok = false;
};
TKreis Kruemmungskreis_bei(TTerm& term, long double t, long double x);

// The right side of y = m*x + n as the polynomial text of the number format; "0" for the zero
// line, whose polynomial text is empty.
std::string Geradenterm(long double m, long double n, bool fix, int G, int N, bool als_Bruch);
