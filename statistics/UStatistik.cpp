#include "statistics/UStatistik.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/UGeometrie.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_Ansicht.h"
#include "table/UStringGrid.h"

namespace {

constexpr int kWertespalte = 1;
constexpr int kHaeufigkeitsspalte = 2;

std::string Zeilenmeldung(const char* anfang, int zeile) {
  return std::string(anfang) + std::to_string(zeile) + " !";
}

bool Belegt(const Tabelle& t, int spalte, int zeile) {
  return zeile <= Letzte_Zeile &&
         t.Zelle(spalte, zeile).find_first_not_of(' ') != std::string::npos;
}

// A list of numbers ends at its first cell that holds no number, such as a sum written below
// it. Only when more numbers follow further down was the list cut short by a typing error.
bool Liste_unterbrochen(const Tabelle& t, int spalte, int anzahl) {
  if (!Belegt(t, spalte, anzahl + 1)) return false;
  for (int r = anzahl + 2; r <= Letzte_Zeile; ++r) {
    long double w = 0;
    int fehlerposition = 0;
    const std::string& zelle = t.Zelle(spalte, r);
    if (!zelle.empty() && Zahl_einlesen(zelle, w, fehlerposition)) return true;
  }
  return false;
}

bool Klasse_lesen(const std::string& text, TPunkt& klasse) {
  const auto pos = text.find(';');
  if (pos == std::string::npos) return false;
  return Gleitkomma_lesen(text.substr(0, pos), klasse.x) &&
         Gleitkomma_lesen(text.substr(pos + 1), klasse.y);
}

// Classes side by side must not share more than a bound.
bool Klassen_ueberschneiden_sich(std::vector<TPunkt> k) {
  std::sort(k.begin(), k.end(), [](TPunkt a, TPunkt b) { return a.x < b.x; });
  for (size_t i = 1; i < k.size(); ++i)
    if (k[i].x < k[i - 1].y) return true;
  return false;
}

std::string Klassen_einlesen(const Tabelle& t, int anzahl, TStichprobe& s) {
  for (int i = 1; i <= anzahl; ++i) {
    TPunkt k;
    if (!Klasse_lesen(t.Zelle(kWertespalte, i), k)) return "Spalte1 fehlerhaft !";
    if (k.y - k.x <= 0) return "falsches Intervall in Spalte1 !";
    s.Klassen.push_back(k);
  }
  if (Klassen_ueberschneiden_sich(s.Klassen)) return "Die Klassen in Spalte1 überschneiden sich !";
  return "";
}

long double Runden(long double x) {
  return std::nearbyint(x);  // the default rounding mode breaks ties to even
}

// Lower half of a sorted list split at m: the entries up to d, the last one cut down so that
// the half holds exactly halb observations.
void Haelfte_bilden(const std::vector<long double>& w, const std::vector<long double>& h,
                    const TMedian& m, std::vector<long double>& hw, std::vector<long double>& hh) {
  hw.assign(w.begin(), w.begin() + m.d);
  hh.clear();
  for (int i = 0; i < m.d; ++i)
    hh.push_back(Runden(h[i]));
  hh.back() -= m.C - m.halb;
}

long double Quartil(const std::vector<long double>& w, const std::vector<long double>& h,
                    int anzahl, long double Med) {
  const TMedian m = Median_berechnen(w, h, anzahl);
  if (m.halb < 1) return Med;  // a single observation: both halves are empty
  std::vector<long double> hw, hh;
  Haelfte_bilden(w, h, m, hw, hh);
  return Median_berechnen(hw, hh, m.d).Wert;
}

}  // namespace

std::string Stichprobe_einlesen(const Tabelle& t, bool histogramm, TStichprobe& s) {
  s = TStichprobe{};
  int k1 = 0, k2 = 0;
  s.Werte = Spalte_einlesen(t, kWertespalte, k1);
  s.Haeufigkeiten = Spalte_einlesen(t, kHaeufigkeitsspalte, k2);
  if (Liste_unterbrochen(t, kHaeufigkeitsspalte, k2))
    return Zeilenmeldung("Spalte2: keine Zahl in Zeile ", k2 + 1);
  s.Textmodus = k1 == 0;
  if (!s.Textmodus) {
    if (Liste_unterbrochen(t, kWertespalte, k1))
      return Zeilenmeldung("Spalte1: keine Zahl in Zeile ", k1 + 1);
    if (histogramm) return "Ein Histogramm braucht Klassen a;b in Spalte1 !";
    if (k2 == 0) s.Haeufigkeiten.assign(k1, 1);
    if (static_cast<int>(s.Haeufigkeiten.size()) != k1) return "Listen unterschiedlich lang !";
    for (long double w : s.Werte)
      s.Namen.push_back(Zahl_als_Zelltext(w));
    return "";
  }
  if (k2 == 0) return "Keine Daten !";
  // Names or classes without a frequency would be dropped without a word.
  if (Belegt(t, kWertespalte, k2 + 1)) return "Listen unterschiedlich lang !";
  if (histogramm) return Klassen_einlesen(t, k2, s);
  for (int i = 1; i <= k2; ++i) {
    s.Werte.push_back(i);
    s.Namen.push_back(t.Zelle(kWertespalte, i));
  }
  return "";
}

void Paare_sortieren(std::vector<long double>& werte, std::vector<long double>& haeufigkeiten,
                     int anzahl, bool absteigend) {
  for (int i = 1; i < anzahl; ++i)
    for (int p = anzahl - 1; p >= i; --p) {
      const bool tauschen = absteigend ? werte[p] > werte[p - 1] : werte[p] < werte[p - 1];
      if (!tauschen) continue;
      std::swap(werte[p], werte[p - 1]);
      std::swap(haeufigkeiten[p], haeufigkeiten[p - 1]);
    }
}

void Stichprobe_sortieren(TStichprobe& s) {
  // The names travel with their values: sort positions, then reorder all three lists.
  const int n = static_cast<int>(s.Werte.size());
  std::vector<long double> werte = s.Werte, position(n);
  for (int i = 0; i < n; ++i)
    position[i] = i;
  Paare_sortieren(werte, position, n, false);
  TStichprobe neu = s;
  for (int i = 0; i < n; ++i) {
    const auto alt = static_cast<size_t>(position[i]);
    neu.Werte[i] = s.Werte[alt];
    neu.Haeufigkeiten[i] = s.Haeufigkeiten[alt];
    if (alt < s.Namen.size()) neu.Namen[i] = s.Namen[alt];
  }
  s = std::move(neu);
}

void Gleiche_Werte_zusammenfassen(TStichprobe& s) {
  size_t ziel = 0;
  for (size_t i = 0; i < s.Werte.size(); ++i) {
    if (ziel > 0 && s.Werte[i] == s.Werte[ziel - 1]) {
      s.Haeufigkeiten[ziel - 1] += s.Haeufigkeiten[i];
      continue;
    }
    s.Werte[ziel] = s.Werte[i];
    s.Haeufigkeiten[ziel] = s.Haeufigkeiten[i];
    if (i < s.Namen.size()) s.Namen[ziel] = s.Namen[i];
    ++ziel;
  }
  s.Werte.resize(ziel);
  s.Haeufigkeiten.resize(ziel);
  if (s.Namen.size() > ziel) s.Namen.resize(ziel);
}

bool Alle_ganzzahlig(const std::vector<long double>& haeufigkeiten) {
  return std::all_of(haeufigkeiten.begin(), haeufigkeiten.end(),
                     [](long double h) { return h == std::trunc(h); });
}

bool Eine_negativ(const std::vector<long double>& haeufigkeiten) {
  return std::any_of(haeufigkeiten.begin(), haeufigkeiten.end(),
                     [](long double h) { return h < 0; });
}

long double Beobachtungen(const std::vector<long double>& haeufigkeiten, int anzahl) {
  long double N = 0;
  for (int i = 0; i < anzahl; ++i)
    N += Runden(haeufigkeiten[i]);
  return N;
}

TMedian Median_berechnen(const std::vector<long double>& werte,
                         const std::vector<long double>& haeufigkeiten, int anzahl) {
  TMedian m;
  if (anzahl < 1) return m;
  const long double N = Beobachtungen(haeufigkeiten, anzahl);
  m.halb = std::floor(N / 2);
  m.C = 0;
  for (int i = 0; i < anzahl; ++i) {
    m.C += Runden(haeufigkeiten[i]);
    m.d = i + 1;
    if (m.C >= m.halb) break;
  }
  const long double wd = werte[m.d - 1];
  long double naechster = wd;
  if (m.C == m.halb) {
    // The next observation: values that occur 0 times are no observations.
    for (int j = m.d; j < anzahl; ++j)
      if (Runden(haeufigkeiten[j]) > 0) {
        naechster = werte[j];
        break;
      }
  }
  const bool gerade = std::fmod(N, 2) == 0;
  m.Wert = gerade ? (wd + naechster) / 2 : naechster;
  return m;
}

void Quartile_berechnen(const std::vector<long double>& werte,
                        const std::vector<long double>& haeufigkeiten, int anzahl, long double& Med,
                        long double& Q1, long double& Q3) {
  Med = Median_berechnen(werte, haeufigkeiten, anzahl).Wert;
  Q1 = Quartil(werte, haeufigkeiten, anzahl, Med);
  std::vector<long double> w(werte.begin(), werte.begin() + anzahl);
  std::vector<long double> h(haeufigkeiten.begin(), haeufigkeiten.begin() + anzahl);
  Paare_sortieren(w, h, anzahl, true);
  Q3 = Quartil(w, h, anzahl, Med);
}

long double Mittelwert_berechnen(const std::vector<long double>& werte,
                                 const std::vector<long double>& haeufigkeiten, int anzahl,
                                 bool& ok) {
  long double T = 0, S = 0;
  for (int i = 0; i < anzahl; ++i) {
    T += haeufigkeiten[i];
    S += werte[i] * haeufigkeiten[i];
  }
  ok = T != 0;
  return ok ? S / T : 0;
}

long double Standardabweichung_berechnen(const std::vector<long double>& werte,
                                         const std::vector<long double>& haeufigkeiten, int anzahl,
                                         int art, bool& ok) {
  const long double xquer = Mittelwert_berechnen(werte, haeufigkeiten, anzahl, ok);
  if (!ok) return 0;
  long double T = 0, Q = 0;
  for (int i = 0; i < anzahl; ++i) {
    T += haeufigkeiten[i];
    Q += (werte[i] - xquer) * (werte[i] - xquer) * haeufigkeiten[i];
  }
  int p = 0, q = 1;
  const bool ganz = Bruch_finden(T, p, q) && q == 1;
  const long double D = art == 2 && ganz && T > 1 ? T - 1 : T;
  return std::sqrt(Q / D);
}

bool Kennzahlen_berechnen(const TStichprobe& s, TKennzahlen& k) {
  const auto& w = s.Werte;
  const auto& h = s.Haeufigkeiten;
  const int m = static_cast<int>(w.size());
  if (m < 1) return false;
  bool ok = false;
  TKennzahlen neu;
  neu.xquer = Mittelwert_berechnen(w, h, m, ok);
  if (!ok) return false;
  neu.n = Beobachtungen(h, m);
  neu.minX = w.front();
  neu.maxX = w.back();
  Quartile_berechnen(w, h, m, neu.Med, neu.Q1, neu.Q3);
  neu.IQR = neu.Q3 - neu.Q1;
  neu.zu = neu.Q1 - 1.5L * neu.IQR;
  neu.zo = neu.Q3 + 1.5L * neu.IQR;
  neu.sn = Standardabweichung_berechnen(w, h, m, 1, ok);
  neu.sn1 = Standardabweichung_berechnen(w, h, m, 2, ok);
  k = neu;
  return true;
}

std::string Gerundet(long double x, int stellen) {
  const long double f = std::pow(10.0L, stellen);
  return Zahl_als_Zelltext(std::nearbyint(x * f) / f);
}

void Haeufigkeitstabelle_schreiben(Tabelle& t, const TStichprobe& s) {
  Tabelle::Sammler sammler(t);
  t.Zelle_setzen(5, 0, " sortiert");
  t.Zelle_setzen(6, 0, "  abs.H.");
  t.Zelle_setzen(7, 0, "  rel.H.");
  const int m = static_cast<int>(s.Werte.size());
  const long double N = Beobachtungen(s.Haeufigkeiten, m);
  for (int i = 0; i < m; ++i) {
    t.Zelle_setzen(5, i + 1, Zahl_als_Zelltext(s.Werte[i]));
    t.Zelle_setzen(6, i + 1, Zahl_als_Zelltext(s.Haeufigkeiten[i]));
    t.Zelle_setzen(7, i + 1, N > 0 ? Gerundet(s.Haeufigkeiten[i] * 100 / N, 2) + "%" : "-----");
  }
}

void Kennzahlen_ausgeben(Tabelle& t, const TKennzahlen& k, bool datenfehler) {
  Tabelle::Sammler sammler(t);
  t.Zelle_setzen(3, 0, "Statistik-");
  t.Zelle_setzen(4, 0, "Kennzahlen");
  // Figures of earlier data must not stand beside the new ones.
  for (int z = 1; z <= 11; ++z) {
    t.Zelle_setzen(3, z, "");
    t.Zelle_setzen(4, z, "");
  }
  if (datenfehler) {
    const char* notiz[] = {"Es liegt", "ein", "Daten-", "fehler", "vor !"};
    for (int i = 0; i < 5; ++i)
      t.Zelle_setzen(3, i + 2, notiz[i]);
    return;
  }
  const std::pair<const char*, long double> zeilen[] = {
      {"n =", k.n},       {"x quer =", k.xquer}, {"s.n =", k.sn},  {"s.n-1 =", k.sn1},
      {"minX =", k.minX}, {"Q1 =", k.Q1},        {"Med =", k.Med}, {"Q3 =", k.Q3},
      {"maxX =", k.maxX}, {"IQR =", k.IQR},
  };
  int z = 1;
  for (const auto& [name, wert] : zeilen) {
    t.Zelle_setzen(3, z, name);
    t.Zelle_setzen(4, z++, Zahl_als_Zelltext(wert));
  }
  t.Zelle_setzen(3, 11, "[zu;zo] =");
  t.Zelle_setzen(4, 11, "[" + Zahl_als_Zelltext(k.zu) + ";" + Zahl_als_Zelltext(k.zo) + "]");
}

TBoxplot Boxplot_berechnen(const TKennzahlen& k, const TStichprobe& s, bool modifiziert, int bahn) {
  TBoxplot b;
  b.g = 2 * bahn - 1;
  b.Q1 = k.Q1;
  b.Med = k.Med;
  b.Q3 = k.Q3;
  b.lo = k.minX;
  b.hi = k.maxX;
  if (!modifiziert) return b;
  const auto& w = s.Werte;
  const int m = static_cast<int>(w.size());
  // The whiskers end at the outermost values inside the fences.
  for (int j = 0; j + 1 < m; ++j)
    if (w[j] < k.zu) b.lo = w[j + 1];
  for (int j = m - 1; j >= 1; --j)
    if (w[j] > k.zo) b.hi = w[j - 1];
  for (long double x : w)
    if (x < b.lo || x > b.hi) b.Ausreisser.push_back(x);
  return b;
}

std::vector<TSektor> Kreissektoren_berechnen(const std::vector<long double>& haeufigkeiten,
                                             TPunkt B, TPunkt M) {
  long double T = 0;
  for (long double h : haeufigkeiten)
    T += h;
  std::vector<TSektor> sektoren;
  if (T <= 0) return sektoren;
  long double G = 0;
  for (long double h : haeufigkeiten) {
    TSektor s;
    s.Prozent = h / T * 100;
    s.Winkel = s.Prozent * 3.6L;
    G += s.Winkel;
    s.E = Punkt_drehen(B, M, G);
    s.L = Punkt_drehen(B, M, G - s.Winkel / 2);
    sektoren.push_back(s);
  }
  return sektoren;
}

long double Histogrammhoehe(TPunkt klasse, long double haeufigkeit) {
  return haeufigkeit / (klasse.y - klasse.x);
}
