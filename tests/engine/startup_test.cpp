// Starting a crawl: typed addresses, kinds of start, scope lists, directory
// limits and the ambiguous-start question, domains, robots.txt from a local
// server, the start's encoding, record 0 and its request, and bad starts.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
#include "platform/text_codec.h"
#include "seo/output_filter_manager.h"
#include "support/faulty_loader.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "support/test_server.h"

namespace zel {
namespace {

// Starts whose host must never be contacted: every request fails as a failed
// name look-up would, the asynchronous ones on a later turn of the loop.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    offline.unresolvable("*");
    tp.useLoader(&offline);
  }
  std::unique_ptr<ZelHub> offlineHub(const std::string& start) {
    return std::make_unique<ZelHub>(start, tp.platform());
  }
  static std::vector<std::string> urls(const std::vector<UrlRequest>& requests) {
    std::vector<std::string> out;
    for (const UrlRequest& r : requests) out.push_back(r.url);
    return out;
  }

  test::TestPlatform tp;
  test::FaultyLoader offline{*tp.loader, tp.loop};
  Defaults& d = tp.defaults;
};

TEST(StartupText, TypedAddressesAndListEntries) {
  const std::pair<const char*, const char*> cases[] = {
      {"host/page", "http://host/page"},
      {"/tmp/a", "http:///tmp/a"},  // too short to be taken for a local path
      {"/Users/me/My Site/index.html", "file:///Users/me/My%20Site/index.html"},
      {"/tmp/a&amp;b/x.html", "file:///tmp/a&b/x.html"},
      {"/Volumes/Disk/site/", "file:///Volumes/Disk/site/"},
      {"/private/var/x.html", "file:///private/var/x.html"},
      {"/home/me/site/index.html", "http:///home/me/site/index.html"},
      {"  https://site.test/a \r\n", "https://site.test/a"},
      {"ftp://files.test/", "ftp://files.test/"},
      {"a://b", "http://a://b"},  // under 7 characters: a host even with "://"
      {"site.tst", "http://site.tst"},
      {"www.site.test", "http://www.site.test"},
  };
  for (const auto& [typed, expected] : cases)
    EXPECT_EQ(ZelHub::normalisedStartingAddress(typed), expected) << '"' << typed << '"';
  // List entries are trimmed, and made absolute on the start's host.
  EXPECT_TRUE(ZelHub::trimEachItemInArray(std::nullopt).empty());
  EXPECT_EQ(ZelHub::trimEachItemInArray(std::vector<std::string>{" a ", "", "\t\n", "b\r\n"}),
            (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ZelHub::makeEachItemInArray({" /x", "", " ", "*.pdf$", "/"}, "site.test/"),
            (std::vector<std::string>{"site.test/x", "*.pdf$", "site.test/"}));
  EXPECT_EQ(ZelHub::makeEachItemInArray({"/x"}, "site.test"),
            std::vector<std::string>{"site.test/x"});
}

// An empty start does nothing at all; one that makes no URL says so and sends nothing.
TEST_F(StartupTest, BadStarts) {
  auto empty = offlineHub("");
  EXPECT_FALSE(empty->go());
  EXPECT_TRUE(tp.alerts.shown.empty());
  EXPECT_EQ(empty->getTotalLinkCount(), 0);

  auto hub = offlineHub("http://a b.test/page");
  EXPECT_FALSE(hub->go());
  ASSERT_EQ(tp.alerts.shown.size(), 1u);
  EXPECT_EQ(tp.alerts.shown[0].title, "Unsupported url");
  EXPECT_EQ(tp.alerts.shown[0].message,
            "Zelmora can not make a valid url from:\nhttp://a b.test/page");
  EXPECT_EQ(tp.alerts.shown[0].buttons, std::vector<std::string>{"OK"});
  // Record 0 is made and announced before the address is tried.
  EXPECT_EQ(hub->getTotalLinkCount(), 1);
  EXPECT_GT(tp.timesPosted("ZelListenerShouldUpdateData"), 0u);
  EXPECT_TRUE(offline.synchronous.empty()) << "no robots.txt, no encoding read";
  EXPECT_TRUE(offline.started.empty());
  EXPECT_EQ(hub->getThreadsInFlight(), 0);
}

TEST_F(StartupTest, ScopeListsAndSettingsWrittenBack) {
  d.setStringArray("checkBlacklistArray", {" keep as is "});
  d.setStringArray("followBlacklistArray", {" /x ", "", "\n"});
  d.setStringArray("followWhitelistArray", {"/y\t"});
  d.setString("soft404Terms", "not found\n  gone  \n\n");
  d.setObject("superWhitelistArray",
              nlohmann::json::parse(R"([{"mipContains": "/info/", "mipContainsOrNot": 1}])"));
  d.setBool("includeimagesinsitemap", true);
  d.setBool("trimQuery", true);
  d.setBool("dontTrimHash", true);
  d.setInteger("verbosity", 1);

  auto hub = offlineHub("http://site.test/");
  ASSERT_TRUE(hub->go());
  EXPECT_EQ(hub->getCheckBlacklistArray(),
            (std::vector<std::string>{" keep as is ", "xmlrpc.php", "wlwmanifest.xml",
                                      "gmpg.org/xfn/11", "admin-ajax.php", "about:blank",
                                      "/trackback"}));
  EXPECT_EQ(hub->getFollowBlacklistArray(), std::vector<std::string>{"/x"});
  EXPECT_EQ(hub->getFollowWhitelistArray(), std::vector<std::string>{"/y"});
  EXPECT_EQ(hub->getSoft404Array(), (std::vector<std::string>{"not found", "gone"}));
  ASSERT_NE(hub->getOutputFilterManager(), nullptr);
  EXPECT_EQ(hub->getOutputFilterManager()->getArray().size(), 1u);
  EXPECT_TRUE(d.boolForKey("checkImages"));
  EXPECT_FALSE(d.boolForKey("dontTrimHash"));
  EXPECT_EQ(d.integerForKey("plainTextMode"), 0);
  EXPECT_FALSE(d.boolForKey("wixSite"));
  EXPECT_FALSE(hub->isScanningHttpsSite());
  // The offline robots.txt request was tried and left the robots lists absent.
  EXPECT_EQ(offline.synchronous.front().url, "http://site.test/robots.txt");
  EXPECT_FALSE(hub->getRobotsBlacklistArray().has_value());
  EXPECT_TRUE(tp.logged(
      "no data returned for robots.txt at location http://site.test/robots.txt, status code 0"));
  EXPECT_TRUE(tp.logged("unable to detect encoding"));
  // Record 0 asked for its request (what it holds: ServedStart).
  EXPECT_EQ(urls(offline.started), std::vector<std::string>{"http://site.test/"});

  auto plain = offlineHub("https://site.test/");
  d.removeObject("superWhitelistArray");
  ASSERT_TRUE(plain->go());
  EXPECT_EQ(plain->getOutputFilterManager(), nullptr);
  EXPECT_TRUE(plain->isScanningHttpsSite());
  const auto sent = urls(offline.synchronous);
  EXPECT_EQ(sent.back(), "https://site.test/") << "the start is read for its encoding";
  EXPECT_NE(std::find(sent.begin(), sent.end(), "https://site.test/robots.txt"), sent.end());
}

TEST_F(StartupTest, Domains) {
  const struct {
    bool subdomains;
    const char* start;
    std::vector<std::string> domains;
  } cases[] = {
      {false, "http://www.site.test/", {"www.site.test"}},
      {true, "http://www.site.test/", {"www.site.test", "site.test"}},
      {true, "http://shop.site.test/", {"shop.site.test"}},
      {true, "/tmp/a", {""}},  // no host: one empty domain
  };
  for (const auto& c : cases) {
    d.setBool("followSubdomains", c.subdomains);
    auto hub = offlineHub(c.start);
    ASSERT_TRUE(hub->go()) << c.start;
    EXPECT_EQ(hub->getDomains(), c.domains) << c.start;
  }
}

struct DirectoryCase {
  const char* start;
  std::optional<const char*> rule;   // the rule added to followBlacklistArray
  std::optional<const char*> scope;  // scopeDescriptive; nullopt: left as it was
  bool lastSegmentIsPage = false;    // wordpressUrls afterwards
  const char* setting = nullptr;     // switched on for this start
  int answer = -1;                   // to the ambiguous-start question; -1: none asked
  const char* goesOnWith = nullptr;  // the starting address the crawl goes on with, when new
};

// A start in a folder limits the crawl to it; one whose last segment could be
// a page or a folder is asked about, unless wordpressUrls already says pages.
TEST_F(StartupTest, DirectoryLimitsAndTheAmbiguousStart) {
  const DirectoryCase cases[] = {
      {"http://site.test/a/b/page.html", "!site.test/a/b", "limiting crawl to directory: /a/b"},
      {"http://site.test:8080/a/", "!site.test:8080/a", "limiting crawl to directory: /a"},
      {"site.test/blog/", "!site.test/blog", "limiting crawl to directory: /blog"},
      {"http://site.test/a/b?x=1", "!site.test/a", "limiting crawl to directory: /a", true},
      {"http://site.test/a/b.php?x=1.5", "!site.test/a", "limiting crawl to directory: /a"},
      {"http://site.test/", std::nullopt, std::nullopt},
      {"http://site.test", std::nullopt, std::nullopt},
      {"http://site.test/index.html", std::nullopt, std::nullopt},
      {"http://site.test:8080/index.html", std::nullopt, std::nullopt},
      // Switched off, the limit goes and the scope is cleared; a single page asks
      // nothing and shows no scope, but still limits following.
      {"http://site.test/a/b/page.html", std::nullopt, "", false, "crawlAboveStartingDirectory"},
      {"http://site.test/a/b", "!site.test/a/b", "", false, "singlePage"},
      {"http://site.test/a/b", "!site.test/a", "limiting crawl to directory: /a", true, nullptr, 0},
      {"http://site.test/a/b", "!site.test/a/b", "limiting crawl to directory: /a/b", false,
       nullptr, 1, "http://site.test/a/b/"},
      {"http://site.test/blog/my-post", "!site.test/blog", "limiting crawl to directory: /blog",
       true, "wordpressUrls"},
      {"http://site.test/my-post", std::nullopt, "", true, "wordpressUrls"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.start);
    d.setString("scopeDescriptive", "untouched");
    d.removeObject("startingUrl");
    for (const char* key : {"crawlAboveStartingDirectory", "singlePage", "wordpressUrls"})
      d.setBool(key, c.setting && std::string(c.setting) == key);
    tp.alerts.shown.clear();
    tp.alerts.answers = {c.answer};
    auto hub = offlineHub(c.start);
    ASSERT_TRUE(hub->go());
    if (c.rule)
      EXPECT_EQ(hub->getFollowBlacklistArray(), std::vector<std::string>{*c.rule});
    else
      EXPECT_TRUE(hub->getFollowBlacklistArray().empty());
    EXPECT_EQ(d.stringOrEmpty("scopeDescriptive"), c.scope.value_or("untouched"));
    EXPECT_EQ(d.boolForKey("wordpressUrls"), c.lastSegmentIsPage);
    if (c.answer < 0) {
      EXPECT_TRUE(tp.alerts.shown.empty()) << "asks nothing";
      continue;
    }
    ASSERT_EQ(tp.alerts.shown.size(), 1u);
    const Alert& alert = tp.alerts.shown[0];
    EXPECT_EQ(alert.title, "Ambiguous starting url");
    EXPECT_EQ(alert.message,
              "b could be a directory, or it may be a page without a file extension (.html)\n\n"
              "This has an effect on the scope of the scan (Zelmora limits its crawl to the "
              "directory you start in).");
    EXPECT_EQ(alert.buttons, (std::vector<std::string>{"is a page", "is a directory"}));
    EXPECT_EQ(hub->getStartingUrl(), c.goesOnWith ? c.goesOnWith : c.start);
    EXPECT_EQ(d.stringForKey("startingUrl"),
              c.goesOnWith ? std::optional<std::string>(c.goesOnWith) : std::nullopt);
    EXPECT_EQ(hub->getnthItem(0)->getLinkUrl(), c.start)
        << "record 0 keeps the address it was made with";
  }
}

// A local file's kind decides the plain text mode; a folder is read through its
// index file; a file that cannot be opened is an alert; one that is not UTF-8 is
// read as Latin 1. A local start never asks for robots.txt.
TEST(LocalStart, KindsFoldersAndUnreadableFiles) {
  test::TestPlatform tp;
  test::TempDir tmp;
  const std::string& dir = tmp.path();
  auto write = [&](const std::string& name, const std::string& contents) {
    return test::writeWhole(tmp / name, contents);
  };
  const std::string markup = "<html><body><a href=a.html>a</a></body></html>";
  const std::pair<std::string, int64_t> kinds[] = {
      {write("list.txt", markup), 3},
      {write("LIST.TXT", "http://a.test/\n"), 3},
      {write("data.csv", markup), 2},
      {write("few.html", "<p>http://a.test/</p>\nhttp://b.test/\n"), 3},
      {write("page.html", markup), 0},
  };
  for (const auto& [path, mode] : kinds) {
    ZelHub hub(path, tp.platform());
    EXPECT_TRUE(hub.go()) << path;
    EXPECT_FALSE(hub.getRobotsBlacklistArray().has_value()) << path;
    EXPECT_EQ(tp.defaults.integerForKey("plainTextMode"), mode) << path;
  }

  write("My Site/index.html", markup);
  tp.defaults.setString("defaultLocalFileName", " index.html\n");
  tp.defaults.setInteger("verbosity", 1);
  ZelHub folder(dir + "/My Site/", tp.platform());
  ASSERT_TRUE(folder.go());
  const std::string expected = "file://" + dir + "/My%20Site/";
  EXPECT_EQ(folder.getStartingUrl(), expected) << "the folder address stays the start";
  EXPECT_TRUE(tp.logged(expected + " is directory, adding filename index.html"));
  EXPECT_TRUE(tp.logged("testing local file - error is: 0 (null)"));
  EXPECT_EQ(tp.defaults.integerForKey("plainTextMode"), 0) << "the index file was read";
  EXPECT_EQ(folder.getDomains(), std::vector<std::string>{"file://" + dir});
  EXPECT_EQ(folder.getDetectedEncoding(), encoding::kUTF8);
  EXPECT_TRUE(tp.alerts.shown.empty());
  ZelHub file(dir + "/My Site/index.html", tp.platform());
  ASSERT_TRUE(file.go());
  EXPECT_EQ(file.getStartingUrl(), "file://" + dir + "/My%20Site/index.html");
  EXPECT_EQ(file.getDomains(), std::vector<std::string>{"file://" + dir + "/My%20Site"});
  EXPECT_TRUE(file.fileUrlIsInternal(*Url::parse(expected + "other.html"), file.getDomains()));

  ZelHub missing(dir + "/nope.html", tp.platform());
  EXPECT_FALSE(missing.go());
  ASSERT_EQ(tp.alerts.shown.size(), 1u);
  EXPECT_EQ(tp.alerts.shown[0].title, "Error opening file");
  EXPECT_EQ(tp.alerts.shown[0].message,
            "Zelmora encountered the following error when trying to open the selected file: "
            "The file \"nope.html\" couldn't be opened because there is no such file.");
  EXPECT_EQ(missing.getTotalLinkCount(), 0);
  EXPECT_EQ(missing.getThreadsInFlight(), 0);

  tp.alerts.shown.clear();
  ZelHub latin(write("latin.html", "<p>caf\xE9</p><p>x</p><p>y</p>"), tp.platform());
  EXPECT_TRUE(latin.go());
  EXPECT_TRUE(tp.alerts.shown.empty()) << "no question";
  EXPECT_TRUE(tp.logged(
      "Error opening file with stringWithContentsOfURL - The file \"latin.html\" couldn't be "
      "opened because the text encoding of its contents can't be determined.. Trying other "
      "methods"));
  EXPECT_EQ(latin.getTotalLinkCount(), 1);
  for (const auto& line : tp.logLines()) EXPECT_EQ(line.find("robots"), std::string::npos) << line;
}

// On a local server: robots.txt read, missing or not text; record 0 and its
// request; the start's encoding and site builder.
TEST(ServedStart, RobotsRecordZeroEncodingAndSiteBuilder) {
  test::TestPlatform tp;
  test::TestServer server;
  const std::string authority = "127.0.0.1:" + std::to_string(server.port());
  server.page("/robots.txt",
              "User-agent: *\nDisallow: /x\nAllow: /x/ok\n\nUser-agent: Googlebot\nDisallow: /y\n",
              "text/plain");
  server.page("/", "<html><head><title>t</title></head><body><a href=a.html>a</a></body></html>",
              "text/html; charset=iso-8859-1");
  tp.defaults.setString("userAgentString", "ZelTest/1.0");

  ZelHub hub(server.url("/"), tp.platform());
  ASSERT_TRUE(hub.go());
  EXPECT_EQ(hub.getDomains(), std::vector<std::string>{"127.0.0.1"});
  EXPECT_EQ(hub.getRobotsBlacklistArray(), std::vector<std::string>{authority + "/x"});
  EXPECT_EQ(hub.getRobotsWhitelistArray(), std::vector<std::string>{authority + "/x/ok"});
  const auto robots = server.requestsTo("/robots.txt");
  ASSERT_EQ(robots.size(), 1u);
  EXPECT_EQ(robots[0].method, "GET");
  EXPECT_EQ(robots[0].header("User-Agent"), "ZelTest/1.0");
  EXPECT_EQ(robots[0].header("Host"), authority);
  EXPECT_EQ(hub.getDetectedEncoding(), encoding::kISOLatin1) << "the charset the server named";

  ASSERT_EQ(hub.getTotalLinkCount(), 1);
  ZelUrl* start = hub.getnthItem(0);
  EXPECT_TRUE(start->isStartingPoint());
  EXPECT_EQ(start->getDistanceFromHome(), 0);
  EXPECT_EQ(start->getLinkUrl(), server.url("/"));
  EXPECT_TRUE(start->hasSentRequest());
  EXPECT_EQ(hub.getThreadsInFlight(), 1);
  EXPECT_EQ(hub.getNextUrlIndex(), 1);
  // One read of the start for its encoding during go, then record 0's own request.
  EXPECT_EQ(server.requestsTo("/").size(), 1u);
  EXPECT_TRUE(tp.loop.runUntil([&] { return server.requestsTo("/").size() >= 2; }, 10));

  server.page("/", "<html><body>home</body></html>");
  server.status("/robots.txt", 404, "missing");
  ZelHub missing(server.url("/"), tp.platform());
  ASSERT_TRUE(missing.go());
  EXPECT_FALSE(missing.getRobotsBlacklistArray().has_value());
  EXPECT_TRUE(tp.logged("no data returned for robots.txt at location http://" + authority +
                        "/robots.txt, status code 404"));

  const std::string garbledText = "User-agent: *\nDisallow: /\xFF\xFE\n";
  server.rawPage("/robots.txt", garbledText, "text/plain");
  ZelHub garbled(server.url("/"), tp.platform());
  ASSERT_TRUE(garbled.go());
  EXPECT_FALSE(garbled.getRobotsBlacklistArray().has_value());
  EXPECT_TRUE(tp.logged("Unable to make string from " + std::to_string(garbledText.size()) +
                        " bytes of data returned at http://" + authority + "/robots.txt"));

  // A robots.txt is read to its last whole line within 500 KiB.
  std::string huge = "User-agent: *\nDisallow: /early\n";
  while (huge.size() < 500 * 1024 - 20) huge += "Disallow: /filler\n";
  server.page("/robots.txt", huge + "Disallow: /cut-in-two\nDisallow: /late\n", "text/plain");
  ZelHub big(server.url("/"), tp.platform());
  ASSERT_TRUE(big.go());
  ASSERT_TRUE(big.getRobotsBlacklistArray().has_value());
  const std::vector<std::string>& rules = *big.getRobotsBlacklistArray();
  EXPECT_EQ(rules.front(), authority + "/early");
  EXPECT_EQ(rules.back(), authority + "/filler");

  // Not UTF-8 and no charset from the server: the page's own declaration counts.
  server.rawPage("/legacy.html",
                 "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                 "charset=windows-1252\"></head><body>caf\xE9</body></html>",
                 "text/html");
  ZelHub legacy(server.url("/legacy.html"), tp.platform());
  ASSERT_TRUE(legacy.go());
  EXPECT_EQ(legacy.getDetectedEncoding(), encoding::kWindowsCP1252);
  EXPECT_FALSE(tp.defaults.boolForKey("wixSite"));

  server.page("/built.html",
              "<html><head>\n<meta name=\"generator\" content=\"Wix.com Website Builder\"/>"
              "</head><body></body></html>");
  ZelHub built(server.url("/built.html"), tp.platform());
  ASSERT_TRUE(built.go());
  EXPECT_TRUE(tp.defaults.boolForKey("wixSite"));
  EXPECT_TRUE(tp.defaults.boolForKey("wordpressUrls"));
  EXPECT_EQ(built.getDetectedEncoding(), encoding::kUTF8);
}

}  // namespace
}  // namespace zel
