// The handlers of the column buttons and of the test-data buttons. The column buttons work on
// the column of the table's current cell, which the table keeps in step with StringGrid1.

#include "windows/UQdx.h"
#include "workbench/Spaltenaktion.h"
#include "workbench/Testdaten.h"

void TForm1::SpeedButton_SpaltensummeClick() {
  Spaltensumme_geklickt();
}

void TForm1::SpeedButton_kumulierte_SummeClick() {
  Kumulierte_Summe_geklickt();
}

void TForm1::SpeedButton_SkalarproduktClick() {
  Skalarprodukt_geklickt();
}

void TForm1::SpeedButton_VektorProduktClick() {
  Vektorprodukt_geklickt();
}

void TForm1::SpeedButton_Addiere_zu_SpalteClick() {
  Spalte_mit_r_geklickt(false);
}

void TForm1::SpeedButton_Multipliziere_mit_SpalteClick() {
  Spalte_mit_r_geklickt(true);
}

void TForm1::SpeedButton_BinomialverteilungClick() {
  Binomialverteilung_geklickt();
}

void TForm1::SpeedButtonLehmerzahlenClick() {
  Lehmerzahlen_geklickt();
}

void TForm1::SpeedButton_Testdaten_LinRegClick() {
  Testdaten_laden(*this, TTestdaten::LinReg);
}

void TForm1::SpeedButton_Testdaten_DreieckClick() {
  Testdaten_laden(*this, TTestdaten::Dreieck);
}

void TForm1::SpeedButton_Testdaten_SaeulendiagrammClick() {
  Testdaten_laden(*this, TTestdaten::Saeulendiagramm);
}

void TForm1::SpeedButton_Testdaten_BoxplotsClick() {
  Testdaten_laden(*this, TTestdaten::Boxplots);
}

void TForm1::SpeedButton_Testdaten_HistoClick() {
  Testdaten_laden(*this, TTestdaten::Histo);
}

void TForm1::SpeedButton_Testdaten_LGSClick() {
  Testdaten_laden(*this, TTestdaten::LGS);
}

void TForm1::SpeedButton_Testdaten_KreisdiagrammClick() {
  Testdaten_laden(*this, TTestdaten::Kreisdiagramm);
}

void TForm1::SpeedButton_Testdaten_SplinesClick() {
  Testdaten_laden(*this, TTestdaten::Splines);
}
