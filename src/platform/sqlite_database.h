#pragma once
// A SQLite database file and its prepared statements, with SQLite's errors
// turned into Status values that name the file.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zel {

class SqliteStatement;

class SqliteDatabase {
 public:
  SqliteDatabase() = default;
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  // Opens (creating when `create`) the file; read-only otherwise.
  Status open(const std::string& path, bool create);
  void close();
  bool isOpen() const { return db_ != nullptr; }
  // Runs one or more statements that return no rows.
  Status exec(std::string_view sql);
  // A prepared statement; on failure its ok() is false and `error` says why.
  SqliteStatement prepare(std::string_view sql, Status* error);
  std::string lastError() const;
  const std::string& path() const { return path_; }

 private:
  friend class SqliteStatement;
  sqlite3* db_ = nullptr;
  std::string path_;
};

// One prepared statement. Parameters are numbered from 1, columns from 0.
class SqliteStatement {
 public:
  SqliteStatement() = default;
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement& operator=(SqliteStatement&& other) noexcept;
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  bool ok() const { return stmt_ != nullptr; }
  SqliteStatement& bind(int index, int64_t value);
  SqliteStatement& bind(int index, int value) { return bind(index, static_cast<int64_t>(value)); }
  SqliteStatement& bind(int index, bool value) { return bind(index, static_cast<int64_t>(value)); }
  SqliteStatement& bind(int index, double value);
  // The text is copied, so it need not outlive the call.
  SqliteStatement& bind(int index, std::string_view text);
  SqliteStatement& bind(int index, const char* text) { return bind(index, std::string_view(text)); }
  SqliteStatement& bind(int index, const std::string& text) {
    return bind(index, std::string_view(text));
  }
  // The text is not copied: it must stay as it is until the statement is run or reset.
  SqliteStatement& bindUnowned(int index, std::string_view text);
  SqliteStatement& bindNull(int index);
  // Bytes kept as they are (a BLOB).
  SqliteStatement& bindBlob(int index, std::string_view bytes);
  template <class T>
  SqliteStatement& bind(int index, const std::optional<T>& value) {
    return value ? bind(index, *value) : bindNull(index);
  }

  // Runs an insert or update to its end and resets the statement for the next row.
  Status run();
  // Steps a query: true while there is a row to read; false at the end or on an
  // error (then `error`, when given, is set).
  bool step(Status* error = nullptr);
  void reset();

  int columnCount() const;
  std::string columnName(int column) const;
  bool isNull(int column) const;
  int64_t columnInt(int column) const;
  double columnDouble(int column) const;
  std::string columnText(int column) const;
  std::string columnBlob(int column) const;

 private:
  friend class SqliteDatabase;
  SqliteStatement(SqliteDatabase* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  SqliteDatabase* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace zel
