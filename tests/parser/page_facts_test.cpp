// Page facts of the scan: title, meta tags, robots directives, page text and its
// settings, headings, names, keyword stuffing, spelling.
#include <gtest/gtest.h>

#include <set>

#include "parser_test_util.h"

namespace zel::testing {
namespace {

using Strings = std::vector<std::string>;

// The page text with runs of spaces closed up, for comparing words and order.
std::string squeezed(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(c);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

TEST(PageFacts, FixturePage) {
  auto d = settings({"dontTrimHash"});
  d->setInteger("headingLevelMax", 6);
  auto p = parse(fixture("facts.html"), *d, true);
  ASSERT_TRUE(p);
  // Entities resolved; a line break inside the title is dropped.
  EXPECT_EQ(p->getTitle(), "Fish & Chips Shop");
  ASSERT_TRUE(p->getMetaData());
  std::vector<MetaTag> expected = {
      {{"name", "description"}, {"content", "Cheap & good"}},
      {{"name", "robots"}, {"content", "NOINDEX, follow"}},
      {{"property", "og:image"}, {"content", "https://www.example.com/img/shop.jpg"}},
      {{"itemprop", "name"}, {"content", "The Shop"}},
  };
  // The charset and viewport tags have no content; the body's meta tag is not examined.
  EXPECT_EQ(*p->getMetaData(), expected);
  EXPECT_TRUE(p->getHeadContainsNoindex());
  EXPECT_FALSE(p->getHeadContainsNofollow());
  ASSERT_TRUE(p->getHeadings());
  EXPECT_EQ(*p->getHeadings(), (Strings{"Our   Shop", "\t\tPrices"}));
  ASSERT_TRUE(p->getNames());
  EXPECT_EQ(*p->getNames(), (Strings{"top", "menu", "prices"}));
  // Scripts, styles, comments and the head stay out; capture stops at the first
  // paragraph end, and headings are captured regardless. Every tag end is a space.
  EXPECT_EQ(squeezed(p->getTextContent()),
            "Home Menu Our Shop Fresh fish every day. Prices Chips are extra .");
  EXPECT_EQ(p->getWordCount(), 13);
  EXPECT_EQ(p->getLength(), static_cast<int64_t>(fixture("facts.html").size()));
  EXPECT_EQ(p->getFileSize(), p->getLength());
}

TEST(PageFacts, TitleCases) {
  auto d = settings();
  const std::pair<const char*, const char*> cases[] = {
      {"<title>Home</title><body>", "Home"},
      {"<TITLE lang=en>A &lt;b&gt; &#233;t&eacute;</TITLE><body>", "A <b> été"},
      {"<title>One</title><title>Two</title><body>", "OneTwo"},
      // No whitespace allowed after '<'; a title in the body is not the page's.
      {"< title>No</title><body>", ""},
      {"<head></head><body><title>Late</title>", ""},
      // Without a body tag the head pass reads the whole page.
      {"<p>x</p><title>Anywhere</title>", "Anywhere"},
  };
  for (const auto& [html, title] : cases) {
    auto p = parse(html, *d);
    ASSERT_TRUE(p) << html;
    EXPECT_EQ(p->getTitle(), title) << html;
  }
}

// Meta tags need an SEO scan and a place in the head; their addresses become links when asked.
TEST(PageFacts, MetaTagsAndTheirAddresses) {
  auto plain = settings();
  const std::string tags =
      "<head><meta name=description content=\"Cheap &amp; good\">"
      "<meta name=\"\" property=\"og:title\" content='T'>"
      "<meta name=\"keywords\"></head><body><meta name=\"late\" content=\"x\">";
  auto on = parse(tags, *plain, true);
  ASSERT_TRUE(on->getMetaData());
  EXPECT_EQ(*on->getMetaData(),
            (std::vector<MetaTag>{{{"name", "description"}, {"content", "Cheap & good"}},
                                  {{"property", "og:title"}, {"content", "T"}}}));
  auto off = parse(tags, *plain, false);
  ASSERT_TRUE(off->getMetaData());
  EXPECT_TRUE(off->getMetaData()->empty());

  const std::string html =
      "<head><meta property=\"og:image\" content=\"https://example.com/i.jpg\">"
      "<meta name=\"twitter:image\" content=\"/relative.jpg\">"
      "<meta itemprop=\"image\" content=\"http://a.b/c\"></head><body>";
  auto d = settings({"searchMetaDataForURLs", "linkedFiles"});
  auto p = parse(html, *d, true);
  EXPECT_EQ(links(*p), (std::vector<Link>{
                           {"https://example.com/i.jpg", "[meta tag: property=og:image]", "", "",
                            "", 1},
                           {"http://a.b/c", "[meta tag: itemprop=image]", "", "", "", 1},
                       }));
  // Not without both settings, nor outside an SEO scan.
  EXPECT_TRUE(urls(*parse(html, *d, false)).empty());
  auto withoutLinkedFiles = settings({"searchMetaDataForURLs"});
  EXPECT_TRUE(urls(*parse(html, *withoutLinkedFiles, true)).empty());
  auto notAsked = settings({"linkedFiles"});
  EXPECT_TRUE(urls(*parse(html, *notAsked, true)).empty());
}

TEST(PageFacts, RobotsDirectives) {
  auto d = settings();
  struct {
    const char* head;
    bool noindex, nofollow;
  } cases[] = {
      {"<meta name=\"robots\" content=\"NOINDEX, follow\">", true, false},
      {"<meta name=\"googlebot\" content=\"nofollow\">", false, true},
      {"<meta name=robots content=noindex,nofollow>", true, true},
      {"<META CONTENT=\"NoIndex NoFollow\" NAME=\"ROBOTS\">", true, true},
      {"<meta name=\"robots\" content=\"index, follow\">", false, false},
      {"<meta name=\"robots\" content=\"no index\">", false, false},
      // The letters must stand in a row inside a meta tag of the head.
      {"<link rel=\"nofollow\" href=\"/x\"><!-- <meta content=noindex> -->", false, false},
  };
  for (const auto& c : cases) {
    for (bool seo : {false, true}) {
      auto p = parse(std::string("<head>") + c.head + "</head><body>x", *d, seo);
      EXPECT_EQ(p->getHeadContainsNoindex(), c.noindex) << c.head;
      EXPECT_EQ(p->getHeadContainsNofollow(), c.nofollow) << c.head;
    }
  }
  auto body = parse("<body><meta name=robots content=\"noindex,nofollow\">", *d, true);
  EXPECT_FALSE(body->getHeadContainsNoindex());
  EXPECT_FALSE(body->getHeadContainsNofollow());
}

TEST(PageFacts, PageTextAndItsSettings) {
  const std::string page =
      "<body>Intro<header>Head</header><nav>Links</nav>"
      "<p>Para <img src=\"/i.png\" alt=\"Picture\"> one</p>"
      "<footer>Foot</footer><p>Two\n\n   lines</p>";
  struct Case {
    std::vector<const char*> on;
    std::string html;
    const char* text;
    int64_t words = -1;  // -1: not checked
    bool consolidate = true;
  };
  const Case cases[] = {
      // Markup, scripts, styles and comments stay out.
      {{},
       "<head><title>T</title></head><body>Alpha<script>var a = '<b>x</b>';</script> Beta "
       "<style>.c{}</style><!-- gamma --><span>Delta</span>&amp;Epsilon",
       "Alpha Beta Delta &Epsilon", 4},
      // A paragraph end switches capture off until the next paragraph starts.
      {{}, "<body><p>One</p>Two<p>Three</p>Four", "One Three", 2},
      {{}, page, "Intro Head Links Para one Two lines"},
      {{"parserContentOnlyParas"}, page, "Para one Two lines"},
      {{"parserContentIgnoreNav"}, page, "Intro Head Para one Two lines"},
      {{"parserContentIgnoreHeader"}, page, "Intro Links Para one Two lines"},
      {{"parserContentIncludeAltText", "parserContentOnlyParas"}, page, "Para Picture one Two lines"},
      // Without consolidation the white space stays (line breaks become spaces, and
      // pairs of spaces are halved once).
      {{"parserContentOnlyParas"}, "<body><p>a\n\n   b</p>", "a   b", -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.html);
    auto d = settings(c.on);
    d->setBool("parserContentConsolidateWhitespace", c.consolidate);
    auto p = parse(c.html, *d);
    EXPECT_EQ(p->getTextContent(), c.text);
    if (c.words >= 0) {
      EXPECT_EQ(p->getWordCount(), c.words);
    }
  }
}

TEST(PageFacts, HeadingsByLevelAndNamesWhenFragmentsAreKept) {
  const std::string page = "<body><h1>A</h1><h3>C</h3><h2> Big   title </h2><h2>  </h2><h6>F</h6>";
  const std::pair<int, std::optional<Strings>> cases[] = {
      {0, std::nullopt},
      {2, Strings{"A", "\tBig   title"}},
      {6, Strings{"A", "\t\tC", "\tBig   title", "\t\t\t\t\tF"}},
  };
  for (const auto& [max, headings] : cases) {
    auto d = settings();
    d->setInteger("headingLevelMax", max);
    EXPECT_EQ(parse(page, *d, true)->getHeadings(), headings) << max;
  }
  // Headings are SEO facts.
  auto d = settings();
  d->setInteger("headingLevelMax", 6);
  EXPECT_FALSE(parse(page, *d, false)->getHeadings());

  // Names and ids are kept only when fragments are.
  const std::string named =
      "<body><a name=\"top\">t</a><div id=top2 class=x><a href=\"#top\" id='link'>l</a>"
      "<p data-id=\"no\" xid=\"no\">p</p><span name=\"no\">s</span>";
  auto off = settings();
  EXPECT_FALSE(parse(named, *off)->getNames());
  auto on = settings({"dontTrimHash"});
  auto p = parse(named, *on);
  ASSERT_TRUE(p->getNames());
  EXPECT_EQ(*p->getNames(), (Strings{"top", "top2", "link"}));
}

std::string repeatedText(const std::string& word, int times, int total) {
  std::string s = "<body>";
  for (int i = 0; i < total; ++i) s += (i < times ? word : "filler" + std::to_string(i)) + " ";
  return s;
}

TEST(PageFacts, KeywordStuffingWordsAndWebAddresses) {
  auto d = settings();
  // 100 pieces and the default 4 percent: the sixth occurrence is one too many.
  EXPECT_FALSE(parse(repeatedText("salmon", 5, 100), *d)->isKeywordStuffed());
  EXPECT_TRUE(parse(repeatedText("salmon", 6, 100), *d)->isKeywordStuffed());
  // Case does not matter; short words and common words do not count.
  EXPECT_TRUE(parse(repeatedText("Salmon SALMON salmon", 2, 98), *d)->isKeywordStuffed());
  EXPECT_FALSE(parse(repeatedText("to", 20, 100), *d)->isKeywordStuffed());
  EXPECT_FALSE(parse(repeatedText("the", 20, 100), *d)->isKeywordStuffed());
  // Punctuation splits pieces too.
  EXPECT_TRUE(parse("<body>cod,cod.cod|cod(cod)cod*cod&cod%cod/cod", *d)->isKeywordStuffed());
  d->setDouble("maxKeywordDensity", 10.0);
  EXPECT_FALSE(parse(repeatedText("salmon", 10, 100), *d)->isKeywordStuffed());
  EXPECT_TRUE(parse(repeatedText("salmon", 12, 100), *d)->isKeywordStuffed());

  EXPECT_EQ(ZelParser::countWords(""), 0);
  EXPECT_EQ(ZelParser::countWords("  one\ttwo\n\nthree  "), 3);
  EXPECT_EQ(ZelParser::countWords("no\u00a0break\u2003em"), 3);
  // Long texts, read sixteen bytes at a time: words and separators of every kind
  // fall on every position of those blocks.
  // Mostly ASCII, with a word or separator of other characters now and then.
  const char* separators[] = {" ", "\t\n", "  ", "\r\n ", "\u00a0", "\u2003"};
  const char* words[] = {"ab", "x", "longerword", "caf\u00e9", "\u65e5\u672c"};
  for (size_t lead = 0; lead < 20; ++lead) {
    std::string text(lead % 3 ? lead : 0, ' ');
    for (int w = 0; w < 60; ++w)
      text.append(words[w % 12 == 11 ? 3 + w % 2 : (w + lead) % 3])
          .append(separators[w % 9 == 8 ? 4 + lead % 2 : (w * 7 + lead) % 4]);
    EXPECT_EQ(ZelParser::countWords(text), 60) << lead;
  }
  const std::pair<const char*, bool> cases[] = {
      {"index.html", true},   {"co-op-shop", true},   {"http://x", true}, {"a:b;c", true},
      {"\u65e5\u672c\u8a9e", true}, {"colour", false}, {"co-op", false},   {"a:b", false},
      {"caf\u00e9", false},
  };
  for (const auto& [word, web] : cases) EXPECT_EQ(ZelParser::isWebAddress(word), web) << word;
}

// Flags the words of a fixed list.
class ListChecker : public SpellChecker {
 public:
  explicit ListChecker(std::set<std::string> bad) : bad_(std::move(bad)) {}
  TextSpan checkSpelling(std::string_view text, size_t from) override {
    TextSpan found;
    forEachWord(text, from, [&](size_t at, size_t n) {
      if (!bad_.count(std::string(text.substr(at, n)))) return true;
      found = {at, n};
      return false;
    });
    return found;
  }

 private:
  std::set<std::string> bad_;
};

TEST(PageFacts, SpellingWalksTheTextAndSkipsAddresses) {
  auto d = settings({"parserContentConsolidateWhitespace"});
  auto p = parse("<body>Teh cat sat on teh mat. See index.html and co-op-shop. Teh end.", *d);
  ListChecker checker({"Teh", "teh", "index.html", "co-op-shop"});
  p->setSpellChecker(&checker);
  EXPECT_EQ(p->getSpellingCount(), 3);
  EXPECT_EQ(p->getAllSpelling(), (Strings{"Teh", "teh"}));
  TextSpan first = p->getFirstSpelling();
  ASSERT_TRUE(first.found());
  EXPECT_EQ(p->getTextContent().substr(first.location, first.length), "Teh");
  TextSpan second = p->getNextSpelling();
  EXPECT_EQ(second.location, p->getTextContent().find("teh"));
  // Moving the cursor back makes the walk repeat from there.
  p->spellingCursorBackTo(first);
  EXPECT_EQ(p->getNextSpelling().location, second.location);
  // The checker here has no grammar service.
  EXPECT_EQ(p->getGrammarCount(), 0);
  EXPECT_FALSE(p->getFirstGrammar().found());
}

TEST(PageFacts, HunspellFindsMisspeltWords) {
  std::unique_ptr<SpellChecker> en = makeHunspellChecker("en_US");
  if (!en) GTEST_SKIP() << "hunspell or its en_US dictionary is not installed";
  const std::string text =
      "The quikc brown fox\u2019s den ('/' and '-'), at www.example.com, in 2024; colour.";
  TextSpan a = en->checkSpelling(text, 0);
  ASSERT_TRUE(a.found());
  EXPECT_EQ(text.substr(a.location, a.length), "quikc");
  TextSpan b = en->checkSpelling(text, a.end());
  ASSERT_TRUE(b.found());
  EXPECT_EQ(text.substr(b.location, b.length), "www.example.com");
  TextSpan c = en->checkSpelling(text, b.end());
  ASSERT_TRUE(c.found());
  EXPECT_EQ(text.substr(c.location, c.length), "colour");
  EXPECT_FALSE(en->checkSpelling(text, c.end()).found());

  auto d = settings();
  auto p = parse("<body>The quikc brown fox visits www.example.com daily.", *d);
  p->setSpellChecker(en.get());
  EXPECT_EQ(p->getSpellingCount(), 1);  // the address is not a misspelling
  EXPECT_EQ(makeHunspellChecker("xx_NONE"), nullptr);
}

// One sentence of word salad among good ones; a heading and a short caption are
// too short to be judged.
TEST(PageFacts, LinkGrammarFindsASentenceWithNoCompleteLinkage) {
  std::unique_ptr<SpellChecker> en = makeLinkGrammarChecker("en");
  ASSERT_NE(en, nullptr) << "scripts/install-deps installs link-grammar's English dictionary";
  const std::string broken = "Green the dog table quickly of yesterday runs.";
  auto d = settings();
  auto p = parse("<body><h1>Opening hours</h1><p>The cat sat on the mat. " + broken +
                     " We walked to the shop with our friends.</p><p>Fresh bread</p>",
                 *d);
  p->setSpellChecker(en.get());
  EXPECT_EQ(p->getGrammarCount(), 1);
  const TextSpan found = p->getFirstGrammar();
  ASSERT_TRUE(found.found());
  EXPECT_EQ(p->getTextContent().substr(found.location, found.length), broken);
  ASSERT_TRUE(p->getGrammarDetails());
  EXPECT_FALSE(p->getNextGrammar().found());
  EXPECT_EQ(makeLinkGrammarChecker("xx"), nullptr);
}

}  // namespace
}  // namespace zel::testing
