// The SEO collector: pages counted once, thin content, title and description
// lengths, duplicates, and the short summary as text and CSV.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
#include "seo/text_set.h"
#include "support/test_platform.h"

namespace zel {
namespace {

class SeoManagerTest : public ::testing::Test {
 protected:
  test::TestPlatform tp;
  ZelHub hub{"http://site.test/", tp.platform()};
  ZelSEOManager& seo = hub.seoManager();

  ZelUrl* page(const std::string& path, const std::string& title, int64_t words,
               int64_t bytes = 1000) {
    ZelUrl* r = hub.createRecord();
    r->setLinkUrl("http://site.test" + path, false);
    r->setLinkPageTitle(title);
    r->setWordCount(words);
    r->setFileSize(bytes);
    r->setHeadings(std::vector<std::string>{"Heading"});
    return r;
  }
};

TEST_F(SeoManagerTest, CountsPagesOnceAndTheirProblems) {
  tp.defaults.setBool("SEOEnabled", true);
  // Every counter zero: only the not-checked lines.
  EXPECT_EQ(seo.getShortSummary(), "keyword density not checked\nimages not checked\n");
  EXPECT_EQ(seo.getShortSummaryAsCSV(), "count,test\n");
  tp.defaults.setBool("checkImages", true);
  tp.defaults.setInteger("metaTitleMax", 10);
  ZelUrl* thin = page("/thin", "Short", 249);
  ZelUrl* fine = page("/fine", "A much longer title", 250);
  seo.add(thin);
  seo.add(thin);  // the same page again: counted once
  seo.add(fine);
  EXPECT_EQ(seo.getTotalPageCount(), 2);
  EXPECT_EQ(seo.counters().thincontent, 1) << "249 words are thin, 250 are not";
  EXPECT_EQ(seo.counters().titlelength, 1);
  EXPECT_EQ(seo.counters().nodesc, 2);
  EXPECT_EQ(seo.getShortSummary(),
            "2 pages without description\n1 pages with long title\nkeyword density not checked\n"
            "1 pages with thin content\n");
  EXPECT_EQ(seo.getShortSummaryAsCSV(),
            "count,test\n2,pages without description\n1,pages with long title\n"
            "1,pages with thin content\n");
}

TEST_F(SeoManagerTest, DuplicatesNeedTheSameTitleAndSize) {
  tp.defaults.setBool("SEOEnabled", true);
  tp.defaults.setInteger("metaTitleMax", 100);
  seo.add(page("/a", "Same", 400, 1000));
  seo.add(page("/b", "Same", 400, 1000));
  seo.add(page("/c", "Other", 400, 1000));
  seo.add(page("/d", "Other", 400, 2000));
  const std::string summary = seo.getShortSummary();
  EXPECT_NE(summary.find("2 pages with possible duplicates\n"), std::string::npos) << summary;
  EXPECT_NE(summary.find("4 pages with duplicate titles\n"), std::string::npos) << summary;
  EXPECT_EQ(seo.getShortSummary(), summary) << "asking twice gives the same text";
}

// The set behind the collection's one-page-per-address rule: texts across
// chunk ends and longer than a chunk, each found again and refused a second time.
TEST(TextSetTest, KeepsEveryTextOnce) {
  TextSet set;
  std::vector<std::string> texts;
  for (int i = 0; i < 20000; ++i) texts.push_back("http://site.test/page-" + std::to_string(i));
  texts.push_back(std::string(100000, 'x'));
  texts.push_back("");
  texts.push_back("http://site.test/after-the-long-one");
  for (const std::string& t : texts) ASSERT_TRUE(set.insert(t)) << t.size();
  for (const std::string& t : texts) {
    ASSERT_TRUE(set.contains(t)) << t.substr(0, 40);
    ASSERT_FALSE(set.insert(t)) << t.substr(0, 40);
  }
  EXPECT_FALSE(set.contains("http://site.test/page-20000"));
  EXPECT_EQ(set.size(), texts.size());
  set.clear();
  EXPECT_FALSE(set.contains(texts[0]));
  EXPECT_TRUE(set.insert(texts[0]));
}

}  // namespace
}  // namespace zel
