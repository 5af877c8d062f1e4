#include "workbench/Testdaten.h"

#include <initializer_list>
#include <string>

#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "table/UStringGrid.h"
#include "workbench/Ansichtaktion.h"
#include "workbench/Eingaben.h"
#include "workbench/Plotaktion.h"
#include "workbench/Punkteaktion.h"
#include "workbench/Werkbank.h"

namespace {

constexpr long double kHoechste_Dichte = 14;

// Cell texts row by row from row 1, the first text of each row in column spalte.
void Zeilen_schreiben(int spalte,
                      std::initializer_list<std::initializer_list<const char*>> zeilen) {
  Tabelle::Sammler sammler(Zahlentabelle);
  int zeile = 1;
  for (const auto& z : zeilen) {
    int s = spalte;
    for (const char* text : z)
      Zahlentabelle.Zelle_setzen(s++, zeile, text);
    ++zeile;
  }
}

// An item chosen as the program sets it, without the list's change rule; the workbench still
// mirrors the item, since the tools read the choice from there.
void Diagrammtyp_zeigen(Anzeige& a, int typ) {
  a.Eintrag_zeigen("ComboBox_DiagrammTyp", typ);
  Werkbank.Diagrammtyp = typ;
}

// The item as if the user had chosen it.
void Liste_waehlen(Anzeige& a, const char* liste, int eintrag) {
  a.Eintrag_zeigen(liste, eintrag);
  Liste_gewaehlt(a, liste, eintrag);
}

int Schriftstil(const TSchrift& s) {
  return (s.fett ? Schrift_fett : 0) | (s.kursiv ? Schrift_kursiv : 0) |
         (s.unterstrichen ? Schrift_unterstrichen : 0) |
         (s.durchgestrichen ? Schrift_durchgestrichen : 0);
}

void Histogramm_Ansicht(Anzeige& a) {
  Histogramm_yBereich(KOS.Bildtiefe_cm, KOS.yu, KOS.yo, KOS.yscl);
  Feld_zeigen(a, "Edit_ye", Gleitkomma_Text(KOS.yo));
  Feld_zeigen(a, "Edit_ya", Gleitkomma_Text(KOS.yu));
  Feld_zeigen(a, "Edit_yscl", Gleitkomma_Text(KOS.yscl));
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  KOS_zeichnen(*bild);
  const TSchrift& s = Werkbank.Textschrift;
  bild->Pinselfarbe_setzen(0xFFFFFF);
  Text_schreiben(*bild, 90, 10, "Die Flächen entsprechen den absoluten Häufigkeiten !", "Arial",
                 s.Groesse, Pinsel_voll, Schriftstil(s), Stil.Fuellfarbe);
}

void LinReg(Anzeige& a) {
  Alles_zuruecksetzen(a);
  Ursprung_waehlen(a, TUrsprung::Links_unten);
  a.Eintrag_zeigen("ComboBox_RegressionsModelle", 1);
  Werkbank.Regressionsmodell = 1;
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(1, {{"2", "1"}, {"4", "5"}, {"9", "6"}});
}

void Dreieck(Anzeige& a) {
  Alles_zuruecksetzen(a);
  Raster_waehlen(a, TRaster::mittel);
  Ursprung_waehlen(a, TUrsprung::Mitte);
  // The points button reads the columns of the list's choice, so the choice follows the item.
  a.Eintrag_zeigen("ComboBox_Punkte_ab_Spalte", 0);
  Werkbank.Punktspalte = Punktspalte_aus_Listenposition(0);
  Liste_waehlen(a, "ComboBox_Linienart", 2);
  a.Haken_zeigen("CheckBox_DatenPkte_verbinden", true);
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(1, {{"1", "-1"}, {"4", "1"}, {"3", "6"}, {"1", "-1"}});
  Punkte_einzeichnen(a);
}

void Saeulendiagramm(Anzeige& a) {
  Alles_zuruecksetzen(a);
  Ursprung_waehlen(a, TUrsprung::Quadranten_1_4);
  Diagrammtyp_zeigen(a, 1);
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(
      1, {{"4", "5"}, {"2", "3"}, {"5", "4"}, {"7", "2"}, {"3", "1"}, {"1", "5"}, {"6", "6"}});
}

void Boxplots(Anzeige& a) {
  Alles_zuruecksetzen(a);
  Ursprung_waehlen(a, TUrsprung::Links_unten);
  a.Haken_zeigen("CheckBox_yAchse", false);
  Plot_zeichnen(a);
  Diagrammtyp_zeigen(a, 3);
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(1,
                   {{"6"}, {"12"}, {"7"}, {"4"}, {"5"}, {"10"}, {"6"}, {"2"}, {"4"}, {"5"}, {"3"}});
}

void Histo(Anzeige& a) {
  Alles_zuruecksetzen(a);
  Ursprung_waehlen(a, TUrsprung::Links_unten);
  Zoom_klicken(a, TZoom::x_stauchen);
  Zoom_klicken(a, TZoom::x_stauchen);
  Liste_waehlen(a, "ComboBox_DiagrammTyp", 7);
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(1, {{"0;12", "44"},
                       {"12;18", "45"},
                       {"18;24", "40"},
                       {"24;27", "42"},
                       {"27;40", "73"},
                       {"40;45", "35"}});
  Histogramm_Ansicht(a);
}

void LGS(Anzeige&) {
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(3, {{"4", "-4", "15", "1"}, {"0", "2", "-8", "5"}, {"12", "6", "-5", "0"}});
}

void Kreisdiagramm(Anzeige& a) {
  a.Haken_zeigen("CheckBox_xAchse", false);
  a.Haken_zeigen("CheckBox_yAchse", false);
  Raster_waehlen(a, TRaster::ohne);
  Liste_waehlen(a, "ComboBox_DiagrammTyp", 6);
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(1, {{"CDU", "20380"},
                       {"SPD", "12123"},
                       {"FDP", "8716"},
                       {"GRÜNE", "6904"},
                       {"LINKE", "7021"},
                       {"ANDERE", "3118"}});
}

void Splines(Anzeige&) {
  Tabelle_leeren(Zahlentabelle);
  Zeilen_schreiben(1, {{"0", "-3"}, {"6", "0"}, {"8", "3"}, {"9", "9"}});
}

}  // namespace

void Histogramm_yBereich(int hoehe_cm, long double& yu, long double& yo, long double& yscl) {
  const long double H = hoehe_cm;
  yo = (H - 1) * kHoechste_Dichte / (H - 2);
  yu = -yo / (H - 1);
  yscl = -yu;
}

void Testdaten_laden(Anzeige& a, TTestdaten d) {
  switch (d) {
    case TTestdaten::LinReg:
      return LinReg(a);
    case TTestdaten::Dreieck:
      return Dreieck(a);
    case TTestdaten::Saeulendiagramm:
      return Saeulendiagramm(a);
    case TTestdaten::Boxplots:
      return Boxplots(a);
    case TTestdaten::Histo:
      return Histo(a);
    case TTestdaten::LGS:
      return LGS(a);
    case TTestdaten::Kreisdiagramm:
      return Kreisdiagramm(a);
    case TTestdaten::Splines:
      return Splines(a);
  }
}
