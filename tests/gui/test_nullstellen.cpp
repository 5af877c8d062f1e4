// Zeros, intersections, extrema, inflection points and the function value from the real window:
// buttons clicked, table cells and messages read back exactly.

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <string>

#include "engine/UMatheBasisOp.h"
#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "workbench/Nullstellenaktion.h"
#include "workbench/Werkbank.h"

namespace {

class Nullstellenfenster : public Plotfenster {
 protected:
  void SetUp() override {
    Plotfenster::SetUp();
    Tabelle_leeren(Zahlentabelle);
    Werkbank.Schar_t1 = 1;
  }
  static void Klick(const char* knopf) {
    ASSERT_NE(form->Knopf(knopf), nullptr) << knopf;
    form->Knopf(knopf)->click();
  }
  static void f_an(const std::string& term) {
    Eingeben("Edit_fSchar", term);
    Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
  }
  static void g_an(const std::string& term) {
    Eingeben("Edit_gSchar", term);
    Kurve_an("CheckBox_Schar_g_zeichnen", kRot);
  }
  // What the table view shows in a cell.
  static std::string Z(int spalte, int zeile) {
    auto* sicht = qobject_cast<QAbstractItemView*>(form->StringGrid1);
    if (!sicht) return "(keine Tabellensicht)";
    QAbstractItemModel* m = sicht->model();
    return m->index(zeile, spalte).data().toString().toStdString();
  }
  static std::string Format(long double x) { return Zahl_zu_Text(false, 9, 6, x); }
};

// ---- function value --------------------------------------------------------------------------

TEST_F(Nullstellenfenster, FunktionswertBeiAImmerVonF) {
  struct Fall {
    const char* f;
    const char* a;
    const char* erwartet;
  } faelle[] = {
      {"x²-4", "-8", "60"},
      {"t·x", "3", "3"},  // t = 1
      {"1/x", "4", "0,25"},
      {"ln(x)", "-1", "1E100"},  // undefined: the evaluator's value
  };
  Kurve_an("CheckBox_Schar_g_zeichnen", kRot);  // only f counts
  for (const Fall& f : faelle) {
    Eingeben("Edit_fSchar", f.f);
    Eingeben("Edit_aStart", f.a);
    Klick("SpeedButton_f_von_a");
    EXPECT_EQ(T("Edit_f_von_a"), f.erwartet) << f.f;
  }
}

// ---- zeros and intersections -----------------------------------------------------------------

TEST_F(Nullstellenfenster, NullstellenInSpalte4UndIntervallGeschrumpft) {
  SkriptDialoge d;
  f_an("x²-4");
  Klick("SpeedButton_Schnitt_f_g");
  EXPECT_EQ(Z(4, 1), "Lösungen:");
  EXPECT_EQ(Z(4, 2), "-2");
  EXPECT_EQ(Z(4, 3), "2");
  EXPECT_EQ(Z(4, 4), "");
  EXPECT_EQ(T("Edit_aStart"), Format(-2));
  EXPECT_EQ(T("Edit_bEnde"), Format(2));
  EXPECT_NEAR(static_cast<double>(Werkbank.aStart), -2, 1e-12);
  EXPECT_NEAR(static_cast<double>(Werkbank.bEnde), 2, 1e-12);
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Nullstellenfenster, SchnittstellenVonFUndGJeEinmal) {
  SkriptDialoge d;
  f_an("x");
  g_an("x³");
  Klick("SpeedButton_Schnitt_f_g");
  EXPECT_EQ(Z(4, 1), "Lösungen:");
  EXPECT_EQ(Z(4, 2), "-1");
  long double null = 1;
  ASSERT_TRUE(Zelle_als_Zahl(Zahlentabelle, 4, 3, null));
  EXPECT_LT(std::fabs(null), 1e-12L);
  EXPECT_EQ(Z(4, 4), "1");
  EXPECT_EQ(Z(4, 5), "");
}

TEST_F(Nullstellenfenster, MeldungenOhneHakenUndOhneLoesung) {
  struct Fall {
    const char* f;  // nullptr: nothing checked
    const char* meldung;
  } faelle[] = {
      {nullptr, "Bitte erst Haken bei f, g oder h setzen !"},
      {"x²+1", "Newtonverfahren hat keine Lösung gefunden"},
  };
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    if (f.f) f_an(f.f);
    Klick("SpeedButton_Schnitt_f_g");
    ASSERT_EQ(d.meldungen.size(), 1u) << f.meldung;
    EXPECT_EQ(d.meldungen[0], f.meldung);
    EXPECT_EQ(Z(4, 1), "");  // nothing written
    EXPECT_EQ(T("Edit_aStart"), "-8");
    EXPECT_EQ(T("Edit_bEnde"), "8");
  }
}

TEST_F(Nullstellenfenster, NewtonTabelliertVonA) {
  SkriptDialoge d;
  form->Haken_setzen("CheckBox_Newton_tabellieren", true);
  f_an("x²-4");
  Klick("SpeedButton_Schnitt_f_g");
  EXPECT_EQ(Z(1, 1), " i = 0");
  EXPECT_EQ(Z(2, 1), Format(-8));
  EXPECT_EQ(Z(1, 2), " i = 1");
  EXPECT_EQ(Z(2, 2), Format(-4.25L));  // -8 - 60 / -16
  EXPECT_EQ(Z(4, 2), "-2");
  EXPECT_EQ(Z(4, 3), "2");
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Nullstellenfenster, NewtonVonAOhneLoesungMeldetStartUndSuchtWeiter) {
  SkriptDialoge d;
  form->Haken_setzen("CheckBox_Newton_tabellieren", true);
  f_an("(x+8)²+1");
  Klick("SpeedButton_Schnitt_f_g");
  ASSERT_EQ(d.meldungen.size(), 2u);
  EXPECT_EQ(d.meldungen[0], "Newtonverfahren hat für Start = -8 keine Lösung gefunden");
  EXPECT_EQ(d.meldungen[1], "Newtonverfahren hat keine Lösung gefunden");
  EXPECT_EQ(Z(1, 1), " i = 0");
}

TEST_F(Nullstellenfenster, HinweiseDerKnoepfe) {
  struct Fall {
    const char* name;
    const char* hinweis;
  } faelle[] = {
      {"SpeedButton_f_von_a", "Funktionswert ft(a) berechnen"},
      {"SpeedButton_Schnitt_f_g", "Schnitt von f und g ermitteln"},
      {"SpeedButton_Extrempunkte", "Extrempunkte von ft oder gt"},
      {"SpeedButton_Wendepunkte", "Wendepunkte von ft oder gt"},
      {"CheckBox_Newton_tabellieren", "Newton tabellieren"},
  };
  for (const Fall& f : faelle) {
    ASSERT_NE(form->Knopf(f.name), nullptr) << f.name;
    EXPECT_EQ(form->Knopf(f.name)->toolTip().toStdString(), f.hinweis);
  }
}

TEST_F(Nullstellenfenster, HinweisNachGesetztenHaken) {
  struct Fall {
    bool f, g, h;
    const char* hinweis;
  } faelle[] = {
      {true, true, true, "Schnittstellen von f, g im Intervall [a;b] berechnen"},
      {true, false, true, "Nullstellen von f im Intervall [a;b] berechnen"},
      {false, true, true, "Nullstellen von g im Intervall [a;b] berechnen"},
      {false, false, true, "Nullstellen von h im Intervall [a;b] berechnen"},
      {false, false, false, "Schnittstellen:  Bitte Haken bei f und/oder g oder bei h setzen !"},
  };
  QAbstractButton* knopf = form->Knopf("SpeedButton_Schnitt_f_g");
  ASSERT_NE(knopf, nullptr);
  for (const Fall& f : faelle) {
    form->Haken_setzen("CheckBox_Schar_f_zeichnen", f.f);
    form->Haken_setzen("CheckBox_Schar_g_zeichnen", f.g);
    form->Haken_setzen("CheckBox_Schar_h_zeichnen", f.h);
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(knopf, &bewegung);
    EXPECT_EQ(knopf->toolTip().toStdString(), f.hinweis);
  }
}

// ---- extrema and inflection points -------------------------------------------------------------

TEST_F(Nullstellenfenster, ExtremaDerScharInBloeckenJeT) {
  SkriptDialoge d;
  f_an("-t·x³+(t+2)·x");
  Klick("SpeedButton_Extrempunkte");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(Z(0, 0), "Ze Nr");
  EXPECT_EQ(Z(1, 0), "rel. HPs");
  EXPECT_EQ(Z(2, 0), "");
  EXPECT_EQ(Z(3, 0), "rel. TPs");
  EXPECT_EQ(Z(4, 0), "");
  const char* t_text[] = {"t=1", "t=1,2", "t=1,4", "t=1,6", "t=1,8", "t=2", "t=2,2"};
  for (int r = 1; r <= 7; ++r) {
    EXPECT_EQ(Z(5, r), t_text[r - 1]);
    EXPECT_NE(Z(1, r), "") << r;
    EXPECT_NE(Z(3, r), "") << r;
  }
  EXPECT_EQ(Z(1, 1), "1");
  EXPECT_EQ(Z(2, 1), "2");
  EXPECT_EQ(Z(3, 1), "-1");
  EXPECT_EQ(Z(4, 1), "-2");
  EXPECT_EQ(Z(5, 8), "");
  EXPECT_EQ(Z(1, 8), "");
  EXPECT_NEAR(static_cast<double>(Werkbank.Schar_t1), 2.4, 1e-9);
}

TEST_F(Nullstellenfenster, KeineExtremaOderWendepunkte) {
  struct Fall {
    const char* knopf;
    const char* f;
    const char* meldung;
  } faelle[] = {
      {"SpeedButton_Extrempunkte", "3", "Keine rel. HPs bzw. rel. TPs gefunden"},
      {"SpeedButton_Wendepunkte", "x²", "Keine LR-WPs bzw. RL-WPs gefunden"},
  };
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    f_an(f.f);
    Klick(f.knopf);
    ASSERT_EQ(d.meldungen.size(), 1u) << f.knopf;
    EXPECT_EQ(d.meldungen[0], f.meldung);
    EXPECT_NEAR(static_cast<double>(Werkbank.Schar_t1), 1.2, 1e-15);  // one pass: t from + t step
  }
}

TEST_F(Nullstellenfenster, WendepunkteDesSinus) {
  SkriptDialoge d;
  f_an("sin(x)");
  Klick("SpeedButton_Wendepunkte");
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(Z(1, 0), "LR-WPs");
  EXPECT_EQ(Z(3, 0), "RL-WPs");
  EXPECT_EQ(Z(1, 2), "0");
  EXPECT_EQ(Z(2, 2), "0");
  EXPECT_NE(Z(1, 3), "");
  EXPECT_EQ(Z(1, 4), "");
  EXPECT_NE(Z(3, 2), "");
  EXPECT_EQ(Z(3, 3), "");
  EXPECT_EQ(Z(5, 1), "");  // no t in the term: no family block
}

TEST_F(Nullstellenfenster, OhneHakenNurDieMeldung) {
  for (const char* knopf : {"SpeedButton_Extrempunkte", "SpeedButton_Wendepunkte"}) {
    SkriptDialoge d;
    Zahlentabelle.Zelle_setzen(2, 2, "bleibt");
    Klick(knopf);
    EXPECT_EQ(d.letzte_meldung(), "Bitte erst Haken bei f, g oder h setzen !");
    EXPECT_EQ(Z(2, 2), "bleibt");
  }
}

}  // namespace
