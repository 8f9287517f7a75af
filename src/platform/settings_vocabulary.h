#pragma once
// Every setting the program knows: its name, type, default, topic and meaning.
// The one table behind settingTypeOf, the settings file check and the help text.
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "platform/defaults.h"

namespace zel {

struct SettingInfo {
  std::string_view name;
  SettingType type;
  // JSON text of the value a crawl uses when the setting is not given; "" when
  // that is the engine's reading of an absent key (false, 0, "", none).
  std::string_view defaultText;
  // One of: "crawl", "check", "requests", "seo", "output", "archive", "render", "advanced".
  std::string_view topic;
  // One line of plain English, at most 90 characters.
  std::string_view meaning;
};

// Every setting the program knows, sorted by name (case-sensitive ASCII order).
std::span<const SettingInfo> settingVocabulary();

// The entry for a name (exact, case-sensitive), or nullptr.
const SettingInfo* findSetting(std::string_view name);

// The position of a name in settingVocabulary(), or -1; a hash look-up, for the
// settings store's typed values.
int settingIndex(std::string_view name);

// Up to `max` known names nearest to an unknown one, best first: a match that
// differs only in case, then close spellings and names it begins (or that begin
// it). Empty when nothing is reasonably close.
std::vector<std::string_view> nearestSettingNames(std::string_view name, size_t max = 3);

}  // namespace zel
