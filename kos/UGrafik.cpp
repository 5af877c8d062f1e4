#include "kos/UGrafik.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMaxSeite = 20000;  // largest picture side accepted by Groesse_setzen

std::uint32_t zu_rgb(TFarbe f) {
  return 0xFF000000u | ((f & 0xFFu) << 16) | (f & 0xFF00u) | ((f >> 16) & 0xFFu);
}

TFarbe aus_rgb(std::uint32_t p) {
  return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

// Text needs a font database, which needs an application object. Programs and GUI tests create
// one themselves; core code that draws text without one (a test or a benchmark) gets one here.
void Anwendung_sicherstellen() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "quadrix";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

std::string klein(const std::string& s) {
  std::string r = s;
  // ASCII only: font names are compared the same way under every locale.
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return r;
}

bool gleich(const TSchrift& a, const TSchrift& b) {
  return a.Name == b.Name && a.Groesse == b.Groesse && a.fett == b.fett && a.kursiv == b.kursiv &&
         a.unterstrichen == b.unterstrichen && a.durchgestrichen == b.durchgestrichen;
}

// Font cache: building a QFont and its metrics for every label would dominate the picture.
struct Schriftcache {
  bool gueltig = false;
  TSchrift schluessel;
  QFont font;
  QFontMetrics* metrik = nullptr;
};

// Kept for the whole run and never destroyed: fonts must not outlive the application object.
Schriftcache& cache() {
  static Schriftcache* c = new Schriftcache;
  return *c;
}

const Schriftcache& Schrift_holen(const TSchrift& s) {
  Anwendung_sicherstellen();
  Schriftcache& c = cache();
  if (!c.gueltig || !gleich(c.schluessel, s)) {
    c.font = TBild::Qt_Schrift(s);
    delete c.metrik;
    c.metrik = new QFontMetrics(c.font);
    c.schluessel = s;
    c.gueltig = true;
  }
  return c;
}

const QFontMetrics& Metrik(const TSchrift& s) {
  return *Schrift_holen(s).metrik;
}

Qt::BrushStyle Qt_Pinselstil(int stil) {
  switch (stil) {
    case Pinsel_voll:
      return Qt::SolidPattern;
    case Pinsel_waagrecht:
      return Qt::HorPattern;
    case Pinsel_senkrecht:
      return Qt::VerPattern;
    case Pinsel_diagonal_vor:
      return Qt::FDiagPattern;
    case Pinsel_diagonal_rueck:
      return Qt::BDiagPattern;
    case Pinsel_kreuz:
      return Qt::CrossPattern;
    case Pinsel_diagonal_kreuz:
      return Qt::DiagCrossPattern;
    default:
      return Qt::NoBrush;
  }
}

// Degrees (Qt counts counter-clockwise from three o'clock, y upwards) of the ray from the centre
// through (x, y).
double Winkel(double cx, double cy, double x, double y) {
  if (x == cx && y == cy) return 0;
  double w = std::atan2(-(y - cy), x - cx) * 180.0 / M_PI;
  if (w < 0) w += 360.0;
  return w;
}

// Bresenham keeps coordinates in int; far-away end points are pulled in along the line first.
constexpr long long kLinienGrenze = 1LL << 24;

TZeichenbefehl kasten(TZeichenbefehl b, int x1, int y1, int x2, int y2) {
  b.k[0] = x1;
  b.k[1] = y1;
  b.k[2] = x2;
  b.k[3] = y2;
  return b;
}

TZeichenbefehl bogen(TZeichenbefehl b, std::initializer_list<int> k) {
  std::copy(k.begin(), k.end(), b.k);
  return b;
}

// Only the pen draws with the inverting mode; text and single pixels always copy.
bool invertierbar(TBefehlsart a) {
  return a != TBefehlsart::Pixel && a != TBefehlsart::Text && a != TBefehlsart::Bitmap;
}

// An opaque box over the whole picture hides everything recorded before it.
bool deckt_alles(const TZeichenbefehl& b, int breite, int hoehe) {
  return b.Art == TBefehlsart::Rechteck && b.Stift.Modus == TStiftmodus::Kopieren &&
         b.Stift.Stil == TStiftstil::Durchgezogen && b.Pinselstil == Pinsel_voll && b.k[0] <= 0 &&
         b.k[1] <= 0 && b.k[2] >= breite && b.k[3] >= hoehe;
}

}  // namespace

bool Bogenlage_bestimmen(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                         TBogenlage& lage) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x2 <= x1 || y2 <= y1) return false;
  const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
  const double a = Winkel(cx, cy, x3, y3);
  double span = Winkel(cx, cy, x4, y4) - a;
  if (span <= 0) span += 360.0;
  lage.rahmen = QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
  lage.start = static_cast<int>(std::lround(a * 16));
  lage.spanne = static_cast<int>(std::lround(span * 16));
  return true;
}

Qt::BrushStyle Pinselstil_zu_Qt(int stil) {
  return Qt_Pinselstil(stil);
}

// ---- colours ---------------------------------------------------------------------------------

QColor Farbe_zu_QColor(TFarbe f) {
  return QColor(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF),
                static_cast<int>((f >> 16) & 0xFF));
}

TFarbe QColor_zu_Farbe(const QColor& c) {
  return static_cast<TFarbe>(c.red()) | (static_cast<TFarbe>(c.green()) << 8) |
         (static_cast<TFarbe>(c.blue()) << 16);
}

// ---- TBild -------------------------------------------------------------------------------------

TBild::TBild(int breite, int hoehe) {
  Groesse_setzen(breite, hoehe);
}

void TBild::Groesse_setzen(int breite, int hoehe) {
  breite = std::clamp(breite, 1, kMaxSeite);
  hoehe = std::clamp(hoehe, 1, kMaxSeite);
  bild_ = QImage(breite, hoehe, QImage::Format_RGB32);
  bild_.fill(0xFFFFFFFFu);
  neu_aufzeichnen(false);
  geaendert();
}

void TBild::Pixel_uebernehmen(const QImage& quelle) {
  bild_ = quelle.convertToFormat(QImage::Format_RGB32);
  neu_aufzeichnen(true);
  geaendert();
}

void TBild::geaendert() {
  ++aenderungen_;
  if (Geaendert) Geaendert();
}

void TBild::Pinselstil_setzen(int stil) {
  pinselstil_ = stil;
  if (stil == Pinsel_leer) pinselfarbe_ = 0xFFFFFF;
}

bool TBild::duenn() const {
  return Stift.Breite <= 1;
}

void TBild::pixel_malen(int x, int y, std::uint32_t rgb) {
  if (x < 0 || y < 0 || x >= bild_.width() || y >= bild_.height()) return;
  auto* zeile = reinterpret_cast<std::uint32_t*>(bild_.scanLine(y));
  if (Stift.Modus == TStiftmodus::Invertieren) {
    zeile[x] = 0xFF000000u | (~zeile[x] & 0x00FFFFFFu);
  } else {
    zeile[x] = rgb;
  }
}

// One-pixel line without its end pixel; dotted pens show three pixels, leave three.
void TBild::duenne_linie(int x1, int y1, int x2, int y2, int& musterpos) {
  if (Stift.Stil == TStiftstil::Unsichtbar) return;
  const bool gepunktet = Stift.Stil == TStiftstil::Gepunktet;
  const std::uint32_t rgb = zu_rgb(Stift.Farbe);
  long long dx = std::llabs(static_cast<long long>(x2) - x1);
  long long dy = std::llabs(static_cast<long long>(y2) - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  const long long n = std::max(dx, dy);
  const int W = bild_.width(), H = bild_.height();
  // Horizontal and vertical lines (grids, axes, frames) are the common case; clip them directly.
  if (dy == 0 || dx == 0) {
    long long a = 0, b = n;  // steps to draw: a .. b-1
    if (dy == 0) {
      if (y1 < 0 || y1 >= H) return;
      if (sx > 0) {
        a = std::max<long long>(0, -static_cast<long long>(x1));
        b = std::min<long long>(n, static_cast<long long>(W) - x1);
      } else {
        a = std::max<long long>(0, static_cast<long long>(x1) - (W - 1));
        b = std::min<long long>(n, static_cast<long long>(x1) + 1);
      }
    } else {
      if (x1 < 0 || x1 >= W) return;
      if (sy > 0) {
        a = std::max<long long>(0, -static_cast<long long>(y1));
        b = std::min<long long>(n, static_cast<long long>(H) - y1);
      } else {
        a = std::max<long long>(0, static_cast<long long>(y1) - (H - 1));
        b = std::min<long long>(n, static_cast<long long>(y1) + 1);
      }
    }
    if (a < b) {
      // One detach for the whole line, then plain stores along the row or column.
      auto* basis = reinterpret_cast<std::uint32_t*>(bild_.bits());
      const qsizetype schritt_zeile = bild_.bytesPerLine() / 4;
      const qsizetype schritt = dy == 0 ? sx : sy * schritt_zeile;
      std::uint32_t* q = basis + static_cast<qsizetype>(y1) * schritt_zeile + x1 + schritt * a;
      const bool invert = Stift.Modus == TStiftmodus::Invertieren;
      for (long long k = a; k < b; ++k, q += schritt) {
        if (gepunktet && ((musterpos + k) % 6) >= 3) continue;
        *q = invert ? (0xFF000000u | (~*q & 0x00FFFFFFu)) : rgb;
      }
    }
    musterpos = static_cast<int>((musterpos + n) % 6);
    return;
  }
  // Both ends beyond the same edge: nothing of the line can show.
  if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= W && x2 >= W) || (y1 >= H && y2 >= H)) {
    musterpos = static_cast<int>((musterpos + n) % 6);
    return;
  }
  // Bresenham along the major axis a with the minor axis b. The state after k steps is known in
  // closed form, so the walk starts and ends where the line can be inside the picture.
  const bool x_haupt = dx >= dy;
  const long long D = x_haupt ? dx : dy, d = x_haupt ? dy : dx;
  const long long a1 = x_haupt ? x1 : y1, b1 = x_haupt ? y1 : x1;
  const long long sa = x_haupt ? sx : sy, sb = x_haupt ? sy : sx;
  const long long A = x_haupt ? W : H, Bm = x_haupt ? H : W;
  const long long e0 = D / 2;
  long long k0 = 0, k1 = n;
  if (sa > 0) {
    k0 = std::max(k0, -a1);
    k1 = std::min(k1, A - a1);
  } else {
    k0 = std::max(k0, a1 - A + 1);
    k1 = std::min(k1, a1 + 1);
  }
  const long long m_lo = sb > 0 ? -b1 : b1 - Bm + 1;
  const long long m_hi = sb > 0 ? Bm - 1 - b1 : b1;
  k0 = std::max(k0, (m_lo * D + e0) / d - 2);
  k1 = std::min(k1, (m_hi * D + e0) / d + 3);
  if (k0 < k1) {
    const long long t = k0 * d - e0;
    const long long m = t > 0 ? (t + D - 1) / D : 0;
    long long err = e0 - k0 * d + m * D;
    long long pa = a1 + sa * k0, pb = b1 + sb * m;
    for (long long k = k0; k < k1; ++k) {
      if (!gepunktet || ((musterpos + k) % 6) < 3) {
        const long long x = x_haupt ? pa : pb, y = x_haupt ? pb : pa;
        if (x >= 0 && y >= 0 && x < W && y < H)
          pixel_malen(static_cast<int>(x), static_cast<int>(y), rgb);
      }
      pa += sa;
      err -= d;
      if (err < 0) {
        pb += sb;
        err += D;
      }
    }
  }
  musterpos = static_cast<int>((musterpos + n) % 6);
}

void TBild::painter_einrichten(QPainter& p, bool mit_pinsel) const {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  if (Stift.Modus == TStiftmodus::Invertieren)
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
  if (Stift.Stil == TStiftstil::Unsichtbar) {
    p.setPen(Qt::NoPen);
  } else {
    QPen pen(Farbe_zu_QColor(Stift.Farbe));
    if (Stift.Breite <= 1) {
      pen.setWidth(1);
      pen.setCosmetic(true);
      if (Stift.Stil == TStiftstil::Gepunktet) pen.setDashPattern({3.0, 3.0});
    } else {
      // Wide pens know no dots; they are drawn solid with round ends.
      pen.setWidth(Stift.Breite);
      pen.setCapStyle(Qt::RoundCap);
      pen.setJoinStyle(Qt::RoundJoin);
    }
    p.setPen(pen);
  }
  if (mit_pinsel && pinselstil_ != Pinsel_leer) {
    p.setBrush(QBrush(Farbe_zu_QColor(pinselfarbe_), Qt_Pinselstil(pinselstil_)));
    p.setBackgroundMode(Qt::TransparentMode);
  } else {
    p.setBrush(Qt::NoBrush);
  }
}

void TBild::flaeche_fuellen(int x1, int y1, int x2, int y2) {
  if (pinselstil_ == Pinsel_leer) return;
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, bild_.width() - 1);
  y2 = std::min(y2, bild_.height() - 1);
  if (x1 > x2 || y1 > y2) return;
  if (pinselstil_ == Pinsel_voll && Stift.Modus == TStiftmodus::Kopieren) {
    const std::uint32_t rgb = zu_rgb(pinselfarbe_);
    if (x1 == 0 && y1 == 0 && x2 == bild_.width() - 1 && y2 == bild_.height() - 1) {
      bild_.fill(rgb);
      return;
    }
    auto* basis = reinterpret_cast<std::uint32_t*>(bild_.bits());
    const qsizetype schritt_zeile = bild_.bytesPerLine() / 4;
    for (int y = y1; y <= y2; ++y) {
      std::uint32_t* zeile = basis + static_cast<qsizetype>(y) * schritt_zeile;
      std::fill(zeile + x1, zeile + x2 + 1, rgb);
    }
    return;
  }
  QPainter p(&bild_);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (Stift.Modus == TStiftmodus::Invertieren)
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
  p.setBackgroundMode(Qt::TransparentMode);
  p.fillRect(QRect(x1, y1, x2 - x1 + 1, y2 - y1 + 1),
             QBrush(Farbe_zu_QColor(pinselfarbe_), Qt_Pinselstil(pinselstil_)));
}

void TBild::Bewegen_nach(int x, int y) {
  stiftpos_ = QPoint(x, y);
}

void TBild::Linie_nach(int x, int y) {
  const QPoint a = stiftpos_;
  stiftpos_ = QPoint(x, y);
  if (Stift.Stil == TStiftstil::Unsichtbar) return;
  TZeichenbefehl b = befehl(TBefehlsart::Linie);
  b.k[0] = a.x();
  b.k[1] = a.y();
  b.k[2] = x;
  b.k[3] = y;
  aufzeichnen(std::move(b));
  if (duenn()) {
    int muster = 0;
    duenne_linie(a.x(), a.y(), x, y, muster);
  } else {
    QPainter p(&bild_);
    painter_einrichten(p, false);
    p.drawLine(a, QPoint(x, y));
  }
  geaendert();
}

void TBild::Rechteck(int x1, int y1, int x2, int y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x2 <= x1 || y2 <= y1) return;
  aufzeichnen(kasten(befehl(TBefehlsart::Rechteck), x1, y1, x2, y2));
  if (Stift.Stil == TStiftstil::Unsichtbar) {
    // Without a pen the filled box is one pixel smaller in both directions.
    flaeche_fuellen(x1, y1, x2 - 2, y2 - 2);
  } else if (duenn() && pinselstil_ == Pinsel_voll && Stift.Stil == TStiftstil::Durchgezogen &&
             Stift.Modus == TStiftmodus::Kopieren && Stift.Farbe == pinselfarbe_) {
    // Outline and filling of one colour: one fill, as for clearing the whole picture.
    flaeche_fuellen(x1, y1, x2 - 1, y2 - 1);
  } else if (duenn()) {
    flaeche_fuellen(x1 + 1, y1 + 1, x2 - 2, y2 - 2);
    int muster = 0;
    const int r = x2 - 1, u = y2 - 1;
    if (r == x1 || u == y1) {
      duenne_linie(x1, y1, r + (r == x1 ? 0 : 1), u + (u == y1 ? 0 : 1), muster);
      if (r == x1 && u == y1) pixel_malen(x1, y1, zu_rgb(Stift.Farbe));
    } else {
      duenne_linie(x1, y1, r, y1, muster);
      duenne_linie(r, y1, r, u, muster);
      duenne_linie(r, u, x1, u, muster);
      duenne_linie(x1, u, x1, y1, muster);
    }
  } else {
    flaeche_fuellen(x1, y1, x2 - 1, y2 - 1);
    QPainter p(&bild_);
    painter_einrichten(p, false);
    QPen pen = p.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  }
  geaendert();
}

void TBild::Ellipse(int x1, int y1, int x2, int y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x2 <= x1 || y2 <= y1) return;
  aufzeichnen(kasten(befehl(TBefehlsart::Ellipse), x1, y1, x2, y2));
  QPainter p(&bild_);
  painter_einrichten(p, true);
  p.drawEllipse(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  p.end();
  geaendert();
}

void TBild::Polygon(const std::vector<QPoint>& punkte) {
  if (punkte.empty()) return;
  const int n = static_cast<int>(punkte.size());
  TZeichenbefehl b = befehl(TBefehlsart::Polygon);
  b.Punkte = punkte;
  aufzeichnen(std::move(b));
  if (pinselstil_ != Pinsel_leer) {
    QPainter p(&bild_);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (Stift.Modus == TStiftmodus::Invertieren)
      p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(Farbe_zu_QColor(pinselfarbe_), Qt_Pinselstil(pinselstil_)));
    p.setBackgroundMode(Qt::TransparentMode);
    p.drawPolygon(punkte.data(), n, Qt::OddEvenFill);
  }
  if (Stift.Stil != TStiftstil::Unsichtbar) {
    if (duenn()) {
      // Each edge leaves out its end, which the next edge starts with: every vertex once.
      int muster = 0;
      for (int k = 0; k < n; ++k) {
        const QPoint a = punkte[k], b = punkte[(k + 1) % n];
        duenne_linie(a.x(), a.y(), b.x(), b.y(), muster);
      }
      if (n == 1) pixel_malen(punkte[0].x(), punkte[0].y(), zu_rgb(Stift.Farbe));
    } else {
      QPainter p(&bild_);
      painter_einrichten(p, false);
      p.drawPolygon(punkte.data(), n, Qt::OddEvenFill);
    }
  }
  geaendert();
}

void TBild::Bogen(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  TBogenlage lage;
  if (!Bogenlage_bestimmen(x1, y1, x2, y2, x3, y3, x4, y4, lage)) return;
  aufzeichnen(bogen(befehl(TBefehlsart::Bogen), {x1, y1, x2, y2, x3, y3, x4, y4}));
  QPainter p(&bild_);
  painter_einrichten(p, false);
  p.drawArc(lage.rahmen, lage.start, lage.spanne);
  p.end();
  geaendert();
}

void TBild::Torte(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  TBogenlage lage;
  if (!Bogenlage_bestimmen(x1, y1, x2, y2, x3, y3, x4, y4, lage)) return;
  aufzeichnen(bogen(befehl(TBefehlsart::Torte), {x1, y1, x2, y2, x3, y3, x4, y4}));
  QPainter p(&bild_);
  painter_einrichten(p, true);
  p.drawPie(lage.rahmen, lage.start, lage.spanne);
  p.end();
  geaendert();
}

void TBild::Pixel_setzen(int x, int y, TFarbe farbe) {
  if (x < 0 || y < 0 || x >= bild_.width() || y >= bild_.height()) return;
  TZeichenbefehl b = befehl(TBefehlsart::Pixel);
  b.Stift.Farbe = farbe;
  b.k[0] = x;
  b.k[1] = y;
  aufzeichnen(std::move(b));
  reinterpret_cast<std::uint32_t*>(bild_.scanLine(y))[x] = zu_rgb(farbe);
  geaendert();
}

TFarbe TBild::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= bild_.width() || y >= bild_.height()) return Farbe_ungueltig;
  return aus_rgb(reinterpret_cast<const std::uint32_t*>(bild_.constScanLine(y))[x]);
}

QFont TBild::Qt_Schrift(const TSchrift& s) {
  const std::string n = klein(s.Name);
  QString familie;
  if (n == "arial" || n == "symbol" || n.empty()) {
    // The multiplication sign of exponent labels is drawn as a real "×", which Liberation Sans
    // has; a symbol font's private code points would not survive the trip through Unicode.
    familie = QStringLiteral("Liberation Sans");
  } else if (n == "courier new" || n == "courier") {
    familie = QStringLiteral("Liberation Mono");
  } else if (n == "times new roman") {
    familie = QStringLiteral("Liberation Serif");
  } else {
    familie = QString::fromStdString(s.Name);
  }
  QFont f(familie);
  // Point sizes are meant for 96 dots per inch, rounded like the classic conversion.
  const long long px = (static_cast<long long>(std::clamp(s.Groesse, 1, 1000)) * 96 + 36) / 72;
  f.setPixelSize(static_cast<int>(std::max<long long>(1, px)));
  f.setBold(s.fett);
  f.setItalic(s.kursiv);
  f.setUnderline(s.unterstrichen);
  f.setStrikeOut(s.durchgestrichen);
  f.setStyleStrategy(QFont::NoAntialias);
  f.setKerning(false);
  return f;
}

int TBild::Textbreite(const std::string& text) const {
  return Metrik(Schrift).horizontalAdvance(QString::fromStdString(text));
}

int TBild::Texthoehe(const std::string& text) const {
  (void)text;
  return Metrik(Schrift).height();
}

void TBild::Text_ausgeben(int x, int y, const std::string& text) {
  const Schriftcache& sc = Schrift_holen(Schrift);
  const QFontMetrics& fm = *sc.metrik;
  const QString t = QString::fromStdString(text);
  const int w = fm.horizontalAdvance(t);
  const int h = fm.height();
  stiftpos_ = QPoint(x + w, y);
  const bool sichtbar = !(x >= bild_.width() || y >= bild_.height() || x + w <= 0 || y + h <= 0 ||
                          std::abs(x) > kMaxSeite * 4 || std::abs(y) > kMaxSeite * 4);
  if (!sichtbar) return;
  TZeichenbefehl b = befehl(TBefehlsart::Text);
  b.k[0] = x;
  b.k[1] = y;
  b.Text = std::make_shared<const TText>(TText{Schrift, text});
  aufzeichnen(std::move(b));
  if (pinselstil_ == Pinsel_voll) {
    const TStiftmodus m = Stift.Modus;
    Stift.Modus = TStiftmodus::Kopieren;
    flaeche_fuellen(x, y, x + w - 1, y + h - 1);
    Stift.Modus = m;
  }
  if (!t.isEmpty()) {
    QPainter p(&bild_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(sc.font);
    p.setPen(Farbe_zu_QColor(Schrift.Farbe));
    p.drawText(QPoint(x, y + fm.ascent()), t);
  }
  geaendert();
}

// ---- recording ---------------------------------------------------------------------------------

TZeichenbefehl TBild::befehl(TBefehlsart art) const {
  TZeichenbefehl b;
  b.Art = art;
  b.Stift = Stift;
  if (!invertierbar(art)) b.Stift.Modus = TStiftmodus::Kopieren;
  b.Pinselfarbe = pinselfarbe_;
  b.Pinselstil = pinselstil_;
  return b;
}

// Called before the operation draws, so that the pixels are still those it will draw over.
void TBild::aufzeichnen(TZeichenbefehl b) {
  if (!aufzeichnen_) return;
  std::vector<TZeichenbefehl>& liste = protokoll_.Befehle;
  if (b.Invertiert()) {
    // Inverting twice restores every pixel, and inverting drawings commute: the same drawing
    // again (a rubber band taken back) cancels its twin anywhere in the trailing inverted run.
    for (std::size_t i = liste.size(); i-- > 0 && liste[i].Invertiert();) {
      if (liste[i] == b) {
        liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
    }
  } else if (!liste.empty() && liste.back().Invertiert()) {
    invertierte_festhalten(protokoll_);
  }
  if (deckt_alles(b, bild_.width(), bild_.height())) liste.clear();
  if (liste.size() >= kMaxBefehle) neu_aufzeichnen(true);
  liste.push_back(std::move(b));
}

void TBild::neu_aufzeichnen(bool mit_bitmap) {
  protokoll_.Breite = bild_.width();
  protokoll_.Hoehe = bild_.height();
  protokoll_.Befehle.clear();
  if (!mit_bitmap || !aufzeichnen_) return;
  TZeichenbefehl b = befehl(TBefehlsart::Bitmap);
  b.Bitmap = bild_;
  protokoll_.Befehle.push_back(std::move(b));
}

// Replaces the trailing inverted drawings by a bitmap of exactly the pixels they changed, taken
// from the picture as it is now: drawn onto white, an inverting drawing leaves its pixels dark.
void TBild::invertierte_festhalten(TZeichenprotokoll& p) const {
  std::vector<TZeichenbefehl>& liste = p.Befehle;
  std::size_t anfang = liste.size();
  while (anfang > 0 && liste[anfang - 1].Invertiert())
    --anfang;
  if (anfang == liste.size()) return;
  TBild maske(bild_.width(), bild_.height());
  maske.aufzeichnen_ = false;
  for (std::size_t i = anfang; i < liste.size(); ++i)
    maske.Befehl_ausfuehren(liste[i]);
  liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(anfang), liste.end());
  const QImage& m = maske.bild_;
  QRect rahmen;
  for (int y = 0; y < m.height(); ++y) {
    const auto* z = reinterpret_cast<const std::uint32_t*>(m.constScanLine(y));
    for (int x = 0; x < m.width(); ++x)
      if ((z[x] & 0xFFFFFFu) != 0xFFFFFFu) rahmen |= QRect(x, y, 1, 1);
  }
  if (rahmen.isEmpty()) return;
  QImage teil(rahmen.size(), QImage::Format_ARGB32);
  teil.fill(0u);
  for (int y = rahmen.top(); y <= rahmen.bottom(); ++y) {
    const auto* zm = reinterpret_cast<const std::uint32_t*>(m.constScanLine(y));
    const auto* zb = reinterpret_cast<const std::uint32_t*>(bild_.constScanLine(y));
    auto* zt = reinterpret_cast<std::uint32_t*>(teil.scanLine(y - rahmen.top()));
    for (int x = rahmen.left(); x <= rahmen.right(); ++x)
      if ((zm[x] & 0xFFFFFFu) != 0xFFFFFFu) zt[x - rahmen.left()] = zb[x] | 0xFF000000u;
  }
  TZeichenbefehl b = befehl(TBefehlsart::Bitmap);
  b.k[0] = rahmen.left();
  b.k[1] = rahmen.top();
  b.Bitmap = std::move(teil);
  liste.push_back(std::move(b));
}

void TBild::Aufzeichnen_setzen(bool an) {
  if (an && !aufzeichnen_) {
    aufzeichnen_ = true;
    neu_aufzeichnen(true);
  }
  aufzeichnen_ = an;
}

TZeichenprotokoll TBild::Protokoll_abgeschlossen() const {
  if (!aufzeichnen_) {
    TBild kopie(1, 1);
    kopie.Pixel_uebernehmen(bild_);
    return kopie.protokoll_;
  }
  TZeichenprotokoll p = protokoll_;
  invertierte_festhalten(p);
  return p;
}

void TBild::bitmap_malen(int x, int y, const QImage& b) {
  if (b.isNull()) return;
  TZeichenbefehl z = befehl(TBefehlsart::Bitmap);
  z.k[0] = x;
  z.k[1] = y;
  z.Bitmap = b;
  aufzeichnen(std::move(z));
  QPainter p(&bild_);
  p.drawImage(QPoint(x, y), b);
  p.end();
  geaendert();
}

void TBild::Befehl_ausfuehren(const TZeichenbefehl& b) {
  Stift = b.Stift;
  pinselfarbe_ = b.Pinselfarbe;
  pinselstil_ = b.Pinselstil;
  const int* k = b.k;
  switch (b.Art) {
    case TBefehlsart::Linie:
      Bewegen_nach(k[0], k[1]);
      Linie_nach(k[2], k[3]);
      break;
    case TBefehlsart::Rechteck:
      Rechteck(k[0], k[1], k[2], k[3]);
      break;
    case TBefehlsart::Ellipse:
      Ellipse(k[0], k[1], k[2], k[3]);
      break;
    case TBefehlsart::Polygon:
      Polygon(b.Punkte);
      break;
    case TBefehlsart::Bogen:
      Bogen(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7]);
      break;
    case TBefehlsart::Torte:
      Torte(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7]);
      break;
    case TBefehlsart::Pixel:
      Pixel_setzen(k[0], k[1], b.Stift.Farbe);
      break;
    case TBefehlsart::Text:
      if (!b.Text) break;
      Schrift = b.Text->Schrift;
      Text_ausgeben(k[0], k[1], b.Text->Inhalt);
      break;
    case TBefehlsart::Bitmap:
      bitmap_malen(k[0], k[1], b.Bitmap);
      break;
  }
}

void TBild::Protokoll_abspielen(const TZeichenprotokoll& p) {
  Groesse_setzen(p.Breite, p.Hoehe);
  for (const TZeichenbefehl& b : p.Befehle)
    Befehl_ausfuehren(b);
}

// ---- primitives --------------------------------------------------------------------------------

namespace {

void Stift_setzen(TBild& b, TFarbe farbe, int breite, TStiftstil stil) {
  b.Stift.Farbe = farbe;
  b.Stift.Breite = breite;
  b.Stift.Stil = stil;
}

void Pinsel_setzen(TBild& b, TFarbe farbe, int stil) {
  b.Pinselfarbe_setzen(farbe);
  b.Pinselstil_setzen(stil);
}

}  // namespace

void Linie_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe farbe, int breite,
                    TStiftstil stil) {
  Stift_setzen(bild, farbe, breite, stil);
  bild.Bewegen_nach(x1, y1);
  bild.Linie_nach(x2, y2);
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Gerade_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe farbe, int breite,
                     TStiftstil stil) {
  auto k = [](long long v) {
    return static_cast<int>(std::clamp<long long>(v, -kLinienGrenze, kLinienGrenze));
  };
  Linie_zeichnen(bild, k(2LL * x1 - x2), k(2LL * y1 - y2), k(2LL * x2 - x1), k(2LL * y2 - y1),
                 farbe, breite, stil);
}

void Rechteck_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe stiftfarbe,
                       TFarbe pinselfarbe, int breite, TStiftstil stiftstil, int pinselstil) {
  Stift_setzen(bild, stiftfarbe, breite, stiftstil);
  Pinsel_setzen(bild, pinselfarbe, pinselstil);
  const int oben = std::min(y1, y2), unten = std::max(y1, y2);
  bild.Rechteck(x1, oben, x2 + 1, unten + 1);
}

void Bild_fuellen(TBild& bild, TFarbe stiftfarbe, TFarbe pinselfarbe, int breite) {
  Rechteck_zeichnen(bild, 0, 0, bild.Breite() - 1, bild.Hoehe() - 1, stiftfarbe, pinselfarbe,
                    breite, TStiftstil::Durchgezogen, Pinsel_voll);
}

void Bild_leeren(TBild& bild, TFarbe stiftfarbe) {
  Bild_fuellen(bild, stiftfarbe, 0xFFFFFF, 1);
}

void Viereck_zeichnen(TBild& bild, QPoint A, QPoint B, QPoint C, QPoint D, TFarbe stiftfarbe,
                      TFarbe pinselfarbe, int breite, TStiftstil stiftstil, int pinselstil) {
  Stift_setzen(bild, stiftfarbe, breite, stiftstil);
  Pinsel_setzen(bild, pinselfarbe, pinselstil);
  bild.Polygon({A, B, C, D});
}

void Kreis_zeichnen(TBild& bild, int x, int y, int r, TFarbe stiftfarbe, TFarbe pinselfarbe,
                    int breite, TStiftstil stiftstil, int pinselstil) {
  Stift_setzen(bild, stiftfarbe, breite, stiftstil);
  Pinsel_setzen(bild, pinselfarbe, pinselstil);
  if (r == 0) {
    bild.Pixel_setzen(x, y, stiftfarbe);
  } else if (r == 1) {
    bild.Pixel_setzen(x, y, stiftfarbe);
    bild.Pixel_setzen(x - 1, y, stiftfarbe);
    bild.Pixel_setzen(x + 1, y, stiftfarbe);
    bild.Pixel_setzen(x, y - 1, stiftfarbe);
    bild.Pixel_setzen(x, y + 1, stiftfarbe);
  } else {
    bild.Ellipse(x - r, y - r, x + r, y + r);
    bild.Pinselstil_setzen(Pinsel_leer);
  }
}

void Kreuz_gerade(TBild& bild, int x, int y, int r, TFarbe farbe, int breite, TStiftstil stil) {
  Stift_setzen(bild, farbe, breite, stil);
  bild.Bewegen_nach(x - r - 1, y);
  bild.Linie_nach(x + r, y);
  bild.Bewegen_nach(x, y - r - 1);
  bild.Linie_nach(x, y + r);
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Kreuz_schraeg(TBild& bild, int x, int y, int r, TFarbe farbe, int breite, TStiftstil stil) {
  Stift_setzen(bild, farbe, breite, stil);
  bild.Bewegen_nach(x - r, y - r);
  bild.Linie_nach(x + r, y + r);
  bild.Bewegen_nach(x - r, y + r);
  bild.Linie_nach(x + r, y - r);
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Quadrat_zeichnen(TBild& bild, int x, int y, int r, TFarbe farbe, int breite, TStiftstil stil) {
  Stift_setzen(bild, farbe, breite, stil);
  bild.Bewegen_nach(x - r, y - r);
  bild.Linie_nach(x - r, y + r);
  bild.Linie_nach(x + r, y + r);
  bild.Linie_nach(x + r, y - r);
  bild.Linie_nach(x - r, y - r);
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Pfeil_waagrecht(TBild& bild, int x1, int x2, int y, TFarbe farbe, int breite,
                     TStiftstil stiftstil, int pinselstil, int L, int B) {
  Stift_setzen(bild, farbe, breite, stiftstil);
  bild.Bewegen_nach(x1, y);
  bild.Linie_nach(x2 - L, y);
  bild.Stift.Breite = 1;
  Pinsel_setzen(bild, farbe, pinselstil);
  bild.Polygon({QPoint(x2, y), QPoint(x2 - L, y - B), QPoint(x2 - L, y + B)});
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Pfeil_senkrecht(TBild& bild, int x, int y1, int y2, TFarbe farbe, int breite,
                     TStiftstil stiftstil, int pinselstil, int L, int B) {
  Stift_setzen(bild, farbe, breite, stiftstil);
  bild.Bewegen_nach(x, y1);
  bild.Linie_nach(x, y2 + L);
  bild.Stift.Breite = 1;
  Pinsel_setzen(bild, farbe, pinselstil);
  bild.Polygon({QPoint(x, y2), QPoint(x - B, y2 + L), QPoint(x + B, y2 + L)});
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Pfeil_zeichnen(TBild& bild, int x1, int y1, int x2, int y2, TFarbe stiftfarbe, int breite,
                    TFarbe pinselfarbe, TStiftstil stiftstil, int pinselstil, int L, int B) {
  const long double phi = std::atan(static_cast<long double>(B) / L);
  const long double q = L * std::cos(phi);
  const long double dx = static_cast<long double>(x2) - x1;
  const long double dy = static_cast<long double>(y2) - y1;
  if (std::sqrt(static_cast<long double>(L) * L + 4.0L * B * B) >= std::sqrt(dx * dx + dy * dy))
    return;
  long double Px, Py, Qx, Qy;
  if (dx != 0) {
    const long double s = std::atan(dy / dx);
    const long double v = dx > 0 ? -1 : 1;
    Px = x2 + v * q * std::cos(s + phi);
    Py = y2 + v * q * std::sin(s + phi);
    Qx = x2 + v * q * std::cos(s - phi);
    Qy = y2 + v * q * std::sin(s - phi);
  } else {
    const long double yy =
        dy > 0 ? static_cast<long double>(y2) - L : static_cast<long double>(y2) + L;
    Px = x2 + B;
    Qx = x2 - B;
    Py = Qy = yy;
  }
  auto rund = [](long double v) { return static_cast<int>(std::nearbyint(v)); };
  Stift_setzen(bild, stiftfarbe, breite, stiftstil);
  Pinsel_setzen(bild, pinselfarbe, pinselstil);
  bild.Bewegen_nach(x1, y1);
  bild.Linie_nach(rund((Px + Qx) / 2), rund((Py + Qy) / 2));
  bild.Polygon(
      {QPoint(x2, y2), QPoint(rund(Qx), rund(Qy)), QPoint(rund(Px), rund(Py)), QPoint(x2, y2)});
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Kreissektor_zeichnen(TBild& bild, int cx, int cy, int x3, int y3, int x4, int y4,
                          TFarbe stiftfarbe, TFarbe pinselfarbe, int breite, TStiftstil stiftstil,
                          int pinselstil) {
  const double d = std::hypot(static_cast<double>(x4) - cx, static_cast<double>(y4) - cy);
  const int r = static_cast<int>(std::nearbyint(std::min(d, 1e8)));
  Stift_setzen(bild, stiftfarbe, breite, stiftstil);
  Pinsel_setzen(bild, pinselfarbe, pinselstil);
  bild.Torte(cx - r, cy - r + 1, cx + r, cy + r + 1, x3, y3, x4, y4);
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Kreisbogen_zeichnen(TBild& bild, int cx, int cy, int x3, int y3, int x4, int y4, TFarbe farbe,
                         int breite, TStiftstil stil) {
  const double d = std::hypot(static_cast<double>(x4) - cx, static_cast<double>(y4) - cy);
  const int r = static_cast<int>(std::nearbyint(std::min(d, 1e8)));
  Stift_setzen(bild, farbe, breite, stil);
  bild.Bogen(cx - r, cy - r, cx + r, cy + r, x3, y3, x4, y4);
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Text_schreiben(TBild& bild, int x, int y, const std::string& text,
                    const std::string& schriftname, int groesse, int pinselstil, int schriftstil,
                    TFarbe farbe) {
  bild.Schrift.Farbe = farbe;
  bild.Schrift.Groesse = groesse;
  bild.Schrift.Name = schriftname;
  bild.Schrift.fett = (schriftstil & Schrift_fett) != 0;
  bild.Schrift.kursiv = (schriftstil & Schrift_kursiv) != 0;
  bild.Schrift.unterstrichen = (schriftstil & Schrift_unterstrichen) != 0;
  bild.Schrift.durchgestrichen = (schriftstil & Schrift_durchgestrichen) != 0;
  bild.Pinselstil_setzen(pinselstil);
  bild.Text_ausgeben(x, y, text);
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Bild_platzieren(TBild& bild, int links, int oben, int breite, int hoehe) {
  bild.Links = links;
  bild.Oben = oben;
  bild.Groesse_setzen(breite, hoehe);
}

TFarbe Farbe_nach_Nummer(int n) {
  static const TFarbe tabelle[15] = {0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x000080,
                                     0xFFFF00, 0x800000, 0xFF00FF, 0xC0C0C0, 0xF0CAA6,
                                     0x800080, 0x00FF00, 0xA4A0A0, 0x00FFFF, 0x808080};
  // Only n >= 0 is meant; a negative index still yields a table colour rather than garbage.
  int i = n % 15;
  if (i < 0) i += 15;
  return tabelle[i];
}
