#pragma once
// The numerical core: derivatives, tangents, curvature, integrals, arc length, sampled extreme
// positions and Newton's method. Every function value is one evaluation of the term text with the
// variable x and the family parameter t. Results: the first is the return value, further ones
// follow as reference parameters, the success flag ok comes last.
//
// Each function on a term text compiles the text once and hands it to its overload on the
// compiled term (TTerm). Callers that use one term many times, such as a plot asking for a
// derivative at every pixel column, compile it themselves and call the overload: the results are
// the same to the bit.

#include <string>

class Tabelle;
class TTerm;

// Difference quotients with step h; central where both sides are defined, one-sided otherwise.
long double Ableitung_1(const std::string& term, long double t, long double x, long double h,
                        bool& ok);
long double Ableitung_1(TTerm& term, long double t, long double x, long double h, bool& ok);
long double Ableitung_2(const std::string& term, long double t, long double x, long double h,
                        bool& ok);
long double Ableitung_2(TTerm& term, long double t, long double x, long double h, bool& ok);
long double Ableitung_3(const std::string& term, long double t, long double x, long double h,
                        bool& ok);
long double Ableitung_3(TTerm& term, long double t, long double x, long double h, bool& ok);

// Tangent y = m*x + n of the graph at x0; returns m.
long double Tangente_berechnen(const std::string& term, long double t, long double x0,
                               long double& n, long double& y0, bool& ok);
long double Tangente_berechnen(TTerm& term, long double t, long double x0, long double& n,
                               long double& y0, bool& ok);
// Tangent of the curve (X(t), Y(t)) at t0; x is handed to the evaluator as the family value.
// Returns the slope m.
long double Tangente_Kurve_berechnen(const std::string& x_term, const std::string& y_term,
                                     long double t0, long double x, long double& n, long double& x0,
                                     long double& y0, bool& ok);
long double Tangente_Kurve_berechnen(TTerm& x_term, TTerm& y_term, long double t0, long double x,
                                     long double& n, long double& x0, long double& y0, bool& ok);
// Signed curvature at x; with mit_radius the radius r and the centre (xm, ym) are valid.
long double Kruemmung_berechnen(const std::string& term, long double t, long double x,
                                long double h, long double& r, bool& mit_radius, long double& xm,
                                long double& ym, bool& ok);
long double Kruemmung_berechnen(TTerm& term, long double t, long double x, long double h,
                                long double& r, bool& mit_radius, long double& xm, long double& ym,
                                bool& ok);

// Integrals from a to b with relative tolerance eps; a > b gives minus the integral over [b, a].
long double Integral_Trapez(const std::string& term, long double t, long double a, long double b,
                            long double eps, bool& ok);
long double Integral_Trapez(TTerm& term, long double t, long double a, long double b,
                            long double eps, bool& ok);
long double Integral_Mittelpunkt(const std::string& term, long double t, long double a,
                                 long double b, long double eps, bool& ok);
long double Integral_Mittelpunkt(TTerm& term, long double t, long double a, long double b,
                                 long double eps, bool& ok);
long double Integral_Simpson(const std::string& term, long double t, long double a, long double b,
                             long double eps, bool& ok);
long double Integral_Simpson(TTerm& term, long double t, long double a, long double b,
                             long double eps, bool& ok);
long double Integral_Gauss_Kronrod(const std::string& term, long double t, long double a,
                                   long double b, long double eps, bool& ok);
long double Integral_Gauss_Kronrod(TTerm& term, long double t, long double a, long double b,
                                   long double eps, bool& ok);
// Trapezoid sum with step h from unten to oben.
long double Trapezsumme(const std::string& term, long double t, long double unten, long double oben,
                        long double h, bool& ok);
long double Trapezsumme(TTerm& term, long double t, long double unten, long double oben,
                        long double h, bool& ok);
// Romberg's extrapolation; with zeigen the scheme is written into the table (trapezoid values in
// row 1, the j-th extrapolation level in row j + 1), numbers as Zahl_zu_Text(fix, G, N, .).
long double Romberg_Schema(const std::string& term, long double t, long double a, long double b,
                           long double eps, bool zeigen, Tabelle& tabelle, bool fix, int G, int N,
                           bool& ok);
long double Romberg_Schema(TTerm& term, long double t, long double a, long double b,
                           long double eps, bool zeigen, Tabelle& tabelle, bool fix, int G, int N,
                           bool& ok);

// Length of the graph from a to b; polls for cancellation and reports progress.
long double Bogenlaenge_berechnen(const std::string& term, long double t, long double a,
                                  long double b, long double eps, bool& ok);
long double Bogenlaenge_berechnen(TTerm& term, long double t, long double a, long double b,
                                  long double eps, bool& ok);

// Positions of the smallest and the largest of the n + 1 samples a, a + (b-a)/n, ..., b.
long double Min_Max_Stelle(const std::string& term, long double t, long double a, long double b,
                           int n, long double& x_max);
long double Min_Max_Stelle(TTerm& term, long double t, long double a, long double b, int n,
                           long double& x_max);

// Zero near x0; with verfolgen the iterates go into columns 1 and 2 of the table.
long double Newton_Verfahren(const std::string& term, long double t, long double x0, bool verfolgen,
                             Tabelle& tabelle, bool fix, int G, int N, bool& ok);
long double Newton_Verfahren(TTerm& term, long double t, long double x0, bool verfolgen,
                             Tabelle& tabelle, bool fix, int G, int N, bool& ok);

bool Ist_Null(long double x);                    // abs(x) < 1e-12
bool Ist_kleiner(long double p, long double q);  // q - p > 1e-12
