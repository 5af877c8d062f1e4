#include "workbench/Baumdiagramm.h"

#include <string>
#include <string_view>

#include "kos/UGrafik.h"
#include "platform/Blattspeicher.h"
#include "platform/Dialoge.h"

Baum_Zustand& Baumeinstellungen = Blatt_Speicher().Teil<Baum_Zustand>();

namespace {

constexpr TFarbe kSchwarz = 0x000000;
constexpr TFarbe kWeiss = 0xFFFFFF;
constexpr TFarbe kRot = 0x0000FF;
constexpr TFarbe kBlau = 0xFF0000;
constexpr int kKnotenradius = 12;
constexpr int kWurzel_y = 5;
// Width the fraction texts under the leaves are centred with: 7 pixels per digit.
constexpr int kZiffernbreite = 7;

bool Gueltige_Stufenzahl(int stufen) {
  return stufen >= kStufen_ab && stufen <= kStufen_bis;
}

long long Potenz(long long basis, int exponent) {
  long long p = 1;
  for (int i = 0; i < exponent; ++i)
    p *= basis;
  return p;
}

// One stage of a tree: its height below the root and the x offsets of its nodes from the root.
struct TStufe {
  int dy;
  std::vector<int> dx;
};

std::vector<int> Gleichmaessig(int anzahl, int erster, int schritt) {
  std::vector<int> dx;
  for (int i = 0; i < anzahl; ++i)
    dx.push_back(erster + schritt * i);
  return dx;
}

// The stages are spread so that the leaves of each tree still have room for their fractions.
std::vector<TStufe> Stufen_des_Baums(int stufen) {
  switch (stufen) {
    case 2:
      return {{40, {-60, 60}}, {80, {-90, -35, 35, 90}}};
    case 3:
      return {
          {40, {-100, 100}}, {80, Gleichmaessig(4, -150, 100)}, {125, Gleichmaessig(8, -175, 50)}};
    case 4:
      return {{40, {-200, 200}},
              {80, Gleichmaessig(4, -300, 200)},
              {130, Gleichmaessig(8, -350, 100)},
              {180, Gleichmaessig(16, -375, 50)}};
    default:
      return {};
  }
}

void q_zeigen(Anzeige& a) {
  const Baum_Zustand& z = Baumeinstellungen;
  a.Text_zeigen("Label_q_zaehler", std::to_string(z.Nenner - z.Zaehler));
  a.Text_zeigen("Label_q_nenner", std::to_string(z.Nenner));
}

bool* Schalter_im_Zustand(std::string_view name) {
  Baum_Zustand& z = Baumeinstellungen;
  if (name == "CheckBox_mit_Farbe") return &z.mit_Farbe;
  if (name == "CheckBox_Text_an_Aeste") return &z.Text_an_Aeste;
  if (name == "CheckBox_Wsk_an_Aeste") return &z.Wsk_an_Aeste;
  if (name == "CheckBox_Pfadwahrsch_ausgeben") return &z.Pfadwahrsch_ausgeben;
  return nullptr;
}

// ---- drawing ---------------------------------------------------------------------------------

struct TFarben {
  TFarbe Erfolg, Misserfolg;
  TFarbe von(int knoten) const { return Ist_Erfolg(knoten) ? Erfolg : Misserfolg; }
};

void Aeste_zeichnen(TBild& bild, const std::vector<TKnoten>& k, const TFarben& farben) {
  for (int i = 1; i < static_cast<int>(k.size()); ++i) {
    const TKnoten& von = k[(i - 1) / 2];
    Linie_zeichnen(bild, von.x, von.y, k[i].x, k[i].y, farben.von(i), 1, TStiftstil::Durchgezogen);
  }
}

void Knoten_zeichnen(TBild& bild, int i, TKnoten p, const Baum_Zustand& z, const TFarben& farben) {
  Kreis_zeichnen(bild, p.x, p.y, kKnotenradius, kSchwarz, kWeiss, 1, TStiftstil::Durchgezogen,
                 Pinsel_voll);
  const TFarbe farbe = farben.von(i);
  // The circle leaves a white brush behind, so the letter's opaque box is white.
  if (z.Text_an_Aeste)
    Text_schreiben(bild, p.x - 5, p.y - 8, Ist_Erfolg(i) ? z.Erfolg : z.Misserfolg, "Arial", 10,
                   Pinsel_voll, 0, farbe);
  if (z.Wsk_an_Aeste)
    Text_schreiben(bild, Ist_Erfolg(i) ? p.x - 10 : p.x, p.y - 28,
                   Astwahrscheinlichkeit(i, z.Zaehler, z.Nenner), "Arial", 8, Pinsel_leer, 0,
                   farbe);
}

// The path probability stacked under the leaf, both numbers centred on it.
void Pfadbruch_zeichnen(TBild& bild, int blatt, TKnoten p, const Baum_Zustand& z) {
  const TBruchtext b = Pfadwahrscheinlichkeit(blatt, z.Stufen, z.Zaehler, z.Nenner);
  const int B = static_cast<int>(b.Nenner.size()) * kZiffernbreite / 2;
  const int C = static_cast<int>(b.Zaehler.size()) * kZiffernbreite / 2;
  Text_schreiben(bild, p.x - B, p.y + 30, b.Nenner, "Arial", 8, Pinsel_leer, 0, kSchwarz);
  Text_schreiben(bild, p.x - C, p.y + 15, b.Zaehler, "Arial", 8, Pinsel_leer, 0, kSchwarz);
  Linie_zeichnen(bild, p.x - B, p.y + 29, p.x + B, p.y + 29, kSchwarz, 1, TStiftstil::Durchgezogen);
}

}  // namespace

// ---- arithmetic ------------------------------------------------------------------------------

int Knotenanzahl(int stufen) {
  return Gueltige_Stufenzahl(stufen) ? (2 << stufen) - 2 : 0;
}

int Erstes_Blatt(int stufen) {
  return Gueltige_Stufenzahl(stufen) ? (1 << stufen) - 1 : 0;
}

int Erfolge_auf_Pfad(int knoten) {
  int k = 0;
  // Each step halves the number, so the walk up to the root is short.
  for (; knoten > 0; knoten = (knoten - 1) / 2)
    if (Ist_Erfolg(knoten)) ++k;
  return k;
}

std::vector<TKnoten> Knotenpositionen(int stufen, int a, int b) {
  std::vector<TKnoten> k;
  if (!Gueltige_Stufenzahl(stufen)) return k;
  k.push_back({a, b});
  for (const TStufe& s : Stufen_des_Baums(stufen))
    for (int dx : s.dx)
      k.push_back({a + dx, b + s.dy});
  return k;
}

std::string Astwahrscheinlichkeit(int knoten, int zaehler, int nenner) {
  const int z = Ist_Erfolg(knoten) ? zaehler : nenner - zaehler;
  return std::to_string(z) + "/" + std::to_string(nenner);
}

TBruchtext Pfadwahrscheinlichkeit(int blatt, int stufen, int zaehler, int nenner) {
  const int k = Erfolge_auf_Pfad(blatt);
  const long long z = Potenz(nenner - zaehler, stufen - k) * Potenz(zaehler, k);
  return {std::to_string(z), std::to_string(Potenz(nenner, stufen))};
}

std::string Baum_Fehler(const Baum_Zustand& z) {
  if (!Gueltige_Stufenzahl(z.Stufen)) return "Die Anzahl der Stufen muss 2, 3 oder 4 sein.";
  if (z.Nenner < 1 || z.Nenner > kWsk_Listenlaenge)
    return "Der Nenner der Erfolgswahrscheinlichkeit muss zwischen 1 und 20 liegen.";
  if (z.Zaehler < 1 || z.Zaehler > z.Nenner)
    return "Der Zähler der Erfolgswahrscheinlichkeit muss zwischen 1 und dem Nenner liegen.";
  return "";
}

void Baum_zeichnen(TBild& bild, const Baum_Zustand& z) {
  const std::vector<TKnoten> k = Knotenpositionen(z.Stufen, bild.Breite() / 2, kWurzel_y);
  if (k.empty()) return;
  const TFarben farben = z.mit_Farbe ? TFarben{kRot, kBlau} : TFarben{kSchwarz, kSchwarz};
  Bild_leeren(bild, kWeiss);
  Kreis_zeichnen(bild, k[0].x, k[0].y, 2, kSchwarz, kSchwarz, 1, TStiftstil::Durchgezogen,
                 Pinsel_voll);
  Aeste_zeichnen(bild, k, farben);
  for (int i = 1; i < static_cast<int>(k.size()); ++i)
    Knoten_zeichnen(bild, i, k[i], z, farben);
  if (!z.Pfadwahrsch_ausgeben) return;
  for (int i = Erstes_Blatt(z.Stufen); i < static_cast<int>(k.size()); ++i)
    Pfadbruch_zeichnen(bild, i, k[i], z);
}

// ---- actions ---------------------------------------------------------------------------------

void Baumfenster_einrichten(Anzeige& fenster) {
  Baumeinstellungen = Baum_Zustand{};
  for (const TStartwert& s : Startwerte_Baumdiagramm()) {
    if (s.text) fenster.Text_zeigen(s.name, s.text);
    if (s.an >= 0) fenster.Haken_zeigen(s.name, s.an == 1);
    if (s.eintrag >= 0) fenster.Eintrag_zeigen(s.name, s.eintrag);
  }
  q_zeigen(fenster);
}

void Baum_Liste_gewaehlt(Anzeige& fenster, const char* liste, int eintrag) {
  if (eintrag < 0) return;  // a list without a chosen item
  Baum_Zustand& z = Baumeinstellungen;
  const std::string_view name = liste;
  if (name == "ComboBox_Stufenzahl") {
    z.Stufen = eintrag + kStufen_ab;
    return;
  }
  if (name == "ComboBox_W_Zaehler") {
    z.Zaehler = eintrag + 1;
    if (z.Nenner < z.Zaehler) {
      z.Zaehler = 1;
      fenster.Eintrag_zeigen("ComboBox_W_Zaehler", 0);
    }
  } else if (name == "ComboBox_W_Nenner") {
    z.Nenner = eintrag + 1;
    if (z.Nenner < z.Zaehler) {
      z.Nenner = kWsk_Listenlaenge;
      fenster.Eintrag_zeigen("ComboBox_W_Nenner", kWsk_Listenlaenge - 1);
    }
  } else {
    return;
  }
  q_zeigen(fenster);
}

void Baum_Schalter_geklickt(const char* schalter, bool an) {
  if (bool* s = Schalter_im_Zustand(schalter)) *s = an;
}

void Baum_Feld_geaendert(const std::string& feld, const std::string& text) {
  if (feld == "Edit_Erfolg") Baumeinstellungen.Erfolg = text;
  if (feld == "Edit_Misserfolg") Baumeinstellungen.Misserfolg = text;
}

bool Baumdiagramm_zeichnen(Anzeige& hauptfenster) {
  const std::string fehler = Baum_Fehler(Baumeinstellungen);
  if (!fehler.empty()) {
    Dialog().Meldung(fehler);
    return false;
  }
  TBild* bild = hauptfenster.Bild("Image1");
  if (!bild) return false;
  Baum_zeichnen(*bild, Baumeinstellungen);
  return true;
}
