#include "windows/Bildflaeche.h"

#include <QMouseEvent>
#include <QPainter>

Bildflaeche::Bildflaeche(int breite, int hoehe, QWidget* eltern, TBild* fremd)
    : QWidget(eltern),
      eigenes_(fremd ? 0 : breite, fremd ? 0 : hoehe),
      Bild(fremd ? *fremd : eigenes_) {
  // The picture covers the whole widget; nothing behind it needs painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  if (fremd && (fremd->Breite() != breite || fremd->Hoehe() != hoehe))
    fremd->Groesse_setzen(breite, hoehe);
  resize(breite, hoehe);
  Bild.Geaendert = [this] { Bild_geaendert(); };
}

Bildflaeche::~Bildflaeche() {
  // A picture that outlives the widget must not call it any more.
  Bild.Geaendert = nullptr;
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
