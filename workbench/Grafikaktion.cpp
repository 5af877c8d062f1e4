#include "workbench/Grafikaktion.h"

#include <QImage>

#include "kos/UBildexport.h"
#include "kos/UGrafik.h"
#include "platform/Dialoge.h"
#include "workbench/Werkbank.h"

namespace {

int Schriftstil(const TSchrift& s) {
  return (s.fett ? Schrift_fett : 0) | (s.kursiv ? Schrift_kursiv : 0) |
         (s.unterstrichen ? Schrift_unterstrichen : 0) |
         (s.durchgestrichen ? Schrift_durchgestrichen : 0);
}

}  // namespace

void Text_platzieren(Anzeige& a, int X, int Y) {
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  const TSchrift& s = Werkbank.Textschrift;
  Text_schreiben(*bild, X, Y, Werkbank.Grafiktext, s.Name, s.Groesse, Pinsel_leer, Schriftstil(s),
                 s.Farbe);
}

void Schrift_auswaehlen(Anzeige& a) {
  Dialog().Schrift_waehlen(Werkbank.Textschrift);
  a.Schrift_zeigen("Edit_Text_in_Grafik", Werkbank.Textschrift);
}

void Grafik_speichern(Anzeige& a) {
  if (TBild* bild = a.Bild("Image1")) Bild_speichern_Dialog(*bild);
}

void Clientbereich_kopieren(const QImage& bild) {
  Ablage().Bild_setzen(bild);
  Dialog().Meldung("Clientbereich in der Zwischenablage gespeichert");
}
