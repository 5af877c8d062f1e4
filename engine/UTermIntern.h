#pragma once
// Pieces shared by the direct reader and the compiled form of a term. Both paths compute every
// value through these functions, so they agree to the last bit; they differ only in how they
// find their way through the text.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"

namespace term_intern {

inline constexpr long double Ergebnis_bei_Fehler = 1E100L;
inline constexpr long double Unbestimmt = std::numeric_limits<long double>::quiet_NaN();

// Finite values only: infinity minus itself and NaN are NaN, which is unequal to 0. Done in
// registers: a comparison with the largest value would load an 80-bit constant every time.
inline bool endlich(long double v) {
  return v - v == 0;
}

// Function keys: the 1-based position of the name in the list text.
enum Schluessel : int {
  F_SQR = 1,
  F_SQRT = 5,
  F_LN = 10,
  F_LG = 13,
  F_LD = 16,
  F_ABS = 19,
  F_SIN = 23,
  F_COS = 27,
  F_TAN = 31,
  F_COT = 35,
  F_ARCTAN = 39,
  F_SGN = 46,
  F_FLOOR = 50,
  F_GAUF = 56,
  F_NORMAL = 61,
  F_RANDOM = 68,
  F_ARCSIN = 75,
  F_ARCCOS = 82,
  F_COSH = 89,
  F_SINH = 94,
  F_TANH = 99,
  F_COTH = 104,
  F_ARSINH = 109,
  F_ARCOSH = 116,
  F_ARTANH = 123,
  F_ARCOTH = 130,
  F_ARCCOT = 137,
};

// Key of a function name by its first occurrence in the list text; 0 when it names nothing.
int Funktionsschluessel(const std::string& name);

// Functions whose value depends only on their argument and that touch no shared state; only
// these may be computed once when a term is compiled.
bool Funktion_ist_rein(int schluessel);

// Normalisation of the school notation into the canonical text; nullptr on success, else the
// fault text.
const char* Normalisieren(const std::string& term, std::string& kanonisch);

// Power rule: false when the power is not defined.
bool Potenz(long double basis, long double exponent, long double& wert);

// Repeated squaring without a needless last squaring.
inline long double Ganze_Potenz(long double b, std::uint32_t n) {
  // Squares and cubes are most of what users type; these are the loop's own steps unrolled.
  if (n == 2) return b * b;
  if (n == 3) return b * (b * b);
  long double r = 1;
  for (;;) {
    if (n & 1u) r *= b;
    n >>= 1;
    if (n == 0) break;
    b *= b;
  }
  return r;
}

// Combination of two operands without touching shared state: nullptr on success, else the fault
// text; wert is always the value the reading continues with.
const char* Verknuepfen_rein(char op, long double l, long double r, long double& wert);

// Combination with the fault recorded in the shared error state.
long double Verknuepfen(char op, long double l, long double r);

// Applies a function to its argument, records faults and flags in the shared state and draws
// from the random generator. Returns false when the interpretation has to end at once.
bool Funktion_anwenden(int schluessel, long double a, long double tol, long double& wert);

// Sine and cosine as the function calls compute them for a finite argument.
long double Sinus(long double a);
long double Kosinus(long double a);

// Value handed to the caller at the end of an interpretation.
long double Endwert(long double v);

// The current jump tolerance from the view (stored in Sprung_Toleranz as well).
long double Toleranz_aktualisieren();

// The view the stored tolerance belongs to.
struct Toleranz_Stand {
  long double xli = 0, xre = 0, tol = 0;
  int rand = -1;
};
extern Toleranz_Stand toleranz_stand;

inline long double Toleranz_aktuell() {
  if (KOS.xli == toleranz_stand.xli && KOS.xre == toleranz_stand.xre &&
      KOS.Bildrand_rechts == toleranz_stand.rand)
    return toleranz_stand.tol;
  return Toleranz_aktualisieren();
}

long double Endwert_langsam(long double v);

inline long double Endwert_schnell(long double v) {
  if (!Fehler && endlich(v)) return v;
  return Endwert_langsam(v);
}

void Fehler_melden(const char* text);

// Faults of the reading (shared with the compiler, which refuses texts that meet them).
inline constexpr const char* T_OPERAND = "Operand erwartet";
inline constexpr const char* T_OPERATOR = "Operator erwartet";
inline constexpr const char* T_ZAHL = "fehlerhafte Zahl";
inline constexpr const char* T_FUNKTION = "ungültiger Funktionsaufruf";
inline constexpr const char* T_KLAMMER = "falscher Klammerterm";

// Brackets and function calls nest at most this deep; deeper texts are refused rather than
// risking the call stack.
inline constexpr int Max_Schachtelung = 200;

// Reads the number at pos (digits and points) and moves pos behind it; nullptr on success.
const char* Zahl_lesen(const std::string& s, std::size_t& pos, long double& wert);

}  // namespace term_intern
