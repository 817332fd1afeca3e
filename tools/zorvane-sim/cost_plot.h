#pragma once
// The chart of what the top prize costs: the distribution of the cost between
// top prizes, and the chance of the top prize within a given cost, each
// simulated and, where known, exact. An SVG document, UTF-8.
#include <cstdint>
#include <string>
#include <vector>

#include "prize_odds.h"

struct CostSeries {
  std::string label;                  // "single draws"
  std::string color;                  // an SVG colour
  std::vector<CostChance> simulated;  // share of each cost among the simulated ones
  int64_t simulatedCount = 0;
  std::vector<CostChance> exact;  // empty when there is no exact figure
};

std::string CostPlotSvg(const std::string& title, const std::vector<CostSeries>& series);
