// The link graph: instances across blocks, interned texts, the side table of
// attributes, record lists as chains, and the hub's collection with removals.
#include <gtest/gtest.h>

#include "engine/zel_hub.h"
#include "support/hub_fixture.h"

namespace zel {
namespace {

class LinkGraphTest : public test::HubFixture {
 protected:
  static std::vector<std::string> targets(const ZelLinkInstanceList& list) {
    std::vector<std::string> out;
    for (ZelLinkInstance* i : list) out.push_back(i->target()->getLinkUrl());
    return out;
  }
};

// More instances than one block holds, the second block in a file whose pages
// are given back before reading, with texts that repeat and texts that do not
// (so the text table grows), attributes on some, and line numbers too big to
// sit beside the flags: each reads back its own, and the lists their order.
TEST_F(LinkGraphTest, ManyInstancesKeepTheirOwnFields) {
  hub.linkGraph().keepInstancesInFileAfter(1, ::testing::TempDir());
  auto line = [](int i) { return i % 7 == 0 ? i * 40 : i == 5 ? -1 : i; };
  std::vector<ZelUrl*> pages;
  for (int p = 0; p < 50; ++p) pages.push_back(record("http://site.test/p" + std::to_string(p)));
  const int n = 90000;
  std::vector<ZelLinkInstance*> made;
  for (int i = 0; i < n; ++i) {
    std::optional<std::string> text;
    if (i % 5 == 1)
      text = "Read more";
    else if (i % 5 == 2)
      text = "item " + std::to_string(i);
    else if (i % 5 == 3)
      text = "";
    made.push_back(hub.addInstanceWithParent(
        pages[i % 50], pages[(i * 7 + 3) % 50], text, i % 11 == 0 ? "nofollow" : "",
        i % 13 == 0 ? "_blank" : "", i % 17 == 0 ? "de-" + std::to_string(i) : "", line(i)));
  }
  hub.linkGraph().releaseFileBlocks();
  for (int i = 0; i < n; ++i) {
    const ZelLinkInstance* l = made[i];
    ASSERT_EQ(l->parent(), pages[i % 50]) << i;
    ASSERT_EQ(l->target(), pages[(i * 7 + 3) % 50]) << i;
    ASSERT_EQ(l->lineNumber(), line(i)) << i;
    const int kind = i % 5;
    ASSERT_EQ(l->hasLinkText(), kind == 1 || kind == 2 || kind == 3) << i;
    ASSERT_EQ(l->linkText(), kind == 1   ? "Read more"
                             : kind == 2 ? "item " + std::to_string(i)
                                         : "")
        << i;
    ASSERT_EQ(l->getRel(), i % 11 == 0 ? "nofollow" : "") << i;
    ASSERT_EQ(l->nf(), i % 11 == 0) << i;
    ASSERT_EQ(l->getTargetAttr(), i % 13 == 0 ? "_blank" : "") << i;
    ASSERT_EQ(l->getHreflang(), i % 17 == 0 ? "de-" + std::to_string(i) : "") << i;
  }
  EXPECT_EQ(&made[1]->linkText(), &made[6]->linkText()) << "a repeated text is stored once";
  EXPECT_EQ(pages[0]->outboundLinkCount(), static_cast<size_t>(n / 50));
  const ZelLinkInstanceList out = pages[0]->getOutboundInstances();
  EXPECT_EQ(out.back(), made[n - 50]);
  EXPECT_EQ(out[3], made[150]);
  size_t walked = 0;
  for (ZelLinkInstance* i : out) {
    ASSERT_EQ(i, made[walked * 50]);
    ++walked;
  }
  EXPECT_EQ(walked, out.size());
  // pages[3] is the target of every 50th instance, across both blocks.
  const ZelLinkInstanceList in = pages[3]->getInboundInstances();
  ASSERT_EQ(in.size(), static_cast<size_t>(n / 50));
  walked = 0;
  for (ZelLinkInstance* i : in) ASSERT_EQ(i, made[50 * walked++]);
  EXPECT_EQ(in[1200], made[60000]);
  EXPECT_EQ(in.back(), made[n - 50]);
}

// Pages' texts in the file from the first chunk on, set in the parser's order
// (so each replaces the page's newest texts), some set again after other pages
// wrote theirs, one page's headings too long for a chunk: after the file's
// pages are given back, each page reads its own.
TEST_F(LinkGraphTest, PageTextsReadBackFromTheFile) {
  hub.linkGraph().pageTexts().keepInFileAfter(0, ::testing::TempDir());
  const int n = 4000;
  auto title = [](int p, int round) { return "Title " + std::to_string(p * 31 + round); };
  auto headings = [](int p) {
    std::vector<std::string> h(p == 7 ? 20000 : p % 4, "heading of page " + std::to_string(p));
    return h;
  };
  std::vector<ZelUrl*> pages;
  for (int p = 0; p < n; ++p) {
    ZelUrl* r = record("http://site.test/p" + std::to_string(p));
    r->setLinkPageTitle(title(p, 0));
    r->setMetaData(std::vector<MetaEntry>{
        {{"name", "description"}, {"content", "About page " + std::to_string(p)}}});
    if (p % 3 == 0) r->setCanonical("http://site.test/c" + std::to_string(p));
    r->setHeadings(headings(p));
    pages.push_back(r);
  }
  for (int p = 0; p < n; p += 5) pages[p]->setLinkPageTitle(title(p, 1));
  pages[n - 1]->setCanonical("");
  EXPECT_GT(hub.linkGraph().pageTexts().fileChunks(), 1u);
  hub.linkGraph().pageTexts().releaseFileChunks();
  for (int p = 0; p < n; ++p) {
    const ZelUrl* r = pages[p];
    ASSERT_EQ(r->getLinkPageTitle(), title(p, p % 5 == 0 ? 1 : 0)) << p;
    ASSERT_EQ(r->getMetaDescription(), "About page " + std::to_string(p)) << p;
    ASSERT_EQ(r->getCanonical(),
              p % 3 == 0 && p != n - 1 ? "http://site.test/c" + std::to_string(p) : "")
        << p;
    ASSERT_EQ(r->getHeadings(), headings(p)) << p;
  }
}

// Removing at the head, in the middle and at the tail keeps the order of the
// rest, outbound and inbound, and what is appended afterwards goes to the end.
TEST_F(LinkGraphTest, RemovalsKeepChainsAndCollectionInOrder) {
  const std::pair<size_t, std::vector<std::string>> cases[] = {
      {0, {"b", "c", "d"}}, {2, {"a", "b", "d"}}, {3, {"a", "b", "c"}}};
  for (const auto& [removed, left] : cases) {
    ZelHub h{"http://site.test/", tp.platform()};
    ZelUrl* page = h.createRecord();
    page->setLinkUrl("page", false);
    ZelUrl* hubTarget = h.createRecord();
    hubTarget->setLinkUrl("t", false);
    std::vector<ZelLinkInstance*> made;
    for (const char* name : {"a", "b", "c", "d"}) {
      ZelUrl* t = h.createRecord();
      t->setLinkUrl(name, false);
      made.push_back(h.addInstanceWithParent(page, t, std::string(name), "", "", "", 1));
    }
    // The same four pages link to one target too.
    std::vector<ZelLinkInstance*> into;
    for (ZelLinkInstance* i : made)
      into.push_back(h.addInstanceWithParent(i->target(), hubTarget, std::string("in"), "", "", "", 1));
    hubTarget->removeThisInstanceFromInboundArray(into[removed]);
    std::vector<std::string> parents;
    for (ZelLinkInstance* i : hubTarget->getInboundInstances())
      parents.push_back(i->parent()->getLinkUrl());
    EXPECT_EQ(parents, left) << removed;
    for (ZelLinkInstance* i : into)
      if (i != into[removed]) hubTarget->removeThisInstanceFromInboundArray(i);
    EXPECT_EQ(hubTarget->occurrencesCount(), 0u);

    page->removeThisInstanceFromOutboundArray(made[removed]);
    EXPECT_EQ(targets(page->getOutboundInstances()), left) << removed;
    ASSERT_NE(h.getInstanceCollection(), nullptr);
    EXPECT_EQ(h.getInstanceCollection()->size(), 3u);
    std::vector<std::string> inCollection;
    for (ZelLinkInstance* i : *h.getInstanceCollection()) inCollection.push_back(i->linkText());
    EXPECT_EQ(inCollection, left) << removed;

    h.addInstanceWithParent(page, hubTarget, std::string("t"), "", "", "", 2);
    std::vector<std::string> after = left;
    after.push_back("t");
    EXPECT_EQ(targets(page->getOutboundInstances()), after) << removed;
    EXPECT_EQ(page->getOutboundInstances().back()->target(), hubTarget);
    EXPECT_EQ(made[removed]->target()->occurrencesCount(), 1u)
        << "the target's own list is untouched";
  }
}

}  // namespace
}  // namespace zel
