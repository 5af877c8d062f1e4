// Text in the picture, the font for it, the axis captions, and the picture leaving the program
// as a file or on the clipboard.

#include <QLineEdit>
#include <QPalette>

#include "analysis/Werkbank.h"
#include "engine/KOS.h"
#include "kos/UBildexport.h"
#include "kos/UGrafik.h"
#include "platform/Dialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/UQdx.h"

namespace {

int Schriftstil(const TSchrift& s) {
  return (s.fett ? Schrift_fett : 0) | (s.kursiv ? Schrift_kursiv : 0) |
         (s.unterstrichen ? Schrift_unterstrichen : 0) |
         (s.durchgestrichen ? Schrift_durchgestrichen : 0);
}

}  // namespace

void TForm1::Text_platzieren(int X, int Y) {
  const TSchrift s = Werkbank_Textschrift();
  Text_schreiben(Image1->Bild, X, Y, Werkbank.Grafiktext, s.Name, s.Groesse, Pinsel_leer,
                 Schriftstil(s), s.Farbe);
}

// The chooser opens with the current settings and whatever it holds when it closes becomes the
// text font; the text field shows it as a preview.
void TForm1::SpeedButton_FontAuswahlClick() {
  TSchrift s = Werkbank_Textschrift();
  Dialog().Schrift_waehlen(s);
  Werkbank_Textschrift_setzen(s);
  if (QLineEdit* feld = Feld("Edit_Text_in_Grafik")) {
    feld->setFont(TBild::Qt_Schrift(s));
    QPalette p = feld->palette();
    p.setColor(QPalette::Text, Farbe_zu_QColor(s.Farbe));
    feld->setPalette(p);
  }
}

void TForm1::Edit_Text_in_GrafikChange() {
  Werkbank.Grafiktext = Text("Edit_Text_in_Grafik");
}
void TForm1::Edit_xBeschriftChange() {
  KOS.xBeschriftung = Text("Edit_xBeschrift");
}
void TForm1::Edit_yBeschriftChange() {
  KOS.yBeschriftung = Text("Edit_yBeschrift");
}

void TForm1::SpeedButton_speichernBMPClick() {
  Bild_speichern_Dialog(Image1->Bild.Bild());
}

void TForm1::GroupBox_ExtrasMouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int,
                                      int) {
  if (taste != Qt::RightButton || umschalt != Qt::NoModifier) return;
  Ablage().Bild_setzen(grab().toImage());
  Dialog().Meldung("Clientbereich in der Zwischenablage gespeichert");
}
