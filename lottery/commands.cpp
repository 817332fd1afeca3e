#include "lottery/commands.h"

#include "lottery/lottery_state.h"
#include "lottery/prize_draw.h"
#include "lottery/program_texts.h"
#include "runtime/list_services.h"
#include "runtime/value_services.h"

namespace {

int32_t AppendResultRow() { return InsertRow(超级列表框1); }

void FillCounterCells(int32_t row) {
  SetCellText(超级列表框1, row, 0, ToText(drawCount));
  SetCellText(超级列表框1, row, 1, ToText(pointsSpent));
  SetCellText(超级列表框1, row, 2, ToText(gloryValue));
}

void SetPrizeCell(int32_t row) { SetCellText(超级列表框1, row, 3, Text(texts::kPrizeCellPrefix) + lastPrize); }

void SetGuaranteeCell(int32_t row) { SetCellText(超级列表框1, row, 3, texts::kGuaranteeCell); }

void ScrollToLastRow() {
  const int32_t rowCount = GetRowCount(超级列表框1);
  EnsureRowVisible(超级列表框1, TruncToInt(rowCount - 1.0));
  RepaintNow(超级列表框1);
}

void ShowTopPrizeMessage() { ShowMessageBox(TopPrizeMessage(pointsSpent)); }

bool LastPrizeIsTopPrize() { return lastPrize == texts::kTopPrize; }

// A draw's row with its counters and the drawn prize, scrolled into view.
void WritePrizeRow(int32_t row) {
  FillCounterCells(row);
  SetPrizeCell(row);
  ScrollToLastRow();
}

// The 361st draw since the last top prize: the message first, then the row
// with its counters (361 in the glory column) and the guarantee text.
void AwardGuarantee(int32_t row) {
  ShowTopPrizeMessage();
  FillCounterCells(row);
  SetGuaranteeCell(row);
  ScrollToLastRow();
  gloryValue = 0;
}

}  // namespace

Text TopPrizeMessage(int32_t points) {
  return texts::kMessageBeforeMoney + ToText(points / kPointsPerYuan) + texts::kMessageAfterMoney;
}

void OnSingleDraw() {
  drawCount = WrappingAdd(drawCount, 1);
  pointsSpent = WrappingAdd(pointsSpent, kSingleDrawPrice);
  gloryValue = WrappingAdd(gloryValue, 1);
  lastPrize = DrawPrize(drawCount);

  const int32_t row = AppendResultRow();
  WritePrizeRow(row);

  if (LastPrizeIsTopPrize()) {
    ShowTopPrizeMessage();
    gloryValue = 0;
  }
  if (gloryValue == kGuaranteeThreshold) AwardGuarantee(row);
}

void OnFiveDraws() {
  drawCount = WrappingAdd(drawCount, 1);
  pointsSpent = WrappingAdd(pointsSpent, kFiveDrawsPrice);
  for (int32_t draw = 0; draw < kBatchSize; ++draw) {
    gloryValue = WrappingAdd(gloryValue, 1);
    lastPrize = DrawPrize(drawCount);
    const int32_t row = AppendResultRow();
    if (gloryValue == kGuaranteeThreshold) {
      AwardGuarantee(row);  // the new row is still empty while the message shows
    } else {
      WritePrizeRow(row);
    }
    if (LastPrizeIsTopPrize()) {
      ShowTopPrizeMessage();
      gloryValue = 0;
      return;  // the rest of the batch is not drawn; the 270 points stay charged
    }
  }
}

void OnReset() {
  drawCount = 0;
  pointsSpent = 0;
  gloryValue = 0;
  DeleteAllRows(超级列表框1);
}
