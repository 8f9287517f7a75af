#pragma once
// Output filter rules: each says that the URL (or the content) does (or does
// not) contain a text (or match a regular expression). The crawl uses them as
// its super-whitelist: an address that passes is parsed even when the follow
// lists blacklist it and counts as an information page. The same rules back
// the host's rule editor; drawing the editor is the host's business, this
// class gives it the operations and keeps the rules in the settings.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/platform.h"

namespace zel {

class ZelUrl;

// One rule. Every key may be missing; a missing number reads as 0.
struct FilterRule {
  std::optional<int64_t> containsScope;   // "mipContainsScope": 0 the URL, 1 the content
  std::optional<int64_t> containsOrNot;   // "mipContainsOrNot": non-zero passes when found
  std::optional<int64_t> containsMethod;  // "mipContainsMethod": 0 plain text, 1 regex
  std::optional<std::string> contains;    // "mipContains": the text or the pattern

  int64_t scope() const { return containsScope.value_or(0); }
  bool passesWhenFound() const { return containsOrNot.value_or(0) != 0; }
  int64_t method() const { return containsMethod.value_or(0); }
  const std::string& text() const;

  // From a settings dictionary. Numbers may be stored as numbers, booleans or
  // numeric texts; values of other types count as missing.
  static FilterRule fromJson(const nlohmann::json& j);
  nlohmann::json toJson() const;
  bool operator==(const FilterRule&) const = default;
};

// What the rule editor's host draws and answers. Every hook may be empty.
struct RuleEditorHooks {
  std::function<void()> openSheet;    // show the new-rule sheet over the main window
  std::function<void()> closeSheet;
  std::function<void()> reloadTable;  // the rule list changed
  std::function<void()> beep;         // delete with no valid row selected
};

class OutputFilterManager {
 public:
  // The platform services must outlive the manager; only defaults are required.
  explicit OutputFilterManager(const Platform& platform);

  // The rules become a copy of the list. A JSON value that is not an array gives
  // no rules; entries that are not dictionaries are skipped.
  void implementRules(const std::vector<FilterRule>& rules);
  void implementRules(const nlohmann::json& rules);
  const std::vector<FilterRule>& getArray() const { return collection_; }

  // The super-whitelist test of the record's actual address.
  bool shouldWeScrapeThisUrlBasedOnCurrentRules(const ZelUrl* record) const;
  // Passes when `mipFilter` is off or there are no rules; otherwise counts the
  // rules with a text that the address complies with (content taken as empty)
  // and combines them by `mipContainsAndOr`: 0 all, 1 any, other values pass.
  bool shouldWeScrapeThisstrUrlBasedOnCurrentRules(std::string_view address) const;
  // `url:andContent:compliesWithThisRule:`. A content rule tests `content`, or
  // the address when no content is given.
  bool urlCompliesWithThisRule(std::string_view address, std::optional<std::string_view> content,
                               const FilterRule& rule) const;
  bool oneRuleRequiresContent() const;

  // `string:containsOneOfTheseTerms:isRegex:`: with isRegex the first term is a
  // regular expression and its matches are returned; otherwise the terms the
  // pattern matcher accepts. nullopt for an absent list or when nothing matches.
  std::optional<std::vector<std::string>> stringContainsOneOfTheseTerms(
      std::string_view text, const std::optional<std::vector<std::string>>& terms,
      bool isRegex) const;

  // The rule as a sentence: "URL does not contain: x".
  static std::string sentenceFromRule(const FilterRule& rule);

  // ---- Rule editor ------------------------------------------------------------------
  void setHooks(RuleEditorHooks hooks) { hooks_ = std::move(hooks); }
  // The host's interface is ready: load the stored rules (`mipFilterRules`).
  void awakeFromNib();
  // Resets the edited rule's settings to a fresh rule and opens the sheet.
  void beginNewDialog();
  void cancelNewDialog();
  void OKNewDialog();
  // Appends the rule held in the edited-rule settings and stores the rules.
  void addRuleFromDefaults();
  // Asks "Delete Filter Rule" through the alerts and removes the rule on
  // "Delete". Beeps and returns false when no valid row is selected; returns
  // whether a rule was removed.
  bool deleteSelectedRule(std::optional<int64_t> selectedRow);
  // Removes the stored rules (the rules held here stay).
  void clearRules();
  void synchroniseRules();
  int64_t numberOfRows() const { return static_cast<int64_t>(collection_.size()); }
  // The row's sentence, "" for a row out of range.
  std::string objectValueForRow(int64_t row) const;

 private:
  void reloadTable() const {
    if (hooks_.reloadTable) hooks_.reloadTable();
  }
  std::string localized(std::string_view english) const;

  Platform platform_;
  std::vector<FilterRule> collection_;
  RuleEditorHooks hooks_;
};

}  // namespace zel
