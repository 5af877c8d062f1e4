#pragma once
// The worksheet file (".qdx"): everything a teacher prepared in the workbench, as one versioned
// JSON text. This unit only turns the record into text and back and checks every value; taking
// the record from the running program and putting it back is Arbeitsblattaktion's work. It uses
// QtCore's JSON classes but nothing of the windows, so the reader can be fuzzed on its own.

#include <map>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_KOS.h"
#include "workbench/Abbildungen.h"
#include "workbench/Baumdiagramm.h"
#include "workbench/Werkbank.h"

// Format number of this program; a file with a higher one is refused, further keys of the same
// number (added later) are passed over with a note.
inline constexpr int kArbeitsblatt_Version = 1;
inline constexpr const char* kArbeitsblatt_Kennung = "Quadrix-Arbeitsblatt";
inline constexpr const char* kArbeitsblatt_Filter = "Quadrix-Arbeitsblätter (*.qdx)";
inline constexpr const char* kArbeitsblatt_Endung = "qdx";

// Largest picture the window can show.
inline constexpr int kBild_max = 641;

struct TZelleintrag {
  int spalte = 0, zeile = 0;
  std::string text;
};

struct TArbeitsblatt {
  // Controls by name: every switch and list item; the field and label texts are the
  // workbench's own Feldtexte.
  std::map<std::string, bool> Schalter;
  std::map<std::string, int> Listen;
  // The records behind the controls, with the values no control shows. The picture's place in
  // the window belongs to the window and is not part of the sheet.
  Werkbank_Zustand Werkbank;
  TKOS Kos;
  TStil Stil;
  TZahlformat Zahlformat;
  int Zoomstufe_x = 0, Zoomstufe_y = 0;
  // The side windows' settings.
  TAbbildungsfenster Abbildungen = Abbildungsfenster_Startwerte();
  Baum_Zustand Baum;
  // Non-empty cells, captions row included.
  std::vector<TZelleintrag> Zellen;
  // The picture as it was, PNG-coded.
  int Bildbreite = 0, Bildhoehe = 0;
  std::string Png;
  // The drawing calls behind the picture in their text form, so the picture can be drawn again
  // as vectors; empty when the sheet has none.
  std::string Zeichnung;
  // Keys this program does not know (passed over when reading).
  int Unbekannt = 0;
};

std::string Arbeitsblatt_zu_Text(const TArbeitsblatt& blatt);

// Reads a whole file's text. false with a German fehlertext when the text is not a worksheet,
// is cut off, comes from a newer format or holds a value out of range; blatt is then unchanged.
bool Arbeitsblatt_lesen(const std::string& text, TArbeitsblatt& blatt, std::string& fehlertext);

// Copies the values the sheet keeps into the records; members the sheet does not know (field
// texts, the picture's place in the window, whatever a switch's rule has set) stay.
void Zustaende_uebernehmen(const TArbeitsblatt& b, Werkbank_Zustand& werkbank, TKOS& kos,
                           TStil& stil, TZahlformat& zahlformat);

// Width and height a PNG declares in its header; false when the bytes are no PNG.
bool Png_Groesse(const std::string& png, int& breite, int& hoehe);

// Files: reading refuses anything larger than a worksheet can be; writing goes to a temporary
// file that replaces the old one only when complete.
inline constexpr long long kArbeitsblatt_max_Bytes = 64LL * 1024 * 1024;
bool Datei_lesen(const std::string& pfad, std::string& inhalt, std::string& fehlertext);
bool Datei_schreiben(const std::string& pfad, const std::string& inhalt, std::string& fehlertext);
