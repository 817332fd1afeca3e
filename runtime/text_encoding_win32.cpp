#include <windows.h>

#include "runtime/text_encoding.h"
#include "runtime/text_encoding_win32.h"

namespace {

constexpr UINT kGbkCodePage = 936;
constexpr wchar_t kReplacement = L'\xFFFD';

// Converts bytes that must all be valid GBK; false if one is not.
bool ConvertStrictly(const char* bytes, int length, std::wstring& wide) {
  const int needed = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes, length, nullptr, 0);
  if (needed <= 0) return false;
  const std::size_t start = wide.size();
  wide.resize(start + static_cast<std::size_t>(needed));
  MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes, length, wide.data() + start, needed);
  return true;
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// The slow path for a text with invalid bytes: one character at a time, so
// that only the offending bytes are replaced.
std::wstring ConvertCharacterByCharacter(const Text& gbk) {
  std::wstring wide;
  std::size_t i = 0;
  while (i < gbk.size()) {
    const auto c = static_cast<unsigned char>(gbk[i]);
    if (c < 0x80) {
      wide += static_cast<wchar_t>(c);
      ++i;
      continue;
    }
    if (i + 1 < gbk.size() && IsLeadByte(c) && IsTrailByte(static_cast<unsigned char>(gbk[i + 1])) &&
        ConvertStrictly(gbk.data() + i, 2, wide)) {
      i += 2;
      continue;
    }
    wide += kReplacement;
    ++i;
  }
  return wide;
}

}  // namespace

std::wstring GbkToWide(const Text& gbk) {
  std::wstring wide;
  if (gbk.empty()) return wide;
  if (gbk.size() <= static_cast<std::size_t>(INT_MAX) && ConvertStrictly(gbk.data(), static_cast<int>(gbk.size()), wide)) {
    return wide;
  }
  return ConvertCharacterByCharacter(gbk);
}

std::string WideToUtf8(std::wstring_view wide) {
  std::string utf8;
  if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return utf8;
  const int length = static_cast<int>(wide.size());
  // Without WC_ERR_INVALID_CHARS an unpaired surrogate becomes U+FFFD.
  const int needed = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return utf8;
  utf8.resize(static_cast<std::size_t>(needed));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), needed, nullptr, nullptr);
  return utf8;
}

std::string GbkToUtf8(const Text& gbk) { return WideToUtf8(GbkToWide(gbk)); }
