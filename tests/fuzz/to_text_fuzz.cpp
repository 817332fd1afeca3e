// ToText of any double and any int32 agrees with the C library's printf
// ("%.13g", "%d") with the exponent widened to three digits: a reference
// built on a different method than the one ToText uses.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "runtime/value_services.h"

namespace {

std::string ReferenceReal(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  std::string text = buffer;
  const auto e = text.find('e');
  if (e != std::string::npos) {
    std::string digits = text.substr(e + 2);
    while (digits.size() < 3) digits.insert(0, "0");
    text = text.substr(0, e + 2) + digits;
  }
  return text;
}

std::string ReferenceInt(int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(value));
  return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double real;
  std::memcpy(&real, data, sizeof real);
  int32_t integer;
  std::memcpy(&integer, data, sizeof integer);
  if (ToText(real) != ReferenceReal(real)) {
    std::fprintf(stderr, "ToText(%a) = %s, expected %s\n", real, ToText(real).c_str(), ReferenceReal(real).c_str());
    __builtin_trap();
  }
  if (ToText(integer) != ReferenceInt(integer)) __builtin_trap();
  return 0;
}
