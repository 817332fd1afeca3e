// The exact odds: against a plain simulation of the pool-and-search rule
// with independent random numbers, and the cost of the first top prize.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "lottery/fast_draw.h"
#include "lottery/lottery_state.h"
#include "lottery/prize_draw.h"
#include "lottery/program_texts.h"
#include "lottery/text_search.h"
#include "prize_odds.h"
#include "runtime/value_services.h"

namespace {

// One draw by the rule as DrawPrize states it (pool texts, the text search),
// but with independent 15-bit random numbers, as the exact odds assume. Only
// the searched tier's pool can change the outcome, so only it is built.
int IndependentDraw(int32_t drawCount, std::mt19937& random) {
  const auto sizes = PoolSizes(drawCount);
  const auto& tiers = PrizeTiers();
  auto randomInt = [&random](int32_t low, int32_t high) {
    return low + static_cast<int32_t>(random() & 32767) % (high - low + 1);
  };
  for (;;) {
    const int32_t finalNumber = randomInt(1, 7000);
    int prize = 0;
    for (int tier = 0; tier < kTierCount; ++tier) {
      const PrizeTier& t = tiers[tier];
      const int first = prize;
      prize += t.secondName == nullptr ? 1 : 2;
      if (finalNumber < t.hitLow || finalNumber > t.hitHigh) continue;
      Text pool;
      for (int32_t k = 0; k < sizes[tier]; ++k) pool += texts::kPoolSeparator + ToText(randomInt(t.poolLow, t.poolHigh));
      if (FindText(pool, ToText(finalNumber)) == -1) break;
      return t.secondName == nullptr ? first : first + randomInt(1, 2) - 1;
    }
  }
}

TEST(PrizeOddsTest, AgreeWithAnIndependentSimulationOfTheRule) {
  // Catches a membership test in tier 1 (0.95 % instead of 3.3 %), odds per
  // pass instead of per draw, and a wrong tier or name split.
  constexpr int kDraws = 12000;
  for (int32_t drawCount : {1, 400}) {
    const PrizeOdds odds = ExactPrizeOdds(drawCount);
    std::mt19937 random(20240611u + static_cast<uint32_t>(drawCount));
    std::array<int, kPrizeCount> seen{};
    for (int i = 0; i < kDraws; ++i) ++seen[IndependentDraw(drawCount, random)];
    for (int p = 0; p < kPrizeCount; ++p) {
      const double exact = odds.perDraw[p];
      const double sigma = std::sqrt(std::max(exact * (1 - exact), 1e-9) / kDraws);
      EXPECT_NEAR(static_cast<double>(seen[p]) / kDraws, exact, 5 * sigma + 1e-9)
          << "prize " << p << " at drawCount " << drawCount;
    }
  }
}

TEST(PrizeOddsTest, ShapeOfTheOdds) {
  const PrizeOdds first = ExactPrizeOdds(1);
  double sum = 0;
  for (double p : first.perDraw) sum += p;
  EXPECT_NEAR(sum, 1.0, 1e-12);
  // About 3.3 % of draws at drawCount 1 give the top prize.
  EXPECT_NEAR(first.perDraw[static_cast<int>(Prize::kTopPrize)], 0.033, 0.001);
  EXPECT_NEAR(1 / first.passAwards, 7.6, 0.1);
  // Tier 1's pool is empty from drawCount 356 on.
  EXPECT_EQ(ExactPrizeOdds(356).perDraw[static_cast<int>(Prize::kTopPrize)], 0.0);
  EXPECT_EQ(ExactPrizeOdds(400).perDraw[static_cast<int>(Prize::kTopPrize)], 0.0);
  EXPECT_GT(ExactPrizeOdds(355).perDraw[static_cast<int>(Prize::kTopPrize)], 0.0);
}

double TopChance(int32_t drawCount) { return ExactPrizeOdds(drawCount).perDraw[static_cast<int>(Prize::kTopPrize)]; }

TEST(PrizeOddsTest, FirstTopPrizeCostEndsAtTheGuarantee) {
  const struct {
    ActionKind kind;
    int32_t price;
    int32_t commandsToGuarantee;  // the 361st draw is in this command
    int drawsPerCommand;
  } cases[] = {{ActionKind::kSingleDraw, 60, 361, 1}, {ActionKind::kFiveDraws, 270, 73, 5}};
  for (const auto& c : cases) {
    const FirstTopPrizeCost cost = ExactFirstTopPrizeCost(c.kind);
    double sum = 0;
    double mean = 0;
    for (const CostChance& cc : cost.distribution) {
      sum += cc.chance;
      mean += cc.chance * static_cast<double>(cc.points);
    }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    EXPECT_NEAR(cost.expectedPoints, mean, 1e-6);
    ASSERT_EQ(cost.distribution.size(), static_cast<std::size_t>(c.commandsToGuarantee));
    EXPECT_EQ(cost.distribution.back().points, int64_t{c.price} * c.commandsToGuarantee);
    // The last cost is the guarantee's: no top prize in all the draws before
    // the 361st, which lie in the commands before the last one.
    double none = 1;
    for (int32_t command = 1; command < c.commandsToGuarantee; ++command) {
      none *= std::pow(1 - TopChance(command), c.drawsPerCommand);
    }
    EXPECT_NEAR(cost.distribution.back().chance, none, 1e-12 + none * 1e-9);
  }
}

}  // namespace
