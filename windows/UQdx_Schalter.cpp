// The handlers of the main window's switches, lists and colour panels.

#include "windows/UQdx.h"
#include "workbench/Eingaben.h"

void TForm1::CheckBox_xAchseClick() {
  Schalter_geklickt(*this, "CheckBox_xAchse", Haken("CheckBox_xAchse"));
}

void TForm1::CheckBox_yAchseClick() {
  Schalter_geklickt(*this, "CheckBox_yAchse", Haken("CheckBox_yAchse"));
}

void TForm1::CheckBox_SkalierungClick() {
  Schalter_geklickt(*this, "CheckBox_Skalierung", Haken("CheckBox_Skalierung"));
}

void TForm1::CheckBox_Zahlen_an_AchsenClick() {
  Schalter_geklickt(*this, "CheckBox_Zahlen_an_Achsen", Haken("CheckBox_Zahlen_an_Achsen"));
}

void TForm1::CheckBox_Achsen_dickClick() {
  Schalter_geklickt(*this, "CheckBox_Achsen_dick", Haken("CheckBox_Achsen_dick"));
}

void TForm1::CheckBox_GrobrasterClick() {
  Schalter_geklickt(*this, "CheckBox_Grobraster", Haken("CheckBox_Grobraster"));
}

void TForm1::CheckBox_Schar_f_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_Schar_f_zeichnen", Haken("CheckBox_Schar_f_zeichnen"));
}

void TForm1::CheckBox_Schar_g_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_Schar_g_zeichnen", Haken("CheckBox_Schar_g_zeichnen"));
}

void TForm1::CheckBox_Schar_h_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_Schar_h_zeichnen", Haken("CheckBox_Schar_h_zeichnen"));
}

void TForm1::CheckBox_Schar_fs_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_Schar_fs_zeichnen", Haken("CheckBox_Schar_fs_zeichnen"));
}

void TForm1::CheckBox_Schar_fs2_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_Schar_fs2_zeichnen", Haken("CheckBox_Schar_fs2_zeichnen"));
}

void TForm1::CheckBox_Schar_fs3_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_Schar_fs3_zeichnen", Haken("CheckBox_Schar_fs3_zeichnen"));
}

void TForm1::CheckBox_f_invers_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_f_invers_zeichnen", Haken("CheckBox_f_invers_zeichnen"));
}

void TForm1::CheckBox_IntegralfunktionClick() {
  Schalter_geklickt(*this, "CheckBox_Integralfunktion", Haken("CheckBox_Integralfunktion"));
}

void TForm1::CheckBox_Schar_kr_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_Schar_kr_zeichnen", Haken("CheckBox_Schar_kr_zeichnen"));
}

void TForm1::CheckBox_x_gleich_aClick() {
  Schalter_geklickt(*this, "CheckBox_x_gleich_a", Haken("CheckBox_x_gleich_a"));
}

void TForm1::CheckBox_x_gleich_bClick() {
  Schalter_geklickt(*this, "CheckBox_x_gleich_b", Haken("CheckBox_x_gleich_b"));
}

void TForm1::CheckBox_ParamClick() {
  Schalter_geklickt(*this, "CheckBox_Param", Haken("CheckBox_Param"));
}

void TForm1::CheckBox_DatenPkte_verbindenClick() {
  Schalter_geklickt(*this, "CheckBox_DatenPkte_verbinden", Haken("CheckBox_DatenPkte_verbinden"));
}

void TForm1::CheckBox_Polar_WahlClick() {
  Schalter_geklickt(*this, "CheckBox_Polar_Wahl", Haken("CheckBox_Polar_Wahl"));
}

void TForm1::CheckBox_FolgeClick() {
  Schalter_geklickt(*this, "CheckBox_Folge", Haken("CheckBox_Folge"));
}

void TForm1::CheckBox_rekursivClick() {
  Schalter_geklickt(*this, "CheckBox_rekursiv", Haken("CheckBox_rekursiv"));
}

void TForm1::CheckBox_rekursivxyClick() {
  Schalter_geklickt(*this, "CheckBox_rekursivxy", Haken("CheckBox_rekursivxy"));
}

void TForm1::CheckBox_WebClick() {
  Schalter_geklickt(*this, "CheckBox_Web", Haken("CheckBox_Web"));
}

void TForm1::CheckBox_nur_g_zeichnenClick() {
  Schalter_geklickt(*this, "CheckBox_nur_g_zeichnen", Haken("CheckBox_nur_g_zeichnen"));
}

void TForm1::CheckBox_alle_t_verwendenClick() {
  Schalter_geklickt(*this, "CheckBox_alle_t_verwenden", Haken("CheckBox_alle_t_verwenden"));
}

void TForm1::CheckBox_PunkteClick() {
  Schalter_geklickt(*this, "CheckBox_Punkte", Haken("CheckBox_Punkte"));
}

void TForm1::CheckBox_Integralfunktion_tabellierenClick() {
  Schalter_geklickt(*this, "CheckBox_Integralfunktion_tabellieren",
                    Haken("CheckBox_Integralfunktion_tabellieren"));
}

void TForm1::CheckBox_GrobschraffurClick() {
  Schalter_geklickt(*this, "CheckBox_Grobschraffur", Haken("CheckBox_Grobschraffur"));
}

void TForm1::CheckBox_loeschenClick() {
  Schalter_geklickt(*this, "CheckBox_loeschen", Haken("CheckBox_loeschen"));
}

void TForm1::CheckBox_Achsen_automatisch_beschriftenClick() {
  Schalter_geklickt(*this, "CheckBox_Achsen_automatisch_beschriften",
                    Haken("CheckBox_Achsen_automatisch_beschriften"));
}

void TForm1::CheckBox_FixkommaClick() {
  Schalter_geklickt(*this, "CheckBox_Fixkomma", Haken("CheckBox_Fixkomma"));
}

void TForm1::CheckBox_BruchdarstellungClick() {
  Schalter_geklickt(*this, "CheckBox_Bruchdarstellung", Haken("CheckBox_Bruchdarstellung"));
}

void TForm1::CheckBox_2_RegressionsgeradenClick() {
  Schalter_geklickt(*this, "CheckBox_2_Regressionsgeraden", Haken("CheckBox_2_Regressionsgeraden"));
}

void TForm1::ComboBox_LinienartChange() {
  Liste_gewaehlt(*this, "ComboBox_Linienart", Eintrag("ComboBox_Linienart"));
}

void TForm1::ComboBox_PunkteartChange() {
  Liste_gewaehlt(*this, "ComboBox_Punkteart", Eintrag("ComboBox_Punkteart"));
}

void TForm1::ComboBox_PunktRadiusChange() {
  Liste_gewaehlt(*this, "ComboBox_PunktRadius", Eintrag("ComboBox_PunktRadius"));
}

void TForm1::ComboBox_FlaechenfuellungChange() {
  Liste_gewaehlt(*this, "ComboBox_Flaechenfuellung", Eintrag("ComboBox_Flaechenfuellung"));
}

void TForm1::ComboBox_ZahlenhoeheChange() {
  Liste_gewaehlt(*this, "ComboBox_Zahlenhoehe", Eintrag("ComboBox_Zahlenhoehe"));
}

void TForm1::ComboBox_NachkommastellenChange() {
  Liste_gewaehlt(*this, "ComboBox_Nachkommastellen", Eintrag("ComboBox_Nachkommastellen"));
}

void TForm1::ComboBox_GesamtstellenChange() {
  Liste_gewaehlt(*this, "ComboBox_Gesamtstellen", Eintrag("ComboBox_Gesamtstellen"));
}

void TForm1::ComboBox_IntegrationsmethodeChange() {
  Liste_gewaehlt(*this, "ComboBox_Integrationsmethode", Eintrag("ComboBox_Integrationsmethode"));
}

void TForm1::ComboBox_RegressionsModelleChange() {
  Liste_gewaehlt(*this, "ComboBox_RegressionsModelle", Eintrag("ComboBox_RegressionsModelle"));
}

void TForm1::ComboBox_DiagrammTypChange() {
  Liste_gewaehlt(*this, "ComboBox_DiagrammTyp", Eintrag("ComboBox_DiagrammTyp"));
}

void TForm1::ComboBox_DiagrPlotNrChange() {
  Liste_gewaehlt(*this, "ComboBox_DiagrPlotNr", Eintrag("ComboBox_DiagrPlotNr"));
}

void TForm1::ComboBox_MatrixOpsChange() {
  Liste_gewaehlt(*this, "ComboBox_MatrixOps", Eintrag("ComboBox_MatrixOps"));
}

void TForm1::ComboBox_Punkte_ab_SpalteChange() {
  Liste_gewaehlt(*this, "ComboBox_Punkte_ab_Spalte", Eintrag("ComboBox_Punkte_ab_Spalte"));
}

void TForm1::Panel_Farbe_PunkteClick() {
  Farbfeld_geklickt(*this, "Panel_Farbe_Punkte");
}

void TForm1::Panel_Linienfarbe_definierenClick() {
  Farbfeld_geklickt(*this, "Panel_Linienfarbe_definieren");
}

void TForm1::Panel_Fuellfarbe_definierenClick() {
  Farbfeld_geklickt(*this, "Panel_Fuellfarbe_definieren");
}

void TForm1::Panel_Farbe_RasterClick() {
  Farbfeld_geklickt(*this, "Panel_Farbe_Raster");
}
