#pragma once
// The computations behind the integral tools: the integral by the chosen method, strip sums,
// the texts of intervals and volumes, and the hints of the integral buttons. Qt-free; every
// input is a parameter.

#include <string>
#include <vector>

#include "engine/UFunktionsParser.h"
#include "table/UStringGrid.h"

// The number format the results are written in.
struct TAusgabeformat {
  bool fix = false;
  int G = 9;
  int N = 6;
};

// Integral from a to b by method code 0 Trapez, 1 Mittelpunkt, 2 Simpson, 3 Gauss-Kronrod,
// 4 Romberg (any other code counts as 3); with zeigen the Romberg scheme goes into the table.
long double Integral_nach_Methode(TTerm& term, int methode, long double t, long double a,
                                  long double b, long double eps, bool zeigen, Tabelle& tabelle,
                                  const TAusgabeformat& format, bool& ok);

// Clears the table and writes the three title cells and "  R c-1,i" over the columns from 4 on.
void Tabellenkopf_Romberg(Tabelle& tabelle, const std::string& text1, const std::string& text2,
                          const std::string& text3);

// "[a ; b]" with both ends rounded to 5 decimals.
std::string Intervall_Text(long double a, long double b);
// v "*pi = " v*pi, both in the number format.
std::string Pi_Text(long double v, const TAusgabeformat& format);

// The largest strip count the sums accept.
constexpr int kStreifen_hoechstens = 10000;

// One strip: its ends and the values that its drawing needs.
struct TStreifen {
  long double xl = 0, xr = 0;
  long double y_l = 0, y_r = 0, y_min = 0, y_max = 0, y_mitte = 0;
};

struct TStreifensummen {
  long double U = 0, O = 0, T = 0, M = 0;  // lower, upper, trapezoid, midpoint sum
};

// Samples searched per strip for its minimum and maximum.
int Stichproben_je_Streifen(int n);

// Sums over n strips of [a; b] (1 <= n <= kStreifen_hoechstens); with streifen non-null every
// strip is also recorded for its drawing.
TStreifensummen Streifensummen(TTerm& term, long double t, long double a, long double b, int n,
                               std::vector<TStreifen>* streifen);

// The message of the strip sums; breite < 0 when the strips were drawn, else the picture width
// in pixels that was too small.
std::string Streifensummen_Text(const TStreifensummen& s, int n, int zu_schmal_breite);

// Which of f, g, h are checked, for the hints.
struct THaken {
  bool f = false, g = false, h = false;
};
std::string Hinweis_Integral(THaken k);
std::string Hinweis_Schraffur(THaken k);
std::string Hinweis_Bogenlaenge(THaken k);
std::string Hinweis_Rotation(THaken k, long double xa_f, long double xe_f, long double xa_g,
                             long double xe_g);
