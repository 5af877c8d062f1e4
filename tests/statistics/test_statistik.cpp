// Descriptive statistics: reading columns 1 and 2, sorting, merging, the figures and the diagram
// geometry, checked against data sets worked out by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "statistics/UStatistik.h"
#include "table/UStringGrid.h"

namespace {

using Liste = std::vector<long double>;

// Raw observations, each once, sorted and merged as the diagram button does.
TStichprobe Beobachtet(const Liste& werte) {
  TStichprobe s;
  s.Werte = werte;
  s.Haeufigkeiten.assign(werte.size(), 1);
  Stichprobe_sortieren(s);
  Gleiche_Werte_zusammenfassen(s);
  return s;
}

TKennzahlen Figuren(const TStichprobe& s) {
  TKennzahlen k;
  EXPECT_TRUE(Kennzahlen_berechnen(s, k));
  return k;
}

// Columns 1 and 2 of a fresh table, row by row.
struct Tabellendaten {
  std::vector<std::string> spalte1, spalte2;
};

void Eintragen(Tabelle& t, const Tabellendaten& d) {
  for (size_t i = 0; i < d.spalte1.size(); ++i)
    t.Zelle_setzen(1, static_cast<int>(i) + 1, d.spalte1[i]);
  for (size_t i = 0; i < d.spalte2.size(); ++i)
    t.Zelle_setzen(2, static_cast<int>(i) + 1, d.spalte2[i]);
}

}  // namespace

// Halving rule: for an odd count the median observation belongs to neither half.
TEST(Quartile, NachDemHalbierungsverfahren) {
  struct Fall {
    Liste werte;
    long double Q1, Med, Q3;
  };
  const Fall faelle[] = {
      {{1, 2, 3, 4, 5}, 1.5L, 3, 4.5L},
      {{1, 2, 3, 4}, 1.5L, 2.5L, 3.5L},
      {{1, 2, 3, 4, 5, 6, 7, 100}, 2.5L, 4.5L, 6.5L},
      // sorted 2 3 4 4 5 | 5 | 6 6 7 10 12: lower half 2 3 4 4 5, upper half 6 6 7 10 12
      {{6, 12, 7, 4, 5, 10, 6, 2, 4, 5, 3}, 4, 5, 7},
      {{3, 1}, 1, 2, 3},
      {{2, 2, 2, 2}, 2, 2, 2},
      {{7}, 7, 7, 7},  // one observation is its own lower and upper quartile
      {{-3, 10, -1}, -3, -1, 10},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(::testing::PrintToString(f.werte));
    const TKennzahlen k = Figuren(Beobachtet(f.werte));
    EXPECT_EQ(k.Q1, f.Q1);
    EXPECT_EQ(k.Med, f.Med);
    EXPECT_EQ(k.Q3, f.Q3);
  }
}

// A value that occurs 0 times is not an observation: 1 and 3 have the median 2, not (1 + 2) / 2.
TEST(Quartile, WerteOhneBeobachtungZaehlenNicht) {
  TStichprobe s;
  s.Werte = {1, 2, 3};
  s.Haeufigkeiten = {1, 0, 1};
  const TKennzahlen k = Figuren(s);
  EXPECT_EQ(k.Med, 2);
  EXPECT_EQ(k.Q1, 1);
  EXPECT_EQ(k.Q3, 3);
}

// Frequencies count like repeated observations: 1 x3, 2 x1, 5 x4 is 1 1 1 2 | 5 5 5 5.
TEST(Quartile, HaeufigkeitenWieWiederholteWerte) {
  TStichprobe s;
  s.Werte = {1, 2, 5};
  s.Haeufigkeiten = {3, 1, 4};
  const TKennzahlen k = Figuren(s);
  EXPECT_EQ(k.Med, 3.5L);
  EXPECT_EQ(k.Q1, 1);
  EXPECT_EQ(k.Q3, 5);
  EXPECT_EQ(k.n, 8);
}

// 6, 12, 7, 4, 5, 10, 6, 2, 4, 5, 3 (n = 11): sum 64, mean 64/11; sum of squares 460, so the
// squared deviations add up to 460 - 64²/11 = 964/11. sn = sqrt(964/11 / 11) = sqrt(964)/11,
// sn1 = sqrt(964/11 / 10). IQR = 7 - 4 = 3, fences 4 - 4,5 = -0,5 and 7 + 4,5 = 11,5.
TEST(Kennzahlen, MittelwertStreuungUndZaeune) {
  const TKennzahlen k = Figuren(Beobachtet({6, 12, 7, 4, 5, 10, 6, 2, 4, 5, 3}));
  EXPECT_EQ(k.n, 11);
  EXPECT_NEAR(k.xquer, 64.0L / 11, 1E-15L);
  EXPECT_NEAR(k.sn, std::sqrt(964.0L) / 11, 1E-15L);
  EXPECT_NEAR(k.sn1, std::sqrt(964.0L / 110), 1E-15L);
  EXPECT_EQ(k.minX, 2);
  EXPECT_EQ(k.maxX, 12);
  EXPECT_EQ(k.IQR, 3);
  EXPECT_EQ(k.zu, -0.5L);
  EXPECT_EQ(k.zo, 11.5L);
}

// The sample deviation divides by T - 1 only for a whole total above 1.
TEST(Kennzahlen, StichprobenstreuungNurBeiGanzerSumme) {
  struct Fall {
    Liste werte, h;
    long double sn, sn1;
  };
  const Fall faelle[] = {
      {{2, 4}, {1, 1}, 1, std::sqrt(2.0L)},     // mean 3, squares 1 + 1
      {{5}, {1}, 0, 0},                         // one observation: no spread
      {{2, 4}, {0.25L, 0.25L}, 1, 1},           // total 0,5: both divide by 0,5
      {{0, 10}, {3, 1}, std::sqrt(18.75L), 5},  // mean 2,5; squares 3·6,25 + 56,25 = 75
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(::testing::PrintToString(f.werte));
    bool ok = false;
    const int n = static_cast<int>(f.werte.size());
    EXPECT_NEAR(Standardabweichung_berechnen(f.werte, f.h, n, 1, ok), f.sn, 1E-15L);
    EXPECT_NEAR(Standardabweichung_berechnen(f.werte, f.h, n, 2, ok), f.sn1, 1E-15L);
    EXPECT_TRUE(ok);
  }
}

TEST(Kennzahlen, SummeNullHatKeinenMittelwert) {
  bool ok = true;
  Mittelwert_berechnen({1, 2}, {0, 0}, 2, ok);
  EXPECT_FALSE(ok);
  TStichprobe s;
  s.Werte = {1, 2};
  s.Haeufigkeiten = {0, 0};
  TKennzahlen k;
  EXPECT_FALSE(Kennzahlen_berechnen(s, k));
}

TEST(Sortieren, PaareBleibenZusammenGleicheBehaltenIhreFolge) {
  struct Fall {
    bool absteigend;
    Liste werte, h;
  };
  const Fall faelle[] = {
      {false, {1, 1, 2, 3}, {10, 11, 20, 30}},
      {true, {3, 2, 1, 1}, {30, 20, 10, 11}},
  };
  for (const Fall& f : faelle) {
    Liste w = {3, 1, 2, 1}, h = {30, 10, 20, 11};
    Paare_sortieren(w, h, 4, f.absteigend);
    EXPECT_EQ(w, f.werte);
    EXPECT_EQ(h, f.h);
  }
}

TEST(Haeufigkeitstabelle, GleicheWerteWerdenZusammengefasst) {
  struct Fall {
    Liste werte, h, werte_neu, h_neu;
  };
  const Fall faelle[] = {
      {{1, 2, 2, 3}, {1, 1, 1, 1}, {1, 2, 3}, {1, 2, 1}},
      {{1, 2, 2}, {1, 1, 1}, {1, 2}, {1, 2}},  // a run at the end
      {{4, 4}, {2, 3}, {4}, {5}},
      {{5, 5, 5}, {1, 1, 1}, {5}, {3}},
      {{1, 2, 3}, {1, 1, 1}, {1, 2, 3}, {1, 1, 1}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(::testing::PrintToString(f.werte));
    TStichprobe s;
    s.Werte = f.werte;
    s.Haeufigkeiten = f.h;
    Gleiche_Werte_zusammenfassen(s);
    EXPECT_EQ(s.Werte, f.werte_neu);
    EXPECT_EQ(s.Haeufigkeiten, f.h_neu);
  }
}

TEST(Haeufigkeitstabelle, SpaltenSortiertAbsolutRelativ) {
  Tabelle t;
  Haeufigkeitstabelle_schreiben(t, Beobachtet({2, 1, 2, 3}));
  const char* erwartet[4][3] = {{" sortiert", "  abs.H.", "  rel.H."},
                                {"1", "1", "25%"},
                                {"2", "2", "50%"},
                                {"3", "1", "25%"}};
  for (int z = 0; z < 4; ++z)
    for (int s = 0; s < 3; ++s)
      EXPECT_EQ(t.Zelle(5 + s, z), erwartet[z][s]) << "Spalte " << 5 + s << " Zeile " << z;
  Tabelle drittel;
  Haeufigkeitstabelle_schreiben(drittel, Beobachtet({1, 2, 3}));
  EXPECT_EQ(drittel.Zelle(7, 1), "33,33%");
}

TEST(Kennzahlenblock, BeschriftungenUndWerte) {
  Tabelle t;
  Kennzahlen_ausgeben(t, Figuren(Beobachtet({1, 2, 3, 4})), false);
  // mean 2,5; squares 2,25 + 0,25 + 0,25 + 2,25 = 5: sn = sqrt(1,25), sn1 = sqrt(5/3)
  const std::vector<std::pair<std::string, std::string>> erwartet = {
      {"Statistik-", "Kennzahlen"},
      {"n =", "4"},
      {"x quer =", "2,5"},
      {"s.n =", Zahl_als_Zelltext(std::sqrt(1.25L))},
      {"s.n-1 =", Zahl_als_Zelltext(std::sqrt(5.0L / 3))},
      {"minX =", "1"},
      {"Q1 =", "1,5"},
      {"Med =", "2,5"},
      {"Q3 =", "3,5"},
      {"maxX =", "4"},
      {"IQR =", "2"},
      {"[zu;zo] =", "[-1,5;6,5]"},
  };
  for (int z = 0; z < static_cast<int>(erwartet.size()); ++z) {
    EXPECT_EQ(t.Zelle(3, z), erwartet[z].first) << z;
    EXPECT_EQ(t.Zelle(4, z), erwartet[z].second) << z;
  }
}

// The notice replaces the figures; nothing of an earlier block stays beside it.
TEST(Kennzahlenblock, DatenfehlerErsetztDieZahlen) {
  Tabelle t;
  Kennzahlen_ausgeben(t, Figuren(Beobachtet({1, 2, 3, 4})), false);
  Kennzahlen_ausgeben(t, TKennzahlen{}, true);
  const char* spalte3[] = {"Statistik-", "", "Es liegt", "ein", "Daten-", "fehler",
                           "vor !",      "", "",         "",    "",       ""};
  for (int z = 0; z <= 11; ++z) {
    EXPECT_EQ(t.Zelle(3, z), spalte3[z]) << z;
    EXPECT_EQ(t.Zelle(4, z), z == 0 ? "Kennzahlen" : "") << z;
  }
}

TEST(Einlesen, ZahlenTexteUndKlassen) {
  struct Fall {
    const char* name;
    Tabellendaten d;
    bool histogramm;
    std::string meldung;
  };
  const Fall faelle[] = {
      {"gleich lang", {{"1", "2", "3"}, {"4", "5", "6"}}, false, ""},
      {"ohne Spalte 2", {{"1", "2"}, {}}, false, ""},
      {"Kategorien", {{"rot", "grün"}, {"3", "5"}}, false, ""},
      {"Klassen", {{"0;2,5", "2,5;10"}, {"4", "6"}}, true, ""},
      {"ungleich", {{"1", "2", "3"}, {"4", "5"}}, false, "Listen unterschiedlich lang !"},
      {"leer", {{}, {}}, false, "Keine Daten !"},
      {"Spalte 1 kein Zahl",
       {{"1", "2a", "3"}, {"4", "5", "6"}},
       false,
       "Spalte1: keine Zahl in Zeile 2 !"},
      {"Name ohne Haeufigkeit",
       {{"rot", "grün", "blau"}, {"3", "5"}},
       false,
       "Listen unterschiedlich lang !"},
      {"Klasse ohne Haeufigkeit", {{"0;1", "1;2"}, {"3"}}, true, "Listen unterschiedlich lang !"},
      {"Leerzeichen beenden die Liste", {{"1", "2", " "}, {"4", "5", " "}}, false, ""},
      {"nur Texte", {{"a"}, {}}, false, "Keine Daten !"},
      {"Spalte 2 kein Zahl",
       {{"1", "2", "3"}, {"4", "x", "6"}},
       false,
       "Spalte2: keine Zahl in Zeile 2 !"},
      {"Spalte 2 zuerst kein Zahl", {{"1"}, {"x", "2"}}, false, "Spalte2: keine Zahl in Zeile 1 !"},
      {"Text unter Spalte 2 beendet sie",
       {{"1", "2"}, {"4", "x"}},
       false,
       "Listen unterschiedlich lang !"},
      {"Text allein in Spalte 2", {{"1"}, {"x"}}, false, ""},
      {"Summe unter Spalte 1", {{"1", "2", "S=3"}, {}}, false, ""},
      {"leere Klasse", {{"5;5"}, {"1"}}, true, "falsches Intervall in Spalte1 !"},
      {"verkehrte Klasse", {{"10;5"}, {"1"}}, true, "falsches Intervall in Spalte1 !"},
      {"ohne Semikolon", {{"5-10"}, {"1"}}, true, "Spalte1 fehlerhaft !"},
      {"Grenze kein Zahl", {{"a;10"}, {"1"}}, true, "Spalte1 fehlerhaft !"},
      {"ueberschneidend",
       {{"0;10", "5;15"}, {"1", "1"}},
       true,
       "Die Klassen in Spalte1 überschneiden sich !"},
      {"Histogramm aus Zahlen",
       {{"1", "2"}, {"1", "1"}},
       true,
       "Ein Histogramm braucht Klassen a;b in Spalte1 !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Tabelle t;
    Eintragen(t, f.d);
    TStichprobe s;
    EXPECT_EQ(Stichprobe_einlesen(t, f.histogramm, s), f.meldung);
  }
}

TEST(Einlesen, KategorienWerdenDurchnummeriert) {
  Tabelle t;
  Eintragen(t, {{"rot", "grün", "blau"}, {"3", "5", "2"}});
  TStichprobe s;
  ASSERT_EQ(Stichprobe_einlesen(t, false, s), "");
  EXPECT_TRUE(s.Textmodus);
  EXPECT_EQ(s.Werte, (Liste{1, 2, 3}));
  EXPECT_EQ(s.Haeufigkeiten, (Liste{3, 5, 2}));
  EXPECT_EQ(s.Namen, (std::vector<std::string>{"rot", "grün", "blau"}));
}

TEST(Einlesen, OhneHaeufigkeitenZaehltJederWertEinmal) {
  Tabelle t;
  Eintragen(t, {{"2", "1,5", "2"}, {}});
  TStichprobe s;
  ASSERT_EQ(Stichprobe_einlesen(t, false, s), "");
  EXPECT_FALSE(s.Textmodus);
  EXPECT_EQ(s.Haeufigkeiten, (Liste{1, 1, 1}));
  EXPECT_EQ(s.Namen, (std::vector<std::string>{"2", "1,5", "2"}));
}

// Names travel with their values through sorting and merging.
TEST(Einlesen, NamenFolgenIhrenWerten) {
  TStichprobe s;
  s.Werte = {3, 1, 3};
  s.Haeufigkeiten = {1, 2, 4};
  s.Namen = {"drei", "eins", "auch drei"};
  Stichprobe_sortieren(s);
  Gleiche_Werte_zusammenfassen(s);
  EXPECT_EQ(s.Namen, (std::vector<std::string>{"eins", "drei"}));
  EXPECT_EQ(s.Haeufigkeiten, (Liste{2, 5}));
}

TEST(Histogramm, FlaecheStattHoehe) {
  struct Fall {
    TPunkt klasse;
    long double h, hoehe;
  };
  const Fall faelle[] = {
      {{0, 10}, 20, 2},
      {{10, 15}, 20, 4},
      {{15, 35}, 10, 0.5L},
      {{-1, 1}, 0.5L, 0.25L},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(Histogrammhoehe(f.klasse, f.h), f.hoehe);
}

// Values 1 to 7 and 100: fences [-3,5; 12,5], so only 100 lies outside.
TEST(Boxplot, ModifizierterBoxplotEndetAnDenZaeunen) {
  const TStichprobe s = Beobachtet({1, 2, 3, 4, 5, 6, 7, 100});
  const TKennzahlen k = Figuren(s);
  EXPECT_EQ(k.zo, 12.5L);
  const TBoxplot modifiziert = Boxplot_berechnen(k, s, true, 3);
  EXPECT_EQ(modifiziert.g, 5);  // lane 3 sits at height 2·3 - 1
  EXPECT_EQ(modifiziert.lo, 1);
  EXPECT_EQ(modifiziert.hi, 7);
  EXPECT_EQ(modifiziert.Ausreisser, Liste{100});
  const TBoxplot einfach = Boxplot_berechnen(k, s, false, 1);
  EXPECT_EQ(einfach.g, 1);
  EXPECT_EQ(einfach.hi, 100);
  EXPECT_TRUE(einfach.Ausreisser.empty());
}

// Frequencies 1, 1, 2 about M = (0; 0) from B = (0; 4): quarter, quarter, half, counter-clockwise
// from 12 o'clock.
TEST(Kreisdiagramm, AnteileWinkelUndEndpunkte) {
  const auto sektoren = Kreissektoren_berechnen({1, 1, 2}, {0, 4}, {0, 0});
  struct Fall {
    long double prozent, winkel;
    TPunkt E, L;
  };
  const long double r = 2 * std::sqrt(2.0L);
  const Fall erwartet[] = {
      {25, 90, {-4, 0}, {-r, r}},
      {25, 90, {0, -4}, {-r, -r}},
      {50, 180, {0, 4}, {4, 0}},
  };
  ASSERT_EQ(sektoren.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(sektoren[i].Prozent, erwartet[i].prozent);
    EXPECT_EQ(sektoren[i].Winkel, erwartet[i].winkel);
    EXPECT_NEAR(sektoren[i].E.x, erwartet[i].E.x, 1E-15L);
    EXPECT_NEAR(sektoren[i].E.y, erwartet[i].E.y, 1E-15L);
    EXPECT_NEAR(sektoren[i].L.x, erwartet[i].L.x, 1E-15L);
    EXPECT_NEAR(sektoren[i].L.y, erwartet[i].L.y, 1E-15L);
  }
  EXPECT_TRUE(Kreissektoren_berechnen({0, 0}, {0, 4}, {0, 0}).empty());
}

TEST(Zahltext, GerundetMitGeraderZifferBeiGleichstand) {
  struct Fall {
    long double x;
    int stellen;
    const char* text;
  };
  const Fall faelle[] = {
      {33.333333L, 2, "33,33"}, {12.25L, 1, "12,2"}, {12.75L, 1, "12,8"}, {90, 1, "90"},
      {-0.125L, 2, "-0,12"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(Gerundet(f.x, f.stellen), f.text) << f.text;
}
