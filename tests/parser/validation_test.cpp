// Validation warnings: each structure check with its exact text and position.
#include <gtest/gtest.h>

#include "parser_test_util.h"
#include "platform/text_format.h"

namespace zel::testing {
namespace {

using Strings = std::vector<std::string>;

const std::string kHead = "<!DOCTYPE html>\n<html>\n<head><title>T</title></head>\n<body>\n";
const std::string kTail = "\n</body>\n</html>\n";

// "line L/B" of the byte at `offset`: lines counted by line feeds before it, B
// the 1-based byte position.
std::string lineAt(const std::string& html, size_t offset) {
  int line = 1;
  for (size_t i = 0; i < offset; ++i) line += html[i] == '\n';
  return strf("line %i/%i", line, static_cast<int>(offset + 1));
}

// Offset of `needle` (the n-th occurrence, from 1) plus `delta`.
size_t at(const std::string& html, const std::string& needle, size_t delta = 0, int nth = 1) {
  size_t p = html.find(needle);
  while (--nth > 0) p = html.find(needle, p + 1);
  EXPECT_NE(p, std::string::npos) << needle;
  return p + delta;
}

Strings warnings(const std::string& html, const std::vector<const char*>& on = {},
                 bool seo = false) {
  auto d = settings(on);
  d->setBool("htmlValidationEnabled", true);
  auto p = parse(html, *d, seo);
  EXPECT_TRUE(p);
  return p && p->getWarnings() ? *p->getWarnings() : Strings{};
}

// One body check: either a single warning that names a position ("line L/B" of
// the n-th `needle` plus `delta`), or a fixed list of warnings.
struct Case {
  const char* name;
  std::string body;  // between kHead and kTail
  Strings fixed;
  const char* before = nullptr;  // the positioned warning: before + position + after
  const char* needle = nullptr;
  size_t delta = 0;
  int nth = 1;
  const char* after = ".";
  std::vector<const char*> on = {};
  bool seo = false;
};

TEST(Validation, BodyChecks) {
  const char* noAlt = "The page has an image without alt text at ";
  const Case cases[] = {
      {"missing end quote", "<a href=\"/x>x</a>", {},
       "the link href '/x' is missing an end quote or has mismatched quotes at ", "/x>", 2},
      {"image without alt", "\n<img src=\"/i.png\" alt=\"\"><img src=\"/j.png\" alt=\"J\">", {},
       noAlt, "alt=\"\">", 6, 1, ". Image url is /i.png", {"checkImages"}},
      {"image in a link", "<a href=\"/p\"><img src=\"\"></a>", {}, noAlt, "src=\"\">", 6, 1,
       ". Image url is empty", {"checkImages"}},
      {"comment in comment", "<!-- a\n<!-- b -->", {},
       "The page has an opening comment tag within a comment at ", "<!-- b", 0, 1,
       ".. This may be fine but may indicate an uninitentionally unclosed comment."},
      {"extra closing a", "x</a >", {}, "The page has an extra closing a at ", "</a >", 3},
      {"form and div", "<div><form action=\"/s\"></div></form>", {},
       "Badly nested <form> and <div> at ", "</form>", 6},
      {"nested form", "<form action=\"/a\"><form action=\"/b\"></form></form>", {},
       "Form element can't be nested at ", "<form", 5, 2},
      {"heading in paragraph", "<p>intro<h2>x</h2></p><p><h3>y</h3></p>", {},
       "The page has h2 within p, or a p tag has been left unclosed at ", "<h2", 2, 1, ".", {},
       true},
      {"extra closing p", "</p>", {}, "The page has an extra closing p at ", "</p>", 3},
      {"paragraph closed in span", "<span><p>x</p></span>", {},
       "The page has a closing p with an open <span> at ", "</p>", 3},
      {"paragraph in heading", "<h1><p>x</p></h1>", {}, "The page has p within h1 at ", "<p>", 2,
       1, ". Heading tags can only contain inline content.", {}, true},
      {"extra closing div", "<div></div></div>", {}, "The page has an extra closing div at ",
       "</div>", 5, 2},
      {"iframe in link", "<a href=\"/a\">x<iframe src=\"/f\"></iframe></a>",
       {"The page has an unterminated link or <iframe> (block level) within a link (inline). "
        "Link tag is on or close to line number 5."}},
      {"embed in span", "<span>\n<embed src=\"/e.swf\"></span>",
       {"The page has <embed> (block level) within a <span> (inline). Line number 6."}},
      {"nested link", "<a href=\"/a\">one\n<a href=\"/b\">two</a>",
       {"The page has an unterminated or nested link. Link tag is on or close to line number 5"}},
      {"bare form", "<form></form>", {"The page has an extra closing form tag."}},
      {"minimal page", "<p>x</p>", {}},
      {"minimal page, images and SEO", "<p>x</p>", {}, nullptr, nullptr, 0, 1, ".",
       {"checkImages"}, true},
      {"escaped closing div does not count", "<div><\\/div></div>", {}},
      {"scripts, styles and comments hide markup",
       "<script>if (a</p>) {} '</div>'</script><style>p</p>{}</style><!-- </div> -->", {}},
      {"second body", "<body class=x>", {"The page contains more than one body tag."}},
      {"second closing body and html", "</body></html>",
       {"The page contains more than one closing body tag.",
        "The page contains more than one closing html tag."}},
      {"unclosed div and p", "<div><p>x",
       {"The page has an unclosed div tag.",
        "The page has an unclosed p tag.  Closing p tags are necessary in xhtml, not always "
        "strictly necessary in html but good practice."}},
      {"several unclosed", "<div><div><p>x<p>y<form action=\"/f\">",
       {"The page has more than one unclosed div tag.",
        "The page has more than one unclosed p tag. Closing p tags are necessary in xhtml, not "
        "always strictly necessary in html but good practice.",
        "The page has an unclosed form tag."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string html = kHead + c.body + kTail;
    const Strings expected =
        c.before ? Strings{c.before + lineAt(html, at(html, c.needle, c.delta, c.nth)) + c.after}
                 : c.fixed;
    EXPECT_EQ(warnings(html, c.on, c.seo), expected);
  }
  // Two unquoted values with "=", each with its own position.
  const std::string h = kHead + "<a href=/page?x=1&y=2>a</a><a href=\"/q?x=1\">b</a>" + kTail;
  EXPECT_EQ(warnings(h), (Strings{"the page contains an = in an unquoted value at " +
                                      lineAt(h, at(h, "x=1", 1)) + ".",
                                  "the page contains an = in an unquoted value at " +
                                      lineAt(h, at(h, "y=2", 1)) + "."}));
}

TEST(Validation, HeadAndEndOfScanChecks) {
  const std::string html =
      "<!DOCTYPE html><! doctype html>\n<html><html lang=en>\n<head><head>"
      "<title>A</title><title>B</title>"
      "<link rel=\"canonical\" href=\"/c\"><link rel=canonical href=\"/d\">"
      "</head><body><p>x</p>" + kTail;
  EXPECT_EQ(warnings(html), (Strings{"The page contains more than one doctype declaration.",
                                     "The page contains more than one opening html tag.",
                                     "The page contains more than one head tag.",
                                     "The page has more than one title meta tag",
                                     "The page has more than one canonical meta tag"}));
  // At the end of the scan: missing document parts.
  EXPECT_EQ(warnings("<p>x</p>"),
            (Strings{"The page doesn't start with a !doctype declaration.",
                     "The page doesn't contain an opening html tag.",
                     "The page doesn't contain an opening body tag.",
                     "The page doesn't contain a closing body tag. ",
                     "The page doesn't contain a closing html tag. "}));
  // An unclosed comment hides the end of the page.
  EXPECT_EQ(warnings(kHead + "<p>x</p><!-- open\n</body></html>"),
            (Strings{"The page has an unclosed html comment tag. This may mask part or all of the "
                     "page.",
                     "The page doesn't contain a closing body tag. This may be because of the "
                     "comment tag left open.",
                     "The page doesn't contain a closing html tag. This may be because of the "
                     "comment tag left open."}));
  EXPECT_EQ(warnings(kHead + "<p>x</p><script>var a = 1;\n</body></html>"),
            (Strings{"The page has an unclosed script tag. This may mask part or all of the page.",
                     "The page doesn't contain a closing body tag. This may be because of the "
                     "script tag left open.",
                     "The page doesn't contain a closing html tag. This may be because of the "
                     "script tag left open."}));
  // A badly nested form is reported only when the forms balance at the end.
  EXPECT_EQ(warnings(kHead + "<div><form action=\"/s\"></div></form></form>" + kTail),
            Strings{"The page has an extra closing form tag."});
}

TEST(Validation, FixturePageAndNothingStoredWhenSwitchedOff) {
  const std::string h = fixture("invalid.html");
  EXPECT_EQ(warnings(h, {"checkImages"}, true),
            (Strings{
                "The page has more than one title meta tag",
                "the page contains an = in an unquoted value at " + lineAt(h, at(h, "x=1", 1)) + ".",
                "The page has an unterminated or nested link. Link tag is on or close to line "
                "number 4",
                "the link href '/b' is missing an end quote or has mismatched quotes at " +
                    lineAt(h, at(h, "/b>", 2)) + ".",
                "The page has an image without alt text at " + lineAt(h, at(h, "png\">", 4)) +
                    ". Image url is /i.png",
                "The page has an extra closing div at " + lineAt(h, at(h, "</div>", 5, 2)) + ".",
                "The page has a closing p with an open <span> at " +
                    lineAt(h, at(h, "</p></span>", 3)) + ".",
                "The page has an opening comment tag within a comment at " +
                    lineAt(h, at(h, "<!-- inner")) +
                    ".. This may be fine but may indicate an uninitentionally unclosed comment.",
                "The page has h2 within p, or a p tag has been left unclosed at " +
                    lineAt(h, at(h, "<h2", 2)) + ".",
                "The page has p within h2 at " + lineAt(h, at(h, "<p>para", 2)) +
                    ". Heading tags can only contain inline content.",
                "The page has an unclosed html comment tag. This may mask part or all of the "
                "page.",
                "The page has an unclosed div tag.",
                "The page has an unclosed p tag.  Closing p tags are necessary in xhtml, not "
                "always strictly necessary in html but good practice.",
                "Badly nested <form> and <div> at " + lineAt(h, at(h, "</form>", 6)) + ".",
                "The page doesn't start with a !doctype declaration.",
                "The page doesn't contain a closing html tag. This may be because of the comment "
                "tag left open.",
            }));
  // Nothing is stored with validation switched off.
  auto d = settings({"checkImages"});
  for (const std::string& page : {fixture("invalid.html"), std::string("<p>x"), kHead + "</div>"}) {
    auto p = parse(page, *d, true);
    ASSERT_TRUE(p);
    EXPECT_FALSE(p->getWarnings()) << page;
  }
}

}  // namespace
}  // namespace zel::testing
