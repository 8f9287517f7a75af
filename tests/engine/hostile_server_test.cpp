// A crawl against servers that misbehave: resets mid-body, truncated chunked
// bodies, garbage heads, endless redirects, a huge body and silence. The crawl
// must end with every record holding a status, and nothing may crash.
#include <gtest/gtest.h>

#include "support/crawl_runner.h"
#include "support/raw_server.h"
#include "support/test_server.h"

namespace zel {
namespace {

using test::RawServer;
using test::TestServer;

TEST(HostileServers, CrawlEndsWithAStatusForEverything) {
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
  std::string links;
  for (const RawServer* s : {&reset, &garbage, &chunked, &silent, &closer, &badHeaders})
    links += "<a href=\"" + s->url("/x").replace(7, 9, "localhost") + "\">x</a>\n";
  links += "<a href=\"/forever\">loop</a>";
  site.page("/", "<html><body>" + links + "</body></html>");

  auto run = test::runCrawl(site.url("/"), [](Defaults& d) {
    d.setDouble("timeout", 2);
    d.setBool("shouldCheckForSoft404", true);  // external pages are read to their end
  }, 60);
  ASSERT_TRUE(run->finished);
  EXPECT_TRUE(run->everyRecordHasStatus());
  for (ZelUrl* r : run->hub->getLinksCollection()) {
    if (r->isStartingPoint()) continue;
    SCOPED_TRACE(r->getLinkUrl() + " -> " + r->getStatus());
    if (r->getLinkUrl().find(std::to_string(badHeaders.port())) != std::string::npos) {
      EXPECT_FALSE(r->getStatus().empty());
    } else {
      EXPECT_TRUE(r->isInBadCollection());
    }
  }
  EXPECT_EQ(run->hub->getCheckedLinkCount(), run->hub->getTotalLinkCount());
}

TEST(HostileServers, AHugeBodyIsReadWhole) {
  TestServer site;
  // 50 MB of body behind an HTML content type, linked from the start page.
  site.route("/huge", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::string(50u << 20, 'x'), "text/html");
  });
  site.page("/", "<html><body><a href=\"/huge\">huge</a></body></html>");
  auto run = test::runCrawl(site.url("/"), [](Defaults& d) { d.setDouble("timeout", 60); }, 120);
  ASSERT_TRUE(run->finished);
  ZelUrl* huge = run->record(site.url("/huge"));
  ASSERT_NE(huge, nullptr);
  EXPECT_EQ(huge->getStatus(), "200 no error");
  EXPECT_EQ(huge->getFileSizeInBytes(), int64_t{50} << 20);
  EXPECT_EQ(huge->getData(), nullptr) << "the body is not kept after extraction";
}

}  // namespace
}  // namespace zel
