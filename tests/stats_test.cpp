// zorvane-sim stats against the program's own commands: what `replay`'s
// trace shows (DrawPrize, the real commands, the host list) must give the
// counts the fast headless run reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "action_script.h"
#include "file_handle.h"
#include "cost_histogram.h"
#include "headless_lottery.h"
#include "lottery/commands.h"
#include "lottery/lottery_state.h"
#include "replay.h"
#include "runtime/list_services_host.h"
#include "runtime/text_encoding.h"
#include "runtime/value_services.h"
#include "stats_command.h"
#include "stats_tally.h"

namespace {

const std::string kPrizePrefix = "恭喜您获得了 ";
const std::string kGuaranteeCell = "恭喜您获得了 荣耀水晶 ";

// What a trace says, counted the way a reader of the trace would.
struct TraceCounts {
  int64_t draws = 0;
  int64_t drawCommands = 0;
  int64_t resets = 0;
  int64_t points = 0;
  std::array<int64_t, kShownPrizeCount> shown{};
  int64_t messages = 0;
  int64_t guaranteed = 0;
  std::vector<int64_t> costs;  // points between messages
  int64_t longestRun = 0;
};

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(line);
  std::string part;
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

int ShownIndex(const std::string& cell) {
  if (cell == kGuaranteeCell) return kGuaranteeShown;
  for (int i = 0; i < kPrizeCount; ++i) {
    if (cell == kPrizePrefix + ShownPrizeName(i)) return i;
  }
  ADD_FAILURE() << "not a prize cell: " << cell;
  return 0;
}

TraceCounts CountTrace(const std::string& trace) {
  TraceCounts c;
  std::vector<std::string> lastRow;  // the newest row's fields, as last shown
  int64_t pointsBeforeSegment = 0;
  int64_t pointsAtLastMessage = 0;
  int64_t run = 0;
  auto finishRow = [&] {
    if (lastRow.empty()) return;
    ++c.draws;
    const int shown = ShownIndex(lastRow[5]);
    ++c.shown[shown];
    const bool top = shown == kGuaranteeShown || shown == static_cast<int>(Prize::kTopPrize);
    run = top ? 0 : run + 1;
    c.longestRun = std::max(c.longestRun, run);
  };
  auto finishSegment = [&] {
    finishRow();
    if (!lastRow.empty()) {
      c.drawCommands += std::stoll(lastRow[2]);
      pointsBeforeSegment += std::stoll(lastRow[3]);
    }
    lastRow.clear();
  };
  for (const std::string& line : Split(trace, '\n')) {
    const auto fields = Split(line, '\t');
    if (fields[0] == "row") {
      if (!lastRow.empty() && lastRow[1] != fields[1]) finishRow();
      lastRow = fields;
    } else if (fields[0] == "message") {
      ++c.messages;
      const std::string& text = fields[1];
      const auto from = text.find("花费") + std::string("花费").size();
      const int64_t yuan = std::stoll(text.substr(from, text.find("元") - from));
      const int64_t pointsNow = pointsBeforeSegment + yuan * 10;
      c.costs.push_back(pointsNow - pointsAtLastMessage);
      pointsAtLastMessage = pointsNow;
    } else if (fields[0] == "reset") {
      finishSegment();
      ++c.resets;
    }
  }
  finishSegment();
  c.points = pointsBeforeSegment;
  c.guaranteed = c.shown[kGuaranteeShown];
  return c;
}

int64_t NearestRank(std::vector<int64_t> costs, double q) {
  std::sort(costs.begin(), costs.end());
  const auto rank = std::max<int64_t>(1, static_cast<int64_t>(std::ceil(q * static_cast<double>(costs.size()))));
  return costs[static_cast<std::size_t>(rank - 1)];
}

void ExpectSameCounts(const TraceCounts& trace, const StatsTally& tally, const std::string& what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(tally.draws, trace.draws);
  EXPECT_EQ(tally.drawCommands, trace.drawCommands);
  EXPECT_EQ(tally.resets, trace.resets);
  EXPECT_EQ(tally.pointsSpent, trace.points);
  for (int i = 0; i < kShownPrizeCount; ++i) EXPECT_EQ(tally.shown[i], trace.shown[i]) << ShownPrizeName(i);
  EXPECT_EQ(tally.topPrizesDrawn + tally.topPrizesGuaranteed, trace.messages);
  EXPECT_EQ(tally.topPrizesGuaranteed, trace.guaranteed);
  const CostHistogram& costs = tally.costBetweenTopPrizes;
  ASSERT_EQ(costs.count(), static_cast<int64_t>(trace.costs.size()));
  EXPECT_EQ(tally.longestRunWithoutTopPrize, trace.longestRun);
  if (trace.costs.empty()) return;
  int64_t sum = 0;
  for (int64_t cost : trace.costs) sum += cost;
  EXPECT_EQ(costs.sum(), sum);
  EXPECT_EQ(costs.max(), *std::max_element(trace.costs.begin(), trace.costs.end()));
  for (double q : {0.5, 0.9, 0.99}) EXPECT_EQ(costs.Percentile(q), NearestRank(trace.costs, q)) << "percentile " << q;
}

std::string ReplayTrace(const std::vector<Action>& actions) {
  FileHandle file(std::tmpfile());
  EXPECT_TRUE(RunReplay(actions, file.get()));
  std::rewind(file.get());
  std::string text;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
  return text;
}

std::vector<Action> Script(std::vector<std::string_view> words) {
  ActionScript script = ParseActionScript(words);
  EXPECT_EQ(script.badWord, "");
  return script.actions;
}

TEST(StatsTest, CountsEqualThoseOfTheReplayTrace) {
  const std::vector<std::vector<std::string_view>> scripts{
      {"5", "1"},
      // Single draws past drawCount 356 (only the guarantee gives the top
      // prize there), then batches with their guarantee inside a batch.
      {"1x700", "5x80"},
      {"5", "1x2", "r", "1x40", "5x3", "1x300", "5x8"},
      {"5x120", "r", "1x361", "rx2", "5x30", "1x90"},
  };
  for (const auto& words : scripts) {
    const auto actions = Script(words);
    std::string what;
    for (auto w : words) what += std::string(w) + " ";
    const StatsRun run = RunStats(actions, false, nullptr);
    ExpectSameCounts(CountTrace(ReplayTrace(actions)), run.tally, what);
  }
}

// The real commands with a reset click after each command that showed the
// top-prize message, traced like replay's.
class ResetAfterTopTrace final : public HostListObserver {
 public:
  std::string trace;
  int64_t messages = 0;
  void OnRowMadeVisible(const ListControl& list, int32_t row) override {
    if (row != RowCount(list) - 1) return;
    trace += "row\t" + std::to_string(row);
    for (int32_t column = 0; column < 4; ++column) trace += "\t" + GbkToUtf8(CellText(list, row, column));
    trace += "\n";
  }
  void OnMessageBox(const Text& text) override {
    trace += "message\t" + GbkToUtf8(text) + "\n";
    ++messages;
  }
  void OnAllRowsDeleted(const ListControl&) override { trace += "reset\n"; }
};

std::string RealCommandsWithResetAfterTop(const std::vector<Action>& actions) {
  ResetToProgramStart();
  ListControl list;
  list.retainedRows = 1;
  ResetAfterTopTrace observer;
  超级列表框1 = &list;
  SetHostListObserver(&observer);
  for (const Action& action : actions) {
    for (int32_t i = 0; i < action.repeat; ++i) {
      const int64_t before = observer.messages;
      RunAction({action.kind, 1});
      if (observer.messages != before) OnReset();
    }
  }
  SetHostListObserver(nullptr);
  超级列表框1 = nullptr;
  return observer.trace;
}

TEST(StatsTest, ResetAfterTopFollowsTheRealCommands) {
  for (const auto& words : {std::vector<std::string_view>{"1x900"}, std::vector<std::string_view>{"5x300"},
                            std::vector<std::string_view>{"1x200", "5x100", "r", "1x100"}}) {
    const auto actions = Script(words);
    const StatsRun run = RunStats(actions, true, nullptr);
    ExpectSameCounts(CountTrace(RealCommandsWithResetAfterTop(actions)), run.tally, std::string(words[0]));
    EXPECT_GT(run.tally.resets, 0);
  }
}

// A generator state from which the fast draw gives the top prize after
// `before` other prizes at drawCount 1.
uint32_t StateWithTopPrizeAfter(int before) {
  for (uint32_t start = 1;; ++start) {
    uint32_t state = start;
    int k = 0;
    while (k < before && FastDrawPrize(1, state) != Prize::kTopPrize) ++k;
    if (k == before && FastDrawPrize(1, state) == Prize::kTopPrize) return start;
  }
}

// The rare turns of the commands, each set up in both forms, compared by the
// counters and the generator after the command and by what was shown. Catches
// a headless rule that drifts from the real command.
TEST(StatsTest, HeadlessCommandsFollowTheRealOnesInTheirRareCases) {
  struct Case {
    const char* what;
    ActionKind kind;
    int32_t glory;
    int topAfter;  // the top prize after this many other draws; -1: none arranged
  };
  const Case cases[] = {
      {"batch whose 2nd draw is the 361st", ActionKind::kFiveDraws, 359, -1},
      {"batch whose 3rd draw is the top prize", ActionKind::kFiveDraws, 0, 2},
      {"batch whose 3rd draw is the 361st and the top prize", ActionKind::kFiveDraws, 358, 2},
      {"single 361st draw that draws the top prize", ActionKind::kSingleDraw, 360, 0},
      {"single 361st draw", ActionKind::kSingleDraw, 360, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const uint32_t start = c.topAfter >= 0 ? StateWithTopPrizeAfter(c.topAfter) : 4242u;
    ListControl list;
    ResetAfterTopTrace observer;
    超级列表框1 = &list;
    SetHostListObserver(&observer);
    drawCount = 0;
    pointsSpent = 0;
    gloryValue = c.glory;
    SetRandomState(start);
    RunAction({c.kind, 1});
    SetHostListObserver(nullptr);
    超级列表框1 = nullptr;

    HeadlessLottery lottery{0, 0, c.glory, start};
    StatsTally tally;
    HeadlessCommand(c.kind, lottery, tally);
    EXPECT_EQ(lottery.drawCount, drawCount);
    EXPECT_EQ(lottery.pointsSpent, pointsSpent);
    EXPECT_EQ(lottery.gloryValue, gloryValue);
    EXPECT_EQ(lottery.random, RandomState());
    const TraceCounts seen = CountTrace(observer.trace);
    EXPECT_EQ(tally.draws, seen.draws);
    EXPECT_EQ(tally.topPrizesDrawn + tally.topPrizesGuaranteed, seen.messages);
    for (int i = 0; i < kShownPrizeCount; ++i) EXPECT_EQ(tally.shown[i], seen.shown[i]) << ShownPrizeName(i);
  }
}

TEST(StatsTest, WrappedPointsAreCountedAndTheMessageShowsTheWrappedAmount) {
  // 2147483640 points and the 361st draw next: the draw's 60 points carry
  // pointsSpent past the int32 range, as the program's counter would.
  HeadlessLottery lottery{1000, 2147483640, 360, 1};
  StatsTally tally;
  tally.pointsSinceReset = 2147483640;
  tally.pointsSpent = 2147483640;
  ASSERT_TRUE(HeadlessSingleDraw(lottery, tally));
  EXPECT_EQ(lottery.pointsSpent, -2147483596);
  EXPECT_EQ(tally.pointsSpent, 2147483700);  // the tool's own total does not wrap
  EXPECT_EQ(tally.pointsSpentWraps, 1);
  EXPECT_EQ(tally.messagesWithWrappedMoney, 1);
  EXPECT_EQ(GbkToUtf8(TopPrizeMessage(tally.lastMessagePoints)), "恭喜您，总共花费-214748359.6元就获得了荣耀水晶！");
}

TEST(CostHistogramTest, PercentilesAreNearestRank) {
  CostHistogram h;
  for (int64_t points : {60, 60, 120, 270, 2160, 21660}) h.Add(points);
  const struct {
    double q;
    int64_t points;
  } cases[] = {{0.0, 60}, {0.3, 60}, {0.34, 120}, {0.5, 120}, {0.51, 270}, {0.9, 21660}, {1.0, 21660}};
  for (const auto& c : cases) EXPECT_EQ(h.Percentile(c.q), c.points) << c.q;
  EXPECT_EQ(h.sum(), 24330);
  EXPECT_EQ(h.max(), 21660);
}

TEST(CostHistogramTest, CostsBeyondTheRangeKeepCountSumAndMax) {
  CostHistogram h;
  const int64_t huge = CostHistogram::kBins * CostHistogram::kBinPoints + 300;
  h.Add(60);
  h.Add(huge);
  EXPECT_EQ(h.count(), 2);
  EXPECT_EQ(h.overflow(), 1);
  EXPECT_EQ(h.max(), huge);
  EXPECT_EQ(h.Percentile(0.5), 60);
  EXPECT_EQ(h.Percentile(1.0), std::nullopt);  // not known exactly: said so
}

}  // namespace
