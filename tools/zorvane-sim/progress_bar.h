#pragma once
// A progress bar on a terminal's standard error for long runs: it appears
// only once the work has taken a second, redraws a few times a second, and
// erases itself when the work is done. On anything but a terminal it writes
// nothing.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

class ProgressBar {
 public:
  ProgressBar(std::FILE* stream, int64_t totalWork, std::string label);
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;
  ~ProgressBar();

  // `done` units of the total are finished. Cheap enough to call often.
  void Update(int64_t done);

 private:
  using Clock = std::chrono::steady_clock;
  std::FILE* stream_;
  int64_t total_;
  std::string label_;
  bool enabled_;
  bool shown_ = false;
  Clock::time_point start_;
  Clock::time_point lastDrawn_;
};

// The bar's line (without the carriage return) for a fraction done.
std::string ProgressLine(const std::string& label, double fraction, double seconds);
