#include "platform/defaults.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "platform/file_system.h"
#include "platform/settings_vocabulary.h"
#include "platform/text_format.h"

namespace zel {

namespace {

bool textIsTrue(const std::string& s) {
  std::string l = asciiLower(trimWhitespace(s));
  if (l == "true" || l == "yes" || l == "on") return true;
  return leadingInteger(l) != 0;
}

}  // namespace

namespace {

bool boolOf(const Json* v) {
  if (!v) return false;
  if (v->is_boolean()) return v->get<bool>();
  if (v->is_number()) return v->get<double>() != 0.0;
  if (v->is_string()) return textIsTrue(v->get<std::string>());
  return false;
}

int64_t integerOf(const Json* v) {
  if (!v) return 0;
  if (v->is_number_integer()) return v->get<int64_t>();
  if (v->is_number_float()) {
    double d = v->get<double>();
    if (!std::isfinite(d)) return 0;
    if (d >= 9.2e18) return INT64_MAX;
    if (d <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(d);
  }
  if (v->is_boolean()) return v->get<bool>() ? 1 : 0;
  if (v->is_string()) return leadingInteger(v->get<std::string>());
  return 0;
}

double doubleOf(const Json* v) {
  if (!v) return 0;
  if (v->is_number()) return v->get<double>();
  if (v->is_boolean()) return v->get<bool>() ? 1 : 0;
  if (v->is_string()) {
    const std::string s = v->get<std::string>();
    char* end = nullptr;
    double d = std::strtod(s.c_str(), &end);
    return std::isfinite(d) ? d : 0;
  }
  return 0;
}

}  // namespace

void Defaults::noteWritten(std::string_view key, const Json* value) {
  ++generation_;
  if (typed_.empty()) typed_.resize(settingVocabulary().size());
  const int index = settingTableIndex(key);
  if (index < 0) return;
  typed_[index] = TypedValue{boolOf(value), integerOf(value), doubleOf(value)};
}

bool Defaults::storedBool(std::string_view key) const { return boolOf(peek(key)); }
int64_t Defaults::storedInteger(std::string_view key) const { return integerOf(peek(key)); }
double Defaults::storedDouble(std::string_view key) const { return doubleOf(peek(key)); }

std::optional<std::string> Defaults::stringForKey(std::string_view key) const {
  const Json* v = peek(key);
  if (!v) return std::nullopt;
  if (v->is_string()) return v->get<std::string>();
  if (v->is_number_integer()) return std::to_string(v->get<int64_t>());
  if (v->is_number()) return v->dump();
  if (v->is_boolean()) return v->get<bool>() ? "1" : "0";
  return std::nullopt;
}

std::string Defaults::stringOrEmpty(std::string_view key) const {
  return stringForKey(key).value_or(std::string());
}

std::optional<std::vector<std::string>> Defaults::stringArrayForKey(std::string_view key) const {
  const Json* v = peek(key);
  if (!v || !v->is_array()) return std::nullopt;
  std::vector<std::string> out;
  for (const auto& e : *v)
    if (e.is_string()) out.push_back(e.get<std::string>());
  return out;
}

std::optional<Json> Defaults::arrayForKey(std::string_view key) const {
  const Json* v = peek(key);
  if (!v || !v->is_array()) return std::nullopt;
  return *v;
}

std::optional<Json> Defaults::dictionaryForKey(std::string_view key) const {
  const Json* v = peek(key);
  if (!v || !v->is_object()) return std::nullopt;
  return *v;
}

const Json* MemoryDefaults::peek(std::string_view key) const {
  auto it = values_.find(key);
  if (it == values_.end() || it->second.is_null()) return nullptr;
  return &it->second;
}

void MemoryDefaults::setObject(std::string_view key, Json value) {
  auto it = values_.find(key);
  if (it != values_.end())
    it->second = std::move(value);
  else
    values_.emplace(std::string(key), std::move(value));
  noteWritten(key, peek(key));
}

std::shared_ptr<const Defaults> MemoryDefaults::snapshot() const {
  return std::make_shared<MemoryDefaults>(*this);
}

void MemoryDefaults::removeObject(std::string_view key) {
  auto it = values_.find(key);
  if (it != values_.end()) values_.erase(it);
  noteWritten(key, nullptr);
}

std::optional<SettingType> settingTypeOf(std::string_view key) {
  const SettingInfo* s = findSetting(key);
  if (!s) return std::nullopt;
  return s->type;
}

const char* settingTypeName(SettingType t) {
  switch (t) {
    case SettingType::Bool: return "a boolean";
    case SettingType::Integer: return "an integer";
    case SettingType::Double: return "a number";
    case SettingType::String: return "a string";
    case SettingType::StringArray: return "an array of strings";
    case SettingType::Array: return "an array";
    case SettingType::Object: return "an object";
  }
  return "a value";
}

static const char* jsonTypeName(const Json& v) {
  if (v.is_null()) return "null";
  if (v.is_boolean()) return "a boolean";
  if (v.is_number_integer()) return "an integer";
  if (v.is_number()) return "a number";
  if (v.is_string()) return "a string";
  if (v.is_array()) return "an array";
  return "an object";
}

Status checkSettingValue(std::string_view key, const Json& v) {
  auto type = settingTypeOf(key);
  if (!type) return Status::Ok();
  bool good = false;
  switch (*type) {
    case SettingType::Bool:
      good = v.is_boolean() || (v.is_number_integer() && (v == 0 || v == 1));
      break;
    case SettingType::Integer:
      good = v.is_number_integer() ||
             (v.is_number_float() && std::isfinite(v.get<double>()) &&
              v.get<double>() == std::floor(v.get<double>()));
      break;
    case SettingType::Double: good = v.is_number(); break;
    case SettingType::String: good = v.is_string(); break;
    case SettingType::StringArray:
      good = v.is_array();
      if (good)
        for (const auto& e : v) good = good && e.is_string();
      break;
    case SettingType::Array: good = v.is_array(); break;
    case SettingType::Object: good = v.is_object(); break;
  }
  if (good) return Status::Ok();
  return Status::Error(strf("key \"%.*s\": expected %s, found %s", int(key.size()), key.data(),
                            settingTypeName(*type), jsonTypeName(v)));
}

Status JsonFileDefaults::load() {
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    if (!RealFileSystem().exists(path_)) return Status::Ok();
    return Status::Error("settings file " + path_ + ": cannot be read");
  }
  std::stringstream buf;
  buf << in.rdbuf();
  Json doc;
  try {
    doc = Json::parse(buf.str());
  } catch (const Json::parse_error& e) {
    return Status::Error("settings file " + path_ + ": not valid JSON (" + e.what() + ")");
  }
  if (!doc.is_object())
    return Status::Error("settings file " + path_ + ": expected a JSON object of settings");
  for (auto it = doc.begin(); it != doc.end(); ++it) {
    Status s = checkSettingValue(it.key(), it.value());
    if (!s.ok()) return Status::Error("settings file " + path_ + ": " + s.message());
  }
  for (auto it = doc.begin(); it != doc.end(); ++it) setObject(it.key(), it.value());
  return Status::Ok();
}

Status JsonFileDefaults::save() const {
  Json doc = Json::object();
  for (const auto& [k, v] : all()) doc[k] = v;
  return RealFileSystem().writeFileAtomically(path_, doc.dump(2) + "\n");
}

}  // namespace zel
