#pragma once
#include <cstdio>
#include <vector>

#include "action_script.h"

// Puts the lottery back into the state it has when the program starts: the
// counters at 0, no last prize, the generator at its first step.
void ResetToProgramStart();

// Runs the actions from the program's start state on an in-memory list and
// writes the trace to `out`: "row" lines at every scroll to the last row,
// "message" lines when a message box shows, "reset" lines when a reset
// empties the list; UTF-8, tab-separated. Returns false if writing failed.
bool RunReplay(const std::vector<Action>& actions, std::FILE* out);
