#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"

namespace {

// Random terms in school notation, with the usual slips of a user mixed in.
class Termgenerator {
 public:
  explicit Termgenerator(std::uint64_t saat) : rng_(saat) {}

  std::string Term() {
    std::string t = Ausdruck(0);
    if (Zufall(100) < 15) Stoeren(t);
    return t;
  }

  std::uint32_t Zufall(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }

 private:
  std::string Ausdruck(int tiefe) {
    std::string t = Faktor(tiefe);
    const int teile = static_cast<int>(Zufall(tiefe == 0 ? 4 : 3));
    for (int i = 0; i < teile; ++i) {
      static const char* const ops[] = {"+", "-", "*", "/", "^", "·", "", "", "+", "-"};
      t += ops[Zufall(10)];  // "" is implicit multiplication
      t += Faktor(tiefe);
    }
    return t;
  }

  std::string Zahl() {
    static const char* const zahlen[] = {"0",   "1",    "2",    "3",     "0,5",   "12",
                                         "2,5", "0,1",  "9",    "3,",    ",5",    "1000",
                                         "2E3", "2E-3", "1E-2", "0,001", "1,5E2", "7"};
    return zahlen[Zufall(18)];
  }

  std::string Faktor(int tiefe) {
    static const char* const buchstaben[] = {"x", "x", "x", "t", "n", "k", "e", "pi", "p"};
    static const char* const funktionen[] = {
        "sqr",  "sqrt",   "ln",   "lg",    "ld",     "abs",    "sin",    "cos",    "tan",
        "cot",  "arctan", "sgn",  "floor", "gauf",   "normal", "random", "arcsin", "arccos",
        "cosh", "sinh",   "tanh", "coth",  "arsinh", "arcosh", "artanh", "arcoth", "arccot",
        "w",    "exp",    "co",   "arcs",  "foo",    "sinx",   "Sin",    "ABS"};
    std::string f;
    const std::uint32_t art = tiefe >= 4 ? Zufall(2) : Zufall(10);
    switch (art) {
      case 0:
        f = Zahl();
        break;
      case 1:
        f = buchstaben[Zufall(9)];
        break;
      case 2:
      case 3:
        f = Zahl() + buchstaben[Zufall(9)];
        break;
      case 4:
        f = "(" + Ausdruck(tiefe + 1) + ")";
        break;
      case 5:
        f = "[" + Ausdruck(tiefe + 1) + "]";
        break;
      case 6:
      case 7:
      case 8:
        f = std::string(funktionen[Zufall(35)]) + "(" + Ausdruck(tiefe + 1) + ")";
        break;
      default:
        f = "-" + Faktor(tiefe + 1);
        break;
    }
    switch (Zufall(12)) {
      case 0:
        f += "²";
        break;
      case 1:
        f += "³";
        break;
      case 2:
        f += "°";
        break;
      default:
        break;
    }
    return f;
  }

  void Stoeren(std::string& t) {
    static const char* const zeichen[] = {"*", "+", ")", "(", ".", ",", "E", "y", "²",
                                          "°", "ä", "-", "x", "2", "^", "/", " ", "()"};
    const std::size_t p = Zufall(static_cast<std::uint32_t>(t.size()) + 1);
    switch (Zufall(3)) {
      case 0:
        t.insert(p, zeichen[Zufall(18)]);
        break;
      case 1:
        if (p < t.size() && static_cast<unsigned char>(t[p]) < 0x80) t.erase(p, 1);
        break;
      default:
        if (!t.empty() && t.back() == ')') t.pop_back();
        break;
    }
  }

  std::mt19937_64 rng_;
};

// Everything an evaluation shows to its caller.
struct Beobachtung {
  long double wert;
  bool fehler, sprung, sgn_null, knick;
  std::string text;
  std::uint32_t saat;
};

// The three ways to a value: the direct reader, the text through its cached compiled form, and
// a compiled object.
enum class Weg { Leser, Text, Objekt };

Beobachtung Auswerten(Weg weg, TTerm* objekt, const std::string& term, long double x, long double k,
                      bool marken) {
  // The state before the call is part of the result: a rejected text keeps the old flags and
  // a clean one the old text.
  Fehler = !marken;
  Sprung = Sgn_Null = Knick = marken;
  Fehlertext = "vorher";
  Beobachtung b{};
  switch (weg) {
    case Weg::Leser:
      b.wert = Term_auswerten_Referenz(term, x, k);
      break;
    case Weg::Text:
      b.wert = Term_auswerten(term, x, k);
      break;
    case Weg::Objekt:
      b.wert = objekt->Wert(x, k);
      break;
  }
  b.fehler = Fehler;
  b.sprung = Sprung;
  b.sgn_null = Sgn_Null;
  b.knick = Knick;
  b.text = Fehlertext;
  b.saat = Zufall_Saat();
  return b;
}

Beobachtung Beobachten(bool schnell, const std::string& term, long double x, long double k,
                       std::uint32_t saat, bool marken) {
  Zufall_zuruecksetzen(saat);
  return Auswerten(schnell ? Weg::Text : Weg::Leser, nullptr, term, x, k, marken);
}

bool gleiche_bits(long double a, long double b) {
  return std::memcmp(&a, &b, 10) == 0;  // the 80 bits of the extended format
}

bool gleich(const Beobachtung& r, const Beobachtung& s) {
  return gleiche_bits(r.wert, s.wert) && r.fehler == s.fehler && r.sprung == s.sprung &&
         r.sgn_null == s.sgn_null && r.knick == s.knick && r.text == s.text && r.saat == s.saat;
}

std::string Bericht(const Beobachtung& b) {
  std::ostringstream o;
  o << static_cast<double>(b.wert) << " " << b.fehler << " '" << b.text << "' " << b.sprung
    << b.sgn_null << b.knick << " " << b.saat;
  return o.str();
}

class Schnellweg : public ::testing::Test {
 protected:
  void SetUp() override { alt_ = KOS; }
  void TearDown() override { KOS = alt_; }
  TKOS alt_;
};

TEST_F(Schnellweg, GleichesVerhaltenWieDerLeser) {
  // Each term is compiled once into an object and evaluated at several arguments in a row, as
  // a plot does; the text path and the reader go through the same arguments in the same order
  // from the same random seed, so draws of RANDOM carry over from one evaluation to the next.
  Termgenerator gen(20251208);
  const std::vector<long double> feste_x = {
      0,      1,    -1,    0.5L,   2,     -2,     3,       0.001L, -0.001L, 2.0005L, 1E-5L, 1E10L,
      -1E10L, 3E9L, 1E20L, 1E300L, 20000, -20000, 1E4000L, 0.99L,  1.0001L, -0.5L,   100,   4.5L};
  std::mt19937_64 zahlen(7);
  std::uniform_real_distribution<double> gleichverteilt(-10, 10);
  int auswertungen = 0, uebersetzt = 0, terme = 0, mit_fehler = 0, mit_marke = 0, gezogen = 0;
  std::uint32_t saat = 0;
  struct Aufruf {
    long double x, k;
    bool marken;
  };
  constexpr int laeufe = 6;
  while (auswertungen < 48000) {
    const std::string term = gen.Term();
    ++terme;
    if (terme % 50 == 0) {
      // Another view: the tolerance is read at evaluation time on every path.
      static const long double breiten[] = {16, 2, 160, 0.01L};
      const long double b = breiten[gen.Zufall(4)];
      KOS.xli = -b / 2;
      KOS.xre = b / 2;
    }
    Aufruf aufrufe[laeufe];
    for (Aufruf& a : aufrufe) {
      a.x = gen.Zufall(3) == 0 ? static_cast<long double>(gleichverteilt(zahlen))
                               : feste_x[gen.Zufall(feste_x.size())];
      a.k = gen.Zufall(2) == 0 ? static_cast<long double>(gleichverteilt(zahlen))
                               : feste_x[gen.Zufall(feste_x.size())];
      a.marken = gen.Zufall(2) == 0;
    }
    saat = saat * 69069u + 12345u;
    // The object is used through copies kept in a container, as a caller's loop may keep it.
    TTerm objekt(term);
    std::vector<TTerm> behaelter(2, objekt);
    behaelter[1] = std::move(objekt);
    uebersetzt += behaelter[0].Uebersetzt();
    Beobachtung r[laeufe], t[laeufe], o[laeufe];
    Zufall_zuruecksetzen(saat);
    for (int i = 0; i < laeufe; ++i)
      r[i] = Auswerten(Weg::Leser, nullptr, term, aufrufe[i].x, aufrufe[i].k, aufrufe[i].marken);
    Zufall_zuruecksetzen(saat);
    for (int i = 0; i < laeufe; ++i)
      t[i] = Auswerten(Weg::Text, nullptr, term, aufrufe[i].x, aufrufe[i].k, aufrufe[i].marken);
    Zufall_zuruecksetzen(saat);
    for (int i = 0; i < laeufe; ++i)
      o[i] = Auswerten(Weg::Objekt, &behaelter[i % 2], term, aufrufe[i].x, aufrufe[i].k,
                       aufrufe[i].marken);
    for (int i = 0; i < laeufe; ++i, ++auswertungen) {
      mit_fehler += r[i].fehler;
      mit_marke += r[i].sprung || r[i].knick;
      gezogen += r[i].saat != (i == 0 ? saat : r[i - 1].saat);
      ASSERT_TRUE(gleich(r[i], t[i]) && gleich(r[i], o[i]))
          << "Term '" << term << "' call " << i << " x=" << static_cast<double>(aufrufe[i].x)
          << " k=" << static_cast<double>(aufrufe[i].k) << "\n  Leser:  " << Bericht(r[i])
          << "\n  Text:   " << Bericht(t[i]) << "\n  Objekt: " << Bericht(o[i]);
    }
  }
  // The comparison means something only if both kinds of terms and outcomes occur often.
  EXPECT_GT(uebersetzt, terme / 3);
  EXPECT_LT(uebersetzt, terme);
  EXPECT_GT(mit_fehler, auswertungen / 10);
  EXPECT_GT(mit_marke, 100);
  EXPECT_GT(gezogen, 100);
}

TEST_F(Schnellweg, ToleranzZurAuswertungszeit) {
  // The compiled form of a term must not keep the view it was compiled under.
  TTerm sgn("sgn(x)");
  EXPECT_EQ(Term_auswerten("sgn(x)", 0.001L, 0), 0);
  EXPECT_EQ(sgn.Wert(0.001L, 0), 0);
  EXPECT_TRUE(Sprung && Sgn_Null);
  KOS.xli = -1;
  KOS.xre = 1;
  EXPECT_EQ(Term_auswerten("sgn(x)", 0.001L, 0), 1);
  EXPECT_EQ(sgn.Wert(0.001L, 0), 1);
  EXPECT_FALSE(Sprung || Sgn_Null);
  EXPECT_EQ(Term_auswerten("arcsin(x)", 0.9999L, 0),
            Term_auswerten_Referenz("arcsin(x)", 0.9999L, 0));
}

TEST_F(Schnellweg, VieleTermeImWechsel) {
  // More terms than the cache holds, in turn: each must still give its own values.
  std::vector<std::string> terme;
  for (int i = 1; i <= 20; ++i)
    terme.push_back(std::to_string(i) + "x+t");
  for (int runde = 0; runde < 3; ++runde) {
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(Term_auswerten(terme[i], 2, 1), 2.0L * (i + 1) + 1) << terme[i];
      EXPECT_FALSE(Fehler);
    }
  }
}

TEST_F(Schnellweg, ObjekteVieleTermeNebeneinander) {
  // More objects than the text cache holds, kept side by side and evaluated in turn: each
  // gives the value of its own term, copies included.
  std::vector<TTerm> terme;
  for (int i = 1; i <= 20; ++i)
    terme.emplace_back(std::to_string(i) + "x+t");
  const std::vector<TTerm> kopien = terme;
  for (int runde = 0; runde < 2; ++runde) {
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(terme[i].Wert(2, 1), 2.0L * (i + 1) + 1) << terme[i].Text();
      EXPECT_EQ(TTerm(kopien[i]).Wert(3, 0), 3.0L * (i + 1)) << kopien[i].Text();
    }
  }
}

TEST_F(Schnellweg, ObjektMeldetFehlerWieDerText) {
  // Term text -> value at x = 2, k = 3, and the fault text (empty: none).
  struct Fall {
    const char* term;
    long double wert;
    const char* fehler;
  };
  const Fall faelle[] = {
      {"x^2+t", 7, ""},
      {"", 1E100L, "Kette leer"},
      {"x+", 1E100L, "Operand erwartet"},
      {"2sin(x)", 1E100L, "Operator erwartet"},
      {"foo(x)", 1E100L, "Operator erwartet"},
      {"ln(x-2)", 1E100L, "ln(a<=0) nicht erlaubt"},
      {"1/(x-2)", 1E100L, "Division durch Null"},
  };
  for (const Fall& f : faelle) {
    TTerm t(f.term);
    EXPECT_EQ(t.Text(), f.term);
    bool ok = false;
    EXPECT_EQ(t.Auswerten(2, 3, ok), f.wert) << f.term;
    EXPECT_EQ(ok, *f.fehler == 0) << f.term;
    EXPECT_EQ(Fehler, *f.fehler != 0) << f.term;
    if (Fehler) {
      EXPECT_EQ(Fehlertext, f.fehler) << f.term;
    }
  }
  TTerm leer;
  EXPECT_EQ(leer.Wert(0, 0), 1E100L);
  EXPECT_EQ(Fehlertext, "Kette leer");
}

TEST_F(Schnellweg, TermeMitSyntaxfehlernNimmtDerLeser) {
  for (const char* t : {"x**2", "foo(x)", "1..2", "", "x+", "2sin(x)", "sin"}) {
    EXPECT_FALSE(Term_schnell_uebersetzbar(t)) << t;
  }
  for (const char* t : {"0,1tx(9t-x²)", "sin(x)/x", "x^3-2x^2+x-1", "exp(-x²/2)", "w(x²+1)",
                        "3,2x(1-x)", "random(6)+1", "ln(0)"}) {
    EXPECT_TRUE(Term_schnell_uebersetzbar(t)) << t;
  }
}

TEST_F(Schnellweg, TiefeSchachtelungBleibtHeil) {
  // Far deeper than anybody types: refused with a bracket fault, not a crash.
  const std::string tief = std::string(5000, '(') + "x" + std::string(5000, ')');
  EXPECT_EQ(Term_auswerten(tief, 1, 0), 1E100L);
  EXPECT_TRUE(Fehler);
  EXPECT_EQ(Fehlertext, "falscher Klammerterm");
  const std::string maessig = std::string(100, '(') + "x" + std::string(100, ')');
  EXPECT_EQ(Term_auswerten(maessig, 3, 0), 3);
  EXPECT_FALSE(Fehler);
  // 1 + x(1 + x(1 + ... x)): every level leaves an x waiting for its bracket, more than an
  // evaluation keeps on its own stack. At x = 2 each level doubles and adds 1, from 2 to
  // 3 * 2^60 - 1, exact in 80 bits.
  std::string horner = "x";
  for (int i = 0; i < 60; ++i)
    horner = "1+x(" + horner + ")";
  TTerm objekt(horner);
  EXPECT_EQ(objekt.Wert(2, 0), 3458764513820540927.0L);
  EXPECT_EQ(Term_auswerten(horner, 2, 0), 3458764513820540927.0L);
  EXPECT_FALSE(Fehler);
}

}  // namespace

namespace {

TEST_F(Schnellweg, TermeGleicherLaengeMitEinemAnderenZeichen) {
  // Texts of one length that differ in a single place, at every place and for every length
  // from 1 to 24, evaluated in turn: each must give its own value, never its neighbour's.
  for (std::size_t laenge = 1; laenge <= 24; ++laenge) {
    for (std::size_t stelle = 0; stelle < laenge; ++stelle) {
      // "1111...1" with a 2 at `stelle`: a plain number whose value is known.
      std::string a(laenge, '1');
      std::string b = a;
      b[stelle] = '2';
      const long double wert_a = std::stold(a);
      const long double wert_b = std::stold(b);
      for (int runde = 0; runde < 2; ++runde) {
        EXPECT_EQ(Term_auswerten(a, 0, 0), wert_a) << a;
        EXPECT_EQ(Term_auswerten(b, 0, 0), wert_b) << b;
      }
    }
  }
}

}  // namespace

namespace {

TEST_F(Schnellweg, WurzelSinusKosinusAnDenRaendern) {
  // The calls done in place must behave like the general call at every edge: negative and
  // signed-zero radicands and logarithm arguments, the kink flag of abs, the reduction bounds of
  // sine and cosine, huge and overflowing arguments, and faults met before the call. Likewise a
  // product, quotient, sum or difference whose right operand is one letter with a constant: a fault
  // inside that operand comes before the one of the outer operation, and a power of zero is +0.
  const std::vector<std::string> terme = {
      "w(x)",     "sqrt(x)",       "sin(x)",    "cos(x)",      "sin(x)/x",     "w(x²+1)",
      "cos(x^2)", "sqrt(x-2)",     "sin(1/x)",  "cos(ln(x))",  "w(w(x))",      "sin(x)+cos(x)k",
      "x(1-x)",   "x/(x-2)",       "1/x*(1/x)", "k-x^3",       "x(x/0,5)",     "2x/(x²)",
      "kx(x-1)",  "x/(1E-4000/x)", "x-(x³)",    "(x+1)/(2/t)", "x*(x*1E4000)", "-x-(-x)^4",
      "abs(x)",   "ln(x)",         "abs(x-1)k", "ln(abs(x))",  "abs(x)/ln(x)"};
  const long double pi_viertel = 0.785398163397448309616L;
  const std::vector<long double> xs = {0,
                                       -0.0L,
                                       -1,
                                       1,
                                       2,
                                       1E-4000L,
                                       -1E-4000L,
                                       0.78L,
                                       -0.78L,
                                       std::nextafter(0.78L, 1.0L),
                                       pi_viertel,
                                       -pi_viertel,
                                       16777216.0L,
                                       std::nextafter(16777216.0L, 0.0L),
                                       9223372036854775808.0L,
                                       std::nextafter(9223372036854775808.0L, 0.0L),
                                       1E300L,
                                       1E4000L,
                                       -1E4000L,
                                       100.5L,
                                       -3.14159L};
  for (const std::string& term : terme) {
    ASSERT_TRUE(Term_schnell_uebersetzbar(term)) << term;
    for (const long double x : xs) {
      for (const bool marken : {false, true}) {
        TTerm objekt(term);
        const Beobachtung r = Beobachten(false, term, x, 0.5L, 11, marken);
        const Beobachtung s = Beobachten(true, term, x, 0.5L, 11, marken);
        const Beobachtung o = Auswerten(Weg::Objekt, &objekt, term, x, 0.5L, marken);
        EXPECT_TRUE(gleich(r, s) && gleich(r, o))
            << term << " x=" << static_cast<double>(x) << ": " << Bericht(r) << " / " << Bericht(s)
            << " / " << Bericht(o);
      }
    }
  }
}

}  // namespace

namespace {

TEST_F(Schnellweg, SinusUndKosinusInAllenVierteln) {
  // sin and cos at k * pi/2 + 0,3 for every quarter k, negative ones included, on both paths:
  // the shift by k quarters turns them into +-sin(0,3) or +-cos(0,3).
  const long double pi_halbe = 1.570796326794896619231L;
  const long double s = std::sin(0.3L), c = std::cos(0.3L);
  // k mod 4 -> value of sin and of cos
  const long double sinus[4] = {s, c, -s, -c};
  const long double kosinus[4] = {c, -s, -c, s};
  for (int k = -9; k <= 9; ++k) {
    const long double x = k * pi_halbe + 0.3L;
    const int viertel = ((k % 4) + 4) % 4;
    TTerm sin_t("sin(x)"), cos_t("cos(x)");
    EXPECT_NEAR(sin_t.Wert(x, 0), sinus[viertel], 1E-17L) << k;
    EXPECT_NEAR(cos_t.Wert(x, 0), kosinus[viertel], 1E-17L) << k;
    EXPECT_NEAR(Term_auswerten_Referenz("sin(x)", x, 0), sinus[viertel], 1E-17L) << k;
    EXPECT_NEAR(Term_auswerten_Referenz("cos(x)", x, 0), kosinus[viertel], 1E-17L) << k;
  }
}

}  // namespace

namespace {

TEST_F(Schnellweg, UngeprueftUndGeprueftGleich) {
  // Each step kind of the runs that skip the checks, at the values where the checks matter:
  // the fault and its text come from the rules, the value from mathematics (1E100 on a fault),
  // and the reader, the text and the object must agree in every bit and flag. The default view
  // (-8 .. 8 over 640 pixels) gives the tolerance 0,00125.
  constexpr long double inf = std::numeric_limits<long double>::infinity();
  constexpr long double F = 1E100L;
  struct Fall {
    const char* term;
    long double x, erwartet;
    const char* fehler;  // "" = none
    bool knick;
  };
  const Fall faelle[] = {
      {"x^3", -0.0L, 0, "", false},  // 0 to a positive power is +0
      {"x^5", -0.0L, 0, "", false},
      {"x^2", -0.0L, 0, "", false},
      {"x-(x^3)", -0.0L, -0.0L, "", false},   // -0 - (+0)
      {"x^11111", -0.25L, -0.0L, "", false},  // an odd power that underflows keeps its sign
      {"x^3", -1E-2000L, -0.0L, "", false},
      {"(x+1)^3", 1, 8, "", false},
      {"2*-x", 3, -6, "", false},
      {"(x+1)/(x-1)", 3, 2, "", false},
      {"(x+1)/(x-1)", 1, F, "Division durch Null", false},
      {"2/(x+1)", -1, F, "Division durch Null", false},
      {"(x+1)/x", 0, F, "Division durch Null", false},
      {"x*(1/x)", 0, F, "Division durch Null", false},
      {"x/t", 1, 2, "", false},  // t = 0,5
      {"1/x", inf, F, "Ergebnis nicht definiert", false},
      {"x/(x+1)", inf, F, "Ergebnis nicht definiert", false},
      {"2+x*(1/x)", inf, F, "Ergebnis nicht definiert", false},
      {"x^3", 1E2000L, F, "Fehler beim Potenzieren", false},
      {"x^5", 1E1000L, F, "Fehler beim Potenzieren", false},
      {"x*x", 1E3000L, F, "Fehler bei der Multiplikation", false},
      {"x+x", 1E4932L, F, "Fehler bei der Addition", false},
      {"0-x-x", 1E4932L, F, "Fehler bei der Subtraktion", false},
      {"1/(x-x)+x*x", 1E3000L, F, "Fehler bei der Multiplikation", false},  // the last fault
      {"x*x+1/(x-x)", 1E3000L, F, "Division durch Null", false},
      {"1/(x-2)+w(x-3)", 2, F, "Radikand kleiner als Null", false},
      {"ln(x-2)+1/(x-2)", 2, F, "Division durch Null", false},
      {"w(x)", -0.0L, -0.0L, "", false},
      {"w(x)", -1, F, "Radikand kleiner als Null", false},
      {"w(x)", inf, F, "Ergebnis nicht definiert", false},
      {"abs(x)", 0.001L, 0.001L, "", true},
      {"abs(x)", -0.01L, 0.01L, "", false},
      {"abs(x)+1/(x-x)", 0.001L, F, "Division durch Null", true},
      {"exp(x)", 0, 1, "", false},
      {"exp(x)", -inf, F, "Ergebnis nicht definiert", false},
      {"exp(x)", 4611686018427387904.5L, F, "Fehler beim Potenzieren", false},
      {"exp(x)", -4611686018427387904.5L, 0, "", false},
      {"exp(x)", 1E30L, F, "Fehler beim Potenzieren", false},
      {"2^x", 10, 1024, "", false},
      {"2^x", -1, 0.5L, "", false},
      {"2^x", 0.5L, 1.414213562373095048801688724209698079L, "", false},
      {"x^x", -2, 0.25L, "", false},
      {"(0-8)^x", 2, 64, "", false},
      {"sin(x)", inf, F, "Ergebnis nicht definiert", false},
      {"cos(x)", -inf, F, "Ergebnis nicht definiert", false},
      {"sin(x)", 0, 0, "", false},
      {"ln(x)", 0, F, "ln(a<=0) nicht erlaubt", false},
      {"ln(x)", 1, 0, "", false},
      {"ln(x)", inf, F, "Ergebnis nicht definiert", false},
      {"sqr(x)+1/(x-x)", 1E3000L, F, "a zu groß bei sqr", false},  // ends at once
      {"floor(x)*2", 1E20L, F, "a zu groß bei floor", false},
      {"floor(x)*2", 2.5L, 4, "", false},
      {"x²+1", 2, 5, "", false},  // powers of a leaf with a constant, t = 0,5
      {"x²-1", 3, 8, "", false},
      {"2x²", 3, 18, "", false},
      {"x²/2", 3, 4.5L, "", false},
      {"1-x²", 3, -8, "", false},
      {"1/x²", 2, 0.25L, "", false},
      {"1/x²", 0, F, "Division durch Null", false},
      {"x³/0", 1, F, "Division durch Null", false},
      {"x³*(0-1)", -0.0L, -0.0L, "", false},  // (+0) * (-1)
      {"t²+1", 7, 1.25L, "", false},
      {"x^4+1", 1E1500L, F, "Fehler beim Potenzieren", false},
      {"x-2x²", 3, -15, "", false},  // ... as the right operand of an operation
      {"x*(x²-1)", 2, 6, "", false},
      {"x/(x²+1)", 2, 0.4L, "", false},
      {"x+t²/2", 1, 1.125L, "", false},
      {"x-(1-t²)", 1, 0.25L, "", false},
      {"x/(1/x²)", 2, 8, "", false},
      {"x/(1/x²)", 0, F, "Division durch Null", false},
      {"x/(x²-4)", 2, F, "Division durch Null", false},
      {"(x+1)^(x²+1)", 1, 4, "", false},
  };
  for (const Fall& f : faelle) {
    TTerm objekt(f.term);
    ASSERT_TRUE(objekt.Uebersetzt()) << f.term;
    for (const bool marken : {false, true}) {
      const Beobachtung r = Beobachten(false, f.term, f.x, 0.5L, 5, marken);
      const Beobachtung s = Beobachten(true, f.term, f.x, 0.5L, 5, marken);
      const Beobachtung o = Auswerten(Weg::Objekt, &objekt, f.term, f.x, 0.5L, marken);
      EXPECT_TRUE(gleich(r, s) && gleich(r, o))
          << f.term << " x=" << static_cast<double>(f.x) << ": " << Bericht(r) << " / "
          << Bericht(s) << " / " << Bericht(o);
      EXPECT_EQ(o.wert, f.erwartet) << f.term << " x=" << static_cast<double>(f.x);
      EXPECT_EQ(std::signbit(o.wert), std::signbit(f.erwartet)) << f.term;
      EXPECT_EQ(o.fehler, *f.fehler != 0) << f.term;
      EXPECT_EQ(o.text, *f.fehler ? f.fehler : "vorher") << f.term;
      EXPECT_EQ(o.knick, f.knick) << f.term;
    }
  }
}

TEST_F(Schnellweg, KnickNachNeuerAnsichtUndZufallOhneAbkuerzung) {
  // The kink tolerance follows the view between two evaluations of one object: 0,01 is no kink
  // at 16 units over 640 pixels (tolerance 0,00125) but one at 400 units (0,03125).
  TTerm betrag("abs(x)+x");
  EXPECT_EQ(betrag.Wert(0.01L, 0), 0.02L);
  EXPECT_FALSE(Knick);
  KOS.xli = -200;
  KOS.xre = 200;
  EXPECT_EQ(betrag.Wert(0.01L, 0), 0.02L);
  EXPECT_TRUE(Knick);
  // A term that draws is never run twice: one evaluation takes exactly one draw, also when a
  // fault follows it.
  for (const char* term : {"random(6)+x", "random(6)+1/x"}) {
    TTerm zufall(term);
    Zufall_zuruecksetzen(1);
    zufall.Wert(0, 0);
    const std::uint32_t nach_objekt = Zufall_Saat();
    Zufall_zuruecksetzen(1);
    Term_auswerten_Referenz(term, 0, 0);
    EXPECT_EQ(nach_objekt, Zufall_Saat()) << term;
    EXPECT_NE(nach_objekt, 1u) << term;
  }
}

}  // namespace
