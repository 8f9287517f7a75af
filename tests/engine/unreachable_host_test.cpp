// Hosts that cannot be reached are learnt once per crawl: a refused port beside a
// working server on the same address, and a name that cannot be resolved (a
// loader double, so no DNS query is sent). The blocking start-up requests use
// the crawl's time-out when it is shorter than their own.
#include <gtest/gtest.h>

#include "support/crawl_runner.h"
#include "support/faulty_loader.h"
#include "support/raw_server.h"
#include "support/test_server.h"

namespace zel {
namespace {

struct Counted {
  size_t started = 0;   // requests the crawl sent to the host
  size_t records = 0;   // records of the host
  size_t withStatus = 0;  // of which carry a status that begins with the expected one
};

Counted count(const test::CrawlRun& run, const test::FaultyLoader& loader,
              const std::string& host, const std::string& status) {
  Counted c;
  for (const UrlRequest& r : loader.started) c.started += r.url.find(host) != std::string::npos;
  for (ZelUrl* r : run.hub->getLinksCollection()) {
    if (r->getLinkUrl().find(host) == std::string::npos) continue;
    ++c.records;
    c.withStatus += r->getStatus().rfind(status, 0) == 0;
  }
  return c;
}

std::unique_ptr<test::FaultyLoader> loader;

std::unique_ptr<test::CrawlRun> crawlThroughDouble(const std::string& start,
                                                   const std::function<void(Defaults&)>& set = {}) {
  return test::runCrawlWith(
      start,
      [](test::CrawlRun& run) {
        loader = std::make_unique<test::FaultyLoader>(*run.tp.loader, run.tp.loop);
        loader->unresolvable("nowhere.invalid");
        run.tp.useLoader(loader.get());
      },
      set);
}

TEST(UnreachableHosts, AreAskedOnceAndTheirOtherAddressesSettledAtOnce) {
  test::TestServer site;
  const std::string refused = "127.0.0.1:" + std::to_string(test::closedPort());
  std::string links;
  for (int i = 0; i < 20; ++i) {
    const std::string n = std::to_string(i);
    links += "<a href=\"http://" + refused + "/p" + n + "\">r</a>";
    links += "<a href=\"http://nowhere.invalid/p" + n + "\">n</a>";
    links += "<a href=\"/ok" + n + "\">ok</a>";
    site.page("/ok" + n, "<html><body>fine</body></html>");
  }
  site.page("/", "<html><body>" + links + "</body></html>");
  // A crawl time-out longer than the start-up requests' own leaves theirs.
  auto run = crawlThroughDouble(site.url("/"), [](Defaults& d) {
    d.setDouble("timeout", 30);
    d.setBool("observeRobotsTxt", true);
  });
  ASSERT_TRUE(run->finished);
  ASSERT_EQ(loader->synchronous.size(), 2u) << "robots.txt and the encoding probe";
  for (const UrlRequest& r : loader->synchronous) EXPECT_EQ(r.timeoutSeconds, 10) << r.url;
  const int threads = 4;  // the test defaults

  const Counted r = count(*run, *loader, refused, "Could not connect to the server.");
  EXPECT_EQ(r.records, 20u);
  EXPECT_EQ(r.withStatus, 20u);
  EXPECT_LE(r.started, 2u * threads) << "the first requests and their one retry each";

  const Counted n = count(*run, *loader, "nowhere.invalid",
                          "A server with the specified hostname could not be found.");
  EXPECT_EQ(n.records, 20u);
  EXPECT_EQ(n.withStatus, 20u);
  EXPECT_LE(n.started, static_cast<size_t>(threads)) << "no retry for a name that is not found";

  EXPECT_EQ(run->hub->getUnreachableHostCount(), 2u);
  EXPECT_GE(run->hub->getHostFailureSettledCount(), 40 - 3 * threads)
      << "the records of those hosts that were not sent";
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(run->record(site.url("/ok" + std::to_string(i)))->getStatus(), "200 no error")
        << "the working server on the same address stays reachable";
}

TEST(UnreachableHosts, StartRequestsWaitNoLongerThanTheCrawlTimeout) {
  test::TestServer site;
  site.neverAnswer("/robots.txt");
  site.page("/", "<html><body>start</body></html>");
  auto quick = crawlThroughDouble(site.url("/"), [](Defaults& d) {
    d.setDouble("timeout", 1);
    d.setBool("observeRobotsTxt", true);
  });
  ASSERT_TRUE(quick->finished);
  ASSERT_EQ(loader->synchronous.size(), 2u) << "robots.txt and the encoding probe";
  for (const UrlRequest& r : loader->synchronous) EXPECT_EQ(r.timeoutSeconds, 1) << r.url;
  EXPECT_EQ(quick->hub->getFirstItem()->getStatus(), "200 no error");
}

}  // namespace
}  // namespace zel
