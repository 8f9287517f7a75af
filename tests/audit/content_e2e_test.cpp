// One crawl of the content fixture site with searches and extractions, checked
// through the JSON, the CSV, the database and the HTML report; then `analyse`
// with a lower near-duplicate threshold, which must send no request.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "archive/archive_store.h"
#include "audit/text_units.h"
#include "cli/run_zelmora.h"
#include "platform/defaults.h"
#include "platform/text_format.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
const std::string kSite = std::string(ZEL_FIXTURES_DIR) + "/sites/content";

// The words of a fixture page's <main>, tags dropped.
std::vector<std::string> mainWords(const std::string& file) {
  const std::string page = test::readWhole(kSite + "/" + file);
  const size_t from = page.find("<main>"), to = page.find("</main>");
  std::string text;
  bool inTag = false;
  for (char c : page.substr(from + 6, to - from - 6)) {
    if (c == '<' || c == '>') {
      inTag = c == '<';
      text += ' ';
    } else if (!inTag) {
      text += c;
    }
  }
  return audit::textWords(text);
}

double shingleJaccard(const std::string& a, const std::string& b) {
  const auto shingles = [](const std::vector<std::string>& w) {
    std::set<std::vector<std::string>> out;
    for (size_t i = 0; i + 5 <= w.size(); ++i) out.insert({w.begin() + i, w.begin() + i + 5});
    return out;
  };
  const auto x = shingles(mainWords(a)), y = shingles(mainWords(b));
  size_t both = 0;
  for (const auto& s : x) both += y.count(s);
  return static_cast<double>(both) / static_cast<double>(x.size() + y.size() - both);
}

TEST(ContentAnalysisE2E, SearchesExtractionsScoresAndNearDuplicates) {
  ASSERT_DOUBLE_EQ(shingleJaccard("dup-a.html", "dup-b.html"), 0.95);
  ASSERT_DOUBLE_EQ(shingleJaccard("dup-a.html", "dup-c.html"), 0.95);
  ASSERT_DOUBLE_EQ(shingleJaccard("dup-b.html", "dup-c.html"), 0.95);
  ASSERT_DOUBLE_EQ(shingleJaccard("dup-a.html", "dup-d.html"), 0.80);

  test::TestServer site;
  ASSERT_TRUE(site.ok());
  for (const auto& entry : fs::directory_iterator(kSite)) {
    const std::string name = entry.path().filename().string();
    site.page(name == "index.html" ? "/" : "/" + name, test::readWhole(entry.path().string()),
              "text/html; charset=utf-8");
  }
  site.redirect("/home", 301, "/");
  const std::string origin = site.url("");
  test::TempDir dir;
  const std::string db = dir / "c.db";
  const int status = cli::run({"crawl",
                               origin + "/",
                               "--no-progress",
                               "-q",
                               "--search",
                               "ga=UA-0000-1",
                               "--search-regex",
                               "stock=out\\s+of\\s+stock",
                               "--search",
                               "notice=Copyright",
                               "--search-missing",
                               "notice",
                               "--extract",
                               "price_x=xpath://span[@class='price']",
                               "--extract",
                               "price_c=css:div.product > span.price",
                               "--extract",
                               "price_r=regex:data-price=\"([0-9.]+)\"",
                               "--extract",
                               "author_x=xpath://meta[@name='author']/@content",
                               "--extract",
                               "author_c=css:p.author a::attr(title)",
                               "--extract",
                               "author_r=regex:title=\"([A-Z][a-z]+ [A-Z][a-z]+)\"",
                               "--json",
                               dir / "r.json",
                               "--db",
                               db,
                               "--html",
                               dir / "r.html",
                               "--csv",
                               dir / "r.csv",
                               "--fields",
                               "linkurl,pagerank,search:ga,extract:price_c,fleschreadingease"});
  EXPECT_EQ(status, 0);
  const size_t requests = site.requests().size();

  const Json json = Json::parse(test::readWhole(dir / "r.json"));
  std::map<std::string, Json> page;
  for (const Json& r : json["records"]) page[r["url"].get<std::string>().substr(origin.size())] = r;
  ASSERT_TRUE(page.count("/product2.html") && page.count("/home") && page.count("/nofollow.html"));

  // Extraction: every match kept, the first one in the column; nothing on a page without them.
  for (const char* name : {"price_x", "price_c", "price_r"}) {
    EXPECT_EQ(page["/product1.html"]["extract"][name], Json::array({"19.99"})) << name;
    EXPECT_EQ(page["/product2.html"]["extract"][name], Json::array({"24.50", "3.25"})) << name;
    EXPECT_EQ(page["/plain.html"]["extract"][name], Json::array()) << name;
  }
  for (const char* name : {"author_x", "author_c", "author_r"}) {
    EXPECT_EQ(page["/product1.html"]["extract"][name], Json::array({"Ann Lee"})) << name;
    EXPECT_EQ(page["/product2.html"]["extract"][name], Json::array({"Bo Chen"})) << name;
  }
  // Searches count in the source (the script's code too), regexes across line breaks.
  EXPECT_EQ(page["/product1.html"]["search"], Json({{"ga", 1}, {"stock", 1}, {"notice", 1}}));
  EXPECT_EQ(page["/plain.html"]["search"]["notice"], 0);

  // Link score, worked by hand: n = 14 pages (the home page, 11 pages it links to
  // that link back, the page it links to with nofollow, and /home, which that page
  // links to and which redirects home). With b = 0.15/14: nofollow z = b;
  // /home r = b + 0.85 z; home x = b + 0.85 (11 y + r); each other page y = b + 0.85 x / 11.
  // The canonicalised page hands its value home, not to the nofollow page it links to.
  const std::map<std::string, double> rank = {{"/", 0.4603282},
                                              {"/plain.html", 0.0462851},
                                              {"/canon.html", 0.0462851},
                                              {"/nofollow.html", 0.0107143},
                                              {"/home", 0.0198214}};
  double sum = 0;
  for (const auto& [url, r] : page)
    if (r.contains("pagerank")) sum += r["pagerank"].get<double>();
  EXPECT_NEAR(sum, 1.0, 1e-4);
  for (const auto& [url, value] : rank)
    EXPECT_NEAR(page[url]["pagerank"].get<double>(), value, 2e-6) << url;
  EXPECT_EQ(page["/"]["pagerankpercentile"], 100);
  EXPECT_EQ(page["/nofollow.html"]["pagerankpercentile"], 8);  // the lowest of 14
  EXPECT_EQ(page["/"]["uniqueinlinks"], 11);
  EXPECT_EQ(page["/nofollow.html"]["uniqueinlinks"], 2);

  // Near duplicates at 90%: the three at 95% find each other, the one at 80% is alone.
  for (const char* p : {"/dup-a.html", "/dup-b.html", "/dup-c.html"}) {
    EXPECT_EQ(page[p]["nearduplicates"], 2) << p;
    EXPECT_GE(page[p]["nearduplicatesimilarity"].get<int>(), 90) << p;
  }
  EXPECT_FALSE(page["/dup-d.html"].contains("nearduplicateof"));

  // Readability: 22 words in 3 sentences, 25 syllables (happy, yellow, garden have
  // two): 206.835 - 1.015 x 22/3 - 84.6 x 25/22 = 103.3.
  EXPECT_NEAR(page["/easy.html"]["fleschreadingease"].get<double>(), 103.3, 1.0);
  EXPECT_EQ(page["/easy.html"]["wordspersentence"], 7.3);
  EXPECT_EQ(page["/french.html"]["readability"], "not scored");
  EXPECT_EQ(page["/dup-a.html"]["readability"], "not scored");  // lang="la"

  // Structured data: JSON-LD with a parse error, an unknown property and a Product
  // without its name; a valid BreadcrumbList; one Product in microdata and in RDFa Lite.
  const Json& broken = page["/product1.html"]["structuredData"];
  EXPECT_EQ(broken["formats"], Json::array({"JSON-LD"}));
  ASSERT_EQ(broken["parseErrors"].size(), 1u) << broken;
  EXPECT_NE(broken["parseErrors"][0].get<std::string>().find("JSON-LD: parse error"),
            std::string::npos);
  EXPECT_EQ(broken["errors"], Json::array({"Product: property \"colour\" is not one of the type's",
                                           "Product: missing required property \"name\""}));
  const Json& micro = page["/product2.html"]["structuredData"];
  EXPECT_EQ(micro["formats"], Json::array({"JSON-LD", "microdata"}));
  EXPECT_EQ(micro["types"], Json::array({"BreadcrumbList", "Product"}));
  EXPECT_EQ(micro["errors"], Json::array());
  const Json& rdfa = page["/canon.html"]["structuredData"];
  EXPECT_EQ(rdfa["formats"], Json::array({"RDFa"}));
  EXPECT_EQ(rdfa["errors"], Json::array());
  EXPECT_EQ(rdfa["warnings"], micro["warnings"]);  // the same Product, the same findings
  EXPECT_FALSE(rdfa["warnings"].empty());
  EXPECT_EQ(page["/product1.html"]["structureddataerrors"], 3);
  EXPECT_FALSE(page["/plain.html"].contains("structuredData"));
  EXPECT_EQ(page["/plain.html"]["structureddataerrors"], 0);

  // The audit's issue table.
  std::map<std::string, std::set<std::string>> issues;
  for (const auto& row : test::query(db, "SELECT issue, url FROM issues"))
    issues[row[0]].insert(row[1].substr(origin.size()));
  using S = std::set<std::string>;
  EXPECT_EQ(issues["search.found"], (S{"/product1.html"}));
  EXPECT_EQ(issues["search.missing"], (S{"/plain.html"}));
  EXPECT_EQ(issues["content.near_duplicate"], (S{"/dup-a.html", "/dup-b.html", "/dup-c.html"}));
  EXPECT_EQ(issues["content.very_difficult_reading"], (S{"/hard.html"}));
  EXPECT_EQ(issues["structured_data.parse_error"], (S{"/product1.html"}));
  EXPECT_EQ(issues["structured_data.invalid"], (S{"/product1.html"}));
  EXPECT_EQ(issues["structured_data.incomplete"],
            (S{"/product1.html", "/product2.html", "/canon.html"}));
  EXPECT_TRUE(issues["structured_data.missing"].count("/plain.html"));
  EXPECT_FALSE(issues["structured_data.missing"].count("/product2.html"));

  // The database: scores, every extracted value, signatures.
  EXPECT_EQ(test::query(db, "SELECT count(*) FROM extractions WHERE name = 'price_r'"),
            (test::Rows{{"3"}}));
  EXPECT_EQ(test::query(db,
                        "SELECT count(*) FROM page_signatures s JOIN urls u ON u.id = s.url_id "
                        "WHERE u.url LIKE '%/dup-%' AND length(s.signature) = 128"),
            (test::Rows{{"4"}}));
  EXPECT_EQ(test::query(db, "SELECT schema_version FROM crawl"), (test::Rows{{"10"}}));
  EXPECT_EQ(test::query(db,
                        "SELECT s.formats, s.types, s.errors FROM structured_data s "
                        "JOIN urls u ON u.id = s.url_id WHERE u.url LIKE '%/product2.html'"),
            (test::Rows{{"JSON-LD microdata", "BreadcrumbList Product", "[]"}}));
  const std::string csv = test::readWhole(dir / "r.csv");
  const size_t row = csv.find(origin + "/product2.html,0.04628");
  ASSERT_NE(row, std::string::npos) << csv;
  EXPECT_NE(csv.substr(row, csv.find('\n', row) - row).find(",0,24.50,"), std::string::npos) << csv;
  EXPECT_NE(test::readWhole(dir / "r.html").find("\"content\":[["), std::string::npos);

  // Again from the database alone, at 70%: the page at 80% joins, closest to the first.
  EXPECT_EQ(cli::run({"analyse", db, "-q", "--near-duplicate-threshold", "70", "--json",
                      dir / "again.json"}),
            0);
  EXPECT_EQ(site.requests().size(), requests);
  const Json again = Json::parse(test::readWhole(dir / "again.json"));
  for (const Json& r : again["records"])
    if (r["url"] == origin + "/product1.html") {
      EXPECT_EQ(r["structuredData"], broken);
    }
  for (const Json& r : again["records"])
    if (r["url"] == origin + "/dup-d.html") {
      EXPECT_EQ(r["nearduplicateof"], origin + "/dup-a.html");
      EXPECT_EQ(r["nearduplicates"], 3);
    }
  EXPECT_EQ(test::query(db, "SELECT count(*) FROM page_scores WHERE near_duplicate_of IS NOT NULL"),
            (test::Rows{{"4"}}));

  // From a plain archive copy (its files named as --archive names them), a new search
  // is counted without a request. A folder that holds folders is no plain copy.
  const std::string copy = dir / "copy";
  fs::create_directories(copy);
  for (const auto& entry : fs::directory_iterator(kSite)) {
    const std::string name = entry.path().filename().string();
    fs::copy_file(entry.path(),
                  fs::path(copy) /
                      ArchiveStore::archiveName(origin + "/" + (name == "index.html" ? "" : name)));
  }
  EXPECT_EQ(cli::run({"analyse", db, "-q", "--from-archive", copy, "--search", "kettle=kettle",
                      "--json", dir / "archived.json"}),
            0);
  EXPECT_EQ(site.requests().size(), requests);
  // Kept in a variable: a loop over a part of a temporary reads freed memory.
  const Json archived = Json::parse(test::readWhole(dir / "archived.json"));
  size_t seen = 0;
  for (const Json& r : archived["records"]) {
    if (r["url"] == origin + "/product1.html") {
      ++seen;
      EXPECT_EQ(r.value("search", Json())["kettle"], 3);
    }
  }
  EXPECT_EQ(seen, 1u);
  EXPECT_EQ(test::query(db,
                        "SELECT matches FROM search_matches s JOIN urls u ON u.id = s.url_id "
                        "WHERE s.name = 'kettle' AND u.url LIKE '%/product2.html'"),
            (test::Rows{{"2"}}));
  EXPECT_EQ(cli::run({"analyse", db, "-q", "--from-archive", dir.path()}), 2);
}

TEST(ContentAnalysisE2E, OptionsThatCannotBeUsedAreUsageErrorsThatSayWhy) {
  std::string many;
  for (int i = 0; i <= 50; ++i) many += " --search s" + std::to_string(i) + "=x";
  const struct {
    std::string args, says;
  } kCases[] = {
      {"--extract 'p=css:a:hover'", "\":hover\" is not understood"},
      {"--extract 'p=css:a[href|=en]'", "\"|\" at position 7 is not understood"},
      {"--extract 'p=xpath://a['", "does not compile"},
      {"--extract p=jq:.price", "xpath:, css: or regex:"},
      {"--search-regex 'r=(open'", "--search-regex r: the pattern does not compile"},
      {"--search novalue", "--search needs NAME=VALUE"},
      {"--search a=x --search-missing b", "--search-missing b: no --search"},
      {"--search a=x --search-regex a=y", "two searches or extractions are named \"a\""},
      {"--near-duplicate-threshold 101", "at most 100"},
      {many, "at most 50 --search options"},
  };
  for (const auto& c : kCases) {
    const cli::Ran ran = cli::runProgram(cli::kProgram, "crawl http://127.0.0.1:1/ " + c.args);
    EXPECT_EQ(ran.status, 2) << c.args;
    EXPECT_NE(ran.output.find(c.says), std::string::npos) << c.args << "\n" << ran.output;
  }
}

}  // namespace
}  // namespace zel
