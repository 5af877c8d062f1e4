#include "platform/URechenlauf.h"

#include <utility>

#include "platform/Dialoge.h"

namespace {

TRechenlauf::TZeitpunkt Echte_Zeit() {
  return std::chrono::steady_clock::now();
}

TRechenlauf::TUhr uhr = Echte_Zeit;
// Computations nest (an integral inside a table of integrals); only the outermost one starts
// afresh, so an Escape meant for it is not lost when an inner one begins.
int laufende = 0;

}  // namespace

void TRechenlauf::Uhr_setzen(TUhr neue_uhr) {
  uhr = neue_uhr ? neue_uhr : Echte_Zeit;
}

TRechenlauf::TRechenlauf(std::string text, long gesamt)
    : text_(std::move(text)), gesamt_(gesamt > 0 ? gesamt : 1), start_(uhr()) {
  if (laufende++ == 0) Dialog().Abbruch_zuruecksetzen();
}

TRechenlauf::~TRechenlauf() {
  --laufende;
  if (gezeigt_) Dialog().Fortschritt("", -1);
}

void TRechenlauf::Melden(long erledigt) {
  if (!gezeigt_ && uhr() - start_ < kZeigen_ab) return;
  gezeigt_ = true;
  const long schritte = erledigt < 0 ? 0 : (erledigt > gesamt_ ? gesamt_ : erledigt);
  Dialog().Fortschritt(text_, static_cast<int>(100 * schritte / gesamt_));
}

bool TRechenlauf::Abgebrochen() {
  return Dialog().Abbruch_angefordert();
}

bool TRechenlauf::Weiter(long erledigt) {
  Melden(erledigt);
  return !gezeigt_ || !Abgebrochen();
}

bool TRechenlauf::Abbruch_bestaetigt(const std::string& frage) {
  if (!Abgebrochen()) return false;
  if (Dialog().Frage(frage)) return true;
  Dialog().Abbruch_zuruecksetzen();
  return false;
}
