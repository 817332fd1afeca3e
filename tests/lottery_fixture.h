#pragma once
// A host list in place of the window's list, and a log of what the user
// would see: each row as it is scrolled into view, each message box with the
// newest row's cells at the moment it shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lottery/lottery_state.h"
#include "runtime/list_services_host.h"
#include "runtime/value_services.h"

struct SeenRow {
  int32_t index;
  std::vector<Text> cells;
  bool operator==(const SeenRow&) const = default;
};

struct SeenMessage {
  Text text;
  SeenRow newestRow;  // what the list's last row held while the box was open
};

class LotteryFixture : public ::testing::Test, public HostListObserver {
 protected:
  void SetUp() override {
    drawCount = 0;
    pointsSpent = 0;
    gloryValue = 0;
    lastPrize.clear();
    SetRandomState(1);
    超级列表框1 = &list;
    SetHostListObserver(this);
  }
  void TearDown() override {
    SetHostListObserver(nullptr);
    超级列表框1 = nullptr;
  }

  SeenRow Row(int32_t index) const {
    SeenRow row{index, {}};
    for (int32_t column = 0; column < 4; ++column) row.cells.push_back(CellText(list, index, column));
    return row;
  }

  void OnRowMadeVisible(const ListControl&, int32_t row) override {
    shownRows.push_back(Row(row));
    events.push_back("row " + std::to_string(row));
  }
  void OnMessageBox(const Text& text) override {
    messages.push_back({text, Row(RowCount(list) - 1)});
    events.push_back("message");
  }
  void OnAllRowsDeleted(const ListControl&) override { events.push_back("reset"); }

  ListControl list;
  std::vector<SeenRow> shownRows;
  std::vector<SeenMessage> messages;
  std::vector<std::string> events;
};
