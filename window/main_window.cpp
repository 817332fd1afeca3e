#include "window/main_window.h"

#include <commctrl.h>

#include <array>

#include "lottery/commands.h"
#include "lottery/lottery_state.h"
#include "lottery/program_texts.h"
#include "runtime/list_services_win32.h"
#include "runtime/text_encoding_win32.h"
#include "window/controls.h"
#include "window/program.h"
#include "window/resource_ids.h"

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Control ids stay clear of IDOK and IDCANCEL, which the dialog keys use.
constexpr int kResultListId = 1001;
constexpr int kSingleDrawId = 1002;
constexpr int kResetId = 1003;
constexpr int kFiveDrawsId = 1004;

PushButton 按钮1;  // "60积分抽1次"
PushButton 按钮2;  // "270积分抽5次"
PushButton 按钮3;  // "重置抽奖机"

// The control that had the focus when the window was last deactivated; the
// focus returns to it (or to the list if there was none) on activation.
HWND focusedControl = nullptr;

struct ButtonDesign {
  PushButton* button;
  int id;
  const char* text;
  ControlPlacement placement;
  void (*onClicked)();
};

// Left to right under the list; creation order is also the tab order.
const std::array<ButtonDesign, 3> kButtons = {{
    {&按钮1, kSingleDrawId, texts::kSingleDrawButton, {10, 205, 100, 30}, OnSingleDraw},
    {&按钮3, kResetId, texts::kResetButton, {140, 205, 100, 30}, OnReset},
    {&按钮2, kFiveDrawsId, texts::kFiveDrawsButton, {265, 205, 100, 30}, OnFiveDraws},
}};

constexpr ControlPlacement kResultListPlacement = {0, 0, 380, 200};

struct ColumnDesign {
  const char* title;
  int width;
};

const std::array<ColumnDesign, 4> kColumns = {{
    {texts::kColumnNumber, 35},
    {texts::kColumnPoints, 70},
    {texts::kColumnGlory, 70},
    {texts::kColumnPrize, 180},
}};

constexpr COLORREF kListTextColor = RGB(0, 0, 0);
constexpr COLORREF kListBackground = RGB(255, 255, 255);

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

ReportListView ResultList() { return ReportListView(AsWindow(超级列表框1)); }

// --- Message handlers ---

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    for (const ButtonDesign& design : kButtons) {
      if (LOWORD(wParam) == design.id) {
        design.onClicked();
        return 0;
      }
    }
  }
  return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

void RestoreFocus(HWND window) {
  if (focusedControl == nullptr || !IsChild(window, focusedControl)) focusedControl = ResultList().window();
  SetFocus(focusedControl);
}

void RememberFocus(HWND window) {
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window, focus)) focusedControl = focus;
}

LRESULT OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    RememberFocus(window);
    return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
  }
  if (HIWORD(wParam) != 0) return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);  // minimised
  RestoreFocus(window);
  return 0;
}

LRESULT OnDestroy() {
  超级列表框1 = nullptr;
  PostQuitMessage(0);
  return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
#if defined(ZORVANE_FORCE_CREATE_FAILURE)
    case WM_NCCREATE:
      return FALSE;  // a test build: the window refuses to be created
#endif
    case WM_COMMAND:
      return OnCommand(window, wParam, lParam);
    case WM_ACTIVATE:
      return OnActivate(window, wParam, lParam);
    case WM_SETFOCUS:
      RestoreFocus(window);
      return 0;
    case WM_SIZE:
      // A window minimised while it stays active (as under Wine with no
      // window manager) is not deactivated first: remember the focus here
      // too, so that a restore gives it back to the same control.
      if (wParam == SIZE_MINIMIZED) RememberFocus(window);
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_DESTROY:
      return OnDestroy();
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

// --- Building ---

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZORVANE), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZORVANE), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassExW(&windowClass) != 0;
}

HWND CreateMainFrame(HINSTANCE instance) {
  const POINT position = CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                         kMainWindowWidth, kMainWindowHeight);
  const std::wstring title = GbkToWide(texts::kWindowTitle);
  const HWND window = CreateWindowExW(0, kMainWindowClass, title.c_str(), kWindowStyle, position.x, position.y,
                                      kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  RECT outer{};
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != kMainWindowWidth || outer.bottom - outer.top != kMainWindowHeight) {
    SetWindowPos(window, nullptr, position.x, position.y, kMainWindowWidth, kMainWindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
  return window;
}

bool CreateResultList(HWND window) {
  ReportListView list;
  if (!list.Create(window, kResultListId, kResultListPlacement)) return false;
  list.SetFont(DefaultGuiFont());
  list.SetColors(kListTextColor, kListBackground);
  for (int i = 0; i < static_cast<int>(kColumns.size()); ++i) {
    const ColumnDesign& column = kColumns[static_cast<std::size_t>(i)];
    if (!list.AddColumn(i, GbkToWide(column.title), column.width)) return false;
  }
  超级列表框1 = AsListControl(list.window());
  return true;
}

bool CreateButtons(HWND window) {
  for (const ButtonDesign& design : kButtons) {
    if (!design.button->Create(window, design.id, GbkToWide(design.text), design.placement)) return false;
    design.button->SetFont(DefaultGuiFont());
  }
  return true;
}

void ShowControls() {
  ResultList().Show();
  for (const ButtonDesign& design : kButtons) design.button->Show();
}

}  // namespace

POINT CentredPosition(int screenWidth, int screenHeight, int width, int height) {
  return POINT{(screenWidth - width) / 2, (screenHeight - height) / 2};
}

HWND BuildMainWindow(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance)) return nullptr;
  const HWND window = CreateMainFrame(instance);
  if (window == nullptr) return nullptr;
  if (!CreateResultList(window) || !CreateButtons(window)) {
    DestroyWindow(window);  // takes the controls made so far with it
    return nullptr;
  }
  ShowControls();
  OnWindowCreated();
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  return window;
}
