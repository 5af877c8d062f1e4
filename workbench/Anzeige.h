#pragma once
// What an action may do to the window it serves, by control name: show a text, check a switch,
// choose a list item, enable a control, give the focus back. Actions only write to the window;
// what they need to know they read from the workbench state, which the window keeps current.
// The main window and the side windows implement it; tests use a recording one.

#include <string>

#include "platform/Typen.h"

class TBild;

struct Anzeige {
  virtual ~Anzeige() = default;
  // Text of an edit field, a label or a button caption. A new text of an edit field runs the
  // field's change rule, as a typed text does.
  virtual void Text_zeigen(const char* name, const std::string& text) = 0;
  // A switch set by the program runs its click rule like a user's click.
  virtual void Haken_zeigen(const char* name, bool an) = 0;
  // A list item set by the program does not run the list's change rule.
  virtual void Eintrag_zeigen(const char* liste, int eintrag) = 0;
  virtual void Freigabe_zeigen(const char* name, bool an) = 0;
  virtual void Hinweis_zeigen(const char* name, const std::string& text) = 0;
  virtual void Farbe_zeigen(const char* name, TFarbe farbe) = 0;
  // An edit field shows its text in this font and colour (the preview of picture text).
  virtual void Schrift_zeigen(const char* feld, const TSchrift& schrift) = 0;
  // Repaints a control whose look follows a setting (the style lists).
  virtual void Neu_malen(const char* name) = 0;
  // An input was refused: the field takes the focus back.
  virtual void Fokus_zurueck(const char* name) = 0;
  // The busy cursor while a long drawing runs.
  virtual void Beschaeftigt(bool an) {}
  // The picture or a style swatch of that name; nullptr when there is none.
  virtual TBild* Bild(const char* name) = 0;
};

// Writes a field's text into the workbench state and shows it.
void Feld_zeigen(Anzeige& a, const char* feld, const std::string& text);

// A fault that a redraw would repeat (every zoom step, every step of a drag) is reported once
// for the inputs that cause it; other inputs, or good ones in between, make it new again.
class TEinmalmeldung {
 public:
  bool Gemeldet(const std::string& eingaben) const { return eingaben == gemeldet_; }
  void Merken(const std::string& eingaben) { gemeldet_ = eingaben; }
  void Vergessen() { gemeldet_.clear(); }
  // true when this fault of these inputs has not been reported yet; it counts as reported now.
  bool Neu(const std::string& eingaben) {
    if (Gemeldet(eingaben)) return false;
    Merken(eingaben);
    return true;
  }

 private:
  std::string gemeldet_;
};
