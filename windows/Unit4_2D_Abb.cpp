#include "windows/Unit4_2D_Abb.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <array>

#include "windows/UQdx.h"
#include "workbench/Abbildungen.h"
#include "workbench/Dreieckskonstruktion.h"
#include "workbench/Startwerte.h"

namespace {

using A = Elementart;
using F = Feldart;

constexpr int kBreite = 852;
constexpr int kHoehe = 556;

constexpr TSteuerelement Gruppe(const char* n, const char* e, int x, int y, int b, int h,
                                const char* text) {
  return {n, A::Gruppe, e, x, y, b, h, text, "", "", F::keine, 0};
}
// A group of options, one per item; the window adds the option buttons.
constexpr TSteuerelement Optionen(const char* n, const char* e, int x, int y, int b, int h,
                                  const char* text, const char* eintraege) {
  return {n, A::Gruppe, e, x, y, b, h, text, "", eintraege, F::keine, 0};
}
constexpr TSteuerelement Label(const char* n, const char* e, int x, int y, int b, const char* text,
                               int h = 16) {
  return {n, A::Beschriftung, e, x, y, b, h, text, "", "", F::keine, 0};
}
constexpr TSteuerelement Feld(const char* n, const char* e, int x, int y, int b, F art,
                              const char* hinweis) {
  return {n, A::Feld, e, x, y, b, 21, "", hinweis, "", art, 0};
}
constexpr TSteuerelement Haken(const char* n, const char* e, int x, int y, int b,
                               const char* text) {
  return {n, A::Schalter, e, x, y, b, 19, text, "", "", F::keine, 0};
}
constexpr TSteuerelement Knopf(const char* n, const char* e, int x, int y, int b, int h,
                               const char* text, const char* hinweis = "") {
  return {n, A::Knopf, e, x, y, b, h, text, hinweis, "", F::keine, 0};
}

// Two number fields for a point, behind their caption.
#define PUNKTZEILE(gruppe, y, label, text, fx, fy, punkt)            \
  Label(label, gruppe, 8, y + 3, 118, text),                         \
      Feld(fx, gruppe, 128, y, 52, F::Zahl, punkt ", x-Koordinate"), \
      Feld(fy, gruppe, 186, y, 52, F::Zahl, punkt ", y-Koordinate")

constexpr const char* kHinweis =
    "Die jeweiligen Eckpunkte müssen in der Tabelle des Hauptfensters ( Spalten 1,2 oder 3,4 oder "
    "5,6 oder 7,8) bereits vorliegen und die Combobox \"Punktespalten\" am oberen Tabellenrand "
    "muss auf die entsprechenden Spalten eingestellt sein !  Bei den Abbildungen ist auch "
    "Verkettung möglich durch entsprechende Spaltenwahl für die Originalpunkte !   Ferner sind "
    "dort auch Wurzeln(w), Brüche, pi und e zugelassen, bei der Matrix M sogar cos, sin  etc.";

constexpr int kDreieck_x = 444;
constexpr int Spalte_links = 12, Spalte_rechts = 206, Schalterbreite = 188;
constexpr int Schalterzeile(int i) {
  return 24 + 24 * i;
}

constexpr auto kSteuerelemente = std::to_array<TSteuerelement>({
    Gruppe("GroupBox_Hinweis", "", 8, 4, 836, 86, "  Hinweis  "),
    Label("Label_Hinweis", "GroupBox_Hinweis", 10, 18, 816, kHinweis, 62),

    // ---- plane mappings --------------------------------------------------------------------
    Optionen("RadioGroup_Abbildung", "", 8, 96, 176, 176, "  Abbildung wählen  ",
             "Achsenspiegelung|Drehung|Verschiebung|Zentrische Streckung|Scherung|Matrix M"),
    Gruppe("GroupBox_Scherung", "", 8, 278, 176, 130, "  Scherung  "),
    Label("Label_Scherfaktor", "GroupBox_Scherung", 6, 25, 94, "  Scherfaktor f  =   "),
    Feld("Edit_Scherfaktor", "GroupBox_Scherung", 100, 22, 52, F::Zahl, "Scherfaktor f"),
    Optionen("RadioGroup_Scherachse", "GroupBox_Scherung", 6, 50, 164, 72, "  Scherachse  ",
             "x-Achse|y-Achse"),
    Gruppe("GroupBox_Einstellungen", "", 8, 414, 182, 104, "  Zusätzliche Einstellungen  "),
    Haken("CheckBox_Hilfslinien", "GroupBox_Einstellungen", 4, 22, 176, "Hilfslinien zeichnen"),
    Haken("CheckBox_Abbildungsparameter", "GroupBox_Einstellungen", 4, 44, 176,
          "Abbildungsparameter zeichnen"),
    Label("Label_BildFarbe", "GroupBox_Einstellungen", 8, 74, 60, "Bildfarbe"),
    {"Panel_BildFarbe", A::Farbfeld, "GroupBox_Einstellungen", 70, 70, 40, 24, "", "Punktfarbe", "",
     F::keine, 0},

    Gruppe("GroupBox_Spiegelung", "", 192, 96, 244, 72, "  Achsenspiegelung an g=(TQ)  "),
    PUNKTZEILE("GroupBox_Spiegelung", 20, "Label_SpiegT", "  1.Punkt:    T =   ", "Edit_SpiegT_x",
               "Edit_SpiegT_y", "Spiegelachse, 1. Punkt T"),
    PUNKTZEILE("GroupBox_Spiegelung", 44, "Label_SpiegQ", "  2.Punkt:    Q =   ", "Edit_SpiegQ_x",
               "Edit_SpiegQ_y", "Spiegelachse, 2. Punkt Q"),
    Gruppe("GroupBox_Drehung", "", 192, 172, 244, 72, "  Drehung  "),
    PUNKTZEILE("GroupBox_Drehung", 20, "Label_Drehzentrum",
               "  Drehzentrum M =   ", "Edit_Drehzentrum_x", "Edit_Drehzentrum_y", "Drehzentrum M"),
    Label("Label_Drehwinkel", "GroupBox_Drehung", 8, 47, 118, "  a ="),
    Feld("Edit_Drehwinkel_alfa", "GroupBox_Drehung", 128, 44, 52, F::Zahl, "Drehwinkel in Grad"),
    Label("Label_Grad", "GroupBox_Drehung", 184, 47, 20, "°"),
    Gruppe("GroupBox_Verschiebung", "", 192, 248, 244, 72, "  Verschiebung  "),
    PUNKTZEILE("GroupBox_Verschiebung", 20, "Label_VStart", "  StartPunkt R =   ", "Edit_VStart_x",
               "Edit_VStart_y", "Verschiebung, Startpunkt R"),
    PUNKTZEILE("GroupBox_Verschiebung", 44, "Label_VEnde", "  EndPunkt S =   ", "Edit_VEnde_x",
               "Edit_VEnde_y", "Verschiebung, Endpunkt S"),
    Gruppe("GroupBox_Streckung", "", 192, 324, 244, 72, "  Zentrische Streckung  "),
    PUNKTZEILE("GroupBox_Streckung", 20, "Label_Streckzentrum", "  Streckzentrum Z =   ",
               "Edit_Streckzentrum_x", "Edit_Streckzentrum_y", "Streckzentrum Z"),
    Label("Label_Streckfaktor", "GroupBox_Streckung", 8, 47, 118, "  Streckfaktor k  =   "),
    Feld("Edit_Streckfaktor", "GroupBox_Streckung", 128, 44, 52, F::Zahl, "Streckfaktor k"),
    Gruppe("GroupBox_Abbildungsmatrix", "", 192, 400, 244, 72, "   Matrix M (Abbildungsmatrix) "),
    Label("Label_Matrix", "GroupBox_Abbildungsmatrix", 8, 34, 40, "  M ="),
    Feld("Edit_M11", "GroupBox_Abbildungsmatrix", 56, 20, 88, F::Term,
         "Matrix M, Zeile 1, Spalte 1"),
    Feld("Edit_M12", "GroupBox_Abbildungsmatrix", 148, 20, 88, F::Term,
         "Matrix M, Zeile 1, Spalte 2"),
    Feld("Edit_M21", "GroupBox_Abbildungsmatrix", 56, 44, 88, F::Term,
         "Matrix M, Zeile 2, Spalte 1"),
    Feld("Edit_M22", "GroupBox_Abbildungsmatrix", 148, 44, 88, F::Term,
         "Matrix M, Zeile 2, Spalte 2"),
    Mit(Knopf("BitBtn_abbilden", "", 192, 478, 244, 32, "OK", "Punkte abbilden"), Merkmal_gruen),

    // ---- triangle lines --------------------------------------------------------------------
    Gruppe("GroupBox_Dreieck", "", kDreieck_x, 96, 400, 300, "  Linien und Punkte im Dreieck  "),
    Haken("CheckBox_Schwerpunkt", "GroupBox_Dreieck", Spalte_links, Schalterzeile(0),
          Schalterbreite, "Schwerpunkt"),
    Haken("CheckBox_Umkreismittelpunkt", "GroupBox_Dreieck", Spalte_links, Schalterzeile(1),
          Schalterbreite, "Umkreismittelpunkt"),
    Haken("CheckBox_Inkreismittelpunkt", "GroupBox_Dreieck", Spalte_links, Schalterzeile(2),
          Schalterbreite, "Inkreismittelpunkt"),
    Haken("CheckBox_Hoehenschnittpunkt", "GroupBox_Dreieck", Spalte_links, Schalterzeile(3),
          Schalterbreite, "Höhenschnittpunkt"),
    Haken("CheckBox_Seitenmittelpunkte", "GroupBox_Dreieck", Spalte_links, Schalterzeile(4),
          Schalterbreite, "Seitenmittelpunkte"),
    Haken("CheckBox_Inkreislotpunkte", "GroupBox_Dreieck", Spalte_links, Schalterzeile(5),
          Schalterbreite, "Inkreislotpunkte"),
    Haken("CheckBox_Hoehenfusspunkte", "GroupBox_Dreieck", Spalte_links, Schalterzeile(6),
          Schalterbreite, "Höhenfußpunkte"),
    Haken("CheckBox_Seitenhalbierenden", "GroupBox_Dreieck", Spalte_links, Schalterzeile(7),
          Schalterbreite, "Seitenhalbierenden"),
    Haken("CheckBox_Mittelsenkrechten", "GroupBox_Dreieck", Spalte_links, Schalterzeile(8),
          Schalterbreite, "Mittelsenkrechten"),
    Haken("CheckBox_Winkelhalbierenden", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(0),
          Schalterbreite, "Winkelhalbierenden"),
    Haken("CheckBox_Hoehen", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(1), Schalterbreite,
          "Höhen"),
    Haken("CheckBox_Mittelparallelen", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(2),
          Schalterbreite, "Mittelparallelen"),
    Haken("CheckBox_Umkreis", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(3), Schalterbreite,
          "Umkreis"),
    Haken("CheckBox_Inkreis", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(4), Schalterbreite,
          "Inkreis"),
    Haken("CheckBox_Umkreisradius", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(5),
          Schalterbreite, "Umkreisradius"),
    Haken("CheckBox_Inkreisradius", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(6),
          Schalterbreite, "Inkreisradius"),
    Haken("CheckBox_Eckpunkte_beschriften", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(7),
          Schalterbreite, "Eckpunkte beschriften"),
    Haken("CheckBox_Eulergerade", "GroupBox_Dreieck", Spalte_rechts, Schalterzeile(8),
          Schalterbreite, "Eulergerade"),
    Haken("CheckBox_alles_auswaehlen", "GroupBox_Dreieck", Spalte_links, 250, Schalterbreite,
          "alles auswählen"),
    Mit(Knopf("BitBtn_Dreieckslinien", "GroupBox_Dreieck", Spalte_rechts, 242, Schalterbreite, 34,
              "OK  ", "Dreieckslinien zeichnen"),
        Merkmal_gruen),

    Knopf("BitBtn_abbrechen", "", 724, 512, 120, 32, "Abbrechen", "Fenster schließen"),
});

#undef PUNKTZEILE

}  // namespace

std::span<const TSteuerelement> Steuerelement_Tabelle_Form4() {
  return kSteuerelemente;
}

TForm4::TForm4(QWidget* eltern) : TFensterbasis(eltern, Qt::Tool) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("2D - Abbildungen und Dreieckslinien"));
  Feste_Groesse(kBreite, kHoehe);
  QFont schrift(QStringLiteral("Arial"));
  schrift.setPointSize(8);
  setFont(schrift);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(255, 251, 240));  // cream
  setPalette(p);
  setAutoFillBackground(true);

  Fenster_aufbauen(Steuerelement_Tabelle_Form4());
  Optionsgruppen_aufbauen();
  Tabulatorfolge_setzen(Steuerelement_Tabelle_Form4());
  Hinweis_gestalten();
  Farbe_zeigen("Panel_BildFarbe", Abbildungsfenster.Bildfarbe);

  if (QScreen* bildschirm = QGuiApplication::primaryScreen())
    move(bildschirm->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

// Groups whose row lists items get one option button per item, the start item checked; a
// choice reaches the handler <group>Change with the item's index.
void TForm4::Optionsgruppen_aufbauen() {
  for (const TSteuerelement& e : Steuerelement_Tabelle_Form4()) {
    if (e.art != A::Gruppe || !*e.eintraege) continue;
    auto* gruppe = Element<QGroupBox>(e.name);
    auto* knoepfe = new QButtonGroup(gruppe);
    const QStringList eintraege = QString::fromUtf8(e.eintraege).split(QLatin1Char('|'));
    const int start = Starteintrag(e.name);
    for (int i = 0; i < eintraege.size(); ++i) {
      auto* k = new QRadioButton(eintraege[i], gruppe);
      k->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(e.name)).arg(i));
      k->setGeometry(10, 20 + 24 * i, e.b - 16, 20);
      k->setChecked(i == start);
      // A screen reader names the option and, as its description, the choice it belongs to.
      k->setAccessibleDescription(gruppe->title().trimmed());
      knoepfe->addButton(k, i);
    }
    const QByteArray handler = QByteArray(e.name) + "Change";
    connect(knoepfe, &QButtonGroup::idClicked, this, [this, handler](int id) {
      QMetaObject::invokeMethod(this, handler.constData(), Qt::DirectConnection, Q_ARG(int, id));
    });
  }
}

void TForm4::Hinweis_gestalten() {
  QLabel* hinweis = Element<QLabel>("Label_Hinweis");
  hinweis->setWordWrap(true);
  QFont f = hinweis->font();
  f.setBold(true);
  hinweis->setFont(f);
  QPalette p = hinweis->palette();
  p.setColor(QPalette::WindowText, QColor(128, 0, 0));  // maroon
  hinweis->setPalette(p);
}

Anzeige& TForm4::Hauptfenster() {
  if (Form1) return *Form1;
  return *this;
}

void TForm4::Schliessen_und(void (*aktion)(Anzeige&)) {
  // The buttons take no focus, so a field typed into last has not been left yet: it is read
  // now, and a refused text keeps the window open for correction.
  if (auto* feld = qobject_cast<QLineEdit*>(focusWidget()))
    if (!Abbildungsfeld_verlassen(*this, feld->objectName().toStdString().c_str())) return;
  close();
  aktion(Hauptfenster());
}

void TForm4::Feldtext_geaendert(const QString& name, const QString& text) {
  Abbildungsfeld_geaendert(name.toStdString().c_str(), text.toStdString());
}

void TForm4::Dreieckschalter(const char* name) {
  Dreieckschalter_geklickt(name, Haken(name));
}

// ---- mappings
// ------------------------------------------------------------------------------------

void TForm4::Edit_SpiegT_xExit() {
  Abbildungsfeld_verlassen(*this, "Edit_SpiegT_x");
}
void TForm4::Edit_SpiegT_yExit() {
  Abbildungsfeld_verlassen(*this, "Edit_SpiegT_y");
}
void TForm4::Edit_SpiegQ_xExit() {
  Abbildungsfeld_verlassen(*this, "Edit_SpiegQ_x");
}
void TForm4::Edit_SpiegQ_yExit() {
  Abbildungsfeld_verlassen(*this, "Edit_SpiegQ_y");
}
void TForm4::Edit_Drehzentrum_xExit() {
  Abbildungsfeld_verlassen(*this, "Edit_Drehzentrum_x");
}
void TForm4::Edit_Drehzentrum_yExit() {
  Abbildungsfeld_verlassen(*this, "Edit_Drehzentrum_y");
}
void TForm4::Edit_Drehwinkel_alfaExit() {
  Abbildungsfeld_verlassen(*this, "Edit_Drehwinkel_alfa");
}
void TForm4::Edit_VStart_xExit() {
  Abbildungsfeld_verlassen(*this, "Edit_VStart_x");
}
void TForm4::Edit_VStart_yExit() {
  Abbildungsfeld_verlassen(*this, "Edit_VStart_y");
}
void TForm4::Edit_VEnde_xExit() {
  Abbildungsfeld_verlassen(*this, "Edit_VEnde_x");
}
void TForm4::Edit_VEnde_yExit() {
  Abbildungsfeld_verlassen(*this, "Edit_VEnde_y");
}
void TForm4::Edit_Streckzentrum_xExit() {
  Abbildungsfeld_verlassen(*this, "Edit_Streckzentrum_x");
}
void TForm4::Edit_Streckzentrum_yExit() {
  Abbildungsfeld_verlassen(*this, "Edit_Streckzentrum_y");
}
void TForm4::Edit_StreckfaktorExit() {
  Abbildungsfeld_verlassen(*this, "Edit_Streckfaktor");
}
void TForm4::Edit_ScherfaktorExit() {
  Abbildungsfeld_verlassen(*this, "Edit_Scherfaktor");
}
void TForm4::Edit_M11Exit() {
  Abbildungsfeld_verlassen(*this, "Edit_M11");
}
void TForm4::Edit_M12Exit() {
  Abbildungsfeld_verlassen(*this, "Edit_M12");
}
void TForm4::Edit_M21Exit() {
  Abbildungsfeld_verlassen(*this, "Edit_M21");
}
void TForm4::Edit_M22Exit() {
  Abbildungsfeld_verlassen(*this, "Edit_M22");
}

void TForm4::RadioGroup_AbbildungChange(int eintrag) {
  Abbildung_gewaehlt(eintrag);
}
void TForm4::RadioGroup_ScherachseChange(int eintrag) {
  Scherachse_gewaehlt(eintrag);
}
void TForm4::CheckBox_HilfslinienClick() {
  Abbildungsschalter_geklickt("CheckBox_Hilfslinien", Haken("CheckBox_Hilfslinien"));
}
void TForm4::CheckBox_AbbildungsparameterClick() {
  Abbildungsschalter_geklickt("CheckBox_Abbildungsparameter",
                              Haken("CheckBox_Abbildungsparameter"));
}
void TForm4::Panel_BildFarbeClick() {
  Bildfarbe_waehlen(*this);
}
void TForm4::BitBtn_abbildenClick() {
  Schliessen_und(Abbilden_geklickt);
}
void TForm4::BitBtn_abbrechenClick() {
  close();
}

// ---- triangle lines
// ------------------------------------------------------------------------------

void TForm4::CheckBox_SchwerpunktClick() {
  Dreieckschalter("CheckBox_Schwerpunkt");
}
void TForm4::CheckBox_UmkreismittelpunktClick() {
  Dreieckschalter("CheckBox_Umkreismittelpunkt");
}
void TForm4::CheckBox_InkreismittelpunktClick() {
  Dreieckschalter("CheckBox_Inkreismittelpunkt");
}
void TForm4::CheckBox_HoehenschnittpunktClick() {
  Dreieckschalter("CheckBox_Hoehenschnittpunkt");
}
void TForm4::CheckBox_SeitenmittelpunkteClick() {
  Dreieckschalter("CheckBox_Seitenmittelpunkte");
}
void TForm4::CheckBox_InkreislotpunkteClick() {
  Dreieckschalter("CheckBox_Inkreislotpunkte");
}
void TForm4::CheckBox_HoehenfusspunkteClick() {
  Dreieckschalter("CheckBox_Hoehenfusspunkte");
}
void TForm4::CheckBox_SeitenhalbierendenClick() {
  Dreieckschalter("CheckBox_Seitenhalbierenden");
}
void TForm4::CheckBox_MittelsenkrechtenClick() {
  Dreieckschalter("CheckBox_Mittelsenkrechten");
}
void TForm4::CheckBox_WinkelhalbierendenClick() {
  Dreieckschalter("CheckBox_Winkelhalbierenden");
}
void TForm4::CheckBox_HoehenClick() {
  Dreieckschalter("CheckBox_Hoehen");
}
void TForm4::CheckBox_MittelparallelenClick() {
  Dreieckschalter("CheckBox_Mittelparallelen");
}
void TForm4::CheckBox_UmkreisClick() {
  Dreieckschalter("CheckBox_Umkreis");
}
void TForm4::CheckBox_InkreisClick() {
  Dreieckschalter("CheckBox_Inkreis");
}
void TForm4::CheckBox_UmkreisradiusClick() {
  Dreieckschalter("CheckBox_Umkreisradius");
}
void TForm4::CheckBox_InkreisradiusClick() {
  Dreieckschalter("CheckBox_Inkreisradius");
}
void TForm4::CheckBox_Eckpunkte_beschriftenClick() {
  Dreieckschalter("CheckBox_Eckpunkte_beschriften");
}
void TForm4::CheckBox_EulergeradeClick() {
  Dreieckschalter("CheckBox_Eulergerade");
}
void TForm4::CheckBox_alles_auswaehlenClick() {
  Alles_auswaehlen_geklickt(*this, Hauptfenster(), Haken("CheckBox_alles_auswaehlen"));
}
void TForm4::BitBtn_DreieckslinienClick() {
  Schliessen_und(Dreieckslinien_geklickt);
}

void TForm4::Zustand_zeigen() {
  const TAbbildungsfenster z = Abbildungsfenster;
  for (const auto& [name, text] : z.Feldtexte)
    Text_zeigen(name.c_str(), text);
  Haken_zeigen("CheckBox_Hilfslinien", z.Hilfslinien);
  Haken_zeigen("CheckBox_Abbildungsparameter", z.Abbildungsparameter);
  for (std::size_t i = 0; i < kDreieckschalter.size() && i < z.Dreieckslinien.size(); ++i)
    Haken_zeigen(kDreieckschalter[i], z.Dreieckslinien[i]);
  Farbe_zeigen("Panel_BildFarbe", z.Bildfarbe);
  Option_zeigen("RadioGroup_Abbildung", static_cast<int>(z.Abbildung));
  Option_zeigen("RadioGroup_Scherachse", z.Parameter.Achse == "y" ? 1 : 0);
  Abbildungsfenster = z;
}

void TForm4::Option_zeigen(const char* gruppe, int eintrag) {
  const QString name = QStringLiteral("%1_%2").arg(QString::fromLatin1(gruppe)).arg(eintrag);
  if (auto* k = findChild<QRadioButton*>(name)) k->setChecked(true);
}
