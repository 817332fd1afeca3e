#pragma once
// The three commands the buttons run, on the window's thread.
#include <cstdint>

#include "runtime/text.h"

// "60积分抽1次": one draw for 60 points.
void OnSingleDraw();
// "270积分抽5次": up to five draws for 270 points; the top prize ends the batch.
void OnFiveDraws();
// "重置抽奖机": zero the counters and empty the list.
void OnReset();

// "恭喜您，总共花费" + the yuan spent + "元就获得了荣耀水晶！" for the given points.
Text TopPrizeMessage(int32_t points);
