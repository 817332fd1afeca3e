// The stats and odds commands on the command line: bad input, output forms,
// the plot file, and no progress bar where the standard error is no terminal.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "tool_run.h"
#include "progress_bar.h"

namespace {


TEST(StatsCliTest, BadInputIsRejectedWithoutOutput) {
  const struct {
    std::vector<std::string_view> args;
    const char* named;
  } cases[] = {
      {{"stats"}, "action"},
      {{"stats", "--json"}, "action"},
      {{"stats", "1", "7"}, "'7'"},
      {{"stats", "1x0"}, "'1x0'"},
      {{"stats", "1", "--reset"}, "'--reset'"},
      {{"stats", "1", "--plot"}, "--plot"},
      {{"odds", "--draw-count"}, "--draw-count"},
      {{"odds", "--draw-count", "abc"}, "'abc'"},
      {{"odds", "--draw-count", "2147483648"}, "'2147483648'"},
      {{"odds", "--draw-count", "12x"}, "'12x'"},
      {{"odds", "--draws", "0"}, "'0'"},
      {{"odds", "--draws", "1000000001"}, "'1000000001'"},
      {{"odds", "5"}, "'5'"},
      {{"odds", "--plot"}, "--plot"},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunTool(c.args);
    std::string where;
    for (auto a : c.args) where += std::string(a) + " ";
    EXPECT_EQ(run.status, 2) << where;
    EXPECT_EQ(run.out, "") << where;
    EXPECT_NE(FirstLine(run.err).find(c.named), std::string::npos) << where << ": " << FirstLine(run.err);
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << where;
  }
}

TEST(StatsCliTest, StatsReportsInTextAndJson) {
  const ToolRun text = RunTool({"stats", "5", "1"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, "");  // standard error is a file here: no progress bar
  EXPECT_NE(text.out.find("draws                             6\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("points spent                      330 (33 yuan)"), std::string::npos);
  EXPECT_NE(text.out.find("drawCount 2, pointsSpent 330, gloryValue 6"), std::string::npos);

  const ToolRun json = RunTool({"stats", "--json", "1x400"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out.front(), '{');
  EXPECT_NE(json.out.find("\"draws\": 400,"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"points_spent\": 24000,"), std::string::npos);
  EXPECT_NE(json.out.find("\"name\": \"荣耀水晶 (guarantee)\""), std::string::npos);
}

TEST(StatsCliTest, OddsReportsExactBesideSimulated) {
  const ToolRun run = RunTool({"odds", "--draws", "20000", "--json", "--draw-count", "45"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("\"pool_sizes\": [7, 22, 343, 355, 159, 60, 53]"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"single_draws\": {\"exact\": "), std::string::npos);
  EXPECT_NE(run.out.find("\"five_draw_batches\": {\"exact\": "), std::string::npos);
}

TEST(StatsCliTest, PlotIsWrittenAndAnUnwritablePlotFails) {
  const std::string path = ::testing::TempDir() + "zorvane_stats_plot.svg";
  const ToolRun run = RunTool({"stats", "1x2000", "--reset-after-top", "--plot", path});
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream in(path);
  std::stringstream svg;
  svg << in.rdbuf();
  EXPECT_NE(svg.str().find("<svg"), std::string::npos);
  EXPECT_NE(svg.str().find("single draws: exact"), std::string::npos);  // one kind, reset after top: exact known
  EXPECT_NE(svg.str().find("</svg>"), std::string::npos);
  std::remove(path.c_str());

  const ToolRun bad = RunTool({"stats", "1", "--plot", "/nonexistent-dir/plot.svg"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("/nonexistent-dir/plot.svg"), std::string::npos);
}

TEST(ProgressBarTest, LineShowsTheFractionDone) {
  EXPECT_EQ(ProgressLine("stats", 0.5, 3.2), "stats [###############...............]  50%  3 s");
  EXPECT_EQ(ProgressLine("odds", 1.5, 0), "odds [##############################] 100%  0 s");
}

}  // namespace
