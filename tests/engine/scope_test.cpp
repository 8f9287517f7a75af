// Scope rules: internal hosts and files, directories, "../" above the root,
// the ignore and information-page lists, known addresses, and the robots.txt
// reader.
#include <gtest/gtest.h>

#include "engine/robots_txt.h"
#include "engine/zel_hub.h"
#include "seo/output_filter_manager.h"
#include "support/test_platform.h"

namespace zel {
namespace {

TEST(RobotsTxt, GroupsForUs) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* text;
    Lines disallow, allow;
  } cases[] = {
      // The kind of the first group for us wins; later groups of that kind count too.
      {"User-agent: *\nDisallow: /x\n\nUser-agent: Googlebot\nDisallow: /y\n", {" /x"}, {}},
      {"User-agent: Googlebot\nDisallow: /y\n\nUser-agent: *\nDisallow: /x\n", {" /y"}, {}},
      {"User-agent: *\nDisallow: /a\nUser-agent: Googlebot\nDisallow: /b\n"
       "User-agent: *\nDisallow: /c\n",
       {" /a", " /c"}, {}},
      // The image bot and other agents are not us.
      {"User-agent: Googlebot-Image\nDisallow: /img\n", {}, {}},
      {"User-agent: googlebot-image\nDisallow: /img\nUser-agent: Bingbot\nDisallow: /bing\n"
       "User-agent: *\nDisallow: /all\n",
       {" /all"}, {}},
      // Unicode line and next-line separators end lines.
      {"User-agent: *\xE2\x80\xA8" "Disallow: /u\xC2\x85" "Allow: /v", {" /u"}, {" /v"}},
  };
  for (const auto& c : cases) {
    const RobotsRules r = parseRobotsTxt(c.text, nullptr);
    EXPECT_EQ(r.disallow, c.disallow) << c.text;
    EXPECT_EQ(r.allow, c.allow) << c.text;
  }
}

TEST(RobotsTxt, LinesFieldsAndValues) {
  // CRLF and CR line ends, fields in any case with spaces before them, Allow
  // lines, a value cut at its second ":", and lines without ":" skipped.
  const char* text =
      "# comment\r\nUser-agent: *\r\n  disallow: /private\r\nALLOW: /private/ok\r"
      "Disallow: /a:b\r\nDisallow:\r\nnonsense line\r\nSitemap: http://h/s.xml\r\n";
  test::TestPlatform tp;
  tp.defaults.setInteger("verbosity", 1);
  RobotsRules r = parseRobotsTxt(text, &tp.log);
  EXPECT_EQ(r.disallow, (std::vector<std::string>{" /private", " /a", ""}));
  EXPECT_EQ(r.allow, std::vector<std::string>{" /private/ok"});
  EXPECT_TRUE(tp.logged("we are star"));
  EXPECT_FALSE(tp.logged("we are Google"));
}

// Gives tests the fields that start-up fills.
class ScopeHub : public ZelHub {
 public:
  using ZelHub::ZelHub;
  using ZelHub::domains_;
  using ZelHub::followBlacklistArray_;
  using ZelHub::outputFilterManager_;
  using ZelHub::scanningHttpsSite_;
};

class ScopeTest : public ::testing::Test {
 protected:
  test::TestPlatform tp;
  ScopeHub hub{"http://site.test/", tp.platform()};
  Defaults& d = tp.defaults;

  std::optional<Url> url(const char* text) { return Url::parse(text); }
};

TEST_F(ScopeTest, CompareHostFileAddressesAndHttpOnHttps) {
  const std::vector<std::string> folder{"file:///Users/me/site"};
  EXPECT_TRUE(hub.fileUrlIsInternal(*url("file:///Users/me/site/a/b.html"), folder));
  EXPECT_TRUE(hub.fileUrlIsInternal(*url("file:///users/ME/site/b.html"), folder));
  EXPECT_FALSE(hub.fileUrlIsInternal(*url("file:///Users/you/b.html"), folder));
  EXPECT_FALSE(hub.fileUrlIsInternal(*url("http://Users/me/site/b.html"), {"http://Users"}))
      << "only file addresses pass";

  EXPECT_TRUE(ZelHub::isLinkHttpOnHttpsSite("http://h/a", "https://h/"));
  EXPECT_FALSE(ZelHub::isLinkHttpOnHttpsSite("https://h/a", "https://h/"));
  EXPECT_FALSE(ZelHub::isLinkHttpOnHttpsSite("http://h/a", "http://h/"));

  const std::vector<std::string> none;
  EXPECT_TRUE(hub.compareHost("anything.test", none)) << "an empty list takes every host";
  EXPECT_FALSE(hub.compareHost(std::nullopt, none)) << "an absent host is external";

  const std::vector<std::string> site{"site.test"};
  EXPECT_TRUE(hub.compareHost("SITE.Test", site));
  EXPECT_FALSE(hub.compareHost("other.test", site));
  EXPECT_TRUE(hub.compareHost("b\xC3\xBC" "cher.de", {"xn--bcher-kva.de"}))
      << "a Unicode host matches its punycode entry";

  EXPECT_FALSE(hub.compareHost("sub.site.test", site)) << "subdomains only when asked";
  EXPECT_FALSE(hub.compareHost("www.site.test", site));
  d.setBool("followSubdomains", true);
  EXPECT_TRUE(hub.compareHost("sub.site.test", site));
  EXPECT_TRUE(hub.compareHost("a.site.test.evil.example", site)) << "containment, not suffix";
  EXPECT_FALSE(hub.compareHost("www.site.test", site)) << "www.D is not a subdomain of D";
  EXPECT_FALSE(hub.compareHost("notsite.test", site));
  EXPECT_TRUE(hub.compareHost("site.test", {"shop.site.test"})) << "the test runs both ways";
  EXPECT_TRUE(hub.compareHost("a.shop.site.test", {"shop.site.test"}));
  // The "www." taken off the host stays off for later entries.
  EXPECT_FALSE(hub.compareHost("www.site.test", {"x.test", "www.site.test"}));
  EXPECT_TRUE(hub.compareHost("www.site.test", {"www.site.test", "x.test"}));
}

TEST_F(ScopeTest, DomainListAndRedirectScope) {
  hub.domains_ = {"site.test"};
  hub.addToDomainsList("");
  hub.addToDomainsList(std::nullopt);
  hub.addToDomainsList("site.test");
  hub.addToDomainsList("cdn.test");
  EXPECT_EQ(hub.getDomains(), (std::vector<std::string>{"site.test", "cdn.test"}));

  ZelUrl* start = hub.createRecord();
  start->setLinkUrl("http://www.moved.test/home", false);
  hub.resetDomain(start);
  EXPECT_EQ(hub.getDomains(),
            (std::vector<std::string>{"site.test", "cdn.test", "www.moved.test"}));

  EXPECT_FALSE(hub.redirectUrlIsExternal("http://site.test/new", "ignored"));
  EXPECT_TRUE(hub.redirectUrlIsExternal("http://elsewhere.test/", "ignored"));
  EXPECT_FALSE(hub.redirectUrlIsExternal("not a url", "ignored")) << "unparsable: not external";

  hub.scanningHttpsSite_ = true;
  EXPECT_FALSE(hub.redirectUrlIsExternal("http://site.test/new", ""));
  d.setBool("httpIsExternal", true);
  EXPECT_TRUE(hub.redirectUrlIsExternal("http://site.test/new", ""));
  EXPECT_FALSE(hub.redirectUrlIsExternal("https://site.test/new", ""));

  // A crawl of a list follows redirects anywhere.
  ZelUrl* list = hub.createRecord();
  list->setLinkUrl("http://site.test/list.txt", false);
  hub.add(list);
  EXPECT_TRUE(hub.startingPointWasList());
  EXPECT_FALSE(hub.redirectUrlIsExternal("http://elsewhere.test/", ""));
}

struct DirectoryCase {
  const char* url;
  const char* path;
  const char* rule;
};

TEST_F(ScopeTest, DirectoryOfAnAddress) {
  const DirectoryCase cases[] = {
      {"http://h.test/dir/page.html", "/dir", "!h.test/dir"},
      {"http://h.test/dir/sub/", "/dir/sub", "!h.test/dir/sub"},
      {"http://h.test/dir/sub", "/dir", "!h.test/dir"},
      {"http://h.test/dir/sub?x=1.5", "/dir", "!h.test/dir"},
      {"http://h.test/index.html", "", "!h.test"},
      {"http://h.test/", "", "!h.test"},
      {"http://h.test/a%20b/c.html", "/a b", "!h.test/a b"},
      {"http://h.test:8080/dir/x.html", "/dir", "!h.test:8080/dir"},
      {"file:///Users/me/site/x.html", "/Users/me/site", "!/Users/me/site"},
  };
  for (const auto& c : cases) {
    hub.followBlacklistArray_.clear();
    EXPECT_EQ(hub.getpathFromUrl(*url(c.url), true), c.path) << c.url;
    ASSERT_EQ(hub.followBlacklistArray_.size(), 1u) << c.url;
    EXPECT_EQ(hub.followBlacklistArray_[0], c.rule) << c.url;
  }
  hub.followBlacklistArray_.clear();
  EXPECT_EQ(hub.getpathFromUrl(*url("http://h.test/a/b.html"), false), "/a");
  EXPECT_TRUE(hub.followBlacklistArray_.empty());
}

TEST_F(ScopeTest, UpADirectory) {
  auto up = [&](const char* text) { return hub.dealWithUpADirectory(*url(text)).absoluteString(); };
  EXPECT_EQ(up("http://h.test/a/b/../c.html"), "http://h.test/a/c.html");
  EXPECT_EQ(up("http://h.test/a/b/../../c.html?q=1#f"), "http://h.test/c.html?q=1#f");
  EXPECT_EQ(up("http://h.test/a/./../c"), "http://h.test/c");
  // Climbing above the root keeps the "../" (the record then reports it) ...
  EXPECT_EQ(up("http://h.test/../c.html"), "http://h.test/../c.html");
  EXPECT_EQ(up("http://h.test/a/../../../c.html"), "http://h.test/../../c.html");
  EXPECT_EQ(up("file:///Users/me/../../../x.html"), "file:///../x.html");
  EXPECT_EQ(up("http://h.test/plain/"), "http://h.test/plain/");
  // ... unless tolerated.
  d.setBool("tolerateUpADirectory", true);
  d.setInteger("verbosity", 2);
  EXPECT_EQ(up("http://h.test/../../c.html"), "http://h.test/c.html");
  EXPECT_TRUE(tp.logged("we're being tolerant - http://h.test/../../c.html is now http://h.test/c.html"));
}

TEST_F(ScopeTest, TermLists) {
  EXPECT_FALSE(hub.shouldBeIgnored("http://h/print/1"));
  d.setStringArray("ignoreArray", {"/print/"});
  EXPECT_TRUE(hub.shouldBeIgnored("http://h/print/1"));
  EXPECT_FALSE(hub.shouldBeIgnored("http://h/view/1"));

  EXPECT_FALSE(hub.urlIsInformationPage("http://h/info/1")) << "no rules, no information pages";
  hub.outputFilterManager_ = std::make_unique<OutputFilterManager>(tp.platform());
  FilterRule rule;
  rule.containsOrNot = 1;
  rule.contains = "/info/";
  hub.outputFilterManager_->implementRules(std::vector<FilterRule>{rule});
  d.setBool("mipFilter", true);
  EXPECT_TRUE(hub.urlIsInformationPage("http://h/info/1"));
  EXPECT_FALSE(hub.urlIsInformationPage("http://h/other/1"));
}

TEST(ScopeText, FirstCharOf) {
  EXPECT_EQ(ZelHub::firstCharOf(std::nullopt), 0);
  EXPECT_EQ(ZelHub::firstCharOf(""), 0);
  EXPECT_EQ(ZelHub::firstCharOf("#x"), '#');
  EXPECT_EQ(ZelHub::firstCharOf("\xC3\xA9t\xC3\xA9"), 0xE9);
  EXPECT_EQ(ZelHub::firstCharOf("\xF0\x9F\x98\x80"), 0xD83D) << "the high surrogate";
  EXPECT_EQ(ZelHub::firstCharOf("\xFF"), 0xFFFD);
}

TEST_F(ScopeTest, KnownAddresses) {
  ZelUrl* a = hub.createRecord();
  hub.addToLookup(a, "http://h.test/a");
  EXPECT_EQ(hub.weHaveThisOneAlready("", nullptr, true), nullptr);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a", nullptr, true), a);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a#part", nullptr, true), a);
  EXPECT_EQ(hub.weHaveThisOneAlready("http:///h.test/a", nullptr, true), a) << "\"///\" is \"//\"";
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a#!state", nullptr, true), nullptr);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a?x=1", nullptr, true), nullptr);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a/", nullptr, true), nullptr);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a", a, true), nullptr) << "ignored record";

  d.setBool("trimQuery", true);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a?x=1", nullptr, true), a);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a?x=1", nullptr, false), nullptr)
      << "queries are trimmed for internal addresses only";
  d.setBool("shouldIgnoreSlash", true);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a/", nullptr, true), a);
  d.setBool("dontTrimHash", true);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/a#part", nullptr, true), nullptr);
  d.setBool("dontTrimHash", false);

  // An address some record was redirected to finds that record.
  ZelUrl* b = hub.createRecord();
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/target", nullptr, true), nullptr);
  hub.addToRedirLookup(b, "http://h.test/target");
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/target#x", nullptr, true), b);
  EXPECT_EQ(hub.weHaveThisOneAlready("http://h.test/target", b, true), nullptr);
}

}  // namespace
}  // namespace zel
