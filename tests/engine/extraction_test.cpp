// Link extraction and classification: a page body handed to extractLinks on a
// hub started against a local server becomes records, statuses and instances.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/zel_hub.h"
#include "support/test_platform.h"
#include "support/test_server.h"

namespace zel {
namespace {

// A hub on the test platform, started against a local server, and pages of
// that site handed to it.
struct ExtractionSite {
  test::TestServer server;
  test::TestPlatform tp;
  std::unique_ptr<ZelHub> hub;
  std::string base = server.baseUrl();  // http://127.0.0.1:PORT

  ExtractionSite() {
    server.page("/", "<html><body>home</body></html>");
    tp.defaults.setInteger("levelsLimit", 10);
    tp.defaults.setInteger("linksLimit", 1000);
    tp.defaults.setBool("checkImages", true);
    tp.defaults.setBool("linkedFiles", true);
    tp.defaults.setInteger("numberOfThreads", 1);
  }

  void start(const std::string& path = "/") {
    hub = std::make_unique<ZelHub>(base + path, tp.platform());
    hub->go();
  }

  // A fetched page of the site with this body, ready for extraction.
  ZelUrl* fetched(const std::string& path, const std::string& body, int distance = 0) {
    ZelUrl* r = hub->lookup(base + path);
    if (!r) {
      r = hub->createRecord();
      r->setLinkUrl(base + path, false);
      r->setDistanceFromHome(distance);
      hub->add(r);
    }
    r->setStatus(std::string("200 no error"));
    r->setMimeType("text/html");
    r->ensureData() = body;
    return r;
  }

  ZelUrl* record(const std::string& url) { return hub->lookup(url); }
  std::vector<std::string> outboundTargets(ZelUrl* page) {
    std::vector<std::string> out;
    for (ZelLinkInstance* i : page->getOutboundInstances()) out.push_back(i->target()->getLinkUrl());
    return out;
  }
};

class ExtractionTest : public ::testing::Test, protected ExtractionSite {};

TEST_F(ExtractionTest, ResolvesEveryKindOfReferenceAndSkipsNonWebLinks) {
  start();
  ZelUrl* p = fetched("/dir/page.html",
                      "<html><body><a href=\"sib.html\">s</a><a href=\"/root\">r</a>"
                      "<a href=\"//127.0.0.1:" + std::to_string(server.port()) + "/proto\">p</a>"
                      "<a href=\"" + base + "/abs\">a</a><a href=\"../up.html\">u</a>"
                      "<a href=\"./\">dot</a><a href=\"?q=1\">q</a><a href=\"mailto:a@b.test\">m</a>"
                      "<a href=\"tel:+123\">t</a><a href=\"javascript:void(0)\">j</a>"
                      "<a href=\"data:text/plain,hi\">d</a><a href=\"#top\">same page</a>"
                      "</body></html>", 1);
  hub->extractLinks(p);
  EXPECT_EQ(outboundTargets(p),
            (std::vector<std::string>{base + "/dir/sib.html", base + "/root", base + "/proto",
                                      base + "/abs", base + "/up.html", base + "/",
                                      base + "/dir/page.html?q=1"}));
  ZelUrl* sib = record(base + "/dir/sib.html");
  ASSERT_NE(sib, nullptr);
  EXPECT_EQ(sib->getDistanceFromHome(), 2);
  EXPECT_TRUE(sib->isInternal());
  EXPECT_EQ(sib->getInboundInstances().front()->getLinkText(), "s");
  EXPECT_EQ(sib->getInboundInstances().front()->getLineNumber(), 1);

  // A base element changes the base, keeping the port.
  const std::pair<const char*, const char*> bases[] = {{"/other/", "/other/x.html"}, {"/", "/x.html"}};
  for (const auto& [href, target] : bases) {
    ZelUrl* b = fetched(std::string("/a/page.html?base=") + href,
                        std::string("<html><head><base href=\"") + href +
                            "\"></head><body><a href=\"x.html\">x</a></body></html>");
    hub->extractLinks(b);
    EXPECT_EQ(outboundTargets(b), std::vector<std::string>{base + target}) << href;
  }
}

TEST_F(ExtractionTest, DuplicatesCanonicalsAndARefreshToItself) {
  start();
  ZelUrl* a = fetched("/a", "<html><body><a href=\"/t\">1</a><a href=\"/t\">2</a></body></html>");
  ZelUrl* b = fetched("/b", "<html><body><a href=\"/t#frag\">3</a></body></html>");
  hub->extractLinks(a);
  hub->extractLinks(b);
  ZelUrl* t = record(base + "/t");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->getInboundInstances().size(), 3u);
  size_t records = 0;
  for (ZelUrl* r : hub->getLinksCollection())
    if (r->getLinkUrl() == base + "/t") ++records;
  EXPECT_EQ(records, 1u);
  // A canonical to another address adds an instance; a page's own adds none.
  ZelUrl* tagged = fetched("/p?utm=1",
                           "<html><head><link rel=\"canonical\" href=\"/p\"></head>"
                           "<body>x</body></html>");
  hub->extractLinks(tagged);
  EXPECT_EQ(tagged->getCanonical(), base + "/p");
  ZelUrl* canon = record(base + "/p");
  ASSERT_NE(canon, nullptr);
  ASSERT_EQ(canon->getInboundInstances().size(), 1u);
  EXPECT_EQ(canon->getInboundInstances().front()->getLinkText(), "canonical");
  ZelUrl* own = fetched("/own",
                        "<html><head><link rel=\"canonical\" href=\"/own\"></head>"
                        "<body>x</body></html>");
  hub->extractLinks(own);
  EXPECT_TRUE(own->getOutboundInstances().empty()) << "its own canonical adds no instance";
  // A meta refresh to the page itself is no redirect (one to another page is
  // followed in CrawlE2E.OrdinaryAnswersOfOneSite).
  ZelUrl* self = fetched("/self",
                         "<html><head><meta http-equiv=\"refresh\" content=\"5\">"
                         "</head><body><a href=\"/s1\">s</a></body></html>");
  hub->extractLinks(self);
  EXPECT_EQ(self->getRedirectCount(), 0);
  EXPECT_NE(record(base + "/s1"), nullptr) << "an ordinary page";
}

// Limits and settings read while a page is extracted.
TEST_F(ExtractionTest, LimitsNofollowPagesAndEmptyLinks) {
  start();
  tp.defaults.setInteger("levelsLimit", 2);
  ZelUrl* deep = fetched("/deep", "<html><body><a href=\"/d1\">d</a></body></html>", 2);
  hub->extractLinks(deep);
  EXPECT_EQ(record(base + "/d1"), nullptr) << "a page at the level limit yields no links";
  ZelUrl* near = fetched("/near", "<html><body><a href=\"/n1\">n</a></body></html>", 1);
  hub->extractLinks(near);
  EXPECT_NE(record(base + "/n1"), nullptr);

  tp.defaults.setBool("limitOccurrences", true);
  tp.defaults.setInteger("occurrencesLimit", 2);
  std::string many = "<html><body>";
  for (int i = 0; i < 6; ++i) many += "<a href=\"/same\">s</a>";
  ZelUrl* rep = fetched("/rep", many + "</body></html>", 0);
  hub->extractLinks(rep);
  EXPECT_EQ(record(base + "/same")->getInboundInstances().size(), 3u);

  // Once a page is under way all its links are taken, even past linksLimit.
  ZelUrl* wide = fetched("/wide", "<html><body><a href=\"/w1\">1</a><a href=\"/w2\">2</a>"
                                  "<a href=\"/w3\">3</a></body></html>", 0);
  tp.defaults.setInteger("linksLimit", static_cast<int64_t>(hub->getTotalLinkCount()) + 1);
  hub->extractLinks(wide);
  EXPECT_NE(record(base + "/w3"), nullptr);
  ZelUrl* late = fetched("/late", "<html><body><a href=\"/l1\">1</a></body></html>", 0);
  hub->extractLinks(late);
  EXPECT_EQ(record(base + "/l1"), nullptr);
  tp.defaults.setInteger("linksLimit", 1000);

  // A nofollow link's page yields no links when asked.
  tp.defaults.setBool("dontFollowNofollowLinks", true);
  ZelUrl* home = fetched("/", "<html><body><a href=\"/nf\" rel=\"nofollow\">x</a></body></html>");
  hub->extractLinks(home);
  ZelUrl* nf = record(base + "/nf");
  ASSERT_NE(nf, nullptr);
  EXPECT_TRUE(nf->isNofollow());
  fetched("/nf", "<html><body><a href=\"/behind\">b</a></body></html>", 1);
  hub->extractLinks(nf);
  EXPECT_EQ(record(base + "/behind"), nullptr);

  // With hashIsBad, "#" and "" are links without an address, one record each.
  tp.defaults.setBool("hashIsBad", true);
  ZelUrl* p = fetched("/hash", "<html><body><a href=\"#\">a</a><a href=\"\">b</a><a href=\"#\">c</a>"
                               "</body></html>");
  hub->extractLinks(p);
  ASSERT_EQ(p->getOutboundInstances().size(), 3u);
  for (ZelLinkInstance* i : p->getOutboundInstances())
    EXPECT_EQ(i->target()->getStatus(), "missing link url");
  EXPECT_EQ(p->getOutboundInstances()[1]->target()->getLinkUrl(), "empty quotes");
  EXPECT_NE(p->getOutboundInstances()[0]->target(), p->getOutboundInstances()[2]->target())
      << "each occurrence makes its own record";
}

// Each setting that decides whether a page's links are collected, on its own
// crawl: the page is fetched with the body given and extracted; the test looks
// at whether its link was recorded.
struct FollowCase {
  const char* name;
  std::function<void(Defaults&)> set;
  const char* path;    // the page extracted
  const char* body;    // its body; its one link goes to /found
  const char* status;  // the page's status
  bool collected;      // /found is recorded
};

TEST(ExtractionSettings, DecideWhichPagesYieldLinks) {
  const Json deadEnd = Json::array({{{"mipContains", "info"}, {"mipContainsOrNot", 1}}});
  auto whitelist = [](Defaults& d) { d.setStringArray("followWhitelistArray", {"/docs"}); };
  auto blacklist = [](Defaults& d) { d.setStringArray("followBlacklistArray", {"/private"}); };
  auto contentBlacklist = [](Defaults& d) {
    d.setStringArray("followBlacklistArray", {"secret-term"});
    d.setBool("blacklistShouldCheckContent", true);
  };
  auto singlePage = [](Defaults& d) { d.setBool("singlePage", true); };
  const char* ok = "200 no error";
  const std::vector<FollowCase> cases = {
      {"WhitelistMiss", whitelist, "/other.html", nullptr, ok, false},
      {"WhitelistHit", whitelist, "/docs/a.html", nullptr, ok, true},
      {"WhitelistSparesTheStart", whitelist, "/", nullptr, ok, true},
      {"BlacklistHit", blacklist, "/private/a.html", nullptr, ok, false},
      {"SuperWhitelistOverridesTheBlacklist",
       [&](Defaults& d) {
         blacklist(d);
         d.setObject("superWhitelistArray",
                     Json::array({{{"mipContains", "private/ok"}, {"mipContainsOrNot", 1}}}));
         d.setBool("mipFilter", true);
       },
       "/private/ok.html", nullptr, ok, true},
      {"ContentBlacklist", contentBlacklist, "/a.html", "secret-term", ok, false},
      {"ContentBlacklistMiss", contentBlacklist, "/a.html", "harmless", ok, true},
      {"ErrorPageSkipped", [](Defaults&) {}, "/gone.html", nullptr, "404 not found", false},
      {"ErrorPageChecked", [](Defaults& d) { d.setBool("checkErrorPages", true); }, "/gone.html",
       nullptr, "404 not found", true},
      {"InformationPageIsADeadEnd",
       [&](Defaults& d) {
         d.setObject("superWhitelistArray", deadEnd);
         d.setBool("mipIsDeadEnd", true);
       },
       "/info.html", nullptr, ok, false},
      {"InformationPageWithoutDeadEnd",
       [&](Defaults& d) { d.setObject("superWhitelistArray", deadEnd); }, "/info.html", nullptr, ok,
       true},
      {"SinglePageParsesTheStart", singlePage, "/", nullptr, ok, true},
      {"SinglePageParsesNothingElse", singlePage, "/a.html", nullptr, ok, false},
      {"StartingPageLinksNotWanted",
       [&](Defaults& d) {
         singlePage(d);
         d.setBool("dontBotherWithLinksOnStartingPage", true);
       },
       "/", nullptr, ok, false},
  };
  for (const FollowCase& c : cases) {
    SCOPED_TRACE(c.name);
    ExtractionSite site;
    c.set(site.tp.defaults);
    site.start();
    ZelUrl* r = site.fetched(c.path,
                             std::string("<html><body>") + (c.body ? c.body : "") +
                                 "<a href=\"/found\">f</a></body></html>",
                             1);
    r->setStatus(std::string(c.status));
    site.hub->extractLinks(r);
    EXPECT_EQ(site.record(site.base + "/found") != nullptr, c.collected);
  }
}

// The page's facts arrive on its record; the sitemap term filter reads the visible text.
TEST_F(ExtractionTest, PageFactsAndTheSitemapTermFilter) {
  tp.defaults.setBool("SEOEnabled", true);
  tp.defaults.setInteger("headingLevelMax", 6);
  tp.defaults.setBool("countKeywords", true);
  start();
  ZelUrl* p = fetched("/facts",
                      "<html><head><title>Fish &amp; Chips</title>"
                      "<meta name=\"description\" content=\"Fresh every day\">"
                      "<meta name=\"robots\" content=\"noindex, nofollow\"></head>"
                      "<body><h1>Menu</h1><h2>Prices</h2><p>Cod and chips</p>"
                      "<a href=\"/next\">next</a></body></html>");
  hub->extractLinks(p);
  EXPECT_EQ(p->getLinkPageTitle(), "Fish & Chips");
  EXPECT_EQ(p->getMetaDescription(), "Fresh every day");
  ASSERT_TRUE(p->getHeadings());
  EXPECT_EQ(*p->getHeadings(), (std::vector<std::string>{"Menu", "\tPrices"}));
  EXPECT_TRUE(p->getHeadContainsNoIndex());
  EXPECT_TRUE(p->getHeadContainsNoFollow());
  EXPECT_EQ(p->getWordCount(), 5);  // the link after the paragraph end is not text
  EXPECT_FALSE(p->isKeywordStuffed());

  tp.defaults.setString("filterSitemapByTerm", "bread");
  tp.defaults.setInteger("searchEntireSource", 1);
  ZelUrl* visible = fetched("/visible", "<html><body><p>Fresh bread</p></body></html>", 1);
  ZelUrl* markup = fetched("/markup", "<html><body><p class=\"bread\">Cakes</p></body></html>", 1);
  hub->extractLinks(visible);
  hub->extractLinks(markup);
  auto pages = hub->getInternalPagesCollection();
  EXPECT_NE(std::find(pages.begin(), pages.end(), visible), pages.end());
  EXPECT_EQ(std::find(pages.begin(), pages.end(), markup), pages.end()) << "not in the text";

  tp.defaults.setBool("reverseSearch", true);
  ZelUrl* other = fetched("/other", "<html><body><p>Cakes only</p></body></html>", 1);
  hub->extractLinks(other);
  pages = hub->getInternalPagesCollection();
  EXPECT_NE(std::find(pages.begin(), pages.end(), other), pages.end()) << "reversed";
}

// A page's scan starts when it arrives, ahead of its turn; a body that changed
// before the turn is what extraction reads.
TEST_F(ExtractionTest, ABodyChangedAfterArrivalIsScannedAgain) {
  start();
  ZelUrl* p = fetched("/a.html", "<html><body><a href=\"/old\">o</a></body></html>", 1);
  p->setIsHTML(true);
  p->setIsInternal(true);
  hub->pageHasArrived(p);
  p->ensureData() = "<html><body><a href=\"/new\">n</a></body></html>";
  bool extracted = false;
  hub->extractLinksInTurn(p, [&] { extracted = true; });
  ASSERT_TRUE(tp.loop.runUntil([&] { return extracted; }, 10));
  EXPECT_EQ(outboundTargets(p), std::vector<std::string>{base + "/new"});
}

// Robots rules mark links; soft 404s are judged on the address and the visible
// text, never the markup; sitemap membership on status class, type, scope and
// robots rules.
TEST_F(ExtractionTest, RobotsMarksSoft404AndSitemapMembership) {
  server.page("/robots.txt", "User-agent: *\nDisallow: /private\n", "text/plain");
  tp.defaults.setBool("observeRobotsTxt", true);
  tp.defaults.setBool("shouldCheckForSoft404", true);
  tp.defaults.setString("soft404Terms", "not found\nmissing\n");
  start();
  // Disallowed links are only marked (with blacklistByRobotsTxt they are not
  // fetched at all: CrawlE2E.OrdinaryAnswersOfOneSite).
  ZelUrl* home = fetched("/", "<html><body><a href=\"/private/a\">a</a></body></html>");
  hub->extractLinks(home);
  ZelUrl* disallowed = record(base + "/private/a");
  ASSERT_NE(disallowed, nullptr);
  EXPECT_TRUE(disallowed->isDisallowed());
  EXPECT_EQ(disallowed->getFinalStatus(), "");
  ASSERT_NE(disallowed->getWarnings(), nullptr);
  EXPECT_EQ(disallowed->getWarnings()->front(), "The link url is disallowed by robots.txt");

  auto make = [&](const std::string& path, const std::string& mime, const std::string& body,
                  const std::string& status = "200 no error") {
    ZelUrl* r = fetched(path, body, 1);
    r->setMimeType(mime);
    r->setIsHTML(mime == "text/html");
    r->setStatus(status);
    r->setIsInternal(true);
    return r;
  };
  struct Soft { const char* path; const char* mime; const char* body; bool soft; };
  const Soft soft[] = {
      {"/t", "text/html", "<html><head><title>Not Found</title></head><body>x</body></html>", true},
      {"/b", "text/html", "<html><body><p>Sorry, page not found.</p></body></html>", true},
      {"/attr", "text/html", "<html><body><a title=\"not found\" href=\"/\">ok</a></body></html>",
       false},
      {"/plain.txt", "text/plain", "file not found", true},
      {"/ok.css", "text/css", "/* not found */", false},
      {"/missing.css", "text/css", "body{}", true},
  };
  for (const Soft& c : soft) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(hub->performSoft404CheckOnThisUrl(make(c.path, c.mime, c.body)), c.soft);
  }
  tp.defaults.setBool("shouldCheckForSoft404", false);
  EXPECT_FALSE(hub->performSoft404CheckOnThisUrl(record(base + "/t"))) << "off";

  const std::string page = "<html><body>text</body></html>";
  struct Member { const char* path; const char* mime; const char* status; bool in; };
  const Member members[] = {
      {"/p200", "text/html", "200 no error", true},
      {"/p301", "text/html", "301 moved permanently", true},
      {"/p404", "text/html", "404 not found", false},
      {"/p5", "text/html", "503 unavailable", false},
      {"/timeout", "text/html", "The request timed out", false},
      {"/nostatus", "text/html", "", true},
      {"/doc.pdf", "application/pdf", "200 no error", false},
      {"/private/p", "text/html", "200 no error", false},
  };
  for (const Member& c : members) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(hub->shouldBeInSitemapCollection(make(c.path, c.mime, page, c.status)), c.in);
  }
  ZelUrl* image = make("/pic.png", "image/png", "");
  image->setIsImage(true);
  EXPECT_FALSE(hub->shouldBeInSitemapCollection(image));
  ZelUrl* external = make("/ext", "text/html", page);
  external->setIsInternal(false);
  EXPECT_FALSE(hub->shouldBeInSitemapCollection(external));
  tp.defaults.setBool("includePdfsInSitemap", true);
  EXPECT_TRUE(hub->shouldBeInSitemapCollection(record(base + "/doc.pdf")));
  tp.defaults.setBool("observeRobotsTxt", false);
  EXPECT_TRUE(hub->shouldBeInSitemapCollection(record(base + "/private/p")));
}

}  // namespace
}  // namespace zel
