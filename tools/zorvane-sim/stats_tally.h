#pragma once
// What a stats run counts, streamed draw by draw: 64-bit totals of the tool's
// own, beside the program's 32-bit counters which wrap as the program's do.
#include <array>
#include <cstdint>

#include "cost_histogram.h"
#include "lottery/fast_draw.h"
#include "runtime/text.h"

// The rows' prize cells: the eleven prizes, and the guarantee text, which a
// guaranteed draw's row shows instead of the prize it drew.
inline constexpr int kShownPrizeCount = kPrizeCount + 1;
inline constexpr int kGuaranteeShown = kPrizeCount;

struct StatsTally {
  int64_t draws = 0;
  int64_t drawCommands = 0;
  int64_t resets = 0;
  int64_t pointsSpent = 0;  // all the points charged, never reset
  std::array<int64_t, kShownPrizeCount> shown{};
  int64_t topPrizesDrawn = 0;
  int64_t topPrizesGuaranteed = 0;
  // Points charged between one top-prize message and the next (the first
  // from the start of the run). Two messages in one draw (a batch's
  // guaranteed draw that also draws the top prize) give a cost of 0.
  CostHistogram costBetweenTopPrizes;
  int64_t longestRunWithoutTopPrize = 0;  // in draws; the open run at the end counts
  int64_t currentRun = 0;
  int64_t pointsAtLastTopPrize = 0;

  // The program's counters: pointsSpent passes the int32 range after about
  // 35.8 million single draws; its messages then show a wrapped amount.
  int64_t pointsSinceReset = 0;
  int64_t pointsSpentWraps = 0;
  int64_t messagesWithWrappedMoney = 0;
  bool anyMessage = false;
  int32_t lastMessagePoints = 0;  // pointsSpent as the last message showed it

  void OnCharge(int32_t pointsBefore, int32_t price) {
    ++drawCommands;
    pointsSpent += price;
    pointsSinceReset += price;
    if (static_cast<int64_t>(pointsBefore) + price > INT32_MAX) ++pointsSpentWraps;
  }
  void OnDraw(Prize drawn, bool guaranteed) {
    ++draws;
    ++shown[guaranteed ? kGuaranteeShown : static_cast<int>(drawn)];
    if (guaranteed || drawn == Prize::kTopPrize) {
      currentRun = 0;
    } else if (++currentRun > longestRunWithoutTopPrize) {
      longestRunWithoutTopPrize = currentRun;
    }
  }
  void OnTopPrizeMessage(int32_t programPoints, bool guaranteed) {
    ++(guaranteed ? topPrizesGuaranteed : topPrizesDrawn);
    costBetweenTopPrizes.Add(pointsSpent - pointsAtLastTopPrize);
    pointsAtLastTopPrize = pointsSpent;
    anyMessage = true;
    lastMessagePoints = programPoints;
    if (programPoints != pointsSinceReset) ++messagesWithWrappedMoney;
  }
  void OnReset() {
    ++resets;
    pointsSinceReset = 0;
  }
};

// The text of a shown prize cell's prize, in UTF-8 ("荣耀水晶 (guarantee)"
// for the guarantee).
std::string ShownPrizeName(int shown);
