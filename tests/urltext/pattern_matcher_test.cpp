// The pattern matcher behind every term list, term lists themselves, and the
// address kinds read from link texts alone.
#include <gtest/gtest.h>

#include "urltext/address_kinds.h"
#include "urltext/path_text.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {
namespace {

struct PatternCase {
  const char* string;
  const char* pattern;
  bool wildcards;
  bool matches;
};

TEST(PatternMatcher, Table) {
  const PatternCase cases[] = {
      // Plain containment ignores case.
      {"http://h/Blog/post", "blog", true, true}, {"http://h/news", "blog", true, false},
      // "*" wildcards: pieces in order, the first one not anchored at the start.
      {"http://h/a.PDF", "*.pdf", true, true}, {"http://h/doc.pdf.html", "*.pdf", true, true},
      {"http://h/a/x/b", "a*b", true, true}, {"http://h/b/x/a", "/a*/b", true, false},
      {"anything", "*", true, true}, {"http://h/report", "rep*", true, true},
      // "$" anchors the last piece at the end.
      {"http://h/a.pdf", "*.pdf$", true, true}, {"http://h/a.pdf.html", "*.pdf$", true, false},
      {"http://h/a.pdf.pdf", "*.pdf$", true, true},
      {"http://h/dir/x.html", "/dir/*.html$", true, true},
      {"http://h/dir/x.html?y=1", "/dir/*.html$", true, false},
      {"http://h/other/x.html", "/dir/*.html$", true, false},
      // Without "*" the "$" is an ordinary character.
      {"http://h/page", "page$", true, false}, {"http://h/page$", "page$", true, true},
      // Wildcards not allowed: "*" is literal too.
      {"http://h/axb", "a*b", false, false}, {"http://h/a*b", "a*b", false, true},
      // "!" negates; "!" alone matches everything.
      {"http://h/a.html", "!*.pdf$", true, true}, {"http://h/a.pdf", "!*.pdf$", true, false},
      {"", "!", true, true}, {"http://h/x", "!x", true, false},
      // An empty pattern matches nothing (negated: everything).
      {"http://h/x", "", true, false},
      // A pattern ending in "/" sees a "/" after an address without extension.
      {"http://h/blog", "blog/", true, true}, {"http://h/blog.html", "blog/", true, false},
      {"http://h/blog", "!blog/", true, false},
      // A literal term is tried again on the percent-decoded address ...
      {"http://h/my%20site/page", "my site", true, true},
      {"http://h/caf%C3%A9", "café", false, true},
      // ... but a wildcard pattern is not.
      {"http://h/my%20site/page", "*my site*", true, false},
      // An escape that does not decode leaves only the literal test.
      {"http://h/100%zz", "100 zz", true, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ZelPatternMatcher::stringMatchesPattern(c.string, c.pattern, c.wildcards), c.matches)
        << '"' << c.string << "\" against \"" << c.pattern << '"'
        << (c.wildcards ? "" : " (no wildcards)");
}

TEST(PatternMatcher, PathExtension) {
  EXPECT_EQ(textPathExtension("http://h/a/b.pdf"), "pdf");
  EXPECT_EQ(textPathExtension("http://host.com"), "com");
  EXPECT_EQ(textPathExtension("http://h/a/b.pdf/"), "pdf");
  EXPECT_EQ(textPathExtension("http://h/dir/"), "");
  EXPECT_EQ(textPathExtension("http://h/page?x=a.b"), "b");
  EXPECT_EQ(textPathExtension("name."), "");
}

TEST(PatternMatcher, TermLists) {
  EXPECT_FALSE(ZelPatternMatcher::stringContainsOneOfTheseTerms("http://h/a", std::nullopt));
  EXPECT_FALSE(ZelPatternMatcher::stringContainsOneOfTheseTerms("http://h/a", {"a", "h", ""}))
      << "terms shorter than 2 characters never match";
  EXPECT_TRUE(
      ZelPatternMatcher::stringContainsOneOfTheseTerms("http://h/admin/x", {"zz", "/admin/"}));
  EXPECT_TRUE(ZelPatternMatcher::stringContainsOneOfTheseTerms("http://h/c/x", {"!/a/"}))
      << "a negated term matches every address outside it";
  EXPECT_FALSE(ZelPatternMatcher::stringContainsOneOfTheseTerms("http://h/a/x", {"!/a/"}));
}

TEST(AddressKinds, NonWebLinksAndLocalFiles) {
  const std::pair<const char*, bool> cases[] = {
      {"mailto:me@h.test", true},     {"MailTo:me@h.test", true},
      {"tel:+1234", true},            {"javascript:void(0)", true},
      {"data:image/png;base64,x", true}, {"itms-apps://app", true},
      {"whatsapp://send", true},      {"{{ url }}", true},
      {"%7B%7Burl%7D%7D", true},      {"x[object Object]", true},
      {"http://h.test/wp-json/v2", true},
      {"/wp-json/v2", false},  // no ":" in a relative link
      {"http://h.test/page", false},  {"page.html", false},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(isMailtoEtc(text), expected) << text;
  EXPECT_TRUE(containsColon("a:b"));
  EXPECT_FALSE(containsColon("ab"));
  const std::pair<const char*, bool> local[] = {
      {"file:///Users/me/a.html", true}, {"FILE:///x", true},
      {" \tfile:///x", true},            {"http://h.test/file:x", false},
      {"files/a.html", false},           {"", false},
  };
  for (const auto& [text, expected] : local) EXPECT_EQ(isLocalFile(text), expected) << text;
}

}  // namespace
}  // namespace zel
