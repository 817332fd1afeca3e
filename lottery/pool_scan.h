#pragma once
// The pool scans behind PoolHoldsResidue: each tells whether one of the next
// `count` generator outputs, modulo 1000, equals `residue`. Only the answer
// matters (the pass consumes the whole pool either way), so a scan may test
// the outputs in any order and stops at the first block holding a hit.
#include <array>
#include <cstdint>

namespace pool_scan {

inline constexpr uint32_t kMultiplier = 214013;
inline constexpr uint32_t kIncrement = 2531011;

// Output of a generator state: what NextRandom returns after stepping to it.
constexpr uint32_t Output(uint32_t state) { return (state >> 16) & 32767; }

// The jumps of 1 to kLaneJumpCount steps, for starting the vector lanes.
inline constexpr int kLaneJumpCount = 64;
struct LaneJumps {
  std::array<uint32_t, kLaneJumpCount> multiplier;  // [k]: of k + 1 steps
  std::array<uint32_t, kLaneJumpCount> increment;
};
constexpr LaneJumps MakeLaneJumps() {
  LaneJumps jumps{};
  uint32_t a = 1;
  uint32_t c = 0;
  for (int k = 0; k < kLaneJumpCount; ++k) {
    a = a * kMultiplier;
    c = c * kMultiplier + kIncrement;
    jumps.multiplier[k] = a;
    jumps.increment[k] = c;
  }
  return jumps;
}
inline constexpr LaneJumps kLaneJumps = MakeLaneJumps();

// x is a multiple of 1000 (x < 2^16) exactly when x times the inverse of 125
// modulo 2^16, rotated right by 3 bits, is at most 65 = (2^16 - 1) / 1000.
// The vector scans use this instead of a division.
inline constexpr uint16_t kInverseOf125 = 30933;
inline constexpr uint16_t kMultiplesOf1000Limit = 65;

bool ScanScalar(uint32_t state, int64_t count, uint32_t residue);

#if (defined(__x86_64__) || defined(_M_X64)) && defined(__GNUC__)
#define ZORVANE_POOL_SCAN_X86 1
bool ScanSse2(uint32_t state, int64_t count, uint32_t residue);
bool ScanSse41(uint32_t state, int64_t count, uint32_t residue);
// Windows x64 only promises a 16-byte aligned stack and GCC spills 32- and
// 64-byte vectors with aligned moves there, so the wide scans stay off.
#if !defined(_WIN32)
#define ZORVANE_POOL_SCAN_WIDE 1
bool ScanAvx2(uint32_t state, int64_t count, uint32_t residue);
bool ScanAvx512(uint32_t state, int64_t count, uint32_t residue);
#endif
#endif

}  // namespace pool_scan
