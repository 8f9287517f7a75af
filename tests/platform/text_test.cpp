// Regular expressions, URL parsing and the small text helpers.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/date_format.h"
#include "platform/defaults.h"
#include "platform/log.h"
#include "platform/regex.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "platform/url_loader.h"

namespace zel {
namespace {

using Strings = std::vector<std::string>;

TEST(Regex, WholeMatchesGroupsNoMatchBadPatternsAndEmptyMatches) {
  MemoryDefaults d;  // verbosity 0
  Log log(&d);
  log.setStream(nullptr);
  EXPECT_EQ(applyRegex("a.c", "ABC a\nc", &log), (Strings{"ABC", "a\nc"}));
  EXPECT_EQ(applyRegex("(\\w+)@(\\w+)", "x joe@host, amy@site", &log),
            (Strings{"joehost", "amysite"}));
  EXPECT_EQ(applyRegex("(a)|(b)", "ab", &log), (Strings{"a", "b"}));  // unset group skipped
  EXPECT_FALSE(applyRegex("zzz", "abc", &log).has_value());
  EXPECT_EQ(log.linesWritten(), 0u);
  // A bad pattern matches nothing and is logged whatever the verbosity.
  EXPECT_FALSE(applyRegex("(unclosed", "unclosed", &log).has_value());
  EXPECT_EQ(log.lastLine(), "error in regex: missing closing parenthesis at offset 9");
  // Empty matches advance; invalid UTF-8 is tolerated.
  auto re = Regex::compile("x*");
  ASSERT_TRUE(re);
  EXPECT_EQ(re->allMatches("ab").size(), 3u);
  auto dot = Regex::compile("b.d");
  ASSERT_TRUE(dot);
  EXPECT_TRUE(dot->matches(std::string("a\xff" "bcd")));
}

TEST(Url, ParsesPartsAndFilePathsAndRejectsWhatStrictParsingRejects) {
  auto u = Url::parse("HTTP://user:pw@Example.com:8080/a/b/page.html?x=1&y#frag");
  ASSERT_TRUE(u);
  EXPECT_EQ(u->scheme(), "http");
  EXPECT_EQ(u->host(), "Example.com");
  EXPECT_EQ(u->port(), 8080);
  EXPECT_EQ(u->user(), "user");
  EXPECT_EQ(u->password(), "pw");
  EXPECT_EQ(u->path(), "/a/b/page.html");
  EXPECT_EQ(u->pathExtension(), "html");
  EXPECT_EQ(u->query(), "x=1&y");
  EXPECT_EQ(u->fragment(), "frag");
  EXPECT_EQ(u->pathComponents(), (Strings{"/", "a", "b", "page.html"}));

  auto bare = Url::parse("https://example.com");
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->path(), "");
  EXPECT_FALSE(bare->port().has_value());
  EXPECT_FALSE(bare->query().has_value());
  EXPECT_EQ(Url::parse("https://example.com/?")->query(), "");
  EXPECT_EQ(Url::parse("mailto:joe@example.com")->path(), "joe@example.com");
  EXPECT_EQ(Url::parse("http://[::1]:9/x")->host(), "::1");
  for (const char* bad : {"", "no-scheme/path", "http://exa mple.com/", "http://h/a b",
                          "http://h:99999/", "http://h/\xc3\xa9"})
    EXPECT_FALSE(Url::parse(bad).has_value()) << bad;
  auto file = Url::fromFilePath("/tmp/my site/index.html");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->absoluteString(), "file:///tmp/my%20site/index.html");
  EXPECT_EQ(file->decodedPath(), "/tmp/my site/index.html");
  EXPECT_TRUE(file->isFileUrl());
  EXPECT_FALSE(Url::fromFilePath("relative/x").has_value());
}

TEST(Url, ResolvesReferences) {
  struct Case {
    const char *base, *ref, *want;
  };
  const Case cases[] = {
      {"http://h/a/b/c.html", "d.html", "http://h/a/b/d.html"},
      {"http://h/a/b/c.html", "../d", "http://h/a/d"},
      {"http://h/a/b/c.html", "./", "http://h/a/b/"},
      {"http://h/a/b/c.html", "//other/x", "http://other/x"},
      {"http://h/a/b/c.html", "?q=1", "http://h/a/b/c.html?q=1"},
      {"http://h/a/b/c.html", "#f", "http://h/a/b/c.html#f"},
      {"http://h", "page", "http://h/page"},
      {"http://h/a/", "/root", "http://h/root"},
      {"http://h/a/b", "../../../x", "http://h/x"},
      {"https://h/p#old", "", "https://h/p"},
      {"http://u:p@h:8080/a?x#y", "b?z#w", "http://u:p@h:8080/b?z#w"},
      {"HTTP://[::1]:81/a/", "b", "HTTP://[0000:0000:0000:0000:0000:0000:0000:0001]:81/a/b"},
      // Plain paths, joined without the general parser: the same texts.
      {"http://127.0.0.1:8080/s1/p.html?x#y", "p2.html?a=1&b=/c?d#top",
       "http://127.0.0.1:8080/s1/p2.html?a=1&b=/c?d#top"},
      {"https://u@h/a/b", "/c%20d/e(1)@x;y=z", "https://u@h/c%20d/e(1)@x;y=z"},
      {"http://h/a/./b/c", "d", "http://h/a/b/d"},
      {"http://h/a/b/", "x/./y/../z", "http://h/a/b/x/z"},
      {"http://h/a/b/c", ".", "http://h/a/b/"},
      {"http://h/a/b/c", "..", "http://h/a/"},
      {"http://h/a/b/c", "x/..", "http://h/a/b/"},
      {"http://h/a/b/c", "/x/../../y/./", "http://h/y/"},
      {"http://h/a/b/c", "x//../y/.", "http://h/a/b/x/y/"},
      {"http://h/a/b", ".../x/..y/.z", "http://h/a/.../x/..y/.z"},  // dots, no dot segments
      {"http://h?q", "p#f", "http://h/p#f"},
      {"http://h:81#f", "p", "http://h:81/p"},
      {"http://h/p?q#old", "#new-1", "http://h/p?q#new-1"},
      {"http://h/a/../p", "#f", "http://h/a/../p#f"},
      {"http://h/p", "#", "http://h/p#"},
      {"http://h/a/", "b:c", "b:c"},
      {"http://h/a/", "p%zz", ""},
      {"file:///tmp/a/b.html", "c.html", "file:///tmp/a/c.html"},
  };
  // Resolved into one reused Url, as a page's links are: nothing of the previous
  // link (port, user, query, fragment) may stay, and the parts are those the text has.
  Url out = *Url::parse("http://old:1@old:99/x?q#f");
  for (const auto& c : cases) {
    if (!*c.want) {
      EXPECT_FALSE(Url::resolveInto(c.ref, *Url::parse(c.base), out)) << c.ref;
      continue;
    }
    ASSERT_TRUE(Url::resolveInto(c.ref, *Url::parse(c.base), out)) << c.ref;
    EXPECT_EQ(out.absoluteString(), c.want) << c.base << " + " << c.ref;
    Url general;  // the plain joins write what the URI parser writes
    ASSERT_TRUE(Url::resolveThroughParser(c.ref, *Url::parse(c.base), general)) << c.ref;
    EXPECT_EQ(general.absoluteString(), c.want) << c.base << " + " << c.ref;
    const Url parsed = *Url::parse(out.absoluteString());
    EXPECT_EQ(std::tie(out.scheme(), out.host(), out.user(), out.password(), out.path()),
              std::tie(parsed.scheme(), parsed.host(), parsed.user(), parsed.password(), parsed.path()))
        << c.want;
    EXPECT_EQ(out.port(), parsed.port()) << c.want;
    EXPECT_EQ(out.query(), parsed.query()) << c.want;
    EXPECT_EQ(out.fragment(), parsed.fragment()) << c.want;
  }
  EXPECT_FALSE(Url::resolve("a b", "http://h/").has_value());
  EXPECT_FALSE(Url::resolve(std::string("a\0b", 3), "http://h/").has_value()) << "not just \"a\"";
}

TEST(TextHelpers, CaseTrimReasonPhrasesAndDates) {
  EXPECT_EQ(findIgnoreCase("Hello World", "WORLD"), 6u);
  EXPECT_EQ(findIgnoreCase("abc", "d"), std::string_view::npos);
  const struct {
    std::string_view haystack, needle;
    size_t from, at;
  } kFinds[] = {
      {"/a/STYLE.CSS?v=1", ".css?", 0, 8},  // a first byte without case
      {"/a.b.c", ".c", 0, 4},
      {"/a.b.c", ".c", 5, std::string_view::npos},  // past the last place it could start
      {"sTyLe", "STYLE", 0, 0},
      {"text/Html; x", "html", 0, 5},
      {"abab", "AB", 1, 2},
      {"ab", "abc", 0, std::string_view::npos},
      {"@a `a", "`A", 0, 3},  // '@' is no upper-case '`'
  };
  for (const auto& f : kFinds)
    EXPECT_EQ(findIgnoreCase(f.haystack, f.needle, f.from), f.at) << f.haystack << " " << f.needle;
  EXPECT_EQ(trimWhitespace(" \t x y \r\n"), "x y");
  EXPECT_EQ(trimChars("'\"a;\" ", "'\"; "), "a");
  EXPECT_EQ(split("a,,b", ","), (Strings{"a", "", "b"}));
  EXPECT_EQ(leadingInteger("  -12px"), -12);
  EXPECT_EQ(leadingInteger("99999999999999999999999"), LLONG_MAX);
  EXPECT_EQ(utf8Length("h\xc3\xa9llo"), 5u);
  EXPECT_EQ(countOf(1, "page"), "1 page");
  EXPECT_EQ(countOf(4102, "link"), "4,102 links");
  EXPECT_EQ(countOf(0, "family", "families"), "0 families");
  EXPECT_EQ(groupedNumber(-1234567), "-1,234,567");
  EXPECT_EQ(groupedNumber(999), "999");
  // Reason phrases by class for codes without a standard text (the standard
  // texts show in every crawl's statuses).
  EXPECT_EQ(reasonPhraseForStatusCode(599), "server error");
  EXPECT_EQ(reasonPhraseForStatusCode(999), "unknown");
  // Record timestamps are written in the user's locale and read back to the second.
  const double when = 1796640652;  // a Monday in December 2026
  const std::string text = localMediumDateTime(when);
  EXPECT_NE(text.find("2026"), std::string::npos) << text;
  EXPECT_EQ(parseLocalMediumDateTime(text), when) << text;
  for (const char* bad : {"", "yesterday", "2026-12-07"})
    EXPECT_FALSE(parseLocalMediumDateTime(bad)) << bad;
}

}  // namespace
}  // namespace zel
