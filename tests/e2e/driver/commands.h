#pragma once
// The driver's subcommands. Each prints its answer as lines and returns the
// exit status: 0 done, 1 not found or timed out, 2 bad arguments.
#include <string>
#include <vector>

using Arguments = std::vector<std::wstring>;

int RunCommand(const Arguments& arguments);

// Reads commands from stdin, one a line, and answers each followed by a line
// "." (or "!" and the status when it failed), until end of input.
int Serve();
