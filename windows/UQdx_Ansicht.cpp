// The handlers of the view navigation and of the mouse on the picture.

#include <QCursor>

#include "windows/Bildflaeche.h"
#include "windows/UQdx.h"
#include "workbench/Ansichtaktion.h"
#include "workbench/Eingaben.h"

namespace {

TMaustaste Taste(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt) {
  if (umschalt != Qt::NoModifier) return TMaustaste::Andere;
  if (taste == Qt::LeftButton) return TMaustaste::Links;
  return taste == Qt::RightButton ? TMaustaste::Rechts : TMaustaste::Andere;
}

// Each mouse mode has its cursor and a hint that explains it.
void Modus_zeigen(QWidget* bild, TMausmodus m) {
  switch (m) {
    case TMausmodus::Text:
      bild->setCursor(Qt::IBeamCursor);
      bild->setToolTip(
          QString::fromUtf8("Drücken der rechten Maustaste setzt den Text \r\nrechts unterhalb des "
                            "Cursormittelpunktes in die Grafik"));
      return;
    case TMausmodus::Zoomrahmen:
      bild->setCursor(Qt::CrossCursor);
      bild->setToolTip(
          QString::fromUtf8("Bewegen der Maus bei gedrückter linker Taste \r\nzieht einen "
                            "Zoomrahmen auf.\r\nLoslassen "
                            "der Taste führt den Zoom durch."));
      return;
    case TMausmodus::Ziehen:
      bild->setCursor(Qt::SizeAllCursor);
      bild->setToolTip(QString::fromUtf8(
          "Bewegen der Maus bei gedrückter linker Taste \r\nverschiebt das KOS.\r\n\nDrücken der "
          "rechten Maustaste speichert \r\ndie Grafik in der Zwischenablage ab"));
      return;
  }
}

}  // namespace

void TForm1::SpeedButton_Ursprung_MitteClick() {
  Ursprung_waehlen(*this, TUrsprung::Mitte);
}
void TForm1::SpeedButton_Ursprung_links_untenClick() {
  Ursprung_waehlen(*this, TUrsprung::Links_unten);
}
void TForm1::SpeedButton_1und2QuadrantClick() {
  Ursprung_waehlen(*this, TUrsprung::Quadranten_1_2);
}
void TForm1::SpeedButton_1und4QuadrantClick() {
  Ursprung_waehlen(*this, TUrsprung::Quadranten_1_4);
}
void TForm1::SpeedButton_StandardwerteClick() {
  if (!Blatt_aufgeben()) return;
  Alles_zuruecksetzen(*this);
}
void TForm1::SpeedButton_Bildbreite_groesserClick() {
  Bildseite_klicken(*this, true, true);
}
void TForm1::SpeedButton_Bildbreite_kleinerClick() {
  Bildseite_klicken(*this, true, false);
}
void TForm1::SpeedButton_Bildtiefe_groesserClick() {
  Bildseite_klicken(*this, false, true);
}
void TForm1::SpeedButton_Bildtiefe_kleinerClick() {
  Bildseite_klicken(*this, false, false);
}
void TForm1::SpeedButton_Zoom_inClick() {
  Zoom_klicken(*this, TZoom::Vergroessern);
}
void TForm1::SpeedButton_Zoom_outClick() {
  Zoom_klicken(*this, TZoom::Verkleinern);
}
void TForm1::SpeedButton_Zoom_in_xClick() {
  Zoom_klicken(*this, TZoom::x_strecken);
}
void TForm1::SpeedButton_Zoom_out_xClick() {
  Zoom_klicken(*this, TZoom::x_stauchen);
}
void TForm1::SpeedButton_Zoom_in_yClick() {
  Zoom_klicken(*this, TZoom::y_strecken);
}
void TForm1::SpeedButton_Zoom_out_yClick() {
  Zoom_klicken(*this, TZoom::y_stauchen);
}
void TForm1::SpeedButton_Links_schiebenClick() {
  Schieben_klicken(*this, TRichtung::Links);
}
void TForm1::SpeedButton_rechts_schiebenClick() {
  Schieben_klicken(*this, TRichtung::Rechts);
}
void TForm1::SpeedButton_hoch_schiebenClick() {
  Schieben_klicken(*this, TRichtung::Hoch);
}
void TForm1::SpeedButton_runter_schiebenClick() {
  Schieben_klicken(*this, TRichtung::Runter);
}
void TForm1::CheckBox_ZoomModusClick() {
  Schalter_geklickt(*this, "CheckBox_ZoomModus", Haken("CheckBox_ZoomModus"));
}

void TForm1::CheckBox_TextmodusClick() {
  Schalter_geklickt(*this, "CheckBox_Textmodus", Haken("CheckBox_Textmodus"));
}

void TForm1::Image1MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int X, int Y) {
  Bild_Maus_gedrueckt(*this, Taste(taste, umschalt), X, Y);
}

void TForm1::Image1MouseMove(Qt::KeyboardModifiers umschalt, int X, int Y) {
  Modus_zeigen(Image1, Mausmodus());
  Bild_Maus_bewegt(*this, umschalt == Qt::NoModifier, X, Y);
}

void TForm1::Image1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  Bild_Maus_losgelassen(*this);
}
