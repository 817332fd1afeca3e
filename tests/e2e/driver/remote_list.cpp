#include "remote_list.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <utility>

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

std::optional<std::vector<std::wstring>> RemoteListView::RowTexts(int first, int rows, int columns) const {
  constexpr std::size_t kCellChars = 256;
  const std::size_t cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
  const std::size_t textOffset = (cells * sizeof(LVITEMW) + 15) / 16 * 16;
  const RemoteMemory block(process_.get(), textOffset + cells * kCellChars * sizeof(wchar_t));
  if (!block) return std::nullopt;
  std::vector<LVITEMW> items(cells);
  for (std::size_t i = 0; i < cells; ++i) {
    items[i].iSubItem = static_cast<int>(i % static_cast<std::size_t>(columns));
    items[i].pszText = reinterpret_cast<LPWSTR>(block.At(textOffset + i * kCellChars * sizeof(wchar_t)));
    items[i].cchTextMax = static_cast<int>(kCellChars);
  }
  if (!block.Write(0, items.data(), cells * sizeof(LVITEMW))) return std::nullopt;
  // All the requests are queued at once (SendMessageCallbackW), so the list's
  // thread answers them one after another without waiting for this process
  // between them; the answers arrive as callbacks while this thread pumps.
  struct Answers {
    std::vector<LRESULT> lengths;
    std::size_t pending;
  } answers{std::vector<LRESULT>(cells, -1), cells};
  const SENDASYNCPROC onAnswer = [](HWND, UINT, ULONG_PTR context, LRESULT result) {
    auto* slot = reinterpret_cast<std::pair<Answers*, std::size_t>*>(context);
    slot->first->lengths[slot->second] = result;
    --slot->first->pending;
  };
  std::vector<std::pair<Answers*, std::size_t>> slots(cells);
  for (std::size_t i = 0; i < cells; ++i) {
    slots[i] = {&answers, i};
    const WPARAM row = static_cast<WPARAM>(first) + i / static_cast<std::size_t>(columns);
    if (!SendMessageCallbackW(list_, LVM_GETITEMTEXTW, row, block.At(i * sizeof(LVITEMW)), onAnswer,
                              reinterpret_cast<ULONG_PTR>(&slots[i]))) {
      return std::nullopt;
    }
  }
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (answers.pending > 0) {
    if (GetTickCount64() >= deadline) {
      // Answers still due would land in `slots` and in the block after they
      // are gone (the list's thread writing into freed memory of its own
      // process). The only safe way out is to stop here, leaving both.
      std::fputs("error the list did not answer in time\n", stdout);
      std::fflush(stdout);
      ExitProcess(3);
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (answers.pending > 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  std::vector<std::size_t> lengths(cells);
  for (std::size_t i = 0; i < cells; ++i) {
    // A text as long as the buffer may have been cut: an error, not a result.
    if (answers.lengths[i] < 0 || static_cast<std::size_t>(answers.lengths[i]) >= kCellChars - 1) return std::nullopt;
    lengths[i] = static_cast<std::size_t>(answers.lengths[i]);
  }
  std::vector<wchar_t> texts(cells * kCellChars);
  if (!block.Read(textOffset, texts.data(), texts.size() * sizeof(wchar_t))) return std::nullopt;
  std::vector<std::wstring> result;
  result.reserve(cells);
  for (std::size_t i = 0; i < cells; ++i) result.emplace_back(texts.data() + i * kCellChars, lengths[i]);
  return result;
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
