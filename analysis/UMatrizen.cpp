#include "analysis/UMatrizen.h"

#include <cmath>
#include <utility>

bool Matrixgroesse_passt(int zeilen, int spalten) {
  return zeilen >= 1 && zeilen <= kMatrix_Zeilen && spalten >= 1 && spalten <= kMatrix_Spalten;
}

bool ist_Null(long double x) {
  return std::fabs(x) < 1E-12L;
}

void Zeilen_tauschen(TMatrix& m, int i, int k, int spalten) {
  if (i == k) return;
  for (int j = 1; j <= spalten; ++j)
    std::swap(m(i, j), m(k, j));
}

void Spalten_tauschen(TMatrix& m, int i, int k, int zeilen) {
  if (i == k) return;
  for (int z = 1; z <= zeilen; ++z)
    std::swap(m(z, i), m(z, k));
}

namespace {

void Zeile_teilen(TMatrix& m, int p, int j, int spalten) {
  const long double pivot = m(p, j);
  for (int k = 1; k <= spalten; ++k)
    m(p, k) /= pivot;
}

void Spalte_ausraeumen(TMatrix& m, int p, int j, int zeilen, int spalten) {
  for (int z = 1; z <= zeilen; ++z) {
    if (z == p) continue;
    const long double faktor = m(z, j);
    for (int k = 1; k <= spalten; ++k)
      m(z, k) -= faktor * m(p, k);
  }
}

// One algorithm for both forms: zeigen may be empty.
bool Gauss_Jordan(TMatrix& m, int zeilen, int spalten, const TZwischenstand& zeigen) {
  auto melden = [&] { return !zeigen || zeigen(m, zeilen, spalten); };
  int j = 1;
  for (int p = 1; p <= zeilen; ++p) {
    if (j > spalten) return true;
    int i = p;
    for (;;) {
      while (i <= zeilen && ist_Null(m(i, j))) {
        if (!melden()) return false;
        ++i;
      }
      if (i <= zeilen) break;
      if (++j > spalten) return true;
      i = p;
    }
    if (!melden()) return false;
    Zeilen_tauschen(m, i, p, spalten);
    if (!melden()) return false;
    Zeile_teilen(m, p, j, spalten);
    if (!melden()) return false;
    Spalte_ausraeumen(m, p, j, zeilen, spalten);
    if (!melden()) return false;
    ++j;
  }
  return true;
}

}  // namespace

void Zeilenstufenform(TMatrix& m, int zeilen, int spalten) {
  Gauss_Jordan(m, zeilen, spalten, {});
}

bool Zeilenstufenform_schrittweise(TMatrix& m, int zeilen, int spalten,
                                   const TZwischenstand& zeigen) {
  return Gauss_Jordan(m, zeilen, spalten, zeigen);
}

TMatrix Einheitsmatrix(int n) {
  TMatrix e;
  for (int i = 1; i <= n && i <= kMatrix_Zeilen && i <= kMatrix_Spalten; ++i)
    e(i, i) = 1;
  return e;
}

TMatrix Nullmatrix(int) {
  return TMatrix{};
}

TMatrix Transponierte(const TMatrix& m, int zeilen, int spalten) {
  TMatrix c;
  for (int i = 1; i <= spalten; ++i)
    for (int j = 1; j <= zeilen; ++j)
      c(i, j) = m(j, i);
  return c;
}

TMatrix Matrizen_nebeneinander(const TMatrix& X, const TMatrix& Y, int zeilen, int spalten_Y,
                               int spalten_X) {
  TMatrix c;
  for (int i = 1; i <= zeilen; ++i) {
    for (int k = 1; k <= spalten_X; ++k)
      c(i, k) = X(i, k);
    for (int k = 1; k <= spalten_Y; ++k)
      c(i, spalten_X + k) = Y(i, k);
  }
  return c;
}

TMatrix Spalten_herausloesen(const TMatrix& m, int zeilen, int letzte_spalte, int ab_spalte) {
  TMatrix c;
  for (int i = 1; i <= zeilen; ++i)
    for (int k = ab_spalte + 1; k <= letzte_spalte; ++k)
      c(i, k - ab_spalte) = m(i, k);
  return c;
}

TMatrix Skalar_mal_Matrix(const TMatrix& m, int zeilen, int spalten, long double r) {
  TMatrix c;
  for (int i = 1; i <= zeilen; ++i)
    for (int k = 1; k <= spalten; ++k)
      c(i, k) = r * m(i, k);
  return c;
}

TMatrix Matrixprodukt(const TMatrix& X, const TMatrix& Y, int zeilen_X, int spalten_Y, int innen) {
  TMatrix c;
  for (int i = 1; i <= zeilen_X; ++i)
    for (int j = 1; j <= spalten_Y; ++j) {
      long double s = 0;
      for (int k = 1; k <= innen; ++k)
        s += X(i, k) * Y(k, j);
      c(i, j) = s;
    }
  return c;
}

TMatrix Matrixpotenz(const TMatrix& A, int n, int m) {
  TMatrix p = A;
  for (int i = 2; i <= m; ++i)
    p = Matrixprodukt(A, p, n, n, n);
  return p;
}

namespace {

// A zero pivot takes the column of row 1 whose entry exceeds its left neighbour's, the last such
// one; false when the row holds no non-zero entry.
bool Pivotspalte_tauschen(TMatrix& m, int n, long double& vorzeichen) {
  int e = 0;
  for (int k = 2; k <= n; ++k)
    if (std::fabs(m(1, k)) > std::fabs(m(1, k - 1))) e = k;
  if (e == 0) return false;
  Spalten_tauschen(m, 1, e, n);
  vorzeichen = -vorzeichen;
  return true;
}

// Each entry of the smaller block is a 2 x 2 minor with the pivot, divided exactly by the
// previous pivot (the minors of an integer matrix stay integers).
// The block moves one row up and one column left, so the pivot row is kept aside first.
void Verdichten(TMatrix& m, int n, long double vorheriger_pivot) {
  const auto pivotzeile = m.a[1];
  const long double v = pivotzeile[1];
  for (int i = 2; i <= n; ++i)
    for (int k = 2; k <= n; ++k)
      m(i - 1, k - 1) = (v * m(i, k) - m(i, 1) * pivotzeile[k]) / vorheriger_pivot;
}

}  // namespace

long double Determinante(TMatrix m, int n) {
  if (n < 1) return 0;
  if (n == 1) return m(1, 1);
  long double vorzeichen = 1;
  long double vorheriger_pivot = 1;
  while (n > 2) {
    if (m(1, 1) == 0 && !Pivotspalte_tauschen(m, n, vorzeichen)) return 0;
    const long double pivot = m(1, 1);
    Verdichten(m, n, vorheriger_pivot);
    vorheriger_pivot = pivot;
    --n;
  }
  return vorzeichen * (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) / vorheriger_pivot;
}

int Rang(TMatrix m, int zeilen, int spalten) {
  Zeilenstufenform(m, zeilen, spalten);
  for (int i = zeilen; i >= 1; --i)
    for (int k = 1; k <= spalten; ++k)
      if (!ist_Null(m(i, k))) return i;
  return 0;
}

long double Skalarprodukt_berechnen(const long double* a, const long double* b, int laenge) {
  long double s = 0;
  for (int i = 0; i < laenge; ++i)
    s += a[i] * b[i];
  return s;
}

std::array<long double, 3> Vektorprodukt_berechnen(const std::array<long double, 3>& a,
                                                   const std::array<long double, 3>& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
