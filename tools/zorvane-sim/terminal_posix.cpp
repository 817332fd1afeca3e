#include <unistd.h>

#include "terminal.h"

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }
