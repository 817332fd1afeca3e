#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "lottery/commands.h"
#include "lottery/prize_draw.h"
#include "lottery/program_texts.h"
#include "lottery_fixture.h"

namespace {

const Text kTop = texts::kTopPrize;
const Text kGuarantee = texts::kGuaranteeCell;

Text PrizeCell(const char* prize) { return Text(texts::kPrizeCellPrefix) + prize; }

Text MessageFor(const char* yuan) { return Text(texts::kMessageBeforeMoney) + yuan + texts::kMessageAfterMoney; }

// The generator state from which the k-th draw at drawCount 1 (0-based) is the
// first top prize, found by drawing from the start state.
struct TopPrizeAhead {
  uint32_t stateBeforeTop;
  int drawsBefore;  // draws from the start state before the top prize
};

TopPrizeAhead FindFirstTopPrize() {
  SetRandomState(1);
  for (int k = 0;; ++k) {
    const uint32_t before = RandomState();
    if (DrawPrize(1) == kTop) return {before, k};
  }
}

// The state `back` draws before the first top prize.
uint32_t StateDrawsBeforeTopPrize(int back) {
  const TopPrizeAhead top = FindFirstTopPrize();
  SetRandomState(1);
  for (int k = 0; k < top.drawsBefore - back; ++k) DrawPrize(1);
  return RandomState();
}

using CommandsTest = LotteryFixture;

TEST_F(CommandsTest, FirstSingleDrawWritesOneRow) {
  OnSingleDraw();
  ASSERT_EQ(GetRowCount(&list), 1);
  EXPECT_EQ(Row(0).cells, (std::vector<Text>{"1", "60", "1", PrizeCell(texts::kInscriptionShard50)}));
  EXPECT_EQ(events, (std::vector<std::string>{"row 0"}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(CommandsTest, FirstBatchThenASingleDraw) {
  OnFiveDraws();
  OnSingleDraw();
  const std::vector<std::vector<Text>> expected = {
      {"1", "270", "1", PrizeCell(texts::kInscriptionShard50)},
      {"1", "270", "2", PrizeCell(texts::kInscriptionShard50)},
      {"1", "270", "3", PrizeCell(texts::kSkinShard)},
      {"1", "270", "4", PrizeCell(texts::kSkinShard)},
      {"1", "270", "5", PrizeCell(texts::kSkinShard)},
      {"2", "330", "6", PrizeCell(texts::kSkinShard)},
  };
  ASSERT_EQ(GetRowCount(&list), 6);
  for (int32_t row = 0; row < 6; ++row) EXPECT_EQ(Row(row).cells, expected[row]) << "row " << row;
  // Each row is scrolled into view as soon as it is written.
  EXPECT_EQ(events, (std::vector<std::string>{"row 0", "row 1", "row 2", "row 3", "row 4", "row 5"}));
}

TEST_F(CommandsTest, SixBatchesDrawTheSamePrizesAsThirtySingleDraws) {
  for (int i = 0; i < 30; ++i) OnSingleDraw();
  std::vector<Text> singles;
  for (int32_t row = 0; row < 30; ++row) singles.push_back(Row(row).cells[3]);

  SetUp();
  list.rows.clear();
  for (int i = 0; i < 6; ++i) OnFiveDraws();
  ASSERT_EQ(GetRowCount(&list), 30);
  for (int32_t row = 0; row < 30; ++row) EXPECT_EQ(Row(row).cells[3], singles[row]) << "row " << row;
}

TEST_F(CommandsTest, GuaranteeOnTheThreeHundredSixtyFirstSingleDraw) {
  gloryValue = 360;
  OnSingleDraw();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, MessageFor("6"));
  // The row first shows the drawn prize, then, after the message, the guarantee.
  EXPECT_EQ(events, (std::vector<std::string>{"row 0", "message", "row 0"}));
  EXPECT_EQ(shownRows[0].cells, (std::vector<Text>{"1", "60", "361", PrizeCell(texts::kInscriptionShard50)}));
  EXPECT_EQ(shownRows[1].cells, (std::vector<Text>{"1", "60", "361", kGuarantee}));
  EXPECT_EQ(gloryValue, 0);
  EXPECT_EQ(lastPrize, texts::kInscriptionShard50);  // the drawn prize stays the last prize

  OnSingleDraw();
  EXPECT_EQ(Row(1).cells[2], "1");
}

TEST_F(CommandsTest, GuaranteeInsideABatchShowsTheMessageOverAnEmptyRow) {
  gloryValue = 359;  // the batch's 2nd draw is the 361st
  OnFiveDraws();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, MessageFor("27"));
  EXPECT_EQ(messages[0].newestRow, (SeenRow{1, {"", "", "", ""}}));
  ASSERT_EQ(GetRowCount(&list), 5);
  EXPECT_EQ(Row(0).cells[2], "360");
  EXPECT_EQ(Row(1).cells, (std::vector<Text>{"1", "270", "361", kGuarantee}));
  EXPECT_EQ(Row(2).cells[2], "1");
  EXPECT_EQ(Row(4).cells[2], "3");
  EXPECT_EQ(events, (std::vector<std::string>{"row 0", "message", "row 1", "row 2", "row 3", "row 4"}));
}

TEST_F(CommandsTest, TopPrizeEndsTheBatch) {
  SetRandomState(StateDrawsBeforeTopPrize(2));  // the batch's 3rd draw is the top prize
  OnFiveDraws();
  ASSERT_EQ(GetRowCount(&list), 3);
  EXPECT_EQ(Row(2).cells, (std::vector<Text>{"1", "270", "3", PrizeCell(texts::kTopPrize)}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, MessageFor("27"));
  EXPECT_EQ(messages[0].newestRow.index, 2);
  EXPECT_EQ(gloryValue, 0);
  EXPECT_EQ(pointsSpent, 270);  // the batch stays charged in full
}

TEST_F(CommandsTest, GuaranteedDrawThatAlsoDrawsTheTopPrizeShowsTwoMessagesAndEndsTheBatch) {
  SetRandomState(StateDrawsBeforeTopPrize(2));
  gloryValue = 358;  // the 3rd draw is both the 361st and the top prize
  OnFiveDraws();
  ASSERT_EQ(GetRowCount(&list), 3);
  EXPECT_EQ(Row(2).cells, (std::vector<Text>{"1", "270", "361", kGuarantee}));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].newestRow.cells[3], "");  // the guarantee's message, over the empty row
  EXPECT_EQ(messages[1].newestRow.cells[3], kGuarantee);
  EXPECT_EQ(gloryValue, 0);
}

TEST_F(CommandsTest, TopPrizeOnTheThreeHundredSixtyFirstSingleDrawShowsOneMessage) {
  SetRandomState(StateDrawsBeforeTopPrize(0));
  gloryValue = 360;
  OnSingleDraw();
  EXPECT_EQ(messages.size(), 1u);
  // The drawn top prize has no trailing space; the guarantee text is not written.
  EXPECT_EQ(Row(0).cells, (std::vector<Text>{"1", "60", "361", PrizeCell(texts::kTopPrize)}));
  EXPECT_EQ(gloryValue, 0);
}

TEST_F(CommandsTest, FirstTopPrizeFromStartInSingleDraws) {
  const TopPrizeAhead top = FindFirstTopPrize();
  SetRandomState(1);
  for (int k = 0; k <= top.drawsBefore; ++k) OnSingleDraw();
  ASSERT_EQ(messages.size(), 1u);
  const int32_t draws = top.drawsBefore + 1;
  EXPECT_EQ(messages[0].text, TopPrizeMessage(draws * 60));
  EXPECT_EQ(messages[0].newestRow.cells[3], PrizeCell(texts::kTopPrize));
  EXPECT_EQ(gloryValue, 0);
  OnSingleDraw();
  EXPECT_EQ(Row(draws).cells[2], "1");
}

TEST(TopPrizeMessageTest, ShowsTheMoneyInWholeYuan) {
  const struct {
    int32_t points;
    const char* yuan;
  } cases[] = {
      {60, "6"}, {270, "27"}, {8700, "870"}, {21660, "2166"}, {0, "0"},
      // Past the int32 range the points have wrapped; the message says so plainly.
      {INT32_MIN + 12, "-214748363.6"},
  };
  for (const auto& c : cases) EXPECT_EQ(TopPrizeMessage(c.points), MessageFor(c.yuan)) << c.points;
}

TEST_F(CommandsTest, ResetEmptiesTheListAndZeroesTheCounters) {
  OnFiveDraws();
  OnSingleDraw();
  const Text prizeBefore = lastPrize;
  OnReset();
  EXPECT_EQ(GetRowCount(&list), 0);
  EXPECT_EQ(drawCount, 0);
  EXPECT_EQ(pointsSpent, 0);
  EXPECT_EQ(gloryValue, 0);
  EXPECT_EQ(lastPrize, prizeBefore);  // a reset keeps the last prize
  EXPECT_EQ(events.back(), "reset");

  OnSingleDraw();
  ASSERT_EQ(GetRowCount(&list), 1);
  EXPECT_EQ(Row(0).cells[0], "1");
  EXPECT_EQ(Row(0).cells[1], "60");
  EXPECT_EQ(Row(0).cells[2], "1");
}

TEST_F(CommandsTest, CountersWrapPastTheInt32Range) {
  // Catches signed overflow (undefined; the sanitizer build fails on it) and
  // a wrap other than two's complement.
  drawCount = 44;
  pointsSpent = INT32_MAX - 10;
  OnSingleDraw();
  EXPECT_EQ(pointsSpent, INT32_MIN + 49);
  EXPECT_EQ(Row(0).cells[1], "-2147483599");
  pointsSpent = INT32_MAX - 100;
  OnFiveDraws();
  EXPECT_EQ(pointsSpent, INT32_MIN + 169);
  drawCount = INT32_MAX;
  gloryValue = 10;
  OnReset();
  EXPECT_EQ(drawCount, 0);
}

TEST(WrappingAddTest, TwosComplement) {
  EXPECT_EQ(WrappingAdd(INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(WrappingAdd(INT32_MAX, 270), INT32_MIN + 269);
  EXPECT_EQ(WrappingAdd(-1, 1), 0);
  EXPECT_EQ(WrappingAdd(100, 60), 160);
}

}  // namespace
