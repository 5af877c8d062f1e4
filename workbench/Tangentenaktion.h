#pragma once
// The tangent tools of the main window: tangent, secant, normal and curvature circle at the
// point a of the chosen curve, drawn over the picture and reported with their equations.

#include <string>

#include "workbench/Anzeige.h"

// Tangent to the first checked of f, g, h at a, or in x(t), y(t) mode to that curve at t = a;
// nothing without either. With dreieck the slope triangle over delta_x is drawn.
void Tangente_geklickt(Anzeige& a, bool dreieck);
// The tangent button's hint names the curve the tangent would be laid to.
void Tangente_Hinweis(Anzeige& a);
void Sekante_geklickt(Anzeige& a, bool dreieck);
void Normale_geklickt(Anzeige& a);
void Kruemmungskreis_geklickt(Anzeige& a);

// Secant of term through the curve points at a and b with its equation reported when meldung is
// on; the rounded slope goes to steigung. false when nothing was drawn (a = b, or a value is
// undefined, which is reported).
bool Sekante_zeichnen(Anzeige& a, bool meldung, long double& steigung, const std::string& term,
                      long double x_a, long double x_b, bool dreieck);
