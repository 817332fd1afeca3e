// The tool's command line on any words: parsing never crashes, and every
// rejected command line exits with status 2, prints nothing on standard
// output and says what is wrong in one line before the usage.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"

namespace {

struct Capture {
  std::vector<char> buffer = std::vector<char>(1 << 16);
  std::FILE* file = fmemopen(buffer.data(), buffer.size(), "w");
  Capture() = default;
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;
  ~Capture() {
    if (file != nullptr) std::fclose(file);
  }
  std::string Text() {
    std::fflush(file);
    return std::string(buffer.data(), std::strlen(buffer.data()));
  }
};

// Small enough to run on every input: help and short replays and stats.
bool CheapToRun(const CommandLine& line) {
  if (std::holds_alternative<HelpRequest>(line)) return true;
  const std::vector<Action>* actions = nullptr;
  if (const auto* replay = std::get_if<ReplayRequest>(&line)) actions = &replay->actions;
  if (const auto* stats = std::get_if<StatsRequest>(&line)) {
    if (!stats->plotFile.empty()) return false;  // writes a file
    actions = &stats->actions;
  }
  if (actions == nullptr) return false;
  int64_t draws = 0;
  for (const Action& action : *actions) draws += int64_t{action.repeat} * 5;
  return draws <= 10;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // Words are separated by NUL bytes, as the C runtime hands them over.
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[i]);
    }
  }
  if (size > 0) words.push_back(word);
  if (words.size() > 32) return 0;
  const std::vector<std::string_view> args(words.begin(), words.end());

  const CommandLine line = ParseCommandLine(args);
  const auto* problem = std::get_if<UsageProblem>(&line);
  if (problem == nullptr && !CheapToRun(line)) return 0;

  Capture out;
  Capture err;
  const int status = RunCommandLine(args, out.file, err.file);
  if (problem == nullptr) {
    if (status != 0) __builtin_trap();
    return 0;
  }
  const std::string errors = err.Text();
  const std::size_t lineEnd = errors.find('\n');
  if (status != 2 || !out.Text().empty() || problem->text.empty()) __builtin_trap();
  if (errors.rfind("zorvane-sim: ", 0) != 0 || lineEnd == std::string::npos) __builtin_trap();
  if (errors.compare(lineEnd + 1, 6, "usage:") != 0) __builtin_trap();  // one line, then the usage
  return 0;
}
