#pragma once
// Worksheets that outlast the program: saving and opening the whole workbench as a ".qdx" file,
// the table from and to spreadsheets (clipboard text and CSV files), and the saved picture
// written from the command line.

#include <string>
#include <vector>

#include "workbench/Anzeige.h"
#include "workbench/Arbeitsblatt.h"

class QImage;
class Tabelle;

// What opening a worksheet asks of the window: which controls exist and how many items a list
// has.
struct Bedienstand {
  virtual ~Bedienstand() = default;
  virtual bool Vorhanden(const char* name) const = 0;
  virtual int Eintraege(const char* liste) const = 0;  // number of items
};

// ---- the worksheet -----------------------------------------------------------------------------

// The running program's worksheet: workbench state, controls, table and picture.
TArbeitsblatt Arbeitsblatt_erfassen();
// Puts a worksheet back as a reset to its values: afterwards the window shows and computes what
// the sheet holds. A sheet the window cannot show (a list item it does not have, a picture that
// does not decode) is refused before anything changes: false with fehlertext. unbekannt counts
// the entries passed over.
bool Arbeitsblatt_anwenden(Anzeige& a, const Bedienstand& s, const TArbeitsblatt& b, int& unbekannt,
                           std::string& fehlertext);

// The save button and Ctrl+S: asks for the path, then writes.
// true when it was written.
bool Arbeitsblatt_speichern(Anzeige& a, const Bedienstand& s);
// The open button and Ctrl+O: asks for the path, then opens.
// true when a sheet was opened.
bool Arbeitsblatt_oeffnen(Anzeige& a, const Bedienstand& s);
// The file of the sheet last opened or saved; empty for a new sheet.
const std::string& Arbeitsblatt_Pfad();
// A new window starts a new sheet without a file.
void Arbeitsblatt_Pfad_vergessen();
// Writes without asking; a failure is reported and leaves an older file as it was.
bool Arbeitsblatt_schreiben(Anzeige& a, const Bedienstand& s, const std::string& pfad);
// Opens without asking (also the file named on the command line). A file that cannot be read is
// reported and changes nothing.
bool Arbeitsblatt_laden(Anzeige& a, const Bedienstand& s, const std::string& pfad);

// ---- spreadsheets ------------------------------------------------------------------------------

// Rows of fields of a text copied from a spreadsheet: tab-separated, or semicolon-separated when
// no tab occurs; fields in double quotes may hold separators, line breaks and "" for a quote;
// rows end at CR LF, LF or CR; a last empty row is no row.
std::vector<std::vector<std::string>> Tabellentext_zerlegen(const std::string& text);
// A field as the table keeps it: blanks trimmed, and a number in decimal point or German
// grouped form ("1.234,5") written with the decimal comma; any other text unchanged.
std::string Zelltext_aus_Feld(const std::string& feld);
// Writes the rows from cell (spalte, zeile) on, one field per cell; a short row leaves the cells
// after it as they were. Returns the number of fields that fell outside the table.
int Tabellentext_einfuegen(Tabelle& t, int spalte, int zeile, const std::string& text);
// Ctrl+V in the table: the clipboard's text at the current cell (cell 1;1 when there is none),
// with one message for the fields beyond the table.
void Tabelle_einfuegen(Tabelle& t);

// The data cells as a German spreadsheet reads them: rows 1 to the last filled one, columns 1 to
// the last filled one, ";" between fields, decimal comma, CR LF, UTF-8 with byte-order mark.
std::string Tabelle_zu_CSV(const Tabelle& t);
// The CSV buttons: save the table to a file, and open a file into an emptied table.
void Tabelle_als_CSV_speichern(const Tabelle& t);
// true when a file was read into the table.
bool CSV_in_Tabelle_oeffnen(Tabelle& t);

// ---- command line ------------------------------------------------------------------------------

// The picture of a saved worksheet into a picture file of the format its ending names (.png,
// .bmp, .svg, .pdf), without any window.
bool Arbeitsblatt_Bild_schreiben(const std::string& qdx, const std::string& ziel,
                                 std::string& fehlertext);
// The print pages of a saved worksheet (A4, as the print preview shows them, the caption dated
// datum) into a PDF file, without any window.
bool Arbeitsblatt_Seiten_schreiben(const std::string& qdx, const std::string& ziel,
                                   const std::string& datum, std::string& fehlertext);
