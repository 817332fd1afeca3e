#include "describe.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <array>
#include <string_view>

#include "handles.h"
#include "output.h"
#include "remote_list.h"

namespace {

struct Flag {
  const char* name;
  unsigned long long value;
  unsigned long long mask;  // the bits compared (a flag can be a value of a field)
};

#define FLAG(name) Flag{#name, name, name}
#define FIELD(name, mask) Flag{#name, name, mask}

// WS_MINIMIZEBOX and WS_MAXIMIZEBOX share their bits with WS_GROUP and
// WS_TABSTOP: the first pair means something on a top-level window only, the
// second on a child only.
constexpr std::array kWindowStyles = {
    FLAG(WS_POPUP),    FLAG(WS_CHILD),   FLAG(WS_MINIMIZE), FLAG(WS_VISIBLE),    FLAG(WS_DISABLED),
    FLAG(WS_MAXIMIZE), FLAG(WS_CAPTION), FLAG(WS_BORDER),   FLAG(WS_DLGFRAME),   FLAG(WS_VSCROLL),
    FLAG(WS_HSCROLL),  FLAG(WS_SYSMENU), FLAG(WS_THICKFRAME), FLAG(WS_MINIMIZEBOX), FLAG(WS_MAXIMIZEBOX),
};
constexpr std::array kChildStyles = {
    FLAG(WS_CHILD),   FLAG(WS_VISIBLE), FLAG(WS_DISABLED), FLAG(WS_BORDER), FLAG(WS_DLGFRAME),
    FLAG(WS_VSCROLL), FLAG(WS_HSCROLL), FLAG(WS_TABSTOP),  FLAG(WS_GROUP),
};
constexpr std::array kExtendedStyles = {
    FLAG(WS_EX_DLGMODALFRAME), FLAG(WS_EX_TOPMOST),    FLAG(WS_EX_TOOLWINDOW), FLAG(WS_EX_APPWINDOW),
    FLAG(WS_EX_CLIENTEDGE),    FLAG(WS_EX_STATICEDGE), FLAG(WS_EX_WINDOWEDGE), FLAG(WS_EX_LAYOUTRTL),
    FLAG(WS_EX_CONTEXTHELP),   FLAG(WS_EX_ACCEPTFILES), FLAG(WS_EX_LAYERED),
};
constexpr std::array kButtonStyles = {
    FIELD(BS_PUSHBUTTON, BS_TYPEMASK), FIELD(BS_DEFPUSHBUTTON, BS_TYPEMASK),
    FIELD(BS_CENTER, BS_CENTER),       FIELD(BS_VCENTER, BS_VCENTER),
    FLAG(BS_MULTILINE),                FLAG(BS_BITMAP),
    FLAG(BS_ICON),                     FLAG(BS_FLAT),
    FLAG(BS_NOTIFY),
};
constexpr std::array kListStyles = {
    FIELD(LVS_REPORT, LVS_TYPEMASK), FLAG(LVS_SINGLESEL),     FLAG(LVS_SHOWSELALWAYS), FLAG(LVS_NOSORTHEADER),
    FLAG(LVS_SORTASCENDING),         FLAG(LVS_SORTDESCENDING), FLAG(LVS_EDITLABELS),   FLAG(LVS_NOCOLUMNHEADER),
    FLAG(LVS_OWNERDATA),             FLAG(LVS_OWNERDRAWFIXED), FLAG(LVS_SHAREIMAGELISTS), FLAG(LVS_NOSCROLL),
};
constexpr std::array kListExtendedStyles = {
    FLAG(LVS_EX_FULLROWSELECT),   FLAG(LVS_EX_GRIDLINES),      FLAG(LVS_EX_CHECKBOXES),
    FLAG(LVS_EX_TRACKSELECT),     FLAG(LVS_EX_HEADERDRAGDROP), FLAG(LVS_EX_ONECLICKACTIVATE),
    FLAG(LVS_EX_TWOCLICKACTIVATE), FLAG(LVS_EX_SUBITEMIMAGES), FLAG(LVS_EX_UNDERLINEHOT),
    FLAG(LVS_EX_FLATSB),          FLAG(LVS_EX_INFOTIP),        FLAG(LVS_EX_LABELTIP),
};
constexpr std::array kHeaderStyles = {
    FLAG(HDS_BUTTONS), FLAG(HDS_DRAGDROP), FLAG(HDS_HIDDEN), FLAG(HDS_HOTTRACK), FLAG(HDS_FILTERBAR),
    FLAG(HDS_CHECKBOXES), FLAG(HDS_NOSIZING),
};

#undef FLAG
#undef FIELD

template <std::size_t N>
void PrintFlags(const std::string& prefix, unsigned long long bits, const std::array<Flag, N>& flags) {
  for (const Flag& flag : flags) PrintFact(prefix + "." + flag.name, (bits & flag.mask) == flag.value);
}

std::string ColourText(COLORREF colour) {
  return std::to_string(GetRValue(colour)) + " " + std::to_string(GetGValue(colour)) + " " +
         std::to_string(GetBValue(colour));
}

// A font handle's name in the facts: the stock default GUI font, or its value.
std::string FontText(HWND window) {
  LRESULT font = 0;
  // Wine does not answer WM_GETFONT sent from another process.
  if (!SendWithTimeout(window, WM_GETFONT, 0, 0, font)) return "unreadable";
  if (font == 0) return "system";
  if (reinterpret_cast<HGDIOBJ>(font) == GetStockObject(DEFAULT_GUI_FONT)) return "default-gui";
  return Hex(static_cast<unsigned long long>(font));
}

std::string HandleText(LRESULT handle) { return handle != 0 ? "present" : "none"; }

void DescribeCommon(const std::string& name, HWND window) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  PrintFact(name + ".class", ClassName(window));
  PrintFact(name + ".id", static_cast<long long>(GetDlgCtrlID(window)));
  PrintFact(name + ".text", WindowText(window));
  PrintFact(name + ".rect", RectText(RectInParent(window)));
  PrintFact(name + ".style", Hex(static_cast<unsigned long>(style)));
  PrintFact(name + ".exstyle", Hex(static_cast<unsigned long>(exStyle)));
  PrintFlags(name + ".style", static_cast<unsigned long>(style), kChildStyles);
  PrintFlags(name + ".exstyle", static_cast<unsigned long>(exStyle), kExtendedStyles);
  PrintFact(name + ".visible", IsWindowVisible(window) != 0);
  PrintFact(name + ".enabled", IsWindowEnabled(window) != 0);
  PrintFact(name + ".font", FontText(window));
}

void DescribeButton(const std::string& name, HWND button) {
  DescribeCommon(name, button);
  PrintFlags(name + ".style", static_cast<unsigned long>(GetWindowLongPtrW(button, GWL_STYLE)), kButtonStyles);
  LRESULT bitmap = 0;
  LRESULT icon = 0;
  SendWithTimeout(button, BM_GETIMAGE, IMAGE_BITMAP, 0, bitmap);
  SendWithTimeout(button, BM_GETIMAGE, IMAGE_ICON, 0, icon);
  PrintFact(name + ".image", HandleText(bitmap | icon));
}

void DescribeColumns(const RemoteListView& list) {
  int count = 0;
  for (int index = 0; index < 64; ++index) {
    const auto column = list.Column(index);
    if (!column) break;
    const std::string name = "list.column." + std::to_string(index);
    PrintFact(name + ".title", column->title);
    PrintFact(name + ".width", static_cast<long long>(column->width));
    const int align = column->format & LVCFMT_JUSTIFYMASK;
    PrintFact(name + ".align", align == LVCFMT_LEFT ? "left" : align == LVCFMT_RIGHT ? "right" : "centre");
    PrintFact(name + ".image", (column->format & (LVCFMT_IMAGE | LVCFMT_BITMAP_ON_RIGHT)) != 0);
    PrintFact(name + ".order", static_cast<long long>(column->order));
    ++count;
  }
  PrintFact("list.columns", static_cast<long long>(count));
}

void DescribeHeader(const RemoteListView& list) {
  LRESULT header = 0;
  SendWithTimeout(list.window(), LVM_GETHEADER, 0, 0, header);
  const HWND headerWindow = reinterpret_cast<HWND>(header);
  PrintFact("list.header", HandleText(header));
  if (headerWindow == nullptr) return;
  PrintFlags("list.header.style", static_cast<unsigned long>(GetWindowLongPtrW(headerWindow, GWL_STYLE)),
             kHeaderStyles);
  PrintFact("list.header.visible", IsWindowVisible(headerWindow) != 0);
  PrintFact("list.header.rect", RectText(RectInParent(headerWindow)));
  LRESULT items = 0;
  LRESULT images = 0;
  SendWithTimeout(headerWindow, HDM_GETITEMCOUNT, 0, 0, items);
  SendWithTimeout(headerWindow, HDM_GETIMAGELIST, 0, 0, images);
  PrintFact("list.header.items", static_cast<long long>(items));
  PrintFact("list.header.images", HandleText(images));
}

void DescribeList(HWND listWindow) {
  DescribeCommon("list", listWindow);
  PrintFlags("list.style", static_cast<unsigned long>(GetWindowLongPtrW(listWindow, GWL_STYLE)), kListStyles);
  LRESULT extended = 0;
  SendWithTimeout(listWindow, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0, extended);
  PrintFact("list.extended", Hex(static_cast<unsigned long>(extended)));
  PrintFlags("list.extended", static_cast<unsigned long>(extended), kListExtendedStyles);

  struct ColourQuery {
    const char* name;
    UINT message;
  };
  for (const ColourQuery query : {ColourQuery{"list.colour.text", LVM_GETTEXTCOLOR},
                                  ColourQuery{"list.colour.textbackground", LVM_GETTEXTBKCOLOR},
                                  ColourQuery{"list.colour.background", LVM_GETBKCOLOR}}) {
    LRESULT colour = 0;
    SendWithTimeout(listWindow, query.message, 0, 0, colour);
    PrintFact(query.name, ColourText(static_cast<COLORREF>(colour)));
  }
  for (const int kind : {LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE}) {
    LRESULT images = 0;
    SendWithTimeout(listWindow, LVM_GETIMAGELIST, static_cast<WPARAM>(kind), 0, images);
    PrintFact("list.images." + std::to_string(kind), HandleText(images));
  }
  LRESULT selected = 0;
  SendWithTimeout(listWindow, LVM_GETSELECTEDCOUNT, 0, 0, selected);
  PrintFact("list.selected", static_cast<long long>(selected));

  const RemoteListView list(listWindow);
  if (!list) {
    PrintFact("list.remote", "unavailable");
    return;
  }
  if (const auto count = list.ItemCount()) PrintFact("list.rows", static_cast<long long>(*count));
  DescribeColumns(list);
  DescribeHeader(list);
}

void DescribeFrame(const Target& target) {
  const HWND window = target.window;
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);

  PrintFact("window.class", ClassName(window));
  PrintFact("window.title", WindowText(window));
  PrintFact("window.rect", RectText(outer));
  PrintFact("window.client.origin", std::to_string(origin.x) + " " + std::to_string(origin.y));
  PrintFact("window.client.size", std::to_string(client.right) + " " + std::to_string(client.bottom));
  PrintFact("window.style", Hex(static_cast<unsigned long>(style)));
  PrintFlags("window.style", static_cast<unsigned long>(style), kWindowStyles);
  PrintFlags("window.exstyle", static_cast<unsigned long>(exStyle), kExtendedStyles);
  const HWND owner = GetWindow(window, GW_OWNER);
  PrintFact("window.owner", owner != nullptr ? Hex(reinterpret_cast<UINT_PTR>(owner)) : std::string("none"));
  PrintFact("window.menu", GetMenu(window) != nullptr ? "present" : "none");
  PrintFact("window.visible", IsWindowVisible(window) != 0);
  PrintFact("window.enabled", IsWindowEnabled(window) != 0);
  PrintFact("window.iconic", IsIconic(window) != 0);
  PrintFact("window.zoomed", IsZoomed(window) != 0);
  // The class's icons and brush are not readable from another process under
  // Wine (GetClassLongPtrW answers 0); the harness reads the icons from the
  // X window's _NET_WM_ICON and the background from a screenshot instead.
  PrintFact("screen.size", std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " +
                               std::to_string(GetSystemMetrics(SM_CYSCREEN)));
  PrintFact("system.colour.btnface", ColourText(GetSysColor(COLOR_BTNFACE)));
}

// The path of the common controls library the process loaded: the side-by-side
// version 6 when the manifest's request for the current visual style was
// honoured. (Wine's file gives 5.81 as its version either way.)
void DescribeCommonControls(const Target& target) {
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, target.processId));
  if (!process) return;
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!EnumProcessModules(process.get(), modules, sizeof(modules), &bytes)) return;
  for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
    wchar_t path[MAX_PATH] = {};
    if (GetModuleFileNameExW(process.get(), modules[i], path, MAX_PATH) == 0) continue;
    std::wstring lower = path;
    CharLowerW(lower.data());
    if (lower.find(L"comctl32.dll") == std::wstring::npos) continue;
    PrintFact("process.comctl32", std::wstring_view(path));
  }
}

void DescribeFocus(const Target& target) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(target.threadId, &info)) {
    PrintFact("focus", "unknown");
    return;
  }
  PrintFact("focus", info.hwndFocus != nullptr ? ControlName(target, info.hwndFocus) : std::string("none"));
  PrintFact("active", info.hwndActive != nullptr ? ControlName(target, info.hwndActive) : std::string("none"));
}

}  // namespace

std::string ControlName(const Target& target, HWND window) {
  if (window == target.window) return "window";
  const std::wstring className = ClassName(window);
  if (className == WC_LISTVIEWW) return "list";
  if (className == WC_BUTTONW && GetParent(window) == target.window) return "button[" + Utf8(WindowText(window)) + "]";
  if (className == L"#32770") return "box";
  if (ClassName(GetParent(window)) == L"#32770") return "box." + Utf8(className) + "[" + Utf8(WindowText(window)) + "]";
  return Utf8(className);
}

void DescribeWindow(const Target& target) {
  DescribeFrame(target);
  const std::vector<HWND> children = Children(target.window);
  PrintFact("children", static_cast<long long>(children.size()));
  for (HWND child : children) {
    const std::wstring className = ClassName(child);
    if (className == WC_LISTVIEWW) {
      DescribeList(child);
    } else if (className == WC_BUTTONW) {
      DescribeButton(ControlName(target, child), child);
    } else {
      DescribeCommon("other[" + Utf8(className) + "]", child);
    }
  }
  DescribeFocus(target);
  DescribeCommonControls(target);
}
