// The parts of the start values that concern the number table.

#include "engine/UMatheBasisOp.h"
#include "table/UStringGrid.h"
#include "windows/UQdx.h"

void TForm1::Tabelle_vorbereiten() {
  // Look and headers once at start-up. A later reset keeps what the user typed; the columns take
  // the width of the reset number format and column 0 its start width.
  if (!tabelle_eingerichtet_) {
    Tabelle_einrichten(Zahlentabelle);
    tabelle_eingerichtet_ = true;
  } else {
    Spaltenbreiten_setzen(Zahlentabelle, Spaltenbreite_Standard(), Startbreite_Spalte0);
  }
  Markierung_aufheben(Zahlentabelle);
}

void TForm1::Spaltenbreite_anpassen() {
  Spaltenbreiten_setzen(Zahlentabelle, Spaltenbreite_Standard(), Spalte0_Breite_Zahlformat);
}
