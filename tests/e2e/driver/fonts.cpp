#include "fonts.h"

#include <windows.h>

#include "output.h"

namespace {

class MemoryDc {
 public:
  MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

void DescribeFonts(const std::vector<std::wstring>& texts) {
  const MemoryDc dc;
  // A stock object: selected, never deleted.
  const HGDIOBJ previous = SelectObject(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc.get(), LF_FACESIZE, face);
  PrintFact("font.face", std::wstring_view(face));
  PrintFact("codepage.ansi", static_cast<long long>(GetACP()));
  for (const std::wstring& text : texts) {
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc.get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    long long missing = 0;
    for (WORD glyph : glyphs) missing += glyph == 0xFFFF ? 1 : 0;
    PrintFact("font.missing[" + Utf8(text) + "]", missing);
  }
  SelectObject(dc.get(), previous);
}
