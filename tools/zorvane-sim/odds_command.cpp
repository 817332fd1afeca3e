#include "odds_command.h"
#include "file_handle.h"

#include <array>
#include <charconv>
#include <memory>
#include <vector>

#include "cost_histogram.h"
#include "cost_plot.h"
#include "headless_lottery.h"
#include "lottery/prize_draw.h"
#include "output_buffer.h"
#include "prize_odds.h"
#include "progress_bar.h"
#include "report_text.h"
#include "runtime/text_encoding.h"

namespace {

constexpr int64_t kProgressEvery = 1 << 14;

template <class Integer>
std::optional<Integer> ParseInteger(std::string_view word, Integer low, Integer high) {
  Integer value{};
  const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  if (result.ec != std::errc{} || result.ptr != word.data() + word.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

// The first top prize of each fresh start: counts the points at the first
// top-prize message since the last reset.
struct FirstTopPrizeSink {
  CostHistogram costs;
  int64_t draws = 0;
  bool seen = false;
  int64_t points = 0;
  void OnCharge(int32_t, int32_t price) { points += price; }
  void OnDraw(Prize, bool) { ++draws; }
  void OnTopPrizeMessage(int32_t, bool) {
    if (!seen) costs.Add(points);
    seen = true;
  }
  void OnReset() {
    seen = false;
    points = 0;
  }
};

struct SimulatedCost {
  CostHistogram costs;
  int64_t draws = 0;
};

// Fresh starts one after another on the real sequence from the program's
// start: commands of one kind until the top prize, then a reset (the command
// that showed the message runs to its end first, as a click would wait for
// it), until `draws` draws are made; an unfinished last cycle is left out.
SimulatedCost SimulateFirstTopPrizeCost(ActionKind kind, int64_t draws, ProgressBar& progress, int64_t workBefore) {
  HeadlessLottery lottery;
  FirstTopPrizeSink sink;
  int64_t nextReport = kProgressEvery;
  while (sink.draws < draws) {
    if (HeadlessCommand(kind, lottery, sink)) HeadlessReset(lottery, sink);
    if (sink.draws >= nextReport) {
      progress.Update(workBefore + sink.draws);
      nextReport = sink.draws + kProgressEvery;
    }
  }
  return {sink.costs, sink.draws};
}

struct Report {
  int32_t drawCount;
  std::array<int32_t, kTierCount> sizes;
  PrizeOdds exact;
  std::array<int64_t, kPrizeCount> observed{};
  int64_t draws;
  struct Strategy {
    const char* name;
    const char* key;
    FirstTopPrizeCost exact;
    SimulatedCost simulated;
  };
  std::vector<Strategy> strategies;
};

double SimulatedMeanYuan(const SimulatedCost& s) {
  return s.costs.count() ? static_cast<double>(s.costs.sum()) / 10.0 / static_cast<double>(s.costs.count()) : 0.0;
}

std::string SizesText(const std::array<int32_t, kTierCount>& sizes) {
  std::string s;
  for (int i = 0; i < kTierCount; ++i) s += (i ? ", " : "") + std::to_string(sizes[i]);
  return s;
}

std::string TextReport(const Report& r) {
  std::string s = "prize odds at drawCount " + std::to_string(r.drawCount) + " (pool sizes " + SizesText(r.sizes) +
                  ")\n";
  s += "a pass awards a prize with chance " + Fixed(r.exact.passAwards, 6) + " (" +
       Fixed(1 / r.exact.passAwards, 3) + " passes per draw)\n\n";
  s += PadRight("prize", 16) + PadLeft("exact", 12) + PadLeft("observed", 12) + "\n";
  for (int i = 0; i < kPrizeCount; ++i) {
    const double observed = static_cast<double>(r.observed[i]) / static_cast<double>(r.draws);
    s += PadRight(GbkToUtf8(PrizeText(static_cast<Prize>(i))), 16) + PadLeft(Fixed(100 * r.exact.perDraw[i], 4) + " %", 12) +
         PadLeft(Fixed(100 * observed, 4) + " %", 12) + "\n";
  }
  s += "(observed: " + std::to_string(r.draws) + " consecutive draws at this drawCount from the start of the sequence)\n\n";
  s += "expected cost of the first top prize from a fresh start, guarantee at 361 draws included\n";
  s += PadRight("", 20) + PadLeft("exact", 14) + PadLeft("simulated", 14) + PadLeft("fresh starts", 14) + "\n";
  for (const auto& st : r.strategies) {
    s += PadRight(st.name, 20) + PadLeft(Fixed(st.exact.expectedPoints / 10.0, 2) + " yuan", 14) +
         PadLeft(Fixed(SimulatedMeanYuan(st.simulated), 2) + " yuan", 14) +
         PadLeft(std::to_string(st.simulated.costs.count()), 14) + "\n";
  }
  s += "(simulated: fresh starts one after another, a reset after each top prize, over " + std::to_string(r.draws) +
       " draws of the sequence from its start)\n";
  return s;
}

std::string JsonReport(const Report& r) {
  std::string s = "{\n  \"draw_count\": " + std::to_string(r.drawCount) + ",\n  \"pool_sizes\": [" +
                  SizesText(r.sizes) + "],\n";
  s += "  \"pass_awards\": " + JsonNumber(r.exact.passAwards) + ",\n";
  s += "  \"observed_draws\": " + std::to_string(r.draws) + ",\n  \"prizes\": [\n";
  for (int i = 0; i < kPrizeCount; ++i) {
    s += "    {\"name\": " + JsonString(GbkToUtf8(PrizeText(static_cast<Prize>(i)))) +
         ", \"exact\": " + JsonNumber(r.exact.perDraw[i]) + ", \"observed_count\": " + std::to_string(r.observed[i]) +
         ", \"observed_share\": " + JsonNumber(static_cast<double>(r.observed[i]) / static_cast<double>(r.draws)) +
         "}" + (i + 1 < kPrizeCount ? ",\n" : "\n");
  }
  s += "  ],\n  \"first_top_prize_cost_yuan\": {\n";
  for (std::size_t i = 0; i < r.strategies.size(); ++i) {
    const auto& st = r.strategies[i];
    s += "    \"" + std::string(st.key) + "\": {\"exact\": " + JsonNumber(st.exact.expectedPoints / 10.0) +
         ", \"simulated\": " + JsonNumber(SimulatedMeanYuan(st.simulated)) +
         ", \"fresh_starts\": " + std::to_string(st.simulated.costs.count()) +
         ", \"simulated_draws\": " + std::to_string(st.simulated.draws) + "}" +
         (i + 1 < r.strategies.size() ? ",\n" : "\n");
  }
  s += "  }\n}\n";
  return s;
}

}  // namespace

std::variant<OddsRequest, std::string> ParseOddsRequest(std::span<const std::string_view> words) {
  OddsRequest request;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    const bool hasValue = i + 1 < words.size();
    if (word == "--json") {
      request.json = true;
    } else if (word == "--draw-count") {
      if (!hasValue) return std::string("--draw-count needs a number");
      const auto n = ParseInteger<int32_t>(words[++i], INT32_MIN, INT32_MAX);
      if (!n) return "not a drawCount (an int32): '" + std::string(words[i]) + "'";
      request.drawCount = *n;
    } else if (word == "--draws") {
      if (!hasValue) return std::string("--draws needs a number");
      const auto n = ParseInteger<int64_t>(words[++i], 1, kMaxOddsDraws);
      if (!n) return "not a number of draws (1 to 1000000000): '" + std::string(words[i]) + "'";
      request.draws = *n;
    } else if (word == "--plot") {
      if (!hasValue || words[i + 1].empty()) return std::string("--plot needs a file name");
      request.plotFile = std::string(words[++i]);
    } else {
      return "unknown word: '" + std::string(word) + "'";
    }
  }
  return request;
}

int OddsCommand(const OddsRequest& request, std::FILE* out, std::FILE* err) {
  FileHandle plot;
  if (!request.plotFile.empty()) {
    plot.reset(std::fopen(request.plotFile.c_str(), "wb"));
    if (!plot) {
      std::fprintf(err, "zorvane-sim: cannot write the plot file '%s'\n", request.plotFile.c_str());
      return 1;
    }
  }
  Report r{request.drawCount, PoolSizes(request.drawCount), ExactPrizeOdds(request.drawCount), {}, request.draws, {}};
  {
    ProgressBar progress(err, 3 * request.draws, "odds");
    uint32_t random = 1;
    for (int64_t i = 0; i < request.draws; ++i) {
      ++r.observed[static_cast<int>(FastDrawPrize(request.drawCount, random))];
      if ((i & (kProgressEvery - 1)) == 0) progress.Update(i);
    }
    r.strategies.push_back({"single draws", "single_draws", ExactFirstTopPrizeCost(ActionKind::kSingleDraw),
                            SimulateFirstTopPrizeCost(ActionKind::kSingleDraw, request.draws, progress, request.draws)});
    r.strategies.push_back({"five-draw batches", "five_draw_batches", ExactFirstTopPrizeCost(ActionKind::kFiveDraws),
                            SimulateFirstTopPrizeCost(ActionKind::kFiveDraws, request.draws, progress,
                                                      2 * request.draws)});
  }
  if (plot) {
    std::vector<CostSeries> series;
    const char* colors[] = {"#1f77b4", "#e4572e"};
    for (std::size_t i = 0; i < r.strategies.size(); ++i) {
      const auto& st = r.strategies[i];
      CostSeries s{st.name, colors[i], {}, st.simulated.costs.count(), st.exact.distribution};
      const auto total = static_cast<double>(st.simulated.costs.count());
      for (const auto& [points, n] : st.simulated.costs.Counts()) s.simulated.push_back({points, static_cast<double>(n) / total});
      series.push_back(std::move(s));
    }
    const std::string svg = CostPlotSvg("zorvane-sim odds: cost of the first top prize from a fresh start", series);
    const bool written = std::fwrite(svg.data(), 1, svg.size(), plot.get()) == svg.size();
    if (std::fclose(plot.release()) != 0 || !written) {
      std::fprintf(err, "zorvane-sim: cannot write the plot file '%s'\n", request.plotFile.c_str());
      return 1;
    }
  }
  OutputBuffer buffer(out);
  buffer << (request.json ? JsonReport(r) : TextReport(r));
  if (!buffer.Finish()) {
    std::fprintf(err, "zorvane-sim: could not write the report\n");
    return 1;
  }
  return 0;
}
