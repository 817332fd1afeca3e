#include <unistd.h>

#include "terminal.h"

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }
void UseBinaryMode(std::FILE*) {}  // POSIX streams never translate line ends
