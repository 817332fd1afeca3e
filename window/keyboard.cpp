#include "window/keyboard.h"

namespace {

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

bool AimedAt(HWND mainWindow, HWND target) { return target == mainWindow || IsChild(mainWindow, target); }

void MoveFocus(HWND mainWindow, bool backwards) {
  const HWND focus = GetFocus();
  const HWND next = GetNextDlgTabItem(mainWindow, focus == mainWindow ? nullptr : focus, backwards ? TRUE : FALSE);
  if (next != nullptr) SetFocus(next);
}

}  // namespace

bool HandleWindowKey(HWND mainWindow, const MSG& message) {
  const bool isKeyMessage = message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
                            message.message == WM_CHAR;
  if (!isKeyMessage || !AimedAt(mainWindow, message.hwnd)) return false;
  // Keys with Ctrl or Alt are left alone (Alt+F4 arrives as WM_SYSKEYDOWN).
  if (IsDown(VK_CONTROL) || IsDown(VK_MENU)) return false;

  if (message.message == WM_CHAR) {
    // The characters of the keys handled here: no control gets them, so no
    // control beeps at them.
    return message.wParam == L'\r' || message.wParam == L'\x1b' || message.wParam == L'\t';
  }
  switch (message.wParam) {
    case VK_ESCAPE:
      if (IsDown(VK_SHIFT)) return false;
      if (message.message == WM_KEYDOWN) SendMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_RETURN:
      return true;  // no default button: Enter does nothing
    case VK_TAB:
      if (message.message == WM_KEYDOWN) MoveFocus(mainWindow, IsDown(VK_SHIFT));
      return true;
    default:
      return false;
  }
}
