#pragma once
// Nothing of a lesson's work is lost: the recovery file that a killed program leaves behind, and
// the worksheets opened last.

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "workbench/Blatt.h"

class QLockFile;

// ---- recovery ----------------------------------------------------------------------------------

// The recovery file in the user's data folder.
std::string Sicherungspfad();

// The one program that may write the recovery file holds its lock; a second program running at
// the same time neither offers nor writes one.
class TSicherung {
 public:
  TSicherung();
  ~TSicherung();
  TSicherung(const TSicherung&) = delete;
  TSicherung& operator=(const TSicherung&) = delete;

  // Takes the lock. true when this program is the one; a lock left by a killed program is taken
  // over.
  bool Uebernehmen();
  bool Aktiv() const { return sperre_ != nullptr; }
  // A recovery file that a killed program left behind.
  bool Vorhanden() const;
  // Reads it. false with a German fehlertext when it is damaged.
  bool Lesen(TArbeitsblatt& b, std::string& fehlertext) const;
  // Writes the sheet beside the interface: the sheet's parts are shared and never change, so the
  // writer only reads them. A write still running is waited for first.
  void Schreiben(TBlatt blatt);
  // Waits for a write still running; true when the last write succeeded.
  bool Abwarten();
  // Removes the file (normal end, or the user declined to restore it).
  void Entfernen();

 private:
  std::unique_ptr<QLockFile> sperre_;
  std::future<bool> schreiber_;
  bool letzter_erfolg_ = true;
};

// ---- recent files ------------------------------------------------------------------------------

inline constexpr int kZuletzt_Anzahl = 8;

// Newest first, at most eight.
std::vector<std::string> Zuletzt_geoeffnet();
// Puts the file first; the eighth before drops off. Its folder becomes the last folder.
void Zuletzt_merken(const std::string& pfad);
void Zuletzt_entfernen(const std::string& pfad);
std::string Letzter_Ordner();
