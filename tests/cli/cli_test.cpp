// The zelmora command: option parsing, settings, exit statuses and rechecks
// (the exports have their own tests).
#include <gtest/gtest.h>

#include <atomic>

#include "app.h"
#include "cli/run_zelmora.h"
#include "crawl_command.h"
#include "options.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

TEST(Options, SettingValuesAreReadSensibly) {
  EXPECT_EQ(parseSettingValue("TRUE"), true);
  EXPECT_EQ(parseSettingValue("off"), false);
  EXPECT_EQ(parseSettingValue("42"), 42);
  EXPECT_EQ(parseSettingValue("0.5"), 0.5);
  EXPECT_EQ(parseSettingValue("[1, \"a\"]"), Json::array({1, "a"}));
  EXPECT_EQ(parseSettingValue("[not json"), "[not json");
  EXPECT_EQ(parseSettingValue("hello world"), "hello world");
}

// A clean site exits with 0: Options.ExcludeDepthAndMaxTimeShapeACrawl.
TEST(CrawlCommand, UnusableStartsExitWithTwo) {
  EXPECT_EQ(run({"crawl", "/no/such/folder/anywhere", "-q"}), 2);
  test::TempDir tmp;
  const std::string bad = test::writeWhole(tmp / "bad.json", "{\"numberOfThreads\": \"eight\"}");
  EXPECT_EQ(run({"crawl", "http://127.0.0.1:9/", "--settings", bad, "-q"}), 2);
  EXPECT_EQ(test::readWhole(bad), "{\"numberOfThreads\": \"eight\"}");
  EXPECT_EQ(run({"crawl", "http://127.0.0.1:9/", "--settings", "/no/such/settings.json"}), 2);
}

TEST(CrawlCommand, RecheckGivesBadLinksASecondChance) {
  test::TestServer site;
  std::atomic<int> calls{0};
  site.page("/", "<html><body><a href=\"/flaky\">f</a></body></html>");
  site.route("/flaky", [&calls](const httplib::Request&, httplib::Response& res) {
    if (++calls == 1)
      res.status = 503;
    else
      res.set_content("<html><body>fine now</body></html>", "text/html");
  });
  test::TempDir tmp;
  const std::string out = tmp / "recheck.json";
  EXPECT_EQ(run({"crawl", site.url("/"), "--recheck", "--json", out, "-q", "--timeout", "5"}), 0);
  EXPECT_EQ(Json::parse(test::readWhole(out))["counts"]["bad"], 0);
  EXPECT_EQ(calls.load(), 2);
}

TEST(CrawlCommand, LocalPathsBecomeFileAddresses) {
  std::string error;
  auto folder = startingAddressFor(ZEL_FIXTURES_DIR "/sites/small", &error);
  ASSERT_TRUE(folder);
  EXPECT_EQ(*folder, "file://" ZEL_FIXTURES_DIR "/sites/small/");
  EXPECT_EQ(startingAddressFor("example.org/page", &error), "example.org/page");
  EXPECT_FALSE(startingAddressFor("./definitely/not/here", &error));
  EXPECT_EQ(error, "no such file or folder: ./definitely/not/here");
}

}  // namespace
}  // namespace zel::cli
