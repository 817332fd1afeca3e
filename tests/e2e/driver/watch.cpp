#include "watch.h"

#include <windows.h>

#include "handles.h"
#include "output.h"

namespace {

struct Breakpoint {
  HANDLE process = nullptr;  // the debug event's handle, which the system closes
  char* address = nullptr;
  unsigned char original = 0;
  bool armed = false;
};

bool Arm(Breakpoint& breakpoint) {
  constexpr unsigned char kInt3 = 0xCC;
  SIZE_T done = 0;
  if (!ReadProcessMemory(breakpoint.process, breakpoint.address, &breakpoint.original, 1, &done) || done != 1) {
    return false;
  }
  if (!WriteProcessMemory(breakpoint.process, breakpoint.address, &kInt3, 1, &done) || done != 1) return false;
  FlushInstructionCache(breakpoint.process, breakpoint.address, 1);
  breakpoint.armed = true;
  return true;
}

// Puts the original byte back and restarts the thread at the routine's
// first instruction.
void Disarm(Breakpoint& breakpoint, DWORD threadId) {
  SIZE_T done = 0;
  WriteProcessMemory(breakpoint.process, breakpoint.address, &breakpoint.original, 1, &done);
  FlushInstructionCache(breakpoint.process, breakpoint.address, 1);
  breakpoint.armed = false;
  const UniqueHandle thread(OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, threadId));
  CONTEXT context{};
  context.ContextFlags = CONTEXT_CONTROL;
  if (thread && GetThreadContext(thread.get(), &context)) {
    context.Rip = reinterpret_cast<DWORD64>(breakpoint.address);
    SetThreadContext(thread.get(), &context);
  }
}

}  // namespace

bool WatchProgram(const std::wstring& program, unsigned long long routineRva, const std::string& label,
                  unsigned timeoutMs) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                      nullptr, nullptr, &startup, &info)) {
    PrintLine("error cannot start the program: " + std::to_string(GetLastError()));
    return false;
  }
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);
  PrintLine("started " + std::to_string(info.dwProcessId));
  Flush();

  Breakpoint breakpoint;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    DEBUG_EVENT event{};
    if (now >= deadline || !WaitForDebugEvent(&event, static_cast<DWORD>(deadline - now))) {
      PrintLine("timeout");
      TerminateProcess(process.get(), 1);
      return false;
    }
    DWORD continueStatus = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile != nullptr) CloseHandle(event.u.CreateProcessInfo.hFile);
        breakpoint.process = event.u.CreateProcessInfo.hProcess;
        breakpoint.address = static_cast<char*>(event.u.CreateProcessInfo.lpBaseOfImage) + routineRva;
        PrintLine(Arm(breakpoint) ? "armed " + Hex(reinterpret_cast<UINT_PTR>(breakpoint.address))
                                  : std::string("error cannot set the breakpoint"));
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile != nullptr) CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT: {
        const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
        if (record.ExceptionCode == EXCEPTION_BREAKPOINT && breakpoint.armed &&
            record.ExceptionAddress == breakpoint.address) {
          PrintLine("hit " + label);
          Disarm(breakpoint, event.dwThreadId);
        } else if (record.ExceptionCode != EXCEPTION_BREAKPOINT) {
          continueStatus = DBG_EXCEPTION_NOT_HANDLED;  // the program's own exceptions are its business
        }
        break;
      }
      case EXIT_PROCESS_DEBUG_EVENT: {
        const DWORD code = event.u.ExitProcess.dwExitCode;
        PrintLine("exit-code " + Hex(code) + " " + std::to_string(static_cast<int>(code)));
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
        return true;
      }
      default:
        break;
    }
    Flush();
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continueStatus);
  }
}
