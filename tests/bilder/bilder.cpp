// Writes pictures to look at by eye: coordinate-system variants, the main window, the help
// window and every demonstration data set with its tool. Not a test; scripts/bilder.sh builds and
// runs it.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <cstdio>
#include <string>

#include "engine/KOS.h"
#include "engine/UMatheBasisOp.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "windows/UQdx.h"
#include "windows/Unit2_Help.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"
#include "workbench/Blatt.h"

namespace {

bool Speichern(const QImage& bild, const QString& ordner, const QString& name) {
  const QString pfad = ordner + "/" + name;
  if (bild.save(pfad, "PNG")) {
    std::printf("%s\n", pfad.toLocal8Bit().constData());
    return true;
  }
  std::fprintf(stderr, "nicht gespeichert: %s\n", pfad.toLocal8Bit().constData());
  return false;
}

void Startwerte() {
  Blatt_zuruecksetzen();
}

bool Koordinatensysteme(const QString& ordner) {
  struct Fall {
    const char* datei;
    int teilung;
    TStiftstil stil;
  };
  bool ok = true;
  for (const Fall f : {Fall{"kos_5mm.png", 2, TStiftstil::Durchgezogen},
                       Fall{"kos_1mm.png", 10, TStiftstil::Durchgezogen},
                       Fall{"kos_10mm.png", 1, TStiftstil::Gepunktet}}) {
    Startwerte();
    KOS.Rasterteilung = f.teilung;
    KOS.Raster_Linienstil = f.stil;
    TBild b;
    KOS_zeichnen(b);
    ok &= Speichern(b.Bild(), ordner, f.datei);
  }
  // Crowded and exponent labels.
  for (long double s : {1000000.0L, 1e7L, 1e-7L, 0.12345678912L}) {
    Startwerte();
    KOS.xscl = KOS.yscl = s;
    KOS.xli = KOS.yu = -8 * s;
    KOS.xre = KOS.yo = 8 * s;
    TBild b;
    KOS_zeichnen(b);
    ok &= Speichern(
        b.Bild(), ordner,
        QString::fromStdString("kos_skala_" + std::to_string(static_cast<double>(s)) + ".png"));
  }
  Startwerte();
  return ok;
}

bool Fenster(const QString& ordner) {
  TForm1 haupt;
  haupt.show();
  QApplication::processEvents();
  bool ok = Speichern(haupt.grab().toImage(), ordner, "fenster.png");
  for (QWidget* seite : {static_cast<QWidget*>(haupt.Form4), static_cast<QWidget*>(haupt.Form5)}) {
    seite->show();
    QApplication::processEvents();
    ok &= Speichern(seite->grab().toImage(), ordner, seite->objectName() + ".png");
    seite->hide();
  }
  TForm2 hilfe;
  hilfe.show();
  QApplication::processEvents();
  ok &= Speichern(hilfe.grab().toImage(), ordner, "hilfe_oben.png");
  if (auto* memo = hilfe.findChild<QPlainTextEdit*>(QStringLiteral("Memo1_Bedienung"))) {
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum() / 2);
    QApplication::processEvents();
    ok &= Speichern(hilfe.grab().toImage(), ordner, "hilfe_mitte.png");
  }
  return ok;
}

// Answers every question with yes and prints the messages, so nothing waits for a user.
struct Stumm final : Dialoge {
  void Meldung(const std::string& text) override { std::printf("  Meldung: %s\n", text.c_str()); }
  bool Frage(const std::string&) override { return true; }
  bool Eingabe(const std::string&, const std::string&, std::string&) override { return false; }
  bool Speicherpfad_waehlen(const std::string&, const std::string&, const std::string&,
                            std::string& pfad) override {
    pfad = speicherpfad;
    return !pfad.empty();
  }
  std::string speicherpfad;
};

// The 3-4-5 triangle with every line of the side window, and a 4-stage tree.
bool Seitenfenster(const QString& ordner) {
  Stumm stumm;
  Dialog_setzen(&stumm);
  TForm1 haupt;
  haupt.show();
  bool ok = true;
  const char* ecken[][2] = {{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}};
  for (int i = 0; i < 4; ++i) {
    Zahlentabelle.Zelle_setzen(1, i + 1, ecken[i][0]);
    Zahlentabelle.Zelle_setzen(2, i + 1, ecken[i][1]);
  }
  haupt.Form4->Haken_setzen("CheckBox_alles_auswaehlen", true);
  ok &= QMetaObject::invokeMethod(haupt.Form4, "BitBtn_DreieckslinienClick");
  QApplication::processEvents();
  ok &= Speichern(haupt.grab().toImage(), ordner, "dreieck_345.png");
  Dialog_setzen(nullptr);
  return ok;
}

// The start picture with a family, its derivative and a placed text, saved through the picture's
// own save button in every format it offers.
bool Vektorbilder(const QString& ordner) {
  Stumm stumm;
  Dialog_setzen(&stumm);
  TForm1 haupt;
  bool ok = true;
  haupt.Haken_zeigen("CheckBox_alle_t_verwenden", true);
  haupt.Haken_zeigen("CheckBox_Schar_fs_zeichnen", true);
  ok &= QMetaObject::invokeMethod(&haupt, "SpeedButton_PlotClick");
  for (const char* datei : {"grafik.png", "grafik.svg", "grafik.pdf"}) {
    stumm.speicherpfad = (ordner + "/" + datei).toStdString();
    QFile::remove(QString::fromStdString(stumm.speicherpfad));
    ok &= QMetaObject::invokeMethod(&haupt, "SpeedButton_speichernBMPClick");
    ok &= QFile::exists(QString::fromStdString(stumm.speicherpfad));
    std::printf("%s\n", stumm.speicherpfad.c_str());
  }
  Dialog_setzen(nullptr);
  return ok;
}

// Each demonstration data set with the tool it was made for.
bool Testdaten(const QString& ordner) {
  struct Fall {
    const char* daten;
    const char* werkzeug;
    const char* datei;
  };
  const Fall faelle[] = {
      {"LinReg", "SpeedButton_Regressionsmodell_startenClick", "testdaten_linreg.png"},
      {"Dreieck", nullptr, "testdaten_dreieck.png"},
      {"Saeulendiagramm", "SpeedButton_Diagramm_zeichnenClick", "testdaten_saeulen.png"},
      {"Boxplots", "SpeedButton_Diagramm_zeichnenClick", "testdaten_boxplot.png"},
      {"Histo", "SpeedButton_Diagramm_zeichnenClick", "testdaten_histogramm.png"},
      {"LGS", "SpeedButton_MatrixOpsClick", "testdaten_lgs.png"},
      {"Kreisdiagramm", "SpeedButton_Diagramm_zeichnenClick", "testdaten_kreis.png"},
      {"Splines", "SpeedButton_SplineInterpolationClick", "testdaten_splines.png"},
  };
  Stumm stumm;
  Dialog_setzen(&stumm);
  bool ok = true;
  for (const Fall& f : faelle) {
    TForm1 haupt;
    haupt.show();
    QApplication::processEvents();
    std::printf("%s\n", f.daten);
    if (std::string(f.daten) == "LinReg") haupt.Haken_zeigen("CheckBox_2_Regressionsgeraden", true);
    const QByteArray knopf = QByteArray("SpeedButton_Testdaten_") + f.daten + "Click";
    ok &= QMetaObject::invokeMethod(&haupt, knopf.constData());
    if (f.werkzeug) ok &= QMetaObject::invokeMethod(&haupt, f.werkzeug);
    QApplication::processEvents();
    ok &= Speichern(haupt.grab().toImage(), ordner, f.datei);
  }
  Dialog_setzen(nullptr);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bilder");
  if (!QDir().mkpath(ordner)) {
    std::fprintf(stderr, "Ordner nicht angelegt: %s\n", ordner.toLocal8Bit().constData());
    return 1;
  }
  const bool ok = Koordinatensysteme(ordner) && Fenster(ordner) && Testdaten(ordner) &&
                  Seitenfenster(ordner) && Vektorbilder(ordner);
  return ok ? 0 : 1;
}
