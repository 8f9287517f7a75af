// The hub's collections: data source operations, look-up tables, counters
// and notifications.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
#include "support/hub_fixture.h"

namespace zel {
namespace {

class HubTest : public test::HubFixture {
 protected:
  ZelUrl* added(const std::string& url) {
    ZelUrl* r = record(url);
    hub.add(r);
    return r;
  }
};

TEST_F(HubTest, IndexedAccessStopsAtTheEndAndSwaps) {
  EXPECT_EQ(hub.getnthItem(0), nullptr);
  EXPECT_EQ(hub.getFirstItem(), nullptr);
  ZelUrl* a = added("http://site.test/a");
  ZelUrl* b = added("http://site.test/b");
  EXPECT_EQ(hub.getnthItem(1), b);
  EXPECT_EQ(hub.getnthItem(2), nullptr);
  EXPECT_EQ(hub.getnthItem(-1), nullptr);
  EXPECT_EQ(hub.getNextItem(a), b);
  EXPECT_EQ(hub.getNextItem(b), nullptr);
  b->setID(42);
  EXPECT_EQ(hub.getItemById(42), b);
  EXPECT_EQ(hub.getItemById(7), nullptr);
  // Swapping needs both items in the collection.
  hub.swop(a, hub.createRecord());
  EXPECT_EQ(hub.getnthItem(0), a);
  hub.swop(a, b);
  EXPECT_EQ(hub.getnthItem(0), b);
  EXPECT_EQ(hub.getnthItem(1), a);
}

TEST_F(HubTest, SortedViewFiltersSortsAndFollowsAdds) {
  ZelUrl* c = added("http://site.test/c");
  ZelUrl* a = added("http://site.test/A");
  ZelUrl* b = added("http://site.test/b");
  b->setVisible(false);
  EXPECT_EQ(hub.getNumberVisible(), 2u);
  EXPECT_EQ(hub.indexOfItem(b), kxDataSource<ZelUrl>::kNotFound);
  ZelUrl* d = added("http://site.test/d");
  EXPECT_EQ(hub.getnthVisibleItem(2), d) << "add appends to an existing view";

  hub.invalidateSortedAndFilteredArray();
  hub.sortByColumn("linkurl", true, 0);  // a new view holds every item, hidden ones too
  EXPECT_EQ(hub.getSortedAndFilteredArray(), (std::vector<ZelUrl*>{a, b, c, d}))
      << "text sort ignores case";
  hub.sortByColumn("linkurl", false, 0);
  EXPECT_EQ(hub.getnthVisibleItem(0), d);

  a->setResponseTimeInterval(3);
  b->setResponseTimeInterval(1);
  c->setResponseTimeInterval(10);
  d->setResponseTimeInterval(2);
  hub.sortByColumn("responsetime", true, 1);
  EXPECT_EQ(hub.getSortedAndFilteredArray(), (std::vector<ZelUrl*>{b, d, a, c}));
  hub.sortByColumn("responsetime", false, 1);
  EXPECT_EQ(hub.getSortedAndFilteredArray(), (std::vector<ZelUrl*>{c, a, d, b}));
  hub.sortByColumn("responsetime", true, 7);  // unknown option: unchanged
  EXPECT_EQ(hub.getnthVisibleItem(0), c);
}

TEST_F(HubTest, LookupHoldsEveryRecordByItsKeyOldAddressesIncluded) {
  EXPECT_FALSE(hub.hasLookupDictionary());
  ZelUrl* a = added("http://site.test/a");
  EXPECT_TRUE(hub.hasLookupDictionary());
  EXPECT_EQ(hub.lookup("http://site.test/a"), a);
  ZelUrl* again = added("http://site.test/a");
  EXPECT_EQ(hub.lookup("http://site.test/a"), again) << "a later record replaces the earlier";
  hub.removeFromLookup(a);
  EXPECT_EQ(hub.lookup("http://site.test/a"), nullptr);
  EXPECT_TRUE(tp.logged("removed http://site.test/a from lookupdictionary"));

  // The table keeps no key text while a key is its record's address; these are
  // the cases where it is not: a record given a new address keeps the old key.
  a = added("http://site.test/old");
  a->setLinkUrl("http://site.test/new", false);
  EXPECT_EQ(hub.lookup("http://site.test/old"), a);
  EXPECT_EQ(hub.lookup("http://site.test/new"), a);
  ZelUrl* b = added("http://site.test/old");
  EXPECT_EQ(hub.lookup("http://site.test/old"), b) << "the old key can be taken";
  b->setLinkUrl("http://site.test/other", false);
  EXPECT_EQ(hub.lookup("http://site.test/old"), b);
  a->setLinkUrl("http://site.test/new2", false);
  hub.removeFromLookup(a);
  EXPECT_EQ(hub.lookup("http://site.test/new2"), nullptr);
  EXPECT_EQ(hub.lookup("http://site.test/new"), a);
  EXPECT_EQ(hub.lookup("http://site.test/old"), b);
}

// Enough keys to grow the table several times; removals in between must leave
// every other key findable.
TEST_F(HubTest, LookupFindsEveryKeyAfterRemovals) {
  std::vector<ZelUrl*> records;
  for (int i = 0; i < 5000; ++i) records.push_back(added("http://site.test/p" + std::to_string(i)));
  for (int i = 0; i < 5000; i += 3) hub.removeFromLookup(records[i]);
  for (int i = 0; i < 5000; ++i)
    ASSERT_EQ(hub.lookup("http://site.test/p" + std::to_string(i)),
              i % 3 == 0 ? nullptr : records[i])
        << i;
  for (int i = 0; i < 5000; i += 3) records[i]->setLinkUrl(records[i]->getLinkUrl(), false);
  for (int i = 0; i < 5000; ++i)
    ASSERT_EQ(hub.lookup("http://site.test/p" + std::to_string(i)), records[i]) << i;
}

TEST_F(HubTest, RedirectLookupWithAndWithoutTrailingSlash) {
  ZelUrl* a = added("http://site.test/a");
  ZelUrl* b = added("http://site.test/b");
  hub.addToRedirLookup(a, "http://site.test/new");
  hub.addToRedirLookup(b, "http://site.test/new");
  EXPECT_EQ(hub.getNnumberOfRedirectsTo("http://site.test/new"), 2);
  EXPECT_EQ(hub.getNnumberOfRedirectsTo("http://site.test/new/"), 2);
  EXPECT_EQ(hub.getNnumberOfRedirectsTo(""), 0);
  EXPECT_EQ(hub.getNnumberOfRedirectsTo("http://site.test/none/"), 0);
  tp.defaults.setBool("wordpressUrls", true);
  EXPECT_EQ(hub.getNnumberOfRedirectsTo("http://site.test/new/"), 0);
}

TEST_F(HubTest, RemovingARecordNotInTheCollection) {
  added("http://site.test/a");
  ZelUrl* loose = hub.createRecord();
  loose->setLinkUrl("http://site.test/loose", false);
  hub.setNumberDone(1);
  hub.removeThisZelUrlFromCollection(loose);
  EXPECT_EQ(hub.lookup("http://site.test/loose"), nullptr);
  EXPECT_EQ(hub.retainArray().back(), loose);
  EXPECT_EQ(hub.getCheckedLinkCount(), 0);
  EXPECT_TRUE(tp.logged("unable to  remove ZelUrl http://site.test/loose from collection"));
}

TEST_F(HubTest, DecNumberDoneClampsAndLowersTheBadCount) {
  ZelUrl* a = added("http://site.test/a");
  ZelUrl* bad = added("http://site.test/bad");
  bad->setStatus("404 not found");
  hub.setNumberDone(10);
  hub.setBadCollectionCount(1);
  hub.decNumberDone(a);
  EXPECT_EQ(hub.getCheckedLinkCount(), 2) << "above the record count: set to it";
  EXPECT_EQ(hub.getBadLinkCount(), 1);
  hub.decNumberDone(bad);
  EXPECT_EQ(hub.getCheckedLinkCount(), 1);
  EXPECT_EQ(hub.getBadLinkCount(), 0);
  hub.decNumberDone(bad);
  EXPECT_EQ(hub.getBadLinkCount(), 0) << "never below zero";
  EXPECT_EQ(tp.timesPosted("ZelDidUpdateLink"), 3u);
}

TEST_F(HubTest, DuplicatesGroupPagesByTitleWithMatchingSizes) {
  ZelUrl* a = added("http://site.test/a");
  ZelUrl* b = added("http://site.test/b");
  ZelUrl* c = added("http://site.test/c");
  for (ZelUrl* r : {a, b, c}) {
    r->setLinkPageTitle("Same");
    hub.seoManager().add(r);
  }
  a->setFileSize(100);
  b->setFileSize(100);
  c->setFileSize(999);
  auto dups = hub.getDuplicatesForZelUrl(a);
  EXPECT_EQ(dups, (std::vector<ZelUrl*>{b, c}));
  EXPECT_EQ(hub.getDuplicateTitles().at("Same").size(), 3u);
  EXPECT_EQ(a->getPossibleduplicates(), 2);
  EXPECT_EQ(hub.getPageCount(), 3);
}

}  // namespace
}  // namespace zel
