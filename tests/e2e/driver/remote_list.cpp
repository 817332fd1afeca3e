#include "remote_list.h"

#include <windows.h>

#include <commctrl.h>

#include "target.h"

RemoteListView::RemoteListView(HWND list) : list_(list) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  process_ = UniqueHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                          PROCESS_QUERY_INFORMATION,
                                      FALSE, processId));
  if (process_) memory_ = RemoteMemory(process_.get(), kRequestSize + kTextChars * sizeof(wchar_t));
}

std::optional<int> RemoteListView::ItemCount() const {
  LRESULT count = 0;
  if (!SendWithTimeout(list_, LVM_GETITEMCOUNT, 0, 0, count)) return std::nullopt;
  return static_cast<int>(count);
}

std::optional<std::wstring> RemoteListView::ItemText(int row, int column) const {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(memory_.At(kRequestSize));
  item.cchTextMax = static_cast<int>(kTextChars);
  if (!memory_.Write(0, &item, sizeof(item))) return std::nullopt;
  LRESULT length = 0;
  if (!SendWithTimeout(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), memory_.At(0), length)) {
    return std::nullopt;
  }
  if (length < 0 || static_cast<std::size_t>(length) >= kTextChars) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  if (length > 0 && !memory_.Read(kRequestSize, text.data(), text.size() * sizeof(wchar_t))) return std::nullopt;
  return text;
}

std::optional<RemoteColumn> RemoteListView::Column(int index) const {
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_IMAGE | LVCF_ORDER;
  column.pszText = reinterpret_cast<LPWSTR>(memory_.At(kRequestSize));
  column.cchTextMax = static_cast<int>(kTextChars);
  const wchar_t nothing = L'\0';
  if (!memory_.Write(0, &column, sizeof(column)) || !memory_.Write(kRequestSize, &nothing, sizeof(nothing))) {
    return std::nullopt;
  }
  LRESULT ok = 0;
  if (!SendWithTimeout(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(index), memory_.At(0), ok) || ok == 0) {
    return std::nullopt;
  }
  if (!memory_.Read(0, &column, sizeof(column))) return std::nullopt;
  std::wstring title(kTextChars, L'\0');
  if (!memory_.Read(kRequestSize, title.data(), title.size() * sizeof(wchar_t))) return std::nullopt;
  title.resize(title.find(L'\0'));
  return RemoteColumn{title, column.cx, column.fmt, column.iImage, column.iOrder};
}

std::optional<RECT> RemoteListView::RectRequest(HWND window, UINT message, WPARAM wParam, const RECT& in) const {
  if (!memory_.Write(0, &in, sizeof(in))) return std::nullopt;
  LRESULT ok = 0;
  if (!SendWithTimeout(window, message, wParam, memory_.At(0), ok) || ok == 0) return std::nullopt;
  RECT out{};
  if (!memory_.Read(0, &out, sizeof(out))) return std::nullopt;
  return out;
}

std::optional<RECT> RemoteListView::ItemRect(int row, int part) const {
  RECT in{};
  in.left = part;
  return RectRequest(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), in);
}

std::optional<RECT> RemoteListView::HeaderItemRect(HWND header, int index) const {
  return RectRequest(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), RECT{});
}
