#include "engine/UFunktionsParser.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "engine/KOS.h"
#include "engine/UMatheBasisOp.h"
#include "engine/UTermIntern.h"
#include "platform/Dialoge.h"

bool Fehler = false, Sprung = false, Sgn_Null = false, Knick = false;
std::string Fehlertext;
long double Sprung_Toleranz = 0;

namespace {

std::uint32_t Zufall_Saat_wert = 0;

constexpr std::string_view Funktionsliste =
    "SQR SQRT LN LG LD ABS SIN COS TAN COT ARCTAN SGN FLOOR GAUF NORMAL RANDOM ARCSIN ARCCOS "
    "COSH SINH TANH COTH ARSINH ARCOSH ARTANH ARCOTH ARCCOT";

constexpr long double PI_L = 3.141592653589793238462643383279502884L;
constexpr long double E_L = 2.718281828459045235360287471352662498L;
constexpr long double WURZEL_2PI = 2.506628274631000502415765284811045253L;
constexpr long double WURZEL_HALB = 0.707106781186547524400844362104849039L;
constexpr long double ZWEI_HOCH_63 = 9223372036854775808.0L;
constexpr long double ZWEI_HOCH_31 = 2147483648.0L;

// Texts of the normalisation.
constexpr const char* T_LEER = "Kette leer";
constexpr const char* T_WURZEL = "Wurzelterm ungültig";
constexpr const char* T_E = "Falsche Verwendung von E (=10^)";
constexpr const char* T_ZEICHEN = "falsche Zeichen";

// The private single-byte codes of the four characters beyond ASCII.
constexpr char C_PUNKT = '\xB7';
constexpr char C_GRAD = '\xB0';
constexpr char C_QUADRAT = '\xB2';
constexpr char C_KUBIK = '\xB3';
// Stands for every other non-ASCII character; it is in no allowed set.
constexpr char C_FREMD = '\x80';

bool ist_ziffer(char c) {
  return c >= '0' && c <= '9';
}
bool ist_gross(char c) {
  return c >= 'A' && c <= 'Z';
}

// UTF-8 into the engine's single bytes. A broken sequence counts as one foreign character.
std::string Einzelbytes(const std::string& t) {
  std::string b;
  b.reserve(t.size());
  const std::size_t n = t.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(t[i]);
    if (c < 0x80) {
      b += static_cast<char>(c);
      continue;
    }
    if (c == 0xC2 && i + 1 < n) {
      const auto d = static_cast<unsigned char>(t[i + 1]);
      if (d == 0xB7 || d == 0xB0 || d == 0xB2 || d == 0xB3) {
        b += static_cast<char>(d);
        ++i;
        continue;
      }
    }
    b += C_FREMD;
    int folge = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    while (folge-- > 0 && i + 1 < n && (static_cast<unsigned char>(t[i + 1]) & 0xC0) == 0x80)
      ++i;
  }
  return b;
}

bool frei(char c) {
  return !ist_gross(c) || c == 'E' || c == 'P' || c == 'T' || c == 'X';
}

}  // namespace

namespace term_intern {

void Fehler_melden(const char* text) {
  Fehler = true;
  Fehlertext = text;
}

int Funktionsschluessel(const std::string& name) {
  if (name.empty()) return 0;
  const auto p = Funktionsliste.find(name);
  if (p == std::string_view::npos) return 0;
  const int s = static_cast<int>(p) + 1;
  switch (s) {
    case F_SQR:
    case F_SQRT:
    case F_LN:
    case F_LG:
    case F_LD:
    case F_ABS:
    case F_SIN:
    case F_COS:
    case F_TAN:
    case F_COT:
    case F_ARCTAN:
    case F_SGN:
    case F_FLOOR:
    case F_GAUF:
    case F_NORMAL:
    case F_RANDOM:
    case F_ARCSIN:
    case F_ARCCOS:
    case F_COSH:
    case F_SINH:
    case F_TANH:
    case F_COTH:
    case F_ARSINH:
    case F_ARCOSH:
    case F_ARTANH:
    case F_ARCOTH:
    case F_ARCCOT:
      return s;
    default:
      return 0;
  }
}

bool Funktion_ist_rein(int s) {
  switch (s) {
    case F_ABS:
    case F_SGN:
    case F_FLOOR:
    case F_RANDOM:
    case F_ARCSIN:
    case F_ARCCOS:
      return false;
    default:
      return true;
  }
}

const char* Normalisieren(const std::string& term, std::string& kanonisch) {
  std::string s = Einzelbytes(term);
  // 1-4: faults visible in the raw text.
  if (s.empty()) return T_LEER;
  switch (s.back()) {
    case '*':
    case '+':
    case ',':
    case '-':
    case '/':
    case '^':
      return T_OPERAND;
    default:
      break;
  }
  if (s == "W" || s == "w") return T_WURZEL;
  if (s.front() == 'E' || s.back() == 'E') return T_E;
  // 5
  for (char& c : s) {
    if (c == '[')
      c = '(';
    else if (c == ']')
      c = ')';
  }
  // 6: scientific notation. The first and the last character are no capital E any more.
  {
    std::string t;
    t.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i] == 'E' && i > 0 && i + 1 < s.size()) {
        if (ist_ziffer(s[i - 1]) && (s[i + 1] == '-' || ist_ziffer(s[i + 1]))) {
          t += "*10^";
          continue;
        }
        return T_E;
      }
      t += s[i];
    }
    s.swap(t);
  }
  // 7, 8
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  for (char& c : s) {
    if (c == C_PUNKT)
      c = '*';
    else if (c == ',')
      c = '.';
    const bool erlaubt = c == '(' || c == ')' || c == '*' || c == '+' || c == '-' || c == '.' ||
                         c == '/' || ist_ziffer(c) || (c >= 'A' && c <= 'U') || c == 'W' ||
                         c == 'X' || c == '^' || c == C_GRAD || c == C_QUADRAT || c == C_KUBIK;
    if (!erlaubt) return T_ZEICHEN;
  }
  // 9
  if (s.front() == '+') s.erase(0, 1);
  if (!s.empty() && s.front() == '-') s.insert(0, 1, '0');
  // 10: "()" and "PI"
  {
    std::string t;
    t.reserve(s.size());
    std::size_t i = 0;
    for (; i + 1 < s.size(); ++i) {
      if (s[i] == '(' && s[i + 1] == ')') return T_KLAMMER;
      t += s[i];
      if (s[i] == 'P' && s[i + 1] == 'I') ++i;
    }
    if (i < s.size()) t += s[i];
    s.swap(t);
  }
  // 11: EXP( becomes E^(
  {
    std::string t;
    t.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
      if (i + 2 < s.size() && s[i] == 'E' && s[i + 1] == 'X' && s[i + 2] == 'P') {
        t += "E^";
        i += 3;
      } else {
        t += s[i++];
      }
    }
    s.swap(t);
  }
  // 12, 13
  {
    std::string t;
    t.reserve(s.size() + 16);
    for (std::size_t i = 0; i < s.size(); ++i) {
      const char c = s[i];
      if (c == 'W') {
        t += "SQRT";
      } else if (i == 0) {
        t += c;
      } else if (c == '-' && s[i - 1] == '(') {
        t += "0-";
      } else if (c == C_GRAD) {
        t += "*.0174532925";
      } else if (c == C_QUADRAT) {
        t += "^2";
      } else if (c == C_KUBIK) {
        t += "^3";
      } else {
        t += c;
      }
    }
    s.swap(t);
  }
  // 14: t, n and k as the parameter, but not inside function names.
  {
    const std::size_t n = s.size();
    for (std::size_t i = 1; i + 1 < n; ++i) {
      if ((s[i] == 'N' || s[i] == 'T') && frei(s[i - 1]) && frei(s[i + 1])) s[i] = 'K';
    }
    if (n == 1) {
      if (s[0] == 'N' || s[0] == 'T') s[0] = 'K';
    } else {
      if ((s[0] == 'N' || s[0] == 'T') && frei(s[1])) s[0] = 'K';
      if ((s[n - 1] == 'N' || s[n - 1] == 'T') && frei(s[n - 2])) s[n - 1] = 'K';
    }
  }
  // 15: implicit multiplication
  {
    std::string t;
    t.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size(); ++i) {
      const char c = s[i];
      if (i > 0 && (c == '(' || c == 'E' || c == 'K' || c == 'P' || c == 'X')) {
        const char v = s[i - 1];
        if (v == ')' || ist_ziffer(v) || v == 'E' || v == 'K' || v == 'P' || v == 'X') t += '*';
      }
      t += c;
    }
    s.swap(t);
  }
  kanonisch.swap(s);
  return nullptr;
}

const char* Zahl_lesen(const std::string& s, std::size_t& pos, long double& wert) {
  const std::size_t anfang = pos;
  int punkte = 0;
  while (pos < s.size() && (ist_ziffer(s[pos]) || s[pos] == '.')) {
    if (s[pos] == '.') ++punkte;
    ++pos;
  }
  if (punkte > 1) {
    wert = Unbestimmt;
    return T_ZAHL;
  }
  const char* a = s.data() + anfang;
  const char* e = s.data() + pos;
  if (e - a == 1 && *a == '.') {
    wert = 0;
    return nullptr;
  }
  long double v = 0;
  const auto r = std::from_chars(a, e, v, std::chars_format::fixed);
  if (r.ec == std::errc::result_out_of_range) {
    // Too small is zero; too large is no number this engine can hold.
    const char* z = a;
    while (z < e && *z == '0')
      ++z;
    if (z < e && *z != '.') {
      wert = Unbestimmt;
      return T_ZAHL;
    }
    wert = 0;
    return nullptr;
  }
  if (r.ec != std::errc() || r.ptr != e) {
    wert = Unbestimmt;
    return T_ZAHL;
  }
  wert = v;
  return nullptr;
}

namespace {

// Step 1 of the power rule.
bool Potenz_allgemein(long double b, long double e, long double& w) {
  if (e == 0) {
    w = 1;
    return true;
  }
  if (b == 0 && e > 0) {
    w = 0;
    return true;
  }
  if (e == std::trunc(e) && std::fabs(e) <= 2147483647.0L) {
    const auto n = static_cast<std::uint32_t>(std::fabs(e));
    long double r = Ganze_Potenz(b, n);
    if (e < 0) {
      if (r == 0) return false;  // 0 to a negative power
      r = 1 / r;                 // an overflowing power here only underflows to 0
    }
    if (!endlich(r)) return false;
    w = r;
    return true;
  }
  if (b <= 0) return false;  // no logarithm
  const long double r = std::exp(e * std::log(b));
  if (!endlich(r)) return false;
  w = r;
  return true;
}

}  // namespace

bool Potenz(long double basis, long double exponent, long double& wert) {
  if (Potenz_allgemein(basis, exponent, wert)) return true;
  if (!(basis < 0)) return false;
  // Odd roots of negative numbers: the exponent read as a fraction p/q.
  long double p = exponent, q = 1;
  int pi = 0, qi = 1;
  if (Bruch_finden(exponent, pi, qi)) {
    p = pi;
    q = qi;
  }
  const long double q_g = std::nearbyint(q), p_g = std::nearbyint(p);
  if (std::fmod(q_g, 2.0L) == 0) return false;
  long double w = 0;
  if (!Potenz_allgemein(-basis, exponent, w)) return false;
  if (std::fmod(p_g, 2.0L) != 0) w = -w;
  wert = w;
  return true;
}

const char* Verknuepfen_rein(char op, long double l, long double r, long double& wert) {
  // A value that exists only because of an earlier fault raises no faults of its own.
  if (!endlich(l) || !endlich(r)) {
    wert = Unbestimmt;
    return nullptr;
  }
  long double v = 0;
  switch (op) {
    case '+':
      v = l + r;
      if (!endlich(v)) {
        wert = Unbestimmt;
        return "Fehler bei der Addition";
      }
      break;
    case '-':
      v = l - r;
      if (!endlich(v)) {
        wert = Unbestimmt;
        return "Fehler bei der Subtraktion";
      }
      break;
    case '*':
      v = l * r;
      if (!endlich(v)) {
        wert = Unbestimmt;
        return "Fehler bei der Multiplikation";
      }
      break;
    case '/':
      v = r == 0 ? Unbestimmt : l / r;
      if (!endlich(v)) {
        wert = l == 0 ? Unbestimmt
                      : (l > 0 ? std::numeric_limits<long double>::infinity()
                               : -std::numeric_limits<long double>::infinity());
        return "Division durch Null";
      }
      break;
    case '^':
      if (!Potenz(l, r, v)) {
        wert = Unbestimmt;
        return "Fehler beim Potenzieren";
      }
      break;
    default:
      wert = Unbestimmt;
      return nullptr;
  }
  wert = v;
  return nullptr;
}

long double Verknuepfen(char op, long double l, long double r) {
  long double w = 0;
  if (const char* f = Verknuepfen_rein(op, l, r, w)) Fehler_melden(f);
  return w;
}

namespace {

bool Domaene(const char* text, long double& wert) {
  Fehler_melden(text);
  wert = Unbestimmt;
  return true;
}

bool Abbruch(const char* text, long double& wert) {
  Fehler_melden(text);
  wert = Unbestimmt;
  return false;
}

// sinh and cosh by their exponential form; false on overflow.
bool Hyperbel(long double a, bool cosinus, long double& w) {
  const long double p = std::exp(a), m = std::exp(-a);
  if (!endlich(p) || !endlich(m)) return false;
  w = cosinus ? (p + m) / 2 : (p - m) / 2;
  return endlich(w);
}

bool Tangens_hyperbolicus(long double a, long double& w) {
  if (std::fabs(a) <= 1E-16L) {
    w = 0;
    return true;
  }
  long double s = 0, c = 0;
  if (!Hyperbel(a, false, s) || !Hyperbel(a, true, c)) return false;
  w = s / c;
  return endlich(w);
}

}  // namespace

namespace {

// Reduction by multiples of pi/2 for arguments of school size. The library's general reduction
// is exact for any size but several times slower; pi/2 in three parts (40, 40 and 64 bits)
// keeps k * part exact for |k| < 2^24 and the remainder accurate to the last bits.
constexpr long double PI_HALB_1 = 0xc90fdaa221000000p-63L;
constexpr long double PI_HALB_2 = 0xd18469898d000000p-104L;
constexpr long double PI_HALB_3 = -0xeba3f91f1976b7eep-146L;
constexpr long double ZWEI_DURCH_PI = 0xa2f9836e4e44152ap-64L;
constexpr long double REDUKTION_BIS = 16777216.0L;

// a = k * pi/2 + r with |r| <= about pi/4; returns k mod 4.
int Reduzieren(long double a, long double& r) {
  // Adding and removing 1.5 * 2^63 rounds to the nearest whole number (ties to even) without
  // the library's costly switch of the rounding state.
  constexpr long double runden = 0xc000000000000000p0L;
  const long double k = (a * ZWEI_DURCH_PI + runden) - runden;
  r = ((a - k * PI_HALB_1) - k * PI_HALB_2) - k * PI_HALB_3;
  // k mod 4 by exact floating-point steps and comparisons: converting k to an integer would
  // switch the rounding state twice and stall on the way from the FPU to the integer unit.
  const long double rest = k - 4 * (((k / 4) + runden) - runden);  // -2 .. 2
  if (rest == 0) return 0;
  if (rest == 1) return 1;
  if (rest == -1) return 3;
  return 2;
}

}  // namespace

long double Sinus(long double a) {
  if (std::fabs(a) >= ZWEI_HOCH_63) return 0;
  if (std::fabs(a) <= 0.78L || std::fabs(a) >= REDUKTION_BIS) return std::sin(a);
  long double r = 0;
  switch (Reduzieren(a, r)) {
    case 0:
      return std::sin(r);
    case 1:
      return std::cos(r);
    case 2:
      return -std::sin(r);
    default:
      return -std::cos(r);
  }
}

long double Kosinus(long double a) {
  if (std::fabs(a) >= ZWEI_HOCH_63) return 0;
  if (std::fabs(a) <= 0.78L || std::fabs(a) >= REDUKTION_BIS) return std::cos(a);
  long double r = 0;
  switch (Reduzieren(a, r)) {
    case 0:
      return std::cos(r);
    case 1:
      return -std::sin(r);
    case 2:
      return -std::cos(r);
    default:
      return std::sin(r);
  }
}

namespace {

// NaN when the tangent cannot be computed (pole met exactly, or argument out of range).
long double Tangens(long double a) {
  if (std::fabs(a) >= ZWEI_HOCH_63) return Unbestimmt;
  if (std::fabs(a) <= 0.78L || std::fabs(a) >= REDUKTION_BIS) return std::tan(a);
  long double r = 0;
  if ((Reduzieren(a, r) & 1) == 0) return std::tan(r);
  const long double t = std::tan(r);
  return t == 0 ? Unbestimmt : -1 / t;
}

}  // namespace

bool Funktion_anwenden(int schluessel, long double a, long double tol, long double& w) {
  if (!endlich(a)) {
    w = Unbestimmt;
    return true;
  }
  switch (schluessel) {
    case F_SQR:
      w = a * a;
      if (!endlich(w)) return Abbruch("a zu groß bei sqr", w);
      return true;
    case F_SQRT:
      if (a < 0) return Domaene("Radikand kleiner als Null", w);
      w = std::sqrt(a);
      return true;
    case F_LN:
      if (a <= 0) return Domaene("ln(a<=0) nicht erlaubt", w);
      w = std::log(a);
      return true;
    case F_LG:
      if (a <= 0) return Domaene("lg(a<=0) nicht erlaubt", w);
      w = std::log10(a);
      return true;
    case F_LD:
      if (a <= 0) return Domaene("ld(a<=0) nicht erlaubt", w);
      w = std::log2(a);
      return true;
    case F_ABS:
      if (tol > std::fabs(a)) Knick = true;
      w = std::fabs(a);
      return true;
    case F_SIN:
      w = Sinus(a);
      return true;
    case F_COS:
      w = Kosinus(a);
      return true;
    case F_TAN:
      w = Tangens(a);
      if (!endlich(w)) return Domaene("tan((2n+1)*pi/2) nicht erlaubt", w);
      return true;
    case F_COT: {
      const long double t = Tangens(a);
      if (!endlich(t) || t == 0) return Domaene("cot(n*pi) nicht erlaubt", w);
      w = 1 / t;
      if (!endlich(w)) return Domaene("cot(n*pi) nicht erlaubt", w);
      return true;
    }
    case F_ARCTAN:
      w = std::atan(a);
      return true;
    case F_SGN:
      if (std::fabs(a) <= tol) {
        Sprung = true;
        Sgn_Null = true;
        w = 0;
      } else {
        w = a > 0 ? 1 : -1;
      }
      return true;
    case F_FLOOR: {
      const long double f = std::floor(a);
      if (f < -ZWEI_HOCH_31 || f >= ZWEI_HOCH_31) return Abbruch("a zu groß bei floor", w);
      if (tol > a - f) Sprung = true;
      w = f;
      return true;
    }
    case F_GAUF:
      w = 0.5L * std::erfc(-a * WURZEL_HALB);
      return true;
    case F_NORMAL:
      w = std::exp(-a * a / 2) / WURZEL_2PI;
      return true;
    case F_RANDOM: {
      if (std::fabs(a) >= ZWEI_HOCH_63) return Abbruch("a zu groß bei random", w);
      const long double n = std::nearbyint(a);
      if (n <= 0) {
        w = 0;  // no range to draw from: nothing is drawn
        return true;
      }
      Zufall_Saat_wert = Zufall_Saat_wert * 134775813u + 1u;
      const auto produkt = static_cast<unsigned __int128>(static_cast<std::uint64_t>(n)) *
                           static_cast<unsigned __int128>(Zufall_Saat_wert);
      w = static_cast<long double>(static_cast<std::uint64_t>(produkt >> 32));
      return true;
    }
    case F_ARCSIN:
      if (std::fabs(a - 1) < tol) {
        w = a > 0 ? PI_L / 2 : -PI_L / 2;
        return true;
      }
      if (std::fabs(a) > 1) return Domaene("|a|>1 nicht erlaubt bei arcsin", w);
      w = std::atan2(a, std::sqrt(1 - a * a));
      return true;
    case F_ARCCOS:
      if (std::fabs(a - 1) < tol) {
        w = a > 0 ? 0 : PI_L;
        return true;
      }
      if (std::fabs(a) > 1) return Domaene("|a|>1 nicht erlaubt bei arccos", w);
      w = std::atan2(std::sqrt(1 - a * a), a);
      return true;
    case F_COSH:
      if (std::fabs(a) <= 1E-16L) {
        w = 1;
        return true;
      }
      if (!Hyperbel(a, true, w)) return Domaene("a zu groß für cosh", w);
      return true;
    case F_SINH:
      if (std::fabs(a) <= 1E-16L) {
        w = 0;
        return true;
      }
      if (!Hyperbel(a, false, w)) return Domaene("a zu groß für sinh", w);
      return true;
    case F_TANH:
      if (!Tangens_hyperbolicus(a, w)) return Domaene("a zu groß für tanh", w);
      return true;
    case F_COTH: {
      long double t = 0;
      if (!Tangens_hyperbolicus(a, t) || t == 0) return Domaene("a=0 oder a zu groß bei coth", w);
      w = 1 / t;
      if (!endlich(w)) return Domaene("a=0 oder a zu groß bei coth", w);
      return true;
    }
    case F_ARSINH: {
      const long double q = a * a;
      if (!endlich(q)) return Domaene("a zu groß bei arsinh", w);
      const long double z = a + std::sqrt(q + 1);
      if (!(z > 0) || !endlich(z)) return Domaene("a zu groß bei arsinh", w);
      w = std::log(z);
      return true;
    }
    case F_ARCOSH: {
      if (a < 1) return Domaene("a<1 oder a zu groß bei arcosh", w);
      const long double z = a + (a + 1) * std::sqrt((a - 1) / (a + 1));
      if (!endlich(z)) return Domaene("a<1 oder a zu groß bei arcosh", w);
      w = std::log(z);
      return true;
    }
    case F_ARTANH:
      if (std::fabs(a) >= 1) return Domaene("|a|>=1 nicht erlaubt bei artanh", w);
      w = std::log((1 + a) / (1 - a)) / 2;
      return true;
    case F_ARCOTH:
      if (std::fabs(a) <= 1) return Domaene("|a|<=1 nicht erlaubt bei arcoth", w);
      w = std::log((a + 1) / (a - 1)) / 2;
      return true;
    case F_ARCCOT:
      if (a > 1E-10L) {
        w = std::atan(1 / a);
      } else if (a < -1E-10L) {
        w = std::atan(1 / a) + PI_L;
      } else {
        w = PI_L / 2;
      }
      if (!endlich(w)) return Domaene("Fehler bei arccot", w);
      return true;
    default:
      return Domaene(T_FUNKTION, w);
  }
}

long double Endwert(long double v) {
  if (Fehler) return Ergebnis_bei_Fehler;
  if (!endlich(v)) {
    // Only a caller's infinite or undefined x or k gets here; never hand it on as a number.
    Fehler_melden("Ergebnis nicht definiert");
    return Ergebnis_bei_Fehler;
  }
  return v;
}

Toleranz_Stand toleranz_stand;

long double Toleranz_aktualisieren() {
  Toleranz_Stand& t = toleranz_stand;
  t.xli = KOS.xli;
  t.xre = KOS.xre;
  t.rand = KOS.Bildrand_rechts;
  t.tol = (t.xre - t.xli) / t.rand / 20;
  if (!endlich(t.tol)) t.tol = 0;
  Sprung_Toleranz = t.tol;
  return t.tol;
}

long double Endwert_langsam(long double v) {
  return Endwert(v);
}

}  // namespace term_intern

using namespace term_intern;

namespace {

struct Ende {};  // an arithmetic fault that ends the interpretation at once

// The direct reader: precedence climbing over the canonical text.
class Leser {
 public:
  Leser(const std::string& s, long double x, long double k, long double tol)
      : s_(s), n_(s.size()), x_(x), k_(k), tol_(tol) {}

  long double Ausdruck() {
    long double v = Vorzeichen_Operand();
    while (letzte_stufe_ > 0)
      v = Verbinden(v);
    return v;
  }

 private:
  long double Vorzeichen_Operand() {
    long double v;
    if (pos_ < n_ && s_[pos_] == '-') {
      ++pos_;
      v = -Operand();
    } else {
      v = Operand();
    }
    if (!Operator_lesen()) v = Unbestimmt;
    while (letzte_stufe_ > akt_stufe_)
      v = Verbinden(v);
    return v;
  }

  long double Verbinden(long double links) {
    const char alt_op = akt_op_;
    const int alt_stufe = akt_stufe_;
    do {
      akt_op_ = letzter_op_;
      akt_stufe_ = letzte_stufe_;
      const long double rechts = Vorzeichen_Operand();
      links = Verknuepfen(akt_op_, links, rechts);
    } while (!(letzte_stufe_ < akt_stufe_));
    akt_op_ = alt_op;
    akt_stufe_ = alt_stufe;
    return links;
  }

  // False when the character after an operand is neither an operator nor ")".
  bool Operator_lesen() {
    if (pos_ >= n_) {
      letzte_stufe_ = 0;
      return true;
    }
    const bool operand_fehlte_hier = pos_ == operand_fehlerstelle_;
    const char c = s_[pos_++];
    letzter_op_ = c;
    switch (c) {
      case '+':
      case '-':
        letzte_stufe_ = 1;
        return true;
      case '*':
      case '/':
        letzte_stufe_ = 2;
        return true;
      case '^':
        letzte_stufe_ = 3;
        return true;
      case ')':
        letzte_stufe_ = 0;
        return true;
      default:
        letzte_stufe_ = 0;
        // The character that was no operand is not blamed a second time.
        if (operand_fehlte_hier) return true;
        Fehler_melden(T_OPERATOR);
        return false;
    }
  }

  long double Operand_fehlt() {
    Fehler_melden(T_OPERAND);
    operand_fehlerstelle_ = pos_;
    return Unbestimmt;
  }

  long double Operand() {
    if (pos_ >= n_) return Operand_fehlt();
    const char c = s_[pos_];
    if (c == '(') {
      ++pos_;
      return Geschachtelt();
    }
    if (c == '.' || (c >= '0' && c <= '9')) {
      long double w = 0;
      if (const char* f = Zahl_lesen(s_, pos_, w)) Fehler_melden(f);
      return w;
    }
    switch (c) {
      case 'E':
        ++pos_;
        return E_L;
      case 'K':
        ++pos_;
        return k_;
      case 'P':
        ++pos_;
        return PI_L;
      case 'X':
        ++pos_;
        return x_;
      default:
        break;
    }
    if ((c >= 'A' && c <= 'D') || (c >= 'F' && c <= 'J') || (c >= 'L' && c <= 'O') ||
        (c >= 'Q' && c <= 'U'))
      return Funktionsaufruf();
    return Operand_fehlt();
  }

  long double Geschachtelt() {
    if (++tiefe_ > Max_Schachtelung) {
      Fehler_melden(T_KLAMMER);
      throw Ende{};
    }
    const long double v = Ausdruck();
    --tiefe_;
    return v;
  }

  long double Funktionsaufruf() {
    const std::size_t klammer = s_.find('(', pos_);
    const std::size_t ende = klammer == std::string::npos ? n_ : klammer;
    std::size_t buchstaben = pos_;
    while (buchstaben < ende && s_[buchstaben] >= 'A' && s_[buchstaben] <= 'Z')
      ++buchstaben;
    if (buchstaben < ende) {
      // A misspelt name that the implicit multiplication has split ('sinx(x)' became
      // 'SINX*(X)') is no name at all: it is blamed as such, and reading goes on behind its
      // letters, so that the product that follows is not reported as a missing operator.
      Fehler_melden(T_FUNKTION);
      pos_ = buchstaben;
      return Unbestimmt;
    }
    const int schluessel = Funktionsschluessel(s_.substr(pos_, ende - pos_));
    pos_ = klammer == std::string::npos ? n_ : klammer + 1;
    if (schluessel == 0) {
      Fehler_melden(T_FUNKTION);
      return Unbestimmt;
    }
    const long double a = Geschachtelt();
    long double w = 0;
    if (!Funktion_anwenden(schluessel, a, tol_, w)) throw Ende{};
    return w;
  }

  const std::string& s_;
  const std::size_t n_;
  const long double x_, k_, tol_;
  std::size_t pos_ = 0;
  char letzter_op_ = 0, akt_op_ = 0;
  int letzte_stufe_ = 0, akt_stufe_ = 0;
  std::size_t operand_fehlerstelle_ = std::string::npos;
  int tiefe_ = 0;
};

const char* const Syntaxtexte[] = {T_FUNKTION,
                                   T_OPERATOR,
                                   T_OPERAND,
                                   T_ZAHL,
                                   "falsche Zeichen",
                                   T_KLAMMER,
                                   "Wurzelterm ungültig",
                                   "Falsche Verwendung von E (=10^)"};

}  // namespace

long double Term_auswerten_Referenz(const std::string& term, long double x, long double k) {
  std::string kanonisch;
  if (const char* f = Normalisieren(term, kanonisch)) {
    Fehler_melden(f);
    return Ergebnis_bei_Fehler;
  }
  const long double tol = Toleranz_aktuell();
  Fehler = Sprung = Sgn_Null = Knick = false;
  long double v = Unbestimmt;
  try {
    Leser leser(kanonisch, x, k, tol);
    v = leser.Ausdruck();
  } catch (const Ende&) {
    return Ergebnis_bei_Fehler;
  }
  return Endwert(v);
}

bool Term_normalisieren(const std::string& term, std::string& kanonisch, std::string& fehlertext) {
  std::string k;
  if (const char* f = Normalisieren(term, k)) {
    fehlertext = f;
    return false;
  }
  kanonisch = std::move(k);
  fehlertext.clear();
  return true;
}

bool Term_pruefen(const std::string& term) {
  Term_auswerten(term, 1, 1);
  if (!Fehler) return true;
  for (const char* t : Syntaxtexte) {
    if (Fehlertext == t) {
      Dialog().Meldung(Fehlertext);
      return false;
    }
  }
  return true;
}

bool Term_zu_Zahl(const std::string& text, long double& wert) {
  if (!Term_pruefen(text)) return false;
  const long double w = Term_auswerten(text, 0, 0);
  if (Fehler) {
    Dialog().Piep();
    return false;
  }
  wert = w;
  return true;
}

void Zufall_zuruecksetzen(std::uint32_t saat) {
  Zufall_Saat_wert = saat;
}
std::uint32_t Zufall_Saat() {
  return Zufall_Saat_wert;
}
