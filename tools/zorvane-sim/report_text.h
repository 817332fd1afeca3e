#pragma once
// Small helpers for the tool's reports: columns that line up with Chinese
// texts in them, numbers, JSON strings.
#include <cstdint>
#include <optional>
#include <string>

// Terminal columns of a UTF-8 text: two for East Asian wide characters.
int DisplayWidth(const std::string& utf8);
// The text followed by spaces up to `width` columns.
std::string PadRight(const std::string& utf8, int width);
std::string PadLeft(const std::string& utf8, int width);

std::string Fixed(double value, int decimals);
// A JSON string literal.
std::string JsonString(const std::string& utf8);
// A JSON number, or null.
std::string JsonNumber(double value);
std::string JsonNumber(std::optional<int64_t> value);
