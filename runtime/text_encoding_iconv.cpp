#include <iconv.h>

#include <cerrno>
#include <utility>

#include "runtime/text_encoding.h"

namespace {

// One conversion descriptor, opened on first use and closed at exit.
class IconvScope {
 public:
  IconvScope(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  IconvScope(const IconvScope&) = delete;
  IconvScope& operator=(const IconvScope&) = delete;
  ~IconvScope() {
    if (valid()) iconv_close(cd_);
  }
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::string GbkToUtf8(const Text& gbk) {
  // GB18030 is a superset of GBK, so it reads every GBK text.
  static const IconvScope converter("UTF-8", "GB18030");
  std::string utf8;
  if (gbk.empty()) return utf8;
  if (!converter.valid()) {
    for (unsigned char c : gbk) utf8 += c < 0x80 ? std::string(1, static_cast<char>(c)) : std::string(kReplacement);
    return utf8;
  }
  iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
  std::string buffer(gbk.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(gbk.data());  // iconv's signature; the input is not written
  std::size_t inLeft = gbk.size();
  while (inLeft > 0) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
    utf8.append(buffer.data(), out);
    if (result == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // An invalid or truncated sequence: mark it and skip one byte.
      utf8 += kReplacement;
      ++in;
      --inLeft;
    }
  }
  return utf8;
}
