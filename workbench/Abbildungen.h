#pragma once
// The plane mappings of the side window: every point of the chosen point columns is mapped, the
// images go into the next two columns and are drawn in their own colour. Choosing those columns
// as the new point columns and mapping again chains mappings.

#include <array>
#include <map>
#include <string>

#include "platform/Blattspeicher.h"
#include "platform/Typen.h"
#include "workbench/Anzeige.h"

enum class TAbbildungsart : int {
  Achsenspiegelung,
  Drehung,
  Verschiebung,
  Streckung,
  Scherung,
  Matrix,
};

// The numbers of the mappings, as the window's fields last gave them.
struct TAbbildungsparameter {
  TPunkt T, Q;            // mirror line through T and Q
  TPunkt M;               // centre of rotation
  long double alpha = 0;  // angle of rotation in degrees
  TPunkt R, S;            // translation by S - R
  TPunkt Z;               // centre of dilation
  long double k = 0;      // dilation factor
  long double f = 0;      // shear factor
  std::string Achse = "x";
  long double m11 = 0, m12 = 0, m21 = 0, m22 = 0;
  bool operator==(const TAbbildungsparameter&) const = default;
};

// Mirrors of the side window's controls; the window keeps them current, the actions read them.
struct TAbbildungsfenster {
  std::map<std::string, std::string, std::less<>> Feldtexte;
  TAbbildungsparameter Parameter;
  TAbbildungsart Abbildung = TAbbildungsart::Achsenspiegelung;
  bool Hilfslinien = true;
  bool Abbildungsparameter = true;
  TFarbe Bildfarbe = 0x008000;  // green
  // The check boxes of the triangle lines, in the order of kDreieckschalter.
  std::array<bool, 18> Dreieckslinien{};
  bool operator==(const TAbbildungsfenster&) const = default;
};

// The one side window state, a part of the sheet, holding its start values from program load on.
extern TAbbildungsfenster& Abbildungsfenster;
TAbbildungsfenster Abbildungsfenster_Startwerte();

template <>
struct TBlattteil_Regeln<TAbbildungsfenster> {
  static TAbbildungsfenster Start() { return Abbildungsfenster_Startwerte(); }
  static bool Gleich(const TAbbildungsfenster& a, const TAbbildungsfenster& b) { return a == b; }
  static void Zuweisen(TAbbildungsfenster& z, const TAbbildungsfenster& q) { z = q; }
  static constexpr bool Packbar = false;
  static void Packen(TAbbildungsfenster&) {}
  static bool Gepackt(const TAbbildungsfenster&) { return false; }
  static std::size_t Bytes(const TAbbildungsfenster&) { return sizeof(TAbbildungsfenster) + 1024; }
};

// P mapped by the chosen mapping. false when the mirror line is not determined (T = Q); the
// image is then not meaningful.
bool Punkt_abbilden(TAbbildungsart art, TPunkt P, const TAbbildungsparameter& p, TPunkt& bild);

// ---- rules of the window's controls ------------------------------------------------------------

void Abbildungsfeld_geaendert(const char* feld, const std::string& text);
// A point, angle or factor field takes any term without x; a matrix field is only checked, as
// its term is evaluated when mapping. A refused text takes the focus back.
bool Abbildungsfeld_verlassen(Anzeige& fenster, const char* feld);
void Abbildung_gewaehlt(int eintrag);
void Scherachse_gewaehlt(int eintrag);
void Abbildungsschalter_geklickt(const char* schalter, bool an);
void Bildfarbe_waehlen(Anzeige& fenster);

// The mapping run on the main window: table, picture and point list.
void Abbilden_geklickt(Anzeige& haupt);

// The points button of the main window on the columns spalte, spalte + 1; returns the number of
// points read.
int Tabellenpunkte_zeichnen(Anzeige& haupt, int spalte);
