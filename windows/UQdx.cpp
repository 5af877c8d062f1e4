#include "windows/UQdx.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/Stillisten.h"
#include "windows/UQdx_Layout.h"
#include "windows/Unit2_Help.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"

TForm1* Form1 = nullptr;

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The swatch that belongs to each curve switch.
struct TKurvenschalter {
  const char* schalter;
  const char* muster;
  Kurve kurve;
};
constexpr TKurvenschalter Kurvenschalter[] = {
    {"CheckBox_Schar_f_zeichnen", "Image_f", Kurve_f},
    {"CheckBox_Schar_g_zeichnen", "Image_g", Kurve_g},
    {"CheckBox_Schar_h_zeichnen", "Image_h", Kurve_h},
    {"CheckBox_Schar_fs_zeichnen", "Image_fs", Kurve_fs},
    {"CheckBox_Schar_fs2_zeichnen", "Image_fs2", Kurve_fs2},
    {"CheckBox_Schar_fs3_zeichnen", "Image_fs3", Kurve_fs3},
    {"CheckBox_f_invers_zeichnen", "Image_inv", Kurve_inv},
    {"CheckBox_Integralfunktion", "Image_Int", Kurve_Int},
    {"CheckBox_Schar_kr_zeichnen", "Image_krue", Kurve_krue},
    {"CheckBox_x_gleich_a", "Image_x_gleich_a", Kurve_x_gleich_a},
    {"CheckBox_x_gleich_b", "Image_x_gleich_b", Kurve_x_gleich_b},
    {"CheckBox_Param", "Image_xt_yt", Kurve_Param},
    {"CheckBox_DatenPkte_verbinden", "Image_Punktverbindung", Kurve_Punktverbindung},
};

// Controls that only the sequence modes and the cobweb switch enable.
constexpr const char* Anfangs_gesperrt[] = {
    "Edit_x_n0",
    "Label_x_n0",
    "Edit_y_n1",
    "Label_y_n1",
    "CheckBox_Web",
    "CheckBox_nur_g_zeichnen",
    "Label_Iterationstiefe",
    "Edit_Iterationstiefe",
};

}  // namespace

// ---- creation ------------------------------------------------------------------------------

TForm1::TForm1() {
  Form1 = this;
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Quadrix V4.45"));
  // A tool-window frame: title and close button only; the window stays a normal top level.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(1314, 712);
  QFont schrift(QStringLiteral("Arial"));
  schrift.setPointSize(8);
  setFont(schrift);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(160, 160, 164));  // medium grey
  setPalette(p);
  setAutoFillBackground(true);

  Steuerelemente_erzeugen();
  Ereignisse_verbinden();
  FormCreate();

  if (QScreen* bildschirm = QGuiApplication::primaryScreen()) {
    QRect r = bildschirm->availableGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
  }

  // The side windows follow the main window, in this order.
  Form2 = new TForm2();
  Form4 = new TForm4();
  Form5 = new TForm5();
}

TForm1::~TForm1() {
  // Controls that lose the focus while they are torn down must not reach the handlers.
  filter_.clear();
  delete Form5;
  delete Form4;
  delete Form2;
  if (Form1 == this) Form1 = nullptr;
}

QAbstractButton* TForm1::Knopf(const char* name) const {
  return Element<QAbstractButton>(name);
}

std::string TForm1::Text(const char* feld) const {
  if (QLineEdit* e = Feld(feld)) return e->text().toStdString();
  if (QLabel* l = Element<QLabel>(feld)) return l->text().toStdString();
  return "";
}

void TForm1::Text_setzen(const char* feld, const std::string& text) {
  if (QLineEdit* e = Feld(feld))
    e->setText(Q(text));
  else if (QLabel* l = Element<QLabel>(feld))
    l->setText(Q(text));
}

bool TForm1::Haken(const char* schalter) const {
  QCheckBox* c = Schalter(schalter);
  return c && c->isChecked();
}

void TForm1::Haken_setzen(const char* schalter, bool an) {
  if (QCheckBox* c = Schalter(schalter)) c->setChecked(an);
}

void TForm1::FormCreate() {
  KOS.Bild_links = 0;
  KOS.Bild_oben = 0;
  KOS.Bildrand_rechts = 640;
  KOS.Bildrand_unten = 640;
  Standard_Werte_einstellen();
  Haken_setzen("CheckBox_Schar_f_zeichnen", true);
  Startbild_zeichnen();
}

// The start picture is the 5-mm grid button's action, which plots.
void TForm1::Startbild_zeichnen() {
  SpeedButton_Raster_mittelClick();
}

void TForm1::Neu_zeichnen() {
  SpeedButton_PlotClick();
}

// ---- start values ----------------------------------------------------------------------------

void TForm1::Standard_Werte_einstellen() {
  // 1. Style, view, format and workbench values.
  Linienart_waehlen(1);
  Stil.Linienfarbe = 0xFF0000;
  Stil.Flaechenfuellung = 5;
  Stil.Fuellfarbe = 0xFF00FF;
  Stil.Punkteart = 1;
  Stil.Punktradius = 3;
  Stil.Punktfarbe = 0x0000FF;
  Stil.Punkte_verbinden = false;
  {
    TKOS neu;
    neu.Bild_links = KOS.Bild_links;
    neu.Bild_oben = KOS.Bild_oben;
    neu.Bildrand_rechts = KOS.Bildrand_rechts;
    neu.Bildrand_unten = KOS.Bildrand_unten;
    KOS = neu;
  }
  Zahlformat.Nachkommastellen = 6;
  Zahlformat.Gesamtstellen = 9;
  Zahlformat.Fixkomma = false;
  Zahlformat.Bruchdarstellung = false;
  Zoom_Standardwerte();
  {
    // The curve styles stay with their curves until a switch is checked again.
    auto stile = Werkbank.Kurvenstile;
    auto schalter = Werkbank.Kurve_zeichnen;
    Werkbank_zuruecksetzen();
    Werkbank.Kurvenstile = stile;
    Werkbank.Kurve_zeichnen = schalter;
  }

  // 2. Grid buttons in the 10-mm state.
  if (QAbstractButton* k = Knopf("SpeedButton_Raster_gestrichelt")) k->setChecked(true);

  // 3. Picture size and view fields.
  Text_setzen("Edit_Bildbreite", "16");
  Text_setzen("Edit_Bildtiefe", "16");
  Text_setzen("Edit_xa", "-8");
  Text_setzen("Edit_xe", "8");
  Text_setzen("Edit_ya", "-8");
  Text_setzen("Edit_ye", "8");
  Text_setzen("Edit_xscl", "1");
  Text_setzen("Edit_yscl", "1");

  // 4. The text for the picture, shown in its own font.
  if (QLineEdit* e = Feld("Edit_Text_in_Grafik")) {
    e->setText(Q(Werkbank.Grafiktext));
    e->resize(Werkbank.Textfeld_Breite, Werkbank.Textfeld_Hoehe);
    const TSchrift s = Werkbank_Textschrift();
    QFont schrift = TBild::Qt_Schrift(s);
    schrift.setPointSize(s.Groesse);
    e->setFont(schrift);
    QPalette p = e->palette();
    p.setColor(QPalette::Text, Farbe_zu_QColor(s.Farbe));
    p.setColor(QPalette::Base, Qt::white);
    e->setPalette(p);
  }

  // 5. Field texts.
  for (const char* f : {"Edit_xaSchar", "Edit_xaSchar_g", "Edit_xaSchar_h"})
    Text_setzen(f, "-8");
  for (const char* f : {"Edit_xeSchar", "Edit_xeSchar_g", "Edit_xeSchar_h"})
    Text_setzen(f, "8");
  Text_setzen("Edit_Schar_t1", "1");
  Text_setzen("Edit_Schar_t2", "2,2");
  Text_setzen("Edit_delta_t", "0,2");
  Text_setzen("LabelSchiebereglerWert", " 1 ");
  Text_setzen("Edit_aStart", "-8");
  Text_setzen("Edit_bEnde", "8");
  Text_setzen("Edit_delta_x", "1");
  Text_setzen("Edit_u", "0");
  Text_setzen("Edit_xBeschrift", "x");
  Text_setzen("Edit_yBeschrift", "y");
  Text_setzen("Edit_n0", "1");
  Text_setzen("Edit_x_n0", "0,5");
  Text_setzen("Edit_y_n1", "0,6");
  Text_setzen("Edit_Iterationstiefe", "500");
  Text_setzen("Edit_Param_k1", "0");
  Text_setzen("Edit_Param_k2", "2pi");
  Text_setzen("Edit_delta_Phi", "pi/720");
  Text_setzen("Edit_fSchar", "0,1tx(9t-x²)");
  Text_setzen("Edit_gSchar", "sin(x)/x");
  Text_setzen("Edit_hSchar", "sgn(x+1,5)");
  Text_setzen("Edit_xParam", "x·cos(t)");
  Text_setzen("Edit_yParam", "3x/5·sin(t)");
  Text_setzen("Edit_Folge", "5n/(2n+3)");

  // 6. Cobweb off, matrix fields.
  Haken_setzen("CheckBox_Web", false);
  for (const char* n : {"CheckBox_Web", "Label_Iterationstiefe", "Edit_Iterationstiefe"})
    if (QWidget* w = Element(n)) w->setEnabled(false);
  Text_setzen("Edit_Mat_n", "2");
  Text_setzen("Edit_skalar_r", "3/100");

  // 7. Switches; each runs its click rule when its state changes.
  Haken_setzen("CheckBox_xAchse", true);
  Haken_setzen("CheckBox_yAchse", true);
  Haken_setzen("CheckBox_Skalierung", true);
  Haken_setzen("CheckBox_Zahlen_an_Achsen", true);
  Haken_setzen("CheckBox_Achsen_dick", false);
  Haken_setzen("CheckBox_Grobraster", KOS.Grobraster);
  for (const char* n :
       {"CheckBox_Textmodus", "CheckBox_ZoomModus", "CheckBox_DatenPkte_verbinden",
        "CheckBox_Fixkomma", "CheckBox_Bruchdarstellung", "CheckBox_alle_t_verwenden",
        "CheckBox_Punkte", "CheckBox_Integralfunktion_tabellieren", "CheckBox_Polar_Wahl",
        "CheckBox_Param", "CheckBox_Folge", "CheckBox_Web", "CheckBox_rekursiv",
        "CheckBox_rekursivxy", "CheckBox_Grobschraffur"})
    Haken_setzen(n, false);
  for (const auto& k : Kurvenschalter)
    Haken_setzen(k.schalter, false);
  Haken_setzen("CheckBox_loeschen", true);
  Haken_setzen("CheckBox_Achsen_automatisch_beschriften", true);

  // 8. Lists, without their change rules.
  auto Eintrag = [this](const char* liste, int i) {
    if (QComboBox* c = Liste(liste)) c->setCurrentIndex(i);
  };
  Eintrag("ComboBox_Linienart", 1);
  Eintrag("ComboBox_PunktRadius", 3);
  Eintrag("ComboBox_Punkteart", 1);
  Eintrag("ComboBox_Flaechenfuellung", 5);
  Eintrag("ComboBox_Zahlenhoehe", 0);
  Eintrag("ComboBox_Nachkommastellen", 6);
  Eintrag("ComboBox_Gesamtstellen", 1);
  Eintrag("ComboBox_Integrationsmethode", 0);
  Eintrag("ComboBox_DiagrammTyp", 0);
  Eintrag("ComboBox_RegressionsModelle", 1);
  Eintrag("ComboBox_DiagrPlotNr", 0);
  Eintrag("ComboBox_Punkte_ab_Spalte", 0);
  Eintrag("ComboBox_MatrixOps", 0);
  for (const char* n : {"ComboBox_Linienart", "ComboBox_Punkteart", "ComboBox_Flaechenfuellung"})
    if (QComboBox* c = Liste(n)) c->update();

  // 10. Colour panels.
  Farbfeld_setzen("Panel_Farbe_Punkte", Stil.Punktfarbe);
  Farbfeld_setzen("Panel_Farbe_Raster", KOS.Rasterfarbe);
  Farbfeld_setzen("Panel_Linienfarbe_definieren", Stil.Linienfarbe);
  Farbfeld_setzen("Panel_Fuellfarbe_definieren", Stil.Fuellfarbe);

  // 11. The values follow the texts.
  Edit_xaExit();
  Edit_xeExit();
  Edit_yaExit();
  Edit_yeExit();
  Edit_xsclExit();
  Edit_ysclExit();
  Edit_xaScharExit();
  Edit_xeScharExit();
  Edit_xaSchar_gExit();
  Edit_xeSchar_gExit();
  Edit_xaSchar_hExit();
  Edit_xeSchar_hExit();
  Edit_aStartExit();
  Edit_bEndeExit();
  Edit_delta_xExit();
  Edit_delta_tExit();
  Edit_Schar_t1Exit();
  Edit_Schar_t2Exit();
  Edit_uExit();
  Edit_x_n0Exit();
  Edit_n0Exit();
  Edit_IterationstiefeExit();
  Edit_Param_k1Exit();
  Edit_Param_k2Exit();
  Edit_delta_PhiExit();

  // 9./12. The table gets its look and headers once; a later reset keeps its contents.
  Tabelle_vorbereiten();

  // 13. The picture fills the full picture area.
  Bild_platzieren(Image1->Bild, KOS.Bild_links, KOS.Bild_oben, KOS.Bildrand_rechts + 1,
                  KOS.Bildrand_unten + 1);
}

void TForm1::Farbfeld_setzen(const char* panel, TFarbe farbe) {
  QWidget* w = Element(panel);
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Window, Farbe_zu_QColor(farbe));
  w->setPalette(p);
  w->update();
}

// ---- number fields -------------------------------------------------------------------------

void TForm1::Fokus_zurueck(QWidget* feld) {
  if (!feld) return;
  // The focus change that left the field is still under way; take the field back after it.
  QTimer::singleShot(0, feld, [feld] { feld->setFocus(Qt::OtherFocusReason); });
  fokus_zurueck_ = feld->objectName().toStdString();
}

bool TForm1::Edit_zu_Zahl(QLineEdit* feld, long double& ziel) {
  if (!feld) return false;
  long double wert = ziel;
  bool ok = Term_zu_Zahl(feld->text().toStdString(), wert);
  ziel = wert;
  if (!ok) Fokus_zurueck(feld);
  return ok;
}

bool TForm1::Zahlfeld_lesen(const char* feld, long double& ziel) {
  return Edit_zu_Zahl(Feld(feld), ziel);
}

namespace {
// Tick spacing of one centimetre along the x axis (or the y axis) of the current view.
long double Zentimeterschritt(bool x_achse) {
  const long double von = x_achse ? KOS.xli : KOS.yu;
  const long double bis = x_achse ? KOS.xre : KOS.yo;
  const int cm = x_achse ? KOS.Bildbreite_cm : KOS.Bildtiefe_cm;
  return (bis - von) / (cm > 0 ? cm : 1);
}
}  // namespace

// A new bound makes the scale of its axis one centimetre again.
bool TForm1::Grenze_lesen(const char* feld, long double& grenze, bool x_achse) {
  if (!Zahlfeld_lesen(feld, grenze)) return false;
  long double& skala = x_achse ? KOS.xscl : KOS.yscl;
  skala = Zentimeterschritt(x_achse);
  Text_setzen(x_achse ? "Edit_xscl" : "Edit_yscl", Gleitkomma_Text(skala));
  return true;
}

// Ticks closer than half a centimetre would run into each other: back to one centimetre.
void TForm1::Skala_lesen(bool x_achse) {
  const char* feld = x_achse ? "Edit_xscl" : "Edit_yscl";
  long double& skala = x_achse ? KOS.xscl : KOS.yscl;
  if (!Zahlfeld_lesen(feld, skala)) return;
  const long double cm = Zentimeterschritt(x_achse);
  if (skala < cm / 2) {
    Dialog().Meldung(x_achse ? "Fehler:  xSk zu klein" : "Fehler:  ySk zu klein");
    skala = cm;
    Text_setzen(feld, Gleitkomma_Text(skala));
    Fokus_zurueck(Feld(feld));
  }
}

void TForm1::Edit_xaExit() {
  if (Grenze_lesen("Edit_xa", KOS.xli, true))
    Werkbank.xaSchar = Werkbank.xaSchar_g = Werkbank.xaSchar_h = KOS.xli;
}

void TForm1::Edit_xeExit() {
  if (Grenze_lesen("Edit_xe", KOS.xre, true))
    Werkbank.xeSchar = Werkbank.xeSchar_g = Werkbank.xeSchar_h = KOS.xre;
}

void TForm1::Edit_yaExit() {
  Grenze_lesen("Edit_ya", KOS.yu, false);
}

void TForm1::Edit_yeExit() {
  Grenze_lesen("Edit_ye", KOS.yo, false);
}

void TForm1::Edit_xsclExit() {
  Skala_lesen(true);
}

void TForm1::Edit_ysclExit() {
  Skala_lesen(false);
}

void TForm1::Edit_xaChange() {
  std::string t = Text("Edit_xa");
  for (const char* f : {"Edit_xaSchar", "Edit_xaSchar_g", "Edit_xaSchar_h"})
    Text_setzen(f, t);
  Werkbank.xaSchar = Werkbank.xaSchar_g = Werkbank.xaSchar_h = KOS.xli;
}

void TForm1::Edit_xeChange() {
  std::string t = Text("Edit_xe");
  for (const char* f : {"Edit_xeSchar", "Edit_xeSchar_g", "Edit_xeSchar_h"})
    Text_setzen(f, t);
  Werkbank.xeSchar = Werkbank.xeSchar_g = Werkbank.xeSchar_h = KOS.xre;
}

void TForm1::Edit_xaScharExit() {
  if (!Zahlfeld_lesen("Edit_xaSchar", Werkbank.xaSchar)) return;
  Text_setzen("Edit_aStart", Text("Edit_xaSchar"));
  Werkbank.aStart = Werkbank.xaSchar;
}

void TForm1::Edit_xeScharExit() {
  if (!Zahlfeld_lesen("Edit_xeSchar", Werkbank.xeSchar)) return;
  Text_setzen("Edit_bEnde", Text("Edit_xeSchar"));
  Werkbank.bEnde = Werkbank.xeSchar;
}

void TForm1::Edit_xaSchar_gExit() {
  Zahlfeld_lesen("Edit_xaSchar_g", Werkbank.xaSchar_g);
}
void TForm1::Edit_xeSchar_gExit() {
  Zahlfeld_lesen("Edit_xeSchar_g", Werkbank.xeSchar_g);
}
void TForm1::Edit_xaSchar_hExit() {
  Zahlfeld_lesen("Edit_xaSchar_h", Werkbank.xaSchar_h);
}
void TForm1::Edit_xeSchar_hExit() {
  Zahlfeld_lesen("Edit_xeSchar_h", Werkbank.xeSchar_h);
}
void TForm1::Edit_aStartExit() {
  Zahlfeld_lesen("Edit_aStart", Werkbank.aStart);
}
void TForm1::Edit_bEndeExit() {
  Zahlfeld_lesen("Edit_bEnde", Werkbank.bEnde);
}
void TForm1::Edit_delta_xExit() {
  Zahlfeld_lesen("Edit_delta_x", Werkbank.delta_x);
}
void TForm1::Edit_uExit() {
  Zahlfeld_lesen("Edit_u", Werkbank.u);
}
void TForm1::Edit_Schar_t1Exit() {
  Zahlfeld_lesen("Edit_Schar_t1", Werkbank.Schar_t1);
}
void TForm1::Edit_Schar_t2Exit() {
  Zahlfeld_lesen("Edit_Schar_t2", Werkbank.Schar_t2);
}
void TForm1::Edit_delta_tExit() {
  Zahlfeld_lesen("Edit_delta_t", Werkbank.delta_t);
}
void TForm1::Edit_Param_k1Exit() {
  Zahlfeld_lesen("Edit_Param_k1", Werkbank.Param_k1);
}
void TForm1::Edit_Param_k2Exit() {
  Zahlfeld_lesen("Edit_Param_k2", Werkbank.Param_k2);
}
void TForm1::Edit_delta_PhiExit() {
  Zahlfeld_lesen("Edit_delta_Phi", Werkbank.delta_Phi);
}
void TForm1::Edit_x_n0Exit() {
  Zahlfeld_lesen("Edit_x_n0", Werkbank.x_n0);
}
void TForm1::Edit_y_n1Exit() {
  Zahlfeld_lesen("Edit_y_n1", Werkbank.y_n1);
}
void TForm1::Edit_skalar_rExit() {
  Zahlfeld_lesen("Edit_skalar_r", Werkbank.skalar_r);
}

// ---- whole-number fields ---------------------------------------------------------------------

void TForm1::Edit_n0Exit() {
  int n = 0;
  if (!Ganzzahl_lesen(Text("Edit_n0"), n)) {
    Text_setzen("Edit_n0", "1");
    n = 1;
  }
  Werkbank.n_Start = n;
}

void TForm1::Edit_IterationstiefeExit() {
  int n = 0;
  bool ok = Ganzzahl_lesen(Text("Edit_Iterationstiefe"), n);
  Werkbank.Iterationstiefe = Iterationstiefe_lesen(Text("Edit_Iterationstiefe"));
  if (!ok || n != Werkbank.Iterationstiefe) Text_setzen("Edit_Iterationstiefe", "500");
}

void TForm1::Edit_Mat_nExit() {
  int n = 0;
  if (!Ganzzahl_lesen(Text("Edit_Mat_n"), n)) {
    Dialog().Piep();
    Fehler = true;
    n = 2;
    Text_setzen("Edit_Mat_n", "2");
  } else if (n < 2) {
    n = 2;
    Text_setzen("Edit_Mat_n", "2");
  }
  Werkbank.Mat_n = n;
}

// ---- term fields -----------------------------------------------------------------------------

namespace {
void Term_verlassen(TForm1* f, const char* feld) {
  QLineEdit* e = f->Feld(feld);
  if (!e) return;
  std::string t = Zeichen_entfernen(e->text().toStdString(), ' ');
  if (e->text().toStdString() != t) e->setText(QString::fromStdString(t));
  if (!Term_pruefen(t)) {
    QTimer::singleShot(0, e, [e] { e->setFocus(Qt::OtherFocusReason); });
  }
}

void Alles_markieren(TForm1* f, const char* feld) {
  if (QLineEdit* e = f->Feld(feld)) e->selectAll();
}

void Fokus_auf(TForm1* f, const char* feld) {
  if (QLineEdit* e = f->Feld(feld); e && e->isEnabled()) e->setFocus(Qt::OtherFocusReason);
}
}  // namespace

void TForm1::Edit_fScharExit() {
  Term_verlassen(this, "Edit_fSchar");
}
void TForm1::Edit_gScharExit() {
  Term_verlassen(this, "Edit_gSchar");
}
void TForm1::Edit_hScharExit() {
  Term_verlassen(this, "Edit_hSchar");
}
void TForm1::Edit_xParamExit() {
  Term_verlassen(this, "Edit_xParam");
}
void TForm1::Edit_yParamExit() {
  Term_verlassen(this, "Edit_yParam");
}
void TForm1::Edit_FolgeExit() {
  Term_verlassen(this, "Edit_Folge");
}
void TForm1::Edit_fScharDblClick() {
  Alles_markieren(this, "Edit_fSchar");
}
void TForm1::Edit_gScharDblClick() {
  Alles_markieren(this, "Edit_gSchar");
}
void TForm1::Edit_hScharDblClick() {
  Alles_markieren(this, "Edit_hSchar");
}
void TForm1::Edit_xParamDblClick() {
  Alles_markieren(this, "Edit_xParam");
}
void TForm1::Edit_yParamDblClick() {
  Alles_markieren(this, "Edit_yParam");
}
void TForm1::Edit_FolgeDblClick() {
  Alles_markieren(this, "Edit_Folge");
}

void TForm1::Edit_fScharKeyDown(int taste) {
  if (taste == Qt::Key_Down) Fokus_auf(this, "Edit_gSchar");
}
void TForm1::Edit_gScharKeyDown(int taste) {
  if (taste == Qt::Key_Down) Fokus_auf(this, "Edit_hSchar");
  if (taste == Qt::Key_Up) Fokus_auf(this, "Edit_fSchar");
}
void TForm1::Edit_hScharKeyDown(int taste) {
  if (taste == Qt::Key_Up) Fokus_auf(this, "Edit_gSchar");
}
void TForm1::Edit_xParamKeyDown(int taste) {
  if (taste == Qt::Key_Down) Fokus_auf(this, "Edit_yParam");
}
void TForm1::Edit_yParamKeyDown(int taste) {
  if (taste == Qt::Key_Up) Fokus_auf(this, "Edit_xParam");
}

// ---- axis switches ---------------------------------------------------------------------------

// Ticks, numbers and thick axes need an axis: with neither shown they go off.
void TForm1::Achsen_aus_folgen() {
  if (!KOS.xAchse_zeigen && !KOS.yAchse_zeigen) {
    Haken_setzen("CheckBox_Zahlen_an_Achsen", false);
    Haken_setzen("CheckBox_Skalierung", false);
    Haken_setzen("CheckBox_Achsen_dick", false);
  }
}

void TForm1::CheckBox_xAchseClick() {
  KOS.xAchse_zeigen = Haken("CheckBox_xAchse");
  Achsen_aus_folgen();
}

void TForm1::CheckBox_yAchseClick() {
  KOS.yAchse_zeigen = Haken("CheckBox_yAchse");
  Achsen_aus_folgen();
}

void TForm1::CheckBox_SkalierungClick() {
  bool an = Haken("CheckBox_Skalierung");
  if (an && !Haken("CheckBox_xAchse") && !Haken("CheckBox_yAchse")) {
    Haken_setzen("CheckBox_Skalierung", false);  // runs this rule again, unchecked
    return;
  }
  if (!an) Haken_setzen("CheckBox_Zahlen_an_Achsen", false);
  KOS.Skala_zeigen = an;
}

void TForm1::CheckBox_Zahlen_an_AchsenClick() {
  bool an = Haken("CheckBox_Zahlen_an_Achsen");
  if (an && !Haken("CheckBox_Skalierung")) {
    Haken_setzen("CheckBox_Zahlen_an_Achsen", false);
    return;
  }
  KOS.Zahlen_zeigen = an;
}

void TForm1::CheckBox_Achsen_dickClick() {
  bool an = Haken("CheckBox_Achsen_dick");
  if (an && !Haken("CheckBox_xAchse") && !Haken("CheckBox_yAchse")) {
    Haken_setzen("CheckBox_Achsen_dick", false);
    return;
  }
  KOS.Achsenbreite = KOS.Strichbreite = an ? 2 : 1;
  KOS.Zahlen_fett = an;
}

void TForm1::CheckBox_GrobrasterClick() {
  QAbstractButton* ohne = Knopf("SpeedButton_ohne_Raster");
  if (ohne && ohne->isChecked()) {
    if (Haken("CheckBox_Grobraster")) Haken_setzen("CheckBox_Grobraster", false);
    return;
  }
  KOS.Grobraster = Haken("CheckBox_Grobraster");
  Neu_zeichnen();
}

// ---- curve switches --------------------------------------------------------------------------

void TForm1::Kurvenschalter_geklickt(const char* schalter, Kurve k) {
  const char* muster = nullptr;
  for (const auto& s : Kurvenschalter)
    if (s.kurve == k) muster = s.muster;
  bool an = Haken(schalter);
  Werkbank.Kurve_zeichnen[k] = an;
  Bildflaeche* swatch = Element<Bildflaeche>(muster);
  if (swatch) Image_loeschen(swatch->Bild);
  if (!an) return;
  int art = Stil.Linienart;
  if (swatch) art = Image_neu_zeichnen(swatch->Bild, k == Kurve_Punktverbindung);
  if (art != Stil.Linienart) Linienart_waehlen(art);
  if (QComboBox* c = Liste("ComboBox_Linienart"); c && c->currentIndex() != Stil.Linienart)
    c->setCurrentIndex(Stil.Linienart);
  Werkbank.Kurvenstile[k] = Kurvenstil{Stil.Linienfarbe, Stil.Linienart};
}

void TForm1::CheckBox_Schar_f_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_Schar_f_zeichnen", Kurve_f);
}
void TForm1::CheckBox_Schar_g_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_Schar_g_zeichnen", Kurve_g);
}
void TForm1::CheckBox_Schar_h_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_Schar_h_zeichnen", Kurve_h);
}
void TForm1::CheckBox_Schar_fs_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_Schar_fs_zeichnen", Kurve_fs);
}
void TForm1::CheckBox_Schar_fs2_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_Schar_fs2_zeichnen", Kurve_fs2);
}
void TForm1::CheckBox_Schar_fs3_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_Schar_fs3_zeichnen", Kurve_fs3);
}
void TForm1::CheckBox_f_invers_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_f_invers_zeichnen", Kurve_inv);
}
void TForm1::CheckBox_IntegralfunktionClick() {
  Kurvenschalter_geklickt("CheckBox_Integralfunktion", Kurve_Int);
}
void TForm1::CheckBox_Schar_kr_zeichnenClick() {
  Kurvenschalter_geklickt("CheckBox_Schar_kr_zeichnen", Kurve_krue);
}
void TForm1::CheckBox_x_gleich_aClick() {
  Kurvenschalter_geklickt("CheckBox_x_gleich_a", Kurve_x_gleich_a);
}
void TForm1::CheckBox_x_gleich_bClick() {
  Kurvenschalter_geklickt("CheckBox_x_gleich_b", Kurve_x_gleich_b);
}

void TForm1::CheckBox_ParamClick() {
  Kurvenschalter_geklickt("CheckBox_Param", Kurve_Param);
  if (Haken("CheckBox_Param")) Haken_setzen("CheckBox_Folge", false);
}

void TForm1::CheckBox_FolgeClick() {
  Werkbank.Folge = Haken("CheckBox_Folge");
  if (Werkbank.Folge) Haken_setzen("CheckBox_Param", false);
}

void TForm1::CheckBox_DatenPkte_verbindenClick() {
  Kurvenschalter_geklickt("CheckBox_DatenPkte_verbinden", Kurve_Punktverbindung);
  Stil.Punkte_verbinden = Haken("CheckBox_DatenPkte_verbinden");
  if (Stil.Punkte_verbinden) {
    Stil.Verbindungsfarbe = Stil.Linienfarbe;
    Stil.Verbindungsart = Stil.Linienart;
  }
}

// ---- mode switches ---------------------------------------------------------------------------

void TForm1::CheckBox_Polar_WahlClick() {
  bool polar = Haken("CheckBox_Polar_Wahl");
  Werkbank.Polardarstellung = polar;
  QCheckBox* param = Schalter("CheckBox_Param");
  if (polar) {
    Text_setzen("Label_xParam", "r(t) =");
    Text_setzen("Edit_xParam", "1,2t·sin(7t)");
    if (param) {
      param->setText(QStringLiteral("r(t)"));
      param->setToolTip(QStringLiteral("r(t) zeichnen"));
    }
  } else {
    Text_setzen("Label_xParam", "x(t) =");
    Text_setzen("Edit_xParam", "x·cos(t)");
    Text_setzen("Edit_yParam", "3x/5·sin(t)");
    if (param) {
      param->setText(QStringLiteral("x(t),y(t)"));
      param->setToolTip(QStringLiteral("x(t),y(t) zeichnen"));
    }
  }
  for (const char* n : {"Edit_yParam", "Label_yParam"})
    if (QWidget* w = Element(n)) w->setEnabled(!polar);
}

namespace {
void Freigeben(TForm1* f, std::initializer_list<const char*> namen, bool an) {
  for (const char* n : namen)
    if (QWidget* w = f->Element(n)) w->setEnabled(an);
}
}  // namespace

void TForm1::CheckBox_rekursivClick() {
  Werkbank.rekursiv = Haken("CheckBox_rekursiv");
  if (Werkbank.rekursiv) {
    Haken_setzen("CheckBox_rekursivxy", false);
    Haken_setzen("CheckBox_Folge", true);
    Text_setzen("Edit_Folge", "3,2x(1-x)");
    Text_setzen("Label_Folge", "g(x) =");
    Freigeben(this, {"Edit_x_n0", "Label_x_n0", "CheckBox_Web"}, true);
  } else {
    Text_setzen("Edit_Folge", "5n/(2n+3)");
    Text_setzen("Label_Folge", "a(n) =");
    Freigeben(this, {"Edit_x_n0", "Label_x_n0", "CheckBox_Web"}, false);
    Haken_setzen("CheckBox_Web", false);
  }
}

void TForm1::CheckBox_rekursivxyClick() {
  Werkbank.rekursivxy = Haken("CheckBox_rekursivxy");
  if (Werkbank.rekursivxy) {
    Haken_setzen("CheckBox_rekursiv", false);
    Haken_setzen("CheckBox_Folge", true);
    Text_setzen("Edit_Folge", "111-(1130-3000/x)/k");
    Text_setzen("Label_Folge", "g(x,k)=");
    Freigeben(this, {"Edit_x_n0", "Label_x_n0", "Edit_y_n1", "Label_y_n1"}, true);
  } else {
    Text_setzen("Edit_Folge", "5n/(2n+3)");
    Text_setzen("Label_Folge", "a(n) =");
    Freigeben(this, {"Edit_x_n0", "Label_x_n0", "Edit_y_n1", "Label_y_n1"}, false);
    Haken_setzen("CheckBox_Web", false);
  }
}

void TForm1::CheckBox_WebClick() {
  Werkbank.CobWeb = Haken("CheckBox_Web");
  if (Werkbank.CobWeb) {
    Freigeben(this, {"CheckBox_nur_g_zeichnen", "Label_Iterationstiefe", "Edit_Iterationstiefe"},
              true);
  } else {
    Haken_setzen("CheckBox_nur_g_zeichnen", false);
    Freigeben(this, {"CheckBox_nur_g_zeichnen", "Label_Iterationstiefe", "Edit_Iterationstiefe"},
              false);
  }
}

void TForm1::CheckBox_nur_g_zeichnenClick() {
  Werkbank.nur_g_zeichnen = Haken("CheckBox_nur_g_zeichnen");
}
void TForm1::CheckBox_alle_t_verwendenClick() {
  Werkbank.alle_t_verwenden = Haken("CheckBox_alle_t_verwenden");
}
void TForm1::CheckBox_PunkteClick() {
  Werkbank.Punkte = Haken("CheckBox_Punkte");
}
void TForm1::CheckBox_Integralfunktion_tabellierenClick() {
  Werkbank.Integralfunktion_tabellieren = Haken("CheckBox_Integralfunktion_tabellieren");
}

void TForm1::CheckBox_Integralfunktion_tabellierenMouseMove() {
  if (QWidget* k = Element("SpeedButton_Schar_in_Tabelle"))
    k->setToolTip(Haken("CheckBox_Integralfunktion_tabellieren")
                      ? QStringLiteral("Wertetabelle f,g,h,f',f\",f\"',kr,F in [a;b]")
                      : QStringLiteral("Wertetabelle f,g,h,f',f\",f\"',kr  in [a;b]"));
}

void TForm1::CheckBox_GrobschraffurClick() {
  Werkbank.Grobschraffur = Haken("CheckBox_Grobschraffur");
}
void TForm1::CheckBox_loeschenClick() {
  Werkbank.loeschen = Haken("CheckBox_loeschen");
}
void TForm1::CheckBox_Achsen_automatisch_beschriftenClick() {
  Werkbank.Achsen_automatisch_beschriften = Haken("CheckBox_Achsen_automatisch_beschriften");
}
void TForm1::CheckBox_FixkommaClick() {
  Zahlformat.Fixkomma = Haken("CheckBox_Fixkomma");
}
void TForm1::CheckBox_BruchdarstellungClick() {
  Zahlformat.Bruchdarstellung = Haken("CheckBox_Bruchdarstellung");
}

void TForm1::CheckBox_2_RegressionsgeradenClick() {
  if (Haken("CheckBox_2_Regressionsgeraden") && Werkbank.Regressionsmodell > 1)
    Haken_setzen("CheckBox_2_Regressionsgeraden", false);
}

// ---- lists -----------------------------------------------------------------------------------

namespace {
int Eintrag(const TForm1* f, const char* liste) {
  QComboBox* c = f->Liste(liste);
  return c ? c->currentIndex() : -1;
}
}  // namespace

void TForm1::ComboBox_LinienartChange() {
  int i = Eintrag(this, "ComboBox_Linienart");
  if (i >= 0) Linienart_waehlen(i);
  if (QComboBox* c = Liste("ComboBox_Flaechenfuellung")) c->update();
}

void TForm1::ComboBox_PunkteartChange() {
  int i = Eintrag(this, "ComboBox_Punkteart");
  if (i >= 0) Stil.Punkteart = Punkteart_aus_Listenposition(i);
}

void TForm1::ComboBox_PunktRadiusChange() {
  int i = Eintrag(this, "ComboBox_PunktRadius");
  if (i >= 0) Stil.Punktradius = i;
  if (QComboBox* c = Liste("ComboBox_Punkteart")) c->update();
}

void TForm1::ComboBox_FlaechenfuellungChange() {
  int i = Eintrag(this, "ComboBox_Flaechenfuellung");
  if (i >= 0) Stil.Flaechenfuellung = i;
}

void TForm1::ComboBox_ZahlenhoeheChange() {
  int i = Eintrag(this, "ComboBox_Zahlenhoehe");
  if (i >= 0) KOS.Zahlenhoehe = i + 8;
}

void TForm1::ComboBox_NachkommastellenChange() {
  int i = Eintrag(this, "ComboBox_Nachkommastellen");
  if (i < 0) return;
  Nachkommastellen_waehlen(i);
  if (QComboBox* c = Liste("ComboBox_Gesamtstellen")) c->setCurrentIndex(Zahlformat.Gesamtstellen - 8);
  Spaltenbreite_anpassen();
}

void TForm1::ComboBox_GesamtstellenChange() {
  int i = Eintrag(this, "ComboBox_Gesamtstellen");
  if (i < 0) return;
  Gesamtstellen_waehlen(i + 8);
  if (QComboBox* c = Liste("ComboBox_Nachkommastellen")) c->setCurrentIndex(Zahlformat.Nachkommastellen);
  Spaltenbreite_anpassen();
}

void TForm1::ComboBox_IntegrationsmethodeChange() {
  Werkbank.Integrationsmethode =
      Integrationsmethode_aus_Listenposition(Eintrag(this, "ComboBox_Integrationsmethode"));
}

void TForm1::ComboBox_RegressionsModelleChange() {
  int i = Eintrag(this, "ComboBox_RegressionsModelle");
  if (i < 0) return;
  Werkbank.Regressionsmodell = i;
  if (i > 1 && Haken("CheckBox_2_Regressionsgeraden"))
    Haken_setzen("CheckBox_2_Regressionsgeraden", false);
}

void TForm1::ComboBox_DiagrammTypChange() {
  int i = Eintrag(this, "ComboBox_DiagrammTyp");
  if (i >= 0) Werkbank.Diagrammtyp = i;
}

void TForm1::ComboBox_DiagrPlotNrChange() {
  int i = Eintrag(this, "ComboBox_DiagrPlotNr");
  if (i >= 0) Werkbank.Plotnummer = i + 1;
}

void TForm1::ComboBox_MatrixOpsChange() {
  int i = Eintrag(this, "ComboBox_MatrixOps");
  if (i >= 0) Werkbank.Matrixoperation = i;
}

void TForm1::ComboBox_Punkte_ab_SpalteChange() {
  int i = Eintrag(this, "ComboBox_Punkte_ab_Spalte");
  if (i >= 0) Werkbank.Punktspalte = Punktspalte_aus_Listenposition(i);
}

// ---- colour panels ---------------------------------------------------------------------------

void TForm1::Panel_Farbe_PunkteClick() {
  TFarbe f = Stil.Punktfarbe;
  if (!Dialog().Farbe_waehlen(f)) return;
  Stil.Punktfarbe = f;
  Farbfeld_setzen("Panel_Farbe_Punkte", f);
  if (QComboBox* c = Liste("ComboBox_Punkteart")) c->update();
}

void TForm1::Panel_Linienfarbe_definierenClick() {
  TFarbe f = Stil.Linienfarbe;
  if (!Dialog().Farbe_waehlen(f)) return;
  Stil.Linienfarbe = f;
  Farbfeld_setzen("Panel_Linienfarbe_definieren", f);
  for (const char* n : {"ComboBox_Linienart", "ComboBox_Flaechenfuellung"})
    if (QComboBox* c = Liste(n)) c->update();
}

void TForm1::Panel_Fuellfarbe_definierenClick() {
  TFarbe f = Stil.Fuellfarbe;
  if (!Dialog().Farbe_waehlen(f)) return;
  Stil.Fuellfarbe = f;
  Farbfeld_setzen("Panel_Fuellfarbe_definieren", f);
  if (QComboBox* c = Liste("ComboBox_Flaechenfuellung")) c->update();
}

void TForm1::Panel_Farbe_RasterClick() {
  TFarbe f = KOS.Rasterfarbe;
  if (Dialog().Farbe_waehlen(f)) {
    KOS.Rasterfarbe = f;
    Farbfeld_setzen("Panel_Farbe_Raster", f);
  }
  Neu_zeichnen();
}

// ---- side windows and closing ------------------------------------------------------------------

namespace {
void Zeigen(QWidget* w) {
  if (!w) return;
  w->show();
  w->raise();
  w->activateWindow();
}
}  // namespace

void TForm1::SpeedButton_HilfeClick() {
  Zeigen(Form2);
}
void TForm1::SpeedButton_2D_AbbildungenClick() {
  Zeigen(Form4);
}
void TForm1::SpeedButton_BaumdiagrammeClick() {
  Zeigen(Form5);
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
  if (Dialog().Frage("Wirklich beenden ?")) {
    ereignis->accept();
    for (QWidget* w :
         {static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form5)})
      if (w) w->close();
  } else {
    ereignis->ignore();
  }
}
