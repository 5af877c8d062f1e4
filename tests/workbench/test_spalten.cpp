// The column buttons beside the table, on the column of the current cell.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/Gebietsschema.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Blatt.h"
#include "workbench/Spaltenaktion.h"
#include "workbench/Werkbank.h"

namespace {

class Spalten : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
  }
  static void Spalte_setzen(int spalte, const std::vector<std::string>& texte) {
    for (std::size_t i = 0; i < texte.size(); ++i)
      Zahlentabelle.Zelle_setzen(spalte, static_cast<int>(i) + 1, texte[i]);
  }
  static std::vector<std::string> Spalte(int spalte, int von, int bis) {
    std::vector<std::string> s;
    for (int r = von; r <= bis; ++r)
      s.push_back(Zahlentabelle.Zelle(spalte, r));
    return s;
  }
  // The answers of the input boxes, in the order they are asked.
  void Antworten(std::initializer_list<std::optional<std::string>> a) {
    d.antworten_eingabe.assign(a.begin(), a.end());
  }
  SkriptDialoge d;
};

using Texte = std::vector<std::string>;

}  // namespace

TEST_F(Spalten, Summe_unter_den_Zahlen_und_Blick_auf_die_letzte) {
  Spalte_setzen(3, {"1", "2", "3", "", "100"});  // the gap ends the column
  Zahlentabelle.Gehe_zu(3, 2);
  Spaltensumme_geklickt();
  EXPECT_EQ(Zahlentabelle.Zelle(3, 4), "S=6");
  EXPECT_EQ(Zahlentabelle.Oben(), 3);
}

TEST_F(Spalten, Summe_einer_vollen_Spalte_steht_im_Kopf) {
  for (int r = 1; r <= 1500; ++r)
    Zahlentabelle.Zelle_setzen(5, r, "1/2");
  Zahlentabelle.Gehe_zu(5, 1);
  Spaltensumme_geklickt();
  EXPECT_EQ(Zahlentabelle.Zelle(5, 0), "S=750");
}

TEST_F(Spalten, Ohne_Zahl_am_Anfang_geschieht_nichts) {
  Spalte_setzen(1, {"a", "1"});
  Zahlentabelle.Gehe_zu(1, 1);
  Spaltensumme_geklickt();
  Skalarprodukt_geklickt();
  Spalte_mit_r_geklickt(true);
  EXPECT_EQ(Spalte(1, 1, 3), (Texte{"a", "1", ""}));
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Spalten, Kumulierte_Summen) {
  Spalte_setzen(2, {"1", "2", "3"});
  Zahlentabelle.Gehe_zu(2, 3);
  Kumulierte_Summe_geklickt();
  EXPECT_EQ(Spalte(2, 1, 3), (Texte{"1", "3", "6"}));
}

TEST_F(Spalten, Skalar_und_Vektorprodukt) {
  Spalte_setzen(5, {"1", "2", "3"});
  Spalte_setzen(6, {"4", "5", "6"});
  Zahlentabelle.Gehe_zu(5, 1);
  Skalarprodukt_geklickt();
  EXPECT_EQ(Zahlentabelle.Zelle(5, 4), "Skalarpr=");
  EXPECT_EQ(Zahlentabelle.Zelle(6, 4), "32");
  Zahlentabelle.Zelle_setzen(6, 4, "");
  Vektorprodukt_geklickt();
  EXPECT_EQ(Spalte(5, 4, 4), Texte{"Vektorpr:"});
  EXPECT_EQ(Spalte(6, 4, 6), (Texte{"-3", "6", "-3"}));
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Spalten, Produkte_melden_unpassende_Spalten) {
  struct Fall {
    Texte u, v;
    void (*aktion)();
    std::string meldung;
  } faelle[] = {
      {{"1", "2", "3"},
       {"1", "2"},
       Skalarprodukt_geklickt,
       "Spalten haben unterschiedlich viele Elemene !"},
      {{"1", "2"},
       {"1", "2", "3"},
       Vektorprodukt_geklickt,
       "1. Vektor muss genau 3 Elemene besitzen !"},
      {{"1", "2", "3"},
       {"1", "2", "3", "4"},
       Vektorprodukt_geklickt,
       "2. Vektor muss genau 3 Elemene besitzen !"},
  };
  for (const Fall& f : faelle) {
    Tabelle_leeren(Zahlentabelle);
    Spalte_setzen(7, f.u);
    Spalte_setzen(8, f.v);
    Zahlentabelle.Gehe_zu(7, 1);
    d.meldungen.clear();
    f.aktion();
    EXPECT_EQ(d.meldungen, Texte{f.meldung});
    EXPECT_EQ(Spalte(7, 4, 6), (Texte{"", "", ""})) << f.meldung;
  }
}

TEST_F(Spalten, Skalarprodukt_voller_Spalten_hat_keinen_Platz) {
  for (int r = 1; r <= 1500; ++r) {
    Zahlentabelle.Zelle_setzen(7, r, "1");
    Zahlentabelle.Zelle_setzen(8, r, "2");
  }
  Zahlentabelle.Gehe_zu(7, 1);
  Skalarprodukt_geklickt();
  EXPECT_EQ(d.meldungen, Texte{"Unter den vollen Spalten ist keine Zeile für das Ergebnis frei !"});
  EXPECT_EQ(Zahlentabelle.Zelle(7, 1500) + Zahlentabelle.Zelle(8, 1500), "12");
}

TEST_F(Spalten, Spalte_plus_und_mal_r) {
  // r = 0,03 at start.
  struct Fall {
    bool mal;
    Texte vorher, nachher;
  } faelle[] = {
      {true, {"100", "1/2"}, {"3", "0,015"}},
      {false, {"100", "-1,5E1", "x"}, {"100,03", "-14,97", "x"}},
  };
  for (const Fall& f : faelle) {
    Tabelle_leeren(Zahlentabelle);
    Spalte_setzen(4, f.vorher);
    Zahlentabelle.Gehe_zu(4, 1);
    Spalte_mit_r_geklickt(f.mal);
    EXPECT_EQ(Spalte(4, 1, static_cast<int>(f.nachher.size())), f.nachher);
  }
}

TEST(Binomialwahrscheinlichkeit, Werte_wie_nach_der_Formel) {
  struct Fall {
    int n, k;
    long double p, erwartet;  // C(n, k) p^k (1-p)^(n-k)
  } faelle[] = {
      {2, 0, 0.5L, 0.25L},
      {2, 1, 0.5L, 0.5L},
      {2, 2, 0.5L, 0.25L},
      {10, 3, 0.25L, 120 * 0.015625L * 0.13348388671875L},
      {5, 4, 0.3L, 5 * 0.0081L * 0.7L},  // k above n/2
      {20, 8, 0.4L, 125970 * 0.00065536L * 0.002176782336L},
      {0, 0, 0.7L, 1},
      {7, 0, 0, 1},
      {7, 7, 1, 1},
      {7, 3, 0, 0},
  };
  for (const Fall& f : faelle)
    EXPECT_NEAR(Binomialwahrscheinlichkeit(f.n, f.k, f.p), f.erwartet, 1e-15L)
        << f.n << " " << f.k << " " << static_cast<double>(f.p);
}

TEST(Binomialwahrscheinlichkeit, Verteilung_summiert_zu_eins) {
  for (int n : {1, 50, 1499}) {
    long double s = 0, erwartungswert = 0;
    for (int k = 0; k <= n; ++k) {
      const long double b = Binomialwahrscheinlichkeit(n, k, 0.3L);
      s += b;
      erwartungswert += k * b;
    }
    EXPECT_NEAR(s, 1, 1e-12L) << n;
    EXPECT_NEAR(erwartungswert, 0.3L * n, 1e-9L) << n;
  }
}

TEST_F(Spalten, Binomialverteilung_in_die_Spalten_1_und_2) {
  Antworten({"2", "0,5"});
  Binomialverteilung_geklickt();
  EXPECT_EQ(d.eingabe_vorgaben, (Texte{"20", "0,4"}));
  EXPECT_EQ(Spalte(1, 1, 4), (Texte{"0", "1", "2", ""}));
  EXPECT_EQ(Spalte(2, 1, 4), (Texte{"0,25", "0,5", "0,25", ""}));
  Antworten({"20", "0,4"});
  Binomialverteilung_geklickt();
  EXPECT_EQ(Zahlentabelle.Zelle(1, 9), "8");
  EXPECT_EQ(Zahlentabelle.Zelle(2, 9).substr(0, 6), "0,1797");
}

// The proposed p = 0,4 on a German desktop, and p typed with a point: B(2; 0,4) is
// 0,36 / 0,48 / 0,16.
TEST_F(Spalten, Binomialverteilung_unter_deutschem_Gebietsschema) {
  QDX_DEUTSCH_ODER_UEBERSPRINGEN(de);
  for (const char* p : {"0,4", "0.4"}) {
    Antworten({"2", p});
    Binomialverteilung_geklickt();
    EXPECT_TRUE(d.meldungen.empty()) << p;
    EXPECT_EQ(Spalte(2, 1, 3), (Texte{"0,36", "0,48", "0,16"})) << p;
  }
}

TEST_F(Spalten, Binomialverteilung_lehnt_ab_ohne_zu_schreiben) {
  const std::string fehler = "Eingabefehler !";
  struct Fall {
    std::optional<std::string> n, p;
    std::string meldung;  // empty: silent end
  } faelle[] = {
      {"2,5", "0,5", fehler},
      {"zwei", "0,5", fehler},
      {"2", "p", fehler},
      {"2", "1,5", fehler},
      {"2", "-0,1", fehler},
      {"1500", "0,5", "Die Tabelle hat 1500 Zeilen: n darf höchstens 1499 sein !"},
      {"-1", "0,5", ""},
      {std::nullopt, "0,5", ""},
      {"2", std::nullopt, ""},
  };
  for (const Fall& f : faelle) {
    d.meldungen.clear();
    Antworten({f.n, f.p});
    Binomialverteilung_geklickt();
    EXPECT_EQ(d.meldungen, f.meldung.empty() ? Texte{} : Texte{f.meldung}) << f.n.value_or("-");
    EXPECT_EQ(Zahlentabelle.Zelle(1, 1) + Zahlentabelle.Zelle(2, 1), "");
  }
  Antworten({"1499", "0,5"});
  Binomialverteilung_geklickt();
  EXPECT_EQ(Zahlentabelle.Zelle(1, 1500), "1499");
}

TEST(Lehmerfolge, Rest_mit_dem_Vorzeichen_des_Dividenden) {
  struct Fall {
    int x0, a, c, m;
    std::vector<int> erwartet;
  } faelle[] = {
      {0, 4, 2, 243, {0, 2, 10, 42, 170, 196}},
      {-7, 1, 0, 3, {-7, -1, -1, -1, -1, -1}},
      {5, 3, 0, -4, {5, 3, 1, 3, 1, 3}},
      {1, 2, 0, 1, {1, 0, 0, 0, 0, 0}},
  };
  for (const Fall& f : faelle) {
    std::vector<int> x;
    ASSERT_TRUE(Lehmerfolge(f.x0, f.a, f.c, f.m, 5, x));
    EXPECT_EQ(x, f.erwartet) << f.x0 << " " << f.a << " " << f.c << " " << f.m;
  }
}

TEST(Lehmerfolge, Modul_null_und_Ueberlauf_werden_abgelehnt) {
  std::vector<int> x;
  EXPECT_FALSE(Lehmerfolge(0, 4, 2, 0, 5, x));
  EXPECT_FALSE(Lehmerfolge(70000, 70000, 0, 7, 5, x));            // 4,9E9 > 2^31 - 1
  EXPECT_FALSE(Lehmerfolge(2147483647, 1, 1, 2147483647, 5, x));  // x0 + 1
  EXPECT_TRUE(x.empty());
  EXPECT_TRUE(Lehmerfolge(-2147483647, 1, -1, 2, 5, x));  // -2^31 still fits
}

TEST_F(Spalten, Lehmerzahlen_als_Paare) {
  Antworten({"0", "4", "2", "243"});
  Lehmerzahlen_geklickt();
  EXPECT_EQ(d.eingabe_vorgaben, (Texte{"0", "4", "2", "243"}));
  EXPECT_EQ(Spalte(1, 1, 5), (Texte{"0", "2", "10", "42", "170"}));
  EXPECT_EQ(Spalte(2, 1, 5), (Texte{"2", "10", "42", "170", "196"}));
  // Each row's y is the next row's x, down to the last row.
  EXPECT_EQ(Zahlentabelle.Zelle(2, 1499), Zahlentabelle.Zelle(1, 1500));
  EXPECT_NE(Zahlentabelle.Zelle(2, 1500), "");
}

TEST_F(Spalten, Lehmerzahlen_lehnen_ab_ohne_zu_schreiben) {
  struct Fall {
    std::vector<std::optional<std::string>> antworten;
    Texte meldungen;
  } faelle[] = {
      {{"0", "4", "2", "0"}, {"Eingabefehler !"}},
      {{"70000", "70000", "0", "7"}, {"Eingabefehler !"}},
      {{"0", "4,5"}, {"Eingabefehler !"}},
      {{"0", "4", std::nullopt}, {}},
  };
  for (const Fall& f : faelle) {
    d.meldungen.clear();
    d.antworten_eingabe.assign(f.antworten.begin(), f.antworten.end());
    Lehmerzahlen_geklickt();
    EXPECT_EQ(d.meldungen, f.meldungen);
    EXPECT_EQ(Zahlentabelle.Zelle(1, 1) + Zahlentabelle.Zelle(2, 1), "");
  }
}
