#include "stats_tally.h"

#include "lottery/program_texts.h"
#include "runtime/text_encoding.h"

std::string ShownPrizeName(int shown) {
  if (shown == kGuaranteeShown) return GbkToUtf8(texts::kTopPrize) + " (guarantee)";
  return GbkToUtf8(PrizeText(static_cast<Prize>(shown)));
}
