#include "stats_command.h"
#include "file_handle.h"

#include <memory>

#include "cost_plot.h"
#include "lottery/commands.h"
#include "output_buffer.h"
#include "progress_bar.h"
#include "report_text.h"
#include "runtime/text_encoding.h"
#include "runtime/value_services.h"

namespace {

// Reports progress now and then: a clock read per draw would cost more than
// the draw.
constexpr int64_t kProgressEvery = 1 << 14;

double Yuan(int64_t points) { return static_cast<double>(points) / kPointsPerYuan; }
std::string YuanText(int64_t points) { return std::to_string(points / 10) + (points % 10 ? "." + std::to_string(points % 10) : ""); }

std::string OptionalYuan(std::optional<int64_t> points) { return points ? YuanText(*points) : "beyond the histogram"; }

// The exact figures fit a run in which every cycle between top prizes starts
// fresh: one kind of draw command only, with a reset after each top prize.
std::optional<ActionKind> FreshStartKind(const StatsRequest& request) {
  if (!request.resetAfterTop || request.actions.empty()) return std::nullopt;
  const ActionKind kind = request.actions.front().kind;
  if (kind == ActionKind::kReset) return std::nullopt;
  for (const Action& a : request.actions) {
    if (a.kind != kind) return std::nullopt;
  }
  return kind;
}

std::vector<CostChance> Shares(const CostHistogram& histogram) {
  std::vector<CostChance> shares;
  const auto total = static_cast<double>(histogram.count());
  for (const auto& [points, n] : histogram.Counts()) shares.push_back({points, static_cast<double>(n) / total});
  return shares;
}

std::string TextReport(const StatsRun& run) {
  const StatsTally& t = run.tally;
  std::string s;
  auto line = [&s](const std::string& label, const std::string& value) { s += PadRight(label, 34) + value + "\n"; };
  line("draws", std::to_string(t.draws));
  line("draw commands", std::to_string(t.drawCommands));
  line("resets", std::to_string(t.resets));
  line("points spent", std::to_string(t.pointsSpent) + " (" + YuanText(t.pointsSpent) + " yuan)");
  s += "\n" + PadRight("prize", 26) + PadLeft("count", 14) + PadLeft("share", 12) + "\n";
  for (int i = 0; i < kShownPrizeCount; ++i) {
    const double share = t.draws ? 100.0 * static_cast<double>(t.shown[i]) / static_cast<double>(t.draws) : 0.0;
    s += PadRight(ShownPrizeName(i), 26) + PadLeft(std::to_string(t.shown[i]), 14) + PadLeft(Fixed(share, 4) + " %", 12) +
         "\n";
  }
  s += "\n";
  line("top prizes", std::to_string(t.topPrizesDrawn + t.topPrizesGuaranteed) + " (drawn " +
                         std::to_string(t.topPrizesDrawn) + ", guaranteed " + std::to_string(t.topPrizesGuaranteed) +
                         ")");
  const CostHistogram& c = t.costBetweenTopPrizes;
  s += "cost between top prizes, in yuan (the first from the start)\n";
  line("  count", std::to_string(c.count()));
  if (c.count() > 0) {
    line("  mean", Fixed(Yuan(c.sum()) / static_cast<double>(c.count()), 2));
    line("  median", OptionalYuan(c.Percentile(0.5)));
    line("  90th percentile", OptionalYuan(c.Percentile(0.9)));
    line("  99th percentile", OptionalYuan(c.Percentile(0.99)));
    line("  max", YuanText(c.max()));
  }
  line("longest run without a top prize", std::to_string(t.longestRunWithoutTopPrize) + " draws");
  s += "\n";
  const HeadlessLottery& l = run.lottery;
  line("program counters at the end", "drawCount " + std::to_string(l.drawCount) + ", pointsSpent " +
                                          std::to_string(l.pointsSpent) + ", gloryValue " +
                                          std::to_string(l.gloryValue));
  if (t.anyMessage) line("last top-prize message", GbkToUtf8(TopPrizeMessage(t.lastMessagePoints)));
  if (t.pointsSpentWraps > 0) {
    s += "note: the program's pointsSpent passed the int32 range " + std::to_string(t.pointsSpentWraps) +
         " time(s) and wrapped, as the program does not check; " + std::to_string(t.messagesWithWrappedMoney) +
         " top-prize message(s) showed the wrapped amount. The points and costs above are the tool's own 64-bit "
         "totals.\n";
  }
  return s;
}

std::string JsonReport(const StatsRun& run, const StatsRequest& request) {
  const StatsTally& t = run.tally;
  const CostHistogram& c = t.costBetweenTopPrizes;
  auto yuan = [](std::optional<int64_t> points) {
    return points ? JsonNumber(Yuan(*points)) : std::string("null");
  };
  std::string s = "{\n";
  s += "  \"reset_after_top\": " + std::string(request.resetAfterTop ? "true" : "false") + ",\n";
  s += "  \"draws\": " + std::to_string(t.draws) + ",\n";
  s += "  \"draw_commands\": " + std::to_string(t.drawCommands) + ",\n";
  s += "  \"resets\": " + std::to_string(t.resets) + ",\n";
  s += "  \"points_spent\": " + std::to_string(t.pointsSpent) + ",\n";
  s += "  \"yuan_spent\": " + JsonNumber(Yuan(t.pointsSpent)) + ",\n";
  s += "  \"prizes\": [\n";
  for (int i = 0; i < kShownPrizeCount; ++i) {
    const double share = t.draws ? static_cast<double>(t.shown[i]) / static_cast<double>(t.draws) : 0.0;
    s += "    {\"name\": " + JsonString(ShownPrizeName(i)) + ", \"count\": " + std::to_string(t.shown[i]) +
         ", \"share\": " + JsonNumber(share) + "}" + (i + 1 < kShownPrizeCount ? ",\n" : "\n");
  }
  s += "  ],\n";
  s += "  \"top_prizes\": {\"drawn\": " + std::to_string(t.topPrizesDrawn) +
       ", \"guaranteed\": " + std::to_string(t.topPrizesGuaranteed) + "},\n";
  s += "  \"cost_between_top_prizes_yuan\": {\"count\": " + std::to_string(c.count()) + ", \"mean\": " +
       (c.count() ? JsonNumber(Yuan(c.sum()) / static_cast<double>(c.count())) : "null") +
       ", \"median\": " + yuan(c.Percentile(0.5)) + ", \"p90\": " + yuan(c.Percentile(0.9)) +
       ", \"p99\": " + yuan(c.Percentile(0.99)) + ", \"max\": " + (c.count() ? JsonNumber(Yuan(c.max())) : "null") +
       "},\n";
  s += "  \"longest_run_without_top_prize\": " + std::to_string(t.longestRunWithoutTopPrize) + ",\n";
  const HeadlessLottery& l = run.lottery;
  s += "  \"program_counters\": {\"drawCount\": " + std::to_string(l.drawCount) +
       ", \"pointsSpent\": " + std::to_string(l.pointsSpent) + ", \"gloryValue\": " + std::to_string(l.gloryValue) +
       "},\n";
  s += "  \"points_spent_wraps\": " + std::to_string(t.pointsSpentWraps) + ",\n";
  s += "  \"messages_with_wrapped_money\": " + std::to_string(t.messagesWithWrappedMoney) + ",\n";
  s += "  \"last_top_prize_message\": " +
       (t.anyMessage ? JsonString(GbkToUtf8(TopPrizeMessage(t.lastMessagePoints))) : std::string("null")) + "\n";
  s += "}\n";
  return s;
}

}  // namespace

std::variant<StatsRequest, std::string> ParseStatsRequest(std::span<const std::string_view> words) {
  StatsRequest request;
  std::vector<std::string_view> actionWords;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    if (word == "--reset-after-top") {
      request.resetAfterTop = true;
    } else if (word == "--json") {
      request.json = true;
    } else if (word == "--plot") {
      if (i + 1 >= words.size() || words[i + 1].empty()) return std::string("--plot needs a file name");
      request.plotFile = std::string(words[++i]);
    } else if (word.starts_with("--")) {
      return "unknown option: '" + std::string(word) + "'";
    } else {
      actionWords.push_back(word);
    }
  }
  if (actionWords.empty()) return std::string("stats needs at least one action");
  ActionScript script = ParseActionScript(actionWords);
  if (!script.badWord.empty() || script.actions.empty()) return "not an action: '" + script.badWord + "'";
  request.actions = std::move(script.actions);
  return request;
}

int64_t ScriptWork(const std::vector<Action>& actions) {
  int64_t work = 0;
  for (const Action& a : actions) {
    if (a.kind == ActionKind::kSingleDraw) work += a.repeat;
    if (a.kind == ActionKind::kFiveDraws) work += int64_t{kBatchSize} * a.repeat;
  }
  return work;
}

StatsRun RunStats(const std::vector<Action>& actions, bool resetAfterTop, ProgressBar* progress) {
  StatsRun run;
  int64_t work = 0;
  int64_t nextReport = kProgressEvery;
  for (const Action& action : actions) {
    const int64_t perCommand =
        action.kind == ActionKind::kFiveDraws ? kBatchSize : (action.kind == ActionKind::kSingleDraw ? 1 : 0);
    for (int32_t i = 0; i < action.repeat; ++i) {
      const bool message = HeadlessCommand(action.kind, run.lottery, run.tally);
      if (message && resetAfterTop) HeadlessReset(run.lottery, run.tally);
      work += perCommand;
      if (progress != nullptr && work >= nextReport) {
        progress->Update(work);
        nextReport = work + kProgressEvery;
      }
    }
  }
  return run;
}

int StatsCommand(const StatsRequest& request, std::FILE* out, std::FILE* err) {
  // Open the plot's file first: a long run should not end in a file that
  // cannot be written.
  FileHandle plot;
  if (!request.plotFile.empty()) {
    plot.reset(std::fopen(request.plotFile.c_str(), "wb"));
    if (!plot) {
      std::fprintf(err, "zorvane-sim: cannot write the plot file '%s'\n", request.plotFile.c_str());
      return 1;
    }
  }
  StatsRun run;
  {
    ProgressBar progress(err, ScriptWork(request.actions), "stats");
    run = RunStats(request.actions, request.resetAfterTop, &progress);
  }
  if (plot) {
    CostSeries series;
    const auto kind = FreshStartKind(request);
    series.label = !kind ? "cost between top prizes"
                         : (*kind == ActionKind::kSingleDraw ? "single draws" : "five-draw batches");
    series.color = "#1f77b4";
    series.simulated = Shares(run.tally.costBetweenTopPrizes);
    series.simulatedCount = run.tally.costBetweenTopPrizes.count();
    if (kind) series.exact = ExactFirstTopPrizeCost(*kind).distribution;
    const std::string svg = CostPlotSvg("zorvane-sim stats: what the top prize costs", {series});
    const bool written = std::fwrite(svg.data(), 1, svg.size(), plot.get()) == svg.size();
    if (std::fclose(plot.release()) != 0 || !written) {
      std::fprintf(err, "zorvane-sim: cannot write the plot file '%s'\n", request.plotFile.c_str());
      return 1;
    }
  }
  OutputBuffer buffer(out);
  buffer << (request.json ? JsonReport(run, request) : TextReport(run));
  if (!buffer.Finish()) {
    std::fprintf(err, "zorvane-sim: could not write the report\n");
    return 1;
  }
  return 0;
}
