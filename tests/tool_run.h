#pragma once
// Runs the tool's command line in-process, with its two streams captured.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "file_handle.h"

inline std::string ReadAll(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  return text;
}

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

inline ToolRun RunTool(std::vector<std::string_view> args) {
  FileHandle out(std::tmpfile());
  FileHandle err(std::tmpfile());
  const int status = RunCommandLine(args, out.get(), err.get());
  return {status, ReadAll(out.get()), ReadAll(err.get())};
}

inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }
