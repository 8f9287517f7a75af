// What a new user or a CI job meets first, run as the real program: the exit
// statuses (a typo'd scheme, a start that cannot be reached, a crawl stopped by
// its deadline, a continue of a site that is down), an empty zelmora.json, a
// comment in a URL list, a folder crawled over http and rechecked, and the
// database's plain times and sizes.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "cli/run_zelmora.h"
#include "folder_server.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

using test::query;
using test::readWhole;
using test::Rows;
using test::writeWhole;

Ran zelmora(const std::string& args, const std::string& cwd = "") {
  return runProgram(kProgram, args + " --no-progress",
                    cwd.empty() ? std::string() : "cd '" + cwd + "' &&");
}

TEST(FirstHour, ExitStatusesAndWhatTheySay) {
  test::TestServer site;
  site.page("/", "<a href=/a.html>a</a><a href='/a.html#nowhere'>to nowhere</a>");
  site.page("/a.html", "<p id=here>a</p>");
  const std::string port = std::to_string(site.port());
  // Outside the site: two hosts that refuse, and one that answers 404.
  site.page("/outside",
            "<a href=http://localhost:1/a>1</a><a href=http://localhost:2/b>2</a>"
            "<a href=http://localhost:" +
                port + "/missing>3</a>");
  site.slow("/slow.html", 5, "<p>slow</p>");
  site.page("/deadline", "<a href=/slow.html>s</a>");
  test::TempDir dir;
  const std::string authority = site.url("").substr(7);  // 127.0.0.1:PORT

  struct Case {
    std::string args;
    int status;
    std::string says;  // "" when nothing in particular
  } cases[] = {
      {"crawl http//" + authority + "/", 2, "did you mean http://" + authority + "/?"},
      {"crawl https:/" + authority + "/", 2, "did you mean https://" + authority + "/?"},
      {"crawl htps://" + authority + "/", 2, "did you mean https://" + authority + "/?"},
      {"crawl gopher://" + authority + "/", 2, "not gopher://"},
      // A host and path without a scheme is an address, not a typo.
      {"crawl " + authority + "/", 0, ""},
      // A missing anchor is listed, but is no bad link.
      {"crawl " + site.url("/") + " --fragments", 0,
       "Missing anchors (1):\n  " + site.url("/a.html#nowhere") + "\n      no anchor \"nowhere\""},
      {"crawl " + site.url("/outside"), 1,
       "Bad links outside the site (3 links on 3 hosts):\n  2 hosts refused the connection (2 "
       "links)\n  localhost:" +
           port + ": 1 link (404 not found)\n"},
      {"crawl http://127.0.0.1:1/ --json " + dir / "down.json", 2,
       "cannot reach the start page (the connection was refused)"},
      {"crawl " + site.url("/deadline") + " --max-time 1 --db " + dir / "stopped.db", 3,
       "stopped by the --max-time deadline"},
      {"crawl " + site.url("/") + " --threads 0", 2, "--threads must be at least 1"},
      {"crawl " + site.url("/") + " --timeout 0", 2, "--timeout must be above 0"},
      {"crawl " + site.url("/") + " --per-host -1", 2, "--per-host"},
  };
  for (const Case& c : cases) {
    const Ran ran = zelmora(c.args + " --no-settings-file");
    EXPECT_EQ(ran.status, c.status) << c.args << "\n" << ran.output;
    EXPECT_NE(ran.output.find(c.says), std::string::npos) << c.args << "\n" << ran.output;
  }
  // The unreachable start still has its report and exports, as a finished crawl.
  const std::string down = readWhole(dir / "down.json");
  EXPECT_NE(down.find("\"status\":\"Could not connect to the server."), std::string::npos) << down;
  EXPECT_EQ(query(dir / "stopped.db", "SELECT state FROM crawl"), Rows({{"stopped"}}));

  // continue of a site that is down now leaves the crawl as it was, to go on later.
  std::string away;
  {
    test::TestServer site2;
    site2.page("/", "<a href=/slow.html>s</a>");
    site2.slow("/slow.html", 5, "<p>slow</p>");
    away = site2.url("/");
    ASSERT_EQ(
        zelmora("crawl " + away + " --no-settings-file -q --max-time 1 --db " + dir / "away.db")
            .status,
        3);
  }
  const std::string saved = readWhole(dir / "away.db");
  const Ran again = zelmora("continue " + dir / "away.db");
  EXPECT_EQ(again.status, 3) << again.output;
  EXPECT_NE(again.output.find("cannot reach " + away + " (the connection was refused); " +
                              dir / "away.db" + " left stopped"),
            std::string::npos)
      << again.output;
  EXPECT_EQ(readWhole(dir / "away.db"), saved) << "the file is not written";
}

// The folder server answers only for files inside its folder, and never lists one.
TEST(FirstHour, AServedFolderKeepsToItself) {
  test::TempDir dir;
  const std::string folder = dir / "site";
  writeWhole(folder + "/index.html", "home");
  writeWhole(folder + "/docs/page.html", "page");
  writeWhole(folder + "/docs/index.html", "docs");
  writeWhole(folder + "/empty/.keep", "");
  writeWhole(dir / "secret.txt", "secret");
  std::filesystem::create_symlink(dir / "secret.txt", folder + "/link.txt");
  FolderServer server;
  ASSERT_TRUE(server.start(folder, 0, "index.html").ok());
  httplib::Client client("127.0.0.1", server.port());
  const struct {
    const char* path;
    int status;
    const char* body;
  } cases[] = {
      {"/", 200, "home"},
      {"/docs/page.html", 200, "page"},
      {"/docs", 301, ""},
      {"/docs/", 200, "docs"},
      {"/empty/", 404, nullptr},  // no index file: no listing either
      {"/../secret.txt", 404, nullptr},
      {"/%2e%2e/secret.txt", 404, nullptr},
      {"/docs/..%2f..%2fsecret.txt", 404, nullptr},
      {"/link.txt", 404, nullptr},  // a symbolic link out of the folder
      {"/missing.html", 404, nullptr},
  };
  for (const auto& c : cases) {
    auto res = client.Get(c.path);
    ASSERT_TRUE(res) << c.path;
    EXPECT_EQ(res->status, c.status) << c.path;
    if (c.body) {
      EXPECT_EQ(res->body, c.body) << c.path;
    }
    EXPECT_EQ(res->body.find("secret"), std::string::npos) << c.path;
  }
  FolderServer second;
  EXPECT_FALSE(second.start(folder, server.port(), "index.html").ok()) << "the port is taken";
}

TEST(FirstHour, SettingsFileListsAndFoldersOverHttp) {
  test::TestServer site;
  site.page("/", "<p>home</p>");
  site.page("/listed.html", "<p>listed</p>");
  site.page("/secret.html", "<p>secret</p>");
  test::TempDir dir;

  // An empty zelmora.json (as the shell leaves it before a redirect writes it)
  // is no settings, with a notice; and a list's comment lines are not addresses.
  writeWhole(dir / "zelmora.json", "");
  writeWhole(dir / "urls.txt", "# checked every night\n" + site.url("/listed.html") + "\n  # " +
                                   site.url("/secret.html") + "\n");
  const Ran listed = zelmora("crawl urls.txt --json list.json", dir.path());
  EXPECT_EQ(listed.status, 0) << listed.output;
  EXPECT_NE(listed.output.find("zelmora.json is empty; no settings are read from it"),
            std::string::npos)
      << listed.output;
  EXPECT_FALSE(site.requestsTo("/listed.html").empty());
  EXPECT_TRUE(site.requestsTo("/secret.html").empty()) << "a comment is not an address";

  // A folder whose links start at the site's root: broken read from disk,
  // whole when served over http.
  const std::string folder = dir / "site";
  writeWhole(folder + "/index.html",
             "<html><head><title>Home</title><link rel=stylesheet href=/css/site.css></head>"
             "<body><a href=/about/>About</a> <a href=/news.html>News</a></body></html>");
  writeWhole(folder + "/css/site.css", "body { color: black }");
  writeWhole(folder + "/about/index.html", "<title>About</title><a href=/>Home</a>");
  writeWhole(folder + "/big.png", std::string(3 << 20, 'x'));
  const std::string db = dir / "folder.db";
  EXPECT_EQ(zelmora("crawl '" + folder + "' --no-settings-file -q").status, 1)
      << "root-relative links point at the disk's root";
  const Ran served = zelmora("crawl '" + folder + "' --over-http --no-settings-file -q --db " + db);
  EXPECT_EQ(served.status, 1) << served.output;  // /news.html is missing
  const Rows crawl = query(db, "SELECT served_folder, served_port, pages FROM crawl");
  ASSERT_EQ(crawl.size(), 1u);
  EXPECT_EQ(crawl[0][0], std::filesystem::canonical(folder).string());
  const std::string origin = "http://127.0.0.1:" + crawl[0][1];
  EXPECT_EQ(query(db, "SELECT url, status FROM urls WHERE bad = 1"),
            Rows({{origin + "/news.html", "404 not found"}}));
  EXPECT_EQ(query(db, "SELECT status FROM urls WHERE url = '" + origin + "/about/'"),
            Rows({{"200 no error"}}));
  // Fixed on disk, the page is rechecked on the same port and joins the pages.
  writeWhole(folder + "/news.html", "<title>News</title><img src=/big.png alt=big>");
  const Ran rechecked = zelmora("recheck " + db);
  EXPECT_EQ(rechecked.status, 0) << rechecked.output;
  EXPECT_NE(rechecked.output.find("fixed (1)"), std::string::npos) << rechecked.output;
  EXPECT_EQ(query(db, "SELECT pages FROM crawl"),
            Rows({{std::to_string(std::stoi(crawl[0][2]) + 1)}}));
  EXPECT_EQ(query(db, "SELECT count(*) FROM urls WHERE page_order IS NOT NULL AND url = '" +
                          origin + "/news.html'"),
            Rows({{"1"}}));

  // Plain times and sizes: UTC, milliseconds, and the bytes of an image that
  // was only asked for its head.
  const Rows facts =
      query(db, "SELECT fetched_at_utc, response_ms, size_bytes FROM urls WHERE url = '" + origin +
                    "/big.png'");
  ASSERT_EQ(facts.size(), 1u);
  EXPECT_TRUE(std::regex_match(facts[0][0], std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)")))
      << facts[0][0];
  EXPECT_GT(std::stod(facts[0][1]), 0);
  EXPECT_EQ(facts[0][2], std::to_string(3 << 20));
  const std::string json = dir / "folder.json";
  ASSERT_EQ(
      zelmora("crawl '" + folder + "' --over-http --no-settings-file -q --json " + json).status, 0);
  const std::string text = readWhole(json);
  EXPECT_NE(text.find("\"sizeBytes\":" + std::to_string(3 << 20)), std::string::npos);
  EXPECT_NE(text.find("\"isNofollow\":false"), std::string::npos);
  EXPECT_NE(text.find("\"fetchedAt\":\""), std::string::npos);
}

}  // namespace
}  // namespace zel::cli
