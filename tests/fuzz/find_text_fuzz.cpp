// FindText on any haystack, sought text, start and case option: it must read
// nothing outside its inputs (AddressSanitizer watches) and agree with a plain
// byte-by-byte search.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "lottery/text_search.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int32_t ReferenceFind(const std::string& haystack, const std::string& sought, int32_t start, bool ignoreCase) {
  const std::string h(haystack.c_str());  // a text ends at its first NUL
  const std::string s(sought.c_str());
  if (start == 0) start = 1;
  if (h.empty() || s.empty() || start < 1 || static_cast<std::size_t>(start) > h.size() + 1) return -1;
  for (std::size_t at = static_cast<std::size_t>(start) - 1; at + s.size() <= h.size(); ++at) {
    bool match = true;
    for (std::size_t k = 0; k < s.size() && match; ++k) {
      const char a = ignoreCase ? LowerAscii(h[at + k]) : h[at + k];
      const char b = ignoreCase ? LowerAscii(s[k]) : s[k];
      match = a == b;
    }
    if (match) return static_cast<int32_t>(at) + 1;
  }
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // Layout: 4 bytes start, 1 byte flags (bit 0: ignoreCase, the rest: where
  // the sought text begins, as a share of the remaining bytes), the texts.
  if (size < 5) return 0;
  int32_t start;
  std::memcpy(&start, data, sizeof start);
  const bool ignoreCase = (data[4] & 1) != 0;
  const std::size_t rest = size - 5;
  const std::size_t split = rest * (data[4] >> 1) / 127;
  const char* texts = reinterpret_cast<const char*>(data + 5);
  // Exact-size heap copies, so that AddressSanitizer sees any read past them.
  const std::string haystack(texts, split);
  const std::string sought(texts + split, rest - split);
  // Small starts are the interesting ones; keep most of them near the texts.
  if ((start & 0x40000000) == 0) start %= static_cast<int32_t>(haystack.size() + 3);
  const int32_t found = FindText(haystack, sought, start, ignoreCase);
  if (found != ReferenceFind(haystack, sought, start, ignoreCase)) __builtin_trap();
  return 0;
}
