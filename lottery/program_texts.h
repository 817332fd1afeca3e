#pragma once
// Every text the program shows, window included, as GBK bytes (the program's
// code page). Each literal carries its text in the comment beside it; a test
// converts them back and compares. A literal is split where a hex escape would
// otherwise swallow the digit after it.

namespace texts {

// Prizes.
inline constexpr char kTopPrize[] = "\xC8\xD9\xD2\xAB\xCB\xAE\xBE\xA7";                // 荣耀水晶
inline constexpr char kHero[] = "\xD3\xA2\xD0\xDB";                                   // 英雄
inline constexpr char kSkin[] = "\xC6\xA4\xB7\xF4";                                   // 皮肤
inline constexpr char kHeroShard[] = "\xD3\xA2\xD0\xDB\xCB\xE9\xC6\xAC";              // 英雄碎片
inline constexpr char kSkinShard[] = "\xC6\xA4\xB7\xF4\xCB\xE9\xC6\xAC";              // 皮肤碎片
inline constexpr char kInscriptionShard50[] = "\xC3\xFA\xCE\xC4\xCB\xE9\xC6\xAC*50";  // 铭文碎片*50
inline constexpr char kInscriptionShard80[] = "\xC3\xFA\xCE\xC4\xCB\xE9\xC6\xAC*80";  // 铭文碎片*80
inline constexpr char kDiamond50[] = "\xD7\xEA\xCA\xAF*50";                           // 钻石*50
inline constexpr char kRose[] = "\xC5\xA8\xC7\xE9\xC3\xB5\xB9\xE5";                   // 浓情玫瑰
inline constexpr char kInGameEffect[] = "\xBE\xD6\xC4\xDA\xCC\xD8\xD0\xA7";           // 局内特效
inline constexpr char kAvatarFrame[] = "\xCD\xB7\xCF\xF1\xBF\xF2";                     // 头像框

// Pool separator: the full-width comma.
inline constexpr char kPoolSeparator[] = "\xA3\xAC";  // ，

// Result cells and the top-prize message.
inline constexpr char kPrizeCellPrefix[] = "\xB9\xA7\xCF\xB2\xC4\xFA\xBB\xF1\xB5\xC3\xC1\xCB ";  // "恭喜您获得了 "
inline constexpr char kGuaranteeCell[] =
    "\xB9\xA7\xCF\xB2\xC4\xFA\xBB\xF1\xB5\xC3\xC1\xCB \xC8\xD9\xD2\xAB\xCB\xAE\xBE\xA7 ";  // "恭喜您获得了 荣耀水晶 "
inline constexpr char kMessageBeforeMoney[] = "\xB9\xA7\xCF\xB2\xC4\xFA\xA3\xAC\xD7\xDC\xB9\xB2\xBB\xA8\xB7\xD1";  // 恭喜您，总共花费
inline constexpr char kMessageAfterMoney[] =
    "\xD4\xAA\xBE\xCD\xBB\xF1\xB5\xC3\xC1\xCB\xC8\xD9\xD2\xAB\xCB\xAE\xBE\xA7\xA3\xA1";  // 元就获得了荣耀水晶！
inline constexpr char kMessageBoxCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";              // 信息：

// The main window.
inline constexpr char kWindowTitle[] = "Zorvane\xB3\xE9\xBD\xB1\xBB\xFA";            // Zorvane抽奖机
inline constexpr char kSingleDrawButton[] = "60\xBB\xFD\xB7\xD6\xB3\xE9" "1\xB4\xCE";  // 60积分抽1次
inline constexpr char kFiveDrawsButton[] = "270\xBB\xFD\xB7\xD6\xB3\xE9" "5\xB4\xCE";  // 270积分抽5次
inline constexpr char kResetButton[] = "\xD6\xD8\xD6\xC3\xB3\xE9\xBD\xB1\xBB\xFA";    // 重置抽奖机
inline constexpr char kColumnNumber[] = "#";                                         // #
inline constexpr char kColumnPoints[] = "\xCF\xFB\xB7\xD1\xD6\xB5";                    // 消费值
inline constexpr char kColumnGlory[] = "\xC8\xD9\xD2\xAB\xD6\xB5";                     // 荣耀值
inline constexpr char kColumnPrize[] = "\xBB\xF1\xB5\xC3\xD0\xC5\xCF\xA2";             // 获得信息
inline constexpr char kWindowCreationFailed[] =
    "\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xD6\xF7\xB4\xB0\xBF\xDA\xA1\xA3";  // 无法创建主窗口。

}  // namespace texts
