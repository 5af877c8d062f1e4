#include "kos/UBildexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include "kos/UGrafik.h"
#include "kos/UVektorbild.h"
#include "platform/Dialoge.h"

const char* const Bild_Dateifilter =
    "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png);;SVG-Dateien (*.svg);;PDF-Dateien (*.pdf)";
const char* const Bild_Standardendung = "bmp";

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

std::string Nicht_gespeichert(const std::string& pfad, const std::string& grund) {
  return "Die Grafik konnte nicht gespeichert werden:\n" + pfad + "\n" + grund;
}

// The file's bytes in the chosen format; empty when they could not be made.
QByteArray Dateiinhalt(const TBild& bild, const std::string& format) {
  if (format == "SVG") return Bild_als_SVG(bild);
  if (format == "PDF") return Bild_als_PDF(bild);
  QByteArray daten;
  QBuffer puffer(&daten);
  puffer.open(QIODevice::WriteOnly);
  if (!bild.Bild().save(&puffer, format.c_str())) return {};
  return daten;
}

TBild Bild_aus_Pixeln(const QImage& bild) {
  TBild b(1, 1);
  b.Pixel_uebernehmen(bild);
  return b;
}

}  // namespace

std::string Bildpfad_vervollstaendigen(const std::string& pfad) {
  if (pfad.empty()) return pfad;
  const QFileInfo info(Q(pfad));
  if (info.suffix().isEmpty() && !Q(pfad).endsWith('/')) return pfad + "." + Bild_Standardendung;
  return pfad;
}

const char* Bildformat_zu_Pfad(const std::string& pfad) {
  const QString endung = QFileInfo(Q(pfad)).suffix().toLower();
  if (endung == QLatin1String("png")) return "PNG";
  if (endung == QLatin1String("svg")) return "SVG";
  if (endung == QLatin1String("pdf")) return "PDF";
  return "BMP";
}

bool Bild_in_Datei_schreiben(const TBild& bild, const std::string& pfad, std::string& fehlertext) {
  fehlertext.clear();
  const QString name = Q(pfad);
  if (QFileInfo(name).isDir()) {
    fehlertext = Nicht_gespeichert(pfad, "ist ein Ordner.");
    return false;
  }
  // Made before the file is opened, so nothing at all is touched when they fail.
  const QByteArray daten = Dateiinhalt(bild, Bildformat_zu_Pfad(pfad));
  if (daten.isEmpty()) {
    fehlertext = Nicht_gespeichert(pfad, "Fehler beim Schreiben der Bilddaten.");
    return false;
  }
  QSaveFile datei(name);
  if (!datei.open(QIODevice::WriteOnly)) {
    fehlertext = Nicht_gespeichert(pfad, datei.errorString().toStdString());
    return false;
  }
  if (datei.write(daten) != daten.size()) {
    datei.cancelWriting();
    fehlertext = Nicht_gespeichert(pfad, "Fehler beim Schreiben der Bilddaten.");
    return false;
  }
  if (!datei.commit()) {
    fehlertext = Nicht_gespeichert(pfad, datei.errorString().toStdString());
    return false;
  }
  return true;
}

bool Bild_in_Datei_schreiben(const QImage& bild, const std::string& pfad, std::string& fehlertext) {
  if (bild.isNull()) {
    fehlertext = "Die Grafik ist leer und wurde nicht gespeichert.";
    return false;
  }
  return Bild_in_Datei_schreiben(Bild_aus_Pixeln(bild), pfad, fehlertext);
}

bool Bild_speichern_nach_Endung(const TBild& bild, const std::string& pfad, std::string& fehler) {
  const QString endung = QFileInfo(Q(pfad)).suffix().toLower();
  if (endung != QLatin1String("bmp") && std::string(Bildformat_zu_Pfad(pfad)) == "BMP") {
    fehler = Nicht_gespeichert(pfad, "Die Endung muss .bmp, .png, .svg oder .pdf sein.");
    return false;
  }
  return Bild_in_Datei_schreiben(bild, pfad, fehler);
}

bool Bild_speichern_Dialog(const TBild& bild) {
  std::string pfad;
  if (!Dialog().Speicherpfad_waehlen("Grafik speichern", Bild_Dateifilter, Bild_Standardendung,
                                     pfad) ||
      pfad.empty()) {
    Dialog().Meldung("Grafik nicht gespeichert");
    return false;
  }
  pfad = Bildpfad_vervollstaendigen(pfad);
  if (QFileInfo::exists(Q(pfad)) && !QFileInfo(Q(pfad)).isDir()) {
    const std::string name = QFileInfo(Q(pfad)).fileName().toStdString();
    if (!Dialog().Frage(name + " existiert bereits.\nMöchten Sie sie ersetzen?")) {
      Dialog().Meldung("Grafik nicht gespeichert");
      return false;
    }
  }
  std::string fehler;
  if (!Bild_in_Datei_schreiben(bild, pfad, fehler)) {
    Dialog().Meldung(fehler);
    return false;
  }
  return true;
}

bool Bild_speichern_Dialog(const QImage& bild) {
  if (bild.isNull()) {
    Dialog().Meldung("Die Grafik ist leer und wurde nicht gespeichert.");
    return false;
  }
  return Bild_speichern_Dialog(Bild_aus_Pixeln(bild));
}

void Bild_in_Zwischenablage(const TBild& bild) {
  Ablage().Bild_und_SVG_setzen(bild.Bild(), Bild_als_SVG(bild).toStdString());
  Dialog().Meldung("Grafik in der Zwischenablage gespeichert");
}

void Bild_in_Zwischenablage(const QImage& bild) {
  Ablage().Bild_setzen(bild);
  Dialog().Meldung("Grafik in der Zwischenablage gespeichert");
}
