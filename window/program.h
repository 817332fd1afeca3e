#pragma once
// The program's start and end.

// Prepares the runtime services, resets floating-point arithmetic, registers
// ReleaseLastPrize to run at the end, builds the main window and runs the
// message loop until the window has closed; returns 0. If the window cannot
// be created it says so and ends the process at once with exit status -1,
// without running the end-of-program routines.
int ProgramStart();

// The main window's created event: runs once, before the window is shown.
void OnWindowCreated();

// An end-of-program routine: releases the storage of the last prize's text.
void ReleaseLastPrize();
