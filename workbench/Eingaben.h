#pragma once
// The rules of the main window's inputs: what leaving a field, clicking a switch, choosing a
// list item or a colour does to the workbench state, the view and the style, and the start
// values of them all. Each rule writes back to the window only through the Anzeige.

#include "workbench/Anzeige.h"
#include "workbench/Werkbank.h"

// Start values of every setting and control (also the reset of the view navigation).
void Standardwerte_einstellen(Anzeige& a);

// A number field that may hold any term without x: the value goes into its target and the
// couplings of that field follow. After a refused text the field takes the focus back; after a
// syntax fault its target keeps the old value. false when the text was refused.
bool Zahlfeld_verlassen(Anzeige& a, const char* feld);
// Reads a number field into ziel with the same rules, without couplings.
bool Feld_zu_Zahl(Anzeige& a, const char* feld, long double& ziel);
// Whole-number fields fall back to their start values.
void Ganzzahlfeld_verlassen(Anzeige& a, const char* feld);
// Term fields lose their blanks and are checked; a syntax fault takes the focus back.
void Termfeld_verlassen(Anzeige& a, const char* feld);
// The change rule of a field: runs at every new text, typed or written by the program (the
// view's x bounds go into the drawing intervals of f, g and h; captions and the picture text
// follow their fields).
void Feld_geaendert(Anzeige& a, const char* feld);
// Up and Down move between the term fields.
void Termfeld_Taste(Anzeige& a, const char* feld, bool runter);

// Switches: an is the switch's new state.
void Schalter_geklickt(Anzeige& a, const char* schalter, bool an);

// Lists: eintrag is the item the user chose.
void Liste_gewaehlt(Anzeige& a, const char* liste, int eintrag);

// The swatches of the curve switches as the workbench holds their curves (after a sheet was put
// back): each checked curve in its own colour and line kind.
void Kurvenmuster_zeigen(Anzeige& a);

// Colour panels: the colour chooser opens with the panel's colour.
void Farbfeld_geklickt(Anzeige& a, const char* panel);
