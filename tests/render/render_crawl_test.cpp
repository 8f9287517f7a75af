// Whole crawls that render their pages: with the real browser (skipped only
// where none is installed), with a browser that dies in the middle, and with
// none at all.
#include <gtest/gtest.h>
#include <signal.h>

#include "platform/chromium_web_view.h"
#include "render/web_view_recycler.h"
#include "support/crawl_runner.h"
#include "support/test_server.h"

namespace zel {
namespace {

// Ends the run's browser while its run loop still exists, and forgets how it was made.
struct BrowserScope {
  ~BrowserScope() {
    WebViewRecycler& r = WebViewRecycler::sharedWebViewRecycler();
    r.shutDown();
    r.setProcessPoolMaker(nullptr);
  }
};

void serveScriptSite(test::TestServer& server, int pages) {
  std::string links;
  for (int i = 0; i < pages; ++i) links += "<a href=\"/p" + std::to_string(i) + "\">p</a>";
  server.page("/", "<html><body><a href=\"/served\">served</a><script>document.body."
                   "insertAdjacentHTML('beforeend', '" + links + "');</script></body></html>");
  server.page("/served", "<html><body>served</body></html>");
  for (int i = 0; i < pages; ++i)
    server.page("/p" + std::to_string(i), "<html><body>page " + std::to_string(i) + "</body></html>");
}

bool hasWarning(const ZelUrl* r, const std::string& start) {
  if (!r || !r->getWarnings()) return false;
  for (const std::string& w : *r->getWarnings())
    if (w.rfind(start, 0) == 0) return true;
  return false;
}

TEST(RenderedCrawl, ScriptWrittenLinksAreFoundOnlyWhenRenderedAndABrowserKilledMidwayEndsWell) {
  if (!BrowserProcess::findExecutable())
    GTEST_SKIP() << "no headless Chromium installed (scripts/install-deps installs it)";
  test::TestServer server;
  serveScriptSite(server, 2);
  for (bool render : {false, true}) {
    auto run = test::runCrawl(server.url("/"), [&](Defaults& d) {
      d.setBool("runJS", render);
      d.setInteger("verbosity", 2);
    }, 60);
    BrowserScope scope;
    ASSERT_TRUE(run->finished) << render;
    EXPECT_TRUE(run->everyRecordHasStatus());
    EXPECT_TRUE(run->record(server.url("/served"))) << "links in the served page are kept";
    EXPECT_EQ(run->record(server.url("/p1")) != nullptr, render);
    EXPECT_EQ(run->tp.logged("have status for " + server.url("/") +
                             " but will collect data via PageRenderer"),
              render);
    EXPECT_EQ(run->hub->getUnrenderedPageCount(), 0);
  }

  // A browser killed mid-crawl leaves every record with a status.
  test::TestServer big;
  serveScriptSite(big, 12);
  // Slow pages keep renderers busy when the browser dies.
  for (int i = 0; i < 12; ++i)
    big.slow("/p" + std::to_string(i), 1.0, "<html><body>slow</body></html>");
  bool killed = false;
  // Once the start page is rendered and its links are being fetched.
  std::function<void()> watch;
  auto killedRun = test::runCrawlWith(
      big.url("/"),
      [&](test::CrawlRun& r) {
        watch = [&r, &killed, &watch] {
          auto pool = std::dynamic_pointer_cast<ChromiumProcessPool>(
              WebViewRecycler::sharedWebViewRecycler().processPool());
          if (pool && r.hub && r.hub->getTotalLinkCount() > 5) {
            killed = true;
            ::kill(pool->client().process().pid(), SIGKILL);
            return;
          }
          r.tp.loop.postAfter(0.1, watch);
        };
        r.tp.loop.postAfter(0.1, watch);
      },
      [](Defaults& d) {
        d.setBool("runJS", true);
        d.setDouble("timeout", 3);
      },
      90);
  BrowserScope killedScope;
  ASSERT_TRUE(killed);
  ASSERT_TRUE(killedRun->finished);
  EXPECT_TRUE(killedRun->everyRecordHasStatus());
  EXPECT_TRUE(killedRun->record(big.url("/p11")));
  // Pages fetched after the browser died are read as served.
  EXPECT_GT(killedRun->hub->getUnrenderedPageCount(), 0);
}

// The browser keeps no cookies of its own: what a rendered page sets goes to the
// crawl's store, whose requests (and the next pages' renders) carry it; with
// cookies off neither keeps it.
TEST(RenderedCrawl, ACookieSetByARenderedPagesScriptGoesWithTheNextRequestsToItsSite) {
  if (!BrowserProcess::findExecutable())
    GTEST_SKIP() << "no headless Chromium installed (scripts/install-deps installs it)";
  test::TestServer server;
  server.page("/",
              "<html><body><a href=\"/next\">next</a>"
              "<script>document.cookie = 'fromScript=1; path=/';</script></body></html>");
  server.page("/next", "<html><body>next</body></html>");
  for (bool handle : {true, false}) {
    SCOPED_TRACE(handle ? "cookies kept" : "no cookies");
    server.clearLog();
    auto run = test::runCrawl(
        server.url("/"),
        [&](Defaults& d) {
          d.setBool("runJS", true);
          d.setBool("handleCookies", handle);
        },
        60);
    BrowserScope scope;
    ASSERT_TRUE(run->finished);
    int crawls = 0, renders = 0;
    for (const test::LoggedRequest& r : server.requestsTo("/next")) {
      // The crawl's own requests carry its agent; the browser's its own.
      const bool ours = r.header("User-Agent") == "ZelmoraTest/1.0";
      ++(ours ? crawls : renders);
      EXPECT_EQ(r.cookies.count("fromScript"), handle ? 1u : 0u) << (ours ? "crawl" : "render");
    }
    EXPECT_EQ(crawls, 1);
    EXPECT_EQ(renders, 1);
    EXPECT_EQ(run->tp.loader->storedCookies().empty(), !handle);
  }
}

TEST(RenderedCrawl, WithoutABrowserPagesAreReadAsServedAndSaySo) {
  test::TestServer server;
  serveScriptSite(server, 2);
  int starts = 0;
  auto run = test::runCrawlWith(
      server.url("/"),
      [&](test::CrawlRun&) {
        WebViewRecycler::sharedWebViewRecycler().setProcessPoolMaker(
            [&](Status* why) -> std::shared_ptr<WebProcessPool> {
              ++starts;
              *why = Status::Error("chromium-headless-shell is not installed");
              return nullptr;
            });
      },
      [](Defaults& d) { d.setBool("runJS", true); }, 30);
  BrowserScope scope;
  ASSERT_TRUE(run->finished);
  EXPECT_TRUE(run->everyRecordHasStatus());
  EXPECT_TRUE(run->record(server.url("/served")));
  EXPECT_FALSE(run->record(server.url("/p0")));
  EXPECT_TRUE(hasWarning(run->record(server.url("/")),
                         "The page was read as served, not rendered: chromium-headless-shell"));
  EXPECT_EQ(run->hub->getUnrenderedPageCount(), 2) << "the start and /served";
  EXPECT_EQ(run->hub->getUnrenderedReason(), "chromium-headless-shell is not installed");
  EXPECT_EQ(starts, 1) << "a browser that cannot start is not tried for every page";
}

}  // namespace
}  // namespace zel
