#pragma once
// The picture with its canvas, and the drawing primitives every part of the program draws with.
//
// The canvas keeps pen, brush, font and pen position between operations and follows the classic
// raster rules the drawings were designed for: a line leaves out its end pixel and moves the pen
// there; rectangles and ellipses leave out their right and bottom edge; a pen of width 0 is one
// pixel wide; choosing the clear brush makes the brush white; text moves the pen to its right end;
// an opaque brush fills the text box. Nothing else in the program paints on a picture directly.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "kos/UZeichenprotokoll.h"
#include "platform/Typen.h"

// Brush styles, numbered as in the fill-pattern list.
enum : int {
  Pinsel_voll = 0,
  Pinsel_leer = 1,
  Pinsel_waagrecht = 2,
  Pinsel_senkrecht = 3,
  Pinsel_diagonal_vor = 4,
  Pinsel_diagonal_rueck = 5,
  Pinsel_kreuz = 6,
  Pinsel_diagonal_kreuz = 7
};

// Font style bits for Text_schreiben.
enum : int {
  Schrift_fett = 1,
  Schrift_kursiv = 2,
  Schrift_unterstrichen = 4,
  Schrift_durchgestrichen = 8
};

// Pixel value GDI-style readers return for a position outside the picture.
constexpr TFarbe Farbe_ungueltig = 0xFFFFFFFFu;

class TBild {
 public:
  explicit TBild(int breite = 641, int hoehe = 641);

  int Breite() const { return bild_.width(); }
  int Hoehe() const { return bild_.height(); }
  const QImage& Bild() const { return bild_; }

  // Position of the picture in its window (set by Bild_platzieren).
  int Links = 0;
  int Oben = 0;

  // Canvas state. Pen and font may be set freely; the brush goes through its setters because the
  // clear style also whitens the brush colour.
  TStift Stift;
  TSchrift Schrift;
  TFarbe Pinselfarbe() const { return pinselfarbe_; }
  int Pinselstil() const { return pinselstil_; }
  void Pinselfarbe_setzen(TFarbe f) { pinselfarbe_ = f; }
  void Pinselstil_setzen(int stil);
  QPoint Stiftposition() const { return stiftpos_; }

  // Canvas operations.
  void Bewegen_nach(int x, int y);                // move the pen without drawing
  void Linie_nach(int x, int y);                  // line from the pen position, end pixel left out
  void Rechteck(int x1, int y1, int x2, int y2);  // right and bottom exclusive
  void Ellipse(int x1, int y1, int x2, int y2);   // box, right and bottom exclusive
  void Polygon(const std::vector<QPoint>& punkte);  // closed, outlined and filled
  // Arc and pie within box (x1,y1)-(x2,y2), counter-clockwise from the ray through (x3,y3) to
  // the ray through (x4,y4).
  void Bogen(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Torte(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pixel_setzen(int x, int y, TFarbe farbe);
  TFarbe Pixel(int x, int y) const;  // Farbe_ungueltig outside the picture
  void Text_ausgeben(int x, int y, const std::string& text);
  int Textbreite(const std::string& text) const;
  int Texthoehe(const std::string& text) const;

  // New bitmap of the given size, white.
  void Groesse_setzen(int breite, int hoehe);
  // Copy of another picture's pixels (e.g. for the clipboard or a window that keeps a backup).
  void Pixel_uebernehmen(const QImage& quelle);

  // Raised after every change of the pixels, so a widget knows to repaint.
  std::function<void()> Geaendert;
  std::uint64_t Aenderungen() const { return aenderungen_; }

  // Everything drawn since the picture was last cleared; inverting drawings at its end may still
  // be undone by drawing them again, so exports take Protokoll_abgeschlossen().
  const TZeichenprotokoll& Protokoll() const { return protokoll_; }
  TZeichenprotokoll Protokoll_abgeschlossen() const;
  // Pictures that never leave the program (list entries, previews) may draw without recording;
  // their vector form is then a bitmap of their pixels. Switching on starts from that bitmap.
  void Aufzeichnen_setzen(bool an);
  // Draws one recorded entry with its own pen, brush and font (they stay set afterwards).
  void Befehl_ausfuehren(const TZeichenbefehl& b);
  // A picture of the recording's size with all its entries drawn.
  void Protokoll_abspielen(const TZeichenprotokoll& p);

  // The Qt font a TSchrift resolves to (Arial, Courier New and Symbol are mapped to metric twins).
  static QFont Qt_Schrift(const TSchrift& s);

 private:
  // Packs and restores the whole canvas state for the undo history.
  friend class TBildpaket;

  void geaendert();
  void duenne_linie(int x1, int y1, int x2, int y2, int& musterpos);
  void pixel_malen(int x, int y, std::uint32_t rgb);
  bool duenn() const;
  void painter_einrichten(class QPainter& p, bool mit_pinsel) const;
  void flaeche_fuellen(int x1, int y1, int x2, int y2);  // inclusive box, with the brush
  TZeichenbefehl befehl(TBefehlsart art) const;
  void aufzeichnen(TZeichenbefehl b);
  void neu_aufzeichnen(bool mit_bitmap);
  void invertierte_festhalten(TZeichenprotokoll& p) const;
  void bitmap_malen(int x, int y, const QImage& b);

  QImage bild_;
  TFarbe pinselfarbe_ = 0xFFFFFF;
  int pinselstil_ = Pinsel_voll;
  QPoint stiftpos_{0, 0};
  std::uint64_t aenderungen_ = 0;
  TZeichenprotokoll protokoll_;
  bool aufzeichnen_ = true;
};

// Where an arc or a pie lies: its box without the right and bottom edge, and the sweep from the
// radial through (x3, y3) counter-clockwise to the one through (x4, y4), both in 1/16 degree.
// false for a box without area, which draws nothing.
struct TBogenlage {
  QRectF rahmen;
  int start = 0, spanne = 0;
};
bool Bogenlage_bestimmen(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                         TBogenlage& lage);

// The Qt pattern of a brush style (Qt::NoBrush for the clear brush).
Qt::BrushStyle Pinselstil_zu_Qt(int stil);

QColor Farbe_zu_QColor(TFarbe f);
TFarbe QColor_zu_Farbe(const QColor& c);

// ---- primitives: each sets pen, brush and font from its arguments ------------------------

void Linie_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe farbe, int breite,
                    TStiftstil stil);
void Gerade_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe farbe, int breite,
                     TStiftstil stil);
void Rechteck_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe stiftfarbe,
                       TFarbe pinselfarbe, int breite, TStiftstil stiftstil, int pinselstil);
void Bild_fuellen(TBild& bild, TFarbe stiftfarbe, TFarbe pinselfarbe, int breite);
void Bild_leeren(TBild& bild, TFarbe stiftfarbe);
void Viereck_zeichnen(TBild& bild, QPoint A, QPoint B, QPoint C, QPoint D, TFarbe stiftfarbe,
                      TFarbe pinselfarbe, int breite, TStiftstil stiftstil, int pinselstil);
void Kreis_zeichnen(TBild& bild, int x, int y, int r, TFarbe stiftfarbe, TFarbe pinselfarbe,
                    int breite, TStiftstil stiftstil, int pinselstil);
void Kreuz_gerade(TBild& bild, int x, int y, int r, TFarbe farbe, int breite, TStiftstil stil);
void Kreuz_schraeg(TBild& bild, int x, int y, int r, TFarbe farbe, int breite, TStiftstil stil);
void Quadrat_zeichnen(TBild& bild, int x, int y, int r, TFarbe farbe, int breite, TStiftstil stil);
void Pfeil_waagrecht(TBild& bild, int x1, int x2, int y, TFarbe farbe, int breite,
                     TStiftstil stiftstil, int pinselstil, int L, int B);
void Pfeil_senkrecht(TBild& bild, int x, int y1, int y2, TFarbe farbe, int breite,
                     TStiftstil stiftstil, int pinselstil, int L, int B);
void Pfeil_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe stiftfarbe, int breite,
                    TFarbe pinselfarbe, TStiftstil stiftstil, int pinselstil, int L, int B);
void Kreissektor_zeichnen(TBild& bild, int cx, int cy, int x3, int y3, int x4, int y4,
                          TFarbe stiftfarbe, TFarbe pinselfarbe, int breite, TStiftstil stiftstil,
                          int pinselstil);
void Kreisbogen_zeichnen(TBild& bild, int cx, int cy, int x3, int y3, int x4, int y4, TFarbe farbe,
                         int breite, TStiftstil stil);
// schriftstil: Schrift_fett | Schrift_kursiv | ...
void Text_schreiben(TBild& bild, int x, int y, const std::string& text,
                    const std::string& schriftname, int groesse, int pinselstil, int schriftstil,
                    TFarbe farbe);
void Bild_platzieren(TBild& bild, int links, int oben, int breite, int hoehe);
TFarbe Farbe_nach_Nummer(int n);
