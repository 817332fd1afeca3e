#include "window/program.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "lottery/lottery_state.h"
#include "lottery/program_texts.h"
#include "runtime/text_encoding_win32.h"
#include "window/floating_point.h"
#include "window/main_window.h"
#include "window/message_loop.h"

namespace {

void PrepareRuntimeServices() {
  // The list view class of the common controls (version 6, by the manifest).
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);
  classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&classes);
}

[[noreturn]] void FailToStart() {
  const std::wstring text = GbkToWide(texts::kWindowCreationFailed);
  const std::wstring caption = GbkToWide(texts::kWindowTitle);
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
  // _Exit, not exit: the end-of-program routines must not run.
  std::_Exit(-1);
}

}  // namespace

void OnWindowCreated() { drawCount = 0; }

void ReleaseLastPrize() { Text().swap(lastPrize); }

int ProgramStart() {
  PrepareRuntimeServices();
  ResetFloatingPoint();
  // The program's global initialisation has nothing to do: the lottery state
  // starts with its start values.
  std::atexit(ReleaseLastPrize);
  const HWND mainWindow = BuildMainWindow(GetModuleHandleW(nullptr));
  if (mainWindow == nullptr) FailToStart();
  RunMessageLoop(mainWindow);
  return 0;
}
