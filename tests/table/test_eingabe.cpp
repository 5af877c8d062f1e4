// An input still open in a view of the table belongs to the table: every operation that reads or
// changes cells first lets the view hand it over.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "kos/U_KOS.h"
#include "table/UStringGrid.h"

namespace {

// Stands in for a cell editor: on the first request it writes its text into its cell and closes.
struct Offene_Eingabe {
  Tabelle& t;
  int spalte, zeile;
  std::string text;
  bool offen = true;
  int aufrufe = 0;
  int id = 0;

  Offene_Eingabe(Tabelle& tabelle, int s, int z, std::string getippt)
      : t(tabelle), spalte(s), zeile(z), text(std::move(getippt)) {
    id = t.Eingabehaken_anmelden([this] { Uebergeben(); });
  }
  ~Offene_Eingabe() { t.Eingabehaken_abmelden(id); }

  void Uebergeben() {
    ++aufrufe;
    if (!offen) return;
    offen = false;
    t.Zelle_setzen(spalte, zeile, text);
  }
};

using Operation = std::function<void(Tabelle&)>;
using Ergebnis = std::function<std::string(Tabelle&)>;

std::string Zahl(long double x) {
  return Zahl_als_Zelltext(x);
}

// The text of one cell after the operation; by default the cell typed into.
Ergebnis Zelle_nach(Operation op, int spalte = 1, int zeile = 2) {
  return [=](Tabelle& t) {
    op(t);
    return t.Zelle(spalte, zeile);
  };
}

std::string Spalte_gelesen(Tabelle& t) {
  int n = 0;
  const auto w = Spalte_einlesen(t, 1, n);
  return std::to_string(n) + ":" + (w.empty() ? "-" : Zahl(w.back()));
}

std::string Punkte_gelesen(Tabelle& t) {
  int n = 0;
  const auto p = Punkte_einlesen(t, 1, n);
  if (p.empty()) return "0";
  return std::to_string(n) + ":" + Zahl(p.back().x) + ";" + Zahl(p.back().y);
}

std::string Punkteliste_gelesen(Tabelle& t) {
  Punkteliste_einlesen(t, 1);
  return std::to_string(Punktanzahl);
}

std::string Summe_gelesen(Tabelle& t) {
  int naechste = 0;
  const long double s = Spaltensumme_berechnen(t, 1, naechste);
  return Zahl(s) + ":" + std::to_string(naechste);
}

std::string Zahl_gelesen(Tabelle& t) {
  long double w = 0;
  return Zelle_als_Zahl(t, 1, 2, w) ? Zahl(w) : "keine Zahl";
}

std::string Als_Text_gelesen(Tabelle& t) {
  return Bereich_als_Text(t, {1, 2, 1, 2});
}

void Kopieren_nach_4_4(Tabelle& t) {
  Bereich_kopieren(t, {1, 2, 1, 2}, 4, 4);
}

void Zwei_Punkte_ausgeben(Tabelle& t) {
  Punkte_ausgeben(t, 1, {{1, 1}, {2, 2}}, 2);
}

void Entf_im_getippten_Feld(Tabelle& t) {
  t.Gehe_zu(1, 2);
  Taste_verarbeiten(t, Taste_Entf);
}

struct Fall {
  const char* name;
  std::string getippt;  // typed into cell (1, 2), still open when the operation starts
  Ergebnis ergebnis;
  std::string erwartet;
};

}  // namespace

TEST(Eingabe_uebernehmen, JedeOperationSiehtDieOffeneEingabe) {
  // Before typing: (1,1) = 1, (2,1) = 1, (2,2) = 7.
  const std::vector<Fall> faelle = {
      {"Bruch", "0,5", Zelle_nach(Tabelle_als_Bruch), "1/2"},
      {"Dezimal", "3/8", Zelle_nach(Tabelle_als_Dezimal), "0,375"},
      {"Spalte_kumulieren", "2", Zelle_nach([](Tabelle& t) { Spalte_kumulieren(t, 1); }), "3"},
      {"Spalte_einlesen", "4", Spalte_gelesen, "2:4"},
      {"Punkte_einlesen", "2,5", Punkte_gelesen, "2:2,5;7"},
      {"Punkteliste_einlesen", "2,5", Punkteliste_gelesen, "2"},
      {"Spaltensumme", "1/4", Summe_gelesen, "1,25:3"},
      {"Zelle_als_Zahl", "-3/4", Zahl_gelesen, "-0,75"},
      {"Bereich_als_Text", "ab", Als_Text_gelesen, "ab" + std::string(18, ' ') + "\r\n"},
      {"Bereich_kopieren", "5", Zelle_nach(Kopieren_nach_4_4, 4, 4), "5"},
      // Writing, clearing and shifting must not leave the typed text to come back afterwards.
      {"Punkte_ausgeben", "5", Zelle_nach(Zwei_Punkte_ausgeben), "2"},
      {"Tabelle_leeren", "9", Zelle_nach(Tabelle_leeren), ""},
      {"Zeile_leeren", "9", Zelle_nach([](Tabelle& t) { Zeile_leeren(t, 2); }), ""},
      {"Spalte_leeren", "9", Zelle_nach([](Tabelle& t) { Spalte_leeren(t, 1); }), ""},
      {"Zeile_entfernen", "9", Zelle_nach([](Tabelle& t) { Zeile_entfernen(t, 2); }), ""},
      {"Spalte_entfernen", "9", Zelle_nach([](Tabelle& t) { Spalte_entfernen(t, 1); }),
       "7"},  // (2,2)
      {"Taste Entf", "9", Zelle_nach(Entf_im_getippten_Feld), ""},
  };
  for (const Fall& f : faelle) {
    Tabelle t;
    t.Zelle_setzen(1, 1, "1");
    t.Zelle_setzen(2, 1, "1");
    t.Zelle_setzen(2, 2, "7");
    Offene_Eingabe eingabe(t, 1, 2, f.getippt);
    EXPECT_EQ(f.ergebnis(t), f.erwartet) << f.name;
    EXPECT_FALSE(eingabe.offen) << f.name;
  }
}

TEST(Eingabe_uebernehmen, SammelaenderungAndererTeileUebernimmtZuerst) {
  // A unit that writes a block of results must not have them overwritten by the open input later.
  Tabelle t;
  Offene_Eingabe eingabe(t, 1, 2, "9");
  {
    Tabelle::Sammler sammler(t);
    t.Zelle_setzen(1, 2, "Ergebnis");
  }
  EXPECT_FALSE(eingabe.offen);
  EXPECT_EQ(t.Zelle(1, 2), "Ergebnis");
}

TEST(Eingabe_uebernehmen, HakenDerSelbstDieTabelleLiestRuftSichNichtAuf) {
  Tabelle t;
  int aufrufe = 0, tiefe = 0, groesste_tiefe = 0;
  const int id = t.Eingabehaken_anmelden([&] {
    groesste_tiefe = std::max(groesste_tiefe, ++tiefe);
    ++aufrufe;
    // handing over writes a cell and may read the table again
    t.Zelle_setzen(1, 1, "1");
    int n = 0;
    Spalte_einlesen(t, 1, n);
    --tiefe;
  });
  int n = 0;
  Spalte_einlesen(t, 1, n);
  EXPECT_EQ(n, 1);
  EXPECT_GE(aufrufe, 1);
  EXPECT_EQ(groesste_tiefe, 1);
  t.Eingabehaken_abmelden(id);
}

TEST(Eingabe_uebernehmen, AbgemeldeterHakenLaeuftNichtMehr) {
  Tabelle t;
  int erster = 0, zweiter = 0;
  const int a = t.Eingabehaken_anmelden([&] { ++erster; });
  const int b = t.Eingabehaken_anmelden([&] { ++zweiter; });
  Eingabe_uebernehmen(t);
  t.Eingabehaken_abmelden(a);
  Eingabe_uebernehmen(t);
  EXPECT_EQ(erster, 1);
  EXPECT_EQ(zweiter, 2);
  t.Eingabehaken_abmelden(b);
  Eingabe_uebernehmen(t);
  EXPECT_EQ(zweiter, 2);
}
