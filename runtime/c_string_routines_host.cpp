#include <cstring>

#include "runtime/c_string_routines.h"

const char* SystemStrStr(const char* haystack, const char* sought) { return std::strstr(haystack, sought); }

char* SystemStrLwr(char* text) {
  // ASCII only: bytes of GBK characters are left as they are.
  for (char* p = text; *p != '\0'; ++p) {
    if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
  }
  return text;
}
