#include "commands.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "describe.h"
#include "fonts.h"
#include "message_box.h"
#include "output.h"
#include "positions.h"
#include "remote_list.h"
#include "target.h"
#include "watch.h"

namespace {

constexpr int kDone = 0;
constexpr int kNotFound = 1;
constexpr int kBadArguments = 2;

// A deadline in milliseconds; polls sleep a millisecond between looks.
class Deadline {
 public:
  explicit Deadline(unsigned milliseconds) : end_(GetTickCount64() + milliseconds) {}
  bool Passed() const { return GetTickCount64() >= end_; }

 private:
  ULONGLONG end_;
};

std::optional<unsigned long long> Number(const std::wstring& text, int base = 10) {
  try {
    std::size_t used = 0;
    const unsigned long long value = std::stoull(text, &used, base);
    if (used != text.size()) return std::nullopt;
    return value;
  } catch (...) {
    return std::nullopt;
  }
}

HWND VisibleBox(const Target& target) {
  const std::vector<HWND> boxes = MessageBoxes(target.processId, true);
  return boxes.empty() ? nullptr : boxes.front();
}

void PrintPoint(const std::string& prefix, POINT point) {
  PrintLine(prefix + std::to_string(point.x) + " " + std::to_string(point.y));
}

int WaitWindow(unsigned timeoutMs) {
  const Deadline deadline(timeoutMs);
  for (;;) {
    const Target target = FindTarget();
    if (target.window != nullptr && IsWindowVisible(target.window)) {
      PrintLine("window " + Hex(reinterpret_cast<UINT_PTR>(target.window)) + " pid " +
                std::to_string(target.processId) + " at " + std::to_string(EpochMicroseconds()));
      return kDone;
    }
    if (deadline.Passed()) break;
    Sleep(1);
  }
  PrintLine("timeout no window");
  return kNotFound;
}

int WaitGone(unsigned timeoutMs) {
  const Deadline deadline(timeoutMs);
  while (FindTarget().window != nullptr) {
    if (deadline.Passed()) {
      PrintLine("timeout window still there");
      return kNotFound;
    }
    Sleep(1);
  }
  PrintLine("gone at " + std::to_string(EpochMicroseconds()));
  return kDone;
}

// The rows from index `first` on, in the replay tool's format.
int PrintRows(int first) {
  const Target target = FindTarget();
  const HWND list = FindControl(target, L"list");
  if (list == nullptr) {
    PrintLine("error no list");
    return kNotFound;
  }
  const RemoteListView remote(list);
  const auto count = remote ? remote.ItemCount() : std::nullopt;
  if (!count) {
    PrintLine("error list unreadable");
    return kNotFound;
  }
  constexpr int kColumns = 4;
  constexpr int kRowsAtOnce = 128;
  for (int row = first; row < *count; row += kRowsAtOnce) {
    const int rows = std::min(kRowsAtOnce, *count - row);
    const auto texts = remote.RowTexts(row, rows, kColumns);
    if (!texts) {
      PrintLine("error rows from " + std::to_string(row) + " unreadable");
      return kNotFound;
    }
    for (int i = 0; i < rows; ++i) {
      std::string line = "row\t" + std::to_string(row + i);
      for (int column = 0; column < kColumns; ++column) {
        line += '\t';
        line += Utf8((*texts)[static_cast<std::size_t>(i * kColumns + column)]);
      }
      PrintLine(line);
    }
  }
  return kDone;
}

unsigned PollMs() {
  static const unsigned value = [] {
    wchar_t text[16] = {};
    return GetEnvironmentVariableW(L"E2E_POLL_MS", text, 16) ? static_cast<unsigned>(_wtoi(text)) : 1u;
  }();
  return value;
}

// Waits until the list holds `rows` rows, or a message box is showing.
// Answers "rows N AT", "box X Y AT" (the position of its button) or a timeout.
int WaitRows(int rows, unsigned timeoutMs) {
  const Deadline deadline(timeoutMs);
  const Target target = FindTarget();
  const HWND list = FindControl(target, L"list");
  int count = -1;
  while (list != nullptr) {
    LRESULT answer = 0;
    if (SendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0, answer, timeoutMs)) count = static_cast<int>(answer);
    if (const HWND box = VisibleBox(target)) {
      const HWND button = MessageBoxButton(box);
      if (button != nullptr) {
        const POINT point = ScreenCentre(button);
        PrintLine("box " + std::to_string(point.x) + " " + std::to_string(point.y) + " rows " +
                  std::to_string(count) + " at " + std::to_string(EpochMicroseconds()));
        return kDone;
      }
    }
    if (count == rows) {
      PrintLine("rows " + std::to_string(count) + " at " + std::to_string(EpochMicroseconds()));
      return kDone;
    }
    if (deadline.Passed()) break;
    Sleep(PollMs());
  }
  PrintLine("timeout rows " + std::to_string(count));
  return kNotFound;
}

int WaitBox(unsigned timeoutMs) {
  const Deadline deadline(timeoutMs);
  for (;;) {
    const Target target = FindTarget();
    std::vector<HWND> boxes = MessageBoxes(target.processId, true);
    // Without a main window (start-up failure), any box of this Wine server.
    if (target.window == nullptr) boxes = MessageBoxes(0, true);
    if (!boxes.empty() && MessageBoxButton(boxes.front()) != nullptr) {
      PrintFact("box.count", static_cast<long long>(boxes.size()));
      DescribeMessageBox(boxes.front(), target);
      return kDone;
    }
    if (deadline.Passed()) break;
    Sleep(1);
  }
  PrintLine("timeout no message box");
  return kNotFound;
}

int WaitNoBox(unsigned timeoutMs) {
  const Deadline deadline(timeoutMs);
  const Target target = FindTarget();
  while (!MessageBoxes(target.processId, false).empty()) {
    if (deadline.Passed()) {
      PrintLine("timeout message box still open");
      return kNotFound;
    }
    Sleep(1);
  }
  PrintLine("no box at " + std::to_string(EpochMicroseconds()));
  return kDone;
}

// Waits until the open message box's button shows pressed: the mouse press
// a harness sent after other input has been handled, and so has all the
// input before it (the window's thread takes its input in order).
int WaitPushed(unsigned timeoutMs) {
  const Deadline deadline(timeoutMs);
  const Target target = FindTarget();
  for (;;) {
    for (HWND box : MessageBoxes(target.processId, true)) {
      LRESULT state = 0;
      const HWND button = MessageBoxButton(box);
      if (button != nullptr && SendWithTimeout(button, BM_GETSTATE, 0, 0, state) && (state & BST_PUSHED) != 0) {
        PrintLine("pushed");
        return kDone;
      }
    }
    if (deadline.Passed()) break;
    Sleep(1);
  }
  PrintLine("timeout button not pushed");
  return kNotFound;
}

// The list's scroll state: is the last row wholly inside the client area?
int ListState() {
  const Target target = FindTarget();
  const HWND list = FindControl(target, L"list");
  const RemoteListView remote(list);
  const auto count = remote ? remote.ItemCount() : std::nullopt;
  if (!count) {
    PrintLine("error list unreadable");
    return kNotFound;
  }
  LRESULT top = 0;
  LRESULT perPage = 0;
  LRESULT selected = -1;
  SendWithTimeout(list, LVM_GETTOPINDEX, 0, 0, top);
  SendWithTimeout(list, LVM_GETCOUNTPERPAGE, 0, 0, perPage);
  SendWithTimeout(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED, selected);
  PrintFact("rows", static_cast<long long>(*count));
  PrintFact("top", static_cast<long long>(top));
  PrintFact("perpage", static_cast<long long>(perPage));
  PrintFact("selected", static_cast<long long>(selected));
  if (*count > 0) {
    RECT client{};
    GetClientRect(list, &client);
    LRESULT header = 0;
    SendWithTimeout(list, LVM_GETHEADER, 0, 0, header);
    RECT headerRect{};
    if (header != 0) GetWindowRect(reinterpret_cast<HWND>(header), &headerRect);
    const int headerHeight = headerRect.bottom - headerRect.top;
    if (const auto last = remote.ItemRect(*count - 1, LVIR_BOUNDS)) {
      PrintFact("last.rect", RectText(*last));
      PrintFact("last.visible", last->top >= headerHeight && last->bottom <= client.bottom);
    }
  }
  return kDone;
}

int State() {
  const Target target = FindTarget();
  PrintFact("exists", target.window != nullptr);
  if (target.window == nullptr) return kDone;
  LRESULT count = -1;
  if (const HWND list = FindControl(target, L"list")) SendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0, count);
  RECT outer{};
  GetWindowRect(target.window, &outer);
  PrintFact("rows", static_cast<long long>(count));
  PrintFact("boxes", static_cast<long long>(MessageBoxes(target.processId, true).size()));
  PrintFact("enabled", IsWindowEnabled(target.window) != 0);
  PrintFact("iconic", IsIconic(target.window) != 0);
  PrintFact("zoomed", IsZoomed(target.window) != 0);
  PrintFact("rect", RectText(outer));
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (GetGUIThreadInfo(target.threadId, &info)) {
    PrintFact("focus", info.hwndFocus != nullptr ? ControlName(target, info.hwndFocus) : std::string("none"));
    PrintFact("active", info.hwndActive != nullptr ? ControlName(target, info.hwndActive) : std::string("none"));
  }
  return kDone;
}

// Posts a system command to the main window, as a taskbar or another program
// would: "close" (SC_CLOSE) or "restore" (SC_RESTORE).
int SystemCommand(const std::wstring& which) {
  const Target target = FindTarget();
  WPARAM command = 0;
  if (which == L"close") command = SC_CLOSE;
  if (which == L"restore") command = SC_RESTORE;
  if (command == 0) return kBadArguments;
  if (target.window == nullptr || !PostMessageW(target.window, WM_SYSCOMMAND, command, 0)) {
    PrintLine("error no window");
    return kNotFound;
  }
  PrintLine("posted");
  return kDone;
}

int Usage() {
  PrintLine(
      "usage: zorvane_e2e_driver COMMAND [ARGS]\n"
      "  wait-window MS | wait-gone MS | describe | rows [FROM] | list-state | state\n"
      "  wait-rows N MS | wait-box MS | wait-no-box MS | wait-pushed MS\n"
      "  screen-pos NAME | hittest NAME\n"
      "  syscommand close|restore | fonts TEXT... | now\n"
      "  watch PROGRAM RVA_HEX LABEL MS | serve");
  return kBadArguments;
}

}  // namespace

int RunCommand(const Arguments& arguments) {
  if (arguments.empty()) return Usage();
  const std::wstring& command = arguments[0];
  const std::size_t count = arguments.size();
  auto number = [&](std::size_t index) { return index < count ? Number(arguments[index]) : std::nullopt; };

  if (command == L"wait-window" && count == 2 && number(1)) return WaitWindow(static_cast<unsigned>(*number(1)));
  if (command == L"wait-gone" && count == 2 && number(1)) return WaitGone(static_cast<unsigned>(*number(1)));
  if (command == L"wait-box" && count == 2 && number(1)) return WaitBox(static_cast<unsigned>(*number(1)));
  if (command == L"wait-no-box" && count == 2 && number(1)) return WaitNoBox(static_cast<unsigned>(*number(1)));
  if (command == L"wait-pushed" && count == 2 && number(1)) return WaitPushed(static_cast<unsigned>(*number(1)));
  if (command == L"wait-rows" && count == 3 && number(1) && number(2)) {
    return WaitRows(static_cast<int>(*number(1)), static_cast<unsigned>(*number(2)));
  }
  if (command == L"describe" && count == 1) {
    const Target target = FindTarget();
    if (target.window == nullptr) {
      PrintLine("error no window");
      return kNotFound;
    }
    DescribeWindow(target);
    return kDone;
  }
  if (command == L"rows" && count == 1) return PrintRows(0);
  if (command == L"rows" && count == 2 && number(1)) return PrintRows(static_cast<int>(*number(1)));
  if (command == L"list-state" && count == 1) return ListState();
  if (command == L"state" && count == 1) return State();
  if ((command == L"screen-pos" || command == L"hittest") && count == 2) {
    const Target target = FindTarget();
    const auto point = ScreenPosition(target, arguments[1]);
    if (!point) {
      PrintLine("error no such place: " + Utf8(arguments[1]));
      return kNotFound;
    }
    if (command == L"hittest") {
      PrintLine(HitTestName(target, *point));
    } else {
      PrintPoint("", *point);
    }
    return kDone;
  }
  if (command == L"syscommand" && count == 2) return SystemCommand(arguments[1]);
  if (command == L"fonts") {
    DescribeFonts(Arguments(arguments.begin() + 1, arguments.end()));
    return kDone;
  }
  if (command == L"now" && count == 1) {
    PrintLine(std::to_string(EpochMicroseconds()));
    return kDone;
  }
  if (command == L"watch" && count == 5 && Number(arguments[2], 16) && number(4)) {
    return WatchProgram(arguments[1], *Number(arguments[2], 16), Utf8(arguments[3]),
                        static_cast<unsigned>(*number(4)))
               ? kDone
               : kNotFound;
  }
  if (command == L"serve" && count == 1) return Serve();
  return Usage();
}

int Serve() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Arguments arguments;
    std::istringstream words(line);
    for (std::string word; words >> word;) arguments.push_back(Wide(word));
    if (arguments.empty()) continue;
    const int status = arguments[0] == L"serve" ? kBadArguments : RunCommand(arguments);
    PrintLine(status == kDone ? "." : "! " + std::to_string(status));
    Flush();
  }
  return kDone;
}
