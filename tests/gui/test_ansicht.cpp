// View navigation from the window: presets, reset, picture size, zoom and pan buttons, and the
// mouse modes on the picture, checked by the field texts and the picture's pixels.

#include <QCursor>

#include "test_plot_fenster.h"

namespace {

class Ansichtfenster : public Plotfenster {
 protected:
  static void Druecken(Qt::MouseButton taste, int x, int y,
                       Qt::KeyboardModifiers m = Qt::NoModifier) {
    emit form->Image1->Maus_gedrueckt(taste, m, x, y);
  }
  static void Bewegen(int x, int y, Qt::KeyboardModifiers m = Qt::NoModifier) {
    emit form->Image1->Maus_bewegt(m, x, y);
  }
  static void Loslassen(Qt::MouseButton taste, int x, int y) {
    emit form->Image1->Maus_losgelassen(taste, Qt::NoModifier, x, y);
  }
  static void Bereich_erwarten(const char* xa, const char* xe, const char* ya, const char* ye) {
    EXPECT_EQ(T("Edit_xa"), xa);
    EXPECT_EQ(T("Edit_xe"), xe);
    EXPECT_EQ(T("Edit_ya"), ya);
    EXPECT_EQ(T("Edit_ye"), ye);
  }
};

TEST_F(Ansichtfenster, UrsprungLinksUntenUndDieAnderenVoreinstellungen) {
  form->SpeedButton_Ursprung_links_untenClick();
  Bereich_erwarten("-1", "15", "-1", "15");
  EXPECT_EQ(KOS.xli, -1);
  EXPECT_EQ(KOS.yo, 15);
  // The x fields carry the new range into the drawing intervals of f, g and h.
  EXPECT_EQ(T("Edit_xaSchar"), "-1");
  EXPECT_EQ(T("Edit_xeSchar_h"), "15");
  // The axes cross 1 cm from the lower left corner: column 40, row 600.
  EXPECT_EQ(P(40, 300), kSchwarz);
  EXPECT_EQ(P(300, 600), kSchwarz);
  EXPECT_NE(P(320, 300), kSchwarz);

  form->SpeedButton_1und2QuadrantClick();
  Bereich_erwarten("-8", "8", "-1", "15");
  form->SpeedButton_1und4QuadrantClick();
  Bereich_erwarten("-1", "15", "-8", "8");
  form->SpeedButton_Ursprung_MitteClick();
  Bereich_erwarten("-8", "8", "-8", "8");
}

TEST_F(Ansichtfenster, ZuruecksetzenNurNachJa) {
  form->SpeedButton_Zoom_outClick();
  Bereich_erwarten("-16", "16", "-16", "16");
  SkriptDialoge d;
  d.antworten_frage.push_back(false);
  form->SpeedButton_StandardwerteClick();
  ASSERT_EQ(d.fragen.size(), 1u);
  EXPECT_EQ(d.fragen[0], "Wollen Sie wirklich alles zurücksetzen und die Grafik löschen ?");
  Bereich_erwarten("-16", "16", "-16", "16");
  EXPECT_EQ(Zoomstufe_x, 1);
  d.antworten_frage.push_back(true);
  form->SpeedButton_StandardwerteClick();
  Bereich_erwarten("-8", "8", "-8", "8");
  EXPECT_EQ(T("Edit_xscl"), "1");
  EXPECT_EQ(Zoomstufe_x, 0);
  EXPECT_EQ(Zoomstufe_y, 0);
  EXPECT_EQ(Bild().Breite(), 641);
  EXPECT_TRUE(form->Knopf("SpeedButton_Raster_mittel")->isChecked());
}

TEST_F(Ansichtfenster, BildbreiteKleinerUndGroesser) {
  form->SpeedButton_Bildbreite_kleinerClick();
  EXPECT_EQ(T("Edit_Bildbreite"), "15");
  EXPECT_EQ(Bild().Breite(), 601);
  EXPECT_EQ(Bild().Hoehe(), 641);
  EXPECT_EQ(form->Image1->x(), 20);
  EXPECT_EQ(form->Image1->width(), 601);
  Bereich_erwarten("-7,5", "7,5", "-8", "8");
  EXPECT_EQ(T("Edit_xscl"), "1");
  EXPECT_EQ(KOS.Bildbreite_cm, 15);
  // Still 40 pixels per unit: x = 0 at column 300, x = 1 at 340.
  EXPECT_EQ(x_zu_Pixel(Bild(), 0), 300);
  EXPECT_EQ(x_zu_Pixel(Bild(), 1), 340);
  EXPECT_EQ(P(300, 100), kSchwarz);

  for (int i = 0; i < 12; ++i)
    form->SpeedButton_Bildbreite_kleinerClick();
  EXPECT_EQ(T("Edit_Bildbreite"), "3");
  EXPECT_EQ(Bild().Breite(), 121);
  Bereich_erwarten("-1,5", "1,5", "-8", "8");
  form->SpeedButton_Bildbreite_kleinerClick();  // at 3 cm: nothing
  EXPECT_EQ(T("Edit_Bildbreite"), "3");
  Bereich_erwarten("-1,5", "1,5", "-8", "8");
  for (int i = 0; i < 13; ++i)
    form->SpeedButton_Bildbreite_groesserClick();
  EXPECT_EQ(Bild().Breite(), 641);
  EXPECT_EQ(form->Image1->x(), 0);
  Bereich_erwarten("-8", "8", "-8", "8");
  form->SpeedButton_Bildbreite_groesserClick();  // at 16 cm: nothing
  EXPECT_EQ(T("Edit_Bildbreite"), "16");
}

TEST_F(Ansichtfenster, BildhoeheKleiner) {
  form->Haken_setzen("CheckBox_loeschen", false);
  form->SpeedButton_Bildtiefe_kleinerClick();
  EXPECT_TRUE(form->Haken("CheckBox_loeschen"));
  EXPECT_EQ(T("Edit_Bildtiefe"), "15");
  EXPECT_EQ(Bild().Hoehe(), 601);
  EXPECT_EQ(form->Image1->y(), 20);
  Bereich_erwarten("-8", "8", "-7,5", "7,5");
  EXPECT_EQ(T("Edit_yscl"), "1");
}

TEST_F(Ansichtfenster, VerkleinernBisZurGrenze) {
  form->SpeedButton_Zoom_outClick();
  Bereich_erwarten("-16", "16", "-16", "16");
  EXPECT_EQ(T("Edit_xscl"), "2");
  EXPECT_EQ(T("Edit_yscl"), "2");
  for (int i = 1; i < 32; ++i)
    form->SpeedButton_Zoom_outClick();
  Bereich_erwarten("-34359738368", "34359738368", "-34359738368", "34359738368");
  EXPECT_EQ(Zoomstufe_x, 32);
  form->SpeedButton_Zoom_outClick();
  Bereich_erwarten("-34359738368", "34359738368", "-34359738368", "34359738368");
  EXPECT_EQ(T("Edit_xscl"), "4294967296");
}

TEST_F(Ansichtfenster, EinachsigesZoomenUndSchieben) {
  form->SpeedButton_Zoom_in_xClick();
  Bereich_erwarten("-4", "4", "-8", "8");
  EXPECT_EQ(T("Edit_xscl"), "0,5");
  EXPECT_EQ(T("Edit_yscl"), "1");
  form->SpeedButton_Zoom_out_yClick();
  Bereich_erwarten("-4", "4", "-16", "16");
  EXPECT_EQ(T("Edit_yscl"), "2");
  EXPECT_EQ(Zoomstufe_x, 0);
  EXPECT_EQ(Zoomstufe_y, 0);
  form->SpeedButton_rechts_schiebenClick();
  Bereich_erwarten("-3,75", "4,25", "-16", "16");
  form->SpeedButton_hoch_schiebenClick();
  Bereich_erwarten("-3,75", "4,25", "-15", "17");
}

TEST_F(Ansichtfenster, SchiebenImStandardbild) {
  form->SpeedButton_rechts_schiebenClick();
  Bereich_erwarten("-7,5", "8,5", "-8", "8");
  EXPECT_EQ(T("Edit_xaSchar"), "-7,5");
  form->SpeedButton_Links_schiebenClick();
  form->SpeedButton_runter_schiebenClick();
  Bereich_erwarten("-8", "8", "-8,5", "7,5");
  // The y axis is again at column 320, the x axis 20 px lower.
  EXPECT_EQ(P(320, 100), kSchwarz);
  EXPECT_EQ(P(100, 300), kSchwarz);
}

TEST_F(Ansichtfenster, ZoomrahmenWirdInvertiertGezeichnet) {
  form->Haken_setzen("CheckBox_ZoomModus", true);
  const QImage vorher = Kopie();
  Druecken(Qt::LeftButton, 100, 100);
  Bewegen(300, 200);
  // The frame is drawn inverted: every changed pixel lies on its border and is the inverse.
  const QImage mit_rahmen = Kopie();
  int geaendert = 0;
  for (int y = 0; y < 641; ++y) {
    for (int x = 0; x < 641; ++x) {
      const QRgb a = vorher.pixel(x, y), b = mit_rahmen.pixel(x, y);
      if (a == b) continue;
      ++geaendert;
      const bool rand = ((x == 100 || x == 299) && y >= 100 && y <= 199) ||
                        ((y == 100 || y == 199) && x >= 100 && x <= 299);
      EXPECT_TRUE(rand) << x << "," << y;
      EXPECT_EQ((a ^ b) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
    }
  }
  EXPECT_GT(geaendert, 200);
  // Moving on erases the old frame.
  Bewegen(150, 150);
  Bewegen(300, 200);
  EXPECT_EQ(Kopie(), mit_rahmen);
  Loslassen(Qt::LeftButton, 300, 200);
  Bereich_erwarten("-5,5", "-0,5", "3", "5,5");
  EXPECT_EQ(T("Edit_xscl"), "0,3125");
  EXPECT_EQ(T("Edit_yscl"), "0,15625");
  EXPECT_EQ(KOS.xscl, 0.3125L);
  EXPECT_EQ(Zoomstufe_x, 1);
  EXPECT_EQ(Zoomstufe_y, 1);
  EXPECT_FALSE(Zoomrahmen_aktiv);
  EXPECT_EQ(Bild().Stift.Modus, TStiftmodus::Kopieren);
}

TEST_F(Ansichtfenster, KlickOhneBewegungImZoommodusAendertNichts) {
  form->Haken_setzen("CheckBox_ZoomModus", true);
  const QImage vorher = Kopie();
  Druecken(Qt::LeftButton, 200, 200);
  Loslassen(Qt::LeftButton, 200, 200);
  Bereich_erwarten("-8", "8", "-8", "8");
  EXPECT_EQ(Kopie(), vorher);
  // A frame without height does not zoom either.
  Druecken(Qt::LeftButton, 100, 200);
  Bewegen(300, 200);
  Loslassen(Qt::LeftButton, 300, 200);
  Bereich_erwarten("-8", "8", "-8", "8");
  EXPECT_EQ(Kopie(), vorher);
}

TEST_F(Ansichtfenster, ZiehenVerschiebtDasKos) {
  Druecken(Qt::LeftButton, 100, 100);
  Bewegen(110, 95);
  Bereich_erwarten("-8,2", "7,8", "-8,1", "7,9");
  Bewegen(110, 95);
  Bereich_erwarten("-8,2", "7,8", "-8,1", "7,9");
  Loslassen(Qt::LeftButton, 110, 95);
  Bewegen(200, 200);  // without a button nothing moves
  Bereich_erwarten("-8,2", "7,8", "-8,1", "7,9");
  // With Shift held the left button does not drag.
  Druecken(Qt::LeftButton, 100, 100, Qt::ShiftModifier);
  Bewegen(150, 150, Qt::ShiftModifier);
  Loslassen(Qt::LeftButton, 150, 150);
  Bereich_erwarten("-8,2", "7,8", "-8,1", "7,9");
}

TEST_F(Ansichtfenster, RechtsklickJeNachModus) {
  {
    SkriptDialoge d;
    SkriptAblage ablage;
    Druecken(Qt::RightButton, 50, 50);
    EXPECT_EQ(ablage.bild_setzungen, 1);
    EXPECT_EQ(ablage.bild, Bild().Bild());
    EXPECT_EQ(d.meldungen, std::vector<std::string>{"Grafik in der Zwischenablage gespeichert"});
  }
  {
    form->Haken_setzen("CheckBox_ZoomModus", true);
    SkriptDialoge d;
    SkriptAblage ablage;
    const QImage vorher = Kopie();
    Druecken(Qt::RightButton, 50, 50);
    Loslassen(Qt::RightButton, 50, 50);
    EXPECT_EQ(ablage.bild_setzungen, 0);
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(Kopie(), vorher);
  }
  {
    form->Haken_setzen("CheckBox_Textmodus", true);
    EXPECT_FALSE(form->Haken("CheckBox_ZoomModus"));
    SkriptDialoge d;
    SkriptAblage ablage;
    const QImage vorher = Kopie();
    Druecken(Qt::RightButton, 100, 200);
    EXPECT_EQ(ablage.bild_setzungen, 0);
    EXPECT_NE(Kopie(), vorher);
  }
}

TEST_F(Ansichtfenster, ModiSchliessenSichAusMitCursorUndHinweis) {
  Bewegen(10, 10);
  EXPECT_EQ(form->Image1->cursor().shape(), Qt::SizeAllCursor);
  EXPECT_EQ(form->Image1->toolTip().toStdString(),
            "Bewegen der Maus bei gedrückter linker Taste \r\nverschiebt das KOS.\r\n\nDrücken "
            "der rechten Maustaste speichert \r\ndie Grafik in der Zwischenablage ab");
  form->Haken_setzen("CheckBox_ZoomModus", true);
  Bewegen(10, 10);
  EXPECT_EQ(form->Image1->cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(form->Image1->toolTip().toStdString(),
            "Bewegen der Maus bei gedrückter linker Taste \r\nzieht einen Zoomrahmen "
            "auf.\r\nLoslassen der Taste führt den Zoom durch.");
  form->Haken_setzen("CheckBox_Textmodus", true);
  EXPECT_FALSE(form->Haken("CheckBox_ZoomModus"));
  Bewegen(10, 10);
  EXPECT_EQ(form->Image1->cursor().shape(), Qt::IBeamCursor);
  EXPECT_EQ(form->Image1->toolTip().toStdString(),
            "Drücken der rechten Maustaste setzt den Text \r\nrechts unterhalb des "
            "Cursormittelpunktes in die Grafik");
  form->Haken_setzen("CheckBox_ZoomModus", true);
  EXPECT_FALSE(form->Haken("CheckBox_Textmodus"));
  form->Haken_setzen("CheckBox_ZoomModus", false);
}

}  // namespace
