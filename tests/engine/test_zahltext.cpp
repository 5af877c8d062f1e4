// Number text, fractions, number reading and polynomial text.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/UMatheBasisOp.h"

namespace {

struct TextFall {
  bool fix;
  int G;
  int N;
  long double x;
  const char* erwartet;
};

class ZahlZuText : public testing::TestWithParam<TextFall> {};

TEST_P(ZahlZuText, ergibt_den_erwarteten_Text) {
  const TextFall& f = GetParam();
  EXPECT_EQ(Zahl_zu_Text(f.fix, f.G, f.N, f.x), f.erwartet)
      << "fix=" << f.fix << " G=" << f.G << " N=" << f.N << " x=" << static_cast<double>(f.x);
}

INSTANTIATE_TEST_SUITE_P(
    Regeln, ZahlZuText,
    testing::Values(
        // zero and values below 1E-15
        TextFall{false, 9, 6, 0.0L, "0"}, TextFall{true, 9, 3, 0.0L, "0,000"},
        TextFall{true, 8, 5, 0.0L, "0,00000"}, TextFall{true, 8, 5, -0.0L, "0,00000"},
        TextFall{false, 9, 6, 1E-16L, "1E-16"},
        // G = 8, N = 5
        TextFall{false, 8, 5, 2.5L, "2,5"}, TextFall{false, 8, 5, 1234.5678L, "1234,567"},
        TextFall{false, 8, 5, 1.0L / 3, "0,33333"}, TextFall{false, 8, 5, 0.000004L, "0"},
        TextFall{false, 8, 5, 123456789.0L, "1,2346E8"}, TextFall{true, 8, 5, 2.5L, "  2,50000"},
        TextFall{true, 8, 5, -2.5L, " -2,50000"},
        // rounding half away from zero at the N-th decimal
        TextFall{false, 9, 2, 0.125L, "0,13"}, TextFall{false, 9, 2, -0.125L, "-0,13"},
        TextFall{false, 9, 2, 0.124L, "0,12"}, TextFall{false, 8, 5, 99.999999L, "100"},
        TextFall{false, 9, 0, 2.5L, "3"}, TextFall{false, 9, 0, -2.5L, "-3"},
        // whole numbers and plain decimals
        TextFall{false, 9, 6, 2.0L, "2"}, TextFall{false, 9, 6, -7.25L, "-7,25"},
        TextFall{false, 9, 6, 100.0L, "100"}, TextFall{false, 20, 17, 1E-7L, "0,0000001"},
        // fix pads two blanks per missing character, one more for a leading minus
        TextFall{true, 9, 2, 3.14159L, "          3,14"}, TextFall{true, 9, 6, 0.5L, "  0,500000"},
        TextFall{true, 9, 6, -0.5L, " -0,500000"}, TextFall{true, 10, 6, 0.5L, "    0,500000"},
        // no room for the digits before the comma: general scientific format
        TextFall{false, 8, 5, 1E20L, "1E20"}, TextFall{false, 8, 5, -1E20L, "-1E20"},
        TextFall{false, 8, 17, 1.5E-9L, "1,5E-9"}, TextFall{false, 8, 5, 12345678.0L, "1,2346E7"},
        TextFall{false, 9, 6, 1234567.0L, "1234567"},
        // the table's exact decimal text
        TextFall{false, 25, 22, 0.75L, "0,75"}, TextFall{false, 25, 22, 0.1L, "0,1"},
        TextFall{false, 25, 22, 1.0L / 3, "0,333333333333333333"},
        TextFall{false, 25, 22, 3E9L, "3000000000"}));

// A cut exactly behind the comma must not leave it standing, a number that rounds to zero must
// not keep its minus sign, and a tiny negative number in scientific form keeps its own value.
INSTANTIATE_TEST_SUITE_P(Kein_Restkomma_kein_Minus_vor_Null, ZahlZuText,
                         testing::Values(TextFall{false, 8, 5, 1234567.25L, "1234567"},
                                         TextFall{true, 8, 5, 1234567.25L, "  1234567"},
                                         TextFall{true, 3, 0, 2.5L, "    3"},
                                         TextFall{false, 9, 5, -0.000004L, "0"},
                                         TextFall{true, 9, 5, -0.000004L, "    0,00000"},
                                         TextFall{false, 8, 5, -0.000004L, "-4E-6"},
                                         TextFall{false, 9, 6, -1E-7L, "-1E-7"},
                                         TextFall{true, 8, 5, -0.000004L, "0,0"}));

TEST(ZahlZuText, fix_im_Exponentformat_zeigt_Mantisse_und_Exponent) {
  const std::string t = Zahl_zu_Text(true, 8, 5, 1E20L);
  EXPECT_EQ(t.substr(0, 2), "1,");
  EXPECT_EQ(t.substr(t.size() - 3), "E20");
}

TEST(ZahlZuText, extreme_Werte_ergeben_immer_einen_Text) {
  const long double grenzen[] = {std::numeric_limits<long double>::max(),
                                 -std::numeric_limits<long double>::max(),
                                 std::numeric_limits<long double>::denorm_min(), 1E100L, -1E-300L};
  for (long double x : grenzen) {
    for (bool fix : {false, true}) {
      for (int G = 8; G <= 25; ++G) {
        for (int N : {0, 5, 17, 22})
          EXPECT_FALSE(Zahl_zu_Text(fix, G, N, x).empty());
      }
    }
  }
  EXPECT_EQ(Zahl_zu_Text(false, 9, 6, std::numeric_limits<long double>::infinity()), "INF");
  EXPECT_EQ(Zahl_zu_Text(false, 9, 6, -std::numeric_limits<long double>::infinity()), "-INF");
  EXPECT_EQ(Zahl_zu_Text(false, 9, 6, std::numeric_limits<long double>::quiet_NaN()), "NAN");
}

TEST(KommaVerschieben, Beispiele) {
  struct {
    const char* s;
    int e;
    const char* erwartet;
  } faelle[] = {{"1,5", 3, "1500,0"},  {"1,5", -2, "0,015"}, {"-1,5", -2, "-0,015"},
                {"1,5", 0, "1,5"},     {"1,25", 1, "12,5"},  {"-1,5", 3, "-1500,0"},
                {"1,234", 2, "123,4"}, {"9,9", -1, "0,99"},  {"1,5", 1, "15,0"}};
  for (const auto& f : faelle) {
    EXPECT_EQ(Komma_verschieben(f.s, f.e), f.erwartet) << f.s << " e=" << f.e;
  }
}

TEST(MantisseExponent, eine_Ziffer_vor_dem_Komma) {
  struct {
    long double x, m;
    int e;
  } faelle[] = {{1234.5L, 1.2345L, 3}, {-0.00025L, -2.5L, -4}, {0.0L, 0.0L, 0},
                {1E100L, 1.0L, 100},   {7.0L, 7.0L, 0},        {-9.5E-20L, -9.5L, -20}};
  for (const auto& f : faelle) {
    int e = 99;
    const long double m = Mantisse_Exponent(f.x, e);
    EXPECT_EQ(e, f.e) << static_cast<double>(f.x);
    EXPECT_NEAR(static_cast<double>(m), static_cast<double>(f.m), 1E-15);
  }
}

struct BruchFall {
  long double x;
  int p, q;
};

TEST(BruchFinden, Kettenbrueche) {
  const BruchFall faelle[] = {{0.75L, 3, 4},
                              {-0.5L, -1, 2},
                              {0.333333333333333333L, 1, 3},
                              {0.1L, 1, 10},
                              {2.0L, 2, 1},
                              {0.0L, 0, 1},
                              {-2.5L, -5, 2},
                              {1.0L / 7, 1, 7},
                              {12345.6789L, 123456789, 10000},
                              {std::numbers::pi_v<long double>, 80143857, 25510582},
                              {1.0L + 1.0L / 1048576, 1048577, 1048576},
                              {1073741823.5L, 2147483647, 2},
                              {2147483647.0L, 2147483647, 1},
                              {-2147483647.0L, -2147483647, 1}};
  for (const auto& f : faelle) {
    int p = 0, q = 0;
    ASSERT_TRUE(Bruch_finden(f.x, p, q)) << static_cast<double>(f.x);
    EXPECT_EQ(p, f.p) << static_cast<double>(f.x);
    EXPECT_EQ(q, f.q) << static_cast<double>(f.x);
  }
}

// Convergents beyond the 32-bit range end in a soft failure instead of a wrapped-round fraction.
TEST(BruchFinden, grosse_Zahlen_scheitern_sanft) {
  const long double faelle[] = {3E9L,
                                2147483648.0L,
                                -1E30L,
                                1E-12L,
                                3.000000001L,
                                1073741824.5L,
                                1.0L + 1E-10L,
                                std::numeric_limits<long double>::max(),
                                std::numeric_limits<long double>::infinity(),
                                std::numeric_limits<long double>::quiet_NaN()};
  for (long double x : faelle) {
    int p = 7, q = 7;
    EXPECT_FALSE(Bruch_finden(x, p, q)) << static_cast<double>(x);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 1);
  }
}

TEST(BruchFinden, jeder_Erfolg_trifft_die_Zahl_mit_positivem_Nenner) {
  const long double faelle[] = {
      std::sqrt(2.0L), std::exp(1.0L), -std::sqrt(3.0L), 4.9999999L, 0.999999L, 1E-9L,
      123456.789123L,  -0.3L,          2.0L / 3.0L,      6.0000001L, 1E-5L,     1.0L / 65536};
  for (long double x : faelle) {
    int p = 0, q = 0;
    if (!Bruch_finden(x, p, q)) continue;
    EXPECT_GT(q, 0) << static_cast<double>(x);
    EXPECT_LT(std::fabs(x - static_cast<long double>(p) / q), 1E-14L) << static_cast<double>(x);
  }
}

TEST(BruchFinden, Hilfsfunktionen) {
  EXPECT_TRUE(Ist_ganze_Zahl(5));
  EXPECT_TRUE(Ist_ganze_Zahl(-3));
  EXPECT_TRUE(Ist_ganze_Zahl(0));
  EXPECT_FALSE(Ist_ganze_Zahl(5.5L));
  EXPECT_FALSE(Ist_ganze_Zahl(3E9L));

  long double a = 6, b = 8;
  EXPECT_TRUE(Bruch_kuerzen(a, b));
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 4);
  a = -2, b = 4;
  EXPECT_TRUE(Bruch_kuerzen(a, b));
  EXPECT_EQ(a, -1);
  EXPECT_EQ(b, 2);
  a = 1, b = 0;
  EXPECT_FALSE(Bruch_kuerzen(a, b));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 0);
}

TEST(ZahlAlsBruch, Bruch_oder_genauer_Dezimaltext) {
  EXPECT_EQ(Zahl_als_Bruch(2), "2");
  EXPECT_EQ(Zahl_als_Bruch(0.1L), "1/10");
  EXPECT_EQ(Zahl_als_Bruch(-0.75L), "-3/4");
  EXPECT_EQ(Zahl_als_Bruch(1.0L / 3), "1/3");
  EXPECT_EQ(Zahl_als_Bruch(3E9L), "3000000000");
  EXPECT_EQ(Zahl_als_Bruch(0), "0");
}

TEST(ZahlEinlesen, gelingt) {
  struct {
    const char* text;
    long double wert;
  } faelle[] = {{"1,5E3", 1500}, {"3/4", 0.75L}, {"-3/4", -0.75L},          {"3/-4", -0.75L},
                {"  7", 7},      {"1.5", 1.5L},  {"-3,731E-5", -3.731E-5L}, {"+4", 4},
                {",5", 0.5L},    {"2e+2", 200},  {"1/ 4", 0.25L},           {"0", 0},
                {"1,5/0,5", 3}};
  for (const auto& f : faelle) {
    long double w = -99;
    int pos = -1;
    ASSERT_TRUE(Zahl_einlesen(f.text, w, pos)) << f.text;
    EXPECT_EQ(pos, 0) << f.text;
    EXPECT_NEAR(static_cast<double>(w), static_cast<double>(f.wert), 1E-15) << f.text;
  }
}

TEST(ZahlEinlesen, scheitert_mit_Fehlerposition) {
  struct {
    const char* text;
    int position;
  } faelle[] = {{"", 1},      {"1/0", 3},   {"2 ", 2},    {"abc", 1},   {"1,5x", 4},
                {"1/abc", 3}, {"1e", 3},    {"-", 2},     {"1/2/3", 3}, {"   ", 4},
                {"1 5", 2},   {"1/0,0", 3}, {"1e5000", 1}};
  for (const auto& f : faelle) {
    long double w = 42;
    int pos = 0;
    EXPECT_FALSE(Zahl_einlesen(f.text, w, pos)) << f.text;
    EXPECT_EQ(pos, f.position) << f.text;
  }
}

TEST(Zelltext, Bruch_und_Dezimal) {
  struct {
    const char* vorher;
    bool ok;
    const char* nachher;
  } bruch[] = {{"0,75", true, "3/4"}, {"abc", false, "abc"}, {"2", true, "2"},
               {"1/3", true, "1/3"},  {"0.5", true, "1/2"},  {"", false, ""}};
  for (const auto& f : bruch) {
    std::string zelle = f.vorher;
    EXPECT_EQ(Zelltext_als_Bruch(zelle), f.ok) << f.vorher;
    EXPECT_EQ(zelle, f.nachher);
  }
  struct {
    const char* vorher;
    const char* nachher;
  } dezimal[] = {{"3/4", "0,75"},
                 {"1/3", "0,333333333333333333"},
                 {"abc", "abc"},
                 {"1,5E3", "1500"},
                 {"-1/8", "-0,125"}};
  for (const auto& f : dezimal) {
    std::string zelle = f.vorher;
    Zelltext_als_Dezimal(zelle);
    EXPECT_EQ(zelle, f.nachher) << f.vorher;
  }
}

TEST(PolynomZuText, Beispiele) {
  EXPECT_EQ(Polynom_zu_Text({0.5L, -1, 0, 2}, 3, false, 8, 5, false), "2x³-1x+0,5");
  EXPECT_EQ(Polynom_zu_Text({0, 0, 0}, 2, false, 8, 5, false), "");
  EXPECT_EQ(Polynom_zu_Text({0.5L, 0, -0.75L}, 2, false, 9, 6, true), "-3/4x²+1/2");
  EXPECT_EQ(Polynom_zu_Text({0, 0, 0, 0, 0, 1}, 5, false, 9, 6, false), "1x^5");
  EXPECT_EQ(Polynom_zu_Text({1}, 0, false, 9, 6, false), "1");
  EXPECT_EQ(Polynom_zu_Text({3, -1}, 1, false, 9, 6, false), "-1x+3");
  // a degree beyond the coefficients given only adds zero terms
  EXPECT_EQ(Polynom_zu_Text({3, -1}, 40, false, 9, 6, false), "-1x+3");
  EXPECT_EQ(Polynom_zu_Text({}, 3, false, 9, 6, false), "");
  EXPECT_EQ(Polynom_zu_Text({1, 1}, -1, false, 9, 6, false), "");
}

class Zahlenformat : public testing::Test {
 protected:
  void SetUp() override {
    alt_N = Zahlformat.Nachkommastellen;
    alt_G = Zahlformat.Gesamtstellen;
  }
  void TearDown() override {
    Zahlformat.Nachkommastellen = alt_N;
    Zahlformat.Gesamtstellen = alt_G;
  }
  int alt_N = 0, alt_G = 0;
};

TEST_F(Zahlenformat, Startwerte) {
  EXPECT_EQ(alt_N, 6);
  EXPECT_EQ(alt_G, 9);
  EXPECT_FALSE(Zahlformat.Fixkomma);
  EXPECT_FALSE(Zahlformat.Bruchdarstellung);
}

TEST_F(Zahlenformat, Nachkommastellen_und_Gesamtstellen_halten_N_hoechstens_G_minus_3) {
  Zahlformat.Gesamtstellen = 8;
  Zahlformat.Nachkommastellen = 5;
  EXPECT_TRUE(Nachkommastellen_waehlen(9));
  EXPECT_EQ(Zahlformat.Nachkommastellen, 9);
  EXPECT_EQ(Zahlformat.Gesamtstellen, 12);
  EXPECT_EQ(Spaltenbreite_Standard(), 72);

  EXPECT_TRUE(Gesamtstellen_waehlen(8));
  EXPECT_EQ(Zahlformat.Gesamtstellen, 8);
  EXPECT_EQ(Zahlformat.Nachkommastellen, 5);
  EXPECT_EQ(Spaltenbreite_Standard(), 63);

  EXPECT_FALSE(Nachkommastellen_waehlen(5));
  EXPECT_FALSE(Nachkommastellen_waehlen(2));
  EXPECT_EQ(Zahlformat.Gesamtstellen, 8);
  EXPECT_FALSE(Gesamtstellen_waehlen(20));
  EXPECT_EQ(Zahlformat.Nachkommastellen, 2);
  EXPECT_EQ(Spaltenbreite_Standard(), 120);
  EXPECT_FALSE(Nachkommastellen_waehlen(17));
  EXPECT_EQ(Zahlformat.Gesamtstellen, 20);
}

}  // namespace

namespace {

// The window toolkit adopts the user's locale; a German one must not change any number text.
TEST(Zahltext, unabhaengig_vom_Gebietsschema) {
  const std::string alt = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.utf8")) {
    GTEST_SKIP() << "keine deutsche Locale installiert";
  }
  const std::string text = Zahl_zu_Text(false, 8, 5, 1234.5678L);
  const std::string wissenschaftlich = Zahl_zu_Text(false, 8, 5, 123456789.0L);
  long double w = 0;
  int pos = -1;
  const bool ok = Zahl_einlesen("-3,731E-5", w, pos);
  int e = 0;
  const long double m = Mantisse_Exponent(-0.00025L, e);
  std::setlocale(LC_NUMERIC, alt.c_str());
  EXPECT_EQ(text, "1234,567");
  EXPECT_EQ(wissenschaftlich, "1,2346E8");
  EXPECT_TRUE(ok);
  EXPECT_NEAR(static_cast<double>(w), -3.731E-5, 1E-18);
  EXPECT_EQ(e, -4);
  EXPECT_NEAR(static_cast<double>(m), -2.5, 1E-15);
}

}  // namespace
