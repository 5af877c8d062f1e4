#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"

namespace {

const long double PI = 3.141592653589793238462643383279502884L;
const long double E = 2.718281828459045235360287471352662498L;

// Relative closeness with an absolute floor for values near 0.
bool nahe(long double ist, long double soll, long double rel = 1E-17L) {
  return std::fabs(ist - soll) <= rel * std::fmax(1.0L, std::fabs(soll));
}

struct Wertfall {
  const char* term;
  long double x, k, soll;
  long double rel = 1E-17L;
};

void pruefe_werte(const std::vector<Wertfall>& faelle) {
  for (const auto& f : faelle) {
    Fehlertext.clear();
    const long double w = Term_auswerten(f.term, f.x, f.k);
    EXPECT_FALSE(Fehler) << f.term << " x=" << static_cast<double>(f.x) << ": " << Fehlertext;
    EXPECT_TRUE(nahe(w, f.soll, f.rel))
        << f.term << " x=" << static_cast<double>(f.x) << " ist " << static_cast<double>(w)
        << " soll " << static_cast<double>(f.soll);
  }
}

struct Fehlerfall {
  const char* term;
  long double x, k;
  const char* text;
};

void pruefe_fehler(const std::vector<Fehlerfall>& faelle) {
  for (const auto& f : faelle) {
    Fehlertext = "alt";
    const long double w = Term_auswerten(f.term, f.x, f.k);
    EXPECT_TRUE(Fehler) << f.term;
    EXPECT_EQ(w, 1E100L) << f.term;
    EXPECT_EQ(Fehlertext, f.text) << f.term << " x=" << static_cast<double>(f.x);
  }
}

TEST(Auswertung, LesenUndRangfolge) {
  pruefe_werte({
      {"2^3^2", 0, 0, 64},
      {"-x^2", 3, 0, -9},
      {"(-x)^2", 3, 0, 9},
      {"3*-2^2", 0, 0, 12},
      {"2^-2", 0, 0, 0.25L},
      {"2--x", 3, 0, 5},
      {"1-2-3", 0, 0, -4},
      {"12/3/2", 0, 0, 2},
      {"1+2*3", 0, 0, 7},
      {"2*3+1", 0, 0, 7},
      {"2*(3+4)*5", 0, 0, 70},
      {"2^(3*4+1)", 0, 0, 8192},
      {"2*(3^2^2)", 0, 0, 162},
      {"2^(3^2*2)", 0, 0, 262144},
      {"2-(3-4-5)", 0, 0, 8},
      {"[x+1]*2", 4, 0, 10},
      {"(x+1)*2", 4, 0, 10},
      {"sin(x", 1, 0, std::sin(1.0L)},  // a missing last bracket is tolerated
      {"x)+5", 2, 0, 2},                // a surplus bracket ends the term
      {"2x", 1.5L, 0, 3},
      {"xxx", 2, 0, 8},
      {"tx", 2, 3, 6},
      {"nx", 2, 3, 6},
      {"kx", 2, 3, 6},
      {"3,0(5x-2)", 1, 0, 9},
      {"-0,2tx³+0,4t²x", 2, 3, -0.2L * 3 * 8 + 0.4L * 9 * 2, 1E-17L},
      {"x·cos(t)", 2, 0, 2},
      {".5", 0, 0, 0.5L},
      {"3.", 0, 0, 3},
      {".", 0, 0, 0},
      {"2,5", 0, 0, 2.5L},
      {"pi", 0, 0, PI},
      {"p", 0, 0, PI},
      {"2pi", 0, 0, 2 * PI},
      {"e", 0, 0, E},
      {"exp(1)", 0, 0, E, 1E-18L},
      {"exp(-x²/2)", 0, 0, 1},
      {"2e-3", 0, 0, 2 * E - 3},
      {"2E-3", 0, 0, 0.002L},
      {"2,05E-17", 0, 0, 2.05E-17L},
      {"1E3x", 2, 0, 2000},
      {"w(x)", 9, 0, 3},
      {"w(2)", 0, 0, std::sqrt(2.0L)},
      {"x^2+1", 1E2000L, 0, 1E4000L, 1E-17L},
      {"co(x)", 0, 0, 1},
      {"arcs(1/2)", 0, 0, PI / 6},
      {"sin(30°)", 0, 0, std::sin(30 * 0.0174532925L)},
      {"0,1tx(9t-x²)", 2, 3, 0.1L * 3 * 2 * (27 - 4)},
      {"x-x", 1E4000L, 0, 0},
  });
  // The truncated degree factor leaves sin(30°) just below one half.
  EXPECT_LT(Term_auswerten("sin(30°)", 0, 0), 0.5L);
  EXPECT_GT(Term_auswerten("sin(30°)", 0, 0), 0.499999999L);
}

TEST(Auswertung, JederFunktionsschluessel) {
  pruefe_werte({
      {"sqr(x)", -3, 0, 9},
      {"sqrt(x)", 2, 0, std::sqrt(2.0L)},
      {"ln(x)", E, 0, 1, 1E-18L},
      {"lg(x)", 1000, 0, 3},
      {"ld(x)", 8, 0, 3},
      {"abs(x)", -2.5L, 0, 2.5L},
      {"sin(x)", PI / 6, 0, 0.5L, 1E-18L},
      {"sin(x)", 9223372036854775808.0L, 0, 0},  // beyond the range of the sine
      {"cos(x)", PI / 3, 0, 0.5L, 1E-18L},
      {"cos(x)", -1E30L, 0, 0},
      {"tan(x)", PI / 4, 0, 1, 1E-18L},
      {"cot(x)", PI / 4, 0, 1, 1E-18L},
      {"arctan(x)", 1, 0, PI / 4, 1E-18L},
      {"sgn(x)", -3, 0, -1},
      {"sgn(x)", 0.002L, 0, 1},
      {"floor(x)", -0.5L, 0, -1},
      {"floor(x)", 2.5L, 0, 2},
      {"floor(x)", -2147483648.0L, 0, -2147483648.0L},
      {"floor(x)", 2147483647.5L, 0, 2147483647.0L},
      {"gauf(x)", 0, 0, 0.5L},
      {"gauf(x)", 1.96L, 0, 0.975002104851779563787L, 1E-17L},
      {"gauf(x)", 3, 0, 0.998650101968369905473L, 1E-17L},
      {"normal(x)", 0, 0, 1 / std::sqrt(2 * PI), 1E-18L},
      {"normal(x)", 1, 0, std::exp(-0.5L) / std::sqrt(2 * PI), 1E-18L},
      {"normal(x)", 1E3000L, 0, 0},
      {"arcsin(x)", 0.5L, 0, PI / 6, 1E-18L},
      {"arcsin(x)", -1, 0, -PI / 2, 1E-18L},
      {"arccos(x)", 0.5L, 0, PI / 3, 1E-18L},
      {"arccos(x)", -1, 0, PI, 1E-18L},
      {"cosh(x)", 0, 0, 1},
      {"cosh(x)", 1, 0, 1.543080634815243778478L, 1E-18L},
      {"sinh(x)", 1, 0, 1.175201193643801456882L, 1E-18L},
      {"sinh(x)", 1E-17L, 0, 0},
      {"tanh(x)", 1, 0, 0.761594155955764888119L, 1E-18L},
      {"coth(x)", 1, 0, 1.313035285499331303636L, 1E-18L},
      {"arsinh(x)", 1, 0, 0.881373587019543025233L, 1E-18L},
      {"arcosh(x)", 2, 0, 1.316957896924816708625L, 1E-18L},
      {"arcosh(x)", 1, 0, 0},
      {"artanh(x)", 0.5L, 0, 0.549306144334054845698L, 1E-18L},
      {"arcoth(x)", 2, 0, 0.549306144334054845698L, 1E-18L},
      {"arccot(x)", 0, 0, PI / 2},
      {"arccot(x)", -1, 0, 3 * PI / 4, 1E-18L},
      {"arccot(x)", 1, 0, PI / 4, 1E-18L},
      {"arccot(x)", 1E-11L, 0, PI / 2},
  });
}

// A name is found by its first occurrence in the list of names; a prefix that first occurs at
// the start of a listed name selects that function.
TEST(Auswertung, Namensanfaenge) {
  pruefe_werte({
      {"s(x)", 3, 0, 9},
      {"a(x)", -2, 0, 2},
      {"ar(x)", 1, 0, PI / 4, 1E-18L},
      {"arcc(x)", 0.5L, 0, PI / 3, 1E-18L},
      {"arco(x)", 2, 0, 1.316957896924816708625L, 1E-18L},
      {"f(x)", 2.5L, 0, 2},
      {"cosh(x)", 0, 0, 1},
      {"si(x)", PI / 2, 0, 1, 1E-18L},
  });
  // Found inside another name only: not a function. The reading goes on at the argument.
  pruefe_fehler({
      {"g(x)", 1, 0, "Operator erwartet"},
      {"h(x)", 1, 0, "Operator erwartet"},
      {"qr(x)", 1, 0, "Operator erwartet"},
      {"sqrtx", 1, 0, "ungültiger Funktionsaufruf"},
      {"osh", 1, 0, "ungültiger Funktionsaufruf"},
  });
}

// The distribution function is right far out in both tails, where its power series is useless.
TEST(Auswertung, GaufInDenRaendern) {
  struct Fall {
    long double a, phi;
  };
  const std::vector<Fall> faelle = {
      {-9, 1.12858840595384064773550E-19L},
      {-10, 7.61985302416052606597334E-24L},
      {-40, 3.65589354091502970374898E-350L},
      {9, 0.99999999999999999988714L},
      {40, 1},
      {1E4000L, 1},
  };
  for (const auto& f : faelle) {
    const long double w = Term_auswerten("gauf(x)", f.a, 0);
    EXPECT_FALSE(Fehler) << static_cast<double>(f.a);
    EXPECT_LE(std::fabs(w - f.phi), 1E-16L * f.phi) << static_cast<double>(f.a);
  }
}

TEST(Auswertung, FehlertexteDerFunktionen) {
  pruefe_fehler({
      {"sqrt(x)", -1, 0, "Radikand kleiner als Null"},
      {"w(-1)", 0, 0, "Radikand kleiner als Null"},
      {"ln(x)", 0, 0, "ln(a<=0) nicht erlaubt"},
      {"lg(x)", -1, 0, "lg(a<=0) nicht erlaubt"},
      {"ld(x)", 0, 0, "ld(a<=0) nicht erlaubt"},
      {"tan(x)", 9223372036854775808.0L, 0, "tan((2n+1)*pi/2) nicht erlaubt"},
      {"cot(x)", 0, 0, "cot(n*pi) nicht erlaubt"},
      {"arcsin(x)", 1.1L, 0, "|a|>1 nicht erlaubt bei arcsin"},
      {"arcsin(x)", -1.1L, 0, "|a|>1 nicht erlaubt bei arcsin"},
      {"arccos(x)", -1.5L, 0, "|a|>1 nicht erlaubt bei arccos"},
      {"cosh(x)", 20000, 0, "a zu groß für cosh"},
      {"cosh(x)", -11400, 0, "a zu groß für cosh"},
      {"sinh(x)", 20000, 0, "a zu groß für sinh"},
      {"tanh(x)", 20000, 0, "a zu groß für tanh"},
      {"coth(x)", 0, 0, "a=0 oder a zu groß bei coth"},
      {"coth(x)", 20000, 0, "a=0 oder a zu groß bei coth"},
      {"arsinh(x)", -1E10L, 0, "a zu groß bei arsinh"},
      {"arsinh(x)", 1E3000L, 0, "a zu groß bei arsinh"},
      {"arcosh(x)", 0.5L, 0, "a<1 oder a zu groß bei arcosh"},
      {"arcosh(x)", -1, 0, "a<1 oder a zu groß bei arcosh"},
      {"arcosh(x)", 1E4932L, 0, "a<1 oder a zu groß bei arcosh"},
      {"artanh(x)", 1, 0, "|a|>=1 nicht erlaubt bei artanh"},
      {"arcoth(x)", 1, 0, "|a|<=1 nicht erlaubt bei arcoth"},
      {"arcoth(x)", 0.5L, 0, "|a|<=1 nicht erlaubt bei arcoth"},
      // Arguments outside the ranges of the whole-number functions and of SQR.
      {"floor(x)", 2147483648.0L, 0, "a zu groß bei floor"},
      {"floor(x)", -2147483649.0L, 0, "a zu groß bei floor"},
      {"random(x)", 9223372036854775808.0L, 0, "a zu groß bei random"},
      {"sqr(x)", 1E3000L, 0, "a zu groß bei sqr"},
  });
}

TEST(Auswertung, FehlertexteDerVerknuepfungen) {
  pruefe_fehler({
      {"sin(x)/x", 0, 0, "Division durch Null"},
      {"1/(x-1)", 1, 0, "Division durch Null"},
      {"0/x", 0, 0, "Division durch Null"},
      {"x/0,5", LDBL_MAX, 0, "Division durch Null"},
      {"x+x", LDBL_MAX, 0, "Fehler bei der Addition"},
      {"-x-x", LDBL_MAX, 0, "Fehler bei der Subtraktion"},
      {"x*x", 1E3000L, 0, "Fehler bei der Multiplikation"},
      {"(-8)^0,5", 0, 0, "Fehler beim Potenzieren"},
      {"0^(-1)", 0, 0, "Fehler beim Potenzieren"},
      {"0^(-0,5)", 0, 0, "Fehler beim Potenzieren"},
      {"10^5000", 0, 0, "Fehler beim Potenzieren"},
      {"x^1,5", -4, 0, "Fehler beim Potenzieren"},
      {"e^x", 20000, 0, "Fehler beim Potenzieren"},
      {"1..2", 0, 0, "fehlerhafte Zahl"},
      {"1.2.3+x", 0, 0, "fehlerhafte Zahl"},
  });
}

TEST(Auswertung, Potenzregel) {
  pruefe_werte({
      {"(-8)^(1/3)", 0, 0, -2, 1E-18L},
      {"(-8)^(2/3)", 0, 0, 4, 1E-18L},
      {"x^0,8", -32, 0, 16, 1E-18L},
      {"x^(1/5)", -32, 0, -2, 1E-18L},
      {"(-2)^3", 0, 0, -8},
      {"(-2)^(-2)", 0, 0, 0.25L},
      {"0^0", 0, 0, 1},
      {"0^0,5", 0, 0, 0},
      {"x^0", -5, 0, 1},
      {"2^0,5", 0, 0, std::sqrt(2.0L), 1E-18L},
      {"x^2", -3, 0, 9},
      {"x^(-3)", 2, 0, 0.125L},
      {"2^62", 0, 0, 4611686018427387904.0L},
      {"10^(-5000)", 0, 0, 0},  // below the smallest number: zero, not a fault
  });
}

// A fault does not stop the reading: the text reported is the last one met, and a value that
// exists only because of a fault raises no further faults of its own.
TEST(Auswertung, LetzterFehlerZaehlt) {
  pruefe_fehler({
      {"foo(x)", 1, 0, "Operator erwartet"},
      {"sinx", 1, 0, "ungültiger Funktionsaufruf"},
      {"sinx(x)", 1, 0, "ungültiger Funktionsaufruf"},  // the x splits the name, not the call
      {"sin*(x)", 1, 0, "ungültiger Funktionsaufruf"},
      {"x**2", 1, 0, "Operand erwartet"},
      {"2*+3", 1, 0, "Operand erwartet"},
      {"1/+2", 1, 0, "Operand erwartet"},
      {"x*²", 1, 0, "Operand erwartet"},
      {"²", 1, 0, "Operand erwartet"},
      {"²x", 1, 0, "Operand erwartet"},
      {"2---x", 1, 0, "Operand erwartet"},
      {"sin", 1, 0, "Operand erwartet"},
      {"2sin(x)", 1, 0, "Operator erwartet"},
      {"2w(x)", 1, 0, "Operator erwartet"},
      {"x2+1", 1, 0, "Operator erwartet"},
      {"x2", 1, 0, "Operator erwartet"},
      {"2x3", 1, 0, "Operator erwartet"},
      {"pii", 1, 0, "Operator erwartet"},
      {"x.", 1, 0, "Operator erwartet"},
      {"x·", 1, 0, "Operand erwartet"},
      {"1/(x2)", 0, 0, "Operator erwartet"},
      {"ln(0)+1/x", 0, 0, "Division durch Null"},
      {"1/x+ln(0)", 0, 0, "ln(a<=0) nicht erlaubt"},
      {"ln(0)*0+x", 0, 0, "ln(a<=0) nicht erlaubt"},
      {"1/x*0", 0, 0, "Division durch Null"},
      {"1/x-1/x", 0, 0, "Division durch Null"},
      {"sqrt(-1)+x**2", 0, 0, "Operand erwartet"},
      {"x**2+ln(0)", 0, 0, "ln(a<=0) nicht erlaubt"},
      {"floor(1/x)", 0, 0, "Division durch Null"},
      {"1..2/0", 0, 0, "fehlerhafte Zahl"},
      {"ln(2*+3)", 0, 0, "Operand erwartet"},
  });
}

TEST(Auswertung, FehlerstandUndTextDerLetztenAuswertung) {
  Term_auswerten("ln(x)", 0, 0);
  ASSERT_TRUE(Fehler);
  // A clean evaluation clears Fehler but leaves the old text.
  EXPECT_EQ(Term_auswerten("x+1", 1, 0), 2);
  EXPECT_FALSE(Fehler);
  EXPECT_EQ(Fehlertext, "ln(a<=0) nicht erlaubt");
  // An infinite argument from the caller is no number to hand on.
  Term_auswerten("x", std::numeric_limits<long double>::infinity(), 0);
  EXPECT_TRUE(Fehler);
  Term_auswerten("x", std::numeric_limits<long double>::quiet_NaN(), 0);
  EXPECT_TRUE(Fehler);
}

class StandardAnsicht : public ::testing::Test {
 protected:
  void SetUp() override { alt_ = KOS; }
  void TearDown() override { KOS = alt_; }
  TKOS alt_;
};

struct Markenfall {
  const char* term;
  long double x;
  long double soll;
  bool sprung, sgn_null, knick;
};

TEST_F(StandardAnsicht, MarkenAnDenToleranzgrenzen) {
  // -8..8 on 640 columns: one twentieth of a column.
  Term_auswerten("abs(x)", 0, 0);
  const long double tol = 16.0L / 640 / 20;
  EXPECT_TRUE(nahe(Sprung_Toleranz, 0.00125L, 1E-18L));
  const std::vector<Markenfall> faelle = {
      {"sgn(x)", 0, 0, true, true, false},
      {"sgn(x)", 0.001L, 0, true, true, false},
      {"sgn(x)", tol, 0, true, true, false},
      {"sgn(x)", std::nextafter(tol, 1.0L), 1, false, false, false},
      {"sgn(x)", -std::nextafter(tol, 1.0L), -1, false, false, false},
      {"sgn(x)", 0.002L, 1, false, false, false},
      {"abs(x)", 0.001L, 0.001L, false, false, true},
      {"abs(x)", -0.001L, 0.001L, false, false, true},
      {"abs(x)", std::nextafter(tol, 0.0L), std::nextafter(tol, 0.0L), false, false, true},
      {"abs(x)", tol, tol, false, false, false},
      {"abs(x)", 0.002L, 0.002L, false, false, false},
      {"floor(x)", 2.0005L, 2, true, false, false},
      {"floor(x)", 2, 2, true, false, false},
      {"floor(x)", 2.001L, 2, true, false, false},
      {"floor(x)", 2.5L, 2, false, false, false},
      {"floor(x)", 1.999L, 1, false, false, false},
      {"floor(x)", -0.5L, -1, false, false, false},
      {"arcsin(x)", 0.999L, PI / 2, false, false, false},
      {"arcsin(x)", 1.001L, PI / 2, false, false, false},
      {"arccos(x)", 0.999L, 0, false, false, false},
      {"sgn(x)+abs(x-1)", 1, 1, false, false, true},
      {"floor(x)*sgn(x-3)", 3, 0, true, true, false},
  };
  for (const auto& f : faelle) {
    const long double w = Term_auswerten(f.term, f.x, 0);
    EXPECT_FALSE(Fehler) << f.term;
    EXPECT_TRUE(nahe(w, f.soll, 1E-18L)) << f.term << " x=" << static_cast<double>(f.x);
    EXPECT_EQ(Sprung, f.sprung) << f.term << " x=" << static_cast<double>(f.x);
    EXPECT_EQ(Sgn_Null, f.sgn_null) << f.term << " x=" << static_cast<double>(f.x);
    EXPECT_EQ(Knick, f.knick) << f.term << " x=" << static_cast<double>(f.x);
  }
  // Each evaluation starts with the flags cleared.
  Term_auswerten("sgn(x)", 0, 0);
  Term_auswerten("x", 0, 0);
  EXPECT_FALSE(Sprung);
  EXPECT_FALSE(Sgn_Null);
}

TEST_F(StandardAnsicht, ToleranzFolgtDerAnsicht) {
  KOS.xli = -1;
  KOS.xre = 1;  // one column is 2/640 wide now
  EXPECT_EQ(Term_auswerten("sgn(x)", 0.001L, 0), 1);
  EXPECT_FALSE(Sgn_Null);
  EXPECT_EQ(Term_auswerten("sgn(x)", 0.0001L, 0), 0);
  EXPECT_TRUE(Sgn_Null);
  EXPECT_TRUE(nahe(Sprung_Toleranz, 2.0L / 640 / 20, 1E-18L));
  KOS.xli = -80;
  KOS.xre = 80;
  EXPECT_EQ(Term_auswerten("sgn(x)", 0.01L, 0), 0);
}

// The generator from the rules: seed <- seed * 134775813 + 1 mod 2^32, value floor(n*seed/2^32).
struct Lcg {
  std::uint32_t saat = 0;
  long double naechste(std::uint64_t n) {
    saat = saat * 134775813u + 1u;
    return static_cast<long double>((static_cast<unsigned __int128>(n) * saat) >> 32);
  }
};

TEST(Zufall, FolgeAbSaatNull) {
  Zufall_zuruecksetzen();
  // By hand: the first seeds are 1 and 134775814, so random(100) starts 0, 3.
  EXPECT_EQ(Term_auswerten("random(100)", 0, 0), 0);
  EXPECT_EQ(Term_auswerten("random(100)", 0, 0), 3);
  Zufall_zuruecksetzen();
  Lcg lcg;
  for (int i = 0; i < 50; ++i) {
    const std::uint64_t n = 1 + static_cast<std::uint64_t>(i) * 977;
    const long double w = Term_auswerten("random(x)", static_cast<long double>(n), 0);
    EXPECT_EQ(w, lcg.naechste(n)) << i;
    EXPECT_LT(w, static_cast<long double>(n));
  }
  EXPECT_EQ(Zufall_Saat(), lcg.saat);
}

TEST(Zufall, RundungUndGrenzen) {
  Zufall_zuruecksetzen();
  Lcg lcg;
  // Halves round to even: 2,5 draws from 0..1, 3,5 from 0..3.
  EXPECT_EQ(Term_auswerten("random(2,5)", 0, 0), lcg.naechste(2));
  EXPECT_EQ(Term_auswerten("random(3,5)", 0, 0), lcg.naechste(4));
  // No range to draw from: 0, and nothing is drawn.
  const std::uint32_t vorher = Zufall_Saat();
  EXPECT_EQ(Term_auswerten("random(0,4)", 0, 0), 0);
  EXPECT_EQ(Term_auswerten("random(-5)", 0, 0), 0);
  EXPECT_FALSE(Fehler);
  EXPECT_EQ(Zufall_Saat(), vorher);
  // Beyond 32 bits the product is still exact.
  EXPECT_EQ(Term_auswerten("random(x)", 1E18L, 0), lcg.naechste(1000000000000000000ull));
  // Left to right within one term.
  const long double a = lcg.naechste(10), b = lcg.naechste(1000);
  EXPECT_EQ(Term_auswerten("random(10)*1000+random(1000)", 0, 0), a * 1000 + b);
}

TEST(Zufall, EineSaatFuerBeideWege) {
  // The reader and the compiled form draw from the same generator.
  Zufall_zuruecksetzen();
  Lcg lcg;
  EXPECT_EQ(Term_auswerten_Referenz("random(1000)", 0, 0), lcg.naechste(1000));
  EXPECT_EQ(Term_auswerten("random(1000)", 0, 0), lcg.naechste(1000));
  EXPECT_EQ(Term_auswerten_Referenz("random(1000)", 0, 0), lcg.naechste(1000));
}

}  // namespace
