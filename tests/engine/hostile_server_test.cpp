// A crawl against servers that misbehave: resets mid-body, truncated chunked
// bodies, garbage heads, endless redirects, a huge body and silence. The crawl
// must end with every record holding a status, and nothing may crash.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/crawl_runner.h"
#include "support/raw_server.h"
#include "support/temp_dir.h"
#include "support/test_server.h"
#include "urltext/address_kinds.h"

namespace zel {
namespace {

using test::RawServer;
using test::TestServer;

// Bodies past `maxBodyBytes` are cut, decoded (a gzip bomb) or not, and what was
// read is still parsed.
TEST(HostileServers, CrawlEndsWithAStatusForEverythingAndBodiesAreCutAtTheLimit) {
  RawServer reset(RawServer::resetMidBody());
  RawServer garbage(RawServer::garbageStatusLine());
  RawServer chunked(RawServer::truncatedChunked());
  RawServer silent(RawServer::neverAnswer());
  RawServer closer(RawServer::closeImmediately());
  // Garbage header lines after a good status line, then a page.
  RawServer badHeaders(RawServer::Script{
      RawServer::readRequest(),
      RawServer::send("HTTP/1.1 200 OK\r\nContent-Type text/html\r\n\x01\x02: \xff\r\n"
                      "Content-Length: 12\r\n\r\n<html></html>"),
      RawServer::close()});
  TestServer site;
  site.redirect("/forever", 302, "/forever?again");
  const std::string head = "<html><body><a href=\"/early\">early</a>";
  site.route("/big", [&head](const httplib::Request&, httplib::Response& res) {
    res.set_content(head + std::string(5u << 20, 'x') + "<a href=\"/late\">late</a>", "text/html");
  });
  site.gzipPage("/bomb", head + std::string(20u << 20, ' '));
  site.page("/early", "<html><body>early</body></html>");
  std::string links =
      "<a href=\"/forever\">loop</a><a href=\"/big\">big</a><a href=\"/bomb\">b</a>";
  for (const RawServer* s : {&reset, &garbage, &chunked, &silent, &closer, &badHeaders})
    links += "<a href=\"" + s->url("/x").replace(7, 9, "localhost") + "\">x</a>\n";
  site.page("/", "<html><body>" + links + "</body></html>");

  auto run = test::runCrawl(site.url("/"), [](Defaults& d) {
    d.setDouble("timeout", 2);
    d.setBool("shouldCheckForSoft404", true);  // external pages are read to their end
    d.setInteger("maxBodyBytes", 1 << 20);
  }, 60);
  ASSERT_TRUE(run->finished);
  EXPECT_TRUE(run->everyRecordHasStatus());
  EXPECT_EQ(run->hub->getCheckedLinkCount(), run->hub->getTotalLinkCount());
  EXPECT_TRUE(run->record(site.url("/forever"))->isInBadCollection());
  for (ZelUrl* r : run->hub->getLinksCollection()) {
    if (r->getLinkUrl().find("localhost") == std::string::npos) continue;
    SCOPED_TRACE(r->getLinkUrl() + " -> " + r->getStatus());
    if (r->getLinkUrl().find(std::to_string(badHeaders.port())) != std::string::npos) {
      EXPECT_FALSE(r->getStatus().empty());
    } else {
      EXPECT_TRUE(r->isInBadCollection());
    }
  }
  for (const char* path : {"/big", "/bomb"}) {
    ZelUrl* r = run->record(site.url(path));
    ASSERT_NE(r, nullptr) << path;
    EXPECT_EQ(r->getStatus(), "200 no error") << path;
    EXPECT_EQ(r->getFileSizeInBytes(), int64_t{1} << 20) << path;
    ASSERT_NE(r->getWarnings(), nullptr) << path;
    EXPECT_EQ(r->getWarnings()->back(), "page cut at 1 MB") << path;
  }
  EXPECT_NE(run->record(site.url("/early")), nullptr) << "links before the cut are parsed";
  EXPECT_EQ(run->record(site.url("/late")), nullptr) << "nothing after it is read";
}

// A site that tries every way to make the crawler read the user's disk: links,
// images, stylesheets and a canonical to local files, a redirect, a Refresh
// header, a meta refresh, and a start that redirects to a named pipe (opening it
// would hang the crawl). Nothing is opened; each target is recorded "Not checked".
TEST(HostileServers, AWebPageNeverOpensALocalFile) {
  test::TempDir dir;
  const std::string secret = "file://" + test::writeWhole(dir / "secret.txt", "secret");
  const std::string pipe = "file://" + dir / "pipe";
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);

  TestServer site;
  site.page("/", "<html><head><link rel=\"canonical\" href=\"" + secret + "\">"
                 "<link rel=\"stylesheet\" href=\"file:///dev/zero\"></head><body>"
                 "<a href=\"" + secret + "\">secret</a><img src=\"" + pipe + "\">"
                 "<a href=\"FILE:///etc/hostname\">host</a><a href=\"/redirect\">r</a>"
                 "<a href=\"/refresh\">h</a><a href=\"/meta\">m</a></body></html>");
  site.redirect("/redirect", 302, pipe);
  site.page("/refresh", "<html></html>", "text/html", {{"Refresh", "0; url=" + pipe}});
  site.page("/meta", "<html><head><meta http-equiv=\"refresh\" content=\"0; url=" + pipe +
                         "\"></head></html>");
  site.redirect("/start", 302, pipe);

  auto run = test::runCrawl(site.url("/"), [](Defaults& d) { d.setDouble("timeout", 5); });
  ASSERT_TRUE(run->finished) << "a named pipe was opened";
  int local = 0;
  for (ZelUrl* r : run->hub->getLinksCollection()) {
    if (!isLocalFile(r->getActualLinkUrl())) continue;
    ++local;
    SCOPED_TRACE(r->getLinkUrl());
    EXPECT_EQ(r->getFinalStatus(), "Not checked");
    EXPECT_FALSE(r->isInternal() && isLocalFile(r->getLinkUrl()));
    ASSERT_NE(r->getWarnings(), nullptr);
    EXPECT_EQ(r->getWarnings()->back(), ZelUrl::kLocalFileFromTheWebWarning);
  }
  EXPECT_EQ(local, 7) << "secret, pipe, /dev/zero, hostname, redirect, refresh, meta refresh";

  auto internalOnly = test::runCrawl(site.url("/"), [](Defaults& d) {
    d.setDouble("timeout", 5);
    d.setBool("internalOnly", true);
  });
  ASSERT_TRUE(internalOnly->finished);
  std::vector<std::string> kept;
  for (ZelUrl* r : internalOnly->hub->getLinksCollection())
    if (isLocalFile(r->getLinkUrl())) kept.push_back(r->getLinkUrl() + " " + r->getStatus());
  // Links are dropped like any external link; a canonical is recorded, as always.
  EXPECT_EQ(kept, std::vector<std::string>({secret + " Not checked"}));

  auto redirectedStart = test::runCrawl(site.url("/start"), [](Defaults& d) {
    d.setDouble("timeout", 5);
  });
  ASSERT_TRUE(redirectedStart->finished);
  EXPECT_EQ(redirectedStart->hub->getFirstItem()->getFinalStatus(), "Not checked");
}

}  // namespace
}  // namespace zel
