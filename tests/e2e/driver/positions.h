#pragma once
// Screen points a harness clicks with real X input, named:
//   list, a button's text           the centre of that control
//   ok                              the centre of the open message box's button
//   close, minimize, maximize       the title-bar buttons
//   caption                         a point of the title bar away from its buttons
//   corner                          the bottom-right corner of the frame
//   header:N, row:N                 the centre of a column header item, of a row
//   at:X,Y                          that screen point
#include <optional>
#include <string>

#include "target.h"

std::optional<POINT> ScreenPosition(const Target& target, const std::wstring& name);

// WM_NCHITTEST's answer at a screen point, by name (HTCLOSE, HTBORDER, ...).
std::string HitTestName(const Target& target, POINT point);
