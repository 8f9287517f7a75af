// The window in real headless Chromium through the DevTools client, in one
// session: a crawl started from the form ends with the counts `zelmora crawl`
// reports, the 4xx filter shows the broken links, a row's inlinks show their
// line and text, a fixed page turns good when its row is rechecked, a hostile
// title stays text, downloads equal `zelmora export`, and a crawl database of
// a million URLs opens, scrolls to its end and sorts (its times are printed,
// not asserted). Skipped only where no browser is installed.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include "cli/run_zelmora.h"
#include "cli/window_fixture.h"
#include "platform/devtools_client.h"
#include "platform/sqlite_database.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

using test::readWhole;
namespace fs = std::filesystem;

constexpr const char* kHostileTitle = "<img src=x onerror=alert(1)>";
constexpr const char* kUrlCells =
    "[...document.querySelectorAll('#rows .row')].map(r => r.children[0].textContent)";

// The window open in a page, with what the page said went wrong: exceptions,
// console errors, security policy violations and dialogs.
class WindowPage {
 public:
  explicit WindowPage(DevToolsClient& client) : client_(client) {}

  Status open(const std::string& address) {
    if (Status s = client_.openPageAndWait(&session_); !s.ok()) return s;
    client_.on(
        "Runtime.exceptionThrown",
        [this](const Json& p) { problems.push_back(p["exceptionDetails"].dump()); }, session_);
    client_.on(
        "Runtime.consoleAPICalled",
        [this](const Json& p) {
          if (p.value("type", "") == "error") problems.push_back("console: " + p["args"].dump());
        },
        session_);
    client_.on(
        "Log.entryAdded",
        [this](const Json& p) {
          if (p["entry"].value("level", "") == "error")
            problems.push_back("log: " + p["entry"].value("text", "") + " " +
                               p["entry"].value("url", ""));  // which request failed
        },
        session_);
    client_.on(
        "Page.javascriptDialogOpening",
        [this](const Json& p) { problems.push_back("dialog: " + p.value("message", "")); },
        session_);
    for (const char* domain : {"Page.enable", "Runtime.enable", "Log.enable"})
      if (Status s = client_.call(domain, Json::object(), nullptr, session_); !s.ok()) return s;
    // Policy violations are kept where the test reads them.
    (void)client_.call(
        "Page.addScriptToEvaluateOnNewDocument",
        {{"source",
          "document.addEventListener('securitypolicyviolation', e => "
          "(window.violations = window.violations || []).push(e.violatedDirective));"}},
        nullptr, session_);
    (void)client_.call(
        "Emulation.setDeviceMetricsOverride",
        {{"width", 1400}, {"height", 900}, {"deviceScaleFactor", 1}, {"mobile", false}}, nullptr,
        session_);
    if (Status s = client_.call("Page.navigate", {{"url", address}}, nullptr, session_); !s.ok())
      return s;
    if (!waitFor("document.documentElement.dataset.ready === '1'", 30))
      return Status::Error("the window did not start");
    return Status::Ok();
  }

  Json eval(const std::string& expression) {
    Json result;
    const Status s =
        client_.call("Runtime.evaluate",
                     {{"expression", expression}, {"returnByValue", true}, {"awaitPromise", true}},
                     &result, session_);
    if (!s.ok() || result.contains("exceptionDetails")) {
      ADD_FAILURE() << expression << ": " << (s.ok() ? result.dump() : s.message());
      return Json();
    }
    return result["result"].value("value", Json());
  }
  // Polls `expression` until it is true; false when `seconds` pass first.
  bool waitFor(const std::string& expression, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
      Json result;
      (void)client_.call("Runtime.evaluate",
                         {{"expression", "!!(" + expression + ")"}, {"returnByValue", true}},
                         &result, session_);
      if (result["result"].value("value", false)) return true;
      client_.runUntil([] { return false; }, 0.05);
    }
    return false;
  }
  void click(const std::string& selector) {
    eval("document.querySelector(" + Json(selector).dump() + ").click(), 0");
  }
  void key(const std::string& name, int code) {
    for (const char* type : {"keyDown", "keyUp"})
      (void)client_.call(
          "Input.dispatchKeyEvent",
          {{"type", type}, {"key", name}, {"code", name}, {"windowsVirtualKeyCode", code}}, nullptr,
          session_);
  }
  // The window's state once nothing runs: a saved crawl shown after `generation`.
  bool settled(int generation, double seconds) {
    return waitFor(
        "document.documentElement.dataset.busy === 'false' && "
        "+document.documentElement.dataset.generation > " +
            std::to_string(generation) +
            " && ['finished', 'stopped'].includes(document.documentElement.dataset.state)",
        seconds);
  }
  int generation() {
    return std::stoi(eval("document.documentElement.dataset.generation").get<std::string>());
  }
  void showFilter(const std::string& tab, const std::string& filter) {
    click("#tabs button[data-tab=" + tab + "]");
    click("#filter-list li[data-filter='" + filter + "']");
    waitFor("document.getElementById('rows').dataset.view === '" + tab + "/" + filter + "'", 10);
  }
  // Clicks the row whose address ends so, once the table shows it.
  bool clickRow(const std::string& ending) {
    const std::string row =
        "[...document.querySelectorAll('#rows .row')].find(r => "
        "r.children[0].textContent.endsWith(" +
        Json(ending).dump() + "))";
    if (!waitFor(row, 10)) return false;
    eval(row + ".click(), 0");
    return true;
  }
  // The rows in view once the table shows `count` of them.
  Json rowsWhen(const std::string& countTest) {
    waitFor("(" + std::string(kUrlCells) + ").length " + countTest, 10);
    return eval(kUrlCells);
  }

  std::vector<std::string> problems;

 private:
  DevToolsClient& client_;
  std::string session_;
};

double secondsSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

long residentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// A saved crawl of a million URLs, on the layout of a real one: its crawl row
// kept, its URLs made by SQL (a crawl of that size would take an hour).
void makeMillionUrlDatabase(const std::string& from, const std::string& path) {
  fs::copy_file(from, path);
  SqliteDatabase db;
  ASSERT_TRUE(db.open(path, true).ok());
  ASSERT_TRUE(
      db.exec(
            "BEGIN; DELETE FROM links; DELETE FROM redirects; DELETE FROM warnings; "
            "DELETE FROM duplicates; DELETE FROM misspellings; DELETE FROM urls; "
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999999) "
            "INSERT INTO urls (id, url, actual_url, status, final_status, bad, internal, is_html, "
            " mime_type, distance, title, page_order, size_bytes, response_time, word_count) "
            "SELECT i, 'http://big.test/page-' || i, 'http://big.test/page-' || i, "
            " CASE WHEN i % 50 = 0 THEN '404 not found' WHEN i % 97 = 0 THEN '500 server error' "
            " ELSE '200 no error' END, NULL, i % 50 = 0, 1, 1, 'text/html', i % 7, 'Page ' || i, "
            " i, 1000 + i % 5000, (i % 300) * 0.001, i % 400 FROM n; "
            "UPDATE crawl SET total = 1000000, checked = 1000000, bad = 20000, pages = 1000000; "
            "COMMIT")
          .ok())
      << db.lastError();
}

TEST(WindowInABrowser, CrawlsFromTheFormShowsFiltersInlinksRechecksDownloadsAndAMillionRows) {
  if (!BrowserProcess::findExecutable())
    GTEST_SKIP() << "no headless Chromium installed (scripts/install-deps installs it)";
  std::atomic<bool> fixed{false};
  test::TestServer site;
  site.page("/",
            "<html><head><title>Home</title></head><body>\n"
            "<a href=\"/about.html\">About</a>\n"
            "<a href=\"/fixme.html\">Fix me</a>\n"
            "<a href=\"/hostile.html\">Hostile</a>\n"
            "<a href=\"/missing.html\">Missing page</a>\n"
            "</body></html>");
  site.page("/about.html",
            "<html><head><title>About</title></head><body><a href=\"/\">Home</a>"
            "<a href=\"/gone.html\">Gone</a></body></html>");
  site.page("/hostile.html",
            "<html><head><title>&lt;img src=x "
            "onerror=alert(1)&gt;</title></head><body><h1>x</h1></body></html>");
  site.route("/fixme.html", [&](const httplib::Request&, httplib::Response& res) {
    if (fixed)
      return res.set_content("<html><head><title>Fixed</title></head></html>", "text/html");
    res.status = 404;
    res.set_content("gone for now", "text/plain");
  });
  InProcessWindow w;
  ASSERT_TRUE(w.listening.ok());
  PollRunLoop loop;
  DevToolsClient client(loop);
  ASSERT_TRUE(client.startAndWait().ok());
  WindowPage page(client);
  ASSERT_TRUE(page.open(w.server->openingAddress()).ok());
  EXPECT_EQ(page.eval("location.search"), "") << "the token left the address bar";

  // A crawl from the form; its counts end as `zelmora crawl` counts the site.
  page.click("#new-crawl");
  page.eval("document.getElementById('target').value = " + Json(site.url("/")).dump() +
            ", document.querySelector('input[data-option=\"--timeout\"]').value = '5', "
            "document.querySelector('textarea[data-option=\"--exclude\"]').value = "
            "'never-there\\nnor-this', 0");
  page.click("#crawl-start");
  ASSERT_TRUE(page.settled(0, 60)) << page.eval("document.getElementById('message').textContent");
  const std::string json = w.dir / "crawl.json";
  ASSERT_EQ(runProgram(kProgram, "crawl " + site.url("/") +
                                     " --timeout 5 -q --no-settings-file --json " + json)
                .status,
            1);
  const Json counts = Json::parse(readWhole(json))["counts"];
  const Json shown = page.eval(
      "['found', 'checked', 'bad', 'pages'].map(k => "
      "+document.getElementById('c-' + k).textContent.replace(/,/g, ''))");
  EXPECT_EQ(shown,
            Json::array({counts["total"], counts["checked"], counts["bad"], counts["pages"]}));

  // The 4xx filter: exactly the broken links.
  page.showFilter("status", "4xx");
  const Json broken = page.rowsWhen("=== 3");
  EXPECT_EQ(std::set<std::string>(broken.begin(), broken.end()),
            std::set<std::string>(
                {site.url("/fixme.html"), site.url("/missing.html"), site.url("/gone.html")}));
  // A row's inlinks: the page, the link text and its line. Down moves on.
  ASSERT_TRUE(page.clickRow("/fixme.html"));
  ASSERT_TRUE(page.waitFor("document.querySelector('#lower-body tbody tr')", 10));
  EXPECT_EQ(
      page.eval(
          "[...document.querySelector('#lower-body tbody tr').cells].map(c => c.textContent)"),
      Json::array({site.url("/"), "Fix me", "3", ""}));
  // Its response's headers, as the server sent them.
  page.click("#lower-tabs button[data-tab=headers]");
  EXPECT_TRUE(
      page.waitFor("[...document.querySelectorAll('#lower-body td')].some(td => td.textContent === "
                   "'Content-Type')",
                   5));
  page.click("#lower-tabs button[data-tab=inlinks]");
  const Json selected = page.eval("document.querySelector('#rows .row.selected').dataset.index");
  page.eval("document.getElementById('viewport').focus(), 0");
  page.key("ArrowDown", 40);
  EXPECT_TRUE(page.waitFor("document.querySelector('#rows .row.selected').dataset.index == " +
                               std::to_string(std::stoi(selected.get<std::string>()) + 1),
                           5));
  page.key("ArrowUp", 38);
  ASSERT_TRUE(
      page.waitFor("document.querySelector('#rows "
                   ".row.selected').children[0].textContent.endsWith('/fixme.html')",
                   5));

  // The audit's tab: the broken internal links are its first issue type, with their pages.
  page.showFilter("issues", "status.internal_4xx");
  EXPECT_EQ(page.eval("document.querySelector('#filter-list li.issue').dataset.filter"),
            "status.internal_4xx");
  const Json issuePages = page.rowsWhen("=== 3");
  EXPECT_EQ(std::set<std::string>(issuePages.begin(), issuePages.end()),
            std::set<std::string>(broken.begin(), broken.end()));

  // A hostile title is text in its cell.
  page.click("#tabs button[data-tab=titles]");
  ASSERT_TRUE(page.waitFor(
      "[...document.querySelectorAll('#rows .row .c-title')].some(c => c.textContent === " +
          Json(kHostileTitle).dump() + ")",
      10));
  EXPECT_EQ(page.eval("document.querySelectorAll('#rows img, #lower img').length"), 0);

  // Downloads are what `zelmora export` writes of the window's crawl database.
  const std::string downloads = w.dir / "downloads";
  fs::create_directories(downloads);
  ASSERT_TRUE(
      client
          .call("Browser.setDownloadBehavior", {{"behavior", "allow"}, {"downloadPath", downloads}})
          .ok());
  page.click("#export-menu a[data-kind=csv]");
  page.click("#export-menu a[data-kind=json]");
  const std::string db =
      page.eval("fetch('/api/state').then(r => r.json()).then(s => s.source.path)");
  const std::string stem = fs::path(db).stem().string();
  ASSERT_TRUE(client.runUntil(
      [&] {
        return fs::exists(downloads + "/" + stem + "-urls.csv") &&
               fs::exists(downloads + "/" + stem + ".json");
      },
      30));
  // The program itself, as a user runs it (the window's engine is this process's).
  ASSERT_EQ(runProgram(kProgram, "export " + db + " --csv " + (w.dir / "e.csv") + " --json " +
                                     (w.dir / "e.json") + " -q")
                .status,
            0);
  EXPECT_EQ(readWhole(downloads + "/" + stem + "-urls.csv"), readWhole(w.dir / "e.csv"));
  EXPECT_EQ(readWhole(downloads + "/" + stem + ".json"), readWhole(w.dir / "e.json"));

  // The page is fixed; its row, rechecked, turns good.
  fixed = true;
  page.showFilter("status", "4xx");
  ASSERT_TRUE(page.clickRow("/fixme.html"));
  ASSERT_TRUE(page.waitFor("!document.getElementById('recheck-row').disabled", 10));
  int generation = page.generation();
  page.click("#recheck-row");
  ASSERT_TRUE(page.settled(generation, 60));
  EXPECT_EQ(page.rowsWhen("=== 2").size(), 2u);
  page.showFilter("status", "2xx");
  EXPECT_TRUE(page.waitFor(
      std::string(kUrlCells) + ".includes(" + Json(site.url("/fixme.html")).dump() + ")", 10));
  EXPECT_TRUE(page.waitFor("document.getElementById('message').textContent.includes('1 fixed')", 5))
      << page.eval("document.getElementById('message').textContent");

  // A million URLs: open, to the last row, sorted by status.
  const std::string big = w.dir / "million.db";
  makeMillionUrlDatabase(db, big);
  const long before = residentKb();
  generation = page.generation();
  page.click("#tabs button[data-tab=internal]");
  page.click("#open");
  page.eval("document.getElementById('open-path').value = " + Json(big).dump() + ", 0");
  auto started = std::chrono::steady_clock::now();
  page.click("#open-go");
  ASSERT_TRUE(page.settled(generation, 120));
  ASSERT_TRUE(page.waitFor(std::string(kUrlCells) + "[0] === 'http://big.test/page-0'", 60));
  const double firstRows = secondsSince(started);
  const long after = residentKb();
  EXPECT_EQ(page.eval("document.getElementById('table-foot').textContent.endsWith('of 1,000,000')"),
            true);
  started = std::chrono::steady_clock::now();
  page.eval("document.getElementById('viewport').focus(), 0");
  page.key("End", 35);
  ASSERT_TRUE(
      page.waitFor(std::string(kUrlCells) + ".includes('http://big.test/page-999999')", 60));
  const double toTheEnd = secondsSince(started);
  started = std::chrono::steady_clock::now();
  page.click("#table-head [data-col=status]");
  ASSERT_TRUE(page.waitFor(
      "document.querySelector('#rows .row .c-status').textContent === '500 server error'", 60))
      << "the end of the ascending order: 5xx";
  const double sorted = secondsSince(started);
  std::printf(
      "a million URLs: first rows %.2f s, to the last row %.2f s, sorted by status %.2f s; "
      "the server added %ld MB\n",
      firstRows, toTheEnd, sorted, (after - before) / 1024);

  EXPECT_EQ(page.eval("window.violations || []"), Json::array());
  EXPECT_TRUE(page.problems.empty()) << Json(page.problems).dump();
}

}  // namespace
}  // namespace zel::cli
