// The record's address normalisation (the lookup key of every record), address
// comparison, URL making from link texts and the file-name case check.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace zel {
namespace {

class UrlTextRecordTest : public ::testing::Test {
 protected:
  test::TestPlatform tp;
  ZelHub hub{"http://s.test/", tp.platform()};

  ZelUrl* stored(const std::string& address, bool trim = false, bool internal = true) {
    ZelUrl* r = hub.createRecord();
    r->setIsInternal(internal);
    r->setLinkUrl(address, trim);
    return r;
  }
};

TEST_F(UrlTextRecordTest, StoredAddressIsTheLookupKey) {
  struct Case {
    std::vector<const char*> on;  // settings switched on
    const char* in;
    const char* out;
    bool slashTrimmed = false;
    bool trimQuery = false, internal = true;
  };
  const Case cases[] = {
      {{}, "http://s.test/p#x", "http://s.test/p"},
      {{}, "http://s.test/#!/route/a", "http://s.test/#!/route/a"},        // hash-bang route
      {{}, "http://s.test/p?a=1&#38;b=2", "http://s.test/p?a=1&#38;b=2"},  // character reference
      {{}, "http://s.test/p?a=&#38;b#frag", "http://s.test/p?a=&#38;b"},
      {{}, "#", "#"},  // too short to trim
      {{}, "http://s.test/p#", "http://s.test/p"},
      {{"dontTrimHash"}, "http://s.test/p#x", "http://s.test/p#x"},
      {{"dontTrimHash", "trimQuery"}, "http://s.test/q#x", "http://s.test/q"},
      {{}, "http://s.test/dir/", "http://s.test/dir/"},
      {{"shouldIgnoreSlash"}, "http://s.test/dir/", "http://s.test/dir", true},
      {{"shouldIgnoreSlash"}, "http://s.test/other/#top", "http://s.test/other", true},
      {{"shouldIgnoreSlash"}, "http://s.test/page", "http://s.test/page"},
      // Queries are trimmed, when asked, for internal records only.
      {{}, "http://s.test/p?a=1#f", "http://s.test/p", false, true, true},
      {{}, "http://x.test/p?a=1#f", "http://x.test/p?a=1", false, true, false},
      {{}, "http://s.test/p?a=1", "http://s.test/p?a=1", false, false, true},
      // Wrapped search-result links are stored as their target; escapes that do not
      // decode leave it as written, and the same path on another host is ordinary.
      {{}, "https://www.google.com/url?q=https%3A%2F%2Fexample.com%2Fpage%3Fx%3D1&sa=U&ved=2",
       "https://example.com/page?x=1"},
      {{}, "https://www.google.co.uk/url?q=https://example.com/a", "https://example.com/a"},
      {{}, "https://google.com/url?q=https://e.test/%zz&x", "https://e.test/%zz"},
      {{}, "http://s.test/url?q=abc&r=1", "http://s.test/url?q=abc&r=1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    for (const char* key : {"dontTrimHash", "trimQuery", "shouldIgnoreSlash"})
      tp.defaults.setBool(key, false);
    for (const char* key : c.on) tp.defaults.setBool(key, true);
    ZelUrl* r = stored(c.in, c.trimQuery, c.internal);
    EXPECT_EQ(r->getLinkUrl(), c.out);
    EXPECT_EQ(r->hasHadSlashTrimmed(), c.slashTrimmed);
    EXPECT_EQ(hub.lookup(c.out), r);
    EXPECT_EQ(r->getActualLinkUrl(), c.slashTrimmed ? std::string(c.out) + "/" : c.out);
  }
  EXPECT_EQ(hub.lookup("http://s.test/p?a=1#f"), nullptr) << "only the stored form is a key";
  ZelUrl* unchanged = hub.createRecord();
  unchanged->setLinkUrl(std::nullopt, false);
  EXPECT_EQ(unchanged->getLinkUrl(), "");
}

TEST_F(UrlTextRecordTest, SessionIdRemoval) {
  ZelUrl* r = stored("http://s.test/");
  const std::pair<const char*, const char*> cases[] = {
      {"http://s.test/p?sid=123", "http://s.test/p"},
      {"http://s.test/p?sid=1&a=2", "http://s.test/p?&a=2"},
      {"http://s.test/p?a=1&sid=2", "http://s.test/p?a=1"},
      {"http://s.test/p?a=1&sid=2&b=3", "http://s.test/p?a=1&b=3"},
      {"http://s.test/p?sidebar=left", "http://s.test/p"},  // the name is matched as a prefix
      {"http://s.test/p?a=1", "http://s.test/p?a=1"},
      {"http://s.test/p", "http://s.test/p"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(r->removeSessionIdFrom(in), out) << in;

  tp.defaults.setString("sessidParam", "PHPSESSID");
  EXPECT_EQ(r->removeSessionIdFrom("http://s.test/p?PHPSESSID=ab&x=1"), "http://s.test/p?&x=1");
  EXPECT_EQ(r->removeSessionIdFrom("http://s.test/p?sid=1"), "http://s.test/p?sid=1");
}

TEST_F(UrlTextRecordTest, Equality) {
  struct Case {
    const char* stored;
    const char* other;
    bool equal;
    bool trimmed = false, ignoreSlash = false;
  };
  const Case cases[] = {
      // After decoding, ignoring case and the fragment.
      {"http://s.test/Page", "http://s.test/Page", true},
      {"http://s.test/Page", "http://s.test/page", true},
      {"http://s.test/Page", "http://s.test/Page#frag", true},
      {"http://s.test/Page", "http://s.test/Page2", false},
      {"http://s.test/Page", "", false},
      {"http://s.test/Über", "http://s.test/%C3%BCber", true},
      // A trailing slash or a query only when asked.
      {"http://s.test/a", "http://s.test/a/", false},
      {"http://s.test/a", "http://s.test/a/", true, false, true},
      {"http://s.test/q", "http://s.test/q?x=1", false},
      {"http://s.test/q", "http://s.test/q?x=1", true, true, false},
      // Two slashes against three mark recursion.
      {"http://s.test/b", "http://s.test///c", false},
      {"http://s.test//a", "http://s.test///a", true},
  };
  for (const Case& c : cases) {
    ZelUrl* r = stored(c.stored);
    EXPECT_FALSE(r->getRecursion());
    EXPECT_EQ(r->isEqualToUrl(c.other, c.trimmed, c.ignoreSlash), c.equal)
        << c.stored << " against " << c.other;
    EXPECT_EQ(r->getRecursion(), std::string(c.other).find("///") != std::string::npos && c.equal)
        << c.stored << " against " << c.other;
  }

  // The address the record was redirected to counts, in any case.
  ZelUrl* r = stored("http://s.test/a");
  r->addRedir("http://s.test/b", std::string("301"), 0);
  for (const char* other : {"http://s.test/b", "http://s.test/B", "http://s.test/a"})
    EXPECT_TRUE(r->isEqualToUrl(other, false, false)) << other;

  // A forced trim takes the fragment off both sides.
  tp.defaults.setBool("dontTrimHash", true);
  ZelUrl* f = stored("http://s.test/p#a");
  EXPECT_FALSE(f->isEqualToUrl("http://s.test/p#b", false, false, false));
  EXPECT_TRUE(f->isEqualToUrl("http://s.test/p#b", false, false, true));
}

TEST_F(UrlTextRecordTest, RelativeResolutionAndLegacyEscaping) {
  ZelUrl* r = stored("http://s.test/");
  struct Case {
    const char* text;
    const char* base;
    const char* out;
  } cases[] = {
      // Ordinary references resolve as Url::resolve does (Url.ResolvesReferences).
      {"../up.html", "http://s.test/dir/page.html", "http://s.test/up.html"},
      {"?q=1", "http://s.test/dir/page.html?old", "http://s.test/dir/page.html?q=1"},
      {"a.html", "http://s.test", "http://s.test/a.html"},
      {"../a.html", "http://s.test", "http://s.test/a.html"},
      {"?q", "http://s.test", "http://s.test?q"},
      {"#f", "http://s.test", "http://s.test#f"},
      {"https://abs.test/x", "http://s.test/dir/", "https://abs.test/x"},
      // Fallbacks for texts that are not valid references as written.
      {"a b.html", "http://s.test/dir/", "http://s.test/dir/a%20b.html"},
      {"ü.html", "http://s.test/dir/", "http://s.test/dir/%C3%BC.html"},
      {"café/ä b.html?q=é#ü", "http://s.test/dir/",
       "http://s.test/dir/caf%C3%A9/%C3%A4%20b.html?q=%C3%A9#%C3%BC"},
      {"http://bücher.test/x y", "http://s.test/", "http://xn--bcher-kva.test/x%20y"},
      {"q.html", "http://s.test/my dir/p.html", "http://s.test/my%20dir/q.html"},
      {"a|b", "http://s.test/dir/", "http://s.test/dir/a%7Cb"},
  };
  for (const Case& c : cases) {
    auto url = r->makeNSURLFromString(c.text, c.base);
    ASSERT_TRUE(url.has_value()) << c.text << " against " << c.base;
    EXPECT_EQ(url->absoluteString(), c.out) << c.text << " against " << c.base;
    auto viaHub = hub.makeNSURLFromString(c.text, c.base);
    ASSERT_TRUE(viaHub.has_value());
    EXPECT_EQ(viaHub->absoluteString(), url->absoluteString());
  }
  EXPECT_EQ(r->makeNSURLFromString("rel", ""), std::nullopt);
  EXPECT_EQ(r->makeNSURLFromString("rel", "not a url"), std::nullopt);
  // Legacy escaping of unparsable addresses.
  EXPECT_EQ(r->myStringByAddingPercentEscapes("http://s.test/a%20b"), "http://s.test/a%20b");
  EXPECT_EQ(r->myStringByAddingPercentEscapes("http://s.test/a b|c?x=ü"),
            "http://s.test/a%20b%7Cc?x=%C3%BC");
  // The part up to the first "/" from index 8 on is kept as written.
  EXPECT_EQ(r->myStringByAddingPercentEscapes("http://s test/a b"), "http://s test/a%20b");
  EXPECT_EQ(r->myStringByAddingPercentEscapes("http://bad host"), "http://bad host");
  EXPECT_EQ(r->myStringByAddingPercentEscapes("a b"), "a b");
}

TEST_F(UrlTextRecordTest, CaseCheckComparesWithTheStoredSpellingOfExistingFiles) {
  test::TempDir tmp;
  test::writeWhole(tmp / "Sub Dir/CaseFile.html", "x");
  auto fileUrl = [&](const std::string& rel) { return "file://" + tmp.path() + "/" + rel; };
  ZelUrl* r = stored("http://s.test/");
  EXPECT_TRUE(r->actualPathMatchesCase(fileUrl("Sub%20Dir/CaseFile.html")));
  EXPECT_FALSE(r->actualPathMatchesCase(fileUrl("Sub%20Dir/casefile.html")));
  EXPECT_FALSE(r->actualPathMatchesCase(fileUrl("sub%20dir/CaseFile.html")));
  EXPECT_TRUE(r->actualPathMatchesCase("http://s.test/ANY/Case.html"));
  // Long addresses do not match; a missing file is not a mismatch.
  EXPECT_FALSE(r->actualPathMatchesCase("file:///" + std::string(243, 'a')));
  EXPECT_FALSE(r->actualPathMatchesCase("http://s.test/" + std::string(300, 'a')));
  EXPECT_TRUE(r->actualPathMatchesCase(fileUrl("Sub%20Dir/missing.html")));
  EXPECT_TRUE(tp.logged("Error #2 making ref."));
}

}  // namespace
}  // namespace zel
