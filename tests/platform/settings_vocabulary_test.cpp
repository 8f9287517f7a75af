// The table of settings: its contents, lookups and near-miss suggestions.
#include "platform/settings_vocabulary.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/defaults.h"

namespace zel {
namespace {

TEST(SettingVocabulary, WellFormed) {
  const std::set<std::string_view> topics = {"crawl",  "check",   "requests", "seo",   "audit",
                                             "output", "archive", "render",   "advanced"};
  const auto all = settingVocabulary();
  ASSERT_FALSE(all.empty());
  for (const SettingInfo& s : all) {
    SCOPED_TRACE(std::string(s.name));
    EXPECT_TRUE(topics.count(s.topic));
    EXPECT_FALSE(s.meaning.empty());
    EXPECT_LE(s.meaning.size(), 90u);
    EXPECT_EQ(findSetting(s.name), &s);
    if (s.defaultText.empty()) continue;
    Json value = Json::parse(s.defaultText, nullptr, false);
    ASSERT_FALSE(value.is_discarded());
    EXPECT_TRUE(checkSettingValue(s.name, value).ok());
  }
}

// Keys the engine and the program read, with the type their readers need.
TEST(SettingVocabulary, KnowsKeysReadByTheCode) {
  const struct {
    const char* name;
    SettingType type;
  } kCases[] = {{"fileType", SettingType::Bool},
                {"formActions", SettingType::Bool},
                {"displayPageTitle", SettingType::Bool},
                {"maxBodyBytes", SettingType::Integer},
                {"maxRequestsPerHost", SettingType::Integer},
                {"proxyCrawlEndpoint", SettingType::String},
                {"timeout", SettingType::Double},
                {"maxKeywordDensity", SettingType::Double},
                {"customPostValue3", SettingType::String},
                {"ignoreArray", SettingType::StringArray},
                {"mipFilterRules", SettingType::Array},
                {"mipContainsAndOr", SettingType::Integer},
                {"precomposedStringWithCompatibilityMapping", SettingType::Bool}};
  for (const auto& c : kCases) EXPECT_EQ(settingTypeOf(c.name), c.type) << c.name;
  EXPECT_EQ(findSetting("seoenabled"), nullptr);  // exact case only
  EXPECT_FALSE(settingTypeOf("noSuchSetting"));
}

TEST(SettingVocabulary, NearestNames) {
  const struct {
    const char* typed;
    const char* first;  // nullptr: no suggestion
  } kCases[] = {
      {"shouldParseCss", "shouldParseCSS"}, {"levelLimit", "levelsLimit"},
      {"ignorearray", "ignoreArray"},       {"numberOfThread", "numberOfThreads"},
      {"timeoutSeconds", "timeout"},        {"zzzzzz", nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    const auto near = nearestSettingNames(c.typed);
    EXPECT_LE(near.size(), 3u);
    if (!c.first) {
      EXPECT_TRUE(near.empty());
      continue;
    }
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(near.front(), c.first);
  }
  EXPECT_EQ(nearestSettingNames("customHeaderKey", 2).size(), 2u);
}

}  // namespace
}  // namespace zel
