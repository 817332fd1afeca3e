#pragma once
// Runs a program as its debugger, with one breakpoint on a routine of it, to
// see from outside whether that routine runs, and the exit code the process
// ends with (as Windows gives it, before a shell narrows it to 8 bits).
#include <string>

// `routineRva`: the routine's address relative to the image base. Prints
// "started", "hit LABEL" when the routine is entered, "exit-code HEX SIGNED".
// Returns false if the program could not be started or did not end in time.
bool WatchProgram(const std::wstring& program, unsigned long long routineRva, const std::string& label,
                  unsigned timeoutMs);
