// View navigation: preset origins, reset, picture size, zoom and pan buttons, and the three mouse
// modes on the picture (drag the coordinate system, zoom frame, place text).

#include <QAbstractButton>
#include <QCursor>

#include "analysis/Werkbank.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "kos/UBildexport.h"
#include "kos/UGrafik.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/UQdx.h"

namespace {

const char* const kHinweis_Text =
    "Drücken der rechten Maustaste setzt den Text \r\nrechts unterhalb des Cursormittelpunktes in "
    "die Grafik";
const char* const kHinweis_Zoom =
    "Bewegen der Maus bei gedrückter linker Taste \r\nzieht einen Zoomrahmen auf.\r\nLoslassen "
    "der Taste führt den Zoom durch.";
const char* const kHinweis_Ziehen =
    "Bewegen der Maus bei gedrückter linker Taste \r\nverschiebt das KOS.\r\n\nDrücken der "
    "rechten Maustaste speichert \r\ndie Grafik in der Zwischenablage ab";

// The new view goes into KOS first, so that the change handlers of the x fields copy the new
// bounds into the drawing intervals of f, g and h; then the fields show it.
void Bereich_anwenden(TForm1& form, const TBereich& b, bool x, bool y, bool skalen) {
  Bereich_in_KOS(b);
  if (x) {
    form.Text_setzen("Edit_xa", Gleitkomma_Text(b.xli));
    form.Text_setzen("Edit_xe", Gleitkomma_Text(b.xre));
    if (skalen) form.Text_setzen("Edit_xscl", Gleitkomma_Text(b.xscl));
  }
  if (y) {
    form.Text_setzen("Edit_ya", Gleitkomma_Text(b.yu));
    form.Text_setzen("Edit_ye", Gleitkomma_Text(b.yo));
    if (skalen) form.Text_setzen("Edit_yscl", Gleitkomma_Text(b.yscl));
  }
  form.SpeedButton_PlotClick();
}

void Ursprung(TForm1& form, TUrsprung u) {
  Bereich_anwenden(form, Ursprung_setzen(Bereich_aus_KOS(), u, KOS.Bildbreite_cm, KOS.Bildtiefe_cm),
                   true, true, false);
}

void Zoom(TForm1& form, TZoom z) {
  TBereich b = Bereich_aus_KOS();
  if (!Zoomen(b, z)) return;
  const bool nur_y = z == TZoom::y_stauchen || z == TZoom::y_strecken;
  const bool nur_x = z == TZoom::x_stauchen || z == TZoom::x_strecken;
  Bereich_anwenden(form, b, !nur_y, !nur_x, true);
}

void Schieben_nach(TForm1& form, TRichtung r) {
  const bool x = r == TRichtung::Links || r == TRichtung::Rechts;
  Bereich_anwenden(form, Schieben(Bereich_aus_KOS(), r), x, !x, false);
}

// A bound field as a number: what the view buttons wrote is a plain number; anything else is
// read as a term like every number field.
long double Feldzahl(const TForm1& form, const char* feld, long double sonst) {
  long double w = 0;
  const std::string text = form.Text(feld);
  if (Gleitkomma_lesen(text, w)) return w;
  if (Term_zu_Zahl(text, w)) return w;
  return sonst;
}

// The scale becomes exactly one centimetre: the text written is what the field then holds.
long double Skala_ueber_Feld(TForm1& form, const char* feld, long double wert) {
  const std::string text = Gleitkomma_Text(wert);
  form.Text_setzen(feld, text);
  long double gelesen = wert;
  Gleitkomma_lesen(text, gelesen);
  return gelesen;
}

void Bildgroesse_setzen(TForm1& form, int N, int M) {
  const TBildlage l = Bildlage_berechnen(N, M);
  Bild_platzieren(form.Image1->Bild, l.links, l.oben, l.breite, l.hoehe);
  KOS.Bildbreite_cm = N;
  KOS.Bildtiefe_cm = M;
  KOS.xli = Feldzahl(form, "Edit_xa", KOS.xli);
  KOS.xre = Feldzahl(form, "Edit_xe", KOS.xre);
  KOS.xscl = Skala_ueber_Feld(form, "Edit_xscl", (KOS.xre - KOS.xli) / N);
  KOS.yu = Feldzahl(form, "Edit_ya", KOS.yu);
  KOS.yo = Feldzahl(form, "Edit_ye", KOS.yo);
  KOS.yscl = Skala_ueber_Feld(form, "Edit_yscl", (KOS.yo - KOS.yu) / M);
}

// One centimetre more or less picture width (breite) or depth; the axis along that side keeps its
// scale, so its bounds and fields change with it.
void Bildseite_aendern(TForm1& form, bool breite, bool groesser) {
  int cm = breite ? KOS.Bildbreite_cm : KOS.Bildtiefe_cm;
  long double& kos_von = breite ? KOS.xli : KOS.yu;
  long double& kos_bis = breite ? KOS.xre : KOS.yo;
  long double von = kos_von, bis = kos_bis;
  if (!Bildgroesse_aendern(groesser, cm, von, bis)) return;
  form.Text_setzen(breite ? "Edit_Bildbreite" : "Edit_Bildtiefe", std::to_string(cm));
  kos_von = von;
  kos_bis = bis;
  form.Text_setzen(breite ? "Edit_xa" : "Edit_ya", Gleitkomma_Text(von));
  form.Text_setzen(breite ? "Edit_xe" : "Edit_ye", Gleitkomma_Text(bis));
  if (breite) {
    Bildgroesse_setzen(form, cm, KOS.Bildtiefe_cm);
  } else {
    Bildgroesse_setzen(form, KOS.Bildbreite_cm, cm);
  }
  form.Haken_setzen("CheckBox_loeschen", true);
  form.SpeedButton_PlotClick();
}

// The frame is drawn with an inverting pen, so drawing it a second time restores the picture.
void Zoomrahmen_malen(TBild& bild) {
  const TPixelrechteck r = Rahmen_ordnen(Zoomrahmen.fest, Zoomrahmen.beweglich);
  bild.Pinselstil_setzen(Pinsel_leer);
  bild.Stift.Breite = 1;
  bild.Stift.Stil = TStiftstil::Gepunktet;
  bild.Stift.Modus = TStiftmodus::Invertieren;
  bild.Rechteck(r.links, r.oben, r.rechts, r.unten);
}

bool Nur_links(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt) {
  return taste == Qt::LeftButton && umschalt == Qt::NoModifier;
}
bool Nur_rechts(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt) {
  return taste == Qt::RightButton && umschalt == Qt::NoModifier;
}

}  // namespace

void TForm1::SpeedButton_Ursprung_MitteClick() {
  Ursprung(*this, TUrsprung::Mitte);
}
void TForm1::SpeedButton_Ursprung_links_untenClick() {
  Ursprung(*this, TUrsprung::Links_unten);
}
void TForm1::SpeedButton_1und2QuadrantClick() {
  Ursprung(*this, TUrsprung::Quadranten_1_2);
}
void TForm1::SpeedButton_1und4QuadrantClick() {
  Ursprung(*this, TUrsprung::Quadranten_1_4);
}

void TForm1::SpeedButton_StandardwerteClick() {
  if (!Dialog().Frage("Wollen Sie wirklich alles zurücksetzen und die Grafik löschen ?")) return;
  Standard_Werte_einstellen();
  Zoom_Standardwerte();
  Bildgroesse_setzen(*this, 16, 16);
  SpeedButton_PlotClick();
  SpeedButton_Raster_mittelClick();
}

void TForm1::SpeedButton_Bildbreite_groesserClick() {
  Bildseite_aendern(*this, true, true);
}
void TForm1::SpeedButton_Bildbreite_kleinerClick() {
  Bildseite_aendern(*this, true, false);
}
void TForm1::SpeedButton_Bildtiefe_groesserClick() {
  Bildseite_aendern(*this, false, true);
}
void TForm1::SpeedButton_Bildtiefe_kleinerClick() {
  Bildseite_aendern(*this, false, false);
}

void TForm1::SpeedButton_Zoom_inClick() {
  Zoom(*this, TZoom::Vergroessern);
}
void TForm1::SpeedButton_Zoom_outClick() {
  Zoom(*this, TZoom::Verkleinern);
}
void TForm1::SpeedButton_Zoom_in_xClick() {
  Zoom(*this, TZoom::x_strecken);
}
void TForm1::SpeedButton_Zoom_out_xClick() {
  Zoom(*this, TZoom::x_stauchen);
}
void TForm1::SpeedButton_Zoom_in_yClick() {
  Zoom(*this, TZoom::y_strecken);
}
void TForm1::SpeedButton_Zoom_out_yClick() {
  Zoom(*this, TZoom::y_stauchen);
}

void TForm1::SpeedButton_Links_schiebenClick() {
  Schieben_nach(*this, TRichtung::Links);
}
void TForm1::SpeedButton_rechts_schiebenClick() {
  Schieben_nach(*this, TRichtung::Rechts);
}
void TForm1::SpeedButton_hoch_schiebenClick() {
  Schieben_nach(*this, TRichtung::Hoch);
}
void TForm1::SpeedButton_runter_schiebenClick() {
  Schieben_nach(*this, TRichtung::Runter);
}

void TForm1::CheckBox_ZoomModusClick() {
  Werkbank.Zoommodus = Haken("CheckBox_ZoomModus");
  if (Werkbank.Zoommodus && Haken("CheckBox_Textmodus")) Haken_setzen("CheckBox_Textmodus", false);
}

void TForm1::CheckBox_TextmodusClick() {
  Werkbank.Textmodus = Haken("CheckBox_Textmodus");
  if (Werkbank.Textmodus && Haken("CheckBox_ZoomModus")) Haken_setzen("CheckBox_ZoomModus", false);
}

void TForm1::Image1MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int X, int Y) {
  Maus_Anfang = {X, Y};
  Maus_links_gedrueckt = Nur_links(taste, umschalt);
  if (Haken("CheckBox_Textmodus")) {
    if (Nur_rechts(taste, umschalt)) Text_platzieren(X, Y);
    return;
  }
  if (!Haken("CheckBox_ZoomModus")) {
    if (Nur_rechts(taste, umschalt)) Bild_in_Zwischenablage(Image1->Bild.Bild());
    return;
  }
  if (Nur_links(taste, umschalt)) {
    Zoomrahmen_aktiv = true;
    Zoomrahmen.fest = {X, Y};
    Zoomrahmen.beweglich = {X, Y};
    Zoomrahmen_malen(Image1->Bild);
  }
}

void TForm1::Image1MouseMove(Qt::KeyboardModifiers umschalt, int X, int Y) {
  const bool links = Maus_links_gedrueckt && umschalt == Qt::NoModifier;
  if (Haken("CheckBox_Textmodus")) {
    Image1->setCursor(Qt::IBeamCursor);
    Image1->setToolTip(QString::fromUtf8(kHinweis_Text));
    return;
  }
  if (Haken("CheckBox_ZoomModus")) {
    Image1->setCursor(Qt::CrossCursor);
    Image1->setToolTip(QString::fromUtf8(kHinweis_Zoom));
    if (links && Zoomrahmen_aktiv) {
      Zoomrahmen_malen(Image1->Bild);
      Zoomrahmen.beweglich = {X, Y};
      Zoomrahmen_malen(Image1->Bild);
    }
    return;
  }
  Image1->setCursor(Qt::SizeAllCursor);
  Image1->setToolTip(QString::fromUtf8(kHinweis_Ziehen));
  if (!links) return;
  const TBereich b = Ziehen(Bereich_aus_KOS(), Maus_Anfang.x, Maus_Anfang.y, X, Y);
  Bereich_anwenden(*this, b, true, true, false);
  Maus_Anfang = {X, Y};
}

void TForm1::Image1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  Maus_links_gedrueckt = false;
  if (!(Haken("CheckBox_ZoomModus") && Zoomrahmen_aktiv)) {
    Zoomrahmen_aktiv = false;
    return;
  }
  TBild& bild = Image1->Bild;
  Zoomrahmen_malen(bild);
  bild.Stift.Modus = TStiftmodus::Kopieren;
  bild.Stift.Stil = TStiftstil::Durchgezogen;
  long double xa = 0, xe = 0, ya = 0, ye = 0;
  if (Zoomrahmen_Bereich(Zoomrahmen.fest, Zoomrahmen.beweglich, bild.Breite(), bild.Hoehe(), xa, xe,
                         ya, ye)) {
    Zoomstufe_x = 1;
    Zoomstufe_y = 1;
    Text_setzen("Edit_xa", Gleitkomma_Text(xa));
    Text_setzen("Edit_xe", Gleitkomma_Text(xe));
    Text_setzen("Edit_ya", Gleitkomma_Text(ya));
    Text_setzen("Edit_ye", Gleitkomma_Text(ye));
    Edit_xaExit();
    Edit_xeExit();
    Edit_yaExit();
    Edit_yeExit();
    SpeedButton_PlotClick();
  }
  Zoomrahmen_aktiv = false;
}
