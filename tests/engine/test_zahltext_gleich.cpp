// The fast number formatter must give the very same texts as the frozen earlier formatter.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/UMatheBasisOp.h"
#include "zahltext_referenz.h"

namespace {

struct Format {
  bool fix;
  int G;
  int N;
};

// The table sweeps, the user's choices (G 8..20 with N <= G - 3, N 0..17), and the wider
// combinations the solvers and the fuzzer pass on.
std::vector<Format> Alle_Formate() {
  std::vector<Format> f;
  for (const bool fix : {false, true}) {
    for (int G = 8; G <= 25; ++G) {
      for (int N = 0; N <= 22; ++N)
        f.push_back({fix, G, N});
    }
  }
  return f;
}

int Abweichungen_melden(const std::vector<long double>& zahlen,
                        const std::vector<Format>& formate) {
  int fehler = 0;
  for (const long double x : zahlen) {
    for (const Format& f : formate) {
      const std::string neu = Zahl_zu_Text(f.fix, f.G, f.N, x);
      const std::string alt = zahltext_referenz::Zahl_zu_Text_alt(f.fix, f.G, f.N, x);
      if (neu != alt && ++fehler <= 10) {
        ADD_FAILURE() << "fix=" << f.fix << " G=" << f.G << " N=" << f.N
                      << " x=" << static_cast<double>(x) << " (bits " << std::hexfloat << x
                      << std::defaultfloat << "): neu '" << neu << "' alt '" << alt << "'";
      }
    }
  }
  return fehler;
}

TEST(ZahltextGleich, zufaellige_Zahlen_aller_Groessen_in_allen_Formaten) {
  std::mt19937_64 zufall(20261208);
  std::uniform_real_distribution<double> exponent(-20.5, 20.5);
  std::uniform_real_distribution<long double> mantisse(1.0L, 10.0L);
  std::vector<long double> zahlen;
  for (int i = 0; i < 400; ++i) {
    long double x = std::pow(10.0L, static_cast<long double>(exponent(zufall)));
    if (i % 2) x = -x;
    zahlen.push_back(x);
  }
  EXPECT_EQ(Abweichungen_melden(zahlen, Alle_Formate()), 0);
}

TEST(ZahltextGleich, Tabellenformat_ueber_viele_Zahlen) {
  // The sweep format alone, over many more numbers: random magnitudes, whole numbers, table-like
  // decimals and both neighbours of each.
  std::mt19937_64 zufall(7);
  std::uniform_real_distribution<double> exponent(-21.0, 21.0);
  std::vector<long double> zahlen;
  for (int i = 0; i < 60000; ++i) {
    const long double x = std::pow(10.0L, static_cast<long double>(exponent(zufall)));
    zahlen.push_back(i % 2 ? -x : x);
  }
  for (int i = -3000; i <= 3000; ++i) {
    zahlen.push_back(i);
    zahlen.push_back(i / 8.0L);
    zahlen.push_back(i / 1000.0L);
    zahlen.push_back(i * 0.1L);
  }
  const size_t n = zahlen.size();
  for (size_t i = 0; i < n; i += 3) {
    zahlen.push_back(std::nextafter(zahlen[i], std::numeric_limits<long double>::infinity()));
    zahlen.push_back(std::nextafter(zahlen[i], -std::numeric_limits<long double>::infinity()));
  }
  EXPECT_EQ(
      Abweichungen_melden(
          zahlen, {{false, 25, 22}, {true, 25, 22}, {false, 9, 6}, {false, 20, 17}, {true, 12, 4}}),
      0);
}

TEST(ZahltextGleich, Haelften_an_der_Rundungsstelle) {
  // Exactly half a unit behind the last shown decimal, for every N, and ties at the
  // eighteenth significant digit, where a half must be rounded to the even neighbour.
  std::vector<long double> zahlen;
  for (int N = 0; N <= 22; ++N) {
    const long double einheit = std::pow(10.0L, static_cast<long double>(-N));
    for (const long double basis : {0.0L, 1.0L, 2.0L, 7.0L, 123.0L, 99999.0L}) {
      for (const long double v :
           {basis + einheit / 2, basis + 3 * einheit / 2, basis + einheit * 9.5L}) {
        zahlen.push_back(v);
        zahlen.push_back(-v);
      }
    }
  }
  for (const long double v : {123456789012345678.5L,
                              123456789012345677.5L,
                              100000000000000000.5L,
                              999999999999999999.5L,
                              0.5L,
                              2.5L,
                              0.125L,
                              0.0625L,
                              1.0L / 1024,
                              std::ldexp(1.0L, -60),
                              std::ldexp(1.0L, 62),
                              std::ldexp(1.0L, 63),
                              std::ldexp(1.0L, 64),
                              std::ldexp(3.0L, 70),
                              1E17L,
                              1E18L,
                              1E19L,
                              1E20L,
                              1E21L,
                              1E22L,
                              1E23L,
                              1E24L,
                              9.99999999999999999E17L,
                              9.9999999999999999999E-1L,
                              1E-15L,
                              1.0000000000000001E-15L,
                              9.99999999999999E-16L,
                              1E-16L,
                              1E-20L,
                              1E-21L,
                              std::numeric_limits<long double>::max(),
                              std::numeric_limits<long double>::min(),
                              std::numeric_limits<long double>::denorm_min(),
                              std::numeric_limits<long double>::infinity(),
                              std::numeric_limits<long double>::quiet_NaN(),
                              0.0L,
                              -0.0L}) {
    zahlen.push_back(v);
    zahlen.push_back(-v);
    zahlen.push_back(std::nextafter(v, 0.0L));
  }
  // Powers of ten, the carry points of the rounding, with their neighbours.
  for (int e = -22; e <= 24; ++e) {
    const long double p = std::pow(10.0L, static_cast<long double>(e));
    for (const long double v :
         {p, std::nextafter(p, 0.0L), std::nextafter(p, 2 * p), p * 0.99999999999999999L}) {
      zahlen.push_back(v);
      zahlen.push_back(-v);
    }
  }
  EXPECT_EQ(Abweichungen_melden(zahlen, Alle_Formate()), 0);
}

TEST(ZahltextGleich, Formate_ausserhalb_der_Listen) {
  // Callers clamp nothing: G and N far out of the usual range reach the formatter as well.
  std::vector<Format> formate;
  for (const bool fix : {false, true}) {
    for (const int G : {-5, 0, 1, 2, 3, 5, 7, 26, 40, 60, 61, 1000}) {
      for (const int N : {-3, 0, 1, 5, 17, 23, 30, 40, 41, 100})
        formate.push_back({fix, G, N});
    }
  }
  std::mt19937_64 zufall(99);
  std::uniform_real_distribution<double> exponent(-25.0, 45.0);
  std::vector<long double> zahlen;
  for (int i = 0; i < 400; ++i) {
    const long double x = std::pow(10.0L, static_cast<long double>(exponent(zufall)));
    zahlen.push_back(i % 2 ? -x : x);
  }
  EXPECT_EQ(Abweichungen_melden(zahlen, formate), 0);
}

}  // namespace
