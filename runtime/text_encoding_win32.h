#pragma once
// Windows only: the program's GBK texts as UTF-16, for the wide-character
// API at the boundary to the window system.
#include <string>
#include <string_view>

#include "runtime/text.h"

// The UTF-16 form of a GBK (code page 936) text, whatever the system's ANSI
// code page is. A byte sequence that is not GBK comes out as U+FFFD, one per
// offending byte, and the conversion goes on after it.
std::wstring GbkToWide(const Text& gbk);

// The UTF-8 form of a UTF-16 text; an unpaired surrogate comes out as U+FFFD.
std::string WideToUtf8(std::wstring_view wide);
