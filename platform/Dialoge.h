#pragma once
// The seam between the program's rules and the user's dialogs. Core code talks to the user only
// through Dialog(); the windows install a Qt provider, tests a scripted one.

#include <string>

#include "platform/Typen.h"

class QImage;

struct Dialoge {
  virtual ~Dialoge() = default;
  virtual void Meldung(const std::string& text) = 0;  // information box, OK
  virtual bool Frage(const std::string& text) = 0;    // Yes/No box; true = Yes
  virtual bool Eingabe(const std::string& titel, const std::string& prompt,
                       std::string& text) = 0;  // input query; false = Cancel
  // Yes/No/Cancel box: 1 Ja, 0 Nein, -1 Abbrechen; a provider without one cancels.
  virtual int Frage_mit_Abbruch(const std::string& text) { return -1; }

  // Colour chooser; false = cancelled, farbe unchanged.
  virtual bool Farbe_waehlen(TFarbe& farbe) { return false; }
  // Font chooser; false = cancelled, schrift unchanged.
  virtual bool Schrift_waehlen(TSchrift& schrift) { return false; }
  // Save dialog. filter like "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png)"; false = cancelled.
  virtual bool Speicherpfad_waehlen(const std::string& titel, const std::string& filter,
                                    const std::string& endung, std::string& pfad) {
    return false;
  }
  // Open dialog for an existing file; filter as above; false = cancelled.
  virtual bool Oeffnungspfad_waehlen(const std::string& titel, const std::string& filter,
                                     std::string& pfad) {
    return false;
  }
  // Blocks until the user presses a key (step-by-step traces).
  virtual void Taste_abwarten() {}
  // Polled by long computations: true once the user has pressed Escape.
  virtual bool Abbruch_angefordert() { return false; }
  // Forgets a cancel request: a computation starts without one, and "No" to its question ends it.
  virtual void Abbruch_zuruecksetzen() {}
  // Progress of a long computation, 0..100; called with -1 when it ends.
  virtual void Fortschritt(const std::string& text, int prozent) {}
  virtual void Piep() {}
};

Dialoge& Dialog();               // the provider in force
void Dialog_setzen(Dialoge* d);  // install one; nullptr restores the default

// Clipboard seam: plain text and bitmaps.
struct Zwischenablage {
  virtual ~Zwischenablage() = default;
  virtual void Text_setzen(const std::string& text) = 0;
  virtual void Bild_setzen(const QImage& bild) = 0;
  // The clipboard's plain text; empty when it holds none.
  virtual std::string Text_holen() { return {}; }
  // The bitmap and, as a second form of the same picture, its SVG document.
  virtual void Bild_und_SVG_setzen(const QImage& bild, const std::string& svg) {
    (void)svg;
    Bild_setzen(bild);
  }
};

Zwischenablage& Ablage();               // the clipboard in force
void Ablage_setzen(Zwischenablage* z);  // nullptr restores the default
