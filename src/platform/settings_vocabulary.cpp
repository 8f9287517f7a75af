#include "platform/settings_vocabulary.h"

#include "platform/text_format.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace zel {

std::span<const SettingInfo> settingVocabulary() { return kSettingTable; }

const SettingInfo* findSetting(std::string_view name) {
  const int index = settingTableIndex(name);
  return index < 0 ? nullptr : &kSettingTable[index];
}

std::vector<std::string_view> nearestSettingNames(std::string_view name, size_t max) {
  // Scores in half steps: a case-only difference 0, one typo 2, a prefix 3, two typos 4...
  const size_t allowed = std::max<size_t>(2, name.size() / 3);
  std::vector<std::tuple<size_t, size_t, std::string_view>> found;
  for (const SettingInfo& s : kSettingTable) {
    const size_t d = editDistanceIgnoringCase(name, s.name);
    const bool prefix = (name.size() >= 3 && startsWithIgnoreCase(s.name, name)) ||
                        (s.name.size() >= 4 && startsWithIgnoreCase(name, s.name));
    if (d > allowed && !prefix) continue;
    size_t score = 2 * d;
    if (prefix) score = std::min<size_t>(score, 3);
    found.emplace_back(score, d, s.name);
  }
  // Stable: equal scores keep the table's order.
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
  });
  std::vector<std::string_view> out;
  for (size_t i = 0; i < found.size() && i < max; ++i) out.push_back(std::get<2>(found[i]));
  return out;
}

}  // namespace zel
