#pragma once
#include <array>
#include <cstdint>

#include "runtime/text.h"

// One row of the fixed tier table. The pool holds `poolSize` random numbers
// of poolLow to poolLow + 999; a final number inside the hit window wins the
// tier if its decimal text occurs in the pool text.
struct PrizeTier {
  int32_t poolLow;
  int32_t poolHigh;
  int32_t hitLow;
  int32_t hitHigh;
  const char* firstName;
  const char* secondName;  // nullptr for a tier with one name
};

inline constexpr int kTierCount = 7;
inline constexpr int32_t kFinalNumberLow = 1;
inline constexpr int32_t kFinalNumberHigh = 7000;

const std::array<PrizeTier, kTierCount>& PrizeTiers();

// The seven pool sizes for a draw count; tier 1's shrinks as the draw count
// grows and turns negative (an empty pool) from 400 on.
std::array<int32_t, kTierCount> PoolSizes(int32_t drawCount);

// One draw: passes of a final number and seven pools of random numbers until
// a pass awards a prize. Returns the prize's text.
Text DrawPrize(int32_t drawCount);
