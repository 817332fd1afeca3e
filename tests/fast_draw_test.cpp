// The fast draw against DrawPrize: the same prize and the same generator
// state after every draw, over a long consecutive stretch of the sequence.
#include "lottery/fast_draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "lottery/pool_scan.h"
#include "lottery/prize_draw.h"
#include "runtime/value_services.h"

namespace {

struct DrawRecord {
  int32_t drawCount;
  uint32_t stateBefore;
  Prize prize;
  uint32_t stateAfter;
};

std::vector<PoolScan> SupportedScans() {
  std::vector<PoolScan> scans;
  for (PoolScan scan : {PoolScan::kScalar, PoolScan::kSse2, PoolScan::kSse41, PoolScan::kAvx2, PoolScan::kAvx512}) {
    if (PoolScanSupported(scan)) scans.push_back(scan);
  }
  return scans;
}

// Restores the scan the program chose when a test is done with another.
class PoolScanScope {
 public:
  PoolScanScope() : saved_(ActivePoolScan()) {}
  PoolScanScope(const PoolScanScope&) = delete;
  PoolScanScope& operator=(const PoolScanScope&) = delete;
  ~PoolScanScope() { SetPoolScan(saved_); }

 private:
  PoolScan saved_;
};

std::vector<DrawRecord> FastRun(const std::vector<int32_t>& drawCounts, uint32_t state) {
  std::vector<DrawRecord> records;
  records.reserve(drawCounts.size());
  for (int32_t drawCount : drawCounts) {
    DrawRecord record{drawCount, state, Prize::kTopPrize, 0};
    record.prize = FastDrawPrize(drawCount, state);
    record.stateAfter = state;
    records.push_back(record);
  }
  return records;
}

// DrawPrize for every record, from the record's state before. The generator
// state is per thread, so slices of the run check in parallel. Returns the
// first record that differs, as text.
std::optional<std::string> CheckAgainstDrawPrize(const std::vector<DrawRecord>& records) {
  const std::size_t threadCount = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
  std::vector<std::optional<std::string>> failures(threadCount);
  std::vector<std::thread> threads;
  const std::size_t slice = (records.size() + threadCount - 1) / threadCount;
  for (std::size_t t = 0; t < threadCount; ++t) {
    threads.emplace_back([&, t] {
      const std::size_t begin = std::min(records.size(), t * slice);
      const std::size_t end = std::min(records.size(), begin + slice);
      if (begin == end) return;
      SetRandomState(records[begin].stateBefore);
      for (std::size_t i = begin; i < end; ++i) {
        const DrawRecord& r = records[i];
        const Text prize = DrawPrize(r.drawCount);
        if (prize != PrizeText(r.prize) || RandomState() != r.stateAfter) {
          failures[t] = "draw " + std::to_string(i) + " at drawCount " + std::to_string(r.drawCount) +
                        ": fast prize " + std::to_string(static_cast<int>(r.prize)) + " state " +
                        std::to_string(r.stateAfter) + ", DrawPrize state " + std::to_string(RandomState());
          return;
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (auto& failure : failures) {
    if (failure) return failure;
  }
  return std::nullopt;
}

// Runs every scan the processor has over the draw counts, demands that they
// agree draw by draw, and checks one of them against DrawPrize.
void ExpectSameAsDrawPrize(const std::vector<int32_t>& drawCounts, uint32_t startState) {
  PoolScanScope restore;
  std::vector<DrawRecord> first;
  for (PoolScan scan : SupportedScans()) {
    ASSERT_TRUE(SetPoolScan(scan));
    std::vector<DrawRecord> records = FastRun(drawCounts, startState);
    if (first.empty()) {
      first = std::move(records);
      continue;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
      ASSERT_TRUE(records[i].prize == first[i].prize && records[i].stateAfter == first[i].stateAfter)
          << PoolScanName(scan) << " differs from " << PoolScanName(SupportedScans()[0]) << " at draw " << i;
    }
  }
  const auto failure = CheckAgainstDrawPrize(first);
  EXPECT_FALSE(failure.has_value()) << *failure;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

TEST(FastDraw, MatchesDrawPrizeOverConsecutiveDrawsAtDrawCounts1To1000) {
  // 200 consecutive draws at each draw count from 1 to 1000: every pool-size
  // change up to there, tier 1 shrinking to 0 (356) and below (400). The
  // sanitizer build runs DrawPrize many times slower and checks a fifth.
  const int perDrawCount = kSanitized ? 40 : 200;
  std::vector<int32_t> drawCounts;
  for (int32_t drawCount = 1; drawCount <= 1000; ++drawCount) drawCounts.insert(drawCounts.end(), perDrawCount, drawCount);
  ExpectSameAsDrawPrize(drawCounts, 1);
}

TEST(FastDraw, MatchesDrawPrizeAtFarDrawCounts) {
  // Counters wrapped negative give tier 1 a large pool and the others none;
  // large ones give pools of thousands of numbers, where the fast draw stops
  // scanning at the first hit.
  const std::vector<int32_t> farCounts{0, -1, -44, -45, -1000, -50000, 100000, 1000000};
  std::vector<int32_t> drawCounts;
  for (int32_t drawCount : farCounts) drawCounts.insert(drawCounts.end(), 20, drawCount);
  ExpectSameAsDrawPrize(drawCounts, 0x9e3779b9u);
}

TEST(FastDraw, FirstTenDrawsFromTheStartGiveTheKnownPrizes) {
  const std::vector<Prize> expected{Prize::kInscriptionShard50, Prize::kInscriptionShard50, Prize::kSkinShard,
                                    Prize::kSkinShard,          Prize::kSkinShard,          Prize::kSkinShard,
                                    Prize::kRose,               Prize::kInGameEffect,       Prize::kSkinShard,
                                    Prize::kSkinShard};
  uint32_t state = 1;
  for (int32_t drawCount = 1; drawCount <= 10; ++drawCount) {
    EXPECT_EQ(FastDrawPrize(drawCount, state), expected[drawCount - 1]) << "draw " << drawCount;
  }
}

TEST(FastDraw, JumpEqualsRepeatedSteps) {
  for (uint64_t steps : {0ull, 1ull, 2ull, 63ull, 64ull, 1000ull, 123457ull}) {
    uint32_t stepped = 12345;
    for (uint64_t i = 0; i < steps; ++i) stepped = stepped * 214013u + 2531011u;
    EXPECT_EQ(JumpOf(steps).Apply(12345), stepped) << steps << " steps";
  }
  // The generator has period 2^32: a jump over it changes nothing.
  EXPECT_EQ(JumpOf(uint64_t{1} << 32).Apply(777), 777u);
}

// Every vector scan against the plain loop, at block edges, with the only hit
// at the very last number, and with no hit at all. Catches lanes lost or
// tested twice, a wrong tail and a wrong residue test.
TEST(FastDraw, EveryPoolScanAgreesWithThePlainLoop) {
  PoolScanScope restore;
  const std::vector<int64_t> counts{0, 1, 3, 15, 16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129, 300, 1000};
  uint32_t seed = 99;
  for (PoolScan scan : SupportedScans()) {
    ASSERT_TRUE(SetPoolScan(scan));
    for (int64_t count : counts) {
      for (int trial = 0; trial < 20; ++trial) {
        seed = seed * 1664525u + 1013904223u;
        const uint32_t state = seed;
        std::vector<uint32_t> residues;
        uint32_t s = state;
        for (int64_t i = 0; i < count; ++i) {
          s = s * 214013u + 2531011u;
          residues.push_back(pool_scan::Output(s) % 1000);
        }
        if (count > 0) {
          const uint32_t last = residues.back();
          const bool lastOnlyOnce = std::count(residues.begin(), residues.end(), last) == 1;
          if (lastOnlyOnce) {
            EXPECT_TRUE(PoolHoldsResidue(state, count, last)) << PoolScanName(scan) << " n=" << count;
          }
        }
        for (uint32_t residue = 0; residue < 1000; ++residue) {
          const bool present = std::find(residues.begin(), residues.end(), residue) != residues.end();
          ASSERT_EQ(PoolHoldsResidue(state, count, residue), present)
              << PoolScanName(scan) << " n=" << count << " residue=" << residue;
        }
      }
    }
  }
}

TEST(FastDraw, PrizeTextsAreTheTierNames) {
  std::vector<std::string> tierNames;
  for (const PrizeTier& tier : PrizeTiers()) {
    tierNames.emplace_back(tier.firstName);
    if (tier.secondName != nullptr) tierNames.emplace_back(tier.secondName);
  }
  ASSERT_EQ(tierNames.size(), static_cast<std::size_t>(kPrizeCount));
  for (int i = 0; i < kPrizeCount; ++i) EXPECT_EQ(PrizeText(static_cast<Prize>(i)), tierNames[i]) << i;
}

}  // namespace
