#pragma once
// The window's own keys, handled in the message loop before a control sees
// them: Esc closes the window, Enter does nothing, Tab and Shift+Tab move the
// focus. Arrow keys and everything else go to the focused control as usual.
#include <windows.h>

// Handles `message` if it is one of those keys aimed at `mainWindow` or one
// of its controls; true if it was handled and must not be dispatched.
bool HandleWindowKey(HWND mainWindow, const MSG& message);
