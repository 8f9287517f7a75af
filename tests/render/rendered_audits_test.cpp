// One rendered crawl of the fixture site with --accessibility, --page-speed and
// --script-changes in real headless Chromium, checked through the JSON, the
// database and the audit's issues; then the audit again from the database.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "cli/run_zelmora.h"
#include "platform/browser_process.h"
#include "platform/defaults.h"
#include "render/web_view_recycler.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

TEST(RenderedAudits, AccessibilityPageSpeedAndScriptChangesOfTheFixtureSite) {
  if (!BrowserProcess::findExecutable())
    GTEST_SKIP() << "no headless Chromium installed (scripts/install-deps installs it)";
  test::TestServer site;
  ASSERT_TRUE(site.ok());
  for (const auto& entry : fs::directory_iterator(std::string(ZEL_FIXTURES_DIR) + "/sites/rendered")) {
    const std::string name = entry.path().filename().string();
    const bool png = entry.path().extension() == ".png";
    site.page(name == "index.html" ? "/" : "/" + name, test::readWhole(entry.path().string()),
              png ? "image/png" : "text/html; charset=utf-8");
  }
  const std::string origin = site.url("");
  test::TempDir dir;
  const std::string db = dir / "r.db";
  // A second to settle: the late shift and the blocking task come 300 ms after the load. One
  // thread: every page renders in the start page's view after it, and finds nothing it stored.
  const int status = cli::run({"crawl", origin + "/", "--no-progress", "-q", "--accessibility",
                               "--page-speed", "--script-changes", "--render-wait", "1",
                               "--threads", "1",
                               "--json", dir / "r.json", "--db", db});
  WebViewRecycler::sharedWebViewRecycler().shutDown();
  EXPECT_EQ(status, 1);  // the missing image is a bad link
  const Json json = Json::parse(test::readWhole(dir / "r.json"));
  std::map<std::string, Json> page;
  for (const Json& r : json["records"]) page[r["url"].get<std::string>().substr(origin.size())] = r;
  ASSERT_TRUE(page.count("/a11y.html") && page.count("/written.html"));

  // Accessibility: the two planted rules, critical, each on one element; none on a plain page.
  std::map<std::string, Json> rules;
  for (const Json& v : page["/a11y.html"]["accessibility"]) rules[v["rule"]] = v;
  ASSERT_EQ(rules.size(), 2u) << page["/a11y.html"]["accessibility"];
  EXPECT_EQ(rules["image-alt"]["impact"], "critical");
  EXPECT_EQ(rules["image-alt"]["selector"], "img");
  EXPECT_EQ(rules["button-name"]["impact"], "critical");
  EXPECT_EQ(rules["button-name"]["elements"], 1);
  EXPECT_NE(rules["image-alt"]["tags"].dump().find("\"wcag2a\""), std::string::npos);
  EXPECT_EQ(page["/plain.html"]["accessibility"], Json::array());

  // Raw against rendered: the script set the title, a canonical and a noindex and wrote a link.
  const Json& changes = page["/scripted.html"]["scriptChanges"];
  EXPECT_EQ(changes["served"]["title"], "Served title");
  EXPECT_EQ(changes["rendered"]["title"], "Rendered title");
  EXPECT_TRUE(changes["served"]["canonical"].is_null());
  EXPECT_EQ(changes["rendered"]["canonical"], origin + "/plain.html");
  EXPECT_TRUE(changes["served"]["robots"].is_null());
  EXPECT_EQ(changes["rendered"]["robots"], "noindex");
  EXPECT_EQ(changes["served"]["links"], 1);
  EXPECT_EQ(changes["rendered"]["links"], 2);
  EXPECT_EQ(changes["linksOnlyRendered"], 1);
  const Json& plainChanges = page["/plain.html"]["scriptChanges"];
  EXPECT_EQ(plainChanges["served"], plainChanges["rendered"]);  // its title shows a leftover

  // The script that throws, and the image the server does not have.
  const Json& error = page["/error.html"]["scriptChanges"];
  EXPECT_EQ(error["consoleErrors"], 1);
  ASSERT_EQ(error["errors"].size(), 1u);
  EXPECT_NE(error["errors"][0].get<std::string>().find("planted failure"), std::string::npos);
  EXPECT_EQ(error["failedRequests"], 1);
  EXPECT_EQ(error["failed"], Json::array({origin + "/missing.png"}));
  EXPECT_EQ(plainChanges["consoleErrors"], 0);

  // Lab figures are noisy: only which side of a wide threshold each page falls on.
  const Json &shift = page["/shift.html"]["pageSpeed"], &block = page["/block.html"]["pageSpeed"],
             &plain = page["/plain.html"]["pageSpeed"];
  EXPECT_GT(shift["cls"].get<double>(), 0.25) << shift;
  EXPECT_GT(block["tbtMs"].get<double>(), 200) << block;
  EXPECT_LT(plain["cls"].get<double>(), 0.1) << plain;
  EXPECT_LT(plain["tbtMs"].get<double>(), 200) << plain;
  EXPECT_TRUE(plain["lab"].get<bool>());
  EXPECT_GT(plain["fcpMs"].get<double>(), 0);
  EXPECT_EQ(page["/a11y.html"]["pageSpeed"]["byType"]["image"]["requests"], 1);

  // The audit's issues, from the database.
  const auto issuesIn = [&](const std::string& path) {
    std::map<std::string, std::set<std::string>> out;
    for (const auto& row : test::query(path, "SELECT issue, url FROM issues"))
      out[row[0]].insert(row[1].substr(origin.size()));
    return out;
  };
  using S = std::set<std::string>;
  const auto issues = issuesIn(db);
  for (const char* id : {"accessibility.image-alt", "accessibility.button-name"})
    EXPECT_EQ(issues.count(id) ? issues.at(id) : S(), (S{"/a11y.html"})) << id;
  EXPECT_FALSE(issues.count("accessibility.critical")) << "both rules have types of their own";
  for (const char* id : {"rendering.only_in_rendered", "rendering.changed_by_scripts",
                         "rendering.links_only_rendered"})
    EXPECT_EQ(issues.count(id) ? issues.at(id) : S(), (S{"/scripted.html"})) << id;
  EXPECT_EQ(issues.at("rendering.script_errors"), (S{"/error.html"}));
  EXPECT_TRUE(issues.at("page_speed.cls_poor").count("/shift.html"));
  const auto tbt = [&](const char* id) { return issues.count(id) && issues.at(id).count("/block.html"); };
  EXPECT_TRUE(tbt("page_speed.tbt_needs_improvement") || tbt("page_speed.tbt_poor"));
  for (const auto& [id, urls] : issues) {
    if (id.rfind("page_speed.", 0) == 0 || id.rfind("accessibility.", 0) == 0) {
      EXPECT_FALSE(urls.count("/plain.html")) << id;
    }
  }

  // The database's tables, and the audit run again from them alone.
  EXPECT_EQ(test::query(db, "SELECT count(*) FROM accessibility WHERE rule <> ''"),
            (test::Rows{{"2"}}));
  EXPECT_EQ(test::query(db, "SELECT count(*) FROM page_speed"), (test::Rows{{"8"}}));
  EXPECT_EQ(test::query(db, "SELECT served_title, rendered_title, links_only_rendered FROM "
                            "script_changes JOIN urls ON urls.id = url_id WHERE url LIKE "
                            "'%scripted.html'"),
            (test::Rows{{"Served title", "Rendered title", "1"}}));
  const size_t requests = site.requests().size();
  EXPECT_EQ(cli::run({"analyse", db, "-q", "--json", dir / "again.json"}), 0);
  EXPECT_EQ(site.requests().size(), requests);
  EXPECT_EQ(issuesIn(db), issues);
  const Json again = Json::parse(test::readWhole(dir / "again.json"));
  for (const Json& r : again["records"]) {
    if (r["url"] == origin + "/scripted.html") {
      EXPECT_EQ(r["scriptChanges"], changes);
    }
    if (r["url"] == origin + "/plain.html") {  // checked and clean, apart from never checked
      EXPECT_EQ(r["accessibility"], Json::array());
    }
  }
}

}  // namespace
}  // namespace zel
