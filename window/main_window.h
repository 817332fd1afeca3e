#pragma once
// The program's one window: the result list and the three command buttons.
#include <windows.h>

inline constexpr wchar_t kMainWindowClass[] = L"ZorvaneMainWindow";
inline constexpr int kMainWindowWidth = 380;   // outer size, frame and title bar included
inline constexpr int kMainWindowHeight = 269;

// Builds the window centred on the primary screen with its four controls,
// runs OnWindowCreated, then shows and activates it. Returns nullptr, with
// nothing left behind, if the window or a control cannot be created.
HWND BuildMainWindow(HINSTANCE instance);

// The outer top-left corner that centres a window of the given outer size on
// a screen of the given size (integer division: the half pixel is dropped).
POINT CentredPosition(int screenWidth, int screenHeight, int width, int height);
