#pragma once
// Costs in points, counted in a fixed histogram: bounded memory however many
// costs go in, and exact order statistics for every cost below the last bin.
#include <cstdint>
#include <optional>
#include <vector>

class CostHistogram {
 public:
  // Every price is a multiple of 30 points (60 and 270), so every sum is.
  static constexpr int64_t kBinPoints = 30;
  static constexpr int64_t kBins = 1 << 16;  // costs up to 1 966 050 points exactly

  CostHistogram() : bins_(kBins, 0) {}

  void Add(int64_t points);

  int64_t count() const { return count_; }
  int64_t sum() const { return sum_; }
  int64_t max() const { return max_; }
  int64_t overflow() const { return overflow_; }
  // The nearest-rank percentile: the smallest cost that at least q of all
  // costs do not exceed. Nothing when there are no costs, or when it lies
  // beyond the histogram's range.
  std::optional<int64_t> Percentile(double q) const;
  // (cost, how many) for every cost that occurred, in order; costs beyond
  // the range are left out.
  std::vector<std::pair<int64_t, int64_t>> Counts() const;

 private:
  std::vector<int64_t> bins_;
  int64_t count_ = 0;
  int64_t sum_ = 0;
  int64_t max_ = 0;
  int64_t overflow_ = 0;
};
