#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <climits>

#include "table/UStringGrid.h"

namespace {

void Anwendung() {
  static int argc = 1;
  static char name[] = "table_tests";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

struct Tinte {
  int links = INT_MAX, rechts = -1, oben = INT_MAX, unten = -1;
};

// Where the dark text pixels are.
Tinte Tinte_finden(const QImage& bild) {
  Tinte t;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x)
      if (qGray(bild.pixel(x, y)) < 128) {
        t.links = std::min(t.links, x);
        t.rechts = std::max(t.rechts, x);
        t.oben = std::min(t.oben, y);
        t.unten = std::max(t.unten, y);
      }
  return t;
}

QImage Zeichnen(const Tabelle& t, QSize groesse, QRect zelle, bool umbrechen, TAusrichtung a) {
  QImage bild(groesse, QImage::Format_RGB32);
  bild.fill(Qt::white);
  QPainter p(&bild);
  p.setBrush(QColor(255, 251, 240));
  p.setPen(Qt::black);
  QFont f("Arial");
  f.setPointSize(8);
  p.setFont(f);
  Zelle_zeichnen(t, 1, 1, p, zelle, umbrechen, a);
  p.end();
  return bild;
}

}  // namespace

TEST(Zelle_zeichnen, FuelltMitDemPinselUndRichtetOhneRandAus) {
  Anwendung();
  Tabelle t;
  t.Zelle_setzen(1, 1, "12");
  const QRect zelle(0, 0, 80, 16);
  const Tinte links = Tinte_finden(Zeichnen(t, {80, 16}, zelle, false, TAusrichtung::Links));
  const Tinte rechts = Tinte_finden(Zeichnen(t, {80, 16}, zelle, false, TAusrichtung::Rechts));
  const Tinte mitte = Tinte_finden(Zeichnen(t, {80, 16}, zelle, false, TAusrichtung::Mitte));
  ASSERT_GE(links.rechts, 0);
  EXPECT_LE(links.links, 2);
  EXPECT_GE(rechts.rechts, 77);
  EXPECT_GT(rechts.links, 60);
  EXPECT_NEAR((mitte.links + mitte.rechts) / 2.0, 40, 3);
  // the brush fills the whole cell
  const QImage bild = Zeichnen(t, {80, 16}, zelle, false, TAusrichtung::Rechts);
  EXPECT_EQ(QColor(bild.pixel(0, 0)), QColor(255, 251, 240));
  EXPECT_EQ(QColor(bild.pixel(79, 15)), QColor(255, 251, 240));
}

TEST(Zelle_zeichnen, EinzeiligBeschnittenOderMitUmbruch) {
  Anwendung();
  Tabelle t;
  t.Zelle_setzen(1, 1, "abc def ghi jkl");
  const QRect zelle(10, 10, 30, 60);
  const Tinte einzeilig = Tinte_finden(Zeichnen(t, {60, 80}, zelle, false, TAusrichtung::Links));
  const Tinte umbrochen = Tinte_finden(Zeichnen(t, {60, 80}, zelle, true, TAusrichtung::Links));
  ASSERT_GE(einzeilig.rechts, 0);
  ASSERT_GE(umbrochen.rechts, 0);
  EXPECT_LT(einzeilig.unten - einzeilig.oben, 14);  // one line
  EXPECT_GT(umbrochen.unten - umbrochen.oben, 20);  // several lines
  // nothing is drawn outside the cell
  for (const Tinte& tinte : {einzeilig, umbrochen}) {
    EXPECT_GE(tinte.links, 10);
    EXPECT_LE(tinte.rechts, 39);
    EXPECT_GE(tinte.oben, 10);
    EXPECT_LE(tinte.unten, 69);
  }
}

TEST(Zelle_zeichnen, LeereZelleNurGefuellt) {
  Anwendung();
  Tabelle t;
  const QImage bild = Zeichnen(t, {40, 16}, QRect(0, 0, 40, 16), false, TAusrichtung::Rechts);
  EXPECT_EQ(Tinte_finden(bild).rechts, -1);
  EXPECT_EQ(QColor(bild.pixel(20, 8)), QColor(255, 251, 240));
}

TEST(Zelle_zeichnen, ZuLangeZahlZeigtIhreErstenZiffern) {
  Anwendung();
  Tabelle t;
  t.Zelle_setzen(1, 1, "2,03960780543711");
  const QRect zelle(0, 0, 40, 16);
  EXPECT_EQ(Zeichnen(t, {40, 16}, zelle, false, TAusrichtung::Rechts),
            Zeichnen(t, {40, 16}, zelle, false, TAusrichtung::Links));
  t.Zelle_setzen(1, 1, "2,5");
  EXPECT_NE(Zeichnen(t, {40, 16}, zelle, false, TAusrichtung::Rechts),
            Zeichnen(t, {40, 16}, zelle, false, TAusrichtung::Links));
}
