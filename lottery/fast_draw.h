#pragma once
// A second form of the draw for bulk simulation. It consumes the random
// sequence exactly as DrawPrize does and gives the same prize for every draw,
// but builds no texts: pools that cannot be searched in a pass are jumped
// over, a tier's pool is scanned only until the final number is found, and
// the scan tests several generator steps at once.
#include <cstdint>

#include "runtime/text.h"

// The prizes in tier order; the two names of a tier are adjacent.
enum class Prize : uint8_t {
  kTopPrize,  // 荣耀水晶
  kHero,
  kSkin,
  kHeroShard,
  kSkinShard,
  kInscriptionShard50,
  kInscriptionShard80,
  kDiamond50,
  kRose,
  kInGameEffect,
  kAvatarFrame,
};
inline constexpr int kPrizeCount = 11;

// The prize's text, the same constant DrawPrize returns a copy of.
const char* PrizeText(Prize prize);

// One draw at `drawCount` from generator state `state`, which it advances
// exactly as DrawPrize advances the thread's generator. Does not touch the
// thread's generator.
Prize FastDrawPrize(int32_t drawCount, uint32_t& state);

// The generator's step and its n-fold jump: state after n steps is
// multiplier * state + increment (mod 2^32).
struct RandomJump {
  uint32_t multiplier;
  uint32_t increment;
  uint32_t Apply(uint32_t state) const { return multiplier * state + increment; }
};
RandomJump JumpOf(uint64_t steps);

// The ways of scanning a pool for the final number; the wider ones exist only
// where the processor has the instructions, and the best of those is chosen
// when the program starts.
enum class PoolScan : uint8_t { kScalar, kSse2, kSse41, kAvx2, kAvx512 };
bool PoolScanSupported(PoolScan scan);
PoolScan ActivePoolScan();
// For tests and benchmarks: use `scan` from now on (on every thread). Returns
// false and changes nothing when the processor cannot run it.
bool SetPoolScan(PoolScan scan);
const char* PoolScanName(PoolScan scan);

// True if any of the `count` numbers that the next `count` generator steps
// from `state` give, reduced modulo 1000, equals `residue`. This is the
// membership test of the tiers 2 to 7 (pool numbers poolLow + r % 1000).
bool PoolHoldsResidue(uint32_t state, int64_t count, uint32_t residue);
