#include "archive/archive_store.h"

#include <gtest/gtest.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "archive_fixture.h"
#include "engine/zel_hub.h"
#include "support/test_platform.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::readWhole;
using test::TempDir;
using test::writeWhole;

// 2024-03-05 14:07:09.042 local time.
std::chrono::system_clock::time_point fixedMoment() {
  std::tm tm{};
  strptime("2024-03-05 14:07:09", "%Y-%m-%d %H:%M:%S", &tm);
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm)) + std::chrono::milliseconds(42);
}

class ArchiveStoreTest : public ::testing::Test {
 protected:
  ArchiveStoreTest()
      : hub_("http://example.com/", tp_.platform()), store_(tp_.platform(), tmp_ / "base") {
    store_.setClock(fixedMoment);
  }

  ZelUrl* page(const std::string& url, const std::string& body, bool start = false) {
    ZelUrl* r = hub_.createRecord();
    r->setLinkUrl(url, false);
    r->setIsStartingPoint(start);
    r->ensureData() = body;
    r->setStatus(std::string("200 OK"));
    return r;
  }
  std::vector<std::string> archivedFiles() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(store_.archiveFolder(), ec), end; !ec && it != end; ++it)
      names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  bool archive(ZelUrl* r, const std::vector<std::string>& black = {},
               const std::vector<std::string>& white = {}) {
    return store_.archivePage(*r, black, white);
  }

  TempDir tmp_;
  test::TestPlatform tp_;
  ZelHub hub_;
  ArchiveStore store_;
};

TEST(ArchiveNames, PlainNamesEncodeThePathAndStampedOnesCarryTheStamp) {
  struct Case {
    std::string url, name;
    std::optional<std::string> stamped = std::nullopt;  // with the stamp "STAMP"
  };
  const Case cases[] = {
      {"http://example.com/a/b/page.html", "a%2Fb%2Fpage.html", "abpageSTAMP.html"},
      {"http://example.com/", "example.com%2F", "exampleSTAMP.com"},
      {"https://example.com/", "example.com%2F"},
      {"http://example.com/dir/", "dir%2F", "dirSTAMP"},
      {"http://example.com/notes", "notes", "notesSTAMP"},
      {"http://example.com/a%2Fb.html", "a%2Fb.html"},
      {"http://example.com/p?q=1/2", "p?q=1%2F2"},
      // The port belongs to the host part that is dropped.
      {"http://127.0.0.1:8080/a/x.html", "a%2Fx.html"},
      {"http://127.0.0.1:8080/", "127.0.0.1:8080%2F"},
      {"http://[::1]:8080/x.html", "x.html"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArchiveStore::archiveName(c.url), c.name) << c.url;
    if (c.stamped) {
      EXPECT_EQ(ArchiveStore::timeStampedName(c.url, "STAMP"), *c.stamped) << c.url;
    }
  }
}

TEST(ArchiveNames, ConvertedNamesAndDepths) {
  struct Case {
    std::string file, path;
    int32_t depth;
  };
  const Case cases[] = {
      {"a%2Fb%2Fpage.php", "a/b/page.html", 2},
      {"a%2Fb%2Fpage.html", "a/b/page.html", 2},
      {"example.com%2F", "example.com/index.html", 1},
      {"docs%2F", "docs/index.html", 1},
      {"about.html", "about.html", 0},
      // A page without extension becomes a folder, and its links climb out of it.
      {"a%2Fb", "a/b/index.html", 2},
      {"team", "team/index.html", 1},
      // The extension of a name shows only after decoding.
      {"v1.2%2Fintro", "v1.2/intro.html", 1},
      {"ab", "ab.html", 0},
      {"page.php?x=1", "page.html", 0},
      // Dot segments cannot step out of the save.
      {"..%2F..%2Fetc.html", "%2E%2E/%2E%2E/etc.html", 2},
  };
  for (const auto& c : cases) {
    const auto got = ArchiveStore::convertedName(c.file);
    EXPECT_EQ(got.path, c.path) << c.file;
    EXPECT_EQ(got.depth, c.depth) << c.file;
  }
}

TEST_F(ArchiveStoreTest, PlainWritesKeepTheLatestCopyUnderTheArchiveName) {
  EXPECT_TRUE(archive(page("http://example.com/a/b/page.html", "first")));
  EXPECT_TRUE(archive(page("http://example.com/", "<html>home</html>", true)));
  // The folder is made, parents included, on the first write.
  ASSERT_EQ(archivedFiles(), (std::vector<std::string>{"a%2Fb%2Fpage.html", "example.com%2F"}));
  EXPECT_EQ(readWhole(store_.archiveFolder() + "/example.com%2F"), "<html>home</html>");

  EXPECT_TRUE(archive(page("http://example.com/a/b/page.html", "second")));
  EXPECT_EQ(readWhole(store_.archiveFolder() + "/a%2Fb%2Fpage.html"), "second");
  EXPECT_EQ(archivedFiles().size(), 2u);
  // Plain mode keeps no index.
  EXPECT_EQ(store_.getArchiveIndex(), nullptr);

  // Tiny or missing bodies are not archived.
  EXPECT_FALSE(archive(page("http://example.com/one", "x")));
  ZelUrl* none = hub_.createRecord();
  none->setLinkUrl(std::string("http://example.com/none"), false);
  EXPECT_FALSE(archive(none));
  EXPECT_EQ(archivedFiles().size(), 2u);
}

TEST_F(ArchiveStoreTest, TimeStampedWritesAreIndexedUntilCleared) {
  tp_.defaults.setBool("archiveAsWebarchive", true);
  ZelUrl* r = page("http://example.com/a/b/page.html", "<p>stamped</p>");
  r->setStatus(std::string("404 Not Found"));
  EXPECT_TRUE(archive(r));
  // 14:07 is written on the 12-hour clock, with milliseconds.
  const std::string name = "abpage20240305020709042.html";
  EXPECT_EQ(archivedFiles(), std::vector<std::string>{name});
  EXPECT_EQ(readWhole(store_.archiveFolder() + "/" + name), "<p>stamped</p>");

  const ArchiveIndex* index = store_.getArchiveIndex();
  ASSERT_NE(index, nullptr);
  ASSERT_EQ(index->count("http://example.com/a/b/page.html"), 1u);
  const ArchiveIndexEntry& e = index->at("http://example.com/a/b/page.html");
  EXPECT_EQ(e.filename, name);
  EXPECT_EQ(e.status, "404 Not Found");
  EXPECT_EQ(e.date, fixedMoment());

  // A later write of the same address replaces its entry; the old file stays.
  store_.setClock([] { return fixedMoment() + std::chrono::seconds(1); });
  EXPECT_TRUE(archive(r));
  EXPECT_EQ(index->size(), 1u);
  EXPECT_EQ(index->at("http://example.com/a/b/page.html").filename,
            "abpage20240305020710042.html");
  EXPECT_EQ(archivedFiles().size(), 2u);

  // Only plain-mode names are looked for.
  EXPECT_EQ(store_.fileLocationForArchive("http://example.com/a/b/page.html"), std::nullopt);

  // Clearing removes the folder, whatever it holds, and starts a new index.
  writeWhole(store_.archiveFolder() + "/sub/leftover", "old");
  ASSERT_TRUE(store_.getInternalArchiveLocation());
  store_.clearArchiveFolder();
  EXPECT_FALSE(fs::exists(store_.archiveFolder()));
  EXPECT_TRUE(fs::exists(store_.baseFolder()));
  ASSERT_NE(store_.getArchiveIndex(), nullptr);
  EXPECT_TRUE(store_.getArchiveIndex()->empty());
  EXPECT_EQ(store_.getInternalArchiveLocation(), std::nullopt);
  EXPECT_TRUE(tp_.logged("getInternalArchiveLocation  no file at " + store_.archiveFolder()));
  store_.clearArchiveFolder();  // clearing what is not there is harmless
}

TEST_F(ArchiveStoreTest, FollowListsAndSinglePageDecideWhatIsArchived) {
  struct Case {
    std::string url;
    bool useLists, singlePage, start;
    std::vector<std::string> black, white;
    bool archived;
  };
  const Case cases[] = {
      // The lists apply only when asked.
      {"http://example.com/private/a.html", false, false, false, {"private"}, {}, true},
      {"http://example.com/private/a.html", true, false, false, {"private"}, {}, false},
      {"http://example.com/blog/a.html", true, false, false, {}, {"/shop/"}, false},
      {"http://example.com/shop/a.html", true, false, false, {}, {"/shop/"}, true},
      {"http://example.com/shop/a.html", true, false, false, {"a.html"}, {"/shop/"}, false},
      // Single-page mode keeps only the starting page.
      {"http://example.com/other.html", false, true, false, {}, {}, false},
      {"http://example.com/", false, true, true, {}, {}, true},
  };
  for (const auto& c : cases) {
    tp_.defaults.setBool("skipArchiveBasedOnBlackAndWhitelists", c.useLists);
    tp_.defaults.setBool("singlePage", c.singlePage);
    ZelUrl* r = page(c.url, "<html>page</html>", c.start);
    EXPECT_EQ(archive(r, c.black, c.white), c.archived) << c.url;
    EXPECT_EQ(store_.fileLocationForArchive(c.url).has_value(), c.archived) << c.url;
    store_.clearArchiveFolder();
  }
}

TEST_F(ArchiveStoreTest, FileLocationAndSearchTermsInTheArchivedCopy) {
  ZelUrl* r = page("http://example.com/about.html",
                   test::sitePage("about.html", "example.com"));
  EXPECT_EQ(r->fileLocationForArchive(), std::nullopt);  // nothing archived yet
  // The hub's own store, at a temporary base.
  hub_.archiveStore().setBaseFolder(tmp_ / "hubbase");
  tp_.defaults.setInteger("verbosity", 1);
  EXPECT_EQ(r->fileLocationForArchive(), std::nullopt);
  hub_.archivePage(r);
  ASSERT_TRUE(r->fileLocationForArchive());
  EXPECT_EQ(*r->fileLocationForArchive(), tmp_ / "hubbase/archive/about.html");

  // "Widgets, widgets, WIDGETS." in the body, any case.
  r->setLinkPageTitle(std::string("About widgets"));
  EXPECT_EQ(r->countOcurrencesOfStringInArchive("widget"), 3);
  EXPECT_TRUE(r->countSEOTerm("widget"));
  EXPECT_EQ(r->getOcurrencesInTitle(), 1);
  EXPECT_EQ(r->getOcurrencesInArchive(), 2);  // the title's count is taken off
  EXPECT_TRUE(r->archiveContainsOneOfTheseTerms({"nothing", "WIDGETS"}));
  EXPECT_FALSE(r->archiveContainsOneOfTheseTerms({"gadget"}));

  // Overlapping matches count.
  ZelUrl* a = page("http://example.com/aaaa.html", "<p>aaaa</p>");
  hub_.archivePage(a);
  EXPECT_EQ(a->countOcurrencesOfStringInArchive("aa"), 3);

  ZelUrl* missing = page("http://example.com/missing.html", "<p>never archived</p>");
  EXPECT_EQ(missing->countOcurrencesOfStringInArchive("never"), 0);
  EXPECT_TRUE(tp_.logged("no archive file at " + (tmp_ / "hubbase/archive/missing.html")));
}

TEST_F(ArchiveStoreTest, LocationComesFromTheLocalisationTable) {
  ArchiveStore located(tp_.platform());
  const char* home = std::getenv("HOME");
  ASSERT_NE(home, nullptr);
#ifndef __APPLE__
  EXPECT_EQ(located.baseFolder(), std::string(home) + "/.local/share/zelmora");
#endif
  tp_.localizer.set(ArchiveStore::kLocationKey, "~/elsewhere/Engine");
  EXPECT_EQ(located.baseFolder(), std::string(home) + "/elsewhere/Engine");
  EXPECT_EQ(located.archiveFolder(), std::string(home) + "/elsewhere/Engine/archive");
  tp_.localizer.set(ArchiveStore::kLocationKey, tmp_ / "mapped");
  EXPECT_EQ(located.archiveFolder(), tmp_ / "mapped/archive");

  EXPECT_EQ(expandTilde("~"), std::string(home));
  EXPECT_EQ(expandTilde("~user/x"), "~user/x");
  EXPECT_EQ(expandTilde("/abs/~"), "/abs/~");
}

class ArchiveSaveTest : public ArchiveStoreTest {
 protected:
  void SetUp() override {
    // An internal archive as a crawl of example.com leaves it.
    const std::string folder = store_.archiveFolder();
    writeWhole(folder + "/example.com%2F", test::sitePage("index.html", "example.com"));
    writeWhole(folder + "/about.html", test::sitePage("about.html", "example.com"));
    writeWhole(folder + "/docs%2F", test::sitePage("docs.html", "example.com"));
    writeWhole(folder + "/docs%2Fguide.php", test::sitePage("guide.html", "example.com"));
    writeWhole(folder + "/team", test::sitePage("team.html", "example.com"));
    writeWhole(folder + "/quiet.html", test::archiveFixture("no_links.html"));
  }
};

// Without a folder the user is asked (cancelling saves nothing; an answer can be
// kept); a second save in the same minute cannot replace the first; a folder
// set is used without asking; an empty archive saves nothing.
TEST_F(ArchiveSaveTest, PlainCopiesAndTheFolderTheyGoTo) {
  tp_.defaults.setString("archiveDirectory", "");
  EXPECT_EQ(store_.saveArchive("example.com"), std::nullopt);
  EXPECT_EQ(tp_.alerts.folderPrompts.size(), 1u);
  EXPECT_TRUE(tp_.logged("Unable to save archive to \n"));
  EXPECT_EQ(tp_.defaults.stringForKey("archiveDirectory"), "");

  fs::create_directories(tmp_ / "chosen");
  tp_.alerts.folders.push_back(tmp_ / "chosen");
  tp_.defaults.setBool("dontDisplayArchiveDialog", true);
  auto saved = store_.saveArchive("example.com");
  ASSERT_TRUE(saved);
  EXPECT_TRUE(fs::exists(*saved + "/about.html"));
  ASSERT_EQ(tp_.alerts.folderPrompts.size(), 2u);
  EXPECT_EQ(tp_.alerts.folderPrompts[1], "Choose a directory for archived pages");
  EXPECT_EQ(tp_.defaults.stringForKey("archiveDirectory"), tmp_ / "chosen");
  EXPECT_EQ(store_.saveArchive("example.com"), std::nullopt);
  EXPECT_TRUE(tp_.logged("Unsuccessful saving archive to " + *saved + "\n"));

  tp_.defaults.setString("archiveDirectory", tmp_ / "out");
  fs::create_directories(tmp_ / "out");
  saved = store_.saveArchive("example.com");
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, tmp_ / "out/Zelmora archived pages 202403051407");
  EXPECT_EQ(readWhole(*saved + "/team"), readWhole(store_.archiveFolder() + "/team"));
  EXPECT_EQ(readWhole(*saved + "/example.com%2F"),
            readWhole(store_.archiveFolder() + "/example.com%2F"));
  EXPECT_EQ(tp_.alerts.folderPrompts.size(), 2u) << "nothing asked";

  store_.clearArchiveFolder();
  tp_.defaults.setString("archiveDirectory", tmp_.path());
  EXPECT_EQ(store_.saveArchive("example.com"), std::nullopt);
  EXPECT_FALSE(fs::exists(tmp_ / "Zelmora archived pages 202403051407"));
}

TEST_F(ArchiveSaveTest, ConvertedCopyIsABrowsableSite) {
  fs::create_directories(store_.archiveFolder() + "/not-a-page");  // unreadable: skipped
  tp_.defaults.setString("archiveDirectory", tmp_ / "out");
  tp_.defaults.setBool("convertArchivedPages", true);
  auto saved = store_.saveArchive("example.com");
  ASSERT_TRUE(saved);
  const std::string root = tmp_ / "out/Archived pages 202403051407/";
  EXPECT_EQ(*saved, root);

  struct Expect {
    std::string file;
    std::vector<std::string> contains;
  };
  const Expect expected[] = {
      {"example.com/index.html",
       {"href=\"../about.html\"", "href=\"../docs/guide.html\"", "href=\"../docs/index.html\"",
        "href=\"../team/index.html\"", "href=\"http://elsewhere.test/ext.html\"",
        "src=\"http://example.com/logo.png\"", "href=\"http://example.com/style.css\"",
        "<!-- <a href=\"/about.html\">old link</a> -->"}},
      {"about.html", {"<a href=\"\">Home</a>", "href=\"docs/guide.html\""}},
      {"docs/index.html", {"href=\"guide.html\"", "href=\"../about.html\""}},
      {"docs/guide.html",
       {"href=\"../docs/index.html\"", "href=\"../about.html\"", "href=\"../team/index.html\""}},
      {"team/index.html", {"href=\"../about.html\""}},
  };
  for (const auto& e : expected) {
    const std::string page = readWhole(root + e.file);
    ASSERT_FALSE(page.empty()) << e.file;
    for (const auto& text : e.contains)
      EXPECT_NE(page.find(text), std::string::npos) << e.file << " lacks " << text;
  }
  // A page with nothing to rewrite is kept as it was.
  EXPECT_EQ(readWhole(root + "quiet.html"), test::archiveFixture("no_links.html"));
  EXPECT_TRUE(tp_.logged("LinkRelativizer returns no output data for " + store_.archiveFolder() +
                         "/quiet.html"));
  EXPECT_TRUE(tp_.logged("Getting input data failed for " + store_.archiveFolder() +
                         "/not-a-page"));
}

}  // namespace
}  // namespace zel
