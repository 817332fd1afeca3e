#include "replay.h"

#include "lottery/lottery_state.h"
#include "output_buffer.h"
#include "runtime/list_services_host.h"
#include "runtime/text_encoding.h"
#include "runtime/value_services.h"

namespace {

constexpr int32_t kColumnCount = 4;

class TracePrinter final : public HostListObserver {
 public:
  explicit TracePrinter(std::FILE* out) : out_(out) {}

  void OnRowMadeVisible(const ListControl& list, int32_t row) override {
    if (row != RowCount(list) - 1) return;
    out_ << "row\t" << ToText(row);
    for (int32_t column = 0; column < kColumnCount; ++column) out_ << '\t' << GbkToUtf8(CellText(list, row, column));
    out_ << '\n';
  }
  void OnAllRowsDeleted(const ListControl&) override { out_ << "reset\n"; }
  void OnMessageBox(const Text& text) override { out_ << "message\t" << GbkToUtf8(text) << '\n'; }

  bool Finish() { return out_.Finish(); }

 private:
  OutputBuffer out_;
};

// Installs a host list and an observer for one run, and removes them after.
class HostListScope {
 public:
  explicit HostListScope(HostListObserver& observer) {
    // The trace reads only the newest row, so older rows need not be kept.
    list_.retainedRows = 1;
    超级列表框1 = &list_;
    SetHostListObserver(&observer);
  }
  HostListScope(const HostListScope&) = delete;
  HostListScope& operator=(const HostListScope&) = delete;
  ~HostListScope() {
    SetHostListObserver(nullptr);
    超级列表框1 = nullptr;
  }

 private:
  ListControl list_;
};

}  // namespace

void ResetToProgramStart() {
  drawCount = 0;
  pointsSpent = 0;
  gloryValue = 0;
  lastPrize.clear();
  SetRandomState(1);
}

bool RunReplay(const std::vector<Action>& actions, std::FILE* out) {
  ResetToProgramStart();
  TracePrinter printer(out);
  {
    HostListScope scope(printer);
    for (const Action& action : actions) RunAction(action);
  }
  return printer.Finish();
}
