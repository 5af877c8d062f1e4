#pragma once
// Plane geometry on points in world coordinates: distances, midpoints, rotations, shifts,
// perpendicular feet, reflections, stretches, shears and linear maps. Nothing here draws.

#include <string>

#include "platform/Typen.h"

// Shown by callers when a line is given by two equal points.
inline const std::string kMeldung_Gerade_unbestimmt =
    "Die Gerade ist nicht bestimmt: ihre beiden Punkte sind gleich !";

long double Grad_in_Bogenmass(long double grad);
long double Abstand(TPunkt P, TPunkt Q);
TPunkt Mittelpunkt(TPunkt P, TPunkt Q);
// Counter-clockwise in world orientation (y upwards) by alpha degrees about M.
TPunkt Punkt_drehen(TPunkt P, TPunkt M, long double alpha);
// P moved by the vector from R to S.
TPunkt Punkt_verschieben(TPunkt P, TPunkt R, TPunkt S);
// Foot of the perpendicular from P onto the line AB, for every direction of the line.
// ok is false (and A returned) when A and B coincide, so the line is not determined.
TPunkt Lotfusspunkt(TPunkt P, TPunkt A, TPunkt B, bool& ok);
// Reflection of P in the line TQ; ok as for the foot.
TPunkt Punkt_spiegeln(TPunkt P, TPunkt T, TPunkt Q, bool& ok);
// Z + k * (P - Z).
TPunkt Punkt_strecken(TPunkt P, TPunkt Z, long double k);
// Shear along the axis "x" (x + f*y) or "y" (y + f*x); any other letter gives P unchanged.
TPunkt Punkt_scheren(TPunkt P, const std::string& achse, long double f);
TPunkt Punkt_Matrix_abbilden(TPunkt P, long double m11, long double m12, long double m21,
                             long double m22);
// Two points E (returned) and F on the perpendicular bisector of PQ, symmetric about the
// midpoint at half the distance of P and Q.
TPunkt Mittelsenkrechte_Punkte(TPunkt P, TPunkt Q, TPunkt& F);
