#include <gtest/gtest.h>

#include <string>

#include "lottery/program_texts.h"
#include "runtime/text_encoding.h"

namespace {

// Each GBK literal read back as UTF-8: catches a wrong byte, a hex escape
// that swallowed a following digit, or a lost trailing space.
TEST(ProgramTextsTest, LiteralsReadBackAsTheirText) {
  const struct {
    const char* gbk;
    const char* utf8;
  } cases[] = {
      {texts::kTopPrize, "荣耀水晶"},
      {texts::kHero, "英雄"},
      {texts::kSkin, "皮肤"},
      {texts::kHeroShard, "英雄碎片"},
      {texts::kSkinShard, "皮肤碎片"},
      {texts::kInscriptionShard50, "铭文碎片*50"},
      {texts::kInscriptionShard80, "铭文碎片*80"},
      {texts::kDiamond50, "钻石*50"},
      {texts::kRose, "浓情玫瑰"},
      {texts::kInGameEffect, "局内特效"},
      {texts::kAvatarFrame, "头像框"},
      {texts::kPoolSeparator, "，"},
      {texts::kPrizeCellPrefix, "恭喜您获得了 "},
      {texts::kGuaranteeCell, "恭喜您获得了 荣耀水晶 "},
      {texts::kMessageBeforeMoney, "恭喜您，总共花费"},
      {texts::kMessageAfterMoney, "元就获得了荣耀水晶！"},
      {texts::kMessageBoxCaption, "信息："},
      {texts::kWindowTitle, "Zorvane抽奖机"},
      {texts::kSingleDrawButton, "60积分抽1次"},
      {texts::kFiveDrawsButton, "270积分抽5次"},
      {texts::kResetButton, "重置抽奖机"},
      {texts::kColumnNumber, "#"},
      {texts::kColumnPoints, "消费值"},
      {texts::kColumnGlory, "荣耀值"},
      {texts::kColumnPrize, "获得信息"},
      {texts::kWindowCreationFailed, "无法创建主窗口。"},
  };
  for (const auto& c : cases) EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
}

TEST(ProgramTextsTest, PinnedBytes) {
  EXPECT_EQ(std::string(texts::kPoolSeparator), "\xA3\xAC");
  EXPECT_EQ(std::string(texts::kTopPrize), "\xC8\xD9\xD2\xAB\xCB\xAE\xBE\xA7");
  EXPECT_EQ(std::string(texts::kSingleDrawButton).size(), 11u);  // 60, three characters, 1, one character
}

TEST(GbkToUtf8Test, InvalidBytesBecomeReplacementCharacters) {
  // A lead byte with no trail byte must not be dropped or read past.
  EXPECT_EQ(GbkToUtf8("a\xC8"), "a\xEF\xBF\xBD");
  EXPECT_EQ(GbkToUtf8(""), "");
}

}  // namespace
