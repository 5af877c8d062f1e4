// Frozen copy of the number-to-text formatter as it was before it was made faster. The
// differential test holds the fast formatter to these texts byte for byte.
#include "zahltext_referenz.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace zahltext_referenz {

namespace {

// The float texts below are built with to_chars so that a German locale set by the window
// toolkit can never sneak a second kind of decimal separator into them.

std::string Komma_statt_Punkt(std::string s) {
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

void Nullen_und_Komma_abschneiden(std::string& s) {
  if (s.find(',') == std::string::npos) return;
  while (!s.empty() && s.back() == '0')
    s.pop_back();
  if (!s.empty() && s.back() == ',') s.pop_back();
}

// A minus sign in front of nothing but zeros would show a value that is not there.
void Minus_vor_Null_entfernen(std::string& s) {
  if (s.empty() || s[0] != '-') return;
  if (s.find_first_of("123456789", 1) == std::string::npos) s.erase(0, 1);
}

std::string Nicht_endlich_Text(long double x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

// Scientific text with `nachkomma` decimals in the mantissa: mantissa (with ",") and exponent.
void Wissenschaftlich(long double x, int nachkomma, std::string& mantisse, int& e) {
  char puffer[96];
  auto r = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific,
                         std::clamp(nachkomma, 0, 40));
  std::string s(puffer, r.ptr);
  const auto epos = s.find('e');
  mantisse = Komma_statt_Punkt(s.substr(0, epos));
  e = 0;
  if (epos != std::string::npos) {
    const char* anfang = s.c_str() + epos + 1;
    if (*anfang == '+') ++anfang;
    std::from_chars(anfang, s.c_str() + s.size(), e);
  }
}

std::string Exponent_anhaengen(std::string mantisse, int e) {
  return mantisse + "E" + std::to_string(e);
}

// General format: at most P significant digits, shortest text; scientific when the number has
// more than P digits before the comma or is smaller than 0,00001.
std::string Allgemein(long double x, int P) {
  P = std::clamp(P, 1, 18);
  if (x == 0) return "0";
  std::string mantisse;
  int e = 0;
  Wissenschaftlich(x, P - 1, mantisse, e);
  if (e >= P || std::fabs(x) < 1E-5L) {
    Nullen_und_Komma_abschneiden(mantisse);
    return Exponent_anhaengen(mantisse, e);
  }
  char puffer[96];
  auto r = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, P - 1 - e);
  std::string s = Komma_statt_Punkt(std::string(puffer, r.ptr));
  Nullen_und_Komma_abschneiden(s);
  Minus_vor_Null_entfernen(s);
  return s;
}

// Fixed format: D decimals, at most P digits before the comma, scientific beyond that.
std::string Fest(long double x, int D, int P) {
  D = std::clamp(D, 0, 18);
  P = std::clamp(P, 1, 40);
  std::string mantisse;
  int e = 0;
  Wissenschaftlich(x, D, mantisse, e);
  if (x != 0 && e >= P) {
    Wissenschaftlich(x, P - 1, mantisse, e);
    return Exponent_anhaengen(mantisse, e);
  }
  char puffer[128];
  auto r = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, D);
  if (r.ec != std::errc()) return Exponent_anhaengen(mantisse, e);
  std::string s = Komma_statt_Punkt(std::string(puffer, r.ptr));
  Minus_vor_Null_entfernen(s);
  return s;
}

}  // namespace

static std::string Komma_verschieben(const std::string& s, int e) {
  std::string t = s;
  size_t p = t.find(',');
  if (p == std::string::npos) {
    t += ",0";
    p = t.find(',');
  }
  if (e == 0) return t;
  if (e > 0) {
    const long fehlend = static_cast<long>(p) + e + 2 - static_cast<long>(t.size());
    if (fehlend > 0) t.append(static_cast<size_t>(fehlend), '0');
    t.erase(p, 1);
    t.insert(p + static_cast<size_t>(e), 1, ',');
  } else {
    const size_t anzahl = static_cast<size_t>(-static_cast<long>(e));
    const size_t vor_ziffer = p == 0 ? 0 : p - 1;
    t.insert(vor_ziffer, anzahl, '0');
    t.erase(p + anzahl, 1);
    t.insert(p, 1, ',');
  }
  return t;
}

std::string Zahl_zu_Text_alt(bool fix, int G, int N, long double x) {
  if (!std::isfinite(x)) return Nicht_endlich_Text(x);
  G = std::clamp(G, 1, 60);
  N = std::clamp(N, 0, 40);
  if (std::fabs(x) < 1E-15L) return fix ? Fest(x, N, G) : Allgemein(x, 15);

  // Adding half a unit of the last shown decimal makes the later cut round half away from zero.
  const long double halb = 5 * std::pow(10.0L, static_cast<long double>(-N - 1));
  long double v = x;
  if (v > 0) v += halb;
  if (v < 0) v -= halb;

  std::string s;
  int e = 0;
  Wissenschaftlich(v, 17, s, e);
  const bool negativ = !s.empty() && s[0] == '-';
  const int betrag_e = std::abs(e);

  if (G < 2 + (negativ ? 1 : 0) + betrag_e) {
    const int stellen_e = betrag_e > 0 ? static_cast<int>(std::floor(std::log10(betrag_e))) : 0;
    const int P = G - 3 - stellen_e - (e < 0 ? 1 : 0) - (negativ ? 1 : 0);
    const int D = std::max(0, std::min(fix ? N : 0, P - 2));
    // The scientific formats round by themselves; handing them the shifted value would show a
    // tiny negative number as its shifted neighbour (-0,0000001 as "-6E-7").
    return fix ? Fest(x, D, P) : Allgemein(x, P);
  }

  std::string t = Komma_verschieben(s, e);
  if (!fix) Nullen_und_Komma_abschneiden(t);
  if (t.size() > static_cast<size_t>(G)) t.resize(static_cast<size_t>(G));
  const size_t komma = t.find(',');
  if (komma != std::string::npos && t.size() > komma + 1 + static_cast<size_t>(N)) {
    t.resize(komma + 1 + static_cast<size_t>(N));
  }
  if (!fix) Nullen_und_Komma_abschneiden(t);
  // A cut right behind the comma (by G, or by N = 0) must not leave the comma dangling.
  if (!t.empty() && t.back() == ',') t.pop_back();
  Minus_vor_Null_entfernen(t);
  if (fix) {
    if (t.size() < static_cast<size_t>(G))
      t.insert(0, 2 * (static_cast<size_t>(G) - t.size()), ' ');
    if (!t.empty() && t[0] == '-') t.insert(0, 1, ' ');
  }
  return t;
}

}  // namespace zahltext_referenz
