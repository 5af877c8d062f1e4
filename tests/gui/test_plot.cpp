// The plot button end to end: curves, jump marks, families, the slider and the grid buttons,
// checked by exact pixels of the picture and the texts of the fields.

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>

#include "test_plot_fenster.h"

namespace {

TEST(Startbild, ZeigtFImFuenfMillimeterRaster) {
  Anwendung();
  SkriptDialoge d;
  TForm1 fenster;
  const TBild& bild = fenster.Image1->Bild;
  // f(x) = 0,1x(9 - x²) for t = 1: f(1) = 0,8, f(2) = 1, f(3) = 0, f(-2) = -1.
  EXPECT_EQ(bild.Pixel(360, 288), kBlau);
  EXPECT_EQ(bild.Pixel(400, 280), kBlau);
  EXPECT_EQ(bild.Pixel(440, 320), kBlau);
  EXPECT_EQ(bild.Pixel(240, 360), kBlau);
  // 5-mm grid with the coarse grid every centimetre.
  EXPECT_EQ(bild.Pixel(340, 110), kRaster);
  EXPECT_EQ(bild.Pixel(360, 110), kGrobraster);
  EXPECT_EQ(bild.Pixel(330, 110), kWeiss);
  EXPECT_TRUE(fenster.Knopf("SpeedButton_Raster_mittel")->isChecked());
  EXPECT_FALSE(fenster.Knopf("SpeedButton_Raster_gestrichelt")->isChecked());
  // The widget shows exactly the picture.
  const QImage gezeigt = fenster.Image1->grab().toImage();
  ASSERT_EQ(gezeigt.size(), QSize(641, 641));
  EXPECT_EQ(gezeigt.pixelColor(360, 288), QColor(0, 0, 255));
  EXPECT_EQ(gezeigt.pixelColor(340, 110), QColor(0xD6, 0xD6, 0xD6));
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Plotfenster, UngueltigeAnsichtWirdAbgelehntOhneZuZeichnen) {
  SkriptDialoge d;
  Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
  form->SpeedButton_PlotClick();
  const QImage vorher = Kopie();
  KOS.xre = KOS.xli;
  Kurve_an("CheckBox_Schar_g_zeichnen", kRot);
  form->SpeedButton_PlotClick();
  EXPECT_EQ(d.letzte_meldung(), "xli >= xre  !");
  EXPECT_EQ(Kopie(), vorher);
  KOS.xre = 8;
  KOS.yo = -9;
  form->SpeedButton_PlotClick();
  EXPECT_EQ(d.letzte_meldung(), "yu >= yo  !");
  EXPECT_EQ(Kopie(), vorher);
  EXPECT_EQ(d.meldungen.size(), 2u);
}

TEST_F(Plotfenster, TangensUndHyperbelOhneSenkrechteStriche) {
  for (const char* term : {"tan(x)", "1/x"}) {
    Eingeben("Edit_fSchar", term);
    Kurve_an("CheckBox_Schar_f_zeichnen", kRot);
    form->SpeedButton_PlotClick();
    int hoechstens = 0;
    for (int x = 0; x < 641; ++x)
      hoechstens = std::max(hoechstens, In_Spalte(x, kRot));
    EXPECT_LT(hoechstens, 200) << term;
    form->Haken_setzen("CheckBox_Schar_f_zeichnen", false);
  }
  EXPECT_EQ(P(360, 280), kRot);  // 1/x at 1
}

TEST_F(Plotfenster, FloorMitVollenUndOffenenPunkten) {
  Eingeben("Edit_fSchar", "floor(x)");
  EXPECT_EQ(T("Edit_fSchar"), "floor(x)");
  Kurve_an("CheckBox_Schar_f_zeichnen", kRot);
  form->SpeedButton_PlotClick();
  // At x = 1: filled dot at (1; 1), open circle at the end of the step before, on the x axis:
  // its inside is white although the axis runs through it.
  EXPECT_EQ(P(360, 280), kRot);
  EXPECT_EQ(P(359, 320), kWeiss);
  EXPECT_EQ(P(357, 320), kRot);
  for (int y = 284; y <= 316; ++y)
    EXPECT_NE(P(360, y), kRot) << y;
}

TEST_F(Plotfenster, VorzeichenfunktionHAlsStandardterm) {
  EXPECT_EQ(T("Edit_hSchar"), "sgn(x+1,5)");
  Kurve_an("CheckBox_Schar_h_zeichnen", kRot);
  form->SpeedButton_PlotClick();
  EXPECT_EQ(P(260, 320), kRot);    // filled dot at (-1,5; 0)
  EXPECT_EQ(P(259, 360), kWeiss);  // open circle at the end of the left ray
  EXPECT_EQ(P(257, 360), kRot);
  EXPECT_EQ(P(260, 279), kWeiss);  // open circle at the start of the right ray
  EXPECT_EQ(P(100, 360), kRot);
  EXPECT_EQ(P(500, 280), kRot);
}

TEST_F(Plotfenster, ScharMitSiebenFarbigenGliedern) {
  form->Haken_setzen("CheckBox_alle_t_verwenden", true);
  Kurve_an("CheckBox_Schar_f_zeichnen", 0x123456);
  form->SpeedButton_PlotClick();
  // f_t(1) = 0,1t(9t - 1): t = 1 -> 0,8 (row 288), t = 1,2 -> 1,176 (273), t = 1,4 -> 1,624 (255).
  EXPECT_EQ(P(360, 288), kSchwarz);
  EXPECT_EQ(P(360, 273), kRot);
  EXPECT_EQ(P(360, 255), kBlau);
  // t = 2,2 (seventh member, navy): f(1) = 0,22 * 18,8 = 4,136 -> row 154,56 -> 155.
  EXPECT_EQ(P(360, 155), 0x800000u);
  // The curve's own colour is not used for a term with t.
  EXPECT_EQ(In_Zeile(288, 0x123456), 0);
}

TEST_F(Plotfenster, SchiebereglerZeigtEinGliedUndLaesstDieGrenzenStehen) {
  form->Haken_setzen("CheckBox_alle_t_verwenden", true);
  Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
  form->ScrollBar1->setValue(50);
  // t = 1,6: f(1) = 0,16 * 13,4 = 2,144 -> row 234; the member t = 1 is not drawn.
  EXPECT_EQ(P(360, 234), kBlau);
  EXPECT_NE(P(360, 288), kBlau);
  EXPECT_NE(P(360, 288), kSchwarz);
  EXPECT_FALSE(form->Haken("CheckBox_alle_t_verwenden"));
  EXPECT_EQ(T("Edit_Schar_t1"), "1");
  EXPECT_EQ(T("Edit_Schar_t2"), "2,2");
  EXPECT_EQ(form->Element<QLabel>("LabelSchiebereglerWert")->text(), QStringLiteral("1,6"));
  form->ScrollBar1->setValue(0);
}

TEST_F(Plotfenster, SchiebereglerLiestGrenzenAlsTerme) {
  SkriptDialoge d;
  Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
  form->ScrollBar1->setValue(0);
  form->Feld("Edit_Schar_t2")->setText(QStringLiteral("pi/2"));
  form->ScrollBar1->setValue(50);
  // t = (1 + pi/2)/2 = 1,2854: f(1) = 0,12854 * 10,5686 = 1,3585 -> row 265,66 -> 266.
  EXPECT_EQ(P(360, 266), kBlau);
  EXPECT_EQ(T("Edit_Schar_t2"), "pi/2");
  EXPECT_TRUE(d.meldungen.empty());
  form->ScrollBar1->setValue(0);
}

TEST_F(Plotfenster, AbgeleiteteKurvenUndSenkrechte) {
  Eingeben("Edit_fSchar", "x²");
  Kurve_an("CheckBox_Schar_fs_zeichnen", kRot);     // 2x
  Kurve_an("CheckBox_Schar_fs2_zeichnen", kGruen);  // 2
  Kurve_an("CheckBox_Integralfunktion", 0x800080);  // x³/3 from u = 0
  Eingeben("Edit_aStart", "-5");
  Kurve_an("CheckBox_x_gleich_a", 0x808080);
  form->SpeedButton_PlotClick();
  // f' = 2x: (0,5; 1) and (1,5; 3).
  EXPECT_EQ(P(340, 280), kRot);
  EXPECT_EQ(P(380, 200), kRot);
  // f'' = 2, drawn after f'.
  EXPECT_EQ(P(100, 240), kGruen);
  EXPECT_EQ(P(360, 240), kGruen);
  // F(x) = x³/3: F(0) = 0, F(1,5) = 1,125 -> row 275, F(-1,5) = -1,125 -> row 365.
  EXPECT_EQ(P(320, 320), 0x800080u);
  EXPECT_EQ(P(380, 275), 0x800080u);
  EXPECT_EQ(P(260, 365), 0x800080u);
  // x = a at -5 over the whole height, drawn last.
  EXPECT_EQ(In_Spalte(120, 0x808080), 641);
}

TEST_F(Plotfenster, UmkehrrelationVonSinus) {
  Eingeben("Edit_fSchar", "sin(x)");
  Kurve_an("CheckBox_f_invers_zeichnen", kRot);
  form->SpeedButton_PlotClick();
  EXPECT_EQ(P(354, 280), kRot);
  EXPECT_EQ(P(320, 320), kRot);
  for (int y = 1; y < 640; ++y)
    EXPECT_GE(In_Zeile(y, kRot), 1) << y;
}

TEST_F(Plotfenster, RasterknoepfeSchaltenUndZeichnen) {
  form->SpeedButton_ohne_RasterClick();
  EXPECT_EQ(P(340, 110), kWeiss);
  EXPECT_EQ(P(360, 110), kWeiss);
  EXPECT_TRUE(form->Knopf("SpeedButton_ohne_Raster")->isChecked());
  EXPECT_FALSE(form->Knopf("SpeedButton_Raster_mittel")->isChecked());
  form->SpeedButton_Raster_1mmClick();
  EXPECT_EQ(P(324, 110), kRaster);
  EXPECT_EQ(P(322, 110), kWeiss);
  EXPECT_TRUE(form->Knopf("SpeedButton_Raster_1mm")->isChecked());
  EXPECT_FALSE(form->Knopf("SpeedButton_ohne_Raster")->isChecked());
  form->SpeedButton_Raster_engClick();
  EXPECT_EQ(P(328, 110), kRaster);
  EXPECT_EQ(P(324, 110), kWeiss);
  form->SpeedButton_Raster_gestricheltClick();
  EXPECT_EQ(KOS.Rasterteilung, 1);
  EXPECT_EQ(KOS.Raster_Linienstil, TStiftstil::Gepunktet);
  EXPECT_EQ(P(340, 110), kWeiss);
}

TEST_F(Plotfenster, OhneLoeschenBleibenAlteKurvenStehen) {
  Eingeben("Edit_fSchar", "1");
  Kurve_an("CheckBox_Schar_f_zeichnen", kRot);
  form->SpeedButton_PlotClick();
  form->Haken_setzen("CheckBox_loeschen", false);
  Eingeben("Edit_fSchar", "2");
  form->SpeedButton_PlotClick();
  EXPECT_EQ(In_Zeile(280, kRot), 641 - 1);
  EXPECT_GE(In_Zeile(240, kRot), 600);
  form->Haken_setzen("CheckBox_loeschen", true);
  form->SpeedButton_PlotClick();
  EXPECT_EQ(In_Zeile(280, kRot), 0);
}

}  // namespace
