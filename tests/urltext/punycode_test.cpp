#include "urltext/punycode.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text_format.h"
#include "urltext/code_points.h"

namespace zel {
namespace {

std::u32string codePoints(const std::string& hexList) {
  std::u32string out;
  std::istringstream in(hexList);
  std::string item;
  while (in >> item) out.push_back(static_cast<char32_t>(std::stoul(item, nullptr, 16)));
  return out;
}

// The encoder writes digit letters in lower case; basic code points keep theirs.
std::string lowerDigits(const std::string& punycode) {
  size_t delim = punycode.rfind('-');
  size_t from = delim == std::string::npos ? 0 : delim + 1;
  return punycode.substr(0, from) + asciiLower(punycode.substr(from));
}

struct Sample {
  const char* name;
  const char* codePoints;
  const char* punycode;  // as printed in the sample list, case annotations included
};

const Sample kSamples[] = {
    {"Arabic", "0644 064A 0647 0645 0627 0628 062A 0643 0644 0645 0648 0634 0639 0631 0628 064A 061F",
     "egbpdaj6bu4bxfgehfvwxn"},
    {"ChineseSimplified", "4ED6 4EEC 4E3A 4EC0 4E48 4E0D 8BF4 4E2D 6587", "ihqwcrb4cv8a8dqg056pqjye"},
    {"ChineseTraditional", "4ED6 5011 7232 4EC0 9EBD 4E0D 8AAA 4E2D 6587", "ihqwctvzc91f659drss3x8bo0yb"},
    {"Czech",
     "0050 0072 006F 010D 0070 0072 006F 0073 0074 011B 006E 0065 006D 006C 0075 0076 00ED 010D 0065 "
     "0073 006B 0079",
     "Proprostnemluvesky-uyb24dma41a"},
    {"Hebrew",
     "05DC 05DE 05D4 05D4 05DD 05E4 05E9 05D5 05D8 05DC 05D0 05DE 05D3 05D1 05E8 05D9 05DD 05E2 05D1 "
     "05E8 05D9 05EA",
     "4dbcagdahymbxekheh6e0a7fei0b"},
    {"Hindi",
     "092F 0939 0932 094B 0917 0939 093F 0928 094D 0926 0940 0915 094D 092F 094B 0902 0928 0939 0940 "
     "0902 092C 094B 0932 0938 0915 0924 0947 0939 0948 0902",
     "i1baa7eci9glrd9b2ae1bj0hfcgg6iyaf8o0a1dig0cd"},
    {"Japanese",
     "306A 305C 307F 3093 306A 65E5 672C 8A9E 3092 8A71 3057 3066 304F 308C 306A 3044 306E 304B",
     "n8jok5ay5dzabd5bym9f0cm5685rrjetr6pdxa"},
    {"Korean",
     "C138 ACC4 C758 BAA8 B4E0 C0AC B78C B4E4 C774 D55C AD6D C5B4 B97C C774 D574 D55C B2E4 BA74 C5BC "
     "B9C8 B098 C88B C744 AE4C",
     "989aomsvi5e83db1d2a355cv1e0vak1dwrv93d5xbh15a0dt30a5jpsd879ccm6fea98c"},
    {"Russian",
     "043F 043E 0447 0435 043C 0443 0436 0435 043E 043D 0438 043D 0435 0433 043E 0432 043E 0440 044F "
     "0442 043F 043E 0440 0443 0441 0441 043A 0438",
     "b1abfaaepdrnnbgefbaDotcwatmq2g4l"},
    {"Spanish",
     "0050 006F 0072 0071 0075 00E9 006E 006F 0070 0075 0065 0064 0065 006E 0073 0069 006D 0070 006C "
     "0065 006D 0065 006E 0074 0065 0068 0061 0062 006C 0061 0072 0065 006E 0045 0073 0070 0061 00F1 "
     "006F 006C",
     "PorqunopuedensimplementehablarenEspaol-fmd56a"},
    {"Vietnamese",
     "0054 1EA1 0069 0073 0061 006F 0068 1ECD 006B 0068 00F4 006E 0067 0074 0068 1EC3 0063 0068 1EC9 "
     "006E 00F3 0069 0074 0069 1EBF 006E 0067 0056 0069 1EC7 0074",
     "TisaohkhngthchnitingVit-kjcr8268qyxafd2f1b9g"},
    {"ThreeNenBGumi", "0033 5E74 0042 7D44 91D1 516B 5148 751F", "3B-ww4c5e180e575a65lsy2b"},
    {"AmuroNamie",
     "5B89 5BA4 5948 7F8E 6075 002D 0077 0069 0074 0068 002D 0053 0055 0050 0045 0052 002D 004D 004F "
     "004E 004B 0045 0059 0053",
     "-with-SUPER-MONKEYS-pc58ag80a8qai00g7n9n"},
    {"HelloAnotherWay",
     "0048 0065 006C 006C 006F 002D 0041 006E 006F 0074 0068 0065 0072 002D 0057 0061 0079 002D 305D "
     "308C 305E 308C 306E 5834 6240",
     "Hello-Another-Way--fc4qua05auwb3674vfr0b"},
    {"HitotsuYane", "3072 3068 3064 5C4B 6839 306E 4E0B 0032", "2-u9tlzr9756bt3uc0v"},
    {"MajiKoi", "004D 0061 006A 0069 3067 004B 006F 0069 3059 308B 0035 79D2 524D",
     "MajiKoi5-783gue6qz075azm5e"},
    {"Pafii", "30D1 30D5 30A3 30FC 0064 0065 30EB 30F3 30D0", "de-jg4avhby1noc0d"},
    {"SonoSupiido", "305D 306E 30B9 30D4 30FC 30C9 3067", "d9juau41awczczp"},
    {"Dollar", "002D 003E 0020 0024 0031 002E 0030 0030 0020 003C 002D", "-> $1.00 <--"},
};

class SampleTest : public ::testing::TestWithParam<Sample> {};

TEST_P(SampleTest, EncodesToTheSampleWithLowerCaseDigits) {
  const Sample& s = GetParam();
  const std::u32string cps = codePoints(s.codePoints);
  EXPECT_EQ(punycodeEncode(cps), lowerDigits(s.punycode));
  EXPECT_EQ(punycodeEncodedString(stringFromLongCharacters(cps)), lowerDigits(s.punycode));
}

TEST_P(SampleTest, DecodesInAnyLetterCase) {
  const Sample& s = GetParam();
  const std::u32string cps = codePoints(s.codePoints);
  EXPECT_EQ(punycodeDecode(s.punycode), cps);
  EXPECT_EQ(punycodeDecode(lowerDigits(s.punycode)), cps);
  // Upper-casing only the digit letters must not change the result.
  std::string upper = s.punycode;
  size_t delim = upper.rfind('-');
  size_t from = delim == std::string::npos ? 0 : delim + 1;
  upper = upper.substr(0, from) + asciiUpper(upper.substr(from));
  EXPECT_EQ(punycodeDecode(upper), cps);
  EXPECT_EQ(punycodeDecodedString(s.punycode), stringFromLongCharacters(cps));
}

INSTANTIATE_TEST_SUITE_P(Rfc3492, SampleTest, ::testing::ValuesIn(kSamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Punycode, BasicOnlyTextGetsATrailingDelimiter) {
  EXPECT_EQ(punycodeEncodedString("abc"), "abc-");
  EXPECT_EQ(punycodeEncodedString("ABC"), "ABC-");
  EXPECT_EQ(punycodeEncodedString(""), "");
  EXPECT_EQ(punycodeDecodedString("abc-"), "abc");
  EXPECT_EQ(punycodeDecodedString(""), "");
}

TEST(Punycode, KnownLabels) {
  EXPECT_EQ(punycodeEncodedString("bücher"), "bcher-kva");
  EXPECT_EQ(punycodeEncodedString("München"), "Mnchen-3ya");
  EXPECT_EQ(punycodeEncodedString("日本語"), "wgv71a119e");
  EXPECT_EQ(punycodeEncodedString("a-ü"), "a--yka");
  EXPECT_EQ(punycodeDecodedString("a--yka"), "a-ü");
}

TEST(Punycode, IgnoredCharactersAreDroppedBeforeEncoding) {
  EXPECT_EQ(punycodeEncodedString("bü\u00ADcher"), "bcher-kva");
  EXPECT_EQ(punycodeEncodedString("b\u200Bü\u200Dcher\uFEFF"), "bcher-kva");
  EXPECT_EQ(punycodeEncodedString("bü\uFE0Fcher\u034F"), "bcher-kva");
  // A text of ignored characters alone is empty once they are gone.
  EXPECT_EQ(punycodeEncodedString("\u00AD\u200C"), "");
}

TEST(Punycode, MalformedInputIsRejected) {
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
}

TEST(Punycode, DecodedValuesMustBeUnicodeScalars) {
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
}

TEST(Punycode, EncoderOverflowGivesNoResult) {
  // The first delta is (U+10FFFF - 128) * (basic count + 1): it fits with 3000
  // basic characters and does not with 4000.
  std::u32string fits(3000, U'a');
  fits.push_back(U'\U0010FFFF');
  auto encoded = punycodeEncode(fits);
  ASSERT_TRUE(encoded.has_value());
  EXPECT_EQ(punycodeDecode(*encoded), fits);

  std::u32string overflows(4000, U'a');
  overflows.push_back(U'\U0010FFFF');
  EXPECT_EQ(punycodeEncode(overflows), std::nullopt);
}

// A direct transcription of the reference procedures (quadratic), to check the
// faster implementation against.
namespace reference {

constexpr uint32_t base = 36, tmin = 1, tmax = 26, skew = 38, damp = 700;
constexpr uint32_t maxint = 0xFFFFFFFF;

uint32_t adapt(uint32_t delta, uint32_t numpoints, bool firsttime) {
  delta = firsttime ? delta / damp : delta / 2;
  delta += delta / numpoints;
  uint32_t k = 0;
  for (; delta > ((base - tmin) * tmax) / 2; k += base) delta /= base - tmin;
  return k + (base - tmin + 1) * delta / (delta + skew);
}

std::optional<std::string> encode(const std::u32string& input) {
  uint32_t n = 128, delta = 0, bias = 72;
  std::string out;
  for (char32_t c : input)
    if (c < 0x80) out.push_back(char(c));
  uint32_t h = uint32_t(out.size()), b = h;
  if (b > 0) out.push_back('-');
  while (h < input.size()) {
    uint32_t m = maxint;
    for (char32_t c : input)
      if (c >= n && c < m) m = c;
    if (m - n > (maxint - delta) / (h + 1)) return std::nullopt;
    delta += (m - n) * (h + 1);
    n = m;
    for (char32_t c : input) {
      if (c < n && ++delta == 0) return std::nullopt;
      if (c == n) {
        uint32_t q = delta;
        for (uint32_t k = base;; k += base) {
          uint32_t t = k <= bias ? tmin : k >= bias + tmax ? tmax : k - bias;
          if (q < t) break;
          uint32_t d = t + (q - t) % (base - t);
          out.push_back(char(d < 26 ? 'a' + d : '0' + d - 26));
          q = (q - t) / (base - t);
        }
        out.push_back(char(q < 26 ? 'a' + q : '0' + q - 26));
        bias = adapt(delta, h + 1, h == b);
        delta = 0;
        ++h;
      }
    }
    ++delta;
    ++n;
  }
  return out;
}

std::optional<std::u32string> decode(const std::string& input) {
  uint32_t n = 128, i = 0, bias = 72;
  size_t b = 0;
  for (size_t j = 0; j < input.size(); ++j)
    if (input[j] == '-') b = j;
  std::u32string out;
  for (size_t j = 0; j < b; ++j) {
    if ((unsigned char)input[j] >= 0x80) return std::nullopt;
    out.push_back((unsigned char)input[j]);
  }
  for (size_t in = b > 0 ? b + 1 : 0; in < input.size();) {
    uint32_t oldi = i, w = 1;
    for (uint32_t k = base;; k += base) {
      if (in >= input.size()) return std::nullopt;
      const uint32_t c = (unsigned char)input[in++];
      uint32_t digit = c - 48 < 10 ? c - 22 : c - 65 < 26 ? c - 65 : c - 97 < 26 ? c - 97 : base;
      if (digit >= base) return std::nullopt;
      if (digit > (maxint - i) / w) return std::nullopt;
      i += digit * w;
      uint32_t t = k <= bias ? tmin : k >= bias + tmax ? tmax : k - bias;
      if (digit < t) break;
      if (w > maxint / (base - t)) return std::nullopt;
      w *= base - t;
    }
    uint32_t len = uint32_t(out.size()) + 1;
    bias = adapt(i - oldi, len, oldi == 0);
    if (i / len > maxint - n) return std::nullopt;
    n += i / len;
    i %= len;
    out.insert(out.begin() + i, char32_t(n));
    ++i;
  }
  return out;
}

}  // namespace reference

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

TEST(Punycode, AgreesWithTheReferenceProceduresAndRoundTrips) {
  std::mt19937 rng(20240601);
  for (int iter = 0; iter < 3000; ++iter) {
    const std::u32string label = randomLabel(rng);
    auto fast = punycodeEncode(label);
    ASSERT_EQ(fast, reference::encode(label)) << iter;
    ASSERT_TRUE(fast.has_value());
    ASSERT_EQ(punycodeDecode(*fast), label) << *fast;
    ASSERT_EQ(punycodeDecode(*fast), reference::decode(*fast));
  }
}

TEST(Punycode, DecoderAgreesWithTheReferenceOnArbitraryDigits) {
  std::mt19937 rng(7);
  const std::string alphabet = "abcxyzABCXYZ0189-";
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1), lenDist(0, 24);
  for (int iter = 0; iter < 20000; ++iter) {
    std::string s;
    for (size_t len = lenDist(rng); len > 0; --len) s.push_back(alphabet[pick(rng)]);
    auto mine = punycodeDecode(s);
    auto ref = reference::decode(s);
    // The reference accepts any 32-bit value; values that are not Unicode
    // scalars are rejected here.
    if (ref) {
      bool scalar = true;
      for (char32_t c : *ref) scalar &= c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
      if (!scalar) {
        EXPECT_EQ(mine, std::nullopt) << s;
        continue;
      }
    }
    ASSERT_EQ(mine, ref) << s;
  }
}

}  // namespace
}  // namespace zel
