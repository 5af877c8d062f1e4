#include "kos/UVektorbild.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "kos/UGrafik.h"

namespace {

// A one-pixel pen of the picture draws on the pixel, whose centre lies half a pixel further.
QPointF mitte(int x, int y) {
  return {x + 0.5, y + 0.5};
}

QPointF mitte(QPoint p) {
  return mitte(p.x(), p.y());
}

QColor farbe(TFarbe f) {
  return Farbe_zu_QColor(f);
}

bool duenn(const TStift& s) {
  return s.Breite <= 1;
}

QPen stift(const TStift& s) {
  if (s.Stil == TStiftstil::Unsichtbar) return Qt::NoPen;
  QPen pen(farbe(s.Farbe));
  pen.setCosmetic(false);
  if (duenn(s)) {
    pen.setWidthF(1.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (s.Stil == TStiftstil::Gepunktet) pen.setDashPattern({3.0, 3.0});
  } else {
    pen.setWidthF(s.Breite);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  return pen;
}

// The dots of a dotted one-pixel line as the pixel picture sets them: three pixels on, three off,
// counted in steps along the longer axis and carried on to the next edge of an outline. Only the
// steps that can reach the picture are walked.
void Punkte_anfuegen(QPainterPath& aus, QPoint a, QPoint b, int& muster, const QRectF& bereich) {
  const double dx = static_cast<double>(b.x()) - a.x(), dy = static_cast<double>(b.y()) - a.y();
  const long long n = static_cast<long long>(std::max(std::abs(dx), std::abs(dy)));
  const int anfang = muster;
  muster = static_cast<int>((muster + n) % 6);
  if (n == 0) return;
  // Steps k whose pixel (a + k/n·(b − a)) lies within the area, by clipping the parameter.
  double t0 = 0, t1 = 1;
  auto begrenzen = [&](double p0, double d, double lo, double hi) {
    if (d == 0) return p0 >= lo && p0 <= hi;
    double u0 = (lo - p0) / d, u1 = (hi - p0) / d;
    if (u0 > u1) std::swap(u0, u1);
    t0 = std::max(t0, u0);
    t1 = std::min(t1, u1);
    return t0 <= t1;
  };
  if (!begrenzen(a.x(), dx, bereich.left() - 1, bereich.right() + 1) ||
      !begrenzen(a.y(), dy, bereich.top() - 1, bereich.bottom() + 1))
    return;
  const long long k0 = std::max(0LL, static_cast<long long>(std::floor(t0 * n)) - 6);
  const long long k1 = std::min(n, static_cast<long long>(std::ceil(t1 * n)) + 6);
  auto punkt = [&](double k) { return mitte(a) + QPointF(dx, dy) * (k / n); };
  for (long long k = k0; k < k1;) {
    if ((anfang + k) % 6 >= 3) {
      ++k;
      continue;
    }
    const long long ende = std::min(k1, k + 3 - (anfang + k) % 6);
    aus.moveTo(punkt(k - 0.5));
    aus.lineTo(punkt(ende - 0.5));
    k = ende;
  }
}

bool punktiert(const TStift& s) {
  return duenn(s) && s.Stil == TStiftstil::Gepunktet;
}

// A thin dotted outline through the corners, closed or open.
void Punktiert_malen(QPainter& p, const TStift& s, const std::vector<QPoint>& ecken,
                     bool geschlossen) {
  QPainterPath aus;
  int muster = 0;
  const std::size_t n = ecken.size();
  const QRectF bereich = p.clipBoundingRect();
  for (std::size_t i = 0; i + 1 < n + (geschlossen ? 1 : 0); ++i)
    Punkte_anfuegen(aus, ecken[i], ecken[(i + 1) % n], muster, bereich);
  QPen pen(farbe(s.Farbe), 1.0);
  pen.setCapStyle(Qt::FlatCap);
  p.strokePath(aus, pen);
}

// One family of parallel hatching lines through pixel centres: direction and offset within the
// 8-pixel period of the pattern.
struct TSchar {
  int dx, dy, versatz;
};

// The families of a hatching style, read off Qt's own pattern as the pixel picture draws it, so
// that the vector lines lie on the same pixels.
std::vector<TSchar> Scharen(int stil) {
  QImage kachel(8, 8, QImage::Format_RGB32);
  kachel.fill(Qt::white);
  {
    QPainter p(&kachel);
    p.fillRect(kachel.rect(), QBrush(Qt::black, Pinselstil_zu_Qt(stil)));
  }
  auto dunkel = [&](int x, int y) { return qGray(kachel.pixel((x + 8) % 8, (y + 8) % 8)) < 128; };
  auto durchgehend = [&](int x0, int y0, int dx, int dy) {
    for (int i = 0; i < 8; ++i)
      if (!dunkel(x0 + i * dx, y0 + i * dy)) return false;
    return true;
  };
  std::vector<TSchar> r;
  for (int c = 0; c < 8; ++c) {
    if (durchgehend(0, c, 1, 0)) r.push_back({1, 0, c});
    if (durchgehend(c, 0, 0, 1)) r.push_back({0, 1, c});
    if (durchgehend(c, 0, 1, 1)) r.push_back({1, 1, c});
    if (durchgehend(c, 0, -1, 1)) r.push_back({-1, 1, c});
  }
  return r;
}

double kreuz(QPointF a, QPointF b) {
  return a.x() * b.y() - a.y() * b.x();
}

// The pieces of the line a + t·d inside the shape (even-odd rule).
void Innere_Strecken(const QList<QPolygonF>& formen, QPointF a, QPointF d, QPainterPath& aus) {
  std::vector<double> t;
  for (const QPolygonF& f : formen) {
    for (qsizetype i = 0; f.size() > 1 && i < f.size(); ++i) {
      const QPointF q1 = f[i], q2 = f[(i + 1) % f.size()];
      const bool s1 = kreuz(d, q1 - a) > 0, s2 = kreuz(d, q2 - a) > 0;
      if (s1 == s2) continue;
      const double nenner = kreuz(d, q2 - q1);
      if (nenner == 0) continue;
      t.push_back(kreuz(q1 - a, q2 - q1) / nenner);
    }
  }
  std::sort(t.begin(), t.end());
  for (std::size_t i = 0; i + 1 < t.size(); i += 2) {
    aus.moveTo(a + t[i] * d);
    aus.lineTo(a + t[i + 1] * d);
  }
}

// Hatching as lines of the brush colour, cut to the shape: vectors, not a bitmap pattern.
void Schraffieren(QPainter& p, const QPainterPath& form, TFarbe f, int stil) {
  const QRectF r = form.boundingRect().intersected(p.clipBoundingRect());
  if (r.isEmpty()) return;
  const QList<QPolygonF> formen = form.toFillPolygons();
  QPainterPath linien;
  for (const TSchar& s : Scharen(stil)) {
    // Lines through the pixel centres (c + 8k + 0.5, 0.5) or (0.5, c + 8k + 0.5).
    const QPointF d(s.dx, s.dy);
    double lo = 0, hi = 0;
    if (s.dy == 0) {
      lo = r.top();
      hi = r.bottom();
    } else if (s.dx == 0) {
      lo = r.left();
      hi = r.right();
    } else if (s.dx == 1) {
      lo = r.left() - r.bottom();
      hi = r.right() - r.top();
    } else {
      lo = r.left() + r.top() - 1;
      hi = r.right() + r.bottom();
    }
    const long long k0 = static_cast<long long>(std::floor((lo - s.versatz) / 8.0)) - 1;
    const long long k1 = static_cast<long long>(std::ceil((hi - s.versatz) / 8.0)) + 1;
    for (long long k = k0; k <= k1; ++k) {
      const double v = static_cast<double>(s.versatz + 8 * k) + 0.5;
      const QPointF a = s.dy == 0 ? QPointF(0, v) : QPointF(v, 0.5);
      Innere_Strecken(formen, a, d, linien);
    }
  }
  QPen pen(farbe(f), 1.0);
  pen.setCapStyle(Qt::FlatCap);
  p.strokePath(linien, pen);
}

void Flaeche(QPainter& p, const QPainterPath& form, TFarbe f, int stil) {
  if (stil == Pinsel_leer || form.isEmpty()) return;
  if (stil == Pinsel_voll) {
    p.fillPath(form, farbe(f));
  } else {
    Schraffieren(p, form, f, stil);
  }
}

QPainterPath Kasten(double x, double y, double b, double h) {
  QPainterPath r;
  if (b > 0 && h > 0) r.addRect(x, y, b, h);
  return r;
}

void Rechteck_malen(QPainter& p, const TZeichenbefehl& z) {
  const int x1 = z.k[0], y1 = z.k[1], x2 = z.k[2], y2 = z.k[3];
  const TStift& s = z.Stift;
  if (s.Stil == TStiftstil::Unsichtbar) {
    Flaeche(p, Kasten(x1, y1, x2 - x1 - 1, y2 - y1 - 1), z.Pinselfarbe, z.Pinselstil);
    return;
  }
  QPen pen = stift(s);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  if (!duenn(s)) {
    Flaeche(p, Kasten(x1, y1, x2 - x1, y2 - y1), z.Pinselfarbe, z.Pinselstil);
    p.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    return;
  }
  Flaeche(p, Kasten(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2), z.Pinselfarbe, z.Pinselstil);
  const int r = x2 - 1, u = y2 - 1;
  if (punktiert(s) && r != x1 && u != y1) {
    Punktiert_malen(p, s, {QPoint(x1, y1), QPoint(r, y1), QPoint(r, u), QPoint(x1, u)}, true);
  } else if (r == x1 || u == y1) {
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(mitte(x1, y1), mitte(r, u));
  } else {
    const QPointF ecken[4] = {mitte(x1, y1), mitte(r, y1), mitte(r, u), mitte(x1, u)};
    p.drawPolygon(ecken, 4);
  }
}

// Ellipses and pies: filled with the brush where the pixel picture fills (pixel centres inside
// the form), then outlined through the centres of the pixels the pen sets.
void Form_malen(QPainter& p, const TZeichenbefehl& z, const QPainterPath& form, bool fuellen) {
  if (fuellen) Flaeche(p, form, z.Pinselfarbe, z.Pinselstil);
  p.setBrush(Qt::NoBrush);
  p.setPen(stift(z.Stift));
  if (z.Stift.Stil != TStiftstil::Unsichtbar) p.drawPath(form.translated(0.5, 0.5));
}

QRectF Bogenrahmen(const TZeichenbefehl& z, TBogenlage& lage, bool& ok) {
  ok = Bogenlage_bestimmen(z.k[0], z.k[1], z.k[2], z.k[3], z.k[4], z.k[5], z.k[6], z.k[7], lage);
  return lage.rahmen;
}

void Bogen_malen(QPainter& p, const TZeichenbefehl& z, bool torte) {
  TBogenlage lage;
  bool ok = false;
  const QRectF r = Bogenrahmen(z, lage, ok);
  if (!ok) return;
  QPainterPath form;
  if (torte) {
    form.moveTo(r.center());
  } else {
    form.arcMoveTo(r, lage.start / 16.0);
  }
  form.arcTo(r, lage.start / 16.0, lage.spanne / 16.0);
  if (torte) form.closeSubpath();
  Form_malen(p, z, form, torte);
}

void Polygon_malen(QPainter& p, const TZeichenbefehl& z) {
  QPolygonF ecken, flaeche;
  for (const QPoint& q : z.Punkte) {
    ecken << mitte(q);
    flaeche << QPointF(q);
  }
  QPainterPath form;
  form.setFillRule(Qt::OddEvenFill);
  form.addPolygon(flaeche);
  form.closeSubpath();
  Flaeche(p, form, z.Pinselfarbe, z.Pinselstil);
  if (z.Stift.Stil == TStiftstil::Unsichtbar) return;
  if (z.Punkte.size() == 1 && duenn(z.Stift)) {
    p.fillRect(QRectF(z.Punkte[0], QSizeF(1, 1)), farbe(z.Stift.Farbe));
    return;
  }
  if (punktiert(z.Stift)) {
    Punktiert_malen(p, z.Stift, z.Punkte, true);
    return;
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(stift(z.Stift));
  p.drawPolygon(ecken);
}

void Text_malen(QPainter& p, const TZeichenbefehl& z) {
  if (!z.Text) return;
  QFont f = TBild::Qt_Schrift(z.Text->Schrift);
  f.setStyleStrategy(QFont::PreferDefault);
  const QFontMetrics fm(TBild::Qt_Schrift(z.Text->Schrift));
  const QString t = QString::fromStdString(z.Text->Inhalt);
  const int x = z.k[0], y = z.k[1];
  if (z.Pinselstil == Pinsel_voll)
    p.fillRect(QRectF(x, y, fm.horizontalAdvance(t), fm.height()), farbe(z.Pinselfarbe));
  if (t.isEmpty()) return;
  p.setFont(f);
  p.setPen(farbe(z.Text->Schrift.Farbe));
  p.drawText(QPointF(x, y + fm.ascent()), t);
}

// The part of a - b within the box (Liang-Barsky); false when nothing of it is inside.
bool Kappen(QPointF& a, QPointF& b, const QRectF& box) {
  double t0 = 0, t1 = 1;
  const double d[2] = {b.x() - a.x(), b.y() - a.y()};
  const double p0[2] = {a.x(), a.y()};
  const double lo[2] = {box.left(), box.top()}, hi[2] = {box.right(), box.bottom()};
  for (int k = 0; k < 2; ++k) {
    if (d[k] == 0) {
      if (p0[k] < lo[k] || p0[k] > hi[k]) return false;
      continue;
    }
    double u0 = (lo[k] - p0[k]) / d[k], u1 = (hi[k] - p0[k]) / d[k];
    if (u0 > u1) std::swap(u0, u1);
    t0 = std::max(t0, u0);
    t1 = std::min(t1, u1);
  }
  if (t0 > t1) return false;
  const QPointF s = a;
  a = s + (b - s) * t0;
  b = s + (b - s) * t1;
  return true;
}

// Lines through two far points (straight lines across the picture reach millions of pixels
// beyond it) are cut to the picture's surroundings, so the files hold no absurd coordinates.
QPainterPath Gekappt(const QPolygonF& zug, const QRectF& box) {
  QPainterPath weg;
  QPointF ende(qQNaN(), qQNaN());
  for (qsizetype k = 0; k + 1 < zug.size(); ++k) {
    QPointF a = zug[k], b = zug[k + 1];
    if (!Kappen(a, b, box)) continue;
    if (a != ende) weg.moveTo(a);
    weg.lineTo(b);
    ende = b;
  }
  return weg;
}

// Consecutive lines with one pen that continue each other become one polyline, so curves get
// clean joins and dotted patterns run on as in the pixel picture.
std::size_t Linienzug_malen(QPainter& p, const std::vector<TZeichenbefehl>& liste, std::size_t i) {
  const TZeichenbefehl& erste = liste[i];
  if (punktiert(erste.Stift)) {
    Punktiert_malen(p, erste.Stift,
                    {QPoint(erste.k[0], erste.k[1]), QPoint(erste.k[2], erste.k[3])}, false);
    return i + 1;
  }
  QPolygonF zug;
  zug << mitte(erste.k[0], erste.k[1]) << mitte(erste.k[2], erste.k[3]);
  std::size_t j = i + 1;
  for (; j < liste.size(); ++j) {
    const TZeichenbefehl& z = liste[j];
    const TZeichenbefehl& vor = liste[j - 1];
    if (z.Art != TBefehlsart::Linie || z.k[0] != vor.k[2] || z.k[1] != vor.k[3] ||
        z.Stift.Farbe != erste.Stift.Farbe || z.Stift.Breite != erste.Stift.Breite ||
        z.Stift.Stil != erste.Stift.Stil)
      break;
    zug << mitte(z.k[2], z.k[3]);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(stift(erste.Stift));
  p.drawPath(Gekappt(zug, p.clipBoundingRect().adjusted(-64, -64, 64, 64)));
  return j;
}

QByteArray Fertig(QBuffer& puffer, bool ok) {
  return ok ? puffer.data() : QByteArray();
}

// Qt counts page sizes in whole points. The true size goes into the page box afterwards, written
// with as many characters as Qt used, so that the file's byte offsets stay valid; false when the
// box is not found in that form (the page then keeps Qt's rounded size).
bool Seitengroesse_eintragen(QByteArray& pdf, QSizeF qt, QSizeF wahr) {
  auto box = [](QSizeF g) {
    return "/MediaBox [0 0 " + QByteArray::number(g.width(), 'f', 6) + " " +
           QByteArray::number(g.height(), 'f', 6) + "]";
  };
  const QByteArray alt = box(qt), neu = box(wahr);
  if (alt.size() != neu.size() || !pdf.contains(alt)) return false;
  pdf.replace(alt, neu);
  return true;
}
}  // namespace

void Protokoll_vektoriell_malen(const TZeichenprotokoll& protokoll, QPainter& p) {
  p.save();
  p.fillRect(QRectF(0, 0, protokoll.Breite, protokoll.Hoehe), Qt::white);
  // Nothing beyond the picture's edge may show on paper.
  p.setClipRect(QRectF(0, 0, protokoll.Breite, protokoll.Hoehe));
  const std::vector<TZeichenbefehl>& liste = protokoll.Befehle;
  for (std::size_t i = 0; i < liste.size();) {
    const TZeichenbefehl& z = liste[i];
    if (z.Art == TBefehlsart::Linie) {
      i = Linienzug_malen(p, liste, i);
      continue;
    }
    switch (z.Art) {
      case TBefehlsart::Rechteck:
        Rechteck_malen(p, z);
        break;
      case TBefehlsart::Ellipse: {
        QPainterPath form;
        form.addEllipse(QRectF(z.k[0], z.k[1], z.k[2] - z.k[0] - 1, z.k[3] - z.k[1] - 1));
        Form_malen(p, z, form, true);
        break;
      }
      case TBefehlsart::Polygon:
        Polygon_malen(p, z);
        break;
      case TBefehlsart::Bogen:
        Bogen_malen(p, z, false);
        break;
      case TBefehlsart::Torte:
        Bogen_malen(p, z, true);
        break;
      case TBefehlsart::Pixel:
        p.fillRect(QRectF(z.k[0], z.k[1], 1, 1), farbe(z.Stift.Farbe));
        break;
      case TBefehlsart::Text:
        Text_malen(p, z);
        break;
      case TBefehlsart::Bitmap:
        p.drawImage(QPointF(z.k[0], z.k[1]), z.Bitmap);
        break;
      case TBefehlsart::Linie:
        break;
    }
    ++i;
  }
  p.restore();
}

QByteArray Bild_als_SVG(const TBild& bild) {
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&puffer);
  // 508 dpi are exactly 5 device units per picture pixel, so the declared size in millimetres
  // is exact; the view box keeps the drawing in picture pixels.
  constexpr int kFaktor = 5;
  svg.setResolution(static_cast<int>(kPixel_pro_cm * 2.54 * kFaktor + 0.5));
  svg.setSize(QSize(bild.Breite() * kFaktor, bild.Hoehe() * kFaktor));
  svg.setViewBox(QRectF(0, 0, bild.Breite(), bild.Hoehe()));
  svg.setTitle(QStringLiteral("Quadrix-Grafik"));
  QPainter p;
  if (!p.begin(&svg)) return {};
  Protokoll_vektoriell_malen(bild.Protokoll_abgeschlossen(), p);
  return Fertig(puffer, p.end());
}

QByteArray Bild_als_PDF(const TBild& bild) {
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&puffer);
  pdf.setCreator(QStringLiteral("Quadrix"));
  pdf.setTitle(QStringLiteral("Quadrix-Grafik"));
  constexpr int kDpi = 1200;
  constexpr double kPunkte_pro_Pixel = 72.0 / (kPixel_pro_cm * 2.54);
  pdf.setResolution(kDpi);
  const QSizeF wahr(bild.Breite() * kPunkte_pro_Pixel, bild.Hoehe() * kPunkte_pro_Pixel);
  const QPageSize seite(wahr, QPageSize::Point, QString(), QPageSize::ExactMatch);
  pdf.setPageLayout(QPageLayout(seite, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  const QSizeF qt = seite.sizePoints();
  QPainter p;
  if (!p.begin(&pdf)) return {};
  // The page is measured from its bottom edge: with the true height the top moves by the
  // difference, and so does the drawing.
  p.translate(0, (qt.height() - wahr.height()) * kDpi / 72.0);
  p.scale(kPunkte_pro_Pixel * kDpi / 72.0, kPunkte_pro_Pixel * kDpi / 72.0);
  Protokoll_vektoriell_malen(bild.Protokoll_abgeschlossen(), p);
  if (!p.end()) return {};
  QByteArray daten = puffer.data();
  Seitengroesse_eintragen(daten, qt, wahr);
  return daten;
}
