#include "archive/link_relativizer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "archive_fixture.h"
#include "platform/text_format.h"

namespace zel {
namespace {

std::optional<std::string> rewrite(const std::string& page, std::optional<std::string> domain,
                                   int32_t depth) {
  auto r = LinkRelativizer::initWithData(page, std::move(domain), depth);
  if (!r) return std::nullopt;
  return r->outputData();
}

// The value an <a href> comes out with.
std::string rewrittenHref(const std::string& href, int32_t depth,
                          std::optional<std::string> domain = std::string("example.com")) {
  auto out = rewrite("<a href=\"" + href + "\">x</a>", std::move(domain), depth);
  if (!out) return "<no output>";
  const std::string prefix = "<a href=\"";
  const std::string suffix = "\">x</a>";
  if (!startsWith(*out, prefix) || !endsWith(*out, suffix)) return "<malformed: " + *out + ">";
  return out->substr(prefix.size(), out->size() - prefix.size() - suffix.size());
}

struct HrefCase {
  std::string href;
  int32_t depth;
  std::string expected;
};

TEST(LinkRelativizer, AnchorLinksBecomeArchivePaths) {
  const HrefCase cases[] = {
      // Root-relative links climb to the archive root.
      {"/about/", 2, "../../about/index.html"},
      {"/team", 2, "../../team/index.html"},
      {"/x.html", 3, "../../../x.html"},
      {"/docs/", 1, "../docs/index.html"},
      // At depth 0 the leading "/" goes; "/" alone leaves nothing.
      {"/", 0, ""},
      {"/a/page.php", 0, "a/page.php"},
      // Document-relative links keep their form, folders get an index file.
      {"contact.html", 0, "contact.html"},
      {"contact.html", 3, "contact.html"},
      {"contact", 2, "contact/index.html"},
      {"sub/", 1, "sub/index.html"},
      {"../up", 1, "../up/index.html"},
      // Same-site absolute links: the host goes, other extensions become .html.
      {"https://example.com", 0, "./index.html"},
      {"https://example.com/", 0, "/index.html"},
      {"https://example.com", 2, "../../index.html"},
      {"http://example.com/a/page.php", 0, "a/page.html"},
      {"http://example.com/a/page.php", 1, "../a/page.html"},
      {"http://EXAMPLE.com/docs/", 1, "../docs/index.html"},
      {"http://example.com/a/b.html", 2, "../../a/b.html"},
      // Another host, or the domain as part of something else, stays.
      {"http://other.org/x", 1, "http://other.org/x"},
      {"http://example.com.evil.org/x", 1, "http://example.com.evil.org/x"},
      {"http://www.example.com/x", 1, "http://www.example.com/x"},
      {"http://example.com:8080/x", 1, "http://example.com:8080/x"},
      {"http://other.org/?u=http://example.com/", 1, "http://other.org/?u=http://example.com/"},
      // Fragments stay after the file; links that are no paths stay as written.
      {"/team#bio", 1, "../team/index.html#bio"},
      {"http://example.com/guide#part", 1, "../guide/index.html#part"},
      {"#top", 2, "#top"},
      {"mailto:info@example.com", 1, "mailto:info@example.com"},
      {"javascript:void(0)", 1, "javascript:void(0)"},
      {"tel:+15551234", 1, "tel:+15551234"},
      {"", 2, ""},
      // A changed value is written back escaped; an unchanged one keeps its bytes.
      {"/p.html?a=1&amp;b=2", 0, "p.html?a=1&amp;b=2"},
      {"http://other.org/?a=1&amp;b=2", 0, "http://other.org/?a=1&amp;b=2"},
      {"/say&quot;hi&quot;", 1, "../say&quot;hi&quot;/index.html"},
      // A long value is cut to 998 bytes first: the "/" (dropped at depth 0) and 997 letters.
      {"/" + std::string(2000, 'a'), 0, std::string(997, 'a') + "/index.html"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rewrittenHref(c.href, c.depth), c.expected) << c.href << " at depth " << c.depth;
  EXPECT_EQ(rewrittenHref("/about/", 2, std::nullopt), "/about/") << "no domain: links stay";
}

// Whole pages at a depth, for the site example.com.
TEST(LinkRelativizer, PagesAreRewritten) {
  const std::string link = "<a href=x.html>";  // a page needs a link to be rewritten at all
  const HrefCase cases[] = {
      // Images and stylesheets point at the live site.
      {"<img src=\"//cdn.example.net/x.png\"><img src='img/a.png'><IMG SRC=/b.png alt=b>"
       "<img src=\"http://other.org/c.png\"><link rel=\"stylesheet\" href=\"css/site.css\">",
       2,
       "<img src=\"http://cdn.example.net/x.png\"><img src='http://example.com/img/a.png'>"
       "<IMG SRC=http://example.com/b.png alt=b><img src=\"http://other.org/c.png\">"
       "<link rel=\"stylesheet\" href=\"http://example.com/css/site.css\">"},
      // A base element resolves images and points at its own folder.
      {"<a href=\"/y\">y</a><base href=\"http://example.com/sub/\"><img src=\"x.png\">", 0,
       "<a href=\"y/index.html\">y</a><base href=\"./\">"
       "<img src=\"http://example.com/sub/x.png\">"},
      {"<a href=\"/y\">y</a><base href=\"//cdn.example.net/assets/\"><img src=\"x.png\">", 0,
       "<a href=\"y/index.html\">y</a><base href=\"./\">"
       "<img src=\"https://cdn.example.net/assets/x.png\">"},
      {"<a href=\"/y\">y</a><base href=\"/sub/\"><img src=\"x.png\">", 0,
       "<a href=\"y/index.html\">y</a><base href=\"./\">"
       "<img src=\"http://example.com/sub/x.png\">"},
      // srcset pairs; line breaks and runs of spaces separate parts too; one part is
      // handled as a link; an unpaired last part is dropped.
      {link + "<img srcset=\"a.png 1x, b.png 2x\">", 1,
       link + "<img srcset=\"http://example.com/a.png 1x, http://example.com/b.png 2x\">"},
      {link + "<img srcset=\"a.png   1x,\n b.png 2x\">", 1,
       link + "<img srcset=\"http://example.com/a.png 1x, http://example.com/b.png 2x\">"},
      {link + "<img srcset=\"/a.png\">", 1, link + "<img srcset=\"../a.png\">"},
      {link + "<img srcset=\"a.png 1x, b.png\">", 1,
       link + "<img srcset=\"http://example.com/a.png 1x,\">"},
      // Frames are links.
      {"<frameset><frame src=\"/nav\"><frame\tsrc=main.html></frameset>", 1,
       "<frameset><frame src=\"../nav/index.html\"><frame\tsrc=main.html></frameset>"},
      // Comments, scripts and styles are copied as they are.
      {"<!-- <a href=\"/c\"> --><script>document.write(\"<a href='/s'><\\/script>\");</script>"
       "<style>/* <a href=\"/t\"> */ a[href] { color: red }</style><a href=\"/after\">after</a>",
       1,
       "<!-- <a href=\"/c\"> --><script>document.write(\"<a href='/s'><\\/script>\");</script>"
       "<style>/* <a href=\"/t\"> */ a[href] { color: red }</style>"
       "<a href=\"../after/index.html\">after</a>"},
      // Tag names and attributes are matched exactly: only href itself, not look-alikes,
      // values, or elements whose names merely begin like a known one.
      {"< A HREF = /team >", 1, "< A HREF = ../team/index.html >"},
      {"<a title=\"href=/x\" data-href=\"/y\" href=\"/z\">", 0,
       "<a title=\"href=/x\" data-href=\"/y\" href=\"z/index.html\">"},
      {"<abbr href=\"/x\"><linked href=\"/y\"><iframe src=\"/z\">", 0,
       "<abbr href=\"/x\"><linked href=\"/y\"><iframe src=\"/z\">"},
      // A quoted value ends at '>' when its quote never closes.
      {"<a href=\"/x>y</a> <a href=/z>", 0, "<a href=\"x/index.html>y</a> <a href=z/index.html>"},
      // Truncated markup ends cleanly.
      {"<a href=\"/x", 0, "<a href=\"x/index.html"},
      {"<a href=", 0, "<a href="},
      {"<a href", 0, "<a href"},
      {"<a href ", 0, "<a href "},
      {"<img src=\"<!-- href -->", 0, "<img src=\"<!-- href -->"},
      {"<a href='/x' ", 1, "<a href='../x/index.html' "},
      {"<!-- <a href=/x>", 0, "<!-- <a href=/x>"},
      {"<script><a href=/x>", 0, "<script><a href=/x>"},
      {"<style href", 0, "<style href"},
      {"x<<!-- href -->", 0, "x<<!-- href -->"},
      {"<a\thref=\"/x\"", 1, "<a\thref=\"../x/index.html\""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rewrite(c.href, "example.com", c.depth).value_or("<none>"), c.expected) << c.href;
}

TEST(LinkRelativizer, PagesWithNothingToRewriteGiveNoneAndEncodedPagesKeepTheirEncoding) {
  EXPECT_FALSE(LinkRelativizer::initWithData("", "example.com", 0));
  EXPECT_FALSE(LinkRelativizer::initWithData(test::archiveFixture("no_links.html"),
                                             "example.com", 1));
  EXPECT_TRUE(LinkRelativizer::initWithData("<frameset cols=\"50%,50%\"></frameset>",
                                            "example.com", 0));
  // A meta-refresh page is taken even without the words searched for.
  const std::string refresh =
      "<html><head><meta http-equiv=\"refresh\" content=\"0; url=/new.html\"></head>"
      "<body></body></html>";
  auto r = LinkRelativizer::initWithData(refresh, "example.com", 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->outputData(), refresh);
  // Rewritten addresses are written in the page's encoding.
  r = LinkRelativizer::initWithData(test::archiveFixture("latin1.html"), "example.com", 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->encoding(), encoding::kISOLatin1);
  EXPECT_NE(r->outputData().find("<a href=\"../caf\xe9/index.html\">caf\xe9</a>"),
            std::string::npos)
      << r->outputData();
  EXPECT_NE(r->outputData().find("<a href=\"../na\xefve.html\">"), std::string::npos);
}

TEST(LinkRelativizer, EverythingButLinkValuesIsCopiedByteForByte) {
  const std::string page = test::sitePage("index.html", "example.com", "partner.test");
  auto out = rewrite(page, "example.com", 1);
  ASSERT_TRUE(out);
  std::string expected = page;
  auto swap = [&](const std::string& from, const std::string& to) {
    const size_t at = expected.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    expected.replace(at, from.size(), to);
  };
  swap("href=\"/style.css\"", "href=\"http://example.com/style.css\"");
  swap("href=\"/about.html\">About", "href=\"../about.html\">About");
  swap("href=\"http://example.com/docs/guide.html\"", "href=\"../docs/guide.html\"");
  swap("href=\"/docs/\"", "href=\"../docs/index.html\"");
  swap("href=\"/team\"", "href=\"../team/index.html\"");
  swap("src=\"/logo.png\"", "src=\"http://example.com/logo.png\"");
  EXPECT_EQ(*out, expected);
}

}  // namespace
}  // namespace zel
