// The markup facts gathered in a page's scan: the hash of its visible text, the
// facts of a page without a body tag, whose head pass reads it whole, and their
// compact form.
#include <gtest/gtest.h>

#include "parser/markup_facts_gatherer.h"
#include "parser_test_util.h"

namespace zel::testing {
namespace {

MarkupFacts gather(const std::string& html, bool linkTags = true) {
  auto d = settings(linkTags ? std::vector<const char*>{"linkedFiles", "checkImages"}
                             : std::vector<const char*>{});
  MarkupFactsGatherer g;
  parse(html, *d, true, &g);
  return g.take();
}

TEST(MarkupFacts, VisibleTextHash) {
  const std::string a = "<body><p>Fresh bread every day</p></body>";
  const uint64_t hash = gather(a).textHash;
  ASSERT_NE(hash, 0u);
  const struct {
    const char* html;
    bool same;
  } kCases[] = {
      {"<body>\n  <p>Fresh   bread</p>\n<p>every day</p>\n</body>", true},  // spaces and markup
      {"<head><title>Other</title></head><body><p>Fresh bread every day</p></body>", true},
      {"<body><script>var x = 1;</script><p>Fresh bread every day</p><!-- note --></body>", true},
      {"<body><p>Fresh bread every  day.</p></body>", false},
      {"<body><p>fresh bread every day</p></body>", false},  // case is part of the text
      {"<body><p>Freshbread every day</p></body>", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(gather(c.html).textHash == hash, c.same) << c.html;
  EXPECT_EQ(gather("<body> <img src=a.png> </body>").textHash, 0u) << "no words, no hash";
  EXPECT_TRUE(gather("<body><p>LOREM\n ipsum dolor</p></body>").loremIpsum);
  EXPECT_FALSE(gather("<body><p>lorem, ipsum</p></body>").loremIpsum);

  // Texts longer than the hash's buffer: the words decide, wherever the buffer
  // ends; "lorem ipsum" is found across its end too.
  std::string words, spaced;
  for (int i = 0; i < 120; ++i) {
    words += "w" + std::to_string(i) + " ";
    spaced += (i % 7 ? "\n  w" : "</p><p> w") + std::to_string(i) + "\t";
  }
  const uint64_t longHash = gather("<body><p>" + words + "</p></body>").textHash;
  EXPECT_EQ(gather("<body><p>" + spaced + "</p></body>").textHash, longHash);
  EXPECT_NE(gather("<body><p>" + words + "x</p></body>").textHash, longHash);
  std::string changed = words;
  changed[300] = 'v';
  EXPECT_NE(gather("<body><p>" + changed + "</p></body>").textHash, longHash);
  for (size_t at = 240; at < 262; ++at)
    EXPECT_TRUE(gather("<body><p>" + std::string(at, 'a') + " lorem  ipsum</p></body>").loremIpsum)
        << at;
  EXPECT_FALSE(
      gather("<body><p>" + std::string(250, 'a') + " lorem</p><p>x ipsum</p></body>").loremIpsum);
}

// Without a body tag the head pass reads the whole page and the body pass reads
// what follows the head again: nothing is counted twice.
TEST(MarkupFacts, PageWithoutBodyTag) {
  const std::string page =
      "<html lang=\"fr\"><head><title>One</title><link rel=canonical href=\"/a\">"
      "<meta name=\"robots\" content=\"NOINDEX\"></head>"
      "<link rel=\"canonical\" href=\"/b\"><script src=\"http://x/app.js\"></script>"
      "<meta name=\"robots\" content=\"nofollow\"><h1>T</h1><h3> </h3>"
      "<a href=\"/x\"><img src=\"i.png\" alt=\"Home\" width=1 height=1></a><a href=\"//x/y\"></a>"
      "<img src=\"http://x/i.png\" width=1></html>";
  const MarkupFacts f = gather(page);
  EXPECT_EQ(f.titleTags, 1);
  EXPECT_EQ(f.lang, "fr");
  EXPECT_EQ(f.canonicals, (std::vector<std::string>{"/a", "/b"}));
  EXPECT_TRUE(
      gather("<link rel=canonical href=\"https://a/\"><link rel=canonical href=\"https://a/\">")
          .canonicals.empty())
      << "the same absolute address twice is the record's own canonical";
  EXPECT_TRUE(f.robotsInBody);
  ASSERT_TRUE(f.spots);
  EXPECT_EQ(f.spots->count(MarkupFacts::InsecureResource), 2u) << "the script once, and the image";
  EXPECT_EQ(f.spots->count(MarkupFacts::EmptyHeading), 1u);
  EXPECT_EQ(f.spots->count(MarkupFacts::SkippedHeadingLevel), 1u);
  EXPECT_EQ(f.spots->count(MarkupFacts::EmptyLink), 1u)
      << "an image with alt text is a link's text";
  EXPECT_EQ(f.spots->first(MarkupFacts::EmptyLink)[0].what, "//x/y");
  EXPECT_EQ(f.spots->count(MarkupFacts::ProtocolRelative), 1u);
  EXPECT_EQ(f.spots->count(MarkupFacts::ImageWithoutSize), 1u);
  EXPECT_FALSE(gather("<html><head></head><body><p>x</p></body></html>").lang);
}

// Every field set, or none: the compact form gives the same facts back, and
// cut-off bytes are refused rather than misread.
TEST(MarkupFacts, CompactFormGivesTheFactsBack) {
  MarkupFacts full;
  full.titleTags = 2;
  full.descriptionTags = 300;
  full.hasViewport = full.robotsInBody = full.loremIpsum = true;
  full.lang = "de-AT";
  full.robots = "noindex,nofollow";
  full.canonicals = {"/a", "http://site.test/b"};
  full.textHash = 0xfedcba9876543210ull;
  full.spots = std::make_unique<MarkupFacts::Spots>();
  full.spots->add(MarkupFacts::ImageWithoutSize, {"/img/i1.png", 12});
  full.spots->add(MarkupFacts::InsecureForm, {"http://site.test/f", 700});
  full.spots->counts[MarkupFacts::EmptyHeading] = 9;
  const MarkupFacts none;
  MarkupFacts back;  // decoded into again and again, as the audit reads pages
  for (const MarkupFacts* f :
       std::initializer_list<const MarkupFacts*>{&full, &none, &full, &none}) {
    std::string bytes;
    encodeMarkupFacts(*f, bytes);
    ASSERT_TRUE(decodeMarkupFactsInto(bytes, back));
    EXPECT_EQ(back.titleTags, f->titleTags);
    EXPECT_EQ(back.descriptionTags, f->descriptionTags);
    EXPECT_EQ(back.hasViewport, f->hasViewport);
    EXPECT_EQ(back.robotsInBody, f->robotsInBody);
    EXPECT_EQ(back.loremIpsum, f->loremIpsum);
    EXPECT_EQ(back.lang, f->lang);
    EXPECT_EQ(back.robots, f->robots);
    EXPECT_EQ(back.canonicals, f->canonicals);
    EXPECT_EQ(back.textHash, f->textHash);
    ASSERT_EQ(!back.spots, !f->spots);
    if (f->spots) {
      for (size_t k = 0; k < MarkupFacts::kSpotKinds; ++k)
        EXPECT_EQ(back.spots->counts[k], f->spots->counts[k]) << k;
      ASSERT_EQ(back.spots->kept.size(), 2u);
      EXPECT_EQ(back.spots->first(MarkupFacts::InsecureForm)[0].what, "http://site.test/f");
      EXPECT_EQ(back.spots->first(MarkupFacts::InsecureForm)[0].line, 700);
      EXPECT_EQ(back.spots->kept[0].first, MarkupFacts::ImageWithoutSize);
    }
    EXPECT_FALSE(decodeMarkupFacts(std::string_view(bytes).substr(0, bytes.size() - 1)));
  }
}

}  // namespace
}  // namespace zel::testing
