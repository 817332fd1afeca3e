#include "output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                      nullptr);
  return result;
}

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), result.data(), size);
  return result;
}

void SetUpOutput() {
  // Binary mode: '\n' stays '\n' (text mode would write "\r\n").
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
}

void PrintLine(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

void PrintFact(std::string_view name, std::string_view value) {
  std::string line(name);
  line += '\t';
  line += value;
  PrintLine(line);
}

void PrintFact(std::string_view name, std::wstring_view value) { PrintFact(name, Utf8(value)); }
void PrintFact(std::string_view name, long long value) { PrintFact(name, std::to_string(value)); }
void PrintFact(std::string_view name, const char* value) { PrintFact(name, std::string_view(value)); }
void PrintFact(std::string_view name, bool value) { PrintFact(name, std::string_view(value ? "yes" : "no")); }

void Flush() { std::fflush(stdout); }

std::string Hex(unsigned long long value) {
  char text[32];
  std::snprintf(text, sizeof(text), "0x%llx", value);
  return text;
}

std::string RectText(const RECT& rect) {
  return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) +
         " " + std::to_string(rect.bottom - rect.top);
}

long long EpochMicroseconds() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = now.dwLowDateTime;
  ticks.HighPart = now.dwHighDateTime;
  constexpr unsigned long long kEpochDifference = 116444736000000000ULL;  // 1601 to 1970, in 100 ns
  return static_cast<long long>((ticks.QuadPart - kEpochDifference) / 10);
}
