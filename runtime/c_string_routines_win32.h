#pragma once
// Windows only: where the C string routines of c_string_routines.h come from.

// True when SystemStrStr and SystemStrLwr call the exports "strstr" and
// "_strlwr" of ntdll.dll (false only if ntdll.dll lacked them and the
// program's own stand-ins are in use).
bool SystemStringRoutinesComeFromNtdll();
