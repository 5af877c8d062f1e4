#pragma once
// Tree diagrams of Bernoulli chains with 2 to 4 stages: the settings of the tree window, the
// couplings of its lists, the fractions on the branches and leaves, and the drawing of the tree
// into the main window's picture. All probabilities are fractions Z/N of small whole numbers and
// are written unreduced, as a pupil multiplies along a path.

#include <string>
#include <vector>

#include "workbench/Anzeige.h"
#include "workbench/Startwerte.h"

class TBild;

inline constexpr int kStufen_ab = 2;          // item 0 of the stage list = 2 stages
inline constexpr int kStufen_bis = 4;         // the widest tree that still fits the picture
inline constexpr int kWsk_Listenlaenge = 20;  // numerator and denominator lists: 1 ... 20

// What the tree window's controls show; its Change and Click handlers keep it current.
struct Baum_Zustand {
  int Stufen = Starteintrag("ComboBox_Stufenzahl") + kStufen_ab;
  int Zaehler = Starteintrag("ComboBox_W_Zaehler") + 1;  // p = Zaehler / Nenner
  int Nenner = Starteintrag("ComboBox_W_Nenner") + 1;
  std::string Erfolg = Starttext("Edit_Erfolg");          // letter at success nodes
  std::string Misserfolg = Starttext("Edit_Misserfolg");  // letter at failure nodes
  bool mit_Farbe = Startschalter("CheckBox_mit_Farbe");
  bool Text_an_Aeste = Startschalter("CheckBox_Text_an_Aeste");
  bool Wsk_an_Aeste = Startschalter("CheckBox_Wsk_an_Aeste");
  bool Pfadwahrsch_ausgeben = Startschalter("CheckBox_Pfadwahrsch_ausgeben");
  bool operator==(const Baum_Zustand&) const = default;
};

// The settings of the one tree window, a part of the sheet.
extern Baum_Zustand& Baumeinstellungen;

// ---- the tree's arithmetic -------------------------------------------------------------------
// Nodes are numbered breadth-first from left to right, 1 and 2 on the first stage; node 0 is the
// root. The children of node i are 2i+1 (failure, left) and 2i+2 (success, right).

struct TKnoten {
  int x = 0, y = 0;
};

// Nodes without the root: 6, 14, 30 for 2, 3, 4 stages.
int Knotenanzahl(int stufen);
// Number of the first node on the last stage; the leaves run from there to Knotenanzahl.
int Erstes_Blatt(int stufen);
inline bool Ist_Erfolg(int knoten) {
  return knoten > 0 && knoten % 2 == 0;
}
// Successes on the way from the root down to the node.
int Erfolge_auf_Pfad(int knoten);
// Pixel positions of the root (index 0) and every node, for a root at (a, b); empty for a stage
// count outside 2 ... 4.
std::vector<TKnoten> Knotenpositionen(int stufen, int a, int b);

// Branch probability into the node as "Z/N" or "N-Z/N", unreduced.
std::string Astwahrscheinlichkeit(int knoten, int zaehler, int nenner);
struct TBruchtext {
  std::string Zaehler, Nenner;
};
// Probability of the path to a leaf: the product of its branch probabilities, unreduced.
TBruchtext Pfadwahrscheinlichkeit(int blatt, int stufen, int zaehler, int nenner);

// The fault that keeps these settings from making a tree, as the message the user sees; empty
// when the tree can be drawn.
std::string Baum_Fehler(const Baum_Zustand& z);

// Draws the tree of sound settings over the whole picture.
void Baum_zeichnen(TBild& bild, const Baum_Zustand& z);

// ---- actions of the tree window --------------------------------------------------------------

// A new window starts from the start values: settings, list items and the display of q.
void Baumfenster_einrichten(Anzeige& fenster);
// The user chose an item; the probability lists keep the numerator at most the denominator.
void Baum_Liste_gewaehlt(Anzeige& fenster, const char* liste, int eintrag);
void Baum_Schalter_geklickt(const char* schalter, bool an);
void Baum_Feld_geaendert(const std::string& feld, const std::string& text);
// Draws the tree into the main window's picture; false, after a message, when the settings do
// not make a tree (then the picture is left as it was).
bool Baumdiagramm_zeichnen(Anzeige& hauptfenster);
