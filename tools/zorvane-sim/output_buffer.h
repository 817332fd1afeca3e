#pragma once
// A large output buffer in front of a FILE*, so that long traces are not
// slowed down by many small writes. Flushes when full and when destroyed.
#include <cstdio>
#include <string>
#include <string_view>

class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* out) : out_(out) { buffer_.reserve(kCapacity); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;
  ~OutputBuffer() { Flush(); }

  OutputBuffer& operator<<(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= kCapacity) Flush();
    return *this;
  }
  OutputBuffer& operator<<(char c) {
    buffer_ += c;
    if (buffer_.size() >= kCapacity) Flush();
    return *this;
  }
  void Flush() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
    std::fflush(out_);
  }
  // False once a write to the stream has failed.
  bool ok() const { return std::ferror(out_) == 0; }

 private:
  static constexpr std::size_t kCapacity = 1 << 16;
  std::FILE* out_;
  std::string buffer_;
};
