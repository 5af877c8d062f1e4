// Sequences in the point list and the guess of a limit or a cycle, checked against closed forms
// and the fixed points and cycles of the logistic map.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/UFolgen.h"
#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Blattspeicher.h"

namespace {

TFolgenvorgabe Vorgabe(const std::string& term, TFolgenart art, long double x0 = 0.5L,
                       long double k = 1, int tiefe = 500) {
  TFolgenvorgabe v;
  v.term = term;
  v.art = art;
  v.x_n0 = x0;
  v.k = k;
  v.Iterationstiefe = tiefe;
  return v;
}

std::vector<long double> Werte() {
  std::vector<long double> a;
  for (int i = 0; i < Punktanzahl; ++i)
    a.push_back(Punkteliste[i].y);
  return a;
}

TEST(Folge, ExpliziteFolgeHatTiefePlusEinsGlieder) {
  ASSERT_TRUE(Folge_berechnen(Vorgabe("5n/(2n+3)", TFolgenart::explizit)));
  ASSERT_EQ(Punktanzahl, 501);
  struct {
    int i;
    long double n, a;
  } const faelle[] = {
      {0, 1, 1.0L}, {1, 2, 10.0L / 7}, {9, 10, 50.0L / 23}, {500, 501, 2505.0L / 1005}};
  for (const auto& f : faelle) {
    EXPECT_EQ(Punkteliste[f.i].x, f.n) << f.i;
    EXPECT_NEAR(Punkteliste[f.i].y, f.a, 1e-15L) << f.i;
  }
}

TEST(Folge, ErsterIndexUndTiefe) {
  struct {
    int n0, tiefe, anzahl;
    long double x_erster, x_letzter;
  } const faelle[] = {
      {1, 2, 3, 1, 3},
      {-5, 10, 11, -5, 5},
      {1, 1499, 1500, 1, 1500},
      {1, 1, 501, 1, 501},                       // outside 2 .. 1499: the field's fallback
      {1, 5000, 501, 1, 501},                    // would overrun the list
      {INT_MAX, 3, 4, INT_MAX, INT_MAX + 3.0L},  // indices beyond int stay exact
  };
  for (const auto& f : faelle) {
    TFolgenvorgabe v = Vorgabe("n", TFolgenart::explizit, 0.5L, 1, f.tiefe);
    v.n0 = f.n0;
    Folge_berechnen(v);
    ASSERT_EQ(Punktanzahl, f.anzahl) << f.tiefe;
    EXPECT_EQ(Punkteliste[0].x, f.x_erster);
    EXPECT_EQ(Punkteliste[f.anzahl - 1].x, f.x_letzter);
    EXPECT_EQ(Punkteliste[f.anzahl - 1].y, f.x_letzter);  // a(n) = n
  }
}

TEST(Folge, RekursiveUndZweischrittigeFolgen) {
  struct {
    const char* term;
    TFolgenart art;
    long double x0, y1, k;
    std::vector<long double> erwartet;
  } const faelle[] = {
      {"kx", TFolgenart::rekursiv, 3, 0, 2, {3, 6, 12, 24, 48, 96}},
      {"x/2+1", TFolgenart::rekursiv, 0, 0, 1, {0, 1, 1.5L, 1.75L, 1.875L, 1.9375L}},
      // x = a(n-2), k = a(n-1): Fibonacci and a(n) = a(n-1) - a(n-2) with period 6.
      {"x+k", TFolgenart::zweischrittig, 1, 1, 0, {1, 1, 2, 3, 5, 8}},
      {"k-x", TFolgenart::zweischrittig, 1, 2, 0, {1, 2, 1, -1, -2, -1}},
  };
  for (const auto& f : faelle) {
    TFolgenvorgabe v = Vorgabe(f.term, f.art, f.x0, f.k, 5);
    v.y_n1 = f.y1;
    EXPECT_TRUE(Folge_berechnen(v)) << f.term;
    EXPECT_EQ(Werte(), f.erwartet) << f.term;
  }
}

TEST(Folge, UnterbrochenesBildungsgesetzEndetBeimLetztenGlied) {
  Folge_berechnen(Vorgabe("x", TFolgenart::rekursiv, 7));  // 501 members to be overwritten
  // w(x) - 1 from 4: 1, 0, -1, then the root of -1 fails.
  EXPECT_FALSE(Folge_berechnen(Vorgabe("w(x)-1", TFolgenart::rekursiv, 4)));
  EXPECT_EQ(Werte(), (std::vector<long double>{4, 1, 0, -1}));
  // Two-step: 1/k with k = a(n-1) = 0 fails at the third member.
  TFolgenvorgabe v = Vorgabe("x+1/k", TFolgenart::zweischrittig, 1);
  v.y_n1 = 0;
  EXPECT_FALSE(Folge_berechnen(v));
  EXPECT_EQ(Punktanzahl, 2);
}

TEST(Folge, ExpliziteFolgeBehaeltUndefinierteGlieder) {
  EXPECT_TRUE(Folge_berechnen(Vorgabe("1/(n-3)", TFolgenart::explizit, 0, 1, 5)));
  ASSERT_EQ(Punktanzahl, 6);
  EXPECT_EQ(Punkteliste[2].y, 1E100L);
  EXPECT_EQ(Punkteliste[3].y, 1.0L);
}

// Logistic map x = kx(1-x): fixed point 1 - 1/k for 1 < k < 3, a 2-cycle
// (k + 1 +- w((k + 1)(k - 3))) / (2k) for 3 < k < 1 + w(6).
TEST(Vermutung, LogistischeAbbildung) {
  const long double w = std::sqrt(4.2L * 0.2L);
  struct {
    long double k;
    TVermutung::Art art;
    std::vector<long double> werte;  // limit, or a(N-1), a(N-2)
  } const faelle[] = {
      {2.8L, TVermutung::Grenzwert, {1 - 1 / 2.8L}},
      {1.5L, TVermutung::Grenzwert, {1.0L / 3}},
      {3.2L, TVermutung::Zyklus, {(4.2L + w) / 6.4L, (4.2L - w) / 6.4L}},
      {4.0L, TVermutung::Grenzwert, {0}},  // 0,5 -> 1 -> 0, which is fixed
  };
  for (const auto& f : faelle) {
    Folge_berechnen(Vorgabe("kx(1-x)", TFolgenart::rekursiv, 0.5L, f.k));
    const TVermutung v = Grenzwert_vermuten(Werte());
    ASSERT_EQ(v.art, f.art) << f.k;
    const std::vector<long double> gefunden =
        v.art == TVermutung::Grenzwert ? std::vector<long double>{v.Grenze} : v.Haeufungswerte;
    ASSERT_EQ(gefunden.size(), f.werte.size()) << f.k;
    for (std::size_t i = 0; i < gefunden.size(); ++i)
      EXPECT_NEAR(gefunden[i], f.werte[i], 1e-6L) << f.k;
  }
}

// A rising sequence 0, 1, 2 ... whose member r places before the last lies abweichung away from
// it: the cycle length found follows the tolerances 0,001 (r <= 16), 0,03 (32) and 0,07 (64).
TEST(Vermutung, ToleranzJeZykluslaenge) {
  struct {
    int r;
    long double abweichung;
    int gefunden;  // 0: none
  } const faelle[] = {
      {2, 0.0009L, 2}, {2, 0.0011L, 0},  {16, 0.0009L, 16}, {16, 0.002L, 0}, {32, 0.029L, 32},
      {32, 0.031L, 0}, {64, 0.069L, 64}, {64, 0.071L, 0},   {128, 0.0L, 0},  // longer cycles are
                                                                             // not searched
  };
  for (const auto& f : faelle) {
    std::vector<long double> a(200);
    for (std::size_t i = 0; i < a.size(); ++i)
      a[i] = static_cast<long double>(i);
    a[a.size() - 1 - f.r] = a.back() + f.abweichung;
    const TVermutung v = Grenzwert_vermuten(a);
    EXPECT_EQ(static_cast<int>(v.Haeufungswerte.size()), f.gefunden) << f.r << " " << f.abweichung;
    EXPECT_EQ(v.art, f.gefunden ? TVermutung::Zyklus : TVermutung::keine);
  }
}

TEST(Vermutung, KurzeFolgen) {
  struct {
    std::vector<long double> a;
    TVermutung::Art art;
  } const faelle[] = {
      {{}, TVermutung::keine},
      {{0.3L}, TVermutung::keine},
      {{0.3L, 0.30005L}, TVermutung::Grenzwert},
      {{0.5L, 0.9L}, TVermutung::keine},         // a cycle needs a member r places back
      {{0.5L, 0.9L, 0.5L}, TVermutung::Zyklus},  // that member exists
      {{0.0L, NAN}, TVermutung::keine},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Grenzwert_vermuten(f.a).art, f.art) << f.a.size();
}

// ---- the web in the start view (40 pixels per unit, origin at (320; 320)) ---------------------

class Netz : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_Speicher().Zuruecksetzen();
    Bild_leeren(bild, kWeiss);
  }
  void TearDown() override {
    Stil_zuruecksetzen();
    KOS = gesichert_;
  }
  // A web of the two members a1, a2 = 4 in line kind art.
  void Zeichnen(int art, long double a1, bool nur_g = false) {
    Linienart_waehlen(art);
    Punktanzahl = 2;
    Punkteliste[0].y = a1;
    Punkteliste[1].y = 4;
    TFolgenbild f;
    f.CobWeb = true;
    f.nur_g_zeichnen = nur_g;
    f.term = "4";
    Folge_zeichnen(bild, f);
  }
  static constexpr TFarbe kWeiss = 0xFFFFFF;
  TBild bild{641, 641};
  const TKOS gesichert_ = KOS;
};

// The first step runs up from (a1; 0) to the row of 4 (pixel 160); an arrow head there is 5 pixels
// wide at its base 8 pixels below the tip. Kind 4 draws arrows only where both legs exceed 8
// pixels, kind 5 always.
TEST_F(Netz, SchritteAlsLinienOderPfeile) {
  struct {
    int art;
    long double a1;
    bool pfeil;
  } const faelle[] = {
      {1, -4, false},   {4, -4, true},   {5, -4, true},  // legs of 160 and 320 pixels
      {4, 3.9L, false}, {5, 3.9L, true},                 // across only 4 pixels
  };
  for (const auto& f : faelle) {
    SetUp();
    Zeichnen(f.art, f.a1);
    const int x = x_zu_Pixel(bild, f.a1);
    EXPECT_EQ(bild.Pixel(x, 240), Stil.Linienfarbe) << f.art << " " << f.a1;
    EXPECT_EQ(bild.Pixel(x - 2, 168) == Stil.Linienfarbe, f.pfeil) << f.art << " " << f.a1;
  }
}

TEST_F(Netz, NurGZeichnetKeinNetz) {
  Zeichnen(1, -4, true);
  EXPECT_EQ(bild.Pixel(160, 240), kWeiss);
  EXPECT_EQ(bild.Pixel(100, 160), 0x0000FFu);  // g = 4 in red
  EXPECT_EQ(bild.Pixel(480, 160), 0x0000FFu);
}

}  // namespace
