#pragma once
// Curves given by a pair of terms x(t), y(t) or by a polar term r(t): the curve parameter runs
// through the engine's parameter slot (written t, k or n), the family value through its variable
// slot (written x), so one pair of terms describes a whole family of curves. Each member is one
// polyline; the pen is lifted where a term is undefined and before the first point of a member.

#include <string>

#include "analysis/UKurven.h"
#include "kos/UGrafik.h"

// Values of the curve parameter: k1, k1 + dk, k1 + 2dk, ... (accumulated) while they stay at or
// below k2.
struct TParameterbereich {
  long double k1 = 0, k2 = 0, dk = 0;
};

// A member draws at most this many points. The default range (0 to 2pi in steps of pi/720) needs
// 1441; a step typed a million times too small would otherwise stall the window for minutes on
// every redraw, and points far closer than a pixel add nothing to the picture.
constexpr long kParameterpunkte_hoechstens = 100000;

// The parameter values of one member: k1 is always drawn; then every accumulated value up to
// k2 + 1e-10, so that a range such as 0 to 2pi closes although the sum of the steps may miss 2pi
// by a rounding error. A step that does not advance gives k1 alone. A step so fine that the
// range would need more than kParameterpunkte_hoechstens values gives that many instead, spread
// evenly from k1 to k2 (gleichmaessig), so the whole curve is still drawn.
struct TParameterraster {
  long anzahl = 1;
  bool gleichmaessig = false;
};
TParameterraster Parameterraster(const TParameterbereich& p);
// The number of values of that raster.
long Parameterwerte_Anzahl(const TParameterbereich& p);

// The captions the axes get when they are captioned automatically.
struct TAchsentitel {
  const char* x;
  const char* y;
};
inline constexpr TAchsentitel kTitel_Parameterkurve{"x(t)", "y(t)"};
inline constexpr TAchsentitel kTitel_Polarkurve{"t", "r(t)"};

// Draws the curve (x(t), y(t)) for every family member in colour and line kind 0..3; with "t von"
// the members take the colours of the family table. false when the user cancelled.
bool Parameterkurve_zeichnen(TBild& bild, const std::string& x_term, const std::string& y_term,
                             TFarbe farbe, int art, const TParameterbereich& p,
                             const TScharwerte& s);

// Draws the polar curve r(t) as the points (r cos t, r sin t); a negative r lies on the opposite
// side of the origin. Family and result as above.
bool Polarkurve_zeichnen(TBild& bild, const std::string& r_term, TFarbe farbe, int art,
                         const TParameterbereich& p, const TScharwerte& s);
