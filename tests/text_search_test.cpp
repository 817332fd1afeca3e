#include <gtest/gtest.h>

#include <climits>

#include "lottery/program_texts.h"
#include "lottery/text_search.h"

namespace {

const Text kSep = texts::kPoolSeparator;

struct SearchCase {
  const char* what;
  Text haystack;
  Text sought;
  int32_t start;
  bool ignoreCase;
  int32_t expected;
};

TEST(FindTextTest, Cases) {
  const SearchCase cases[] = {
      {"first pool number", kSep + "523" + kSep + "87", "5", 1, false, 3},
      {"second pool number, after a two-byte separator", kSep + "523" + kSep + "87", "87", 1, false, 8},
      {"the separator keeps a match from spanning two numbers", kSep + "1015" + kSep + "1999", "1519", 1, false, -1},
      {"digits inside a longer number match", kSep + "523", "5", 1, false, 3},
      {"1 is inside 1000", kSep + "1000", "1", 1, false, 3},
      {"empty haystack", "", "5", 1, false, -1},
      {"empty sought", "abc", "", 1, false, -1},
      {"both empty", "", "", 1, false, -1},
      {"from start 3", "abcabc", "bc", 3, false, 5},
      {"start 0 counts as 1", "abcabc", "bc", 0, false, 2},
      {"from start 1", "abcabc", "bc", 1, false, 2},
      {"match at the start position itself", "abcabc", "bc", 5, false, 5},
      {"match ending at the last byte", "abcabc", "c", 6, false, 6},
      {"ignoring case", "ABC", "b", 1, true, 2},
      {"case matters by default", "ABC", "b", 1, false, -1},
      {"ignoring case lowers the sought text too", "abc", "B", 1, true, 2},
      {"sought longer than haystack", "ab", "abc", 1, false, -1},
      {"positions count bytes of GBK characters", Text(texts::kTopPrize) + "x", "x", 1, false, 9},
      {"GBK bytes are not case-mapped", texts::kTopPrize, texts::kTopPrize, 1, true, 1},
      // Starts outside the haystack: nothing outside it may be read.
      {"start one past the end", "abc", "c", 4, false, -1},
      {"start two past the end", "abc", "c", 5, false, -1},
      {"start far past the end", "abc", "c", INT32_MAX, false, -1},
      {"negative start", "abc", "a", -1, false, -1},
      {"most negative start", "abc", "a", INT32_MIN, false, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindText(c.haystack, c.sought, c.start, c.ignoreCase), c.expected) << c.what;
  }
}

TEST(FindTextTest, DefaultsAreStartOneAndCaseSensitive) {
  EXPECT_EQ(FindText("xAbab", "ab"), 4);
}

TEST(FindTextTest, IgnoringCaseLeavesTheInputsAlone) {
  const Text haystack = "ABC";
  const Text sought = "B";
  EXPECT_EQ(FindText(haystack, sought, 1, true), 2);
  EXPECT_EQ(haystack, "ABC");
  EXPECT_EQ(sought, "B");
}

TEST(FindTextTest, TextEndsAtItsFirstNul) {
  // Catches a search that runs past the terminating NUL the C routines see.
  const Text haystack("ab\0cd", 5);
  EXPECT_EQ(FindText(haystack, "cd"), -1);
  EXPECT_EQ(FindText(haystack, "c", 4), -1);
}

}  // namespace
