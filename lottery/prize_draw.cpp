#include "lottery/prize_draw.h"

#include "lottery/program_texts.h"
#include "lottery/text_search.h"
#include "runtime/value_services.h"

namespace {

constexpr std::array<PrizeTier, kTierCount> kTiers{{
    {1, 1000, 1, 999, texts::kTopPrize, nullptr},
    {1001, 2000, 1002, 1999, texts::kHero, texts::kSkin},
    {2001, 3000, 2002, 2999, texts::kHeroShard, texts::kSkinShard},
    {3001, 4000, 3002, 3999, texts::kInscriptionShard50, texts::kInscriptionShard80},
    {4001, 5000, 4002, 4999, texts::kDiamond50, nullptr},
    {5001, 6000, 5002, 5999, texts::kRose, nullptr},
    {6001, 7000, 6002, 6999, texts::kInGameEffect, texts::kAvatarFrame},
}};

// Shares of tiers 2 to 7, used as written: for t = 992 their products fall
// just below whole numbers (21, 343, 355, 158, 59, 52 rather than 22, 343,
// 355, 159, 60, 53).
constexpr std::array<double, kTierCount - 1> kShares{
    0.0221774193548387, 0.3457661290322581, 0.3578629032258065,
    0.1602822580645161, 0.0604838709677419, 0.0534274193548387,
};

constexpr double kTopTierShrinkRate = 0.0225211;

}  // namespace

const std::array<PrizeTier, kTierCount>& PrizeTiers() { return kTiers; }

std::array<int32_t, kTierCount> PoolSizes(int32_t drawCount) {
  // |drawCount| <= 2^31 keeps b within about +-4.9e7, so the sums below stay
  // far inside the int32 range.
  const int32_t b = TruncToInt(drawCount * kTopTierShrinkRate);
  const int32_t topSize = 8 - b;
  const int32_t t = 1000 - topSize;
  std::array<int32_t, kTierCount> sizes{};
  sizes[0] = topSize;
  for (int i = 1; i < kTierCount; ++i) sizes[i] = TruncToInt(t * kShares[i - 1]);
  return sizes;
}

Text DrawPrize(int32_t drawCount) {
  const auto sizes = PoolSizes(drawCount);
  std::array<Text, kTierCount> pools;
  Text prize;
  while (prize.empty()) {
    const int32_t finalNumber = RandomInt(kFinalNumberLow, kFinalNumberHigh);
    for (int i = 0; i < kTierCount; ++i) {
      pools[i].clear();
      for (int32_t k = 0; k < sizes[i]; ++k) {
        pools[i] += texts::kPoolSeparator;
        pools[i] += ToText(RandomInt(kTiers[i].poolLow, kTiers[i].poolHigh));
      }
    }
    const Text sought = ToText(finalNumber);
    for (int i = 0; i < kTierCount; ++i) {
      const PrizeTier& tier = kTiers[i];
      if (finalNumber < tier.hitLow || finalNumber > tier.hitHigh) continue;
      if (FindText(pools[i], sought, 1, false) == -1) continue;
      if (tier.secondName == nullptr) {
        prize = tier.firstName;
      } else {
        prize = RandomInt(1, 2) == 1 ? tier.firstName : tier.secondName;
      }
    }
  }
  return prize;
}
