#include "action_script.h"

#include "lottery/commands.h"

std::optional<Action> ParseAction(std::string_view word) {
  if (word.empty()) return std::nullopt;
  Action action{};
  switch (word[0]) {
    case '1': action.kind = ActionKind::kSingleDraw; break;
    case '5': action.kind = ActionKind::kFiveDraws; break;
    case 'r': action.kind = ActionKind::kReset; break;
    default: return std::nullopt;
  }
  action.repeat = 1;
  if (word.size() == 1) return action;
  if (word[1] != 'x' || word.size() == 2) return std::nullopt;
  int64_t count = 0;
  for (char c : word.substr(2)) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + (c - '0');
    if (count > kMaxRepeat) return std::nullopt;  // also stops the sum from growing
  }
  if (count < 1) return std::nullopt;
  action.repeat = static_cast<int32_t>(count);
  return action;
}

ActionScript ParseActionScript(std::span<const std::string_view> words) {
  ActionScript script;
  for (std::string_view word : words) {
    const auto action = ParseAction(word);
    if (!action) {
      script.actions.clear();
      script.badWord = std::string(word);
      return script;
    }
    script.actions.push_back(*action);
  }
  return script;
}

void RunAction(const Action& action) {
  for (int32_t i = 0; i < action.repeat; ++i) {
    switch (action.kind) {
      case ActionKind::kSingleDraw: OnSingleDraw(); break;
      case ActionKind::kFiveDraws: OnFiveDraws(); break;
      case ActionKind::kReset: OnReset(); break;
    }
  }
}
