#pragma once
// The facts a harness checks about the program's windows, printed as
// "name<TAB>value" lines: one fact a line, so a test can look each one up.
#include "target.h"

// The main window, its controls, the list's columns, header and colours,
// the focus and the common controls the process loaded.
void DescribeWindow(const Target& target);

// The program's name for a window of the target: "window", "list",
// "button[TEXT]", "box", or its class.
std::string ControlName(const Target& target, HWND window);
