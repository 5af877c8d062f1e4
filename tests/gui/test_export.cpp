// Text in the picture, its font, the axis captions, saving the picture and the two clipboard
// copies, from the window.

#include <QFile>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "test_plot_fenster.h"
#include "workbench/Werkbank.h"

namespace {

class Exportfenster : public Plotfenster {
 protected:
  static void Rechtsklick_auf(const char* gruppe, Qt::KeyboardModifiers m) {
    QWidget* w = form->Element(gruppe);
    ASSERT_NE(w, nullptr) << gruppe;
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)),
                      Qt::RightButton, Qt::RightButton, m);
    QApplication::sendEvent(w, &druck);
  }
};

TEST_F(Exportfenster, TextWirdTransparentRechtsUnterhalbGesetzt) {
  form->Haken_setzen("CheckBox_Textmodus", true);
  const QImage vorher = Kopie();
  emit form->Image1->Maus_gedrueckt(Qt::LeftButton, Qt::NoModifier, 100, 200);
  emit form->Image1->Maus_losgelassen(Qt::LeftButton, Qt::NoModifier, 100, 200);
  EXPECT_EQ(Kopie(), vorher);  // the left button places nothing

  emit form->Image1->Maus_gedrueckt(Qt::RightButton, Qt::NoModifier, 100, 200);
  EXPECT_EQ(T("Edit_Text_in_Grafik"), "P(6/4)");
  int blau = 0, im_kasten = 0;
  for (int y = 0; y < 641; ++y) {
    for (int x = 0; x < 641; ++x) {
      const TFarbe p = P(x, y);
      const bool kasten = x >= 100 && x < 160 && y >= 200 && y < 220;
      if (p == kBlau) {
        ++blau;
        im_kasten += kasten;
      } else {
        // Everything that is not a letter stays as it was: the grid shows between the letters.
        EXPECT_EQ(QColor(vorher.pixel(x, y)), Farbe_zu_QColor(p)) << x << "," << y;
      }
    }
  }
  EXPECT_GT(blau, 40);
  EXPECT_EQ(im_kasten, blau);
  // The top-left corner is the click: the text reaches close to column 100 and row 200.
  int links = 641, oben = 641;
  for (int y = 200; y < 220; ++y) {
    for (int x = 100; x < 160; ++x) {
      if (P(x, y) == kBlau) {
        links = std::min(links, x);
        oben = std::min(oben, y);
      }
    }
  }
  EXPECT_LE(links, 102);
  EXPECT_LE(oben, 204);
  form->Haken_setzen("CheckBox_Textmodus", false);
}

TEST_F(Exportfenster, TextfeldUndAchsenbeschriftungFolgenDerEingabe) {
  form->Feld("Edit_Text_in_Grafik")->setText(QStringLiteral("A(1/2)"));
  EXPECT_EQ(Werkbank.Grafiktext, "A(1/2)");
  const QImage mit_x = Kopie();
  form->Feld("Edit_xBeschrift")->setText(QStringLiteral("t"));
  EXPECT_EQ(KOS.xBeschriftung, "t");
  form->Feld("Edit_yBeschrift")->setText(QStringLiteral("s"));
  EXPECT_EQ(KOS.yBeschriftung, "s");
  form->SpeedButton_PlotClick();
  // Only the caption corners change.
  const QImage mit_t = Kopie();
  int anders = 0;
  for (int y = 0; y < 641; ++y) {
    for (int x = 0; x < 641; ++x) {
      if (mit_x.pixel(x, y) == mit_t.pixel(x, y)) continue;
      ++anders;
      const bool x_ecke = x > 580 && y > 280 && y < 320;
      const bool y_ecke = x > 320 && x < 360 && y < 30;
      EXPECT_TRUE(x_ecke || y_ecke) << x << "," << y;
    }
  }
  EXPECT_GT(anders, 10);
  form->Feld("Edit_xBeschrift")->setText(QStringLiteral("x"));
  form->Feld("Edit_yBeschrift")->setText(QStringLiteral("y"));
}

TEST_F(Exportfenster, SchriftauswahlMitVorschau) {
  SkriptDialoge d;
  TSchrift neu;
  neu.Name = "Courier New";
  neu.Groesse = 14;
  neu.fett = true;
  neu.kursiv = true;
  neu.Farbe = 0x0000FF;
  d.antworten_schrift.push_back(neu);
  form->SpeedButton_FontAuswahlClick();
  EXPECT_EQ(Werkbank.Textschrift.Name, "Courier New");
  EXPECT_EQ(Werkbank.Textschrift.Groesse, 14);
  EXPECT_TRUE(Werkbank.Textschrift.fett);
  EXPECT_TRUE(Werkbank.Textschrift.kursiv);
  EXPECT_FALSE(Werkbank.Textschrift.unterstrichen);
  EXPECT_EQ(Werkbank.Textschrift.Farbe, 0x0000FFu);
  const QFont f = form->Feld("Edit_Text_in_Grafik")->font();
  EXPECT_EQ(f.pixelSize(), 19);  // 14 pt at 96 dots per inch, as in the picture
  EXPECT_EQ(f.family(), QStringLiteral("Liberation Mono"));
  EXPECT_TRUE(f.bold());
  EXPECT_TRUE(f.italic());
  EXPECT_EQ(form->Feld("Edit_Text_in_Grafik")->palette().color(QPalette::Text), QColor(255, 0, 0));
  // The placed text takes the chosen colour.
  form->Text_platzieren(300, 400);
  int rot = 0;
  for (int y = 400; y < 430; ++y)
    for (int x = 300; x < 400; ++x)
      rot += P(x, y) == kRot;
  EXPECT_GT(rot, 40);
  // Cancelled: the settings stay as they are.
  form->SpeedButton_FontAuswahlClick();
  EXPECT_EQ(Werkbank.Textschrift.Name, "Courier New");
  EXPECT_EQ(Werkbank.Textschrift.Groesse, 14);
  EXPECT_EQ(Werkbank.Textschrift.Farbe, 0x0000FFu);
}

TEST_F(Exportfenster, SpeichernAlsBitmapUndPng) {
  QTemporaryDir ordner;
  SkriptDialoge d;
  d.antworten_pfad.push_back(ordner.filePath("bild.bmp").toStdString());
  d.antworten_pfad.push_back(ordner.filePath("bild.png").toStdString());
  form->SpeedButton_speichernBMPClick();
  form->SpeedButton_speichernBMPClick();
  EXPECT_TRUE(d.meldungen.empty());
  ASSERT_EQ(d.speicher_filter.size(), 2u);
  EXPECT_EQ(
      d.speicher_filter[0],
      "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png);;SVG-Dateien (*.svg);;PDF-Dateien (*.pdf)");
  for (const char* name : {"bild.bmp", "bild.png"}) {
    QImage gelesen(ordner.filePath(name));
    ASSERT_EQ(gelesen.size(), QSize(641, 641)) << name;
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), Bild().Bild()) << name;
  }
  QFile bmp(ordner.filePath("bild.bmp"));
  ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
  EXPECT_EQ(bmp.read(2), QByteArray("BM"));
}

TEST_F(Exportfenster, SchmalesBildWirdInSeinerBreiteGespeichert) {
  for (int i = 0; i < 8; ++i)
    form->SpeedButton_Bildbreite_kleinerClick();
  EXPECT_EQ(T("Edit_Bildbreite"), "8");
  QTemporaryDir ordner;
  SkriptDialoge d;
  d.antworten_pfad.push_back(ordner.filePath("schmal").toStdString());
  form->SpeedButton_speichernBMPClick();
  EXPECT_EQ(QImage(ordner.filePath("schmal.bmp")).size(), QSize(321, 641));
}

TEST_F(Exportfenster, AbbruchUeberschreibenUndSchreibfehler) {
  QTemporaryDir ordner;
  SkriptDialoge d;
  form->SpeedButton_speichernBMPClick();
  EXPECT_EQ(d.letzte_meldung(), "Grafik nicht gespeichert");
  EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());

  QFile alt(ordner.filePath("alt.bmp"));
  ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
  alt.write("alt");
  alt.close();
  d.antworten_pfad.push_back(ordner.filePath("alt.bmp").toStdString());
  d.antworten_frage.push_back(false);
  form->SpeedButton_speichernBMPClick();
  EXPECT_EQ(d.fragen.size(), 1u);
  EXPECT_EQ(d.letzte_meldung(), "Grafik nicht gespeichert");
  ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
  EXPECT_EQ(alt.readAll(), QByteArray("alt"));
  alt.close();

  d.antworten_pfad.push_back(ordner.filePath("fehlt/bild.bmp").toStdString());
  form->SpeedButton_speichernBMPClick();
  EXPECT_EQ(d.letzte_meldung().rfind("Die Grafik konnte nicht gespeichert werden:", 0), 0u);
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{"alt.bmp"});
}

TEST_F(Exportfenster, ClientbereichNurMitRechterTasteOhneUmschalter) {
  for (const char* gruppe : {"GroupBox2", "GroupBoxInterpolation"}) {
    SkriptDialoge d;
    SkriptAblage ablage;
    Rechtsklick_auf(gruppe, Qt::ShiftModifier);
    EXPECT_EQ(ablage.bild_setzungen, 0);
    EXPECT_TRUE(d.meldungen.empty());
    Rechtsklick_auf(gruppe, Qt::NoModifier);
    EXPECT_EQ(ablage.bild_setzungen, 1) << gruppe;
    EXPECT_EQ(ablage.bild.size(), QSize(1314, 712));
    EXPECT_EQ(d.letzte_meldung(), "Clientbereich in der Zwischenablage gespeichert");
  }
}

}  // namespace
