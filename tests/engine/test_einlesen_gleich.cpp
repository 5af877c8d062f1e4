// Number reading must give the correctly rounded value, the same the C library's reader gives,
// for short texts (quick route) and long ones alike.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "engine/UMatheBasisOp.h"

namespace {

bool Gleiche_Bits(long double a, long double b) {
  return std::memcmp(&a, &b, 10) == 0;
}

TEST(EinlesenGleich, zufaellige_Dezimaltexte_lesen_wie_strtold) {
  std::setlocale(LC_NUMERIC, "C");
  std::mt19937_64 zufall(42);
  int fehler = 0;
  for (int i = 0; i < 200000 && fehler < 10; ++i) {
    const int stellen = 1 + static_cast<int>(zufall() % 24);
    const int komma = static_cast<int>(zufall() % (stellen + 1));
    std::string punkt_text = zufall() % 4 == 0 ? "-" : "";
    for (int k = 0; k < stellen; ++k) {
      if (k == komma && k > 0) punkt_text += '.';
      // Leading and trailing zeros are frequent in tables; give them extra weight.
      const int z = static_cast<int>(zufall() % 13);
      punkt_text += static_cast<char>('0' + (z >= 10 ? 0 : z));
    }
    if (zufall() % 3 == 0) {
      punkt_text += zufall() % 2 ? 'E' : 'e';
      const int x = static_cast<int>(zufall() % 81) - 40;
      if (x >= 0 && zufall() % 2) punkt_text += '+';
      punkt_text += std::to_string(x);
    }
    std::string komma_text = punkt_text;
    for (char& c : komma_text)
      if (c == '.') c = ',';
    const long double erwartet = std::strtold(punkt_text.c_str(), nullptr);
    long double wert = 0;
    int position = -1;
    ASSERT_TRUE(Zahl_einlesen(komma_text, wert, position)) << komma_text;
    EXPECT_EQ(position, 0);
    if (!Gleiche_Bits(wert, erwartet)) {
      ++fehler;
      ADD_FAILURE() << komma_text << ": " << std::hexfloat << wert << " statt " << erwartet;
    }
  }
}

TEST(EinlesenGleich, Grenzen_des_schnellen_Wegs) {
  std::setlocale(LC_NUMERIC, "C");
  // 19 and 20 significant digits, the largest exact power of ten and the first inexact one,
  // signed zeros, and a quotient.
  struct Fall {
    const char* text;
    const char* punkt_text;
  };
  for (const Fall& f : {Fall{"18446744073709551615", "18446744073709551615"},
                        Fall{"9999999999999999999", "9999999999999999999"},
                        Fall{"99999999999999999999", "99999999999999999999"}, Fall{"0,1", "0.1"},
                        Fall{"1E27", "1E27"}, Fall{"1E28", "1E28"}, Fall{"3E-27", "3E-27"},
                        Fall{"3E-28", "3E-28"}, Fall{"0,000000000000000000000000000001", "1E-30"},
                        Fall{"123,4560000000000000000000", "123.456"}, Fall{"-0", "-0"},
                        Fall{"0e9999", "0"}, Fall{"  +7,25e+3", "7250"}}) {
    long double wert = 1;
    int position = -1;
    ASSERT_TRUE(Zahl_einlesen(f.text, wert, position)) << f.text;
    EXPECT_TRUE(Gleiche_Bits(wert, std::strtold(f.punkt_text, nullptr))) << f.text;
  }
  long double wert = 0;
  int position = -1;
  ASSERT_TRUE(Zahl_einlesen("1/3", wert, position));
  EXPECT_TRUE(Gleiche_Bits(wert, 1.0L / 3.0L));
  EXPECT_FALSE(Zahl_einlesen("1e", wert, position));
  EXPECT_EQ(position, 3);
}

}  // namespace
