// Whole crawls with archiving on: pages are kept while the crawl runs and the
// archive is saved when it finishes.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "archive/archive_store.h"
#include "archive_fixture.h"
#include "support/crawl_runner.h"
#include "support/test_server.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::CrawlRun;
using test::readWhole;
using test::TempDir;
using test::TestServer;

// runCrawl, with the hub's internal archive placed in `archiveBase`.
std::unique_ptr<CrawlRun> crawlWithArchive(const std::string& start, const std::string& archiveBase,
                                           const std::function<void(Defaults&)>& configure) {
  return test::runCrawlWith(
      start,
      [&](CrawlRun& run) { run.tp.localizer.set(ArchiveStore::kLocationKey, archiveBase); },
      configure);
}

// The fixture site on `site`, linking out to `other` (another host name).
void serveFixtureSite(TestServer& site, TestServer& other) {
  const std::string self = "127.0.0.1:" + std::to_string(site.port());
  const std::string ext = "localhost:" + std::to_string(other.port());
  site.page("/", test::sitePage("index.html", self, ext));
  site.page("/about.html", test::sitePage("about.html", self, ext));
  site.page("/docs/", test::sitePage("docs.html", self, ext));
  site.page("/docs/guide.html", test::sitePage("guide.html", self, ext));
  site.page("/team", test::sitePage("team.html", self, ext));
  site.rawPage("/logo.png", "\x89PNG", "image/png");
  site.page("/style.css", "body { color: black }", "text/css");
  other.page("/ext.html", "<html><body>partner</body></html>");
}

// The <a href> values of a page outside its comments.
std::vector<std::string> hrefsOf(const std::string& html) {
  std::vector<std::string> out;
  static const std::regex comment("<!--[\\s\\S]*?-->");
  static const std::regex href("<a href=\"([^\"]*)\"");
  const std::string page = std::regex_replace(html, comment, "");
  for (std::sregex_iterator it(page.begin(), page.end(), href), end; it != end; ++it)
    out.push_back((*it)[1]);
  return out;
}

TEST(ArchiveCrawl, ConvertedArchiveOfALocalSiteIsBrowsableAndTheSettingsDecideWhatIsKept) {
  TestServer site, other;
  ASSERT_TRUE(site.ok() && other.ok());
  serveFixtureSite(site, other);
  TempDir tmp;
  // Left over from an earlier crawl: go() empties the internal archive first.
  test::writeWhole(tmp / "base/archive/stale.html", "<a href=\"/gone\">old</a>");
  fs::create_directories(tmp / "saved");

  auto run = crawlWithArchive(site.url("/"), tmp / "base", [&](Defaults& d) {
    d.setBool("shouldArchive", true);
    d.setBool("convertArchivedPages", true);
    d.setString("archiveDirectory", tmp / "saved");
  });
  ASSERT_TRUE(run->finished);
  EXPECT_EQ(run->didFinishPosts, 1);

  // The internal archive holds exactly the internal pages.
  const std::string self = "127.0.0.1:" + std::to_string(site.port());
  std::vector<std::string> internal;
  for (const auto& e : fs::directory_iterator(tmp / "base/archive"))
    internal.push_back(e.path().filename().string());
  std::sort(internal.begin(), internal.end());
  EXPECT_EQ(internal, (std::vector<std::string>{self + "%2F", "about.html", "docs%2F",
                                                "docs%2Fguide.html", "team"}));
  ZelUrl* about = run->record(site.url("/about.html"));
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->fileLocationForArchive(), tmp / "base/archive/about.html");
  EXPECT_TRUE(about->countSEOTerm("widgets"));
  EXPECT_EQ(about->getOcurrencesInArchive(), 3);

  // The save: one folder with every internal page as a local file.
  std::vector<fs::path> saves;
  for (const auto& e : fs::directory_iterator(tmp / "saved")) saves.push_back(e.path());
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_EQ(saves[0].filename().string().rfind("Archived pages ", 0), 0u);
  const std::string root = saves[0].string() + "/";
  const std::vector<std::string> files = {self + "/index.html", "about.html", "docs/index.html",
                                          "docs/guide.html", "team/index.html"};
  size_t localLinks = 0;
  for (const auto& file : files) {
    ASSERT_TRUE(fs::exists(root + file)) << file;
    const std::string page = readWhole(root + file);
    for (const std::string& href : hrefsOf(page)) {
      if (href.empty() || href.find("://") != std::string::npos) continue;
      // Every rewritten link opens a file of the save.
      const fs::path target = fs::path(root + file).parent_path() / href;
      EXPECT_TRUE(fs::exists(target)) << file << ": " << href;
      ++localLinks;
    }
  }
  EXPECT_GE(localLinks, 10u);

  const std::string home = readWhole(root + self + "/index.html");
  EXPECT_NE(home.find("href=\"../docs/guide.html\""), std::string::npos);
  EXPECT_NE(home.find("href=\"../team/index.html\""), std::string::npos);
  // Links to another host, and the live site's images and stylesheets, stay on the web.
  EXPECT_NE(home.find("href=\"" + other.url("/ext.html").replace(7, 9, "localhost") + "\""),
            std::string::npos);
  EXPECT_NE(home.find("src=\"" + site.url("/logo.png") + "\""), std::string::npos);
  EXPECT_NE(home.find("href=\"" + site.url("/style.css") + "\""), std::string::npos);

  // Archiving and saving follow the settings.
  struct Case {
    const char* name;
    bool shouldArchive, suppressSave, singlePage;
    size_t archived;
    bool saved;
  };
  const Case cases[] = {
      {"off", false, false, false, 0, false},
      {"kept, not saved", true, true, false, 5, false},
      {"single page, plain copy", true, false, true, 1, true},
  };
  for (const auto& c : cases) {
    TempDir each;
    fs::create_directories(each / "saved");
    run = crawlWithArchive(site.url("/"), each / "base", [&](Defaults& d) {
      d.setBool("shouldArchive", c.shouldArchive);
      d.setBool("suppressArchiveSaveDialog", c.suppressSave);
      d.setBool("singlePage", c.singlePage);
      d.setString("archiveDirectory", each / "saved");
    });
    ASSERT_TRUE(run->finished) << c.name;
    size_t archived = 0;
    std::error_code ec;
    for (fs::directory_iterator it(each / "base/archive", ec), end; !ec && it != end; ++it)
      ++archived;
    EXPECT_EQ(archived, c.archived) << c.name;
    saves.clear();
    for (const auto& e : fs::directory_iterator(each / "saved")) saves.push_back(e.path());
    EXPECT_EQ(saves.size(), c.saved ? 1u : 0u) << c.name;
    if (c.saved && !saves.empty()) {
      // A plain copy keeps the archive's own file names.
      EXPECT_EQ(saves[0].filename().string().rfind("Zelmora archived pages ", 0), 0u);
      EXPECT_TRUE(fs::exists(saves[0] / (self + "%2F")));
    }
    EXPECT_TRUE(run->tp.alerts.folderPrompts.empty()) << c.name;
  }
}

}  // namespace
}  // namespace zel
