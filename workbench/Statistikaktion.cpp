#include "workbench/Statistikaktion.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

#include "engine/KOS.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "statistics/UStatistik.h"
#include "table/UStringGrid.h"
#include "workbench/Werkbank.h"

namespace {

constexpr TFarbe kWeiss = 0xFFFFFF;
constexpr TFarbe kSchwarz = 0x000000;
constexpr TFarbe kBlau = 0xFF0000;  // colours are 0xBBGGRR
constexpr TStiftstil kVoll = TStiftstil::Durchgezogen;
constexpr int kBoxplot_Stift = 2;
constexpr int kKreuz_halb = 3 * kBoxplot_Stift;

const char* const kNegativ =
    "Häufigkeiten müssen positiv sein !\r\nKennzahlen können nicht berechnet werden !";
const char* const kSumme_null =
    "Die Summe der Häufigkeiten ist 0 !\r\nKennzahlen können nicht berechnet werden !";
const char* const kBoxplot_ganzzahlig = "Ein Boxplot braucht ganzzahlige Häufigkeiten in Spalte2 !";

int X(const TBild& bild, long double x) {
  return x_zu_Pixel(bild, x);
}

int Y(const TBild& bild, long double y) {
  return y_zu_Pixel(bild, y);
}

// Labels in the picture follow the picture-text settings.
int Textstil() {
  const TSchrift& s = Werkbank.Textschrift;
  return (s.fett ? Schrift_fett : 0) | (s.kursiv ? Schrift_kursiv : 0) |
         (s.unterstrichen ? Schrift_unterstrichen : 0) |
         (s.durchgestrichen ? Schrift_durchgestrichen : 0);
}

int Zeichenzahl(const std::string& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool Ist_Boxplot(int typ) {
  return typ >= Diagramm_Boxplot && typ <= Diagramm_Boxplot_modifiziert_mit_Daten;
}

// A pie chart is only round when both axes have the same scale.
void Ansicht_angleichen(Anzeige& a) {
  if (KOS.yu == KOS.xli && KOS.yo == KOS.xre && KOS.yscl == KOS.xscl) return;
  const std::string xa = Werkbank.Feldtext("Edit_xa"), xe = Werkbank.Feldtext("Edit_xe"),
                    xscl = Werkbank.Feldtext("Edit_xscl");
  Feld_zeigen(a, "Edit_ya", xa);
  Feld_zeigen(a, "Edit_ye", xe);
  Feld_zeigen(a, "Edit_yscl", xscl);
  KOS.yu = KOS.xli;
  KOS.yo = KOS.xre;
  KOS.yscl = KOS.xscl;
}

void Punkteliste_fuellen(const std::vector<long double>& x, const std::vector<long double>& y) {
  Punktanzahl = static_cast<int>(std::min<size_t>(x.size(), Punkteliste_Groesse));
  for (int i = 0; i < Punktanzahl; ++i)
    Punkteliste[i] = {x[i], y[i]};
}

void Punkteliste_fuellen(const std::vector<TPunkt>& punkte) {
  Punktanzahl = static_cast<int>(std::min<size_t>(punkte.size(), Punkteliste_Groesse));
  std::copy_n(punkte.begin(), Punktanzahl, Punkteliste.begin());
}

// A bar is drawn on white first, so that a hatched fill does not let the grid show through.
void Saeule(TBild& bild, int links, int oben, int rechts, int unten) {
  Rechteck_zeichnen(bild, links, oben, rechts, unten, Stil.Linienfarbe, kWeiss, Stil.Linienbreite,
                    Stil.Linienstil, Pinsel_voll);
  Rechteck_zeichnen(bild, links, oben, rechts, unten, Stil.Linienfarbe, Stil.Fuellfarbe,
                    Stil.Linienbreite, Stil.Linienstil, Stil.Flaechenfuellung);
}

// Categories have no place on a number line: the x axis gives way to a plain base line.
void Kategorienachse(TBild& bild) {
  const bool achse = KOS.xAchse_zeigen;
  KOS.xAchse_zeigen = false;
  KOS_zeichnen(bild);
  KOS.xAchse_zeigen = achse;
  const int y0 = Y(bild, 0);
  Linie_zeichnen(bild, 0, y0, bild.Breite(), y0, kSchwarz, 1, kVoll);
}

void Saeulen_zeichnen(TBild& bild, const TStichprobe& s) {
  if (s.Textmodus) Kategorienachse(bild);
  Linienstil_setzen(bild, Stil.Linienfarbe, Stil.Linienart);
  const long double dx = Werkbank.delta_x;
  const int basis = Y(bild, 0);
  for (int i = 0; i < Punktanzahl; ++i) {
    const TPunkt p = Punkteliste[i];
    const int links = X(bild, p.x - dx / 4);
    Saeule(bild, links, Y(bild, p.y), X(bild, p.x + dx / 4), basis);
    if (s.Textmodus && i < static_cast<int>(s.Namen.size()))
      Text_schreiben(bild, links, basis + 10, s.Namen[i], "Arial", Werkbank.Textschrift.Groesse,
                     Pinsel_leer, Textstil(), kSchwarz);
  }
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Histogramm_zeichnen(TBild& bild, const TStichprobe& s) {
  Linienstil_setzen(bild, Stil.Linienfarbe, Stil.Linienart);
  const int basis = Y(bild, 0);
  for (size_t i = 0; i < s.Klassen.size(); ++i) {
    const TPunkt k = s.Klassen[i];
    Saeule(bild, X(bild, k.x), Y(bild, Histogrammhoehe(k, s.Haeufigkeiten[i])), X(bild, k.y),
           basis);
  }
  bild.Pinselstil_setzen(Pinsel_leer);
}

void Haeufigkeitspolygon_zeichnen(TBild& bild) {
  // The polygon joins its points with the line style; the user's join setting comes back after.
  const TStil vorher = Stil;
  Stil.Punkte_verbinden = true;
  Stil.Verbindungsfarbe = Stil.Linienfarbe;
  Stil.Verbindungsart = Stil.Linienart;
  Punkte_zeichnen(bild);
  Stil.Punkte_verbinden = vorher.Punkte_verbinden;
  Stil.Verbindungsfarbe = vorher.Verbindungsfarbe;
  Stil.Verbindungsart = vorher.Verbindungsart;
}

void Boxlinie(TBild& bild, long double x1, long double y1, long double x2, long double y2) {
  Linie_zeichnen(bild, X(bild, x1), Y(bild, y1), X(bild, x2), Y(bild, y2), kBlau, kBoxplot_Stift,
                 kVoll);
}

// Every observation as a symbol, stacked upwards from the lower edge of the box lane.
void Daten_stapeln(TBild& bild, const TStichprobe& s, long double g) {
  const int schritt = static_cast<int>(std::nearbyint(2.5L * Stil.Punktradius));
  for (size_t j = 0; j < s.Werte.size(); ++j) {
    const long double n = std::nearbyint(s.Haeufigkeiten[j]);
    const int px = X(bild, s.Werte[j]);
    int py = Y(bild, g - 0.5L);
    // Symbols beyond the picture's top edge would not be seen.
    for (long double k = 0; k < n && py >= 0; ++k) {
      py -= schritt;
      Punktsymbol_zeichnen(bild, px, py);
      if (schritt <= 0) break;
    }
  }
}

void Boxplot_zeichnen(TBild& bild, const TStichprobe& s, const TKennzahlen& k, bool modifiziert,
                      bool mit_Daten) {
  const TBoxplot b = Boxplot_berechnen(k, s, modifiziert, Werkbank.Plotnummer);
  const long double g = b.g, u = g - 0.5L, o = g + 0.5L;
  bild.Pinselstil_setzen(Pinsel_leer);
  Boxlinie(bild, b.Q1, g, b.lo, g);
  Boxlinie(bild, b.lo, u, b.lo, o);
  Boxlinie(bild, b.Q3, g, b.hi, g);
  Boxlinie(bild, b.hi, u, b.hi, o);
  Boxlinie(bild, b.Q1, u, b.Q1, o);
  Boxlinie(bild, b.Q1, o, b.Q3, o);
  Boxlinie(bild, b.Q3, o, b.Q3, u);
  Boxlinie(bild, b.Q3, u, b.Q1, u);
  Boxlinie(bild, b.Med, u, b.Med, o);
  for (long double x : b.Ausreisser)
    Kreuz_schraeg(bild, X(bild, x), Y(bild, g), kKreuz_halb, Stil.Punktfarbe, kBoxplot_Stift,
                  kVoll);
  if (mit_Daten) Daten_stapeln(bild, s, g);
}

// The label stands inside its sector, pulled towards the centre from the arc's middle point.
void Sektor_beschriften(TBild& bild, const std::string& text, TPunkt L, TPunkt M, long double rho,
                        TFarbe farbe) {
  if (text.empty() || text == " ") return;
  const int s = Werkbank.Textschrift.Groesse;
  int x = X(bild, L.x), y = Y(bild, L.y);
  if (L.x < M.x - 0.3L * rho) x += s;
  if (L.x > M.x + 0.3L * rho) x -= Zeichenzahl(text) * s + 5;
  if (L.y < M.y - 0.6L * rho) y -= 2 * s;
  if (L.y > M.y + 0.6L * rho) y += 2 * s;
  bild.Pinselfarbe_setzen(kWeiss);
  Text_schreiben(bild, x, y, text, "Arial", s, Pinsel_voll, Textstil(), farbe);
}

void Kreisdiagramm_zeichnen(TBild& bild, const TStichprobe& s, TPunkt B, TPunkt M) {
  const std::vector<TSektor> sektoren = Kreissektoren_berechnen(s.Haeufigkeiten, B, M);
  // Share, angle and end point of each sector go into columns 4, 5, 7 and 8 of its row; every
  // other cell is the user's.
  Tabelle::Sammler sammler(Zahlentabelle);
  const long double rho = B.y - M.y;
  const int mx = X(bild, M.x), my = Y(bild, M.y);
  TPunkt P = B;
  for (size_t i = 0; i < sektoren.size(); ++i) {
    const TSektor& k = sektoren[i];
    const int z = static_cast<int>(i) + 1;
    Zahlentabelle.Zelle_setzen(4, z, Gerundet(k.Prozent, 1) + "%");
    Zahlentabelle.Zelle_setzen(5, z, Gerundet(k.Winkel, 1) + "°");
    Zahlentabelle.Zelle_setzen(7, z, Gerundet(k.E.x, 2));
    Zahlentabelle.Zelle_setzen(8, z, Gerundet(k.E.y, 2));
    const TFarbe farbe = Farbe_nach_Nummer(static_cast<int>(i));
    Stil.Fuellfarbe = farbe;
    const int px = X(bild, P.x), py = Y(bild, P.y), ex = X(bild, k.E.x), ey = Y(bild, k.E.y);
    // Equal rays make a full circle; a sector thinner than a pixel would paint over all others.
    const bool voll = px == ex && py == ey;
    if (!voll || k.Winkel >= 180)
      Kreissektor_zeichnen(bild, mx, my, px, py, ex, ey, Stil.Linienfarbe, farbe, Stil.Linienbreite,
                           Stil.Linienstil, Stil.Flaechenfuellung);
    if (i < s.Namen.size()) Sektor_beschriften(bild, s.Namen[i], k.L, M, rho, farbe);
    P = k.E;
  }
}

void Kreisdiagramm_zeichnen(Anzeige& a, TBild& bild, const TStichprobe& s) {
  const TPunkt M{(KOS.xli + KOS.xre) / 2, (KOS.yu + KOS.yo) / 2};
  const TPunkt B{M.x, M.y + 0.4L * (KOS.yo - KOS.yu)};
  Kreisdiagramm_zeichnen(bild, s, B, M);
  a.Farbe_zeigen("Panel_Fuellfarbe_definieren", Stil.Fuellfarbe);
}

void Zeichnen(Anzeige& a, TBild& bild, const TStichprobe& s, const TKennzahlen& k) {
  const int typ = Werkbank.Diagrammtyp;
  switch (typ) {
    case Diagramm_Polygon:
      return Haeufigkeitspolygon_zeichnen(bild);
    case Diagramm_Saeulen:
      return Saeulen_zeichnen(bild, s);
    case Diagramm_Kreis:
      return Kreisdiagramm_zeichnen(a, bild, s);
    case Diagramm_Histogramm:
      return Histogramm_zeichnen(bild, s);
    default:
      if (Ist_Boxplot(typ))
        Boxplot_zeichnen(
            bild, s, k,
            typ == Diagramm_Boxplot_modifiziert || typ == Diagramm_Boxplot_modifiziert_mit_Daten,
            typ >= Diagramm_Boxplot_mit_Daten);
  }
}

// Frequencies that cannot be counted stop everything; where figures would have been written,
// the table says why they are missing.
bool Haeufigkeiten_brauchbar(const TStichprobe& s, bool mit_Kennzahlen) {
  const char* fehler = nullptr;
  const long double T = std::accumulate(s.Haeufigkeiten.begin(), s.Haeufigkeiten.end(), 0.0L);
  if (Eine_negativ(s.Haeufigkeiten))
    fehler = kNegativ;
  else if (T == 0)
    fehler = kSumme_null;
  if (!fehler) return true;
  if (mit_Kennzahlen) Kennzahlen_ausgeben(Zahlentabelle, TKennzahlen{}, true);
  Dialog().Meldung(fehler);
  return false;
}

void Diagramm_ausfuehren(Anzeige& a, TBild& bild, TStichprobe& s) {
  const bool histogramm = Werkbank.Diagrammtyp == Diagramm_Histogramm;
  const bool ganz = Alle_ganzzahlig(s.Haeufigkeiten);
  // The pie chart's own columns would cut through the frequency table and the figures.
  const bool mit_Kennzahlen = ganz && !histogramm && Werkbank.Diagrammtyp != Diagramm_Kreis;
  if (!Haeufigkeiten_brauchbar(s, mit_Kennzahlen)) return;
  // Figures are only computed for whole frequencies; a boxplot needs them.
  if (Ist_Boxplot(Werkbank.Diagrammtyp) && !ganz) return Dialog().Meldung(kBoxplot_ganzzahlig);
  TKennzahlen k;
  if (histogramm) {
    Punkteliste_fuellen(s.Klassen);
  } else {
    if (!ganz) Punkteliste_fuellen(s.Werte, s.Haeufigkeiten);
    Stichprobe_sortieren(s);
    if (ganz) {
      Gleiche_Werte_zusammenfassen(s);
      Punkteliste_fuellen(s.Werte, s.Haeufigkeiten);
      if (mit_Kennzahlen) {
        Haeufigkeitstabelle_schreiben(Zahlentabelle, s);
        const bool berechnet = Kennzahlen_berechnen(s, k);
        Kennzahlen_ausgeben(Zahlentabelle, k, !berechnet);
      }
    }
  }
  Zeichnen(a, bild, s, k);
}

}  // namespace

void Diagramm_zeichnen_geklickt(Anzeige& a) {
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  TStichprobe s;
  const std::string fehler =
      Stichprobe_einlesen(Zahlentabelle, Werkbank.Diagrammtyp == Diagramm_Histogramm, s);
  if (!fehler.empty()) return Dialog().Meldung(fehler);
  if (Werkbank.Diagrammtyp == Diagramm_Kreis) Ansicht_angleichen(a);
  Diagramm_ausfuehren(a, *bild, s);
}
