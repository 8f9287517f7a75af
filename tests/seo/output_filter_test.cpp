// Output filter rules: each kind of rule, how rules combine, the settings they
// are kept in, and the editor's operations for a host.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/zel_hub.h"
#include "seo/output_filter_manager.h"
#include "support/test_platform.h"

namespace zel {
namespace {

FilterRule makeRule(int64_t scope, bool passesWhenFound, int64_t method, std::string text) {
  FilterRule r;
  r.containsScope = scope;
  r.containsOrNot = passesWhenFound ? 1 : 0;
  r.containsMethod = method;
  r.contains = std::move(text);
  return r;
}

class OutputFilterTest : public ::testing::Test {
 protected:
  test::TestPlatform tp;
  OutputFilterManager filter{tp.platform()};
  Defaults& d = tp.defaults;

  void SetUp() override { d.setBool("mipFilter", true); }
  bool passes(const char* address) {
    return filter.shouldWeScrapeThisstrUrlBasedOnCurrentRules(address);
  }
};

struct RuleCase {
  int64_t scope;
  bool passesWhenFound;
  int64_t method;
  const char* text;
  const char* address;
  std::optional<const char*> content;
  bool holds;
};

TEST_F(OutputFilterTest, EachKindOfRule) {
  const RuleCase cases[] = {
      // URL, plain text: case-sensitive containment.
      {0, true, 0, "/info/", "http://h/info/a", std::nullopt, true},
      {0, true, 0, "/Info/", "http://h/info/a", std::nullopt, false},
      {0, false, 0, "/info/", "http://h/info/a", std::nullopt, false},
      {0, false, 0, "/info/", "http://h/news/a", std::nullopt, true},
      // URL, regular expression: case-insensitive.
      {0, true, 1, "/POST/\\d+$", "http://h/post/12", std::nullopt, true},
      {0, true, 1, "/post/\\d+$", "http://h/post/new", std::nullopt, false},
      {0, false, 1, "/post/\\d+$", "http://h/post/new", std::nullopt, true},
      {0, true, 1, "([", "http://h/([", std::nullopt, false},  // does not compile
      // Content: the content when given, else the address.
      {1, true, 0, "price", "http://h/a", "the price is", true},
      {1, true, 0, "price", "http://h/a", "", false},
      {1, false, 0, "price", "http://h/a", "", true},
      {1, true, 0, "price", "http://h/price", std::nullopt, true},
      {1, true, 1, "pri.e", "http://h/a", "PRICE", true},
      // An unknown method holds without a test, whatever it says.
      {0, false, 7, "anything", "http://h/anything", std::nullopt, true},
      // An empty text is never found.
      {0, true, 0, "", "http://h/a", std::nullopt, false},
      {0, false, 0, "", "http://h/a", std::nullopt, true},
  };
  for (const auto& c : cases) {
    const FilterRule rule = makeRule(c.scope, c.passesWhenFound, c.method, c.text);
    const auto content =
        c.content ? std::optional<std::string_view>(*c.content) : std::nullopt;
    EXPECT_EQ(filter.urlCompliesWithThisRule(c.address, content, rule), c.holds)
        << OutputFilterManager::sentenceFromRule(rule) << " / " << c.address;
  }
  EXPECT_TRUE(std::any_of(tp.logLines().begin(), tp.logLines().end(), [](const std::string& l) {
    return l.rfind("error in regex: ", 0) == 0 && l.find("missing terminating ]") != std::string::npos;
  })) << "the error's description";
}

TEST_F(OutputFilterTest, RulesCombineByAndOr) {
  EXPECT_TRUE(passes("http://h/anything")) << "no rules: every address passes";
  const std::vector<FilterRule> infoNoDraft = {makeRule(0, true, 0, "/info/"),
                                               makeRule(0, false, 0, "draft")};
  // A rule without text never complies, but the empty does-not rule is not counted.
  const std::vector<FilterRule> withEmpty = {makeRule(0, true, 0, "/a"), makeRule(0, false, 0, "")};
  const struct {
    const std::vector<FilterRule>& rules;
    const char* address;
    bool all, any;
  } cases[] = {
      {infoNoDraft, "http://h/info/a", true, true},
      {infoNoDraft, "http://h/info/draft", false, true},
      {infoNoDraft, "http://h/other", false, true},
      {infoNoDraft, "http://h/other/draft", false, false},
      {withEmpty, "http://h/a", false, true},
      {withEmpty, "http://h/b", false, false},
  };
  for (const auto& c : cases) {
    filter.implementRules(c.rules);
    d.setInteger("mipContainsAndOr", 0);
    EXPECT_EQ(passes(c.address), c.all) << "all: " << c.address;
    d.setInteger("mipContainsAndOr", 1);
    EXPECT_EQ(passes(c.address), c.any) << "any: " << c.address;
    d.setInteger("mipContainsAndOr", 2);
    EXPECT_TRUE(passes(c.address)) << "other values pass everything";
  }
  d.setBool("mipFilter", false);
  d.setInteger("mipContainsAndOr", 0);
  EXPECT_TRUE(passes("http://h/other/draft")) << "filter off";
}

TEST_F(OutputFilterTest, DuringACrawlRecordsAreTestedByAddressWithoutContent) {
  // Content is empty while crawling: "content does not contain" always passes.
  filter.implementRules(std::vector<FilterRule>{makeRule(1, false, 0, "secret")});
  EXPECT_TRUE(filter.oneRuleRequiresContent());
  EXPECT_TRUE(passes("http://h/secret"));
  filter.implementRules(std::vector<FilterRule>{makeRule(0, false, 0, "secret")});
  EXPECT_FALSE(filter.oneRuleRequiresContent());
  EXPECT_FALSE(passes("http://h/secret"));

  // A record is tested by its actual address.
  ZelHub hub("http://h/", tp.platform());
  ZelUrl* r = hub.createRecord();
  r->setLinkUrl("http://h/info/page", false);
  filter.implementRules(std::vector<FilterRule>{makeRule(0, true, 0, "/info/")});
  EXPECT_TRUE(filter.shouldWeScrapeThisUrlBasedOnCurrentRules(r));
  r->setLinkUrl("http://h/news/page", false);
  EXPECT_FALSE(filter.shouldWeScrapeThisUrlBasedOnCurrentRules(r));
}

TEST_F(OutputFilterTest, TermSearch) {
  EXPECT_FALSE(filter.stringContainsOneOfTheseTerms("abc", std::nullopt, false));
  EXPECT_FALSE(filter.stringContainsOneOfTheseTerms("abc", std::vector<std::string>{}, true));
  auto found = filter.stringContainsOneOfTheseTerms(
      "id=12 and ID=7", std::vector<std::string>{"id=(\\d+)"}, true);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (std::vector<std::string>{"12", "7"}));
  found = filter.stringContainsOneOfTheseTerms("http://h/A.pdf",
                                               std::vector<std::string>{"*.pdf$", "zz", "/a."},
                                               false);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (std::vector<std::string>{"*.pdf$", "/a."}));
  EXPECT_FALSE(
      filter.stringContainsOneOfTheseTerms("x", std::vector<std::string>{"y"}, false));
}

TEST_F(OutputFilterTest, SentencesAndSettingsForm) {
  EXPECT_EQ(OutputFilterManager::sentenceFromRule(makeRule(0, false, 0, "x")),
            "URL does not contain: x");
  EXPECT_EQ(OutputFilterManager::sentenceFromRule(makeRule(1, true, 1, "a.*b")),
            "Content does match Regex: a.*b");
  FilterRule partial;
  partial.contains = "only text";
  EXPECT_EQ(OutputFilterManager::sentenceFromRule(partial), "only text");

  // Stored flags may be numbers, booleans or numeric texts; missing keys stay missing.
  const FilterRule read = FilterRule::fromJson(nlohmann::json::parse(
      R"({"mipContainsScope": "1", "mipContainsOrNot": true, "mipContains": "t"})"));
  EXPECT_EQ(read.containsScope, 1);
  EXPECT_EQ(read.containsOrNot, 1);
  EXPECT_FALSE(read.containsMethod.has_value());
  EXPECT_EQ(read.method(), 0);
  EXPECT_EQ(FilterRule::fromJson(read.toJson()), read);
  EXPECT_FALSE(read.toJson().contains("mipContainsMethod"));
  filter.implementRules(nlohmann::json::parse(R"([{"mipContains": "a"}, 5, "x"])"));
  EXPECT_EQ(filter.getArray().size(), 1u) << "entries that are not dictionaries are skipped";
  filter.implementRules(nlohmann::json::parse(R"({"mipContains": "a"})"));
  EXPECT_TRUE(filter.getArray().empty()) << "a value that is not a list gives no rules";
}

TEST_F(OutputFilterTest, EditorAddsListsDeletesAndStores) {
  int sheets = 0, reloads = 0, beeps = 0;
  filter.setHooks({[&] { ++sheets; }, [&] { --sheets; }, [&] { ++reloads; }, [&] { ++beeps; }});

  d.setString("mipContains", "left over");
  filter.beginNewDialog();
  EXPECT_EQ(sheets, 1);
  EXPECT_EQ(d.stringOrEmpty("mipContains"), "");
  EXPECT_EQ(d.integerForKey("mipContainsOrNot"), 1);
  d.setString("mipContains", "/blog/");
  d.setInteger("mipContainsOrNot", 0);
  filter.OKNewDialog();
  EXPECT_EQ(sheets, 0);
  EXPECT_EQ(reloads, 1);
  ASSERT_EQ(filter.numberOfRows(), 1);
  EXPECT_EQ(filter.objectValueForRow(0), "URL does not contain: /blog/");
  EXPECT_EQ(filter.objectValueForRow(1), "");
  EXPECT_EQ(filter.objectValueForRow(-1), "");

  filter.beginNewDialog();
  d.setString("mipContains", "100%");
  filter.cancelNewDialog();
  EXPECT_EQ(filter.numberOfRows(), 1) << "a cancelled sheet adds nothing";
  filter.beginNewDialog();
  d.setString("mipContains", "100%");
  filter.OKNewDialog();

  // The rules are stored; a new editor loads them.
  OutputFilterManager reopened(tp.platform());
  reopened.awakeFromNib();
  EXPECT_EQ(reopened.getArray(), filter.getArray());

  // Deleting asks first; only "Delete" removes.
  EXPECT_FALSE(filter.deleteSelectedRule(std::nullopt));
  EXPECT_FALSE(filter.deleteSelectedRule(2));
  EXPECT_EQ(beeps, 2);
  EXPECT_TRUE(tp.alerts.shown.empty());
  tp.alerts.answers = {0, 1};
  EXPECT_FALSE(filter.deleteSelectedRule(1));
  ASSERT_EQ(tp.alerts.shown.size(), 1u);
  EXPECT_EQ(tp.alerts.shown[0].title, "Delete Filter Rule");
  EXPECT_EQ(tp.alerts.shown[0].message,
            "Are you sure you want to delete the rule 'URL does contain: 100%'?");
  EXPECT_EQ(tp.alerts.shown[0].buttons, (std::vector<std::string>{"Cancel", "Delete"}));
  EXPECT_EQ(filter.numberOfRows(), 2);
  EXPECT_TRUE(filter.deleteSelectedRule(1));
  EXPECT_EQ(filter.numberOfRows(), 1);
  OutputFilterManager afterDelete(tp.platform());
  afterDelete.awakeFromNib();
  EXPECT_EQ(afterDelete.numberOfRows(), 1);

  // Clearing removes the stored rules only.
  filter.clearRules();
  EXPECT_FALSE(d.objectForKey("mipFilterRules").has_value());
  EXPECT_EQ(filter.numberOfRows(), 1);
}

}  // namespace
}  // namespace zel
