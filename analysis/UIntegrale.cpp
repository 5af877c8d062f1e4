#include "analysis/UIntegrale.h"

#include <cmath>
#include <numbers>

#include "analysis/UMatheTools.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_Ansicht.h"

long double Integral_nach_Methode(TTerm& term, int methode, long double t, long double a,
                                  long double b, long double eps, bool zeigen, Tabelle& tabelle,
                                  const TAusgabeformat& format, bool& ok) {
  switch (methode) {
    case 0:
      return Integral_Trapez(term, t, a, b, eps, ok);
    case 1:
      return Integral_Mittelpunkt(term, t, a, b, eps, ok);
    case 2:
      return Integral_Simpson(term, t, a, b, eps, ok);
    case 4:
      return Romberg_Schema(term, t, a, b, eps, zeigen, tabelle, format.fix, format.G, format.N,
                            ok);
    default:
      return Integral_Gauss_Kronrod(term, t, a, b, eps, ok);
  }
}

void Tabellenkopf_Romberg(Tabelle& tabelle, const std::string& text1, const std::string& text2,
                          const std::string& text3) {
  Tabelle_leeren(tabelle);
  tabelle.Zelle_setzen(1, 0, text1);
  tabelle.Zelle_setzen(2, 0, text2);
  tabelle.Zelle_setzen(3, 0, text3);
  for (int c = 4; c <= Letzte_Spalte; ++c)
    tabelle.Zelle_setzen(c, 0, "  R " + std::to_string(c - 1) + ",i");
}

namespace {

std::string Gerundet(long double x) {
  return Gleitkomma_Text(std::round(x * 1e5L) / 1e5L);
}

}  // namespace

std::string Intervall_Text(long double a, long double b) {
  return "[" + Gerundet(a) + " ; " + Gerundet(b) + "]";
}

std::string Pi_Text(long double v, const TAusgabeformat& format) {
  const long double pi = std::numbers::pi_v<long double>;
  return Zahl_zu_Text(format.fix, format.G, format.N, v) +
         "*pi = " + Zahl_zu_Text(format.fix, format.G, format.N, v * pi);
}

int Stichproben_je_Streifen(int n) {
  const long double gesamt = n > 800 ? 50000 : 16000;
  return static_cast<int>(std::lround(gesamt / n));
}

TStreifensummen Streifensummen(TTerm& term, long double t, long double a, long double b, int n,
                               std::vector<TStreifen>* streifen) {
  TStreifensummen s;
  if (n < 1 || n > kStreifen_hoechstens) return s;
  const long double h = (b - a) / n;
  const int m = Stichproben_je_Streifen(n);
  if (streifen) streifen->assign(static_cast<std::size_t>(n), TStreifen{});
  for (int i = 0; i < n; ++i) {
    TStreifen st;
    st.xl = i * h + a;
    st.xr = st.xl + h;
    st.y_l = term.Wert(st.xl, t);
    st.y_r = term.Wert(st.xr, t);
    st.y_mitte = term.Wert((st.xl + st.xr) / 2, t);
    long double x_max = 0;
    const long double x_min = Min_Max_Stelle(term, t, st.xl, st.xr, m, x_max);
    st.y_min = term.Wert(x_min, t);
    st.y_max = term.Wert(x_max, t);
    s.T += (st.y_l + st.y_r) / 2;
    s.M += st.y_mitte;
    s.U += st.y_min;
    s.O += st.y_max;
    if (streifen) (*streifen)[static_cast<std::size_t>(i)] = st;
  }
  s.U *= h;
  s.O *= h;
  s.T *= h;
  s.M *= h;
  return s;
}

std::string Streifensummen_Text(const TStreifensummen& s, int n, int zu_schmal_breite) {
  const std::string N = std::to_string(n);
  std::string text = "USum" + N + " = " + Gleitkomma_Text(s.U) + "\r\n" + "OSum" + N + " = " +
                     Gleitkomma_Text(s.O) + "\r\n" +
                     "Arithm. Mittel = " + Gleitkomma_Text((s.U + s.O) / 2) + "\r\n\n" +
                     "MittenrechteckSum" + N + " = " + Gleitkomma_Text(s.M) + "\r\n" + "TrapSum" +
                     N + " = " + Gleitkomma_Text(s.T) + "\r\n\n";
  if (zu_schmal_breite >= 0) text += "Keine Grafik , da n > " + std::to_string(zu_schmal_breite);
  return text;
}

namespace {

// The texts for: f and g, only f, only g, only h, none.
std::string Hinweis_nach_Haken(THaken k, const char* const (&texte)[5]) {
  if (k.f && k.g) return texte[0];
  if (k.f) return texte[1];
  if (k.g) return texte[2];
  if (k.h) return texte[3];
  return texte[4];
}

}  // namespace

std::string Hinweis_Integral(THaken k) {
  static const char* const texte[5] = {
      "Integral zwischen f und g in [a;b]", "Integral zwischen f und x-Achse in [a;b]",
      "Integral zwischen g und x-Achse in [a;b]", "Integral zwischen h und x-Achse in [a;b]",
      "Integral:  Bitte Haken bei f und/oder g oder bei h setzen !"};
  return Hinweis_nach_Haken(k, texte);
}

std::string Hinweis_Schraffur(THaken k) {
  static const char* const texte[5] = {
      "Fläche zwischen f und g in [a;b] färben", "Fläche zwischen f und x-Achse in [a;b] färben",
      "Fläche zwischen g und x-Achse in [a;b] färben",
      "Fläche zwischen h und x-Achse in [a;b] färben",
      "Fläche färben:  Bitte Haken bei f und/oder g oder bei h setzen !"};
  return Hinweis_nach_Haken(k, texte);
}

std::string Hinweis_Bogenlaenge(THaken k) {
  static const char* const texte[5] = {"Bogenlänge von f in [a;b]", "Bogenlänge von f in [a;b]",
                                       "Bogenlänge von g in [a;b]", "Bogenlänge von h in [a;b]",
                                       "Bogenlänge:  Bitte Haken bei f, g oder h setzen !"};
  return Hinweis_nach_Haken(k, texte);
}

std::string Hinweis_Rotation(THaken k, long double xa_f, long double xe_f, long double xa_g,
                             long double xe_g) {
  auto intervall = [](long double a, long double b) {
    return "[" + Gleitkomma_Text(a) + ";" + Gleitkomma_Text(b) + "]";
  };
  std::string text;
  if (k.f && k.g) {
    text = "Rotationsintegral zwischen f in " + intervall(xa_f, xe_f) + " und g in " +
           intervall(xa_g, xe_g);
  } else if (k.f) {
    text = "Rotationsintegral zwischen f und x-Achse in " + intervall(xa_f, xe_f);
  } else if (k.g) {
    text = "Rotationsintegral zwischen g und x-Achse in " + intervall(xa_g, xe_g);
  } else {
    return "Rotationsintegral:  Bitte Haken bei f und/oder g setzen !";
  }
  return text + "\rAchtung: Grenzen in den jeweiligen Intervallen von f,g setzen !";
}
