#pragma once
// The values of database rows copied into one compact buffer, so that rows made
// on one thread (from the records, which only that thread may read while the
// crawl runs) are written by another. It takes the binds of a prepared
// statement and plays them back into one.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/sqlite_database.h"
#include "platform/status.h"

namespace zel::cli {

class RowValues {
 public:
  RowValues() = default;
  RowValues(RowValues&& other) noexcept { swap(other); }
  RowValues& operator=(RowValues&& other) noexcept {
    swap(other);
    return *this;
  }
  RowValues(const RowValues&) = delete;
  RowValues& operator=(const RowValues&) = delete;
  ~RowValues() { std::free(data_); }

  RowValues& bind(int index, int64_t value) { return put('i', index, &value, sizeof value); }
  RowValues& bind(int index, int value) { return bind(index, static_cast<int64_t>(value)); }
  RowValues& bind(int index, bool value) { return bind(index, static_cast<int64_t>(value)); }
  RowValues& bind(int index, double value) { return put('d', index, &value, sizeof value); }
  RowValues& bind(int index, std::string_view text) {
    const auto n = static_cast<uint32_t>(text.size());
    char* at = room(kHead + sizeof n + n);
    head(at, 't', index);
    std::memcpy(at + kHead, &n, sizeof n);
    if (n) std::memcpy(at + kHead + sizeof n, text.data(), n);
    return *this;
  }
  RowValues& bind(int index, const char* text) { return bind(index, std::string_view(text)); }
  RowValues& bind(int index, const std::string& text) {
    return bind(index, std::string_view(text));
  }
  RowValues& bindNull(int index) { return put('n', index, nullptr, 0); }
  template <class T>
  RowValues& bind(int index, const std::optional<T>& value) {
    return value ? bind(index, *value) : bindNull(index);
  }

  // Ends the row begun by the binds since the last one.
  void endRow() {
    *room(1) = 'e';
    ++rows_;
  }
  size_t rows() const { return rows_; }
  size_t bytes() const { return size_; }
  bool empty() const { return rows_ == 0; }
  // Empties the rows and keeps the room, for the next batch.
  void clear() {
    size_ = 0;
    rows_ = 0;
  }
  // Takes back what was added since bytes() was `bytesBefore` and rows() `rowsBefore`.
  void truncate(size_t bytesBefore, size_t rowsBefore) {
    size_ = bytesBefore;
    rows_ = rowsBefore;
  }
  // The bytes from `from` on (a row's, for a fingerprint of what was written).
  std::string_view since(size_t from) const {
    return std::string_view(data_ ? data_ + from : "", size_ - from);
  }

  // Binds the rows and runs them, `groupRows` rows to a run of `group` (an
  // INSERT with that many groups of `columns` values) and the rows left over
  // one to a run of `single`: SQLite's work to start, halt and reset a
  // statement is paid once a group instead of once a row. Stops at the first
  // failure. Texts are bound where they are: the rows outlive each run.
  Status runEach(SqliteStatement& group, size_t groupRows, int columns,
                 SqliteStatement& single) const {
    const size_t grouped = groupRows > 1 ? rows_ / groupRows * groupRows : 0;
    size_t row = 0, at = 0;
    while (at < size_) {
      const bool inGroup = row < grouped;
      SqliteStatement& statement = inGroup ? group : single;
      const char tag = data_[at++];
      if (tag == 'e') {
        ++row;
        if (!inGroup || row % groupRows == 0)
          if (Status s = statement.run(); !s.ok()) return s;
        continue;
      }
      uint16_t column;
      std::memcpy(&column, data_ + at, sizeof column);
      at += sizeof column;
      const int index = column + (inGroup ? static_cast<int>(row % groupRows) * columns : 0);
      switch (tag) {
        case 'i': {
          int64_t v;
          std::memcpy(&v, data_ + at, sizeof v);
          at += sizeof v;
          statement.bind(index, v);
          break;
        }
        case 'd': {
          double v;
          std::memcpy(&v, data_ + at, sizeof v);
          at += sizeof v;
          statement.bind(index, v);
          break;
        }
        case 't': {
          uint32_t n;
          std::memcpy(&n, data_ + at, sizeof n);
          at += sizeof n;
          statement.bindUnowned(index, std::string_view(data_ + at, n));
          at += n;
          break;
        }
        default:
          statement.bindNull(index);
      }
    }
    return Status::Ok();
  }

 private:
  // A value is its tag, its column and its bytes.
  static constexpr size_t kHead = 1 + sizeof(uint16_t);

  RowValues& put(char tag, int index, const void* value, size_t n) {
    char* at = room(kHead + n);
    head(at, tag, index);
    if (n) std::memcpy(at + kHead, value, n);
    return *this;
  }
  static void head(char* at, char tag, int index) {
    at[0] = tag;
    const auto i = static_cast<uint16_t>(index);
    std::memcpy(at + 1, &i, sizeof i);
  }
  // `n` more bytes at the end; their place.
  char* room(size_t n) {
    if (size_ + n > capacity_) grow(size_ + n);
    char* at = data_ + size_;
    size_ += n;
    return at;
  }
  void grow(size_t needed) {
    size_t capacity = capacity_ ? capacity_ * 2 : 4096;
    while (capacity < needed) capacity *= 2;
    auto* bigger = static_cast<char*>(std::realloc(data_, capacity));
    if (!bigger) throw std::bad_alloc();
    data_ = bigger;
    capacity_ = capacity;
  }
  void swap(RowValues& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
    std::swap(rows_, other.rows_);
  }

  char* data_ = nullptr;
  size_t size_ = 0, capacity_ = 0;
  size_t rows_ = 0;
};

// An INSERT of a table's rows: its text up to the values ("INSERT INTO t
// VALUES ") and the number of values in a row. Rows go in groups of up to 64
// (and at most about 640 values), the rest one at a time.
struct RowInsert {
  std::string head;
  int columns = 0;

  size_t groupRows() const {
    return std::max<size_t>(1, std::min<size_t>(64, 640 / static_cast<size_t>(columns)));
  }
  std::string sql(size_t rows) const {
    std::string values = "(";
    for (int i = 0; i < columns; ++i) values += i ? ",?" : "?";
    values += ')';
    std::string sql = head;
    for (size_t r = 0; r < rows; ++r) (sql += r ? "," : "") += values;
    return sql;
  }
  Status run(SqliteDatabase& db, const RowValues& rows) const {
    if (rows.empty()) return Status::Ok();
    const size_t per = groupRows();
    Status error;
    SqliteStatement group, single;
    if (per > 1 && rows.rows() >= per && !(group = db.prepare(sql(per), &error)).ok())
      return error;
    if ((per == 1 || rows.rows() % per != 0) && !(single = db.prepare(sql(1), &error)).ok())
      return error;
    return rows.runEach(group.ok() ? group : single, per, columns, single);
  }
};

}  // namespace zel::cli
