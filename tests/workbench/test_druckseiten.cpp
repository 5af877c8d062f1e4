// What the print pages show and how the table is split over them.

#include <gtest/gtest.h>

#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Druckseiten.h"
#include "workbench/Werkbank.h"

namespace {

// The caption lists exactly the switched-on terms f, g, h, in that order and in their colours.
TEST(Druckseiten, Beschriftung_nennt_die_sichtbaren_Terme_in_ihren_Farben) {
  struct Fall {
    bool f, g, h;
    std::string h_term;
    std::vector<TDruckterm> erwartet;
  };
  const Fall faelle[] = {
      {true, false, false, "x", {{"f", "x²", 0x0000FF}}},
      {false, true, true, "x", {{"g", "sin(x)", 0x00FF00}, {"h", "x", 0xFF0000}}},
      {true, true, true, "", {{"f", "x²", 0x0000FF}, {"g", "sin(x)", 0x00FF00}}},  // empty h
      {false, false, false, "x", {}},
  };
  for (const Fall& c : faelle) {
    Werkbank_Zustand w;
    w.Feldtexte["Edit_fSchar"] = "x²";
    w.Feldtexte["Edit_gSchar"] = "sin(x)";
    w.Feldtexte["Edit_hSchar"] = c.h_term;
    w.Kurve_zeichnen[Kurve_f] = c.f;
    w.Kurve_zeichnen[Kurve_g] = c.g;
    w.Kurve_zeichnen[Kurve_h] = c.h;
    w.Kurvenstile[Kurve_f].Farbe = 0x0000FF;
    w.Kurvenstile[Kurve_g].Farbe = 0x00FF00;
    w.Kurvenstile[Kurve_h].Farbe = 0xFF0000;
    EXPECT_EQ(Sichtbare_Terme(w), c.erwartet) << c.f << c.g << c.h;
  }
}

TEST(Druckseiten, Datum_in_deutscher_Kurzform) {
  EXPECT_EQ(Druckdatum(2026, 12, 8), "08.12.2026");
  EXPECT_EQ(Druckdatum(2027, 1, 31), "31.01.2027");
}

// A4 with 15-mm margins leaves 180 x 267 mm. At 0.25 mm per screen pixel a 90-pixel column is
// 22.5 mm and the row-number column 8.25 mm: (180 - 8.25) / 22.5 = 7.6, so 7 columns a page; a
// row is 4 mm below a 6-mm title and a 4.25-mm caption row: (267 - 6 - 4.25) / 4 = 64.2, so 64.
TEST(Druckseiten, Tabelle_wird_erst_nach_unten_dann_nach_rechts_aufgeteilt) {
  struct Fall {
    const char* was;
    int spalten, zeilen, breite_px;
    std::vector<TTabellenseite> erwartet;
  };
  const Fall faelle[] = {
      {"leer", 0, 0, 90, {}},
      {"eine Zelle", 1, 1, 90, {{1, 1, 1, 1}}},
      {"genau eine Seite", 7, 64, 90, {{1, 7, 1, 64}}},
      {"eine Zeile zu viel", 7, 65, 90, {{1, 7, 1, 64}, {1, 7, 65, 65}}},
      {"breit und lang",
       10,
       100,
       90,
       {{1, 7, 1, 64}, {1, 7, 65, 100}, {8, 10, 1, 64}, {8, 10, 65, 100}}},
      // 20 total digits make columns of 120 pixels = 30 mm: (180 - 8.25) / 30 = 5.7.
      {"breite Zahlspalten", 12, 3, 120, {{1, 5, 1, 3}, {6, 10, 1, 3}, {11, 12, 1, 3}}},
      {"Spalte breiter als die Seite", 2, 1, 800, {{1, 1, 1, 1}, {2, 2, 1, 1}}},
  };
  for (const Fall& c : faelle) {
    Tabelle t;
    Spaltenbreiten_setzen(t, c.breite_px, 33);
    if (c.spalten > 0) t.Zelle_setzen(c.spalten, c.zeilen, "1");
    if (c.spalten > 1) t.Zelle_setzen(1, 1, "2");
    EXPECT_EQ(Tabellenseiten_aufteilen(t, 1800, 2670), c.erwartet) << c.was;
  }
}

// Cancelled or failed: one message; printed: none.
TEST(Druckseiten, Abschluss_meldet_Abbruch_und_Fehler_genau_einmal) {
  struct Fall {
    bool gedruckt;
    std::string fehler;
    std::vector<std::string> meldungen;
  };
  const Fall faelle[] = {
      {true, "", {}},
      {false, "", {"Nicht gedruckt"}},
      {false, "Der Druck ist fehlgeschlagen: X", {"Der Druck ist fehlgeschlagen: X"}},
      {true, "Der Druck ist fehlgeschlagen: X", {"Der Druck ist fehlgeschlagen: X"}},
  };
  for (const Fall& c : faelle) {
    SkriptDialoge d;
    Druck_abschliessen(c.gedruckt, c.fehler);
    EXPECT_EQ(d.meldungen, c.meldungen) << c.gedruckt << c.fehler;
  }
}

}  // namespace
