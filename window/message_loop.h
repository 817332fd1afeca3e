#pragma once
#include <windows.h>

// Runs the thread's message loop until WM_QUIT, with the window's own keys
// handled first.
void RunMessageLoop(HWND mainWindow);
