#pragma once
// What the window shows: its tabs (by kind of finding), each with the filters
// whose counts it lists and the columns of its table. The page builds its tabs
// from this one list, and the table filters and counts by it.
#include <string>
#include <vector>

#include "platform/defaults.h"  // Json
#include "serve/table_row.h"

namespace zel::cli::serve {

class RowTable;

struct ColumnDef {
  const char* id;
  const char* label;
  bool numeric;  // sorts as a number, largest last
};

struct FilterDef {
  const char* id;  // unique within its tab
  const char* label;
  bool (*test)(const TableRow& row, const RowTable& table);
  // Counted from the table's groups of shared titles and descriptions, not row by row.
  bool grouped = false;
  int issue = -1;  // the Issues tab: rows with this issue type (catalogue order); test unused

  bool matches(const TableRow& row, const RowTable& table) const {
    return issue >= 0 ? row.issues.test(static_cast<size_t>(issue)) : test(row, table);
  }
};

struct TabDef {
  const char* id;
  const char* label;
  std::vector<FilterDef> filters;  // the first is the whole tab
  std::vector<const char*> columns;
};

const std::vector<TabDef>& windowTabs();
const std::vector<ColumnDef>& windowColumns();
const ColumnDef* findColumn(const std::string& id);
// The tab and filter by id; nullptr when either is unknown.
const TabDef* findTab(const std::string& id);
const FilterDef* findFilter(const TabDef& tab, const std::string& id);
// The tabs, filters and columns as the page reads them.
Json layoutJson();

}  // namespace zel::cli::serve
