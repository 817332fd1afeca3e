#include "target.h"

#include <windows.h>

#include <commctrl.h>

Target FindTarget() {
  Target target;
  target.window = FindWindowW(kMainWindowClass, nullptr);
  if (target.window != nullptr) target.threadId = GetWindowThreadProcessId(target.window, &target.processId);
  return target;
}

std::wstring WindowText(HWND window) {
  // GetWindowTextW of another process's window reads its text without
  // sending it a message, so it works while that process is busy.
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

namespace {

struct BoxSearch {
  DWORD processId;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<BoxSearch*>(context);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == search.processId && ClassName(window) == L"#32770" &&
      (!search.visibleOnly || IsWindowVisible(window))) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> MessageBoxes(DWORD processId, bool visibleOnly) {
  BoxSearch search{processId, visibleOnly, {}};
  if (processId != 0) EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

RECT RectInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT ScreenCentre(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : Children(parent)) {
    if (ClassName(child) == className && (text.empty() || WindowText(child) == text)) return child;
  }
  return nullptr;
}

HWND FindControl(const Target& target, const std::wstring& name) {
  if (target.window == nullptr) return nullptr;
  if (name == L"list") return FindChild(target.window, WC_LISTVIEWW, L"");
  return FindChild(target.window, WC_BUTTONW, name);
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result, UINT timeoutMs) {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &answer) == 0) return false;
  result = static_cast<LRESULT>(answer);
  return true;
}
