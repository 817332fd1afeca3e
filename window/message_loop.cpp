#include "window/message_loop.h"

#include "window/keyboard.h"

void RunMessageLoop(HWND mainWindow) {
  MSG message{};
  // GetMessageW returns -1 on an invalid argument, which cannot happen here;
  // the loop still ends on it rather than spin.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleWindowKey(mainWindow, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
