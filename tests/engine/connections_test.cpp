// How a crawl uses connections: one a request by default, kept and reused with
// keepAlive, HTTP/2 where a TLS server offers it, and a bounded number of
// requests for a page that redirects to itself.
#include <gtest/gtest.h>

#include <set>

#include "support/crawl_runner.h"
#include "support/nginx_server.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel {
namespace {

using test::runCrawl;
using test::TestServer;

std::string page(const std::vector<std::string>& links) {
  std::string body;
  for (const std::string& href : links) body += "<a href=\"" + href + "\">link</a>\n";
  return "<html><head><title>Page</title></head><body>\n" + body + "</body></html>";
}

// What a crawl found, whatever the order of the answers and the server's address.
std::set<std::string> findings(const test::CrawlRun& run, const std::string& origin) {
  std::set<std::string> out;
  for (ZelUrl* r : run.hub->getLinksCollection()) {
    std::string url = r->getLinkUrl();
    if (url.rfind(origin, 0) == 0) url = url.substr(origin.size());
    out.insert(url + " " + r->getStatus() + " " + r->getMimeType() + " " +
               std::to_string(r->getRedirectCount()) + " " +
               std::to_string(r->getOutboundInstances().size()));
  }
  return out;
}

TEST(Connections, AKeptAliveCrawlReusesConnectionsAndADefaultOneOpensOnePerRequest) {
  std::set<std::string> found[2];
  for (bool keepAlive : {false, true}) {
    SCOPED_TRACE(keepAlive ? "keepAlive" : "default");
    TestServer site;
    std::vector<std::string> all = {"/gone"};
    for (int i = 0; i < 30; ++i) {
      all.push_back("/p" + std::to_string(i));
      site.page(all.back(), page({"/p" + std::to_string((i + 1) % 30), "/gone"}));
    }
    site.page("/", page(all));
    auto run = runCrawl(site.url("/"), [&](Defaults& d) { d.setBool("keepAlive", keepAlive); });
    ASSERT_TRUE(run->finished);
    EXPECT_EQ(run->status(site.url("/gone")), "404 not found");
    found[keepAlive] = findings(*run, site.baseUrl());

    const std::vector<test::LoggedRequest> seen = site.requests();
    ASSERT_GT(seen.size(), 30u);
    for (const test::LoggedRequest& r : seen) {
      EXPECT_EQ(r.version, "HTTP/1.1") << r.path;
      EXPECT_FALSE(r.header("Upgrade")) << r.path;
      // The crawl's own requests; the start-up ones (robots.txt, the start's
      // encoding) carry no such header and are sent on a connection of their own.
      if (r.header("Cache-Control")) {
        EXPECT_EQ(r.header("Connection").value_or(""), keepAlive ? "" : "close") << r.path;
      }
    }
    if (keepAlive) {
      EXPECT_LE(site.connectionsAccepted() * 2, seen.size());
    } else {
      EXPECT_EQ(site.connectionsAccepted(), seen.size());
    }
  }
  EXPECT_EQ(found[0], found[1]);
}

// Fetched twice (a too-many-redirects failure is tried once more), 25 requests each.
TEST(Connections, APageThatRedirectsToItselfCostsAtMostFiftyRequests) {
  TestServer site;
  site.page("/", page({"/self"}));
  site.redirect("/self", 302, "/self");
  auto run = runCrawl(site.url("/"));
  ASSERT_TRUE(run->finished);
  EXPECT_EQ(run->status(site.url("/self")), "too many redirects");
  EXPECT_EQ(site.requestsTo("/self").size(), 50u);
}

TEST(Connections, AnHttp2CrawlOfNginxFindsWhatAnHttp11CrawlFinds) {
  test::TempDir root;
  test::writeWhole(root / "index.html",
                   page({"/a.html", "/b.html", "/missing.html", "/sub", "/style.css"}) +
                       "<img src=\"/i.png\" alt=\"i\">");
  test::writeWhole(root / "a.html", page({"/b.html", "/sub/"}));
  test::writeWhole(root / "b.html", page({"/a.html", "/gone.html"}));
  test::writeWhole(root / "sub/index.html", page({"/", "c.html"}));
  test::writeWhole(root / "sub/c.html", page({"/index.html"}));
  test::writeWhole(root / "style.css", "body { background: url(/i.png) }");
  test::writeWhole(root / "i.png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(64, 'x'));
  test::NginxServer h2(root.path(), test::NginxServer::kHttp2);
  if (!h2.ok()) GTEST_SKIP() << h2.whyNot();
  test::NginxServer h1(root.path(), test::NginxServer::kHttps1);
  ASSERT_TRUE(h1.ok()) << h1.whyNot();

  auto two = runCrawl(h2.url("/"), {}, 60);
  auto one = runCrawl(h1.url("/"), {}, 60);
  ASSERT_TRUE(two->finished && one->finished);
  EXPECT_EQ(one->status(h1.url("/missing.html")), "404 not found");
  EXPECT_EQ(findings(*two, h2.url("")), findings(*one, h1.url("")));

  for (const auto& [server, protocol] : {std::pair{&h2, "HTTP/2.0"}, std::pair{&h1, "HTTP/1.1"}}) {
    const auto seen = server->requests();
    ASSERT_GT(seen.size(), 8u) << protocol;
    std::set<long> connections;
    for (const auto& r : seen) {
      EXPECT_EQ(r.protocol, protocol) << r.uri;
      connections.insert(r.connection);
    }
    // Every HTTP/1.1 request asked to close its connection; HTTP/2 ones share
    // one a network thread of the loader (four at most).
    if (server == &h1) {
      EXPECT_EQ(connections.size(), seen.size());
    } else {
      EXPECT_LE(connections.size(), 4u);
    }
  }
}

}  // namespace
}  // namespace zel
