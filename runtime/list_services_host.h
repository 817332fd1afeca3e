#pragma once
// The host implementation of the list and message services: rows in memory,
// every scroll and message box handed to an observer. Used by the tests and
// by the headless tool.
#include <cstdint>
#include <deque>
#include <vector>

#include "runtime/list_services.h"

struct HostListObserver {
  HostListObserver() = default;
  HostListObserver(const HostListObserver&) = delete;
  HostListObserver& operator=(const HostListObserver&) = delete;
  virtual ~HostListObserver() = default;
  virtual void OnRowMadeVisible(const ListControl& /*list*/, int32_t /*row*/) {}
  virtual void OnRepaint(const ListControl& /*list*/) {}
  virtual void OnAllRowsDeleted(const ListControl& /*list*/) {}
  virtual void OnMessageBox(const Text& /*text*/) {}
};

struct ListControl {
  // The stored rows, the newest last; the first one has index firstStoredRow.
  std::deque<std::vector<Text>> rows;
  int32_t firstStoredRow = 0;
  // Rows refused from this count on; a negative value never refuses.
  int32_t rowLimit = -1;
  // How many of the newest rows keep their cells; older rows still count but
  // read as empty. Long headless runs keep memory flat with a small value;
  // a negative value keeps every row.
  int32_t retainedRows = -1;
};

// The number of rows, kept or not.
int32_t RowCount(const ListControl& list);

// The cell's text, or the empty text for a cell never written or of a
// row no longer kept.
const Text& CellText(const ListControl& list, int32_t row, int32_t column);

// The observer that sees every scroll, repaint, deletion and message box of
// every host list; nullptr for none. Message boxes return at once.
void SetHostListObserver(HostListObserver* observer);
