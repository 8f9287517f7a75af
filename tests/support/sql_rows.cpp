#include "support/sql_rows.h"

#include "platform/sqlite_database.h"

namespace zel::test {

Rows query(const std::string& dbPath, const std::string& sql) {
  SqliteDatabase db;
  Rows rows;
  if (!db.open(dbPath, false).ok()) return {{"<cannot open>"}};
  Status error;
  SqliteStatement stmt = db.prepare(sql, &error);
  if (!stmt.ok()) return {{"<" + error.message() + ">"}};
  while (stmt.step(&error)) {
    rows.emplace_back();
    for (int c = 0; c < stmt.columnCount(); ++c)
      rows.back().push_back(stmt.isNull(c) ? "NULL" : stmt.columnText(c));
  }
  if (!error.ok()) rows.push_back({"<" + error.message() + ">"});
  return rows;
}

}  // namespace zel::test
