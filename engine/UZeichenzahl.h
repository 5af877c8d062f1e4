#pragma once
// Numbers as plain characters with a decimal point, independent of the C and C++ locale: the
// window toolkit switches the C library to the user's locale at start, and a German one would
// turn every '.' of printf and strtold into ','.

#include <string>

struct TZiffernfolge {
  bool negativ = false;
  std::string ziffern;  // significant digits, no point, trailing zeros removed ("0" for zero)
  int exponent = 0;     // |x| = d.ddd · 10^exponent
};

// x rounded to `stellen` significant digits (1 to 30); x must be finite.
TZiffernfolge Ziffern_zerlegen(long double x, int stellen);

// x with `nachkomma` digits after the point, as printf's "%.*Lf" in the C locale writes it.
std::string Festkomma_Zeichen(long double x, int nachkomma);

// Reads the whole text as a decimal number with '.' ("-1.5", "2.5E-3", "+4", ".5"); anything
// else, an empty text or a value outside long double's range is refused.
bool Zeichen_zu_Zahl(const std::string& text, long double& x);
