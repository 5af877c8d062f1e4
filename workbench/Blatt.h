#pragma once
// The sheet: everything a user can change, as one value. The live state stays in the records of
// the layers (Werkbank, KOS, Stil, Zahlformat, the table, the point list, the picture, the side
// windows' records); a TBlatt is taken from them and put back as a whole. Undo keeps a row of
// sheets, the recovery file and the worksheet file are written from one. Sheets are cheap to
// keep many of: the table is held in blocks and the picture as one object, each shared with the
// previous sheet while unchanged.

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "table/UStringGrid.h"
#include "workbench/Arbeitsblattaktion.h"

// A block of the table: consecutive rows of one column.
inline constexpr int kBlockzeilen = 32;
inline constexpr int kBloecke_je_Spalte = (Tabelle_Zeilen + kBlockzeilen - 1) / kBlockzeilen;
using TZellblock = std::array<std::string, kBlockzeilen>;

struct TBlatt {
  // Records and controls; its cell list and picture bytes stay empty.
  TArbeitsblatt Satz;
  // Satz as worksheet text: two sheets with the same text have the same settings.
  std::string Satztext;
  // Column by column, kBloecke_je_Spalte blocks each, columns 0 to 43.
  std::vector<std::shared_ptr<const TZellblock>> Bloecke;
  std::shared_ptr<const TBild> Bild;  // nullptr: the window has no picture
  std::vector<TPunkt> Punkte;         // the point list up to its count
};

bool Blatt_gleich(const TBlatt& a, const TBlatt& b);

// The cells of a sheet (captions row included) as a worksheet lists them.
std::vector<TZelleintrag> Blatt_Zellen(const TBlatt& b);
// The sheet as a worksheet file holds it (picture PNG-coded). Reads only the sheet, so it may run
// beside the interface.
TArbeitsblatt Blatt_als_Arbeitsblatt(const TBlatt& b);

// Taking the running program's sheet; what equals vorher is shared with it.
TBlatt Blatt_erfassen(Anzeige& a, const Bedienstand& s, const TBlatt* vorher = nullptr);
// Puts a sheet taken from this program back exactly and shows it.
void Blatt_anwenden(Anzeige& a, const Bedienstand& s, const TBlatt& b);

// Bytes a row of sheets holds, counting every shared part once (for the measurements).
std::size_t Blatt_Speicher(const std::vector<const TBlatt*>& blaetter);

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

 private:
  TBlatt jetzt_;
  std::vector<TBlatt> vorher_, nachher_;
  std::string letzte_quelle_;
};

// The three-way question before the sheet is given up (close, open, CSV, reset). true: go on
// (saved, or the user gave the changes up); false: the user cancelled or saving failed.
// speichern saves to the sheet's file or asks for one and reports its success.
bool Aenderungen_sichern(bool geaendert, const std::function<bool()>& speichern);
