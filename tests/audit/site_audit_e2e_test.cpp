// One crawl of the audit catalogue site over https, where every issue type
// stands on its own pages beside a near miss (a title of exactly 60 characters,
// a canonical to itself, a reciprocal hreflang pair). The addresses of each
// issue type are compared with the planted ones as sets, both ways; the counts
// of the checks the SEO summary shares are compared with the summary's, and
// every output is held to the same counts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "audit/issue_catalogue.h"
#include "checks_command.h"
#include "cli/run_zelmora.h"
#include "platform/defaults.h"
#include "platform/text_format.h"
#include "support/raw_server.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using Set = std::set<std::string>;

const test::Headers kSecurityHeaders = {{"Strict-Transport-Security", "max-age=63072000"},
                                        {"Content-Security-Policy", "default-src 'self'"},
                                        {"X-Content-Type-Options", "nosniff"},
                                        {"X-Frame-Options", "SAMEORIGIN"},
                                        {"Referrer-Policy", "strict-origin-when-cross-origin"}};

// The fixture's pages at their addresses ("dir/__/x" stands for "dir//x"), the
// placeholders filled in, each with the security headers but those `drop` names
// and with `extra` ones.
void serveFixture(test::TestServer& site, const std::map<std::string, std::string>& fill,
                  const std::map<std::string, std::string>& drop,
                  const std::map<std::string, test::Headers>& extra) {
  const std::string root = std::string(ZEL_FIXTURES_DIR) + "/sites/audit-catalogue";
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::string body = test::readWhole(entry.path().string());
    for (const auto& [from, to] : fill) body = replaceAll(body, from, to);
    std::string path = "/" + fs::relative(entry.path(), root).string();
    path = replaceAll(path, "/__/", "//");
    if (path == "/index.html") path = "/";
    if (path == "/search.html") path = "/search";
    const bool html = endsWith(path, ".html") || path == "/" || path == "/search";
    test::Headers headers;
    for (const auto& h : kSecurityHeaders)
      if (!(drop.count(path) && drop.at(path) == h.first)) headers.push_back(h);
    if (extra.count(path))
      headers.insert(headers.end(), extra.at(path).begin(), extra.at(path).end());
    const std::string type = html                     ? "text/html; charset=utf-8"
                             : endsWith(path, ".xml") ? "application/xml"
                                                      : "text/plain";
    site.page(path, body, type, headers);
    // Addresses with escapes are asked for in either form.
    if (path.find_first_of(" \xC3") != std::string::npos)
      site.page(replaceAll(replaceAll(path, " ", "%20"), "\xC3\xA9", "%C3%A9"), body, type,
                headers);
  }
}

std::map<std::string, Set> rowsByIssue(const test::Rows& rows) {
  std::map<std::string, Set> out;
  for (const auto& row : rows) out[row.at(0)].insert(row.at(1));
  return out;
}

TEST(SiteAuditE2E, EveryIssueTypeStandsWhereItWasPlanted) {
  test::TestServer site(test::TestServer::kHttps), next;
  ASSERT_TRUE(site.ok() && next.ok());
  const std::string origin = site.url(""), host = origin.substr(8);
  const std::string ext = "http://localhost:" + std::to_string(next.port());
  const std::map<std::string, std::string> fill = {
      {"@SITE@", host}, {"@EXT@", ext.substr(7)}, {"@CLOSED@", std::to_string(test::closedPort())}};
  const std::map<std::string, std::string> drop = {
      {"/sec/no-hsts.html", "Strict-Transport-Security"},
      {"/sec/no-csp.html", "Content-Security-Policy"},
      {"/sec/no-nosniff.html", "X-Content-Type-Options"},
      {"/sec/no-frames.html", "X-Frame-Options"},
      {"/sec/csp-frames.html", "X-Frame-Options"},
      {"/sec/no-referrer.html", "Referrer-Policy"}};
  const std::map<std::string, test::Headers> extra = {
      {"/sec/csp-frames.html", {{"Content-Security-Policy", "frame-ancestors 'self'"}}},
      {"/x-robots.html", {{"X-Robots-Tag", "noindex"}}},
      {"/canon-header.html", {{"Link", "<" + origin + "/canon-target.html>; rel=\"canonical\""}}},
      {"/canon-header-same.html",
       {{"Link", "<" + origin + "/canon-header-same.html>; rel=canonical"}}},
      {"/hl/header.html",
       {{"Link",
         "</hl/header.html>; rel=\"alternate\"; hreflang=\"en\", </hl/header.html>; "
         "rel=\"alternate\"; hreflang=\"x-default\", </hl/header.html>; "
         "rel=\"alternate\"; hreflang=\"es-XX\""}}}};
  serveFixture(site, fill, drop, extra);
  site.status("/broken", 500, "down");
  site.neverAnswer("/slow");
  site.redirect("/old", 301, "/two-words.html");
  site.redirect("/chain1", 301, "/chain2");
  site.redirect("/chain2", 302, "/two-words.html");
  site.redirect("/loop-a", 301, "/loop-b");
  site.redirect("/loop-b", 301, "/loop-a");
  for (const auto& [path, kb] : std::map<std::string, size_t>{{"/img/small.png", 1},
                                                              {"/img/plain.png", 1},
                                                              {"/img/other.png", 1},
                                                              {"/img/heavy.png", 150},
                                                              {"/img/light.png", 90}})
    site.rawPage(path, std::string(kb * 1024, 'x'), "image/png");
  std::string big = "<?xml version=\"1.0\"?><urlset>";
  for (int i = 0; i <= 50000; ++i) big += "<url><loc>" + origin + "/</loc></url>";
  site.page("/sitemap-big.xml", big + "</urlset>", "application/xml");
  next.page("/ext-ok", "<title>next door</title>");
  next.status("/ext-broken", 503, "busy");
  next.rawPage("/pic.png", "x", "image/png");
  next.rawPage("/pic-2x.png", "x", "image/png");

  test::TempDir dir;
  const int status = cli::run({"crawl",
                               origin + "/",
                               "--no-progress",
                               "-q",
                               "--no-content-analysis",
                               "--timeout",
                               "2",
                               "--spelling",
                               "--grammar",
                               "--set",
                               "maxThinContent=5",
                               "--set",
                               "tooManyLinks=30",
                               "--set",
                               "shouldCheckForSoft404=true",
                               "--set",
                               "soft404Terms=sorry this page has gone",
                               "--sitemap-url",
                               origin + "/sitemap-big.xml",
                               "--fail-on",
                               "high",
                               "--json",
                               dir / "r.json",
                               "--issues",
                               dir / "issues.csv",
                               "--issues-summary",
                               dir / "summary.csv",
                               "--seo-csv",
                               dir / "seo.csv",
                               "--db",
                               dir / "c.db",
                               "--sitemap",
                               dir / "sitemap.xml",
                               "--html",
                               dir / "r.html"});
  EXPECT_EQ(status, 1) << "bad links";

  const std::string db = dir / "c.db";
  std::map<std::string, Set> found = rowsByIssue(test::query(db, "SELECT issue, url FROM issues"));
  // The site's pages that answered 200: what "every page but" starts from.
  Set pages;
  for (const auto& row :
       test::query(db,
                   "SELECT u.actual_url FROM indexability i JOIN urls u ON u.id = i.url_id "
                   "WHERE u.final_status = '200 no error' AND u.redirect_url IS NULL"))
    pages.insert(row[0]);
  auto at = [&](std::initializer_list<std::string> paths) {
    Set out;
    for (const std::string& p : paths)
      out.insert(p.find("://") == std::string::npos ? origin + p : p);
    return out;
  };
  auto allPagesBut = [&](Set but) {
    Set out;
    for (const std::string& p : pages)
      if (!but.count(p)) out.insert(p);
    return out;
  };
  const Set canonicalised = at({"/canon-other.html", "/canon-404.html", "/canon-redirect.html",
                                "/canon-noindex.html", "/chain-a.html", "/chain-b.html"});
  Set notSelf = canonicalised;
  notSelf.insert(origin + "/no-canonical.html");
  const Set listed = at({"/", "/canon-target.html", "/hl/sm.html"});
  Set nonIndexablePages = canonicalised;
  for (const std::string& p : at({"/noindex.html", "/x-robots.html", "/robots-none.html"}))
    nonIndexablePages.insert(p);
  Set unlisted = allPagesBut(nonIndexablePages);
  for (const std::string& p : listed) unlisted.erase(p);

  const std::map<std::string, Set> expected = {
      {"status.internal_4xx", at({"/missing", "/missing-canon-target", "/missing-hl.html"})},
      {"status.internal_5xx", at({"/broken"})},
      {"status.internal_no_response", at({"/slow", "http://" + host + "/two-words.html"})},
      {"status.external_4xx", at({ext + "/ext-missing"})},
      {"status.external_5xx", at({ext + "/ext-broken"})},
      {"status.external_no_response", at({"http://localhost:" + fill.at("@CLOSED@") + "/nowhere"})},
      {"status.links_to_redirect", at({"/links-redirect.html", "/s/status.html"})},
      {"status.redirect_chain", at({"/chain1"})},
      {"status.redirect_loop", at({"/loop-a"})},
      {"status.blocked_by_robots", at({"/private/page.html"})},
      {"status.blocked_resource", at({"/assets-blocked/pic.png", "/assets-blocked/app.js"})},
      {"address.non_ascii", at({"/caf%C3%A9.html"})},
      {"address.underscores", at({"/two_words.html"})},
      {"address.uppercase", at({"/Upper.html"})},
      {"address.parameters", at({"/search?q=bread"})},
      {"address.too_long", at({"/" + std::string(94, 'l') + ".html"})},
      {"address.repeated_slashes", at({"/dir//slash.html"})},
      {"address.spaces", at({"/with%20space.html"})},
      {"address.http_link_on_https", at({"/http-links.html"})},
      {"title.missing", at({"/no-title.html"})},
      {"title.duplicate", at({"/dup-title-a.html", "/dup-title-b.html"})},
      {"title.too_long", at({"/title-61.html"})},
      {"title.too_short", at({"/title-29.html"})},
      {"title.multiple", at({"/two-titles.html"})},
      {"title.same_as_h1", at({"/title-h1.html"})},
      {"description.missing", at({"/no-desc.html"})},
      {"description.duplicate", at({"/dup-desc-a.html", "/dup-desc-b.html"})},
      {"description.too_long", at({"/desc-156.html"})},
      {"description.too_short", at({"/desc-69.html"})},
      {"description.multiple", at({"/two-descs.html"})},
      {"heading.missing_h1", at({"/no-h1.html", "/thin.html"})},
      {"heading.multiple_h1", at({"/two-h1.html"})},
      {"heading.duplicate_h1",
       at({"/dup-h1-a.html", "/dup-h1-b.html", "/copy-a.html", "/copy-b.html"})},
      {"heading.h1_too_long", at({"/h1-71.html"})},
      {"heading.empty", at({"/empty-heading.html"})},
      {"heading.skipped_level", at({"/skip-heading.html"})},
      {"content.thin", at({"/thin.html"})},
      {"content.lorem_ipsum", at({"/lorem.html"})},
      {"content.duplicate", at({"/copy-a.html", "/copy-b.html"})},
      {"content.soft_404", at({"/soft.html"})},
      {"content.misspellings", at({"/typo.html", "/lorem.html", "/h1-71.html", "/h1-70.html"})},
      {"content.grammar", at({"/grammar.html"})},
      {"content.missing_lang", at({"/no-lang.html"})},
      {"content.missing_viewport", at({"/no-viewport.html"})},
      {"image.missing_alt", at({"/img-no-alt.html"})},
      {"image.alt_too_long", at({"/img-long-alt.html"})},
      {"image.heavy", at({"/img/heavy.png"})},
      {"image.missing_size", at({"/img-no-size.html"})},
      {"link.no_internal_outlinks", at({"/dead-end.html"})},
      {"link.nofollow_internal", at({"/nofollow-link.html"})},
      {"link.only_nofollow_inlinks", at({"/nofollow-target.html"})},
      {"link.deep_page", at({"/deep/level4.html"})},
      {"link.empty_text", at({"/empty-link.html"})},
      {"link.generic_text", at({"/generic-link.html"})},
      {"link.too_many", at({"/many-links.html"})},
      {"directive.noindex", at({"/noindex.html"})},
      {"directive.noindex_header", at({"/x-robots.html"})},
      {"directive.nofollow", at({"/meta-nofollow.html"})},
      {"directive.none", at({"/robots-none.html"})},
      {"directive.noarchive_nosnippet", at({"/noarchive.html"})},
      {"directive.robots_in_body", at({"/robots-body.html"})},
      {"directive.noindex_in_sitemap", at({"/noindex.html", "/orphan-noindex.html"})},
      {"canonical.missing", at({"/no-canonical.html"})},
      {"canonical.self_referencing", allPagesBut(notSelf)},
      {"canonical.canonicalised", canonicalised},
      {"canonical.to_non_200", at({"/canon-404.html"})},
      {"canonical.to_redirect", at({"/canon-redirect.html"})},
      {"canonical.to_non_indexable", at({"/canon-noindex.html"})},
      {"canonical.conflicting", at({"/canon-conflict.html", "/canon-header.html"})},
      {"canonical.relative", at({"/canon-relative.html"})},
      {"canonical.chain", at({"/chain-a.html"})},
      {"hreflang.invalid_code", at({"/hl/bad-code.html", "/hl/header.html", "/hl/sm.html"})},
      {"hreflang.missing_return", at({"/hl/one-way.html"})},
      {"hreflang.missing_self", at({"/hl/no-self.html"})},
      {"hreflang.missing_x_default", at({"/hl/no-xdefault.html"})},
      {"hreflang.to_non_200", at({"/hl/to-404.html"})},
      {"hreflang.to_redirect", at({"/hl/to-redirect.html"})},
      {"hreflang.to_noindex", at({"/hl/to-noindex.html"})},
      {"hreflang.to_non_canonical", at({"/hl/to-canonicalised.html"})},
      {"hreflang.lang_mismatch", at({"/hl/mismatch.html"})},
      {"sitemap.orphan", at({"/orphan.html", "/orphan-noindex.html"})},
      {"sitemap.non_indexable", at({"/noindex.html", "/old", "/orphan-noindex.html"})},
      {"sitemap.missing_page", unlisted},
      {"sitemap.too_large", at({"/sitemap-big.xml"})},
      {"security.no_hsts", at({"/sec/no-hsts.html"})},
      {"security.no_csp", at({"/sec/no-csp.html"})},
      {"security.no_nosniff", at({"/sec/no-nosniff.html"})},
      {"security.no_frame_protection", at({"/sec/no-frames.html"})},
      {"security.no_referrer_policy", at({"/sec/no-referrer.html"})},
      {"security.mixed_content", at({"/sec/mixed.html"})},
      {"security.insecure_form", at({"/sec/form.html"})},
      {"security.protocol_relative", at({"/sec/protocol-relative.html"})},
  };
  for (const audit::IssueType& t : audit::issueCatalogue()) {
    const std::string id(t.id);
    const Set want = expected.count(id) ? expected.at(id) : Set();
    const Set got = found.count(id) ? found.at(id) : Set();
    for (const std::string& u : want) EXPECT_TRUE(got.count(u)) << id << " missing at " << u;
    for (const std::string& u : got) EXPECT_TRUE(want.count(u)) << id << " not planted at " << u;
  }

  // Indexability: one reason, the first that applies.
  const std::map<std::string, std::string> reasons = {
      {"/private/page.html", "blocked by robots.txt"},
      {"/slow", "no response"},
      {"/loop-a", "no response"},
      {"/missing", "not 200"},
      {"/broken", "not 200"},
      {"/soft.html", "not 200"},
      {"/old", "redirected"},
      {"/chain1", "redirected"},
      {"/noindex.html", "noindex"},
      {"/x-robots.html", "noindex"},
      {"/robots-none.html", "noindex"},
      {"/chain-a.html", "canonicalised"},
      {"/canon-other.html", "canonicalised"},
      {"/two-words.html", "indexable"}};
  const Json json = Json::parse(test::readWhole(dir / "r.json"));
  std::map<std::string, std::string> verdicts;
  for (const Json& r : json["records"])
    if (r.contains("indexability")) {
      verdicts[r["url"]] = r["indexability"];
      EXPECT_EQ(r["indexable"], r["indexability"] == "indexable") << r["url"];
    }
  for (const auto& [path, reason] : reasons) EXPECT_EQ(verdicts[origin + path], reason) << path;

  // The checks the SEO summary shares count what it counts.
  std::map<std::string, int64_t> seo, summary, types;
  for (const std::string& line : split(test::readWhole(dir / "seo.csv"), "\n"))
    if (const size_t comma = line.find(','); comma != std::string::npos && line != "count,test")
      seo[line.substr(comma + 1)] = std::stoll(line.substr(0, comma));
  for (const auto& row : test::query(db, "SELECT id, count FROM issue_types"))
    types[row[0]] = std::stoll(row[1]);
  const std::pair<const char*, std::vector<const char*>> shared[] = {
      {"pages without title", {"title.missing"}},
      {"pages without description", {"description.missing"}},
      {"pages with long title", {"title.too_long"}},
      {"pages with long or short description", {"description.too_long", "description.too_short"}},
      {"pages with thin content", {"content.thin"}},
      {"pages with duplicate titles", {"title.duplicate"}},
      {"pages with duplicate descriptions", {"description.duplicate"}},
      {"pages with robots noindex", {"directive.noindex"}},
      {"Pages with no h1", {"heading.missing_h1"}},
      {"Pages with multiple h1", {"heading.multiple_h1"}},
      {"pages with mixed content", {"security.mixed_content"}}};
  // Not "pages with more than 30 links": the summary counts a page's links when it
  // joins the SEO collection, before they are read, so that line never counts a
  // first crawl's page; the audit counts them when the crawl is over.
  EXPECT_EQ(seo["pages with more than 30 links"], 0);
  EXPECT_EQ(types["link.too_many"], 1);
  for (const auto& [label, ids] : shared) {
    int64_t sum = 0;
    for (const char* id : ids) sum += types[id];
    EXPECT_EQ(seo[label], sum) << label;
  }

  // Every output counts the same.
  for (const std::string& line : split(test::readWhole(dir / "summary.csv"), "\r\n")) {
    const auto cells = split(line, ",");
    if (cells.size() > 3 && cells[0] != "issue") summary[cells[0]] = std::stoll(cells[3]);
  }
  size_t findings = 0;
  for (const auto& [id, n] : types) {
    EXPECT_EQ(summary.count(id) ? summary[id] : 0, n) << id;
    findings += static_cast<size_t>(n);
  }
  for (const Json& issue : json["audit"]["issues"]) EXPECT_EQ(issue["count"], types[issue["id"]]);
  EXPECT_EQ(json["audit"]["issues"].size(), summary.size());
  EXPECT_EQ(split(test::readWhole(dir / "issues.csv"), "\r\n").size(), findings + 2)
      << "a header, a row per finding and the last line end";
  const std::string html = test::readWhole(dir / "r.html");
  EXPECT_NE(html.find("\"id\":\"hreflang.missing_return\""), std::string::npos);

  // The sitemap lists indexable pages only.
  const std::string sitemap = test::readWhole(dir / "sitemap.xml");
  EXPECT_NE(sitemap.find("<loc>" + origin + "/canon-target.html</loc>"), std::string::npos);
  for (const char* path : {"/noindex.html", "/old", "/canon-other.html", "/x-robots.html"})
    EXPECT_EQ(sitemap.find("<loc>" + origin + path + "</loc>"), std::string::npos) << path;
}

// --fail-on turns audit issues of a priority into exit status 1, on a site
// without bad links; --no-audit leaves the exit status to the links alone.
TEST(SiteAuditE2E, FailOnSetsTheExitStatus) {
  test::TempDir dir;
  // Two pages without a viewport (medium) and with short titles (low): no bad link.
  test::writeWhole(dir / "index.html",
                   "<html lang=en><head><title>Home</title></head><body><h1>Bread</h1>"
                   "<p>Fresh bread every day in the shop.</p><a href=\"rye.html\">Rye</a>"
                   "</body></html>");
  test::writeWhole(dir / "rye.html",
                   "<html lang=en><head><title>Rye</title></head><body><h1>Rye bread</h1>"
                   "<p>Dark rye bread on Fridays.</p></body></html>");
  const struct {
    std::vector<std::string> options;
    int status;
  } kCases[] = {{{}, 0},
                {{"--fail-on", "high"}, 0},
                {{"--fail-on", "medium"}, 1},
                {{"--fail-on", "LOW"}, 1},
                {{"--fail-on", "low", "--no-audit"}, 0}};
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"crawl", dir.path() + "/", "-q", "--no-progress"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    EXPECT_EQ(cli::run(args), c.status) << join(c.options, " ");
  }
}

// The README's table of issue types is the program's own.
TEST(SiteAuditE2E, ReadmeHoldsTheTableOfIssueTypes) {
  const std::string readme = test::readWhole(std::string(ZEL_FIXTURES_DIR) + "/../../README.md");
  EXPECT_NE(readme.find(cli::checksMarkdown()), std::string::npos)
      << "run 'zelmora checks --markdown' and put its table in the README";
}

}  // namespace
}  // namespace zel
