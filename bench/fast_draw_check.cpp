// A long differential run, too long for CI: N consecutive draws (default
// 10 000 000) from the start of the sequence, N / 1000 at each drawCount from
// 1 to 1000, each one by FastDrawPrize and by DrawPrize, demanding the same
// prize and the same generator state after every draw. DrawPrize runs on all
// cores, each thread on its own slice (the generator state is per thread).
//   build/host/bench/zorvane_fast_draw_check [N]
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <thread>
#include <vector>

#include "lottery/fast_draw.h"
#include "lottery/prize_draw.h"
#include "runtime/value_services.h"

namespace {

struct Record {
  int32_t drawCount;
  uint32_t stateBefore;
  uint32_t stateAfter;
  Prize prize;
};

}  // namespace

int main(int argc, char** argv) {
  int64_t total = 10000000;
  if (argc > 1) {
    const std::string_view word = argv[1];
    const auto result = std::from_chars(word.data(), word.data() + word.size(), total);
    if (result.ec != std::errc{} || result.ptr != word.data() + word.size() || total < 1000) {
      std::fprintf(stderr, "usage: zorvane_fast_draw_check [DRAWS >= 1000]\n");
      return 2;
    }
  }
  const int64_t perDrawCount = total / 1000;
  const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
  const auto start = std::chrono::steady_clock::now();
  std::printf("checking %lld draws (%lld at each drawCount 1 to 1000), scan %s, %u threads\n",
              static_cast<long long>(perDrawCount * 1000), static_cast<long long>(perDrawCount),
              PoolScanName(ActivePoolScan()), threadCount);
  uint32_t state = 1;
  int64_t checked = 0;
  std::vector<Record> chunk;
  for (int32_t drawCount = 1; drawCount <= 1000; ++drawCount) {
    chunk.clear();
    for (int64_t i = 0; i < perDrawCount; ++i) {
      Record r{drawCount, state, 0, Prize::kTopPrize};
      r.prize = FastDrawPrize(drawCount, state);
      r.stateAfter = state;
      chunk.push_back(r);
    }
    std::atomic<int64_t> firstBad{-1};
    std::vector<std::thread> threads;
    const std::size_t slice = (chunk.size() + threadCount - 1) / threadCount;
    for (unsigned t = 0; t < threadCount; ++t) {
      threads.emplace_back([&, t] {
        const std::size_t begin = std::min(chunk.size(), t * slice);
        const std::size_t end = std::min(chunk.size(), begin + slice);
        if (begin == end) return;
        SetRandomState(chunk[begin].stateBefore);
        for (std::size_t i = begin; i < end; ++i) {
          if (DrawPrize(chunk[i].drawCount) != PrizeText(chunk[i].prize) || RandomState() != chunk[i].stateAfter) {
            firstBad = static_cast<int64_t>(i);
            return;
          }
        }
      });
    }
    for (auto& thread : threads) thread.join();
    if (firstBad >= 0) {
      std::printf("MISMATCH at draw %lld (drawCount %d)\n", static_cast<long long>(checked + firstBad), drawCount);
      return 1;
    }
    checked += static_cast<int64_t>(chunk.size());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("all %lld draws equal: prize and generator state after every draw; final state %u; %.0f s\n",
              static_cast<long long>(checked), state, seconds);
  return 0;
}
