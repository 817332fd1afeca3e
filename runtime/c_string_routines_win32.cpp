#include <windows.h>

#include <cstring>

#include "runtime/c_string_routines.h"
#include "runtime/c_string_routines_win32.h"

namespace {

using StrStrRoutine = char*(__cdecl*)(const char*, const char*);
using StrLwrRoutine = char*(__cdecl*)(char*);

// The routine exported by ntdll.dll under `name`, or nullptr. ntdll.dll is
// mapped into every process, so no LoadLibrary (and no FreeLibrary) is needed.
template <typename Routine>
Routine NtdllRoutine(const char* name) {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return nullptr;
  // FARPROC goes through the generic function type, which converts to any
  // other without a cast-function-type warning.
  using AnyRoutine = void (*)();
  return reinterpret_cast<Routine>(reinterpret_cast<AnyRoutine>(GetProcAddress(ntdll, name)));
}

// Stand-ins for the unlikely case that ntdll.dll lacks an export: the search
// must still work rather than call through a null pointer.
char* __cdecl LibraryStrStr(const char* haystack, const char* sought) {
  return const_cast<char*>(std::strstr(haystack, sought));
}

char* __cdecl AsciiStrLwr(char* text) {
  for (char* p = text; *p != '\0'; ++p) {
    if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
  }
  return text;
}

StrStrRoutine ImportStrStr() {
  const StrStrRoutine routine = NtdllRoutine<StrStrRoutine>("strstr");
  return routine != nullptr ? routine : LibraryStrStr;
}

StrLwrRoutine ImportStrLwr() {
  const StrLwrRoutine routine = NtdllRoutine<StrLwrRoutine>("_strlwr");
  return routine != nullptr ? routine : AsciiStrLwr;
}

// The routines in use, looked up on the first call.
StrStrRoutine StrStrInUse() {
  static const StrStrRoutine routine = ImportStrStr();
  return routine;
}

StrLwrRoutine StrLwrInUse() {
  static const StrLwrRoutine routine = ImportStrLwr();
  return routine;
}

}  // namespace

const char* SystemStrStr(const char* haystack, const char* sought) { return StrStrInUse()(haystack, sought); }

char* SystemStrLwr(char* text) { return StrLwrInUse()(text); }

bool SystemStringRoutinesComeFromNtdll() {
  return StrStrInUse() == NtdllRoutine<StrStrRoutine>("strstr") && StrLwrInUse() == NtdllRoutine<StrLwrRoutine>("_strlwr");
}
