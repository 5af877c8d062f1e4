#pragma once
// A widget that owns a picture and shows it pixel for pixel (no scaling, no smoothing), so that
// what the user sees, grab() and the picture itself agree. It follows the picture's position
// and size (Bild_platzieren) and passes mouse events on with picture pixel coordinates.

#include <QWidget>

#include "kos/UGrafik.h"

class Bildflaeche : public QWidget {
  Q_OBJECT

 public:
  // fremd: a picture that lives elsewhere (the sheet's), shown instead of an own one.
  explicit Bildflaeche(int breite = 641, int hoehe = 641, QWidget* eltern = nullptr,
                       TBild* fremd = nullptr);
  ~Bildflaeche() override;

 private:
  TBild eigenes_;

 public:
  // The picture; every drawing goes here, the widget repaints by itself.
  TBild& Bild;

 signals:
  void Maus_gedrueckt(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int x, int y);
  void Maus_bewegt(Qt::KeyboardModifiers umschalt, int x, int y);
  void Maus_losgelassen(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int x, int y);
  void Doppelklick();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void mouseDoubleClickEvent(QMouseEvent* ereignis) override;

 private:
  void Bild_geaendert();
};
