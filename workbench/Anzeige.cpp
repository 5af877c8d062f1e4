#include "workbench/Anzeige.h"

#include "platform/Blattspeicher.h"
#include "workbench/Eingaben.h"
#include "workbench/Startwerte.h"

TBedienung& Bedienung = Blatt_Speicher().Teil<TBedienung>();

namespace {

std::vector<std::string>& Geaendert() {
  static std::vector<std::string> namen;
  return namen;
}

void Merken(const char* name) {
  auto& g = Geaendert();
  // A long run of program writes without a window reading them must not grow without end.
  if (g.size() < 10000) g.emplace_back(name);
}

// Sets a control's entry; true when it changed.
template <class T>
bool Setzen(std::map<std::string, T, std::less<>>& m, const char* name, const T& wert) {
  auto it = m.find(name);
  if (it != m.end() && it->second == wert) return false;
  if (it == m.end())
    m.emplace(name, wert);
  else
    it->second = wert;
  Merken(name);
  return true;
}

}  // namespace

std::map<std::string, bool, std::less<>> TBedienung::Start_Haken() {
  std::map<std::string, bool, std::less<>> m;
  for (const TStartwert& w : Startwerte())
    if (w.an >= 0) m.emplace(w.name, w.an == 1);
  return m;
}

std::map<std::string, int, std::less<>> TBedienung::Start_Eintraege() {
  std::map<std::string, int, std::less<>> m;
  for (const TStartwert& w : Startwerte())
    if (w.eintrag >= 0) m.emplace(w.name, w.eintrag);
  return m;
}

std::map<std::string, bool, std::less<>> TBedienung::Start_Freigaben() {
  std::map<std::string, bool, std::less<>> m;
  for (const TStartwert& w : Startwerte())
    if (w.gesperrt) m.emplace(w.name, false);
  return m;
}

std::vector<std::string> Bedienung_geaendert() {
  return std::exchange(Geaendert(), {});
}

void Anzeige::Text_zeigen(const char* name, const std::string& text) {
  const bool neu = Blattbedienung && Setzen(Werkbank.Feldtexte, name, text);
  Text_anzeigen(name, text);
  if (neu) Feld_geaendert(*this, name);
}

void Anzeige::Haken_zeigen(const char* name, bool an) {
  const bool neu = Blattbedienung && Setzen(Bedienung.Haken, name, an);
  Haken_anzeigen(name, an);
  if (neu) Schalter_geklickt(*this, name, an);
}

void Anzeige::Eintrag_zeigen(const char* liste, int eintrag) {
  // The slider's position is the workbench's; lists keep theirs here.
  const TStartwert* w = Startwert(liste);
  if (Blattbedienung && w && w->eintrag >= 0) Setzen(Bedienung.Eintraege, liste, eintrag);
  Eintrag_anzeigen(liste, eintrag);
}

void Anzeige::Freigabe_zeigen(const char* name, bool an) {
  if (Blattbedienung) Setzen(Bedienung.Freigaben, name, an);
  Freigabe_anzeigen(name, an);
}

void Anzeige::Hinweis_zeigen(const char* name, const std::string& text) {
  if (Blattbedienung) Setzen(Bedienung.Hinweise, name, text);
  Hinweis_anzeigen(name, text);
}

void Feld_zeigen(Anzeige& a, const char* feld, const std::string& text) {
  if (!a.Blattbedienung) Werkbank.Feldtexte[feld] = text;
  a.Text_zeigen(feld, text);
}
