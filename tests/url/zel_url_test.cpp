// The URL record: initial values, the link graph and its caches, sizes, type
// tests, page facts, status rules, warnings, the redirect table and field access.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "support/hub_fixture.h"

namespace zel {
namespace {

class RecordTest : public test::HubFixture {
 protected:
  ZelLinkInstance* link(ZelUrl* from, ZelUrl* to, std::optional<std::string> text = "t",
                        std::string_view rel = "") {
    return hub.addInstanceWithParent(from, to, text, rel, "", "", 1);
  }
};

TEST_F(RecordTest, DistanceFromHomeOnlyFalls) {
  ZelUrl* r = record("http://site.test/a");
  r->setDistanceFromHome(2);
  r->setDistanceFromHome(3);
  EXPECT_EQ(r->getDistanceFromHome(), 2);
  EXPECT_TRUE(tp.logged("*** attempt to set http://site.test/a to distance to a number higher "
                        "than we already have"));
  r->setDistanceFromHome(1);
  EXPECT_EQ(r->getDistanceFromHome(), 1);
  ZelUrl* home = record("http://site.test/");
  home->setDistanceFromHome(5);  // from 0 any value is taken
  EXPECT_EQ(home->getDistanceFromHome(), 5);
}

TEST_F(RecordTest, FileSizesInKilobytes) {
  ZelUrl* r = record("http://site.test/f");
  r->setFileSize(1500);
  EXPECT_EQ(r->fileSizeKB(), 1);
  EXPECT_NEAR(r->getFilesize(), 1500 / 1024.0, 1e-9);
  r->setFileSize(3000);
  EXPECT_EQ(r->getFilesize(), 2.0);
  ZelUrl* none = record("http://site.test/g");
  none->setFileSizeCompressed(4096);
  EXPECT_EQ(none->getFilesize(), 4.0);
  EXPECT_EQ(none->getFileSizeInKBytes(), 4);
  EXPECT_EQ(none->getFileSize(), "") << "not good yet";
  none->setStatus("200 no error");
  EXPECT_EQ(none->getFileSize(), "?4kb");
  r->setStatus("200 no error");
  EXPECT_EQ(r->getFileSize(), "2kb");
  EXPECT_EQ(r->getFieldAsNumberByName("filesize"), 2);
  EXPECT_EQ(none->getFieldAsNumberByName("filesize"), 4);
}

TEST_F(RecordTest, ImageTestsByExtensionAndCaches) {
  ZelUrl* page = record("http://site.test/");
  ZelUrl* png = record("http://site.test/i.png?v=2");
  ZelUrl* mixed = record("http://site.test/i.Png");
  ZelUrl* other = record("http://site.test/p.html");
  EXPECT_TRUE(png->getIsImage());
  EXPECT_FALSE(mixed->getIsImage());
  link(page, png, "[alt]: logo");
  link(page, other, "about");
  link(page, mixed, "[linked file]");
  EXPECT_EQ(page->getLinkedImagesArray().size(), 1u);
  EXPECT_EQ(page->getImageqty(), 1);
  EXPECT_EQ(page->getLinkCount(), 1) << "images and linked files are not links";
  // Marking a target as an image drops its parents' cached lists.
  other->setIsImage(true);
  EXPECT_EQ(page->getImageqty(), 0);
  EXPECT_EQ(page->getLinkedImagesArray().size(), 2u);
  // Adding an outbound instance drops the caches too.
  link(page, record("http://site.test/x.gif"));
  EXPECT_EQ(page->getImageqty(), 0);
  EXPECT_EQ(page->getLinkedImagesArray().size(), 3u);
}

TEST_F(RecordTest, InboundAndOutboundBookkeepingAndRelFlags) {
  ZelUrl* page = record("http://site.test/");
  ZelUrl* in = record("http://site.test/in");
  ZelUrl* out = record("http://other.test/");
  out->setIsInternal(false);
  link(page, in);
  link(page, out);
  link(page, out);
  EXPECT_EQ(page->getInternallinkcount(), 1);
  EXPECT_EQ(page->getExternallinkcount(), 2);
  EXPECT_EQ(page->outboundLinkCount(), 3u);
  EXPECT_EQ(out->occurrencesCount(), 2u);
  EXPECT_EQ(out->getParentOfInstanceAtIndex(1), page);
  EXPECT_EQ(out->getParentOfInstanceAtIndex(2), nullptr);
  EXPECT_EQ(out->getActualUrlOfInstanceAtIndex(5), "");
  EXPECT_TRUE(out->appearsOn(page));
  EXPECT_FALSE(page->appearsOn(out));
  ASSERT_NE(hub.getInstanceCollection(), nullptr);
  EXPECT_EQ(hub.getInstanceCollection()->size(), 3u);

  ZelLinkInstance* first = out->getInstanceAtIndex(0);
  out->removeThisInstanceFromInboundArray(first);
  EXPECT_EQ(out->occurrencesCount(), 1u);
  EXPECT_EQ(hub.getInstanceCollection()->size(), 2u);
  out->removeThisInstanceFromInboundArray(first);  // not there any more: only logged
  EXPECT_TRUE(tp.logged("unable to find instance in target inboundInstanceArray"));

  // Rel flags are only ever set.
  ZelUrl* a = record("http://site.test/a");
  ZelUrl* b = record("http://site.test/b");
  ZelLinkInstance* i = link(a, b, "x", "NoFollow noopener");
  EXPECT_TRUE(i->nf());
  EXPECT_TRUE(i->nop());
  EXPECT_FALSE(i->nr());
  EXPECT_EQ(i->getRel(), "NoFollow noopener");
  i->setRel("");
  EXPECT_TRUE(i->nf());
  EXPECT_TRUE(i->nop());
  ZelLinkInstance* j = link(a, b, "y", "preconnect sponsored ugc");
  EXPECT_TRUE(j->pc());
  EXPECT_TRUE(j->sp());
  EXPECT_TRUE(j->ugc());
  // Instances without attributes: LinkGraphTest.ManyInstancesKeepTheirOwnFields.
}

TEST_F(RecordTest, OnPageUrlAndNofollow) {
  ZelUrl* target = record("http://site.test/t");
  EXPECT_EQ(target->getOnPageUrl(), "");
  EXPECT_FALSE(target->isNofollow());
  ZelUrl* p1 = record("http://site.test/p1");
  p1->setLinkPageTitle("Page One");
  link(p1, target, "x", "nofollow");
  EXPECT_EQ(target->getOnPageUrl(), "http://site.test/p1");
  tp.defaults.setBool("displayPageTitle", true);
  EXPECT_EQ(target->getOnPageUrl(), "Page One");
  EXPECT_TRUE(target->isNofollow());
  for (int i = 0; i < 6; ++i) link(record("http://site.test/q" + std::to_string(i)), target);
  EXPECT_FALSE(target->isNofollow());
  EXPECT_EQ(target->getOnPageUrl(), "7 instances over more than one page");
  tp.defaults.setBool("limitOccurrences", true);
  tp.defaults.setInteger("occurrencesLimit", 5);
  EXPECT_EQ(target->getOnPageUrl(), ">5 instances over more than one page");
  tp.localizer.set("instances over more than one page", "Instanzen", "Zelmora");
  EXPECT_EQ(target->getOnPageUrl(), ">5 Instanzen");
}

TEST_F(RecordTest, RobotsHeadingsAndMetaData) {
  ZelUrl* r = record("http://site.test/");
  r->setHeadContainsNoFollow(true);
  r->setHeadContainsNoIndex(true);
  EXPECT_EQ(r->getRobots(), "nofollow,noindex");
  EXPECT_EQ(r->getH1s(), "");
  r->setHeadings(std::vector<std::string>{"Main", "\tSub one ", "\t\tDeep", "Second", "\t\t\tD4"});
  EXPECT_EQ(r->getH1s(), "Main, Second");
  EXPECT_EQ(r->getH2s(), "Sub one");
  EXPECT_EQ(r->getH3s(), "Deep");
  EXPECT_EQ(r->getH4s(), "D4");
  EXPECT_EQ(r->h1Count(), 2);

  std::vector<MetaEntry> meta = {
      {{"name", "Description"}, {"content", "first"}},
      {{"property", "og:title"}, {"content", "OG"}},
      {{"name", "description"}, {"content", "second"}},
      {{"name", "keywords"}, {"content", "k1"}},
  };
  r->setMetaData(meta);
  EXPECT_EQ(r->getMetaDescription(), "second");
  ASSERT_NE(r->getWarnings(), nullptr);
  EXPECT_EQ(r->getWarnings()->size(), 1u);
  EXPECT_EQ(r->getOgtitle(), "OG");
  EXPECT_EQ(r->getTwittercard(), "");
  meta.push_back({{"name", "DESCRIPTION"}, {"content", "third"}});
  r->setMetaData(meta);
  EXPECT_EQ(r->getMetaDescription(), "third");
  EXPECT_EQ(r->getWarnings()->size(), 3u) << "two more: second and third entries";
  EXPECT_EQ(hub.getWarningsArray().size(), 3u);
  // Values longer than one length byte holds come back whole; tags without a
  // description leave none.
  const std::vector<MetaEntry> longOne = {{{"name", "keywords"}, {"content", std::string(300, 'k')}}};
  r->setMetaData(longOne);
  EXPECT_EQ(r->getMetaData(), longOne);
  EXPECT_EQ(r->getMetaDescription(), "");
  EXPECT_EQ(r->getH1s(), "Main, Second") << "the headings are untouched";
}

TEST_F(RecordTest, StatusFormsBadCollectionAndBlacklisting) {
  struct Case {
    const char* status;
    bool good, errorPage, exempt, outOfBad;
  };
  const Case cases[] = {
      {"200 no error", true, false, false, true},   {"404 not found", false, true, false, false},
      {"999 unknown", false, true, false, true},    {"MCMS zref", false, false, true, false},
      {"100 continue", true, false, false, true},   {"Not checked", false, false, true, true},
      {"301 moved permanently", true, true, false, false},
      {"blocked by Cloudflare", false, false, false, true},
      {"Disallowed by robots.txt", false, false, true, true},
      {"The request timed out", false, false, false, false},
      {"requires authentication", false, false, false, false},
  };
  for (const auto& c : cases) {
    ZelUrl* r = record(std::string("http://site.test/") + c.status);
    r->setStatus(c.status);
    EXPECT_EQ(r->isGoodLink(), c.good) << c.status;
    EXPECT_EQ(r->isErrorPage(), c.errorPage) << c.status;
    EXPECT_EQ(r->isExempt(), c.exempt) << c.status;
    EXPECT_EQ(r->shouldBeMemberOfBadCollection(), c.outOfBad) << c.status;
  }
  // Blacklisted records, with the flag setting on.
  tp.defaults.setBool("shouldFlagBlacklisted", true);
  ZelUrl* ok = record("http://site.test/ok");
  ok->setStatus("200 no error");
  ok->setIsBlacklisted(true);
  EXPECT_TRUE(ok->shouldBeMemberOfBadCollection()) << "the 2xx test comes first";
  ASSERT_NE(ok->getWarnings(), nullptr);
  EXPECT_EQ(ok->getWarnings()->front(),
            "The link url is blacklisted by a blacklist / whitelist rule");
  ZelUrl* unchecked = record("http://site.test/unchecked");
  unchecked->setStatus("Not checked");
  unchecked->setIsBlacklisted(true);
  EXPECT_FALSE(unchecked->shouldBeMemberOfBadCollection());
}

TEST_F(RecordTest, RedirectTableStatusAndWarnings) {
  ZelUrl* r = record("http://site.test/old");
  EXPECT_FALSE(r->lastRedirectWasMeta());
  r->addRedir("http://site.test/a#frag", "301 moved permanently", 0);
  r->addRedir("http://site.test/b", "302 found", 0);
  r->addRedir("http://site.test/c", "307 temporarily redirected", 0);
  r->setStatus("200 no error");
  EXPECT_EQ(r->getRedirectCount(), 3);
  EXPECT_EQ(r->getRedir(), "http://site.test/c");
  EXPECT_EQ(r->getActualLinkUrl(), "http://site.test/c");
  EXPECT_EQ(r->getRedirTable()->front().url, "http://site.test/a") << "fragment trimmed";
  EXPECT_FALSE(r->lastRedirectWasMeta());
  EXPECT_EQ(r->getStatus(), "200 no error < 301 moved permanently");
  tp.defaults.setInteger("redirectChain", 2);
  EXPECT_EQ(r->getWarningsAsArray().front(),
            "The original link url http://site.test/old redirected 3 times, which may be "
            "considered a redirect chain");
  tp.defaults.setInteger("redirectChain", 3);
  EXPECT_EQ(r->getWarningsAsArray().front(),
            "The original url http://site.test/old was redirected 3 times, final url: "
            "http://site.test/c");
  tp.defaults.setBool("dontReportRedirects", true);
  EXPECT_EQ(r->getStatus(), "200 no error");
  EXPECT_TRUE(r->getWarningsAsArray().empty());

  r->addRedir("http://site.test/refresh", std::nullopt, 1);
  EXPECT_EQ(r->getRedirectCount(), 3) << "no entry without a status";
  EXPECT_EQ(r->getRedir(), "http://site.test/refresh");
  EXPECT_TRUE(tp.logged("** addRedir: has a nil object. Redirection was not added"));
  r->addRedir("http://site.test/meta", "200 no error", 1);
  EXPECT_TRUE(r->lastRedirectWasMeta());
  r->clearRedir();
  EXPECT_EQ(r->getRedirTable(), nullptr);
  EXPECT_EQ(r->getRedir(), "");
  EXPECT_EQ(r->getActualurl(), "http://site.test/meta") << "kept until recomputed";
  r->setActualLinkUrl();
  EXPECT_EQ(r->getActualurl(), "http://site.test/old");

  // With slashes ignored, a redirect's slash is trimmed and shown again.
  tp.defaults.setBool("shouldIgnoreSlash", true);
  ZelUrl* s = record("http://site.test/x");
  s->addRedir("http://site.test/dir/", "301 moved permanently", 0);
  EXPECT_EQ(s->getRedir(), "http://site.test/dir");
  EXPECT_TRUE(s->getRedirTable()->back().hasHadRedirSlashTrimmed);
  EXPECT_EQ(s->getActualLinkUrl(), "http://site.test/dir/");
}

TEST_F(RecordTest, FieldAccessByNameAndWarningTexts) {
  ZelUrl* r = record("http://site.test/page");
  // Counts not yet known show as empty fields (and -1 as numbers), not as zero.
  EXPECT_EQ(r->getFieldByName("validatorerrors"), "");
  EXPECT_EQ(r->getFieldAsNumberByName("validatorerrors"), -1);
  EXPECT_EQ(r->getFieldByName("wordcount"), "");
  EXPECT_FALSE(r->getFieldByName("keywordstuffed").has_value()) << "absent, not NO";
  r->setResponseTimeInterval(0.123456);
  EXPECT_EQ(r->getFieldByName("LinkURL"), "http://site.test/page");
  EXPECT_EQ(r->getFieldByName("responsetime"), "0.12346 s");
  EXPECT_EQ(r->getFieldByName("loadtime"), "");
  EXPECT_EQ(r->getFieldAsNumberByName("WordCount"), 0) << "numbers match names exactly";
  EXPECT_EQ(r->getFieldByName("no-such-field"), "");
  EXPECT_EQ(r->getFieldByName("nofollow"), "NO");
  EXPECT_TRUE(ZelDataObject::isNumber("h1count"));
  EXPECT_FALSE(ZelDataObject::isNumber("status"));
  EXPECT_TRUE(ZelDataObject::isDate("timeStamp"));
  // A warning's position loses its column.
  EXPECT_EQ(r->cleanedWarningString("unclosed tag at line 12/5."), "unclosed tag at line 12.");
  EXPECT_EQ(r->cleanedWarningString("no position here"), "no position here");
  // An anchor fragment missing on the target page warns.
  tp.defaults.setBool("dontTrimHash", true);
  ZelUrl* anchored = record("http://site.test/page#section");
  anchored->setNamesOnThisPage({"top", "Section"});
  EXPECT_TRUE(anchored->getLinksAnchorDoesntAppearOnTargetPage());
  ASSERT_NE(anchored->getWarnings(), nullptr);
  EXPECT_EQ(anchored->getWarnings()->front(),
            "This link url contains the anchor fragment #section which Zelmora hasn't found "
            "on the target page");
  ZelUrl* found = record("http://site.test/other#top");
  found->setNamesOnThisPage({"top"});
  EXPECT_EQ(found->getWarnings(), nullptr);
}

TEST_F(RecordTest, SeoTermsLastModifiedDatesTitlesAndShortenedAddresses) {
  EXPECT_EQ(ZelUrl::countOcurrencesOfString("aa", "aaaa"), 3);
  EXPECT_EQ(ZelUrl::countOcurrencesOfString("", "abc"), 0);
  ZelUrl* r = record("http://site.test/shoes");
  r->setLinkPageTitle("Red Shoes and shoes");
  r->setHeadings(std::vector<std::string>{"Shoes", "\tmore shoes"});
  EXPECT_TRUE(r->countSEOTerm("shoes"));
  EXPECT_EQ(r->getOcurrencesInUrl(), 1);
  EXPECT_EQ(r->getOcurrencesInTitle(), 2);
  EXPECT_EQ(r->getOcurrencesInHeadings(), 2);
  EXPECT_EQ(r->getTotalOccurrences(), 5);
  EXPECT_FALSE(r->countSEOTerm("boots"));

  const std::pair<const char*, const char*> dates[] = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", "1994-11-06"},
      {"Sunday, 06-Nov-94 08:49:37 GMT", "1994-11-06"},{"Sun Nov  6 08:49:37 1994", "1994-11-06"},
      {"1994-11-06T08:49:37Z", "1994-11-06"},          {"6 November 1994", "1994-11-06"},
      {"November 6, 1994", "1994-11-06"},              {"not a date", ""},
  };
  for (const auto& [header, day] : dates) {
    r->setTargetLastModified(std::string(header));
    EXPECT_EQ(r->getLastModified(), day) << header;
  }

  ZelUrl* fresh = record("http://site.test/page");
  EXPECT_TRUE(fresh->isEqualToTitle(std::string())) << "a new record's title is the empty string";
  EXPECT_FALSE(fresh->isEqualToTitle(std::nullopt));
  EXPECT_TRUE(r->isEqualToTitle(std::string("Red Shoes and shoes")));

  const std::string sixty = "http://site.test/" + std::string(43, 'a');
  ASSERT_EQ(sixty.size(), 60u);
  EXPECT_EQ(ZelUrl::truncateURLByAddingElipsisInMiddle(sixty),
            sixty.substr(0, 23) + "..." + sixty.substr(33));
  const std::string fifty = sixty.substr(0, 50);
  EXPECT_EQ(ZelUrl::truncateURLByAddingElipsisInMiddle(fifty), fifty);
  // Shortened by characters: a two-byte letter is never cut in half.
  const std::string accented = "http://site.test/" + std::string(5, 'a') + "\xc3\xa9" +
                               std::string(40, 'b');
  const std::string shortened = ZelUrl::truncateURLByAddingElipsisInMiddle(accented);
  EXPECT_EQ(utf8Length(shortened), 53u);
  EXPECT_EQ(shortened.substr(0, 27), accented.substr(0, 24) + "...");
}

// The bounds count every field of the response; the rule picks which of those
// within them a record keeps.
TEST(KeptResponseHeaders, RuleKeepsNamedFieldsWithinTheBoundsOfAll) {
  HeaderList fields;
  for (int n = 0; n < 40; ++n) fields.emplace_back("X-Field-" + std::to_string(n), "v");
  fields[3] = {"x-robots-tag", "noindex"};
  fields[35] = {"Link", "<https://a.test/>; rel=canonical"};  // past the 32 fields
  KeptHeaderRule rule;
  rule.names = {"X-Robots-Tag", "Link"};
  const KeptResponseHeaders kept = KeptResponseHeaders::from(fields, rule);
  ASSERT_EQ(kept.headers.size(), 1u);
  EXPECT_EQ(kept.headers[0].first, "x-robots-tag");
  EXPECT_TRUE(kept.truncated);
  fields.resize(10);
  EXPECT_FALSE(KeptResponseHeaders::from(fields, rule).truncated);
  EXPECT_EQ(KeptResponseHeaders::from(fields).headers.size(), 10u);  // no names: every field
}

}  // namespace
}  // namespace zel
