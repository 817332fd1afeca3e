#pragma once
// The driver's output: UTF-8 lines ending in '\n', flushed at once so that a
// harness reading a pipe sees each answer when it is complete.
#include <windows.h>

#include <string>
#include <string_view>

std::string Utf8(std::wstring_view text);
std::wstring Wide(std::string_view utf8);

void SetUpOutput();
void PrintLine(std::string_view line);
void PrintFact(std::string_view name, std::string_view value);
void PrintFact(std::string_view name, std::wstring_view value);
void PrintFact(std::string_view name, long long value);
void PrintFact(std::string_view name, const char* value);  // not to the bool overload
void PrintFact(std::string_view name, bool value);
void Flush();

std::string Hex(unsigned long long value);
std::string RectText(const RECT& rect);  // "left top width height"
// Microseconds since 1970 by the system clock (which Wine takes from the
// host's), so that the harness can compare them with the shell's clock.
long long EpochMicroseconds();
