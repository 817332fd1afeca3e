#include "prize_odds.h"

#include <cmath>

#include "lottery/lottery_state.h"
#include "lottery/prize_draw.h"
#include "lottery/text_search.h"
#include "runtime/value_services.h"

namespace {

constexpr double kOutputs = 32768;

// The chance that RandomInt(low, low + width - 1) gives low + k.
double RemainderChance(int k, int width) {
  const int full = 32768 / width;
  const int extra = 32768 % width;
  return (k < extra ? full + 1 : full) / kOutputs;
}

// The chance that one tier-1 pool number (1 to 1000) holds the digits of r,
// for r from 1 to 999, by the draw's own text search on the number texts.
const std::array<double, 1000>& TopPoolNumberHoldsChance() {
  static const std::array<double, 1000> chance = [] {
    std::array<double, 1000> c{};
    for (int32_t r = 1; r <= 999; ++r) {
      const Text sought = ToText(r);
      for (int32_t u = 1; u <= 1000; ++u) {
        if (FindText(ToText(u), sought) != -1) c[r] += RemainderChance(u - 1, 1000);
      }
    }
    return c;
  }();
  return chance;
}

// 1 - (1 - p)^n without losing the small p.
double AnyOf(double p, int32_t n) { return n <= 0 ? 0.0 : -std::expm1(n * std::log1p(-p)); }

}  // namespace

PrizeOdds ExactPrizeOdds(int32_t drawCount) {
  const auto sizes = PoolSizes(drawCount);
  const auto& tiers = PrizeTiers();
  PrizeOdds odds;
  int firstPrizeOfTier = 0;
  for (int tier = 0; tier < kTierCount; ++tier) {
    const PrizeTier& t = tiers[tier];
    double hits = 0;  // the pass finds its final number in this tier
    for (int32_t r = t.hitLow; r <= t.hitHigh; ++r) {
      const double finalChance = RemainderChance(r - 1, 7000);
      const double oneNumber = tier == 0 ? TopPoolNumberHoldsChance()[r] : RemainderChance(r - t.poolLow, 1000);
      hits += finalChance * AnyOf(oneNumber, sizes[tier]);
    }
    if (t.secondName == nullptr) {
      odds.perPass[firstPrizeOfTier++] = hits;
    } else {
      odds.perPass[firstPrizeOfTier++] = hits / 2;  // RandomInt(1, 2): 16384 outputs each
      odds.perPass[firstPrizeOfTier++] = hits / 2;
    }
  }
  for (double p : odds.perPass) odds.passAwards += p;
  for (int i = 0; i < kPrizeCount; ++i) odds.perDraw[i] = odds.perPass[i] / odds.passAwards;
  return odds;
}

FirstTopPrizeCost ExactFirstTopPrizeCost(ActionKind kind) {
  const bool batch = kind == ActionKind::kFiveDraws;
  const int32_t price = batch ? kFiveDrawsPrice : kSingleDrawPrice;
  const int32_t drawsPerCommand = batch ? kBatchSize : 1;
  FirstTopPrizeCost cost;
  // The run is a chain over (drawCount, gloryValue); from a fresh start with
  // one kind of command, each command leads to one next state, and only the
  // chance of having had no top prize yet needs carrying along.
  double noTopYet = 1;
  int32_t glory = 0;
  int64_t points = 0;
  for (int32_t drawCount = 1; noTopYet > 0; ++drawCount) {
    points += price;
    const double top = ExactPrizeOdds(drawCount).perDraw[static_cast<int>(Prize::kTopPrize)];
    double firstHere = 0;
    for (int32_t draw = 0; draw < drawsPerCommand && noTopYet > 0; ++draw) {
      ++glory;
      if (glory == kGuaranteeThreshold) {  // the guarantee takes whatever is left
        firstHere += noTopYet;
        noTopYet = 0;
        break;
      }
      firstHere += noTopYet * top;
      noTopYet *= 1 - top;
    }
    cost.distribution.push_back({points, firstHere});
    cost.expectedPoints += firstHere * static_cast<double>(points);
  }
  return cost;
}
