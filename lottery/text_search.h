#pragma once
#include <cstdint>

#include "runtime/text.h"

// The 1-based byte position of the first occurrence of `sought` in `haystack`
// that begins at or after position `start`, or -1. A start of 0 counts as 1;
// an empty haystack or sought text, or a start outside 0 to the haystack's
// length + 1, gives -1. With ignoreCase both texts are compared lower-cased.
int32_t FindText(const Text& haystack, const Text& sought, int32_t start = 1, bool ignoreCase = false);
