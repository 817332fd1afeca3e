#include "window/controls.h"

#include <commctrl.h>

void Control::SetFont(HFONT font) const {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::Show() const { ShowWindow(window_, SW_SHOW); }

void Control::Focus() const { SetFocus(window_); }

bool Control::CreateChild(DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                          HWND parent, int id, ControlPlacement placement) {
  // No WS_VISIBLE: the window shows its controls once all of them exist.
  window_ = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_TABSTOP | style, placement.left,
                            placement.top, placement.width, placement.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  return window_ != nullptr;
}

bool PushButton::Create(HWND parent, int id, const std::wstring& text, ControlPlacement placement) {
  return CreateChild(0, WC_BUTTONW, text, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, parent, id,
                     placement);
}

bool ReportListView::Create(HWND parent, int id, ControlPlacement placement) {
  constexpr DWORD kStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;
  if (!CreateChild(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", kStyle, parent, id, placement)) return false;
  constexpr DWORD kExtendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  SendMessageW(window(), LVM_SETEXTENDEDLISTVIEWSTYLE, kExtendedStyle, kExtendedStyle);
  return true;
}

void ReportListView::SetColors(COLORREF text, COLORREF background) const {
  SendMessageW(window(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
  SendMessageW(window(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageW(window(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
}

bool ReportListView::AddColumn(int index, const std::wstring& title, int width) const {
  std::wstring text = title;  // LVCOLUMNW wants a writable buffer
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = text.data();
  column.iSubItem = index;
  return SendMessageW(window(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)) ==
         index;
}
