#include "urltext/idna.h"

#include <gtest/gtest.h>

#include "platform/defaults.h"
#include "urltext/code_points.h"

namespace zel {
namespace {

struct HostCase {
  const char* unicode;
  const char* encoded;
};

// Hosts that must convert both ways exactly.
const HostCase kHosts[] = {
    {"www.example.com", "www.example.com"},
    {"WWW.Example.COM", "WWW.Example.COM"},  // no case folding
    {"www.bücher.example", "www.xn--bcher-kva.example"},
    {"München.DE", "xn--Mnchen-3ya.DE"},
    {"日本語.jp", "xn--wgv71a119e.jp"},
    {"пример.испытание", "xn--e1afmkfd.xn--80akhbyknj4f"},
    {"jörg@bücher.de", "xn--jrg-sna@xn--bcher-kva.de"},
    {"user@host.com", "user@host.com"},
    {"a-ü.example", "xn--a--yka.example"},
    {"bücher.example:8080", "xn--bcher-kva.example:8080"},
    {"a..b", "a..b"},
    {".bücher.", ".xn--bcher-kva."},
    {"", ""},
};

TEST(Idna, HostsConvertBothWays) {
  for (const HostCase& c : kHosts) {
    EXPECT_EQ(IDNAEncodedString(c.unicode), c.encoded) << c.unicode;
    EXPECT_EQ(IDNADecodedString(c.encoded), c.unicode) << c.encoded;
  }
}

TEST(Idna, IgnoredCharactersVanishFromEncodedLabels) {
  EXPECT_EQ(IDNAEncodedString("bü\u00ADcher.de"), "xn--bcher-kva.de");
  EXPECT_EQ(stringByDeletingIgnoredCharacters("a\u00ADb\u200Bc\uFE0Fd\uFEFF"), "abcd");
  // A label whose only non-ASCII character is ignored is still not plain
  // ASCII, so it is encoded: its letters and the delimiter.
  EXPECT_EQ(IDNAEncodedString("ab\u00AD.de"), "xn--ab-.de");
}

TEST(Idna, WhiteSpaceBeforeLabelsIsSkipped) {
  EXPECT_EQ(IDNAEncodedString("  bücher. example"), "xn--bcher-kva.example");
  EXPECT_EQ(IDNAEncodedString("a. .b"), "a..b");
  EXPECT_EQ(IDNAEncodedString("\n\u00A0host"), "host");
  EXPECT_EQ(IDNADecodedString(" xn--bcher-kva. de"), "bücher.de");
}

TEST(Idna, PrefixIsRecognisedInAnyCase) {
  EXPECT_EQ(IDNADecodedString("XN--bcher-kva.de"), "bücher.de");
  EXPECT_EQ(IDNADecodedString("Xn--BCHER-KVA.de"), "BüCHER.de");
  // Only labels with the prefix are decoded.
  EXPECT_EQ(IDNADecodedString("bcher-kva.de"), "bcher-kva.de");
}

TEST(Idna, LabelsThatDoNotDecodeAreLeftOut) {
  EXPECT_EQ(IDNADecodedString("www.xn--a!b.example"), "www..example");
  EXPECT_EQ(IDNADecodedString("xn--999.com"), ".com");
  EXPECT_EQ(IDNADecodedString("user@xn--ü-abc.com"), "user@.com");
}

TEST(Idna, NonAsciiLabelsAreEncodedEvenWhenNul) {
  // U+0000 is outside the plain range, so a label holding it is encoded.
  EXPECT_EQ(IDNAEncodedString(std::string("a\0b", 3)), std::string("xn--a\0b-", 8));
}

TEST(Idna, CompatibilityMappingIsOptional) {
  const char* fullWidth = "ｅｘａｍｐｌｅ．ｃｏｍ";
  EXPECT_EQ(IDNAEncodedString(fullWidth, true), "example.com");
  // Without it the full-width text is one non-ASCII label.
  std::string plain = IDNAEncodedString(fullWidth, false);
  EXPECT_EQ(plain.rfind("xn--", 0), 0u);
  EXPECT_EQ(plain.find('.'), std::string::npos);

  MemoryDefaults defaults;
  EXPECT_EQ(IDNAEncodedString(fullWidth, defaults), plain);
  defaults.setBool("precomposedStringWithCompatibilityMapping", true);
  EXPECT_EQ(IDNAEncodedString(fullWidth, defaults), "example.com");
  EXPECT_EQ(precomposedStringWithCompatibilityMapping("ﬁle"), "file");
}

TEST(Idna, InvalidUtf8DoesNotStopTheConversion) {
  std::string bad = "a\xFF\xC3.example";
  std::string encoded = IDNAEncodedString(bad);
  EXPECT_EQ(encoded.rfind("xn--a-", 0), 0u);
  EXPECT_TRUE(encoded.size() > 12 && encoded.substr(encoded.size() - 8) == ".example");
  EXPECT_EQ(IDNADecodedString(encoded), "a\uFFFD\uFFFD.example");
}

TEST(Idna, OverlongLabelEncodesToABarePrefix) {
  std::string label(4000, 'a');
  label += "\U0010FFFF";
  EXPECT_EQ(IDNAEncodedString(label + ".com"), "xn--.com");
}

}  // namespace
}  // namespace zel
