// Encodings, declared charsets, decoding of captured values and character
// references; and pages in legacy encodings scanned end to end.
#include <gtest/gtest.h>

#include "parser/entities.h"
#include "parser/text_encoding.h"
#include "parser_test_util.h"
#include "platform/text_codec.h"

namespace zel::testing {
namespace {

using namespace encoding;
using Strings = std::vector<std::string>;

TEST(TextCodec, DecodesStrictlyAndEncodesBack) {
  EXPECT_EQ(TextCodec::decode("caf\xe9", kISOLatin1), "caf\u00e9");
  EXPECT_EQ(TextCodec::decode("\x80\x93x\x94", kWindowsCP1252), "\u20ac\u201cx\u201d");
  EXPECT_EQ(TextCodec::decode("\x93\xfa\x96\x7b", kShiftJIS), "\u65e5\u672c");
  EXPECT_EQ(TextCodec::decode(std::string("\0A\0B", 4), kUTF16), "AB");
  auto hz = TextCodec::encode("a\u7cbe\u795e", kHZ_GB_2312);  // shifts in and out with ~{ ~}
  ASSERT_TRUE(hz);
  EXPECT_NE(hz->find("~{"), std::string::npos);
  EXPECT_EQ(TextCodec::decode(*hz, kHZ_GB_2312), "a\u7cbe\u795e");
  // Invalid input gives nothing rather than replacement characters.
  EXPECT_FALSE(TextCodec::decode("caf\xe9", kUTF8));
  EXPECT_FALSE(TextCodec::decode("\xc0\xaf", kUTF8));          // overlong
  EXPECT_FALSE(TextCodec::decode("\xed\xa0\x80", kUTF8));      // surrogate
  EXPECT_FALSE(TextCodec::decode("caf\xe9", kASCII));
  EXPECT_FALSE(TextCodec::decode("\x93", kShiftJIS));          // lead byte without trail
  EXPECT_FALSE(TextCodec::decode(std::string("\0", 1), kUTF16));  // odd length
  EXPECT_FALSE(TextCodec::decode("x", 999));                   // unknown encoding
  EXPECT_EQ(TextCodec::decode("", kUTF8), "");

  EXPECT_EQ(TextCodec::encode("caf\u00e9", kISOLatin1), "caf\xe9");
  EXPECT_EQ(TextCodec::encode("\u65e5\u672c", kShiftJIS), "\x93\xfa\x96\x7b");
  EXPECT_FALSE(TextCodec::encode("\u65e5", kISOLatin1));  // no mapping
  EXPECT_FALSE(TextCodec::encode("caf\xe9", kISOLatin1));  // not UTF-8 to begin with
  // Every known encoding round-trips ASCII.
  for (TextEncoding e : {kASCII, kUTF8, kISOLatin1, kShiftJIS, kISOLatin2, kUTF16, kWindowsCP1252,
                         kISOLatinThai, kDOSThai, kDOSChineseSimplified, kHZ_GB_2312, kGB_2312_80,
                         kGBK_95, kBig5, kKOI8_R, kEUC_KR, kEUC_JP}) {
    ASSERT_TRUE(TextCodec::isKnown(e)) << e;
    auto bytes = TextCodec::encode("href=\"/a b\"", e);
    ASSERT_TRUE(bytes) << TextCodec::ianaName(e);
    EXPECT_EQ(TextCodec::decode(*bytes, e), "href=\"/a b\"") << TextCodec::ianaName(e);
  }
}

TEST(TextCodec, NamesAliasesDetectionAndCompatibilityComposition) {
  EXPECT_EQ(TextCodec::encodingForIanaName("UTF-8"), kUTF8);
  EXPECT_EQ(TextCodec::encodingForIanaName("utf8"), kUTF8);
  EXPECT_EQ(TextCodec::encodingForIanaName("latin1"), kISOLatin1);
  EXPECT_EQ(TextCodec::encodingForIanaName("cp1252"), kWindowsCP1252);
  EXPECT_EQ(TextCodec::encodingForIanaName("x-sjis"), kShiftJIS);
  EXPECT_EQ(TextCodec::encodingForIanaName("no-such-charset"), kNone);
  EXPECT_EQ(TextCodec::ianaName(kWindowsCP1252), "windows-1252");
  EXPECT_EQ(TextCodec::ianaName(12345), "");
  EXPECT_EQ(TextCodec::detect("na\u00efve caf\u00e9"), kUTF8);
  std::string latin1 =
      "Le caf\xe9 est tr\xe8s bon et la cr\xe8me br\xfbl\xe9\x65 aussi, "
      "mais le g\xe2teau \xe0 la fran\xe7\x61ise est meilleur que tout le reste.";
  TextEncoding guess = TextCodec::detect(latin1);
  EXPECT_TRUE(guess == kISOLatin1 || guess == kWindowsCP1252) << guess;
  EXPECT_EQ(TextCodec::precomposedWithCompatibilityMapping("e\u0301 \uff21 \ufb01"),
            "\u00e9 A fi");
}

TEST(DeclaredCharset, FoundBeforeTheBodyOnlyAndMappedBySubstring) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"><body>",
       "iso-8859-1"},
      {"<meta charset=\"utf-8\"><body>", "utf-8"},
      {"<meta charset=\"utf-8\" /><body>", "utf-8\" /"},
      {"<META CHARSET=Shift_JIS><BODY>", "Shift_JIS"},
      {"<meta Charset=\"utf-8\"><body>", std::nullopt},  // byte search is case-sensitive
      {"<body><meta charset=utf-8>", std::nullopt},
      {"<meta charset=utf-8", std::nullopt},  // no '>' in the window
      {"", std::nullopt},
  };
  for (const auto& [page, want] : cases) EXPECT_EQ(extractCharsetFromHTML(page), want) << page;
  // Names map by substring, in order.
  const std::pair<const char*, TextEncoding> names[] = {
      {"utf-8", kUTF8},           {"UTF-8", kUTF8},
      {"Utf-8", kNone},           {"utf-8\" /", kUTF8},
      {"iso-8859-1", kISOLatin1}, {"ISO-8859-15", kISOLatin1},
      {"iso-8859-10", kNone},     {"ISO-8859-5", kNone},
      {"iso-8859-2", kISOLatin2}, {"windows-1252", kWindowsCP1252},
      {"TIS-620", kISOLatinThai}, {"windows-874", kDOSThai},
      {"Shift_JIS", kShiftJIS},   {"shift_jis", kShiftJIS},
      {"GB2312", kDOSChineseSimplified},
      {"hz-gb-2312", kHZ_GB_2312}, {"GB_2312-80", kGB_2312_80},
      {"gbk", kGBK_95},           {"Big5", kBig5},
      {"koi8-r", kKOI8_R},        {"EUC-KR", kEUC_KR},
      {"x-euc-jp", kEUC_JP},      {"latin1", kNone},
  };
  for (const auto& [name, enc] : names) EXPECT_EQ(encodingForCharset(name), enc) << name;
}

TEST(CapturedValues, DecodeTrimAndLineBreaks) {
  EXPECT_EQ(unescapedStringFromBuffer("", kUTF8, false, nullptr), "");
  EXPECT_EQ(unescapedStringFromBuffer("a\r\nb", kUTF8, false, nullptr), "ab");
  EXPECT_EQ(unescapedStringFromBuffer("a\r\nb", kUTF8, true, nullptr), "a b");
  // Pairs of spaces are halved once, left to right.
  EXPECT_EQ(unescapedStringFromBuffer("a   b    c", kUTF8, true, nullptr), "a  b  c");
  EXPECT_EQ(unescapedStringFromBuffer("a\r\n\r\nb \n c\n", kUTF8, true, nullptr), "a  b  c");
  // Long texts go sixteen bytes at a time: the same as byte by byte, wherever the
  // line ends and runs of spaces fall.
  uint32_t seed = 7;
  for (int round = 0; round < 2000; ++round) {
    std::string in = "a";
    for (int i = (round % 70) + 1; i > 0; --i) {
      seed = seed * 1103515245 + 12345;
      static const char* const kPieces[] = {"a", " ", "\r", "\n", "b", "  ", "\xc3\xa9"};
      in += kPieces[(seed >> 16) % 7];
    }
    in += "z";
    std::string want;
    for (char c : in) want += (c == '\r' || c == '\n') ? ' ' : c;
    for (size_t i = 0; i + 1 < want.size(); ++i)
      if (want[i] == ' ' && want[i + 1] == ' ') want.erase(i + 1, 1);
    ASSERT_EQ(unescapedStringFromBuffer(in, kUTF8, true, nullptr), want) << round;
  }
  EXPECT_EQ(unescapedStringFromBuffer(" \t x y \n", kUTF8, false, nullptr), "x y");
  // No-break spaces (written or as a reference) are white space for trimming.
  EXPECT_EQ(unescapedStringFromBuffer("&nbsp;Hi\u00a0", kUTF8, false, nullptr), "Hi");
  EXPECT_EQ(unescapedStringFromBuffer("caf\xe9", kISOLatin1, false, nullptr), "caf\u00e9");
  std::string quoted = "''/x'y''";
  trimThisCharacter('\'', quoted);
  EXPECT_EQ(quoted, "/x'y");
  std::string all = "\"\"\"";
  trimThisCharacter('"', all);
  EXPECT_EQ(all, "");
}

TEST(CapturedValues, FallbackChainWhenTheEncodingFails) {
  MemoryDefaults d;
  d.setInteger("verbosity", 1);
  Log log(&d);
  log.setStream(nullptr);
  // Latin-1 bytes on a page declared UTF-8 come out as Latin-1, after a log line.
  EXPECT_EQ(unescapedStringFromBuffer("caf\xe9", kUTF8, false, &log), "caf\u00e9");
  EXPECT_EQ(log.lastLine(), "unable to make string using encoding 4, trying other encodings");
  size_t before = log.linesWritten();
  // Without an encoding the chain starts at UTF-8 silently.
  EXPECT_EQ(unescapedStringFromBuffer("caf\xc3\xa9", kNone, false, &log), "caf\u00e9");
  EXPECT_EQ(unescapedStringFromBuffer("caf\xe9", kNone, false, &log), "caf\u00e9");
  EXPECT_EQ(log.linesWritten(), before);
}

TEST(Entities, OneLevelNamedAndNumericInLinearTime) {
  const std::pair<const char*, const char*> cases[] = {
      {"&amp;lt;", "&lt;"},           {"&#65;&#x41;&#X41;", "AAA"},
      {"&#0;", "&#0;"},               {"&#65535;", "&#65535;"},
      {"&#x1F600;", "&#x1F600;"},     {"&#xD800;", "&#xD800;"},
      {"&#65", "&#65"},               {"&#6a;", "&#6a;"},
      {"&apos;", "'"},                {"&AMP;", "&AMP;"},
      {"a & b; c", "a & b; c"},       {"&lt;&gt;&quot;", "<>\""},
      {"x&amp;&amp;y", "x&&y"},       {"&a&amp;", "&a&"},
      {"no references", "no references"},
      {"&eacute;&Eacute;", "\u00e9\u00c9"},
      {"&nbsp;&euro;&hearts;&thetasym;", "\u00a0\u20ac\u2665\u03d1"},
      {"&toolongname;", "&toolongname;"},  // more than 10 characters
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(unescapeEntities(in), out) << in;
  EXPECT_EQ(namedCharacterReference("diams"), u'\u2666');
  EXPECT_FALSE(namedCharacterReference("Diams"));
  // A long text with many references stays linear.
  std::string in, out;
  for (int i = 0; i < 20000; ++i) {
    in += "a&amp;b &c";
    out += "a&b &c";
  }
  EXPECT_EQ(unescapeEntities(in), out);
}

Link E(std::string url, std::string text, int line) {
  return Link{std::move(url), std::move(text), "", "", "", line};
}

// Pages in legacy encodings with their declared charsets: addresses and texts come
// out as UTF-8 whatever encoding the caller assumed.
TEST(EncodedPages, DecodedWithTheDeclaredCharsetOrTheCallersOne) {
  const struct {
    const char* file;
    TextEncoding declared;
    std::vector<Link> expected;
  } cases[] = {
      {"utf8.html", kUTF8,
       {E("/caf\u00e9", "Caf\u00e9 cr\u00e8me", 8), E("/\u65e5\u672c", "\u65e5\u672c\u8a9e AB", 9),
        E("/\U0001f600.png", "[alt]: Smile \U0001f600", 10)}},
      {"latin1.html", kISOLatin1,
       {E("/caf\u00e9", "Caf\u00e9 cr\u00e8me", 8),
        E("/r\u00e9sum\u00e9?x=\u00fc", "R\u00e9sum\u00e9 & CV", 9),
        E("/\u00f1.png", "[alt]: Se\u00f1or", 10)}},
      {"cp1252.html", kWindowsCP1252,
       {E("/euro", "Price in \u20ac", 8), E("/quotes", "\u201cQuoted\u201d \u2013 dash", 9),
        E("/na\u00efve", "Na\u00efve", 10)}},
      {"shift_jis.html", kShiftJIS,
       {E("/nihon", "\u65e5\u672c\u8a9e", 8),
        E("/\u30bd\u30d5\u30c8", "\u30bd\u30d5\u30c8\u8868\u793a", 9),
        E("/\u753b\u50cf.png", "[alt]: \u753b\u50cf", 10)}},
  };
  auto d = settings({"checkImages"});
  for (const auto& c : cases) {
    for (TextEncoding assumed : {kUTF8, kISOLatin1, kNone}) {
      SCOPED_TRACE(std::string(c.file) + ", assumed " + std::to_string(assumed));
      auto p = parse(fixture(c.file), *d, false, nullptr, assumed);
      ASSERT_TRUE(p);
      EXPECT_EQ(p->getUseEncoding(), c.declared);
      EXPECT_EQ(links(*p), c.expected);
    }
  }
  // Without a declaration the caller's encoding is used.
  std::string page = "<body><a href=\"/caf\xe9\">Caf\xe9</a>";
  auto latin = parse(page, *d, false, nullptr, kISOLatin1);
  EXPECT_EQ(links(*latin), (std::vector<Link>{E("/caf\u00e9", "Caf\u00e9", 1)}));
  // Assumed UTF-8, the bytes fail and the fallback chain reads them as Latin-1.
  auto utf = parse(page, *d, false, nullptr, kUTF8);
  EXPECT_EQ(links(*utf), (std::vector<Link>{E("/caf\u00e9", "Caf\u00e9", 1)}));
}

}  // namespace
}  // namespace zel::testing
