#include "progress_bar.h"

#include <algorithm>
#include <cmath>

#include "terminal.h"

namespace {

constexpr auto kShowAfter = std::chrono::seconds(1);
constexpr auto kRedrawEvery = std::chrono::milliseconds(200);
constexpr int kBarWidth = 30;

}  // namespace

std::string ProgressLine(const std::string& label, double fraction, double seconds) {
  fraction = std::clamp(fraction, 0.0, 1.0);
  const int filled = static_cast<int>(std::floor(fraction * kBarWidth));
  std::string line = label + " [" + std::string(static_cast<std::size_t>(filled), '#') +
                     std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] ";
  char tail[64];
  std::snprintf(tail, sizeof tail, "%3d%%  %.0f s", static_cast<int>(std::floor(fraction * 100)), seconds);
  return line + tail;
}

ProgressBar::ProgressBar(std::FILE* stream, int64_t totalWork, std::string label)
    : stream_(stream),
      total_(totalWork > 0 ? totalWork : 1),
      label_(std::move(label)),
      enabled_(IsTerminal(stream)),
      start_(Clock::now()),
      lastDrawn_(start_) {}

ProgressBar::~ProgressBar() {
  if (!shown_) return;
  // Blank the line so that what follows starts clean.
  std::fprintf(stream_, "\r%*s\r", static_cast<int>(ProgressLine(label_, 1, 0).size() + 8), "");
  std::fflush(stream_);
}

void ProgressBar::Update(int64_t done) {
  if (!enabled_) return;
  const auto now = Clock::now();
  if (now - start_ < kShowAfter || now - lastDrawn_ < kRedrawEvery) return;
  lastDrawn_ = now;
  shown_ = true;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const std::string line = ProgressLine(label_, static_cast<double>(done) / static_cast<double>(total_), seconds);
  std::fprintf(stream_, "\r%s", line.c_str());
  std::fflush(stream_);
}
