#pragma once
// Whether the default GUI font of this prefix has glyphs for the program's
// texts: its face name, and the glyphs each text lacks.
#include <string>
#include <vector>

void DescribeFonts(const std::vector<std::wstring>& texts);
