#include "kos/U_Ansicht.h"

#include <cmath>

#include "engine/KOS.h"
#include "engine/UZeichenzahl.h"
#include "platform/Blattspeicher.h"

namespace {
TZoomzustand& Zoom() {
  return Blatt_Speicher().Teil<TZoomzustand>();
}
}  // namespace

int& Zoomstufe_x = Zoom().Zoomstufe_x;
int& Zoomstufe_y = Zoom().Zoomstufe_y;
int& Zoomgrenze = Zoom().Zoomgrenze;
long double& Zoomfaktor = Zoom().Zoomfaktor;
long double& Ziehfaktor = Zoom().Ziehfaktor;
TPixelpunkt Maus_Anfang;
bool Zoomrahmen_aktiv = false;
TZoomrahmen Zoomrahmen;
bool Maus_links_gedrueckt = false;

void Zoom_Standardwerte() {
  Zoom() = TZoomzustand{};
}

TBereich Bereich_aus_KOS() {
  TBereich b;
  b.xli = KOS.xli;
  b.xre = KOS.xre;
  b.yu = KOS.yu;
  b.yo = KOS.yo;
  b.xscl = KOS.xscl;
  b.yscl = KOS.yscl;
  return b;
}

void Bereich_in_KOS(const TBereich& b) {
  KOS.xli = b.xli;
  KOS.xre = b.xre;
  KOS.yu = b.yu;
  KOS.yo = b.yo;
  KOS.xscl = b.xscl;
  KOS.yscl = b.yscl;
}

TBereich Ursprung_setzen(const TBereich& b, TUrsprung u, int N, int M) {
  const long double w = b.xre - b.xli;
  const long double v = b.yo - b.yu;
  if (N < 1) N = 1;
  if (M < 1) M = 1;
  TBereich r = b;
  const bool x_mitte = u == TUrsprung::Mitte || u == TUrsprung::Quadranten_1_2;
  const bool y_mitte = u == TUrsprung::Mitte || u == TUrsprung::Quadranten_1_4;
  if (x_mitte) {
    r.xli = -w / 2;
    r.xre = w / 2;
  } else {
    r.xli = -w / N;
    r.xre = (N - 1) * w / N;
  }
  if (y_mitte) {
    r.yu = -v / 2;
    r.yo = v / 2;
  } else {
    r.yu = -v / M;
    r.yo = (M - 1) * v / M;
  }
  return r;
}

bool Zoomen(TBereich& b, TZoom z) {
  const bool aus = z == TZoom::Verkleinern || z == TZoom::x_stauchen || z == TZoom::y_stauchen;
  const bool x = z != TZoom::y_stauchen && z != TZoom::y_strecken;
  const bool y = z != TZoom::x_stauchen && z != TZoom::x_strecken;
  // Each axis that changes guards its own counter, although both counters move.
  if (aus) {
    if ((x && Zoomstufe_x >= Zoomgrenze) || (y && Zoomstufe_y >= Zoomgrenze)) return false;
    ++Zoomstufe_x;
    ++Zoomstufe_y;
  } else {
    if ((x && Zoomstufe_x <= -Zoomgrenze) || (y && Zoomstufe_y <= -Zoomgrenze)) return false;
    --Zoomstufe_x;
    --Zoomstufe_y;
  }
  const long double f = aus ? Zoomfaktor : 1 / Zoomfaktor;
  if (x) {
    b.xli *= f;
    b.xre *= f;
    b.xscl *= f;
  }
  if (y) {
    b.yu *= f;
    b.yo *= f;
    b.yscl *= f;
  }
  return true;
}

TBereich Schieben(const TBereich& b, TRichtung r) {
  TBereich n = b;
  switch (r) {
    case TRichtung::Links:
      n.xli -= b.xscl / 2;
      n.xre -= b.xscl / 2;
      break;
    case TRichtung::Rechts:
      n.xli += b.xscl / 2;
      n.xre += b.xscl / 2;
      break;
    case TRichtung::Hoch:
      n.yu += b.yscl / 2;
      n.yo += b.yscl / 2;
      break;
    case TRichtung::Runter:
      n.yu -= b.yscl / 2;
      n.yo -= b.yscl / 2;
      break;
  }
  return n;
}

TBereich Ziehen(const TBereich& b, int x_vorher, int y_vorher, int x, int y) {
  const long double dx = Ziehfaktor * b.xscl * (x_vorher - x);
  const long double dy = Ziehfaktor * b.yscl * (y - y_vorher);
  TBereich n = b;
  n.xli += dx;
  n.xre += dx;
  n.yu += dy;
  n.yo += dy;
  return n;
}

TBildlage Bildlage_berechnen(int N, int M) {
  TBildlage l;
  const int breite = N * KOS.Bildrand_rechts / 16;
  l.links = KOS.Bild_links + (KOS.Bildrand_rechts - breite) / 2;
  l.breite = breite + 1;
  const int hoehe = M * KOS.Bildrand_unten / 16;
  l.oben = KOS.Bild_oben + (KOS.Bildrand_unten - hoehe) / 2;
  l.hoehe = hoehe + 1;
  return l;
}

bool Bildgroesse_aendern(bool groesser, int& n, long double& von, long double& bis) {
  if (groesser ? n >= 16 : n <= 3) return false;
  const long double halb = (bis - von) / n / 2;
  if (groesser) {
    ++n;
    von -= halb;
    bis += halb;
  } else {
    --n;
    von += halb;
    bis -= halb;
  }
  return true;
}

TPixelrechteck Rahmen_ordnen(TPixelpunkt a, TPixelpunkt b) {
  TPixelrechteck r;
  r.links = a.x < b.x ? a.x : b.x;
  r.rechts = a.x < b.x ? b.x : a.x;
  r.oben = a.y < b.y ? a.y : b.y;
  r.unten = a.y < b.y ? b.y : a.y;
  return r;
}

bool Zoomrahmen_Bereich(TPixelpunkt a, TPixelpunkt b, int W, int H, long double& xa,
                        long double& xe, long double& ya, long double& ye) {
  if (a.x == b.x || a.y == b.y || W < 2 || H < 2) return false;
  const TPixelrechteck r = Rahmen_ordnen(a, b);
  const long double sx = (KOS.xre - KOS.xli) / (W - 1);
  const long double sy = (KOS.yo - KOS.yu) / (H - 1);
  xa = r.links * sx + KOS.xli;
  xe = r.rechts * sx + KOS.xli;
  ya = KOS.yo - r.unten * sy;
  ye = KOS.yo - r.oben * sy;
  return true;
}

std::string Gleitkomma_Text(long double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";
  const TZiffernfolge z = Ziffern_zerlegen(x, 15);
  const std::string& ziffern = z.ziffern;
  const int exponent = z.exponent;
  std::string r = z.negativ ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      r += "0," + std::string(static_cast<size_t>(-exponent - 1), '0') + ziffern;
    } else {
      const size_t vorne = static_cast<size_t>(exponent) + 1;
      if (ziffern.size() <= vorne) {
        r += ziffern + std::string(vorne - ziffern.size(), '0');
      } else {
        r += ziffern.substr(0, vorne) + "," + ziffern.substr(vorne);
      }
    }
  } else {
    r += ziffern.substr(0, 1);
    if (ziffern.size() > 1) r += "," + ziffern.substr(1);
    r += "E" + std::to_string(exponent);
  }
  return r;
}

bool Gleitkomma_lesen(const std::string& text, long double& x) {
  std::string t = text;
  for (char& c : t) {
    if (c == ',') c = '.';
  }
  while (!t.empty() && t.front() == ' ')
    t.erase(0, 1);
  while (!t.empty() && t.back() == ' ')
    t.pop_back();
  return Zeichen_zu_Zahl(t, x);
}
