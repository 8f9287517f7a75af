// The HTML report opened in headless Chromium through the DevTools client: what
// its tables show, that sorting and filtering work, that hostile page texts
// stay text, that it asks no network for anything, and that a report of
// 100,000 URLs opens and pages through them. (Skipped only where no browser is installed.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cli/run_zelmora.h"
#include "engine/zel_hub.h"
#include "platform/devtools_client.h"
#include "report/report_context.h"
#include "report/writers.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

using test::readWhole;

constexpr const char* kHostileTitle = "<script>alert(1)</script>";

// One report open in a page of the browser, with every dialog the page tried
// to open and every address it asked for.
class ReportPage {
 public:
  explicit ReportPage(DevToolsClient& client) : client_(client) {}

  Status open(const std::string& path, double seconds) {
    if (Status s = client_.openPageAndWait(&session_); !s.ok()) return s;
    client_.on(
        "Page.javascriptDialogOpening",
        [this](const Json& p) {
          dialogs.push_back(p.value("message", ""));
          client_.send(
              "Page.handleJavaScriptDialog", {{"accept", true}}, [](const Status&, const Json&) {},
              session_);
        },
        session_);
    client_.on(
        "Network.requestWillBeSent",
        [this](const Json& p) { requested.push_back(p["request"].value("url", "")); }, session_);
    client_.on(
        "Page.loadEventFired", [this](const Json&) { loaded_ = true; }, session_);
    client_.on(
        "Runtime.exceptionThrown",
        [this](const Json& p) { errors.push_back(p["exceptionDetails"].dump()); }, session_);
    for (const char* domain : {"Page.enable", "Runtime.enable", "Network.enable"})
      if (Status s = client_.call(domain, Json::object(), nullptr, session_); !s.ok()) return s;
    const std::string url = "file://" + std::filesystem::absolute(path).string();
    if (Status s = client_.call("Page.navigate", {{"url", url}}, nullptr, session_); !s.ok())
      return s;
    if (!client_.runUntil([&] { return loaded_; }, seconds))
      return Status::Error("the report did not load in time");
    // The page's script marks the document once every table is built.
    for (int tries = 0;
         tries < 100 && eval("document.documentElement.dataset.renderedMs").is_null(); ++tries)
      client_.runUntil([] { return false; }, 0.1);
    return Status::Ok();
  }

  // The value of a script expression; null when it throws.
  Json eval(const std::string& expression) {
    Json result;
    const Status s =
        client_.call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}},
                     &result, session_);
    if (!s.ok() || result.contains("exceptionDetails")) {
      ADD_FAILURE() << expression << ": " << (s.ok() ? result.dump() : s.message());
      return Json();
    }
    return result["result"].value("value", Json());
  }
  void settle(double seconds) {
    client_.runUntil([] { return false; }, seconds);
  }

  std::vector<std::string> dialogs, requested, errors;

 private:
  DevToolsClient& client_;
  std::string session_;
  bool loaded_ = false;
};

// Scripts the tests run in the report.
constexpr const char* kUrlColumn =
    "[...document.querySelectorAll('#urls tbody tr')].map(r => r.cells[0].textContent)";
constexpr const char* kPagerInfo = "document.querySelector('#urls-pager .info').textContent";

std::string typeInFilter(const std::string& text) {
  return "(() => { const f = document.getElementById('url-filter'); f.value = " +
         Json(text).dump() + "; f.dispatchEvent(new Event('input')); return 0; })()";
}

bool allRequestsAreLocal(const std::vector<std::string>& requested) {
  return std::all_of(requested.begin(), requested.end(), [](const std::string& u) {
    return u.rfind("file://", 0) == 0 || u.rfind("data:", 0) == 0;
  });
}

class HtmlReport : public ::testing::Test {
 protected:
  void startBrowser() {
    if (!BrowserProcess::findExecutable())
      GTEST_SKIP() << "no headless Chromium installed (scripts/install-deps installs it)";
    const Status s = client_.startAndWait();
    ASSERT_TRUE(s.ok()) << s.message();
  }
  test::TempDir dir_;
  PollRunLoop loop_;
  DevToolsClient client_{loop_};
};

TEST_F(HtmlReport, ShowsTheCrawlAndItsTablesSortAndFilter) {
  test::TestServer site;
  site.folder(ZEL_FIXTURES_DIR "/sites/audit");
  site.redirect("/old", 301, "/about.html");
  site.redirect("/older", 302, "/old");
  site.page("/start.html",
            "<html><head><title>Start</title></head><body><a href=\"/\">Home</a>"
            "<a href=\"/hostile.html\">Hostile</a></body></html>");
  site.page("/hostile.html",
            "<html><head><title>&lt;script&gt;alert(1)&lt;/script&gt;</title></head>"
            "<body><h1>Hi</h1>\n"
            "<a href=\"/gone.html\">&lt;img src=x onerror=alert(2)&gt;</a></body></html>");
  const std::string settings = dir_ / "settings.json";
  std::ofstream(settings) << R"({"numberOfThreads": 2, "observeRobotsTxt": false,
      "htmlValidationEnabled": true, "countKeywords": true, "checkSpelling": true,
      "authenticationPassword": "s3cret-pass"})";
  const std::string report = dir_ / "report.html";
  EXPECT_EQ(run({"crawl", site.url("/start.html"), "--settings", settings, "--timeout", "5", "-q",
                 "--html", report}),
            1)
      << "the site has bad links";
  const std::string html = readWhole(report);
  ASSERT_FALSE(html.empty());
  // The data block cannot be closed early by a page's text, and no secret is in it.
  size_t scriptEnds = 0;
  for (size_t at = html.find("</script"); at != std::string::npos;
       at = html.find("</script", at + 1))
    ++scriptEnds;
  EXPECT_EQ(scriptEnds, 2u) << "the data block's and the script's own";
  EXPECT_NE(html.find("\\u003cscript\\u003ealert(1)\\u003c/script\\u003e"), std::string::npos);
  EXPECT_EQ(html.find("s3cret"), std::string::npos);

  startBrowser();
  ReportPage page(client_);
  ASSERT_TRUE(page.open(report, 30).ok());
  ASSERT_TRUE(page.errors.empty()) << page.errors[0];
  const std::string u = site.url("/");

  // Every record is a row of the table of every URL, in crawl order at first.
  const Json rows = page.eval(kUrlColumn);
  ASSERT_EQ(rows.size(), 15u) << rows.dump();
  EXPECT_EQ(rows[0], site.url("/start.html"));
  EXPECT_EQ(page.eval(kPagerInfo), "Showing 1\u201315 of 15");
  // The hostile title is text in its cell, and the page holds no script but its own.
  EXPECT_EQ(page.eval("[...document.querySelectorAll('#urls td.title')].filter(td => "
                      "td.textContent === " +
                      Json(kHostileTitle).dump() + ").length"),
            1);
  EXPECT_EQ(page.eval("document.querySelectorAll('script').length"), 2);
  EXPECT_EQ(page.eval("document.querySelectorAll('#report img').length"), 0);

  // Sorting by address, then the other way.
  std::vector<std::string> sorted(rows.begin(), rows.end());
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(page.eval("document.querySelector('#urls th[data-col=url]').click(), 0"), 0);
  EXPECT_EQ(page.eval(kUrlColumn), Json(sorted));
  page.eval("document.querySelector('#urls th[data-col=url]').click(), 0");
  std::reverse(sorted.begin(), sorted.end());
  EXPECT_EQ(page.eval(kUrlColumn), Json(sorted));
  EXPECT_EQ(page.eval("document.querySelector('#urls th[data-col=url]').getAttribute('aria-sort')"),
            "descending");
  // Sorting a number column, largest first.
  page.eval(
      "document.querySelector('#urls th[data-col=links-in]').click(), "
      "document.querySelector('#urls th[data-col=links-in]').click(), 0");
  const Json inbound = page.eval(
      "[...document.querySelectorAll('#urls tbody tr')].map(r => +r.cells[4].textContent)");
  ASSERT_EQ(inbound.size(), 15u);
  EXPECT_TRUE(std::is_sorted(inbound.rbegin(), inbound.rend())) << inbound.dump();
  EXPECT_GE(inbound[0].get<int>(), 2) << inbound.dump();

  // Filtering by text, by status class, and both.
  page.eval(typeInFilter("NOTITLE"));
  EXPECT_EQ(page.eval(kUrlColumn), Json::array({site.url("/notitle.html")}))
      << "matches the address, case ignored";
  page.eval(typeInFilter("same title"));
  EXPECT_EQ(page.eval(kUrlColumn + std::string(".length")), 2) << "two pages share that title";
  page.eval(typeInFilter(""));
  page.eval(
      "(() => { const s = document.getElementById('class-filter'); s.value = '1'; "
      "s.dispatchEvent(new Event('change')); return 0; })()");
  const Json bad = page.eval(kUrlColumn);
  EXPECT_EQ(std::set<std::string>(bad.begin(), bad.end()),
            std::set<std::string>({site.url("/missing.html"), site.url("/gone.html")}));
  page.eval(typeInFilter("gone"));
  EXPECT_EQ(page.eval(kUrlColumn), Json::array({site.url("/gone.html")}));
  page.eval(typeInFilter("about"));
  EXPECT_EQ(page.eval(kUrlColumn), Json::array()) << "about.html is good, not bad";

  // Bad links with where they stand; the link text with markup is text.
  const Json places = page.eval(
      "[...document.querySelectorAll('#bad-links .item')].map(i => i.textContent.replace(/\\s+/g, "
      "' '))");
  ASSERT_EQ(places.size(), 2u) << places.dump();
  const std::string all = places.dump();
  EXPECT_NE(all.find("on " + u + "line 20Gone"), std::string::npos) << all;
  EXPECT_NE(all.find("on " + site.url("/team.html") + "line 11Old rota"), std::string::npos);
  EXPECT_NE(all.find("<img src=x onerror=alert(2)>"), std::string::npos) << all;
  // The redirect chain of /older, hop by hop.
  EXPECT_EQ(page.eval("[...document.querySelectorAll('#redirects .item')].find(i => "
                      "i.querySelector('.head').textContent.endsWith('/older'))"
                      ".querySelector('.chain').textContent"),
            "302 found\u2192" + site.url("/old") + "301 moved permanently\u2192" +
                site.url("/about.html") + "200 no error at the end");
  // SEO problems by kind with their pages, and the summary's counters.
  const Json seo = page.eval(
      "Object.fromEntries([...document.querySelectorAll('#seo details')].map(d => "
      "[d.querySelector('summary').firstChild.textContent, "
      "[...d.querySelectorAll('.item a')].map(a => a.textContent)]))");
  EXPECT_EQ(seo["Pages without title"], Json::array({site.url("/notitle.html")})) << seo.dump();
  EXPECT_EQ(seo["Pages with several h1"], Json::array({site.url("/team.html")}));
  EXPECT_EQ(seo["High keyword density"], Json::array({site.url("/stuffed.html")}));
  EXPECT_EQ(seo["Pages with robots noindex"], Json::array({site.url("/hidden.html")}));
  EXPECT_EQ(seo["Duplicate titles"].size(), 2u);
  const Json words = page.eval(
      "[...[...document.querySelectorAll('#seo details')].find(d => d.querySelector('summary')"
      ".textContent.startsWith('Misspelled')).querySelectorAll('.item')].map(i => "
      "i.querySelector('b').textContent + ' ' + i.querySelector('a').textContent)");
  for (const char* word : {"recieve", "teh"})
    EXPECT_NE(std::find(words.begin(), words.end(),
                        "\u201C" + std::string(word) + "\u201D " + site.url("/about.html")),
              words.end())
        << words.dump();
  EXPECT_EQ(page.eval("[...document.querySelectorAll('#seo .seo-summary li')].some(li => "
                      "li.textContent === '2 pages with duplicate titles')"),
            true);
  // Warnings are grouped by their text, with the pages that have each.
  const Json doctype = page.eval(
      "[...document.querySelectorAll('#warnings details')].filter(d => d.querySelector('summary')"
      ".textContent.includes(\"doesn't start with a !doctype\")).map(d => "
      "d.querySelector('summary .n').textContent)");
  ASSERT_EQ(doctype.size(), 1u) << "one group for the text";
  EXPECT_NE(doctype[0].get<std::string>().find(" pages"), std::string::npos) << doctype.dump();
  // Bad links and warnings keep to the site or to outside it on request.
  auto scope = [&](const char* section, int button) {
    return page.eval(std::string("(() => { document.querySelectorAll('#") + section +
                     " .scope button')[" + std::to_string(button) +
                     "].click(); return document"
                     ".querySelectorAll('#" +
                     section + " .item').length; })()");
  };
  EXPECT_EQ(scope("bad-links", 2), 0) << "no bad link is outside the site";
  EXPECT_EQ(scope("bad-links", 1), 2);
  EXPECT_EQ(scope("bad-links", 0), 2);
  EXPECT_GT(scope("warnings", 1), 0);
  // The chart's legend counts every URL once.
  EXPECT_EQ(page.eval("[...document.querySelectorAll('.legend .count')].map(c => +c.textContent)"
                      ".reduce((a, b) => a + b)"),
            15);

  EXPECT_TRUE(page.dialogs.empty()) << page.dialogs[0];
  EXPECT_TRUE(allRequestsAreLocal(page.requested)) << Json(page.requested).dump();
  EXPECT_FALSE(page.requested.empty()) << "the report itself was seen as a request";
  // The dialog watch works: a dialog the test opens is seen.
  page.eval("setTimeout(() => alert('seen'), 0), 0");
  page.settle(0.5);
  EXPECT_EQ(page.dialogs, std::vector<std::string>({"seen"}));

  EXPECT_EQ(run({"crawl", site.url("/start.html"), "-q", "--html", "/no/such/folder/r.html"}), 2);
}

// 100,000 records made directly in a hub (a crawl of that size would take
// minutes), with the usual share of bad links, redirects and SEO pages. How fast
// it opens is for benchmarks; here it must open, count and page correctly. Then
// the report of the bundled example site opens with every record.
TEST_F(HtmlReport, AHundredThousandUrlsOpenAndPageAndTheDemoReportOpens) {
  test::TestPlatform tp;
  tp.defaults.setBool("SEOEnabled", true);
  ZelHub hub("http://big.test/", tp.platform());
  constexpr int kUrls = 100000;
  std::vector<ZelUrl*> pages;
  for (int n = 0; n < kUrls; ++n) {
    ZelUrl* r = hub.createRecord();
    r->setLinkUrl("http://big.test/page-" + std::to_string(n), false);
    r->setIsInternal(n % 10 != 0);
    r->setMimeType("text/html");
    r->setLinkPageTitle("Page " + std::to_string(n) + (n % 1000 == 0 ? kHostileTitle : ""));
    r->setStatus(n % 50 == 0 ? "404 not found" : "200 ok");
    if (n % 50 == 0) r->setIsInBadCollection(true);
    if (n % 97 == 0)
      r->setRedirTable(
          {RedirectEntry{"http://big.test/moved-" + std::to_string(n), false, "301 moved", 0}});
    r->setDistanceFromHome(n % 7);
    r->setWordCount(n % 400);
    r->setResponseTimeInterval(0.001 * (n % 300));
    hub.add(r);
    if (n < 1000) {
      pages.push_back(r);
      hub.seoManager().add(r);
    }
    if (n > 0 && n % 50 == 0)
      hub.addInstanceWithParent(pages[n % 1000], r, "to " + std::to_string(n), "", "", "", 12);
  }
  // A bad link in a menu: 120 places, of which the report keeps 100.
  for (int p = 100; p < 219; ++p)
    hub.addInstanceWithParent(pages[p], hub.getLinksCollection()[50], "menu", "", "", "", 3);
  ReportContext report(hub, tp.defaults, {});
  const std::string path = dir_ / "big.html";
  ASSERT_TRUE(writeHtmlReport(report, path).ok());
  // The bundled example site, served over http as `make demo` does.
  const std::string demoReport = dir_ / "demo.html", json = dir_ / "demo.json";
  EXPECT_EQ(run({"crawl", ZEL_FIXTURES_DIR "/../../examples/site", "--over-http", "-q",
                 "--no-settings-file", "--html", demoReport, "--json", json}),
            1)
      << "the example site has bad links on purpose";
  const Json records = Json::parse(readWhole(json))["records"];
  size_t bad = 0;
  for (const Json& r : records) bad += r["bad"].get<bool>() ? 1 : 0;

  startBrowser();
  ReportPage page(client_);
  ASSERT_TRUE(page.open(path, 120).ok());
  ASSERT_TRUE(page.errors.empty()) << page.errors[0];
  EXPECT_FALSE(page.eval("document.documentElement.dataset.renderedMs").is_null())
      << "every table was built";
  EXPECT_EQ(page.eval(kPagerInfo), "Showing 1\u2013100 of 100,000");
  EXPECT_EQ(page.eval(kUrlColumn + std::string(".length")), 100) << "one page of rows at a time";
  EXPECT_EQ(page.eval("document.querySelector('#urls tbody tr').cells[3].textContent"),
            std::string("Page 0") + kHostileTitle);
  EXPECT_EQ(page.eval("document.querySelectorAll('#bad-links .item').length"), 25);
  EXPECT_EQ(page.eval("document.querySelector('#bad-pager .info').textContent"),
            "Showing 1\u201325 of 2,000");
  // Its first five places show, the others on request, then the count of the rest.
  const std::string menuPlaces =
      "[...[...document.querySelectorAll('#bad-links .item')].find(i => i.querySelector('.head')"
      ".textContent.endsWith('/page-50')).querySelectorAll('.places tr')].map(r => r.textContent)";
  Json shown = page.eval(menuPlaces);
  ASSERT_EQ(shown.size(), 7u) << shown.dump();
  EXPECT_EQ(shown[5], "Show 95 more places");
  EXPECT_EQ(shown[6], "and 20 more places");
  page.eval("document.querySelector('#bad-links .places button.more').click(), 0");
  shown = page.eval(menuPlaces);
  ASSERT_EQ(shown.size(), 101u);
  EXPECT_EQ(shown[99].get<std::string>().find("on http://big.test/page-"), 0u) << shown[99];
  EXPECT_EQ(shown[100], "and 20 more places");
  page.eval(typeInFilter("page-9999"));
  EXPECT_EQ(page.eval(kPagerInfo), "Showing 1\u201311 of 11") << "page-9999 and page-99990..99999";
  page.eval(
      "document.querySelector('#urls th[data-col=url]').click(), "
      "document.querySelector('#urls th[data-col=url]').click(), 0");
  EXPECT_EQ(page.eval(std::string(kUrlColumn) + "[0]"), "http://big.test/page-99999");
  // Numbers sort as numbers over the whole table, not as texts.
  page.eval(typeInFilter(""));
  page.eval(
      "document.querySelector('#urls th[data-col=words]').click(), "
      "document.querySelector('#urls th[data-col=words]').click(), 0");
  const Json words = page.eval(
      "[...document.querySelectorAll('#urls tbody tr')].map(r => +r.cells[8].textContent)");
  ASSERT_EQ(words.size(), 100u);
  EXPECT_EQ(words[0], 399);
  EXPECT_EQ(words[99], 399) << "250 pages have 399 words";
  EXPECT_EQ(page.eval(kPagerInfo), "Showing 1\u2013100 of 100,000");
  EXPECT_TRUE(page.dialogs.empty());
  EXPECT_TRUE(allRequestsAreLocal(page.requested)) << Json(page.requested).dump();

  // The report of the bundled example site.
  ReportPage demo(client_);
  ASSERT_TRUE(demo.open(demoReport, 30).ok());
  EXPECT_TRUE(demo.errors.empty()) << demo.errors[0];
  EXPECT_EQ(demo.eval(std::string(kUrlColumn) + ".length"), records.size());
  EXPECT_EQ(demo.eval(std::string(kUrlColumn) + "[0]"), records[0]["url"]);
  EXPECT_EQ(demo.eval("document.querySelectorAll('#bad-links .item').length"), bad);
  EXPECT_GT(bad, 0u);
  EXPECT_TRUE(demo.dialogs.empty());
  EXPECT_TRUE(allRequestsAreLocal(demo.requested)) << Json(demo.requested).dump();
}

}  // namespace
}  // namespace zel::cli
