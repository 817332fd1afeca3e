#pragma once
// zorvane-sim stats: runs a script of commands on the fast draw, from the
// program's start, and reports the counts, the shares and what the top prize
// cost.
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "action_script.h"
#include "headless_lottery.h"
#include "stats_tally.h"

struct StatsRequest {
  std::vector<Action> actions;
  bool resetAfterTop = false;  // a click on "重置抽奖机" after every command that showed the top-prize message
  bool json = false;
  std::string plotFile;  // empty: no plot
};

// The request, or the one-line problem with the words.
std::variant<StatsRequest, std::string> ParseStatsRequest(std::span<const std::string_view> words);

struct StatsRun {
  StatsTally tally;
  HeadlessLottery lottery;  // the program's counters and generator at the end
};

class ProgressBar;
// Runs the actions from the program's start state. `progress` may be null.
StatsRun RunStats(const std::vector<Action>& actions, bool resetAfterTop, ProgressBar* progress);

// The work of a script for the progress bar: draws, counting a batch as five.
int64_t ScriptWork(const std::vector<Action>& actions);

// Runs the request and writes the report; returns the exit status.
int StatsCommand(const StatsRequest& request, std::FILE* out, std::FILE* err);
