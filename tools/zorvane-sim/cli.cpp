#include "cli.h"

#include <string>

#include "action_script.h"
#include "replay.h"

namespace {

constexpr std::string_view kUsage =
    "usage: zorvane-sim replay ACTION...\n"
    "  ACTION  1     a click on \"60积分抽1次\" (one draw, 60 points)\n"
    "          5     a click on \"270积分抽5次\" (up to five draws, 270 points)\n"
    "          r     a click on \"重置抽奖机\" (reset)\n"
    "          AxN   repeats action A N times (1x361, 5x10), N from 1 to 100000000\n"
    "Prints one line per event, tab-separated: \"row\", the row index and its four cells\n"
    "at every scroll to the last row; \"message\" and the text of each message box;\n"
    "\"reset\" when a reset empties the list.\n";

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

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
  if (args.empty()) return UsageError(err, "no command given");
  const std::string_view command = args[0];
  if (IsHelp(command) && args.size() == 1) {
    Print(out, kUsage);
    return kExitOk;
  }
  if (command == "replay") return RunReplayCommand(args.subspan(1), out, err);
  return UsageError(err, "unknown command: '" + std::string(command) + "'");
}
