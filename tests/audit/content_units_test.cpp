// The content analyses' parts: the CSS translator, PageRank on graphs worked by
// hand, field extraction and the near-duplicate search.
#include <gtest/gtest.h>

#include "audit/css_to_xpath.h"
#include "audit/field_extractor.h"
#include "audit/min_hash.h"
#include "audit/page_rank.h"
#include "audit/readability.h"
#include "audit/text_units.h"

namespace zel::audit {
namespace {

TEST(CssToXpath, TranslatesTheSelectorsItKnowsAndNamesWhatItDoesNot) {
  const struct {
    const char* css;
    const char* xpath;  // nullptr: an error that contains `error`
    const char* error;
  } kCases[] = {
      {"span", "//span", nullptr},
      {"*", "//*", nullptr},
      {"#main", "//*[@id='main']", nullptr},
      {"DIV.a.b",
       "//div[contains(concat(' ',normalize-space(@class),' '),' a ')]"
       "[contains(concat(' ',normalize-space(@class),' '),' b ')]",
       nullptr},
      {"ul > li:first-child", "//ul/li[not(preceding-sibling::*)]", nullptr},
      {"tr td:nth-child(3)", "//tr//td[count(preceding-sibling::*)=2]", nullptr},
      {"h1 + p", "//h1/following-sibling::*[1][self::p]", nullptr},
      {"h1 ~ p", "//h1/following-sibling::p", nullptr},
      {"a[href]", "//a[@href]", nullptr},
      {"a[rel=\"it's\"]", "//a[@rel=\"it's\"]", nullptr},
      {"a[href^=http]", "//a[starts-with(@href,'http')]", nullptr},
      {"a[href$='.pdf']",
       "//a[substring(@href,string-length(@href)-string-length('.pdf')+1)='.pdf']", nullptr},
      {"a[href*=shop]", "//a[contains(@href,'shop')]", nullptr},
      {"a[rel~=author]", "//a[contains(concat(' ',normalize-space(@rel),' '),' author ')]",
       nullptr},
      {"h1, h2", "//h1 | //h2", nullptr},
      {"a:hover", nullptr, "\":hover\" is not understood"},
      {"li:nth-child(2n+1)", nullptr, ":nth-child takes a whole number"},
      {"a[href|=en]", nullptr, "\"|\" at position 7 is not understood"},
      {"a >", nullptr, "nothing after it"},
      {"", nullptr, "an empty selector"},
      {"a[href", nullptr, "not closed"},
      {"a::attr(href) b", nullptr, "must end the selector"},
      {"-x", nullptr, "\"-x\" at position 1 is not understood"},  // no XPath name
      {"a[1x]", nullptr, "an attribute test needs a name"},
  };
  for (const auto& c : kCases) {
    CssTranslation t;
    const Status s = cssToXpath(c.css, t);
    if (c.xpath) {
      EXPECT_TRUE(s.ok()) << c.css << ": " << s.message();
      EXPECT_EQ(t.xpath, c.xpath) << c.css;
    } else {
      EXPECT_FALSE(s.ok()) << c.css;
      EXPECT_NE(s.message().find(c.error), std::string::npos) << c.css << ": " << s.message();
    }
  }
  CssTranslation t;
  ASSERT_TRUE(cssToXpath("a.x::attr(HREF)", t).ok());
  EXPECT_EQ(t.attribute, "href");
}

TEST(PageRank, MatchesValuesWorkedByHand) {
  const struct {
    uint32_t pages;
    std::vector<std::pair<uint32_t, uint32_t>> links;
    std::vector<double> values;
  } kCases[] = {
      // Two pages linking to each other: symmetric.
      {2, {{0, 1}, {1, 0}}, {0.5, 0.5}},
      // B links nowhere and spreads its value: a = 0.075 + 0.425 b, a + b = 1.
      {2, {{0, 1}}, {0.5 / 1.425, 1 - 0.5 / 1.425}},
      // A->B, A->C, B->C, C->A (a link given twice counts once, a self-link not at all):
      // a = 0.05 + 0.85 c, b = 0.05 + 0.425 a, c = 0.05 + 0.425 a + 0.85 b.
      {3, {{0, 1}, {0, 2}, {1, 2}, {2, 0}, {2, 0}, {1, 1}}, {0.387790, 0.214811, 0.397399}},
  };
  for (const auto& c : kCases) {
    const std::vector<double> v = pageRank(LinkGraph::fromPairs(c.pages, c.links));
    ASSERT_EQ(v.size(), c.values.size());
    for (size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], c.values[i], 1e-5) << i;
  }
  EXPECT_EQ(percentiles({0.1, 0.4, 0.1, 0.4}), (std::vector<uint8_t>{50, 100, 50, 100}));
}

TEST(FieldExtractor, TakesTextsAttributesAndGroupsAndRefusesWhatItCannotRead) {
  std::unique_ptr<FieldExtractor> x;
  ASSERT_TRUE(FieldExtractor::make({"xpath://p/@data-id", "xpath:count(//p)", "css:p.note",
                                    "css:p::attr(data-id)", "regex:id=\"(\\d+)\"", "regex:none"},
                                   x)
                  .ok());
  const auto v = x->extract(
      "<html><body><p data-id=\"7\">one\n  two</p><p class='note x' data-id=\"8\">three "
      "<b>four</b></p>");
  EXPECT_EQ(v, (std::vector<std::vector<std::string>>{
                   {"7", "8"}, {"2"}, {"three four"}, {"7", "8"}, {"7", "8"}, {}}));
  for (const char* bad : {"xpath://p[", "css:p:hover", "regex:(", "jq:.x"})
    EXPECT_FALSE(FieldExtractor::make({bad}, x).ok()) << bad;
}

TEST(MinHash, EstimatesSimilarityAndSkipsKnownDuplicates) {
  std::vector<std::string> words;
  for (int i = 0; i < 400; ++i) words.push_back("w" + std::to_string(i));
  std::vector<std::string> other = words;
  other[200] = "changed";  // 5 of 396 shingles differ: Jaccard 391/401
  const auto a = minHashSignature(words), b = minHashSignature(other);
  const auto c = minHashSignature(std::vector<std::string>(words.begin(), words.begin() + 200));
  ASSERT_TRUE(a && b && c);
  EXPECT_FALSE(minHashSignature({"too", "few", "words"}));
  EXPECT_NEAR(estimatedSimilarity(*a, *b), 391.0 / 401, 0.05);
  EXPECT_NEAR(estimatedSimilarity(*a, *c), 196.0 / 396, 0.1);  // half the shingles
  const auto pairs = nearDuplicatePairs({&*a, &*b, &*c}, {0, 0, 0}, 0.9);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].a, 0u);
  EXPECT_EQ(pairs[0].b, 1u);
  EXPECT_TRUE(nearDuplicatePairs({&*a, &*b, &*c}, {9, 9, 0}, 0.9).empty());  // one text hash
}

TEST(Readability, CountsSyllablesByPatternsThenVowelGroupsAndScoresEnglishOnly) {
  const SyllableCounter patterns;
  ASSERT_TRUE(patterns.hasPatterns());
  const SyllableCounter vowels("/nonexistent.dic");
  const struct {
    const char* word;
    int byPatterns, byVowels;
  } kWords[] = {{"cat", 1, 1}, {"happy", 2, 2},  {"Garden", 2, 2},   {"make", 1, 1},
                {"the", 1, 1}, {"rhythm", 1, 1}, {"beautiful", 3, 3}};
  for (const auto& w : kWords) {
    EXPECT_EQ(patterns.syllables(w.word), w.byPatterns) << w.word;
    EXPECT_EQ(vowels.syllables(w.word), w.byVowels) << w.word;
  }
  for (const char* lang : {"", "en", "EN-gb", "en_US"}) EXPECT_TRUE(scoresLanguage(lang)) << lang;
  for (const char* lang : {"fr", "eng", "la"}) EXPECT_FALSE(scoresLanguage(lang)) << lang;
  EXPECT_FALSE(readabilityOf(textUnits("... --- !!!"), patterns).scored);
  const TextUnits units = textUnits("Dr. Who? Yes! «Ça va» 3.5 km.\nÉTÉ");
  EXPECT_EQ(units.words,
            (std::vector<std::string>{"dr", "who", "yes", "ça", "va", "3.5", "km", "été"}));
  // ICU knows no abbreviations; a line break ends a sentence.
  EXPECT_EQ(units.sentenceWords, (std::vector<uint32_t>{1, 1, 1, 4, 1}));
}

// ASCII texts are read without ICU's iterators, to the same words and sentences.
TEST(TextUnits, AsciiTextsSplitAsIcuSplitsThem) {
  const char* kTexts[] = {
      "Dr. Who? Yes! It's 3.5 km, i.e. far.\r\nNext line",
      "U.S.A. Now. e.g. the end. (See below.) Then \"quoted.\" Done",
      "mail ann@example.org, @graph and _ __ a_b 1,000;2 1'000 9.a a.9",
      "Stop... and go!? Yes; no: maybe - ok.\tTab.\fFeed",
      "q/H@.U0. j>!9.] P",
      "x.@ P D.$)SoR.u}h\tX.C",
      "",
  };
  for (const char* t : kTexts) {
    const TextUnits fast = textUnits(t), icu = icuTextUnits(t);
    EXPECT_EQ(fast.words, icu.words) << t;
    EXPECT_EQ(fast.sentenceWords, icu.sentenceWords) << t;
  }
}

}  // namespace
}  // namespace zel::audit
