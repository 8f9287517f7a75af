// Links inside stylesheets, scripts and PDF documents: with the settings that
// parse them, each is a record with its status and link-text marker; without,
// none is. A local PDF start yields its links.
#include <gtest/gtest.h>

#include "support/crawl_runner.h"
#include "support/test_server.h"

namespace zel {
namespace {

const std::string kRoot = ZEL_FIXTURES_DIR "/sites/resources";

struct Expected {
  const char* path;
  const char* status;
  const char* linkText;
};

TEST(ResourceLinks, StylesheetScriptAndPdfLinksAreCheckedAndALocalPdfStartYieldsItsLinks) {
  test::TestServer site;
  site.folder(kRoot);
  auto parsed = test::runCrawl(site.url("/"), [](Defaults& d) {
    d.setBool("shouldParseCSS", true);
    d.setBool("shouldLoadJS", true);
    d.setBool("shouldParsePDFs", true);
  });
  ASSERT_TRUE(parsed->finished);
  const Expected found[] = {
      {"/css/print.css", "200 no error", "[url in css]"},
      {"/img/bg.png", "200 no error", "[url in css]"},
      {"/img/missing.png", "404 not found", "[url in css]"},
      {"/img/logo.png", "200 no error", "[url in js]"},
      {"/img/gone.jpg", "404 not found", "[url in js]"},
      {"/ok.html", "200 no error", "Good page"},
      {"/gone-from-pdf.html", "404 not found", "Gone page"},
  };
  for (const Expected& e : found) {
    ZelUrl* r = parsed->record(site.url(e.path));
    ASSERT_NE(r, nullptr) << e.path;
    EXPECT_EQ(r->getStatus(), e.status) << e.path;
    EXPECT_EQ(r->getLinkText(), e.linkText) << e.path;
  }
  for (const char* commented : {"/img/old.png", "/img/old.gif"})
    EXPECT_EQ(parsed->record(site.url(commented)), nullptr) << commented;
  EXPECT_EQ(site.requestsTo("/js/app.js").back().method, "GET") << "a script with a query is read";
  // Good images; the PDF; two stylesheets, the script and the PDF again.
  const std::pair<const char*, size_t> dataPosts[] = {
      {"ZelUrlHasImageData", 2}, {"ZelUrlHasPDFData", 1}, {"ZelUrlHasResourceData", 4}};
  for (const auto& [name, times] : dataPosts)
    EXPECT_EQ(parsed->tp.timesPosted(name), times) << name;

  auto plain = test::runCrawl(site.url("/"));
  ASSERT_TRUE(plain->finished);
  for (const Expected& e : found) EXPECT_EQ(plain->record(site.url(e.path)), nullptr) << e.path;

  auto local = test::runCrawl("file://" + kRoot + "/doc.pdf",
                              [](Defaults& d) { d.setBool("shouldParsePDFs", true); });
  ASSERT_TRUE(local->finished);
  EXPECT_NE(local->record("file:///ok.html"), nullptr);
  EXPECT_NE(local->record("file:///gone-from-pdf.html"), nullptr);
}

}  // namespace
}  // namespace zel
