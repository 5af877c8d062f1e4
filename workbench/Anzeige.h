#pragma once
// What an action may do to the window it serves, by control name: show a text, check a switch,
// choose a list item, enable a control, give the focus back. Actions only write to the window;
// what they need to know they read from the workbench state, which the window keeps current.
// The main window and the side windows implement it; tests use a recording one.

#include <map>
#include <string>
#include <vector>

#include "platform/Typen.h"

class TBild;

// What the main window's controls show besides their texts (which are the workbench's field
// texts): the checked switches and pressed group buttons, the chosen list items, the enabled
// controls and the hints a rule changed. A part of the sheet; a control without an entry shows
// its start state.
struct TBedienung {
  std::map<std::string, bool, std::less<>> Haken = Start_Haken();
  std::map<std::string, int, std::less<>> Eintraege = Start_Eintraege();
  std::map<std::string, bool, std::less<>> Freigaben = Start_Freigaben();
  std::map<std::string, std::string, std::less<>> Hinweise;
  bool operator==(const TBedienung&) const = default;

  static std::map<std::string, bool, std::less<>> Start_Haken();
  static std::map<std::string, int, std::less<>> Start_Eintraege();
  static std::map<std::string, bool, std::less<>> Start_Freigaben();
};

// The controls of the sheet.
extern TBedienung& Bedienung;

// A window as the actions see it. What an action writes goes into the sheet first (for the main
// window: the field texts and the Bedienung) and is then shown. A switch that changes runs its
// rule here, below the windows, and so does a field whose text changes: the window only shows
// (the *_anzeigen members), so showing a state never runs a rule and undo can show any sheet.
struct Anzeige {
  virtual ~Anzeige() = default;
  // The main window and the test windows standing in for it show the sheet's controls; side
  // windows keep their own records and only show.
  bool Blattbedienung = false;

  // Text of an edit field, a label or a button caption.
  void Text_zeigen(const char* name, const std::string& text);
  // A switch or a pressed group button.
  void Haken_zeigen(const char* name, bool an);
  // A list item or a slider position; no rule runs, as for the user's choice only.
  void Eintrag_zeigen(const char* liste, int eintrag);
  void Freigabe_zeigen(const char* name, bool an);
  void Hinweis_zeigen(const char* name, const std::string& text);

  // Showing only; the state is the caller's.
  virtual void Text_anzeigen(const char* name, const std::string& text) = 0;
  virtual void Haken_anzeigen(const char* name, bool an) = 0;
  virtual void Eintrag_anzeigen(const char* liste, int eintrag) = 0;
  virtual void Freigabe_anzeigen(const char* name, bool an) = 0;
  virtual void Hinweis_anzeigen(const char* name, const std::string& text) = 0;
  // The caption, hint and enabled state a control had when the window was built (for controls
  // a sheet shown again has no entry for).
  virtual void Startzustand_anzeigen(const char* name) {}

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

// Names of the sheet's controls whose state the program changed since the last call (what the
// window must show after an action); the list is emptied.
std::vector<std::string> Bedienung_geaendert();

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
