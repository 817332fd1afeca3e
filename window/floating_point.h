#pragma once

// Puts floating-point arithmetic into its initial state: round to nearest,
// every exception masked, x87 intermediate results at 64-bit mantissa
// (extended) precision.
void ResetFloatingPoint();
