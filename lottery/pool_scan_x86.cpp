// The vector pool scans. Each function carries its own target attribute, so
// the rest of the program stays plain x86-64 and runs on any such processor;
// the dispatch in fast_draw.cpp calls a scan only where the processor has it.
#include "lottery/pool_scan.h"

#if defined(ZORVANE_POOL_SCAN_X86)
#include <immintrin.h>

#include <algorithm>

namespace pool_scan {
namespace {

constexpr uint32_t JumpMultiplier(int steps) { return kLaneJumps.multiplier[steps - 1]; }
constexpr uint32_t JumpIncrement(int steps) { return kLaneJumps.increment[steps - 1]; }

int Bits(uint32_t value) { return static_cast<int>(value); }
short Bits16(uint32_t value) { return static_cast<short>(static_cast<uint16_t>(value)); }

// A state whose output is residue + 1 modulo 1000: it stands for the lanes
// past the end of a pool.
constexpr uint32_t NoHitState(uint32_t residue) { return ((residue + 1) % 1000) << 16; }

// ---- SSE2: four lanes, 16 outputs per block -------------------------------

// SSE2 has no 32-bit low multiply: two 32x32->64 products of the even and odd
// lanes, put back together.
inline __m128i MulLo32Sse2(__m128i a, __m128i b) {
  const __m128i even = _mm_mul_epu32(a, b);
  const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
  return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                            _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}

struct ResidueTest128 {
  __m128i offset, low15, inverse, limit;
  explicit ResidueTest128(uint32_t residue)
      : offset(_mm_set1_epi16(Bits16(1000 - residue))),
        low15(_mm_set1_epi16(0x7fff)),
        inverse(_mm_set1_epi16(Bits16(kInverseOf125))),
        limit(_mm_set1_epi16(Bits16(kMultiplesOf1000Limit))) {}
  // All-ones in every 16-bit lane whose output is the residue modulo 1000.
  // The arithmetic shift keeps the upper halves in int16 range, so the pack
  // does not saturate.
  __m128i Hits(__m128i states0, __m128i states1) const {
    const __m128i high = _mm_packs_epi32(_mm_srai_epi32(states0, 16), _mm_srai_epi32(states1, 16));
    const __m128i x = _mm_add_epi16(_mm_and_si128(high, low15), offset);
    const __m128i m = _mm_mullo_epi16(x, inverse);
    const __m128i rotated = _mm_or_si128(_mm_srli_epi16(m, 3), _mm_slli_epi16(m, 13));
    return _mm_cmpeq_epi16(_mm_subs_epu16(rotated, limit), _mm_setzero_si128());
  }
};

}  // namespace

bool ScanSse2(uint32_t state, int64_t count, uint32_t residue) {
  constexpr int kLanes = 4;
  constexpr int kVectors = 4;
  constexpr int kBlock = kLanes * kVectors;
  if (count <= 0) return false;
  const __m128i base = _mm_set1_epi32(Bits(state));
  __m128i s[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    const auto* mul = reinterpret_cast<const __m128i*>(&kLaneJumps.multiplier[v * kLanes]);
    const auto* inc = reinterpret_cast<const __m128i*>(&kLaneJumps.increment[v * kLanes]);
    s[v] = _mm_add_epi32(MulLo32Sse2(base, _mm_loadu_si128(mul)), _mm_loadu_si128(inc));
  }
  const __m128i stepMul = _mm_set1_epi32(Bits(JumpMultiplier(kBlock)));
  const __m128i stepInc = _mm_set1_epi32(Bits(JumpIncrement(kBlock)));
  const ResidueTest128 test(residue);
  for (int64_t blocks = count / kBlock; blocks > 0; --blocks) {
    const __m128i hits = _mm_or_si128(test.Hits(s[0], s[1]), test.Hits(s[2], s[3]));
    if (_mm_movemask_epi8(hits) != 0) return true;
    for (auto& v : s) v = _mm_add_epi32(MulLo32Sse2(v, stepMul), stepInc);
  }
  const int rest = static_cast<int>(count % kBlock);
  if (rest == 0) return false;
  // The last, partial block: lanes past the pool's end get a state that
  // cannot hit.
  const __m128i noHit = _mm_set1_epi32(Bits(NoHitState(residue)));
  const __m128i laneIndex = _mm_setr_epi32(0, 1, 2, 3);
  for (int v = 0; v < kVectors; ++v) {
    const __m128i valid = _mm_cmpgt_epi32(_mm_set1_epi32(rest - v * kLanes), laneIndex);
    s[v] = _mm_or_si128(_mm_and_si128(valid, s[v]), _mm_andnot_si128(valid, noHit));
  }
  const __m128i hits = _mm_or_si128(test.Hits(s[0], s[1]), test.Hits(s[2], s[3]));
  return _mm_movemask_epi8(hits) != 0;
}

// ---- SSE4.1: the same with its 32-bit low multiply; 16-byte vectors, so
// safe on Windows too ------------------------------------------------------

[[gnu::target("sse4.1")]] bool ScanSse41(uint32_t state, int64_t count, uint32_t residue) {
  constexpr int kLanes = 4;
  constexpr int kVectors = 4;
  constexpr int kBlock = kLanes * kVectors;
  if (count <= 0) return false;
  const __m128i base = _mm_set1_epi32(Bits(state));
  __m128i s[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    const auto* mul = reinterpret_cast<const __m128i*>(&kLaneJumps.multiplier[v * kLanes]);
    const auto* inc = reinterpret_cast<const __m128i*>(&kLaneJumps.increment[v * kLanes]);
    s[v] = _mm_add_epi32(_mm_mullo_epi32(base, _mm_loadu_si128(mul)), _mm_loadu_si128(inc));
  }
  const __m128i stepMul = _mm_set1_epi32(Bits(JumpMultiplier(kBlock)));
  const __m128i stepInc = _mm_set1_epi32(Bits(JumpIncrement(kBlock)));
  const ResidueTest128 test(residue);
  for (int64_t blocks = count / kBlock; blocks > 0; --blocks) {
    const __m128i hits = _mm_or_si128(test.Hits(s[0], s[1]), test.Hits(s[2], s[3]));
    if (_mm_movemask_epi8(hits) != 0) return true;
    for (auto& v : s) v = _mm_add_epi32(_mm_mullo_epi32(v, stepMul), stepInc);
  }
  const int rest = static_cast<int>(count % kBlock);
  if (rest == 0) return false;
  // The last, partial block: lanes past the pool's end get a state that
  // cannot hit.
  const __m128i noHit = _mm_set1_epi32(Bits(NoHitState(residue)));
  const __m128i laneIndex = _mm_setr_epi32(0, 1, 2, 3);
  for (int v = 0; v < kVectors; ++v) {
    const __m128i valid = _mm_cmpgt_epi32(_mm_set1_epi32(rest - v * kLanes), laneIndex);
    s[v] = _mm_or_si128(_mm_and_si128(valid, s[v]), _mm_andnot_si128(valid, noHit));
  }
  const __m128i hits = _mm_or_si128(test.Hits(s[0], s[1]), test.Hits(s[2], s[3]));
  return _mm_movemask_epi8(hits) != 0;
}

#if defined(ZORVANE_POOL_SCAN_WIDE)

// ---- AVX2: eight lanes, 32 outputs per block ------------------------------

namespace {

[[gnu::target("avx2")]] inline __m256i HitsAvx2(__m256i states0, __m256i states1, __m256i offset, __m256i low15,
                                                __m256i inverse, __m256i limit) {
  // The pack interleaves the two vectors' lanes; the order does not matter.
  const __m256i high = _mm256_packs_epi32(_mm256_srai_epi32(states0, 16), _mm256_srai_epi32(states1, 16));
  const __m256i x = _mm256_add_epi16(_mm256_and_si256(high, low15), offset);
  const __m256i m = _mm256_mullo_epi16(x, inverse);
  const __m256i rotated = _mm256_or_si256(_mm256_srli_epi16(m, 3), _mm256_slli_epi16(m, 13));
  return _mm256_cmpeq_epi16(_mm256_subs_epu16(rotated, limit), _mm256_setzero_si256());
}

}  // namespace

[[gnu::target("avx2")]] bool ScanAvx2(uint32_t state, int64_t count, uint32_t residue) {
  constexpr int kLanes = 8;
  constexpr int kVectors = 4;
  constexpr int kBlock = kLanes * kVectors;
  if (count <= 0) return false;
  const __m256i base = _mm256_set1_epi32(Bits(state));
  __m256i s[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    const auto* mul = reinterpret_cast<const __m256i*>(&kLaneJumps.multiplier[v * kLanes]);
    const auto* inc = reinterpret_cast<const __m256i*>(&kLaneJumps.increment[v * kLanes]);
    s[v] = _mm256_add_epi32(_mm256_mullo_epi32(base, _mm256_loadu_si256(mul)), _mm256_loadu_si256(inc));
  }
  const __m256i stepMul = _mm256_set1_epi32(Bits(JumpMultiplier(kBlock)));
  const __m256i stepInc = _mm256_set1_epi32(Bits(JumpIncrement(kBlock)));
  const __m256i offset = _mm256_set1_epi16(Bits16(1000 - residue));
  const __m256i low15 = _mm256_set1_epi16(0x7fff);
  const __m256i inverse = _mm256_set1_epi16(Bits16(kInverseOf125));
  const __m256i limit = _mm256_set1_epi16(Bits16(kMultiplesOf1000Limit));
  for (int64_t blocks = count / kBlock; blocks > 0; --blocks) {
    const __m256i hits = _mm256_or_si256(HitsAvx2(s[0], s[1], offset, low15, inverse, limit),
                                         HitsAvx2(s[2], s[3], offset, low15, inverse, limit));
    if (!_mm256_testz_si256(hits, hits)) return true;
    for (auto& v : s) v = _mm256_add_epi32(_mm256_mullo_epi32(v, stepMul), stepInc);
  }
  const int rest = static_cast<int>(count % kBlock);
  if (rest == 0) return false;
  const __m256i noHit = _mm256_set1_epi32(Bits(NoHitState(residue)));
  const __m256i laneIndex = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  for (int v = 0; v < kVectors; ++v) {
    const __m256i valid = _mm256_cmpgt_epi32(_mm256_set1_epi32(rest - v * kLanes), laneIndex);
    s[v] = _mm256_blendv_epi8(noHit, s[v], valid);
  }
  const __m256i hits = _mm256_or_si256(HitsAvx2(s[0], s[1], offset, low15, inverse, limit),
                                       HitsAvx2(s[2], s[3], offset, low15, inverse, limit));
  return !_mm256_testz_si256(hits, hits);
}

// ---- AVX-512: sixteen lanes, 64 outputs per block -------------------------

namespace {

[[gnu::target("avx512f,avx512bw")]] inline __mmask32 HitsAvx512(__m512i states0, __m512i states1, __m512i offset,
                                                                __m512i low15, __m512i inverse, __m512i limit) {
  // The zero-masked shift: GCC 12's plain form warns about its undefined
  // pass-through operand.
  constexpr __mmask16 kAll = 0xffff;
  const __m512i high =
      _mm512_packs_epi32(_mm512_maskz_srai_epi32(kAll, states0, 16), _mm512_maskz_srai_epi32(kAll, states1, 16));
  const __m512i x = _mm512_add_epi16(_mm512_and_si512(high, low15), offset);
  const __m512i m = _mm512_mullo_epi16(x, inverse);
  const __m512i rotated = _mm512_or_si512(_mm512_srli_epi16(m, 3), _mm512_slli_epi16(m, 13));
  return _mm512_cmple_epu16_mask(rotated, limit);
}

}  // namespace

[[gnu::target("avx512f,avx512bw")]] bool ScanAvx512(uint32_t state, int64_t count, uint32_t residue) {
  constexpr int kLanes = 16;
  constexpr int kVectors = 4;
  constexpr int kBlock = kLanes * kVectors;
  static_assert(kBlock <= kLaneJumpCount);
  if (count <= 0) return false;
  const __m512i base = _mm512_set1_epi32(Bits(state));
  __m512i s[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    const __m512i mul = _mm512_loadu_si512(&kLaneJumps.multiplier[v * kLanes]);
    const __m512i inc = _mm512_loadu_si512(&kLaneJumps.increment[v * kLanes]);
    s[v] = _mm512_add_epi32(_mm512_mullo_epi32(base, mul), inc);
  }
  const __m512i stepMul = _mm512_set1_epi32(Bits(JumpMultiplier(kBlock)));
  const __m512i stepInc = _mm512_set1_epi32(Bits(JumpIncrement(kBlock)));
  const __m512i offset = _mm512_set1_epi16(Bits16(1000 - residue));
  const __m512i low15 = _mm512_set1_epi16(0x7fff);
  const __m512i inverse = _mm512_set1_epi16(Bits16(kInverseOf125));
  const __m512i limit = _mm512_set1_epi16(Bits16(kMultiplesOf1000Limit));
  for (int64_t blocks = count / kBlock; blocks > 0; --blocks) {
    const __mmask32 hits = HitsAvx512(s[0], s[1], offset, low15, inverse, limit) |
                           HitsAvx512(s[2], s[3], offset, low15, inverse, limit);
    if (hits != 0) return true;
    for (auto& v : s) v = _mm512_add_epi32(_mm512_mullo_epi32(v, stepMul), stepInc);
  }
  const int rest = static_cast<int>(count % kBlock);
  if (rest == 0) return false;
  const __m512i noHit = _mm512_set1_epi32(Bits(NoHitState(residue)));
  for (int v = 0; v < kVectors; ++v) {
    const int valid = std::clamp(rest - v * kLanes, 0, kLanes);
    const auto validLanes = static_cast<__mmask16>((1u << valid) - 1);
    s[v] = _mm512_mask_blend_epi32(validLanes, noHit, s[v]);
  }
  const __mmask32 hits = HitsAvx512(s[0], s[1], offset, low15, inverse, limit) |
                         HitsAvx512(s[2], s[3], offset, low15, inverse, limit);
  return hits != 0;
}

#endif  // ZORVANE_POOL_SCAN_WIDE

}  // namespace pool_scan

#endif  // ZORVANE_POOL_SCAN_X86
