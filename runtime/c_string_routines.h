#pragma once
// The two C library string routines that the text search is built on. On
// Windows they are taken by name from ntdll.dll the first time they are
// called; elsewhere they come from the C library, with a lower-casing of
// ASCII letters of our own (the C library has no _strlwr).

// The first occurrence of the NUL-terminated `sought` inside the
// NUL-terminated `haystack`, or nullptr.
const char* SystemStrStr(const char* haystack, const char* sought);

// Lower-cases the letters of the writable NUL-terminated `text` in place and
// returns it.
char* SystemStrLwr(char* text);
