#include "runtime/list_services_win32.h"

#include <commctrl.h>

#include <string>

#include "lottery/program_texts.h"
#include "runtime/text_encoding_win32.h"

namespace {

// Every item request starts from a zeroed LVITEMW, so no field the list view
// reads is left indeterminate. `text` must outlive the request.
LVITEMW TextItem(int32_t row, int32_t column, std::wstring& text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = text.data();
  return item;
}

LRESULT Send(ListControl* list, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(AsWindow(list), message, wParam, lParam);
}

}  // namespace

int32_t InsertRow(ListControl* list) {
  std::wstring empty;
  LVITEMW item = TextItem(GetRowCount(list), 0, empty);
  return static_cast<int32_t>(Send(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void SetCellText(ListControl* list, int32_t row, int32_t column, const Text& text) {
  std::wstring wide = GbkToWide(text);
  LVITEMW item = TextItem(row, column, wide);
  Send(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int32_t GetRowCount(ListControl* list) { return static_cast<int32_t>(Send(list, LVM_GETITEMCOUNT, 0, 0)); }

void EnsureRowVisible(ListControl* list, int32_t row) {
  // FALSE: a partly visible row is scrolled into full view too.
  Send(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void DeleteAllRows(ListControl* list) { Send(list, LVM_DELETEALLITEMS, 0, 0); }

void RepaintNow(ListControl* control) {
  // Paints what is already invalid, synchronously, and invalidates nothing.
  UpdateWindow(AsWindow(control));
}

void ShowMessageBox(const Text& text) {
  const std::wstring wideText = GbkToWide(text);
  const std::wstring caption = GbkToWide(texts::kMessageBoxCaption);
  // No owner and MB_TASKMODAL: every top-level window of this thread is
  // disabled until the box is closed. No MB_ICON* flag: the box has no icon.
  MessageBoxW(nullptr, wideText.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
}
