// The buttons of the table group. The rules live in the table unit; the current cell and the
// selection are the table's own, kept in step with StringGrid1.

#include "table/UStringGrid.h"
#include "windows/UQdx.h"

void TForm1::SpeedButton_Tabelle_loeschenClick() {
  Tabelle_leeren(Zahlentabelle);
}

void TForm1::SpeedButton_Zeile_loeschenClick() {
  if (Zahlentabelle.Zeile() >= 1) Zeile_leeren(Zahlentabelle, Zahlentabelle.Zeile());
}

void TForm1::SpeedButton_Spalte_loeschenClick() {
  if (Zahlentabelle.Spalte() >= 1) Spalte_leeren(Zahlentabelle, Zahlentabelle.Spalte());
}

void TForm1::SpeedButton_Schiebe_ZeileClick() {
  Zeile_entfernen(Zahlentabelle, Zahlentabelle.Zeile());
}

void TForm1::SpeedButton_Schiebe_SpalteClick() {
  Spalte_entfernen(Zahlentabelle, Zahlentabelle.Spalte());
}

void TForm1::SpeedButton_Zelle_1_1Click() {
  Ecke_links_oben_zeigen(Zahlentabelle);
}

void TForm1::SpeedButton_BruchdarstellungClick() {
  Tabelle_als_Bruch(Zahlentabelle);
}

void TForm1::SpeedButton_DezimalbruchClick() {
  Tabelle_als_Dezimal(Zahlentabelle);
}

void TForm1::SpeedButton_TabellenBereich_zu_TextdateiClick() {
  Bereich_in_Zwischenablage(Zahlentabelle);
}

void TForm1::SpeedButton_Zellen_kopierenClick() {
  Bereich_kopieren_fragen(Zahlentabelle);
}
