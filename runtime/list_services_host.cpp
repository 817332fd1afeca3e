#include "runtime/list_services_host.h"

namespace {

HostListObserver* observer = nullptr;

bool HasRow(const ListControl& list, int32_t row) { return row >= 0 && row < RowCount(list); }

// The stored cells of a row, or nullptr for a row that is gone or was dropped.
const std::vector<Text>* StoredCells(const ListControl& list, int32_t row) {
  if (!HasRow(list, row) || row < list.firstStoredRow) return nullptr;
  return &list.rows[static_cast<std::size_t>(row - list.firstStoredRow)];
}

const Text kEmpty;

}  // namespace

int32_t RowCount(const ListControl& list) { return list.firstStoredRow + static_cast<int32_t>(list.rows.size()); }

void SetHostListObserver(HostListObserver* newObserver) { observer = newObserver; }

const Text& CellText(const ListControl& list, int32_t row, int32_t column) {
  const auto* cells = StoredCells(list, row);
  if (cells == nullptr || column < 0 || static_cast<std::size_t>(column) >= cells->size()) return kEmpty;
  return (*cells)[static_cast<std::size_t>(column)];
}

int32_t InsertRow(ListControl* list) {
  if (list->rowLimit >= 0 && GetRowCount(list) >= list->rowLimit) return -1;
  list->rows.emplace_back();
  if (list->retainedRows >= 0) {
    while (list->rows.size() > static_cast<std::size_t>(list->retainedRows)) {
      list->rows.pop_front();
      ++list->firstStoredRow;
    }
  }
  return GetRowCount(list) - 1;
}

void SetCellText(ListControl* list, int32_t row, int32_t column, const Text& text) {
  // Like the list view, a cell of a row that does not exist is not written.
  if (StoredCells(*list, row) == nullptr || column < 0) return;
  auto& cells = list->rows[static_cast<std::size_t>(row - list->firstStoredRow)];
  if (static_cast<std::size_t>(column) >= cells.size()) cells.resize(static_cast<std::size_t>(column) + 1);
  cells[static_cast<std::size_t>(column)] = text;
}

int32_t GetRowCount(ListControl* list) { return RowCount(*list); }

void EnsureRowVisible(ListControl* list, int32_t row) {
  if (observer != nullptr && HasRow(*list, row)) observer->OnRowMadeVisible(*list, row);
}

void DeleteAllRows(ListControl* list) {
  list->rows.clear();
  list->firstStoredRow = 0;
  if (observer != nullptr) observer->OnAllRowsDeleted(*list);
}

void RepaintNow(ListControl* control) {
  if (observer != nullptr) observer->OnRepaint(*control);
}

void ShowMessageBox(const Text& text) {
  if (observer != nullptr) observer->OnMessageBox(text);
}
