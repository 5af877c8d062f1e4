#include "engine/UZeichenzahl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

TZiffernfolge Ziffern_zerlegen(long double x, int stellen) {
  TZiffernfolge z;
  z.negativ = std::signbit(x);
  if (x == 0) {
    z.ziffern.push_back('0');
    return z;
  }
  stellen = std::clamp(stellen, 1, 30);
  char puffer[64];
  // d.ddddde±XX
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(x),
                               std::chars_format::scientific, stellen - 1);
  const std::string s(puffer, r.ptr);
  const std::size_t e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') z.ziffern += s[i];
  while (z.ziffern.size() > 1 && z.ziffern.back() == '0')
    z.ziffern.pop_back();
  const char* anfang = s.c_str() + e + 1;
  if (*anfang == '+') ++anfang;
  std::from_chars(anfang, s.c_str() + s.size(), z.exponent);
  return z;
}

std::string Festkomma_Zeichen(long double x, int nachkomma) {
  char puffer[128];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed,
                               std::clamp(nachkomma, 0, 30));
  if (r.ec != std::errc()) return "";
  return std::string(puffer, r.ptr);
}

bool Zeichen_zu_Zahl(const std::string& text, long double& x) {
  const char* anfang = text.data();
  const char* ende = text.data() + text.size();
  // from_chars takes a '-' only; a leading '+' is what people type as well.
  if (anfang != ende && *anfang == '+') {
    ++anfang;
    if (anfang != ende && (*anfang == '+' || *anfang == '-')) return false;
  }
  long double w = 0;
  const auto r = std::from_chars(anfang, ende, w, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != ende || !std::isfinite(w)) return false;
  x = w;
  return true;
}
