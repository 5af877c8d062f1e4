#pragma once
// The picture as vectors for printing: the recording of its drawing replayed onto a vector
// painter, so that 40 pixels become exactly 1 cm on paper, lines stay lines and texts stay text.

#include <QByteArray>

#include "kos/UZeichenprotokoll.h"

class QPainter;
class TBild;

constexpr double kPixel_pro_cm = 40.0;

// Draws the recording onto a painter whose coordinates are the picture's pixels.
void Protokoll_vektoriell_malen(const TZeichenprotokoll& p, QPainter& maler);

// The picture as an SVG or PDF document of its true size (pixels / 40 cm); empty on failure.
QByteArray Bild_als_SVG(const TBild& bild);
QByteArray Bild_als_PDF(const TBild& bild);
