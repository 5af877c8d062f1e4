#include "analysis/UNullstellen.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/UMatheTools.h"
#include "engine/UMatheBasisOp.h"
#include "platform/URechenlauf.h"

long double Ableitung_Stelle(TTerm& f, long double t, long double x, bool& ok) {
  constexpr long double h = 1E-5L;
  bool ok_rechts = false, ok_links = false;
  const long double rechts = f.Auswerten(x + h, t, ok_rechts);
  const long double links = f.Auswerten(x - h, t, ok_links);
  ok = ok_rechts && ok_links;
  return (rechts - links) / 2 / h;
}

std::vector<long double> Nullstellen_suchen(TTerm& f, long double t, long double a, long double b,
                                            Tabelle& tabelle) {
  constexpr int kStarts = 33;
  const long double schritt = (b - a) / (kStarts - 1);
  std::vector<long double> gefunden;
  for (int k = 0; k < kStarts; ++k) {
    bool ok = false;
    const long double x =
        Newton_Verfahren(f, t, k * schritt + a, false, tabelle, Zahlformat.Fixkomma,
                         Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen, ok);
    // A result that is no number cannot be ordered; it counts as a failed start.
    if (ok && std::isfinite(x)) gefunden.push_back(x);
  }
  std::sort(gefunden.begin(), gefunden.end());
  std::vector<long double> loesungen;
  for (long double x : gefunden)
    if (loesungen.empty() || x - loesungen.back() >= 1E-12L) loesungen.push_back(x);
  return loesungen;
}

long double Gerundet(long double x, int d) {
  const long double faktor = std::pow(10.0L, d);
  const long double skaliert = x * faktor;
  if (!std::isfinite(skaliert)) return x;
  return std::round(skaliert) / faktor;
}

namespace {

constexpr int kSchritte = 20000;
// More passes than the table has rows could never be shown.
constexpr long kMax_Durchlaeufe = Letzte_Zeile;

struct TWert {
  long double y = 0;
  bool ok = false;
};

TWert Wert_g(TTerm& f, bool wende, long double t, long double x) {
  TWert w;
  w.y = wende ? Ableitung_Stelle(f, t, x, w.ok) : f.Auswerten(x, t, w.ok);
  return w;
}

std::string Zahltext(long double x, int d) {
  return Zahl_als_Zelltext(Gerundet(x, d));
}

struct TDurchlauf {
  TTerm& f;
  bool wende;
  long double t, a, b;
  int d;
  Tabelle& tabelle;
};

void Wende_schreiben(const TDurchlauf& l, int spalte, int zeile, long double x, long double gx) {
  bool ok = false;
  const long double fx = l.wende ? l.f.Auswerten(x, l.t, ok) : gx;
  l.tabelle.Zelle_setzen(spalte, zeile, Zahltext(x, l.d));
  l.tabelle.Zelle_setzen(spalte + 1, zeile, Zahltext(fx, l.d));
}

// One value of t; r1 and r2 come back one below the last turn of their kind.
void Durchlauf(const TDurchlauf& l, int& r1, int& r2) {
  const long double schritt = (l.b - l.a) / kSchritte;
  long double x = l.a;
  const TWert anfang = Wert_g(l.f, l.wende, l.t, x);
  x += schritt;
  TWert s = Wert_g(l.f, l.wende, l.t, x);
  bool steigend = anfang.ok && s.ok && s.y > anfang.y;
  bool fallend = anfang.ok && s.ok && s.y <= anfang.y;
  // x < b ends the walk after kSchritte steps; the bound holds when x + schritt == x.
  for (int i = 0; i <= kSchritte + 1; ++i) {
    const TWert p = Wert_g(l.f, l.wende, l.t, x + schritt);
    // An undefined value is skipped: no turn is compared across it.
    if (p.ok && s.ok) {
      if (!steigend && !fallend) {
        steigend = p.y > s.y;
        fallend = !steigend;
      } else if (s.y - p.y > 1E-12L && steigend) {
        Wende_schreiben(l, 1, r1++, x, s.y);
        steigend = false;
        fallend = true;
      } else if (p.y - s.y > 1E-12L && fallend) {
        Wende_schreiben(l, 3, r2++, x, s.y);
        steigend = true;
        fallend = false;
      }
    }
    x += schritt;
    s = p;
    if (!(x < l.b)) break;
  }
}

}  // namespace

TExtremergebnis Extrem_Wende_scannen(TTerm& f, bool wende, long double a, long double b,
                                     const TScharbereich& schar, int d, Tabelle& tabelle) {
  Tabelle::Sammler sammler(tabelle);
  long gesamt = 1;
  if (schar.Schar && schar.dt > 0) {
    const long double n = std::floor((schar.t2 + 1E-10L - schar.t1) / schar.dt) + 1;
    gesamt =
        std::isfinite(n) ? static_cast<long>(std::clamp<long double>(n, 1, kMax_Durchlaeufe)) : 1;
  }
  TRechenlauf lauf("Suche läuft ...", gesamt);
  TExtremergebnis e;
  long double t = schar.t1;
  int r1 = 1, r2 = 1;
  for (long n = 1;; ++n) {
    r2 = r1;
    if (schar.Schar) tabelle.Zelle_setzen(5, r1, "t=" + Zahltext(t, d));
    Durchlauf({f, wende, t, a, b, d, tabelle}, r1, r2);
    t += schar.dt;
    r2 = std::max(r2, r1);
    // A step that does not move t forward would never reach the end: one pass only.
    if (!schar.Schar || !(schar.dt > 0) || t > schar.t2 + 1E-10L || n >= kMax_Durchlaeufe ||
        r2 > Letzte_Zeile)
      break;
    if (!lauf.Weiter(n)) {
      e.abgebrochen = true;
      break;
    }
    r1 = r2;
  }
  e.gefunden = r2 > 1;
  e.t_danach = t;
  return e;
}
