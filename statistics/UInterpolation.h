#pragma once
// The linear systems behind the interpolation buttons, written into the table as matrix A (from
// row 1, column 3, right-hand side in its last column) so that the user sees them and the matrix
// button solves them: the interpolation polynomial, the natural cubic spline and the Trassierung
// cubic that joins two straight pieces without a kink.

#include <vector>

#include "analysis/UMatrizen.h"
#include "platform/Typen.h"
#include "table/UStringGrid.h"

constexpr int kInterpolation_hoechstens = 30;
constexpr int kSpline_hoechstens = 11;  // 40 unknowns: the full width of the matrix store

// Two points with the same x make every one of these systems singular. i < k are the indices of
// the first such pair (from 0); false when all x differ.
bool Gleiches_x_finden(const std::vector<TPunkt>& p, int anzahl, int& i, int& k);

// Row j: 1, x_j, x_j^2, ..., x_j^(N-1) | y_j.
void Interpolationssystem_schreiben(Tabelle& t, const std::vector<TPunkt>& p, int anzahl);
// 4n equations for the n pieces a_k x^3 + b_k x^2 + c_k x + d_k: through both ends of each
// piece, equal slope and curvature at the inner nodes, curvature 0 at both ends.
void Splinesystem_schreiben(Tabelle& t, const std::vector<TPunkt>& p, int anzahl);
// a x^3 + b x^2 + c x + d through P2 and P3 with the slopes of P1P2 at P2 and of P3P4 at P3.
void Trassierungssystem_schreiben(Tabelle& t, const std::vector<TPunkt>& p);

// The unknowns of a solved system: the last column of the echelon form, rows 1..unbekannte.
// false when the echelon form has no pivot for some unknown (no unique solution).
bool Loesung_lesen(const TMatrix& C, int unbekannte, int spalten, std::vector<long double>& x);
