#pragma once
// The workbench state behind the main window: every setting the user makes with a field, list or
// switch, mirrored into one record so that computations below the windows can read it. The record
// holds its start values from program load on; the window resets it with Werkbank_zuruecksetzen.

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/Typen.h"
#include "workbench/Startwerte.h"

// The start texts of every edit field and label that has one.
std::map<std::string, std::string, std::less<>> Startfeldtexte();

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
  bool operator==(const Kurvenstil&) const = default;
};

// List items that stand for a number start at these values.
inline constexpr int kZahlenhoehe_ab = 8;    // item 0 = 8 points
inline constexpr int kGesamtstellen_ab = 8;  // item 0 = 8 characters
inline constexpr int kPlotnummer_ab = 1;     // item 0 = plot number 1

// Integration method code for an item of the integration list: 0 -> 3 (Gauss-Kronrod),
// 1 -> 0, 2 -> 1, 3 -> 2, 4 and 5 -> 4; out-of-range items give the start code 3.
constexpr int Integrationsmethode_aus_Listenposition(int item) {
  constexpr int codes[] = {3, 0, 1, 2, 4, 4};
  return item >= 0 && item < 6 ? codes[item] : 3;
}

// First column of the point pair for an item of the point-column list.
constexpr int Punktspalte_aus_Listenposition(int item) {
  return 2 * item + 1;
}

struct Werkbank_Zustand {
  // The text of every edit field as the user last left it or the program wrote it; actions read
  // terms and bounds from here, never from a control.
  std::map<std::string, std::string, std::less<>> Feldtexte = Startfeldtexte();
  const std::string& Feldtext(std::string_view feld) const;

  // Drawing intervals of f, g and h.
  long double xaSchar = Startzahl("Edit_xaSchar"), xeSchar = Startzahl("Edit_xeSchar");
  long double xaSchar_g = Startzahl("Edit_xaSchar_g"), xeSchar_g = Startzahl("Edit_xeSchar_g");
  long double xaSchar_h = Startzahl("Edit_xaSchar_h"), xeSchar_h = Startzahl("Edit_xeSchar_h");
  // Interval [a; b] of the tools, step of value tables, lower limit of the integral function.
  long double aStart = Startzahl("Edit_aStart"), bEnde = Startzahl("Edit_bEnde");
  long double delta_x = Startzahl("Edit_delta_x");
  long double u = Startzahl("Edit_u");
  // Family parameter t: from, to, step. Schar_t1 is also the current t of every tool: the value
  // last accepted from its field, moved on by the extrema and inflection searches.
  long double Schar_t1 = Startzahl("Edit_Schar_t1"), Schar_t2 = Startzahl("Edit_Schar_t2"),
              delta_t = Startzahl("Edit_delta_t");
  // Curve parameter of parametric and polar curves.
  long double Param_k1 = Startzahl("Edit_Param_k1");
  long double Param_k2 = Startzahl("Edit_Param_k2");
  long double delta_Phi = Startzahl("Edit_delta_Phi");
  // Sequences.
  long double x_n0 = Startzahl("Edit_x_n0"), y_n1 = Startzahl("Edit_y_n1");
  int n_Start = static_cast<int>(Startzahl("Edit_n0"));
  int Iterationstiefe = static_cast<int>(Startzahl("Edit_Iterationstiefe"));
  // Table and matrices.
  long double skalar_r = Startzahl("Edit_skalar_r");
  int Mat_n = static_cast<int>(Startzahl("Edit_Mat_n"));
  int Punktspalte = Punktspalte_aus_Listenposition(Starteintrag("ComboBox_Punkte_ab_Spalte"));
  int Matrixoperation = Starteintrag("ComboBox_MatrixOps");
  // Statistics and tools.
  int Regressionsmodell = Starteintrag("ComboBox_RegressionsModelle");
  // The second regression line is drawn too; the reset leaves its box as it is.
  bool zwei_Regressionsgeraden = false;
  int Integrationsmethode =  // method code, not the list item
      Integrationsmethode_aus_Listenposition(Starteintrag("ComboBox_Integrationsmethode"));
  bool Romberg_Tabelle = false;  // "Romberg tab": the scheme also goes into the table
  int Diagrammtyp = Starteintrag("ComboBox_DiagrammTyp");
  int Plotnummer = Starteintrag("ComboBox_DiagrPlotNr") + kPlotnummer_ab;
  // The term the analysis tools work on (the first checked of f, g, h, or f-(g)).
  std::string Aktueller_Term;
  bool Newton_tabellieren =
      Startschalter("CheckBox_Newton_tabellieren");  // the zero search tables its first Newton run
  // Position of the slider that varies the family parameter (0..100).
  int Schieberposition = 0;
  // Text for the picture.
  std::string Grafiktext = Starttext("Edit_Text_in_Grafik");
  TSchrift Textschrift{.Name = "Arial", .Groesse = 10, .Farbe = 0xFF0000};  // blue
  int Text_Pinselstil = 0;  // solid: the text box blanks what lies below it
  int Textfeld_Breite = 200, Textfeld_Hoehe = 20;
  // Switches of the curves and modes (mirrors of the check boxes).
  std::array<bool, Kurven_Anzahl> Kurve_zeichnen{};  // all off; start-up switches f on
  std::array<Kurvenstil, Kurven_Anzahl> Kurvenstile{};
  bool Polardarstellung = Startschalter("CheckBox_Polar_Wahl");
  bool Folge = Startschalter("CheckBox_Folge");
  bool rekursiv = Startschalter("CheckBox_rekursiv");
  bool rekursivxy = Startschalter("CheckBox_rekursivxy");
  bool CobWeb = Startschalter("CheckBox_Web");
  bool nur_g_zeichnen = Startschalter("CheckBox_nur_g_zeichnen");
  bool alle_t_verwenden = Startschalter("CheckBox_alle_t_verwenden");
  bool Punkte = Startschalter("CheckBox_Punkte");
  bool Integralfunktion_tabellieren = Startschalter("CheckBox_Integralfunktion_tabellieren");
  bool Grobschraffur = Startschalter("CheckBox_Grobschraffur");
  bool Textmodus = Startschalter("CheckBox_Textmodus");
  bool Zoommodus = Startschalter("CheckBox_ZoomModus");
  bool loeschen = Startschalter("CheckBox_loeschen");
  bool Achsen_automatisch_beschriften = Startschalter("CheckBox_Achsen_automatisch_beschriften");

  bool operator==(const Werkbank_Zustand&) const = default;
};

// The one workbench of the program, a part of the sheet.
extern Werkbank_Zustand& Werkbank;

// Back to the start values (the record as freshly constructed).
void Werkbank_zuruecksetzen();

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
