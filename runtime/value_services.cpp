#include "runtime/value_services.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

thread_local uint32_t randomState = 1;

constexpr uint32_t kMultiplier = 214013;
constexpr uint32_t kIncrement = 2531011;

}  // namespace

int NextRandom() {
  randomState = randomState * kMultiplier + kIncrement;  // unsigned: wraps mod 2^32
  return static_cast<int>((randomState >> 16) & 32767);
}

uint32_t RandomState() { return randomState; }

void SetRandomState(uint32_t state) { randomState = state; }

int32_t RandomInt(int32_t lo, int32_t hi) {
  if (lo < 0) lo = 0;
  if (hi < 0) hi = 0;
  const int32_t a = lo < hi ? lo : hi;
  const int32_t b = lo < hi ? hi : lo;
  if (a == b) return a;
  // Both bounds are non-negative, so b - a cannot overflow; the widest range
  // is narrowed by one so that n + 1 stays representable.
  int32_t n = b - a;
  if (n == std::numeric_limits<int32_t>::max()) n = std::numeric_limits<int32_t>::max() - 1;
  return a + NextRandom() % (n + 1);
}

Text ToText(int32_t value) {
  std::array<char, 16> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return Text(buffer.data(), result.ptr);
}

Text ToText(double value) {
  // std::to_chars in general format with a precision gives exactly what
  // printf's "%.13g" gives in the C locale, but independent of the locale and
  // of the C library; only the exponent needs widening to three digits.
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 13);
  Text text(buffer.data(), result.ptr);
  const auto e = text.find('e');
  if (e == Text::npos) return text;
  // "1e+13" -> "1e+013": the sign is at e + 1, the digits after it.
  const std::size_t digitsAt = e + 2;
  const std::size_t digits = text.size() - digitsAt;
  if (digits < 3) text.insert(digitsAt, 3 - digits, '0');
  return text;
}

Text ToText(const Text& value) { return value; }

int32_t TruncToInt(double x) {
  // The comparisons are false for NaN, which therefore falls through too.
  constexpr double kAboveMax = 2147483648.0;   // 2^31
  constexpr double kBelowMin = -2147483649.0;  // -2^31 - 1
  if (x < kAboveMax && x > kBelowMin) return static_cast<int32_t>(x);
  return std::numeric_limits<int32_t>::min();
}
