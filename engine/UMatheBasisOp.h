#pragma once
// Number text, fractions and polynomial text.

#include <string>
#include <vector>

// The user's number format (kept in step with the main window's lists and check boxes).
struct TZahlformat {
  int Nachkommastellen = 6;  // 0..17
  int Gesamtstellen = 9;     // 8..20
  bool Fixkomma = false;
  bool Bruchdarstellung = false;
  bool operator==(const TZahlformat&) const = default;
};
// The number format of the sheet.
extern TZahlformat& Zahlformat;
// Back to the start values.
void Zahlformat_zuruecksetzen();

std::string Zahl_zu_Text(bool fix, int G, int N, long double x);
std::string Zahl_als_Bruch(long double x);
bool Bruch_finden(long double x, int& p, int& q);
bool Zahl_einlesen(const std::string& text, long double& wert, int& fehlerposition);
std::string Polynom_zu_Text(const std::vector<long double>& a, int n, bool fix, int G, int N,
                            bool als_Bruch);

// ---- Further number-text helpers -----------------------------------------------------------

// x = m * 10^e with one digit before the comma of m (18 significant digits).
long double Mantisse_Exponent(long double x, int& e);
// Moves the comma of a digit text s (with one ",") by e places, padding with zeros.
std::string Komma_verschieben(const std::string& s, int e);
// True when x is a whole number within the reach of the fraction finder.
bool Ist_ganze_Zahl(long double x);
// Replaces a/b by the reduced fraction p/q of a/b; false leaves a and b alone.
bool Bruch_kuerzen(long double& a, long double& b);
// Per-cell rules of the table's fraction and decimal sweeps.
bool Zelltext_als_Bruch(std::string& zelle);
void Zelltext_als_Dezimal(std::string& zelle);

// Keeps N <= G - 3: choosing decimals may raise the total, choosing the total may lower the
// decimals. Each returns whether it had to change the other setting.
bool Nachkommastellen_waehlen(int N);
bool Gesamtstellen_waehlen(int G);
// Default table column width in pixels for the current total of characters.
int Spaltenbreite_Standard();
