#include <gtest/gtest.h>

#include "runtime/list_services_host.h"

namespace {

TEST(HostListTest, RowIndexesFollowTheRowCount) {
  ListControl list;
  EXPECT_EQ(InsertRow(&list), 0);
  EXPECT_EQ(InsertRow(&list), 1);
  EXPECT_EQ(GetRowCount(&list) - 1, 1);
  DeleteAllRows(&list);
  EXPECT_EQ(GetRowCount(&list), 0);
  EXPECT_EQ(InsertRow(&list), 0);
}

TEST(HostListTest, CellsOfMissingRowsAreNotWritten) {
  ListControl list;
  SetCellText(&list, -1, 0, "x");
  SetCellText(&list, 0, 0, "x");
  EXPECT_EQ(GetRowCount(&list), 0);
  InsertRow(&list);
  SetCellText(&list, 0, 3, "d");
  SetCellText(&list, 0, -1, "bad");
  EXPECT_EQ(CellText(list, 0, 3), "d");
  EXPECT_EQ(CellText(list, 0, 0), "");
  EXPECT_EQ(CellText(list, 1, 0), "");
}

TEST(HostListTest, RefusesRowsPastItsLimit) {
  ListControl list;
  list.rowLimit = 1;
  EXPECT_EQ(InsertRow(&list), 0);
  EXPECT_EQ(InsertRow(&list), -1);
  EXPECT_EQ(GetRowCount(&list), 1);
}

TEST(HostListTest, DroppedRowsStillCount) {
  // A list that keeps only its newest rows numbers them as if it kept all.
  ListControl list;
  list.retainedRows = 2;
  for (int i = 0; i < 5; ++i) {
    const int32_t row = InsertRow(&list);
    SetCellText(&list, row, 0, std::to_string(row));
  }
  EXPECT_EQ(GetRowCount(&list), 5);
  EXPECT_EQ(CellText(list, 4, 0), "4");
  EXPECT_EQ(CellText(list, 3, 0), "3");
  EXPECT_EQ(CellText(list, 2, 0), "");
  SetCellText(&list, 1, 0, "rewritten");  // a dropped row is not brought back
  EXPECT_EQ(CellText(list, 1, 0), "");
  DeleteAllRows(&list);
  EXPECT_EQ(InsertRow(&list), 0);
}

}  // namespace
