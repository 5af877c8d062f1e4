#pragma once
// The coordinate system of a picture (world <-> pixel, painting grid, axes, ticks and numbers),
// the user-selectable drawing styles, the samples of the style lists and the shared point list.

#include <array>
#include <string>

#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "platform/Typen.h"

// ---- style state ---------------------------------------------------------------------------

// The pen, brush and point settings the user picks in the style lists and colour panels.
struct TStil {
  int Linienart = 1;                                 // 0..5
  int Linienbreite = 1;                              // pen width belonging to Linienart
  TStiftstil Linienstil = TStiftstil::Durchgezogen;  // dotted for kind 0
  TFarbe Linienfarbe = 0xFF0000;                     // blue
  int Flaechenfuellung = 5;                          // brush style 0..7
  TFarbe Fuellfarbe = 0xFF00FF;                      // magenta
  int Punkteart = 1;              // 0 circle, 1 disc, 2 upright cross, 3 diagonal cross, 4 square
  int Punktradius = 3;            // 0..6
  TFarbe Punktfarbe = 0x0000FF;   // red
  bool Punkte_verbinden = false;  // join successive points of the point list
  TFarbe Verbindungsfarbe = 0xFF0000;
  int Verbindungsart = 1;  // line kind 0..5 of the joins
  bool operator==(const TStil&) const = default;
};

// The one style state of the program, a part of the sheet, holding its start values from
// program load on.
extern TStil& Stil;
// Back to the start values.
void Stil_zuruecksetzen();

// Pen width and pen style that belong to a line kind 0..5.
int Linienbreite_zu_Linienart(int art);
TStiftstil Linienstil_zu_Linienart(int art);
// Choosing a line kind in its list: sets Linienart, Linienbreite and Linienstil of Stil.
void Linienart_waehlen(int art);

// The point-symbol list shows circle, disc, diagonal cross, square, upright cross.
int Punkteart_aus_Listenposition(int position);
int Listenposition_aus_Punkteart(int art);

void Linienstil_setzen(TBild& bild, TFarbe farbe, int art);
void Punktsymbol_zeichnen(TBild& bild, int px, int py);

// ---- samples of the owner-drawn style lists (item box left L, top T, width B, height H) ----

// White box; the focused item gets a pale yellow box drawn with an invisible pen.
void Listeneintrag_Hintergrund(TBild& bild, int L, int T, int B, int H, bool fokussiert);
// Background plus sample.
void Linienart_Eintrag_zeichnen(TBild& bild, int L, int T, int B, int H, int art, bool fokussiert);
void Fuellmuster_Eintrag_zeichnen(TBild& bild, int L, int T, int B, int H, int muster,
                                  bool fokussiert);
void Punkteart_Eintrag_zeichnen(TBild& bild, int L, int T, int B, int H, int position,
                                bool fokussiert);

// ---- style swatches beside the curve check boxes (28x9 or 30x9 pictures) --------------------

void Image_loeschen(TBild& bild);
// Draws the current line style. Outside the point-join box an arrow kind becomes its plain kind
// (4 -> 1, 5 -> 3); the result is the line kind now in force, for the window to show in its list.
int Image_neu_zeichnen(TBild& bild, bool ist_Punktverbindung);

// ---- shared point list ----------------------------------------------------------------------

constexpr int Punkteliste_Groesse = 1500;
// The point list of the sheet. Point 1 of the list is Punkteliste[0].
struct TPunkteliste {
  std::array<TPunkt, Punkteliste_Groesse> Punkte{};
  int Anzahl = 0;
  // Points beyond the count are left-overs, not part of the list.
  bool operator==(const TPunkteliste& b) const;
};
extern std::array<TPunkt, Punkteliste_Groesse>& Punkteliste;
extern int& Punktanzahl;

// ---- coordinate system ------------------------------------------------------------------

// World to pixel of the given picture: rounded half to even, clamped to +-20000.
int x_zu_Pixel(const TBild& bild, long double x);
int y_zu_Pixel(const TBild& bild, long double y);
// Pixel to world, unrounded.
long double Pixel_zu_x(const TBild& bild, long double px);
long double Pixel_zu_y(const TBild& bild, long double py);

// World x of the y axis: 0 when strictly inside the view, else 1 cm inside the nearer edge.
long double Lage_yAchse();
// World y of the x axis, by the same rule.
long double Lage_xAchse();

void KOS_zeichnen(TBild& bild);
void Raster_zeichnen(TBild& bild, int breite, long double dx, long double dy);
void Skala_zeichnen(TBild& bild, bool mit_Zahlen, long double sx, long double sy, long double X0,
                    long double Y0);
void Achsenzahl_schreiben(TBild& bild, bool ist_x, int i, long double v, int C, int R);
void xAchse_beschriften(TBild& bild, const std::string& text, long double Y0, long double xre);
void yAchse_beschriften(TBild& bild, const std::string& text, long double X0);
void Punkte_zeichnen(TBild& bild);

// Number of characters of the general float text of x (15 significant digits), which the label
// thinning uses as its width estimate.
int Allgemeine_Textlaenge(long double x);
