#include "report/database_loader.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <functional>

#include "engine/zel_crawl_restorer.h"
#include "report/file_lock.h"
#include "platform/text_format.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

// The columns read from `urls`, in this order (see the Col numbers below).
constexpr const char* kUrlColumns =
    "id, url, redirect_url, actual_url, slash_trimmed, redirect_slash_trimmed, final_status, bad, "
    "internal, blacklisted, disallowed, starting_point, recursion, is_html, is_image, is_video, "
    "is_audio, mime_type, distance, thread, fetched_at, response_time, load_time, retry_count, "
    "retry_after, size_bytes, size_kb, compressed_kb, no_content_length, last_modified, title, "
    "meta_description, keywords, meta_data, canonical, headings, names, head_nofollow, "
    "head_noindex, word_count, keyword_stuffed, spelling, grammar, spelling_reviewed, "
    "validator_status, validator_errors, validator_warnings, anchor_missing, occurrences_url, "
    "occurrences_title, occurrences_description, occurrences_keywords, occurrences_headings, "
    "occurrences_archive, occurrences_total, priority, change_frequency, internal_links, "
    "external_links, warnings";
enum Col {
  kId, kUrl, kRedirectUrl, kActualUrl, kSlashTrimmed, kRedirectSlashTrimmed, kFinalStatus, kBad,
  kInternal, kBlacklisted, kDisallowed, kStartingPoint, kRecursion, kIsHtml, kIsImage, kIsVideo,
  kIsAudio, kMimeType, kDistance, kThread, kFetchedAt, kResponseTime, kLoadTime, kRetryCount,
  kRetryAfter, kSizeBytes, kSizeKb, kCompressedKb, kNoContentLength, kLastModified, kTitle,
  kMetaDescription, kKeywords, kMetaData, kCanonical, kHeadings, kNames, kHeadNofollow,
  kHeadNoindex, kWordCount, kKeywordStuffed, kSpelling, kGrammar, kSpellingReviewed,
  kValidatorStatus, kValidatorErrors, kValidatorWarnings, kAnchorMissing, kOccurrencesUrl,
  kOccurrencesTotal = kOccurrencesUrl + 6, kPriority, kChangeFrequency, kInternalLinks,
  kExternalLinks, kWarnings, kLinksPending, kBodyBytes, kTransferBytes
};

Status damaged(const std::string& path, const std::string& why) {
  return Status::Error(path + " is not a usable crawl database: " + why);
}

std::optional<std::string> optText(const SqliteStatement& st, int c) {
  if (st.isNull(c)) return std::nullopt;
  return st.columnText(c);
}

// A JSON array of texts; nullopt for NULL. `ok` turns false for anything else.
std::optional<std::vector<std::string>> textList(const SqliteStatement& st, int c, bool& ok) {
  if (st.isNull(c)) return std::nullopt;
  const Json j = Json::parse(st.columnText(c), nullptr, false);
  std::vector<std::string> out;
  if (!j.is_array()) {
    ok = false;
    return out;
  }
  for (const Json& item : j) {
    if (!item.is_string()) {
      ok = false;
      continue;
    }
    out.push_back(item.get<std::string>());
  }
  return out;
}

std::optional<std::vector<MetaEntry>> metaList(const SqliteStatement& st, int c, bool& ok) {
  if (st.isNull(c)) return std::nullopt;
  const Json j = Json::parse(st.columnText(c), nullptr, false);
  std::vector<MetaEntry> out;
  if (!j.is_array()) {
    ok = false;
    return out;
  }
  for (const Json& tag : j) {
    if (!tag.is_object()) {
      ok = false;
      continue;
    }
    MetaEntry& e = out.emplace_back();
    for (const auto& [k, v] : tag.items())
      if (v.is_string()) e.emplace(k, v.get<std::string>());
  }
  return out;
}

// Runs a query and hands each row over, until `row` answers false.
Status eachRow(SqliteDatabase& db, const std::string& sql,
               const std::function<bool(const SqliteStatement&)>& row) {
  Status error;
  SqliteStatement st = db.prepare(sql, &error);
  if (!st.ok()) return damaged(db.path(), error.message());
  while (st.step(&error))
    if (!row(st)) return Status::Ok();
  if (!error.ok()) return damaged(db.path(), error.message());
  return Status::Ok();
}

bool hasColumn(SqliteDatabase& db, const char* table, const char* column) {
  bool found = false;
  (void)eachRow(db, std::string("PRAGMA table_info(") + table + ")", [&](const SqliteStatement& st) {
    if (st.columnText(1) == column) found = true;
    return true;
  });
  return found;
}

}  // namespace

std::string SavedCrawl::withPassword(std::string url) const {
  if (maskedUserInfo.empty()) return url;
  const size_t at = url.find("://");
  if (at != std::string::npos && url.compare(at + 3, maskedUserInfo.size(), maskedUserInfo) == 0)
    url.replace(at + 3, maskedUserInfo.size(), givenUserInfo);
  return url;
}

void givePasswordBack(SavedCrawl& saved, const std::string& password) {
  const size_t scheme = saved.startUrl.find("://");
  if (scheme == std::string::npos) return;
  const size_t host = scheme + 3;
  const size_t end = saved.startUrl.find_first_of("/?#", host);
  const std::string authority =
      saved.startUrl.substr(host, end == std::string::npos ? end : end - host);
  const size_t at = authority.rfind('@');
  if (at == std::string::npos) return;
  const std::string userInfo = authority.substr(0, at + 1);  // "user:***@"
  const size_t colon = userInfo.find(':');
  if (colon == std::string::npos || userInfo.substr(colon + 1) != "***@") return;
  // Userinfo allows unreserved characters and sub-delimiters; the rest is escaped.
  std::string escaped;
  for (unsigned char c : password) {
    if (std::isalnum(c) || std::strchr("-._~!$&'()*+,;=", c))
      escaped += static_cast<char>(c);
    else
      escaped += strf("%%%02X", c);
  }
  saved.maskedUserInfo = userInfo;
  saved.givenUserInfo = userInfo.substr(0, colon + 1) + escaped + "@";
  saved.startUrl = saved.withPassword(saved.startUrl);
}

bool hasTable(SqliteDatabase& db, const char* table) {
  bool found = false;
  (void)eachRow(
      db,
      std::string("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '") + table + "'",
      [&](const SqliteStatement&) {
        found = true;
        return false;
      });
  return found;
}

std::time_t parseIsoTime(const std::string& text) {
  std::tm tm{};
  if (text.size() != 20 ||
      std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ", &tm.tm_year, &tm.tm_mon, &tm.tm_mday,
                  &tm.tm_hour, &tm.tm_min, &tm.tm_sec) != 6)
    return 0;
  tm.tm_year -= 1900;
  tm.tm_mon -= 1;
  return timegm(&tm);
}

Status openSavedCrawl(const std::string& path, SavedCrawl& out) {
  out.path = path;
  if (::access(path.c_str(), R_OK) != 0) return Status::Error("cannot read " + path);
  if (Status s = FileLock::checkFree(path); !s.ok()) return s;
  if (Status s = out.db.open(path, false); !s.ok()) return s;
  // Damage shows here before anything is read from (or written to) the file.
  std::string check;
  Status s = eachRow(out.db, "PRAGMA quick_check", [&](const SqliteStatement& st) {
    if (check.empty()) check = st.columnText(0);
    return true;
  });
  if (!s.ok()) return s;
  if (check != "ok") return damaged(path, check);
  bool found = false;
  s = eachRow(out.db,
              "SELECT schema_version, start_url, settings, state, started_at, ended_at, seconds "
              "FROM crawl",
              [&](const SqliteStatement& st) {
                found = true;
                out.schemaVersion = static_cast<int>(st.columnInt(0));
                out.startUrl = st.columnText(1);
                out.settings = Json::parse(st.columnText(2), nullptr, false);
                out.running = st.columnText(3) == "running";
                out.stopped = st.columnText(3) == "stopped" || out.running;
                out.startedAt = parseIsoTime(st.columnText(4));
                out.endedAt = parseIsoTime(st.columnText(5));
                out.seconds = st.columnDouble(6);
                return false;  // one row
              });
  if (!found) {
    // A crawl table that cannot be read at all: say whether a newer layout is why.
    int version = 0;
    (void)eachRow(out.db, "SELECT schema_version FROM crawl", [&](const SqliteStatement& st) {
      version = static_cast<int>(st.columnInt(0));
      return false;
    });
    if (version > kCrawlDatabaseSchemaVersion)
      return Status::Error(path + " was written by a newer zelmora (schema version " +
                           std::to_string(version) + "; this one reads up to " +
                           std::to_string(kCrawlDatabaseSchemaVersion) + ")");
    return damaged(path, "it holds no crawl");
  }
  if (out.schemaVersion > kCrawlDatabaseSchemaVersion)
    return Status::Error(path + " was written by a newer zelmora (schema version " +
                         std::to_string(out.schemaVersion) + "; this one reads up to " +
                         std::to_string(kCrawlDatabaseSchemaVersion) + ")");
  if (out.schemaVersion < 1) return damaged(path, "its schema version is missing");
  if (hasColumn(out.db, "crawl", "served_folder")) {
    s = eachRow(out.db, "SELECT served_folder, served_port FROM crawl",
                [&](const SqliteStatement& st) {
                  out.servedFolder = st.columnText(0);
                  out.servedPort = static_cast<int>(st.columnInt(1));
                  return false;
                });
    if (!s.ok()) return s;
  }
  if (!out.settings.is_object()) return damaged(path, "its settings are not a JSON object");
  return Status::Ok();
}

Status loadSavedCrawl(SavedCrawl& saved, ZelHub& hub) {
  SqliteDatabase& db = saved.db;
  const std::string& path = saved.path;
  ZelCrawlRestorer restore(hub);
  bool ok = true;

  SavedStartup startup;
  SavedCounters counters;
  ZelSEOManager::Counters seo;
  Status s = eachRow(
      db,
      "SELECT domains, check_blacklist, follow_blacklist, follow_whitelist, robots_blacklist, "
      "robots_whitelist, soft404_terms, detected_encoding, https, start_was_xml, checked, bad, "
      "next_url_index, seo_counters FROM crawl",
      [&](const SqliteStatement& st) {
        startup.domains = textList(st, 0, ok).value_or(std::vector<std::string>());
        startup.checkBlacklist = textList(st, 1, ok).value_or(std::vector<std::string>());
        startup.followBlacklist = textList(st, 2, ok).value_or(std::vector<std::string>());
        startup.followWhitelist = textList(st, 3, ok).value_or(std::vector<std::string>());
        startup.robotsBlacklist = textList(st, 4, ok);
        startup.robotsWhitelist = textList(st, 5, ok);
        startup.soft404 = textList(st, 6, ok).value_or(std::vector<std::string>());
        startup.detectedEncoding = static_cast<uint64_t>(st.columnInt(7));
        startup.https = st.columnInt(8) != 0;
        startup.startWasXml = st.columnInt(9) != 0;
        counters.checked = st.columnInt(10);
        counters.bad = st.columnInt(11);
        counters.nextUrlIndex = st.columnInt(12);
        const Json c = Json::parse(st.columnText(13), nullptr, false);
        auto get = [&c](const char* key) {
          return c.is_object() && c.contains(key) && c[key].is_number_integer()
                     ? c[key].get<int32_t>()
                     : 0;
        };
        seo = {get("notitle"),       get("nodesc"),         get("possduplicates"),
               get("duplicatetitle"), get("duplicatedesc"), get("nofollow"),
               get("toomanylinks"),  get("metadesclength"), get("titlelength"),
               get("keywordstuffed"), get("thincontent"),   get("noalt"),
               get("pagesExcludedNoIndex"), get("mixedContent"), get("redirectchain"),
               get("pagesWithoutH1"), get("pagesWithMultipleH1")};
        return false;
      });
  if (!s.ok()) return s;
  counters.stopped = saved.stopped;
  restore.startup(startup);

  // Redirect hops, merged into their records as these are read in order.
  Status error;
  SqliteStatement hops = db.prepare(
      "SELECT url_id, url, status, reason, slash_trimmed FROM redirects ORDER BY url_id, hop",
      &error);
  if (!hops.ok()) return damaged(path, error.message());
  bool hopReady = hops.step(&error);

  // Older layouts lack the later columns.
  const std::string pending = hasColumn(db, "urls", "links_pending") ? "links_pending" : "0";
  const std::string sizes = hasColumn(db, "urls", "body_bytes")
                                ? "body_bytes, transfer_bytes"
                                : "size_bytes, compressed_kb * 1024";
  int64_t expected = 0;
  std::string why;
  s = eachRow(db, std::string("SELECT ") + kUrlColumns + ", " + pending + ", " + sizes +
                  " FROM urls ORDER BY id",
              [&](const SqliteStatement& st) {
                if (st.columnInt(kId) != expected) {
                  why = "the URLs are not numbered in crawl order";
                  return false;
                }
                SavedRecord r;
                r.url = saved.withPassword(st.columnText(kUrl));
                r.redirectUrl = saved.withPassword(st.columnText(kRedirectUrl));
                r.actualUrl = saved.withPassword(st.columnText(kActualUrl));
                r.slashTrimmed = st.columnInt(kSlashTrimmed) != 0;
                r.redirectSlashTrimmed = st.columnInt(kRedirectSlashTrimmed) != 0;
                r.status = st.columnText(kFinalStatus);
                r.bad = st.columnInt(kBad) != 0;
                r.internal = st.columnInt(kInternal) != 0;
                r.blacklisted = st.columnInt(kBlacklisted) != 0;
                r.disallowed = st.columnInt(kDisallowed) != 0;
                r.startingPoint = st.columnInt(kStartingPoint) != 0;
                r.recursion = st.columnInt(kRecursion) != 0;
                r.isHtml = st.columnInt(kIsHtml) != 0;
                r.isImage = st.columnInt(kIsImage) != 0;
                r.isVideo = st.columnInt(kIsVideo) != 0;
                r.isAudio = st.columnInt(kIsAudio) != 0;
                r.mimeType = st.columnText(kMimeType);
                r.distance = static_cast<int32_t>(st.columnInt(kDistance));
                r.thread = static_cast<int32_t>(st.columnInt(kThread));
                r.fetchedAt = optText(st, kFetchedAt);
                r.responseTime = st.columnDouble(kResponseTime);
                r.loadTime = st.columnDouble(kLoadTime);
                r.retryCount = static_cast<int32_t>(st.columnInt(kRetryCount));
                r.retryAfter = static_cast<int32_t>(st.columnInt(kRetryAfter));
                r.sizeBytes = st.columnInt(kBodyBytes);
                r.sizeKb = st.columnInt(kSizeKb);
                r.compressedBytes = st.columnInt(kTransferBytes);
                r.noContentLength = st.columnInt(kNoContentLength) != 0;
                r.lastModified = optText(st, kLastModified);
                r.title = optText(st, kTitle);
                r.metaDescription = optText(st, kMetaDescription);
                r.keywords = optText(st, kKeywords);
                r.metaData = metaList(st, kMetaData, ok);
                r.canonical = optText(st, kCanonical);
                r.headings = textList(st, kHeadings, ok);
                r.names = textList(st, kNames, ok);
                r.headNofollow = st.columnInt(kHeadNofollow) != 0;
                r.headNoindex = st.columnInt(kHeadNoindex) != 0;
                r.wordCount = st.isNull(kWordCount) ? -1 : st.columnInt(kWordCount);
                r.keywordStuffed = st.columnInt(kKeywordStuffed) != 0;
                r.spelling = st.isNull(kSpelling) ? -1 : st.columnInt(kSpelling);
                r.grammar = st.isNull(kGrammar) ? -1 : st.columnInt(kGrammar);
                r.spellingReviewed = st.columnInt(kSpellingReviewed) != 0;
                r.validatorStatus = optText(st, kValidatorStatus);
                r.validatorErrors = st.isNull(kValidatorErrors) ? -1 : st.columnInt(kValidatorErrors);
                r.validatorWarnings =
                    st.isNull(kValidatorWarnings) ? -1 : st.columnInt(kValidatorWarnings);
                r.anchorMissing = st.columnInt(kAnchorMissing) != 0;
                for (int k = 0; k < 7; ++k)
                  r.occurrences[k] = static_cast<int32_t>(st.columnInt(kOccurrencesUrl + k));
                if (!st.isNull(kPriority)) r.priority = st.columnDouble(kPriority);
                r.changeFrequency = optText(st, kChangeFrequency);
                r.internalLinks = static_cast<int32_t>(st.columnInt(kInternalLinks));
                r.externalLinks = static_cast<int32_t>(st.columnInt(kExternalLinks));
                r.warnings = textList(st, kWarnings, ok);
                while (hopReady && hops.columnInt(0) <= expected) {
                  if (hops.columnInt(0) == expected)
                    r.redirects.push_back(RedirectEntry{saved.withPassword(hops.columnText(1)),
                                                        hops.columnInt(4) != 0, hops.columnText(2),
                                                        static_cast<int32_t>(hops.columnInt(3))});
                  hopReady = hops.step(&error);
                }
                ZelUrl* record = restore.record(r);
                if (st.columnInt(kLinksPending) != 0) saved.linksPending.push_back(record);
                ++expected;
                return true;
              });
  if (!why.empty()) return damaged(path, why);
  if (!s.ok()) return s;
  if (!error.ok()) return damaged(path, error.message());
  if (expected == 0) return damaged(path, "it holds no URLs");

  auto recordAt = [&](const SqliteStatement& st, int c) -> ZelUrl* {
    return st.isNull(c) ? nullptr : restore.recordAt(st.columnInt(c));
  };
  s = eachRow(db,
              "SELECT parent_id, target_id, link_text, line, rel, nofollow, target_attr, hreflang "
              "FROM links ORDER BY id",
              [&](const SqliteStatement& st) {
                ZelUrl* parent = recordAt(st, 0);
                ZelUrl* target = recordAt(st, 1);
                if (!parent || !target) {
                  why = "a link refers to a URL that is not there";
                  return false;
                }
                std::optional<int32_t> line;
                if (!st.isNull(3)) line = static_cast<int32_t>(st.columnInt(3));
                restore.link(parent, target, optText(st, 2), st.columnText(4), st.columnInt(5) != 0,
                             st.columnText(6), st.columnText(7), line);
                return true;
              });
  if (!why.empty()) return damaged(path, why);
  if (!s.ok()) return s;

  s = eachRow(db, "SELECT id FROM urls WHERE page_order IS NOT NULL ORDER BY page_order",
              [&](const SqliteStatement& st) {
                if (ZelUrl* r = recordAt(st, 0)) restore.page(r);
                return true;
              });
  if (!s.ok()) return s;
  // A crawl that never ended has only the tables written as it ran.
  const bool ended = !saved.running || hasTable(db, "warnings");
  if (ended) {
    s = eachRow(db, "SELECT word, url_id FROM misspellings ORDER BY rowid",
                [&](const SqliteStatement& st) {
                  if (ZelUrl* r = recordAt(st, 1)) restore.misspelling(st.columnText(0), r);
                  return true;
                });
    if (!s.ok()) return s;
    s = eachRow(db, "SELECT url_id, warning FROM warnings ORDER BY id",
                [&](const SqliteStatement& st) {
                  restore.warning(recordAt(st, 0), st.columnText(1));
                  return true;
                });
    if (!s.ok()) return s;
  }
  if (saved.schemaVersion >= 3 && ended) {
    KeptResponseHeaders kept;
    ZelUrl* owner = nullptr;
    auto keep = [&] {
      if (owner) owner->setResponseHeaders(std::move(kept));
      kept = KeptResponseHeaders();
    };
    s = eachRow(db, "SELECT url_id, name, value FROM response_headers ORDER BY url_id, rowid",
                [&](const SqliteStatement& st) {
                  ZelUrl* r = recordAt(st, 0);
                  if (r != owner) {
                    keep();
                    owner = r;
                  }
                  if (st.columnText(1) == kTruncatedHeadersRow)
                    kept.truncated = true;
                  else
                    kept.headers.emplace_back(st.columnText(1), st.columnText(2));
                  return true;
                });
    keep();
    if (!s.ok()) return s;
    // A crawl that kept them keeps them for what is fetched again.
    if (owner) hub.setKeepsResponseHeaders(true);
  }
  if (!ok) return damaged(path, "a list column does not hold a JSON list");
  restore.finish(counters, seo);
  return Status::Ok();
}

}  // namespace zel::cli
