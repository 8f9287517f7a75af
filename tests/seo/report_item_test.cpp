// Report rows: statuses split at " < ", field access by
// name (with the target record's fields), search and sorting.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
#include "seo/zel_report_item.h"
#include "support/test_platform.h"

namespace zel {
namespace {

struct SortBy : ReportSortOwner {
  std::string field;
  bool ascending = true;
  std::string getCurrentSortField() const override { return field; }
  bool getCurrentSortAscending() const override { return ascending; }
};

TEST(ReportItem, StatusesAddressesAndFields) {
  test::TestPlatform tp;
  ZelHub hub("http://site.test/", tp.platform());
  ZelUrl* target = hub.createRecord();
  target->setLinkUrl("http://site.test/a", false);
  target->setFileSize(3000);
  target->setStatus("200 no error");

  ZelReportItem item;
  item.setStatus("200 no error < 301 moved permanently");
  EXPECT_EQ(item.getFinalStatus(), "200 no error");
  EXPECT_EQ(item.getInitialStatus(), "301 moved permanently");
  item.setStatus("404 not found");
  EXPECT_EQ(item.getFinalStatus(), "404 not found");
  EXPECT_EQ(item.getInitialStatus(), "404 not found");

  item.setLinkText(std::string_view(" \n Read more \r\n"));
  item.setLinkText(std::nullopt);
  EXPECT_EQ(item.getLinkText(), "Read more");
  item.setOnPageUrl("http://site.test/");
  item.setNofollow(true);
  item.setDistanceFromHome(2);
  item.setZelUrl(target);
  const std::pair<const char*, std::string> fields[] = {
      {"linktext", "Read more"},
      {"nofollow", "Yes"},
      {"distance", "2"},
      {"onpageurlhtml", "<a href = \"http://site.test/\" target=\"_blank\">http://site.test/</a>"},
      {"filesize", "2kb"},
      {"linkurlhtml", "<a href=\"http://site.test/a\" target=\"_blank\">http://site.test/a</a>"},
      {"LinkText", ""},
      {"nosuchfield", ""},
  };
  for (const auto& [name, text] : fields) EXPECT_EQ(item.getFieldByName(name), text) << name;
  EXPECT_FLOAT_EQ(item.getFieldAsNumberByName("filesize"), 2.0f) << "whole kilobytes from 2 up";
  EXPECT_EQ(item.getFieldAsNumberByName("distance"), 0);
}

TEST(ReportItem, SearchCountingAndSorting) {
  ZelReportItem a, b;
  a.setLinkText(std::string_view("aaa menu"));
  b.setLinkText(std::string_view("Banana"));
  b.setRedir("http://site.test/MENU");
  EXPECT_TRUE(a.contains("MENU"));
  EXPECT_TRUE(b.contains("menu"));
  EXPECT_FALSE(a.contains("banana"));
  EXPECT_TRUE(a.countSEOTerm("aa"));
  EXPECT_EQ(a.getOccurrencesInLinkText(), 2) << "overlapping matches count";
  EXPECT_FALSE(b.countSEOTerm("kiwi"));

  SortBy sort;
  sort.field = "linktext";
  a.setOwner(&sort);
  EXPECT_EQ(a.caseInsensitiveCompare(b), -1);
  sort.ascending = false;
  EXPECT_EQ(a.caseInsensitiveCompare(b), 1);
  EXPECT_EQ(a.caseInsensitiveCompare(a), 0);
}

}  // namespace
}  // namespace zel
