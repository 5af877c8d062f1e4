#include "platform/Dialoge.h"

#include <cstdio>

namespace {

// Without a window nobody can answer: messages go to stderr, questions are declined.
struct Stille_Dialoge final : Dialoge {
  void Meldung(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  bool Frage(const std::string& text) override { return false; }
  bool Eingabe(const std::string&, const std::string&, std::string&) override { return false; }
};

struct Leere_Ablage final : Zwischenablage {
  void Text_setzen(const std::string&) override {}
  void Bild_setzen(const QImage&) override {}
};

Stille_Dialoge stille_dialoge;
Dialoge* aktive_dialoge = &stille_dialoge;
Leere_Ablage leere_ablage;
Zwischenablage* aktive_ablage = &leere_ablage;

}  // namespace

Dialoge& Dialog() {
  return *aktive_dialoge;
}
void Dialog_setzen(Dialoge* d) {
  aktive_dialoge = d ? d : &stille_dialoge;
}

Zwischenablage& Ablage() {
  return *aktive_ablage;
}
void Ablage_setzen(Zwischenablage* z) {
  aktive_ablage = z ? z : &leere_ablage;
}
