// Long computations: progress after half a second, cancel requests that belong to the
// computation they are made in, and families bounded to what a picture can show.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/UKurven.h"
#include "analysis/UMatheTools.h"
#include "platform/URechenlauf.h"
#include "support/SkriptDialoge.h"

namespace {

using namespace std::chrono_literals;

// A clock the tests move by hand.
TRechenlauf::TZeitpunkt jetzt;
TRechenlauf::TZeitpunkt Testuhr() {
  return jetzt;
}

class Rechenlauf : public ::testing::Test {
 protected:
  void SetUp() override { TRechenlauf::Uhr_setzen(Testuhr); }
  void TearDown() override { TRechenlauf::Uhr_setzen(nullptr); }
  SkriptDialoge d;
};

const long double kBogen_Parabel = std::sqrt(5.0L) / 2 + std::asinh(2.0L) / 4;  // x² on [0; 1]

TEST_F(Rechenlauf, FortschrittErstNachEinerHalbenSekundeUndAmEndeGeschlossen) {
  {
    TRechenlauf lauf("Rechnung ...");
    lauf.Melden(10);
    jetzt += 499ms;
    lauf.Melden(20);
    EXPECT_TRUE(d.fortschritte.empty());
    EXPECT_FALSE(lauf.Sichtbar());
    jetzt += 1ms;
    lauf.Melden(30);
    lauf.Melden(40);
    EXPECT_TRUE(lauf.Sichtbar());
  }
  EXPECT_EQ(d.fortschritte, (std::vector<int>{30, 40, -1}));
}

TEST_F(Rechenlauf, KurzeArbeitZeigtNichtsUndSchliesstNichts) {
  { TRechenlauf("Rechnung ...").Melden(50); }
  EXPECT_TRUE(d.fortschritte.empty());
}

TEST_F(Rechenlauf, ProzentAusErledigtenSchritten) {
  struct Fall {
    long gesamt, erledigt;
    int prozent;
  };
  const Fall faelle[] = {
      {8, 2, 25}, {8, 8, 100}, {8, 12, 100}, {8, -3, 0}, {100, 37, 37},
  };
  for (const Fall& f : faelle) {
    d.fortschritte.clear();
    {
      TRechenlauf lauf("Rechnung ...", f.gesamt);
      jetzt += 1s;
      lauf.Melden(f.erledigt);
    }
    ASSERT_EQ(d.fortschritte.size(), 2u) << f.gesamt << " " << f.erledigt;
    EXPECT_EQ(d.fortschritte[0], f.prozent) << f.gesamt << " " << f.erledigt;
  }
}

TEST_F(Rechenlauf, WeiterFragtDasFensterErstWennEsSichtbarIst) {
  d.abbruch_ab_abfrage = 1;
  TRechenlauf lauf("Grafik ...");
  EXPECT_TRUE(lauf.Weiter(1));
  EXPECT_EQ(d.abbruch_abfragen, 0);
  jetzt += 1s;
  EXPECT_FALSE(lauf.Weiter(2));
  EXPECT_EQ(d.abbruch_abfragen, 1);
}

TEST_F(Rechenlauf, EscapeVonFrueherBrichtNichtAb) {
  d.abbruch_vorgemerkt = true;
  TRechenlauf lauf("Rechnung ...");
  EXPECT_FALSE(lauf.Abgebrochen());
  d.abbruch_vorgemerkt = true;  // pressed during the computation
  EXPECT_TRUE(lauf.Abgebrochen());
}

TEST_F(Rechenlauf, EineInnereRechnungVergisstDasEscapeDerAeusserenNicht) {
  TRechenlauf aussen("Tabelle ...");
  d.abbruch_vorgemerkt = true;
  { TRechenlauf innen("Integral ..."); }
  EXPECT_TRUE(aussen.Abgebrochen());
  EXPECT_EQ(d.abbruch_zuruecksetzungen, 1);
}

TEST_F(Rechenlauf, NeinVergisstDenAbbruchwunschJaBrichtAb) {
  TRechenlauf lauf("Rechnung ...");
  EXPECT_FALSE(lauf.Abbruch_bestaetigt("Wirklich abbrechen?"));  // no request, no question
  EXPECT_TRUE(d.fragen.empty());
  d.abbruch_vorgemerkt = true;
  d.antworten_frage = {false, true};
  EXPECT_FALSE(lauf.Abbruch_bestaetigt("Wirklich abbrechen?"));
  EXPECT_FALSE(lauf.Abgebrochen());
  d.abbruch_vorgemerkt = true;
  EXPECT_TRUE(lauf.Abbruch_bestaetigt("Wirklich abbrechen?"));
  EXPECT_EQ(d.fragen, (std::vector<std::string>{"Wirklich abbrechen?", "Wirklich abbrechen?"}));
}

// ---- the computations ---------------------------------------------------------------------

TEST(Abbruch, EscapeVorDerRechnungLaesstSieRechnen) {
  {
    // Trapezoid passes long enough to poll: the result needs about half a million points.
    SkriptDialoge d;
    d.abbruch_vorgemerkt = true;
    bool ok = false;
    const long double I = Integral_Trapez("x^2", 0, 0, 1, 1E-12L, ok);
    ASSERT_TRUE(ok);
    EXPECT_NEAR(static_cast<double>(I), 1.0 / 3, 1E-11);
    EXPECT_GT(d.abbruch_abfragen, 0);
  }
  {
    SkriptDialoge d;
    d.abbruch_vorgemerkt = true;
    bool ok = false;
    const long double L = Bogenlaenge_berechnen("x^2", 0, 0, 1, 1E-6L, ok);
    ASSERT_TRUE(ok);
    EXPECT_NEAR(static_cast<double>(L), static_cast<double>(kBogen_Parabel), 1E-5);
    EXPECT_TRUE(d.fragen.empty());
  }
}

TEST(Abbruch, NeinBeiDerBogenlaengeFragtErstBeimNaechstenEscapeWieder) {
  struct Fall {
    std::vector<int> escape_bei;  // polls at which Escape is pressed
    size_t fragen;
  };
  const Fall faelle[] = {{{3}, 1}, {{3, 40}, 2}, {{3, 4, 5}, 3}, {{}, 0}};
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    d.escape_bei_abfrage = f.escape_bei;
    bool ok = false;
    const long double L = Bogenlaenge_berechnen("x^2", 0, 0, 1, 1E-6L, ok);
    ASSERT_TRUE(ok) << f.fragen;
    EXPECT_NEAR(static_cast<double>(L), static_cast<double>(kBogen_Parabel), 1E-5);
    EXPECT_EQ(d.fragen.size(), f.fragen);
  }
}

TEST(Abbruch, JaBeiDerBogenlaengeBrichtAb) {
  SkriptDialoge d;
  d.escape_bei_abfrage = {5};
  d.antworten_frage = {true};
  bool ok = true;
  Bogenlaenge_berechnen("x^2", 0, 0, 1, 1E-6L, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(d.fragen.size(), 1u);
}

// ---- families -----------------------------------------------------------------------------

TEST(Schar, GliederZahlBegrenztAufDasBild) {
  struct Fall {
    long double t1, t2, dt;
    bool alle_t;
    int glieder;
    bool begrenzt;
  };
  const int kMax = kScharglieder_hoechstens;
  const Fall faelle[] = {
      {1, 2.2L, 0.2L, true, 7, false},      // 1; 1,2; ... 2,2
      {1, 2.2L, 0.2L, false, 1, false},     // without "t von" one member
      {-1, 1, 0.5L, true, 5, false},        //
      {0, kMax - 1, 1, true, kMax, false},  // exactly as many as are drawn
      {0, kMax, 1, true, kMax, true},       // one more
      {1, 8e104L, 0.2L, true, kMax, true},  // absurd bound
      {0, 1e12L, 1, true, kMax, true},      //
      {1, 2, 0, true, 1, false},            // a step of 0 does not advance
      {1e20L, 2e20L, 1, true, 1, false},    // nor does 1 at 10^20
      {1, 2, -0.5L, true, 1, false},        // a step backwards
      {3, 2, 0.5L, true, 1, false},         // t2 below t1
      {1, INFINITY, 1, true, 1, false},     // no range at all
  };
  for (const Fall& f : faelle) {
    TScharwerte s;
    s.t1 = f.t1;
    s.t2 = f.t2;
    s.dt = f.dt;
    s.alle_t = f.alle_t;
    const std::string fall = std::to_string(static_cast<double>(f.t1)) + ".." +
                             std::to_string(static_cast<double>(f.t2)) + " step " +
                             std::to_string(static_cast<double>(f.dt));
    EXPECT_EQ(Scharglieder_Anzahl(s), f.glieder) << fall;
    EXPECT_EQ(Schar_begrenzt(s), f.begrenzt) << fall;
  }
}

}  // namespace
