#include "windows/UQdx.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <string_view>

#include "engine/KOS.h"
#include "kos/UBlattbild.h"
#include "kos/UGrafik.h"
#include "platform/Dialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/UQdx_Layout.h"
#include "windows/Unit2_Help.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"
#include "workbench/Blatt.h"
#include "workbench/Eingaben.h"
#include "workbench/Plotaktion.h"

TForm1* Form1 = nullptr;

// ---- creation ------------------------------------------------------------------------------

TForm1::TForm1() {
  Form1 = this;
  // A new main window starts a new sheet, and shows the sheet's controls and picture.
  Blatt_zuruecksetzen();
  Blattbedienung = true;
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Quadrix V4.45"));
  // A tool-window frame: title and close button only; the window stays a normal top level.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  Feste_Groesse(1314, 712);
  QFont schrift(QStringLiteral("Arial"));
  schrift.setPointSize(8);
  setFont(schrift);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(160, 160, 164));  // medium grey
  setPalette(p);
  setAutoFillBackground(true);

  Fenster_aufbauen(Steuerelement_Tabelle(), Gemeinsame_Handler());
  Image1 = Element<Bildflaeche>("Image1");
  StringGrid1 = Element("StringGrid1");
  ScrollBar1 = Element<QScrollBar>("ScrollBar1");
  FormCreate();
  Tastenkuerzel_einrichten();

  if (QScreen* bildschirm = QGuiApplication::primaryScreen()) {
    QRect r = bildschirm->availableGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
  }

  // The side windows follow the main window, in this order.
  Form2 = new TForm2();
  Form4 = new TForm4();
  Form5 = new TForm5();
  Verlauf_einrichten();
}

TForm1::~TForm1() {
  fuehrung_.reset();
  delete Form5;
  delete Form4;
  delete Form2;
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::FormCreate() {
  Standard_Werte_einstellen();
  Haken_zeigen("CheckBox_Schar_f_zeichnen", true);
  // The start picture is the 5-mm grid button's action, which plots.
  SpeedButton_Raster_mittelClick();
}

void TForm1::Termfeld_bestaetigt() {
  SpeedButton_PlotClick();
}

void TForm1::Neu_zeichnen() {
  Plot_zeichnen(*this);
}

void TForm1::Standard_Werte_einstellen() {
  Standardwerte_einstellen(*this);
  Schrift_zeigen("Edit_Text_in_Grafik", Werkbank.Textschrift);
  if (QLineEdit* e = Feld("Edit_Text_in_Grafik"))
    e->resize(Werkbank.Textfeld_Breite, Werkbank.Textfeld_Hoehe);
  Tabelle_vorbereiten();
}

// ---- the window's part of the actions ----------------------------------------------------------

// What the user types is in the workbench state at once, so no action needs to read a field.
void TForm1::Feldtext_geaendert(const QString& name, const QString& text) {
  Werkbank.Feldtexte[name.toStdString()] = text.toStdString();
}

TBild* TForm1::Fremdbild(const char* name) {
  return std::string_view(name) == "Image1" ? &Blattbild : nullptr;
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
  // Changes are saved or given up first; the question whether to end stays.
  if (!Blatt_aufgeben() || !Dialog().Frage("Wirklich beenden ?")) {
    ereignis->ignore();
    return;
  }
  ereignis->accept();
  Sicherung_beenden();
  for (QWidget* w :
       {static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form5)})
    if (w) w->close();
}
