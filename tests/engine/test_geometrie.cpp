// Plane geometry: expectations from elementary analytic geometry.

#include <gtest/gtest.h>

#include "engine/UGeometrie.h"

namespace {
void Nahe(TPunkt p, TPunkt q) {
  EXPECT_NEAR(double(p.x), double(q.x), 1e-15);
  EXPECT_NEAR(double(p.y), double(q.y), 1e-15);
}
}  // namespace

TEST(Geometrie, FootOfThePerpendicularOnEveryLine) {
  struct Fall {
    TPunkt P, A, B, F;
  };
  const Fall faelle[] = {
      {{3, 4}, {0, 0}, {1, 0}, {3, 0}},
      {{3, 4}, {2, 0}, {2, 5}, {2, 4}},              // vertical line
      {{0, 2}, {0, 0}, {5, 5}, {1, 1}},              // y = x
      {{1, 20000}, {0, 0}, {0, 20001}, {0, 20000}},  // steep line far up
      {{0, 0}, {3, 0}, {0, 4}, {1.92L, 1.44L}},      // hypotenuse of the 3-4-5 triangle
  };
  for (const auto& f : faelle) {
    bool ok = false;
    Nahe(Lotfusspunkt(f.P, f.A, f.B, ok), f.F);
    EXPECT_TRUE(ok);
  }
  bool ok = true;
  Lotfusspunkt({1, 1}, {2, 2}, {2, 2}, ok);
  EXPECT_FALSE(ok);
}

TEST(Geometrie, ReflectionInEveryLine) {
  bool ok = false;
  Nahe(Punkt_spiegeln({3, 4}, {2, 0}, {2, 5}, ok), {1, 4});
  EXPECT_TRUE(ok);
  Nahe(Punkt_spiegeln({0, 2}, {0, 0}, {1, 1}, ok), {2, 0});
  Punkt_spiegeln({0, 2}, {1, 1}, {1, 1}, ok);
  EXPECT_FALSE(ok);
}

TEST(Geometrie, MapsOfPoints) {
  Nahe(Punkt_drehen({1, 0}, {0, 0}, 90), {0, 1});
  Nahe(Punkt_drehen({3, 1}, {2, 1}, 180), {1, 1});
  Nahe(Punkt_verschieben({1, 1}, {0, 0}, {2, -3}), {3, -2});
  Nahe(Punkt_strecken({3, 3}, {1, 1}, 2), {5, 5});
  Nahe(Punkt_scheren({1, 2}, "x", 0.7L), {2.4L, 2});
  Nahe(Punkt_scheren({1, 2}, "y", 0.5L), {1, 2.5L});
  Nahe(Punkt_scheren({1, 2}, "z", 0.5L), {1, 2});
  Nahe(Punkt_Matrix_abbilden({1, 2}, 0, -1, 1, 0), {-2, 1});
  Nahe(Mittelpunkt({1, 2}, {3, 6}), {2, 4});
  EXPECT_EQ(Abstand({0, 0}, {3, 4}), 5);
  EXPECT_NEAR(double(Grad_in_Bogenmass(180)), 3.14159265358979323846, 1e-15);
}

TEST(Geometrie, PerpendicularBisectorPointsAreSymmetricAboutTheMidpoint) {
  TPunkt F;
  const TPunkt E = Mittelsenkrechte_Punkte({0, 0}, {4, 0}, F);
  Nahe(E, {2, -2});
  Nahe(F, {2, 2});
}
