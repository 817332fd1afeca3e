#include "lottery/text_search.h"

#include <cstring>

#include "runtime/c_string_routines.h"

int32_t FindText(const Text& haystack, const Text& sought, int32_t start, bool ignoreCase) {
  if (start == 0) start = 1;
  // Texts end at their first NUL, as the C routines below see them.
  const std::size_t haystackLength = std::strlen(haystack.c_str());
  if (haystackLength == 0 || sought.c_str()[0] == '\0') return -1;
  // Outside this range the search would begin outside the haystack.
  if (start < 1 || static_cast<std::size_t>(start) > haystackLength + 1) return -1;

  Text lowerHaystack;
  Text lowerSought;
  const char* working = haystack.c_str();
  const char* wanted = sought.c_str();
  if (ignoreCase) {
    lowerHaystack = haystack.c_str();
    lowerSought = sought.c_str();
    working = SystemStrLwr(lowerHaystack.data());
    wanted = SystemStrLwr(lowerSought.data());
  }
  const char* found = SystemStrStr(working + (start - 1), wanted);
  if (found == nullptr) return -1;
  return static_cast<int32_t>(found - working) + 1;
}
