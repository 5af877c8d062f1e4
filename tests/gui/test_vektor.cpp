// The picture for print from the window: the save button writes SVG and PDF at true size, and the
// picture copy puts the SVG beside the bitmap.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMetaObject>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include "test_plot_fenster.h"
#include "windows/QtDialoge.h"
#include "workbench/Werkbank.h"

namespace {

class Vektorfenster : public Plotfenster {
 protected:
  static QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The SVG drawn at the picture's size; a vector line of one pixel lies on the pixel's centre.
  static QImage Gerastert(const QByteArray& svg) {
    QImage bild(Bild().Bild().size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QSvgRenderer r(svg);
    QPainter p(&bild);
    r.render(&p, QRectF(bild.rect()));
    return bild;
  }
  // Dark pixels of the picture (at least half ink) without ink of the SVG within one pixel.
  static int Ohne_Gegenstueck(const QImage& svg) {
    int n = 0;
    for (int y = 0; y < svg.height(); ++y)
      for (int x = 0; x < svg.width(); ++x) {
        if (qGray(Bild().Bild().pixel(x, y)) >= 128) continue;
        bool da = false;
        for (int dy = -1; dy <= 1 && !da; ++dy)
          for (int dx = -1; dx <= 1 && !da; ++dx)
            da = svg.valid(x + dx, y + dy) && qGray(svg.pixel(x + dx, y + dy)) < 224;
        n += !da;
      }
    return n;
  }
};

TEST_F(Vektorfenster, SpeichernAlsSvgUndPdfMitPlatziertemText) {
  form->Feld("Edit_Text_in_Grafik")->setText(QStringLiteral("Scheitel S(0/0)"));
  form->Text_platzieren(330, 330);
  QTemporaryDir ordner;
  SkriptDialoge d;
  d.antworten_pfad.push_back(ordner.filePath("blatt.svg").toStdString());
  d.antworten_pfad.push_back(ordner.filePath("blatt.pdf").toStdString());
  ASSERT_TRUE(QMetaObject::invokeMethod(form, "SpeedButton_speichernBMPClick"));
  ASSERT_TRUE(QMetaObject::invokeMethod(form, "SpeedButton_speichernBMPClick"));
  EXPECT_TRUE(d.meldungen.empty()) << d.letzte_meldung();

  const QByteArray svg = Lesen(ordner.filePath("blatt.svg"));
  EXPECT_TRUE(svg.contains("width=\"160.25mm\" height=\"160.25mm\""));
  EXPECT_TRUE(svg.contains(">Scheitel S(0/0)</text>"));
  EXPECT_EQ(Ohne_Gegenstueck(Gerastert(svg)), 0);
  // 16.025 cm are 454.252 points of 1/72 inch.
  EXPECT_TRUE(
      Lesen(ordner.filePath("blatt.pdf")).contains("/MediaBox [0 0 454.251969 454.251969]"));
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(Vektorfenster, BildkopieBringtSvgMit) {
  SkriptDialoge d;
  SkriptAblage ablage;
  emit form->Image1->Maus_gedrueckt(Qt::RightButton, Qt::NoModifier, 50, 50);
  ASSERT_EQ(ablage.bild_setzungen, 1);
  EXPECT_EQ(ablage.bild, Bild().Bild());
  EXPECT_EQ(Ohne_Gegenstueck(Gerastert(QByteArray::fromStdString(ablage.svg))), 0);
  EXPECT_EQ(d.letzte_meldung(), "Grafik in der Zwischenablage gespeichert");
}

// In the real save dialog the ending follows the chosen file type.
TEST(Speicherdialog, EndungFolgtDemDateityp) {
  Anwendung();
  QTemporaryDir ordner;
  QtDialoge dialoge;
  int versuche = 500;
  std::function<void()> handeln = [&] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d && versuche-- > 0) {
      QTimer::singleShot(10, handeln);
      return;
    }
    ASSERT_NE(d, nullptr);
    auto* typ = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!typ || !name) {
      d->reject();
      FAIL() << "Dateityp- oder Namensfeld fehlt";
    }
    // As the user picks it: the list reports an activation.
    const int pdf = typ->findText(QStringLiteral("PDF-Dateien (*.pdf)"));
    typ->setCurrentIndex(pdf);
    emit typ->activated(pdf);
    name->setText(QStringLiteral("blatt"));
    if (!QMetaObject::invokeMethod(d, "accept")) {
      d->reject();
      ADD_FAILURE() << "accept fehlt";
    }
  };
  QTimer::singleShot(10, handeln);
  std::string pfad = ordner.path().toStdString() + "/";
  ASSERT_TRUE(dialoge.Speicherpfad_waehlen("Grafik speichern",
                                           "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png);;"
                                           "SVG-Dateien (*.svg);;PDF-Dateien (*.pdf)",
                                           "bmp", pfad));
  EXPECT_EQ(pfad, ordner.filePath(QStringLiteral("blatt.pdf")).toStdString());
}

}  // namespace
