// zorvane-sim: the prize-draw commands without the window.
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "action_script.h"
#include "cli.h"
#include "terminal.h"

int main(int argc, char** argv) {
  UseBinaryMode(stdout);
  UseBinaryMode(stderr);
  std::vector<std::string_view> args(argv + 1, argv + argc);
  return RunCommandLine(args, stdout, stderr);
}
