#include <gtest/gtest.h>

#include "lottery/text_search.h"
#include "runtime/c_string_routines.h"
#include "runtime/c_string_routines_win32.h"

namespace {

// Catches a build that silently fell back to its own stand-ins instead of
// the exports of ntdll.dll.
TEST(NtdllStringRoutinesTest, ComeFromNtdll) { EXPECT_TRUE(SystemStringRoutinesComeFromNtdll()); }

TEST(NtdllStringRoutinesTest, SearchAndLowerCase) {
  char text[] = "AbC";
  EXPECT_STREQ(SystemStrLwr(text), "abc");
  const char haystack[] = "xxabc";
  EXPECT_EQ(SystemStrStr(haystack, "abc"), haystack + 2);
  EXPECT_EQ(SystemStrStr(haystack, "abd"), nullptr);
  EXPECT_EQ(FindText("ABC", "b", 1, true), 2);
}

}  // namespace
