#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kos/U_KOS.h"
#include "support/Gebietsschema.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"

namespace {

void Spalte_fuellen(Tabelle& t, int spalte, const std::vector<std::string>& texte, int ab = 1) {
  for (std::size_t i = 0; i < texte.size(); ++i)
    t.Zelle_setzen(spalte, ab + static_cast<int>(i), texte[i]);
}

std::string Zeilentext(int r, int blanks) {
  return std::to_string(r) + std::string(blanks, ' ');
}

}  // namespace

// ---- layout of the headers --------------------------------------------------------------------

TEST(Tabellenkopf, SchreibtDieKopfbeschriftungen) {
  Tabelle t;
  t.Zelle_setzen(1, 0, "Mittelwert");
  t.Zelle_setzen(0, 7, "x");
  Tabellenkopf_schreiben(t);
  EXPECT_EQ(t.Zelle(0, 0), "Ze Nr");
  EXPECT_EQ(t.Zelle(1, 0), "  x (Sp1)");
  EXPECT_EQ(t.Zelle(2, 0), "  y (Sp2)");
  EXPECT_EQ(t.Zelle(3, 0), "Matrix A (Sp3)");
  EXPECT_EQ(t.Zelle(4, 0), "  Sp4   ");
  EXPECT_EQ(t.Zelle(10, 0), "  Sp10   ");
  EXPECT_EQ(t.Zelle(43, 0), "  Sp43   ");
  EXPECT_EQ(t.Zelle(0, 1), "1  ");
  EXPECT_EQ(t.Zelle(0, 7), "7  ");
  EXPECT_EQ(t.Zelle(0, 1500), "1500  ");
}

TEST(Tabelle, ZellenAusserhalbSindLeerUndUnbeschreibbar) {
  Tabelle t;
  for (auto [c, r] : std::vector<std::pair<int, int>>{{-1, 1}, {44, 1}, {1, -1}, {1, 1501}}) {
    t.Zelle_setzen(c, r, "5");
    EXPECT_EQ(t.Zelle(c, r), "") << c << "," << r;
  }
}

TEST(Tabelle_leeren, LeertDatenSchreibtKopfZeigtEcke) {
  Tabelle t;
  t.Zelle_setzen(1, 1, "1");
  t.Zelle_setzen(43, 1500, "x");
  t.Zelle_setzen(2, 0, "Häufigkeit");
  t.Ecke_setzen(10, 700);
  Tabelle_leeren(t);
  EXPECT_EQ(t.Zelle(1, 1), "");
  EXPECT_EQ(t.Zelle(43, 1500), "");
  EXPECT_EQ(t.Zelle(2, 0), "  y (Sp2)");
  EXPECT_EQ(t.Links(), 1);
  EXPECT_EQ(t.Oben(), 1);
}

TEST(Tabelle_einrichten, GeometrieUndKeineAuswahl) {
  Tabelle t;
  t.Spaltenbreite.fill(63);
  t.Gehe_zu(3, 3);
  Tabelle_einrichten(t);
  EXPECT_EQ(t.Standard_Spaltenbreite, 90);
  EXPECT_EQ(t.Spaltenbreite[0], 33);
  EXPECT_EQ(t.Spaltenbreite[5], 90);
  EXPECT_EQ(t.Standard_Zeilenhoehe, 16);
  EXPECT_EQ(t.Kopfzeilenhoehe, 17);
  EXPECT_EQ(t.Gitterlinienbreite, 2);
  EXPECT_EQ(t.Farbe_fest, 0xF0FBFFu);  // RGB (255, 251, 240) as 0x00BBGGRR
  EXPECT_EQ(t.Schrift.Name, "Arial");
  EXPECT_EQ(t.Schrift.Groesse, 8);
  EXPECT_TRUE(t.Schrift.fett);
  EXPECT_EQ(t.Schrift.Farbe, 0x800000u);  // navy RGB (0, 0, 128)
  EXPECT_TRUE(Bereich_leer(t.Auswahl()));
  EXPECT_EQ(t.Spalte(), -1);
}

// ---- reading numbers --------------------------------------------------------------------------

TEST(Zelle_als_Zahl, WelcheTexteZahlenSind) {
  struct Fall {
    std::string text;
    bool zahl;
    long double wert;
  };
  const std::vector<Fall> faelle = {
      {"3/4", true, 0.75L},   {"2,5E3", true, 2500},
      {"2.5", true, 2.5L},    {"-3,731E-5", true, -3.731E-5L},
      {"-3/4", true, -0.75L}, {"1/0", false, 0},
      {"1/x", false, 0},      {"", false, 0},
      {"abc", false, 0},      {"2 ", false, 0},
  };
  Tabelle t;
  for (const auto& f : faelle) {
    t.Zelle_setzen(1, 1, f.text);
    long double w = -99;
    EXPECT_EQ(Zelle_als_Zahl(t, 1, 1, w), f.zahl) << f.text;
    if (f.zahl) {
      EXPECT_NEAR(static_cast<double>(w), static_cast<double>(f.wert), 1e-15) << f.text;
    }
  }
}

TEST(Spalte_einlesen, EndetAnDerErstenLueckeOderUnlesbarenZelle) {
  Tabelle t;
  Spalte_fuellen(t, 4, {"1", "2,5", "3/4", "", "5", "6"});
  int n = -1;
  auto w = Spalte_einlesen(t, 4, n);
  ASSERT_EQ(n, 3);
  ASSERT_EQ(w.size(), 3u);
  EXPECT_EQ(w[0], 1);
  EXPECT_EQ(w[1], 2.5L);
  EXPECT_EQ(w[2], 0.75L);

  Spalte_fuellen(t, 5, {"7", "1/0", "8"});
  Spalte_einlesen(t, 5, n);
  EXPECT_EQ(n, 1);
  Spalte_einlesen(t, 6, n);
  EXPECT_EQ(n, 0);
}

TEST(Spalte_einlesen, VolleSpalteUndSpaltenAusserhalb) {
  Tabelle t;
  for (int r = 1; r <= 1500; ++r)
    t.Zelle_setzen(7, r, std::to_string(r));
  int n = 0;
  auto w = Spalte_einlesen(t, 7, n);
  EXPECT_EQ(n, 1500);
  EXPECT_EQ(w.back(), 1500);
  // The row labels ("1  ") end in blanks and are no numbers; column 44 does not exist.
  Spalte_einlesen(t, 0, n);
  EXPECT_EQ(n, 0);
  Spalte_einlesen(t, 44, n);
  EXPECT_EQ(n, 0);
}

TEST(Punkte_einlesen, PaarOhneYBeendetDieListe) {
  Tabelle t;
  Spalte_fuellen(t, 1, {"1", "2", "3", "4"});
  Spalte_fuellen(t, 2, {"10", "20", "", "40"});
  int n = 0;
  auto p = Punkte_einlesen(t, 1, n);
  ASSERT_EQ(n, 2);
  EXPECT_EQ(p[1].x, 2);
  EXPECT_EQ(p[1].y, 20);
  // x missing ends the list just the same
  Spalte_fuellen(t, 3, {"", "1"});
  Spalte_fuellen(t, 4, {"1", "1"});
  Punkte_einlesen(t, 3, n);
  EXPECT_EQ(n, 0);
  // the last column has no partner column
  t.Zelle_setzen(43, 1, "1");
  Punkte_einlesen(t, 43, n);
  EXPECT_EQ(n, 0);
}

TEST(Punkteliste_einlesen, FuelltDieGemeinsamePunkteliste) {
  Tabelle t;
  Spalte_fuellen(t, 3, {"1", "-2"});
  Spalte_fuellen(t, 4, {"1/2", "0,25"});
  Punktanzahl = 99;
  Punkteliste_einlesen(t, 3);
  ASSERT_EQ(Punktanzahl, 2);
  EXPECT_EQ(Punkteliste[0].y, 0.5L);
  EXPECT_EQ(Punkteliste[1].x, -2);
  EXPECT_EQ(Punkteliste[1].y, 0.25L);
  Punkteliste_einlesen(t, 5);
  EXPECT_EQ(Punktanzahl, 0);
}

// ---- writing numbers --------------------------------------------------------------------------

TEST(Zahl_als_Zelltext, FuenfzehnStellenDezimalkommaExponent) {
  const std::vector<std::pair<long double, std::string>> faelle = {
      {0, "0"},
      {1.5L, "1,5"},
      {-2.25L, "-2,25"},
      {100, "100"},
      {1234.5L, "1234,5"},
      {1.0L / 3, "0,333333333333333"},
      {2.0L / 3, "0,666666666666667"},
      {-0.5L, "-0,5"},
      {0.00001L, "0,00001"},
      {1E-6L, "1E-6"},
      {-2.5E-7L, "-2,5E-7"},
      {123456789012345.0L, "123456789012345"},
      {1E15L, "1E15"},
      {2.5E20L, "2,5E20"},
  };
  for (const auto& [x, text] : faelle)
    EXPECT_EQ(Zahl_als_Zelltext(x), text) << text;
}

// Cells read and written on a German desktop: the same texts and numbers as everywhere.
TEST(Zahl_als_Zelltext, UnterDeutschemGebietsschemaGleich) {
  QDX_DEUTSCH_ODER_UEBERSPRINGEN(de);
  const std::vector<std::pair<std::string, long double>> lesen = {
      {"0,4", 0.4L}, {"0.4", 0.4L}, {"12,5", 12.5L}, {"-1,5E-3", -1.5E-3L}};
  Tabelle t;
  for (const auto& [text, wert] : lesen) {
    t.Zelle_setzen(1, 1, text);
    long double x = 0;
    EXPECT_TRUE(Zelle_als_Zahl(t, 1, 1, x)) << text;
    EXPECT_EQ(x, wert) << text;
  }
  t.Zelle_setzen(1, 1, "12,5;18");
  long double x = 0;
  EXPECT_FALSE(Zelle_als_Zahl(t, 1, 1, x));
  EXPECT_EQ(Zahl_als_Zelltext(0.4L), "0,4");
  EXPECT_EQ(Zahl_als_Zelltext(-2.5E-7L), "-2,5E-7");
  EXPECT_EQ(Zahl_als_Zelltext(1.0L / 3), "0,333333333333333");
}

TEST(Punkte_ausgeben, SchreibtNurDieGezaehltenZeilen) {
  Tabelle t;
  t.Zelle_setzen(5, 3, "bleibt");
  Punkte_ausgeben(t, 5, {{1.5L, -2}, {0.25L, 1E-6L}, {9, 9}}, 2);
  EXPECT_EQ(t.Zelle(5, 1), "1,5");
  EXPECT_EQ(t.Zelle(6, 1), "-2");
  EXPECT_EQ(t.Zelle(5, 2), "0,25");
  EXPECT_EQ(t.Zelle(6, 2), "1E-6");
  EXPECT_EQ(t.Zelle(5, 3), "bleibt");
  // a count larger than the list writes only the list
  Punkte_ausgeben(t, 1, {{1, 2}}, 1000);
  EXPECT_EQ(t.Zelle(1, 1), "1");
  EXPECT_EQ(t.Zelle(1, 2), "");
}

TEST(Spaltensumme_berechnen, SummeUndFolgezeile) {
  Tabelle t;
  Spalte_fuellen(t, 1, {"1", "2", "3", "", "100"});
  int naechste = 0;
  EXPECT_EQ(Spaltensumme_berechnen(t, 1, naechste), 6);
  EXPECT_EQ(naechste, 4);
  EXPECT_EQ(Spaltensumme_berechnen(t, 2, naechste), 0);
  EXPECT_EQ(naechste, 1);
  for (int r = 1; r <= 1500; ++r)
    t.Zelle_setzen(3, r, "1");
  EXPECT_EQ(Spaltensumme_berechnen(t, 3, naechste), 1500);
  EXPECT_EQ(naechste, 1501);
}

TEST(Spalte_kumulieren, LaufendeSummenBisZurLuecke) {
  Tabelle t;
  Spalte_fuellen(t, 1, {"1", "2", "3"});
  Spalte_kumulieren(t, 1);
  EXPECT_EQ(t.Zelle(1, 1), "1");
  EXPECT_EQ(t.Zelle(1, 2), "3");
  EXPECT_EQ(t.Zelle(1, 3), "6");

  Spalte_fuellen(t, 2, {"1/2", "0,25", "", "5"});
  Spalte_kumulieren(t, 2);
  EXPECT_EQ(t.Zelle(2, 1), "1/2");  // row 1 stays as typed
  EXPECT_EQ(t.Zelle(2, 2), "0,75");
  EXPECT_EQ(t.Zelle(2, 4), "5");

  Spalte_fuellen(t, 3, {"a", "2", "3"});
  Spalte_kumulieren(t, 3);
  EXPECT_EQ(t.Zelle(3, 3), "3");
}

// ---- removing and emptying rows and columns ---------------------------------------------------

TEST(Zeile_entfernen, ZeilenRueckenNachObenNummernNeu) {
  Tabelle t;
  Spalte_fuellen(t, 1, {"a", "b", "c"});
  t.Zelle_setzen(43, 1500, "letzte");
  Zeile_entfernen(t, 1);
  EXPECT_EQ(t.Zelle(1, 1), "b");
  EXPECT_EQ(t.Zelle(1, 2), "c");
  EXPECT_EQ(t.Zelle(43, 1499), "letzte");
  EXPECT_EQ(t.Zelle(43, 1500), "");
  for (int r : {1, 2, 750, 1500})
    EXPECT_EQ(t.Zelle(0, r), Zeilentext(r, 3));
  EXPECT_EQ(t.Zelle(1, 0), "  x (Sp1)");
}

TEST(Zeile_entfernen, ZeilenAusserhalbAendernNichts) {
  Tabelle t;
  t.Zelle_setzen(1, 1, "a");
  for (int r : {-1, 0, 1501})
    Zeile_entfernen(t, r);
  EXPECT_EQ(t.Zelle(1, 1), "a");
  EXPECT_EQ(t.Zelle(0, 1), "1  ");
  EXPECT_EQ(t.Zelle(0, 0), "Ze Nr");
}

TEST(Spalte_entfernen, KoepfeWandernMitLetzteSpalteLeer) {
  Tabelle t;
  t.Zelle_setzen(2, 5, "y5");
  t.Zelle_setzen(43, 9, "z");
  Spalte_entfernen(t, 1);
  EXPECT_EQ(t.Zelle(1, 0), "  y (Sp2)");
  EXPECT_EQ(t.Zelle(2, 0), "Matrix A (Sp3)");
  EXPECT_EQ(t.Zelle(42, 0), "  Sp43   ");
  EXPECT_EQ(t.Zelle(43, 0), "");
  EXPECT_EQ(t.Zelle(1, 5), "y5");
  EXPECT_EQ(t.Zelle(42, 9), "z");
  EXPECT_EQ(t.Zelle(43, 9), "");
  EXPECT_EQ(t.Zelle(0, 1), "1  ");  // the row labels stay

  for (int c : {0, 44})
    Spalte_entfernen(t, c);
  EXPECT_EQ(t.Zelle(0, 1), "1  ");
  EXPECT_EQ(t.Zelle(1, 0), "  y (Sp2)");
}

TEST(Zeile_leeren, LeertAlleSpaltenUndSchreibtNummer) {
  Tabelle t;
  for (int c = 1; c <= 43; ++c)
    t.Zelle_setzen(c, 5, "1");
  t.Zelle_setzen(1, 6, "bleibt");
  Zeile_leeren(t, 5);
  for (int c = 1; c <= 43; ++c)
    EXPECT_EQ(t.Zelle(c, 5), "");
  EXPECT_EQ(t.Zelle(0, 5), "5   ");
  EXPECT_EQ(t.Zelle(1, 6), "bleibt");
  Zeile_leeren(t, 0);  // the header row is not a data row
  EXPECT_EQ(t.Zelle(1, 0), "  x (Sp1)");
}

TEST(Spalte_leeren, BehaeltDenKopf) {
  Tabelle t;
  t.Zelle_setzen(3, 0, "Mittelwert");
  Spalte_fuellen(t, 3, {"1", "2"});
  t.Zelle_setzen(3, 1500, "3");
  t.Zelle_setzen(4, 1, "bleibt");
  Spalte_leeren(t, 3);
  EXPECT_EQ(t.Zelle(3, 0), "Mittelwert");
  EXPECT_EQ(t.Zelle(3, 1), "");
  EXPECT_EQ(t.Zelle(3, 1500), "");
  EXPECT_EQ(t.Zelle(4, 1), "bleibt");
  Spalte_leeren(t, 0);  // the row labels are no data column
  EXPECT_EQ(t.Zelle(0, 1), "1  ");
}

// ---- selection, keys --------------------------------------------------------------------------

TEST(Bereich_markieren, RechteckAusZweiEckenAktuelleZelleFolgtMaus) {
  Tabelle t;
  EXPECT_TRUE(Bereich_markieren(t, 5, 8, 2, 3));
  EXPECT_EQ(t.Auswahl(), (TZellbereich{2, 3, 5, 8}));
  EXPECT_EQ(t.Spalte(), 2);
  EXPECT_EQ(t.Zeile(), 3);
  // a corner outside the data cells leaves the selection alone
  for (auto b :
       std::vector<TZellbereich>{{0, 1, 2, 2}, {1, 1, 44, 2}, {1, 1, 2, 1501}, {1, -5, 1, 1}})
    EXPECT_FALSE(Bereich_markieren(t, b.Links, b.Oben, b.Rechts, b.Unten));
  EXPECT_EQ(t.Auswahl(), (TZellbereich{2, 3, 5, 8}));
  Markierung_aufheben(t);
  EXPECT_EQ(t.Auswahl(), (TZellbereich{-1, -1, -1, -1}));
  EXPECT_EQ(t.Spalte(), -1);
  EXPECT_EQ(t.Zeile(), -1);
}

TEST(Taste_verarbeiten, EnterFuelltPunktpaareZeilenweise) {
  struct Fall {
    int c, r, c_neu, r_neu;
  };
  const std::vector<Fall> faelle = {
      {1, 1, 2, 1},  {2, 1, 1, 2},       {5, 7, 6, 7},         {42, 3, 43, 3},
      {43, 3, 1, 4}, {2, 1500, 2, 1500}, {43, 1500, 43, 1500}, {1, 1500, 2, 1500},
  };
  Tabelle t;
  for (const auto& f : faelle) {
    t.Gehe_zu(f.c, f.r);
    EXPECT_TRUE(Taste_verarbeiten(t, Taste_Enter));
    EXPECT_EQ(t.Spalte(), f.c_neu) << f.c << "," << f.r;
    EXPECT_EQ(t.Zeile(), f.r_neu) << f.c << "," << f.r;
    EXPECT_EQ(t.Auswahl(), (TZellbereich{f.c_neu, f.r_neu, f.c_neu, f.r_neu}));
  }
}

TEST(Taste_verarbeiten, EntfLeertAktuelleZelleAndereTastenNicht) {
  Tabelle t;
  t.Zelle_setzen(3, 4, "17");
  t.Zelle_setzen(3, 5, "18");
  t.Gehe_zu(3, 4);
  EXPECT_TRUE(Taste_verarbeiten(t, Taste_Entf));
  EXPECT_EQ(t.Zelle(3, 4), "");
  EXPECT_EQ(t.Zelle(3, 5), "18");
  EXPECT_FALSE(Taste_verarbeiten(t, 'A'));
  EXPECT_EQ(t.Spalte(), 3);
  // without a current cell nothing moves and nothing is emptied
  Markierung_aufheben(t);
  Taste_verarbeiten(t, Taste_Enter);
  Taste_verarbeiten(t, Taste_Entf);
  EXPECT_EQ(t.Spalte(), -1);
  EXPECT_EQ(t.Zelle(3, 5), "18");
}

// ---- copying ranges ---------------------------------------------------------------------------

TEST(Bereich_kopieren, UeberlappungWirdAbgewiesen) {
  Tabelle t;
  Spalte_fuellen(t, 1, {"1", "1/2"});
  Spalte_fuellen(t, 2, {"a", "2,50"});
  const TZellbereich q{1, 1, 2, 2};
  EXPECT_TRUE(Bereich_kopieren(t, q, 2, 2));
  EXPECT_EQ(t.Zelle(3, 3), "");
  EXPECT_EQ(t.Zelle(2, 2), "2,50");
  EXPECT_FALSE(Bereich_kopieren(t, q, 3, 1));
  EXPECT_EQ(t.Zelle(3, 1), "1");
  EXPECT_EQ(t.Zelle(3, 2), "1/2");  // texts are copied as they are
  EXPECT_EQ(t.Zelle(4, 1), "a");
  EXPECT_EQ(t.Zelle(4, 2), "2,50");
  EXPECT_EQ(t.Zelle(1, 1), "1");
  // a rectangle reaching far beyond the table copies only what is in it, in bounded time
  EXPECT_FALSE(Bereich_kopieren(t, {1, 1, 2147483647, 2}, 1, 5));
  EXPECT_EQ(t.Zelle(4, 6), "2,50");
}

TEST(Bereich_kopieren, UeberlappungAuchTiefInDerTabelle) {
  Tabelle t;
  Spalte_fuellen(t, 5, {"x", "y", "z"}, 300);
  const TZellbereich q{5, 300, 5, 302};
  for (auto [c, r] : std::vector<std::pair<int, int>>{{5, 301}, {5, 298}, {5, 302}}) {
    EXPECT_TRUE(Bereich_kopieren(t, q, c, r)) << r;
  }
  EXPECT_EQ(t.Zelle(5, 303), "");
  EXPECT_FALSE(Bereich_kopieren(t, q, 5, 303));
  EXPECT_EQ(t.Zelle(5, 305), "z");
  EXPECT_FALSE(Bereich_kopieren(t, q, 6, 301));
  EXPECT_EQ(t.Zelle(6, 301), "x");
}

TEST(Kopierziel_lesen, SpalteSemikolonZeile) {
  struct Fall {
    std::string text;
    bool ok;
    int c, r;
  };
  const std::vector<Fall> faelle = {
      {"2;5", true, 2, 5},
      {"43;1", true, 43, 1},
      {" 3 ; 7 ", true, 3, 7},
      {"-1;4", true, -1, 4},
      {"abc;5", false, 0, 0},
      {"5", false, 0, 0},
      {"2;", false, 0, 0},
      {";2", false, 0, 0},
      {"2,5;1", false, 0, 0},
      {"1;2;3", false, 0, 0},
      {"99999999999;1", false, 0, 0},
  };
  for (const auto& f : faelle) {
    int c = 0, r = 0;
    EXPECT_EQ(Kopierziel_lesen(f.text, c, r), f.ok) << f.text;
    if (f.ok) {
      EXPECT_EQ(c, f.c) << f.text;
      EXPECT_EQ(r, f.r) << f.text;
    }
  }
}

class Kopierdialog : public ::testing::Test {
 protected:
  void SetUp() override {
    Spalte_fuellen(t, 1, {"1", "2"});
    Spalte_fuellen(t, 2, {"3", "4"});
    Bereich_markieren(t, 1, 1, 2, 2);
  }
  Tabelle t;
  SkriptDialoge d;
};

TEST_F(Kopierdialog, OhneAuswahlNurHinweis) {
  Markierung_aufheben(t);
  Bereich_kopieren_fragen(t);
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Erst Bereich markieren !"});
  EXPECT_TRUE(d.eingabe_prompts.empty());
}

TEST_F(Kopierdialog, FrageMitVorgabeUndErfolg) {
  d.antworten_eingabe.push_back("3;1");
  Bereich_kopieren_fragen(t);
  ASSERT_EQ(d.eingabe_prompts.size(), 1u);
  EXPECT_EQ(d.eingabe_prompts[0], "Zelle links oben =");
  EXPECT_EQ(d.eingabe_vorgaben[0], "2;5");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(t.Zelle(3, 1), "1");
  EXPECT_EQ(t.Zelle(4, 2), "4");
}

TEST_F(Kopierdialog, AbbruchUndUnlesbaresZielStill) {
  for (std::optional<std::string> a :
       {std::optional<std::string>{}, std::optional<std::string>{"abc;5"},
        std::optional<std::string>{"5"}}) {
    d.antworten_eingabe.push_back(a);
    Bereich_kopieren_fragen(t);
  }
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(d.eingabe_prompts.size(), 3u);
  EXPECT_EQ(Bereich_als_Text(t, {3, 1, 43, 1500}).find_first_not_of(" \r\n"), std::string::npos);
}

TEST_F(Kopierdialog, TabellengrenzenUndUeberlappung) {
  const std::vector<std::pair<std::string, std::string>> faelle = {
      {"43;1", "Tabellengrenzen überschritten !"},
      {"42;1500", "Tabellengrenzen überschritten !"},
      {"0;5", "Tabellengrenzen überschritten !"},
      {"5;0", "Tabellengrenzen überschritten !"},
      {"2147483647;2147483647", "Tabellengrenzen überschritten !"},
      {"2;2", "Bereich kann nicht in sich selbst kopiert werden"},
      {"1;1", "Bereich kann nicht in sich selbst kopiert werden"},
  };
  for (const auto& [antwort, meldung] : faelle) {
    d.antworten_eingabe.push_back(antwort);
    Bereich_kopieren_fragen(t);
    EXPECT_EQ(d.letzte_meldung(), meldung) << antwort;
  }
  EXPECT_EQ(d.meldungen.size(), faelle.size());
  EXPECT_EQ(t.Zelle(43, 1), "");
  EXPECT_EQ(t.Zelle(3, 3), "");
  // the largest target that still fits
  d.antworten_eingabe.push_back("42;1499");
  Bereich_markieren(t, 1, 1, 2, 1);
  Bereich_kopieren_fragen(t);
  EXPECT_EQ(t.Zelle(43, 1499), "3");
}

// ---- text export ------------------------------------------------------------------------------

TEST(Bereich_als_Text, ZwanzigZeichenJeZelleCRLFJeZeile) {
  Tabelle t;
  t.Zelle_setzen(1, 1, "1");
  t.Zelle_setzen(2, 1, "abc");
  EXPECT_EQ(Bereich_als_Text(t, {1, 1, 2, 1}),
            "1" + std::string(19, ' ') + "abc" + std::string(17, ' ') + "\r\n");
  t.Zelle_setzen(1, 2, "12345678901234567890123");  // longer than 20: no padding, no cut
  t.Zelle_setzen(2, 2, "Ä");                        // one character, two bytes
  EXPECT_EQ(Bereich_als_Text(t, {1, 2, 2, 2}),
            "12345678901234567890123Ä" + std::string(19, ' ') + "\r\n");
  EXPECT_EQ(Bereich_als_Text(t, {3, 1, 3, 2}),
            std::string(20, ' ') + "\r\n" + std::string(20, ' ') + "\r\n");
}

TEST(Bereich_in_Zwischenablage, NurMitAuswahl) {
  Tabelle t;
  SkriptAblage ablage;
  t.Zelle_setzen(1, 1, "1");
  Bereich_in_Zwischenablage(t);
  EXPECT_EQ(ablage.text_setzungen, 0);
  Bereich_markieren(t, 1, 1, 1, 1);
  Bereich_in_Zwischenablage(t);
  EXPECT_EQ(ablage.text_setzungen, 1);
  EXPECT_EQ(ablage.text, "1" + std::string(19, ' ') + "\r\n");
}

// ---- fraction and decimal sweeps --------------------------------------------------------------

TEST(Tabelle_als_Bruch, ZahlenWerdenBruecheAndereBleiben) {
  const std::vector<std::pair<std::string, std::string>> faelle = {
      {"0,75", "3/4"}, {"0.5", "1/2"}, {"-0,5", "-1/2"}, {"0,1", "1/10"},
      {"2", "2"},      {"abc", "abc"}, {"1/0", "1/0"},   {"", ""},
  };
  Tabelle t;
  for (std::size_t i = 0; i < faelle.size(); ++i)
    t.Zelle_setzen(1 + static_cast<int>(i) % 43, 1 + static_cast<int>(i) * 200, faelle[i].first);
  t.Zelle_setzen(43, 1500, "0,25");
  t.Zelle_setzen(5, 0, "0,5");  // headers are not part of the sweep
  Tabelle_als_Bruch(t);
  for (std::size_t i = 0; i < faelle.size(); ++i)
    EXPECT_EQ(t.Zelle(1 + static_cast<int>(i) % 43, 1 + static_cast<int>(i) * 200),
              faelle[i].second)
        << faelle[i].first;
  EXPECT_EQ(t.Zelle(43, 1500), "1/4");
  EXPECT_EQ(t.Zelle(5, 0), "0,5");
}

TEST(Tabelle_als_Dezimal, BruecheWerdenDezimalzahlen) {
  const std::vector<std::pair<std::string, std::string>> faelle = {
      {"3/4", "0,75"}, {"1/8", "0,125"}, {"-1/2", "-0,5"}, {"2.5", "2,5"},
      {"7", "7"},      {"abc", "abc"},   {"1/0", "1/0"},
  };
  Tabelle t;
  for (std::size_t i = 0; i < faelle.size(); ++i)
    t.Zelle_setzen(2 + static_cast<int>(i), 7, faelle[i].first);
  t.Zelle_setzen(43, 1500, "1/4");
  Tabelle_als_Dezimal(t);
  for (std::size_t i = 0; i < faelle.size(); ++i)
    EXPECT_EQ(t.Zelle(2 + static_cast<int>(i), 7), faelle[i].second) << faelle[i].first;
  EXPECT_EQ(t.Zelle(43, 1500), "0,25");
  // and back again
  Tabelle_als_Bruch(t);
  EXPECT_EQ(t.Zelle(2, 7), "3/4");
}

// ---- change notices ---------------------------------------------------------------------------

TEST(Beobachter, SammeloperationMeldetEinmalDenGanzenBereich) {
  Tabelle t;
  std::vector<std::pair<TAenderung, TZellbereich>> notizen;
  const int id = t.Beobachter_anmelden(
      [&](TAenderung a, const TZellbereich& b) { notizen.emplace_back(a, b); });
  Punkte_ausgeben(t, 3, {{1, 2}, {3, 4}, {5, 6}}, 3);
  ASSERT_EQ(notizen.size(), 1u);
  EXPECT_EQ(notizen[0].first, TAenderung::Inhalt);
  EXPECT_EQ(notizen[0].second, (TZellbereich{3, 1, 4, 3}));

  notizen.clear();
  t.Zelle_setzen(7, 9, "x");
  t.Zelle_setzen(7, 9, "x");  // unchanged text: no notice
  Bereich_markieren(t, 1, 1, 2, 2);
  ASSERT_EQ(notizen.size(), 2u);
  EXPECT_EQ(notizen[0].second, (TZellbereich{7, 9, 7, 9}));
  EXPECT_EQ(notizen[1].first, TAenderung::Auswahl);

  t.Beobachter_abmelden(id);
  notizen.clear();
  Tabelle_leeren(t);
  EXPECT_TRUE(notizen.empty());
}
