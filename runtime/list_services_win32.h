#pragma once
// Windows only: the list and message services act on a real list view. The
// ListControl* the commands pass around is the list view's window handle.
#include <windows.h>

#include "runtime/list_services.h"

inline ListControl* AsListControl(HWND listView) { return reinterpret_cast<ListControl*>(listView); }
inline HWND AsWindow(ListControl* list) { return reinterpret_cast<HWND>(list); }
