// The handlers of text in the picture, its font, and the picture leaving the program.

#include "windows/Druckvorschau.h"
#include "windows/UQdx.h"
#include "workbench/Grafikaktion.h"

void TForm1::Text_platzieren(int X, int Y) {
  ::Text_platzieren(*this, X, Y);
}

void TForm1::SpeedButton_FontAuswahlClick() {
  Schrift_auswaehlen(*this);
}

void TForm1::SpeedButton_speichernBMPClick() {
  Grafik_speichern(*this);
}

void TForm1::SpeedButton_DruckenClick() {
  if (TBild* bild = Bild("Image1")) Druckvorschau_zeigen(this, *bild);
}

void TForm1::GroupBox_ExtrasMouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int,
                                      int) {
  if (taste == Qt::RightButton && umschalt == Qt::NoModifier)
    // All controls, also those a small screen scrolls out of sight.
    Clientbereich_kopieren(Inhalt()->grab().toImage());
}
