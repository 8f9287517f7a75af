// srcset candidates and url(...) references in style attributes.
#include <gtest/gtest.h>

#include "parser/srcset.h"
#include "parser_test_util.h"

namespace zel::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(Srcset, CandidatesAndTheHangingCommaWarning) {
  struct {
    const char* value;
    Strings urls;
    bool hanging;
  } cases[] = {
      {"a.jpg 1x, b.jpg 2x", {"a.jpg", "b.jpg"}, false},
      {"a.jpg 480w,b.jpg 800w", {"a.jpg", "b.jpg"}, false},
      {"a.jpg", {"a.jpg"}, false},
      {"  a.jpg 2x  ", {"a.jpg"}, false},
      {"a.jpg,b.jpg", {"a.jpg,b.jpg"}, false},  // no white space: one URL
      {"a.jpg 1x,", {"a.jpg"}, true},
      {"a.jpg 1x, b.jpg", {"a.jpg", "b.jpg"}, false},  // the last one without a descriptor
      {"a.jpg, b.jpg 2x", {"a.jpg", "b.jpg"}, false},  // an earlier one without a descriptor
      {"a.jpg 1x,, b.jpg 2x", {"a.jpg", "b.jpg"}, true},
      {", a.jpg 1x", {"a.jpg"}, true},
      {"a.jpg\t1x,\nb.jpg\t2x", {"a.jpg", "b.jpg"}, false},
      {"data:image/png;base64,AAAA 1x, b.jpg 2x", {"data:image/png;base64,AAAA", "b.jpg"}, false},
      {"a.jpg (max-width: 1px, x) 1x, b.jpg", {"a.jpg", "b.jpg"}, false},
      {"", {}, false},
  };
  for (const auto& c : cases) {
    SrcsetUrls r = splitSrcsFromSrcset(c.value);
    EXPECT_EQ(r.urls, c.urls) << c.value;
    EXPECT_EQ(r.hangingComma, c.hanging) << c.value;
  }
  // A hanging comma becomes a warning with its position.
  auto d = settings({"checkImages", "htmlValidationEnabled"});
  auto p = parse("<body>\n<img srcset=\"/a.png 1x,\">", *d);
  ASSERT_TRUE(p);
  EXPECT_EQ(urls(*p), Strings{"/a.png"});
  ASSERT_TRUE(p->getWarnings());
  // The structure checks of the fragment follow it.
  EXPECT_EQ(p->getWarnings()->front(),
            "srcset value has a hanging comma (empty image-candidate string) within "
            "srcset at line 2/31.");
  // Warnings are kept only with validation switched on.
  auto quiet = settings({"checkImages"});
  EXPECT_FALSE(parse("<img srcset=\"/a.png 1x,\">", *quiet)->getWarnings());
}

TEST(InlineStyle, UrlReferences) {
  const std::pair<const char*, std::optional<Strings>> cases[] = {
      {"background:url(/bg.png) no-repeat", Strings{"/bg.png"}}, {"color:red", std::nullopt},
      {"fill:url(#grad)", std::nullopt}, {"fill:url('%23grad')", std::nullopt},
      {"behavior:url(/x.htc)", std::nullopt}, {"background:URL('/a.png')", Strings{"/a.png"}},
      {"background:url(/a.png), url(/b.png)", Strings{"/a.png", "/b.png"}},
      {"background:url(a)url(b)", Strings{"a", "b"}},
      {"background:url( \"/q.png\" )", Strings{"/q.png"}},
      {"background:url(/open", std::nullopt}, {"background:url(", std::nullopt},
      {"background:url()", std::nullopt},
  };
  for (const auto& [css, want] : cases) EXPECT_EQ(extractURLsFromInlineStyles(css), want) << css;

  auto r = firstURLOccurrenceInStyleSheetSource("x url(/a) url(/b)", 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->location, 6u);
  EXPECT_EQ(r->length, 2u);
  r = firstURLOccurrenceInStyleSheetSource("x url(/a) url(/b)", 3);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->location, 14u);
  EXPECT_FALSE(firstURLOccurrenceInStyleSheetSource("url(/a)", 6));
  EXPECT_TRUE(arrayContainsString({"a", "b"}, "b"));
  EXPECT_FALSE(arrayContainsString({"a", "b"}, "B"));
}

}  // namespace
}  // namespace zel::testing
