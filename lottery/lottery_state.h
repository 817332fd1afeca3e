#pragma once
// The program's whole state: four program-wide variables for the life of the
// process, and the result list the commands write to.
#include <cstdint>

#include "runtime/list_services.h"
#include "runtime/text.h"

extern int32_t drawCount;    // draw commands so far (a batch counts once)
extern int32_t pointsSpent;  // points charged so far
extern int32_t gloryValue;   // draws since the last top prize, 0 to 361
extern Text lastPrize;       // the prize of the latest draw; kept by a reset

// The result list. The main window points it at its list view; headless
// runs point it at a host list.
extern ListControl* 超级列表框1;

inline constexpr int32_t kSingleDrawPrice = 60;
inline constexpr int32_t kFiveDrawsPrice = 270;
inline constexpr int32_t kBatchSize = 5;
inline constexpr int32_t kGuaranteeThreshold = 361;
inline constexpr double kPointsPerYuan = 10.0;

// Adds as a two's-complement 32-bit integer would, wrapping past the int32
// range instead of overflowing (the program checks no limit).
constexpr int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
