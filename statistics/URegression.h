#pragma once
// Regression models on a list of points: least-squares lines (also through the origin),
// polynomials of degree 2 to 5, and five models made linear by logarithms or reciprocals. Each
// fit hands back a record; a failure is a German text for the user, not a flag alone. The texts
// of the fitted functions, the correlation and the message are built here as well, so that the
// action only shows them.

#include <string>
#include <vector>

#include "engine/UMatheBasisOp.h"
#include "platform/Typen.h"

// The items of the model list.
enum TRegressionsmodell : int {
  Modell_Ursprungsgerade,  // m·x
  Modell_Gerade,           // m·x+b
  Modell_Grad2,
  Modell_Grad3,
  Modell_Grad4,
  Modell_Grad5,
  Modell_Exponentiell,   // c·e^(kx)
  Modell_Logarithmisch,  // c+b·ln(x)
  Modell_Potenz,         // c·x^b
  Modell_Reziprok,       // 1/(a·x+b)
  Modell_Gebrochen,      // x/(a·x+b)
  Modelle_Anzahl
};

// The point list must hold at least this many points for the model; the message otherwise,
// empty when there are enough.
std::string Mindestanzahl_Meldung(int modell, int n);

enum class TGeradenfall {
  bestimmt,
  m_unendlich,   // all x equal: no line y = m·x + b fits
  m2_unendlich,  // the regression of x on y is the vertical line through the centre
  zu_gross,      // the sums of squares overflow
};

struct TGeradenanpassung {
  TGeradenfall fall = TGeradenfall::bestimmt;
  long double m = 0, b = 0;    // y on x
  long double m2 = 0, b2 = 0;  // x on y, written as y = m2·x + b2
  long double r = 0;
  bool r_definiert = false;  // needs spread in both x and y
  // The point both lines pass through: the means, or the origin for lines through the origin.
  long double x0 = 0, y0 = 0;
};

// Both regression lines of the first n points; durch_Ursprung fits lines y = m·x.
TGeradenanpassung Gerade_anpassen(const std::vector<TPunkt>& p, int n, bool durch_Ursprung);

// Coefficient array as the polynomial text expects it: c[k] belongs to x^k.
constexpr int kKoeffizienten = 43;

// Least-squares polynomial of degree d (2..5) through the first n points; ok = false (with a
// German text in fehler) when fewer than d + 1 different x values leave the fit undetermined.
std::vector<long double> Polynom_anpassen(const std::vector<TPunkt>& p, int n, int d,
                                          std::string& fehler, bool& ok);
// r = sqrt(explained / total sum of squares); ok = false when all y are equal.
long double Polynom_Korrelation(const std::vector<TPunkt>& p, int n,
                                const std::vector<long double>& c, int d, bool& ok);

// A model fitted through a line on transformed points (exponential to x/(a·x+b)).
struct TModellanpassung {
  bool ok = false;
  std::string fehler;  // German message when not ok
  // c and k of c·e^(kx); c and b of c+b·ln(x) and c·x^b; a and b of 1/(a·x+b) and x/(a·x+b).
  long double erster = 0, zweiter = 0;
  long double r = 0;
  bool r_definiert = false;
  bool x_negiert = false;  // all x were negative: the model uses -x
};

TModellanpassung Modell_anpassen(const std::vector<TPunkt>& p, int n, int modell);

// ---- texts ---------------------------------------------------------------------------------

// A coefficient or r in the number format; values too small for its decimals in full.
std::string Koeffizient_Text(long double x, const TZahlformat& f);
// The function term of a fitted model 6..10 (with "*" and "+-" as the engine reads them).
std::string Modellterm(int modell, const TModellanpassung& e, const TZahlformat& f);

// What one regression shows: drawings, field texts and the message.
struct TRegressionszeichnung {
  bool senkrecht = false;  // the line x = text, else the curve y = text
  std::string text;
  TFarbe farbe = 0;
};
struct TRegressionsfeld {
  const char* feld;
  std::string text;
};
struct TRegressionsergebnis {
  std::vector<TRegressionszeichnung> zeichnungen;
  std::vector<TRegressionsfeld> felder;
  std::string meldung;
};

// The whole fit of the model on the first n points with everything it shows. zweite_Gerade adds
// the regression of x on y to the line models.
TRegressionsergebnis Regression_berechnen(const std::vector<TPunkt>& p, int n, int modell,
                                          bool zweite_Gerade, const TZahlformat& f);
