#include "lottery/lottery_state.h"

int32_t drawCount = 0;
int32_t pointsSpent = 0;
int32_t gloryValue = 0;
Text lastPrize;
ListControl* 超级列表框1 = nullptr;
