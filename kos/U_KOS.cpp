#include "kos/U_KOS.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/UMatheBasisOp.h"
#include "engine/UZeichenzahl.h"
#include "platform/Blattspeicher.h"

// ---- style state -----------------------------------------------------------------------------

TStil& Stil = Blatt_Speicher().Teil<TStil>();

void Stil_zuruecksetzen() {
  Stil = TStil{};
}

bool TPunkteliste::operator==(const TPunkteliste& b) const {
  const int n = std::clamp(Anzahl, 0, Punkteliste_Groesse);
  return Anzahl == b.Anzahl && std::equal(Punkte.begin(), Punkte.begin() + n, b.Punkte.begin());
}

std::array<TPunkt, Punkteliste_Groesse>& Punkteliste = Blatt_Speicher().Teil<TPunkteliste>().Punkte;
int& Punktanzahl = Blatt_Speicher().Teil<TPunkteliste>().Anzahl;

namespace {

constexpr TFarbe kWeiss = 0xFFFFFF;
constexpr TFarbe kSchwarz = 0x000000;
constexpr TFarbe kFokusfarbe = 0xFFFFD2;
constexpr int kPixelGrenze = 20000;
// Upper bound of steps for one walk along an axis; far beyond what a picture can show.
constexpr long long kSchrittGrenze = 400000;
// Ticks with their numbers are dearer; more than this many per half axis are less than a pixel
// apart and would only blacken the axis.
constexpr long long kStrichGrenze = 4000;

int Pixel_runden(long double p) {
  if (std::isnan(p)) return -kPixelGrenze;
  if (p > kPixelGrenze) return kPixelGrenze;
  if (p < -kPixelGrenze) return -kPixelGrenze;
  // The default rounding mode rounds halves to even; rint keeps it without saving and restoring
  // the floating-point environment on every pixel, as nearbyint does.
  return static_cast<int>(std::rint(p));
}

int Schriftstil(bool fett) {
  return fett ? Schrift_fett : 0;
}

// The odd integer m with d = m * 2^k; 0 when d is not a finite positive number.
unsigned long long Ungerade_Mantisse(long double d) {
  if (!(d > 0) || !std::isfinite(d)) return 0;
  int e = 0;
  const long double f = std::frexp(d, &e);
  auto m = static_cast<unsigned long long>(std::ldexp(f, 64));
  if (m == 0) return 0;
  while ((m & 1u) == 0)
    m >>= 1;
  return static_cast<unsigned long long>(m);
}

// Walks v_0 = start, v_{n+1} = v_n + d (repeated addition, as the grid and tick loops are
// defined) while weiter(v) holds and calls f(n, v) for every value from `ab` on. Values before
// `ab` cannot show; they are skipped without drawing, by whole steps when every partial sum is
// provably exact (d a short binary fraction), so the values reached are the very same. The walk
// is bounded: after kSchrittGrenze steps to reach `ab` it continues by multiplication, and it
// stops when a step no longer changes the value.
template <class Weiter, class F>
void Schrittweise(long double start, long double d, long double ab, Weiter weiter, F f,
                  long long hoechstens = kSchrittGrenze) {
  if (!(d > 0) || !std::isfinite(d) || !std::isfinite(start)) return;
  long double v = start;
  long double n = 0;
  if (v < ab && weiter(v)) {
    const unsigned long long m = Ungerade_Mantisse(d);
    const long double sprung = std::floor((ab - start) / d) - 1;
    // start is 0 or d, so v_n = (n + start/d) * d; exact while that multiple of m fits 64 bits.
    if (m != 0 && sprung > 0 && (sprung + 2) * static_cast<long double>(m) < 1.8e19L) {
      n = sprung;
      v = start + sprung * d;
    }
    long long schritte = 0;
    while (v < ab && weiter(v) && schritte < kSchrittGrenze) {
      const long double w = v + d;
      if (w == v) return;
      v = w;
      n += 1;
      ++schritte;
    }
    if (v < ab && weiter(v)) {
      const long double rest = std::floor((ab - v) / d) - 1;
      if (rest > 0) {
        v += rest * d;
        n += rest;
      }
      schritte = 0;
      while (v < ab && weiter(v) && schritte < 4) {
        v += d;
        n += 1;
        ++schritte;
      }
    }
  }
  long long gezeichnet = 0;
  while (weiter(v) && gezeichnet < hoechstens) {
    f(n, v);
    const long double w = v + d;
    if (w == v) return;
    v = w;
    n += 1;
    ++gezeichnet;
  }
}

// Index of a tick as int; ticks beyond int range cannot be thinned meaningfully anyway.
int Index(long double n) {
  const long double i = n + 1;
  if (i > std::numeric_limits<int>::max() / 2) return std::numeric_limits<int>::max() / 2;
  return static_cast<int>(i);
}

}  // namespace

// ---- styles ------------------------------------------------------------------------------------

int Linienbreite_zu_Linienart(int art) {
  switch (art) {
    case 0:
      return 0;
    case 2:
      return 2;
    case 3:
    case 5:
      return 3;
    default:
      return 1;
  }
}

TStiftstil Linienstil_zu_Linienart(int art) {
  return art == 0 ? TStiftstil::Gepunktet : TStiftstil::Durchgezogen;
}

void Linienart_waehlen(int art) {
  if (art < 0 || art > 5) return;
  Stil.Linienart = art;
  Stil.Linienbreite = Linienbreite_zu_Linienart(art);
  Stil.Linienstil = Linienstil_zu_Linienart(art);
}

int Punkteart_aus_Listenposition(int position) {
  static const int art[5] = {0, 1, 3, 4, 2};
  if (position < 0 || position > 4) return Stil.Punkteart;
  return art[position];
}

int Listenposition_aus_Punkteart(int art) {
  static const int position[5] = {0, 1, 4, 2, 3};
  if (art < 0 || art > 4) return 1;
  return position[art];
}

void Linienstil_setzen(TBild& bild, TFarbe farbe, int art) {
  bild.Stift.Farbe = farbe;
  switch (art) {
    case 0:
      bild.Stift.Stil = TStiftstil::Gepunktet;
      bild.Stift.Breite = 1;
      break;
    case 2:
      bild.Stift.Stil = TStiftstil::Durchgezogen;
      bild.Stift.Breite = 2;
      break;
    case 3:
    case 5:
      bild.Stift.Stil = TStiftstil::Durchgezogen;
      bild.Stift.Breite = 3;
      break;
    default:
      bild.Stift.Stil = TStiftstil::Durchgezogen;
      bild.Stift.Breite = 1;
      break;
  }
}

void Punktsymbol_zeichnen(TBild& bild, int px, int py) {
  const int r = Stil.Punktradius;
  const TFarbe c = Stil.Punktfarbe;
  const TStiftstil voll = TStiftstil::Durchgezogen;
  switch (Stil.Punkteart) {
    case 0:
      Kreis_zeichnen(bild, px, py, r, c, kWeiss, 2, voll, Pinsel_voll);
      break;
    case 1:
      Kreis_zeichnen(bild, px, py, r, c, c, 2, voll, Pinsel_voll);
      break;
    case 2:
      Kreuz_gerade(bild, px, py, r, c, 2, voll);
      break;
    case 3:
      Kreuz_schraeg(bild, px, py, r, c, 2, voll);
      break;
    case 4:
      Quadrat_zeichnen(bild, px, py, r, c, 2, voll);
      break;
    default:
      break;
  }
}

// ---- list samples ------------------------------------------------------------------------------

void Listeneintrag_Hintergrund(TBild& bild, int L, int T, int B, int H, bool fokussiert) {
  Rechteck_zeichnen(bild, L, T, L + B - 1, T + H - 1, kWeiss, kWeiss, 1, TStiftstil::Durchgezogen,
                    Pinsel_voll);
  if (fokussiert) {
    bild.Stift.Stil = TStiftstil::Unsichtbar;
    bild.Pinselfarbe_setzen(kFokusfarbe);
    bild.Pinselstil_setzen(Pinsel_voll);
    bild.Rechteck(L, T, L + B, T + H);
  }
}

void Linienart_Eintrag_zeichnen(TBild& bild, int L, int T, int B, int H, int art, bool fokussiert) {
  Listeneintrag_Hintergrund(bild, L, T, B, H, fokussiert);
  Linienstil_setzen(bild, Stil.Linienfarbe, art);
  if (art == 4 || art == 5) {
    bild.Bewegen_nach(L + 3, T + 7);
    bild.Linie_nach(L + 20, T + 7);
    bild.Pinselfarbe_setzen(Stil.Linienfarbe);
    bild.Pinselstil_setzen(Pinsel_voll);
    bild.Polygon({QPoint(L + 28, T + 7), QPoint(L + 19, T + 4), QPoint(L + 19, T + 10)});
    bild.Pinselstil_setzen(Pinsel_leer);
  } else {
    bild.Bewegen_nach(L + 3, T + 7);
    bild.Linie_nach(L + 30, T + 7);
  }
}

void Fuellmuster_Eintrag_zeichnen(TBild& bild, int L, int T, int B, int H, int muster,
                                  bool fokussiert) {
  Listeneintrag_Hintergrund(bild, L, T, B, H, fokussiert);
  bild.Stift.Farbe = Stil.Linienfarbe;
  bild.Stift.Breite = Stil.Linienbreite;
  bild.Stift.Stil = Stil.Linienstil;
  bild.Pinselfarbe_setzen(Stil.Fuellfarbe);
  bild.Pinselstil_setzen(muster);
  bild.Rechteck(L + 3, T + 1, L + 29, T + 13);
}

void Punkteart_Eintrag_zeichnen(TBild& bild, int L, int T, int B, int H, int position,
                                bool fokussiert) {
  Listeneintrag_Hintergrund(bild, L, T, B, H, fokussiert);
  const TFarbe c = Stil.Punktfarbe;
  const int a = Stil.Punktradius;
  bild.Stift.Farbe = c;
  bild.Stift.Breite = 2;
  bild.Stift.Stil = TStiftstil::Durchgezogen;
  bild.Pinselfarbe_setzen(c);
  bild.Pinselstil_setzen(position == 0 || position == 3 ? Pinsel_leer : Pinsel_voll);
  const int x = L + 10, y = T + 7;
  if (a == 0) {
    bild.Pixel_setzen(x, y, c);
    return;
  }
  if (a == 1) {
    bild.Pixel_setzen(x, y, c);
    bild.Pixel_setzen(x - 1, y, c);
    bild.Pixel_setzen(x + 1, y, c);
    bild.Pixel_setzen(x, y - 1, c);
    bild.Pixel_setzen(x, y + 1, c);
    return;
  }
  switch (position) {
    case 0:
    case 1:
      bild.Ellipse(x - a, y - a, x + a, y + a);
      break;
    case 2:
      bild.Bewegen_nach(x - a, y - a);
      bild.Linie_nach(x + a, y + a);
      bild.Bewegen_nach(x + a, y - a);
      bild.Linie_nach(x - a, y + a);
      break;
    case 3:
      bild.Rechteck(x + 1 - a, y - a, x + 1 + a, y + a);
      break;
    case 4:
      bild.Bewegen_nach(x + 1, y - a);
      bild.Linie_nach(x + 1, y + a);
      bild.Bewegen_nach(x - a, y + 1);
      bild.Linie_nach(x + 1 + a, y + 1);
      break;
    default:
      break;
  }
}

// ---- swatches
// ------------------------------------------------------------------------------------

void Image_loeschen(TBild& bild) {
  Bild_fuellen(bild, kWeiss, kWeiss, 1);
}

int Image_neu_zeichnen(TBild& bild, bool ist_Punktverbindung) {
  if (!ist_Punktverbindung) {
    if (Stil.Linienart == 4) Stil.Linienart = 1;
    if (Stil.Linienart == 5) Stil.Linienart = 3;
  }
  Linienstil_setzen(bild, Stil.Linienfarbe, Stil.Linienart);
  bild.Bewegen_nach(3, 5);
  bild.Linie_nach(26, 5);
  if (Stil.Linienart == 4 || Stil.Linienart == 5) {
    bild.Pinselfarbe_setzen(Stil.Linienfarbe);
    bild.Pinselstil_setzen(Pinsel_voll);
    bild.Polygon({QPoint(26, 5), QPoint(19, 2), QPoint(19, 8)});
    bild.Pinselstil_setzen(Pinsel_leer);
  }
  return Stil.Linienart;
}

// ---- mapping
// -------------------------------------------------------------------------------------

int x_zu_Pixel(const TBild& bild, long double x) {
  return Pixel_runden((x - KOS.xli) / (KOS.xre - KOS.xli) * (bild.Breite() - 1));
}

int y_zu_Pixel(const TBild& bild, long double y) {
  return Pixel_runden((KOS.yo - y) / (KOS.yo - KOS.yu) * (bild.Hoehe() - 1));
}

long double Pixel_zu_x(const TBild& bild, long double px) {
  return px * (KOS.xre - KOS.xli) / (bild.Breite() - 1) + KOS.xli;
}

long double Pixel_zu_y(const TBild& bild, long double py) {
  return KOS.yo - py * (KOS.yo - KOS.yu) / (bild.Hoehe() - 1);
}

long double Lage_yAchse() {
  if (KOS.xli < 0 && 0 < KOS.xre) return 0;
  const long double cm = (KOS.xre - KOS.xli) / std::max(1, KOS.Bildbreite_cm);
  return KOS.xli >= 0 ? KOS.xli + cm : KOS.xre - cm;
}

long double Lage_xAchse() {
  if (KOS.yu < 0 && 0 < KOS.yo) return 0;
  const long double cm = (KOS.yo - KOS.yu) / std::max(1, KOS.Bildtiefe_cm);
  return KOS.yu >= 0 ? KOS.yu + cm : KOS.yo - cm;
}

// ---- grid
// ------------------------------------------------------------------------------------------

void Raster_zeichnen(TBild& bild, int breite, long double dx, long double dy) {
  const TFarbe farbe = KOS.Rasterfarbe;
  const TStiftstil stil = KOS.Raster_Linienstil;
  const int W = bild.Breite(), H = bild.Hoehe();
  const int rand = std::max(breite, 1) + 2;  // a wide pen shows beside its column
  const bool klein = W < 2 || H < 2;
  const long double inf = std::numeric_limits<long double>::infinity();
  // World positions beyond which a line cannot reach the picture.
  const long double x_links = klein ? -inf : Pixel_zu_x(bild, -rand - 2);
  const long double x_rechts = klein ? inf : Pixel_zu_x(bild, W - 1 + rand + 2);
  const long double y_unten = klein ? -inf : Pixel_zu_y(bild, H - 1 + rand + 2);
  const long double y_oben = klein ? inf : Pixel_zu_y(bild, -rand - 2);

  // Redrawing the same column or row again changes no pixel, so it is left out.
  int letzte = std::numeric_limits<int>::min();
  auto senkrecht = [&](long double, long double x) {
    const int C = x_zu_Pixel(bild, x);
    if (C == letzte || C < -rand || C > W - 1 + rand) return;
    letzte = C;
    Linie_zeichnen(bild, C, 0, C, KOS.Bildrand_unten, farbe, breite, stil);
  };
  // Lines at most half a pixel apart hit every column and row of the view; drawing each once
  // gives the same picture without walking through millions of values.
  const bool x_dicht = !klein && dx > 0 && dx * (W - 1) / (KOS.xre - KOS.xli) <= 0.5L;
  const bool y_dicht = !klein && dy > 0 && dy * (H - 1) / (KOS.yo - KOS.yu) <= 0.5L;
  if (x_dicht) {
    for (int C = 0; C < W; ++C)
      Linie_zeichnen(bild, C, 0, C, KOS.Bildrand_unten, farbe, breite, stil);
  } else {
    Schrittweise(
        0, dx, x_links, [&](long double x) { return x < KOS.xre; }, senkrecht);
    letzte = std::numeric_limits<int>::min();
    Schrittweise(
        0, dx, -x_rechts, [&](long double u) { return -u > KOS.xli; },
        [&](long double n, long double u) { senkrecht(n, -u); });
  }

  letzte = std::numeric_limits<int>::min();
  auto waagrecht = [&](long double, long double y) {
    const int R = y_zu_Pixel(bild, y);
    if (R == letzte || R < -rand || R > H - 1 + rand) return;
    letzte = R;
    Linie_zeichnen(bild, 0, R, KOS.Bildrand_rechts, R, farbe, breite, stil);
  };
  if (y_dicht) {
    for (int R = 0; R < H; ++R)
      Linie_zeichnen(bild, 0, R, KOS.Bildrand_rechts, R, farbe, breite, stil);
  } else {
    Schrittweise(
        0, dy, y_unten, [&](long double y) { return y < KOS.yo; }, waagrecht);
    letzte = std::numeric_limits<int>::min();
    Schrittweise(
        0, dy, -y_oben, [&](long double u) { return -u > KOS.yu; },
        [&](long double n, long double u) { waagrecht(n, -u); });
  }
  bild.Pinselstil_setzen(Pinsel_leer);
}

// ---- numbers at the axes -----------------------------------------------------------------------

int Allgemeine_Textlaenge(long double x) {
  if (x == 0) return 1;
  if (!std::isfinite(x)) return 3;
  const TZiffernfolge z = Ziffern_zerlegen(x, 15);
  const bool negativ = z.negativ;
  const std::string& ziffern = z.ziffern;
  const int e = z.exponent;
  const int k = static_cast<int>(ziffern.size());
  const int vz = negativ ? 1 : 0;
  if (e < -4 || e >= 15) {
    const int exp_ziffern = static_cast<int>(std::to_string(std::abs(e)).size());
    return vz + k + (k > 1 ? 1 : 0) + 1 + (e < 0 ? 1 : 0) + exp_ziffern;
  }
  if (e >= 0) {
    const int nachkomma = std::max(0, k - (e + 1));
    return vz + (e + 1) + (nachkomma > 0 ? 1 + nachkomma : 0);
  }
  return vz + 2 + (-e - 1) + k;
}

void Achsenzahl_schreiben(TBild& bild, bool ist_x, int i, long double v, int C, int R) {
  const long double s = ist_x ? KOS.xscl : KOS.yscl;
  const int stil = Schriftstil(KOS.Zahlen_fett);
  if (s >= 1e-6L && s < 1e7L) {
    const int E = Allgemeine_Textlaenge(-7 * s) * bild.Textbreite("8");
    const bool schreiben = E <= 35 || (E >= 36 && E <= 80 && i % 2 == 0) ||
                           (E >= 81 && E <= 120 && i % 3 == 0) || (E > 120 && i % 4 == 0);
    if (!schreiben) return;
    const std::string T =
        Zahl_zu_Text(false, Zahlformat.Gesamtstellen, Zahlformat.Nachkommastellen, v);
    const int tw = bild.Textbreite(T);
    const int th = bild.Texthoehe(T);
    if (ist_x) {
      Text_schreiben(bild, C - tw / 2, R + 5, T, "Arial", KOS.Zahlenhoehe, Pinsel_voll, stil,
                     kSchwarz);
    } else {
      Text_schreiben(bild, C - 5 - tw, R - th / 2, T, "Arial", KOS.Zahlenhoehe, Pinsel_voll, stil,
                     kSchwarz);
    }
    return;
  }
  if (i % 2 == 0) return;
  int e = 0;
  const long double m = Mantisse_Exponent(v, e);
  std::string M = Festkomma_Zeichen(m, 1);
  std::replace(M.begin(), M.end(), '.', ',');
  const std::string N = std::to_string(e);
  const std::string P = M + "*10" + N;
  // Measured in the font the mantissa is written with.
  bild.Schrift.Name = ist_x ? "Symbol" : "symbol";
  bild.Schrift.Groesse = KOS.Zahlenhoehe - 1;
  bild.Schrift.fett = KOS.Zahlen_fett;
  bild.Schrift.kursiv = bild.Schrift.unterstrichen = bild.Schrift.durchgestrichen = false;
  const int pw = bild.Textbreite(P);
  const int ph = bild.Texthoehe(P);
  int x = 0, y = 0;
  if (ist_x) {
    const int d = v >= 0 ? 0 : 3;
    x = C - d - pw / 2;
    y = R + 8;
  } else {
    const int d = v >= 0 ? 7 : 10;
    x = C - d - pw;
    y = R - ph / 2;
  }
  const std::string name = ist_x ? "Symbol" : "symbol";
  Text_schreiben(bild, x, y, M + "\u00D7" + "10", name, KOS.Zahlenhoehe - 1, Pinsel_voll, stil,
                 kSchwarz);
  Text_schreiben(bild, bild.Stiftposition().x(), y - 2, N, name, KOS.Zahlenhoehe - 3, Pinsel_voll,
                 stil, kSchwarz);
}

void Skala_zeichnen(TBild& bild, bool mit_Zahlen, long double sx, long double sy, long double X0,
                    long double Y0) {
  const int stil = Schriftstil(KOS.Zahlen_fett);
  // Selects the number font on the canvas; the label measurements rely on it.
  Text_schreiben(bild, 9999, 9999, " ", "Arial", KOS.Zahlenhoehe, Pinsel_voll, stil, kSchwarz);
  const int W = bild.Breite(), H = bild.Hoehe();
  // A label reaches at most this far from its tick.
  const int rand = 700;
  const bool klein = W < 2 || H < 2;
  const long double inf = std::numeric_limits<long double>::infinity();

  if (KOS.xAchse_zeigen) {
    const int R = y_zu_Pixel(bild, Y0);
    const long double x_links = klein ? -inf : Pixel_zu_x(bild, -rand);
    const long double x_rechts = klein ? inf : Pixel_zu_x(bild, W - 1 + rand);
    auto strich = [&](long double n, long double x) {
      const int C = x_zu_Pixel(bild, x);
      if (C < -rand || C > W - 1 + rand) return;
      Linie_zeichnen(bild, C, R - 3, C, R + 3, kSchwarz, KOS.Strichbreite,
                     TStiftstil::Durchgezogen);
      if (mit_Zahlen) Achsenzahl_schreiben(bild, true, Index(n), x, C, R);
    };
    Schrittweise(
        sx, sx, -x_rechts, [&](long double u) { return -u > KOS.xli; },
        [&](long double n, long double u) { strich(n, -u); }, kStrichGrenze);
    // The last tick stays clear of the arrow head at the picture's own right edge.
    const long double grenze = Pixel_zu_x(bild, (W - 1) - KOS.Pfeillaenge + 1);
    Schrittweise(
        KOS.yAchse_zeigen ? sx : 0, sx, x_links, [&](long double x) { return x < grenze; }, strich,
        kStrichGrenze);
  }
  if (KOS.yAchse_zeigen) {
    const int C = x_zu_Pixel(bild, X0);
    const long double y_unten = klein ? -inf : Pixel_zu_y(bild, H - 1 + rand);
    const long double y_oben = klein ? inf : Pixel_zu_y(bild, -rand);
    auto strich = [&](long double n, long double y) {
      const int R = y_zu_Pixel(bild, y);
      if (R < -rand || R > H - 1 + rand) return;
      Linie_zeichnen(bild, C - 3, R, C + 3, R, kSchwarz, KOS.Strichbreite,
                     TStiftstil::Durchgezogen);
      if (mit_Zahlen) Achsenzahl_schreiben(bild, false, Index(n), y, C, R);
    };
    Schrittweise(
        sy, sy, -y_oben, [&](long double u) { return -u > KOS.yu; },
        [&](long double n, long double u) { strich(n, -u); }, kStrichGrenze);
    const long double grenze = Pixel_zu_y(bild, KOS.Pfeillaenge);
    Schrittweise(
        KOS.xAchse_zeigen ? sy : 0, sy, y_unten, [&](long double y) { return y < grenze; }, strich,
        kStrichGrenze);
  }
}

// ---- captions and the whole system ------------------------------------------------------------

namespace {

void Beschriftungsschrift_waehlen(TBild& bild) {
  bild.Schrift.Name = KOS.Beschriftung_Schrift;
  bild.Schrift.Groesse = KOS.Beschriftung_Groesse;
  bild.Schrift.fett = KOS.Beschriftung_fett;
  bild.Schrift.kursiv = bild.Schrift.unterstrichen = bild.Schrift.durchgestrichen = false;
}

// The coarse grid is the grid colour darkened by 0x20 per channel.
TFarbe Grobrasterfarbe(TFarbe f) {
  TFarbe r = 0;
  for (int k = 0; k < 3; ++k) {
    const int kanal = static_cast<int>((f >> (8 * k)) & 0xFFu);
    r |= static_cast<TFarbe>(std::max(0, kanal - 0x20)) << (8 * k);
  }
  return r;
}

}  // namespace

void xAchse_beschriften(TBild& bild, const std::string& text, long double Y0, long double xre) {
  Beschriftungsschrift_waehlen(bild);
  const int w = bild.Textbreite(text + "A");
  Text_schreiben(bild, x_zu_Pixel(bild, xre) - w, y_zu_Pixel(bild, Y0) - 24, text,
                 KOS.Beschriftung_Schrift, KOS.Beschriftung_Groesse, Pinsel_voll,
                 Schriftstil(KOS.Beschriftung_fett), kSchwarz);
}

void yAchse_beschriften(TBild& bild, const std::string& text, long double X0) {
  Text_schreiben(bild, x_zu_Pixel(bild, X0) + 9, 2, text, KOS.Beschriftung_Schrift,
                 KOS.Beschriftung_Groesse, Pinsel_voll, Schriftstil(KOS.Beschriftung_fett),
                 kSchwarz);
}

void KOS_zeichnen(TBild& bild) {
  Bild_fuellen(bild, kWeiss, kWeiss, 1);
  const int W = bild.Breite(), H = bild.Hoehe();
  if (KOS.Raster_an) {
    const int teilung = std::max(1, KOS.Rasterteilung);
    Raster_zeichnen(bild, 1, KOS.xscl / teilung, KOS.yscl / teilung);
    Rechteck_zeichnen(bild, 0, 0, W - 1, H - 1, KOS.Rasterfarbe, kWeiss, 1, KOS.Raster_Linienstil,
                      Pinsel_leer);
    if (KOS.Grobraster) {
      const TFarbe farbe = KOS.Rasterfarbe;
      const TStiftstil stil = KOS.Raster_Linienstil;
      KOS.Rasterfarbe = Grobrasterfarbe(farbe);
      KOS.Raster_Linienstil = TStiftstil::Durchgezogen;
      Raster_zeichnen(bild, 1, KOS.xscl, KOS.yscl);
      KOS.Rasterfarbe = farbe;
      KOS.Raster_Linienstil = stil;
    }
  }
  const long double X0 = Lage_yAchse();
  const long double Y0 = Lage_xAchse();
  if (KOS.xAchse_zeigen) {
    Pfeil_waagrecht(bild, x_zu_Pixel(bild, KOS.xli), x_zu_Pixel(bild, KOS.xre),
                    y_zu_Pixel(bild, Y0), kSchwarz, KOS.Achsenbreite, TStiftstil::Durchgezogen,
                    Pinsel_voll, KOS.Pfeillaenge, KOS.Pfeilbreite);
    xAchse_beschriften(bild, KOS.xBeschriftung, Y0, KOS.xre);
  }
  if (KOS.yAchse_zeigen) {
    Pfeil_senkrecht(bild, x_zu_Pixel(bild, X0), y_zu_Pixel(bild, KOS.yu), y_zu_Pixel(bild, KOS.yo),
                    kSchwarz, KOS.Achsenbreite, TStiftstil::Durchgezogen, Pinsel_voll,
                    KOS.Pfeillaenge, KOS.Pfeilbreite);
    yAchse_beschriften(bild, KOS.yBeschriftung, X0);
  }
  if (KOS.Skala_zeigen) Skala_zeichnen(bild, KOS.Zahlen_zeigen, KOS.xscl, KOS.yscl, X0, Y0);
}

// ---- point list
// ----------------------------------------------------------------------------------

void Punkte_zeichnen(TBild& bild) {
  const int anzahl = std::min(Punktanzahl, Punkteliste_Groesse);
  if (anzahl < 1) return;  // an empty list has no first point to draw
  int px = x_zu_Pixel(bild, Punkteliste[0].x);
  int py = y_zu_Pixel(bild, Punkteliste[0].y);
  Punktsymbol_zeichnen(bild, px, py);
  for (int i = 1; i < anzahl; ++i) {
    const int qx = x_zu_Pixel(bild, Punkteliste[i].x);
    const int qy = y_zu_Pixel(bild, Punkteliste[i].y);
    Punktsymbol_zeichnen(bild, qx, qy);
    if (Stil.Punkte_verbinden) {
      Linienstil_setzen(bild, Stil.Verbindungsfarbe, Stil.Verbindungsart);
      if (Stil.Verbindungsart < 4) {
        Linie_zeichnen(bild, px, py, qx, qy, Stil.Verbindungsfarbe, bild.Stift.Breite,
                       bild.Stift.Stil);
      } else {
        Pfeil_zeichnen(bild, px, py, qx, qy, Stil.Verbindungsfarbe, bild.Stift.Breite,
                       Stil.Verbindungsfarbe, bild.Stift.Stil, Pinsel_voll, 15, 4);
      }
    }
    px = qx;
    py = qy;
  }
}
