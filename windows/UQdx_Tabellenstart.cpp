// The parts of the start values that concern the number table.

#include "table/UStringGrid.h"
#include "windows/UQdx.h"

void TForm1::Tabelle_vorbereiten() {
  // Look and headers once at start-up; a later reset keeps what the user typed.
  if (!tabelle_eingerichtet_) {
    Tabelle_einrichten(Zahlentabelle);
    tabelle_eingerichtet_ = true;
  }
  Markierung_aufheben(Zahlentabelle);
}
