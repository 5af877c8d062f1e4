#include "workbench/Ansichtaktion.h"

#include <string>

#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "kos/UBildexport.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "workbench/Eingaben.h"
#include "workbench/Grafikaktion.h"
#include "workbench/Plotaktion.h"
#include "workbench/Werkbank.h"

namespace {

// The new view goes into KOS first, so that the couplings of the x fields copy the new bounds
// into the drawing intervals of f, g and h; then the fields show it.
void Bereich_anwenden(Anzeige& a, const TBereich& b, bool x, bool y, bool skalen) {
  Bereich_in_KOS(b);
  if (x) {
    Feld_zeigen(a, "Edit_xa", Gleitkomma_Text(b.xli));
    Feld_zeigen(a, "Edit_xe", Gleitkomma_Text(b.xre));
    if (skalen) Feld_zeigen(a, "Edit_xscl", Gleitkomma_Text(b.xscl));
  }
  if (y) {
    Feld_zeigen(a, "Edit_ya", Gleitkomma_Text(b.yu));
    Feld_zeigen(a, "Edit_ye", Gleitkomma_Text(b.yo));
    if (skalen) Feld_zeigen(a, "Edit_yscl", Gleitkomma_Text(b.yscl));
  }
  Plot_zeichnen(a);
}

// A bound field as a number: what the view buttons wrote is a plain number; anything else is
// read as a term like every number field.
long double Feldzahl(const char* feld, long double sonst) {
  long double w = 0;
  const std::string& text = Werkbank.Feldtext(feld);
  if (Gleitkomma_lesen(text, w)) return w;
  if (Term_zu_Zahl(text, w)) return w;
  return sonst;
}

// The scale becomes exactly one centimetre: the text written is what the field then holds.
long double Skala_ueber_Feld(Anzeige& a, const char* feld, long double wert) {
  const std::string text = Gleitkomma_Text(wert);
  Feld_zeigen(a, feld, text);
  long double gelesen = wert;
  Gleitkomma_lesen(text, gelesen);
  return gelesen;
}

void Bildgroesse_setzen(Anzeige& a, int N, int M) {
  const TBildlage l = Bildlage_berechnen(N, M);
  if (TBild* bild = a.Bild("Image1")) Bild_platzieren(*bild, l.links, l.oben, l.breite, l.hoehe);
  KOS.Bildbreite_cm = N;
  KOS.Bildtiefe_cm = M;
  KOS.xli = Feldzahl("Edit_xa", KOS.xli);
  KOS.xre = Feldzahl("Edit_xe", KOS.xre);
  KOS.xscl = Skala_ueber_Feld(a, "Edit_xscl", (KOS.xre - KOS.xli) / N);
  KOS.yu = Feldzahl("Edit_ya", KOS.yu);
  KOS.yo = Feldzahl("Edit_ye", KOS.yo);
  KOS.yscl = Skala_ueber_Feld(a, "Edit_yscl", (KOS.yo - KOS.yu) / M);
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

void Zoomrahmen_anwenden(Anzeige& a, TBild& bild) {
  long double xa = 0, xe = 0, ya = 0, ye = 0;
  if (!Zoomrahmen_Bereich(Zoomrahmen.fest, Zoomrahmen.beweglich, bild.Breite(), bild.Hoehe(), xa,
                          xe, ya, ye))
    return;
  Zoomstufe_x = 1;
  Zoomstufe_y = 1;
  Feld_zeigen(a, "Edit_xa", Gleitkomma_Text(xa));
  Feld_zeigen(a, "Edit_xe", Gleitkomma_Text(xe));
  Feld_zeigen(a, "Edit_ya", Gleitkomma_Text(ya));
  Feld_zeigen(a, "Edit_ye", Gleitkomma_Text(ye));
  for (const char* f : {"Edit_xa", "Edit_xe", "Edit_ya", "Edit_ye"})
    Zahlfeld_verlassen(a, f);
  Plot_zeichnen(a);
}

}  // namespace

void Ursprung_waehlen(Anzeige& a, TUrsprung u) {
  Bereich_anwenden(a, Ursprung_setzen(Bereich_aus_KOS(), u, KOS.Bildbreite_cm, KOS.Bildtiefe_cm),
                   true, true, false);
}

void Zoom_klicken(Anzeige& a, TZoom z) {
  TBereich b = Bereich_aus_KOS();
  if (!Zoomen(b, z)) return;
  const bool nur_y = z == TZoom::y_stauchen || z == TZoom::y_strecken;
  const bool nur_x = z == TZoom::x_stauchen || z == TZoom::x_strecken;
  Bereich_anwenden(a, b, !nur_y, !nur_x, true);
}

void Schieben_klicken(Anzeige& a, TRichtung r) {
  const bool x = r == TRichtung::Links || r == TRichtung::Rechts;
  Bereich_anwenden(a, Schieben(Bereich_aus_KOS(), r), x, !x, false);
}

void Bildseite_klicken(Anzeige& a, bool breite, bool groesser) {
  int cm = breite ? KOS.Bildbreite_cm : KOS.Bildtiefe_cm;
  long double& kos_von = breite ? KOS.xli : KOS.yu;
  long double& kos_bis = breite ? KOS.xre : KOS.yo;
  long double von = kos_von, bis = kos_bis;
  if (!Bildgroesse_aendern(groesser, cm, von, bis)) return;
  Feld_zeigen(a, breite ? "Edit_Bildbreite" : "Edit_Bildtiefe", std::to_string(cm));
  kos_von = von;
  kos_bis = bis;
  Feld_zeigen(a, breite ? "Edit_xa" : "Edit_ya", Gleitkomma_Text(von));
  Feld_zeigen(a, breite ? "Edit_xe" : "Edit_ye", Gleitkomma_Text(bis));
  Bildgroesse_setzen(a, breite ? cm : KOS.Bildbreite_cm, breite ? KOS.Bildtiefe_cm : cm);
  a.Haken_zeigen("CheckBox_loeschen", true);
  Plot_zeichnen(a);
}

void Alles_zuruecksetzen(Anzeige& a) {
  if (!Dialog().Frage("Wollen Sie wirklich alles zurücksetzen und die Grafik löschen ?")) return;
  Standardwerte_einstellen(a);
  Bildgroesse_setzen(a, 16, 16);
  Plot_zeichnen(a);
  Raster_waehlen(a, TRaster::mittel);
}

TMausmodus Mausmodus() {
  if (Werkbank.Textmodus) return TMausmodus::Text;
  if (Werkbank.Zoommodus) return TMausmodus::Zoomrahmen;
  return TMausmodus::Ziehen;
}

void Bild_Maus_gedrueckt(Anzeige& a, TMaustaste taste, int X, int Y) {
  Maus_Anfang = {X, Y};
  Maus_links_gedrueckt = taste == TMaustaste::Links;
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  switch (Mausmodus()) {
    case TMausmodus::Text:
      if (taste == TMaustaste::Rechts) Text_platzieren(a, X, Y);
      return;
    case TMausmodus::Ziehen:
      if (taste == TMaustaste::Rechts) Bild_in_Zwischenablage(*bild);
      return;
    case TMausmodus::Zoomrahmen:
      if (taste != TMaustaste::Links) return;
      Zoomrahmen_aktiv = true;
      Zoomrahmen.fest = {X, Y};
      Zoomrahmen.beweglich = {X, Y};
      Zoomrahmen_malen(*bild);
      return;
  }
}

void Bild_Maus_bewegt(Anzeige& a, bool nur_links, int X, int Y) {
  const bool links = Maus_links_gedrueckt && nur_links;
  TBild* bild = a.Bild("Image1");
  if (!links || !bild) return;
  switch (Mausmodus()) {
    case TMausmodus::Text:
      return;
    case TMausmodus::Zoomrahmen:
      if (!Zoomrahmen_aktiv) return;
      Zoomrahmen_malen(*bild);
      Zoomrahmen.beweglich = {X, Y};
      Zoomrahmen_malen(*bild);
      return;
    case TMausmodus::Ziehen:
      Bereich_anwenden(a, Ziehen(Bereich_aus_KOS(), Maus_Anfang.x, Maus_Anfang.y, X, Y), true, true,
                       false);
      Maus_Anfang = {X, Y};
      return;
  }
}

void Bild_Maus_losgelassen(Anzeige& a) {
  Maus_links_gedrueckt = false;
  TBild* bild = a.Bild("Image1");
  if (Mausmodus() == TMausmodus::Zoomrahmen && Zoomrahmen_aktiv && bild) {
    Zoomrahmen_malen(*bild);
    bild->Stift.Modus = TStiftmodus::Kopieren;
    bild->Stift.Stil = TStiftstil::Durchgezogen;
    Zoomrahmen_anwenden(a, *bild);
  }
  Zoomrahmen_aktiv = false;
}
