#include "analysis/UTangenten.h"

#include <cmath>
#include <vector>

#include "analysis/UMatheTools.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"

namespace {

constexpr long double kKruemmung_mindestens = 1E-6L;
constexpr long double kAbleitungsschritt = 1E-6L;

TGerade Gerundet(long double m, long double n, long double x0, long double y0, int d) {
  return {Auf_Stellen_runden(m, d), Auf_Stellen_runden(n, d), x0, y0, true};
}

bool Wert(TTerm& term, long double t, long double x, long double& y) {
  bool ok = false;
  y = term.Auswerten(x, t, ok);
  return ok && std::isfinite(y);
}

}  // namespace

long double Auf_Stellen_runden(long double x, int d) {
  const long double p = std::pow(10.0L, d);
  const long double s = x * p;
  if (!std::isfinite(s) || std::fabs(s) > 1E18L) return x;
  return std::round(s) / p + 0.0L;  // + 0 turns -0 into 0
}

TGerade Tangente_an_Graph(TTerm& term, long double t, long double x0, int d) {
  long double n = 0, y0 = 0;
  bool ok = false;
  const long double m = Tangente_berechnen(term, t, x0, n, y0, ok);
  if (!ok) return {};
  return Gerundet(m, n, x0, y0, d);
}

TGerade Tangente_an_Kurve(TTerm& x_term, TTerm& y_term, long double t0, long double k, int d) {
  long double n = 0, x0 = 0, y0 = 0;
  bool ok = false;
  const long double m = Tangente_Kurve_berechnen(x_term, y_term, t0, k, n, x0, y0, ok);
  if (!ok) return {};
  return Gerundet(m, n, x0, y0, d);
}

TSekante Sekante_durch(TTerm& term, long double t, long double a, long double b, int d) {
  long double ya = 0, yb = 0;
  if (a == b || !Wert(term, t, a, ya) || !Wert(term, t, b, yb)) return {};
  const long double m = (yb - ya) / (b - a);
  if (!std::isfinite(m)) return {};
  return {Gerundet(m, ya - m * a, a, ya, d), yb};
}

TNormale Normale_an_Graph(TTerm& term, long double t, long double x0, int d) {
  long double n = 0, y0 = 0;
  bool ok = false;
  const long double m = Tangente_berechnen(term, t, x0, n, y0, ok);
  if (!ok) return {};
  // A tangent this flat makes a normal steeper than any picture can tell from the vertical.
  if (Ist_Null(m)) return {{0, 0, x0, y0, true}, true};
  const long double ms = -1 / m;
  return {Gerundet(ms, y0 - ms * x0, x0, y0, d), false};
}

TKreis Kruemmungskreis_bei(TTerm& term, long double t, long double x) {
  long double r = 0, xm = 0, ym = 0;
  bool mit_radius = false, ok = false;
  const long double k =
      Kruemmung_berechnen(term, t, x, kAbleitungsschritt, r, mit_radius, xm, ym, ok);
  if (!ok || !mit_radius || std::fabs(k) < kKruemmung_mindestens) return {};
  return {r, xm, ym, true};
}

std::string Geradenterm(long double m, long double n, bool fix, int G, int N, bool als_Bruch) {
  const std::string text = Polynom_zu_Text({n, m}, 1, fix, G, N, als_Bruch);
  return text.empty() ? "0" : text;
}
