// A long run of draw commands on a host list that keeps every row, as the
// window's list does.
//
//   zorvane_soak script COMMANDS FILE   writes a script of about COMMANDS
//                                       commands, one action word a line
//   zorvane_soak run FILE               runs it through the commands
//
// `run` prints the trace in the replay format on standard output, so that it
// can be compared with `zorvane-sim replay` of the same words, and checks that
// the heap returns to the same size after every reset: memory grows only with
// the rows the list holds.
#include <malloc.h>
#include <new>
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "action_script.h"
#include "lottery/lottery_state.h"
#include "output_buffer.h"
#include "replay.h"
#include "runtime/list_services_host.h"
#include "runtime/text_encoding.h"
#include "runtime/value_services.h"

// Every allocation through operator new is counted here, whatever allocator
// sits below (LeakSanitizer's own one hides malloc's statistics).
namespace {
std::size_t heapInUse = 0;
}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  heapInUse += malloc_usable_size(block);
  return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  heapInUse -= malloc_usable_size(block);
  std::free(block);
}
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }

namespace {

// A script of about `commands` commands: runs of single draws and batches,
// with a reset after every few hundred commands. Its own generator, so that
// the program's random sequence is left alone.
std::vector<Action> MakeScript(int64_t commands) {
  uint64_t seed = 0x9E3779B97F4A7C15ull;
  auto next = [&seed](uint32_t bound) {
    seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int32_t>((seed >> 33) % bound);
  };
  std::vector<Action> script;
  int64_t sinceReset = 0;
  int64_t resetAfter = 1 + next(900);
  for (int64_t made = 0; made < commands;) {
    if (sinceReset >= resetAfter) {
      script.push_back({ActionKind::kReset, 1});
      ++made;
      sinceReset = 0;
      resetAfter = 1 + next(900);
      continue;
    }
    const ActionKind kind = next(2) == 0 ? ActionKind::kSingleDraw : ActionKind::kFiveDraws;
    const int32_t repeat = static_cast<int32_t>(std::min<int64_t>(1 + next(120), commands - made));
    script.push_back({kind, repeat});
    made += repeat;
    sinceReset += repeat;
  }
  return script;
}

std::string Word(const Action& action) {
  std::string word(1, static_cast<char>(action.kind));
  if (action.repeat != 1) word += "x" + std::to_string(action.repeat);
  return word;
}

class SoakObserver final : public HostListObserver {
 public:
  explicit SoakObserver(std::FILE* out) : out_(out) {}

  void OnRowMadeVisible(const ListControl& list, int32_t row) override {
    if (row != RowCount(list) - 1) return;
    out_ << "row\t" << std::to_string(row);
    for (int32_t column = 0; column < 4; ++column) out_ << '\t' << GbkToUtf8(CellText(list, row, column));
    out_ << '\n';
  }
  void OnMessageBox(const Text& text) override { out_ << "message\t" << GbkToUtf8(text) << '\n'; }
  void OnAllRowsDeleted(const ListControl&) override {
    out_ << "reset\n";
    const std::size_t inUse = heapInUse;
    if (resets_++ == 0) baseline_ = inUse;
    if (inUse > baseline_ + kSlack) ++growths_;
    if (inUse > worst_) worst_ = inUse;
  }

  std::size_t baseline() const { return baseline_; }
  std::size_t worst() const { return worst_; }
  int growths() const { return growths_; }

 private:
  // Allowance for the allocator's own bookkeeping between resets.
  static constexpr std::size_t kSlack = 64 * 1024;
  OutputBuffer out_;
  std::size_t baseline_ = 0;
  std::size_t worst_ = 0;
  int growths_ = 0;
  int resets_ = 0;
};

int Usage() {
  std::fprintf(stderr, "usage: zorvane_soak script COMMANDS FILE | zorvane_soak run FILE\n");
  return 2;
}

int WriteScript(const char* count, const char* path) {
  char* end = nullptr;
  const long long commands = std::strtoll(count, &end, 10);
  if (*end != '\0' || commands < 1) {
    std::fprintf(stderr, "zorvane_soak: not a command count: '%s'\n", count);
    return 2;
  }
  std::ofstream file(path);
  for (const Action& action : MakeScript(commands)) file << Word(action) << '\n';
  file.close();
  if (!file) {
    std::fprintf(stderr, "zorvane_soak: cannot write '%s'\n", path);
    return 2;
  }
  return 0;
}

int RunScript(const char* path) {
  std::ifstream file(path);
  if (!file) {
    std::fprintf(stderr, "zorvane_soak: cannot read '%s'\n", path);
    return 2;
  }
  std::vector<Action> script;
  int64_t commands = 0;
  for (std::string word; std::getline(file, word);) {
    const auto action = ParseAction(word);
    if (!action) {
      std::fprintf(stderr, "zorvane_soak: not an action: '%s'\n", word.c_str());
      return 2;
    }
    script.push_back(*action);
    commands += action->repeat;
  }

  const auto started = std::chrono::steady_clock::now();
  ResetToProgramStart();
  ListControl list;  // keeps every row, like the window's list
  SoakObserver observer(stdout);
  超级列表框1 = &list;
  SetHostListObserver(&observer);
  for (const Action& action : script) RunAction(action);
  SetHostListObserver(nullptr);
  超级列表框1 = nullptr;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(stderr,
               "soak: %lld commands in %zu words, %.1f s, peak RSS %ld KiB, heap in use after resets %zu..%zu "
               "bytes, %d resets above the first\n",
               static_cast<long long>(commands), script.size(), seconds, usage.ru_maxrss, observer.baseline(),
               observer.worst(), observer.growths());
  return observer.growths() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "script" && argc == 4) return WriteScript(argv[2], argv[3]);
  if (mode == "run" && argc == 3) return RunScript(argv[2]);
  return Usage();
}
