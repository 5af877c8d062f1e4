// Tree diagrams of Bernoulli chains: the fractions on branches and leaves, the couplings of the
// probability lists, the faults that stop the drawing, and what the drawing puts where.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "kos/UGrafik.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "workbench/Baumdiagramm.h"

namespace {

class Baumdiagramm : public ::testing::Test {
 protected:
  void SetUp() override { Baumeinstellungen = Baum_Zustand{}; }
  void TearDown() override { Baumeinstellungen = Baum_Zustand{}; }
  Aufzeichnung a{true};
};

Baum_Zustand Baum(int stufen, int zaehler, int nenner) {
  Baum_Zustand z;
  z.Stufen = stufen;
  z.Zaehler = zaehler;
  z.Nenner = nenner;
  return z;
}

std::vector<TBruchtext> Blaetter(const Baum_Zustand& z) {
  std::vector<TBruchtext> b;
  for (int i = Erstes_Blatt(z.Stufen); i <= Knotenanzahl(z.Stufen); ++i)
    b.push_back(Pfadwahrscheinlichkeit(i, z.Stufen, z.Zaehler, z.Nenner));
  return b;
}

long long Potenz(long long b, int e) {
  long long p = 1;
  while (e-- > 0)
    p *= b;
  return p;
}

// Counts pixels of the colour in the inclusive box.
int Pixel_in(const TBild& bild, int x1, int y1, int x2, int y2, TFarbe farbe) {
  int n = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      n += bild.Pixel(x, y) == farbe;
  return n;
}
int Nicht_weiss_in(const TBild& bild, int x1, int y1, int x2, int y2) {
  return (x2 - x1 + 1) * (y2 - y1 + 1) - Pixel_in(bild, x1, y1, x2, y2, kWeiss);
}

}  // namespace

// ---- arithmetic --------------------------------------------------------------------------------

TEST_F(Baumdiagramm, Knotenzahl_und_erstes_Blatt_je_Stufenzahl) {
  struct Fall {
    int stufen, knoten, erstes_blatt;
  };
  const Fall faelle[] = {{2, 6, 3}, {3, 14, 7}, {4, 30, 15}, {1, 0, 0}, {5, 0, 0}};
  for (const Fall& f : faelle) {
    EXPECT_EQ(Knotenanzahl(f.stufen), f.knoten) << f.stufen;
    EXPECT_EQ(Erstes_Blatt(f.stufen), f.erstes_blatt) << f.stufen;
  }
}

// Success branches carry Z/N, failure branches (N-Z)/N, never reduced.
TEST_F(Baumdiagramm, Astwahrscheinlichkeiten_unreduziert) {
  struct Fall {
    int knoten, z, n;
    const char* text;
  };
  const Fall faelle[] = {{1, 1, 3, "2/3"}, {2, 1, 3, "1/3"},    {5, 2, 6, "4/6"},
                         {6, 2, 6, "2/6"}, {1, 5, 5, "0/5"},    {2, 5, 5, "5/5"},
                         {2, 1, 1, "1/1"}, {29, 7, 20, "13/20"}};
  for (const Fall& f : faelle)
    EXPECT_EQ(Astwahrscheinlichkeit(f.knoten, f.z, f.n), f.text) << f.knoten;
}

// Leaves from left to right: ff, fw, wf, ww.
TEST_F(Baumdiagramm, Blaetter_zweier_Stufen) {
  struct Fall {
    int z, n;
    std::vector<std::pair<std::string, std::string>> blaetter;
  };
  const Fall faelle[] = {
      {1, 3, {{"4", "9"}, {"2", "9"}, {"2", "9"}, {"1", "9"}}},
      {2, 6, {{"16", "36"}, {"8", "36"}, {"8", "36"}, {"4", "36"}}},  // 2/6 stays 2/6
      {3, 3, {{"0", "9"}, {"0", "9"}, {"0", "9"}, {"9", "9"}}},       // p = 1
  };
  for (const Fall& f : faelle) {
    const std::vector<TBruchtext> b = Blaetter(Baum(2, f.z, f.n));
    ASSERT_EQ(b.size(), f.blaetter.size());
    for (std::size_t i = 0; i < b.size(); ++i) {
      EXPECT_EQ(b[i].Zaehler, f.blaetter[i].first) << f.z << "/" << f.n << " Blatt " << i;
      EXPECT_EQ(b[i].Nenner, f.blaetter[i].second) << f.z << "/" << f.n << " Blatt " << i;
    }
  }
}

// 2^n paths; the numerators over the common denominator N^n add up to it (the probabilities
// sum to 1), and k successes occur on C(n, k) paths.
TEST_F(Baumdiagramm, Pfade_dreier_und_vierer_Stufen_ergeben_zusammen_eins) {
  struct Fall {
    int stufen, z, n;
    std::vector<int> pfade_mit_k_erfolgen;
  };
  const Fall faelle[] = {{3, 1, 3, {1, 3, 3, 1}},      {3, 7, 20, {1, 3, 3, 1}},
                         {4, 1, 6, {1, 4, 6, 4, 1}},   {4, 20, 20, {1, 4, 6, 4, 1}},
                         {4, 13, 17, {1, 4, 6, 4, 1}}, {3, 1, 1, {1, 3, 3, 1}}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.stufen) + " Stufen, p = " + std::to_string(f.z) + "/" +
                 std::to_string(f.n));
    const std::vector<TBruchtext> b = Blaetter(Baum(f.stufen, f.z, f.n));
    EXPECT_EQ(b.size(), std::size_t{1} << f.stufen);
    long long summe = 0;
    for (const TBruchtext& t : b) {
      EXPECT_EQ(t.Nenner, std::to_string(Potenz(f.n, f.stufen)));
      summe += std::stoll(t.Zaehler);
    }
    EXPECT_EQ(summe, Potenz(f.n, f.stufen));
    std::vector<int> anzahl(f.stufen + 1, 0);
    for (int i = Erstes_Blatt(f.stufen); i <= Knotenanzahl(f.stufen); ++i)
      ++anzahl[Erfolge_auf_Pfad(i)];
    EXPECT_EQ(anzahl, f.pfade_mit_k_erfolgen);
  }
}

TEST_F(Baumdiagramm, Knotenpositionen_der_Stufen) {
  struct Fall {
    int stufen, knoten, x, y;
  };
  // Root at (320, 5), the middle of a 641-pixel picture; the outermost leaves of four stages
  // lie outside the picture.
  const Fall faelle[] = {{2, 0, 320, 5},  {2, 1, 260, 45},  {2, 2, 380, 45},   {2, 4, 285, 85},
                         {2, 6, 410, 85}, {3, 6, 470, 85},  {3, 7, 145, 130},  {3, 14, 495, 130},
                         {4, 1, 120, 45}, {4, 7, -30, 135}, {4, 15, -55, 185}, {4, 30, 695, 185}};
  for (const Fall& f : faelle) {
    const std::vector<TKnoten> k = Knotenpositionen(f.stufen, 320, 5);
    ASSERT_EQ(static_cast<int>(k.size()), Knotenanzahl(f.stufen) + 1);
    EXPECT_EQ(k[f.knoten].x, f.x) << f.stufen << " Stufen, Knoten " << f.knoten;
    EXPECT_EQ(k[f.knoten].y, f.y) << f.stufen << " Stufen, Knoten " << f.knoten;
  }
  EXPECT_TRUE(Knotenpositionen(5, 320, 5).empty());
}

// ---- the window's lists ------------------------------------------------------------------------

TEST_F(Baumdiagramm, Fenster_beginnt_mit_der_Starttabelle) {
  Baumeinstellungen.Zaehler = 7;
  Baumfenster_einrichten(a);
  Starttabelle_gezeigt(a, Startwerte_Baumdiagramm());
  const int z = Starteintrag("ComboBox_W_Zaehler") + 1, n = Starteintrag("ComboBox_W_Nenner") + 1;
  EXPECT_EQ(a.texte["Label_q_zaehler"], std::to_string(n - z));
  EXPECT_EQ(a.texte["Label_q_nenner"], std::to_string(n));
  EXPECT_EQ(Baumeinstellungen.Zaehler, z);
}

// A numerator above the denominator snaps back to 1; a denominator below the numerator jumps to
// 20. q follows every choice.
TEST_F(Baumdiagramm, Listen_halten_p_hoechstens_eins) {
  struct Fall {
    int z, n;  // before
    const char* liste;
    int eintrag;
    int z_neu, n_neu;
    int gezeigter_eintrag;  // -1: the list keeps the user's choice
    const char* q_zaehler;
    const char* q_nenner;
  };
  const Fall faelle[] = {
      {1, 3, "ComboBox_W_Zaehler", 1, 2, 3, -1, "1", "3"},
      {1, 3, "ComboBox_W_Zaehler", 2, 3, 3, -1, "0", "3"},
      {1, 3, "ComboBox_W_Zaehler", 4, 1, 3, 0, "2", "3"},
      {2, 3, "ComboBox_W_Zaehler", 19, 1, 3, 0, "2", "3"},
      {1, 3, "ComboBox_W_Nenner", 9, 1, 10, -1, "9", "10"},
      {3, 3, "ComboBox_W_Nenner", 1, 3, 20, 19, "17", "20"},
      {5, 6, "ComboBox_W_Nenner", 4, 5, 5, -1, "0", "5"},
      {5, 6, "ComboBox_W_Nenner", 0, 5, 20, 19, "15", "20"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.liste) + " " + std::to_string(f.eintrag));
    Baumeinstellungen.Zaehler = f.z;
    Baumeinstellungen.Nenner = f.n;
    a.eintraege.clear();
    Baum_Liste_gewaehlt(a, f.liste, f.eintrag);
    EXPECT_EQ(Baumeinstellungen.Zaehler, f.z_neu);
    EXPECT_EQ(Baumeinstellungen.Nenner, f.n_neu);
    if (f.gezeigter_eintrag >= 0) {
      EXPECT_EQ(a.eintraege[f.liste], f.gezeigter_eintrag);
    } else {
      EXPECT_EQ(a.eintraege.count(f.liste), 0u);
    }
    EXPECT_EQ(a.texte["Label_q_zaehler"], f.q_zaehler);
    EXPECT_EQ(a.texte["Label_q_nenner"], f.q_nenner);
  }
}

// ---- faults ------------------------------------------------------------------------------------

// Settings that make no tree end with a message and leave the picture as it was.
TEST_F(Baumdiagramm, Fehlerhafte_Einstellungen_zeichnen_nichts) {
  struct Fall {
    int stufen, z, n;
    const char* erfolg;
    const char* misserfolg;
    const char* meldung;
  };
  const char* nenner = "Der Nenner der Erfolgswahrscheinlichkeit muss zwischen 1 und 20 liegen.";
  const char* zaehler =
      "Der Zähler der Erfolgswahrscheinlichkeit muss zwischen 1 und dem Nenner liegen.";
  const char* stufen = "Die Anzahl der Stufen muss 2, 3 oder 4 sein.";
  const Fall faelle[] = {
      {2, 1, 0, "w", "f", nenner},   // below the list
      {2, 1, 21, "w", "f", nenner},  // beyond the list
      {2, 4, 3, "w", "f", zaehler},  // p above 1
      {2, 0, 3, "w", "f", zaehler},  // p = 0
      {5, 1, 3, "w", "f", stufen},  {1, 1, 3, "w", "f", stufen},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    SkriptDialoge d;
    Baumeinstellungen = Baum(f.stufen, f.z, f.n);
    Baumeinstellungen.Erfolg = f.erfolg;
    Baumeinstellungen.Misserfolg = f.misserfolg;
    Bild_fuellen(a.bild, kRot, kRot, 1);
    const QImage vorher = a.bild.Bild();
    EXPECT_FALSE(Baumdiagramm_zeichnen(a));
    EXPECT_EQ(d.meldungen, std::vector<std::string>{f.meldung});
    EXPECT_TRUE(a.bild.Bild() == vorher);
  }
}

// An empty letter is drawn as it is, written at the branches or not.
TEST_F(Baumdiagramm, Leere_Buchstaben_sind_kein_Fehler) {
  for (bool an_Aesten : {false, true}) {
    SCOPED_TRACE(an_Aesten);
    SkriptDialoge d;
    Baumeinstellungen.Erfolg = "";
    Baumeinstellungen.Misserfolg = "  ";
    Baumeinstellungen.Text_an_Aeste = an_Aesten;
    EXPECT_TRUE(Baumdiagramm_zeichnen(a));
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(a.bild.Pixel(320, 4), kSchwarz);  // the root dot above the branches
  }
}

// ---- drawing -----------------------------------------------------------------------------------

// Two stages, p = 1/3: root (320,5); node 1 (260,45), node 2 (380,45); leaf 3 at (230,85).
TEST_F(Baumdiagramm, Zeichnung_zweier_Stufen) {
  Bild_fuellen(a.bild, kRot, kRot, 1);
  Baumeinstellungen = Baum(2, 1, 3);
  ASSERT_TRUE(Baumdiagramm_zeichnen(a));
  const TBild& b = a.bild;
  EXPECT_EQ(b.Pixel(0, 640), kWeiss);    // the old picture is gone
  EXPECT_EQ(b.Pixel(320, 4), kSchwarz);  // root dot, above where the branches start
  // Branch midpoints: failure blue to the left, success red to the right.
  EXPECT_EQ(b.Pixel(290, 25), kBlau);
  EXPECT_EQ(b.Pixel(350, 25), kRot);
  // Letters inside the white node circles, in the node's colour.
  EXPECT_GT(Pixel_in(b, 375, 38, 386, 52, kRot), 0);
  EXPECT_GT(Pixel_in(b, 255, 38, 266, 52, kBlau), 0);
  // Branch probabilities above the nodes.
  EXPECT_GT(Pixel_in(b, 370, 17, 392, 28, kRot), 0);
  EXPECT_GT(Pixel_in(b, 260, 17, 282, 28, kBlau), 0);
  // Leaf 3: the fraction bar of "9" (half width 3) and black digits above and below it.
  EXPECT_EQ(b.Pixel(227, 114), kSchwarz);
  EXPECT_EQ(b.Pixel(232, 114), kSchwarz);
  EXPECT_GT(Pixel_in(b, 225, 100, 236, 112, kSchwarz), 0);
  EXPECT_GT(Pixel_in(b, 225, 116, 236, 128, kSchwarz), 0);
}

TEST_F(Baumdiagramm, Ohne_Farben_ist_alles_schwarz) {
  Baumeinstellungen = Baum(2, 1, 3);
  Baumeinstellungen.mit_Farbe = false;
  ASSERT_TRUE(Baumdiagramm_zeichnen(a));
  EXPECT_EQ(a.bild.Pixel(290, 25), kSchwarz);
  EXPECT_EQ(a.bild.Pixel(350, 25), kSchwarz);
  EXPECT_EQ(Pixel_in(a.bild, 200, 0, 440, 130, kRot) + Pixel_in(a.bild, 200, 0, 440, 130, kBlau),
            0);
}

// With every switch off only background, root, branches and empty node circles remain.
TEST_F(Baumdiagramm, Ohne_Schalter_nur_Aeste_und_leere_Kreise) {
  Baumeinstellungen = Baum(2, 1, 3);
  Baumeinstellungen.mit_Farbe = false;
  Baumeinstellungen.Text_an_Aeste = false;
  Baumeinstellungen.Wsk_an_Aeste = false;
  Baumeinstellungen.Pfadwahrsch_ausgeben = false;
  ASSERT_TRUE(Baumdiagramm_zeichnen(a));
  const TBild& b = a.bild;
  EXPECT_EQ(b.Pixel(350, 25), kSchwarz);
  for (const TKnoten& k : Knotenpositionen(2, 320, 5)) {
    if (k.y == 5) continue;
    SCOPED_TRACE(std::to_string(k.x) + "," + std::to_string(k.y));
    EXPECT_EQ(Nicht_weiss_in(b, k.x - 7, k.y - 7, k.x + 7, k.y + 7), 0);  // inside the circle
  }
  EXPECT_EQ(Nicht_weiss_in(b, 370, 17, 392, 28), 0);   // no branch probability
  EXPECT_EQ(Nicht_weiss_in(b, 215, 97, 245, 130), 0);  // no path probability under leaf 3
}

// Four stages: the leaves sit 180 pixels below the root, 50 pixels apart.
TEST_F(Baumdiagramm, Vier_Stufen_reichen_ueber_das_Bild_hinaus) {
  Baumeinstellungen = Baum(4, 1, 6);
  ASSERT_TRUE(Baumdiagramm_zeichnen(a));
  const TBild& b = a.bild;
  // Leaf 18 at (95, 185), a success (red letter) on a path with two successes: 25 over 1296.
  EXPECT_GT(Pixel_in(b, 90, 178, 101, 192, kRot), 0);
  EXPECT_EQ(b.Pixel(95 - 14, 214), kSchwarz);  // bar of a four-digit denominator: half width 14
  EXPECT_EQ(b.Pixel(95 + 13, 214), kSchwarz);
  // Leaf 16 at (-5, 185) shows the right part of its circle at the left border.
  EXPECT_GT(Nicht_weiss_in(b, 0, 173, 6, 197), 0);
}
