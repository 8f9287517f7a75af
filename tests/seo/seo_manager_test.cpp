// The SEO collector: pages counted once, thin content, title and description
// lengths, duplicates, and the short summary as text and CSV.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
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

// The one-page-per-address rule on a collection that grows many times: a
// second record for an address (here with a fragment) is not added.
TEST_F(SeoManagerTest, KeepsOnePageAnAddress) {
  tp.defaults.setBool("SEOEnabled", true);
  for (int i = 0; i < 5000; ++i) seo.add(page("/page-" + std::to_string(i), "Title", 300));
  for (int i = 0; i < 5000; i += 7) seo.add(page("/page-" + std::to_string(i) + "#part", "T", 300));
  seo.add(page("/page-5000", "Title", 300));
  EXPECT_EQ(seo.getCount(), 5001u);
}

}  // namespace
}  // namespace zel
