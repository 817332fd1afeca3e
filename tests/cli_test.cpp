#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "action_script.h"
#include "cli.h"
#include "tool_run.h"

namespace {


TEST(ActionTest, ParsesWords) {
  const struct {
    const char* word;
    ActionKind kind;
    int32_t repeat;
  } cases[] = {
      {"1", ActionKind::kSingleDraw, 1},   {"5", ActionKind::kFiveDraws, 1},
      {"r", ActionKind::kReset, 1},        {"1x361", ActionKind::kSingleDraw, 361},
      {"5x10", ActionKind::kFiveDraws, 10}, {"rx3", ActionKind::kReset, 3},
      {"1x100000000", ActionKind::kSingleDraw, 100000000}, {"1x007", ActionKind::kSingleDraw, 7},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseAction(c.word), (Action{c.kind, c.repeat})) << c.word;
}

TEST(ActionTest, RejectsWords) {
  for (const char* word : {"", "2", "R", "x", "1x", "1x0", "1x100000001", "1x99999999999999999999", "1x-1", "1x+1",
                           "1x1x1", "1X5", "11", "5 ", "1x 2", "reset", "--json"}) {
    EXPECT_FALSE(ParseAction(word).has_value()) << "'" << word << "'";
  }
}

TEST(CliTest, ReplayPrintsTheTrace) {
  const ToolRun run = RunTool({"replay", "5", "1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string lastLine = "row\t5\t2\t330\t6\t恭喜您获得了 皮肤碎片\n";
  ASSERT_GE(run.out.size(), lastLine.size());
  EXPECT_EQ(run.out.substr(run.out.size() - lastLine.size()), lastLine);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 6);
}

TEST(CliTest, ReplayPrintsResets) {
  const ToolRun run = RunTool({"replay", "1", "r", "1"});
  EXPECT_EQ(run.out,
            "row\t0\t1\t60\t1\t恭喜您获得了 铭文碎片*50\n"
            "reset\n"
            "row\t0\t1\t60\t1\t恭喜您获得了 铭文碎片*50\n");
}

TEST(CliTest, BadInputIsRejectedWithoutOutput) {
  const struct {
    std::vector<std::string_view> args;
    const char* named;  // what the error line must mention
  } cases[] = {
      {{}, "command"},
      {{"replay"}, "action"},
      {{"replay", "1", "7"}, "'7'"},
      {{"replay", "1x0"}, "'1x0'"},
      {{"replay", "5x100000001"}, "'5x100000001'"},
      {{"replay", "1x"}, "'1x'"},
      {{"replay", ""}, "''"},
      {{"replay", "1", "--help"}, "'--help'"},
      {{"draw", "1"}, "'draw'"},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunTool(c.args);
    const std::string where = c.args.empty() ? "(no words)" : std::string(c.args.back());
    EXPECT_EQ(run.status, 2) << where;
    EXPECT_EQ(run.out, "") << where;
    EXPECT_NE(FirstLine(run.err).find(c.named), std::string::npos) << where << ": " << FirstLine(run.err);
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << where;
  }
}

TEST(CliTest, HelpGoesToStandardOutput) {
  for (const auto& args : {std::vector<std::string_view>{"--help"}, std::vector<std::string_view>{"replay", "--help"}}) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("usage:", 0), 0u);
  }
}

}  // namespace
