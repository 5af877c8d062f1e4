// The matrix button on the table, run without a window: a recording display stands in for it.

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "engine/UFunktionsParser.h"
#include "platform/URechenlauf.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Blatt.h"
#include "workbench/Matrixaktion.h"
#include "workbench/Startwerte.h"
#include "workbench/Werkbank.h"

namespace {

using Zeilen = std::vector<std::vector<std::string>>;

class Matrixaktion : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
  }

  // Writes a block of cell texts with its top-left at (spalte, zeile).
  static void Block(int spalte, int zeile, const Zeilen& z) {
    for (std::size_t i = 0; i < z.size(); ++i)
      for (std::size_t k = 0; k < z[i].size(); ++k)
        Zahlentabelle.Zelle_setzen(spalte + static_cast<int>(k), zeile + static_cast<int>(i),
                                   z[i][k]);
  }
  static Zeilen Lesen(int spalte, int zeile, int zeilen, int spalten) {
    Zeilen z(zeilen, std::vector<std::string>(spalten));
    for (int i = 0; i < zeilen; ++i)
      for (int k = 0; k < spalten; ++k)
        z[i][k] = Zahlentabelle.Zelle(spalte + k, zeile + i);
    return z;
  }
  bool Ausfuehren(int op, bool schrittweise = false) {
    Werkbank.Matrixoperation = op;
    return Matrixoperation_ausfuehren(a, schrittweise);
  }
  void n_setzen(int n) {
    Werkbank.Mat_n = n;
    Werkbank.Feldtexte["Edit_Mat_n"] = std::to_string(n);
  }

  Aufzeichnung a;
  SkriptDialoge d;
};

// A table without a readable matrix names the fault and sends the user back to n.
TEST_F(Matrixaktion, Lesefehler_melden_und_Fokus_auf_n) {
  struct Fall {
    Zeilen block;
    const char* meldung;
  };
  Zeilen lang(45, {"1"});
  const Fall faelle[] = {
      {{}, "Keine Daten !"},
      {{{"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {"1", "2", "3", ""}},
       "Spalten 5 und 6 unterschiedlich lang bzw. falsche Daten!"},
      {{{"1", "2"}, {"", "3"}}, "Spalten 3 und 4 unterschiedlich lang bzw. falsche Daten!"},
      {lang, "45 Zeilen,1 Spalte(n), aber höchstens 44 Zeilen erlaubt !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    Tabelle_leeren(Zahlentabelle);
    Block(3, 1, f.block);
    a.fokus.clear();
    EXPECT_FALSE(Ausfuehren(Op_det));
    EXPECT_EQ(d.letzte_meldung(), f.meldung);
    EXPECT_EQ(a.fokus, "Edit_Mat_n");
  }
}

// The engine's fault flag of some earlier term belongs to that term, not to the table.
TEST_F(Matrixaktion, Alter_Termfehler_haelt_die_Operation_nicht_auf) {
  Block(3, 1, {{"0", "2"}, {"3", "4"}});
  Term_auswerten("ln(0-1)", 0, 0);
  ASSERT_TRUE(Fehler);
  EXPECT_TRUE(Ausfuehren(Op_det));
  EXPECT_EQ(Zahlentabelle.Zelle(4, 4), "-6");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_TRUE(a.fokus.empty());
}

TEST_F(Matrixaktion, Stufenform_loest_das_System_und_benennt_die_Unbekannten) {
  Block(3, 1, {{"2", "1", "5"}, {"1", "-1", "1"}});
  EXPECT_TRUE(Ausfuehren(Op_rref));
  EXPECT_EQ(Zahlentabelle.Zelle(3, 3), "rref(A)");
  EXPECT_EQ(Lesen(3, 4, 2, 3), (Zeilen{{"1", "0", "2"}, {"0", "1", "1"}}));
  EXPECT_EQ(Zahlentabelle.Zelle(3, 0), "     \u2022x1");
  EXPECT_EQ(Zahlentabelle.Zelle(4, 0), "     \u2022x2");
  EXPECT_EQ(Zahlentabelle.Zelle(5, 0), "     \u00B71");
}

// Results that are one number: determinant and rank.
TEST_F(Matrixaktion, Determinante_und_Rang) {
  struct Fall {
    int op;
    Zeilen A;
    const char* vorne;
    const char* zahl;
  };
  const Fall faelle[] = {
      {Op_det, {{"0", "2"}, {"3", "4"}}, "det(A) = ", "-6"},
      {Op_det, {{"0", "0", "1"}, {"0", "1", "0"}, {"1", "0", "0"}}, "det(A) = ", "-1"},
      {Op_det, {{"0", "0", "0"}, {"1", "2", "3"}, {"4", "5", "7"}}, "det(A) = ", "0"},
      {Op_det, {{"1/2", "1/3"}, {"1/4", "1/5"}}, "det(A) = ", "0,0166666666666667"},
      {Op_Rang, {{"1", "2"}, {"2", "4"}}, "rang(A) = ", "1"},
      {Op_Rang, {{"0", "0"}, {"0", "0"}}, "rang(A) = ", "0"},
      {Op_Rang, {{"1", "2", "3"}, {"4", "5", "6"}}, "rang(A) = ", "2"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.vorne) + f.zahl);
    Tabelle_leeren(Zahlentabelle);
    Block(3, 1, f.A);
    const int r = static_cast<int>(f.A.size());
    EXPECT_TRUE(Ausfuehren(f.op));
    EXPECT_EQ(Zahlentabelle.Zelle(3, r + 2), f.vorne);
    EXPECT_EQ(Zahlentabelle.Zelle(4, r + 2), f.zahl);
  }
}

// Matrix results from row rA + 2 with their labels.
TEST_F(Matrixaktion, Matrixergebnisse_unter_A) {
  struct Fall {
    int op;
    int n;
    Zeilen A;
    const char* beschriftung;
    Zeilen C;
  };
  const Fall faelle[] = {
      {Op_Potenz, 3, {{"1", "1"}, {"0", "1"}}, "C=A^3", {{"1", "3"}, {"0", "1"}}},
      {Op_Inverse, 2, {{"2", "1"}, {"1", "1"}}, "C=A^(-1)", {{"1", "-1"}, {"-1", "2"}}},
      {Op_Transponierte,
       2,
       {{"1", "2", "3"}, {"4", "5", "6"}},
       "C=A^T",
       {{"1", "4"}, {"2", "5"}, {"3", "6"}}},
      {Op_r_mal_A, 2, {{"100", "-200"}}, "C=r*A", {{"3", "-6"}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.beschriftung);
    Tabelle_leeren(Zahlentabelle);
    Block(3, 1, f.A);
    n_setzen(f.n);
    const int r = static_cast<int>(f.A.size());
    EXPECT_TRUE(Ausfuehren(f.op));
    EXPECT_EQ(Zahlentabelle.Zelle(3, r + 1), f.beschriftung);
    EXPECT_EQ(Lesen(3, r + 2, static_cast<int>(f.C.size()), static_cast<int>(f.C[0].size())), f.C);
  }
}

TEST_F(Matrixaktion, Produkte_mit_B_schreiben_B_wieder_hin) {
  struct Fall {
    int op;
    const char* beschriftung;
    Zeilen C;
  };
  // A = [[1, 2], [3, 4]] in columns 3-4, B = [[0, 1], [1, 0]] in columns 6-7.
  const Fall faelle[] = {
      {Op_A_mal_B, "C=A*B", {{"2", "1"}, {"4", "3"}}},
      {Op_B_mal_A, "C=B*A", {{"3", "4"}, {"1", "2"}}},
      {Op_An_mal_B, "C=A^2*B", {{"10", "7"}, {"22", "15"}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.beschriftung);
    Tabelle_leeren(Zahlentabelle);
    Block(3, 1, {{"1", "2", "", "0", "1"}, {"3", "4", "", "1", "0"}});
    Zahlentabelle.Zelle_setzen(6, 4, "99");  // below B after a gap: not part of B, cleared
    n_setzen(2);
    EXPECT_TRUE(Ausfuehren(f.op));
    EXPECT_EQ(Zahlentabelle.Zelle(3, 3), f.beschriftung);
    EXPECT_EQ(Lesen(3, 4, 2, 2), f.C);
    EXPECT_EQ(Lesen(6, 1, 3, 2), (Zeilen{{"0", "1"}, {"1", "0"}, {"", ""}}));
    EXPECT_EQ(Zahlentabelle.Zelle(6, 0), "Matrix B");
  }
}

// Refusals leave the table as it was.
TEST_F(Matrixaktion, Unpassende_Groessen_und_Grenzen_werden_abgelehnt) {
  struct Fall {
    int op;
    int zeilen, spalten;  // A filled with 1
    bool mit_B;           // B 3 x 1 after A
    const char* meldung;
  };
  const Fall faelle[] = {
      {Op_A_mal_B, 2, 2, true, "Spaltenzahl A <> Zeilenzahl B"},
      {Op_An_mal_B, 2, 2, true, "Spaltenzahl A <> Zeilenzahl B"},
      {Op_B_mal_A, 2, 3, true, "Spaltenzahl B <> Zeilenzahl A"},
      {Op_det, 2, 3, false, "Matrix nicht quadratisch !"},
      {Op_Inverse, 2, 2, false, "Matrix singulär. Inverse existiert nicht !"},
      {Op_Inverse, 21, 21, false,
       "Die Inverse ist höchstens für 20×20-Matrizen möglich: A hat 21 Zeilen !"},
      {Op_Transponierte, 42, 1, false,
       "Die Transponierte hätte 42 Spalten, höchstens 41 sind "
       "möglich !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    Tabelle_leeren(Zahlentabelle);
    for (int i = 1; i <= f.zeilen; ++i)
      for (int k = 1; k <= f.spalten; ++k)
        Zahlentabelle.Zelle_setzen(2 + k, i, "1");
    if (f.mit_B)
      for (int i = 1; i <= 3; ++i)
        Zahlentabelle.Zelle_setzen(f.spalten + 4, i, "1");
    Zahlentabelle.Zelle_setzen(1, 50, "bleibt");
    EXPECT_FALSE(Ausfuehren(f.op));
    EXPECT_EQ(d.letzte_meldung(), f.meldung);
    EXPECT_EQ(Zahlentabelle.Zelle(1, 50), "bleibt");
    EXPECT_EQ(Zahlentabelle.Zelle(3, f.zeilen + 1), "");
  }
}

TEST_F(Matrixaktion, Einheits_und_Nullmatrix_am_Cursor_ganz_oder_gar_nicht) {
  struct Fall {
    int op, n, spalte, zeile;
    const char* meldung;  // empty: written
  };
  const Fall faelle[] = {
      {Op_Einheitsmatrix, 3, 10, 5, ""},
      {Op_Nullmatrix, 3, 10, 5, ""},
      {Op_Einheitsmatrix, 42, 1, 1, "n = 42 ist zu groß: höchstens 41 erlaubt !"},
      {Op_Nullmatrix, 4, 41, 1, "Die 4×4-Matrix passt ab der Cursorzelle nicht in die Tabelle !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.op) + " n=" + std::to_string(f.n));
    Tabelle_leeren(Zahlentabelle);
    d.meldungen.clear();
    Zahlentabelle.Gehe_zu(f.spalte, f.zeile);
    n_setzen(f.n);
    const bool geschrieben = *f.meldung == 0;
    EXPECT_EQ(Ausfuehren(f.op), geschrieben);
    EXPECT_EQ(d.letzte_meldung(), f.meldung);
    for (int i = 0; i < 3; ++i)
      for (int k = 0; k < 3; ++k) {
        const std::string soll =
            !geschrieben ? "" : (f.op == Op_Einheitsmatrix && i == k ? "1" : "0");
        EXPECT_EQ(Zahlentabelle.Zelle(f.spalte + k, f.zeile + i), soll);
      }
    EXPECT_EQ(Zahlentabelle.Zelle(f.spalte + 3, f.zeile), "");
  }
}

// ---- text and character codes -------------------------------------------------------------

TEST_F(Matrixaktion, Text_und_Codes_in_Windows_1252) {
  struct Fall {
    const char* text;
    std::vector<int> codes;
  };
  const Fall faelle[] = {
      {"Hallo", {72, 97, 108, 108, 111}},
      {"Grüße €", {71, 114, 252, 223, 101, 32, 128}},
      {"„x“ – ½·²", {132, 120, 147, 32, 150, 32, 189, 183, 178}},
      {"π≈3", {63, 63, 51}},  // not in the code page
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    EXPECT_EQ(Text_zu_Codes(f.text), f.codes);
  }
}

TEST_F(Matrixaktion, Codes_ohne_Zeichen_werden_Ersatzzeichen) {
  const std::string ersatz = "\uFFFD";
  struct Fall {
    int code;
    std::string zeichen;
  };
  const Fall faelle[] = {{65, "A"},     {228, "ä"},  {128, "€"},   {159, "Ÿ"},    {129, ersatz},
                         {157, ersatz}, {0, ersatz}, {10, ersatz}, {127, ersatz}, {255, "ÿ"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.code);
    EXPECT_EQ(Code_zu_Zeichen(f.code), f.zeichen);
  }
}

TEST_F(Matrixaktion, Text_zu_Codes_und_zurueck) {
  Werkbank.Feldtexte["Edit_Text_in_Grafik"] = "Hallo";
  n_setzen(2);
  Zahlentabelle.Zelle_setzen(20, 30, "weg");  // the table is emptied first
  EXPECT_TRUE(Ausfuehren(Op_Text_zu_Codes));
  EXPECT_EQ(Zahlentabelle.Zelle(2, 1), "ASCII-Code");
  EXPECT_EQ(Lesen(3, 1, 4, 2), (Zeilen{{"72", "97"}, {"108", "108"}, {"111", "32"}, {"", ""}}));
  EXPECT_EQ(Zahlentabelle.Zelle(20, 30), "");

  EXPECT_TRUE(Ausfuehren(Op_Codes_zu_Text));
  EXPECT_EQ(Werkbank.Feldtext("Edit_Text_in_Grafik"), "Hallo ");
  EXPECT_EQ(a.texte["Edit_Text_in_Grafik"], "Hallo ");
  EXPECT_EQ(Werkbank.Grafiktext, "Hallo ");
}

// Entries are truncated towards zero and taken modulo 256, negative ones too.
TEST_F(Matrixaktion, Codes_zu_Text_abgeschnitten_modulo_256) {
  Block(3, 1, {{"65,9", "322", "-191", "-0,5"}});
  EXPECT_TRUE(Ausfuehren(Op_Codes_zu_Text));
  EXPECT_EQ(Werkbank.Feldtext("Edit_Text_in_Grafik"), "ABA\uFFFD");
}

TEST_F(Matrixaktion, Text_zu_Codes_lehnt_ab_ohne_die_Tabelle_zu_leeren) {
  struct Fall {
    std::string text;
    int n;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"", 2, "Kein Text in Zelle (1,1) !"},
      {" ", 2, "Kein Text in Zelle (1,1) !"},
      {std::string(89, 'a'), 2,
       "Der Text hat 89 Zeichen, bei n = 2 passen höchstens 88 in die "
       "Matrix !"},
      {"abc", 42, "n = 42 ist zu groß: höchstens 41 Spalten passen in die Matrix !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    Zahlentabelle.Zelle_setzen(3, 1, "7");
    Werkbank.Feldtexte["Edit_Text_in_Grafik"] = f.text;
    n_setzen(f.n);
    EXPECT_FALSE(Ausfuehren(Op_Text_zu_Codes));
    EXPECT_EQ(d.letzte_meldung(), f.meldung);
    EXPECT_EQ(Zahlentabelle.Zelle(3, 1), "7");
  }
  // 88 characters fill the 44 rows exactly.
  Werkbank.Feldtexte["Edit_Text_in_Grafik"] = std::string(88, 'a');
  n_setzen(2);
  EXPECT_TRUE(Ausfuehren(Op_Text_zu_Codes));
  EXPECT_EQ(Zahlentabelle.Zelle(4, 44), "97");
}

// ---- step by step and long powers -----------------------------------------------------------

// Each pivot shows the found pivot, the exchange, the division and the elimination.
TEST_F(Matrixaktion, Schrittweise_wartet_je_Zwischenstand_auf_eine_Taste) {
  Block(3, 1, {{"2", "1", "5"}, {"1", "-1", "1"}});
  EXPECT_TRUE(Ausfuehren(Op_rref, true));
  EXPECT_EQ(d.tasten, 8);
  EXPECT_EQ(Lesen(3, 4, 2, 3), (Zeilen{{"1", "0", "2"}, {"0", "1", "1"}}));
  // The last state, one row lower, keeps its last row below the result.
  EXPECT_EQ(Lesen(3, 6, 1, 3), (Zeilen{{"0", "1", "1"}}));
}

TEST_F(Matrixaktion, Escape_beendet_die_schrittweise_Rechnung) {
  for (int op : {Op_rref, Op_Inverse}) {
    SCOPED_TRACE(op);
    Tabelle_leeren(Zahlentabelle);
    d.tasten = 0;
    d.abbruch_abfragen = 0;
    d.abbruch_vorgemerkt = false;
    d.abbruch_ab_abfrage = 1;
    Block(3, 1, {{"2", "1"}, {"1", "-1"}});
    EXPECT_FALSE(Ausfuehren(op, true));
    EXPECT_EQ(d.tasten, 1);
    EXPECT_EQ(d.letzte_meldung(), "Schrittweise Rechnung abgebrochen.");
  }
}

// A power that stops changing is final; a huge exponent costs nothing then.
TEST_F(Matrixaktion, Potenz_mit_riesigem_n_bleibt_stehen) {
  struct Fall {
    Zeilen A;
    Zeilen C;
  };
  const Fall faelle[] = {
      {{{"1", "0"}, {"0", "1"}}, {{"1", "0"}, {"0", "1"}}},
      {{{"0", "1"}, {"0", "0"}}, {{"0", "0"}, {"0", "0"}}},
      {{{"1", "1"}, {"0", "0"}}, {{"1", "1"}, {"0", "0"}}},
      {{{"0,5", "0"}, {"0", "0,5"}}, {{"0", "0"}, {"0", "0"}}},  // underflows to zero
  };
  n_setzen(2000000000);
  for (const Fall& f : faelle) {
    Tabelle_leeren(Zahlentabelle);
    Block(3, 1, f.A);
    EXPECT_TRUE(Ausfuehren(Op_Potenz));
    EXPECT_EQ(Lesen(3, 4, 2, 2), f.C);
  }
}

TEST_F(Matrixaktion, Potenz_ueberlaeuft_mit_Meldung) {
  Block(3, 1, {{"1E1000", "0"}, {"0", "1"}});
  n_setzen(10);
  EXPECT_FALSE(Ausfuehren(Op_Potenz));
  EXPECT_EQ(d.letzte_meldung(), "Das Ergebnis liegt außerhalb des Zahlenbereichs !");
  EXPECT_EQ(Zahlentabelle.Zelle(3, 3), "");
}

using namespace std::chrono_literals;
TRechenlauf::TZeitpunkt uhrzeit;
TRechenlauf::TZeitpunkt Schnelle_Uhr() {
  return uhrzeit += 1s;  // every look at the clock finds the progress window due
}

TEST_F(Matrixaktion, Lange_Potenz_zeigt_Fortschritt_und_endet_mit_Escape) {
  TRechenlauf::Uhr_setzen(Schnelle_Uhr);
  Block(3, 1, {{"0", "-1"}, {"1", "0"}});  // a quarter turn: never settles
  n_setzen(2000000000);
  d.abbruch_ab_abfrage = 3;
  EXPECT_FALSE(Ausfuehren(Op_Potenz));
  TRechenlauf::Uhr_setzen(nullptr);
  EXPECT_FALSE(d.fortschritte.empty());
  EXPECT_EQ(d.letzte_meldung(), "Berechnung von A^2000000000 abgebrochen.");
  EXPECT_EQ(Zahlentabelle.Zelle(3, 3), "");
}

}  // namespace
