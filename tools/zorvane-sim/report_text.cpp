#include "report_text.h"

#include <cmath>
#include <cstdio>

int DisplayWidth(const std::string& utf8) {
  int width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    uint32_t code = lead;
    std::size_t length = 1;
    if (lead >= 0xf0) {
      length = 4;
      code = lead & 0x07;
    } else if (lead >= 0xe0) {
      length = 3;
      code = lead & 0x0f;
    } else if (lead >= 0xc0) {
      length = 2;
      code = lead & 0x1f;
    }
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3f);
    }
    i += length;
    // CJK, full-width forms and the like.
    const bool wide = (code >= 0x1100 && code <= 0x115f) || (code >= 0x2e80 && code <= 0xa4cf) ||
                      (code >= 0xac00 && code <= 0xd7a3) || (code >= 0xf900 && code <= 0xfaff) ||
                      (code >= 0xfe30 && code <= 0xfe4f) || (code >= 0xff00 && code <= 0xff60) ||
                      (code >= 0xffe0 && code <= 0xffe6);
    width += wide ? 2 : 1;
  }
  return width;
}

std::string PadRight(const std::string& utf8, int width) {
  const int w = DisplayWidth(utf8);
  return w >= width ? utf8 : utf8 + std::string(static_cast<std::size_t>(width - w), ' ');
}

std::string PadLeft(const std::string& utf8, int width) {
  const int w = DisplayWidth(utf8);
  return w >= width ? utf8 : std::string(static_cast<std::size_t>(width - w), ' ') + utf8;
}

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.10g", value);
  return buffer;
}

std::string JsonNumber(std::optional<int64_t> value) {
  return value ? std::to_string(*value) : "null";
}
