#pragma once
// The sheet as the workbench sees it: the sheet object (platform/Blattspeicher) with every part
// the layers put in it, taken as an image and shown again. Undo keeps a row of images, the
// recovery file and the worksheet file are written from one. The window shows an image that
// was put back by showing every control's state; no rule runs.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/Blattspeicher.h"
#include "workbench/Anzeige.h"
#include "workbench/Arbeitsblatt.h"

using TBlatt = TBlattabbild;

// The program's sheet now; what equals vorher is shared with it.
TBlatt Blatt_erfassen(const TBlatt* vorher = nullptr);
// Puts a sheet taken from this program back exactly and shows it.
void Blatt_anwenden(Anzeige& a, const TBlatt& b);
// Shows every control of the main window as the sheet holds it (after the sheet was put back).
// vorher: the controls as shown until now, so that a control the sheet has no entry for gets
// its start state back.
void Blatt_zeigen(Anzeige& a, const TBedienung& vorher,
                  const std::map<std::string, std::string, std::less<>>& texte_vorher);
// The whole sheet back to its start values (tests, and a window that starts a new sheet).
void Blatt_zuruecksetzen();

bool Blatt_gleich(const TBlatt& a, const TBlatt& b);

// The sheet as a worksheet file holds it (picture PNG-coded). Reads only the image, so it may
// run beside the interface.
TArbeitsblatt Blatt_als_Arbeitsblatt(const TBlatt& b);

// Bytes a row of sheets holds, counting every shared part once (for the measurements).
std::size_t Blaetter_Bytes(const std::vector<const TBlatt*>& blaetter);

// The undo history: the sheet as it is now, the ones before it and those undone.
class TVerlauf {
 public:
  static constexpr std::size_t kSchritte = 100;

  // Starts afresh with this sheet (program start, a reset of the history).
  void Beginnen(TBlatt jetzt);
  // Records the sheet after an action; nothing when it equals the current one. A step of a
  // dragging control (zusammenfassen) replaces the step before it when that came from the same
  // control, so that one drag is one step.
  bool Merken(TBlatt neu, const std::string& quelle = "", bool zusammenfassen = false);
  // The sheet to show, or nullptr when there is nothing to undo / redo.
  const TBlatt* Rueckgaengig();
  const TBlatt* Wiederholen();
  // After showing a sheet: what the window actually shows becomes the current sheet.
  void Ersetzen(TBlatt jetzt) { jetzt_ = std::move(jetzt); }

  const TBlatt& Jetzt() const { return jetzt_; }
  std::size_t Rueckschritte() const { return vorher_.size(); }
  std::size_t Vorschritte() const { return nachher_.size(); }
  std::vector<const TBlatt*> Alle() const;

  // Images beyond the newest few keep their parts packed (the picture above all).
  static constexpr std::size_t kUngepackt = 3;

 private:
  void Aeltere_packen();

  TBlatt jetzt_;
  std::vector<TBlatt> vorher_, nachher_;
  std::string letzte_quelle_;
};

// The three-way question before the sheet is given up (close, open, CSV, reset). true: go on
// (saved, or the user gave the changes up); false: the user cancelled or saving failed.
// speichern saves to the sheet's file or asks for one and reports its success.
bool Aenderungen_sichern(bool geaendert, const std::function<bool()>& speichern);
