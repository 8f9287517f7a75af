// Checks structured-data items against the schema.org vocabulary and the
// rich-result rules: unknown types and properties, values of the wrong kind,
// missing required and recommended properties.
#include <algorithm>
#include <cctype>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "audit/rich_results.h"
#include "audit/schema_vocabulary.h"
#include "audit/structured_data.h"

namespace zel::audit {
namespace {

// Items nested deeper than this are not walked (hostile pages nest without end).
constexpr int kMaxDepth = 32;
// Quoted values are cut to this many bytes in messages.
constexpr size_t kQuoteLimit = 48;
// Problems listed for one top-level item; a page can hold any number of bad
// properties, and past this many more messages tell nothing new.
constexpr size_t kMaxProblems = 1000;
// Range types named in a message before "...".
constexpr size_t kRangeNames = 4;

bool isAddress(std::string_view name) { return name.find_first_of(":/") != std::string_view::npos; }

std::string_view trim(std::string_view s) {
  constexpr std::string_view kSpace = " \t\r\n\f";
  auto first = s.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kSpace) - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal number: "12", "-0.5", "1.25e3" (no separators, symbols or units).
bool isNumber(std::string_view s) {
  s = trim(s);
  size_t i = 0, digits = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  for (; i < s.size() && isDigit(s[i]); ++i) ++digits;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && isDigit(s[i]); ++i) ++digits;
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t exponent = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) ++exponent;
    if (exponent == 0) return false;
  }
  return i == s.size();
}

// Reads n digits at i as a number within [lo, hi].
bool readField(std::string_view s, size_t& i, size_t n, int lo, int hi) {
  if (i + n > s.size()) return false;
  int v = 0;
  for (size_t k = 0; k < n; ++k) {
    if (!isDigit(s[i + k])) return false;
    v = v * 10 + (s[i + k] - '0');
  }
  i += n;
  return v >= lo && v <= hi;
}

// ISO 8601 as pages write it: 2024, 2024-05, 2024-05-17, optionally followed
// by a time (T or a space, hh:mm[:ss[.fff]]) and a zone (Z, +hh, +hh:mm, +hhmm).
bool isIsoDate(std::string_view s) {
  s = trim(s);
  size_t i = 0;
  if (!readField(s, i, 4, 0, 9999)) return false;
  if (i < s.size() && s[i] == '-') {
    if (!readField(s, ++i, 2, 1, 12)) return false;
    if (i < s.size() && s[i] == '-' && !readField(s, ++i, 2, 1, 31)) return false;
  }
  if (i == s.size()) return true;
  if (s[i] != 'T' && s[i] != ' ') return false;
  if (!readField(s, ++i, 2, 0, 24) || i >= s.size() || s[i] != ':' || !readField(s, ++i, 2, 0, 59))
    return false;
  if (i < s.size() && s[i] == ':') {
    if (!readField(s, ++i, 2, 0, 60)) return false;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
      size_t start = ++i;
      while (i < s.size() && isDigit(s[i])) ++i;
      if (i == start) return false;
    }
  }
  if (i == s.size()) return true;
  if (s[i] == 'Z') return i + 1 == s.size();
  if (s[i] != '+' && s[i] != '-') return false;
  if (!readField(s, ++i, 2, 0, 23)) return false;
  if (i < s.size() && s[i] == ':') ++i;
  if (i < s.size() && !readField(s, i, 2, 0, 59)) return false;
  return i == s.size();
}

bool isBoolean(std::string_view s) {
  s = trim(s);
  auto is = [&](std::string_view word) {
    return s.size() == word.size() &&
           std::equal(s.begin(), s.end(), word.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == b;
           });
  };
  return is("true") || is("false") || isSchemaMemberOf(s, schemaType("Boolean"));
}

// Whether text may stand for a value of type: schema.org lets text name or
// address an item, so only data types and enumerations constrain it.
bool textFits(std::string_view text, int type) {
  static const int kNumber = schemaType("Number"), kBoolean = schemaType("Boolean"),
                   kDate = schemaType("Date"), kDateTime = schemaType("DateTime");
  switch (schemaTypeKind(type)) {
    case SchemaTypeKind::Class:
      return true;
    case SchemaTypeKind::Enumeration:
      return isSchemaMemberOf(text, type) || !schemaEnumerationHasMembers(type);
    case SchemaTypeKind::DataType:
      if (isSchemaSubtype(type, kNumber)) return isNumber(text);
      if (type == kBoolean) return isBoolean(text);
      if (type == kDate || type == kDateTime) return isIsoDate(text);
      return true;  // Text, URL, Time, Duration...
  }
  return true;
}

std::string quote(std::string_view text) {
  text = trim(text);
  std::string out = "\"";
  size_t n = std::min(text.size(), kQuoteLimit);
  while (n < text.size() && n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  bool space = false;
  for (char c : text.substr(0, n)) {
    bool isSpace = static_cast<unsigned char>(c) < 0x20 || c == ' ';
    if (!isSpace || !space) out += isSpace ? ' ' : c;
    space = isSpace;
  }
  if (n < text.size()) out += "...";
  return out + "\"";
}

std::string rangeText(std::span<const uint16_t> range) {
  std::string out;
  for (size_t i = 0; i < range.size(); ++i) {
    if (i == kRangeNames) return out + " or ...";
    if (i > 0) out += " or ";
    out += schemaTypeName(range[i]);
  }
  return out;
}

class Validator {
 public:
  explicit Validator(std::vector<StructuredProblem>& out) : out_(out) {}

  void walk(const StructuredItem& item, int depth, std::span<const int> parentTypes,
            std::string_view viaProperty) {
    if (full()) return;
    std::vector<int> types = knownTypes(item);
    std::string display(types.empty() ? "Thing" : schemaTypeName(types.front()));
    for (const auto& t : item.types)
      if (!t.empty() && !isAddress(t) && schemaType(t) < 0)
        report(true, display + ": unknown type " + quote(t));

    static const int kAction = schemaType("Action"), kRole = schemaType("Role");
    bool isAction = isAny(types, kAction), isRole = isAny(types, kRole);
    for (const auto& property : item.properties) {
      if (full()) return;
      const auto& name = property.name;
      // A Role stands between an item and the value of one of its properties.
      bool through = isRole && name == viaProperty;
      if (!types.empty() && !name.empty() && name[0] != '@' && !isAddress(name))
        checkProperty(types, display, name, property.value, isAction, through);
      if (property.value.kind == StructuredValue::Kind::Item && property.value.item &&
          depth < kMaxDepth)
        walk(*property.value.item, depth + 1, through ? parentTypes : types, name);
    }
    for (const auto* rule : richResultRulesFor(types, parentTypes, depth == 0))
      checkRule(item, display, *rule);
  }

 private:
  static std::vector<int> knownTypes(const StructuredItem& item) {
    std::vector<int> types;
    for (const auto& t : item.types) {
      int type = schemaType(t);
      if (type >= 0 && std::find(types.begin(), types.end(), type) == types.end())
        types.push_back(type);
    }
    return types;
  }

  static bool isAny(std::span<const int> types, int base) {
    return std::any_of(types.begin(), types.end(), [&](int t) { return isSchemaSubtype(t, base); });
  }

  bool full() const { return seen_.size() >= kMaxProblems; }

  void report(bool error, std::string text) {
    if (full() || !seen_.insert(text).second) return;
    out_.push_back({error, std::move(text)});
    if (full())
      out_.push_back({false, "more problems than " + std::to_string(kMaxProblems) +
                                 ", the rest are not listed"});
  }

  void checkProperty(std::span<const int> types, const std::string& display, std::string_view name,
                     const StructuredValue& value, bool isAction, bool roleProperty) {
    // An action's "query-input" constrains its "query" and holds a specification.
    std::string_view checked = name;
    for (std::string_view suffix : {"-input", "-output"})
      if (isAction && checked.ends_with(suffix)) checked.remove_suffix(suffix.size());
    int property = schemaProperty(checked);
    bool has = roleProperty || std::any_of(types.begin(), types.end(), [&](int t) {
                 return schemaTypeHasProperty(t, property);
               });
    if (!has) {
      report(true, display + ": property " + quote(name) + " is not one of the type's");
      return;
    }
    if (checked.size() == name.size()) checkValue(display, name, property, value);
  }

  void checkValue(const std::string& display, std::string_view name, int property,
                  const StructuredValue& value) {
    auto range = schemaPropertyRange(property);
    if (range.empty()) return;
    if (value.kind == StructuredValue::Kind::Item) {
      if (!value.item) return;
      std::vector<int> types = knownTypes(*value.item);
      static const int kRole = schemaType("Role");
      if (types.empty() || isAny(types, kRole)) return;
      for (int t : types)
        for (uint16_t r : range)
          if (isSchemaSubtype(t, r)) return;
      report(true, display + "." + std::string(name) + ": expects " + rangeText(range) + ", got " +
                       std::string(schemaTypeName(types.front())));
      return;
    }
    for (uint16_t r : range)
      if (textFits(value.text, r)) return;
    report(true, display + "." + std::string(name) + ": expects " + rangeText(range) + ", got " +
                     quote(value.text));
  }

  static bool present(const StructuredItem& item, std::string_view name) {
    return std::any_of(item.properties.begin(), item.properties.end(), [&](const auto& p) {
      return p.name == name &&
             (p.value.kind == StructuredValue::Kind::Item || !trim(p.value.text).empty());
    });
  }

  void checkRule(const StructuredItem& item, const std::string& display,
                 const RichResultRule& rule) {
    for (bool required : {true, false}) {
      for (auto group : splitRuleList(required ? rule.required : rule.recommended)) {
        auto alternatives = splitRuleList(group, '|');
        if (std::any_of(alternatives.begin(), alternatives.end(),
                        [&](std::string_view p) { return present(item, p); }))
          continue;
        std::string names;
        for (auto p : alternatives) names += (names.empty() ? "" : " or ") + quote(p);
        report(required, display + ": missing " + (required ? "required" : "recommended") +
                             " property " + names);
      }
    }
    for (auto name : splitRuleList(rule.numeric))
      for (const auto& p : item.properties)
        if (p.name == name && p.value.kind != StructuredValue::Kind::Item &&
            !isNumber(p.value.text))
          report(true, display + "." + std::string(name) + ": expects Number, got " +
                           quote(p.value.text));
  }

  std::vector<StructuredProblem>& out_;
  std::unordered_set<std::string> seen_;  // each problem once
};

}  // namespace

void validateStructuredItem(const StructuredItem& item, std::vector<StructuredProblem>& out) {
  Validator(out).walk(item, 0, {}, {});
}

}  // namespace zel::audit
