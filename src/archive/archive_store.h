#pragma once
// The page archive: a copy of every fetched page kept in an internal folder
// during a crawl, and saved at the end to a folder the user chooses, either as
// it is or converted into a browsable copy of the site (links rewritten by
// LinkRelativizer).
//
// Each page is one file whose name encodes its path ("a%2Fb%2Fpage.html" for
// /a/b/page.html, "host%2F" for a site's root page). In time-stamped mode every
// write gets a new name with the moment of writing and is listed in the index.
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace zel {

class ZelUrl;

// One time-stamped write of a page.
struct ArchiveIndexEntry {
  std::string filename;                         // name of the file written
  std::chrono::system_clock::time_point date;   // moment of writing
  std::string status;                           // the record's final status then
};
// Address (`getActualLinkUrl`) -> its latest time-stamped write.
using ArchiveIndex = std::map<std::string, ArchiveIndexEntry>;

class ArchiveStore {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;

  // The location text looked up in the host's localisation table; a host may
  // map it to another folder.
  static constexpr std::string_view kLocationKey = "~/Library/Application Support/ZelmoraV6Engine";
  // Used on systems other than macOS when the table has no entry for the key.
  static constexpr std::string_view kDefaultLocation = "~/.local/share/zelmora";
  static constexpr std::string_view kArchiveFolderName = "archive";

  // `baseFolder` replaces the localised location (tests, embedding hosts). The
  // platform services must outlive the store.
  explicit ArchiveStore(const Platform& platform,
                        std::optional<std::string> baseFolder = std::nullopt);

  void setBaseFolder(std::optional<std::string> folder) { baseOverride_ = std::move(folder); }
  // Replaces the wall clock used for file names and index dates.
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // The base folder (its "archive" subfolder is the internal archive) and the
  // internal archive folder, whether they exist or not.
  std::string baseFolder() const;
  std::string archiveFolder() const;
  // The internal archive folder when it and the base folder exist; else nullopt
  // (logged whatever the verbosity).
  std::optional<std::string> getInternalArchiveLocation() const;

  // The plain-mode file name of an address: the address less scheme, "://",
  // host (with port) and the "/" after it; a root page keeps its host. Every
  // "/" becomes "%2F".
  static std::string archiveName(std::string_view actualLinkUrl);
  // The time-stamped file name: the same address part with `stamp` put before
  // its extension, and every "/" removed.
  static std::string timeStampedName(std::string_view actualLinkUrl, std::string_view stamp);
  // Where an archived file goes in a converted save ("a%2Fb%2Fpage.php" ->
  // a/b/page.html, "a%2Fb" -> a/b/index.html), and how many folders below the
  // save's root that file lies: what its links must climb.
  struct ConvertedName {
    std::string path;
    int32_t depth = 0;
  };
  static ConvertedName convertedName(std::string_view fileName);

  // The plain-mode archived file of an address when it exists.
  std::optional<std::string> fileLocationForArchive(std::string_view actualLinkUrl) const;

  // Removes the internal archive folder and everything in it; starts a new index.
  void clearArchiveFolder();
  // Stores the record's data, unless the follow lists or single-page mode
  // exclude it or it has fewer than 2 bytes. True when a file was written.
  bool archivePage(const ZelUrl& record, const std::vector<std::string>& followBlacklist,
                   const std::vector<std::string>& followWhitelist);
  // Saves the archive to the `archiveDirectory` setting (or a chosen folder):
  // a plain copy, or with `convertArchivedPages` a browsable copy whose links
  // into `domain` are rewritten. Returns the folder written, nullopt when
  // nothing was saved.
  std::optional<std::string> saveArchive(std::string_view domain);

  // nullptr until the archive is first cleared or written in time-stamped mode.
  const ArchiveIndex* getArchiveIndex() const { return index_ ? &*index_ : nullptr; }
  // The current local time as "yyyyMMddHHmm".
  std::string uniqueStringUsingDateAndTime() const;

 private:
  std::chrono::system_clock::time_point now() const;
  std::optional<std::string> saveConverted(const std::string& source, const std::string& dest,
                                           std::string_view domain);

  Platform platform_;
  std::optional<std::string> baseOverride_;
  Clock clock_;
  std::optional<ArchiveIndex> index_;
};

// Expands a leading "~" to the user's home folder.
std::string expandTilde(std::string_view path);

}  // namespace zel
