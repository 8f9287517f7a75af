#pragma once
// The base of every row the host shows in a table: visibility flags, an id and
// a scratch sort value. Field access by name answers "" / 0 unless overridden.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class ZelDataObject {
 public:
  virtual ~ZelDataObject() = default;

  int32_t getID() const { return id_; }
  void setID(int32_t id) { id_ = id; }
  bool getVisible() const { return visible_; }
  void setVisible(bool v) { visible_ = v; }
  bool getVisible2() const { return visible2_; }
  void setVisible2(bool v) { visible2_ = v; }
  std::optional<double> getTempSortNSNumber() const {
    return hasTempSort_ ? std::optional<double>(tempSort_) : std::nullopt;
  }
  void setTempSortNSNumber(std::optional<double> v) {
    hasTempSort_ = v.has_value();
    tempSort_ = v.value_or(0);
  }

  // A search over the row's texts; the base matches every term.
  virtual bool contains(std::string_view term) const;
  // Column text by field name; nullopt only where a field is absent rather than empty.
  virtual std::optional<std::string> getFieldByName(std::string_view name) const;
  virtual float getFieldAsNumberByName(std::string_view name) const;

  // Whether a field name holds numbers / dates (the host sorts such columns by value).
  static bool isNumber(std::string_view name);
  static bool isDate(std::string_view name);

 private:
  double tempSort_ = 0;
  int32_t id_ = 0;
  bool visible_ = true;
  bool visible2_ = true;
  bool hasTempSort_ = false;
};

}  // namespace zel
