#pragma once
// Sequences in the shared point list: computing a(n) explicitly, recursively as x = g(x) or
// two-step as a(n) = g(a(n-2), a(n-1)); drawing them as a time series or as a web diagram with a
// guess of the limit or of a cycle; and the bifurcation diagram of x = g(x) over the parameter k.

#include <string>
#include <vector>

#include "analysis/UKurven.h"
#include "kos/UGrafik.h"
#include "platform/Typen.h"

enum class TFolgenart { explizit, rekursiv, zweischrittig };

struct TFolgenvorgabe {
  std::string term;  // a(n), or g
  TFolgenart art = TFolgenart::explizit;
  int n0 = 1;                            // first index
  long double x_n0 = 0.5L, y_n1 = 0.6L;  // a(n0) and a(n0+1) of the recursive forms
  int Iterationstiefe = 500;             // steps D: the list holds D + 1 members
  long double k = 1;                     // parameter of g(x)
};

// Fills Punkteliste and Punktanzahl with (n, a(n)). A recursive form whose g fails at some member
// ends the list at the last member computed and returns false; an explicit term keeps the
// engine's error value at undefined members.
bool Folge_berechnen(const TFolgenvorgabe& v);

// What the web diagram suggests about the members a_1 .. a_N.
struct TVermutung {
  enum Art { keine, Grenzwert, Zyklus };
  Art art = keine;
  long double Grenze = 0;                   // a_N
  std::vector<long double> Haeufungswerte;  // a_(N-1) .. a_(N-r) of an r-cycle
};

// Limit when the last two members differ by less than 0,0001; else the first r of 2, 4 .. 64
// with |a_N - a_(N-r)| below 0,001 (r <= 16), 0,03 (r = 32) or 0,07 (r = 64).
TVermutung Grenzwert_vermuten(const std::vector<long double>& a);

// How a sequence is drawn.
struct TFolgenbild {
  bool CobWeb = false;
  bool nur_g_zeichnen = false;
  std::string term;             // g of the web diagram
  TScharwerte Schar;            // parameter of g
  long double xa = -8, xe = 8;  // interval of g and of the diagonal
  TSchrift Schrift;             // font of the guess
  bool vollstaendig = true;     // false: the list ended early, so nothing is guessed
};

// What the drawing found out; keine also for time series and "only g".
struct TFolgenbefund {
  bool divergent = false;  // the web left the picture far beyond its edge
  TVermutung Vermutung;
};

// Draws the point list as time series or web diagram with its guess.
TFolgenbefund Folge_zeichnen(TBild& bild, const TFolgenbild& f);

// Bifurcation diagram: for every pixel column from xli on, k is the column's x; g is iterated n
// times from x0 and the values after the first skip are set as pixels in farbe. false when the
// user cancelled.
bool Bifurkation_zeichnen(TBild& bild, const std::string& g, long double x0, long n, long skip,
                          TFarbe farbe);
