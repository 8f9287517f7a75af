// The audit's rules with logic of their own: hreflang codes, canonical chains,
// private and loopback addresses, the Link header, the sitemap reader and the
// findings of a rendered page's audits.
#include <gtest/gtest.h>

#include <map>

#include "audit/canonical_chain.h"
#include "audit/hreflang_code.h"
#include "audit/issue_catalogue.h"
#include "audit/link_header.h"
#include "audit/network_address.h"
#include "audit/rendered_checks.h"
#include "audit/sitemap_reader.h"
#include "support/test_server.h"

namespace zel::audit {
namespace {

TEST(AuditRules, HreflangCodes) {
  const std::pair<const char*, bool> kCases[] = {
      {"en", true},
      {"EN-gb", true},
      {"zh-Hant-TW", true},
      {"x-default", true},
      {"X-Default", true},
      {"pt-BR", true},
      {"en-UK", false},
      {"en_US", false},
      {"eng", false},
      {"zz", false},
      {"es-419", false},
      {"de-DE-1996", false},
      {"en-US-u-ca-gregory", false},
      {"x-klingon", false},
      {"", false},
      {"en-", false},
  };
  for (const auto& [code, valid] : kCases) EXPECT_EQ(isValidHreflang(code), valid) << code;
  EXPECT_EQ(primaryLanguage(" de-AT "), "de");
  EXPECT_EQ(primaryLanguage("EN_us"), "en");
}

// The page-speed thresholds are "over", so a figure at one is not a finding;
// the served and rendered heads compare field by field.
TEST(AuditRules, RenderedPageFindings) {
  using I = Issue;
  const auto speed = [](double lcp, double cls, double tbt) {
    RenderedFacts f;
    f.pageSpeed.emplace();
    f.pageSpeed->lcp = lcp;
    f.pageSpeed->cls = cls;
    f.pageSpeed->tbt = tbt;
    return f;
  };
  const auto heads = [](PageHeadFacts served, PageHeadFacts rendered, bool known = true) {
    RenderedFacts f;
    f.scripts.emplace();
    f.scripts->served = std::move(served);
    f.scripts->rendered = std::move(rendered);
    f.scripts->servedKnown = known;
    return f;
  };
  PageHeadFacts noindex, index, titled;
  noindex.robots = "NoIndex, nofollow";
  index.robots = "index, follow";
  titled.title = "T";
  PageHeadFacts none = titled;
  none.robots = "none";
  const struct {
    RenderedFacts facts;
    std::vector<I> issues;
  } kCases[] = {
      {speed(-1, 0, 0), {}},  // no paint at all
      {speed(2500, 0.1, 200), {}},
      {speed(2501, 0.11, 201),
       {I::PageSpeedLcpNeedsImprovement, I::PageSpeedClsNeedsImprovement,
        I::PageSpeedTbtNeedsImprovement}},
      {speed(4001, 0.26, 601), {I::PageSpeedLcpPoor, I::PageSpeedClsPoor, I::PageSpeedTbtPoor}},
      {heads(titled, titled), {}},
      {heads({}, titled), {I::RenderingOnlyInRendered}},
      {heads(titled, {}), {I::RenderingChangedByScripts}},  // removed
      {heads(noindex, index), {I::RenderingChangedByScripts, I::RenderingNoindexOnlyServed}},
      {heads(none, titled), {I::RenderingChangedByScripts, I::RenderingNoindexOnlyServed}},
      {heads(index, noindex), {I::RenderingChangedByScripts}},
      {heads({}, titled, false), {}},  // the served page was not to be had
  };
  for (size_t k = 0; k < std::size(kCases); ++k) {
    std::vector<I> got;
    for (const auto& [issue, detail] : renderedFindings(kCases[k].facts)) got.push_back(issue);
    EXPECT_EQ(got, kCases[k].issues) << k;
  }
  // A rule axe declares is its own type, its priority the table's whatever impact it
  // reports; a rule the table does not know falls back to the type of its impact.
  RenderedFacts a;
  a.accessibility = {{"image-alt", "critical", {}, 2, "img"},
                     {"button-name", "minor", {}, 1, "#b"},
                     {"meta-viewport", "moderate", {}, 1, "meta"},
                     {"server-side-image-map", "minor", {}, 3, ""},
                     {"region", "moderate", {}, 4, "p"},  // not a WCAG rule
                     {"newer-rule", "moderate", {}, 1, "p"},
                     {"no-impact-rule", "", {}, 1, "p"}};
  const struct {
    I issue;
    const char* id;
    Priority priority;
    const char* detail;
  } kFound[] = {
      {I::AccessibilityImageAlt, "accessibility.image-alt", Priority::High, "2 elements, first img"},
      {I::AccessibilityButtonName, "accessibility.button-name", Priority::High,
       "1 element, first #b"},
      {I::AccessibilityMetaViewport, "accessibility.meta-viewport", Priority::Medium,
       "1 element, first meta"},
      {I::AccessibilityServerSideImageMap, "accessibility.server-side-image-map", Priority::Low,
       "3 elements"},
      {I::AccessibilityModerate, "accessibility.moderate", Priority::Medium,
       "region (4), newer-rule (1)"},
  };
  const auto found = renderedFindings(a);
  ASSERT_EQ(found.size(), std::size(kFound));
  for (size_t k = 0; k < std::size(kFound); ++k) {
    EXPECT_EQ(found[k], std::make_pair(kFound[k].issue, std::string(kFound[k].detail))) << k;
    EXPECT_EQ(issueType(kFound[k].issue).id, kFound[k].id);
    EXPECT_EQ(issueType(kFound[k].issue).priority, kFound[k].priority) << kFound[k].id;
    EXPECT_EQ(issueById(kFound[k].id), kFound[k].issue);
  }
}

TEST(AuditRules, CanonicalChains) {
  const struct {
    std::map<std::string, std::string> canonicals;
    std::vector<std::string> chain;
  } kCases[] = {
      {{}, {"a"}},                                  // no canonical
      {{{"a", "a"}}, {"a"}},                        // to itself
      {{{"a", "b"}}, {"a", "b"}},                   // one hop: canonicalised, no chain
      {{{"a", "b"}, {"b", "c"}}, {"a", "b", "c"}},  // a chain, hop by hop
      {{{"a", "b"}, {"b", "c"}, {"c", "c"}}, {"a", "b", "c"}},
      {{{"a", "b"}, {"b", "a"}}, {"a", "b", "a"}},  // a loop ends where it repeats
      {{{"a", "b"}, {"b", "c"}, {"c", "b"}}, {"a", "b", "c", "b"}},
  };
  for (const auto& c : kCases) {
    const auto next = [&](std::string_view address) -> std::optional<std::string> {
      auto it = c.canonicals.find(std::string(address));
      if (it == c.canonicals.end()) return std::nullopt;
      return it->second;
    };
    EXPECT_EQ(canonicalChain("a", next), c.chain);
  }
  // A chain that never ends stops after the most hops asked for.
  EXPECT_EQ(canonicalChain(
                "0",
                [](std::string_view a) -> std::optional<std::string> {
                  return std::to_string(std::stoi(std::string(a)) + 1);
                },
                4)
                .size(),
            5u);
}

TEST(AuditRules, PrivateAndLoopbackHosts) {
  const std::pair<const char*, bool> kCases[] = {
      {"127.0.0.1", true},       {"127.8.9.10", true},
      {"10.1.2.3", true},        {"172.16.0.1", true},
      {"172.31.255.255", true},  {"172.32.0.1", false},
      {"192.168.1.1", true},     {"192.169.1.1", false},
      {"169.254.1.1", true},     {"100.64.0.1", true},
      {"100.128.0.1", false},    {"0.0.0.0", true},
      {"8.8.8.8", false},        {"::1", true},
      {"[::1]", true},           {"fd12:3456::1", true},
      {"fe80::1", true},         {"2001:db8::1", false},
      {"::ffff:10.0.0.1", true}, {"::ffff:8.8.8.8", false},
      {"localhost", true},       {"LOCALHOST.", true},
      {"app.localhost", true},   {"localhost.example.org", false},
      {"example.org", false},    {"10.0.0.1.example.org", false},
  };
  for (const auto& [host, local] : kCases) EXPECT_EQ(isPrivateOrLoopbackHost(host), local) << host;
}

TEST(AuditRules, LinkHeader) {
  const auto entries = parseLinkHeader(
      "<https://a/de>; rel=\"alternate\"; hreflang=\"de\", <https://a/>;rel=Canonical , "
      "<https://a/x,y>; title=\"a, b; c\"; rel=\"next prev\"");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].target, "https://a/de");
  EXPECT_EQ(entries[0].hreflang, "de");
  EXPECT_TRUE(relHas(entries[0].rel, "alternate"));
  EXPECT_TRUE(relHas(entries[1].rel, "canonical"));
  EXPECT_EQ(entries[2].target, "https://a/x,y");
  EXPECT_TRUE(relHas(entries[2].rel, "prev"));
  EXPECT_TRUE(parseLinkHeader("not a link").empty());
  EXPECT_EQ(parseLinkHeader("<https://a/>; rel=\"canonical").size(), 1u) << "an open quote ends it";
}

TEST(AuditRules, SitemapReader) {
  const std::string urlset =
      "<?xml version=\"1.0\"?><!-- made by hand --><urlset xmlns:xhtml=\"x\">"
      "<url><loc> https://a/1?x=1&amp;y=2 </loc><xhtml:link rel=\"alternate\" hreflang=\"de\" "
      "href=\"https://a/de/1\"/></url><url><loc><![CDATA[https://a/2]]></loc></url>"
      "<url><lastmod>2024</lastmod></url><url><loc>https://a/3</loc></url></urlset>";
  SitemapDocument doc = readSitemapDocument(urlset, 2, 1 << 20);
  EXPECT_EQ(doc.kind, SitemapDocument::Kind::UrlSet);
  EXPECT_EQ(doc.listed, 3u) << "an entry without loc lists nothing";
  ASSERT_EQ(doc.entries.size(), 2u) << "the rest past the limit is counted, not kept";
  EXPECT_EQ(doc.entries[0].loc, "https://a/1?x=1&y=2");
  EXPECT_EQ(doc.entries[0].alternates,
            (std::vector<std::pair<std::string, std::string>>{{"de", "https://a/de/1"}}));
  EXPECT_EQ(doc.entries[1].loc, "https://a/2");

  const std::string index =
      "<sitemapindex><sitemap><loc>https://a/s1.xml</loc></sitemap></sitemapindex>";
  doc = readSitemapDocument(test::TestServer::gzip(index), 10, 1 << 20);
  EXPECT_EQ(doc.kind, SitemapDocument::Kind::Index);
  EXPECT_EQ(doc.bytes, index.size()) << "sized as inflated";
  ASSERT_EQ(doc.entries.size(), 1u);

  doc = readSitemapDocument("https://a/1\n  https://a/2 \nnot an address\n", 10, 1 << 20);
  EXPECT_EQ(doc.kind, SitemapDocument::Kind::Text);
  EXPECT_EQ(doc.entries.size(), 2u);
  for (const char* bad : {"<html><body>no sitemap</body></html>", "<urlset><url><loc>https://a/",
                          "\x1f\x8b garbage", "<urlset><url><loc><![CDATA[x"}) {
    doc = readSitemapDocument(bad, 10, 1 << 20);
    EXPECT_TRUE(doc.entries.empty()) << bad;
  }
  // A bomb is inflated only up to the limit.
  doc = readSitemapDocument(test::TestServer::gzip(std::string(4 << 20, ' ')), 10, 1 << 20);
  EXPECT_LE(doc.bytes, (1u << 20) + 1);
}

}  // namespace
}  // namespace zel::audit
