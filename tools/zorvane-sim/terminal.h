#pragma once
#include <cstdio>

// True if the stream is an interactive terminal (not a file or a pipe).
bool IsTerminal(std::FILE* stream);
