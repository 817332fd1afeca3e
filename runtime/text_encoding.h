#pragma once
// Conversion of the program's GBK texts for output outside the program.
#include <string>

#include "runtime/text.h"

// The UTF-8 form of a GBK text. A byte sequence that is not GBK comes out as
// U+FFFD rather than being dropped silently.
std::string GbkToUtf8(const Text& gbk);
