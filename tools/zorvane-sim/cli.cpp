#include "cli.h"

#include <string>

#include <utility>

#include "replay.h"

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

bool IsHelp(std::string_view word) { return word == "--help" || word == "-h"; }

bool IsHelpOnly(std::span<const std::string_view> words) { return words.size() == 1 && IsHelp(words[0]); }

CommandLine ParseReplay(std::span<const std::string_view> words) {
  if (IsHelpOnly(words)) return HelpRequest{};
  if (words.empty()) return UsageProblem{"replay needs at least one action"};
  const ActionScript script = ParseActionScript(words);
  if (!script.badWord.empty() || script.actions.empty()) return UsageProblem{"not an action: '" + script.badWord + "'"};
  return ReplayRequest{script.actions};
}

template <typename Request>
CommandLine FromParsed(std::variant<Request, std::string> parsed) {
  if (auto* problem = std::get_if<std::string>(&parsed)) return UsageProblem{*problem};
  return std::get<Request>(std::move(parsed));
}

int Run(const HelpRequest&, std::FILE* out, std::FILE*) {
  Print(out, kUsage);
  return kExitOk;
}

int Run(const ReplayRequest& request, std::FILE* out, std::FILE* err) {
  if (RunReplay(request.actions, out)) return kExitOk;
  Print(err, "zorvane-sim: could not write the trace\n");
  return kExitOutputFailed;
}

int Run(const StatsRequest& request, std::FILE* out, std::FILE* err) { return StatsCommand(request, out, err); }

int Run(const OddsRequest& request, std::FILE* out, std::FILE* err) { return OddsCommand(request, out, err); }

int Run(const UsageProblem& problem, std::FILE*, std::FILE* err) {
  // A problem may quote a word with a line break in it; the error stays one line.
  std::string line = problem.text;
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  Print(err, "zorvane-sim: " + line + "\n");
  Print(err, kUsage);
  return kExitUsage;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> args) {
  if (args.empty()) return UsageProblem{"no command given"};
  const std::string_view command = args[0];
  const auto words = args.subspan(1);
  if (IsHelp(command) && words.empty()) return HelpRequest{};
  if (command == "replay") return ParseReplay(words);
  if (command == "stats") return IsHelpOnly(words) ? CommandLine{HelpRequest{}} : FromParsed(ParseStatsRequest(words));
  if (command == "odds") return IsHelpOnly(words) ? CommandLine{HelpRequest{}} : FromParsed(ParseOddsRequest(words));
  return UsageProblem{"unknown command: '" + std::string(command) + "'"};
}

int RunCommandLine(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
  return std::visit([&](const auto& request) { return Run(request, out, err); }, ParseCommandLine(args));
}
