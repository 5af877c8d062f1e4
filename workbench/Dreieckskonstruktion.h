#pragma once
// Points, lines and circles of a triangle ABC from the table: the measures are computed as a
// whole first, then the chosen lines are drawn into the main picture and every measure goes into
// the table (columns 3 to 8).

#include <array>
#include <string>

#include "platform/Typen.h"
#include "workbench/Anzeige.h"

class TBild;
class Tabelle;

struct TDreieck {
  TPunkt A, B, C;
  long double a = 0, b = 0, c = 0;             // a = |BC|, b = |AC|, c = |AB|
  long double a2 = 0, b2 = 0, c2 = 0;          // their squares
  long double alpha = 0, beta = 0, gamma = 0;  // radians
  long double Flaeche = 0;
  TPunkt Ma, Mb, Mc, S;
  TPunkt U;  // circumcentre
  long double R = 0;
  TPunkt Ha, Hb, Hc;  // altitude feet
  long double ha = 0, hb = 0, hc = 0;
  TPunkt H;           // orthocentre
  TPunkt Wa, Wb, Wc;  // points on the angle bisectors at A, B, C
  TPunkt I;           // incentre
  long double r = 0;
  TPunkt Ta, Tb, Tc;  // touch points of the incircle
};

// The check boxes of the triangle lines; the window state keeps their marks in this order.
enum Dreieckslinie : int {
  DL_Schwerpunkt,
  DL_Umkreismittelpunkt,
  DL_Inkreismittelpunkt,
  DL_Hoehenschnittpunkt,
  DL_Seitenmittelpunkte,
  DL_Inkreislotpunkte,
  DL_Hoehenfusspunkte,
  DL_Seitenhalbierenden,
  DL_Mittelsenkrechten,
  DL_Winkelhalbierenden,
  DL_Hoehen,
  DL_Mittelparallelen,
  DL_Umkreis,
  DL_Inkreis,
  DL_Umkreisradius,
  DL_Inkreisradius,
  DL_Eckpunkte_beschriften,
  DL_Eulergerade,
  Dreieckslinien_Anzahl
};
inline constexpr std::array<const char*, Dreieckslinien_Anzahl> kDreieckschalter = {
    "CheckBox_Schwerpunkt",
    "CheckBox_Umkreismittelpunkt",
    "CheckBox_Inkreismittelpunkt",
    "CheckBox_Hoehenschnittpunkt",
    "CheckBox_Seitenmittelpunkte",
    "CheckBox_Inkreislotpunkte",
    "CheckBox_Hoehenfusspunkte",
    "CheckBox_Seitenhalbierenden",
    "CheckBox_Mittelsenkrechten",
    "CheckBox_Winkelhalbierenden",
    "CheckBox_Hoehen",
    "CheckBox_Mittelparallelen",
    "CheckBox_Umkreis",
    "CheckBox_Inkreis",
    "CheckBox_Umkreisradius",
    "CheckBox_Inkreisradius",
    "CheckBox_Eckpunkte_beschriften",
    "CheckBox_Eulergerade",
};
using TDreiecksauswahl = std::array<bool, Dreieckslinien_Anzahl>;

// Every measure of the triangle. false with a German message when A, B, C do not span a
// triangle (collinear or equal points) or a measure leaves the number range.
bool Dreieck_berechnen(TPunkt A, TPunkt B, TPunkt C, TDreieck& d, std::string& meldung);

// The chosen points, lines and circles, in a fixed order (markers below lines).
void Dreieck_zeichnen(TBild& bild, const TDreieck& d, const TDreiecksauswahl& auswahl);
// Rows 1 to 17 of columns 3 to 8.
void Dreiecksmasse_schreiben(Tabelle& t, const TDreieck& d);

// ---- rules of the window's controls ------------------------------------------------------------

void Dreieckschalter_geklickt(const char* schalter, bool an);
// Marks or clears every triangle box of the window; clearing also replots the main picture.
void Alles_auswaehlen_geklickt(Anzeige& fenster, Anzeige& haupt, bool an);
// The construction on the main window's picture and table.
void Dreieckslinien_geklickt(Anzeige& haupt);
