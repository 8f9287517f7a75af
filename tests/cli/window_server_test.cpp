// The window's server without a browser, through cpp-httplib's client: every
// refusal of its security rules, the token exchange, the headers of every
// answer; then a crawl driven through the API (run under ThreadSanitizer by
// make check-tsan), whose saved crawl no GET changes and whose downloads are
// what `zelmora export` writes.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "cli/run_zelmora.h"
#include "cli/window_fixture.h"
#include "platform/text_format.h"
#include "support/sql_rows.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

using test::readWhole;

class Window : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(w.listening.ok()) << w.listening.message(); }

  // A request as a browser would send it: our Host, the session's cookie, and
  // for a POST our Origin and the anti-forgery header, each of which a case
  // may leave out or change.
  struct Ask {
    std::string method = "GET", path = "/api/state", body, host, cookie, origin, antiForgery;
    Ask& as(std::string v) { return method = std::move(v), *this; }
    Ask& to(std::string v) { return path = std::move(v), *this; }
    Ask& with(std::string v) { return body = std::move(v), *this; }
    Ask& at(std::string v) { return host = std::move(v), *this; }
    Ask& keeping(std::string v) { return cookie = std::move(v), *this; }
    Ask& from(std::string v) { return origin = std::move(v), *this; }
    Ask& guarded(std::string v) { return antiForgery = std::move(v), *this; }
  };
  httplib::Result send(const Ask& a) {
    httplib::Client c("127.0.0.1", w.port());
    c.set_read_timeout(30);
    httplib::Headers h = {{"Host", a.host.empty() ? w.host() : a.host}};
    if (!a.cookie.empty()) h.emplace("Cookie", a.cookie);
    if (!a.origin.empty()) h.emplace("Origin", a.origin);
    if (!a.antiForgery.empty()) h.emplace(serve::WindowServer::kAntiForgeryHeader, a.antiForgery);
    if (a.method == "GET") return c.Get(a.path.c_str(), h);
    if (a.method == "POST") return c.Post(a.path.c_str(), h, a.body, "application/json");
    if (a.method == "OPTIONS") return c.Options(a.path.c_str(), h);
    if (a.method == "PUT") return c.Put(a.path.c_str(), h, a.body, "application/json");
    return c.Delete(a.path.c_str(), h);
  }
  // Exchanges the token; the session's cookie and anti-forgery token.
  void logIn() {
    auto r = send(Ask().to("/?token=" + w.token()));
    ASSERT_TRUE(r);
    const std::string set = r->get_header_value("Set-Cookie");
    cookie = set.substr(0, set.find(';'));
    auto s = send(Ask().to("/api/session").keeping(cookie));
    ASSERT_TRUE(s && s->status == 200);
    antiForgery = Json::parse(s->body)["antiForgery"];
  }
  httplib::Result get(const std::string& path) { return send(Ask().to(path).keeping(cookie)); }
  httplib::Result post(const std::string& path, const Json& body = Json::object()) {
    return send(Ask()
                    .as("POST")
                    .to(path)
                    .with(body.dump())
                    .keeping(cookie)
                    .from("http://" + w.host())
                    .guarded(antiForgery));
  }
  Json state() { return Json::parse(get("/api/state")->body); }
  // Turns until the window is idle with a saved crawl shown (at most `seconds`).
  Json waitUntilSettled(double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Json s;
    while (std::chrono::steady_clock::now() < until) {
      s = state();
      if (!s["busy"].get<bool>() && s["source"]["kind"] == "database") return s;
      // Meanwhile the table and a row's pane are read from the running crawl.
      get("/api/rows?tab=status&sort=status&limit=50");
      get("/api/row?id=0");
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return s;
  }

  InProcessWindow w;
  std::string cookie, antiForgery;
};

TEST_F(Window, RefusesWhatDoesNotComeFromItsOwnPageAndMarksEveryAnswer) {
  // Everything needs the session: no cookie, a wrong one, a wrong token.
  EXPECT_EQ(send(Ask().to("/"))->status, 403);
  EXPECT_EQ(send(Ask().to("/?token=" + std::string(32, '0')))->status, 403);
  // The token: a cookie for this port only, HttpOnly and SameSite=Strict, and
  // the address bar sent where the token is not.
  auto opened = send(Ask().to("/?token=" + w.token()));
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->status, 303);
  EXPECT_EQ(opened->get_header_value("Location"), "/");
  const std::string set = opened->get_header_value("Set-Cookie");
  EXPECT_EQ(set.find(w.server->cookieName() + "="), 0u) << set;
  EXPECT_NE(set.find("; HttpOnly"), std::string::npos) << set;
  EXPECT_NE(set.find("; SameSite=Strict"), std::string::npos) << set;
  cookie = set.substr(0, set.find(';'));
  EXPECT_EQ(send(Ask().to("/?token=" + w.token()))->status, 403) << "the token works once";
  EXPECT_EQ(send(Ask().to("/?token=" + w.token()).keeping(cookie))->status, 303);
  EXPECT_EQ(get("/")->status, 200);
  EXPECT_EQ(send(Ask().to("/api/state").keeping(cookie + "0"))->status, 403);
  EXPECT_EQ(send(Ask()
                     .to("/api/state")
                     .keeping("zelmora_session_1=" + cookie.substr(cookie.find('=') + 1)))
                ->status,
            403)
      << "the cookie of another port";
  // DNS rebinding: a name that is not ours, or another port, with a good cookie.
  for (const std::string& host : {"evil.example:" + std::to_string(w.port()),
                                  std::string("127.0.0.1:1"), std::string("127.0.0.1")})
    EXPECT_EQ(send(Ask().to("/api/state").at(host).keeping(cookie))->status, 403) << host;
  EXPECT_EQ(send(Ask().to("/api/state").at("localhost:" + std::to_string(w.port())).keeping(cookie))
                ->status,
            200);
  auto s = get("/api/session");
  ASSERT_EQ(s->status, 200);
  antiForgery = Json::parse(s->body)["antiForgery"];

  // A change needs our Origin and this session's anti-forgery header.
  const std::string origin = "http://" + w.host();
  EXPECT_EQ(send(Ask().as("POST").to("/api/stop").keeping(cookie).guarded(antiForgery))->status,
            403);
  EXPECT_EQ(send(Ask()
                     .as("POST")
                     .to("/api/stop")
                     .keeping(cookie)
                     .from("http://evil.example")
                     .guarded(antiForgery))
                ->status,
            403);
  EXPECT_EQ(send(Ask().as("POST").to("/api/stop").keeping(cookie).from(origin))->status, 403);
  EXPECT_EQ(send(Ask()
                     .as("POST")
                     .to("/api/stop")
                     .keeping(cookie)
                     .from(origin)
                     .guarded(std::string(antiForgery.size(), 'a')))
                ->status,
            403);
  EXPECT_EQ(post("/api/stop")->status, 200);
  // No preflight is answered; no other method is.
  auto preflight =
      send(Ask().as("OPTIONS").to("/api/crawl").keeping(cookie).from("http://evil.example"));
  EXPECT_EQ(preflight->status, 405);
  EXPECT_EQ(send(Ask().as("PUT").to("/api/crawl").keeping(cookie).from(origin).guarded(antiForgery))
                ->status,
            405);
  EXPECT_EQ(send(Ask().as("DELETE").to("/api/crawl").keeping(cookie))->status, 405);
  // The form takes only its own options: none that names a file to read.
  for (const char* option : {"--password-file", "--settings", "--db", "--log", "--archive"}) {
    auto r = post("/api/crawl", {{"target", "http://127.0.0.1:1/"},
                                 {"options", {{{"name", option}, {"values", {"/etc/passwd"}}}}}});
    EXPECT_EQ(r->status, 400) << option;
  }
  EXPECT_EQ(get("/api/files?dir=/etc")->status, 403) << "a listing stays under home and here";

  // Every answer, a refusal or not, carries the policy and no CORS header.
  auto asset = get("/assets/main.js");
  ASSERT_EQ(asset->status, 200);
  EXPECT_EQ(asset->get_header_value("Content-Type"), "text/javascript; charset=utf-8");
  auto cached = send(Ask().to("/assets/main.js").keeping(cookie));
  std::vector<httplib::Result> answers;
  answers.push_back(send(Ask().to("/")));
  answers.push_back(get("/"));
  answers.push_back(std::move(preflight));
  answers.push_back(std::move(asset));
  answers.push_back(get("/api/nothing"));
  answers.push_back(send(Ask().to("/").at("evil.example")));
  answers.push_back(post("/api/open", {{"path", "/no/such.db"}}));
  for (const auto& answer : answers) {
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->get_header_value("Content-Security-Policy"),
              serve::WindowServer::kContentSecurityPolicy)
        << answer->status;
    EXPECT_EQ(answer->get_header_value("X-Content-Type-Options"), "nosniff");
    EXPECT_EQ(answer->get_header_value("Referrer-Policy"), "no-referrer");
    for (const auto& [name, value] : answer->headers)
      EXPECT_NE(asciiLower(name).rfind("access-control-", 0), 0u) << name;
  }
  // Assets are served with their content hash; a page that has it gets 304.
  const std::string etag = cached->get_header_value("ETag");
  ASSERT_EQ(etag.size(), 34u);
  httplib::Client c("127.0.0.1", w.port());
  EXPECT_EQ(c.Get("/assets/main.js", {{"Cookie", cookie}, {"If-None-Match", etag}})->status, 304);

  // It listens on the loopback address only.
  std::ifstream tcp("/proc/net/tcp");
  std::string line, listening;
  const std::string port = strf(":%04X ", w.port());
  while (std::getline(tcp, line))
    if (line.find(port) != std::string::npos && line.find(" 0A ") != std::string::npos)
      listening = line;
  EXPECT_NE(listening.find("0100007F" + port), std::string::npos) << listening;
}

TEST_F(Window, DrivesACrawlWhoseSavedCrawlNoGetChangesAndExportsAsTheCommandDoes) {
  logIn();
  test::TestServer site;
  site.folder(ZEL_FIXTURES_DIR "/sites/audit");
  const Json start = {{"target", site.url("/")},
                      {"options",
                       {{{"name", "--threads"}, {"values", {"2"}}},
                        {{"name", "--timeout"}, {"values", {"5"}}},
                        {{"name", "--exclude"}, {"values", {"hidden"}}},
                        {{"name", "--exclude"}, {"values", {"soft"}}}}}};
  auto started = post("/api/crawl", start);
  ASSERT_EQ(started->status, 200) << started->body;
  EXPECT_EQ(post("/api/crawl", start)->status, 409) << "one crawl at a time";
  const Json done = waitUntilSettled(60);
  ASSERT_EQ(done["state"], "finished") << done.dump();
  const std::string db = done["source"]["path"];
  EXPECT_EQ(db.rfind(w.dir / "crawls/127.0.0.1-", 0), 0u) << db;
  // The counts are the saved crawl's; the table holds every URL of it, and the
  // options of the form were the crawl's.
  const auto urls = test::query(db, "SELECT url, status FROM urls ORDER BY id");
  EXPECT_EQ(done["counts"]["found"], urls.size());
  EXPECT_EQ(done["filters"]["status"]["all"], urls.size());
  for (const auto& u : urls) EXPECT_EQ(u[0].find("hidden"), std::string::npos) << u[0];
  size_t notFound = 0;
  for (const auto& u : urls) notFound += u[1].rfind("404", 0) == 0;
  EXPECT_GT(notFound, 0u);
  EXPECT_EQ(done["filters"]["status"]["4xx"], notFound);
  const Json rows = Json::parse(get("/api/rows?tab=status&filter=4xx")->body);
  EXPECT_EQ(rows["total"], notFound);

  // The audit's counts are the database's; each issue type's filter holds the
  // rows it names, the indexability filters the verdicts, the lower pane a
  // row's issues, and the addresses without a row come on their own.
  const auto types = test::query(db, "SELECT id, count FROM issue_types WHERE count > 0");
  ASSERT_FALSE(types.empty());
  for (const auto& t : types) {
    EXPECT_EQ(done["audit"]["counts"][t[0]], std::stoll(t[1])) << t[0];
    const auto withRow = test::query(
        db, "SELECT count(DISTINCT url_id) FROM issues WHERE url_id IS NOT NULL AND issue = '" +
                t[0] + "'");
    EXPECT_EQ(done["filters"]["issues"][t[0]], std::stoll(withRow[0][0])) << t[0];
  }
  const auto notIndexable =
      test::query(db, "SELECT reason FROM indexability WHERE indexable = 0 ORDER BY url_id");
  ASSERT_FALSE(notIndexable.empty());
  EXPECT_EQ(done["filters"]["indexability"]["not"], notIndexable.size());
  EXPECT_EQ(done["audit"]["indexable"], done["filters"]["indexability"]["indexable"]);
  const Json first = Json::parse(get("/api/rows?tab=indexability&filter=not&limit=1")->body);
  ASSERT_EQ(first["rows"].size(), 1u);
  EXPECT_EQ(first["rows"][0]["cells"][2], notIndexable[0][0]);
  const auto missingTitle =
      test::query(db, "SELECT url_id FROM issues WHERE issue = 'title.missing' LIMIT 1");
  ASSERT_EQ(missingTitle.size(), 1u);
  const Json pane = Json::parse(get("/api/row?id=" + missingTitle[0][0])->body);
  bool listed = false;
  for (const Json& i : pane["issues"]) listed |= i["id"] == "title.missing" && i["fix"] != "";
  EXPECT_TRUE(listed) << pane["issues"].dump();
  // The content analyses are among the row's fields, as the database holds them.
  const auto rank =
      test::query(db, "SELECT pagerank FROM page_scores WHERE url_id = " + missingTitle[0][0]);
  ASSERT_EQ(rank.size(), 1u);
  bool ranked = false;
  for (const Json& f : pane["fields"]) ranked |= f[0] == "pagerank" && f[1] == rank[0][0];
  EXPECT_TRUE(ranked) << pane["fields"].dump();
  const Json orphans = Json::parse(get("/api/issue?id=sitemap.orphan")->body);
  EXPECT_EQ(orphans["total"],
            std::stoll(test::query(db,
                                   "SELECT count(*) FROM issues WHERE url_id IS NULL AND "
                                   "issue = 'sitemap.orphan'")[0][0]));
  EXPECT_EQ(get("/api/issue?id=no.such")->status, 404);

  // Nothing read changes the crawl or its file.
  const std::string bytes = readWhole(db);
  const std::string csv = w.dir / "export.csv", json = w.dir / "export.json";
  std::vector<httplib::Result> answers;
  for (const std::string path :
       {"/api/rows?tab=titles&filter=dup-title", "/api/row?id=1", "/api/position?tab=status&id=2",
        "/api/layout", "/api/form", "/api/files", "/api/export/db", "/api/export/html",
        "/api/export/sitemap", "/api/export/csv", "/api/export/json"}) {
    answers.push_back(get(path));
    EXPECT_EQ(answers.back()->status, 200) << path << ": " << answers.back()->body;
  }
  EXPECT_EQ(readWhole(db), bytes);
  const Json after = state();
  EXPECT_EQ(after["generation"], done["generation"]);
  EXPECT_EQ(after["version"], done["version"]) << "no snapshot was published";
  EXPECT_EQ(answers[6]->body, bytes) << "the database as it is";
  EXPECT_NE(answers[6]->get_header_value("Content-Disposition").find("attachment"),
            std::string::npos);
  // A download is what `zelmora export` writes of the same database.
  ASSERT_EQ(run({"export", db, "--csv", csv, "--json", json, "-q"}), 0);
  EXPECT_EQ(answers[9]->body, readWhole(csv));
  EXPECT_EQ(answers[10]->body, readWhole(json));
  EXPECT_EQ(run({"export", w.dir / "none.db", "--csv", csv}), 2);
}

}  // namespace
}  // namespace zel::cli
