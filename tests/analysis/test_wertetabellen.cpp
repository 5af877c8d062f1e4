// The value, curve, sequence and limit tables cell by cell, and the distance sums of table points
// to a curve, against mathematics.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/UWertetabellen.h"
#include "engine/UMatheBasisOp.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/URechenlauf.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"

namespace {

const TZellformat kFormat{false, 9, 6};

std::string Z(long double x, int N = 6) {
  return Zahl_zu_Text(false, 9, N, x);
}
const std::string& C(int spalte, int zeile) {
  return Zahlentabelle.Zelle(spalte, zeile);
}
long double Wert(int spalte, int zeile) {
  long double w = NAN;
  EXPECT_TRUE(Zelle_als_Zahl(Zahlentabelle, spalte, zeile, w)) << spalte << "," << zeile;
  return w;
}

TWertevorgabe Vorgabe(const char* f, long double a, long double b, long double dx) {
  TWertevorgabe v;
  v.f = f;
  v.g = "2x";
  v.h = "x-1";
  v.a = a;
  v.b = b;
  v.dx = dx;
  v.format = kFormat;
  return v;
}

int Schreiben(const TWertevorgabe& v) {
  bool abgebrochen = true;
  const int n = Wertetabelle_schreiben(Zahlentabelle, v, abgebrochen);
  EXPECT_FALSE(abgebrochen);
  return n;
}

TEST(Wertetabelle, ToleranzUndZeilenDerIntegralfunktionFolgenDenNachkommastellen) {
  struct {
    int d;
    long double toleranz;
    int zeilen;  // 9 - trunc(d / 1,2), never below 0
  } const faelle[] = {{0, 0.01L, 9},   {4, 0.01L, 6},    {5, 0.01L, 5}, {6, 0.001L, 4},
                      {7, 0.0003L, 4}, {8, 0.00015L, 3}, {9, 3e-5L, 2}, {10, 3e-5L, 1},
                      {11, 1e-5L, 0},  {12, 1e-5L, 0},   {17, 1e-5L, 0}};
  for (const auto& f : faelle) {
    EXPECT_EQ(Integral_Toleranz(f.d), f.toleranz) << f.d;
    EXPECT_EQ(Integralzeilen(f.d), f.zeilen) << f.d;
  }
}

TEST(Wertetabelle, ParabelMitAbleitungenUndKruemmung) {
  ASSERT_EQ(Schreiben(Vorgabe("x²", 0, 2, 0.5L)), 5);
  const char* kopf[] = {"  x",       "   f(x)",    "   g(x)", "   h(x)", "    f'(x)",
                        "   f\"(x)", "   f\"'(x)", "  kr(x)", "  x"};
  for (int s = 1; s <= 9; ++s)
    EXPECT_EQ(C(s, 0), kopf[s - 1]) << s;
  for (int z = 1; z <= 5; ++z) {
    const long double x = (z - 1) * 0.5L;
    EXPECT_EQ(C(1, z), Z(x)) << z;
    EXPECT_EQ(C(2, z), Z(x * x)) << z;
    EXPECT_EQ(C(3, z), Z(2 * x)) << z;
    EXPECT_EQ(C(4, z), Z(x - 1)) << z;
    EXPECT_EQ(C(5, z), Z(2 * x)) << z;
    EXPECT_EQ(C(6, z), Z(2)) << z;
    EXPECT_NEAR(Wert(7, z), 0, 1e-3) << z;  // third quotient: rounding of the step 1e-5
    EXPECT_EQ(C(8, z), Z(2 / std::pow(1 + 4 * x * x, 1.5L))) << z;
    EXPECT_EQ(C(9, z), Z(x)) << z;
  }
  EXPECT_EQ(C(8, 1), "2");
  EXPECT_EQ(C(1, 6), "");
}

TEST(Wertetabelle, LeerOderHoechstensTausendZeilen) {
  struct {
    long double a, b, dx;
    int zeilen;
  } const faelle[] = {
      {2, 1, 0.5L, 0},     // b < a
      {0, 1e6L, 1, 1000},  // the row limit
      {0, 1, 0, 1000},     // no step: bounded by the rows
      {0, 1, -1, 1000},    // a step away from b: likewise
      {NAN, 1, 0.5L, 0},   // undefined bound
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(Schreiben(Vorgabe("x", f.a, f.b, f.dx)), f.zeilen) << f.b << " " << f.dx;
    EXPECT_EQ(C(1, 0), "  x");
    EXPECT_EQ(C(1, f.zeilen + 1), "") << f.dx;
    if (f.zeilen) {
      EXPECT_NE(C(1, f.zeilen), "");
    }
  }
  Schreiben(Vorgabe("x", 0, 1e6L, 1));
  EXPECT_EQ(C(1, 1000), "999");  // computed from a, not accumulated
}

// A clock on which every reading is a second later: the progress window shows at once.
TRechenlauf::TZeitpunkt Eilige_Uhr() {
  static TRechenlauf::TZeitpunkt jetzt;
  return jetzt += std::chrono::seconds(1);
}

TEST(Wertetabelle, EscapeBeendetDieLangeTabelle) {
  SkriptDialoge d;
  d.abbruch_ab_abfrage = 1;
  TRechenlauf::Uhr_setzen(Eilige_Uhr);
  bool abgebrochen = false;
  const int n = Wertetabelle_schreiben(Zahlentabelle, Vorgabe("x", 0, 1e6L, 1), abgebrochen);
  TRechenlauf::Uhr_setzen(nullptr);
  EXPECT_TRUE(abgebrochen);
  EXPECT_LT(n, 1000);
  EXPECT_EQ(C(1, n + 1), "");
  EXPECT_FALSE(d.fortschritte.empty());
}

TEST(Wertetabelle, IntegralfunktionNurInDenErstenZeilen) {
  struct {
    int d;
    int zeilen;
  } const faelle[] = {{4, 6}, {12, 0}};
  for (const auto& f : faelle) {
    TWertevorgabe v = Vorgabe("x²", 0, 8, 1);
    v.mit_F = true;
    v.u = 1;
    v.u_text = "1";
    v.format.N = f.d;
    v.format.G = f.d + 3 < 9 ? 9 : f.d + 3;
    ASSERT_EQ(Schreiben(v), 9);
    EXPECT_EQ(C(9, 0), "  F(1,x)");
    EXPECT_EQ(C(10, 0), "  x");
    for (int z = 1; z <= 9; ++z) {
      const long double x = z - 1;
      // F(1, x) = (x³ - 1) / 3, negative below u.
      EXPECT_EQ(C(9, z),
                z <= f.zeilen ? Zahl_zu_Text(false, v.format.G, f.d, (x * x * x - 1) / 3) : "")
          << f.d << " " << z;
      EXPECT_EQ(C(10, z), Zahl_zu_Text(false, v.format.G, f.d, x));
    }
  }
}

TEST(Wertetabelle, UndefinierteWerteAlsStriche) {
  ASSERT_EQ(Schreiben(Vorgabe("ln(x)", -1, 1, 0.5L)), 5);
  const std::string f[] = {"-----", "-----", "-----", Z(std::log(0.5L)), "0"};
  for (int z = 1; z <= 5; ++z)
    EXPECT_EQ(C(2, z), f[z - 1]) << z;
  EXPECT_EQ(C(5, 1), "-----");  // no derivative where f is undefined on both sides
  EXPECT_EQ(C(5, 5), "1");
}

TEST(Grenzwerttabelle, DifferenzenquotientenFuerZehnSchrittweiten) {
  Grenzwerttabelle_schreiben(Zahlentabelle, "x³", 1, 2, "2", kFormat);
  EXPECT_EQ(C(1, 0), "  h");
  EXPECT_EQ(C(2, 0), " ms:   f'(2)");
  EXPECT_EQ(C(3, 0), " ms:   f\"(2)");
  EXPECT_EQ(C(4, 0), " ms:   f\"'(2)");
  for (int z = 1; z <= 10; ++z)
    EXPECT_EQ(C(1, z), "10^-" + std::to_string(z));
  EXPECT_EQ(C(1, 11), "");
  // Central quotients of x³ at 2 with h = 0,1: 12 + h², 12 and 6 exactly (up to rounding).
  EXPECT_EQ(C(2, 1), Z(12.01L));
  EXPECT_EQ(C(3, 1), Z(12));
  EXPECT_EQ(C(4, 1), Z(6));
  EXPECT_EQ(C(2, 4), Z(12));
}

TEST(Grenzwerttabelle, KnickGibtNurStriche) {
  Grenzwerttabelle_schreiben(Zahlentabelle, "abs(x)", 1, 0, "0", kFormat);
  for (int z = 1; z <= 10; ++z)
    for (int s = 2; s <= 4; ++s)
      EXPECT_EQ(C(s, z), "-----") << s << "," << z;
}

TEST(Kurventabelle, ZeilenBisZumEndeOderHoechstens1500) {
  constexpr long double pi = std::numbers::pi_v<long double>;
  struct {
    bool polar;
    long double t1, t2, dt;
    int von, bis;
  } const faelle[] = {
      {false, 0, 2 * pi, pi / 720, 1440, 1441},  // accumulated t: the last row may be extra
      {true, 0, 10, 0.001L, 1500, 1500},
      {false, 0, 1, 0, 1500, 1500},  // no step
      {false, 1, 0, 0.5L, 1, 1},     // the first row is always written
  };
  for (const auto& f : faelle) {
    TKurvenvorgabe v{"x·cos(t)", "sin(t)", f.polar, f.t1, f.t2, f.dt, 2, kFormat};
    const int n = Kurventabelle_schreiben(Zahlentabelle, v);
    EXPECT_GE(n, f.von);
    EXPECT_LE(n, f.bis);
    EXPECT_EQ(C(1, 0), "    t");
    EXPECT_EQ(C(2, 0), f.polar ? "   r(t)" : "   x(t)");
    if (!f.polar) {
      EXPECT_EQ(C(3, 0), "    y(t)");
    }
    EXPECT_EQ(C(1, 1), Z(f.t1));
    EXPECT_EQ(C(2, 1), Z(2 * std::cos(f.t1)));  // the family value stands for x
    EXPECT_EQ(C(3, 1), f.polar ? "" : Z(std::sin(f.t1)));
    EXPECT_NE(C(1, n), "");
    if (n < 1500) {
      EXPECT_EQ(C(1, n + 1), "");
    }
  }
}

TEST(Folgentabelle, AlleZeilenDerPunkteliste) {
  for (int i = 0; i < Punkteliste_Groesse; ++i)
    Punkteliste[i] = {static_cast<long double>(i + 1), 1.0L / (i + 1)};
  Punktanzahl = 3;  // the table ignores the count
  for (bool rekursiv : {false, true}) {
    Folgentabelle_schreiben(Zahlentabelle, rekursiv, kFormat);
    EXPECT_EQ(C(1, 0), "  n ");
    EXPECT_EQ(C(2, 0), rekursiv ? "     x(n) " : "     a(n) ");
    EXPECT_EQ(C(1, 1), "1");
    EXPECT_EQ(C(2, 2), "0,5");
    EXPECT_EQ(C(1, 1500), "1500");
    EXPECT_EQ(C(2, 1500), Z(1.0L / 1500));
  }
}

TEST(Abstaende, SummenDerEntfernungenZurParabel) {
  const std::vector<TPunkt> p = {{0, 1}, {1, 1}, {2, 5}};
  TBild bild;
  const long double w = std::sqrt(5.0L) - 2;
  struct {
    bool senkrecht;
    const char* term;
    long double t;
    long double S1, S2;
  } const faelle[] = {
      {true, "x²", 1, 2, 2},
      {false, "x²", 1, w, w * w},  // from 0 Newton finds no slope: skipped
      {true, "t·x²", 2, 1 + 1 + 3, 1 + 1 + 9},
      {false, "t·x²", 2, 1 - std::sqrt(0.5L) + 2 - std::sqrt(2.5L),
       (1 - std::sqrt(0.5L)) * (1 - std::sqrt(0.5L)) +
           (std::sqrt(2.5L) - 2) * (std::sqrt(2.5L) - 2)},
  };
  for (const auto& f : faelle) {
    const TAbstandssummen s = f.senkrecht
                                  ? Senkrechte_Abstaende(bild, f.term, f.t, p.data(), 3, false, 1)
                                  : Waagerechte_Abstaende(bild, f.term, f.t, p.data(), 3, false, 1);
    EXPECT_NEAR(static_cast<double>(s.S1), static_cast<double>(f.S1), 1e-9) << f.term;
    EXPECT_NEAR(static_cast<double>(s.S2), static_cast<double>(f.S2), 1e-9) << f.term;
  }
  const TAbstandssummen leer = Senkrechte_Abstaende(bild, "x²", 1, p.data(), 0, false, 1);
  EXPECT_EQ(leer.S1, 0);
  EXPECT_EQ(leer.S2, 0);
}

TEST(Abstaende, NegativeOrdinateWirdWaagerechtGemessen) {
  // x² - 2 = -1 at x = 1: the composed term has two minus signs in a row.
  const std::vector<TPunkt> p = {{1.5L, -1}};
  TBild bild;
  const TAbstandssummen s = Waagerechte_Abstaende(bild, "x²-2", 1, p.data(), 1, false, 1);
  EXPECT_NEAR(static_cast<double>(s.S1), 0.5, 1e-9);
}

}  // namespace
