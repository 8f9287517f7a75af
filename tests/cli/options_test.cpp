// The command line: named options and the settings they stand for, setting
// values, settings files, usage errors, starts that cannot be used, --recheck,
// --max-time, and the installed program.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>

#include "cli/run_zelmora.h"
#include "crawl_command.h"
#include "options.h"
#include "platform/file_system.h"
#include "request_limits.h"
#include "settings_command.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

namespace fs = std::filesystem;

TEST(Options, EachNamedOptionSetsItsSettings) {
  const test::TempDir dir;
  { std::ofstream(dir / "pw") << "s3cret\nignored second line\n"; }
  struct Case {
    std::vector<std::string> args;
    std::vector<std::pair<std::string, Json>> settings;
  };
  const Case cases[] = {
      {{"--exclude", "/logout", "--exclude", "*.zip"}, {{"ignoreArray", {"/logout", "*.zip"}}}},
      {{"--no-follow", "/tag/"}, {{"followBlacklistArray", {"/tag/"}}}},
      {{"--only-follow", "/docs"}, {{"followWhitelistArray", {"/docs"}}}},
      {{"--no-check", "ads."}, {{"checkBlacklistArray", {"ads."}}}},
      {{"--depth", "3"}, {{"levelsLimit", 3}}},
      {{"--max-urls", "500"}, {{"linksLimit", 500}}},
      {{"--internal-only", "--subdomains"}, {{"internalOnly", true}, {"followSubdomains", true}}},
      {{"--no-images"}, {{"checkImages", false}, {"includeimagesinsitemap", false}}},
      {{"--css", "--js", "--pdf"},
       {{"shouldParseCSS", true}, {"shouldLoadJS", true}, {"shouldParsePDFs", true}}},
      {{"--no-robots"}, {{"observeRobotsTxt", false}, {"blacklistByRobotsTxt", false}}},
      {{"--fragments", "--spelling", "--grammar"},
       {{"dontTrimHash", true}, {"checkSpelling", true}, {"checkGrammar", true}}},
      {{"--user", "ann", "--password-file", dir / "pw", "--login-form", "u", "p"},
       {{"authenticationUserName", "ann"},
        {"authenticationPassword", "s3cret"},
        {"attemptAuthenticate", true},
        {"authenticationUserNameFieldName", "u"},
        {"authenticationPasswordFieldName", "p"}}},
      {{"--header", "X-A: 1", "--header", "Authorization:Bearer t"},
       {{"customHeaderKey1", "X-A"},
        {"customHeaderValue1", "1"},
        {"customHeaderKey2", "Authorization"},
        {"customHeaderValue2", "Bearer t"}}},
      {{"--no-cookies", "--archive", "/tmp/a"},
       {{"handleCookies", false}, {"shouldArchive", true}, {"archiveDirectory", "/tmp/a"}}},
      {{"--threads=16", "--timeout", "2.5", "--per-host", "3", "--max-body", "1.5MB"},
       {{"numberOfThreads", 16},
        {"timeout", 2.5},
        {"maxRequestsPerHost", 3},
        {"maxBodyBytes", 1572864}}},
      {{"--set", "checkImages=no", "--set", "sessidParam=123", "--set", "timeout=5"},
       {{"checkImages", false}, {"sessidParam", "123"}, {"timeout", 5.0}}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"crawl", "http://h/", "--no-settings-file"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(args[3]);
    Options o;
    Status parsed = parseOptions(args, o);
    ASSERT_TRUE(parsed.ok()) << parsed.message();
    MemoryDefaults d;
    ASSERT_TRUE(resolveSettings(o, d, nullptr).ok());
    for (const auto& [key, value] : c.settings) EXPECT_EQ(d.objectForKey(key) ? *d.objectForKey(key) : Json(), value) << key;
  }
  // How --set and the number options read a value.
  EXPECT_EQ(parseSettingValue("TRUE"), true);
  EXPECT_EQ(parseSettingValue("off"), false);
  EXPECT_EQ(parseSettingValue("42"), 42);
  EXPECT_EQ(parseSettingValue("0.5"), 0.5);
  EXPECT_EQ(parseSettingValue("[1, \"a\"]"), Json::array({1, "a"}));
  EXPECT_EQ(parseSettingValue("[not json"), "[not json");
  EXPECT_EQ(parseSettingValue("hello world"), "hello world");
}

TEST(Options, CommandLineWinsOverTheSettingsFile) {
  const test::TempDir dir;
  { std::ofstream(dir / "zelmora.json") << R"({"levelsLimit": 2, "ignoreArray": ["x"], "delay": 1.5})"; }
  Options o;
  ASSERT_TRUE(
      parseOptions(
          {"crawl", "h", "--settings", dir / "zelmora.json", "--depth", "5", "--exclude", "y"}, o)
          .ok());
  MemoryDefaults d;
  ASSERT_TRUE(resolveSettings(o, d, nullptr).ok());
  EXPECT_EQ(d.integerForKey("levelsLimit"), 5);
  EXPECT_EQ(*d.objectForKey("ignoreArray"), Json::array({"y"}));
  EXPECT_EQ(d.doubleForKey("delay"), 1.5) << "kept from the file";
  EXPECT_EQ(d.integerForKey("numberOfThreads"), 8) << "the program's default";

  // ./zelmora.json is read from the current folder unless told not to.
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());
  Ran found = runProgram(kProgram, "settings --effective --depth 7");
  Ran skipped = runProgram(kProgram, "settings --effective --no-settings-file");
  fs::current_path(before);
  EXPECT_EQ(found.status, 0);
  EXPECT_NE(found.output.find("zelmora: reading settings from ./zelmora.json"), std::string::npos);
  EXPECT_NE(found.output.find("\"levelsLimit\": 7"), std::string::npos) << found.output;
  EXPECT_NE(found.output.find("\"delay\": 1.5"), std::string::npos);
  EXPECT_EQ(skipped.output.find("\"delay\": 1.5"), std::string::npos);

  { std::ofstream(dir / "typo.json") << R"({"shouldParseCss": true})"; }
  Options t;
  ASSERT_TRUE(parseOptions({"crawl", "h", "--settings", dir / "typo.json"}, t).ok());
  MemoryDefaults td;
  Status s = resolveSettings(t, td, nullptr);
  EXPECT_NE(s.message().find("did you mean shouldParseCSS"), std::string::npos) << s.message();
}

TEST(Options, UsageErrorsAreOneLineWithAHint) {
  struct Case {
    std::string args;
    std::string message;
  };
  const Case cases[] = {
      {"", "no command given"},
      {"fetch x", "unknown command \"fetch\""},
      {"crawl", "crawl needs a TARGET"},
      {"crawl x --threads", "--threads needs a value"},
      {"crawl x --threads many", "--threads needs a whole number, not \"many\""},
      {"crawl x --set novalue", "--set needs KEY=VALUE, not \"novalue\""},
      {"crawl x --set numberOfThreads=lots", "--set numberOfThreads: key"},
      {"crawl x --set shouldParseCss=true", "unknown setting \"shouldParseCss\" (did you mean shouldParseCSS"},
      {"crawl x --depht 3", "unknown option --depht (did you mean --depth?)"},
      {"crawl x --fields linkurl,colour", "--fields: unknown field \"colour\"; the fields are:"},
      {"crawl x --max-body lots", "--max-body needs a size such as 10MB or 500K"},
      {"crawl x --header A:1 --header B:2 --header C:3 --header D:4",
       "at most 3 --header options can be given"},
      {"crawl x --header nocolon", "--header needs \"Name: value\""},
      {"crawl x --user ann", "--user needs --password-file FILE"},
      {"crawl x --login-form a", "--login-form needs values: --login-form USER_FIELD PASSWORD_FIELD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    Ran ran = runProgram(kProgram, c.args);
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.output.rfind("zelmora: " + c.message, 0), 0u) << ran.output;
    EXPECT_EQ(std::count(ran.output.begin(), ran.output.end(), '\n'), 2) << ran.output;
    EXPECT_NE(ran.output.find("\ntry 'zelmora crawl --help'\n"), std::string::npos);
  }
}

TEST(Options, HelpSettingsAndManPageComeFromOneTable) {
  Ran help = runProgram(kProgram, "--help");
  EXPECT_EQ(help.status, 0);
  for (const char* text : {"what to crawl:", "--exclude TERM", "[ignoreArray]", "--depth N",
                           "[levelsLimit]", "--js", "bare .js address", "requests:",
                           "[customHeaderKey1-3, customHeaderValue1-3]", "output (FILE"})
    EXPECT_NE(help.output.find(text), std::string::npos) << text;
  Ran robots = runProgram(kProgram, "settings robots");
  EXPECT_EQ(robots.status, 0);
  EXPECT_NE(robots.output.find("observeRobotsTxt (boolean, default true)"), std::string::npos)
      << robots.output;
  EXPECT_EQ(robots.output.find("numberOfThreads"), std::string::npos);
  Ran man = runProgram(kProgram, "--man");
  EXPECT_EQ(man.output.rfind(".TH ZELMORA 1", 0), 0u);
  EXPECT_NE(man.output.find("\\fB\\-\\-exclude\\fR \\fITERM\\fR"), std::string::npos);
  Ran completion = runProgram(kProgram, "--completion bash");
  EXPECT_NE(completion.output.find("complete -F _zelmora zelmora"), std::string::npos);
  EXPECT_NE(completion.output.find("shouldParseCSS="), std::string::npos);
}

// --exclude and --depth change what a crawl records; --max-time stops a crawl
// of a slow site near its deadline and still writes what was found; --recheck
// asks for a bad link once more.
TEST(Options, ExcludeDepthMaxTimeAndRecheckShapeACrawl) {
  test::TestServer site;
  site.page("/", "<a href=\"/a\">a</a><a href=\"/skip/x\">x</a>");
  site.page("/a", "<a href=\"/b\">b</a>");
  site.page("/b", "<a href=\"/c\">c</a>");
  site.page("/c", "end");
  site.page("/skip/x", "x");
  const test::TempDir dir;
  const std::string json = dir / "r.json";
  auto urls = [&] {
    std::set<std::string> found;
    Json doc = Json::parse(RealFileSystem().readFile(json).value_or("{}"));
    for (const Json& r : doc["records"]) found.insert(r["linkurl"].get<std::string>());
    return found;
  };
  const Ran whole =
      runProgram(kProgram, "crawl " + site.url("/") + " --no-settings-file --json " + json);
  ASSERT_EQ(whole.status, 0) << whole.output;
  EXPECT_EQ(whole.output.find("deadline"), std::string::npos) << "no --max-time: " << whole.output;
  EXPECT_EQ(urls().count(site.url("/c")), 1u);
  EXPECT_EQ(urls().count(site.url("/skip/x")), 1u);
  ASSERT_EQ(run({"crawl", site.url("/"), "-q", "--no-settings-file", "--json", json, "--exclude",
                 "/skip/", "--depth", "2"}),
            0);
  EXPECT_EQ(urls().count(site.url("/b")), 1u) << "two clicks away";
  EXPECT_EQ(urls().count(site.url("/c")), 0u) << "three clicks away";
  EXPECT_EQ(urls().count(site.url("/skip/x")), 0u);

  test::TestServer slow;
  std::string links;
  for (int i = 0; i < 40; ++i) links += "<a href=\"/s" + std::to_string(i) + "\">s</a>";
  slow.page("/", links);
  for (int i = 0; i < 40; ++i) slow.slow("/s" + std::to_string(i), 0.5, "slow");
  const Ran ran = runProgram(kProgram, "crawl " + slow.url("/") +
                                           " --no-settings-file --threads 2 --timeout 3 --max-time 1 --json " + json);
  EXPECT_NE(ran.output.find("stopped at the deadline of 1 s"), std::string::npos) << ran.output;
  const auto found = urls();
  EXPECT_EQ(found.count(slow.url("/s39")), 1u) << "every URL found so far is reported";

  // --recheck gives a bad link a second chance at the end.
  test::TestServer flaky;
  std::atomic<int> calls{0};
  flaky.page("/", "<html><body><a href=\"/flaky\">f</a></body></html>");
  flaky.route("/flaky", [&calls](const httplib::Request&, httplib::Response& res) {
    if (++calls == 1)
      res.status = 503;
    else
      res.set_content("<html><body>fine now</body></html>", "text/html");
  });
  EXPECT_EQ(run({"crawl", flaky.url("/"), "--recheck", "--json", json, "-q", "--timeout", "5"}), 0);
  EXPECT_EQ(Json::parse(test::readWhole(json))["counts"]["bad"], 0);
  EXPECT_EQ(calls.load(), 2);
}

TEST(Install, IntoAStagingFolder) {
  const test::TempDir stage;
  const Ran installed = runProgram("cmake", "--install '" ZEL_BINARY_DIR "' --prefix /usr",
                                   "DESTDIR='" + stage.path() + "'");
  ASSERT_EQ(installed.status, 0) << installed.output;
  for (const char* file : {"usr/bin/zelmora", "usr/share/man/man1/zelmora.1",
                           "usr/share/bash-completion/completions/zelmora"})
    EXPECT_TRUE(fs::exists(stage / file)) << file;
  const Ran version = runProgram(stage / "usr/bin/zelmora", "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output.rfind("zelmora ", 0), 0u);
  for (const char* library : {"libcurl", "ICU", "PCRE2", "SQLite", "poppler", "link-grammar"})
    EXPECT_NE(version.output.find(library), std::string::npos) << library;
}

// A clean site exits with 0: Options.ExcludeDepthMaxTimeAndRecheckShapeACrawl.
TEST(CrawlCommand, UnusableStartsExitWithTwoAndLocalPathsBecomeFileAddresses) {
  EXPECT_EQ(run({"crawl", "/no/such/folder/anywhere", "-q"}), 2);
  test::TempDir tmp;
  const std::string bad = test::writeWhole(tmp / "bad.json", "{\"numberOfThreads\": \"eight\"}");
  EXPECT_EQ(run({"crawl", "http://127.0.0.1:9/", "--settings", bad, "-q"}), 2);
  EXPECT_EQ(test::readWhole(bad), "{\"numberOfThreads\": \"eight\"}");
  EXPECT_EQ(run({"crawl", "http://127.0.0.1:9/", "--settings", "/no/such/settings.json"}), 2);

  // Local paths become file addresses; other texts are left to the engine.
  std::string error;
  auto folder = startingAddressFor(ZEL_FIXTURES_DIR "/sites/small", &error);
  ASSERT_TRUE(folder);
  EXPECT_EQ(*folder, "file://" ZEL_FIXTURES_DIR "/sites/small/");
  EXPECT_EQ(startingAddressFor("example.org/page", &error), "example.org/page");
  EXPECT_FALSE(startingAddressFor("./definitely/not/here", &error));
  EXPECT_EQ(error, "no such file or folder: ./definitely/not/here");
}

// Requests in flight are kept within the open files and, rendered, the cores and
// memory. A site linking to 400 pages at once, crawled with 500 requests at a
// time in a process that may open only 128 files: every page is still read.
TEST(CrawlCommand, RequestsInFlightFitTheMachine) {
  for (const auto& [files, most] : std::vector<std::pair<uint64_t, int64_t>>{
           {128, 32}, {1024, 480}, {66, 1}, {0, 1}, {1048576, 524256}})
    EXPECT_EQ(requestsForOpenFiles(files), most) << files;
  // Rendered pages: four a core, a quarter of a gigabyte each, at least eight.
  const uint64_t GB = 1ull << 30;
  struct Case {
    MachineLimits machine;
    bool render;
    int64_t wanted, inFlight;
  } cases[] = {{{1024, 2, 24 * GB}, false, 8, 8},   {{1024, 2, 24 * GB}, false, 400, 400},
               {{1024, 2, 24 * GB}, true, 100, 8},  {{1024, 16, 64 * GB}, true, 100, 64},
               {{1024, 16, 4 * GB}, true, 100, 16}, {{128, 16, 64 * GB}, true, 100, 32},
               {{1024, 1, 1 * GB}, true, 6, 6}};
  for (const Case& c : cases) {
    MemoryDefaults settings;
    settings.setInteger("numberOfThreads", c.wanted);
    settings.setBool("runJS", c.render);
    fitRequestsToMachine(settings, c.machine, nullptr);
    EXPECT_EQ(settings.integerForKey("numberOfThreads"), c.inFlight)
        << c.machine.openFiles << " files, " << c.machine.cores << " cores, render " << c.render;
  }

  test::TempDir site;
  std::string home = "<html><body>";
  for (int n = 0; n < 400; ++n) {
    const std::string name = "p" + std::to_string(n) + ".html";
    test::writeWhole(site / name, "<html><head><title>" + name + "</title></head></html>");
    home += "<a href=\"" + name + "\">" + name + "</a>";
  }
  test::writeWhole(site / "index.html", home + "</body></html>");
  test::TestServer server;
  server.folder(site.path());
  const Ran ran = runProgram(kProgram,
                             "crawl " + server.url("/") +
                                 " --internal-only --threads 500 --no-settings-file --no-progress",
                             "ulimit -n 128;");
  EXPECT_EQ(ran.status, 0) << ran.output;
  EXPECT_NE(ran.output.find("500 requests at once need more open files than this system allows "
                            "(128); at most 32 are in flight"),
            std::string::npos)
      << ran.output;
  EXPECT_NE(ran.output.find("links checked: 401   bad links: 0"), std::string::npos) << ran.output;
}

}  // namespace
}  // namespace zel::cli
