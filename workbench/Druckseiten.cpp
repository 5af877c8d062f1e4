#include "workbench/Druckseiten.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "kos/UGrafik.h"
#include "kos/UVektorbild.h"
#include "platform/Dialoge.h"
#include "platform/URechenlauf.h"
#include "table/UStringGrid.h"
#include "workbench/Werkbank.h"

namespace {

// Caption and table texts in points, turned into the pages' unit.
constexpr int kBeschriftung_pt = 10;
constexpr int kTabelle_pt = 7;  // as large as the grid's 8 points on screen at 0.25 mm a pixel
constexpr double kAbstand_unter_Bild = 60;  // 6 mm
constexpr double kTitelhoehe = 60;          // the line above a table page's grid
constexpr double kZellrand = 5;             // text keeps 0.5 mm off the cell's edge

int Einheiten_aus_Punkten(int pt) {
  return static_cast<int>(std::lround(pt * 25.4 / 72.0 * kEinheiten_pro_mm));
}

QFont Schrift(int pt, bool fett = false) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(Einheiten_aus_Punkten(pt));
  f.setBold(fett);
  f.setKerning(false);
  return f;
}

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The painter counts tenths of a millimetre from the paper's top-left corner, whatever the
// device's resolution and margins. The device's origin is the corner of its paint area in whole
// device pixels (a PDF rounds it to whole points), so it is taken in those.
void Papiermass_einstellen(QPainter& p, const QPagedPaintDevice& g) {
  const QPoint ecke = g.pageLayout().paintRectPixels(g.logicalDpiX()).topLeft();
  p.resetTransform();
  p.translate(-ecke.x(), -ecke.y());
  p.scale(g.logicalDpiX() / 25.4 / kEinheiten_pro_mm, g.logicalDpiY() / 25.4 / kEinheiten_pro_mm);
}

QRectF In_Einheiten(const QRectF& mm) {
  return {mm.left() * kEinheiten_pro_mm, mm.top() * kEinheiten_pro_mm,
          mm.width() * kEinheiten_pro_mm, mm.height() * kEinheiten_pro_mm};
}

void Bildseite_malen(QPainter& p, const TDruckauftrag& a, const QRectF& papier,
                     const QRectF& innen) {
  const double breite = a.Zeichnung.Breite * kEinheiten_pro_Bildpixel;
  const double hoehe = a.Zeichnung.Hoehe * kEinheiten_pro_Bildpixel;
  const double x = papier.left() + (papier.width() - breite) / 2;
  double y = innen.top();
  p.save();
  p.translate(x, y);
  p.scale(kEinheiten_pro_Bildpixel, kEinheiten_pro_Bildpixel);
  Protokoll_vektoriell_malen(a.Zeichnung, p);
  p.restore();

  const QFont f = Schrift(kBeschriftung_pt);
  p.setFont(f);
  const double zeile = p.fontMetrics().lineSpacing();
  y += hoehe + kAbstand_unter_Bild;
  for (const TDruckterm& t : a.Terme) {
    p.setPen(Farbe_zu_QColor(t.Farbe));
    p.drawText(QPointF(x, y + p.fontMetrics().ascent()), Q(t.Name + "(x) = " + t.Term));
    y += zeile;
  }
  p.setPen(Qt::black);
  p.drawText(QPointF(x, y + p.fontMetrics().ascent()), Q(a.Datum));
}

double Spaltenbreite(const Tabelle& t, int spalte) {
  return std::max(1, t.Spaltenbreite[spalte]) * kEinheiten_pro_Tabellenpixel;
}

double Zeilenhoehe(const Tabelle& t, int zeile) {
  return std::max(1, zeile == 0 ? t.Kopfzeilenhoehe : t.Standard_Zeilenhoehe) *
         kEinheiten_pro_Tabellenpixel;
}

void Zelle_malen(QPainter& p, const Tabelle& t, int spalte, int zeile, const QRectF& r) {
  const bool fest = spalte == 0 || zeile == 0;
  p.fillRect(r, Farbe_zu_QColor(fest ? t.Farbe_fest : t.Farbe_Daten));
  p.setBrush(Qt::NoBrush);
  p.setPen(Farbe_zu_QColor(t.Schrift.Farbe));
  // Captions of row 0 read from the left, numbers and row numbers from the right, as on screen.
  const QRect innen = r.adjusted(kZellrand, 0, -kZellrand, 0).toRect();
  Zelle_zeichnen(t, spalte, zeile, p, innen, false,
                 zeile == 0 ? TAusrichtung::Links : TAusrichtung::Rechts);
  p.setPen(QPen(QColor(128, 128, 128), 1.0));
  p.drawRect(r);
}

void Tabellenseite_malen(QPainter& p, const Tabelle& t, const TTabellenseite& s,
                         const QRectF& innen) {
  p.setFont(Schrift(kTabelle_pt, true));
  p.setPen(Qt::black);
  char titel[96];
  std::snprintf(titel, sizeof titel, "Tabelle: Spalten %d\u2013%d, Zeilen %d\u2013%d", s.Spalte_von,
                s.Spalte_bis, s.Zeile_von, s.Zeile_bis);
  p.drawText(QPointF(innen.left(), innen.top() + p.fontMetrics().ascent()), Q(titel));
  p.setFont(Schrift(kTabelle_pt));
  std::vector<int> spalten{0}, zeilen{0};
  for (int c = s.Spalte_von; c <= s.Spalte_bis; ++c)
    spalten.push_back(c);
  for (int r = s.Zeile_von; r <= s.Zeile_bis; ++r)
    zeilen.push_back(r);
  double y = innen.top() + kTitelhoehe;
  for (int r : zeilen) {
    double x = innen.left();
    for (int c : spalten) {
      const QRectF zelle(x, y, Spaltenbreite(t, c), Zeilenhoehe(t, r));
      Zelle_malen(p, t, c, r, zelle);
      x += zelle.width();
    }
    y += Zeilenhoehe(t, r);
  }
}

}  // namespace

QPageLayout Druckseitenlage() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(kDruckrand_mm, kDruckrand_mm, kDruckrand_mm, kDruckrand_mm),
                     QPageLayout::Millimeter);
}

std::vector<TDruckterm> Sichtbare_Terme(const Werkbank_Zustand& w) {
  struct TQuelle {
    const char* name;
    const char* feld;
    Kurve kurve;
  };
  constexpr TQuelle quellen[] = {
      {"f", "Edit_fSchar", Kurve_f}, {"g", "Edit_gSchar", Kurve_g}, {"h", "Edit_hSchar", Kurve_h}};
  std::vector<TDruckterm> r;
  for (const TQuelle& q : quellen) {
    const std::string& term = w.Feldtext(q.feld);
    if (w.Kurve_zeichnen[q.kurve] && !term.empty())
      r.push_back({q.name, term, w.Kurvenstile[q.kurve].Farbe});
  }
  return r;
}

std::string Druckdatum(int jahr, int monat, int tag) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", tag, monat, jahr);
  return text;
}

TDruckauftrag Druckauftrag_erstellen(const TBild& bild, const Werkbank_Zustand& w,
                                     const Tabelle* zahlen, const std::string& datum) {
  TDruckauftrag a;
  a.Zeichnung = bild.Protokoll_abgeschlossen();
  a.Terme = Sichtbare_Terme(w);
  a.Datum = datum;
  a.Zahlen = zahlen;
  return a;
}

TBelegung Belegter_Bereich(const Tabelle& t) {
  TBelegung b;
  for (int r = 1; r <= Letzte_Zeile; ++r)
    for (int c = 1; c <= Letzte_Spalte; ++c)
      if (!t.Zelle(c, r).empty()) {
        b.Zeilen = r;
        b.Spalten = std::max(b.Spalten, c);
      }
  return b;
}

std::vector<TTabellenseite> Tabellenseiten_aufteilen(const Tabelle& t, double breite,
                                                     double hoehe) {
  const TBelegung b = Belegter_Bereich(t);
  std::vector<TTabellenseite> seiten;
  if (b.Spalten == 0) return seiten;
  const double frei = hoehe - kTitelhoehe - Zeilenhoehe(t, 0);
  const int je_Seite = std::max(1, static_cast<int>(std::floor(frei / Zeilenhoehe(t, 1))));
  for (int von = 1; von <= b.Spalten;) {
    int bis = von;
    double x = Spaltenbreite(t, 0) + Spaltenbreite(t, von);
    while (bis < b.Spalten && x + Spaltenbreite(t, bis + 1) <= breite)
      x += Spaltenbreite(t, ++bis);
    for (int oben = 1; oben <= b.Zeilen; oben += je_Seite)
      seiten.push_back({von, bis, oben, std::min(b.Zeilen, oben + je_Seite - 1)});
    von = bis + 1;
  }
  return seiten;
}

bool Druckseiten_malen(const TDruckauftrag& a, QPagedPaintDevice& geraet, std::string& fehlertext) {
  fehlertext.clear();
  const std::string nicht = "Der Druck ist fehlgeschlagen: ";
  QPainter p;
  if (!p.begin(&geraet)) {
    fehlertext = nicht + "Der Drucker oder die Zieldatei nimmt keine Seiten an.";
    return false;
  }
  const QPageLayout lage = geraet.pageLayout();
  const QRectF papier = In_Einheiten(lage.fullRect(QPageLayout::Millimeter));
  const QRectF innen = In_Einheiten(lage.paintRect(QPageLayout::Millimeter));
  Papiermass_einstellen(p, geraet);
  Bildseite_malen(p, a, papier, innen);
  // A full table fills well over a hundred pages: progress, and Escape stops between pages.
  const std::vector<TTabellenseite> seiten =
      a.Zahlen ? Tabellenseiten_aufteilen(*a.Zahlen, innen.width(), innen.height())
               : std::vector<TTabellenseite>{};
  TRechenlauf lauf("Druckseiten werden erstellt", static_cast<long>(seiten.size()));
  for (std::size_t i = 0; i < seiten.size(); ++i) {
    if (!lauf.Weiter(static_cast<long>(i))) {
      p.end();
      fehlertext = "Der Druck wurde abgebrochen.";
      return false;
    }
    if (!geraet.newPage()) {
      p.end();
      fehlertext = nicht + "Der Drucker nimmt keine weitere Seite an.";
      return false;
    }
    Papiermass_einstellen(p, geraet);
    Tabellenseite_malen(p, *a.Zahlen, seiten[i], innen);
  }
  if (!p.end()) {
    fehlertext = nicht + "Die Seiten konnten nicht abgeschlossen werden.";
    return false;
  }
  return true;
}

void Druck_abschliessen(bool gedruckt, const std::string& fehlertext) {
  if (!fehlertext.empty()) {
    Dialog().Meldung(fehlertext);
  } else if (!gedruckt) {
    Dialog().Meldung("Nicht gedruckt");
  }
}
