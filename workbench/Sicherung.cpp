#include "workbench/Sicherung.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

QString Ordner() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/quadrix");
}

#define EINSTELLUNGEN QSettings einstellungen(QStringLiteral("Quadrix"), QStringLiteral("quadrix"))

}  // namespace

std::string Sicherungspfad() {
  return (Ordner() + QStringLiteral("/wiederherstellung.qdx")).toStdString();
}

TSicherung::TSicherung() = default;

TSicherung::~TSicherung() {
  Abwarten();
}

bool TSicherung::Uebernehmen() {
  if (sperre_) return true;
  QDir().mkpath(Ordner());
  auto sperre = std::make_unique<QLockFile>(Q(Sicherungspfad()) + QStringLiteral(".lock"));
  sperre->setStaleLockTime(0);  // only a living program keeps it
  if (!sperre->tryLock(0)) return false;
  sperre_ = std::move(sperre);
  return true;
}

bool TSicherung::Vorhanden() const {
  return Aktiv() && QFileInfo::exists(Q(Sicherungspfad()));
}

bool TSicherung::Lesen(TArbeitsblatt& b, std::string& fehlertext) const {
  std::string inhalt;
  return Datei_lesen(Sicherungspfad(), inhalt, fehlertext) &&
         Arbeitsblatt_lesen(inhalt, b, fehlertext);
}

void TSicherung::Schreiben(TBlatt blatt) {
  if (!Aktiv()) return;
  Abwarten();
  schreiber_ = std::async(std::launch::async, [b = std::move(blatt)] {
    std::string fehler;
    return Datei_schreiben(Sicherungspfad(), Arbeitsblatt_zu_Text(Blatt_als_Arbeitsblatt(b)),
                           fehler);
  });
}

bool TSicherung::Abwarten() {
  if (schreiber_.valid()) letzter_erfolg_ = schreiber_.get();
  return letzter_erfolg_;
}

void TSicherung::Entfernen() {
  Abwarten();
  if (Aktiv()) QFile::remove(Q(Sicherungspfad()));
}

// ---- recent files ------------------------------------------------------------------------------

std::vector<std::string> Zuletzt_geoeffnet() {
  std::vector<std::string> liste;
  EINSTELLUNGEN;
  for (const QString& p : einstellungen.value("Zuletzt").toStringList())
    if (!p.isEmpty() && liste.size() < kZuletzt_Anzahl) liste.push_back(p.toStdString());
  return liste;
}

namespace {
void Zuletzt_schreiben(const std::vector<std::string>& liste) {
  QStringList l;
  for (const std::string& p : liste)
    l << Q(p);
  EINSTELLUNGEN;
  einstellungen.setValue("Zuletzt", l);
}
}  // namespace

void Zuletzt_merken(const std::string& pfad) {
  const std::string voll = QFileInfo(Q(pfad)).absoluteFilePath().toStdString();
  std::vector<std::string> liste = Zuletzt_geoeffnet();
  std::erase(liste, voll);
  liste.insert(liste.begin(), voll);
  if (liste.size() > kZuletzt_Anzahl) liste.resize(kZuletzt_Anzahl);
  Zuletzt_schreiben(liste);
  EINSTELLUNGEN;
  einstellungen.setValue("Ordner", QFileInfo(Q(voll)).absolutePath());
}

void Zuletzt_entfernen(const std::string& pfad) {
  std::vector<std::string> liste = Zuletzt_geoeffnet();
  std::erase(liste, pfad);
  Zuletzt_schreiben(liste);
}

std::string Letzter_Ordner() {
  EINSTELLUNGEN;
  return einstellungen.value("Ordner").toString().toStdString();
}
