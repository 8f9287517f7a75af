#include "urltext/punycode.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/text_format.h"
#include "urltext/code_points.h"

namespace zel {
namespace {

// The encoder writes digit letters in lower case; basic code points keep theirs.
std::string lowerDigits(const std::string& punycode) {
  size_t delim = punycode.rfind('-');
  size_t from = delim == std::string::npos ? 0 : delim + 1;
  return punycode.substr(0, from) + asciiLower(punycode.substr(from));
}

struct Sample {
  const char* name;
  std::u32string codePoints;
  const char* punycode;  // as printed in the sample list, case annotations included
};

const Sample kSamples[] = {
    {"Arabic", U"ليهمابتكلموشعربي؟", "egbpdaj6bu4bxfgehfvwxn"},
    {"ChineseSimplified", U"他们为什么不说中文", "ihqwcrb4cv8a8dqg056pqjye"},
    {"ChineseTraditional", U"他們爲什麽不說中文", "ihqwctvzc91f659drss3x8bo0yb"},
    {"Czech", U"Pročprostěnemluvíčesky", "Proprostnemluvesky-uyb24dma41a"},
    {"Hebrew", U"למההםפשוטלאמדבריםעברית", "4dbcagdahymbxekheh6e0a7fei0b"},
    {"Hindi", U"यहलोगहिन्दीक्योंनहींबोलसकतेहैं", "i1baa7eci9glrd9b2ae1bj0hfcgg6iyaf8o0a1dig0cd"},
    {"Japanese", U"なぜみんな日本語を話してくれないのか", "n8jok5ay5dzabd5bym9f0cm5685rrjetr6pdxa"},
    {"Korean", U"세계의모든사람들이한국어를이해한다면얼마나좋을까",
     "989aomsvi5e83db1d2a355cv1e0vak1dwrv93d5xbh15a0dt30a5jpsd879ccm6fea98c"},
    {"Russian", U"почемужеонинеговорятпорусски", "b1abfaaepdrnnbgefbaDotcwatmq2g4l"},
    {"Spanish", U"PorquénopuedensimplementehablarenEspañol",
     "PorqunopuedensimplementehablarenEspaol-fmd56a"},
    {"Vietnamese", U"TạisaohọkhôngthểchỉnóitiếngViệt",
     "TisaohkhngthchnitingVit-kjcr8268qyxafd2f1b9g"},
    {"ThreeNenBGumi", U"3年B組金八先生", "3B-ww4c5e180e575a65lsy2b"},
    {"AmuroNamie", U"安室奈美恵-with-SUPER-MONKEYS", "-with-SUPER-MONKEYS-pc58ag80a8qai00g7n9n"},
    {"HelloAnotherWay", U"Hello-Another-Way-それぞれの場所", "Hello-Another-Way--fc4qua05auwb3674vfr0b"},
    {"HitotsuYane", U"ひとつ屋根の下2", "2-u9tlzr9756bt3uc0v"},
    {"MajiKoi", U"MajiでKoiする5秒前", "MajiKoi5-783gue6qz075azm5e"},
    {"Pafii", U"パフィーdeルンバ", "de-jg4avhby1noc0d"},
    {"SonoSupiido", U"そのスピードで", "d9juau41awczczp"},
    {"Dollar", U"-> $1.00 <-", "-> $1.00 <--"},
};

// Encoded with the digit letters in lower case; decoded in any letter case.
TEST(Punycode, SamplesAndLabels) {
  for (const Sample& s : kSamples) {
    SCOPED_TRACE(s.name);
    const std::u32string& cps = s.codePoints;
    const std::string lower = lowerDigits(s.punycode);
    EXPECT_EQ(punycodeEncode(cps), lower);
    EXPECT_EQ(punycodeEncodedString(stringFromLongCharacters(cps)), lower);
    const size_t from = lower.rfind('-') == std::string::npos ? 0 : lower.rfind('-') + 1;
    const std::string upper = lower.substr(0, from) + asciiUpper(lower.substr(from));
    for (const std::string& text : {std::string(s.punycode), lower, upper})
      EXPECT_EQ(punycodeDecode(text), cps) << text;
    EXPECT_EQ(punycodeDecodedString(s.punycode), stringFromLongCharacters(cps));
  }
  // Labels as text (whole hosts, both ways: Idna.HostsConvertBothWays).
  const std::pair<const char*, const char*> cases[] = {
      // Basic-only text gets a trailing delimiter.
      {"abc", "abc-"}, {"ABC", "ABC-"}, {"", ""},
      // Ignored characters are dropped before encoding.
      {"b\u200B\u00fc\u200Dcher\uFEFF", "bcher-kva"}, {"b\u00fc\uFE0Fcher\u034F", "bcher-kva"},
      {"\u00AD\u200C", ""},
  };
  for (const auto& [text, encoded] : cases) EXPECT_EQ(punycodeEncodedString(text), encoded) << text;
  EXPECT_EQ(punycodeDecodedString("abc-"), "abc");
  EXPECT_EQ(punycodeDecodedString(""), "");
}

TEST(Punycode, MalformedInputNonScalarsAndOverflowAreRejected) {
  const char* bad[] = {
      "ü-abc",        // non-basic character in the basic part
      "abc-d!e",      // not a digit
      "-abc",         // a leading delimiter is not a basic part, and "-" is no digit
      "999",          // ends inside a variable-length integer
      "bcher-kv",     // the same, after a basic part
      "99999999999a", // weight overflows 32 bits
      "abc-\xC3\xA9", // raw UTF-8 among the digits
  };
  for (const char* s : bad) EXPECT_EQ(punycodeDecode(s), std::nullopt) << s;
  // The encoder works on any 32-bit values, but a decoded surrogate or a value
  // past U+10FFFF cannot be text.
  for (char32_t cp : {char32_t(0xD800), char32_t(0xDFFF), char32_t(0x110000)}) {
    auto encoded = punycodeEncode(std::u32string(1, cp));
    ASSERT_TRUE(encoded.has_value());
    EXPECT_EQ(punycodeDecode(*encoded), std::nullopt) << std::hex << static_cast<uint32_t>(cp);
  }
  auto top = punycodeEncode(U"\U0010FFFF");
  ASSERT_TRUE(top.has_value());
  EXPECT_EQ(punycodeDecode(*top), std::u32string(U"\U0010FFFF"));
  // The encoder overflows: the first delta is (U+10FFFF - 128) * (basic count + 1), which
  // fits with 3000 basic characters and does not with 4000.
  std::u32string fits(3000, U'a');
  fits.push_back(U'\U0010FFFF');
  auto encoded = punycodeEncode(fits);
  ASSERT_TRUE(encoded.has_value());
  EXPECT_EQ(punycodeDecode(*encoded), fits);
  std::u32string overflows(4000, U'a');
  overflows.push_back(U'\U0010FFFF');
  EXPECT_EQ(punycodeEncode(overflows), std::nullopt);
}

std::u32string randomLabel(std::mt19937& rng) {
  // Mixes the ranges that stress the delta arithmetic: ASCII, Latin, CJK,
  // astral planes, and long runs of one repeated code point.
  static const std::pair<char32_t, char32_t> ranges[] = {
      {0x21, 0x7E}, {0x80, 0x2FF}, {0x3040, 0x30FF}, {0x4E00, 0x9FFF}, {0x10000, 0x10FFFF}};
  std::uniform_int_distribution<int> lenDist(0, 40), rangeDist(0, 4), repeat(0, 9);
  std::u32string s;
  int len = lenDist(rng);
  for (int i = 0; i < len; ++i) {
    if (!s.empty() && repeat(rng) == 0) {
      s.push_back(s[std::uniform_int_distribution<size_t>(0, s.size() - 1)(rng)]);
      continue;
    }
    auto [lo, hi] = ranges[rangeDist(rng)];
    char32_t cp = std::uniform_int_distribution<char32_t>(lo, hi)(rng);
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xE000;
    s.push_back(cp);
  }
  return s;
}

// Encoding is unique, so the round trip pins both directions down: every label
// comes back, and any text the decoder accepts is the encoding of what it gave.
TEST(Punycode, RoundTripsAndAcceptsOnlyCanonicalEncodings) {
  std::mt19937 rng(20240601);
  for (int iter = 0; iter < 3000; ++iter) {
    const std::u32string label = randomLabel(rng);
    auto encoded = punycodeEncode(label);
    ASSERT_TRUE(encoded.has_value()) << iter;
    ASSERT_EQ(*encoded, lowerDigits(*encoded));
    ASSERT_EQ(punycodeDecode(*encoded), label) << *encoded;
  }
  // Arbitrary digit strings: most are refused; what decodes is made of Unicode
  // scalars and encodes back to the text (digits in lower case).
  const std::string alphabet = "abcxyzABCXYZ0189-";
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1), lenDist(0, 24);
  int accepted = 0;
  for (int iter = 0; iter < 20000; ++iter) {
    std::string s;
    for (size_t len = lenDist(rng); len > 0; --len) s.push_back(alphabet[pick(rng)]);
    const auto decoded = punycodeDecode(s);
    if (!decoded) continue;
    ++accepted;
    for (char32_t c : *decoded) ASSERT_TRUE(c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF)) << s;
    ASSERT_EQ(punycodeEncode(*decoded), lowerDigits(s)) << s;
  }
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace zel
