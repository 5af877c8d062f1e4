#pragma once
// A picture kept small for the undo history: pixels losslessly compressed, drawing record
// compressed, canvas state as it was. Unpacking gives the very same picture back.
//
// Pixels are coded row by row as the difference to the row above (plots repeat their grid and
// axes from row to row), runs of unchanged words are counted instead of stored, and the result
// is deflated at the fastest level. The drawing record goes into the same stream in a direct
// binary form, so every entry comes back equal, embedded bitmaps included. The stream is native
// byte order: a package lives in memory only and is never written to a file.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <cstddef>
#include <cstdint>

#include "kos/UGrafik.h"

class TBildpaket {
 public:
  static TBildpaket Packen(const TBild& bild);
  // ziel gets exactly the packed picture: size, pixels (same QImage format), drawing record,
  // pen, brush colour and style, font, pen position, Links/Oben, recording switch and change
  // counter. ziel's own Geaendert callback stays and is called once afterwards.
  // false (ziel untouched) when the package holds nothing (default-constructed) or its data
  // cannot be decoded.
  bool Entpacken(TBild& ziel) const;
  std::size_t Bytes() const;  // heap bytes this package holds
  // true when bild is the packed picture (pixels and drawing record); decodes the stream but
  // builds no picture, and rejects a different size, format or record length without decoding.
  bool Gleich(const TBild& bild) const;

 private:
  QByteArray daten_;  // compressed pixels and drawing record; empty: nothing packed
  int breite_ = 0, hoehe_ = 0;
  int format_ = QImage::Format_Invalid;
  std::size_t befehle_ = 0;
  TStift stift_;
  TSchrift schrift_;
  TFarbe pinselfarbe_ = 0xFFFFFF;
  int pinselstil_ = Pinsel_voll;
  QPoint stiftpos_;
  int links_ = 0, oben_ = 0;
  bool aufzeichnen_ = true;
  std::uint64_t aenderungen_ = 0;
};
