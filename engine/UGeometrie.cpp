#include "engine/UGeometrie.h"

#include <cmath>

long double Grad_in_Bogenmass(long double grad) {
  return grad * 3.1415926535897932385L / 180;
}

long double Abstand(TPunkt P, TPunkt Q) {
  const long double dx = Q.x - P.x;
  const long double dy = Q.y - P.y;
  return std::sqrt(dx * dx + dy * dy);
}

TPunkt Mittelpunkt(TPunkt P, TPunkt Q) {
  return {(P.x + Q.x) * 0.5L, (P.y + Q.y) * 0.5L};
}

TPunkt Punkt_drehen(TPunkt P, TPunkt M, long double alpha) {
  const long double r = Grad_in_Bogenmass(alpha);
  const long double c = std::cos(r);
  const long double s = std::sin(r);
  return {(P.x - M.x) * c - (P.y - M.y) * s + M.x, (P.x - M.x) * s + (P.y - M.y) * c + M.y};
}

TPunkt Punkt_verschieben(TPunkt P, TPunkt R, TPunkt S) {
  return {P.x + (S.x - R.x), P.y + (S.y - R.y)};
}

TPunkt Lotfusspunkt(TPunkt P, TPunkt A, TPunkt B, bool& ok) {
  const long double dx = B.x - A.x;
  const long double dy = B.y - A.y;
  const long double q = dx * dx + dy * dy;
  ok = q > 0 && std::isfinite(q);
  if (!ok) return A;
  const long double t = ((P.x - A.x) * dx + (P.y - A.y) * dy) / q;
  return {A.x + t * dx, A.y + t * dy};
}

TPunkt Punkt_spiegeln(TPunkt P, TPunkt T, TPunkt Q, bool& ok) {
  const TPunkt F = Lotfusspunkt(P, T, Q, ok);
  if (!ok) return P;
  return {2 * F.x - P.x, 2 * F.y - P.y};
}

TPunkt Punkt_strecken(TPunkt P, TPunkt Z, long double k) {
  return {Z.x + k * (P.x - Z.x), Z.y + k * (P.y - Z.y)};
}

TPunkt Punkt_scheren(TPunkt P, const std::string& achse, long double f) {
  if (achse == "x") return {P.x + f * P.y, P.y};
  if (achse == "y") return {P.x, P.y + f * P.x};
  return P;
}

TPunkt Punkt_Matrix_abbilden(TPunkt P, long double m11, long double m12, long double m21,
                             long double m22) {
  return {m11 * P.x + m12 * P.y, m21 * P.x + m22 * P.y};
}

TPunkt Mittelsenkrechte_Punkte(TPunkt P, TPunkt Q, TPunkt& F) {
  const TPunkt M = Mittelpunkt(P, Q);
  F = Punkt_drehen(Q, M, 90);
  return Punkt_drehen(P, M, 90);
}
