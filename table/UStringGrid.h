#pragma once
// The table: the program's number store of 44 x 1501 text cells. Row 0 holds the column
// captions, column 0 the row numbers; the data cells are columns 1..43, rows 1..1500. A cell is
// a number only when an operation reads it. Besides the texts the table keeps what the grid on
// screen shows of it (current cell, selection, top-left cell, column widths), so that the rules
// that move the focus or read the selection work without a window.

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Blattspeicher.h"
#include "platform/Typen.h"

class QPainter;
class QRect;

constexpr int Tabelle_Spalten = 44;   // columns 0..43
constexpr int Tabelle_Zeilen = 1501;  // rows 0..1500
constexpr int Letzte_Spalte = Tabelle_Spalten - 1;
constexpr int Letzte_Zeile = Tabelle_Zeilen - 1;

// Column widths at start-up; choosing a number format gives the columns its width and column 0
// a slightly wider one.
constexpr int Startbreite_Spalte = 90;
constexpr int Startbreite_Spalte0 = 33;
constexpr int Spalte0_Breite_Zahlformat = 35;

// A rectangle of cells. Any coordinate below 1 means: nothing selected.
struct TZellbereich {
  int Links = -1;
  int Oben = -1;
  int Rechts = -1;
  int Unten = -1;
  bool operator==(const TZellbereich&) const = default;
};

bool Bereich_leer(const TZellbereich& b);

enum class TAusrichtung { Links, Rechts, Mitte };

// What changed, for whoever shows the table.
enum class TAenderung {
  Inhalt,     // cell texts inside the rectangle
  Auswahl,    // current cell or selection
  Ecke,       // top-left visible cell
  Geometrie,  // column widths
};

// The cells are kept column by column in blocks of 32 rows, each block shared by every copy of
// the table that has not written into it; a write copies a shared block first. Keeping many
// copies (the undo steps) thus costs only the blocks that differ.
constexpr int Tabelle_Blockzeilen = 32;
constexpr int Tabelle_Bloecke = (Tabelle_Zeilen + Tabelle_Blockzeilen - 1) / Tabelle_Blockzeilen;
using TZellblock = std::array<std::string, Tabelle_Blockzeilen>;

class Tabelle {
 public:
  Tabelle();
  // A copy has the cells (sharing every block), the look and the focus, selection and top-left
  // cell of the original; no watchers, no input hooks, no running bulk change.
  Tabelle(const Tabelle& t);
  // Takes over the cells and the look of t. The target keeps its watchers, input hooks, focus,
  // selection and top-left cell; an open input is taken over first. The watchers get one
  // Inhalt notice over the rectangle of the cells that differed (collected like any other
  // change while a Sammler runs) and one Geometrie notice when the look changed.
  Tabelle& operator=(const Tabelle& t);

  // Cells outside the table read as empty; writes outside it are ignored. The reference stays
  // valid until the next change of the table.
  const std::string& Zelle(int spalte, int zeile) const {
    if (!Gueltig(spalte, zeile)) return leer_;
    return (*bloecke_[Blocknummer(spalte, zeile)])[Blockzeile(zeile)];
  }
  void Zelle_setzen(int spalte, int zeile, const std::string& text);
  static bool Gueltig(int spalte, int zeile) {
    return spalte >= 0 && spalte <= Letzte_Spalte && zeile >= 0 && zeile <= Letzte_Zeile;
  }

  // Current (focus) cell; -1/-1 when there is none. The selection is the rectangle spanned by
  // the anchor and the current cell, as in a grid with range selection.
  int Spalte() const { return spalte_; }
  int Zeile() const { return zeile_; }
  TZellbereich Auswahl() const;
  // Moves the focus to one cell; the selection shrinks to that cell. False when the cell is not
  // a data cell (nothing changes then).
  bool Gehe_zu(int spalte, int zeile);
  // Sets anchor and current cell as given (the view reports the user's own selection this way).
  bool Auswahl_setzen(int anker_spalte, int anker_zeile, int spalte, int zeile);

  int Oben() const { return oben_; }    // top visible data row
  int Links() const { return links_; }  // left visible data column
  void Ecke_setzen(int links, int oben);

  // Look of the grid on screen.
  int Standard_Spaltenbreite = Startbreite_Spalte;
  std::array<int, Tabelle_Spalten> Spaltenbreite{};
  int Standard_Zeilenhoehe = 16;
  int Kopfzeilenhoehe = 17;
  int Gitterlinienbreite = 2;
  TFarbe Farbe_fest = 0xF0FBFF;  // cream, RGB (255, 251, 240)
  TFarbe Farbe_Daten = 0xFFFFFF;
  TSchrift Schrift{"Arial", 8, true, false, false, false, 0x800000};  // bold navy

  // Change notification. Several views may watch; each gets an id to sign off with.
  using Beobachter = std::function<void(TAenderung, const TZellbereich&)>;
  int Beobachter_anmelden(Beobachter b);
  void Beobachter_abmelden(int id);
  void Melden(TAenderung art, const TZellbereich& bereich);

  // An input still open in a view (a cell editor) is part of what the user sees in the table.
  // A view registers a hook that hands such an input over into the cells and closes it, and
  // signs off before it goes; Eingabe_uebernehmen runs the hooks. Handing over only brings the
  // cells in line with the screen, hence callable on a const table.
  int Eingabehaken_anmelden(std::function<void()> haken);
  void Eingabehaken_abmelden(int id);

  // Collects the cell changes of a bulk operation into one notice (nestable). A bulk change
  // first takes over the open input, so that the input cannot overwrite its results later.
  class Sammler {
   public:
    explicit Sammler(Tabelle& t);
    ~Sammler();
    Sammler(const Sammler&) = delete;
    Sammler& operator=(const Sammler&) = delete;

   private:
    Tabelle& t_;
  };

  friend bool Inhalt_gleich(const Tabelle& a, const Tabelle& b);
  friend std::size_t Tabellen_Speicher(std::span<const Tabelle* const> tabellen);

 private:
  friend void Eingabe_uebernehmen(const Tabelle& t);
  friend void Tabelle_leeren(Tabelle& t);
  friend void Zeile_entfernen(Tabelle& t, int zeile);
  friend void Spalte_entfernen(Tabelle& t, int spalte);

  using Blockzeiger = std::shared_ptr<TZellblock>;
  // Unsigned arithmetic: the cell is valid here, and the division becomes a shift.
  static constexpr std::size_t Blocknummer(int spalte, int zeile) {
    return static_cast<std::size_t>(spalte) * Tabelle_Bloecke +
           static_cast<std::size_t>(zeile) / Tabelle_Blockzeilen;
  }
  static constexpr std::size_t Blockzeile(int zeile) {
    return static_cast<std::size_t>(zeile) % Tabelle_Blockzeilen;
  }
  static const std::string leer_;

  void Inhalt_gemeldet(int l, int o, int r, int u);
  // The block, copied first when another table holds it too.
  TZellblock& Block_schreiben(std::size_t nummer);
  std::string& Zelle_schreiben(int spalte, int zeile) {
    return Block_schreiben(Blocknummer(spalte, zeile))[Blockzeile(zeile)];
  }
  // The rows and columns moved as a whole by the operations above; see there.
  bool Daten_leeren();
  void Zeile_herausnehmen(int spalte, int zeile);
  void Spalte_herausnehmen(int spalte);
  void Aussehen_uebernehmen(const Tabelle& t);

  std::array<Blockzeiger, static_cast<std::size_t>(Tabelle_Spalten) * Tabelle_Bloecke> bloecke_;
  int spalte_ = -1, zeile_ = -1;
  int anker_spalte_ = -1, anker_zeile_ = -1;
  int oben_ = 1, links_ = 1;
  std::vector<std::pair<int, Beobachter>> beobachter_;
  std::vector<std::pair<int, std::function<void()>>> eingabehaken_;
  mutable bool uebernahme_laeuft_ = false;
  int naechste_id_ = 1;
  int sammeln_ = 0;
  bool gesammelt_ = false;
  TZellbereich sammelbereich_;
};

// The program's number store, a part of the sheet; the main window's StringGrid1 shows it.
extern Tabelle& Zahlentabelle;

// Same cell texts and column widths. Blocks both tables share are equal without a look at them,
// so comparing a copy with its original costs only the blocks written since.
bool Inhalt_gleich(const Tabelle& a, const Tabelle& b);
// The bytes the tables hold together, each table object and each shared block counted once; a
// block counts its strings' heap when they outgrow the string's own buffer.
std::size_t Tabellen_Speicher(std::span<const Tabelle* const> tabellen);

// As a part of the sheet the table compares and comes back by its cells and look; where the
// user stands in it (focus, selection) is no change of the sheet.
template <>
struct TBlattteil_Regeln<Tabelle> {
  static Tabelle Start() { return Tabelle(); }
  static bool Gleich(const Tabelle& a, const Tabelle& b) { return Inhalt_gleich(a, b); }
  static void Zuweisen(Tabelle& ziel, const Tabelle& quelle) { ziel = quelle; }
  static constexpr bool Packbar = false;
  static void Packen(Tabelle&) {}
  static bool Gepackt(const Tabelle&) { return false; }
  // The blocks are counted with Tabellen_Speicher, once for all images that share them.
  static std::size_t Bytes(const Tabelle&) { return sizeof(Tabelle); }
};

// Hands an input still open in a view over into the cells. Every operation below that reads or
// changes cells calls it first; while a hand-over runs, further calls do nothing.
void Eingabe_uebernehmen(const Tabelle& t);

// ---- numbers in cells -------------------------------------------------------------------------

// Reads a cell as a number (decimal comma or point, exponent, fraction a/b); false when the
// cell is empty or holds anything else.
bool Zelle_als_Zahl(const Tabelle& t, int spalte, int zeile, long double& wert);
// The text a table operation writes for a computed number: up to 15 significant digits,
// trailing zeros dropped, decimal comma, exponent form below 0,00001 and beyond 15 integer
// digits ("1E-6", "-2,5E20").
std::string Zahl_als_Zelltext(long double x);

// ---- the operations on the table --------------------------------------------------------------

void Tabelle_einrichten(Tabelle& t);
// Every column := standard wide, column 0 := spalte0 wide (the number format changes them).
void Spaltenbreiten_setzen(Tabelle& t, int standard, int spalte0);
void Tabellenkopf_schreiben(Tabelle& t);
void Tabelle_leeren(Tabelle& t);
void Zeile_entfernen(Tabelle& t, int zeile);
void Spalte_entfernen(Tabelle& t, int spalte);
void Zeile_leeren(Tabelle& t, int zeile);
void Spalte_leeren(Tabelle& t, int spalte);
// Numbers of one column from row 1 down to the first cell that is not a number.
std::vector<long double> Spalte_einlesen(const Tabelle& t, int spalte, int& anzahl);
// Point pairs (x from spalte, y from spalte + 1) from row 1 down to the first incomplete pair.
std::vector<TPunkt> Punkte_einlesen(const Tabelle& t, int spalte, int& anzahl);
void Punkte_ausgeben(Tabelle& t, int spalte, const std::vector<TPunkt>& punkte, int anzahl);
// Sum of the numbers of a column from row 1 down; naechste = the first row without a number
// (1501 when the column is full).
long double Spaltensumme_berechnen(const Tabelle& t, int spalte, int& naechste);
void Spalte_kumulieren(Tabelle& t, int spalte);
// Copies the texts of quelle so that its top-left cell lands on (ziel_spalte, ziel_zeile).
// Returns true (and copies nothing) when target and source share a cell.
bool Bereich_kopieren(Tabelle& t, const TZellbereich& quelle, int ziel_spalte, int ziel_zeile);
// The cell texts of the rectangle, each padded to 20 characters, each row ended by CR LF.
std::string Bereich_als_Text(const Tabelle& t, const TZellbereich& bereich);
// Fills the rectangle with the painter's brush and writes the cell text into it, no margin.
void Zelle_zeichnen(const Tabelle& t, int spalte, int zeile, QPainter& maler, const QRect& rechteck,
                    bool umbrechen, TAusrichtung ausrichtung);
// Selection := the rectangle spanned by (links, oben) and (rechts, unten), the latter becoming
// the current cell. A corner outside the data cells leaves everything as it was (false).
bool Bereich_markieren(Tabelle& t, int links, int oben, int rechts, int unten);
void Markierung_aufheben(Tabelle& t);
void Ecke_links_oben_zeigen(Tabelle& t);

// Key codes understood by Taste_verarbeiten.
constexpr int Taste_Enter = 13;
constexpr int Taste_Entf = 46;
// Enter moves the focus on (x, Enter, y, Enter fills point pairs), Delete empties the current
// cell. Returns whether the key was one of these two; other keys are the grid's own.
bool Taste_verarbeiten(Tabelle& t, int taste);

void Tabelle_als_Bruch(Tabelle& t);
void Tabelle_als_Dezimal(Tabelle& t);

// ---- the actions behind the table's buttons ---------------------------------------------------

// Parses the copy target "Spalte;Zeile"; false when there is no ";" or a part is no integer.
bool Kopierziel_lesen(const std::string& antwort, int& spalte, int& zeile);
// The copy button: asks for the target and copies the selection, with the messages for a
// missing selection, a target beyond the table and an overlapping target.
void Bereich_kopieren_fragen(Tabelle& t);
// The clipboard button: the selection as text onto the clipboard; nothing without a selection.
void Bereich_in_Zwischenablage(const Tabelle& t);
// Fills the shared point list from the columns spalte and spalte + 1.
void Punkteliste_einlesen(const Tabelle& t, int spalte);
