#include "analysis/UParameterkurven.h"

#include <cmath>

#include "engine/UFunktionsParser.h"
#include "kos/U_KOS.h"
#include "platform/URechenlauf.h"

namespace {

// The progress display is asked this seldom, so that short drawings never pay for it.
constexpr long kFortschritt_alle = 256;

// One polyline: the pen goes down with the first defined point after a lift.
class TStiftweg {
 public:
  explicit TStiftweg(TBild& bild) : bild_(bild) {}

  void Abheben() { unten_ = false; }

  void Punkt(long double x, long double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
      unten_ = false;
      return;
    }
    const int px = x_zu_Pixel(bild_, x);
    const int py = y_zu_Pixel(bild_, y);
    if (unten_) {
      bild_.Linie_nach(px, py);
    } else {
      bild_.Bewegen_nach(px, py);
    }
    unten_ = true;
  }

 private:
  TBild& bild_;
  bool unten_ = false;
};

// The point of one member at curve parameter t and family value s; false where undefined.
using TPunktregel = bool (*)(TTerm& a, TTerm& b, long double s, long double t, long double& x,
                             long double& y);

bool Parameterpunkt(TTerm& xt, TTerm& yt, long double s, long double t, long double& x,
                    long double& y) {
  x = xt.Wert(s, t);
  if (Fehler) return false;
  y = yt.Wert(s, t);
  return !Fehler;
}

bool Polarpunkt(TTerm& rt, TTerm&, long double s, long double phi, long double& x, long double& y) {
  const long double r = rt.Wert(s, phi);
  if (Fehler) return false;
  x = std::cos(phi) * r;
  y = std::sin(phi) * r;
  return true;
}

// The n-th of anzahl values spread evenly from k1 to k2; computed from the ends, not
// accumulated, so that the last value is k2 itself.
long double Gleichmaessiger_Wert(const TParameterbereich& p, long anzahl, long n) {
  return n == anzahl - 1 ? p.k2 : p.k1 + (p.k2 - p.k1) * n / (anzahl - 1);
}

// Every member starts with a move, so no line joins it to the previous one.
bool Schar_zeichnen(TBild& bild, TTerm& a, TTerm& b, TPunktregel punkt, TFarbe farbe, int art,
                    const TParameterbereich& p, const TScharwerte& s) {
  Linienstil_setzen(bild, farbe, art);
  const int glieder = Scharglieder_Anzahl(s);
  const TParameterraster raster = Parameterraster(p);
  TRechenlauf fortschritt("Grafik wird gezeichnet ...", glieder);
  TStiftweg weg(bild);
  long double wert = s.t1;
  for (int i = 0; i < glieder; ++i) {
    if (s.alle_t) bild.Stift.Farbe = Farbe_nach_Nummer(i);
    weg.Abheben();
    long double t = p.k1;
    for (long n = 0; n < raster.anzahl; ++n) {
      if (raster.gleichmaessig) t = Gleichmaessiger_Wert(p, raster.anzahl, n);
      long double x = 0, y = 0;
      if (punkt(a, b, wert, t, x, y)) {
        weg.Punkt(x, y);
      } else {
        weg.Abheben();
      }
      t += p.dk;
      if ((n + 1) % kFortschritt_alle == 0 && !fortschritt.Weiter(i)) return false;
    }
    if (!fortschritt.Weiter(i + 1)) return false;
    wert += s.dt;
  }
  return true;
}

}  // namespace

TParameterraster Parameterraster(const TParameterbereich& p) {
  long double t = p.k1;
  TParameterraster r;
  // One value more than the cap is counted, so that a range just filling the cap stays exact.
  while (r.anzahl <= kParameterpunkte_hoechstens) {
    const long double neu = t + p.dk;
    // Written so that a NaN bound or step ends the count as well.
    if (!(neu <= p.k2 + 1e-10L)) return r;
    if (!(neu > t)) {
      if (!(p.dk > 0)) return r;
      break;  // a forward step lost beside t is finer than any raster
    }
    t = neu;
    ++r.anzahl;
  }
  r.anzahl = kParameterpunkte_hoechstens;
  r.gleichmaessig = std::isfinite(p.k2 - p.k1);
  return r;
}

long Parameterwerte_Anzahl(const TParameterbereich& p) {
  return Parameterraster(p).anzahl;
}

bool Parameterkurve_zeichnen(TBild& bild, const std::string& x_term, const std::string& y_term,
                             TFarbe farbe, int art, const TParameterbereich& p,
                             const TScharwerte& s) {
  TTerm xt(x_term);
  TTerm yt(y_term);
  return Schar_zeichnen(bild, xt, yt, Parameterpunkt, farbe, art, p, s);
}

bool Polarkurve_zeichnen(TBild& bild, const std::string& r_term, TFarbe farbe, int art,
                         const TParameterbereich& p, const TScharwerte& s) {
  TTerm rt(r_term);
  return Schar_zeichnen(bild, rt, rt, Polarpunkt, farbe, art, p, s);
}
