// XML sitemaps and plain lists of URLs, read lazily by getNextHref.
#include <gtest/gtest.h>

#include "parser_test_util.h"

namespace zel::testing {
namespace {

using Strings = std::vector<std::string>;

std::unique_ptr<ZelParser> lazyParser(std::string_view data, int fileType, const Defaults& d) {
  return ZelParser::initWithData(data, false, false, encoding::kUTF8, fileType, true, d, nullptr);
}

TEST(Sitemap, EveryLocElementReadLazilyAndMalformedInputEndsCleanly) {
  auto d = settings();
  auto p = lazyParser(fixture("sitemap.xml"), kFileTypeXML, *d);
  ASSERT_TRUE(p);
  EXPECT_EQ(urls(*p), (Strings{"https://example.com/", "https://example.com/padded",
                               "https://example.com/upper", "https://example.com/p?a=1&b=2",
                               "https://example.com/split/over/lines",
                               "https://example.com/cdata?a=1&b=2", "https://example.com/last"}));
  EXPECT_FALSE(p->getNextHref());
  // Nothing but addresses in this mode.
  EXPECT_EQ(p->getLinkText(), "");
  EXPECT_EQ(p->getRel(), "");
  EXPECT_FALSE(p->getLineNumber());
  EXPECT_EQ(p->getCollectionCount(), 0u);
  // Read lazily: reset rewinds.
  p = lazyParser("<urlset><url><loc>/a</loc></url><url><loc>/b</loc></url></urlset>",
                      kFileTypeXML, *d);
  EXPECT_EQ(p->getNextHref(), "/a");
  EXPECT_EQ(p->getNextHref(), "/b");
  EXPECT_FALSE(p->getNextHref());
  p->reset();
  EXPECT_EQ(p->getNextHref(), "/a");
  // setXMLMode switches a lazy list parser.
  p = lazyParser("<loc>/x</loc>", kFileTypeTextList, *d);
  p->setXMLMode();
  EXPECT_EQ(urls(*p), Strings{"/x"});
  // Malformed input ends cleanly.
  const std::pair<const char*, Strings> cases[] = {
      {"<loc>/a</loc><loc>/unterminated", {"/a"}}, {"<loc>/a</loc><loc", {"/a"}},
      {"<loc></loc><loc> </loc>", {"", ""}},      {"<!-- unclosed <loc>/x</loc>", {}},
      {"<!DOCTYPE x><loc>/d</loc>", {"/d"}},      {"<image:loc>/no</image:loc>", {}},
      {"<loc/><loc>/after-empty</loc>", {"/after-empty"}}, {"plain text without tags", {}},
      {"<loc>/a</loc><url\xff\xfe\x80><loc>/b</loc>", {"/a", "/b"}},
  };
  for (const auto& [xml, expected] : cases) {
    auto p = lazyParser(xml, kFileTypeXML, *d);
    ASSERT_TRUE(p) << xml;
    EXPECT_EQ(urls(*p), expected) << xml;
  }
  // A very long tag or loc is cut, not read forever.
  std::string longLoc = "<loc>/" + std::string(3000, 'x') + "</loc>";
  p = lazyParser(longLoc, kFileTypeXML, *d);
  auto u = p->getNextHref();
  ASSERT_TRUE(u);
  EXPECT_EQ(u->size(), 1498u);
}

// Lists are split at white space, and at commas in mode 2 only (any other
// positive file type reads like mode 1); references are decoded, spaces escaped.
TEST(UrlList, Tokens) {
  auto d = settings();
  const struct {
    std::string data;
    int fileType;
    Strings urls;
  } cases[] = {
      {fixture("urls.txt"),
       kFileTypeTextList,
       {"https://example.com/a", "https://example.com/b", "https://example.com/c",
        "https://example.com/d", "https://example.com/quoted"}},
      {fixture("urls_comma.txt"),
       kFileTypeCommaList,
       {"https://example.com/x", "https://example.com/y", "https://example.com/z"}},
      {"'/x','/y'", kFileTypeCommaList, {"/x", "/y"}},
      {"'/x','/y'", kFileTypeTextList, {"/x','/y"}},
      {"/p,/q /r", 3, {"/p,/q", "/r"}},
      {"/a?x=1&amp;y=2 /b&#32;c /caf\xc3\xa9 /d\xe9",
       kFileTypeTextList,
       {"/a?x=1&y=2", "/b%20c", "/caf\u00e9", "/d\u00e9"}},
      {" \n\t\r\n ", kFileTypeTextList, {}},
      {",,, ,", kFileTypeCommaList, {}},
      // A line whose first non-blank character is '#' is a comment; a '#' elsewhere is not.
      {"# links to check\n/a\n  \t# /b /c\r\n/d#x /e #f\n#", kFileTypeTextList,
       {"/a", "/d#x", "/e", "#f"}},
      {"#only a comment", kFileTypeCommaList, {}},
  };
  for (const auto& c : cases) {
    auto p = lazyParser(c.data, c.fileType, *d);
    ASSERT_TRUE(p) << c.data;
    EXPECT_EQ(urls(*p), c.urls) << c.data;
    EXPECT_EQ(p->getLinkText(), "") << c.data;
  }
  EXPECT_FALSE(lazyParser("", kFileTypeTextList, *d));
}

}  // namespace
}  // namespace zel::testing
