#pragma once
// zorvane-sim odds: the exact chance of each prize in one draw at a
// drawCount beside the shares over a long stretch of the real sequence, and
// the expected cost of the first top prize from a fresh start, exact beside
// simulated, for single draws only and for batches only.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <variant>

struct OddsRequest {
  int32_t drawCount = 1;
  int64_t draws = 10000000;  // length of each simulated stretch
  bool json = false;
  std::string plotFile;
};

inline constexpr int64_t kMaxOddsDraws = 1000000000;

std::variant<OddsRequest, std::string> ParseOddsRequest(std::span<const std::string_view> words);

int OddsCommand(const OddsRequest& request, std::FILE* out, std::FILE* err);
