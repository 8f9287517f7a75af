// Crawl databases opened again (loading one back into a hub: exports_test):
// rechecked against a site that changed, with secrets given again, continued
// after a stop or a crash or a full disk, compared with diff, and refused when
// newer or damaged.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <thread>

#include "cli/run_zelmora.h"
#include "platform/sqlite_database.h"
#include "report/database_loader.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

namespace fs = std::filesystem;
using test::query;
using test::Rows;
using test::readWhole;

std::string exec(const std::string& dbPath, const std::string& sql) {
  SqliteDatabase db;
  if (Status s = db.open(dbPath, true); !s.ok()) return s.message();
  Status s = db.exec(sql);
  return s.ok() ? "" : s.message();
}

// The program itself run with `args`: its exit status and what it printed.
Ran runQuoted(const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& a : args) line += " '" + a + "'";
  return runProgram(kProgram, line);
}

// The lines of a printed group ("fixed (2):" and the indented lines below it),
// each cut at its first two spaces (the URL).
std::set<std::string> groupUrls(const std::string& text, const std::string& heading) {
  std::set<std::string> out;
  const size_t at = text.find(heading + " (");
  if (at == std::string::npos) return out;
  size_t line = text.find('\n', at) + 1;
  while (line < text.size() && text.compare(line, 2, "  ") == 0) {
    const size_t end = text.find('\n', line);
    const std::string l = text.substr(line + 2, end - line - 2);
    out.insert(l.substr(0, l.find("  ")));
    line = end + 1;
  }
  return out;
}

// The program started with `args`, its output into `out` (when given); with a file size
// limit (and SIGXFSZ ignored, so writes past it fail) when `maxFileBytes`.
pid_t spawn(std::vector<std::string> args, const std::string& out, rlim_t maxFileBytes = 0) {
  args.insert(args.begin(), kProgram);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!out.empty()) {
      const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      ::dup2(fd, 1);
      ::dup2(fd, 2);
    }
    if (maxFileBytes) {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{maxFileBytes, maxFileBytes};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::execv(kProgram.c_str(), argv.data());
    ::_exit(127);
  }
  return pid;
}

// Its exit status, after at most 60 seconds (-1: killed then, or by a signal).
int waitFor(pid_t pid) {
  int status = 0;
  for (int i = 0; i < 1200; ++i) {
    if (::waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return -1;
}

// Runs the zelmora program itself and sends it Ctrl-C once `ready` says so
// (checked for at most 20 seconds); its exit status, -1 if it had to be killed.
int runInterrupted(std::vector<std::string> args, const std::function<bool()>& ready) {
  const pid_t pid = spawn(std::move(args), "");
  for (int i = 0; i < 400 && !ready(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ::kill(pid, SIGINT);
  return waitFor(pid);
}

std::map<std::string, std::string> statuses(const std::string& db) {
  std::map<std::string, std::string> out;
  for (const auto& row : query(db, "SELECT url, status FROM urls")) out[row.at(0)] = row.at(1);
  return out;
}

TEST(SavedCrawl, NewerOrDamagedDatabasesAreRefusedAndLeftAlone) {
  test::TestServer site;
  site.folder(ZEL_FIXTURES_DIR "/sites/small");
  test::TempDir dir;
  ASSERT_LE(run({"crawl", site.url("/"), "--no-settings-file", "-q", "--db", dir / "good.db"}), 1);

  fs::copy_file(dir / "good.db", dir / "newer.db");
  ASSERT_EQ(exec(dir / "newer.db", "UPDATE crawl SET schema_version = 99"), "");
  fs::copy_file(dir / "good.db", dir / "damaged.db");
  {
    // Garbage over the pages after the first: the header still says SQLite.
    std::fstream f(dir / "damaged.db", std::ios::in | std::ios::out | std::ios::binary);
    constexpr size_t kPageSize = 16384;  // the writer's
    f.seekp(kPageSize);
    const std::string junk(fs::file_size(dir / "damaged.db") - kPageSize, '\x5a');
    f.write(junk.data(), static_cast<std::streamsize>(junk.size()));
  }
  std::ofstream(dir / "text.db") << "not a database at all\n";
  {
    SqliteDatabase empty;
    ASSERT_TRUE(empty.open(dir / "empty.db", true).ok());
    ASSERT_TRUE(empty.exec("CREATE TABLE other (x)").ok());
  }

  struct Case {
    const char* file;
    const char* message;
  } cases[] = {{"newer.db", "was written by a newer zelmora (schema version 99"},
               {"damaged.db", "is not a usable crawl database"},
               {"text.db", "not a database"},
               {"empty.db", "is not a usable crawl database"}};
  for (const Case& c : cases) {
    SavedCrawl saved;
    const Status s = openSavedCrawl(dir / c.file, saved);
    EXPECT_FALSE(s.ok()) << c.file;
    EXPECT_NE(s.message().find(c.message), std::string::npos) << c.file << ": " << s.message();
    const std::string bytes = readWhole(dir / c.file);
    EXPECT_EQ(run({"recheck", dir / c.file, "--all", "-q"}), 2) << c.file;
    EXPECT_EQ(run({"continue", dir / c.file, "-q"}), 2) << c.file;
    EXPECT_EQ(run({"diff", dir / "good.db", dir / c.file}), 2) << c.file;
    EXPECT_EQ(readWhole(dir / c.file), bytes) << c.file << " is left untouched";
  }
  EXPECT_EQ(run({"diff", dir / "good.db", dir / "good.db"}), 0) << "no difference";
}

TEST(SavedCrawl, RecheckReportsWhatTheServerFixedAndBrokeAndWritesItBack) {
  test::TestServer site;
  site.page("/", R"(<html><head><title>Home</title></head><body>
      <a href="/fixme.html">a</a> <a href="/fix2.html">b</a> <a href="/breakme.html">c</a>
      <a href="/gone.html">d</a> <a href="/fine.html">e</a></body></html>)");
  site.status("/fixme.html", 404, "missing");
  site.status("/fix2.html", 500, "oops");
  site.page("/breakme.html", "<html><body>here today</body></html>");
  site.page("/fine.html", "<html><body>fine</body></html>");
  test::TempDir dir;
  const std::string db = dir / "crawl.db";
  ASSERT_EQ(run({"crawl", site.url("/"), "--no-settings-file", "-q", "--threads", "2", "--db", db,
                 "--header", "X-Api-Key: first-secret", "--header", "X-Env: staging"}),
            1);
  const Rows linksBefore = query(db, "SELECT count(*) FROM links");
  ASSERT_EQ(site.requestsTo("/fixme.html").at(0).header("X-Api-Key"), "first-secret");
  // A secret is given again, never read from the database: a header whose value
  // was not saved is not sent at all; a plain header is saved.
  auto sentToFixme = [&](const char* name) {
    return site.requestsTo("/fixme.html").back().header(name).value_or("(none)");
  };
  site.clearLog();

  // Nothing bad changed: the plain recheck reports the two still broken.
  auto [same, sameOut] = runQuoted({"recheck", db});
  EXPECT_EQ(same, 1);
  EXPECT_EQ(groupUrls(sameOut, "still broken"),
            std::set<std::string>({site.url("/fixme.html"), site.url("/fix2.html"),
                                   site.url("/gone.html")}));
  EXPECT_TRUE(groupUrls(sameOut, "fixed").empty());
  EXPECT_EQ(site.requestsTo("/fixme.html").size(), 1u);
  EXPECT_EQ(sentToFixme("X-Api-Key"), "(none)");
  EXPECT_EQ(sentToFixme("X-Env"), "staging");

  site.page("/fixme.html", "<html><body>back</body></html>");
  site.page("/fix2.html", R"(<html><body><a href="/fresh.html">new</a></body></html>)");
  site.page("/fresh.html", "<html><body>fresh</body></html>");
  site.status("/breakme.html", 404, "gone now");
  auto [code, out] = runQuoted({"recheck", db, "--all", "--header", "X-Api-Key: second-secret"});
  EXPECT_EQ(code, 1) << out;
  EXPECT_EQ(sentToFixme("X-Api-Key"), "second-secret") << "given again by name, it is sent";
  EXPECT_EQ(sentToFixme("X-Env"), "staging");
  EXPECT_EQ(groupUrls(out, "fixed"),
            std::set<std::string>({site.url("/fixme.html"), site.url("/fix2.html")}))
      << out;
  EXPECT_EQ(groupUrls(out, "newly broken"), std::set<std::string>({site.url("/breakme.html")}));
  EXPECT_EQ(groupUrls(out, "still broken"), std::set<std::string>({site.url("/gone.html")}));
  EXPECT_EQ(groupUrls(out, "new URLs"), std::set<std::string>({site.url("/fresh.html")}));

  // The database agrees, and keeps one set of links per page.
  EXPECT_EQ(query(db, "SELECT url, status, bad FROM urls WHERE bad = 1 ORDER BY url"),
            Rows({{site.url("/breakme.html"), "404 not found", "1"},
                  {site.url("/gone.html"), "404 not found", "1"}}));
  EXPECT_EQ(query(db, "SELECT status FROM urls WHERE url = '" + site.url("/fresh.html") + "'"),
            Rows({{"200 no error"}}));
  EXPECT_EQ(query(db, "SELECT p.url FROM links l JOIN urls p ON p.id = l.parent_id JOIN urls t "
                      "ON t.id = l.target_id WHERE t.url = '" + site.url("/fresh.html") + "'"),
            Rows({{site.url("/fix2.html")}}));
  EXPECT_EQ(query(db, "SELECT count(*) FROM links"),
            Rows({{std::to_string(std::stoi(linksBefore.at(0).at(0)) + 1)}}))
      << "the home page read again keeps one set of links";
  EXPECT_EQ(query(db, "SELECT bad, total, checked, state FROM crawl"),
            Rows({{"2", "7", "7", "finished"}}));

  // One URL.
  site.page("/breakme.html", "<html><body>back again</body></html>");
  auto [one, oneOut] = runQuoted({"recheck", db, "--url", site.url("/breakme.html")});
  EXPECT_EQ(one, 1) << "gone.html is still bad";
  EXPECT_EQ(groupUrls(oneOut, "fixed"), std::set<std::string>({site.url("/breakme.html")}));
  EXPECT_EQ(statuses(db)[site.url("/breakme.html")], "200 no error");
  EXPECT_EQ(run({"recheck", db, "--url", site.url("/nowhere.html")}), 2);

  // Status lines only: no page is read again, so the links stay as they are.
  site.status("/fine.html", 410, "gone for good");
  site.page("/gone.html", "<html><body><a href=\"/never-seen.html\">x</a></body></html>");
  auto [lines, linesOut] = runQuoted({"recheck", db, "--all", "--status-only", "--threads", "3"});
  EXPECT_EQ(lines, 1);
  EXPECT_EQ(groupUrls(linesOut, "newly broken"), std::set<std::string>({site.url("/fine.html")}));
  EXPECT_EQ(groupUrls(linesOut, "fixed"), std::set<std::string>({site.url("/gone.html")}));
  EXPECT_TRUE(groupUrls(linesOut, "new URLs").empty()) << linesOut;
  EXPECT_EQ(statuses(db)[site.url("/fine.html")], "410 no longer exists");
  EXPECT_EQ(query(db, "SELECT count(*) FROM links"),
            Rows({{std::to_string(std::stoi(linksBefore.at(0).at(0)) + 1)}}));
  EXPECT_EQ(readWhole(db).find("secret"), std::string::npos) << "written back without it";
}

TEST(SavedCrawl, AStartAddressPasswordComesBackFromThePasswordFile) {
  test::TestServer site;
  site.basicAuth("/", "bob", "pa&ss:w0rd", "<html><body>in</body></html>");
  test::TempDir dir;
  const std::string db = dir / "crawl.db", secret = dir / "password";
  std::ofstream(secret) << "pa&ss:w0rd\n";
  const std::string start = site.url("/");
  const std::string withPassword = start.substr(0, 7) + "bob:pa%26ss%3Aw0rd@" + start.substr(7);
  ASSERT_EQ(run({"crawl", withPassword, "--no-settings-file", "-q", "--db", db}), 0);
  EXPECT_EQ(readWhole(db).find("w0rd"), std::string::npos);
  EXPECT_EQ(query(db, "SELECT start_url FROM crawl").at(0).at(0).find("bob:***@"), 7u);
  EXPECT_EQ(run({"recheck", db, "--all", "-q"}), 1) << "without it the server refuses";
  EXPECT_EQ(run({"recheck", db, "--all", "-q", "--password-file", secret}), 0);
  EXPECT_EQ(readWhole(db).find("w0rd"), std::string::npos) << "written back without it";
}

TEST(SavedCrawl, AStoppedCrawlContinuedEndsAsAnUninterruptedOne) {
  test::TestServer site;
  std::string home = "<html><body><a href=\"/slowbody.html\">s</a>";
  for (int i = 1; i <= 6; ++i) home += "<a href=\"/p" + std::to_string(i) + ".html\">p</a>";
  home += "<a href=\"/missing.html\">m</a></body></html>";
  site.page("/", home);
  for (int i = 1; i <= 6; ++i)
    site.slow("/p" + std::to_string(i) + ".html", 0.4,
              "<html><body><a href=\"/q" + std::to_string(i) + ".html\">q</a></body></html>");
  for (int i = 1; i <= 6; ++i) site.page("/q" + std::to_string(i) + ".html", "<p>q</p>");
  // The head comes at once, the body (with the only link to /deep.html) later:
  // a stop in between leaves a good status and links never read.
  site.route("/slowbody.html", [&site](const httplib::Request&, httplib::Response& res) {
    res.set_chunked_content_provider("text/html", [&site](size_t, httplib::DataSink& sink) {
      site.sleepUnlessStopping(2.5);
      const std::string body = "<html><body><a href=\"/deep.html\">deep</a></body></html>";
      sink.write(body.data(), body.size());
      sink.done();
      return true;
    });
  });
  site.page("/deep.html", "<p>deep</p>");
  test::TempDir dir;
  const std::vector<std::string> common = {"--no-settings-file", "-q", "--threads", "2",
                                           "--timeout", "10"};
  auto crawl = [&](const std::string& db, std::vector<std::string> extra) {
    std::vector<std::string> args = {"crawl", site.url("/"), "--db", db};
    args.insert(args.end(), common.begin(), common.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return run(args);
  };
  ASSERT_EQ(crawl(dir / "whole.db", {}), 1);
  ASSERT_EQ(crawl(dir / "limit.db", {"--max-time", "0.5"}), 3) << "stopped before the end";
  EXPECT_EQ(query(dir / "limit.db", "SELECT state FROM crawl"), Rows({{"stopped"}}))
      << "a crawl stopped by its time limit";

  // Ctrl-C once the slow page has answered and two others have been asked for.
  site.clearLog();
  std::vector<std::string> args = {"crawl", site.url("/"), "--db", dir / "part.db"};
  args.insert(args.end(), common.begin(), common.end());
  EXPECT_EQ(runInterrupted(args, [&] { return !site.requestsTo("/p2.html").empty(); }), 3);

  EXPECT_EQ(query(dir / "part.db", "SELECT state FROM crawl"), Rows({{"stopped"}}));
  EXPECT_EQ(query(dir / "part.db", "SELECT url, status FROM urls WHERE links_pending = 1"),
            Rows({{site.url("/slowbody.html"), "200 no error"}}));
  EXPECT_EQ(statuses(dir / "part.db").count(site.url("/deep.html")), 0u);
  EXPECT_LT(statuses(dir / "part.db").size(), statuses(dir / "whole.db").size());
  EXPECT_EQ(run({"continue", dir / "whole.db", "-q"}), 2) << "a finished crawl is not continued";

  args = {"continue", dir / "part.db"};
  args.insert(args.end(), common.begin(), common.end());
  EXPECT_EQ(run(args), 1);
  EXPECT_EQ(statuses(dir / "part.db"), statuses(dir / "whole.db"));
  EXPECT_EQ(query(dir / "part.db", "SELECT state, total, checked, bad FROM crawl"),
            query(dir / "whole.db", "SELECT state, total, checked, bad FROM crawl"));
  EXPECT_EQ(query(dir / "part.db", "SELECT count(*) FROM links"),
            query(dir / "whole.db", "SELECT count(*) FROM links"));
  EXPECT_EQ(query(dir / "part.db", "SELECT count(*) FROM urls WHERE links_pending = 1"),
            Rows({{"0"}}));
}

std::multiset<std::string> linkRows(const std::string& db) {
  std::multiset<std::string> out;
  for (const auto& row :
       query(db,
             "SELECT p.url, t.url, coalesce(l.link_text, '-') FROM links l "
             "JOIN urls p ON p.id = l.parent_id JOIN urls t ON t.id = l.target_id"))
    out.insert(row.at(0) + " > " + row.at(1) + " " + row.at(2));
  return out;
}

TEST(SavedCrawl, ACrawlKilledOrOutOfDiskGoesOnFromItsLastCommit) {
  // 240 pages, each a little slow, with ten links to others and one to a page
  // that is missing: a crawl with two requests at a time takes some seconds
  // and commits (every 2 s) part of them first.
  test::TestServer site;
  constexpr int kPages = 240;
  auto pagePath = [](int i) {
    return i == 0 ? std::string("/") : "/p" + std::to_string(i) + ".html";
  };
  for (int i = 0; i < kPages; ++i) {
    std::string body = "<html><head><title>page " + std::to_string(i) + "</title></head><body>";
    for (int k = 1; k <= 10; ++k)
      body += "<a href=\"" + pagePath((i * 7 + k * 13) % kPages) + "\">to " + std::to_string(k) +
              "</a>";
    body += "<a href=\"/missing" + std::to_string(i % 5) + ".html\">gone</a></body></html>";
    site.slow(pagePath(i), 0.04, body);
  }
  test::TempDir dir;
  const std::string whole = dir / "whole.db", part = dir / "part.db", full = dir / "full.db";
  auto crawl = [&](const std::string& db, const char* threads) {
    return std::vector<std::string>{
        "crawl", site.url("/"), "--db",  db,          "--no-settings-file",
        "-q",    "--threads",   threads, "--timeout", "10"};
  };
  ASSERT_EQ(run(crawl(whole, "8")), 1);
  const auto wholeStatuses = statuses(whole);
  ASSERT_EQ(wholeStatuses.size(), static_cast<size_t>(kPages + 5));

  // Read back as after a crash whose last commit had walked to the end: the
  // records before that place without a good status are still fetched again.
  const std::string late = dir / "late.db";
  std::filesystem::copy_file(whole, late);
  ASSERT_EQ(exec(late, "UPDATE crawl SET state = 'running', "
                       "next_url_index = (SELECT count(*) FROM urls)"),
            "");
  site.clearLog();
  EXPECT_EQ(run({"continue", late, "-q"}), 1);
  EXPECT_EQ(site.requestsTo("/missing3.html").size(), 1u) << "a 404 is asked again";
  EXPECT_EQ(statuses(late), wholeStatuses);

  // Killed once a commit holds some pages, and not yet the last.
  const pid_t pid = spawn(crawl(part, "2"), dir / "part.txt");
  const char* kGood = "SELECT count(*) FROM urls WHERE status LIKE '200%' AND links_pending = 0";
  int committed = 0;
  for (int i = 0; i < 400 && committed < 40; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    const Rows rows = query(part, kGood);
    if (rows.size() == 1 && rows[0].size() == 1 && std::isdigit(rows[0][0][0]))
      committed = std::stoi(rows[0][0]);
  }
  EXPECT_EQ(run({"continue", part, "-q"}), 2) << "refused while the crawl holds the lock";
  ::kill(pid, SIGKILL);
  EXPECT_EQ(waitFor(pid), -1);
  ASSERT_GE(committed, 40);
  EXPECT_EQ(query(part, "SELECT state FROM crawl"), Rows({{"running"}}));
  const Rows kept =
      query(part, "SELECT url FROM urls WHERE status LIKE '200%' AND links_pending = 0");
  ASSERT_LT(kept.size(), static_cast<size_t>(kPages)) << "killed before the end";

  site.clearLog();
  EXPECT_EQ(run({"continue", part, "-q", "--threads", "8"}), 1);
  EXPECT_EQ(query(part, "SELECT state, total, checked, bad FROM crawl"),
            query(whole, "SELECT state, total, checked, bad FROM crawl"));
  EXPECT_EQ(statuses(part), wholeStatuses);
  EXPECT_EQ(linkRows(part), linkRows(whole));
  for (const auto& row : kept) {
    const std::string path = row[0].substr(site.url("/").size() - 1);
    size_t gets = 0;
    for (const auto& r : site.requestsTo(path)) gets += r.method == "GET";
    EXPECT_EQ(gets, 0u) << path << " was committed with its links: never fetched again";
  }

  // A file size limit the database passes part-way: the crawl stops, naming
  // the file; what was committed opens and is continued to the same end.
  const pid_t limited = spawn(crawl(full, "2"), dir / "full.txt", 384 * 1024);
  EXPECT_EQ(waitFor(limited), 2);
  const std::string said = readWhole(dir / "full.txt");
  EXPECT_NE(said.find("cannot write " + full), std::string::npos) << said;
  EXPECT_NE(said.find("stopped by a failed write of the crawl database"), std::string::npos)
      << said;
  EXPECT_EQ(query(full, "SELECT state FROM crawl"), Rows({{"running"}}));
  EXPECT_LT(std::stoi(query(full, "SELECT count(*) FROM urls WHERE status != ''").at(0).at(0)),
            kPages)
      << "stopped part-way";
  EXPECT_EQ(run({"continue", full, "-q", "--threads", "8"}), 1);
  EXPECT_EQ(statuses(full), wholeStatuses);
  EXPECT_EQ(linkRows(full), linkRows(whole));
}

TEST(SavedCrawl, DiffListsWhatChangedBetweenTwoCrawls) {
  test::TestServer site;
  site.page("/", R"(<html><head><title>Home</title></head><body>
      <a href="/a.html">a</a> <a href="/b.html">b</a> <a href="/c.html">c</a></body></html>)");
  site.page("/a.html", "<html><head><title>A</title></head><body>a</body></html>");
  site.page("/b.html", R"(<html><head><meta name="description" content="Bee"></head></html>)");
  site.page("/c.html", "<p>c</p>");
  test::TempDir dir;
  // Both crawls log in with a password in the start address, which the diff does not show.
  auto withUser = [&](const std::string& path, const std::string& password) {
    const std::string u = site.url(path);
    return u.substr(0, 7) + "bob:" + password + "@" + u.substr(7);
  };
  auto shown = [&](const std::string& path) { return withUser(path, "***"); };
  const std::string start = withUser("/", "s3cret");
  ASSERT_EQ(run({"crawl", start, "--no-settings-file", "-q", "--db", dir / "old.db"}), 0);
  site.page("/", R"(<html><head><title>Home</title></head><body>
      <a href="/a.html">a</a> <a href="/b.html">b</a> <a href="/d.html">d</a></body></html>)");
  site.page("/a.html", "<html><head><title>A, renamed</title></head><body>a</body></html>");
  site.page("/b.html", R"(<html><head><meta name="description" content="Wasp"></head></html>)");
  site.page("/d.html", "<p>d</p>");
  site.status("/a.html", 500, "down");
  ASSERT_EQ(run({"crawl", start, "--no-settings-file", "-q", "--db", dir / "new.db"}), 1);

  auto [code, json] = runQuoted({"diff", dir / "old.db", dir / "new.db", "--json"});
  EXPECT_EQ(code, 1);
  EXPECT_EQ(json.find("s3cret"), std::string::npos) << json;
  const Json doc = Json::parse(json);
  EXPECT_EQ(doc["added"], Json::parse(R"([{"url":")" + shown("/d.html") +
                                      R"(","status":"200 no error"}])"));
  EXPECT_EQ(doc["removed"], Json::parse(R"([{"url":")" + shown("/c.html") +
                                        R"(","status":"200 no error"}])"));
  EXPECT_EQ(doc["statusChanged"],
            Json::parse(R"([{"url":")" + shown("/a.html") +
                        R"(","old":"200 no error","new":"500 internal server error"}])"));
  EXPECT_EQ(doc["titleChanged"], Json::parse(R"([{"url":")" + shown("/a.html") +
                                             R"(","old":"A","new":""}])"))
      << "a page that fails has no title";
  EXPECT_EQ(doc["descriptionChanged"], Json::parse(R"([{"url":")" + shown("/b.html") +
                                                   R"(","old":"Bee","new":"Wasp"}])"));

  auto [textCode, text] = runQuoted({"diff", dir / "old.db", dir / "new.db"});
  EXPECT_EQ(textCode, 1);
  EXPECT_EQ(groupUrls(text, "new URLs"), std::set<std::string>({shown("/d.html")}));
  EXPECT_EQ(groupUrls(text, "gone URLs"), std::set<std::string>({shown("/c.html")}));
  EXPECT_NE(text.find("1 new, 1 gone, 1 with a new status, 1 with a new title, 1 with a new "
                      "description"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace zel::cli
