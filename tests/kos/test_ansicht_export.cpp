#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "../support/SkriptDialoge.h"
#include "kos/UBildexport.h"

namespace {

QImage Probebild(int b, int h) {
  QImage bild(b, h, QImage::Format_RGB32);
  bild.fill(Qt::white);
  for (int i = 0; i < std::min(b, h); ++i)
    bild.setPixel(i, i, qRgb(0, 0, 255));
  bild.setPixel(b - 1, 0, qRgb(255, 0, 0));
  return bild;
}

QByteArray Anfang(const QString& name, int n) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.read(n);
}

TEST(Bildpfad, StandardendungUndFormat) {
  EXPECT_EQ(Bildpfad_vervollstaendigen("/tmp/grafik"), "/tmp/grafik.bmp");
  EXPECT_EQ(Bildpfad_vervollstaendigen("/tmp/grafik.png"), "/tmp/grafik.png");
  EXPECT_EQ(Bildpfad_vervollstaendigen("/tmp/grafik.BMP"), "/tmp/grafik.BMP");
  EXPECT_EQ(Bildpfad_vervollstaendigen(""), "");
  EXPECT_STREQ(Bildformat_zu_Pfad("a.png"), "PNG");
  EXPECT_STREQ(Bildformat_zu_Pfad("a.PnG"), "PNG");
  EXPECT_STREQ(Bildformat_zu_Pfad("a.bmp"), "BMP");
  EXPECT_STREQ(Bildformat_zu_Pfad("a"), "BMP");
  EXPECT_STREQ(
      Bild_Dateifilter,
      "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png);;SVG-Dateien (*.svg);;PDF-Dateien (*.pdf)");
  EXPECT_STREQ(Bild_Standardendung, "bmp");
}

TEST(Bilddatei, BitmapUndPngMitAllenPixeln) {
  QTemporaryDir ordner;
  ASSERT_TRUE(ordner.isValid());
  const QImage bild = Probebild(321, 641);
  for (const char* name : {"bild.bmp", "bild.png"}) {
    const QString pfad = ordner.filePath(QString::fromLatin1(name));
    std::string fehler;
    ASSERT_TRUE(Bild_in_Datei_schreiben(bild, pfad.toStdString(), fehler)) << fehler;
    EXPECT_TRUE(fehler.empty());
    QImage gelesen(pfad);
    ASSERT_FALSE(gelesen.isNull()) << name;
    EXPECT_EQ(gelesen.width(), 321);
    EXPECT_EQ(gelesen.height(), 641);
    EXPECT_EQ(gelesen.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(gelesen.pixel(320, 0), qRgb(255, 0, 0));
    EXPECT_EQ(gelesen.pixel(0, 640), qRgb(255, 255, 255));
  }
  EXPECT_EQ(Anfang(ordner.filePath("bild.bmp"), 2), QByteArray("BM"));
  EXPECT_EQ(Anfang(ordner.filePath("bild.png"), 4), QByteArray("\x89PNG"));
  // Only the two pictures are in the folder: no temporary file is left behind.
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 2);
}

TEST(Bilddatei, FehlerWerdenDeutschGemeldet) {
  QTemporaryDir ordner;
  const QImage bild = Probebild(10, 10);
  std::string fehler;
  const std::string unmoeglich = ordner.filePath("gibt/es/nicht/bild.bmp").toStdString();
  EXPECT_FALSE(Bild_in_Datei_schreiben(bild, unmoeglich, fehler));
  EXPECT_EQ(fehler.rfind("Die Grafik konnte nicht gespeichert werden:\n" + unmoeglich, 0), 0u)
      << fehler;
  EXPECT_FALSE(Bild_in_Datei_schreiben(bild, ordner.path().toStdString(), fehler));
  EXPECT_FALSE(fehler.empty());
  EXPECT_FALSE(Bild_in_Datei_schreiben(QImage(), ordner.filePath("x.bmp").toStdString(), fehler));
  EXPECT_FALSE(QFile::exists(ordner.filePath("x.bmp")));
}

class Speichern : public ::testing::Test {
 protected:
  QTemporaryDir ordner;
  SkriptDialoge d;
  QImage bild = Probebild(641, 641);
  std::string Pfad(const char* name) { return ordner.filePath(name).toStdString(); }
};

TEST_F(Speichern, AbbruchSpeichertNichts) {
  EXPECT_FALSE(Bild_speichern_Dialog(bild));
  ASSERT_EQ(d.meldungen.size(), 1u);
  EXPECT_EQ(d.meldungen[0], "Grafik nicht gespeichert");
  ASSERT_EQ(d.speicher_filter.size(), 1u);
  EXPECT_EQ(
      d.speicher_filter[0],
      "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png);;SVG-Dateien (*.svg);;PDF-Dateien (*.pdf)");
  EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(Speichern, OhneEndungWirdBitmapGeschrieben) {
  d.antworten_pfad.push_back(Pfad("blatt"));
  EXPECT_TRUE(Bild_speichern_Dialog(bild));
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_TRUE(d.fragen.empty());
  EXPECT_EQ(Anfang(ordner.filePath("blatt.bmp"), 2), QByteArray("BM"));
}

TEST_F(Speichern, UeberschreibenNurNachJa) {
  QFile alt(ordner.filePath("alt.bmp"));
  ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
  alt.write("vorher");
  alt.close();
  d.antworten_pfad.push_back(Pfad("alt.bmp"));
  d.antworten_frage.push_back(false);
  EXPECT_FALSE(Bild_speichern_Dialog(bild));
  ASSERT_EQ(d.fragen.size(), 1u);
  EXPECT_EQ(d.fragen[0], "alt.bmp existiert bereits.\nMöchten Sie sie ersetzen?");
  EXPECT_EQ(d.letzte_meldung(), "Grafik nicht gespeichert");
  EXPECT_EQ(Anfang(ordner.filePath("alt.bmp"), 6), QByteArray("vorher"));

  d.antworten_pfad.push_back(Pfad("alt.bmp"));
  d.antworten_frage.push_back(true);
  EXPECT_TRUE(Bild_speichern_Dialog(bild));
  EXPECT_EQ(QImage(ordner.filePath("alt.bmp")).size(), QSize(641, 641));
}

TEST_F(Speichern, SchreibfehlerWirdGemeldet) {
  d.antworten_pfad.push_back(Pfad("fehlt/bild.png"));
  EXPECT_FALSE(Bild_speichern_Dialog(bild));
  ASSERT_EQ(d.meldungen.size(), 1u);
  EXPECT_EQ(d.meldungen[0].rfind("Die Grafik konnte nicht gespeichert werden:", 0), 0u);
}

TEST(Zwischenablage, BildMitMeldung) {
  SkriptDialoge d;
  SkriptAblage ablage;
  const QImage bild = Probebild(20, 30);
  Bild_in_Zwischenablage(bild);
  EXPECT_EQ(ablage.bild_setzungen, 1);
  EXPECT_EQ(ablage.bild, bild);
  EXPECT_EQ(d.letzte_meldung(), "Grafik in der Zwischenablage gespeichert");
}

}  // namespace
