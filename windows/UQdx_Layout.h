#pragma once
// The control table of the main window: every control with its kind, parent, position inside
// the parent, caption, hint, list items and input rule. UQdx builds the window from it.

#include <span>

#include "analysis/Werkbank.h"

enum class Elementart {
  Gruppe,        // group box
  Beschriftung,  // label
  Feld,          // one-line edit field
  Schalter,      // check box
  Liste,         // drop-down list
  Stilliste,     // drop-down list that draws its items as style samples
  Knopf,         // speed button (takes no focus)
  Farbfeld,      // colour panel
  Muster,        // style swatch beside a curve switch
  Bild,          // the picture
  Tabelle,       // the string grid
  Schieber       // horizontal scroll bar
};

struct TSteuerelement {
  const char* name;
  Elementart art;
  const char* eltern;  // "" = the window itself
  int x, y, b, h;
  const char* text;       // caption or start text
  const char* hinweis;    // tooltip
  const char* eintraege;  // list items separated by '|'
  Feldart feld;           // key filter of an edit field
  int gruppe;             // speed buttons of the same group > 0 stay pressed one at a time
};

std::span<const TSteuerelement> Steuerelement_Tabelle();

// A handler that serves several controls under a name of its own.
struct TGemeinsamerHandler {
  const char* element;
  const char* ereignis;
  const char* handler;
};
std::span<const TGemeinsamerHandler> Gemeinsame_Handler();
