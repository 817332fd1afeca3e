#include "positions.h"

#include <windows.h>

#include <commctrl.h>

#include "message_box.h"
#include "remote_list.h"

namespace {

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// Title-bar buttons stand right to left from the frame: close, maximise,
// minimise, each SM_CXSIZE wide (as the platform draws them itself here).
std::optional<POINT> TitleBarButton(HWND window, int indexFromRight) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int frameX = GetSystemMetrics(SM_CXFIXEDFRAME);
  const int frameY = GetSystemMetrics(SM_CYFIXEDFRAME);
  const int width = GetSystemMetrics(SM_CXSIZE);
  const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
  return POINT{outer.right - frameX - width * indexFromRight - width / 2, outer.top + frameY + captionHeight / 2};
}

std::optional<int> IndexAfter(const std::wstring& name, const std::wstring& prefix) {
  if (name.rfind(prefix, 0) != 0) return std::nullopt;
  try {
    return std::stoi(name.substr(prefix.size()));
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<POINT> ListPoint(const Target& target, const std::wstring& name) {
  const HWND list = FindControl(target, L"list");
  if (list == nullptr) return std::nullopt;
  const RemoteListView remote(list);
  if (!remote) return std::nullopt;
  std::optional<RECT> rect;
  HWND window = list;
  if (const auto row = IndexAfter(name, L"row:")) {
    rect = remote.ItemRect(*row, LVIR_BOUNDS);
  } else if (const auto column = IndexAfter(name, L"header:")) {
    LRESULT header = 0;
    if (!SendWithTimeout(list, LVM_GETHEADER, 0, 0, header) || header == 0) return std::nullopt;
    window = reinterpret_cast<HWND>(header);
    rect = remote.HeaderItemRect(window, *column);
  }
  if (!rect) return std::nullopt;
  POINT point = Centre(*rect);
  ClientToScreen(window, &point);
  return point;
}

}  // namespace

std::optional<POINT> ScreenPosition(const Target& target, const std::wstring& name) {
  if (name == L"ok") {
    for (HWND box : MessageBoxes(target.processId, true)) {
      if (const HWND button = MessageBoxButton(box)) return ScreenCentre(button);
    }
    return std::nullopt;
  }
  if (name.rfind(L"at:", 0) == 0) {  // "at:X,Y", a screen point as given
    const std::size_t comma = name.find(L',');
    if (comma == std::wstring::npos) return std::nullopt;
    try {
      return POINT{std::stoi(name.substr(3, comma - 3)), std::stoi(name.substr(comma + 1))};
    } catch (...) {
      return std::nullopt;
    }
  }
  if (target.window == nullptr) return std::nullopt;
  if (name == L"close") return TitleBarButton(target.window, 0);
  if (name == L"maximize") return TitleBarButton(target.window, 1);
  if (name == L"minimize") return TitleBarButton(target.window, 2);
  if (name == L"caption") {
    RECT outer{};
    GetWindowRect(target.window, &outer);
    return POINT{(outer.left + outer.right) / 2,
                 outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  }
  if (name == L"corner") {
    RECT outer{};
    GetWindowRect(target.window, &outer);
    return POINT{outer.right - 2, outer.bottom - 2};
  }
  if (name.rfind(L"row:", 0) == 0 || name.rfind(L"header:", 0) == 0) return ListPoint(target, name);
  if (const HWND control = FindControl(target, name)) return ScreenCentre(control);
  return std::nullopt;
}

std::string HitTestName(const Target& target, POINT point) {
  LRESULT hit = 0;
  if (!SendWithTimeout(target.window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y), hit)) return "unknown";
  switch (hit) {
    case HTCLIENT: return "HTCLIENT";
    case HTCAPTION: return "HTCAPTION";
    case HTSYSMENU: return "HTSYSMENU";
    case HTMINBUTTON: return "HTMINBUTTON";
    case HTMAXBUTTON: return "HTMAXBUTTON";
    case HTCLOSE: return "HTCLOSE";
    case HTBORDER: return "HTBORDER";
    case HTLEFT: case HTRIGHT: case HTTOP: case HTBOTTOM:
    case HTTOPLEFT: case HTTOPRIGHT: case HTBOTTOMLEFT: case HTBOTTOMRIGHT: return "HTSIZING";
    case HTNOWHERE: return "HTNOWHERE";
    default: return std::to_string(hit);
  }
}
