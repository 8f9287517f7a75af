#pragma once
// Every setting the program knows: its name, type, default, topic and meaning.
// The one table behind settingTypeOf, the settings file check and the help text.
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "platform/defaults.h"

namespace zel {

// Every setting the program knows, sorted by name (case-sensitive ASCII order).
std::span<const SettingInfo> settingVocabulary();

// The entry for a name (exact, case-sensitive), or nullptr.
const SettingInfo* findSetting(std::string_view name);

// Up to `max` known names nearest to an unknown one, best first: a match that
// differs only in case, then close spellings and names it begins (or that begin
// it). Empty when nothing is reasonably close.
std::vector<std::string_view> nearestSettingNames(std::string_view name, size_t max = 3);

}  // namespace zel
