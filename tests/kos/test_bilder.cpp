// Renders the coordinate system variants to PNG files for a look by eye.

#include <gtest/gtest.h>

#include <QDir>

#include "kos_hilfe.h"

namespace {

void Speichern(const TBild& b, const std::string& name) {
  const std::string ordner = kos_test::Ausgabeordner();
  QDir().mkpath(QString::fromStdString(ordner));
  const QString pfad = QString::fromStdString(ordner + "/" + name);
  EXPECT_TRUE(b.Bild().save(pfad, "PNG")) << pfad.toStdString();
}

TEST(Bilder, KoordinatensystemeAlsPNG) {
  struct Fall {
    const char* datei;
    int teilung;
    TStiftstil stil;
  };
  for (const Fall f : {Fall{"kos_5mm.png", 2, TStiftstil::Durchgezogen},
                       Fall{"kos_1mm.png", 10, TStiftstil::Durchgezogen},
                       Fall{"kos_10mm.png", 1, TStiftstil::Gepunktet}}) {
    kos_test::Startwerte();
    KOS.Rasterteilung = f.teilung;
    KOS.Raster_Linienstil = f.stil;
    TBild b;
    KOS_zeichnen(b);
    Speichern(b, f.datei);
  }
  // Crowded and exponent labels.
  for (long double s : {1000000.0L, 1e7L, 1e-7L, 0.12345678912L}) {
    kos_test::Startwerte();
    KOS.xscl = KOS.yscl = s;
    KOS.xli = KOS.yu = -8 * s;
    KOS.xre = KOS.yo = 8 * s;
    TBild b;
    KOS_zeichnen(b);
    Speichern(b, "kos_skala_" + std::to_string(static_cast<double>(s)) + ".png");
  }
  kos_test::Startwerte();
}

}  // namespace
