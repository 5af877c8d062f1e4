#include "statistics/UInterpolation.h"

#include <string>

namespace {

constexpr int kSpalte_A = 3;

void Zahl_setzen(Tabelle& t, int spalte, int zeile, long double x) {
  t.Zelle_setzen(spalte, zeile, Zahl_als_Zelltext(x));
}

// Value, slope and curvature terms of a cubic a x^3 + b x^2 + c x + d at s, whose unknowns
// stand in the columns erste .. erste + 3. vorzeichen -1 moves the right-hand piece of a joint
// to the left side of its equation.
void Stelle_setzen(Tabelle& t, int zeile, int erste, long double s) {
  Zahl_setzen(t, erste, zeile, s * s * s);
  Zahl_setzen(t, erste + 1, zeile, s * s);
  Zahl_setzen(t, erste + 2, zeile, s);
  t.Zelle_setzen(erste + 3, zeile, "1");
}

void Steigung_setzen(Tabelle& t, int zeile, int erste, long double s, long double vorzeichen) {
  Zahl_setzen(t, erste, zeile, vorzeichen * 3 * s * s);
  Zahl_setzen(t, erste + 1, zeile, vorzeichen * 2 * s);
  t.Zelle_setzen(erste + 2, zeile, vorzeichen > 0 ? "1" : "-1");
}

void Kruemmung_setzen(Tabelle& t, int zeile, int erste, long double s, long double vorzeichen) {
  Zahl_setzen(t, erste, zeile, vorzeichen * 6 * s);
  t.Zelle_setzen(erste + 1, zeile, vorzeichen > 0 ? "2" : "-2");
}

// First column of piece k (from 1).
int Stueckspalte(int k) {
  return 4 * k - 1;
}

}  // namespace

bool Gleiches_x_finden(const std::vector<TPunkt>& p, int anzahl, int& i, int& k) {
  for (i = 0; i < anzahl; ++i)
    for (k = i + 1; k < anzahl; ++k)
      if (p[i].x == p[k].x) return true;
  return false;
}

void Interpolationssystem_schreiben(Tabelle& t, const std::vector<TPunkt>& p, int anzahl) {
  Tabelle::Sammler sammler(t);
  for (int j = 1; j <= anzahl; ++j) {
    long double potenz = 1;  // x^0 = 1 also for x = 0
    for (int i = 0; i < anzahl; ++i) {
      Zahl_setzen(t, kSpalte_A + i, j, potenz);
      potenz *= p[j - 1].x;
    }
    Zahl_setzen(t, kSpalte_A + anzahl, j, p[j - 1].y);
  }
}

void Splinesystem_schreiben(Tabelle& t, const std::vector<TPunkt>& p, int anzahl) {
  Tabelle::Sammler sammler(t);
  const int n = anzahl - 1;
  const int rechts = 4 * n + 3;
  for (int z = 1; z <= 4 * n; ++z)
    for (int c = kSpalte_A; c <= rechts; ++c)
      t.Zelle_setzen(c, z, "0");
  for (int k = 1; k <= n; ++k) {
    Stelle_setzen(t, k, Stueckspalte(k), p[k - 1].x);
    Zahl_setzen(t, rechts, k, p[k - 1].y);
  }
  Stelle_setzen(t, n + 1, Stueckspalte(n), p[n].x);
  Zahl_setzen(t, rechts, n + 1, p[n].y);
  for (int u = 1; u < n; ++u) {
    const long double s = p[u].x;
    Stelle_setzen(t, n + 1 + u, Stueckspalte(u), s);
    Zahl_setzen(t, rechts, n + 1 + u, p[u].y);
    Steigung_setzen(t, 2 * n + u, Stueckspalte(u), s, 1);
    Steigung_setzen(t, 2 * n + u, Stueckspalte(u + 1), s, -1);
    Kruemmung_setzen(t, 3 * n + u - 1, Stueckspalte(u), s, 1);
    Kruemmung_setzen(t, 3 * n + u - 1, Stueckspalte(u + 1), s, -1);
  }
  Kruemmung_setzen(t, 4 * n - 1, Stueckspalte(1), p[0].x, 1);
  Kruemmung_setzen(t, 4 * n, Stueckspalte(n), p[n].x, 1);
}

void Trassierungssystem_schreiben(Tabelle& t, const std::vector<TPunkt>& p) {
  Tabelle::Sammler sammler(t);
  const TPunkt &P1 = p[0], &P2 = p[1], &P3 = p[2], &P4 = p[3];
  Stelle_setzen(t, 1, kSpalte_A, P2.x);
  Zahl_setzen(t, 7, 1, P2.y);
  Stelle_setzen(t, 2, kSpalte_A, P3.x);
  Zahl_setzen(t, 7, 2, P3.y);
  Steigung_setzen(t, 3, kSpalte_A, P2.x, 1);
  t.Zelle_setzen(6, 3, "0");
  Zahl_setzen(t, 7, 3, (P2.y - P1.y) / (P2.x - P1.x));
  Steigung_setzen(t, 4, kSpalte_A, P3.x, 1);
  t.Zelle_setzen(6, 4, "0");
  Zahl_setzen(t, 7, 4, (P4.y - P3.y) / (P4.x - P3.x));
}

bool Loesung_lesen(const TMatrix& C, int unbekannte, int spalten, std::vector<long double>& x) {
  x.assign(unbekannte, 0);
  for (int i = 1; i <= unbekannte; ++i) {
    if (C(i, i) != 1) return false;
    for (int k = 1; k <= unbekannte; ++k)
      if (k != i && !ist_Null(C(i, k))) return false;
    x[i - 1] = C(i, spalten);
  }
  return true;
}
