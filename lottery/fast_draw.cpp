#include "lottery/fast_draw.h"

#include <array>
#include <atomic>
#include <bitset>
#include <string>

#include "lottery/pool_scan.h"
#include "lottery/prize_draw.h"
#include "lottery/program_texts.h"

namespace {

using pool_scan::Output;

constexpr std::array<const char*, kPrizeCount> kPrizeTexts{
    texts::kTopPrize,           texts::kHero,          texts::kSkin,      texts::kHeroShard,
    texts::kSkinShard,          texts::kInscriptionShard50, texts::kInscriptionShard80, texts::kDiamond50,
    texts::kRose,               texts::kInGameEffect,  texts::kAvatarFrame,
};

// The first prize of each tier and whether it has a second one after it.
struct TierPrize {
  Prize first;
  bool twoNames;
};
constexpr std::array<TierPrize, kTierCount> kTierPrizes{{
    {Prize::kTopPrize, false},
    {Prize::kHero, true},
    {Prize::kHeroShard, true},
    {Prize::kInscriptionShard50, true},
    {Prize::kDiamond50, false},
    {Prize::kRose, false},
    {Prize::kInGameEffect, true},
}};

uint32_t Step(uint32_t state) { return state * pool_scan::kMultiplier + pool_scan::kIncrement; }

// ---- Pool scan dispatch ------------------------------------------------------

using ScanFunction = bool (*)(uint32_t, int64_t, uint32_t);

ScanFunction FunctionOf(PoolScan scan) {
  switch (scan) {
#if defined(ZORVANE_POOL_SCAN_X86)
    case PoolScan::kSse2: return pool_scan::ScanSse2;
    case PoolScan::kSse41: return pool_scan::ScanSse41;
#endif
#if defined(ZORVANE_POOL_SCAN_WIDE)
    case PoolScan::kAvx2: return pool_scan::ScanAvx2;
    case PoolScan::kAvx512: return pool_scan::ScanAvx512;
#endif
    default: return pool_scan::ScanScalar;
  }
}

PoolScan BestPoolScan() {
  for (PoolScan scan : {PoolScan::kAvx512, PoolScan::kAvx2, PoolScan::kSse41, PoolScan::kSse2}) {
    if (PoolScanSupported(scan)) return scan;
  }
  return PoolScan::kScalar;
}

std::atomic<PoolScan> activeScan{BestPoolScan()};

// ---- Tier 1: the final number's digits inside a pool number -----------------

// hits[r][u]: the decimal text of r (1 to 999) occurs in that of u (1 to 1000).
using TopTierTable = std::array<std::bitset<1001>, 1000>;

TopTierTable MakeTopTierTable() {
  TopTierTable table{};
  for (int u = 1; u <= 1000; ++u) {
    const std::string digits = std::to_string(u);
    for (std::size_t from = 0; from < digits.size(); ++from) {
      if (digits[from] == '0') continue;  // r's text has no leading zero
      int r = 0;
      for (std::size_t to = from; to < digits.size(); ++to) {
        r = r * 10 + (digits[to] - '0');
        if (r <= 999) table[r][u] = true;
      }
    }
  }
  return table;
}

const TopTierTable& TopTier() {
  static const TopTierTable table = MakeTopTierTable();
  return table;
}

bool TopPoolHolds(uint32_t state, int64_t count, uint32_t finalNumber) {
  const std::bitset<1001>& holds = TopTier()[finalNumber];
  for (int64_t i = 0; i < count; ++i) {
    state = Step(state);
    if (holds[1 + Output(state) % 1000]) return true;
  }
  return false;
}

// ---- The pass plan of a draw count -------------------------------------------

struct DrawPlan {
  std::array<int32_t, kTierCount> sizes{};
  std::array<int64_t, kTierCount> steps{};     // generator steps of each pool
  std::array<RandomJump, kTierCount> toPool{};  // from the final number to the pool's start
  RandomJump overPools{};                       // from the final number over all seven pools
};

DrawPlan MakePlan(const std::array<int32_t, kTierCount>& sizes) {
  DrawPlan plan;
  plan.sizes = sizes;
  uint64_t before = 0;
  for (int i = 0; i < kTierCount; ++i) {
    plan.steps[i] = sizes[i] > 0 ? sizes[i] : 0;
    plan.toPool[i] = JumpOf(before);
    before += static_cast<uint64_t>(plan.steps[i]);
  }
  plan.overPools = JumpOf(before);
  return plan;
}

// Draws of one command share a draw count, and pool sizes change only every
// few dozen draw counts, so the last plan is nearly always the one needed.
struct PlanCache {
  bool valid = false;
  int32_t drawCount = 0;
  DrawPlan plan;
};
thread_local PlanCache planCache;

const DrawPlan& PlanFor(int32_t drawCount) {
  if (planCache.valid && planCache.drawCount == drawCount) return planCache.plan;
  const auto sizes = PoolSizes(drawCount);
  if (!planCache.valid || planCache.plan.sizes != sizes) planCache.plan = MakePlan(sizes);
  planCache.valid = true;
  planCache.drawCount = drawCount;
  return planCache.plan;
}

}  // namespace

const char* PrizeText(Prize prize) { return kPrizeTexts[static_cast<std::size_t>(prize)]; }

RandomJump JumpOf(uint64_t steps) {
  // Square and multiply: all powers of the one step commute.
  RandomJump result{1, 0};
  RandomJump power{pool_scan::kMultiplier, pool_scan::kIncrement};
  while (steps != 0) {
    if (steps & 1) result = {power.multiplier * result.multiplier, power.multiplier * result.increment + power.increment};
    power = {power.multiplier * power.multiplier, power.multiplier * power.increment + power.increment};
    steps >>= 1;
  }
  return result;
}

bool PoolScanSupported(PoolScan scan) {
  switch (scan) {
    case PoolScan::kScalar: return true;
#if defined(ZORVANE_POOL_SCAN_X86)
    case PoolScan::kSse2: return true;  // part of x86-64
    case PoolScan::kSse41: __builtin_cpu_init(); return __builtin_cpu_supports("sse4.1");
#endif
#if defined(ZORVANE_POOL_SCAN_WIDE)
    case PoolScan::kAvx2: __builtin_cpu_init(); return __builtin_cpu_supports("avx2");
    case PoolScan::kAvx512:
      __builtin_cpu_init();
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
#endif
    default: return false;
  }
}

PoolScan ActivePoolScan() { return activeScan.load(std::memory_order_relaxed); }

bool SetPoolScan(PoolScan scan) {
  if (!PoolScanSupported(scan)) return false;
  activeScan.store(scan, std::memory_order_relaxed);
  return true;
}

const char* PoolScanName(PoolScan scan) {
  switch (scan) {
    case PoolScan::kScalar: return "scalar";
    case PoolScan::kSse2: return "sse2";
    case PoolScan::kSse41: return "sse4.1";
    case PoolScan::kAvx2: return "avx2";
    case PoolScan::kAvx512: return "avx512";
  }
  return "?";
}

bool PoolHoldsResidue(uint32_t state, int64_t count, uint32_t residue) {
  return FunctionOf(ActivePoolScan())(state, count, residue);
}

Prize FastDrawPrize(int32_t drawCount, uint32_t& state) {
  const DrawPlan& plan = PlanFor(drawCount);
  const ScanFunction scan = FunctionOf(ActivePoolScan());
  for (;;) {
    state = Step(state);
    const uint32_t finalNumber = 1 + Output(state) % 7000;
    const uint32_t afterFinal = state;
    // Whatever this pass finds, it draws all seven pools.
    state = plan.overPools.Apply(afterFinal);

    // The hit windows: 1 to 999 for tier 1, and 1002 to 1999, ..., 6002 to
    // 6999 for the others; 1000, x001, x000 and 7000 lie in none.
    const uint32_t tier = finalNumber / 1000;
    const uint32_t withinTier = finalNumber % 1000;
    if (tier >= kTierCount || withinTier < (tier == 0 ? 1u : 2u)) continue;
    const int64_t count = plan.steps[tier];
    if (count == 0) continue;
    const uint32_t poolStart = plan.toPool[tier].Apply(afterFinal);
    // Tier 1 is a substring test on digits; in tiers 2 to 7 every number has
    // four digits between separators, so the search is a membership test of
    // poolLow + output % 1000 == finalNumber.
    const bool found = tier == 0 ? TopPoolHolds(poolStart, count, finalNumber) : scan(poolStart, count, withinTier - 1);
    if (!found) continue;

    const TierPrize& prize = kTierPrizes[tier];
    if (!prize.twoNames) return prize.first;
    state = Step(state);  // RandomInt(1, 2): 1 gives the first name
    const bool first = Output(state) % 2 == 0;
    return first ? prize.first : static_cast<Prize>(static_cast<uint8_t>(prize.first) + 1);
  }
}
