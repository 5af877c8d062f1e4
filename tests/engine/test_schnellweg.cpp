#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
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

Beobachtung Beobachten(bool schnell, const std::string& term, long double x, long double k,
                       std::uint32_t saat, bool marken) {
  // The state before the call is part of the result: a rejected text keeps the old flags and
  // a clean one the old text.
  Fehler = !marken;
  Sprung = Sgn_Null = Knick = marken;
  Fehlertext = "vorher";
  Zufall_zuruecksetzen(saat);
  Beobachtung b{};
  b.wert = schnell ? Term_auswerten(term, x, k) : Term_auswerten_Referenz(term, x, k);
  b.fehler = Fehler;
  b.sprung = Sprung;
  b.sgn_null = Sgn_Null;
  b.knick = Knick;
  b.text = Fehlertext;
  b.saat = Zufall_Saat();
  return b;
}

bool gleiche_bits(long double a, long double b) {
  return std::memcmp(&a, &b, 10) == 0;  // the 80 bits of the extended format
}

class Schnellweg : public ::testing::Test {
 protected:
  void SetUp() override { alt_ = KOS; }
  void TearDown() override { KOS = alt_; }
  TKOS alt_;
};

TEST_F(Schnellweg, GleichesVerhaltenWieDerLeser) {
  Termgenerator gen(20251208);
  const std::vector<long double> feste_x = {
      0,      1,    -1,    0.5L,   2,     -2,     3,       0.001L, -0.001L, 2.0005L, 1E-5L, 1E10L,
      -1E10L, 3E9L, 1E20L, 1E300L, 20000, -20000, 1E4000L, 0.99L,  1.0001L, -0.5L,   100,   4.5L};
  std::mt19937_64 zahlen(7);
  std::uniform_real_distribution<double> gleich(-10, 10);
  int auswertungen = 0, uebersetzt = 0, terme = 0, mit_fehler = 0, mit_marke = 0;
  std::uint32_t saat = 0;
  while (auswertungen < 120000) {
    const std::string term = gen.Term();
    ++terme;
    if (terme % 50 == 0) {
      // Another view: the tolerance is read at evaluation time by both.
      static const long double breiten[] = {16, 2, 160, 0.01L};
      const long double b = breiten[gen.Zufall(4)];
      KOS.xli = -b / 2;
      KOS.xre = b / 2;
    }
    if (Term_schnell_uebersetzbar(term)) ++uebersetzt;
    const int laeufe = 4;
    for (int i = 0; i < laeufe; ++i, ++auswertungen) {
      const long double x = gen.Zufall(3) == 0 ? static_cast<long double>(gleich(zahlen))
                                               : feste_x[gen.Zufall(feste_x.size())];
      const long double k = gen.Zufall(2) == 0 ? static_cast<long double>(gleich(zahlen))
                                               : feste_x[gen.Zufall(feste_x.size())];
      saat = saat * 69069u + 12345u;
      const bool marken = gen.Zufall(2) == 0;
      const Beobachtung r = Beobachten(false, term, x, k, saat, marken);
      const Beobachtung s = Beobachten(true, term, x, k, saat, marken);
      mit_fehler += r.fehler;
      mit_marke += r.sprung || r.knick;
      const bool gleich_alles = gleiche_bits(r.wert, s.wert) && r.fehler == s.fehler &&
                                r.sprung == s.sprung && r.sgn_null == s.sgn_null &&
                                r.knick == s.knick && r.text == s.text && r.saat == s.saat;
      ASSERT_TRUE(gleich_alles) << "Term '" << term << "' x=" << static_cast<double>(x)
                                << " k=" << static_cast<double>(k)
                                << "\n  Leser: " << static_cast<double>(r.wert) << " " << r.fehler
                                << " '" << r.text << "' " << r.sprung << r.sgn_null << r.knick
                                << " " << r.saat << "\n  schnell: " << static_cast<double>(s.wert)
                                << " " << s.fehler << " '" << s.text << "' " << s.sprung
                                << s.sgn_null << s.knick << " " << s.saat;
    }
  }
  // The comparison means something only if both kinds of terms and outcomes occur often.
  EXPECT_GT(uebersetzt, terme / 3);
  EXPECT_LT(uebersetzt, terme);
  EXPECT_GT(mit_fehler, auswertungen / 10);
  EXPECT_GT(mit_fehler, 0);
  EXPECT_GT(mit_marke, 100);
}

TEST_F(Schnellweg, ToleranzZurAuswertungszeit) {
  // The compiled form of a term must not keep the view it was compiled under.
  EXPECT_EQ(Term_auswerten("sgn(x)", 0.001L, 0), 0);
  KOS.xli = -1;
  KOS.xre = 1;
  EXPECT_EQ(Term_auswerten("sgn(x)", 0.001L, 0), 1);
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
  // signed-zero radicands, the reduction bounds of sine and cosine, huge and overflowing
  // arguments, and faults met before the call.
  const std::vector<std::string> terme = {"w(x)",     "sqrt(x)",    "sin(x)",   "cos(x)",
                                          "sin(x)/x", "w(x²+1)",    "cos(x^2)", "sqrt(x-2)",
                                          "sin(1/x)", "cos(ln(x))", "w(w(x))",  "sin(x)+cos(x)k"};
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
        const Beobachtung r = Beobachten(false, term, x, 0.5L, 11, marken);
        const Beobachtung s = Beobachten(true, term, x, 0.5L, 11, marken);
        EXPECT_TRUE(gleiche_bits(r.wert, s.wert) && r.fehler == s.fehler && r.text == s.text &&
                    r.sprung == s.sprung && r.sgn_null == s.sgn_null && r.knick == s.knick)
            << term << " x=" << static_cast<double>(x) << ": " << static_cast<double>(r.wert)
            << " '" << r.text << "' / " << static_cast<double>(s.wert) << " '" << s.text << "'";
      }
    }
  }
}

}  // namespace
