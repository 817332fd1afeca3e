// The fast draw beside DrawPrize, at the first draw count and at 1 000 000,
// where the pools hold some 23 000 numbers per pass; and a long consecutive
// run of the fast draw over the draw counts 1 to 1000.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "lottery/fast_draw.h"
#include "lottery/prize_draw.h"
#include "runtime/value_services.h"

namespace {

void BM_DrawPrize(benchmark::State& state) {
  const auto drawCount = static_cast<int32_t>(state.range(0));
  SetRandomState(1);
  for (auto _ : state) benchmark::DoNotOptimize(DrawPrize(drawCount));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawPrize)->Arg(1)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void FastDraws(benchmark::State& state, PoolScan scan) {
  const PoolScan saved = ActivePoolScan();
  if (!SetPoolScan(scan)) {
    state.SkipWithError("the processor cannot run this scan");
    return;
  }
  const auto drawCount = static_cast<int32_t>(state.range(0));
  uint32_t random = 1;
  for (auto _ : state) benchmark::DoNotOptimize(FastDrawPrize(drawCount, random));
  state.SetItemsProcessed(state.iterations());
  SetPoolScan(saved);
}

// The scan the program picks on this processor.
void BM_FastDrawPrize(benchmark::State& state) { FastDraws(state, ActivePoolScan()); }
BENCHMARK(BM_FastDrawPrize)->Arg(1)->Arg(1000000)->Unit(benchmark::kNanosecond);

// Each scan, for comparison.
BENCHMARK_CAPTURE(FastDraws, scalar, PoolScan::kScalar)->Arg(1)->Arg(1000000);
BENCHMARK_CAPTURE(FastDraws, sse2, PoolScan::kSse2)->Arg(1)->Arg(1000000);
BENCHMARK_CAPTURE(FastDraws, sse41, PoolScan::kSse41)->Arg(1)->Arg(1000000);
BENCHMARK_CAPTURE(FastDraws, avx2, PoolScan::kAvx2)->Arg(1)->Arg(1000000);
BENCHMARK_CAPTURE(FastDraws, avx512, PoolScan::kAvx512)->Arg(1)->Arg(1000000);

// 10 000 000 consecutive draws from the start of the sequence, 10 000 at each
// draw count from 1 to 1000, as one iteration.
void BM_FastDrawPrizeLongRun(benchmark::State& state) {
  constexpr int32_t kPerDrawCount = 10000;
  int64_t draws = 0;
  uint64_t topPrizes = 0;
  for (auto _ : state) {
    uint32_t random = 1;
    for (int32_t drawCount = 1; drawCount <= 1000; ++drawCount) {
      for (int32_t i = 0; i < kPerDrawCount; ++i) topPrizes += FastDrawPrize(drawCount, random) == Prize::kTopPrize;
    }
    draws += 1000 * kPerDrawCount;
    benchmark::DoNotOptimize(random);
  }
  state.SetItemsProcessed(draws);
  state.counters["top_prizes"] = static_cast<double>(topPrizes);
}
BENCHMARK(BM_FastDrawPrizeLongRun)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
