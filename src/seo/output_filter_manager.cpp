#include "seo/output_filter_manager.h"

#include "platform/regex.h"
#include "platform/text_format.h"
#include "url/zel_url.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {

namespace {

constexpr const char* kScopeKey = "mipContainsScope";
constexpr const char* kOrNotKey = "mipContainsOrNot";
constexpr const char* kMethodKey = "mipContainsMethod";
constexpr const char* kContainsKey = "mipContains";
constexpr const char* kRulesSetting = "mipFilterRules";

// Hand-written settings store these flags as numbers, booleans or numeric texts.
std::optional<int64_t> numberFrom(const nlohmann::json& j) {
  if (j.is_boolean()) return j.get<bool>() ? 1 : 0;
  if (j.is_number_integer()) return j.get<int64_t>();
  if (j.is_number_float()) return static_cast<int64_t>(j.get<double>());
  if (j.is_string()) return leadingInteger(j.get<std::string>());
  return std::nullopt;
}

std::optional<int64_t> numberAt(const nlohmann::json& j, const char* key) {
  auto it = j.find(key);
  return it == j.end() ? std::nullopt : numberFrom(*it);
}

}  // namespace

// ---- FilterRule ------------------------------------------------------------------------

const std::string& FilterRule::text() const {
  static const std::string kEmpty;
  return contains ? *contains : kEmpty;
}

FilterRule FilterRule::fromJson(const nlohmann::json& j) {
  FilterRule r;
  if (!j.is_object()) return r;
  r.containsScope = numberAt(j, kScopeKey);
  r.containsOrNot = numberAt(j, kOrNotKey);
  r.containsMethod = numberAt(j, kMethodKey);
  auto it = j.find(kContainsKey);
  if (it != j.end() && it->is_string()) r.contains = it->get<std::string>();
  return r;
}

nlohmann::json FilterRule::toJson() const {
  nlohmann::json j = nlohmann::json::object();
  if (containsScope) j[kScopeKey] = *containsScope;
  if (containsOrNot) j[kOrNotKey] = *containsOrNot;
  if (containsMethod) j[kMethodKey] = *containsMethod;
  if (contains) j[kContainsKey] = *contains;
  return j;
}

// ---- Rules --------------------------------------------------------------------------------

OutputFilterManager::OutputFilterManager(const Platform& platform) : platform_(platform) {}

void OutputFilterManager::implementRules(const std::vector<FilterRule>& rules) {
  collection_ = rules;
}

void OutputFilterManager::implementRules(const nlohmann::json& rules) {
  collection_.clear();
  if (!rules.is_array()) return;
  for (const auto& entry : rules)
    if (entry.is_object()) collection_.push_back(FilterRule::fromJson(entry));
}

bool OutputFilterManager::shouldWeScrapeThisUrlBasedOnCurrentRules(const ZelUrl* record) const {
  return shouldWeScrapeThisstrUrlBasedOnCurrentRules(record ? record->getActualLinkUrl()
                                                            : std::string());
}

bool OutputFilterManager::shouldWeScrapeThisstrUrlBasedOnCurrentRules(
    std::string_view address) const {
  const Defaults& d = *platform_.defaults;
  if (!d.boolForKey("mipFilter") || collection_.empty()) return true;
  size_t complying = 0;
  for (const FilterRule& rule : collection_)
    if (!rule.text().empty() && urlCompliesWithThisRule(address, std::string_view(), rule))
      ++complying;
  switch (d.integerForKey("mipContainsAndOr")) {
    case 0: return complying == collection_.size();
    case 1: return complying > 0;
    default: return true;
  }
}

bool OutputFilterManager::urlCompliesWithThisRule(std::string_view address,
                                                  std::optional<std::string_view> content,
                                                  const FilterRule& rule) const {
  const std::string_view subject = rule.scope() == 1 && content ? *content : address;
  bool found;
  switch (rule.method()) {
    case 0:
      // An empty text is never found, as with a plain substring search for "".
      found = !rule.text().empty() && subject.find(rule.text()) != std::string_view::npos;
      break;
    case 1:
      found = stringContainsOneOfTheseTerms(subject, std::vector<std::string>{rule.text()}, true)
                  .has_value();
      break;
    default:
      return true;
  }
  return found == rule.passesWhenFound();
}

bool OutputFilterManager::oneRuleRequiresContent() const {
  for (const FilterRule& rule : collection_)
    if (rule.scope() == 1) return true;
  return false;
}

std::optional<std::vector<std::string>> OutputFilterManager::stringContainsOneOfTheseTerms(
    std::string_view text, const std::optional<std::vector<std::string>>& terms,
    bool isRegex) const {
  if (!terms) return std::nullopt;
  if (isRegex) {
    if (terms->empty()) return std::nullopt;
    auto matches = applyRegex(terms->front(), text, platform_.log);
    if (!matches || matches->empty()) return std::nullopt;
    return matches;
  }
  std::vector<std::string> found;
  for (const auto& term : *terms)
    if (ZelPatternMatcher::stringMatchesPattern(text, term)) found.push_back(term);
  if (found.empty()) return std::nullopt;
  return found;
}

std::string OutputFilterManager::sentenceFromRule(const FilterRule& rule) {
  std::string s;
  if (rule.containsScope) s += *rule.containsScope == 0 ? "URL " : "Content ";
  if (rule.containsOrNot) s += *rule.containsOrNot != 0 ? "does " : "does not ";
  if (rule.containsMethod) s += *rule.containsMethod == 0 ? "contain: " : "match Regex: ";
  if (rule.contains) s += *rule.contains;
  return s;
}

// ---- Rule editor -------------------------------------------------------------------------

std::string OutputFilterManager::localized(std::string_view english) const {
  return platform_.localizer ? platform_.localizer->localize(english) : std::string(english);
}

void OutputFilterManager::awakeFromNib() {
  auto stored = platform_.defaults->arrayForKey(kRulesSetting);
  if (stored) implementRules(*stored);
}

void OutputFilterManager::beginNewDialog() {
  Defaults& d = *platform_.defaults;
  d.setInteger(kScopeKey, 0);
  d.setInteger(kOrNotKey, 1);
  d.setInteger(kMethodKey, 0);
  d.setString(kContainsKey, "");
  if (hooks_.openSheet) hooks_.openSheet();
}

void OutputFilterManager::cancelNewDialog() {
  if (hooks_.closeSheet) hooks_.closeSheet();
}

void OutputFilterManager::OKNewDialog() {
  if (hooks_.closeSheet) hooks_.closeSheet();
  addRuleFromDefaults();
}

void OutputFilterManager::addRuleFromDefaults() {
  const Defaults& d = *platform_.defaults;
  nlohmann::json j = nlohmann::json::object();
  for (const char* key : {kScopeKey, kOrNotKey, kMethodKey, kContainsKey})
    if (auto v = d.objectForKey(key)) j[key] = *v;
  FilterRule rule = FilterRule::fromJson(j);
  if (platform_.log) platform_.log->always("adding " + rule.toJson().dump() + " to rules");
  collection_.push_back(std::move(rule));
  reloadTable();
  synchroniseRules();
}

bool OutputFilterManager::deleteSelectedRule(std::optional<int64_t> selectedRow) {
  if (!selectedRow || *selectedRow < 0 || *selectedRow >= numberOfRows()) {
    if (hooks_.beep) hooks_.beep();
    return false;
  }
  const size_t row = static_cast<size_t>(*selectedRow);
  Alert alert;
  alert.title = localized("Delete Filter Rule");
  // The localised text keeps its "%@" placeholder; a rule's text may hold "%".
  alert.message = replaceAll(localized("Are you sure you want to delete the rule '%@'?"), "%@",
                             sentenceFromRule(collection_[row]));
  alert.buttons = {localized("Cancel"), localized("Delete")};
  const int answer = platform_.alerts ? platform_.alerts->runModal(alert) : 0;
  if (answer != 1) return false;
  collection_.erase(collection_.begin() + static_cast<std::ptrdiff_t>(row));
  reloadTable();
  synchroniseRules();
  return true;
}

void OutputFilterManager::clearRules() {
  platform_.defaults->removeObject(kRulesSetting);
  reloadTable();
}

void OutputFilterManager::synchroniseRules() {
  nlohmann::json rules = nlohmann::json::array();
  for (const FilterRule& rule : collection_) rules.push_back(rule.toJson());
  platform_.defaults->setObject(kRulesSetting, std::move(rules));
}

std::string OutputFilterManager::objectValueForRow(int64_t row) const {
  if (row < 0 || row >= numberOfRows()) return "";
  return sentenceFromRule(collection_[static_cast<size_t>(row)]);
}

}  // namespace zel
