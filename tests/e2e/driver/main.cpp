// zorvane_e2e_driver: looks at and reads the running program's windows from
// outside, for the end-to-end tests (which drive it with real X input).
#include <windows.h>

#include "commands.h"
#include "output.h"

int wmain(int argc, wchar_t** argv) {
  SetUpOutput();
  const Arguments arguments(argv + 1, argv + argc);
  const int status = RunCommand(arguments);
  Flush();
  return status;
}
