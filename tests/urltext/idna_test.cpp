#include "urltext/idna.h"

#include <gtest/gtest.h>

#include "platform/defaults.h"
#include "urltext/code_points.h"

namespace zel {
namespace {

// Hosts that must convert both ways exactly.
TEST(Idna, HostsConvertBothWays) {
  const std::pair<const char*, const char*> hosts[] = {
      {"www.example.com", "www.example.com"},
      {"WWW.Example.COM", "WWW.Example.COM"},  // no case folding
      {"www.bücher.example", "www.xn--bcher-kva.example"}, {"München.DE", "xn--Mnchen-3ya.DE"},
      {"日本語.jp", "xn--wgv71a119e.jp"}, {"пример.испытание", "xn--e1afmkfd.xn--80akhbyknj4f"},
      {"jörg@bücher.de", "xn--jrg-sna@xn--bcher-kva.de"}, {"user@host.com", "user@host.com"},
      {"a-ü.example", "xn--a--yka.example"}, {"bücher.example:8080", "xn--bcher-kva.example:8080"},
      {"a..b", "a..b"}, {".bücher.", ".xn--bcher-kva."}, {"", ""},
  };
  for (const auto& [unicode, encoded] : hosts) {
    EXPECT_EQ(IDNAEncodedString(unicode), encoded) << unicode;
    EXPECT_EQ(IDNADecodedString(encoded), unicode) << encoded;
  }
}

// One way only: what encodes or decodes but does not come back as it was.
TEST(Idna, OneWayConversionsAndOptionalCompatibilityMapping) {
  const std::pair<std::string, std::string> encoded[] = {
      // Ignored characters vanish; a label whose only non-ASCII character is ignored
      // is still encoded: its letters and the delimiter.
      {"b\u00fc\u00ADcher.de", "xn--bcher-kva.de"},
      {"ab\u00AD.de", "xn--ab-.de"},
      // White space before labels is skipped.
      {"  b\u00fccher. example", "xn--bcher-kva.example"},
      {"a. .b", "a..b"},
      {"\n\u00A0host", "host"},
      // U+0000 is outside the plain range, so a label holding it is encoded.
      {std::string("a\0b", 3), std::string("xn--a\0b-", 8)},
      // An overlong label encodes to a bare prefix.
      {std::string(4000, 'a') + "\U0010FFFF.com", "xn--.com"},
  };
  for (const auto& [in, out] : encoded) EXPECT_EQ(IDNAEncodedString(in), out) << in;
  const std::pair<const char*, const char*> decoded[] = {
      {" xn--bcher-kva. de", "b\u00fccher.de"},
      // The prefix in any case; only labels with it are decoded.
      {"XN--bcher-kva.de", "b\u00fccher.de"},
      {"Xn--BCHER-KVA.de", "B\u00fcCHER.de"},
      {"bcher-kva.de", "bcher-kva.de"},
      // Labels that do not decode are left out.
      {"www.xn--a!b.example", "www..example"},
      {"xn--999.com", ".com"},
      {"user@xn--\u00fc-abc.com", "user@.com"},
  };
  for (const auto& [in, out] : decoded) EXPECT_EQ(IDNADecodedString(in), out) << in;
  EXPECT_EQ(stringByDeletingIgnoredCharacters("a\u00ADb\u200Bc\uFE0Fd\uFEFF"), "abcd");
  // Invalid UTF-8 does not stop the conversion.
  const std::string bad = IDNAEncodedString("a\xFF\xC3.example");
  EXPECT_EQ(bad.rfind("xn--a-", 0), 0u);
  EXPECT_TRUE(bad.size() > 12 && bad.substr(bad.size() - 8) == ".example");
  EXPECT_EQ(IDNADecodedString(bad), "a\uFFFD\uFFFD.example");

  // Compatibility mapping is optional.
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

}  // namespace
}  // namespace zel
