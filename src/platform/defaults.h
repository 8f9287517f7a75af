#pragma once
// The settings store. Every option of a crawl is a named value read at the
// moment of use: a missing boolean reads false, a missing number 0, a missing
// text/list/object absent.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/settings_table.h"
#include "platform/status.h"

namespace zel {

using Json = nlohmann::json;

// A setting's name and its place in kSettingTable (-1 for a name the program does
// not know). A name written in the code is looked up when the code is compiled,
// so the typed readers below cost a load, and a misspelt one does not compile; a
// name known only at run time goes through named().
class SettingKey {
 public:
  consteval SettingKey(const char* name) : name_(name), index_(settingTableIndex(name)) {
    if (index_ < 0) throw "not a setting the program knows";  // a compile error, never thrown
  }
  static SettingKey named(std::string_view name) { return SettingKey(name, settingTableIndex(name)); }
  std::string_view name() const { return name_; }
  int index() const { return index_; }

 private:
  constexpr SettingKey(std::string_view name, int index) : name_(name), index_(index) {}
  std::string_view name_;
  int index_;
};

class Defaults {
 public:
  virtual ~Defaults() = default;

  // The stored value, or nullptr when the key is not set (or is null). Valid until
  // the key is next written. The typed readers below go through it without copying.
  virtual const Json* peek(std::string_view key) const = 0;
  // A copy of the stored value, or nullopt when the key is not set.
  std::optional<Json> objectForKey(std::string_view key) const {
    const Json* v = peek(key);
    return v ? std::optional<Json>(*v) : std::nullopt;
  }
  virtual void setObject(std::string_view key, Json value) = 0;
  virtual void removeObject(std::string_view key) = 0;
  // A copy of every value, for work on another thread; nullptr from a store that
  // cannot copy itself.
  virtual std::shared_ptr<const Defaults> snapshot() const { return nullptr; }
  // Goes up on every write, so a snapshot can tell whether it is still current.
  uint64_t generation() const { return generation_; }

  // Typed readers. They are lenient with stored values of a neighbouring type
  // (a number read as a boolean, a numeric text read as a number) so that
  // hand-written settings behave as a user expects.
  bool boolForKey(SettingKey key) const {
    const TypedValue* t = typedValue(key);
    return t ? t->b : storedBool(key.name());
  }
  int64_t integerForKey(SettingKey key) const {
    const TypedValue* t = typedValue(key);
    return t ? t->i : storedInteger(key.name());
  }
  double doubleForKey(SettingKey key) const {
    const TypedValue* t = typedValue(key);
    return t ? t->d : storedDouble(key.name());
  }
  std::optional<std::string> stringForKey(std::string_view key) const;
  // stringForKey, or "" when absent.
  std::string stringOrEmpty(std::string_view key) const;
  // An array of texts; non-text entries are skipped. Absent when the key is not an array.
  std::optional<std::vector<std::string>> stringArrayForKey(std::string_view key) const;
  std::optional<Json> arrayForKey(std::string_view key) const;
  std::optional<Json> dictionaryForKey(std::string_view key) const;

  void setBool(std::string_view key, bool v) { setObject(key, Json(v)); }
  void setInteger(std::string_view key, int64_t v) { setObject(key, Json(v)); }
  void setDouble(std::string_view key, double v) { setObject(key, Json(v)); }
  void setString(std::string_view key, std::string_view v) { setObject(key, Json(std::string(v))); }
  void setStringArray(std::string_view key, const std::vector<std::string>& v) {
    setObject(key, Json(v));
  }

 protected:
  // The boolean, integer and number readings of each known setting, worked out
  // when it is written, so that reading one at the moment of use (many times a
  // link) is a load, not a string-keyed search. A store keeps them by calling
  // noteWritten on every write; one that never does is read through peek alone.
  struct TypedValue {
    bool b = false;
    int64_t i = 0;
    double d = 0;
  };
  void noteWritten(std::string_view key, const Json* value);

 private:
  bool storedBool(std::string_view key) const;
  int64_t storedInteger(std::string_view key) const;
  double storedDouble(std::string_view key) const;
  const TypedValue* typedValue(SettingKey key) const {
    return key.index() < 0 || typed_.empty() ? nullptr : &typed_[key.index()];
  }
  std::vector<TypedValue> typed_;
  uint64_t generation_ = 0;
};

// In-memory store (tests, and the base of the file store).
class MemoryDefaults : public Defaults {
 public:
  MemoryDefaults() { noteWritten({}, nullptr); }
  const Json* peek(std::string_view key) const override;
  void setObject(std::string_view key, Json value) override;
  void removeObject(std::string_view key) override;
  std::shared_ptr<const Defaults> snapshot() const override;
  const std::map<std::string, Json, std::less<>>& all() const { return values_; }

 private:
  std::map<std::string, Json, std::less<>> values_;
};

// The type of a known engine setting, nullopt for a key the engine does not know.
std::optional<SettingType> settingTypeOf(std::string_view key);
const char* settingTypeName(SettingType t);
// Checks a value against the known type of its key; unknown keys pass.
Status checkSettingValue(std::string_view key, const Json& value);

// Settings kept in a JSON file holding one object keyed by setting name.
class JsonFileDefaults : public MemoryDefaults {
 public:
  explicit JsonFileDefaults(std::string path) : path_(std::move(path)) {}

  // Reads the file. A missing file is an empty store. Invalid JSON, a top level
  // that is not an object, or a known key with a value of the wrong type fails
  // with a message naming the file, the key and the problem; nothing is loaded
  // then and the file is left untouched.
  Status load();
  // Writes every value to the file atomically (temporary file, then rename).
  Status save() const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace zel
