#pragma once
// Reads a list view of another process: the requests that carry a pointer
// (item texts, columns, rectangles) are built in memory allocated inside
// that process, sent there, and their answers read back.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "handles.h"

struct RemoteColumn {
  std::wstring title;
  int width = 0;
  int format = 0;
  int image = 0;
  int order = 0;
};

class RemoteListView {
 public:
  // Empty (false) if the process cannot be opened or the memory allocated.
  explicit RemoteListView(HWND list);
  RemoteListView(RemoteListView&&) noexcept = default;
  RemoteListView& operator=(RemoteListView&&) noexcept = default;

  explicit operator bool() const { return static_cast<bool>(memory_); }
  HWND window() const { return list_; }

  std::optional<int> ItemCount() const;
  std::optional<std::wstring> ItemText(int row, int column) const;
  // The texts of `columns` cells of `rows` rows from row `first`, row by row:
  // one block of requests written and one of answers read for them all.
  std::optional<std::vector<std::wstring>> RowTexts(int first, int rows, int columns) const;
  std::optional<RemoteColumn> Column(int index) const;
  // LVM_GETITEMRECT with the given LVIR_* part, in the list's client coordinates.
  std::optional<RECT> ItemRect(int row, int part) const;
  // HDM_GETITEMRECT of the list's header, in the header's client coordinates.
  std::optional<RECT> HeaderItemRect(HWND header, int index) const;

 private:
  static constexpr std::size_t kRequestSize = 256;
  static constexpr std::size_t kTextChars = 1024;

  std::optional<RECT> RectRequest(HWND window, UINT message, WPARAM wParam, const RECT& in) const;

  HWND list_ = nullptr;
  UniqueHandle process_;
  RemoteMemory memory_;  // declared after process_: released before the handle closes
};
