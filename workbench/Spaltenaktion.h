#pragma once
// The column buttons beside the table: sum, running sums, scalar and vector product of two
// neighbouring columns, a column plus or times r, and columns 1 and 2 filled with a binomial
// distribution or with Lehmer pseudo-random numbers. They work on the column of the table's
// current cell; in the row-number column nothing happens.

#include <vector>

#include "workbench/Anzeige.h"

// P(X = k) for X ~ B(n, p), without factorials: the factors are interleaved so that the
// intermediate values stay near the magnitude of the result.
long double Binomialwahrscheinlichkeit(int n, int k, long double p);

// x0 followed by x(i) = (x(i-1) * a + c) mod m for i = 1..anzahl, in 32-bit arithmetic with the
// remainder taking the sign of the dividend. false (and nothing) for m = 0 or when a step leaves
// the 32-bit range.
bool Lehmerfolge(int x0, int a, int c, int m, int anzahl, std::vector<int>& folge);

void Spaltensumme_geklickt();
void Kumulierte_Summe_geklickt();
void Skalarprodukt_geklickt();
void Vektorprodukt_geklickt();
// Every number of the current column plus r (mal = false) or times r.
void Spalte_mit_r_geklickt(bool mal);
void Binomialverteilung_geklickt();
void Lehmerzahlen_geklickt();
