// zorvane.exe: the prize-draw simulator's window.
#include <windows.h>

#include "window/program.h"

// The wide entry point (MinGW links it with -municode; MSVC picks it up
// itself). The program reads no command line.
int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
  return ProgramStart();
}
