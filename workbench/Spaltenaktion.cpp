#include "workbench/Spaltenaktion.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "analysis/UMatrizen.h"
#include "kos/U_Ansicht.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Werkbank.h"

namespace {

const char* const kEingabefehler = "Eingabefehler !";
constexpr int kLehmerschritte = Letzte_Zeile;

// The column of the current cell, or 0 when the buttons have nothing to work on.
int Aktuelle_Spalte() {
  const int c = Zahlentabelle.Spalte();
  return c >= 1 && c <= Letzte_Spalte ? c : 0;
}

void Zahl_schreiben(int spalte, int zeile, long double x) {
  Zahlentabelle.Zelle_setzen(spalte, zeile, Zahl_als_Zelltext(x));
}

// An input box answered with a whole number; false after Cancel or a refused text (reported).
bool Ganzzahl_erfragen(const char* titel, const char* prompt, const char* vorgabe, int& wert) {
  std::string text = vorgabe;
  if (!Dialog().Eingabe(titel, prompt, text)) return false;
  if (Ganzzahl_lesen(text, wert)) return true;
  Dialog().Meldung(kEingabefehler);
  return false;
}

bool Vektor_lesen(int spalte, std::array<long double, 3>& v) {
  int anzahl = 0;
  const std::vector<long double> w = Spalte_einlesen(Zahlentabelle, spalte, anzahl);
  if (anzahl != 3) return false;
  v = {w[0], w[1], w[2]};
  return true;
}

}  // namespace

long double Binomialwahrscheinlichkeit(int n, int k, long double p) {
  if (n < 2 * k) {
    k = n - k;
    p = 1 - p;
  }
  long double r = 1;
  for (int j = 0; j < k; ++j)
    r = (1 - p) * (p * (r / (k - j) * (n - j)));
  for (int j = 0; j < n - 2 * k; ++j)
    r *= 1 - p;
  return r;
}

bool Lehmerfolge(int x0, int a, int c, int m, int anzahl, std::vector<int>& folge) {
  folge.clear();
  if (m == 0) return false;
  std::vector<int> f{x0};
  long long x = x0;
  for (int i = 1; i <= anzahl; ++i) {
    const long long v = x * a + c;  // exact in 64 bits for 32-bit factors
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
    x = v % m;  // C++ gives the remainder the sign of the dividend
    f.push_back(static_cast<int>(x));
  }
  folge = std::move(f);
  return true;
}

void Spaltensumme_geklickt() {
  const int c = Aktuelle_Spalte();
  if (!c) return;
  int naechste = 1;
  const long double summe = Spaltensumme_berechnen(Zahlentabelle, c, naechste);
  if (naechste <= 1) return;
  // A full column has no row left below it: the sum goes into the header cell.
  if (naechste == Tabelle_Zeilen)
    naechste = 0;
  else
    Zahlentabelle.Ecke_setzen(Zahlentabelle.Links(), naechste - 1);
  Zahlentabelle.Zelle_setzen(c, naechste, "S=" + Zahl_als_Zelltext(summe));
}

void Kumulierte_Summe_geklickt() {
  if (const int c = Aktuelle_Spalte()) Spalte_kumulieren(Zahlentabelle, c);
}

void Skalarprodukt_geklickt() {
  const int c = Aktuelle_Spalte();
  if (!c) return;
  int k1 = 0, k2 = 0;
  const std::vector<long double> u = Spalte_einlesen(Zahlentabelle, c, k1);
  if (k1 == 0) return;
  const std::vector<long double> v = Spalte_einlesen(Zahlentabelle, c + 1, k2);
  if (k2 != k1) return Dialog().Meldung("Spalten haben unterschiedlich viele Elemene !");
  // Full columns leave no row below them for the result.
  if (k1 == Letzte_Zeile)
    return Dialog().Meldung("Unter den vollen Spalten ist keine Zeile für das Ergebnis frei !");
  Zahlentabelle.Zelle_setzen(c, k1 + 1, "Skalarpr=");
  Zahl_schreiben(c + 1, k1 + 1, Skalarprodukt_berechnen(u.data(), v.data(), k1));
}

void Vektorprodukt_geklickt() {
  const int c = Aktuelle_Spalte();
  if (!c) return;
  std::array<long double, 3> u{}, v{};
  if (!Vektor_lesen(c, u)) return Dialog().Meldung("1. Vektor muss genau 3 Elemene besitzen !");
  if (!Vektor_lesen(c + 1, v)) return Dialog().Meldung("2. Vektor muss genau 3 Elemene besitzen !");
  const std::array<long double, 3> w = Vektorprodukt_berechnen(u, v);
  Tabelle::Sammler s(Zahlentabelle);
  Zahlentabelle.Zelle_setzen(c, 4, "Vektorpr:");
  for (int i = 0; i < 3; ++i)
    Zahl_schreiben(c + 1, 4 + i, w[i]);
}

void Spalte_mit_r_geklickt(bool mal) {
  const int c = Aktuelle_Spalte();
  if (!c) return;
  int k = 0;
  const std::vector<long double> w = Spalte_einlesen(Zahlentabelle, c, k);
  const long double r = Werkbank.skalar_r;
  Tabelle::Sammler s(Zahlentabelle);
  for (int i = 0; i < k; ++i)
    Zahl_schreiben(c, i + 1, mal ? w[i] * r : w[i] + r);
}

void Binomialverteilung_geklickt() {
  const char* titel = "Binomialverteilung";
  int n = 0;
  if (!Ganzzahl_erfragen(titel, "Anzahl n = ", "20", n)) return;
  std::string text = "0,4";
  if (!Dialog().Eingabe(titel, "Wahrscheinlichkeit p = ", text)) return;
  long double p = 0;
  // A p outside [0; 1] would fill the columns with "probabilities" below 0 or above 1.
  if (!Gleitkomma_lesen(text, p) || p < 0 || p > 1) return Dialog().Meldung(kEingabefehler);
  if (n < 0) return;
  if (n >= Letzte_Zeile)
    return Dialog().Meldung("Die Tabelle hat 1500 Zeilen: n darf höchstens 1499 sein !");
  Tabelle::Sammler s(Zahlentabelle);
  for (int k = 0; k <= n; ++k) {
    Zahlentabelle.Zelle_setzen(1, k + 1, std::to_string(k));
    Zahl_schreiben(2, k + 1, Binomialwahrscheinlichkeit(n, k, p));
  }
}

void Lehmerzahlen_geklickt() {
  const char* titel = "Lehmerzahlen (a*x+c) mod m";
  int x0 = 0, a = 0, c = 0, m = 0;
  if (!Ganzzahl_erfragen(titel, "x0 = ", "0", x0) || !Ganzzahl_erfragen(titel, "a = ", "4", a) ||
      !Ganzzahl_erfragen(titel, "c = ", "2", c) || !Ganzzahl_erfragen(titel, "m = ", "243", m))
    return;
  // The whole sequence is computed before a cell is touched, so a refused input leaves the
  // table as it was.
  std::vector<int> x;
  if (!Lehmerfolge(x0, a, c, m, kLehmerschritte, x)) return Dialog().Meldung(kEingabefehler);
  Tabelle::Sammler s(Zahlentabelle);
  Zahlentabelle.Zelle_setzen(1, 1, std::to_string(x0));
  for (int i = 1; i <= kLehmerschritte; ++i) {
    // The last number has no row left in column 1.
    if (i < kLehmerschritte) Zahlentabelle.Zelle_setzen(1, i + 1, std::to_string(x[i]));
    Zahlentabelle.Zelle_setzen(2, i, std::to_string(x[i]));
  }
}
