#include <gtest/gtest.h>

#include "engine/KOS.h"

// The view starts as the default picture: -8..8 both ways on the full 16 cm area.
TEST(KOS_Startwerte, StandardAnsicht) {
  EXPECT_EQ(KOS.xli, -8);
  EXPECT_EQ(KOS.xre, 8);
  EXPECT_EQ(KOS.yu, -8);
  EXPECT_EQ(KOS.yo, 8);
  EXPECT_EQ(KOS.Bildrand_rechts, 640);
  EXPECT_EQ(KOS.Bildrand_unten, 640);
  EXPECT_EQ(KOS.Rasterfarbe, 0xD6D6D6u);
}
