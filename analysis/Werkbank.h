#pragma once
// The workbench state behind the main window: every setting the user makes with a field, list or
// switch, mirrored into one record so that computations below the windows can read it. The record
// holds its start values from program load on; the window resets it with Werkbank_zuruecksetzen.

#include <array>
#include <string>

#include "platform/Typen.h"

// The curves that own a switch in the main window and keep their own colour and line kind.
enum Kurve : int {
  Kurve_f,
  Kurve_g,
  Kurve_h,
  Kurve_fs,    // f'
  Kurve_fs2,   // f''
  Kurve_fs3,   // f'''
  Kurve_inv,   // inverse relation of f
  Kurve_Int,   // integral function F from u
  Kurve_krue,  // curvature of f
  Kurve_x_gleich_a,
  Kurve_x_gleich_b,
  Kurve_Param,            // x(t), y(t) or r(t)
  Kurve_Punktverbindung,  // joins of table points
  Kurven_Anzahl
};

// A curve keeps the line colour and kind that were current when its switch was last checked.
struct Kurvenstil {
  TFarbe Farbe = 0xFF0000;
  int Linienart = 1;
};

struct Werkbank_Zustand {
  // Drawing intervals of f, g and h.
  long double xaSchar = -8, xeSchar = 8;
  long double xaSchar_g = -8, xeSchar_g = 8;
  long double xaSchar_h = -8, xeSchar_h = 8;
  // Interval [a; b] of the tools, step of value tables, lower limit of the integral function.
  long double aStart = -8, bEnde = 8;
  long double delta_x = 1;
  long double u = 0;
  // Family parameter t: from, to, step.
  long double Schar_t1 = 1, Schar_t2 = 2.2L, delta_t = 0.2L;
  // Curve parameter of parametric and polar curves.
  long double Param_k1 = 0;
  long double Param_k2 = 6.283185307179586476925286766559L;
  long double delta_Phi = 3.141592653589793238462643383279L / 720;
  // Sequences.
  long double x_n0 = 0.5L, y_n1 = 0.6L;
  int n_Start = 1;
  int Iterationstiefe = 500;
  // Table and matrices.
  long double skalar_r = 0.03L;
  int Mat_n = 2;
  int Punktspalte = 1;
  int Matrixoperation = 0;  // item of the matrix-operation list
  // Statistics and tools.
  int Regressionsmodell = 1;
  int Integrationsmethode = 3;  // method code, not the list item
  int Diagrammtyp = 0;
  int Plotnummer = 1;
  // Text for the picture.
  std::string Grafiktext = "P(6/4)";
  TFarbe Textfarbe = 0xFF0000;
  std::string Textschrift = "Arial";
  int Textgroesse = 10;
  bool Text_fett = false, Text_kursiv = false, Text_unterstrichen = false,
       Text_durchgestrichen = false;
  int Text_Pinselstil = 0;  // solid: the text box blanks what lies below it
  int Textfeld_Breite = 200, Textfeld_Hoehe = 20;
  // Switches of the curves and modes (mirrors of the check boxes).
  std::array<bool, Kurven_Anzahl> Kurve_zeichnen{};  // all off; start-up switches f on
  std::array<Kurvenstil, Kurven_Anzahl> Kurvenstile{};
  bool Polardarstellung = false;
  bool Folge = false;
  bool rekursiv = false;
  bool rekursivxy = false;
  bool CobWeb = false;
  bool nur_g_zeichnen = false;
  bool alle_t_verwenden = false;
  bool Punkte = false;
  bool Integralfunktion_tabellieren = false;
  bool Grobschraffur = false;
  bool Textmodus = false;
  bool Zoommodus = false;
  bool loeschen = true;
  bool Achsen_automatisch_beschriften = true;
};

// The one workbench of the program.
extern Werkbank_Zustand Werkbank;

// Back to the start values (the record as freshly constructed).
void Werkbank_zuruecksetzen();

// The font of the text for the picture, as the record keeps it in single fields.
TSchrift Werkbank_Textschrift();
void Werkbank_Textschrift_setzen(const TSchrift& s);

// Integration method code for an item of the integration list: 0 -> 3 (Gauss-Kronrod),
// 1 -> 0, 2 -> 1, 3 -> 2, 4 and 5 -> 4; out-of-range items give the start code 3.
int Integrationsmethode_aus_Listenposition(int item);

// First column of the point pair for an item of the point-column list.
inline int Punktspalte_aus_Listenposition(int item) {
  return 2 * item + 1;
}

// A whole number as the integer fields take it: optional blanks and sign, decimal digits, or "$"
// and hexadecimal digits. false for anything else (empty, letters, out of range).
bool Ganzzahl_lesen(const std::string& text, int& wert);

// Whole-number field readers with the fallbacks of the window: a text that is not a plain
// integer gives the fallback.
int n_Start_lesen(const std::string& text);          // fallback 1
int Iterationstiefe_lesen(const std::string& text);  // 2..1499, else 500

// Trims blanks at both ends and deletes every occurrence of zeichen.
std::string Zeichen_entfernen(const std::string& text, char zeichen);

// The kinds of edit fields and what a typed character becomes in them.
enum class Feldart {
  keine,     // no filter
  Term,      // "*" shows as "·", "." as ","
  Zahl,      // a term without x: letters other than E, I, P, W are refused
  Ganzzahl,  // digits, backspace, Enter, Escape, "#" and "$" only
  Enter      // only Enter is special
};

struct Tastenwirkung {
  std::string text;     // what the field receives; empty = the key is swallowed
  bool weiter = false;  // Enter: the focus moves on to the next control
};

// zeichen is the typed character in UTF-8 ("\r" Enter, "\b" backspace, "\x1b" Escape).
Tastenwirkung Taste_filtern(Feldart art, const std::string& zeichen);
