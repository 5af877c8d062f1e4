#include "engine/UMatheBasisOp.h"

#include "platform/Blattspeicher.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

TZahlformat& Zahlformat = Blatt_Speicher().Teil<TZahlformat>();

void Zahlformat_zuruecksetzen() {
  Zahlformat = TZahlformat{};
}

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

// Exact powers of ten: 5^27 still fits into the 64-bit mantissa.
struct Exakte_Zehnerpotenzen {
  long double wert[28];
  constexpr Exakte_Zehnerpotenzen() : wert() {
    long double p = 1;
    for (int k = 0; k <= 27; ++k, p *= 10)
      wert[k] = p;
  }
};
constexpr Exakte_Zehnerpotenzen exakte_zehnerpotenzen;

// Already checked digits[.digits][(e|E)[sign]digits]: with at most 19 significant digits and a
// small power of ten both factors are exact, so one multiplication or division rounds once,
// exactly as the full reader would. False leaves the text to the full reader.
bool Genau_lesen(const char* p, const char* ende, long double& v) {
  if constexpr (std::numeric_limits<long double>::digits != 64) {
    return false;
  } else {
    std::uint64_t D = 0;
    int ziffern = 0, nachkomma = 0;
    bool im_bruch = false;
    for (; p < ende && *p != 'e' && *p != 'E'; ++p) {
      if (*p == '.') {
        im_bruch = true;
        continue;
      }
      if (D == 0 && *p == '0') {
        if (im_bruch) ++nachkomma;
        continue;
      }
      if (++ziffern > 19) return false;
      D = D * 10 + static_cast<std::uint64_t>(*p - '0');
      if (im_bruch) ++nachkomma;
    }
    int X = 0;
    if (p < ende) {
      ++p;
      bool minus = false;
      if (*p == '+' || *p == '-') minus = *p++ == '-';
      if (ende - p > 4) return false;
      for (; p < ende; ++p)
        X = X * 10 + (*p - '0');
      if (minus) X = -X;
    }
    const int k = X - nachkomma;
    if (D == 0) {
      v = 0;
      return true;
    }
    if (k > 27 || k < -27) return false;
    const long double d = static_cast<long double>(D);
    v = k >= 0 ? d * exakte_zehnerpotenzen.wert[k] : d / exakte_zehnerpotenzen.wert[-k];
    return true;
  }
}

// Reads [blanks][sign]digits[.digits][(e|E)[sign]digits] covering the whole text. On failure
// position is the 1-based index of the first character that does not fit.
bool Dezimalzahl_lesen(const std::string& s, long double& wert, int& position) {
  const size_t n = s.size();
  size_t i = 0;
  while (i < n && s[i] == ' ')
    ++i;
  bool negativ = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
  const size_t zahl_anfang = i;
  int ziffern = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(s[i])))
    ++i, ++ziffern;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i])))
      ++i, ++ziffern;
  }
  if (ziffern == 0) {
    position = static_cast<int>(i + 1);
    return false;
  }
  std::string zahl = s.substr(zahl_anfang, i - zahl_anfang);
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    std::string exponent = "e";
    if (i < n && (s[i] == '+' || s[i] == '-')) {
      if (s[i] == '-') exponent += '-';
      ++i;
    }
    int exponent_ziffern = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
      exponent += s[i++];
      ++exponent_ziffern;
    }
    if (exponent_ziffern == 0) {
      position = static_cast<int>(i + 1);
      return false;
    }
    zahl += exponent;
  }
  if (i < n) {
    position = static_cast<int>(i + 1);
    return false;
  }
  long double v = 0;
  if (Genau_lesen(s.data() + zahl_anfang, s.data() + n, v)) {
    wert = negativ ? -v : v;
    position = 0;
    return true;
  }
  auto r = std::from_chars(zahl.data(), zahl.data() + zahl.size(), v);
  if (r.ec != std::errc() || !std::isfinite(v)) {
    position = static_cast<int>(zahl_anfang + 1);
    return false;
  }
  wert = negativ ? -v : v;
  position = 0;
  return true;
}

}  // namespace

long double Mantisse_Exponent(long double x, int& e) {
  e = 0;
  if (!std::isfinite(x)) return x;
  std::string mantisse;
  Wissenschaftlich(x, 17, mantisse, e);
  long double m = 0;
  int position = 0;
  std::replace(mantisse.begin(), mantisse.end(), ',', '.');
  Dezimalzahl_lesen(mantisse, m, position);
  return m;
}

std::string Komma_verschieben(const std::string& s, int e) {
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

namespace {

// Half a unit of the N-th decimal, for every N the formatter accepts. Taken from the same power
// function as before so that the shifted values, and with them the texts, stay exactly the same.
struct Halbe_Einheiten {
  long double wert[41];
  Halbe_Einheiten() {
    for (int N = 0; N <= 40; ++N)
      wert[N] = 5 * std::pow(10.0L, static_cast<long double>(-N - 1));
  }
};
const Halbe_Einheiten halbe_einheiten;

using u128 = unsigned __int128;

constexpr u128 Zehnerpotenz(int k) {
  u128 p = 1;
  for (int i = 0; i < k; ++i)
    p *= 10;
  return p;
}

struct Zehnerpotenzen {
  u128 wert[39];
  constexpr Zehnerpotenzen() : wert() {
    for (int k = 0; k <= 38; ++k)
      wert[k] = Zehnerpotenz(k);
  }
};
constexpr Zehnerpotenzen zehnerpotenzen;
constexpr std::uint64_t zehn_hoch_17 = 100000000000000000ULL;
constexpr std::uint64_t zehn_hoch_18 = 1000000000000000000ULL;

// The 18 significant digits of |v| rounded exactly as the library's scientific text does it
// (to nearest, ties to even, on the exact binary value) and the decimal exponent. Covers
// 1E-21 <= |v| < 1E18 with an 80-bit long double; false leaves the rest to the library.
bool Achtzehn_Ziffern(long double v, std::uint64_t& ziffern, int& e) {
  if constexpr (std::numeric_limits<long double>::digits != 64 ||
                std::numeric_limits<long double>::radix != 2) {
    return false;
  } else {
    unsigned char roh[sizeof(long double)];
    std::memcpy(roh, &v, sizeof roh);
    std::uint64_t M = 0;
    std::memcpy(&M, roh, 8);
    std::uint16_t oben = 0;
    std::memcpy(&oben, roh + 8, 2);
    const int binexp = (oben & 0x7FFF) - 16383;  // |v| in [2^binexp, 2^(binexp+1))
    if ((M >> 63) == 0 || binexp < -72 || binexp > 59) return false;
    const int s = 63 - binexp;  // |v| = M / 2^s, 4 <= s <= 135
    // floor(binexp * log10(2)) is the exponent or one below it.
    e = static_cast<int>((static_cast<std::int64_t>(binexp) * 78913) >> 18);
    for (int versuch = 0; versuch < 3; ++versuch) {
      const int a = 17 - e;
      if (a < 0 || a > 38) return false;
      // n = M * 10^a as three 64-bit limbs.
      const u128 p = zehnerpotenzen.wert[a];
      const u128 lo = static_cast<u128>(M) * static_cast<std::uint64_t>(p);
      const u128 hi = static_cast<u128>(M) * static_cast<std::uint64_t>(p >> 64);
      const std::uint64_t n0 = static_cast<std::uint64_t>(lo);
      const u128 mitte = (lo >> 64) + static_cast<std::uint64_t>(hi);
      const std::uint64_t n1 = static_cast<std::uint64_t>(mitte);
      const std::uint64_t n2 =
          static_cast<std::uint64_t>(hi >> 64) + static_cast<std::uint64_t>(mitte >> 64);
      // q = n >> s must fit into 64 bits; everything above bit s + 63 must be zero.
      auto bit_block = [&](int ab) -> std::uint64_t {  // the 64 bits from bit `ab` on
        const std::uint64_t limbs[4] = {n0, n1, n2, 0};
        const int i = ab / 64, r = ab % 64;
        if (i >= 3) return 0;
        if (r == 0) return limbs[i];
        return (limbs[i] >> r) | (limbs[i + 1] << (64 - r));
      };
      if (s + 64 < 192 && bit_block(s + 64) != 0) return false;
      std::uint64_t q = bit_block(s);
      if (q >= zehn_hoch_18) {
        ++e;
        continue;
      }
      if (q < zehn_hoch_17) {
        --e;
        continue;
      }
      // Remainder below bit s: the half bit and whether anything lies below it.
      const int h = s - 1;
      const std::uint64_t limbs[3] = {n0, n1, n2};
      const bool halb = (limbs[h / 64] >> (h % 64)) & 1;
      bool rest = false;
      for (int i = 0; i < h / 64 && !rest; ++i)
        rest = limbs[i] != 0;
      if (!rest && h % 64 != 0) rest = (limbs[h / 64] & ((std::uint64_t{1} << (h % 64)) - 1)) != 0;
      if (halb && (rest || (q & 1))) ++q;
      if (q == zehn_hoch_18) {
        q = zehn_hoch_17;
        ++e;
      }
      ziffern = q;
      return true;
    }
    return false;
  }
}

// Drops trailing zeros and then a trailing comma, as long as the text has a comma at all.
size_t Nullen_und_Komma_kuerzen(const char* t, size_t n, bool hat_komma) {
  if (!hat_komma) return n;
  while (n > 0 && t[n - 1] == '0')
    --n;
  if (n > 0 && t[n - 1] == ',') --n;
  return n;
}

// The positional text from the 18 digits, built in one buffer with the same cuts as the
// general route: comma moved by e, zeros dropped, cut to G characters and N decimals.
std::string Stellen_Text(bool fix, int G, int N, bool negativ, std::uint64_t ziffern, int e) {
  char d[18];
  for (int i = 17; i >= 0; --i) {
    d[i] = static_cast<char>('0' + ziffern % 10);
    ziffern /= 10;
  }
  char t[256];
  size_t n = 0;
  if (negativ) t[n++] = '-';
  size_t komma = 0;
  if (e >= 0) {
    for (int i = 0; i <= e; ++i)
      t[n++] = i < 18 ? d[i] : '0';
    komma = n;
    t[n++] = ',';
    if (e >= 17) {
      t[n++] = '0';
    } else {
      for (int i = e + 1; i < 18; ++i)
        t[n++] = d[i];
    }
  } else {
    t[n++] = '0';
    komma = n;
    t[n++] = ',';
    for (int i = 0; i < -e - 1; ++i)
      t[n++] = '0';
    for (int i = 0; i < 18; ++i)
      t[n++] = d[i];
  }
  bool hat_komma = true;
  if (!fix) n = Nullen_und_Komma_kuerzen(t, n, hat_komma);
  hat_komma = komma < n;
  if (n > static_cast<size_t>(G)) {
    n = static_cast<size_t>(G);
    hat_komma = komma < n;
  }
  if (hat_komma && n > komma + 1 + static_cast<size_t>(N)) n = komma + 1 + static_cast<size_t>(N);
  if (!fix) n = Nullen_und_Komma_kuerzen(t, n, hat_komma);
  if (n > 0 && t[n - 1] == ',') --n;
  size_t anfang = 0;
  if (negativ) {
    bool nur_nullen = true;
    for (size_t i = 1; i < n && nur_nullen; ++i)
      nur_nullen = t[i] < '1' || t[i] > '9';
    if (nur_nullen) anfang = 1;
  }
  const size_t laenge = n - anfang;
  std::string ergebnis;
  if (fix && laenge < static_cast<size_t>(G)) {
    const size_t blanks = 2 * (static_cast<size_t>(G) - laenge);
    ergebnis.reserve(blanks + laenge);
    ergebnis.append(blanks, ' ');
  } else if (fix && laenge > 0 && t[anfang] == '-') {
    ergebnis.reserve(laenge + 1);
    ergebnis.push_back(' ');
  }
  ergebnis.append(t + anfang, laenge);
  return ergebnis;
}

}  // namespace

std::string Zahl_zu_Text(bool fix, int G, int N, long double x) {
  if (!std::isfinite(x)) return Nicht_endlich_Text(x);
  G = std::clamp(G, 1, 60);
  N = std::clamp(N, 0, 40);
  if (std::fabs(x) < 1E-15L) return fix ? Fest(x, N, G) : Allgemein(x, 15);

  // Adding half a unit of the last shown decimal makes the later cut round half away from zero.
  const long double halb = halbe_einheiten.wert[N];
  long double v = x;
  if (v > 0) v += halb;
  if (v < 0) v -= halb;

  const bool negativ = v < 0;
  std::uint64_t ziffern = 0;
  int e = 0;
  const bool schnell = Achtzehn_Ziffern(v, ziffern, e);
  std::string s;
  if (!schnell) Wissenschaftlich(v, 17, s, e);
  const int betrag_e = std::abs(e);

  if (G < 2 + (negativ ? 1 : 0) + betrag_e) {
    const int stellen_e = betrag_e > 0 ? static_cast<int>(std::floor(std::log10(betrag_e))) : 0;
    const int P = G - 3 - stellen_e - (e < 0 ? 1 : 0) - (negativ ? 1 : 0);
    const int D = std::max(0, std::min(fix ? N : 0, P - 2));
    // The scientific formats round by themselves; handing them the shifted value would show a
    // tiny negative number as its shifted neighbour (-0,0000001 as "-6E-7").
    return fix ? Fest(x, D, P) : Allgemein(x, P);
  }
  if (schnell) return Stellen_Text(fix, G, N, negativ, ziffern, e);

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

bool Bruch_finden(long double x, int& p, int& q) {
  p = 0;
  q = 1;
  if (!std::isfinite(x)) return false;
  constexpr std::int64_t grenze = std::numeric_limits<std::int32_t>::max();
  const long double a = std::fabs(x);
  long double d = a;
  // Convergents are kept in 64 bits so that leaving the 32-bit range is noticed instead of
  // wrapping round into a wrong fraction that would still pass the closeness test.
  std::int64_t pp = 1, qq = 0, p_vor = 0, q_vor = 1;
  for (int schritt = 0; schritt <= 20; ++schritt) {
    long double c = std::trunc(d);
    if (std::fabs(c + 1 - d) < 1E-5L) c += 1;
    if (std::fabs(c) > static_cast<long double>(grenze)) return false;
    const auto ci = static_cast<std::int64_t>(c);
    const std::int64_t p_neu = p_vor + ci * pp;
    const std::int64_t q_neu = q_vor + ci * qq;
    p_vor = pp;
    q_vor = qq;
    pp = p_neu;
    qq = q_neu;
    if (qq == 0) return false;
    if (std::llabs(pp) > grenze || std::llabs(qq) > grenze) return false;
    if (std::fabs(a - static_cast<long double>(pp) / static_cast<long double>(qq)) < 1E-14L) {
      if (qq < 0) {
        pp = -pp;
        qq = -qq;
      }
      p = static_cast<int>(x < 0 ? -pp : pp);
      q = static_cast<int>(qq);
      return true;
    }
    if (d == c) return false;
    d = 1 / (d - c);
    if (!std::isfinite(d)) return false;
  }
  return false;
}

bool Ist_ganze_Zahl(long double x) {
  int p = 0, q = 0;
  return Bruch_finden(x, p, q) && q == 1;
}

bool Bruch_kuerzen(long double& a, long double& b) {
  int p = 0, q = 0;
  if (!Bruch_finden(a / b, p, q)) return false;
  a = p;
  b = q;
  return true;
}

std::string Zahl_als_Bruch(long double x) {
  int p = 0, q = 0;
  if (Bruch_finden(x, p, q) && q != 1) return std::to_string(p) + "/" + std::to_string(q);
  return Zahl_zu_Text(false, 25, 22, x);
}

bool Zahl_einlesen(const std::string& text, long double& wert, int& fehlerposition) {
  std::string t = text;
  std::replace(t.begin(), t.end(), ',', '.');
  long double nenner = 1;
  const size_t strich = t.find('/');
  if (strich != std::string::npos) {
    int position = 0;
    if (!Dezimalzahl_lesen(t.substr(strich + 1), nenner, position) || nenner == 0) {
      fehlerposition = static_cast<int>(strich) + 2;
      return false;
    }
    t.resize(strich);
  }
  long double zaehler = 0;
  int position = 0;
  if (!Dezimalzahl_lesen(t, zaehler, position)) {
    fehlerposition = position;
    return false;
  }
  const long double v = zaehler / nenner;
  if (!std::isfinite(v)) {
    fehlerposition = static_cast<int>(strich) + 1;
    return false;
  }
  wert = v;
  fehlerposition = 0;
  return true;
}

bool Zelltext_als_Bruch(std::string& zelle) {
  long double wert = 0;
  int position = 0;
  const bool ok = Zahl_einlesen(zelle, wert, position);
  if (ok) zelle = Zahl_als_Bruch(wert);
  return ok;
}

void Zelltext_als_Dezimal(std::string& zelle) {
  long double wert = 0;
  int position = 0;
  if (Zahl_einlesen(zelle, wert, position)) zelle = Zahl_zu_Text(false, 25, 22, wert);
}

std::string Polynom_zu_Text(const std::vector<long double>& a, int n, bool fix, int G, int N,
                            bool als_Bruch) {
  std::string text;
  const int hoechster = std::min(n, static_cast<int>(a.size()) - 1);
  for (int i = hoechster; i >= 0; --i) {
    const long double k = a[static_cast<size_t>(i)];
    if (k == 0) continue;
    // Appending piece by piece: g++ 12 at -O3 wrongly reports overlapping copies (-Wrestrict) for
    // "literal" + std::string temporaries.
    text += '+';
    text += als_Bruch ? Zahl_als_Bruch(k) : Zahl_zu_Text(fix, G, N, k);
    if (i == 1) text += "x";
    if (i == 2) text += "x²";
    if (i == 3) text += "x³";
    if (i > 3) text.append("x^").append(std::to_string(i));
  }
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  for (size_t pos = text.find("+-"); pos != std::string::npos; pos = text.find("+-", pos)) {
    text.erase(pos, 1);
  }
  return text;
}

bool Nachkommastellen_waehlen(int N) {
  Zahlformat.Nachkommastellen = std::clamp(N, 0, 17);
  if (Zahlformat.Nachkommastellen > Zahlformat.Gesamtstellen - 3) {
    Zahlformat.Gesamtstellen = Zahlformat.Nachkommastellen + 3;
    return true;
  }
  return false;
}

bool Gesamtstellen_waehlen(int G) {
  Zahlformat.Gesamtstellen = std::clamp(G, 8, 20);
  if (Zahlformat.Gesamtstellen - 3 < Zahlformat.Nachkommastellen) {
    Zahlformat.Nachkommastellen = Zahlformat.Gesamtstellen - 3;
    return true;
  }
  return false;
}

int Spaltenbreite_Standard() {
  return std::max(63, 6 * Zahlformat.Gesamtstellen);
}
