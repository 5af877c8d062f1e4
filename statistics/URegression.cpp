#include "statistics/URegression.h"

#include <algorithm>
#include <cmath>

#include "analysis/UMatrizen.h"
#include "kos/U_Ansicht.h"

namespace {

// Sums below this count as zero: the x (or y) values do not spread.
constexpr long double kNull = 1E-10L;
constexpr TFarbe kBlau = 0xFF0000;  // colours are 0xBBGGRR
constexpr TFarbe kGruen = 0x008000;

bool endlich(long double x) {
  return std::isfinite(x);
}

int Gueltige_Anzahl(const std::vector<TPunkt>& p, int n) {
  return std::clamp(n, 0, static_cast<int>(p.size()));
}

// Sums of products about the point (x0, y0).
struct TSummen {
  long double xx = 0, xy = 0, yy = 0;
};

TSummen Summen_um(const std::vector<TPunkt>& p, int n, long double x0, long double y0) {
  TSummen s;
  for (int i = 0; i < n; ++i) {
    const long double dx = p[i].x - x0, dy = p[i].y - y0;
    s.xx += dx * dx;
    s.xy += dx * dy;
    s.yy += dy * dy;
  }
  return s;
}

long double Mittelwert_x(const std::vector<TPunkt>& p, int n) {
  long double s = 0;
  for (int i = 0; i < n; ++i)
    s += p[i].x;
  return s / n;
}

long double Mittelwert_y(const std::vector<TPunkt>& p, int n) {
  long double s = 0;
  for (int i = 0; i < n; ++i)
    s += p[i].y;
  return s / n;
}

int Verschiedene_x(const std::vector<TPunkt>& p, int n) {
  std::vector<long double> x;
  for (int i = 0; i < n; ++i)
    x.push_back(p[i].x);
  std::sort(x.begin(), x.end());
  return static_cast<int>(std::unique(x.begin(), x.end()) - x.begin());
}

long double Binomial(int n, int k) {
  long double b = 1;
  for (int i = 1; i <= k; ++i)
    b = b * (n - k + i) / i;
  return b;
}

// Coefficients of x^k from those of u^j with u = (x - mu) / s.
std::vector<long double> Zurueck_in_x(const std::vector<long double>& d, int grad, long double mu,
                                      long double s) {
  std::vector<long double> c(kKoeffizienten, 0.0L);
  for (int j = 0; j <= grad; ++j) {
    const long double dj = d[j] / std::pow(s, static_cast<long double>(j));
    for (int k = 0; k <= j; ++k)
      c[k] += dj * Binomial(j, k) * std::pow(-mu, static_cast<long double>(j - k));
  }
  return c;
}

std::string Korrelationstext(const char* kopf, bool definiert, long double r,
                             const TZahlformat& f) {
  return std::string(kopf) + (definiert ? "r=" + Koeffizient_Text(r, f) : "r nicht definiert !");
}

// A polynomial whose coefficients are all zero is the constant 0, not an empty term.
std::string Polynomtext(const std::vector<long double>& c, int d, const TZahlformat& f) {
  const std::string t =
      Polynom_zu_Text(c, d, f.Fixkomma, f.Gesamtstellen, f.Nachkommastellen, f.Bruchdarstellung);
  return t.empty() ? "0" : t;
}

const char* const kZuGross = "Fehler ! Die Werte sind zu groß für dieses Modell";

TRegressionsergebnis Nur_Meldung(const std::string& text) {
  TRegressionsergebnis e;
  e.meldung = text;
  return e;
}

// The two lines as equations for the message ("y=..." or "x=...").
struct TGleichungen {
  std::string erste, zweite;
};

TGleichungen Geraden_eintragen(const TGeradenanpassung& g, bool zweite, const TZahlformat& f,
                               TRegressionsergebnis& e) {
  const std::string t1 = Polynomtext({g.b, g.m}, 1, f);
  const std::string t2 = Polynomtext({g.b2, g.m2}, 1, f);
  e.zeichnungen.push_back({false, t1, kBlau});
  e.felder.push_back({"Edit_fSchar", t1});
  if (zweite) {
    e.zeichnungen.push_back({false, t2, kGruen});
    e.felder.push_back({"Edit_gSchar", t2});
  }
  return {"y=" + t1, "y=" + t2};
}

// Without a line y = m·x + b (all x equal, or no trend) the vertical and the horizontal line
// through the centre stand in; the centre is written in full.
void Ersatzgeraden_eintragen(const TGeradenanpassung& g, TRegressionsergebnis& e,
                             TGleichungen& gl) {
  const std::string x0 = Gleitkomma_Text(g.x0), y0 = Gleitkomma_Text(g.y0);
  if (g.fall == TGeradenfall::m_unendlich) {
    e.zeichnungen.push_back({true, x0, kBlau});
    e.zeichnungen.push_back({false, y0, kGruen});
    e.felder.push_back({"Edit_gSchar", y0});
    gl = {"x=" + x0, "y=" + y0};
  } else {
    e.zeichnungen.push_back({false, y0, kBlau});
    e.felder.push_back({"Edit_fSchar", y0});
    e.zeichnungen.push_back({true, x0, kGruen});
    gl = {"y=" + y0, "x=" + x0};
  }
}

TRegressionsergebnis Geraden_zeigen(const std::vector<TPunkt>& p, int n, int modell, bool zweite,
                                    const TZahlformat& f) {
  const TGeradenanpassung g = Gerade_anpassen(p, n, modell == Modell_Ursprungsgerade);
  if (g.fall == TGeradenfall::zu_gross || !endlich(g.m) || !endlich(g.b) || !endlich(g.x0) ||
      !endlich(g.y0))
    return Nur_Meldung(kZuGross);
  TRegressionsergebnis e;
  TGleichungen gl;
  if (g.fall == TGeradenfall::bestimmt)
    gl = Geraden_eintragen(g, zweite, f, e);
  else
    Ersatzgeraden_eintragen(g, e, gl);
  const std::string r_text = Korrelationstext("Korrelation:   ", g.r_definiert, g.r, f);
  e.felder.push_back({"Edit_hSchar", r_text});
  const std::string zeile2 = zweite ? "2.Gerade:  " + gl.zweite : "";
  e.meldung = "Lineare Regression:\r\r1.Gerade:  " + gl.erste + "\r\r" + zeile2 + "\r\r" + r_text;
  return e;
}

std::string Polynomtitel(int d) {
  if (d == 2) return "Quadratische";
  if (d == 3) return "Kubische";
  return "Polynom(" + std::to_string(d) + ".Grades) -";
}

// Coefficients that change no y of the data range by more than rounding are rounding: on data
// lying exactly on x³ they would otherwise show as "+1,6E-18x²".
void Rundungsreste_streichen(std::vector<long double>& c, int d, const std::vector<TPunkt>& p,
                             int n) {
  long double x_max = 0, y_max = 0;
  for (int i = 0; i < n; ++i) {
    x_max = std::max(x_max, std::abs(p[i].x));
    y_max = std::max(y_max, std::abs(p[i].y));
  }
  for (int k = 0; k <= d; ++k)
    if (std::abs(c[k]) * std::pow(x_max, static_cast<long double>(k)) < 1E-15L * y_max) c[k] = 0;
}

TRegressionsergebnis Polynom_zeigen(const std::vector<TPunkt>& p, int n, int d,
                                    const TZahlformat& f) {
  std::string fehler;
  bool ok = false;
  std::vector<long double> c = Polynom_anpassen(p, n, d, fehler, ok);
  if (!ok) return Nur_Meldung(fehler);
  bool r_ok = false;
  const long double r = Polynom_Korrelation(p, n, c, d, r_ok);
  for (int k = 0; k <= d; ++k)
    if (!endlich(c[k])) return Nur_Meldung(kZuGross);
  Rundungsreste_streichen(c, d, p, n);
  TRegressionsergebnis e;
  const std::string text = Polynomtext(c, d, f);
  const std::string r_text = Korrelationstext("Korrel:   ", r_ok, r, f);
  e.felder.push_back({"Edit_gSchar", text});
  e.zeichnungen.push_back({false, text, kBlau});
  e.felder.push_back({"Edit_hSchar", r_text});
  e.meldung = Polynomtitel(d) + " Regression:\r\n\nf(x)=" + text + "\r\n\n" + r_text;
  return e;
}

const char* Modellkopf(int modell) {
  switch (modell) {
    case Modell_Exponentiell:
      return "Exponentielle Regression:\r\n\nf(x)=";
    case Modell_Logarithmisch:
      return "Logarithmische Regression:\r\n\nf(x)=";
    case Modell_Potenz:
      return "Potenzielle Regression:\r\n\nf(x)=";
    default:
      return "Gebrochenrationale Regression:\r\n\nf(x)=";
  }
}

TRegressionsergebnis Modell_zeigen(const std::vector<TPunkt>& p, int n, int modell,
                                   const TZahlformat& f) {
  const TModellanpassung m = Modell_anpassen(p, n, modell);
  if (!m.ok) return Nur_Meldung(m.fehler);
  TRegressionsergebnis e;
  const std::string term = Modellterm(modell, m, f);
  const std::string r_text = Korrelationstext("Korrel:   ", m.r_definiert, m.r, f);
  e.felder.push_back({modell == Modell_Gebrochen ? "Edit_fSchar" : "Edit_gSchar", term});
  e.zeichnungen.push_back({false, term, kBlau});
  e.felder.push_back({"Edit_hSchar", r_text});
  e.meldung = Modellkopf(modell) + term + "\r\n\n" + r_text;
  return e;
}

// ---- the linearised models -------------------------------------------------------------------

bool keiner_positiv(const std::vector<TPunkt>& q, long double TPunkt::*w) {
  return std::none_of(q.begin(), q.end(), [w](const TPunkt& p) { return p.*w > 0; });
}

void negieren(std::vector<TPunkt>& q, long double TPunkt::*w) {
  for (TPunkt& p : q)
    p.*w = -(p.*w);
}

// Logarithm of every value; false at the first value that has none.
bool logarithmieren(std::vector<TPunkt>& q, long double TPunkt::*w) {
  for (TPunkt& p : q) {
    if (!(p.*w > 0)) return false;
    p.*w = std::log(p.*w);
  }
  return true;
}

bool Kehrwert(std::vector<TPunkt>& q, long double TPunkt::*w) {
  for (TPunkt& p : q) {
    if (p.*w == 0) return false;
    p.*w = 1 / (p.*w);
    if (!endlich(p.*w)) return false;
  }
  return true;
}

const char* Modellfehler(int modell) {
  switch (modell) {
    case Modell_Exponentiell:
      return "Fehler ! Negative y-Werte";
    case Modell_Logarithmisch:
      return "Fehler ! Negative x-Werte";
    case Modell_Potenz:
      return "Fehler ! Negative x- bzw. y-Werte";
    case Modell_Reziprok:
      return "Fehler ! y=0 nicht erlaubt";
    default:
      return "Fehler ! x=0 bzw. y=0 nicht erlaubt";
  }
}

// Transforms the points so that the model becomes a line; false when a value has no image.
bool Transformieren(std::vector<TPunkt>& q, int modell, bool& x_negiert, bool& y_negiert) {
  const bool mit_ln_x = modell == Modell_Logarithmisch || modell == Modell_Potenz;
  const bool mit_ln_y = modell == Modell_Exponentiell || modell == Modell_Potenz;
  if (mit_ln_x && keiner_positiv(q, &TPunkt::x)) {
    negieren(q, &TPunkt::x);
    x_negiert = true;
  }
  if (mit_ln_y && keiner_positiv(q, &TPunkt::y)) {
    negieren(q, &TPunkt::y);
    y_negiert = true;
  }
  if (mit_ln_x && !logarithmieren(q, &TPunkt::x)) return false;
  if (mit_ln_y && !logarithmieren(q, &TPunkt::y)) return false;
  if (modell == Modell_Gebrochen && !Kehrwert(q, &TPunkt::x)) return false;
  if (modell == Modell_Reziprok || modell == Modell_Gebrochen) return Kehrwert(q, &TPunkt::y);
  return true;
}

}  // namespace

std::string Mindestanzahl_Meldung(int modell, int n) {
  int mindestens = 2;
  if (modell >= Modell_Grad2 && modell <= Modell_Grad5) mindestens = modell + 1;
  // The power model asks for two points before it asks for its third.
  if (modell == Modell_Potenz && n >= 2) mindestens = 3;
  if (n >= mindestens) return "";
  return "Mindestens " + std::to_string(mindestens) + " Punkte erforderlich !";
}

TGeradenanpassung Gerade_anpassen(const std::vector<TPunkt>& p, int n, bool durch_Ursprung) {
  TGeradenanpassung g;
  n = Gueltige_Anzahl(p, n);
  if (n < 1) {
    g.fall = TGeradenfall::m_unendlich;
    return g;
  }
  if (!durch_Ursprung) {
    g.x0 = Mittelwert_x(p, n);
    g.y0 = Mittelwert_y(p, n);
  }
  const TSummen s = Summen_um(p, n, g.x0, g.y0);
  if (!endlich(s.xx) || !endlich(s.yy) || !endlich(s.xy)) {
    g.fall = TGeradenfall::zu_gross;
    return g;
  }
  if (std::abs(s.xx) < kNull) {
    g.fall = TGeradenfall::m_unendlich;
    return g;
  }
  g.r_definiert = s.yy >= kNull;
  if (g.r_definiert) g.r = s.xy / std::sqrt(s.xx * s.yy);
  g.m = s.xy / s.xx;
  g.b = g.y0 - g.m * g.x0;
  if (std::abs(s.xy) < kNull) {
    g.fall = TGeradenfall::m2_unendlich;
    return g;
  }
  g.m2 = s.yy / s.xy;
  g.b2 = g.y0 - g.m2 * g.x0;
  return g;
}

std::vector<long double> Polynom_anpassen(const std::vector<TPunkt>& p, int n, int d,
                                          std::string& fehler, bool& ok) {
  ok = false;
  std::vector<long double> c(kKoeffizienten, 0.0L);
  n = Gueltige_Anzahl(p, n);
  if (d < 1 || d + 2 > kMatrix_Spalten || n < 1) return c;
  if (Verschiedene_x(p, n) <= d) {
    fehler = "Fehler ! Für ein Polynom " + std::to_string(d) + ". Grades sind mindestens " +
             std::to_string(d + 1) + " verschiedene x-Werte nötig";
    return c;
  }
  // The normal equations are solved in u = (x - mu) / s, which lies in [-1; 1]: in x itself
  // their powers up to x^(2d) (years, or tiny measured values) would drown the system in
  // rounding or fall below the pivot tolerance.
  const long double mu = Mittelwert_x(p, n);
  long double s = 0;
  for (int i = 0; i < n; ++i)
    s = std::max(s, std::abs(p[i].x - mu));
  std::vector<long double> potenzsumme(2 * d + 1, 0.0L), momente(d + 1, 0.0L);
  for (int i = 0; i < n; ++i) {
    const long double u = (p[i].x - mu) / s;
    long double up = 1;
    for (int k = 0; k <= 2 * d; ++k) {
      potenzsumme[k] += up;
      if (k <= d) momente[k] += up * p[i].y;
      up *= u;
    }
  }
  // Row e, column g (from 1): column g belongs to the power d - g + 1.
  TMatrix A;
  for (int e = 1; e <= d + 1; ++e) {
    for (int g = 1; g <= d + 1; ++g)
      A(e, g) = potenzsumme[2 * d - e - g + 2];
    A(e, d + 2) = momente[d - e + 1];
  }
  Zeilenstufenform(A, d + 1, d + 2);
  std::vector<long double> in_u(d + 1);
  for (int k = 0; k <= d; ++k)
    in_u[k] = A(d + 1 - k, d + 2);
  ok = true;
  return Zurueck_in_x(in_u, d, mu, s);
}

long double Polynom_Korrelation(const std::vector<TPunkt>& p, int n,
                                const std::vector<long double>& c, int d, bool& ok) {
  ok = false;
  n = Gueltige_Anzahl(p, n);
  if (n < 1 || d < 0 || d >= static_cast<int>(c.size())) return 0;
  const long double y_mittel = Mittelwert_y(p, n);
  long double ssr = 0, sst = 0;
  bool streuen = false;  // an exact test: the mean of equal values need not equal them
  for (int i = 0; i < n; ++i) {
    long double y_dach = 0;
    for (int k = d; k >= 0; --k)
      y_dach = y_dach * p[i].x + c[k];
    ssr += (y_dach - y_mittel) * (y_dach - y_mittel);
    sst += (p[i].y - y_mittel) * (p[i].y - y_mittel);
    streuen = streuen || p[i].y != p[0].y;
  }
  if (!streuen || sst == 0) return 0;
  ok = true;
  // The explained part never exceeds the whole; rounding must not make r larger than 1.
  return std::min(std::sqrt(ssr / sst), 1.0L);
}

TModellanpassung Modell_anpassen(const std::vector<TPunkt>& p, int n, int modell) {
  TModellanpassung e;
  std::vector<TPunkt> q(p.begin(), p.begin() + Gueltige_Anzahl(p, n));
  bool y_negiert = false;
  if (q.empty() || !Transformieren(q, modell, e.x_negiert, y_negiert)) {
    e.fehler = Modellfehler(modell);
    return e;
  }
  const TGeradenanpassung g = Gerade_anpassen(q, static_cast<int>(q.size()), false);
  if (g.fall == TGeradenfall::m_unendlich) {
    e.fehler = "Fehler ! Alle x-Werte sind gleich: kein Modell bestimmbar";
    return e;
  }
  if (g.fall == TGeradenfall::zu_gross) {
    e.fehler = kZuGross;
    return e;
  }
  e.r = g.r;
  e.r_definiert = g.r_definiert;
  switch (modell) {
    case Modell_Exponentiell:
    case Modell_Potenz:
      e.erster = (y_negiert ? -1 : 1) * std::exp(g.b);
      e.zweiter = g.m;
      break;
    case Modell_Logarithmisch:
      e.erster = g.b;
      e.zweiter = g.m;
      break;
    case Modell_Reziprok:
      e.erster = g.m;
      e.zweiter = g.b;
      break;
    default:
      e.erster = g.b;
      e.zweiter = g.m;
      break;
  }
  if (!endlich(e.erster) || !endlich(e.zweiter)) {
    e.fehler = kZuGross;
    return e;
  }
  e.ok = true;
  return e;
}

std::string Koeffizient_Text(long double x, const TZahlformat& f) {
  const int N = f.Nachkommastellen;
  // Fixed-point texts keep the blanks that pad them to their width, as the message shows them.
  return std::abs(x) < std::pow(10.0L, static_cast<long double>(-N))
             ? Zahl_zu_Text(false, 20, 17, x)
             : Zahl_zu_Text(f.Fixkomma, f.Gesamtstellen, N, x);
}

std::string Modellterm(int modell, const TModellanpassung& e, const TZahlformat& f) {
  const std::string a = Koeffizient_Text(e.erster, f), b = Koeffizient_Text(e.zweiter, f);
  switch (modell) {
    case Modell_Exponentiell:
      return a + "*" + "e^(" + b + "*x)";
    case Modell_Logarithmisch:
      return a + "+" + b + (e.x_negiert ? "*ln(-x)" : "*ln(x)");
    case Modell_Potenz:
      return a + (e.x_negiert ? "*(-x)^" : "*x^") + b;
    case Modell_Reziprok:
      return "1/(" + a + "x" + "+" + b + ")";
    default:
      return "x/(" + a + "x" + "+" + b + ")";
  }
}

TRegressionsergebnis Regression_berechnen(const std::vector<TPunkt>& p, int n, int modell,
                                          bool zweite_Gerade, const TZahlformat& f) {
  n = Gueltige_Anzahl(p, n);
  if (modell < 0 || modell >= Modelle_Anzahl) return {};
  const std::string zuwenig = Mindestanzahl_Meldung(modell, n);
  if (!zuwenig.empty()) return Nur_Meldung(zuwenig);
  for (int i = 0; i < n; ++i)
    if (!endlich(p[i].x) || !endlich(p[i].y)) return Nur_Meldung(kZuGross);
  if (modell <= Modell_Gerade) return Geraden_zeigen(p, n, modell, zweite_Gerade, f);
  if (modell <= Modell_Grad5) return Polynom_zeigen(p, n, modell, f);
  return Modell_zeigen(p, n, modell, f);
}
