#pragma once
// The facts of the open message box of the target's process: caption, text,
// buttons, icon, owner, and whether the main window is disabled meanwhile.
#include "target.h"

// `processId` 0 looks at every process of this Wine server.
void DescribeMessageBox(HWND box, const Target& target);

// The message box's single button, or nullptr.
HWND MessageBoxButton(HWND box);
