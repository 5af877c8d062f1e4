#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "table/UStringGrid.h"

namespace {

struct Kopiezelle {
  int spalte, zeile;
  std::string original, kopie;
};

// Every data cell holds a short text (no heap of its own).
void Kopie_voll_fuellen(Tabelle& t) {
  for (int c = 1; c <= Letzte_Spalte; ++c)
    for (int r = 1; r <= Letzte_Zeile; ++r)
      t.Zelle_setzen(c, r, std::to_string(c * 10000 + r));
}

std::size_t Speicher(std::initializer_list<const Tabelle*> tabellen) {
  return Tabellen_Speicher(std::span<const Tabelle* const>(tabellen.begin(), tabellen.size()));
}

}  // namespace

// ---- copies share their cells until one of them writes ----------------------------------------

TEST(Tabellenkopie, SchreibenInEineSiehtDieAndereNicht) {
  Tabelle original;
  original.Zelle_setzen(1, 1, "1");
  original.Zelle_setzen(2, 1, "2");
  original.Gehe_zu(4, 6);
  Tabelle kopie(original);
  EXPECT_EQ(kopie.Spalte(), 4);
  EXPECT_EQ(kopie.Zeile(), 6);

  struct Schreiben {
    bool in_kopie;
    int spalte, zeile;
    std::string text;
  };
  // The last write gives the copy the text it already holds.
  const std::vector<Schreiben> schreiben = {
      {true, 1, 1, "9"},     {false, 2, 1, "7"},    {false, 5, 33, "a"}, {true, 43, 1500, "z"},
      {true, 0, 5, "fuenf"}, {false, 3, 0, "Kopf"}, {true, 2, 1, "2"},
  };
  for (const auto& s : schreiben)
    (s.in_kopie ? kopie : original).Zelle_setzen(s.spalte, s.zeile, s.text);

  const std::vector<Kopiezelle> erwartet = {
      {1, 1, "1", "9"},    {2, 1, "7", "2"},       {5, 33, "a", ""},
      {43, 1500, "", "z"}, {0, 5, "5  ", "fuenf"}, {3, 0, "Kopf", "Matrix A (Sp3)"},
      {1, 2, "", ""},      {0, 6, "6  ", "6  "},
  };
  for (const auto& e : erwartet) {
    EXPECT_EQ(original.Zelle(e.spalte, e.zeile), e.original) << e.spalte << "," << e.zeile;
    EXPECT_EQ(kopie.Zelle(e.spalte, e.zeile), e.kopie) << e.spalte << "," << e.zeile;
  }
}

// Rows move up by one across the 32-row blocks of the copy; the original keeps its rows.
TEST(Tabellenkopie, ZeileEntfernenInDerKopieUeberBlockgrenzen) {
  Tabelle original;
  for (int r : {31, 32, 33, 63, 64, 65, 1471, 1472, 1500})
    original.Zelle_setzen(7, r, "r" + std::to_string(r));
  Tabelle kopie(original);
  Zeile_entfernen(kopie, 32);

  const std::vector<Kopiezelle> erwartet = {
      {7, 31, "r31", "r31"},
      {7, 32, "r32", "r33"},
      {7, 33, "r33", ""},
      {7, 62, "", "r63"},
      {7, 63, "r63", "r64"},
      {7, 64, "r64", "r65"},
      {7, 65, "r65", ""},
      {7, 1470, "", "r1471"},
      {7, 1471, "r1471", "r1472"},
      {7, 1472, "r1472", ""},
      {7, 1499, "", "r1500"},
      {7, 1500, "r1500", ""},
      {0, 1500, "1500  ", "1500   "},
  };
  for (const auto& e : erwartet) {
    EXPECT_EQ(original.Zelle(e.spalte, e.zeile), e.original) << e.zeile;
    EXPECT_EQ(kopie.Zelle(e.spalte, e.zeile), e.kopie) << e.zeile;
  }
}

// ---- comparing content ------------------------------------------------------------------------

TEST(Inhalt_gleich, ZellenUndSpaltenbreitenZaehlen) {
  const std::vector<std::pair<const char*, std::function<void(Tabelle&)>>> faelle = {
      {"unveraendert", [](Tabelle&) {}},
      {"eine Zelle", [](Tabelle& t) { t.Zelle_setzen(12, 800, "4,5"); }},
      {"Kopfzeile", [](Tabelle& t) { t.Zelle_setzen(3, 0, "Matrix B"); }},
      {"Zeilennummer", [](Tabelle& t) { t.Zelle_setzen(0, 1500, "x"); }},
      {"eine Breite", [](Tabelle& t) { t.Spaltenbreite[7] = 40; }},
      {"zurueckgeschrieben",
       [](Tabelle& t) {
         t.Zelle_setzen(1, 3, "anders");
         t.Zelle_setzen(1, 3, "13");
       }},
      {"nur die Auswahl", [](Tabelle& t) { t.Gehe_zu(5, 5); }},
  };
  const std::vector<bool> gleich = {true, false, false, false, false, true, true};
  for (std::size_t i = 0; i < faelle.size(); ++i) {
    Tabelle live;
    live.Zelle_setzen(1, 3, "13");
    Tabelle kopie(live);
    faelle[i].second(kopie);
    EXPECT_EQ(Inhalt_gleich(live, kopie), gleich[i]) << faelle[i].first;
    EXPECT_EQ(Inhalt_gleich(kopie, live), gleich[i]) << faelle[i].first;
  }
}

// ---- assignment -------------------------------------------------------------------------------

TEST(Tabellenzuweisung, MeldetEinmalUndBehaeltFokusUndBeobachter) {
  Tabelle ziel;
  ziel.Zelle_setzen(4, 4, "alt");
  ziel.Auswahl_setzen(2, 3, 5, 8);
  ziel.Ecke_setzen(3, 20);
  Tabelle quelle(ziel);
  quelle.Zelle_setzen(4, 4, "neu");
  quelle.Zelle_setzen(9, 2, "b");
  quelle.Zelle_setzen(6, 30, "c");
  quelle.Spaltenbreite[5] = 50;
  quelle.Gehe_zu(9, 9);
  quelle.Ecke_setzen(1, 1);

  std::vector<std::pair<TAenderung, TZellbereich>> notizen;
  ziel.Beobachter_anmelden(
      [&](TAenderung a, const TZellbereich& b) { notizen.emplace_back(a, b); });
  int uebernahmen = 0;
  ziel.Eingabehaken_anmelden([&] { ++uebernahmen; });
  ziel = quelle;

  const std::vector<std::pair<TAenderung, TZellbereich>> erwartet = {
      {TAenderung::Geometrie, {0, 0, Letzte_Spalte, Letzte_Zeile}},
      {TAenderung::Inhalt, {4, 2, 9, 30}},
  };
  EXPECT_EQ(notizen, erwartet);
  EXPECT_EQ(uebernahmen, 1);
  EXPECT_TRUE(Inhalt_gleich(ziel, quelle));
  EXPECT_EQ(ziel.Zelle(4, 4), "neu");
  EXPECT_EQ(ziel.Spaltenbreite[5], 50);
  EXPECT_EQ(ziel.Auswahl(), (TZellbereich{2, 3, 5, 8}));
  EXPECT_EQ(ziel.Spalte(), 5);
  EXPECT_EQ(ziel.Links(), 3);
  EXPECT_EQ(ziel.Oben(), 20);

  // the same content again: nothing to tell; the watcher stays signed on
  notizen.clear();
  ziel = quelle;
  EXPECT_TRUE(notizen.empty());
  ziel.Zelle_setzen(1, 1, "d");
  EXPECT_EQ(notizen.size(), 1u);
}

TEST(Tabellenzuweisung, InnerhalbEinesSammlersEineMeldung) {
  Tabelle ziel, quelle;
  quelle.Zelle_setzen(10, 100, "q");
  std::vector<TZellbereich> inhalt;
  ziel.Beobachter_anmelden([&](TAenderung a, const TZellbereich& b) {
    if (a == TAenderung::Inhalt) inhalt.push_back(b);
  });
  {
    Tabelle::Sammler sammler(ziel);
    ziel = quelle;
    ziel.Zelle_setzen(2, 3, "x");
    EXPECT_TRUE(inhalt.empty());
  }
  EXPECT_EQ(inhalt, (std::vector<TZellbereich>{{2, 3, 10, 100}}));
}

// ---- memory of many copies --------------------------------------------------------------------

TEST(Tabellen_Speicher, GeteilteBloeckeZaehlenEinmal) {
  Tabelle a;
  Kopie_voll_fuellen(a);
  // every block of a full table is its own; all texts fit the strings' own buffer
  const std::size_t voll =
      sizeof(Tabelle) + std::size_t{Tabelle_Spalten} * Tabelle_Bloecke * sizeof(TZellblock);
  EXPECT_EQ(Speicher({&a}), voll);
  EXPECT_EQ(Speicher({&a, &a}), voll);

  Tabelle b(a);
  EXPECT_EQ(Speicher({&a, &b}), voll + sizeof(Tabelle));
  b.Zelle_setzen(5, 5, "x");
  EXPECT_EQ(Speicher({&a, &b}), voll + sizeof(Tabelle) + sizeof(TZellblock));
  const std::string lang(40, 'L');
  b.Zelle_setzen(5, 6, lang);  // same block, now with a text on the heap
  EXPECT_EQ(Speicher({&a, &b}),
            voll + sizeof(Tabelle) + sizeof(TZellblock) + b.Zelle(5, 6).capacity() + 1);
  EXPECT_GE(b.Zelle(5, 6).capacity(), lang.size());
}
