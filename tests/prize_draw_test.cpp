#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <string>

#include "lottery/prize_draw.h"
#include "lottery/program_texts.h"
#include "runtime/value_services.h"

namespace {

using Sizes = std::array<int32_t, kTierCount>;

TEST(PoolSizesTest, AtTheDrawCountBoundaries) {
  const struct {
    int32_t drawCount;
    Sizes sizes;
  } cases[] = {
      {0, {8, 21, 343, 355, 158, 59, 52}},   {1, {8, 21, 343, 355, 158, 59, 52}},
      {44, {8, 21, 343, 355, 158, 59, 52}},  {45, {7, 22, 343, 355, 159, 60, 53}},
      {88, {7, 22, 343, 355, 159, 60, 53}},  {89, {6, 22, 343, 355, 159, 60, 53}},
      {133, {6, 22, 343, 355, 159, 60, 53}}, {134, {5, 22, 344, 356, 159, 60, 53}},
      {177, {5, 22, 344, 356, 159, 60, 53}}, {178, {4, 22, 344, 356, 159, 60, 53}},
      {222, {4, 22, 344, 356, 159, 60, 53}}, {223, {3, 22, 344, 356, 159, 60, 53}},
      {266, {3, 22, 344, 356, 159, 60, 53}}, {267, {2, 22, 345, 357, 159, 60, 53}},
      {310, {2, 22, 345, 357, 159, 60, 53}}, {311, {1, 22, 345, 357, 160, 60, 53}},
      {355, {1, 22, 345, 357, 160, 60, 53}}, {356, {0, 22, 345, 357, 160, 60, 53}},
      {399, {0, 22, 345, 357, 160, 60, 53}}, {400, {-1, 22, 346, 358, 160, 60, 53}},
      {444, {-1, 22, 346, 358, 160, 60, 53}},
      // The ends of the int32 range, reached only after the counter wraps:
      // the sizes must come out of plain double arithmetic, without overflow.
      {2147483647, {-48363685, 1072603, 16722869, 17307926, 7752000, 2925283, 2584000}},
      {-2147483648, {48363701, -1072559, -16722183, -17307216, -7751682, -2925163, -2583894}},
  };
  for (const auto& c : cases) EXPECT_EQ(PoolSizes(c.drawCount), c.sizes) << "drawCount " << c.drawCount;
}

TEST(DrawPrizeTest, TenDrawsFromTheGeneratorsStart) {
  const char* expected[] = {
      texts::kInscriptionShard50, texts::kInscriptionShard50, texts::kSkinShard, texts::kSkinShard,
      texts::kSkinShard,          texts::kSkinShard,          texts::kRose,      texts::kInGameEffect,
      texts::kSkinShard,          texts::kSkinShard,
  };
  SetRandomState(1);
  for (int32_t drawCount = 1; drawCount <= 10; ++drawCount) {
    EXPECT_EQ(DrawPrize(drawCount), expected[drawCount - 1]) << "drawCount " << drawCount;
  }
}

TEST(DrawPrizeTest, NoTopPrizeOnceItsPoolIsEmpty) {
  // From 356 on the top tier's pool has no numbers; a pool built for a
  // negative size, or a search in an empty pool that succeeds, would show here.
  for (int32_t drawCount : {356, 399, 400, 5000}) {
    SetRandomState(12345u + static_cast<uint32_t>(drawCount));
    for (int i = 0; i < 150; ++i) ASSERT_NE(DrawPrize(drawCount), texts::kTopPrize) << "drawCount " << drawCount;
  }
}

TEST(DrawPrizeTest, EveryPrizeComesOutAtDrawCountOne) {
  // Over a few thousand draws every tier and both names of a two-name tier
  // show up: catches a tier that can never be searched or a name never chosen.
  const char* names[] = {texts::kTopPrize,           texts::kHero,        texts::kSkin,
                         texts::kHeroShard,          texts::kSkinShard,   texts::kInscriptionShard50,
                         texts::kInscriptionShard80, texts::kDiamond50,   texts::kRose,
                         texts::kInGameEffect,       texts::kAvatarFrame};
  std::array<int, std::size(names)> seen{};
  SetRandomState(1);
  for (int i = 0; i < 4000; ++i) {
    const Text prize = DrawPrize(1);
    bool known = false;
    for (std::size_t k = 0; k < std::size(names); ++k) {
      if (prize == names[k]) {
        ++seen[k];
        known = true;
      }
    }
    ASSERT_TRUE(known) << "unknown prize text";
  }
  for (std::size_t k = 0; k < std::size(names); ++k) EXPECT_GT(seen[k], 0) << "prize " << k << " never drawn";
}

// The generator state whose next step gives `output` (0 to 32767), found by
// running the step backwards.
uint32_t StateBefore(int output) {
  constexpr uint32_t kMultiplier = 214013;
  constexpr uint32_t kIncrement = 2531011;
  uint32_t inverse = kMultiplier;  // Newton's iteration for the inverse mod 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - kMultiplier * inverse;
  const uint32_t after = static_cast<uint32_t>(output) << 16;
  return (after - kIncrement) * inverse;
}

TEST(DrawPrizeTest, FinalNumberOutsideEveryHitWindowRepeatsThePass) {
  // A pass whose final number lies in no window awards nothing and uses up
  // exactly one final number and the 996 pool numbers of drawCount 1, so the
  // draw must equal the one that starts right after that pass.
  const Sizes sizes = PoolSizes(1);
  const int passLength = 1 + std::accumulate(sizes.begin(), sizes.end(), 0);
  for (int32_t finalNumber : {1000, 1001, 2000, 2001, 3000, 3001, 4000, 4001, 5000, 5001, 6000, 6001, 7000}) {
    const uint32_t start = StateBefore(finalNumber - 1);
    SetRandomState(start);
    ASSERT_EQ(RandomInt(1, 7000), finalNumber);

    SetRandomState(start);
    for (int i = 0; i < passLength; ++i) NextRandom();
    const Text expectedPrize = DrawPrize(1);
    const uint32_t expectedState = RandomState();

    SetRandomState(start);
    EXPECT_EQ(DrawPrize(1), expectedPrize) << "final number " << finalNumber;
    EXPECT_EQ(RandomState(), expectedState) << "final number " << finalNumber;
  }
}

}  // namespace
