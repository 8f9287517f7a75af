// Rechecking after a crawl: a single link through the recheck queue, and a whole
// page whose links have changed.
#include <gtest/gtest.h>

#include <atomic>

#include "support/crawl_runner.h"
#include "support/test_server.h"

namespace zel {
namespace {

using test::TestServer;

TEST(Recheck, AFailedLinkAndAChangedPage) {
  TestServer site;
  std::atomic<int> calls{0};
  site.page("/",
            "<html><body><a href=\"/flaky\">f</a><a href=\"/gone\">g</a>"
            "<a href=\"/stays\">s</a></body></html>");
  site.page("/stays", "<html><body>s</body></html>");
  site.route("/flaky", [&calls](const httplib::Request&, httplib::Response& res) {
    if (++calls == 1) {
      res.status = 500;  // only the crawl's request fails
    } else {
      res.set_content("<html><body>back</body></html>", "text/html");
    }
  });
  auto run = test::runCrawl(site.url("/"));
  ASSERT_TRUE(run->finished);
  ZelHub& hub = *run->hub;
  ZelUrl* flaky = run->record(site.url("/flaky"));
  ASSERT_TRUE(flaky->isInBadCollection());
  ASSERT_NE(run->record(site.url("/gone")), nullptr);
  ASSERT_EQ(hub.getBadLinkCount(), 2);
  const int64_t checked = hub.getCheckedLinkCount();
  bool done = false;
  run->tp.notifications.addObserver("ZelRecheckDidFinish", [&](const Notification&) { done = true; });

  // The link that failed is uncounted, fetched again and counted anew.
  flaky->recheckLink();
  EXPECT_EQ(hub.getBadLinkCount(), 1) << "uncounted before the fetch";
  EXPECT_EQ(hub.getCheckedLinkCount(), checked - 1);
  EXPECT_TRUE(hub.isRechecking());
  ASSERT_TRUE(run->tp.loop.runUntil([&] { return done; }, 20));
  EXPECT_EQ(flaky->getStatus(), "200 no error");
  EXPECT_FALSE(flaky->isInBadCollection());
  EXPECT_EQ(hub.getBadLinkCount(), 1);
  EXPECT_EQ(hub.getCheckedLinkCount(), checked);
  EXPECT_FALSE(hub.isRechecking());

  // The page is fixed: the broken link is gone and a new one appears.
  site.page("/",
            "<html><body><a href=\"/flaky\">f</a><a href=\"/stays\">s</a>"
            "<a href=\"/fresh\">n</a></body></html>");
  site.page("/fresh", "<html><body>n</body></html>");
  done = false;
  run->record(site.url("/"))->recheckPage();
  ASSERT_TRUE(run->tp.loop.runUntil([&] { return done; }, 20));
  EXPECT_EQ(run->record(site.url("/gone")), nullptr) << "nothing refers to it any more";
  ZelUrl* fresh = run->record(site.url("/fresh"));
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->getStatus(), "200 no error");
  EXPECT_EQ(run->record(site.url("/stays"))->getInboundInstances().size(), 1u);
  EXPECT_EQ(hub.getBadLinkCount(), 0);
}

}  // namespace
}  // namespace zel
