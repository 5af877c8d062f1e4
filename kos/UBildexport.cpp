#include "kos/UBildexport.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include "platform/Dialoge.h"

const char* const Bild_Dateifilter = "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png)";
const char* const Bild_Standardendung = "bmp";

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

std::string Bildpfad_vervollstaendigen(const std::string& pfad) {
  if (pfad.empty()) return pfad;
  const QFileInfo info(Q(pfad));
  if (info.suffix().isEmpty() && !Q(pfad).endsWith('/')) return pfad + "." + Bild_Standardendung;
  return pfad;
}

const char* Bildformat_zu_Pfad(const std::string& pfad) {
  return QFileInfo(Q(pfad)).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0
             ? "PNG"
             : "BMP";
}

bool Bild_in_Datei_schreiben(const QImage& bild, const std::string& pfad, std::string& fehlertext) {
  fehlertext.clear();
  const QString name = Q(pfad);
  if (bild.isNull()) {
    fehlertext = "Die Grafik ist leer und wurde nicht gespeichert.";
    return false;
  }
  if (QFileInfo(name).isDir()) {
    fehlertext = "Die Grafik konnte nicht gespeichert werden:\n" + pfad + "\nist ein Ordner.";
    return false;
  }
  QSaveFile datei(name);
  if (!datei.open(QIODevice::WriteOnly)) {
    fehlertext = "Die Grafik konnte nicht gespeichert werden:\n" + pfad + "\n" +
                 datei.errorString().toStdString();
    return false;
  }
  if (!bild.save(&datei, Bildformat_zu_Pfad(pfad))) {
    datei.cancelWriting();
    fehlertext = "Die Grafik konnte nicht gespeichert werden:\n" + pfad +
                 "\nFehler beim Schreiben der Bilddaten.";
    return false;
  }
  if (!datei.commit()) {
    fehlertext = "Die Grafik konnte nicht gespeichert werden:\n" + pfad + "\n" +
                 datei.errorString().toStdString();
    return false;
  }
  return true;
}

bool Bild_speichern_Dialog(const QImage& bild) {
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

void Bild_in_Zwischenablage(const QImage& bild) {
  Ablage().Bild_setzen(bild);
  Dialog().Meldung("Grafik in der Zwischenablage gespeichert");
}
