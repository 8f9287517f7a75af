#include "urltext/percent_encoding.h"

#include <gtest/gtest.h>

#include <random>

#include "urltext/code_points.h"

namespace zel {
namespace {

// The path set escapes ";" and delimiters; non-ASCII is written as upper-case UTF-8 escapes.
TEST(PercentEncoding, PathSetNonAsciiAndLegacyEscapes) {
  EXPECT_EQ(kxStringByAddingPercentEncodingWithAllowedCharacters("a;b c%d?e#f[g]:@!~",
                                                                 kxURLPathAllowedCharacterSet()),
            "a%3Bb%20c%25d%3Fe%23f%5Bg%5D:@!~");
  EXPECT_EQ(kxStringByAddingPercentEncodingWithAllowedCharacters("é/日", kxURLPathAllowedCharacterSet()),
            "%C3%A9/%E6%97%A5");
  EXPECT_EQ(kxStringByAddingPercentEncodingWithAllowedCharacters("\x01\x7F", CharSet()), "%01%7F");
  // Legacy escaping: what may not appear is escaped, reserved characters are kept.
  const std::pair<const char*, const char*> legacy[] = {
      {"a b", "a%20b"}, {"ü", "%C3%BC"}, {"\t\n\x7F", "%09%0A%7F"},
      {"?&=;:@/+$,!*'()~_.-", "?&=;:@/+$,!*'()~_.-"},
      {"<>\"{}|\\^`[]", "%3C%3E%22%7B%7D%7C%5C%5E%60%5B%5D"},
      {"a%20b c", "a%20b%20c"},          // existing escapes are not escaped again
      {"100% sure%2", "100%25%20sure%252"},
      {"p#frag#more", "p#frag%23more"},  // only the first "#" marks a fragment
  };
  for (const auto& [in, out] : legacy) EXPECT_EQ(stringByAddingLegacyPercentEscapes(in), out) << in;
}

// One level of escapes is removed; malformed escapes and invalid UTF-8 give nothing.
TEST(PercentDecoding, ValidAndMalformedEscapes) {
  EXPECT_EQ(kxStringByRemovingPercentEncoding("%C3%A9t%c3%a9"), "été");
  EXPECT_EQ(kxStringByRemovingPercentEncoding("a%20b+c"), "a b+c");
  EXPECT_EQ(kxStringByRemovingPercentEncoding("%2525"), "%25");  // one level only
  EXPECT_EQ(kxStringByRemovingPercentEncoding(""), "");
  EXPECT_EQ(kxStringByRemovingPercentEncoding("%00"), std::string(1, '\0'));
  EXPECT_EQ(kxStringByRemovingPercentEncoding("%F4%8F%BF%BF"), "\U0010FFFF");
  const char* bad[] = {
      "%",          "abc%",        "%2",          "%zz",       "%2g",
      "%FF",        "%C3",         "%C3%28",      "%C0%AF",    // overlong "/"
      "%ED%A0%80",  // surrogate
      "%F4%90%80%80",  // past U+10FFFF
      "raw\xFF",
  };
  for (const char* s : bad) EXPECT_EQ(kxStringByRemovingPercentEncoding(s), std::nullopt) << s;
}

TEST(PercentEncoding, DecodingUndoesEncodingForAnyValidText) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> len(0, 30), byte(0, 255);
  const CharSet sets[] = {kxURLPathAllowedCharacterSet(), URLUserAllowedCharacterSet(),
                          URLFragmentAllowedCharacterSet(), CharSet()};
  for (int iter = 0; iter < 5000; ++iter) {
    std::string s;
    for (int n = len(rng); n > 0; --n) s.push_back(char(byte(rng)));
    for (const CharSet& set : sets) {
      std::string encoded = kxStringByAddingPercentEncodingWithAllowedCharacters(s, set);
      for (char c : encoded) ASSERT_LT(static_cast<unsigned char>(c), 0x80);
      auto decoded = kxStringByRemovingPercentEncoding(encoded);
      if (isValidUtf8(s)) {
        ASSERT_EQ(decoded, s);
      } else {
        ASSERT_EQ(decoded, std::nullopt);
      }
    }
  }
}

}  // namespace
}  // namespace zel
