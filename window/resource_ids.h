#pragma once
// Resource ids shared by zorvane.rc and the code.

#define IDI_ZORVANE 1
