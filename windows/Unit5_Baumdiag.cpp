#include "windows/Unit5_Baumdiag.h"

#include <array>

#include "windows/UQdx.h"
#include "workbench/Baumdiagramm.h"

namespace {

using A = Elementart;
using F = Feldart;

constexpr TSteuerelement Gruppe(const char* n, int x, int y, int b, int h, const char* text) {
  return {n, A::Gruppe, "", x, y, b, h, text, "", "", F::keine, 0};
}
constexpr TSteuerelement Label(const char* n, int x, int y, int b, const char* text) {
  return {n, A::Beschriftung, "GroupBox_Einstellungen", x, y, b, 18, text, "", "", F::keine, 0};
}
constexpr TSteuerelement Feld(const char* n, int x, int y, const char* hinweis) {
  return {n, A::Feld, "GroupBox_Einstellungen", x, y, 60, 22, "", hinweis, "", F::keine, 0};
}
constexpr TSteuerelement Liste(const char* n, int x, int y, const char* eintraege,
                               const char* hinweis) {
  return {n, A::Liste, "GroupBox_Einstellungen", x, y, 56, 22, "", hinweis, eintraege, F::keine, 0};
}
constexpr TSteuerelement Haken(const char* n, int y, const char* text) {
  return {n, A::Schalter, "GroupBox_Einstellungen", 372, y, 266, 20, text, "", "", F::keine, 0};
}
constexpr TSteuerelement Knopf(const char* n, int x, const char* text, const char* hinweis) {
  return {n, A::Knopf, "", x, 392, 160, 40, text, hinweis, "", F::keine, 0};
}

constexpr const char* kEins_bis_zwanzig = "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20";

// Left column: what the tree is made of; right column: what is written into it. The fraction p
// is its numerator list above its denominator list, q the same as two labels.
constexpr auto Tabelle = std::to_array<TSteuerelement>({
    Gruppe("GroupBox_Einstellungen", 16, 12, 645, 364, "  Einstellungen  "),
    Label("Label_Stufen", 20, 36, 120, "Anzahl der Stufen:"),
    Label("Label_n", 184, 36, 26, "n = "),
    Liste("ComboBox_Stufenzahl", 212, 34, "2|3|4", "Anzahl der Stufen des Baumes"),
    Label("Label_Erfolg", 20, 86, 180, "Text für \"Erfolg\" ="),
    Feld("Edit_Erfolg", 212, 84, "Buchstabe an den Erfolgsknoten (rechter Ast)"),
    Label("Label_Misserfolg", 20, 122, 180, "Text für \"Misserfolg\" ="),
    Feld("Edit_Misserfolg", 212, 120, "Buchstabe an den Misserfolgsknoten (linker Ast)"),
    Label("Label_p", 20, 188, 188, "Erfolgswahrscheinlichkeit  p ="),
    Liste("ComboBox_W_Zaehler", 212, 172, kEins_bis_zwanzig, "Zähler von p"),
    Liste("ComboBox_W_Nenner", 212, 202, kEins_bis_zwanzig, "Nenner von p"),
    Label("Label_p_Ast", 276, 188, 80, "( rechter Ast )"),
    Label("Label_q", 20, 276, 188, "Misserfolgswahrscheinlichkeit  q ="),
    Label("Label_q_zaehler", 218, 264, 40, ""),
    Label("Label_q_nenner", 218, 290, 40, ""),
    Label("Label_p_Ast_links", 276, 276, 80, "( linker Ast )"),
    Haken("CheckBox_mit_Farbe", 36, "Farben verwenden"),
    Haken("CheckBox_Text_an_Aeste", 86, "Text (für Erfolg/Misserfolg) an die Äste schreiben"),
    Haken("CheckBox_Wsk_an_Aeste", 136, "Wahrscheinlichkeiten an die Äste schreiben"),
    Haken("CheckBox_Pfadwahrsch_ausgeben", 186, "Pfadwahrscheinlichkeiten ausgeben "),
    Mit(Knopf("BitBtn1", 180, "OK     Zeichnen !", "Baumdiagramm in die Grafik zeichnen"),
        Merkmal_gruen),
    Knopf("BitBtn2", 360, "Abbrechen", "Fenster schließen, nichts zeichnen"),
});

}  // namespace

std::span<const TSteuerelement> Steuerelement_Tabelle_Form5() {
  return Tabelle;
}

TForm5::TForm5(QWidget* eltern) : TFensterbasis(eltern, Qt::Window) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Baumdiagramme für Bernoulliketten"));
  Feste_Groesse(677, 452);
  QFont schrift(QStringLiteral("Arial"));
  schrift.setPointSize(8);
  setFont(schrift);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(255, 251, 240));  // cream
  setPalette(p);
  setAutoFillBackground(true);
  Fenster_aufbauen(Steuerelement_Tabelle_Form5());
  Baumfenster_einrichten(*this);
}

void TForm5::Feldtext_geaendert(const QString& name, const QString& text) {
  Baum_Feld_geaendert(name.toStdString(), text.toStdString());
}

void TForm5::ComboBox_StufenzahlChange() {
  Baum_Liste_gewaehlt(*this, "ComboBox_Stufenzahl", Eintrag("ComboBox_Stufenzahl"));
}
void TForm5::ComboBox_W_ZaehlerChange() {
  Baum_Liste_gewaehlt(*this, "ComboBox_W_Zaehler", Eintrag("ComboBox_W_Zaehler"));
}
void TForm5::ComboBox_W_NennerChange() {
  Baum_Liste_gewaehlt(*this, "ComboBox_W_Nenner", Eintrag("ComboBox_W_Nenner"));
}

void TForm5::CheckBox_mit_FarbeClick() {
  Baum_Schalter_geklickt("CheckBox_mit_Farbe", Haken("CheckBox_mit_Farbe"));
}
void TForm5::CheckBox_Text_an_AesteClick() {
  Baum_Schalter_geklickt("CheckBox_Text_an_Aeste", Haken("CheckBox_Text_an_Aeste"));
}
void TForm5::CheckBox_Wsk_an_AesteClick() {
  Baum_Schalter_geklickt("CheckBox_Wsk_an_Aeste", Haken("CheckBox_Wsk_an_Aeste"));
}
void TForm5::CheckBox_Pfadwahrsch_ausgebenClick() {
  Baum_Schalter_geklickt("CheckBox_Pfadwahrsch_ausgeben", Haken("CheckBox_Pfadwahrsch_ausgeben"));
}

// The window steps aside for the picture once the tree is drawn; settings that make no tree
// keep it open for correction.
void TForm5::BitBtn1Click() {
  if (Form1 && Baumdiagramm_zeichnen(*Form1)) close();
}

void TForm5::BitBtn2Click() {
  close();
}
