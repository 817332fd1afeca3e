#pragma once
// The result list's row and cell operations, the immediate repaint and the
// message box: the commands' only way to the window. One implementation is
// linked into each program: the Win32 one on the real list view, or the host
// one that keeps rows in memory (list_services_host.h).
#include <cstdint>

#include "runtime/text.h"

// A list control, opaque to the commands. The Win32 implementation's handle
// is the list view's window; the host implementation's is its own row store.
struct ListControl;

// Appends an empty row after the last one; returns its index (the row count
// before the call), or -1 if the list refuses.
int32_t InsertRow(ListControl* list);
void SetCellText(ListControl* list, int32_t row, int32_t column, const Text& text);
int32_t GetRowCount(ListControl* list);
// Scrolls until the whole row is visible.
void EnsureRowVisible(ListControl* list, int32_t row);
// Removes every row; the columns stay.
void DeleteAllRows(ListControl* list);
// Paints the control's pending update area before returning.
void RepaintNow(ListControl* control);
// A message box modal to the thread, caption "信息：", OK only, no icon.
// Returns when the user has closed it.
void ShowMessageBox(const Text& text);
