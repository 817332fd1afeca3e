#pragma once
// The action language shared by the tool's commands: "1" (a click on
// "60积分抽1次"), "5" (a click on "270积分抽5次"), "r" (a click on "重置抽奖机"),
// each optionally followed by "xN" to repeat it N times, 1 <= N <= 100000000.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class ActionKind : char { kSingleDraw = '1', kFiveDraws = '5', kReset = 'r' };

struct Action {
  ActionKind kind;
  int32_t repeat;
  bool operator==(const Action&) const = default;
};

inline constexpr int32_t kMaxRepeat = 100000000;

// One word of a script, or nothing when the word is not an action.
std::optional<Action> ParseAction(std::string_view word);

struct ActionScript {
  std::vector<Action> actions;
  std::string badWord;  // the first word that is not an action; empty if none
};

ActionScript ParseActionScript(std::span<const std::string_view> words);

// Runs the commands of one action, `repeat` times.
void RunAction(const Action& action);
