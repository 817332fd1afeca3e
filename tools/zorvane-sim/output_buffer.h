#pragma once
// A large output buffer in front of a FILE*, so that long traces are not
// slowed down by many small writes. Writes out when full and when destroyed.
#include <cstdio>
#include <string>
#include <string_view>

class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* out) : out_(out) { buffer_.reserve(kCapacity); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;
  ~OutputBuffer() { Finish(); }

  OutputBuffer& operator<<(std::string_view text) {
    // Flushing first keeps the buffer at its reserved size.
    if (buffer_.size() + text.size() > kCapacity) Flush();
    if (text.size() > kCapacity) {
      std::fwrite(text.data(), 1, text.size(), out_);
    } else {
      buffer_ += text;
    }
    return *this;
  }
  OutputBuffer& operator<<(char c) { return *this << std::string_view(&c, 1); }
  void Flush() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
  }
  // Writes out what is buffered and the stream's own buffer; false once a
  // write to the stream has failed.
  bool Finish() {
    Flush();
    return std::fflush(out_) == 0 && std::ferror(out_) == 0;
  }

 private:
  static constexpr std::size_t kCapacity = 1 << 16;
  std::FILE* out_;
  std::string buffer_;
};
