// An input still open in a view of the table belongs to the table: every operation that reads or
// changes cells first lets the view hand it over.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "kos/U_KOS.h"
#include "support/SkriptDialoge.h"
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

struct Fall {
  const char* name;
  std::string getippt;  // typed into cell (1, 2), still open when the operation starts
  std::function<void(Tabelle&)> vorher;
  std::function<std::string(Tabelle&)> ergebnis;
  std::string erwartet;
};

std::string Zahl(long double x) {
  return Zahl_als_Zelltext(x);
}

}  // namespace

TEST(Eingabe_uebernehmen, JedeOperationSiehtDieOffeneEingabe) {
  const auto nichts = [](Tabelle&) {};
  const std::vector<Fall> faelle = {
      {"Bruch", "0,5", nichts,
       [](Tabelle& t) {
         Tabelle_als_Bruch(t);
         return t.Zelle(1, 2);
       },
       "1/2"},
      {"Dezimal", "3/8", nichts,
       [](Tabelle& t) {
         Tabelle_als_Dezimal(t);
         return t.Zelle(1, 2);
       },
       "0,375"},
      {"Spalte_einlesen", "4", [](Tabelle& t) { t.Zelle_setzen(1, 1, "1"); },
       [](Tabelle& t) {
         int n = 0;
         const auto w = Spalte_einlesen(t, 1, n);
         return std::to_string(n) + ":" + Zahl(w.empty() ? 0 : w.back());
       },
       "2:4"},
      {"Punkte_einlesen", "2,5",
       [](Tabelle& t) {
         t.Zelle_setzen(1, 1, "0");
         t.Zelle_setzen(2, 1, "0");
         t.Zelle_setzen(2, 2, "7");
       },
       [](Tabelle& t) {
         int n = 0;
         const auto p = Punkte_einlesen(t, 1, n);
         return std::to_string(n) + ":" + Zahl(p.back().x) + ";" + Zahl(p.back().y);
       },
       "2:2,5;7"},
      {"Punkteliste_einlesen", "1",
       [](Tabelle& t) {
         t.Zelle_setzen(1, 1, "0");
         t.Zelle_setzen(2, 1, "0");
         t.Zelle_setzen(2, 2, "1");
       },
       [](Tabelle& t) {
         Punkteliste_einlesen(t, 1);
         return std::to_string(Punktanzahl);
       },
       "2"},
      {"Spaltensumme", "1/4", [](Tabelle& t) { t.Zelle_setzen(1, 1, "1"); },
       [](Tabelle& t) {
         int naechste = 0;
         const long double s = Spaltensumme_berechnen(t, 1, naechste);
         return Zahl(s) + ":" + std::to_string(naechste);
       },
       "1,25:3"},
      {"Spalte_kumulieren", "2", [](Tabelle& t) { t.Zelle_setzen(1, 1, "1"); },
       [](Tabelle& t) {
         Spalte_kumulieren(t, 1);
         return t.Zelle(1, 2);
       },
       "3"},
      {"Zelle_als_Zahl", "-3/4", nichts,
       [](Tabelle& t) {
         long double w = 0;
         return Zelle_als_Zahl(t, 1, 2, w) ? Zahl(w) : "keine Zahl";
       },
       "-0,75"},
      {"Bereich_als_Text", "ab", nichts,
       [](Tabelle& t) {
         return Bereich_als_Text(t, {1, 2, 1, 2});
       },
       "ab" + std::string(18, ' ') + "\r\n"},
      {"Bereich_kopieren", "5", nichts,
       [](Tabelle& t) {
         Bereich_kopieren(t, {1, 2, 1, 2}, 4, 4);
         return t.Zelle(4, 4);
       },
       "5"},
      {"Punkte_ausgeben", "5", nichts,
       [](Tabelle& t) {
         Punkte_ausgeben(t, 1, {{1, 1}, {2, 2}}, 2);
         return t.Zelle(1, 2);
       },
       "2"},
      // What clears or shifts cells must not leave the typed text to come back afterwards.
      {"Tabelle_leeren", "9", nichts,
       [](Tabelle& t) {
         Tabelle_leeren(t);
         return t.Zelle(1, 2);
       },
       ""},
      {"Zeile_leeren", "9", nichts,
       [](Tabelle& t) {
         Zeile_leeren(t, 2);
         return t.Zelle(1, 2);
       },
       ""},
      {"Spalte_leeren", "9", nichts,
       [](Tabelle& t) {
         Spalte_leeren(t, 1);
         return t.Zelle(1, 2);
       },
       ""},
      {"Zeile_entfernen", "9", nichts,
       [](Tabelle& t) {
         Zeile_entfernen(t, 2);
         return t.Zelle(1, 2);
       },
       ""},
      {"Spalte_entfernen", "9", nichts,
       [](Tabelle& t) {
         Spalte_entfernen(t, 1);
         return t.Zelle(1, 2);
       },
       ""},
      {"Taste Entf", "9", [](Tabelle& t) { t.Gehe_zu(1, 2); },
       [](Tabelle& t) {
         Taste_verarbeiten(t, Taste_Entf);
         return t.Zelle(1, 2);
       },
       ""},
  };
  for (const Fall& f : faelle) {
    Tabelle t;
    f.vorher(t);
    Offene_Eingabe eingabe(t, 1, 2, f.getippt);
    EXPECT_EQ(f.ergebnis(t), f.erwartet) << f.name;
    EXPECT_GE(eingabe.aufrufe, 1) << f.name;
  }
}

TEST(Eingabe_uebernehmen, KopierknopfKopiertDieOffeneEingabe) {
  Tabelle t;
  SkriptDialoge d;
  Bereich_markieren(t, 1, 1, 1, 2);
  Offene_Eingabe eingabe(t, 1, 2, "6");
  d.antworten_eingabe.push_back(std::string("3;1"));
  Bereich_kopieren_fragen(t);
  EXPECT_EQ(t.Zelle(3, 2), "6");
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
