#pragma once
// Linear algebra on fixed matrix blocks of at most 44 rows and 41 columns, addressed from 1:
// reduced row echelon form (also step by step), determinant, rank, products, powers, transpose,
// unit and zero matrices, and the scalar and vector products of the column buttons. All arithmetic
// is in extended precision; nothing allocates.

#include <array>
#include <functional>

constexpr int kMatrix_Zeilen = 44;
constexpr int kMatrix_Spalten = 41;

struct TMatrix {
  std::array<std::array<long double, kMatrix_Spalten + 1>, kMatrix_Zeilen + 1> a{};
  long double& operator()(int i, int k) { return a[i][k]; }
  long double operator()(int i, int k) const { return a[i][k]; }
};

// True when rows x columns fits the block (both at least 1).
bool Matrixgroesse_passt(int zeilen, int spalten);
// abs(x) < 1E-12: the pivot tolerance of the echelon form.
bool ist_Null(long double x);

void Zeilen_tauschen(TMatrix& m, int i, int k, int spalten);
void Spalten_tauschen(TMatrix& m, int i, int k, int zeilen);

// Gauss-Jordan over all columns, the last one included: the first row with a non-zero entry
// becomes the pivot row (not the largest), so a hand calculation follows the same steps.
void Zeilenstufenform(TMatrix& m, int zeilen, int spalten);
// Called with the matrix at every intermediate state; returning false stops the algorithm
// with the matrix as far as it got.
using TZwischenstand = std::function<bool(const TMatrix& m, int zeilen, int spalten)>;
// The same algorithm, handing each state to zeigen: when a candidate row is found to be zero,
// after the pivot is found, after the exchange, after the division and after the elimination.
// Returns false when zeigen stopped it.
bool Zeilenstufenform_schrittweise(TMatrix& m, int zeilen, int spalten,
                                   const TZwischenstand& zeigen);

TMatrix Einheitsmatrix(int n);
TMatrix Nullmatrix(int n);
// The result has spalten rows and zeilen columns.
TMatrix Transponierte(const TMatrix& m, int zeilen, int spalten);
// [X | Y]: Y's columns follow X's; rows of both equal.
TMatrix Matrizen_nebeneinander(const TMatrix& X, const TMatrix& Y, int zeilen, int spalten_Y,
                               int spalten_X);
// Columns (ab_spalte + 1) .. letzte_spalte moved to the columns 1, 2, ...
TMatrix Spalten_herausloesen(const TMatrix& m, int zeilen, int letzte_spalte, int ab_spalte);
TMatrix Skalar_mal_Matrix(const TMatrix& m, int zeilen, int spalten, long double r);
// X (zeilen_X x innen) times Y (innen x spalten_Y), summed from k = 1 upwards.
TMatrix Matrixprodukt(const TMatrix& X, const TMatrix& Y, int zeilen_X, int spalten_Y, int innen);
// The m-th power (m >= 1) by repeated multiplication from the left.
TMatrix Matrixpotenz(const TMatrix& A, int n, int m);
// Condensation of the leading 2 x 2 minors with exact division by the previous pivot, so integer
// matrices give exact integer determinants and the entries do not grow without bound.
long double Determinante(TMatrix m, int n);
// Number of rows of the echelon form that hold a non-zero entry.
int Rang(TMatrix m, int zeilen, int spalten);

long double Skalarprodukt_berechnen(const long double* a, const long double* b, int laenge);
std::array<long double, 3> Vektorprodukt_berechnen(const std::array<long double, 3>& a,
                                                   const std::array<long double, 3>& b);
