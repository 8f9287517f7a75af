// Every export of one crawl of the audit fixture site, written at once and read
// back with real readers: nlohmann-json, a quoting CSV reader, SQLite (the
// README's own queries, and the loader that opens a saved crawl again), and
// libxml2 with namespaces.
#include "report/exports.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "cli/run_zelmora.h"
#include "engine/zel_hub.h"
#include "report/database_loader.h"
#include "report/markup_json.h"
#include "report/output_file.h"
#include "report/report_context.h"
#include "report/row_values.h"
#include "report/text_escape.h"
#include "report/writers.h"
#include "support/crawl_runner.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "support/test_server.h"

namespace zel::cli {
namespace {

namespace fs = std::filesystem;
using test::query;
using test::readWhole;
using test::Rows;

// RFC 4180: quoted cells may hold commas, doubled quotes and line ends. A last
// line without its line end is dropped.
Rows readCsv(const std::string& text) {
  Rows rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& cell = rows.back().back();
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
      cell += text[++i];
    else if (c == '"')
      quoted = !quoted;
    else if (quoted || (c != ',' && c != '\n' && c != '\r'))
      cell += c;
    else if (c == ',')
      rows.back().emplace_back();
    else if (c == '\n')
      rows.emplace_back(1);
  }
  rows.pop_back();
  return rows;
}

// Column `name` of every row after the header, keyed by column `key`.
std::map<std::string, std::string> csvColumn(const Rows& rows, const std::string& key,
                                             const std::string& name) {
  std::map<std::string, std::string> out;
  const auto& head = rows.at(0);
  const size_t k = std::find(head.begin(), head.end(), key) - head.begin();
  const size_t n = std::find(head.begin(), head.end(), name) - head.begin();
  for (size_t r = 1; r < rows.size(); ++r) out[rows[r].at(k)] = rows[r].at(n);
  return out;
}

// The text of every node an XPath expression selects; prefix "s" is the sitemap namespace.
std::vector<std::string> xpathTexts(const std::string& path, const char* expression) {
  std::vector<std::string> out;
  xmlDocPtr doc = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
  if (!doc) return {"<not well-formed XML>"};
  xmlXPathContextPtr ctx = xmlXPathNewContext(doc);
  xmlXPathRegisterNs(ctx, BAD_CAST "s", BAD_CAST "http://www.sitemaps.org/schemas/sitemap/0.9");
  if (xmlXPathObjectPtr result = xmlXPathEvalExpression(BAD_CAST expression, ctx)) {
    if (result->nodesetval)
      for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
        xmlChar* text = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
        out.emplace_back(reinterpret_cast<const char*>(text));
        xmlFree(text);
      }
    xmlXPathFreeObject(result);
  }
  xmlXPathFreeContext(ctx);
  xmlFreeDoc(doc);
  return out;
}

// The ```sql blocks of the README, in order.
std::vector<std::string> readmeQueries() {
  const std::string readme = readWhole(ZEL_FIXTURES_DIR "/../../README.md");
  std::vector<std::string> out;
  static const std::regex kBlock("```sql\n([\\s\\S]*?)```");
  for (auto it = std::sregex_iterator(readme.begin(), readme.end(), kBlock);
       it != std::sregex_iterator(); ++it)
    out.push_back((*it)[1]);
  return out;
}

class Exports : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    site_ = new test::TestServer();
    site_->folder(ZEL_FIXTURES_DIR "/sites/audit");
    site_->redirect("/old", 301, "/about.html");
    site_->redirect("/older", 302, "/old");
    site_->page("/robots.txt", "User-agent: *\nDisallow: /private/\nAllow: /private/open\n",
                "text/plain");
    dir_ = new test::TempDir();
    std::ofstream(file("settings.json")) << R"({"numberOfThreads": 2, "observeRobotsTxt": true,
      "checkSpelling": true, "htmlValidationEnabled": true, "countKeywords": true,
      "shouldCheckForSoft404": true, "soft404Terms": "page not found",
      "authenticationPassword": "s3cret-pass", "customHeaderKey1": "X-Api-Key",
      "customHeaderValue1": "s3cret-key",
      "mipFilter": true, "mipFilterRules": [{"mipContainsScope": 0, "mipContainsOrNot": 0,
        "mipContainsMethod": 0, "mipContains": "hidden"}]})";
    exitCode_ =
        crawl({"--json", file("r.json"), "--csv", file("r.csv"), "--links-csv", file("links.csv"),
               "--seo", file("seo.txt"), "--seo-csv", file("seo.csv"), "--sitemap",
               file("sitemap.xml"), "--junit", file("junit.xml"), "--db", file("crawl.db")});
  }
  static void TearDownTestSuite() {
    delete dir_;
    delete site_;
  }
  static int crawl(std::vector<std::string> exports) {
    std::vector<std::string> args = {
        "crawl", site_->url("/"), "--settings", file("settings.json"), "--timeout", "5", "-q"};
    args.insert(args.end(), exports.begin(), exports.end());
    return run(args);
  }
  static std::string file(const std::string& name) { return *dir_ / name; }
  static std::string url(const std::string& path) { return site_->url(path); }

  static inline test::TestServer* site_ = nullptr;
  static inline test::TempDir* dir_ = nullptr;
  static inline int exitCode_ = -1;
};

const char* const kSeoCounters =
    "count,test\n"
    "1,pages without title\n"
    "1,pages without description\n"
    "1,pages with long title\n"
    "2,pages with long or short description\n"
    "1,pages with high keyword density\n"
    "5,pages with thin content\n"
    "2,pages with duplicate titles\n"
    "2,pages with duplicate descriptions\n"
    "1,images with no alt text\n"
    "1,pages with robots noindex\n"
    "1,Pages with multiple h1\n"
    "1,Pages with no h1\n";

TEST_F(Exports, JsonHoldsEveryFieldOfEveryRecord) {
  EXPECT_EQ(exitCode_, 1) << "the site has bad links";
  const Json doc = Json::parse(readWhole(file("r.json")));
  EXPECT_EQ(doc["counts"], Json::parse(R"({"checked":12,"bad":2,"total":12,"pages":6})"));
  std::map<std::string, Json> rec;
  for (const Json& r : doc["records"]) rec[r["url"]] = r;
  ASSERT_EQ(rec.size(), 12u) << "the filter leaves the JSON whole";
  EXPECT_EQ(doc["records"][0]["url"], url("/")) << "crawl order";

  const Json& home = rec[url("/")];
  for (const char* key : {"url", "actualUrl", "status", "bad", "internal", "mimeType", "redirects",
                          "inbound", "foundOn", "warnings"})
    EXPECT_TRUE(home.contains(key)) << key;
  EXPECT_EQ(home["linkpagetitle"], "Harbor Audit Home");
  EXPECT_EQ(home["h1"], "Welcome");
  EXPECT_TRUE(home["wordcount"].is_number_integer());
  EXPECT_GE(home["wordcount"].get<int>(), 270);
  EXPECT_EQ(home["titlelength"], 17) << "numeric field with a numeric text";
  EXPECT_TRUE(home["responsetime"].is_string()) << "\"0.00123 s\" is not a number";
  EXPECT_EQ(home["warnings"].size(), 1u);
  EXPECT_FALSE(home.contains("keywordstuffed")) << "absent, not NO";
  EXPECT_FALSE(home.contains("redir")) << "empty fields are left out";

  EXPECT_EQ(rec[url("/stuffed.html")]["keywordstuffed"], "YES");
  EXPECT_EQ(rec[url("/team.html")]["h1count"], 2);
  EXPECT_EQ(rec[url("/team.html")]["nofollow"], "YES");
  EXPECT_EQ(rec[url("/about.html")]["spelling"], "2") << "not numeric by name: stays text";
  EXPECT_EQ(rec[url("/hidden.html")]["robots"], "noindex");
  EXPECT_EQ(rec[url("/soft.html")]["status"], "404 'soft 404'");
  const Json& older = rec[url("/older")];
  EXPECT_EQ(older["actualUrl"], url("/about.html"));
  ASSERT_EQ(older["redirects"].size(), 2u);
  EXPECT_EQ(older["redirects"][0],
            Json::parse(R"({"url":")" + url("/old") + R"(","status":"302 found","reason":0})"));
  EXPECT_EQ(older["redir"], url("/about.html"));
  EXPECT_EQ(rec[url("/missing.html")]["foundOn"], Json::array({url("/"), url("/team.html")}));
  const Json& notitle = rec[url("/notitle.html")]["warnings"];
  EXPECT_NE(std::find(notitle.begin(), notitle.end(),
                      "The page doesn't start with a !doctype declaration."),
            notitle.end());
  EXPECT_EQ(readWhole(file("r.json")).find("s3cret"), std::string::npos);
}

TEST_F(Exports, CsvFilesReadBackWithTheirQuoting) {
  const Rows records = readCsv(readWhole(file("r.csv")));
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records[0],
            std::vector<std::string>({"linkurl", "status", "bad", "internal", "mimetype", "redir",
                                      "linkpagetitle", "onpagecount", "distancefromhome",
                                      "filesize", "responsetime", "warnings"}));
  EXPECT_EQ(records.size(), 12u) << "header and every record but the one the filter drops";
  const auto status = csvColumn(records, "linkurl", "status");
  EXPECT_EQ(status.at(url("/missing.html")), "404 not found");
  EXPECT_EQ(csvColumn(records, "linkurl", "bad").at(url("/soft.html")), "YES");
  EXPECT_EQ(status.count(url("/hidden.html")), 0u);

  const Rows links = readCsv(readWhole(file("links.csv")));
  ASSERT_FALSE(links.empty());
  EXPECT_EQ(links[0], std::vector<std::string>({"onpagename", "onpageurl", "line", "linktext",
                                                "linkurl", "status", "redir", "nofollow",
                                                "distance", "rel", "targetattr", "hreflang"}));
  std::map<std::string, std::vector<std::string>> byTarget;
  for (size_t i = 1; i < links.size(); ++i) {
    ASSERT_EQ(links[i].size(), 12u) << "row " << i;
    if (links[i][1] == url("/")) byTarget[links[i][4]] = links[i];
  }
  // Line breaks in texts are removed by the scanner; commas and quotes stay.
  EXPECT_EQ(byTarget[url("/img/logo.png")][3], "[alt]: Harborlogo, \"since 1900\"");
  EXPECT_EQ(byTarget[url("/img/logo.png")][2], "10");
  EXPECT_EQ(byTarget[url("/about.html")][3], "About \"us\", theteam");
  EXPECT_EQ(byTarget[url("/about.html")][0], "Harbor Audit Home");
  EXPECT_EQ(byTarget[url("/team.html")][7], "Yes");
  EXPECT_EQ(byTarget[url("/team.html")][9], "nofollow");
  EXPECT_EQ(byTarget[url("/stuffed.html")][10], "_blank");
  EXPECT_EQ(byTarget[url("/stuffed.html")][11], "en");
  EXPECT_EQ(byTarget[url("/old")][6], url("/about.html"));
  EXPECT_EQ(byTarget[url("/missing.html")][5], "404 not found");
  EXPECT_EQ(byTarget.count(url("/hidden.html")), 0u) << "filtered out";

  EXPECT_EQ(crawl({"--csv", file("fields.csv"), "--fields", "linkurl,H1,wordcount"}), 1);
  const Rows chosen = readCsv(readWhole(file("fields.csv")));
  EXPECT_EQ(chosen[0], std::vector<std::string>({"linkurl", "H1", "wordcount"}));
  EXPECT_EQ(csvColumn(chosen, "linkurl", "H1").at(url("/team.html")), "Bakers, Drivers");
  EXPECT_EQ(csvColumn(chosen, "linkurl", "wordcount").at(url("/team.html")), "6");
}

TEST_F(Exports, SeoSummaryCountsTheSiteProblemsOnce) {
  EXPECT_EQ(readWhole(file("seo.csv")), kSeoCounters);
  const std::string text = readWhole(file("seo.txt"));
  EXPECT_EQ(text.find("1 pages without title\n"), 0u);
  EXPECT_NE(text.find("2 pages with duplicate titles\n"), std::string::npos);
  EXPECT_NE(text.find("Duplicate titles (1):\n  \"Same Title\"\n"), std::string::npos);
  EXPECT_NE(text.find("      " + url("/about.html") + "\n"), std::string::npos);
  EXPECT_NE(text.find("Duplicate descriptions (1):"), std::string::npos);
  EXPECT_NE(text.find("Misspelled words (2):\n  recieve: " + url("/about.html") +
                      "\n  teh: " + url("/about.html") + "\n"),
            std::string::npos);
  // The counters do not depend on which summaries were asked for, nor does the text.
  EXPECT_EQ(crawl({"--seo-csv", file("only.csv")}), 1);
  EXPECT_EQ(readWhole(file("only.csv")), kSeoCounters);
  EXPECT_EQ(crawl({"--seo", file("only.txt")}), 1);
  EXPECT_EQ(readWhole(file("only.txt")), text);
}

TEST_F(Exports, DatabaseAnswersTheReadmeQueries) {
  const std::string db = file("crawl.db");
  const std::vector<std::string> queries = readmeQueries();
  ASSERT_EQ(queries.size(), 3u);
  EXPECT_EQ(query(db, queries[0]),
            Rows({{url("/missing.html"), "404 not found", url("/"), "20"},
                  {url("/missing.html"), "404 not found", url("/team.html"), "11"},
                  {url("/soft.html"), "404 'soft 404'", url("/"), "21"}}));
  EXPECT_EQ(query(db, queries[1]), Rows({{url("/notitle.html")}}));
  EXPECT_EQ(
      query(db, queries[2]),
      Rows({{url("/older"), "2",
             "302 found " + url("/old") + " -> 301 moved permanently " + url("/about.html")}}));

  EXPECT_EQ(query(db,
                  "SELECT state, total, bad, pages, json_extract(settings, "
                  "'$.authenticationPassword'), json_extract(settings, '$.customHeaderValue1'),"
                  " json_array_length(domains) FROM crawl"),
            Rows({{"finished", "12", "2", "6", "***", "***", "1"}}));
  EXPECT_EQ(readWhole(db).find("s3cret"), std::string::npos) << "no secret anywhere in the file";
  EXPECT_EQ(query(db,
                  "SELECT count(*), sum(bad), sum(page_order IS NOT NULL), sum(in_sitemap)"
                  " FROM urls"),
            Rows({{"12", "2", "6", "6"}}));
  EXPECT_EQ(query(db,
                  "SELECT title, h1_count, word_count, keyword_stuffed, head_noindex, "
                  "json_array_length(headings) FROM urls WHERE url = '" +
                      url("/team.html") + "'"),
            Rows({{"Same Title", "2", "6", "0", "0", "2"}}));
  EXPECT_EQ(query(db,
                  "SELECT link_text, line, nofollow, rel FROM links WHERE target_id = "
                  "(SELECT id FROM urls WHERE url = '" +
                      url("/team.html") + "')"),
            Rows({{"Team", "15", "1", "nofollow"}}));
  EXPECT_EQ(query(db, "SELECT kind, count(*) FROM duplicates GROUP BY kind ORDER BY kind"),
            Rows({{"description", "2"}, {"title", "2"}}));
  EXPECT_EQ(query(db, "SELECT word FROM misspellings ORDER BY word"), Rows({{"recieve"}, {"teh"}}));
  EXPECT_EQ(query(db,
                  "SELECT count(*) FROM warnings w JOIN urls u ON u.id = w.url_id "
                  "WHERE u.url = '" +
                      url("/notitle.html") + "'"),
            Rows({{"2"}}));
}

// The database loaded back into a hub is the crawl as it ended: written again
// every table holds what the crawl wrote, and its sitemap splits under an index.
TEST_F(Exports, DatabaseLoadsBackAndWritesEveryTableAgain) {
  SavedCrawl saved;
  ASSERT_TRUE(openSavedCrawl(file("crawl.db"), saved).ok());
  EXPECT_EQ(saved.schemaVersion, kCrawlDatabaseSchemaVersion);
  EXPECT_FALSE(saved.stopped);
  test::TestPlatform tp;
  for (const auto& [k, v] : saved.settings.items()) tp.defaults.setObject(k, v);
  ZelHub hub(saved.startUrl, tp.platform());
  ASSERT_TRUE(loadSavedCrawl(saved, hub).ok());

  EXPECT_EQ(hub.getTotalLinkCount(), 12);
  EXPECT_EQ(hub.getCheckedLinkCount(), 12);
  EXPECT_EQ(hub.getBadLinkCount(), 2);
  EXPECT_EQ(hub.getPageCount(), 6);
  EXPECT_TRUE(hub.isCrawlFinished());
  EXPECT_EQ(hub.getDomains(), std::vector<std::string>({"127.0.0.1"}));
  ASSERT_TRUE(hub.getRobotsBlacklistArray().has_value()) << "robots lists are start-up state";
  EXPECT_FALSE(hub.getRobotsBlacklistArray()->empty());
  EXPECT_FALSE(hub.getRobotsWhitelistArray().value_or(std::vector<std::string>()).empty());
  EXPECT_EQ(hub.getLinksCollection()[0]->getLinkUrl(), url("/"));
  EXPECT_TRUE(hub.getLinksCollection()[0]->isStartingPoint());
  ZelUrl* older = hub.lookup(url("/older"));
  ASSERT_NE(older, nullptr) << "the look-up table is rebuilt";
  EXPECT_EQ(older->getActualLinkUrl(), url("/about.html"));
  ASSERT_NE(older->getRedirTable(), nullptr);
  EXPECT_EQ(older->getRedirTable()->size(), 2u);
  EXPECT_EQ(hub.getNnumberOfRedirectsTo(url("/about.html")), 2) << "/old and /older lead there";
  ZelUrl* team = hub.lookup(url("/team.html"));
  ASSERT_NE(team, nullptr);
  EXPECT_EQ(team->h1Count(), 2);
  EXPECT_TRUE(team->getInboundInstances()[0]->nf());
  EXPECT_FALSE(hub.getWarningsArray().empty());
  EXPECT_EQ(hub.getMisspelledWordDictionary().size(), 2u);

  CrawlTiming timing{saved.seconds, saved.stopped, saved.startedAt, saved.endedAt, std::nullopt};
  ReportContext report(hub, tp.defaults, timing);
  ASSERT_TRUE(writeCrawlDatabase(report, file("again.db")).ok());
  for (const char* sql :
       {"SELECT * FROM crawl", "SELECT * FROM urls ORDER BY id", "SELECT * FROM links ORDER BY id",
        "SELECT * FROM redirects ORDER BY url_id, hop", "SELECT * FROM warnings ORDER BY id",
        "SELECT * FROM duplicates ORDER BY kind, text, url_id",
        "SELECT * FROM misspellings ORDER BY word, url_id"}) {
    const Rows first = query(file("crawl.db"), sql), second = query(file("again.db"), sql);
    EXPECT_FALSE(first.empty()) << sql;
    EXPECT_EQ(first, second) << sql;
  }
  // A sitemap past its size splits under an index.
  std::vector<std::string> written;
  ASSERT_TRUE(writeSitemap(report, file("split.xml"), &written, 4).ok());
  EXPECT_EQ(written, std::vector<std::string>(
                         {file("split-1.xml"), file("split-2.xml"), file("split.xml")}));
  EXPECT_EQ(xpathTexts(file("split.xml"), "/s:sitemapindex/s:sitemap/s:loc"),
            std::vector<std::string>({url("/split-1.xml"), url("/split-2.xml")}));
  EXPECT_EQ(xpathTexts(file("split-1.xml"), "//s:loc").size() +
                xpathTexts(file("split-2.xml"), "//s:loc").size(),
            6u);
}

TEST_F(Exports, SitemapAndJUnitAreValidXml) {
  const auto locs = xpathTexts(file("sitemap.xml"), "/s:urlset/s:url/s:loc");
  EXPECT_EQ(std::set<std::string>(locs.begin(), locs.end()),
            std::set<std::string>({url("/"), url("/about.html"), url("/team.html"),
                                   url("/notitle.html"), url("/stuffed.html")}))
      << "the noindex page is left out";
  EXPECT_EQ(locs.size(), 5u);
  EXPECT_EQ(xpathTexts(file("sitemap.xml"), "/s:urlset/s:url[1]/s:priority"),
            std::vector<std::string>({"1.0"}));

  EXPECT_EQ(xpathTexts(file("junit.xml"), "//testcase").size(), 11u) << "filtered like the CSV";
  const auto failures = xpathTexts(file("junit.xml"), "//testcase/failure");
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_NE(failures[0].find("Found on:\n  " + url("/") + " (line 20)\n  " + url("/team.html") +
                             " (line 11)"),
            std::string::npos)
      << failures[0];
}

std::string terminalText(const ReportContext& report) {
  char* text = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&text, &size);
  printTerminalReport(out, report);
  std::fclose(out);
  const std::string printed(text, size);
  std::free(text);
  return printed;
}

// A hundred bad links are listed with five pages each and the rest counted. Every
// address of the site carries the start address's password on (the crawl logs in
// with it); only the database keeps it, for recheck and continue.
TEST(ExportText, BadLinksInTheTerminalAndThePasswordOfTheStartAddressHidden) {
  test::TestServer site;
  // /gone is found first, on the home page and seven others; 100 more bad links follow it.
  std::string home = "<html><body><a href=\"/gone\">gone</a><a href=\"/a\">a</a>";
  for (int i = 0; i < 7; ++i) {
    home += "<a href=\"/p" + std::to_string(i) + "\">p</a>";
    site.page("/p" + std::to_string(i), "<html><body><a href=\"/gone\">gone</a></body></html>");
  }
  for (int i = 0; i < 100; ++i) home += "<a href=\"/x" + std::to_string(i) + "\">x</a>";
  site.page("/", home + "</body></html>");
  site.page("/a", "<html><head><title>A &amp; b</title></head><body>a</body></html>");
  const std::string start = site.url("/");
  const std::string withPassword = start.substr(0, 7) + "bob:pa&ss'w0rd@" + start.substr(7);
  const std::string masked = start.substr(0, 7) + "bob:***@" + start.substr(7, start.size() - 8);
  auto crawlRun = test::runCrawl(withPassword);
  ASSERT_TRUE(crawlRun->finished);
  ReportContext report(*crawlRun->hub, crawlRun->tp.defaults, {});
  const std::string printed = terminalText(report);
  size_t places = 0;
  for (size_t at = printed.find("found on"); at != std::string::npos;
       at = printed.find("found on", at + 1))
    ++places;
  // Five places for /gone, one for each of the 99 other bad links shown.
  EXPECT_EQ(places, 5u + 99u) << printed;
  EXPECT_NE(printed.find("Bad links inside the site (101):\n  " + masked + "/gone"),
            std::string::npos)
      << printed;
  EXPECT_NE(printed.find("      and 3 more\n"), std::string::npos) << printed;
  EXPECT_NE(printed.find(masked + "/x98"), std::string::npos) << printed;
  EXPECT_EQ(printed.find(masked + "/x99"), std::string::npos) << printed;
  EXPECT_NE(printed.find("  and 1 more bad link ("), std::string::npos) << printed;

  test::TempDir dir;
  ExportPaths paths;
  int n = 0;
  for (auto* p : {&paths.json, &paths.csv, &paths.linksCsv, &paths.sitemap, &paths.junit,
                  &paths.html, &paths.db})
    *p = dir / ("out" + std::to_string(n++));
  ASSERT_TRUE(writeExports(paths, report, stderr));
  for (const std::string& shown :
       {printed, readWhole(*paths.json), readWhole(*paths.csv), readWhole(*paths.linksCsv),
        readWhole(*paths.sitemap), readWhole(*paths.junit), readWhole(*paths.html)}) {
    EXPECT_EQ(shown.find("w0rd"), std::string::npos) << shown;
    EXPECT_NE(shown.find("bob:***@"), std::string::npos) << shown;
  }
  EXPECT_EQ(readWhole(*paths.db).find("w0rd"), std::string::npos) << "nor the database";
  EXPECT_NE(readWhole(*paths.db).find("bob:***@"), std::string::npos);

  // Nor does the log of the command line's crawl.
  const std::string log = dir / "log.txt";
  run({"crawl", withPassword, "--log", log, "-vvv", "-q", "--no-settings-file"});
  const std::string logged = readWhole(log);
  EXPECT_NE(logged.find("bob:***@"), std::string::npos) << logged;
  EXPECT_EQ(logged.find("w0rd"), std::string::npos) << logged;
}

// A page's markup facts are written as the JSON library writes the object
// (so a reader sees one form), and read back to the same facts.
TEST(ExportText, MarkupFactsJsonIsTheLibrarysFormAndReadsBack) {
  MarkupFacts none;
  MarkupFacts all;
  all.titleTags = 2;
  all.descriptionTags = 65535;
  all.hasViewport = all.robotsInBody = all.loremIpsum = true;
  all.lang = "en-\xc3\xa9";
  all.robots = "noindex,\"x\"\\y";
  all.canonicals = {"/a?b=\"c\"", "\b\f\t\x01\x7f", "bad \xff\xfe utf-8"};
  all.textHash = UINT64_MAX;
  all.spots = std::make_unique<MarkupFacts::Spots>();
  for (int k = 0; k < MarkupFacts::kSpotKinds; ++k)
    for (int n = 0; n < 5; ++n)
      all.spots->add(static_cast<MarkupFacts::SpotKind>(k),
                     MarkupSpot{"s" + std::to_string(k) + (n == 1 ? "\n\xe2\x82" : ""), n});
  MarkupFacts someSpots;
  someSpots.spots = std::make_unique<MarkupFacts::Spots>();
  someSpots.spots->add(MarkupFacts::ImageWithoutSize, MarkupSpot{"/i.png", 7});
  someSpots.lang = "";
  for (const MarkupFacts* facts : {&none, &all, &someSpots}) {
    const std::string text = markupJsonText(*facts);
    const Json parsed = Json::parse(text, nullptr, false);
    ASSERT_FALSE(parsed.is_discarded()) << text;
    EXPECT_EQ(parsed.dump(), text);
    auto back = markupFromJson(parsed);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(markupJsonText(*back), text);
  }
  const std::string text = markupJsonText(all);
  EXPECT_NE(text.find("\"emptyLinks\":{\"count\":5,\"first\":[[\"s3\",0],"), std::string::npos)
      << text;
  EXPECT_NE(text.find("\"visibleTextHash\":\"18446744073709551615\"}"), std::string::npos);
  EXPECT_NE(text.find("\\b\\f\\t\\u0001\x7f"), std::string::npos) << text;
  EXPECT_NE(text.find("bad \xef\xbf\xbd\xef\xbf\xbd utf-8"), std::string::npos) << text;
  EXPECT_EQ(markupJsonText(none).find("Headings"), std::string::npos);
}

TEST_F(Exports, UnwritableExportsFailBeforeTheCrawlAndLeaveNothing) {
  EXPECT_EQ(crawl({"--csv", "/no/such/folder/r.csv"}), 2);
  EXPECT_EQ(crawl({"--db", "-"}), 2);
  EXPECT_EQ(crawl({"--db", "/no/such/folder/c.db"}), 2);
  EXPECT_EQ(crawl({"--json", dir_->path()}), 2) << "a folder is not a file";
  EXPECT_EQ(crawl({"--json", "-", "--csv", "-"}), 2);

  // A file that is never committed leaves the old one as it was and no temporary.
  const std::string kept = file("kept.txt");
  std::ofstream(kept) << "old";
  const SecretMask none;
  {
    OutputFile out(kept, none);
    ASSERT_TRUE(out.open().ok());
    out.write("half");
  }
  EXPECT_EQ(readWhole(kept), "old");
  // A folder that disappears while writing fails the commit, naming the file.
  const std::string gone = file("gone");
  fs::create_directories(gone);
  OutputFile out(gone + "/x.json", none);
  ASSERT_TRUE(out.open().ok());
  out.write("{}");
  fs::remove_all(gone);
  const Status s = out.commit();
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find(gone + "/x.json"), std::string::npos) << s.message();
  for (const auto& entry : fs::directory_iterator(dir_->path()))
    EXPECT_EQ(entry.path().string().find(".part"), std::string::npos) << entry.path();
}

// Hostile texts: whatever a page holds, every format stays readable.
TEST(ExportText, HostileTextsStayWellFormed) {
  const std::string bad =
      "a\xff\xfe"
      "b\xc3(\x01\"<&>'";
  std::string json;
  appendJsonString(json, bad);
  EXPECT_EQ(Json::parse(json),
            "a\xEF\xBF\xBD\xEF\xBF\xBD"
            "b\xEF\xBF\xBD(\x01\"<&>'");
  EXPECT_EQ(xmlEscaped(bad),
            "a\xEF\xBF\xBD\xEF\xBF\xBD"
            "b\xEF\xBF\xBD(&quot;&lt;&amp;&gt;&apos;");
  // A row of awkward cells reads back as written, formulas defused by an apostrophe.
  const std::vector<std::string> cells = {"plain", "a,b",           "say \"hi\"", "two\r\nlines",
                                          "",      "=HYPERLINK(1)", "+1",         "-1",
                                          "-x",    "@SUM(A1)"};
  std::string row;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i) row += ',';
    appendCsvCell(row, cells[i]);
  }
  EXPECT_EQ(readCsv(row + "\r\n"), Rows({{"plain", "a,b", "say \"hi\"", "two\r\nlines", "",
                                          "'=HYPERLINK(1)", "'+1", "-1", "'-x", "'@SUM(A1)"}}))
      << row;
  for (const char* number : {"0", "-12", "3.25", "1e5"})
    EXPECT_TRUE(isJsonNumber(number)) << number;
  for (const char* text : {"", "12kb", "0.1 s", "01", "1.", "0x1A", " 1", "nan"})
    EXPECT_FALSE(isJsonNumber(text)) << text;
}

// Rows go into SQLite a group of binds at a time: whatever the width, every
// value lands in its own row and column, the rows after the last whole group too.
TEST(ExportText, RowsInsertedInGroupsReadBackInPlace) {
  test::TempDir dir;
  const std::string path = dir.path() + "/rows.db";
  SqliteDatabase db;
  ASSERT_TRUE(db.open(path, true).ok());
  auto cell = [](size_t row, int column) -> std::string {
    switch (column % 3) {
      case 0: return std::to_string(row * 1000 + column);
      case 1: return "r" + std::to_string(row) + "c" + std::to_string(column) + " \xc3\xa9";
      default: return row % 2 ? "NULL" : std::to_string(row) + ".5";
    }
  };
  for (int columns : {1, 3, 70}) {
    const std::string table = "t" + std::to_string(columns);
    std::string create = "CREATE TABLE " + table + " (";
    for (int c = 0; c < columns; ++c) create += (c ? ", c" : "c") + std::to_string(c);
    ASSERT_TRUE(db.exec(create + ")").ok());
    const RowInsert insert{"INSERT INTO " + table + " VALUES ", columns};
    const size_t count = 2 * insert.groupRows() + 5;
    RowValues rows;
    for (size_t r = 0; r < count; ++r) {
      for (int c = 0; c < columns; ++c) {
        if (c % 3 == 0)
          rows.bind(c + 1, static_cast<int64_t>(r * 1000 + c));
        else if (c % 3 == 1)
          rows.bind(c + 1, cell(r, c));
        else if (r % 2)
          rows.bindNull(c + 1);
        else
          rows.bind(c + 1, static_cast<double>(r) + 0.5);
      }
      rows.endRow();
    }
    ASSERT_TRUE(insert.run(db, rows).ok()) << columns;
    Rows want;
    for (size_t r = 0; r < count; ++r) {
      want.emplace_back();
      for (int c = 0; c < columns; ++c) want.back().push_back(cell(r, c));
    }
    db.close();
    EXPECT_EQ(query(path, "SELECT * FROM " + table + " ORDER BY rowid"), want) << columns;
    ASSERT_TRUE(db.open(path, true).ok());
  }
}

}  // namespace
}  // namespace zel::cli

namespace zel::cli {
namespace {

// A crawl that keeps response headers keeps at most 32 fields of the final
// response (a hostile server sends 60), marks the rest dropped, and the
// database gives them back to a loaded crawl.
TEST(ResponseHeaders, KeptWithinBoundsWrittenAndLoadedBack) {
  test::TestServer site;
  test::Headers many;
  for (int n = 0; n < 60; ++n) many.emplace_back("X-Field-" + std::to_string(n), "v");
  site.page("/", "<a href=/moved>m</a><a href=/plain>p</a>", "text/html", many);
  site.redirect("/moved", 301, "/plain");
  site.page("/plain", "<p>plain</p>", "text/html", {{"X-Robots-Tag", "noindex"}});
  test::TempDir dir;

  test::TestPlatform tp;
  test::applyTestDefaults(tp.defaults);
  ZelHub hub(site.url("/"), tp.platform());
  hub.setKeepsResponseHeaders(true);
  bool finished = false;
  tp.notifications.addObserver("ZelCrawlDidFinish", [&](const Notification&) { finished = true; });
  hub.go();
  ASSERT_TRUE(tp.loop.runUntil([&] { return finished; }, 30));

  auto fieldsOf = [](const ZelUrl* r) {
    std::map<std::string, std::string> out;
    if (r && r->getResponseHeaders())
      for (const auto& [k, v] : r->getResponseHeaders()->headers) out[k] = v;
    return out;
  };
  const ZelUrl* start = hub.lookup(site.url("/"));
  ASSERT_NE(start, nullptr);
  ASSERT_NE(start->getResponseHeaders(), nullptr);
  EXPECT_EQ(start->getResponseHeaders()->headers.size(), KeptResponseHeaders::kMaxFields);
  EXPECT_TRUE(start->getResponseHeaders()->truncated);
  // The redirected record keeps its final response's fields, not the 301's.
  EXPECT_EQ(fieldsOf(hub.lookup(site.url("/moved"))).count("X-Robots-Tag"), 1u);
  EXPECT_EQ(fieldsOf(hub.lookup(site.url("/plain")))["X-Robots-Tag"], "noindex");

  CrawlTiming timing{1, false, 1, 2, std::nullopt};
  {
    ReportContext report(hub, tp.defaults, timing);
    ASSERT_TRUE(writeCrawlDatabase(report, dir / "h.db").ok());
  }
  EXPECT_EQ(query(dir / "h.db",
                  "SELECT count(*) FROM response_headers WHERE url_id = 0 AND "
                  "name = 'truncated'"),
            Rows({{"1"}}));
  SavedCrawl saved;
  ASSERT_TRUE(openSavedCrawl(dir / "h.db", saved).ok());
  test::TestPlatform tp2;
  ZelHub loaded(saved.startUrl, tp2.platform());
  ASSERT_TRUE(loadSavedCrawl(saved, loaded).ok());
  EXPECT_TRUE(loaded.keepsResponseHeaders());
  for (const ZelUrl* r : hub.getLinksCollection()) {
    const ZelUrl* back = loaded.lookup(r->getLinkUrl());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(fieldsOf(back), fieldsOf(r)) << r->getLinkUrl();
    EXPECT_EQ(back->getResponseHeaders() && back->getResponseHeaders()->truncated,
              r->getResponseHeaders() && r->getResponseHeaders()->truncated);
  }
}

}  // namespace
}  // namespace zel::cli
