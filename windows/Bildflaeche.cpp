#include "windows/Bildflaeche.h"

#include <QMouseEvent>
#include <QPainter>

Bildflaeche::Bildflaeche(int breite, int hoehe, QWidget* eltern)
    : QWidget(eltern), Bild(breite, hoehe) {
  // The picture covers the whole widget; nothing behind it needs painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  resize(breite, hoehe);
  Bild.Geaendert = [this] { Bild_geaendert(); };
}

void Bildflaeche::Bild_geaendert() {
  // Bild_platzieren moves and resizes the picture; the widget goes with it.
  if (parentWidget() && (x() != Bild.Links || y() != Bild.Oben)) move(Bild.Links, Bild.Oben);
  if (width() != Bild.Breite() || height() != Bild.Hoehe()) resize(Bild.Breite(), Bild.Hoehe());
  update();
}

void Bildflaeche::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(QPoint(0, 0), Bild.Bild());
}

namespace {
QPoint Pixel(const QMouseEvent* e) {
  return e->position().toPoint();
}
}  // namespace

void Bildflaeche::mousePressEvent(QMouseEvent* e) {
  QPoint p = Pixel(e);
  emit Maus_gedrueckt(e->button(), e->modifiers(), p.x(), p.y());
}

void Bildflaeche::mouseMoveEvent(QMouseEvent* e) {
  QPoint p = Pixel(e);
  emit Maus_bewegt(e->modifiers(), p.x(), p.y());
}

void Bildflaeche::mouseReleaseEvent(QMouseEvent* e) {
  QPoint p = Pixel(e);
  emit Maus_losgelassen(e->button(), e->modifiers(), p.x(), p.y());
}

void Bildflaeche::mouseDoubleClickEvent(QMouseEvent*) {
  emit Doppelklick();
}
