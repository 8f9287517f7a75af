#include "platform/sqlite_database.h"

#include <sqlite3.h>

namespace zel {

SqliteDatabase::~SqliteDatabase() { close(); }

Status SqliteDatabase::open(const std::string& path, bool create) {
  close();
  path_ = path;
  // No count of SQLite's memory is kept, so its allocations take no global lock
  // (a no-op once SQLite is in use).
  static const int kNoMemoryCount = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
  (void)kNoMemoryCount;
  // One connection used by one thread: no locking needed inside SQLite.
  const int flags = SQLITE_OPEN_NOMUTEX |
                    (create ? (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) : SQLITE_OPEN_READONLY);
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    Status s = Status::Error("cannot open the database " + path + ": " + lastError());
    close();
    return s;
  }
  sqlite3_extended_result_codes(db_, 1);
  return Status::Ok();
}

void SqliteDatabase::close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

std::string SqliteDatabase::lastError() const {
  return db_ ? sqlite3_errmsg(db_) : "out of memory";
}

Status SqliteDatabase::exec(std::string_view sql) {
  if (!db_) return Status::Error("the database " + path_ + " is not open");
  char* message = nullptr;
  const std::string text(sql);
  if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string why = message ? message : lastError();
    sqlite3_free(message);
    return Status::Error(path_ + ": " + why);
  }
  return Status::Ok();
}

SqliteStatement SqliteDatabase::prepare(std::string_view sql, Status* error) {
  sqlite3_stmt* stmt = nullptr;
  if (!db_ || sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()),
                                 SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
    if (error) *error = Status::Error(path_ + ": " + lastError());
    return SqliteStatement();
  }
  return SqliteStatement(this, stmt);
}

SqliteStatement::~SqliteStatement() {
  if (stmt_) sqlite3_finalize(stmt_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_) {
  other.stmt_ = nullptr;
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
  if (this != &other) {
    if (stmt_) sqlite3_finalize(stmt_);
    db_ = other.db_;
    stmt_ = other.stmt_;
    other.stmt_ = nullptr;
  }
  return *this;
}

SqliteStatement& SqliteStatement::bind(int index, int64_t value) {
  if (stmt_) sqlite3_bind_int64(stmt_, index, value);
  return *this;
}

SqliteStatement& SqliteStatement::bind(int index, double value) {
  if (stmt_) sqlite3_bind_double(stmt_, index, value);
  return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view text) {
  if (stmt_)
    sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  return *this;
}

SqliteStatement& SqliteStatement::bindUnowned(int index, std::string_view text) {
  if (stmt_)
    sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
  return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index) {
  if (stmt_) sqlite3_bind_null(stmt_, index);
  return *this;
}

SqliteStatement& SqliteStatement::bindBlob(int index, std::string_view bytes) {
  if (stmt_)
    sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  return *this;
}

Status SqliteStatement::run() {
  if (!stmt_) return Status::Error("statement not prepared");
  const int rc = sqlite3_step(stmt_);
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  if (rc != SQLITE_DONE && rc != SQLITE_ROW)
    return Status::Error(db_->path() + ": " + db_->lastError());
  return Status::Ok();
}

bool SqliteStatement::step(Status* error) {
  if (!stmt_) return false;
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE && error) *error = Status::Error(db_->path() + ": " + db_->lastError());
  return false;
}

void SqliteStatement::reset() {
  if (stmt_) {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }
}

int SqliteStatement::columnCount() const { return stmt_ ? sqlite3_column_count(stmt_) : 0; }

std::string SqliteStatement::columnName(int column) const {
  const char* name = stmt_ ? sqlite3_column_name(stmt_, column) : nullptr;
  return name ? name : "";
}

bool SqliteStatement::isNull(int column) const {
  return !stmt_ || sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int64_t SqliteStatement::columnInt(int column) const {
  return stmt_ ? sqlite3_column_int64(stmt_, column) : 0;
}

double SqliteStatement::columnDouble(int column) const {
  return stmt_ ? sqlite3_column_double(stmt_, column) : 0;
}

std::string SqliteStatement::columnText(int column) const {
  if (!stmt_) return std::string();
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  return text ? std::string(reinterpret_cast<const char*>(text),
                            static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
              : std::string();
}

std::string SqliteStatement::columnBlob(int column) const {
  if (!stmt_) return std::string();
  const void* bytes = sqlite3_column_blob(stmt_, column);
  return bytes ? std::string(static_cast<const char*>(bytes),
                             static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
               : std::string();
}

}  // namespace zel
