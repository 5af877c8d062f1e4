// Interpolation polynomial, natural cubic spline and Trassierung: the systems they write into the
// table and the polynomials they put into the term fields, checked against mathematics.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "platform/Blattspeicher.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Interpolationsaktion.h"
#include "workbench/Werkbank.h"

namespace {

using Punkte = std::vector<std::pair<long double, long double>>;

class Interpolation : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_Speicher().Zuruecksetzen();
    Tabelle_leeren(Zahlentabelle);
  }
  void TearDown() override { Zahlformat_zuruecksetzen(); }

  static void Punkte_setzen(const Punkte& p) {
    Tabelle_leeren(Zahlentabelle);
    for (std::size_t i = 0; i < p.size(); ++i) {
      Zahlentabelle.Zelle_setzen(1, static_cast<int>(i) + 1, Zahl_als_Zelltext(p[i].first));
      Zahlentabelle.Zelle_setzen(2, static_cast<int>(i) + 1, Zahl_als_Zelltext(p[i].second));
    }
  }
  static Punkte Reihe(int n) {
    Punkte p;
    for (int i = 0; i < n; ++i)
      p.push_back({i, i % 3});
    return p;
  }
  static long double Wert(const char* feld, long double x) {
    return Term_auswerten(Werkbank.Feldtext(feld), x, 1);
  }
  // Central differences of the written term; the pieces are cubics, so these are exact up to
  // rounding.
  static long double Steigung(const char* feld, long double x) {
    const long double h = 1E-3L;
    return (Wert(feld, x + h) - Wert(feld, x - h)) / (2 * h);
  }
  static long double Kruemmung(const char* feld, long double x) {
    const long double h = 1E-3L;
    return (Wert(feld, x + h) - 2 * Wert(feld, x) + Wert(feld, x - h)) / (h * h);
  }
  static std::string Polynom(const std::vector<long double>& a, int G, int N) {
    return Polynom_zu_Text(a, static_cast<int>(a.size()) - 1, false, G, N, false);
  }

  Aufzeichnung a;
  SkriptDialoge d;
};

TEST_F(Interpolation, Punktzahl_ausserhalb_der_Grenzen) {
  struct Fall {
    void (*knopf)(Anzeige&, bool);
    int punkte;
    const char* meldung;
  };
  const Fall faelle[] = {
      {Interpolationspolynom_geklickt, 1, "Mindestens 2 Punkte erforderlich !"},
      {Interpolationspolynom_geklickt, 31, "Höchstens 30 Punkte erlaubt !"},
      {Spline_geklickt, 2, "Mindestens 3 Punkte erforderlich !"},
      {Spline_geklickt, 12, "Höchstens 11 Punkte erlaubt !"},
      {Trassierung_geklickt, 3, "Genau 4 Punkte erforderlich !"},
      {Trassierung_geklickt, 5, "Genau 4 Punkte erforderlich !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung + std::to_string(f.punkte));
    Punkte_setzen(Reihe(f.punkte));
    const std::string h = Werkbank.Feldtext("Edit_hSchar");
    f.knopf(a, false);
    EXPECT_EQ(d.letzte_meldung(), f.meldung);
    EXPECT_EQ(Werkbank.Feldtext("Edit_hSchar"), h);
    EXPECT_EQ(Zahlentabelle.Zelle(3, 1), "");
  }
}

// Two points over the same x leave no polynomial through both: refused before anything changes.
TEST_F(Interpolation, Gleiches_x_wird_mit_den_Punkten_abgelehnt) {
  struct Fall {
    void (*knopf)(Anzeige&, bool);
    Punkte p;
    const char* meldung;
  };
  const Fall faelle[] = {
      {Interpolationspolynom_geklickt,
       {{0, 1}, {1, 3}, {2, 5}, {1, 4}},
       "Die Punkte P2(1|3) und P4(1|4) haben dasselbe x: das Gleichungssystem ist nicht lösbar !"},
      {Spline_geklickt,
       {{0, 0}, {0, 1}, {2, 2}},
       "Die Punkte P1(0|0) und P2(0|1) haben dasselbe x: das Gleichungssystem ist nicht lösbar !"},
      {Trassierung_geklickt,
       {{-3, 0}, {-3, 1}, {3, 3}, {6, 6}},
       "Die Punkte P1(-3|0) und P2(-3|1) haben dasselbe x: das Gleichungssystem ist nicht "
       "lösbar !"},
      {Trassierung_geklickt,
       {{-3, 0}, {0, 0}, {0, 3}, {6, 6}},
       "Die Punkte P2(0|0) und P3(0|3) haben dasselbe x: das Gleichungssystem ist nicht lösbar !"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    Punkte_setzen(f.p);
    const std::string h = Werkbank.Feldtext("Edit_hSchar");
    f.knopf(a, false);
    EXPECT_EQ(d.letzte_meldung(), f.meldung);
    EXPECT_EQ(Werkbank.Feldtext("Edit_hSchar"), h);
    EXPECT_EQ(Zahlentabelle.Zelle(3, 1), "");
  }
}

// Points of a polynomial of degree N - 1 give back exactly that polynomial, also when an earlier
// term left the engine's fault flag set.
TEST_F(Interpolation, Polynom_durch_bekannte_Punkte) {
  struct Fall {
    Punkte p;
    std::vector<long double> a;  // constant term first
  };
  const Fall faelle[] = {
      {{{0, 1}, {1, 3}, {2, 7}}, {1, 1, 1}},
      {{{-1, 2}, {0, 1}, {1, 0}, {2, 5}}, {1, -2, 0, 1}},  // x³ - 2x + 1
      {{{2, 5}, {-1, 2}, {1, 0}, {0, 1}}, {1, -2, 0, 1}},  // in any order
      {{{0, 4}, {3, -2}}, {4, -2}},
  };
  for (const Fall& f : faelle) {
    Punkte_setzen(f.p);
    Term_auswerten("ln(0-1)", 0, 0);
    ASSERT_TRUE(Fehler);
    Interpolationspolynom_geklickt(a, false);
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(Werkbank.Feldtext("Edit_hSchar"), Polynom(f.a, 18, 15));
    EXPECT_EQ(a.eintraege["ComboBox_Punkte_ab_Spalte"], 0);
    // The points are back in columns 1 and 2; h spans the view.
    EXPECT_EQ(Zahlentabelle.Zelle(2, 1), Zahl_als_Zelltext(f.p[0].second));
    EXPECT_EQ(Werkbank.Feldtext("Edit_xaSchar_h"), Werkbank.Feldtext("Edit_xa"));
    EXPECT_EQ(Werkbank.Feldtext("Edit_xeSchar_h"), Werkbank.Feldtext("Edit_xe"));
  }
}

// The system stands in the table: Vandermonde rows with y, and its echelon form below.
TEST_F(Interpolation, System_und_Loesung_in_der_Tabelle) {
  Punkte_setzen({{0, 1}, {1, 3}, {2, 7}});
  Interpolationspolynom_geklickt(a, false);
  const char* soll[3][4] = {{"1", "0", "0", "1"}, {"1", "1", "1", "3"}, {"1", "2", "4", "7"}};
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(Zahlentabelle.Zelle(3 + i, 1 + j), soll[j][i]);
  EXPECT_EQ(Zahlentabelle.Zelle(3, 4), "rref(A)");
  for (int j = 0; j < 3; ++j)
    EXPECT_EQ(Zahlentabelle.Zelle(6, 5 + j), "1");
}

TEST_F(Interpolation, Spline_durch_drei_Punkte) {
  Punkte_setzen({{0, 0}, {1, 1}, {2, 0}});
  const std::string h = Werkbank.Feldtext("Edit_hSchar");
  Gesamtstellen_waehlen(18);
  Nachkommastellen_waehlen(12);
  Spline_geklickt(a, false);
  ASSERT_TRUE(d.meldungen.empty());
  // 8 x 9 system in columns 3 to 11; the echelon form below row 9.
  EXPECT_EQ(Zahlentabelle.Zelle(11, 1), "0");
  EXPECT_EQ(Zahlentabelle.Zelle(11, 2), "1");
  EXPECT_EQ(Zahlentabelle.Zelle(12, 1), "");
  EXPECT_EQ(Zahlentabelle.Zelle(3, 9), "rref(A)");
  // Symmetric about x = 1 with natural ends: -x³/2 + 3x/2 on [0; 1].
  EXPECT_EQ(Werkbank.Feldtext("Edit_fSchar"), Polynom({0, 1.5L, 0, -0.5L}, 18, 12));
  EXPECT_EQ(Werkbank.Feldtext("Edit_hSchar"), h);
  EXPECT_EQ(Werkbank.xaSchar, 0);
  EXPECT_EQ(Werkbank.xeSchar, 1);
  EXPECT_EQ(Werkbank.xaSchar_g, 1);
  EXPECT_EQ(Werkbank.xeSchar_g, 2);
}

// Value, slope and curvature meet at every inner node; the curvature vanishes at both ends.
TEST_F(Interpolation, Spline_ist_zweimal_stetig_differenzierbar) {
  const Punkte p = {{-2, 1}, {0, 3}, {1, -1}, {3, 2}, {4, 0}};
  Punkte_setzen(p);
  Gesamtstellen_waehlen(20);
  Nachkommastellen_waehlen(15);
  Spline_geklickt(a, false);
  ASSERT_TRUE(d.meldungen.empty());
  // Piece 4 goes into column 5n + 1 = 21; f, g, h hold pieces 1 to 3.
  Werkbank.Feldtexte["Stueck4"] = Zahlentabelle.Zelle(21, 1);
  const char* stuecke[] = {"Edit_fSchar", "Edit_gSchar", "Edit_hSchar", "Stueck4"};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k + 1);
    EXPECT_NEAR(Wert(stuecke[k], p[k].first), p[k].second, 1E-9);
    EXPECT_NEAR(Wert(stuecke[k], p[k + 1].first), p[k + 1].second, 1E-9);
    if (k == 0) continue;
    const long double s = p[k].first;
    EXPECT_NEAR(Steigung(stuecke[k - 1], s), Steigung(stuecke[k], s), 1E-5);
    EXPECT_NEAR(Kruemmung(stuecke[k - 1], s), Kruemmung(stuecke[k], s), 1E-4);
  }
  EXPECT_NEAR(Kruemmung("Edit_fSchar", p[0].first), 0, 1E-4);
  EXPECT_NEAR(Kruemmung("Stueck4", p[4].first), 0, 1E-4);
}

// 11 points give 40 unknowns and hundreds of states; Escape leaves the trace and nothing is taken.
TEST_F(Interpolation, Schrittweiser_Spline_endet_mit_Escape) {
  Punkte_setzen(Reihe(11));
  const std::string f = Werkbank.Feldtext("Edit_fSchar");
  d.abbruch_ab_abfrage = 3;
  Spline_geklickt(a, true);
  EXPECT_EQ(d.tasten, 3);
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Schrittweise Rechnung abgebrochen."});
  EXPECT_EQ(Werkbank.Feldtext("Edit_fSchar"), f);
  EXPECT_EQ(Zahlentabelle.Zelle(2, 2), "1");  // the user's points stay in the table
}

// -x³/9 + 2x²/3 takes the horizontal line at (0|0) and leaves with slope 1 at (3|3).
TEST_F(Interpolation, Trassierung_schliesst_knickfrei_an) {
  Punkte_setzen({{-3, 0}, {0, 0}, {3, 3}, {6, 6}});
  Zahlentabelle.Zelle_setzen(8, 1, "5");  // does not widen the system
  Trassierung_geklickt(a, false);
  ASSERT_TRUE(d.meldungen.empty());
  EXPECT_EQ(Werkbank.Feldtext("Edit_hSchar"), Polynom({0, 0, 2.0L / 3, -1.0L / 9}, 18, 15));
  EXPECT_NEAR(Wert("Edit_hSchar", 0), 0, 1E-12);
  EXPECT_NEAR(Wert("Edit_hSchar", 3), 3, 1E-12);
  EXPECT_NEAR(Steigung("Edit_hSchar", 0), 0, 1E-6);
  EXPECT_NEAR(Steigung("Edit_hSchar", 3), 1, 1E-6);
  EXPECT_EQ(Werkbank.xaSchar_h, 0);
  EXPECT_EQ(Werkbank.xeSchar_h, 3);
}

}  // namespace
