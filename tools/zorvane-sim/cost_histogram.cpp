#include "cost_histogram.h"

#include <cmath>

void CostHistogram::Add(int64_t points) {
  ++count_;
  sum_ += points;
  if (points > max_) max_ = points;
  const int64_t bin = points / kBinPoints;
  if (points < 0 || bin >= kBins || points % kBinPoints != 0) {
    ++overflow_;
    return;
  }
  ++bins_[static_cast<std::size_t>(bin)];
}

std::optional<int64_t> CostHistogram::Percentile(double q) const {
  if (count_ == 0) return std::nullopt;
  auto rank = static_cast<int64_t>(std::ceil(q * static_cast<double>(count_)));
  if (rank < 1) rank = 1;
  int64_t seen = 0;
  for (int64_t bin = 0; bin < kBins; ++bin) {
    seen += bins_[static_cast<std::size_t>(bin)];
    if (seen >= rank) return bin * kBinPoints;
  }
  return std::nullopt;
}

std::vector<std::pair<int64_t, int64_t>> CostHistogram::Counts() const {
  std::vector<std::pair<int64_t, int64_t>> counts;
  for (int64_t bin = 0; bin < kBins; ++bin) {
    const int64_t n = bins_[static_cast<std::size_t>(bin)];
    if (n != 0) counts.emplace_back(bin * kBinPoints, n);
  }
  return counts;
}
