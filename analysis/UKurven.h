#pragma once
// Drawing the graphs of f, g, h and the curves derived from f into a picture: pixel column by
// pixel column as a connected polyline, the pen lifted where a value is undefined or where the
// graph jumps across a whole picture height, and jumps of step functions marked with a filled dot
// on the defined end and open circles on the far ends.

#include <string>

#include "kos/UGrafik.h"

// What a curve shows of its term.
enum Kurvenmodus : int {
  Modus_Funktion = 0,          // f, g, h
  Modus_Ableitung_1 = 1,       // f'
  Modus_Ableitung_2 = 2,       // f''
  Modus_Ableitung_3 = 3,       // f'''
  Modus_Umkehrrelation = 4,    // f^-1: mirror image at y = x
  Modus_Integralfunktion = 5,  // F(x) = integral of f from u to x
  Modus_Kruemmung = 6          // curvature of the graph of f
};

// The family parameter range and the lower limit of the integral function.
struct TScharwerte {
  long double t1 = 1, t2 = 2.2L, dt = 0.2L;
  long double u = 0;
  bool alle_t = false;  // "t von": draw every member from t1 to t2
};

// True when a term may take a family parameter (a letter T or K anywhere, function names count),
// so that its members get the colours of the family table.
bool Scharfaerbung_moeglich(const std::string& term);

// A family draws at most this many members. The picture is at most 641 pixels high: with more
// members than pixel rows they crowd every column, and further ones add nothing visible, only
// drawing time on every redraw, zoom or size click.
constexpr int kScharglieder_hoechstens = 641;

// Number of members drawn for the range (1 without "t von"): t1, t1 + dt, ... up to t2, at most
// kScharglieder_hoechstens of them; a step that does not advance t gives one member.
int Scharglieder_Anzahl(const TScharwerte& s);
// True when the range holds more members than are drawn, so the user can be told.
bool Schar_begrenzt(const TScharwerte& s);

// Draws one curve with its family over [a, b] in colour and line kind 0..3.
// Returns false when the user cancelled a long drawing.
bool Kurve_zeichnen(TBild& bild, const std::string& term, TFarbe farbe, int art, int modus,
                    long double a, long double b, const TScharwerte& s);

// Vertical line x = value of the position term across the whole picture height.
void Senkrechte_zeichnen(TBild& bild, const std::string& text, TFarbe farbe, int art);

// Value of the parameter slider at position 0..100 between the bounds t1 and t2.
long double Schieberegler_Wert(int position, long double t1, long double t2);
