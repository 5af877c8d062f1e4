// Linear algebra on the matrix blocks: expectations built from matrices whose determinant,
// solution, inverse or rank is known by construction.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "analysis/UMatrizen.h"

namespace {

using Zeilen = std::vector<std::vector<long double>>;

TMatrix Aus(const Zeilen& z) {
  TMatrix m;
  for (size_t i = 0; i < z.size(); ++i)
    for (size_t k = 0; k < z[i].size(); ++k)
      m(int(i) + 1, int(k) + 1) = z[i][k];
  return m;
}

void Gleich(const TMatrix& m, const Zeilen& z, long double toleranz = 0) {
  for (size_t i = 0; i < z.size(); ++i)
    for (size_t k = 0; k < z[i].size(); ++k)
      EXPECT_NEAR(double(m(int(i) + 1, int(k) + 1)), double(z[i][k]), double(toleranz))
          << "Zeile " << i + 1 << ", Spalte " << k + 1;
}

// L (unit lower triangle) times U (upper triangle with the given diagonal): det = product of d.
TMatrix Mit_Determinante(const std::vector<int>& d, std::mt19937& zufall) {
  const int n = int(d.size());
  std::uniform_int_distribution<int> klein(-2, 2);
  TMatrix L = Einheitsmatrix(n), U;
  for (int i = 1; i <= n; ++i) {
    U(i, i) = d[i - 1];
    for (int k = i + 1; k <= n; ++k)
      U(i, k) = klein(zufall);
    for (int k = 1; k < i; ++k)
      L(i, k) = klein(zufall);
  }
  return Matrixprodukt(L, U, n, n, n);
}

}  // namespace

TEST(Matrizen, EchelonFormOfSmallSystems) {
  struct Fall {
    Zeilen a, erwartet;
  };
  const Fall faelle[] = {
      {{{2, 1, 5}, {1, -1, 1}}, {{1, 0, 2}, {0, 1, 1}}},
      // no pivot in column 2: the rows go on with column 3
      {{{1, 2, 3}, {2, 4, 7}}, {{1, 2, 0}, {0, 0, 1}}},
      // first row with a non-zero entry is swapped up
      {{{0, 1, 2}, {3, 0, 3}}, {{1, 0, 1}, {0, 1, 2}}},
      // dependent equations leave a zero row
      {{{1, 1, 2}, {2, 2, 4}}, {{1, 1, 2}, {0, 0, 0}}},
      // inconsistent system: pivot in the right-hand side
      {{{1, 1, 1}, {1, 1, 2}}, {{1, 1, 0}, {0, 0, 1}}},
  };
  for (const auto& f : faelle) {
    TMatrix m = Aus(f.a);
    Zeilenstufenform(m, int(f.a.size()), int(f.a[0].size()));
    Gleich(m, f.erwartet, 1e-15L);
  }
}

TEST(Matrizen, StepByStepReachesTheSameFormAndCanBeStopped) {
  const Zeilen a = {{0, 2, 4}, {1, 1, 1}, {2, 0, 6}};
  TMatrix m = Aus(a), n = Aus(a);
  Zeilenstufenform(m, 3, 3);
  int schritte = 0;
  EXPECT_TRUE(Zeilenstufenform_schrittweise(n, 3, 3, [&](const TMatrix&, int, int) {
    ++schritte;
    return true;
  }));
  EXPECT_EQ(m.a, n.a);
  // one zero candidate in the first column, then four states per pivot for three pivots
  EXPECT_EQ(schritte, 1 + 3 * 4);
  TMatrix o = Aus(a);
  EXPECT_FALSE(
      Zeilenstufenform_schrittweise(o, 3, 3, [](const TMatrix&, int, int) { return false; }));
  EXPECT_EQ(o.a, Aus(a).a);
}

TEST(Matrizen, IntegerSystemsUpToFortyUnknownsGiveTheirSolution) {
  std::mt19937 zufall(7);
  std::uniform_int_distribution<int> loesung(-9, 9);
  for (int n : {2, 5, 10, 20, 40}) {
    std::vector<int> d(n, 1);
    d[0] = 2;
    const TMatrix A = Mit_Determinante(d, zufall);
    std::vector<long double> x(n + 1);
    for (int i = 1; i <= n; ++i)
      x[i] = loesung(zufall);
    TMatrix system = A;
    for (int i = 1; i <= n; ++i) {
      long double b = 0;
      for (int k = 1; k <= n; ++k)
        b += A(i, k) * x[k];
      system(i, n + 1) = b;
    }
    Zeilenstufenform(system, n, n + 1);
    for (int i = 1; i <= n; ++i) {
      EXPECT_NEAR(double(system(i, i)), 1.0, 1e-9) << n;
      EXPECT_NEAR(double(system(i, n + 1)), double(x[i]), 1e-6) << n << " x" << i;
    }
  }
}

TEST(Matrizen, DeterminantOfSmallMatrices) {
  struct Fall {
    Zeilen a;
    long double det;
  };
  const Fall faelle[] = {
      {{{7}}, 7},
      {{{0, 2}, {3, 4}}, -6},
      {{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}, -1},
      {{{0, 0, 0}, {1, 2, 3}, {4, 5, 6}}, 0},
      {{{2, 0, 0}, {0, 3, 0}, {0, 0, 4}}, 24},
      {{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}, -3},
      {{{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}, {0, 0, 1, 0}}, 1},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Determinante(Aus(f.a), int(f.a.size())), f.det) << f.a.size();
}

TEST(Matrizen, DeterminantOfIntegerMatricesIsExact) {
  std::mt19937 zufall(3);
  std::uniform_int_distribution<int> diagonale(-3, 3);
  for (int n : {3, 4, 6, 8, 10, 21}) {
    std::vector<int> d(n);
    long double det = 1;
    for (int& e : d) {
      do
        e = diagonale(zufall);
      while (e == 0);
      det *= e;
    }
    EXPECT_EQ(Determinante(Mit_Determinante(d, zufall), n), det) << n;
  }
}

TEST(Matrizen, InverseThroughTheEchelonFormOfAWithTheUnitMatrix) {
  std::mt19937 zufall(11);
  for (int n : {2, 3, 5, 10}) {
    // determinant 1: the inverse is an integer matrix
    const TMatrix A = Mit_Determinante(std::vector<int>(n, 1), zufall);
    TMatrix AE = Matrizen_nebeneinander(A, Einheitsmatrix(n), n, n, n);
    Zeilenstufenform(AE, n, 2 * n);
    const TMatrix inverse = Spalten_herausloesen(AE, n, 2 * n, n);
    const TMatrix E = Matrixprodukt(A, inverse, n, n, n);
    for (int i = 1; i <= n; ++i)
      for (int k = 1; k <= n; ++k) {
        EXPECT_NEAR(double(E(i, k)), i == k ? 1.0 : 0.0, 1e-9) << n;
        EXPECT_NEAR(double(inverse(i, k)), std::round(double(inverse(i, k))), 1e-9) << n;
      }
  }
}

TEST(Matrizen, RankOfSingularMatrices) {
  struct Fall {
    Zeilen a;
    int rang;
  };
  const Fall faelle[] = {
      {{{1, 2}, {2, 4}}, 1},
      {{{0, 0}, {0, 0}}, 0},
      {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, 2},
      {{{0.1L, 0.2L}, {0.3L, 0.6L}}, 1},
      {{{1, 0, 0, 1}, {0, 1, 0, 1}}, 2},
      {{{1}, {2}, {3}}, 1},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Rang(Aus(f.a), int(f.a.size()), int(f.a[0].size())), f.rang);
  // a product of 8 x 3 and 3 x 8 integer matrices has rank 3
  std::mt19937 zufall(5);
  std::uniform_int_distribution<int> z(-4, 4);
  TMatrix X, Y;
  for (int i = 1; i <= 8; ++i)
    for (int k = 1; k <= 3; ++k)
      X(i, k) = z(zufall), Y(k, i) = z(zufall);
  X(1, 1) = 1, X(1, 2) = 0, X(1, 3) = 0, X(2, 1) = 0, X(2, 2) = 1, X(2, 3) = 0;
  X(3, 1) = 0, X(3, 2) = 0, X(3, 3) = 1, Y(1, 1) = 1, Y(2, 2) = 1, Y(3, 3) = 1;
  Y(1, 2) = Y(1, 3) = Y(2, 1) = Y(2, 3) = Y(3, 1) = Y(3, 2) = 0;
  EXPECT_EQ(Rang(Matrixprodukt(X, Y, 8, 8, 3), 8, 8), 3);
}

TEST(Matrizen, PowerTransposeScalarAndProducts) {
  Gleich(Matrixpotenz(Aus({{1, 1}, {0, 1}}), 2, 3), {{1, 3}, {0, 1}});
  Gleich(Matrixpotenz(Aus({{2, 0}, {0, 3}}), 2, 1), {{2, 0}, {0, 3}});
  Gleich(Transponierte(Aus({{1, 2, 3}, {4, 5, 6}}), 2, 3), {{1, 4}, {2, 5}, {3, 6}});
  Gleich(Skalar_mal_Matrix(Aus({{1, -2}}), 1, 2, 0.5L), {{0.5L, -1}});
  Gleich(Matrixprodukt(Aus({{1, 2}, {3, 4}}), Aus({{5}, {6}}), 2, 1, 2), {{17}, {39}});
  Gleich(Einheitsmatrix(3), {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
  Gleich(Nullmatrix(2), {{0, 0}, {0, 0}});
  const long double a[] = {1, 2, 3}, b[] = {4, -5, 6};
  EXPECT_EQ(Skalarprodukt_berechnen(a, b, 3), 12);
  EXPECT_EQ(Skalarprodukt_berechnen(a, b, 0), 0);
  const auto c = Vektorprodukt_berechnen({1, 0, 0}, {0, 1, 0});
  EXPECT_EQ(c, (std::array<long double, 3>{0, 0, 1}));
  EXPECT_TRUE(Matrixgroesse_passt(44, 41));
  EXPECT_FALSE(Matrixgroesse_passt(45, 1));
  EXPECT_FALSE(Matrixgroesse_passt(1, 42));
  EXPECT_FALSE(Matrixgroesse_passt(0, 3));
}
