// The HTML link scanner: constructs, order, link texts, settings, caps, lines.
#include <gtest/gtest.h>

#include "parser_test_util.h"

namespace zel::testing {
namespace {

using Links = std::vector<Link>;
using Strings = std::vector<std::string>;

Link L(std::string url, std::string text, std::optional<int> line, std::string rel = "",
       std::string target = "", std::string hreflang = "") {
  return Link{std::move(url), std::move(text), std::move(rel), std::move(target),
              std::move(hreflang), line};
}

TEST(Scanner, EveryConstructInDocumentOrderOnlyWhenAsked) {
  auto d = settings({"checkImages", "linkedFiles", "formActions", "lookForLazyLoadImageURLs",
                     "searchMetaDataForURLs"});
  auto p = parse(fixture("constructs.html"), *d, /*seo=*/true);
  ASSERT_TRUE(p);
  Links expected = {
      L("/css/site.css", "[linked file]", 5, "stylesheet"),
      L("/js/head.js", "[linked file]", 8),
      L("https://example.com/og.png", "[meta tag: property=og:image]", 9),
      L("/plain", "Plain link", 13),
      L("/upper", "Upper case", 14, "nofollow", "_blank"),
      L("/unquoted", "Unquoted", 15),
      L("/fr", "Fran\u00e7ais", 16, "alternate", "", "fr"),
      L("/logo.png", "[alt]: Logo", std::nullopt),
      L("/img-link", "", 17),
      L("/solo.png", "", 18),
      L("/set.png", "[alt]: Set", 19),
      L("/set-1x.png", "[alt]: Set", 19),
      L("/set-2x.png", "[alt]: Set", 19),
      L("/area", "Area alt", 20),
      L("/frame.html", "[iFrame]", 21),
      L("/movie.swf", "", 22),
      L("/submit", "form action", 23),
      L("/clip.mp4", "[audio/video]", std::nullopt),
      L("/bg.png", "[inline style url]", 25),
      L("/lazy.png", "[alt]: Lazy", 26),
      L("/placeholder.gif", "[alt]: Lazy", 26),
      L("https://example.com/meta-url", "[meta tag: property=url]", 27),
      L("/font.woff2", "[linked file]", 28, "preload"),
      L("/js/body.js", "[linked file]", 29),
      L("/last?a=1&b=2", "Entities & more", 30),
  };
  EXPECT_EQ(links(*p), expected);
  EXPECT_EQ(p->getCanonical(), "https://example.com/constructs");
  EXPECT_EQ(p->getBaseHref(), "/base/");
  EXPECT_EQ(p->getLength(), static_cast<int64_t>(fixture("constructs.html").size()));
  // With those settings off: no images, sources, inline styles, linked files, forms or meta tags.
  auto off = settings();
  p = parse(fixture("constructs.html"), *off, /*seo=*/true);
  ASSERT_TRUE(p);
  EXPECT_EQ(urls(*p), (Strings{"/plain", "/upper", "/unquoted", "/fr", "/img-link", "/area",
                               "/frame.html", "/movie.swf", "/last?a=1&b=2"}));
}

TEST(Scanner, EachSettingAddsItsOwnKind) {
  const char* files =
      "<head><link rel=stylesheet href=/s.css><script src=/h.js></script></head>"
      "<body><form action=/f method=get></form><a href=/a>a</a>";
  const char* quoted = "<a href=\" '/t' \">t</a>";
  struct Case {
    std::vector<const char*> on;
    const char* html;
    Strings urls;
    std::vector<const char*> off = {};
  };
  const Case cases[] = {
      {{"linkedFiles", "formActions"}, files, {"/s.css", "/h.js", "/f", "/a"}},
      {{"checkImages"}, "<img data-src=\"/lazy.png\" src=\"/p.gif\">", {"/p.gif"}},
      // White space around a value goes when it is decoded; quotes go only here.
      {{"trimWhitespace"}, quoted, {"/t"}},
      {{}, quoted, {"'/t'"}, {"trimWhitespace"}},
  };
  for (const Case& c : cases) {
    auto d = settings(c.on);
    for (const char* k : c.off) d->setBool(k, false);
    EXPECT_EQ(urls(*parse(c.html, *d)), c.urls) << c.html;
  }
}

// Small pages and what they must yield (all settings that add links switched on).
TEST(Scanner, Snippets) {
  const struct {
    const char* name;
    const char* html;
    Links expected;
  } cases[] = {
      {"AnchorNeedsWhitespaceAfterName", "<a>no</a><a\nhref=\"/y\">yes</a>", {L("/y", "yes", 2)}},
      {"WhitespaceAfterLessThan", "< a href='/sp'>sp</ a >", {L("/sp", "sp", 1)}},
      {"DataAttributesAreNotLinks", "<a data-href=\"/no\" href=\"/yes\">t</a>",
       {L("/yes", "t", 1)}},
      {"HrefMustBeWordInitial", "<a xhref=\"/no\" class=\"c\"href=\"/no2\">t</a>", {}},
      {"ScriptConcatenationDropped", "<a href='\"/a\" + \"b\"'>js</a><a href=\"/ok\">ok</a>",
       {L("/ok", "ok", 1)}},
      {"ImageInAnchorWithoutAltGetsMarker", "<a href=\"/p\"><img src=\"/i.png\">Text</a>",
       {L("/i.png", "[alt]:", std::nullopt), L("/p", "Text", 1)}},
      {"AnchorWithoutHrefKeepsItsImage", "<a name=\"n\"><img src=\"/only.png\" alt=\"Only\"></a>",
       {L("/only.png", "[alt]: Only", 1)}},
      {"LinkTextSpansInlineTags", "<a href=\"/t\"><b>Bold</b> and <i>it</i></a>",
       {L("/t", "Bold and it", 1)}},
      {"LinkTextLosesLineBreaks", "<a href=\"/t\">two\nlines</a>", {L("/t", "twolines", 1)}},
      {"EntitiesInUrlsAndText", "<a href=\"/a?x=1&amp;y=&#50;\">&lt;b&gt; &eacute;</a>",
       {L("/a?x=1&y=2", "<b> \u00e9", 1)}},
      {"UnquotedValueEndsAtSpaceOnly", "<a href=/u target=_top>u</a>",
       {L("/u", "u", 1, "", "_top")}},
      {"SingleQuotedValueKeepsDoubleQuotes", "<a href='/q\"x'>q</a>", {L("/q\"x", "q", 1)}},
      {"QuotedHrefCutAtGreaterThan", "<a href=\"/cut>rest\">t</a>", {L("/cut", "rest\"t", 1)}},
      {"AreaAltBecomesLinkText", "<area href=\"/ar\" alt=\"Region\"><area href=\"/b\">",
       {L("/ar", "Region", 1), L("/b", "", 1)}},
      {"IframeAndFrame", "<iframe src=\"/f\"></iframe><frame src=\"/g\"><frameset src=\"/no\">",
       {L("/f", "[iFrame]", 1), L("/g", "", 1)}},
      {"FormActionNeedsWhitespaceAfterName", "<form action=\"/s\"></form><form>x</form>",
       {L("/s", "form action", 1)}},
      {"SrcsetWithoutDescriptors", "<img srcset=\"/a.png, /b.png 2x\">",
       {L("/a.png", "", 1), L("/b.png", "", 1)}},
      {"SourceNeedsNoSpaceAfterLessThan", "<source src=\"/v.mp4\">< source src=\"/no.mp4\">",
       {L("/v.mp4", "[audio/video]", std::nullopt)}},
      {"SourceSrcsetIsSplit", "<picture><source srcset=\"/s1.webp 1x, /s2.webp 2x\"></picture>",
       {L("/s1.webp", "[audio/video]", std::nullopt),
        L("/s2.webp", "[audio/video]", std::nullopt)}},
      {"LazyLoadAttributes",
       "<img data-original=\"/o.png\"><img data-orig-src=\"/os.png\">"
       "<img data-srcset=\"/l1.png 1x, /l2.png 2x\"><img data-other=\"/no.png\">",
       {L("/o.png", "", 1), L("/os.png", "", 1), L("/l1.png", "", 1), L("/l2.png", "", 1)}},
      {"InlineStylesGiveOneEntryEach",
       "<a href=\"/x\"><span style=\"background:url(/a.png), url('/b.png'); fill:url(#g)\">"
       "t</span></a>",
       {L("/a.png", "[inline style url]", 1), L("/b.png", "[inline style url]", 1),
        L("/x", "t", 1)}},
      {"NestedAnchorClosesTheFirst", "<a href=\"/a\">one<a href=\"/b\">two</a>",
       {L("/a", "one", 1), L("/b", "two", 1)}},
      {"BlockElementInterruptsAnchor", "<a href=\"/a\">before<iframe src=\"/f\"></iframe>after</a>",
       {L("/a", "before", 1), L("/f", "[iFrame]", 1)}},
      {"ExtraClosingAnchorIsHarmless", "</a><a href=\"/z\">z</a></a>", {L("/z", "z", 1)}},
      {"EscapedScriptEndInsideString",
       "<body><script>s='<\\/script><a href=\"/no\">';</script><a href=\"/yes\">y</a>",
       {L("/yes", "y", 1)}},
      {"StyleElementHidesMarkup",
       "<body><style>/* <a href=\"/no\">x</a> */</style><a href=/y>y</a>",
       {L("/y", "y", 1)}},
      {"EmptyCommentEndsAtOnce", "<body><!--><a href=\"/y\">y</a>", {L("/y", "y", 1)}},
      {"UnclosedCommentHidesTheRest", "<body><a href=\"/a\">a</a><!-- <a href=\"/b\">b</a>",
       {L("/a", "a", 1)}},
      {"UnterminatedTagsEndCleanly", "<body><a href=\"/a\">a</a><a href=\"/b", {L("/a", "a", 1)}},
      {"BodyLinkTagClosesAtItsHref",
       "<body><link href=\"/l.css\" rel=\"stylesheet\"><a href=/a>a</a>",
       {L("/l.css", "[linked file]", 1), L("/a", "a", 1)}},
      {"AnchorOpenAtTheEndIsKept", "<body><p><a href=\"/x\">text</p>", {L("/x", "text", 1)}},
      {"HeadScriptWrittenEmptyStaysOpen",
       "<head><script src=\"/a.js\"/><link href=\"/no.css\"></script></head><body><a href=/y>y</a>",
       {L("/a.js", "[linked file]", 1), L("/y", "y", 1)}},
      {"HrefWithBackslashEscapes", "<a href=\"http:\\/\\/host\\/p%5C/q\">e</a>",
       {L("http://host/p/q", "e", 1)}},
      // CR LF counts once, LF LF twice, LF CR twice, a lone CR once.
      {"LineBreaksCountedOnce",
       "a\r\n<a href=/2>x</a>\n\n<a href=/4>x</a>\n\r<a href=/6>x</a>\r<a href=/7>x</a>",
       {L("/2", "x", 2), L("/4", "x", 4), L("/6", "x", 6), L("/7", "x", 7)}},
  };
  auto d = settings({"checkImages", "linkedFiles", "formActions", "lookForLazyLoadImageURLs"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = parse(c.html, *d);
    ASSERT_TRUE(p);
    EXPECT_EQ(links(*p), c.expected);
  }
}

TEST(Scanner, AggressiveSrcSearchJoinsTheOpenEntry) {
  const char* html =
      "<body><video src=\"/v.mp4\"></video><a href=\"/a\">a</a>"
      "<!-- <img src=\"/old.png\"> --><a href=\"/b\">b</a>";
  auto plain = settings();
  auto p = parse(html, *plain);
  EXPECT_EQ(urls(*p), (Strings{"/a", "/b"}));
  auto aggressive = settings({"aggressiveSRCSearch"});
  p = parse(html, *aggressive);
  // Not closed on their own: each src rides with the next entry that closes.
  EXPECT_EQ(links(*p), (Links{L("/v.mp4", "a", 1), L("/a", "a", 1), L("/old.png", "b", 1),
                              L("/b", "b", 1)}));
}

TEST(Scanner, CanonicalInEitherAttributeOrderAndBase) {
  auto d = settings({"linkedFiles"});
  for (const char* head : {"<link rel=\"canonical\" href=\"/c\">", "<link href=\"/c\" rel=canonical>",
                           "<LINK REL=CANONICAL HREF=/c>"}) {
    std::string html = std::string("<head>") + head + "</head><body><a href=/a>a</a>";
    auto p = parse(html, *d);
    ASSERT_TRUE(p) << head;
    EXPECT_EQ(p->getCanonical(), "/c") << head;
    EXPECT_EQ(urls(*p), (Strings{"/a"})) << head;
    EXPECT_FALSE(p->getBaseHref()) << head;
  }
  // The first canonical wins; a later one is an ordinary linked file.
  auto p = parse("<link rel=canonical href=/first><link rel=canonical href=/second><base "
                 "href=\"/b/\"><body>",
                 *d);
  EXPECT_EQ(p->getCanonical(), "/first");
  EXPECT_EQ(p->getBaseHref(), "/b/");
  EXPECT_EQ(links(*p), (Links{L("/second", "[linked file]", 1, "canonical")}));
}

// Fixture pages: a frameset; comments, scripts and styles that hide markup; a
// page without a body tag (the head's link tag comes from the head pass, what
// follows the head from the body pass, in order, with its own line numbers); a
// fragment.
TEST(Scanner, FixturePages) {
  const struct {
    const char* file;
    std::vector<const char*> on;
    Links expected;
  } cases[] = {
      {"frameset.html",
       {},
       {L("/left.html", "", 4), L("/right.html", "", 5), L("/third.html", "", 7)}},
      {"hidden.html",
       {"checkImages", "linkedFiles"},
       {L("/before", "Before", 13), L("/noscript", "No script", 22),
        L("/self-closed.js", "[linked file]", 23), L("/after-self-closed", "After", 24),
        L("/between", "Between", 25), L("/last", "Last", 26)}},
      {"no_body.html",
       {"linkedFiles"},
       {L("/head.css", "[linked file]", 4, "stylesheet"), L("/one", "One", 7),
        L("/late.css", "[linked file]", 8, "stylesheet"), L("/two", "Two", 9)}},
      {"fragment.html", {"checkImages"}, {L("/x", "X", 2), L("/y.png", "[alt]: Y", 3)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto d = settings(c.on);
    auto p = parse(fixture(c.file), *d);
    ASSERT_TRUE(p);
    EXPECT_EQ(links(*p), c.expected);
  }
  // Meta tags are read by the head pass only; those after the head stay too.
  auto meta = settings({"linkedFiles", "searchMetaDataForURLs"});
  auto m = parse("<html><head><title>t</title></head><meta property=\"og:image\" "
                 "content=\"https://example.com/og.png\"><a href=\"/a\">a</a></html>",
                 *meta, true);
  ASSERT_TRUE(m);
  EXPECT_EQ(urls(*m), (Strings{"https://example.com/og.png", "/a"}));
}

TEST(Scanner, CapsCutLongValuesButNeverACharacter) {
  auto d = settings({"checkImages"});
  std::string longUrl = "/" + std::string(6000, 'u');
  std::string longText(1500, 't');
  std::string longLang(150, 'l');
  std::string longAlt(1200, 'a');
  std::string html = "<a href=\"" + longUrl + "\" hreflang=\"" + longLang + "\" target=\"" +
                     std::string(1100, 'g') + "\">" + longText + "</a><img src=x alt=\"" + longAlt +
                     "\">";
  // The cap falls inside the first é.
  html += "<a href=/c>" + std::string(997, 'x') + "\u00e9\u00e9</a>";
  auto p = parse(html, *d);
  auto all = links(*p);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].url, longUrl.substr(0, 4998));
  EXPECT_EQ(all[0].text, longText.substr(0, 998));
  EXPECT_EQ(all[0].hreflang, longLang.substr(0, 98));
  EXPECT_EQ(all[0].target.size(), 998u);
  EXPECT_EQ(all[1].text, "[alt]: " + longAlt.substr(0, 998));
  EXPECT_EQ(all[2].text, std::string(997, 'x'));
}

TEST(Scanner, GettersOutsideTheCollectionAndNoParserWithoutLinkMarkers) {
  auto d = settings();
  auto p = parse("<a href=/only>only</a>", *d);
  // Before the first getNextHref the cursor is on the first entry.
  EXPECT_EQ(p->getLinkText(), "only");
  ASSERT_EQ(p->getNextHref(), "/only");
  EXPECT_EQ(p->getRel(), "");
  EXPECT_EQ(p->getTargetAttr(), "");
  EXPECT_EQ(p->getHreflang(), "");
  EXPECT_FALSE(p->getNextHref());
  EXPECT_EQ(p->getLinkText(), "");
  EXPECT_FALSE(p->getLineNumber());
  EXPECT_FALSE(p->getNextHref());
  // No parser without data, or without link markers unless forced.
  EXPECT_FALSE(ZelParser::initWithData("", false, false, encoding::kUTF8, 0, true, *d, nullptr));
  EXPECT_FALSE(ZelParser::initWithData("just text", false, false, encoding::kUTF8, 0, *d, nullptr));
  EXPECT_TRUE(ZelParser::initWithData("just text", false, false, encoding::kUTF8, 0, true, *d,
                                      nullptr));
  // The quick test is an exact byte search: "<A" only counts when "<a" is absent.
  for (const char* page : {"<a href=x>", "<A HREF=x>", "<frameset>", "<IMG src=x>"})
    EXPECT_TRUE(ZelParser::initWithData(page, false, false, encoding::kUTF8, 0, *d, nullptr))
        << page;
  EXPECT_FALSE(ZelParser::initWithData("<abbr title=x>Href</abbr>", false, false,
                                       encoding::kUTF8, 0, *d, nullptr));
}

}  // namespace
}  // namespace zel::testing
