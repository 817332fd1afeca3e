#include "window/floating_point.h"

#include <float.h>

void ResetFloatingPoint() {
  // MinGW's _fpreset is FNINIT (x87: nearest, masked, 64-bit mantissa);
  // MSVC's resets the x87 unit and SSE to the CRT's defaults. The control
  // word call then sets both units explicitly.
  _fpreset();
#if defined(_MSC_VER) && !defined(_M_IX86)
  // MSVC's x64 CRT rejects a precision request (its code never uses the x87
  // unit there), so only rounding and exception masks are set.
  _controlfp(_RC_NEAR | _MCW_EM, _MCW_RC | _MCW_EM);
#else
  _controlfp(_RC_NEAR | _PC_64 | _MCW_EM, _MCW_RC | _MCW_PC | _MCW_EM);
#endif
}
