#pragma once
// The record of everything drawn on a picture since it was last cleared: one entry per canvas
// operation with the pen, brush and font it used, in pixel coordinates. Replayed onto a fresh
// picture it gives the same pixels; replayed onto a vector painter it gives the same drawing with
// sharp lines and real text. Whatever has no vector form (inverting pens, copied pixels) is kept
// as an embedded bitmap of exactly the pixels it changed.

#include <QImage>
#include <QPoint>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Typen.h"

enum class TStiftmodus : int { Kopieren = 0, Invertieren = 1 };

struct TStift {
  TFarbe Farbe = 0x000000;
  int Breite = 1;  // 0 draws like 1
  TStiftstil Stil = TStiftstil::Durchgezogen;
  TStiftmodus Modus = TStiftmodus::Kopieren;
};

enum class TBefehlsart : std::uint8_t {
  Linie,     // k[0..3]: from, to
  Rechteck,  // k[0..3]: box, right and bottom exclusive, ordered
  Ellipse,   // k[0..3]: box as for Rechteck
  Polygon,   // Punkte
  Bogen,     // k[0..7]: box, start ray point, end ray point
  Torte,     // likewise
  Pixel,     // k[0..1], colour in Stift.Farbe
  Text,      // k[0..1]: top left; Schrift and Text
  Bitmap     // k[0..1]: top left of Bitmap, drawn over what is there (transparent pixels keep it)
};

struct TText {
  TSchrift Schrift;
  std::string Inhalt;
};

struct TZeichenbefehl {
  TBefehlsart Art = TBefehlsart::Linie;
  TStift Stift;
  TFarbe Pinselfarbe = 0xFFFFFF;
  int Pinselstil = 1;
  int k[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  std::vector<QPoint> Punkte;
  std::shared_ptr<const TText> Text;
  QImage Bitmap;

  bool operator==(const TZeichenbefehl& b) const;
  bool Invertiert() const { return Stift.Modus == TStiftmodus::Invertieren; }
};

// Entries beyond this many are collapsed into one bitmap of the picture, so a long session does
// not grow without end.
constexpr std::size_t kMaxBefehle = 100000;

struct TZeichenprotokoll {
  int Breite = 1;
  int Hoehe = 1;
  std::vector<TZeichenbefehl> Befehle;
};

// Plain text form: a header line with the size, then one line per entry; bitmaps as base64 PNG.
std::string Protokoll_als_Text(const TZeichenprotokoll& p);
// Refuses anything it does not fully understand (false, fehler in German); p is then unchanged.
// Bounded: at most kMaxBefehle entries, sides up to 20000 and 16 million pixels in all.
bool Protokoll_aus_Text(const std::string& text, TZeichenprotokoll& p, std::string& fehler);
