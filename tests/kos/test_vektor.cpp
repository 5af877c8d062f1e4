// The picture for print: its recording redraws the same pixels, survives its text form, and
// its SVG and PDF forms are the same drawing at true size.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <functional>

#include "../support/SkriptDialoge.h"
#include "analysis/UKurven.h"
#include "kos/UBildexport.h"
#include "kos/UVektorbild.h"
#include "kos_hilfe.h"

namespace {

using Szene = std::function<void(TBild&)>;

void Koordinatensystem(TBild& b) {
  KOS_zeichnen(b);
}

void Schar_mit_Ableitung_und_F(TBild& b) {
  KOS_zeichnen(b);
  TScharwerte s;
  s.alle_t = true;
  const std::string f = "0,1tx(9t-x²)";
  Kurve_zeichnen(b, f, 0xFF0000, 1, Modus_Funktion, -8, 8, s);
  Kurve_zeichnen(b, f, 0x0000FF, 2, Modus_Ableitung_1, -8, 8, s);
  Kurve_zeichnen(b, f, 0x008000, 3, Modus_Integralfunktion, -8, 8, s);
}

void Schraffuren(TBild& b) {
  KOS_zeichnen(b);
  Rechteck_zeichnen(b, 40, 40, 200, 120, 0x000000, 0xFF0000, 1, TStiftstil::Durchgezogen,
                    Pinsel_diagonal_vor);
  Kreis_zeichnen(b, 400, 200, 60, 0x008000, 0x008000, 2, TStiftstil::Durchgezogen, Pinsel_kreuz);
  Viereck_zeichnen(b, QPoint(100, 400), QPoint(300, 380), QPoint(280, 560), QPoint(120, 600),
                   0x0000FF, 0x0000FF, 1, TStiftstil::Gepunktet, Pinsel_waagrecht);
  Kreissektor_zeichnen(b, 500, 500, 600, 500, 500, 420, 0x800000, 0x800000, 1,
                       TStiftstil::Durchgezogen, Pinsel_diagonal_kreuz);
}

void Text_und_Formen(TBild& b) {
  KOS_zeichnen(b);
  Text_schreiben(b, 60, 70, "f(x) = x² − 2·x", "Arial", 14, Pinsel_leer, Schrift_fett, 0x000080);
  Text_schreiben(b, 60, 500, "Fläche A ≈ 3,14", "Courier New", 12, Pinsel_voll, 0, 0x000000);
  Linie_zeichnen(b, 10, 620, 600, 300, 0xFF0000, 3, TStiftstil::Durchgezogen);
  Gerade_zeichnen(b, 300, 100, 310, 103, 0x008000, 1, TStiftstil::Durchgezogen);
  Kreisbogen_zeichnen(b, 320, 320, 400, 320, 320, 240, 0x000000, 1, TStiftstil::Durchgezogen);
  Pfeil_zeichnen(b, 100, 100, 250, 300, 0x000000, 1, 0x000000, TStiftstil::Durchgezogen,
                 Pinsel_voll, 12, 5);
  Kreuz_schraeg(b, 500, 100, 4, 0x0000FF, 1, TStiftstil::Durchgezogen);
  Kreis_zeichnen(b, 520, 120, 1, 0x0000FF, 0x0000FF, 1, TStiftstil::Durchgezogen, Pinsel_voll);
}

// A zoom frame still standing: inverted pixels have no vector form and go in as a bitmap.
void Stehender_Rahmen(TBild& b) {
  KOS_zeichnen(b);
  b.Pinselstil_setzen(Pinsel_leer);
  b.Stift = TStift{0, 1, TStiftstil::Gepunktet, TStiftmodus::Invertieren};
  b.Rechteck(100, 120, 400, 380);
  b.Stift.Modus = TStiftmodus::Kopieren;
}

struct Fall {
  const char* name;
  Szene malen;
};

const Fall kSzenen[] = {{"Koordinatensystem", Koordinatensystem},
                        {"Schar_mit_Ableitung_und_F", Schar_mit_Ableitung_und_F},
                        {"Schraffuren", Schraffuren},
                        {"Stehender_Rahmen", Stehender_Rahmen},
                        {"Text_und_Formen", Text_und_Formen}};

class Vektor : public kos_test::Mit_Startwerten {};

bool gleich(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// ---- the recording -----------------------------------------------------------------------------

TEST_F(Vektor, NachzeichnenUndTextformGebenDieselbenPixel) {
  for (const Fall& f : kSzenen) {
    TBild b;
    f.malen(b);
    TBild kopie(7, 7);
    kopie.Protokoll_abspielen(b.Protokoll());
    EXPECT_TRUE(gleich(kopie.Bild(), b.Bild())) << f.name;

    TZeichenprotokoll gelesen;
    std::string fehler;
    ASSERT_TRUE(Protokoll_aus_Text(Protokoll_als_Text(b.Protokoll()), gelesen, fehler)) << fehler;
    TBild aus_text(7, 7);
    aus_text.Protokoll_abspielen(gelesen);
    EXPECT_TRUE(gleich(aus_text.Bild(), b.Bild())) << f.name;
  }
}

TEST_F(Vektor, LeerenVergisstAllesVorher) {
  TBild b;
  Schraffuren(b);
  Bild_leeren(b, 0xFFFFFF);
  ASSERT_EQ(b.Protokoll().Befehle.size(), 1u);
  Bild_platzieren(b, 0, 0, 300, 200);
  EXPECT_TRUE(b.Protokoll().Befehle.empty());
  EXPECT_EQ(b.Protokoll().Breite, 300);
  EXPECT_EQ(b.Protokoll().Hoehe, 200);
}

TEST_F(Vektor, GummibandHinterlaesstNurWasStehenBleibt) {
  TBild b;
  KOS_zeichnen(b);
  const std::size_t vorher = b.Protokoll().Befehle.size();
  auto rahmen = [&](int r) {
    b.Pinselstil_setzen(Pinsel_leer);
    b.Stift = TStift{0, 1, TStiftstil::Gepunktet, TStiftmodus::Invertieren};
    b.Rechteck(100, 100, r, r);
  };
  // Dragging: every frame is drawn, then drawn again to take it back.
  for (int r = 150; r < 400; r += 10) {
    rahmen(r);
    rahmen(r);
  }
  EXPECT_EQ(b.Protokoll().Befehle.size(), vorher);
  rahmen(333);  // the frame still showing
  TBild kopie;
  kopie.Protokoll_abspielen(b.Protokoll_abgeschlossen());
  EXPECT_TRUE(gleich(kopie.Bild(), b.Bild()));
  // Drawing on top fixes the frame as the pixels it changed, and nothing is lost.
  b.Stift.Modus = TStiftmodus::Kopieren;
  Linie_zeichnen(b, 0, 0, 640, 640, 0x0000FF, 1, TStiftstil::Durchgezogen);
  kopie.Protokoll_abspielen(b.Protokoll());
  EXPECT_TRUE(gleich(kopie.Bild(), b.Bild()));
}

TEST_F(Vektor, LangeSitzungBleibtBegrenzt) {
  TBild b(64, 64);
  for (std::size_t i = 0; i < kMaxBefehle + 10; ++i)
    b.Pixel_setzen(static_cast<int>(i % 64), static_cast<int>((i / 64) % 64),
                   static_cast<TFarbe>(i * 2654435761u) & 0xFFFFFFu);
  EXPECT_LE(b.Protokoll().Befehle.size(), kMaxBefehle);
  TBild kopie;
  kopie.Protokoll_abspielen(b.Protokoll());
  EXPECT_TRUE(gleich(kopie.Bild(), b.Bild()));
}

TEST(Zeichnungstext, UngueltigesWirdAbgelehnt) {
  TBild b(20, 20);
  Linie_zeichnen(b, 0, 0, 10, 10, 0, 1, TStiftstil::Durchgezogen);
  const std::string gut = Protokoll_als_Text(b.Protokoll());
  const std::string kopf = "QDXBILD 1 20 20 1\n";
  const std::string faelle[] = {
      "",
      "Unsinn",
      "QDXBILD 2 20 20 0\n",
      "QDXBILD 1 0 20 0\n",
      "QDXBILD 1 20 99999 0\n",
      "QDXBILD 1 20000 20000 0\n",
      "QDXBILD 1 20 20 999999999\n",
      "QDXBILD 1 20 20 2\n" + gut.substr(gut.find('\n') + 1),  // one entry missing
      kopf + "Q 0 1 0 0 16777215 1 0 0 10 10 0 0 0 0\n",       // unknown kind
      kopf + "L 0 1 0 0 16777215 1 0 0 10\n",                  // too few numbers
      kopf + "L 0 1 0 0 16777215 1 0 0 10 10 0 0 0 0 7\n",     // too many
      kopf + "L 0 1 5 0 16777215 1 0 0 10 10 0 0 0 0\n",       // pen style out of range
      kopf + "L 0 1 0 0 16777215 1 0 0 1e3 10 0 0 0 0\n",      // not an integer
      kopf + "L 0 1 0 0 16777215 1 0 0 99999999999 0 0 0 0 0\n",
      kopf + "P 0 1 0 0 16777215 1 0 0 0 0 0 0 0 0 3 1 2 3 4\n",           // points missing
      kopf + "P 0 1 0 0 16777215 1 0 0 0 0 0 0 0 0 9999999 1 2\n",         // too many points
      kopf + "S 0 1 0 0 16777215 1 5 5 0 0 0 0 0 0 =Arial 10 0 0 =a%4\n",  // broken escape
      kopf + "S 0 1 0 0 16777215 1 5 5 0 0 0 0 0 0 =Arial 0 0 0 =a\n",     // font size 0
      kopf + "M 0 1 0 0 16777215 1 0 0 0 0 0 0 0 0 bm90IGEgcG5n\n",        // not a PNG
      gut + "L 0 1 0 0 16777215 1 0 0 10 10 0 0 0 0\n",                    // text after the end
  };
  for (const std::string& f : faelle) {
    TZeichenprotokoll p = b.Protokoll();
    std::string fehler;
    EXPECT_FALSE(Protokoll_aus_Text(f, p, fehler)) << f;
    EXPECT_FALSE(fehler.empty()) << f;
    EXPECT_EQ(p.Befehle.size(), 1u) << "unchanged after refusing: " << f;
  }
}

// Whatever a damaged file holds is refused or drawn, never a crash or a hang.
TEST_F(Vektor, BeschaedigterTextStuerztNichtAb) {
  TBild b(200, 200);
  Schraffuren(b);
  Text_schreiben(b, 10, 10, "Text", "Arial", 10, Pinsel_voll, 0, 0);
  const std::string gut = Protokoll_als_Text(b.Protokoll());
  std::uint32_t zufall = 12345;
  auto naechste = [&] { return zufall = zufall * 1103515245u + 12345u; };
  const char zeichen[] = "0123456789 -=%\nLREPBTXSMa";
  for (int i = 0; i < 300; ++i) {
    std::string kaputt = gut;
    for (int j = 0; j < 3; ++j)
      kaputt[(naechste() >> 8) % kaputt.size()] = zeichen[(naechste() >> 8) % (sizeof zeichen - 1)];
    TZeichenprotokoll p;
    std::string fehler;
    if (Protokoll_aus_Text(kaputt, p, fehler)) {
      TBild neu(1, 1);
      neu.Protokoll_abspielen(p);
    } else {
      EXPECT_FALSE(fehler.empty());
    }
  }
}

TEST(Zeichnungstext, BitmapGroesserAlsDasBildWirdAbgelehnt) {
  TBild gross(40, 40);
  gross.Pixel_uebernehmen(QImage(40, 40, QImage::Format_RGB32));
  std::string text = Protokoll_als_Text(gross.Protokoll());
  text.replace(0, text.find('\n'), "QDXBILD 1 20 20 1");
  TZeichenprotokoll p;
  std::string fehler;
  EXPECT_FALSE(Protokoll_aus_Text(text, p, fehler));
}

// ---- vectors -----------------------------------------------------------------------------------

QImage Gerastert(const QByteArray& svg, QSize groesse) {
  QImage bild(groesse, QImage::Format_RGB32);
  bild.fill(Qt::white);
  QSvgRenderer r(svg);
  QPainter p(&bild);
  // Without smoothing a one-pixel line of the vector form covers whole pixels, as in the picture.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  r.render(&p, QRectF(QPointF(0, 0), groesse));
  return bild;
}

// Dark: at least half ink. Smoothing spreads a vector line thinner over two pixels, so the
// other picture only needs some ink there.
bool dunkel(QRgb c) {
  return qGray(c) < 128;
}

bool getuscht(QRgb c) {
  return qGray(c) < 224;
}

// Dark pixels of a without ink of b in their 3 × 3 neighbourhood.
int Ohne_Nachbarn(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      if (!dunkel(a.pixel(x, y))) continue;
      bool gefunden = false;
      for (int dy = -1; dy <= 1 && !gefunden; ++dy)
        for (int dx = -1; dx <= 1 && !gefunden; ++dx)
          gefunden = b.valid(x + dx, y + dy) && getuscht(b.pixel(x + dx, y + dy));
      if (!gefunden) ++n;
    }
  return n;
}

TEST_F(Vektor, SvgZeigtDiePixelDesBildes) {
  for (const Fall& f : kSzenen) {
    TBild b;
    f.malen(b);
    const QImage svg = Gerastert(Bild_als_SVG(b), b.Bild().size());
    const QImage pixel = b.Bild();
    EXPECT_EQ(Ohne_Nachbarn(pixel, svg), 0) << f.name;
    EXPECT_EQ(Ohne_Nachbarn(svg, pixel), 0) << f.name;
    if (!qEnvironmentVariableIsEmpty("QDX_VEKTOR_BILDER")) {
      const QString ziel = qEnvironmentVariable("QDX_VEKTOR_BILDER") + "/" + f.name;
      svg.save(ziel + "_svg.png");
      pixel.save(ziel + "_pixel.png");
      std::string fehler;
      Bild_in_Datei_schreiben(b, (ziel + ".pdf").toStdString(), fehler);
      Bild_in_Datei_schreiben(b, (ziel + ".svg").toStdString(), fehler);
    }
  }
}

TEST_F(Vektor, TexteBleibenTextUndLinienLinien) {
  TBild b;
  Text_und_Formen(b);
  const QString svg = QString::fromUtf8(Bild_als_SVG(b));
  EXPECT_TRUE(svg.contains(QStringLiteral("Fläche A ≈ 3,14")));
  EXPECT_TRUE(svg.contains(QStringLiteral("Liberation Mono")));
  EXPECT_FALSE(svg.contains(QStringLiteral("<image")));
}

TEST_F(Vektor, WahreGroesseInZentimetern) {
  struct Groesse {
    int px_b, px_h;
    const char* svg_b;
    const char* svg_h;
  };
  for (const Groesse& g :
       {Groesse{641, 641, "160.25mm", "160.25mm"}, Groesse{401, 241, "100.25mm", "60.25mm"}}) {
    TBild b(g.px_b, g.px_h);
    KOS_zeichnen(b);
    const QString svg = QString::fromUtf8(Bild_als_SVG(b));
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1\" height=\"%2\"")
                                 .arg(QLatin1String(g.svg_b), QLatin1String(g.svg_h))))
        << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(g.px_b).arg(g.px_h)));
    // PDF sizes are in points of 1/72 inch.
    const QByteArray pdf = Bild_als_PDF(b);
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto m = box.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(1).toDouble(), g.px_b / 40.0 / 2.54 * 72, 1e-5);
    EXPECT_NEAR(m.captured(2).toDouble(), g.px_h / 40.0 / 2.54 * 72, 1e-5);
  }
}

// ---- files and clipboard -----------------------------------------------------------------------

TEST_F(Vektor, DateiNachEndung) {
  QTemporaryDir ordner;
  TBild b;
  KOS_zeichnen(b);
  struct Datei {
    const char* name;
    QByteArray anfang;
  };
  for (const Datei& d : {Datei{"a.svg", "<?xml"}, Datei{"a.PDF", "%PDF"}, Datei{"a.png", "\x89PNG"},
                         Datei{"a.bmp", "BM"}}) {
    const QString pfad = ordner.filePath(QString::fromLatin1(d.name));
    std::string fehler;
    ASSERT_TRUE(Bild_speichern_nach_Endung(b, pfad.toStdString(), fehler)) << fehler;
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(d.anfang.size()), d.anfang) << d.name;
  }
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 4);
  std::string fehler;
  EXPECT_FALSE(Bild_speichern_nach_Endung(b, ordner.filePath("a.txt").toStdString(), fehler));
  EXPECT_EQ(fehler.rfind("Die Grafik konnte nicht gespeichert werden:", 0), 0u);
  EXPECT_FALSE(QFile::exists(ordner.filePath("a.txt")));
}

TEST_F(Vektor, SchreibfehlerLaesstVorhandeneDateiStehen) {
  QTemporaryDir ordner;
  TBild b;
  KOS_zeichnen(b);
  // The longest name a folder takes: the temporary name beside it cannot be made.
  for (const char* endung : {".svg", ".pdf"}) {
    const QString pfad = ordner.filePath(QString(251, QChar('g')) + QLatin1String(endung));
    QFile alt(pfad);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("vorher");
    alt.close();
    std::string fehler;
    EXPECT_FALSE(Bild_in_Datei_schreiben(b, pfad.toStdString(), fehler)) << endung;
    EXPECT_EQ(fehler.rfind("Die Grafik konnte nicht gespeichert werden:", 0), 0u);
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), QByteArray("vorher"));
    alt.close();
  }
}

TEST_F(Vektor, ZwischenablageBekommtAuchSvg) {
  SkriptDialoge d;
  SkriptAblage ablage;
  TBild b;
  KOS_zeichnen(b);
  Bild_in_Zwischenablage(b);
  EXPECT_EQ(ablage.bild_setzungen, 1);
  EXPECT_TRUE(gleich(ablage.bild, b.Bild()));
  EXPECT_EQ(ablage.svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(ablage.svg.find("160.25mm"), std::string::npos);
  EXPECT_EQ(d.letzte_meldung(), "Grafik in der Zwischenablage gespeichert");
}

}  // namespace
