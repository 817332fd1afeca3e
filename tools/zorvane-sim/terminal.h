#pragma once
// What the tool needs to know about, and do to, its standard streams.
#include <cstdio>

// True if the stream is an interactive terminal (not a file or a pipe).
bool IsTerminal(std::FILE* stream);

// Makes the stream write its bytes as they are: the UTF-8 trace ends its
// lines in "\n" on every platform (Windows' C runtime would write "\r\n").
void UseBinaryMode(std::FILE* stream);
