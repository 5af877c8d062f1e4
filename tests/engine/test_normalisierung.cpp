#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/UFunktionsParser.h"
#include "support/SkriptDialoge.h"

namespace {

struct Kanon {
  const char* term;
  const char* kanonisch;
};

// School notation and the canonical text the rules turn it into.
const std::vector<Kanon> kanonische_texte = {
    {"-0,2tx³+0,4t²x", "0-0.2*K*X^3+0.4*K^2*X"},
    {"3,0(5x-2)*abs(x)", "3.0*(5*X-2)*ABS(X)"},
    {"x·cos(t)", "X*COS(K)"},
    {"sin(30°)", "SIN(30*.0174532925)"},
    {"2,05E-17", "2.05*10^-17"},
    {"exp(-x²)", "E^(0-X^2)"},
    {"w(2)", "SQRT(2)"},
    {"W(x)", "SQRT(X)"},
    {"2x", "2*X"},
    {"xxx", "X*X*X"},
    {"tx", "K*X"},
    {"3,0(5x-2)", "3.0*(5*X-2)"},
    {"[x+1]*2", "(X+1)*2"},
    {"2sin(x)", "2SIN(X)"},
    {"2w(x)", "2SQRT(X)"},
    {"pi", "P"},
    {"p", "P"},
    {"2pi", "2*P"},
    {"2e-3", "2*E-3"},
    {"2E-3", "2*10^-3"},
    {"2E3", "2*10^3"},
    {"+x", "X"},
    {"+-x", "0-X"},
    {"-x^2", "0-X^2"},
    {"(-x)^2", "(0-X)^2"},
    {"x*(-2)", "X*(0-2)"},
    {")(", ")*("},
    {"(x)(x)", "(X)*(X)"},
    {"x²", "X^2"},
    {"x³", "X^3"},
    {"²", "\xB2"},
    {"°x", "\xB0X"},
    {"x.5", "X.5"},
    {"x2+1", "X2+1"},
    {"ee", "E*E"},
    {"exp(x)", "E^(X)"},
    {"xexp(x)", "X*E^(X)"},
    // t, n and k all mean the parameter, but not inside function names
    {"t", "K"},
    {"n", "K"},
    {"k", "K"},
    {"2t", "2*K"},
    {"xn", "X*K"},
    {"t²", "K^2"},
    {"ln(t)", "LN(K)"},
    {"tan(n)", "TAN(K)"},
    {"cot(t)", "COT(K)"},
    {"sinh(t)", "SINH(K)"},
    {"sin(t)*n", "SIN(K)*K"},
    {"ntx", "KTX"},
    {"tt", "KT"},
    {"ttt", "TKT"},
    {"floor(t)", "FLOOR(K)"},
    {"random(n)", "RANDOM(K)"},
    {"normal(n)", "NORMAL(K)"},
    {"e^t", "E^K"},
    {"pit", "P*K"},
    {"pii", "PI"},
};

TEST(Normalisierung, KanonischeTexte) {
  for (const auto& f : kanonische_texte) {
    std::string k, fehler;
    ASSERT_TRUE(Term_normalisieren(f.term, k, fehler)) << f.term << ": " << fehler;
    EXPECT_EQ(k, f.kanonisch) << f.term;
  }
}

struct Normalisierungsfehler {
  const char* term;
  const char* text;
};

// Faults the rewriting itself finds, in the order of its steps.
const std::vector<Normalisierungsfehler> normalisierungsfehler = {
    {"", "Kette leer"},
    {"x+", "Operand erwartet"},
    {"2*x,", "Operand erwartet"},
    {"x-", "Operand erwartet"},
    {"x/", "Operand erwartet"},
    {"x^", "Operand erwartet"},
    {"x*", "Operand erwartet"},
    {"w", "Wurzelterm ungültig"},
    {"W", "Wurzelterm ungültig"},
    {"E2", "Falsche Verwendung von E (=10^)"},
    {"2E", "Falsche Verwendung von E (=10^)"},
    {"e*E", "Falsche Verwendung von E (=10^)"},
    {"EXP(1)", "Falsche Verwendung von E (=10^)"},
    {"2E+5", "Falsche Verwendung von E (=10^)"},
    {"xE2", "Falsche Verwendung von E (=10^)"},
    {"2E*3", "Falsche Verwendung von E (=10^)"},
    {"x y", "falsche Zeichen"},
    {"xy", "falsche Zeichen"},
    {"v", "falsche Zeichen"},
    {"z+1", "falsche Zeichen"},
    {"x:2", "falsche Zeichen"},
    {"x=1", "falsche Zeichen"},
    {"x!", "falsche Zeichen"},
    {"ä", "falsche Zeichen"},
    {"x·ü", "falsche Zeichen"},
    {"2€", "falsche Zeichen"},
    {"x\xff", "falsche Zeichen"},
    {"x\t", "falsche Zeichen"},
    {"()", "falscher Klammerterm"},
    {"sin()", "falscher Klammerterm"},
    {"[]", "falscher Klammerterm"},
    {"x*()+1", "falscher Klammerterm"},
};

TEST(Normalisierung, FehlerDerUmschreibung) {
  for (const auto& f : normalisierungsfehler) {
    std::string k, fehler;
    EXPECT_FALSE(Term_normalisieren(f.term, k, fehler)) << f.term << " -> " << k;
    EXPECT_EQ(fehler, f.text) << f.term;
    // The evaluation stops at the same fault and returns the agreed marker value.
    Fehler = false;
    EXPECT_EQ(Term_auswerten(f.term, 1, 1), 1E100L) << f.term;
    EXPECT_TRUE(Fehler) << f.term;
    EXPECT_EQ(Fehlertext, f.text) << f.term;
  }
}

TEST(Normalisierung, FehlerLaesstDieMarkenStehen) {
  Term_auswerten("sgn(x)", 0, 0);
  ASSERT_TRUE(Sprung);
  ASSERT_TRUE(Sgn_Null);
  Term_auswerten("x+", 0, 0);
  EXPECT_TRUE(Fehler);
  EXPECT_TRUE(Sprung);
  EXPECT_TRUE(Sgn_Null);
}

TEST(TermPruefen, SyntaxfehlerWerdenGemeldet) {
  const std::vector<Normalisierungsfehler> faelle = {
      {"x+", "Operand erwartet"},
      {"x**2", "Operand erwartet"},
      {"w", "Wurzelterm ungültig"},
      {"E2", "Falsche Verwendung von E (=10^)"},
      {"xy", "falsche Zeichen"},
      {"sin()", "falscher Klammerterm"},
      {"1..2", "fehlerhafte Zahl"},
      {"2sin(x)", "Operator erwartet"},
      {"x2+1", "Operator erwartet"},
      {"foo(x)", "Operator erwartet"},
      {"sinx", "ungültiger Funktionsaufruf"},
      {"sinx(x)", "ungültiger Funktionsaufruf"},
      {"sin", "Operand erwartet"},
  };
  for (const auto& f : faelle) {
    SkriptDialoge d;
    EXPECT_FALSE(Term_pruefen(f.term)) << f.term;
    ASSERT_EQ(d.meldungen.size(), 1u) << f.term;
    EXPECT_EQ(d.meldungen[0], f.text) << f.term;
  }
}

TEST(TermPruefen, AndereFehlerBestehenDiePruefung) {
  // Empty, undefined at x = 1, or faulty only in their values: the syntax is fine.
  for (const char* term : {"", "ln(x-1)", "1/(x-1)", "sqrt(-x)", "arcsin(2x)", "2x", "2*sin(x)",
                           "x^2-3tx", "(-8)^0,5", "coth(x-1)"}) {
    SkriptDialoge d;
    EXPECT_TRUE(Term_pruefen(term)) << term;
    EXPECT_TRUE(d.meldungen.empty()) << term;
  }
}

TEST(TermPruefen, PrueftBeiEins) {
  SkriptDialoge d;
  EXPECT_TRUE(Term_pruefen("1/(x-1)"));
  EXPECT_TRUE(Fehler);
  EXPECT_EQ(Fehlertext, "Division durch Null");
  EXPECT_TRUE(Term_pruefen("1/(t-2)"));
  EXPECT_FALSE(Fehler);
}

TEST(TermZuZahl, ZahlfelderNehmenTermeOhneX) {
  struct Fall {
    const char* text;
    bool ok;
    long double wert;
    int meldungen, piepse;
  };
  const long double pi = 3.141592653589793238462643383279502884L;
  const std::vector<Fall> faelle = {
      {"pi/2", true, pi / 2, 0, 0}, {"2,5", true, 2.5L, 0, 0}, {"-3", true, -3, 0, 0},
      {"w(4)", true, 2, 0, 0},      {"x+1", true, 1, 0, 0},  // x is 0 in a number field
      {"ln(0)", false, 0, 0, 1},    {"1/x", false, 0, 0, 1},   {"", false, 0, 0, 1},
      {"x**2", false, 0, 1, 0},     {"2,5,", false, 0, 1, 0},
  };
  for (const auto& f : faelle) {
    SkriptDialoge d;
    long double w = 12345;
    EXPECT_EQ(Term_zu_Zahl(f.text, w), f.ok) << f.text;
    if (f.ok)
      EXPECT_NEAR(static_cast<double>(w), static_cast<double>(f.wert), 1E-15) << f.text;
    else
      EXPECT_EQ(w, 12345) << f.text;
    EXPECT_EQ(static_cast<int>(d.meldungen.size()), f.meldungen) << f.text;
    EXPECT_EQ(d.piepse, f.piepse) << f.text;
  }
}

}  // namespace
