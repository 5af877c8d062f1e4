#include "analysis/UFolgen.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdlib>

#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_KOS.h"
#include "platform/URechenlauf.h"

namespace {

constexpr TFarbe kSchwarz = 0x000000;
constexpr TFarbe kRot = 0x0000FF;
constexpr TFarbe kWeiss = 0xFFFFFF;
// A member whose pixel lies this far beyond the picture counts as leaving it for good.
constexpr int kWeit_draussen = 2000;
// Steps of the web as arrows: head length and half width; kind 4 only where a step is longer
// than the head in both directions.
constexpr int kPfeil_L = 8, kPfeil_B = 2, kPfeil_ab = 8;
// Iterations of one bifurcation column between two looks at the cancel request.
constexpr long kAbfrage_alle = 1L << 16;

int Anzahl_Glieder(int tiefe) {
  return tiefe >= 2 && tiefe < Punkteliste_Groesse ? tiefe + 1 : 501;
}

int Schriftstil(const TSchrift& s) {
  return (s.fett ? Schrift_fett : 0) | (s.kursiv ? Schrift_kursiv : 0) |
         (s.unterstrichen ? Schrift_unterstrichen : 0) |
         (s.durchgestrichen ? Schrift_durchgestrichen : 0);
}

std::string Zahltext(long double x) {
  return Zahl_zu_Text(Zahlformat.Fixkomma, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen,
                      x);
}

void Text_deckend(TBild& bild, int x, int y, const std::string& text, const TSchrift& s,
                  const std::string& name, int groesse) {
  bild.Pinselfarbe_setzen(kWeiss);
  Text_schreiben(bild, x, y, text, name, groesse, Pinsel_voll, Schriftstil(s), s.Farbe);
}

// Dotted line from the point (a, a) of the diagonal down to just below the x axis.
void Lot_zeichnen(TBild& bild, long double a) {
  const int px = x_zu_Pixel(bild, a);
  Linie_zeichnen(bild, px, y_zu_Pixel(bild, a), px, y_zu_Pixel(bild, 0) + 6, kSchwarz, 1,
                 TStiftstil::Gepunktet);
}

void Vermutung_schreiben(TBild& bild, const TVermutung& v, const TSchrift& s) {
  const int x0 = x_zu_Pixel(bild, 0);
  switch (v.art) {
    case TVermutung::Grenzwert:
      Lot_zeichnen(bild, v.Grenze);
      Text_deckend(bild, x0 + 50, 25, "Grenzwert vermutlich " + Zahltext(v.Grenze), s, s.Name, 11);
      return;
    case TVermutung::Zyklus: {
      const int r = static_cast<int>(v.Haeufungswerte.size());
      Text_deckend(bild, x0 + 20, 25, "Evtl. " + std::to_string(r) + " Häufungswerte:", s, s.Name,
                   s.Groesse);
      const int zeile = static_cast<int>(std::nearbyint(1.5 * s.Groesse));
      for (int j = 1; j <= r; ++j) {
        const long double a = v.Haeufungswerte[j - 1];
        Lot_zeichnen(bild, a);
        Text_deckend(bild, x0 + 20, 25 + j * zeile, Zahltext(a), s, s.Name, s.Groesse);
      }
      return;
    }
    case TVermutung::keine:
      Text_deckend(bild, x0 + 50, 25, "vermutlich kein Grenzwert !", s, s.Name, 11);
      return;
  }
}

// One step of the web from p: up or down onto g, then across onto the diagonal at q.
void Netzschritt(TBild& bild, QPoint p, QPoint q) {
  const bool pfeile =
      Stil.Linienart == 5 || (Stil.Linienart == 4 && std::abs(p.x() - q.x()) > kPfeil_ab &&
                              std::abs(p.y() - q.y()) > kPfeil_ab);
  if (!pfeile) {
    bild.Linie_nach(p.x(), q.y());
    bild.Linie_nach(q.x(), q.y());
    return;
  }
  const TFarbe c = Stil.Linienfarbe;
  const TStiftstil voll = TStiftstil::Durchgezogen;
  Pfeil_zeichnen(bild, p.x(), p.y(), p.x(), q.y(), c, Stil.Linienbreite, c, voll, Pinsel_voll,
                 kPfeil_L, kPfeil_B);
  Pfeil_zeichnen(bild, p.x(), q.y(), q.x(), q.y(), c, Stil.Linienbreite, c, voll, Pinsel_voll,
                 kPfeil_L, kPfeil_B);
  // An arrow leaves the pen at its head's base; the next step starts at the tip.
  bild.Bewegen_nach(q.x(), q.y());
  bild.Stift.Stil = Stil.Linienstil;
}

// The web from the start value on the x axis; false when the sequence leaves the picture.
bool Netz_zeichnen(TBild& bild, const std::vector<long double>& a) {
  bild.Stift.Farbe = Stil.Linienfarbe;
  bild.Stift.Breite = Stil.Linienbreite;
  bild.Stift.Stil = Stil.Linienstil;
  QPoint p(x_zu_Pixel(bild, a[0]), y_zu_Pixel(bild, 0));
  bild.Bewegen_nach(p.x(), p.y());
  for (std::size_t i = 1; i < a.size(); ++i) {
    const QPoint q(x_zu_Pixel(bild, a[i]), y_zu_Pixel(bild, a[i]));
    if (q.x() >= kWeit_draussen || q.y() >= kWeit_draussen) return false;
    Netzschritt(bild, p, q);
    p = q;
  }
  return true;
}

std::vector<long double> Glieder() {
  const int n = std::clamp(Punktanzahl, 0, Punkteliste_Groesse);
  std::vector<long double> a(n);
  for (int i = 0; i < n; ++i)
    a[i] = Punkteliste[i].y;
  return a;
}

// One column of the bifurcation diagram; false when the user cancelled.
bool Bifurkationsspalte(TBild& bild, TTerm& g, int spalte, long double x, long n, long skip,
                        TFarbe farbe, TRechenlauf& lauf, long erledigt) {
  const long double k = Pixel_zu_x(bild, spalte);
  // A converged column hits one pixel hundreds of times; each is set once.
  std::bitset<20001> gesetzt;
  const int hoehe = std::min(bild.Hoehe(), 20001);
  for (long i = 1; i <= n; ++i) {
    x = g.Wert(x, k);
    if (!Fehler && i > skip) {
      const int py = y_zu_Pixel(bild, x);
      if (py >= 0 && py < hoehe && !gesetzt[py]) {
        gesetzt[py] = true;
        bild.Pixel_setzen(spalte, py, farbe);
      }
    }
    if (i % kAbfrage_alle == 0 && !lauf.Weiter(erledigt)) return false;
  }
  return true;
}

}  // namespace

bool Folge_berechnen(const TFolgenvorgabe& v) {
  const int N = Anzahl_Glieder(v.Iterationstiefe);
  TTerm g(v.term);
  Punktanzahl = N;
  for (int i = 0; i < N; ++i)
    Punkteliste[i].x = static_cast<long double>(v.n0) + i;
  if (v.art == TFolgenart::explizit) {
    for (int i = 0; i < N; ++i)
      Punkteliste[i].y = g.Wert(0, Punkteliste[i].x);
    return true;
  }
  const bool zweischrittig = v.art == TFolgenart::zweischrittig;
  Punkteliste[0].y = v.x_n0;
  if (zweischrittig) Punkteliste[1].y = v.y_n1;
  for (int i = zweischrittig ? 2 : 1; i < N; ++i) {
    Punkteliste[i].y = zweischrittig ? g.Wert(Punkteliste[i - 2].y, Punkteliste[i - 1].y)
                                     : g.Wert(Punkteliste[i - 1].y, v.k);
    if (Fehler) {
      // Nothing after the failing member belongs to this sequence.
      Punktanzahl = i;
      return false;
    }
  }
  return true;
}

TVermutung Grenzwert_vermuten(const std::vector<long double>& a) {
  TVermutung v;
  const std::size_t N = a.size();
  if (N < 2) return v;
  const long double letzter = a[N - 1];
  if (std::fabs(letzter - a[N - 2]) < 0.0001L) {
    v.art = TVermutung::Grenzwert;
    v.Grenze = letzter;
    return v;
  }
  for (std::size_t r = 2; r <= 64 && r < N; r *= 2) {
    const long double toleranz = r <= 16 ? 0.001L : r == 32 ? 0.03L : 0.07L;
    if (!(std::fabs(letzter - a[N - 1 - r]) < toleranz)) continue;
    v.art = TVermutung::Zyklus;
    for (std::size_t j = 1; j <= r; ++j)
      v.Haeufungswerte.push_back(a[N - 1 - j]);
    return v;
  }
  return v;
}

TFolgenbefund Folge_zeichnen(TBild& bild, const TFolgenbild& f) {
  TFolgenbefund befund;
  if (!f.CobWeb) {
    Punkte_zeichnen(bild);
    return befund;
  }
  TScharwerte einmal = f.Schar;
  einmal.alle_t = false;
  Kurve_zeichnen(bild, "x", kSchwarz, 1, Modus_Funktion, f.xa, f.xe, einmal);
  Kurve_zeichnen(bild, f.term, kRot, Stil.Linienart, Modus_Funktion, f.xa, f.xe, f.Schar);
  if (f.nur_g_zeichnen) return befund;
  const std::vector<long double> a = Glieder();
  if (a.empty()) return befund;
  if (!Netz_zeichnen(bild, a)) {
    befund.divergent = true;
    Text_deckend(bild, x_zu_Pixel(bild, 0) + 50, 25, "Vermutlich kein Grenzwert !", f.Schrift,
                 "Arial", 11);
    return befund;
  }
  if (!f.vollstaendig) return befund;
  befund.Vermutung = Grenzwert_vermuten(a);
  Vermutung_schreiben(bild, befund.Vermutung, f.Schrift);
  return befund;
}

bool Bifurkation_zeichnen(TBild& bild, const std::string& g, long double x0, long n, long skip,
                          TFarbe farbe) {
  TTerm term(g);
  const int von = std::max(0, x_zu_Pixel(bild, KOS.xli));
  const int bis = bild.Breite() - 1;
  TRechenlauf lauf("Bifurkationsdiagramm wird gezeichnet ...", std::max(1, bis - von + 1));
  for (int spalte = von; spalte <= bis; ++spalte) {
    const long erledigt = spalte - von;
    if (!Bifurkationsspalte(bild, term, spalte, x0, n, skip, farbe, lauf, erledigt)) return false;
    if (!lauf.Weiter(erledigt + 1)) return false;
  }
  return true;
}
