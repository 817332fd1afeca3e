#pragma once
// Owning wrappers for the handles the driver opens: a kernel handle, and a
// block of memory allocated inside the program under test.
#include <windows.h>

#include <cstddef>
#include <utility>

// A kernel handle, closed with CloseHandle.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void Reset() {
    if (handle_ != nullptr) CloseHandle(handle_);
    handle_ = nullptr;
  }
  HANDLE handle_ = nullptr;
};

// Memory committed in another process with VirtualAllocEx and released there
// with VirtualFreeEx. The process handle is borrowed and must outlive it.
class RemoteMemory {
 public:
  RemoteMemory() = default;
  RemoteMemory(HANDLE process, std::size_t size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
        size_(address_ != nullptr ? size : 0) {}
  ~RemoteMemory() { Reset(); }
  RemoteMemory(RemoteMemory&& other) noexcept
      : process_(std::exchange(other.process_, nullptr)),
        address_(std::exchange(other.address_, nullptr)),
        size_(std::exchange(other.size_, 0)) {}
  RemoteMemory& operator=(RemoteMemory&& other) noexcept {
    if (this != &other) {
      Reset();
      process_ = std::exchange(other.process_, nullptr);
      address_ = std::exchange(other.address_, nullptr);
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  explicit operator bool() const { return address_ != nullptr; }
  // The address of byte `offset` of the block, as the other process sees it.
  LPARAM At(std::size_t offset) const { return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset); }

  bool Write(std::size_t offset, const void* data, std::size_t size) const {
    SIZE_T written = 0;
    return offset + size <= size_ &&
           WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &written) &&
           written == size;
  }
  bool Read(std::size_t offset, void* data, std::size_t size) const {
    SIZE_T read = 0;
    return offset + size <= size_ &&
           ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &read) && read == size;
  }

 private:
  void Reset() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    address_ = nullptr;
    size_ = 0;
  }
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_ = 0;
};
