#pragma once
// Scripted dialog and clipboard providers for tests. Creating one installs it; destroying it
// restores the default. Every text shown is recorded; answers come from queues (an empty queue
// answers No / Cancel).

#include <QImage>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialoge.h"

struct SkriptDialoge final : Dialoge {
  SkriptDialoge();
  ~SkriptDialoge() override;
  SkriptDialoge(const SkriptDialoge&) = delete;
  SkriptDialoge& operator=(const SkriptDialoge&) = delete;

  void Meldung(const std::string& text) override;
  bool Frage(const std::string& text) override;
  int Frage_mit_Abbruch(const std::string& text) override;
  bool Eingabe(const std::string& titel, const std::string& prompt, std::string& text) override;
  bool Farbe_waehlen(TFarbe& farbe) override;
  bool Schrift_waehlen(TSchrift& schrift) override;
  bool Speicherpfad_waehlen(const std::string& titel, const std::string& filter,
                            const std::string& endung, std::string& pfad) override;
  bool Oeffnungspfad_waehlen(const std::string& titel, const std::string& filter,
                             std::string& pfad) override;
  void Taste_abwarten() override { ++tasten; }
  bool Abbruch_angefordert() override;
  void Abbruch_zuruecksetzen() override;
  void Fortschritt(const std::string& text, int prozent) override;
  void Piep() override { ++piepse; }

  // What was shown.
  std::vector<std::string> meldungen;
  std::vector<std::string> fragen;
  std::vector<std::string> eingabe_prompts;   // prompt of every input query
  std::vector<std::string> eingabe_vorgaben;  // preset text of every input query
  std::vector<std::string> speicher_filter;
  std::vector<int> fortschritte;
  int piepse = 0;
  int tasten = 0;
  int abbruch_abfragen = 0;
  int abbruch_zuruecksetzungen = 0;

  // Answers.
  std::deque<bool> antworten_frage;
  std::deque<int> antworten_dreifach;  // Ja/Nein/Abbrechen: 1, 0, -1; empty = Nein
  std::vector<std::string> dreifach_fragen;
  std::deque<std::optional<std::string>> antworten_eingabe;  // nullopt = Cancel
  std::deque<std::optional<TFarbe>> antworten_farbe;
  std::deque<std::optional<TSchrift>> antworten_schrift;
  std::deque<std::optional<std::string>> antworten_pfad;
  std::deque<std::optional<std::string>> antworten_oeffnen;  // open dialog
  std::vector<std::string> oeffnen_filter;
  // Escape is pressed at this poll (1 = first poll); 0 = never. Like every press, the request
  // then stands until it is reset.
  int abbruch_ab_abfrage = 0;
  // Further presses, each at the poll with this number.
  std::vector<int> escape_bei_abfrage;
  // A cancel request stands; set it before a computation for an Escape pressed earlier.
  bool abbruch_vorgemerkt = false;

  std::string letzte_meldung() const { return meldungen.empty() ? "" : meldungen.back(); }
};

struct SkriptAblage final : Zwischenablage {
  SkriptAblage();
  ~SkriptAblage() override;
  SkriptAblage(const SkriptAblage&) = delete;
  SkriptAblage& operator=(const SkriptAblage&) = delete;

  void Text_setzen(const std::string& t) override {
    text = t;
    ++text_setzungen;
  }
  void Bild_setzen(const QImage& b) override {
    bild = b;
    ++bild_setzungen;
  }
  std::string Text_holen() override { return text; }
  void Bild_und_SVG_setzen(const QImage& b, const std::string& s) override {
    Bild_setzen(b);
    svg = s;
  }

  std::string text;
  QImage bild;
  std::string svg;
  int text_setzungen = 0;
  int bild_setzungen = 0;
};
