#pragma once
// The workbench on paper: page 1 the picture at its true size (40 pixels to the centimetre, as
// the SVG and PDF export) drawn from its recording as vectors, centred, with the visible terms
// in their colours and the date below; then, when the table holds data, its used range as a grid
// split over as many pages as it needs. The pages go onto any paged device (a printer, the print
// preview, a PDF writer), so the print dialog, the command line and the tests share them.

#include <string>
#include <vector>

#include "kos/UZeichenprotokoll.h"
#include "platform/Typen.h"

class QPageLayout;
class QPagedPaintDevice;
class TBild;
class Tabelle;
struct Werkbank_Zustand;

struct TDruckterm {
  std::string Name;  // "f", "g", "h"
  std::string Term;
  TFarbe Farbe = 0x000000;
  bool operator==(const TDruckterm&) const = default;
};

struct TDruckauftrag {
  TZeichenprotokoll Zeichnung;  // closed as for the export: standing inverted pixels as bitmaps
  std::vector<TDruckterm> Terme;
  std::string Datum;                // "08.12.2026"
  const Tabelle* Zahlen = nullptr;  // no table pages without one
};

// The terms whose curve switches are on, f before g before h, each in its curve's colour.
std::vector<TDruckterm> Sichtbare_Terme(const Werkbank_Zustand& w);
// A day as the caption writes it: "08.12.2026".
std::string Druckdatum(int jahr, int monat, int tag);
TDruckauftrag Druckauftrag_erstellen(const TBild& bild, const Werkbank_Zustand& w,
                                     const Tabelle* zahlen, const std::string& datum);

// A4 upright with margins of 15 mm: what the print preview starts with and the command line
// writes.
inline constexpr double kDruckrand_mm = 15;
QPageLayout Druckseitenlage();

// Paper measures in tenths of a millimetre, the pages' drawing unit.
inline constexpr double kEinheiten_pro_mm = 10.0;
inline constexpr double kEinheiten_pro_Bildpixel = 2.5;  // 40 pixels to the centimetre
inline constexpr double kEinheiten_pro_Tabellenpixel = 2.5;

// The data cells in use: columns 1..Spalten and rows 1..Zeilen; both 0 when the table is empty.
struct TBelegung {
  int Spalten = 0, Zeilen = 0;
};
TBelegung Belegter_Bereich(const Tabelle& t);

// One table page: the data columns and rows it shows (both ends included). Every page repeats
// the caption row and the row numbers.
struct TTabellenseite {
  int Spalte_von = 1, Spalte_bis = 0, Zeile_von = 1, Zeile_bis = 0;
  bool operator==(const TTabellenseite&) const = default;
};
// Splits the used range over pages whose inner area is breite × hoehe tenths of a millimetre,
// the columns as wide as the table shows them (a column wider than a page gets a page of its
// own); down first, then across. Empty for an empty table.
std::vector<TTabellenseite> Tabellenseiten_aufteilen(const Tabelle& t, double breite, double hoehe);

// Paints all pages onto the device with its own painter. false with a German fehlertext when the
// device cannot be painted on (a printer that fails, an unwritable file).
bool Druckseiten_malen(const TDruckauftrag& a, QPagedPaintDevice& geraet, std::string& fehlertext);

// After the print preview has closed: one message when nothing was printed, either because the
// user cancelled or because the printer failed (its reason). Nothing when printing went through.
void Druck_abschliessen(bool gedruckt, const std::string& fehlertext);
