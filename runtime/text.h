#pragma once
// The program's text: a byte string in the ANSI code page (GBK for every
// Chinese text). Lengths and positions count bytes. An absent text is the
// empty text. A text ends at its first NUL byte wherever it is searched.
#include <string>

using Text = std::string;
