#include "message_box.h"

#include <windows.h>

#include <commctrl.h>

#include "output.h"

namespace {

bool IsIconStatic(HWND window) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

HWND MessageBoxButton(HWND box) {
  for (HWND child : Children(box)) {
    if (ClassName(child) == WC_BUTTONW && IsWindowVisible(child)) return child;
  }
  return nullptr;
}

void DescribeMessageBox(HWND box, const Target& target) {
  RECT rect{};
  GetWindowRect(box, &rect);
  DWORD boxProcess = 0;
  const DWORD boxThread = GetWindowThreadProcessId(box, &boxProcess);
  const HWND owner = GetWindow(box, GW_OWNER);
  PrintFact("box.caption", WindowText(box));
  PrintFact("box.rect", RectText(rect));
  PrintFact("box.owner", owner != nullptr ? Hex(reinterpret_cast<UINT_PTR>(owner)) : std::string("none"));
  PrintFact("box.same-thread", target.window != nullptr && boxThread == target.threadId);
  PrintFact("box.visible", IsWindowVisible(box) != 0);

  int buttons = 0;
  bool icon = false;
  std::wstring text;
  for (HWND child : Children(box)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring className = ClassName(child);
    if (className == WC_BUTTONW) {
      const std::string name = "box.button." + std::to_string(buttons++);
      PrintFact(name + ".text", WindowText(child));
      PrintFact(name + ".id", static_cast<long long>(GetDlgCtrlID(child)));
    } else if (className == WC_STATICW && IsIconStatic(child)) {
      LRESULT handle = 0;
      SendWithTimeout(child, STM_GETICON, 0, 0, handle);
      RECT iconRect{};
      GetWindowRect(child, &iconRect);
      icon = icon || (handle != 0 && iconRect.right > iconRect.left);
    } else if (className == WC_STATICW) {
      text += WindowText(child);
    }
  }
  PrintFact("box.text", text);
  PrintFact("box.buttons", static_cast<long long>(buttons));
  PrintFact("box.icon", icon);
  if (target.window != nullptr) PrintFact("main.enabled", IsWindowEnabled(target.window) != 0);
}
