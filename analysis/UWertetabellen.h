#pragma once
// Tables of numbers computed from terms: the value table of f, g, h with derivatives, curvature
// and integral function, the points of a parametric or polar curve, the sequence from the point
// list and the limit table of difference quotients; and the distances of the table points to a
// curve. Every function takes its inputs as parameters and writes into the table or picture
// it is given.

#include <string>

#include "kos/U_KOS.h"

class Tabelle;
class TBild;
struct TPunkt;

// Number format of the written cells.
struct TZellformat {
  bool fix = false;
  int G = 9;
  int N = 6;
};

// What an undefined value or a failed derivative shows.
inline constexpr const char* kUndefiniert = "-----";

// Tolerance of the integral function for d decimal places: finer places need finer integrals.
long double Integral_Toleranz(int d);
// Rows that carry the integral function for d decimal places (each costs an integral).
int Integralzeilen(int d);

struct TWertevorgabe {
  std::string f, g, h;
  long double a = 0, b = 0, dx = 1;
  long double t = 1;
  bool mit_F = false;
  long double u = 0;
  std::string u_text;  // as the user wrote it, for the header
  TZellformat format;
};
inline constexpr int kWertezeilen_max = 1000;
// Returns the number of rows written; false in abgebrochen when the user stopped it.
int Wertetabelle_schreiben(Tabelle& tab, const TWertevorgabe& v, bool& abgebrochen);

struct TKurvenvorgabe {
  std::string x_term, y_term;  // in polar mode x_term is r(t)
  bool polar = false;
  long double t1 = 0, t2 = 0, dt = 0;
  long double k = 1;  // family value, passed where the terms write x
  TZellformat format;
};
inline constexpr int kKurvenzeilen_max = 1500;
int Kurventabelle_schreiben(Tabelle& tab, const TKurvenvorgabe& v);

// Rows 1 to zeilen (at most 1500) from the point list as the sequence left it; a broken
// recursion ends the table at its last computed member.
void Folgentabelle_schreiben(Tabelle& tab, bool rekursiv, const TZellformat& format,
                             int zeilen = Punkteliste_Groesse);

inline constexpr int kGrenzwertzeilen = 10;
void Grenzwerttabelle_schreiben(Tabelle& tab, const std::string& term, long double t, long double a,
                                const std::string& a_text, const TZellformat& format);

// Sums of the distances and of their squares over the points that have a partner on the curve.
struct TAbstandssummen {
  long double S1 = 0, S2 = 0;
};
// Draws (lines or error squares) and sums the distances of the first n points of the list.
// Vertical: the curve's value at the point's x with t. Horizontal: the solution of
// term(x) = y near the point's x; points without one are left out of the sums.
TAbstandssummen Senkrechte_Abstaende(TBild& bild, const std::string& term, long double t,
                                     const TPunkt* punkte, int n, bool quadrate, int breite);
TAbstandssummen Waagerechte_Abstaende(TBild& bild, const std::string& term, long double t,
                                      const TPunkt* punkte, int n, bool quadrate, int breite);
