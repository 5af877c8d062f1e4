#pragma once
// Number text, fractions and polynomial text.

#include <string>
#include <vector>

// The user's number format (kept in step with the main window's lists and check boxes).
extern int Nachkommastellen;  // 0..17
extern int Gesamtstellen;     // 8..20
extern bool Fixkomma;
extern bool Bruchdarstellung;

std::string Zahl_zu_Text(bool fix, int G, int N, long double x);
std::string Zahl_als_Bruch(long double x);
bool Bruch_finden(long double x, int& p, int& q);
bool Zahl_einlesen(const std::string& text, long double& wert, int& fehlerposition);
std::string Polynom_zu_Text(const std::vector<long double>& a, int n, bool fix, int G, int N,
                            bool als_Bruch);
