#pragma once
// Exact odds of the draw, computed from the tier table and the pool-and-
// search rule with the generator's real output distribution: an output is
// uniform over 0 to 32767, and reducing it modulo a range width that does not
// divide 32768 favours the low remainders (32768 = 4 * 7000 + 4768 = 32 * 1000
// + 768). Successive outputs are taken as independent.
#include <array>
#include <cstdint>
#include <vector>

#include "action_script.h"
#include "lottery/fast_draw.h"

struct PrizeOdds {
  std::array<double, kPrizeCount> perPass{};  // a pass awards this prize
  double passAwards = 0;                      // a pass awards any prize
  std::array<double, kPrizeCount> perDraw{};  // the draw gives it: perPass / passAwards
};

PrizeOdds ExactPrizeOdds(int32_t drawCount);

// The cost of the first top prize from a fresh start (the counters at 0) when
// every command is `kind` (a single draw or a five-draw batch), the guarantee
// at 361 draws included: the chance of each cost, exact, from the draw's top-
// prize chance at each drawCount.
struct CostChance {
  int64_t points;
  double chance;
};
struct FirstTopPrizeCost {
  std::vector<CostChance> distribution;  // by rising cost; the chances add up to 1
  double expectedPoints = 0;
};
FirstTopPrizeCost ExactFirstTopPrizeCost(ActionKind kind);
