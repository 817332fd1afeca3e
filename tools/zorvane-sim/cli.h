#pragma once
// The tool's command line: parses the words after the program name, runs the
// chosen command and returns the exit status (0, or 2 for bad input, or 1
// when the output could not be written).
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "action_script.h"
#include "odds_command.h"
#include "stats_command.h"

inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitUsage = 2;

struct HelpRequest {};
struct ReplayRequest {
  std::vector<Action> actions;
};
// The one-line problem with the words.
struct UsageProblem {
  std::string text;
};

using CommandLine = std::variant<HelpRequest, ReplayRequest, StatsRequest, OddsRequest, UsageProblem>;

// What the words ask for, without running anything.
CommandLine ParseCommandLine(std::span<const std::string_view> args);

int RunCommandLine(std::span<const std::string_view> args, std::FILE* out, std::FILE* err);
