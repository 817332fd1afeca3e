#pragma once
// Random integers and the conversions of numbers to texts and of reals to
// integers. Their results decide which prizes come out and what the list and
// the message box show, so they are exact to the digit.
#include <cstdint>

#include "runtime/text.h"

// One step of the program's linear congruential generator: state = state *
// 214013 + 2531011 (mod 2^32), result (state >> 16) & 32767. The state belongs
// to the calling thread and starts at 1.
int NextRandom();

// An integer of the inclusive range between lo and hi (in either order; a
// negative bound counts as 0). Steps the generator once unless the bounds are
// equal.
int32_t RandomInt(int32_t lo, int32_t hi);

// The calling thread's generator state, for tools that replay the sequence
// from a known point.
uint32_t RandomState();
void SetRandomState(uint32_t state);

// "%d" of an integer.
Text ToText(int32_t value);
// "%.13g" of a real, with "." as the decimal point whatever the locale and
// always three exponent digits ("1e+013", "1.5e-005").
Text ToText(double value);
// A copy.
Text ToText(const Text& value);

// x with its fraction dropped toward zero. A value outside the int32 range
// (or NaN) gives INT32_MIN, the "integer indefinite" of the x86 conversion,
// instead of undefined behaviour.
int32_t TruncToInt(double x);
