// Meta refresh detection and the refresh target.
#include <gtest/gtest.h>

#include "parser/meta_refresh.h"
#include "parser_test_util.h"

namespace zel::testing {
namespace {

std::string page(const std::string& head, const std::string& body = "<p>moved</p>") {
  return "<html><head>" + head + "<title>Moved page</title></head><body>" + body + "</body></html>";
}

TEST(MetaRefresh, DetectionAndTarget) {
  struct {
    const char* name;
    std::string html;
    std::optional<std::string> target;  // nullopt: not a refresh page
  } cases[] = {
      {"plain", page("<meta http-equiv=\"refresh\" content=\"0; url=/next\">"), "/next"},
      {"upper URL=", page("<meta http-equiv=\"refresh\" content=\"0; URL=/next\">"), "/next"},
      {"single quotes around", page("<meta http-equiv=\"refresh\" content=\"0; url='/next'\">"),
       "/next"},
      {"space kept", page("<meta http-equiv=\"refresh\" content=\"0; url= /next\">"), " /next"},
      {"query keeps its =", page("<meta http-equiv=\"refresh\" content=\"3;url=/n?a=b\">"),
       "/n?a=b"},
      {"single-quoted content", page("<meta http-equiv='refresh' content='0;url=/sq'>"), "/sq"},
      {"upper case tag",
       page("<META HTTP-EQUIV=\"Refresh\" CONTENT=\"0;URL=/x\">"), "/x"},
      {"no = in content", page("<meta http-equiv=\"refresh\" content=\"5\">"), std::nullopt},
      {"inside a comment", page("<!-- <meta http-equiv=\"refresh\" content=\"0; url=/c\"> -->"),
       std::nullopt},
      {"after an unclosed comment",
       "<html><head><!-- <meta http-equiv=\"refresh\" content=\"0; url=/u\"><title>t</title>",
       "/u"},
      {"different tags",
       page("<meta http-equiv=\"content-type\" content=\"text/html\"><meta name=\"refresh\" "
            "content=\"0; url=/d\">"),
       std::nullopt},
      {"only after the body", page("", "<meta http-equiv=\"refresh\" content=\"0; url=/b\">"),
       std::nullopt},
      {"too short", "<meta http-equiv=refresh content='0;url=/s'>", std::nullopt},
      {"not UTF-8", page("<meta http-equiv=\"refresh\" content=\"0; url=/caf\xe9\">"),
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(pageIsMetaRefresh(c.html), c.target.has_value());
    if (c.target) {
      EXPECT_EQ(pullOutMetaRefreshUrl(c.html), c.target);
    }
  }
  EXPECT_FALSE(pullOutMetaRefreshUrl("<meta name=x>"));                       // no refresh
  EXPECT_FALSE(pullOutMetaRefreshUrl("<meta http-equiv=refresh>"));           // no content
  EXPECT_FALSE(pullOutMetaRefreshUrl("<meta http-equiv=refresh content=0>"));  // no quote
  // The value runs to the end of the text when its quote never closes.
  EXPECT_EQ(pullOutMetaRefreshUrl("<meta http-equiv=refresh content=\"0;url=/open"), "/open");
  // A position inside a comment.
  std::string d = "ab<!-- c -->d<!-- e";
  EXPECT_FALSE(metaRefreshURLat(0, d));
  EXPECT_TRUE(metaRefreshURLat(7, d));    // inside the first comment
  EXPECT_FALSE(metaRefreshURLat(12, d));  // between the comments
  EXPECT_FALSE(metaRefreshURLat(17, d));  // after an unclosed "<!--"
  EXPECT_FALSE(metaRefreshURLat(3, "no comments here"));
}

// A refresh page offers only its trimmed target, needs no link markers and has no page facts.
TEST(MetaRefresh, ParserOffersTheTrimmedTarget) {
  auto d = settings();
  auto r = ZelParser::initWithData(fixture("refresh.html"), false, false, encoding::kUTF8, 0, *d,
                                   nullptr);
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->isMetaRefresh());
  EXPECT_EQ(r->getNextHref(), "/moved-here");
  EXPECT_FALSE(r->getNextHref());
  auto p = parse(page("<meta http-equiv=\"refresh\" content=\"0; url= /next \">",
                      "<a href=\"/other\">other</a>"),
                 *d, /*seo=*/true);
  ASSERT_TRUE(p);
  ASSERT_TRUE(p->isMetaRefresh());
  EXPECT_EQ(p->getNextHref(), "/next");
  EXPECT_FALSE(p->getNextHref());
  EXPECT_EQ(p->getTitle(), "");
  EXPECT_EQ(p->getTextContent(), "");
  EXPECT_EQ(p->getWordCount(), 0);
  EXPECT_FALSE(p->getMetaData());
  // An undecodable refresh makes an ordinary page.
  auto q = parse(page("<meta http-equiv=\"refresh\" content=\"5\">", "<a href=\"/a\">a</a>"), *d);
  EXPECT_FALSE(q->isMetaRefresh());
  EXPECT_EQ(urls(*q), std::vector<std::string>{"/a"});
}

}  // namespace
}  // namespace zel::testing
