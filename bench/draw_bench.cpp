// Draws per second of the plain DrawPrize, and a whole `replay 1x10000` run
// with its output written to the null device.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "lottery/prize_draw.h"
#include "file_handle.h"
#include "replay.h"
#include "runtime/value_services.h"

namespace {

void BM_DrawPrize(benchmark::State& state) {
  const auto drawCount = static_cast<int32_t>(state.range(0));
  SetRandomState(1);
  for (auto _ : state) benchmark::DoNotOptimize(DrawPrize(drawCount));
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("draws");
}
BENCHMARK(BM_DrawPrize)->Arg(1)->Arg(400)->Unit(benchmark::kMicrosecond);

#ifdef _WIN32
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

void BM_Replay(benchmark::State& state) {
  const std::vector<Action> script{{ActionKind::kSingleDraw, static_cast<int32_t>(state.range(0))}};
  FileHandle sink(std::fopen(kNullDevice, "wb"));
  if (!sink) {
    state.SkipWithError("cannot open the null device");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(RunReplay(script, sink.get()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Replay)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
