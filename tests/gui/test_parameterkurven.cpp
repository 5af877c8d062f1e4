// x(t), y(t) and r(t) from the main window: the switch, the family switch, the polar switch and
// the automatic axis captions, checked by exact pixels of the picture (40 pixels per unit, origin
// at pixel (320, 320)).

#include <cmath>
#include <numbers>

#include "test_plot_fenster.h"

namespace {

constexpr TFarbe kFamilie[] = {0x000000, 0x0000FF, 0xFF0000, 0x008000,
                               0x000080, 0xFFFF00, 0x800000};

class Parameterfenster : public Plotfenster {
 protected:
  // The workbench outlives this window, and a window built later does not uncheck a switch that
  // it shows unchecked already: the curve must be off before the next suite's window comes.
  void TearDown() override { form->Haken_setzen("CheckBox_Param", false); }
  static void Plotten() {
    ASSERT_TRUE(QMetaObject::invokeMethod(form, "SpeedButton_PlotClick", Qt::DirectConnection));
  }
};

TEST_F(Parameterfenster, StartellipseMitDenAchsenDerParameterkurve) {
  Kurve_an("CheckBox_Param", kRot);
  Plotten();
  // x = cos t, y = 0,6 sin t.
  EXPECT_EQ(P(360, 320), kRot);
  EXPECT_EQ(P(280, 320), kRot);
  EXPECT_EQ(P(320, 296), kRot);
  EXPECT_EQ(P(320, 344), kRot);
  EXPECT_EQ(In_Spalte(340, kRot), 2);  // upper and lower arc
  EXPECT_EQ(In_Spalte(362, kRot), 0);
}

TEST_F(Parameterfenster, AchsenWerdenNachDerKurveBeschriftet) {
  struct Fall {
    bool polar, automatisch;
    const char *x, *y;
  } faelle[] = {
      {false, true, "x(t)", "y(t)"},
      {true, true, "t", "r(t)"},
      {false, false, "x", "y"},
  };
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    d.antworten_frage.push_back(true);  // reset: yes
    form->SpeedButton_StandardwerteClick();
    form->Haken_setzen("CheckBox_Polar_Wahl", f.polar);
    form->Haken_setzen("CheckBox_Achsen_automatisch_beschriften", f.automatisch);
    Kurve_an("CheckBox_Param", kRot);
    Plotten();
    EXPECT_EQ(T("Edit_xBeschrift"), f.x) << f.polar << f.automatisch;
    EXPECT_EQ(T("Edit_yBeschrift"), f.y) << f.polar << f.automatisch;
    EXPECT_EQ(KOS.xBeschriftung, f.x);
    EXPECT_EQ(KOS.yBeschriftung, f.y);
  }
}

TEST_F(Parameterfenster, SiebenEllipsenInDenFarbenDerScharOhneVerbindung) {
  Plotten();
  const QImage leer = Kopie();
  Kurve_an("CheckBox_Param", kRot);
  form->Haken_setzen("CheckBox_alle_t_verwenden", true);
  Plotten();
  // Member i has x = 1 + 0,2i: its vertices on the x axis lie in columns 360 + 8i and 280 - 8i;
  // between them the empty coordinate system shows.
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(P(360 + 8 * i, 320), kFamilie[i]) << i;
    EXPECT_EQ(P(280 - 8 * i, 320), kFamilie[i]) << i;
    EXPECT_EQ(Bild().Bild().pixel(364 + 8 * i, 320), leer.pixel(364 + 8 * i, 320)) << i;
  }
  EXPECT_EQ(Bild().Bild().pixel(416, 320), leer.pixel(416, 320));  // no eighth member
}

TEST_F(Parameterfenster, PolareRoseAusDemFenster) {
  form->Haken_setzen("CheckBox_Polar_Wahl", true);
  ASSERT_EQ(T("Edit_xParam"), "1,2t·sin(7t)");
  Kurve_an("CheckBox_Param", kRot);
  Plotten();
  // r = 1,2t·sin(7t) at t = k·pi/720 lies at (r cos t | r sin t).
  for (int k : {180, 540, 900, 990, 1170, 1260, 1350}) {
    const long double t = k * std::numbers::pi_v<long double> / 720;
    const long double r = 1.2L * t * std::sin(7 * t);
    const int px = static_cast<int>(std::lround((8 + r * std::cos(t)) * 40));
    const int py = static_cast<int>(std::lround((8 - r * std::sin(t)) * 40));
    EXPECT_EQ(P(px, py), kRot) << k;
  }
}

TEST_F(Parameterfenster, ParameterkurveLiegtUnterDenFunktionen) {
  Eingeben("Edit_fSchar", "0");
  Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
  Kurve_an("CheckBox_Param", kRot);
  Plotten();
  EXPECT_EQ(P(360, 320), kBlau);  // f = 0 is drawn over the ellipse's vertex
  EXPECT_EQ(P(320, 296), kRot);
}

}  // namespace
