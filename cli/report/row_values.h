#pragma once
// The values of database rows copied into one compact buffer, so that rows made
// on one thread (from the records, which only that thread may read while the
// crawl runs) are written by another. It takes the binds of a prepared
// statement and plays them back into one.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sqlite_database.h"
#include "platform/status.h"

namespace zel::cli {

class RowValues {
 public:
  RowValues& bind(int index, int64_t value) {
    put('i', index);
    putRaw(&value, sizeof value);
    return *this;
  }
  RowValues& bind(int index, int value) { return bind(index, static_cast<int64_t>(value)); }
  RowValues& bind(int index, bool value) { return bind(index, static_cast<int64_t>(value)); }
  RowValues& bind(int index, double value) {
    put('d', index);
    putRaw(&value, sizeof value);
    return *this;
  }
  RowValues& bind(int index, std::string_view text) {
    put('t', index);
    const auto n = static_cast<uint32_t>(text.size());
    putRaw(&n, sizeof n);
    data_.append(text);
    return *this;
  }
  RowValues& bind(int index, const char* text) { return bind(index, std::string_view(text)); }
  RowValues& bind(int index, const std::string& text) {
    return bind(index, std::string_view(text));
  }
  RowValues& bindNull(int index) {
    put('n', index);
    return *this;
  }
  template <class T>
  RowValues& bind(int index, const std::optional<T>& value) {
    return value ? bind(index, *value) : bindNull(index);
  }

  // Ends the row begun by the binds since the last one.
  void endRow() {
    data_ += 'e';
    ++rows_;
  }
  size_t rows() const { return rows_; }
  size_t bytes() const { return data_.size(); }
  bool empty() const { return rows_ == 0; }
  void clear() {
    data_.clear();
    rows_ = 0;
  }
  // Takes back what was added since bytes() was `bytesBefore` and rows() `rowsBefore`.
  void truncate(size_t bytesBefore, size_t rowsBefore) {
    data_.resize(bytesBefore);
    rows_ = rowsBefore;
  }
  // The bytes from `from` on (a row's, for a fingerprint of what was written).
  std::string_view since(size_t from) const { return std::string_view(data_).substr(from); }

  // Binds each row in turn to `statement` and runs it; stops at the first failure.
  Status runEach(SqliteStatement& statement) const {
    size_t at = 0;
    while (at < data_.size()) {
      const char tag = data_[at++];
      if (tag == 'e') {
        if (Status s = statement.run(); !s.ok()) return s;
        continue;
      }
      uint16_t index;
      std::memcpy(&index, data_.data() + at, sizeof index);
      at += sizeof index;
      switch (tag) {
        case 'i': {
          int64_t v;
          std::memcpy(&v, data_.data() + at, sizeof v);
          at += sizeof v;
          statement.bind(index, v);
          break;
        }
        case 'd': {
          double v;
          std::memcpy(&v, data_.data() + at, sizeof v);
          at += sizeof v;
          statement.bind(index, v);
          break;
        }
        case 't': {
          uint32_t n;
          std::memcpy(&n, data_.data() + at, sizeof n);
          at += sizeof n;
          statement.bind(index, std::string_view(data_.data() + at, n));
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
  void put(char tag, int index) {
    data_ += tag;
    const auto i = static_cast<uint16_t>(index);
    putRaw(&i, sizeof i);
  }
  void putRaw(const void* p, size_t n) { data_.append(static_cast<const char*>(p), n); }

  std::string data_;
  size_t rows_ = 0;
};

}  // namespace zel::cli
