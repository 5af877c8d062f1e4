// The input rules of the main window as plain functions: key filters, whole-number readers with
// their fallbacks, blank removal and the list mappings.

#include <gtest/gtest.h>

#include "workbench/Blatt.h"
#include "workbench/Werkbank.h"

namespace {

struct Tastenfall {
  Feldart art;
  const char* getippt;
  const char* ergebnis;
  bool weiter;
};

}  // namespace

TEST(Tastenfilter, Jede_Feldart_behandelt_ihre_Zeichen) {
  const Tastenfall faelle[] = {
      // term fields
      {Feldart::Term, "*", "·", false},
      {Feldart::Term, ".", ",", false},
      {Feldart::Term, "x", "x", false},
      {Feldart::Term, "^", "^", false},
      {Feldart::Term, "\r", "", true},
      // number fields: letters other than E, I, P, W are refused, then the term rules
      {Feldart::Zahl, "x", "", false},
      {Feldart::Zahl, "X", "", false},
      {Feldart::Zahl, "t", "", false},
      {Feldart::Zahl, "ä", "", false},
      {Feldart::Zahl, "p", "p", false},
      {Feldart::Zahl, "I", "I", false},
      {Feldart::Zahl, "e", "e", false},
      {Feldart::Zahl, "E", "E", false},
      {Feldart::Zahl, "w", "w", false},
      {Feldart::Zahl, "7", "7", false},
      {Feldart::Zahl, "/", "/", false},
      {Feldart::Zahl, "(", "(", false},
      {Feldart::Zahl, "-", "-", false},
      {Feldart::Zahl, ".", ",", false},
      {Feldart::Zahl, "*", "·", false},
      {Feldart::Zahl, "\r", "", true},
      // whole-number fields
      {Feldart::Ganzzahl, "5", "5", false},
      {Feldart::Ganzzahl, "0", "0", false},
      {Feldart::Ganzzahl, "\b", "\b", false},
      {Feldart::Ganzzahl, "\x1b", "\x1b", false},
      {Feldart::Ganzzahl, "#", "#", false},
      {Feldart::Ganzzahl, "$", "$", false},
      {Feldart::Ganzzahl, "-", "", false},
      {Feldart::Ganzzahl, ",", "", false},
      {Feldart::Ganzzahl, "a", "", false},
      {Feldart::Ganzzahl, "\r", "", true},
      // caption fields: only Enter is special
      {Feldart::Enter, "*", "*", false},
      {Feldart::Enter, ".", ".", false},
      {Feldart::Enter, "\r", "", true},
      {Feldart::keine, "\r", "\r", false},
  };
  for (const auto& f : faelle) {
    Tastenwirkung w = Taste_filtern(f.art, f.getippt);
    EXPECT_EQ(w.text, f.ergebnis) << static_cast<int>(f.art) << " " << f.getippt;
    EXPECT_EQ(w.weiter, f.weiter) << static_cast<int>(f.art) << " " << f.getippt;
  }
}

TEST(Ganzzahlen, Lesen_und_Vorgaben) {
  struct Fall {
    const char* text;
    bool ok;
    int wert;
  };
  const Fall faelle[] = {
      {"12", true, 12},
      {" 12 ", true, 12},
      {"-3", true, -3},
      {"+4", true, 4},
      {"$1F", true, 31},
      {"-$10", true, -16},
      {"", false, 0},
      {"  ", false, 0},
      {"1,5", false, 0},
      {"1e3", false, 0},
      {"abc", false, 0},
      {"--1", false, 0},
      {"2147483647", true, 2147483647},
      {"2147483648", false, 0},
      {"$", false, 0},
      {"1 2", false, 0},
  };
  for (const auto& f : faelle) {
    int n = -999;
    EXPECT_EQ(Ganzzahl_lesen(f.text, n), f.ok) << f.text;
    if (f.ok) {
      EXPECT_EQ(n, f.wert) << f.text;
    }
  }
  EXPECT_EQ(n_Start_lesen("x"), 1);
  EXPECT_EQ(n_Start_lesen("0"), 0);
  EXPECT_EQ(n_Start_lesen("-5"), -5);
  const std::pair<const char*, int> tiefen[] = {{"1500", 500}, {"1", 500},     {"1499", 1499},
                                                {"2", 2},      {"abc", 500},   {"", 500},
                                                {"-7", 500},   {"99999", 500}, {"999", 999}};
  for (const auto& [text, tiefe] : tiefen)
    EXPECT_EQ(Iterationstiefe_lesen(text), tiefe) << text;
}

TEST(Zeichen_entfernen, Raender_und_jedes_Vorkommen) {
  const std::tuple<const char*, char, const char*> faelle[] = {
      {" 2 x ^ 2 ", ' ', "2x^2"}, {"", ' ', ""},         {"   ", ' ', ""},
      {"sin(x)", ' ', "sin(x)"},  {"a;b;c", ';', "abc"}, {"  a;b  ", ';', "ab"},
  };
  for (const auto& [text, zeichen, ergebnis] : faelle)
    EXPECT_EQ(Zeichen_entfernen(text, zeichen), ergebnis) << text;
}

TEST(Listen, Integrationsverfahren_und_Punktspalten) {
  const int codes[] = {3, 0, 1, 2, 4, 4};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(Integrationsmethode_aus_Listenposition(i), codes[i]);
  EXPECT_EQ(Integrationsmethode_aus_Listenposition(-1), 3);
  EXPECT_EQ(Integrationsmethode_aus_Listenposition(6), 3);
  EXPECT_EQ(Punktspalte_aus_Listenposition(0), 1);
  EXPECT_EQ(Punktspalte_aus_Listenposition(3), 7);
}

TEST(Werkbank, Ruecksetzen_bringt_die_Startwerte) {
  Werkbank.aStart = 5;
  Werkbank.Iterationstiefe = 7;
  Werkbank.Kurve_zeichnen[Kurve_g] = true;
  Werkbank.Grafiktext = "A";
  Blatt_zuruecksetzen();
  EXPECT_EQ(Werkbank.aStart, -8);
  EXPECT_EQ(Werkbank.bEnde, 8);
  EXPECT_EQ(Werkbank.Iterationstiefe, 500);
  EXPECT_FALSE(Werkbank.Kurve_zeichnen[Kurve_g]);
  EXPECT_EQ(Werkbank.Grafiktext, "P(6/4)");
  EXPECT_EQ(Werkbank.Textschrift.Farbe, 0xFF0000u);
  EXPECT_EQ(Werkbank.Textschrift.Groesse, 10);
  EXPECT_EQ(Werkbank.Textfeld_Breite, 200);
  EXPECT_EQ(Werkbank.Integrationsmethode, 3);
  EXPECT_EQ(Werkbank.Plotnummer, 1);
  EXPECT_TRUE(Werkbank.loeschen);
  EXPECT_TRUE(Werkbank.Achsen_automatisch_beschriften);
}
