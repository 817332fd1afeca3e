#pragma once
// The tool's command line: parses the words after the program name, runs the
// chosen command and returns the exit status (0, or 2 for bad input, or 1
// when the output could not be written).
#include <cstdio>
#include <span>
#include <string_view>

inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitUsage = 2;

int RunCommandLine(std::span<const std::string_view> args, std::FILE* out, std::FILE* err);
