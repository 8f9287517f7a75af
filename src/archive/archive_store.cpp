#include "archive/archive_store.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "archive/link_relativizer.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "url/zel_url.h"
#include "urltext/path_text.h"
#include "urltext/url_parts.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {

namespace {

std::string joinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  if (!out.empty() && out.back() != '/') out += '/';
  out.append(name);
  return out;
}

// The folder part of a path ("" when it has none).
std::string parentOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::tm localTime(std::chrono::system_clock::time_point t) {
  const std::time_t secs = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  localtime_r(&secs, &tm);
  return tm;
}

// The address with scheme, "://", host (and port) and the "/" after the host
// taken off; a root page keeps its host and "/". "/" is not yet replaced.
std::string addressPart(std::string_view address) {
  std::optional<Url> url = Url::parse(address);
  if (!url) url = Url::parse(encodedURLString(address));
  size_t cut = 4;
  size_t schemeEnd = 7;
  if (url) {
    cut += url->scheme().size() + url->host().size();
    // A literal IPv6 host is written in brackets; a port is written after ':'.
    if (url->host().find(':') != std::string::npos) cut += 2;
    if (url->port()) cut += 1 + std::to_string(*url->port()).size();
    schemeEnd = url->scheme().size() + 3;
  }
  if (address.size() > cut) return std::string(address.substr(cut));
  return address.size() > schemeEnd ? std::string(address.substr(schemeEnd)) : std::string();
}

// "." and ".." segments of a converted name would step out of their folder.
std::string neutraliseDotSegments(std::string path) {
  std::string out;
  out.reserve(path.size());
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    const std::string_view seg = std::string_view(path).substr(start, slash - start);
    if (seg == ".") out += "%2E";
    else if (seg == "..") out += "%2E%2E";
    else out.append(seg);
    if (slash < path.size()) out += '/';
    start = slash + 1;
  }
  return out;
}

}  // namespace

std::string expandTilde(std::string_view path) {
  if (path.empty() || path[0] != '~' || (path.size() > 1 && path[1] != '/'))
    return std::string(path);
  std::string home;
  if (const char* h = std::getenv("HOME"); h && *h) {
    home = h;
  } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
    home = pw->pw_dir;
  }
  return home + std::string(path.substr(1));
}

ArchiveStore::ArchiveStore(const Platform& platform, std::optional<std::string> baseFolder)
    : platform_(platform), baseOverride_(std::move(baseFolder)) {}

std::chrono::system_clock::time_point ArchiveStore::now() const {
  return clock_ ? clock_() : std::chrono::system_clock::now();
}

// ---- Locations -----------------------------------------------------------------------------

std::string ArchiveStore::baseFolder() const {
  if (baseOverride_) return *baseOverride_;
  std::string text = platform_.localizer ? platform_.localizer->localize(kLocationKey)
                                         : std::string(kLocationKey);
#ifndef __APPLE__
  if (text == kLocationKey || text.empty()) text = std::string(kDefaultLocation);
#endif
  return expandTilde(text);
}

std::string ArchiveStore::archiveFolder() const {
  return joinPath(baseFolder(), kArchiveFolderName);
}

std::optional<std::string> ArchiveStore::getInternalArchiveLocation() const {
  const FileSystem* fs = platform_.fileSystem;
  const std::string base = baseFolder();
  const std::string folder = archiveFolder();
  const std::string& missing = (fs && fs->exists(base)) ? folder : base;
  if (fs && fs->exists(base) && fs->exists(folder)) return folder;
  if (platform_.log) platform_.log->always("getInternalArchiveLocation  no file at " + missing);
  return std::nullopt;
}

std::optional<std::string> ArchiveStore::fileLocationForArchive(
    std::string_view actualLinkUrl) const {
  const FileSystem* fs = platform_.fileSystem;
  if (!fs || !fs->exists(baseFolder()) || !fs->exists(archiveFolder())) return std::nullopt;
  const std::string path = joinPath(archiveFolder(), archiveName(actualLinkUrl));
  if (fs->exists(path)) return path;
  if (platform_.log) platform_.log->write(1, "no archive file at " + path);
  return std::nullopt;
}

// ---- Names ------------------------------------------------------------------------------------

std::string ArchiveStore::archiveName(std::string_view actualLinkUrl) {
  return replaceAll(addressPart(actualLinkUrl), "/", "%2F");
}

std::string ArchiveStore::timeStampedName(std::string_view actualLinkUrl, std::string_view stamp) {
  std::string part = addressPart(actualLinkUrl);
  const std::string ext(textPathExtension(part));
  while (part.size() > 1 && part.back() == '/') part.pop_back();
  if (!ext.empty()) part.resize(part.size() - ext.size() - 1);
  std::string name = part + std::string(stamp);
  if (!ext.empty()) name += "." + ext;
  return replaceAll(name, "/", "");
}

ArchiveStore::ConvertedName ArchiveStore::convertedName(std::string_view fileName) {
  std::string n(fileName);
  const size_t originalLength = n.size();
  if (n.size() > 2) {
    if (endsWith(n, "%2F"))
      n += "index.html";
    else if (textPathExtension(n).empty())
      n += "/index.html";
  }
  // Only the name's own "%2F"s are folders.
  std::string decoded;
  decoded.reserve(n.size());
  size_t i = 0;
  while (i < n.size()) {
    if (i + 3 <= originalLength && n.compare(i, 3, "%2F") == 0) {
      decoded += '/';
      i += 3;
    } else {
      decoded += n[i++];
    }
  }
  const std::string_view ext = textPathExtension(decoded);
  if (ext.empty())
    decoded += ".html";  // a last segment that showed no extension only once decoded
  else if (ext != "html")
    decoded.replace(decoded.size() - ext.size(), ext.size(), "html");

  // The depth is the number of folders the file lies below the root, counted on
  // the final path: a page moved into a folder of its own ("a/b" saved as
  // a/b/index.html) climbs that folder too.
  ConvertedName out;
  for (const std::string& seg : split(decoded, "/"))
    if (!seg.empty()) ++out.depth;
  if (out.depth > 0) --out.depth;
  out.path = neutraliseDotSegments(std::move(decoded));
  return out;
}

std::string ArchiveStore::uniqueStringUsingDateAndTime() const {
  const std::tm tm = localTime(now());
  return strf("%04d%02d%02d%02d%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
              tm.tm_min);
}

// ---- Writing ----------------------------------------------------------------------------------

void ArchiveStore::clearArchiveFolder() {
  FileSystem* fs = platform_.fileSystem;
  const std::string folder = archiveFolder();
  if (fs && fs->exists(folder)) {
    Status s = fs->removeAll(folder);
    if (!s.ok() && platform_.log) platform_.log->write(1, s.message());
  }
  index_.emplace();
}

bool ArchiveStore::archivePage(const ZelUrl& record,
                               const std::vector<std::string>& followBlacklist,
                               const std::vector<std::string>& followWhitelist) {
  const Defaults& d = *platform_.defaults;
  Log* log = platform_.log;
  FileSystem* fs = platform_.fileSystem;
  const std::string address = record.getActualLinkUrl();
  if (d.boolForKey("skipArchiveBasedOnBlackAndWhitelists")) {
    if (ZelPatternMatcher::stringContainsOneOfTheseTerms(address, followBlacklist)) return false;
    if (!followWhitelist.empty() &&
        !ZelPatternMatcher::stringContainsOneOfTheseTerms(address, followWhitelist))
      return false;
  }
  if (d.boolForKey("singlePage") && !record.isStartingPoint()) return false;
  if (log) log->write(3, "archiving page " + address);
  const std::string* data = record.getData();
  if (!fs || !data || data->size() < 2) return false;

  const std::string folder = archiveFolder();
  if (!fs->isDirectory(folder)) {
    Status s = fs->createDirectories(folder);
    if (!s.ok() && log) log->write(1, "error creating directory at " + folder + " - " + s.message());
  }

  const auto when = now();
  std::string name;
  if (!d.boolForKey("archiveAsWebarchive")) {
    name = archiveName(address);
  } else {
    const std::tm tm = localTime(when);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        when.time_since_epoch()).count() % 1000;
    const int hour12 = tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12;
    const std::string stamp =
        strf("%04d%02d%02d%02d%02d%02d%03d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, hour12,
             tm.tm_min, tm.tm_sec, static_cast<int>(ms < 0 ? ms + 1000 : ms));
    name = timeStampedName(address, stamp);
  }
  const std::string path = joinPath(folder, name);
  // A name that is no file name (empty, "." or "..") cannot be written inside the folder.
  const bool usable = !name.empty() && name != "." && name != "..";
  if (!usable || !fs->writeFileAtomically(path, *data).ok()) {
    if (log) log->write(1, "error archiving page to " + path);
    return false;
  }
  if (d.boolForKey("archiveAsWebarchive")) {
    if (!index_) index_.emplace();
    (*index_)[address] = ArchiveIndexEntry{name, when, record.getFinalStatus()};
  }
  return true;
}

// ---- Saving -------------------------------------------------------------------------------------

std::optional<std::string> ArchiveStore::saveArchive(std::string_view domain) {
  Defaults& d = *platform_.defaults;
  Log* log = platform_.log;
  FileSystem* fs = platform_.fileSystem;
  if (log) log->write(2, "saveArchive");
  const std::string source = archiveFolder();
  if (!fs || !fs->exists(baseFolder()) || !fs->exists(source)) return std::nullopt;

  std::string dest = d.stringForKey("archiveDirectory").value_or("");
  if (dest.empty() && platform_.alerts) {
    const std::string title = platform_.localizer
                                  ? platform_.localizer->localize(
                                        "Choose a directory for archived pages")
                                  : "Choose a directory for archived pages";
    if (auto chosen = platform_.alerts->chooseFolder(title)) dest = *chosen;
  }
  if (dest.empty()) {
    if (log) log->always("Unable to save archive to " + dest + "\n");
    return std::nullopt;
  }

  if (d.boolForKey("convertArchivedPages")) return saveConverted(source, dest, domain);

  const std::string target = joinPath(dest, "Zelmora archived pages " + uniqueStringUsingDateAndTime());
  if (!fs->copyDirectory(source, target).ok()) {
    if (log) log->always("Unsuccessful saving archive to " + target + "\n");
    return std::nullopt;
  }
  if (d.boolForKey("dontDisplayArchiveDialog")) d.setString("archiveDirectory", dest);
  return target;
}

std::optional<std::string> ArchiveStore::saveConverted(const std::string& source,
                                                       const std::string& dest,
                                                       std::string_view domain) {
  Log* log = platform_.log;
  FileSystem* fs = platform_.fileSystem;
  const std::string root = joinPath(dest, "Archived pages " + uniqueStringUsingDateAndTime()) + "/";
  std::optional<std::string> relDomain;
  if (!domain.empty()) relDomain = std::string(domain);

  for (const std::string& file : fs->listDirectory(source)) {
    const ConvertedName converted = convertedName(file);
    const std::string outPath = root + converted.path;
    const std::string folder = parentOf(outPath);
    if (!fs->isDirectory(folder)) {
      Status s = fs->createDirectories(folder);
      if (!s.ok() && log) log->always("creating directory failed - " + s.message());
    }
    const std::string inPath = joinPath(source, file);
    std::optional<std::string> bytes = fs->readFile(inPath);
    if (!bytes) {
      if (log) log->always("Getting input data failed for " + inPath);
      continue;
    }
    auto relativizer = LinkRelativizer::initWithData(*bytes, relDomain, converted.depth, log);
    if (!relativizer && log) log->always("LinkRelativizer returns no output data for " + inPath);
    // A page with nothing to rewrite is kept as it is, so the copy stays complete.
    const std::string& out = relativizer ? relativizer->outputData() : *bytes;
    if (!fs->writeFileAtomically(outPath, out).ok() && log)
      log->always("LinkRelativizer failed to write to " + outPath);
  }
  return root;
}

}  // namespace zel
