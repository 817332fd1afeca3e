#pragma once
// Finding the program's windows from outside: the main window by its class,
// its controls, and the message boxes of its process.
#include <windows.h>

#include <string>
#include <vector>

inline constexpr wchar_t kMainWindowClass[] = L"ZorvaneMainWindow";

struct Target {
  HWND window = nullptr;
  DWORD processId = 0;
  DWORD threadId = 0;
};

// The program's main window, or an empty target if there is none.
Target FindTarget();

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// The direct children of `parent`, in z-order.
std::vector<HWND> Children(HWND parent);

// The message boxes (dialogs of class #32770) of the process; `visibleOnly`
// leaves out those still being built.
std::vector<HWND> MessageBoxes(DWORD processId, bool visibleOnly);

// A child's outer rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);

// The centre of a window's outer rectangle, in screen coordinates.
POINT ScreenCentre(HWND window);

// The child of `parent` with the given class and text (any text if empty).
HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text);

// The control of the main window a harness names: "list", or a button's text.
HWND FindControl(const Target& target, const std::wstring& name);

// A SendMessageTimeoutW that gives up after `timeoutMs`; false if it did.
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                     UINT timeoutMs = 5000);
