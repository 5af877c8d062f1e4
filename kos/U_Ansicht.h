#pragma once
// The view arithmetic behind the navigation buttons and the mouse: preset origins, zoom steps with
// their counters, panning, dragging, picture sizes in whole centimetres and the zoom frame. Pure
// arithmetic on world bounds, so the window only reads fields, calls one of these and writes back.

#include <string>

// Zoom state of the sheet; both counters move together on every zoom button.
struct TZoomzustand {
  int Zoomstufe_x = 0, Zoomstufe_y = 0;
  int Zoomgrenze = 32;             // allowed counter range -Zoomgrenze .. Zoomgrenze
  long double Zoomfaktor = 2;      // factor per zoom step
  long double Ziehfaktor = 0.02L;  // world shift per pixel of mouse drag, in scale units
  bool operator==(const TZoomzustand&) const = default;
};
extern int &Zoomstufe_x, &Zoomstufe_y;
extern int& Zoomgrenze;
extern long double& Zoomfaktor;
extern long double& Ziehfaktor;

// Start values of the zoom state (counters 0, limit 32, factor 2, drag factor 0.02).
void Zoom_Standardwerte();

// World bounds and tick spacings of a view.
struct TBereich {
  long double xli = -8, xre = 8, yu = -8, yo = 8, xscl = 1, yscl = 1;
};
TBereich Bereich_aus_KOS();
void Bereich_in_KOS(const TBereich& b);

enum class TUrsprung { Mitte, Links_unten, Quadranten_1_2, Quadranten_1_4 };
// Moves the origin, keeping the width and height of the view; N, M = picture size in cm.
TBereich Ursprung_setzen(const TBereich& b, TUrsprung u, int N, int M);

enum class TZoom { Verkleinern, Vergroessern, x_stauchen, x_strecken, y_stauchen, y_strecken };
// One zoom step about the origin. At the limit nothing changes and false is returned.
bool Zoomen(TBereich& b, TZoom z);

enum class TRichtung { Links, Rechts, Hoch, Runter };
// Half a tick spacing in the given direction.
TBereich Schieben(const TBereich& b, TRichtung r);

// Drag step from pixel (x_vorher, y_vorher) to (x, y): the drawing follows the mouse.
TBereich Ziehen(const TBereich& b, int x_vorher, int y_vorher, int x, int y);

// Position and size of a picture of N x M cm, centred in the full picture area.
struct TBildlage {
  int links = 0, oben = 0, breite = 641, hoehe = 641;
};
TBildlage Bildlage_berechnen(int N, int M);

// One centimetre more or less picture width (or height): n in 3..16; the world range grows or
// shrinks by one centimetre's worth, half on each side. false = at the limit, nothing changed.
bool Bildgroesse_aendern(bool groesser, int& n, long double& von, long double& bis);

struct TPixelpunkt {
  int x = 0, y = 0;
};
// Ordered rectangle of two frame corners: left <= right, top <= bottom.
struct TPixelrechteck {
  int links = 0, oben = 0, rechts = 0, unten = 0;
};
TPixelrechteck Rahmen_ordnen(TPixelpunkt a, TPixelpunkt b);
// The view a zoom frame selects on a picture of W x H pixels. false when the frame has no width or
// no height (the view then stays).
bool Zoomrahmen_Bereich(TPixelpunkt a, TPixelpunkt b, int W, int H, long double& xa,
                        long double& xe, long double& ya, long double& ye);

// The mouse on the picture: last position of a drag, the zoom frame while it is drawn, and
// whether the left button went down on the picture (alone, without modifier keys).
struct TZoomrahmen {
  TPixelpunkt fest, beweglich;  // press position and moving corner
};
extern TPixelpunkt Maus_Anfang;
extern bool Zoomrahmen_aktiv;
extern TZoomrahmen Zoomrahmen;
extern bool Maus_links_gedrueckt;

// A number as the fields show it after a view change: up to 15 significant digits, decimal comma,
// no trailing zeros, exponent form "1,5E20" / "1E-7" for very large or small values.
std::string Gleitkomma_Text(long double x);
// Reads such a text back (decimal comma or point); false if it is no plain number.
bool Gleitkomma_lesen(const std::string& text, long double& x);
