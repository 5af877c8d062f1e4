// Printing: the pages go through Qt's printer into a PDF file, which an independent renderer
// (poppler's pdftoppm and pdftotext) measures and reads.

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "platform/URechenlauf.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "windows/Druckvorschau.h"
#include "workbench/Druckseiten.h"

namespace {

QByteArray Werkzeug(const char* name, const QStringList& angaben) {
  QProcess p;
  p.start(QString::fromLatin1(name), angaben);
  if (!p.waitForFinished(120000) || p.exitCode() != 0) return {};
  return p.readAllStandardOutput();
}

QString Seitentext(const QString& pdf, int seite) {
  const QString s = QString::number(seite);
  return QString::fromUtf8(Werkzeug("pdftotext", {"-f", s, "-l", s, "-layout", pdf, "-"}));
}

// One pixel row of page 1 at 508 dpi (20 pixels to the millimetre), y_mm below the paper's top:
// the width of its dark part in millimetres (grey edges count by their darkness) and where the
// first dark pixel lies.
struct TSchwarz {
  double breite_mm = 0, links_mm = -1;
};

TSchwarz Schwarz_in_Zeile(const QString& pdf, double y_mm) {
  const QByteArray pgm =
      Werkzeug("pdftoppm", {"-r", "508", "-f", "1", "-l", "1", "-gray", "-x", "0", "-y",
                            QString::number(std::lround(y_mm * 20)), "-W", "4200", "-H", "1", pdf});
  TSchwarz r;
  // "P5", width, height, 255, each followed by one blank or line end, then the bytes.
  const QList<QByteArray> kopf = pgm.left(32).simplified().split(' ');
  if (kopf.size() < 4 || kopf[0] != "P5") return r;
  const int breite = kopf[1].toInt();
  const qsizetype anfang = pgm.size() - breite;
  if (breite <= 0 || anfang < 0) return r;
  double dunkel = 0;
  for (int x = 0; x < breite; ++x) {
    const double d = (255 - static_cast<unsigned char>(pgm[anfang + x])) / 255.0;
    if (d > 0.5 && r.links_mm < 0) r.links_mm = x / 20.0;
    dunkel += d;
  }
  r.breite_mm = dunkel / 20.0;
  return r;
}

// A picture black from edge to edge, so its box shows on white paper; f in blue; table cells far
// enough apart to need four pages.
struct TDruckprobe {
  TBild bild{641, 641};
  Tabelle zahlen;
  TDruckauftrag auftrag;
  TDruckprobe() {
    bild.Stift.Farbe = 0x000000;
    bild.Pinselfarbe_setzen(0x000000);
    bild.Rechteck(0, 0, 641, 641);
    zahlen.Zelle_setzen(1, 1, "3,25");
    zahlen.Zelle_setzen(2, 1, "-----");
    zahlen.Zelle_setzen(9, 70, "Ende");
    auftrag.Zeichnung = bild.Protokoll_abgeschlossen();
    auftrag.Terme = {{"f", "0,5x²", 0xFF0000}};
    auftrag.Datum = "08.12.2026";
    auftrag.Zahlen = &zahlen;
  }
};

bool Drucken(const TDruckauftrag& a, const QString& pdf, int dpi, std::string& fehler) {
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pdf);
  Drucker_einrichten(drucker);
  drucker.setResolution(dpi);
  return Druckseiten_malen(a, drucker, fehler);
}

// 641 pixels at 40 to the centimetre are 160.25 mm on paper, centred on A4's 210 mm, at any
// printer resolution; the caption and the table are real text.
TEST(Druck, Bild_misst_auf_A4_160_25_mm_bei_jeder_Aufloesung) {
  Anwendung();
  TDruckprobe probe;
  QTemporaryDir ordner;
  for (int dpi : {300, 1200}) {
    const QString pdf = ordner.filePath(QStringLiteral("seiten%1.pdf").arg(dpi));
    std::string fehler;
    ASSERT_TRUE(Drucken(probe.auftrag, pdf, dpi, fehler)) << fehler;
    // The picture's top is at the 15-mm margin, so 100 mm down crosses it.
    const TSchwarz s = Schwarz_in_Zeile(pdf, 100);
    EXPECT_NEAR(s.breite_mm, 160.25, 0.1) << dpi;
    EXPECT_NEAR(s.links_mm, (210 - 160.25) / 2, 0.1) << dpi;
    const QString seite1 = Seitentext(pdf, 1);
    EXPECT_TRUE(seite1.contains(QStringLiteral("f(x) = 0,5x²"))) << seite1.toStdString();
    EXPECT_TRUE(seite1.contains(QStringLiteral("08.12.2026"))) << seite1.toStdString();
    // Columns 1-7 and 8-9, rows 1-64 and 65-70: four table pages after the picture.
    EXPECT_TRUE(QString::fromUtf8(Werkzeug("pdfinfo", {pdf}))
                    .contains(QRegularExpression(QStringLiteral("Pages: +5\\n"))))
        << dpi;
    const QString seite2 = Seitentext(pdf, 2);
    for (const char* text : {"Ze Nr", "x (Sp1)", "3,25", "-----"})
      EXPECT_TRUE(seite2.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(Seitentext(pdf, 5).contains(QStringLiteral("Ende")));
  }
}

TEST(Druck, Drucker_der_nicht_annimmt_scheitert_mit_Meldung) {
  Anwendung();
  TDruckprobe probe;
  QTemporaryDir ordner;
  std::string fehler;
  EXPECT_FALSE(Drucken(probe.auftrag, ordner.filePath("fehlt/seiten.pdf"), 300, fehler));
  EXPECT_EQ(fehler.rfind("Der Druck ist fehlgeschlagen: ", 0), 0u) << fehler;
}

// Escape between pages stops the pages; the reason is the one message.
TEST(Druck, Escape_haelt_lange_Tabellen_an) {
  Anwendung();
  TDruckprobe probe;
  QTemporaryDir ordner;
  // Every look at the clock is a second later, so the progress shows at once.
  TRechenlauf::Uhr_setzen([] {
    static TRechenlauf::TZeitpunkt t;
    return t += std::chrono::seconds(1);
  });
  SkriptDialoge d;
  d.abbruch_ab_abfrage = 1;
  std::string fehler;
  const bool fertig = Drucken(probe.auftrag, ordner.filePath("seiten.pdf"), 300, fehler);
  TRechenlauf::Uhr_setzen(nullptr);
  EXPECT_FALSE(fertig);
  EXPECT_EQ(fehler, "Der Druck wurde abgebrochen.");
  EXPECT_FALSE(d.fortschritte.empty());
}

class Druckfenster : public Plotfenster {};

// The button sits in the text group without covering any other control.
TEST_F(Druckfenster, Druckknopf_liegt_frei) {
  QWidget* knopf = form->Element("SpeedButton_Drucken");
  ASSERT_NE(knopf, nullptr);
  EXPECT_EQ(knopf->parentWidget(), form->Element("GroupBox_Text_in_Grafik"));
  EXPECT_TRUE(knopf->parentWidget()->rect().contains(knopf->geometry()));
  for (QObject* o : knopf->parentWidget()->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w != knopf && w->isVisibleTo(form)) {
      EXPECT_FALSE(w->geometry().intersects(knopf->geometry())) << w->objectName().toStdString();
    }
  }
}

// The preview shows the picture page and the table's pages; closing it prints nothing, changes
// nothing and says so once.
TEST_F(Druckfenster, Vorschau_zeigt_alle_Seiten_und_Abbruch_meldet_einmal) {
  SkriptDialoge d;
  Zahlentabelle.Zelle_setzen(9, 70, "Ende");
  const QImage vorher = Kopie();
  int seiten = -1;
  QTimer::singleShot(0, [&] {
    auto* vorschau = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!vorschau) return;
    if (auto* w = vorschau->findChild<QPrintPreviewWidget*>()) seiten = w->pageCount();
    vorschau->reject();
  });
  ASSERT_TRUE(QMetaObject::invokeMethod(form, "SpeedButton_DruckenClick", Qt::DirectConnection));
  Zahlentabelle.Zelle_setzen(9, 70, "");
  EXPECT_EQ(seiten, 5);
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Nicht gedruckt"});
  EXPECT_EQ(Kopie(), vorher);
}

}  // namespace
