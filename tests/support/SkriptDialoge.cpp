#include "support/SkriptDialoge.h"

#include <algorithm>

namespace {
template <typename T>
std::optional<T> naechste(std::deque<std::optional<T>>& q) {
  if (q.empty()) return std::nullopt;
  auto a = q.front();
  q.pop_front();
  return a;
}
}  // namespace

SkriptDialoge::SkriptDialoge() {
  Dialog_setzen(this);
}
SkriptDialoge::~SkriptDialoge() {
  Dialog_setzen(nullptr);
}

void SkriptDialoge::Meldung(const std::string& text) {
  meldungen.push_back(text);
}

bool SkriptDialoge::Frage(const std::string& text) {
  fragen.push_back(text);
  if (antworten_frage.empty()) return false;
  bool a = antworten_frage.front();
  antworten_frage.pop_front();
  return a;
}

int SkriptDialoge::Frage_mit_Abbruch(const std::string& text) {
  dreifach_fragen.push_back(text);
  // Tests that do not expect the question give the changes up, as before it existed.
  if (antworten_dreifach.empty()) return 0;
  const int a = antworten_dreifach.front();
  antworten_dreifach.pop_front();
  return a;
}

bool SkriptDialoge::Eingabe(const std::string&, const std::string& prompt, std::string& text) {
  eingabe_prompts.push_back(prompt);
  eingabe_vorgaben.push_back(text);
  auto a = naechste(antworten_eingabe);
  if (!a) return false;
  text = *a;
  return true;
}

bool SkriptDialoge::Farbe_waehlen(TFarbe& farbe) {
  auto a = naechste(antworten_farbe);
  if (!a) return false;
  farbe = *a;
  return true;
}

bool SkriptDialoge::Schrift_waehlen(TSchrift& schrift) {
  auto a = naechste(antworten_schrift);
  if (!a) return false;
  schrift = *a;
  return true;
}

bool SkriptDialoge::Speicherpfad_waehlen(const std::string&, const std::string& filter,
                                         const std::string&, std::string& pfad) {
  speicher_filter.push_back(filter);
  auto a = naechste(antworten_pfad);
  if (!a) return false;
  pfad = *a;
  return true;
}

bool SkriptDialoge::Oeffnungspfad_waehlen(const std::string&, const std::string& filter,
                                          std::string& pfad) {
  oeffnen_filter.push_back(filter);
  auto a = naechste(antworten_oeffnen);
  if (!a) return false;
  pfad = *a;
  return true;
}

bool SkriptDialoge::Abbruch_angefordert() {
  ++abbruch_abfragen;
  if (abbruch_abfragen == abbruch_ab_abfrage ||
      std::find(escape_bei_abfrage.begin(), escape_bei_abfrage.end(), abbruch_abfragen) !=
          escape_bei_abfrage.end()) {
    abbruch_vorgemerkt = true;
  }
  return abbruch_vorgemerkt;
}

void SkriptDialoge::Abbruch_zuruecksetzen() {
  ++abbruch_zuruecksetzungen;
  abbruch_vorgemerkt = false;
}

void SkriptDialoge::Fortschritt(const std::string&, int prozent) {
  fortschritte.push_back(prozent);
}

SkriptAblage::SkriptAblage() {
  Ablage_setzen(this);
}
SkriptAblage::~SkriptAblage() {
  Ablage_setzen(nullptr);
}
