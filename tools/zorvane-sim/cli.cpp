#include "cli.h"

#include <string>

#include "action_script.h"
#include "odds_command.h"
#include "replay.h"
#include "stats_command.h"

namespace {

constexpr std::string_view kUsage =
    "usage: zorvane-sim replay ACTION...\n"
    "       zorvane-sim stats ACTION... [--reset-after-top] [--json] [--plot FILE.svg]\n"
    "       zorvane-sim odds [--draw-count N] [--draws N] [--json] [--plot FILE.svg]\n"
    "  ACTION  1     a click on \"60积分抽1次\" (one draw, 60 points)\n"
    "          5     a click on \"270积分抽5次\" (up to five draws, 270 points)\n"
    "          r     a click on \"重置抽奖机\" (reset)\n"
    "          AxN   repeats action A N times (1x361, 5x10), N from 1 to 100000000\n"
    "Prints one line per event, tab-separated: \"row\", the row index and its four cells\n"
    "at every scroll to the last row; \"message\" and the text of each message box;\n"
    "\"reset\" when a reset empties the list.\n"
    "stats runs the actions on the fast draw and reports the draws, the points spent,\n"
    "each prize's count and share, the top prizes and what they cost; --reset-after-top\n"
    "clicks \"重置抽奖机\" after every command that showed the top-prize message.\n"
    "odds gives each prize's exact chance at drawCount N (default 1) beside the shares\n"
    "of --draws N draws (default 10000000, at most 1000000000), and the expected cost\n"
    "of the first top prize from a fresh start, exact and simulated.\n"
    "--json prints the report as JSON; --plot writes a chart of the top prize's cost.\n";

void Print(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

int UsageError(std::FILE* err, const std::string& problem) {
  Print(err, "zorvane-sim: " + problem + "\n");
  Print(err, kUsage);
  return kExitUsage;
}

bool IsHelp(std::string_view word) { return word == "--help" || word == "-h"; }

int RunReplayCommand(std::span<const std::string_view> words, std::FILE* out, std::FILE* err) {
  if (words.size() == 1 && IsHelp(words[0])) {
    Print(out, kUsage);
    return kExitOk;
  }
  if (words.empty()) return UsageError(err, "replay needs at least one action");
  const ActionScript script = ParseActionScript(words);
  if (!script.badWord.empty() || script.actions.empty()) {
    return UsageError(err, "not an action: '" + script.badWord + "'");
  }
  if (!RunReplay(script.actions, out)) {
    Print(err, "zorvane-sim: could not write the trace\n");
    return kExitOutputFailed;
  }
  return kExitOk;
}

int RunStatsCommand(std::span<const std::string_view> words, std::FILE* out, std::FILE* err) {
  if (words.size() == 1 && IsHelp(words[0])) {
    Print(out, kUsage);
    return kExitOk;
  }
  auto request = ParseStatsRequest(words);
  if (auto* problem = std::get_if<std::string>(&request)) return UsageError(err, *problem);
  return StatsCommand(std::get<StatsRequest>(request), out, err);
}

int RunOddsCommand(std::span<const std::string_view> words, std::FILE* out, std::FILE* err) {
  if (words.size() == 1 && IsHelp(words[0])) {
    Print(out, kUsage);
    return kExitOk;
  }
  auto request = ParseOddsRequest(words);
  if (auto* problem = std::get_if<std::string>(&request)) return UsageError(err, *problem);
  return OddsCommand(std::get<OddsRequest>(request), out, err);
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
  if (args.empty()) return UsageError(err, "no command given");
  const std::string_view command = args[0];
  if (IsHelp(command) && args.size() == 1) {
    Print(out, kUsage);
    return kExitOk;
  }
  if (command == "replay") return RunReplayCommand(args.subspan(1), out, err);
  if (command == "stats") return RunStatsCommand(args.subspan(1), out, err);
  if (command == "odds") return RunOddsCommand(args.subspan(1), out, err);
  return UsageError(err, "unknown command: '" + std::string(command) + "'");
}
