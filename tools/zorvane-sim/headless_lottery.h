#pragma once
// The three commands with their exact rules (the counters, the guarantee at
// 361, the early end of a batch, the reset) on the fast draw, without a list:
// what happens is told to a sink. For long statistical runs; the real
// commands in lottery/commands.cpp remain the program's own.
#include <cstdint>

#include "action_script.h"
#include "lottery/fast_draw.h"
#include "lottery/lottery_state.h"

struct HeadlessLottery {
  int32_t drawCount = 0;
  int32_t pointsSpent = 0;
  int32_t gloryValue = 0;
  uint32_t random = 1;  // the generator state, 1 at program start
};

// A sink has:
//   void OnCharge(int32_t pointsBefore, int32_t price);   a command is paid
//   void OnDraw(Prize drawn, bool guaranteed);             a row is complete
//   void OnTopPrizeMessage(int32_t pointsSpent, bool guaranteed);
//   void OnReset();
// Each command returns true if it showed a top-prize message.

template <class Sink>
bool HeadlessSingleDraw(HeadlessLottery& lottery, Sink& sink) {
  lottery.drawCount = WrappingAdd(lottery.drawCount, 1);
  sink.OnCharge(lottery.pointsSpent, kSingleDrawPrice);
  lottery.pointsSpent = WrappingAdd(lottery.pointsSpent, kSingleDrawPrice);
  lottery.gloryValue = WrappingAdd(lottery.gloryValue, 1);
  const Prize prize = FastDrawPrize(lottery.drawCount, lottery.random);
  bool message = false;
  if (prize == Prize::kTopPrize) {
    sink.OnTopPrizeMessage(lottery.pointsSpent, false);
    lottery.gloryValue = 0;
    message = true;
  }
  const bool guaranteed = lottery.gloryValue == kGuaranteeThreshold;
  if (guaranteed) {
    sink.OnTopPrizeMessage(lottery.pointsSpent, true);
    lottery.gloryValue = 0;
    message = true;
  }
  sink.OnDraw(prize, guaranteed);
  return message;
}

template <class Sink>
bool HeadlessFiveDraws(HeadlessLottery& lottery, Sink& sink) {
  lottery.drawCount = WrappingAdd(lottery.drawCount, 1);
  sink.OnCharge(lottery.pointsSpent, kFiveDrawsPrice);
  lottery.pointsSpent = WrappingAdd(lottery.pointsSpent, kFiveDrawsPrice);
  bool message = false;
  for (int32_t draw = 0; draw < kBatchSize; ++draw) {
    lottery.gloryValue = WrappingAdd(lottery.gloryValue, 1);
    const Prize prize = FastDrawPrize(lottery.drawCount, lottery.random);
    const bool guaranteed = lottery.gloryValue == kGuaranteeThreshold;
    if (guaranteed) {
      sink.OnTopPrizeMessage(lottery.pointsSpent, true);
      lottery.gloryValue = 0;
      message = true;
    }
    sink.OnDraw(prize, guaranteed);
    if (prize == Prize::kTopPrize) {
      sink.OnTopPrizeMessage(lottery.pointsSpent, false);
      lottery.gloryValue = 0;
      return true;  // the rest of the batch is not drawn
    }
  }
  return message;
}

template <class Sink>
void HeadlessReset(HeadlessLottery& lottery, Sink& sink) {
  lottery.drawCount = 0;
  lottery.pointsSpent = 0;
  lottery.gloryValue = 0;
  sink.OnReset();
}

template <class Sink>
bool HeadlessCommand(ActionKind kind, HeadlessLottery& lottery, Sink& sink) {
  switch (kind) {
    case ActionKind::kSingleDraw: return HeadlessSingleDraw(lottery, sink);
    case ActionKind::kFiveDraws: return HeadlessFiveDraws(lottery, sink);
    case ActionKind::kReset: HeadlessReset(lottery, sink); return false;
  }
  return false;
}
