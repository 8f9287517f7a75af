// The whole crawl in one SQLite database: the crawl and its start-up state,
// every record with its raw values, every link instance, redirect hop and
// warning, the duplicate groups and misspelled words. Each table's columns are
// listed once, and the CREATE and INSERT statements are made from that list.
#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>

#include "audit/site_audit.h"
#include "audit_session.h"
#include "engine/zel_hub.h"
#include "platform/sqlite_database.h"
#include "platform/text_format.h"
#include "report/content_tables.h"
#include "report/database_tables.h"
#include "report/markup_json.h"
#include "report/output_file.h"
#include "report/record_fields.h"
#include "report/rendered_tables.h"
#include "report/row_values.h"
#include "report/text_escape.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

// Binds text after repairing invalid UTF-8 (page texts are hostile). The
// values are copied into a row that is then written (now, or on another thread).
struct Binder {
  RowValues& stmt;
  std::string scratch;

  // Any password in an address in the text becomes "***" (the start address's
  // is in every address of the site, and in texts that quote them): none is stored.
  void text(int i, std::string_view s) {
    const std::string_view valid = validUtf8(s, scratch);
    if (valid.find('@') != std::string_view::npos && valid.find("://") != std::string_view::npos)
      stmt.bind(i, withoutPasswords(valid));
    else
      stmt.bind(i, valid);
  }
  void url(int i, std::string_view s) { text(i, s); }
  void textOrNull(int i, std::string_view s) {
    if (s.empty())
      stmt.bindNull(i);
    else
      text(i, s);
  }
  void json(int i, const Json& j) {
    stmt.bind(i, j.dump(-1, ' ', false, Json::error_handler_t::replace));
  }
  // A list of texts as a JSON array; NULL for none.
  void list(int i, const std::vector<std::string>* items) {
    if (!items) {
      stmt.bindNull(i);
      return;
    }
    scratch.assign(1, '[');
    for (size_t k = 0; k < items->size(); ++k) {
      if (k) scratch += ',';
      appendJsonString(scratch, (*items)[k]);
    }
    scratch += ']';
    stmt.bind(i, scratch);
  }
  void list(int i, const std::optional<std::vector<std::string>>& items) {
    list(i, items ? &*items : nullptr);
  }
};

template <class Row>
struct Column {
  const char* name;
  const char* type;  // SQL type and constraints
  std::function<void(Binder&, int, const Row&)> bind;
};

template <class Row>
class Table {
 public:
  Table(const char* name, std::vector<Column<Row>> columns, const char* constraints = "")
      : name_(name), columns_(std::move(columns)), constraints_(constraints) {}

  std::string createSql() const {
    std::string sql = std::string("CREATE TABLE ") + name_ + " (";
    for (size_t i = 0; i < columns_.size(); ++i)
      sql += (i ? ", " : "") + std::string(columns_[i].name) + " " + columns_[i].type;
    return sql + constraints_ + ")";
  }
  RowInsert insert(bool replace = false) const {
    return {std::string(replace ? "INSERT OR REPLACE INTO " : "INSERT INTO ") + name_ + " VALUES ",
            static_cast<int>(columns_.size())};
  }

  // Creates the table and inserts every row `each` hands over, a group at a time.
  Status write(SqliteDatabase& db,
               const std::function<Status(const std::function<Status(const Row&)>&)>& each) const {
    if (Status s = db.exec(createSql()); !s.ok()) return s;
    const RowInsert rows = insert();
    const size_t per = rows.groupRows();
    Status error;
    SqliteStatement group = db.prepare(rows.sql(per), &error);
    if (!group.ok()) return error;
    RowValues values;
    Binder binder{values, {}};
    Status s = each([&](const Row& row) {
      capture(binder, row);
      if (values.rows() < per) return Status::Ok();
      Status run = values.runEach(group, per, rows.columns, group);
      values.clear();
      return run;
    });
    return s.ok() ? rows.run(db, values) : s;
  }

  // Adds the row's values to `binder`'s rows.
  void capture(Binder& binder, const Row& row) const {
    for (size_t i = 0; i < columns_.size(); ++i)
      columns_[i].bind(binder, static_cast<int>(i + 1), row);
    binder.stmt.endRow();
  }

 private:
  const char* name_;
  std::vector<Column<Row>> columns_;
  const char* constraints_;
};

// ---- crawl -------------------------------------------------------------------------

Json seoCountersOf(const ZelHub& hub) {
  const auto& c = hub.seoManager().counters();
  return {{"notitle", c.notitle},
          {"nodesc", c.nodesc},
          {"possduplicates", c.possduplicates},
          {"duplicatetitle", c.duplicatetitle},
          {"duplicatedesc", c.duplicatedesc},
          {"nofollow", c.nofollow},
          {"toomanylinks", c.toomanylinks},
          {"metadesclength", c.metadesclength},
          {"titlelength", c.titlelength},
          {"keywordstuffed", c.keywordstuffed},
          {"thincontent", c.thincontent},
          {"noalt", c.noalt},
          {"pagesExcludedNoIndex", c.pagesExcludedNoIndex},
          {"mixedContent", c.mixedContent},
          {"redirectchain", c.redirectchain},
          {"pagesWithoutH1", c.pagesWithoutH1},
          {"pagesWithMultipleH1", c.pagesWithMultipleH1}};
}

const Table<CrawlRowSource>& crawlTable() {
  using R = CrawlRowSource;
  static const Table<R> table(
      "crawl",
      {
          {"schema_version", "INTEGER NOT NULL",
           [](Binder& b, int i, const R&) { b.stmt.bind(i, kCrawlDatabaseSchemaVersion); }},
          {"zelmora_version", "TEXT", [](Binder& b, int i, const R&) { b.text(i, ZEL_VERSION); }},
          {"start_url", "TEXT NOT NULL",
           [](Binder& b, int i, const R& r) {
             b.text(i, withoutPasswords(r.hub.getStartingUrl()));
           }},
          {"settings", "TEXT NOT NULL",
           [](Binder& b, int i, const R& r) { b.json(i, r.settings); }},
          {"started_at", "TEXT",
           [](Binder& b, int i, const R& r) { b.text(i, isoTime(r.timing.startedAt)); }},
          {"ended_at", "TEXT",
           [](Binder& b, int i, const R& r) { b.text(i, isoTime(r.timing.endedAt)); }},
          {"seconds", "REAL",
           [](Binder& b, int i, const R& r) { b.stmt.bind(i, r.timing.seconds); }},
          {"state", "TEXT NOT NULL", [](Binder& b, int i, const R& r) { b.text(i, r.state); }},
          {"checked", "INTEGER",
           [](Binder& b, int i, const R& r) { b.stmt.bind(i, r.hub.getCheckedLinkCount()); }},
          {"bad", "INTEGER",
           [](Binder& b, int i, const R& r) { b.stmt.bind(i, r.hub.getBadLinkCount()); }},
          {"total", "INTEGER",
           [](Binder& b, int i, const R& r) { b.stmt.bind(i, r.hub.getTotalLinkCount()); }},
          {"pages", "INTEGER",
           [](Binder& b, int i, const R& r) { b.stmt.bind(i, r.hub.getPageCount()); }},
          {"next_url_index", "INTEGER",
           [](Binder& b, int i, const R& r) {
             b.stmt.bind(i, r.nextUrlIndex.value_or(r.hub.getNextUrlIndex()));
           }},
          {"domains", "TEXT", [](Binder& b, int i, const R& r) { b.list(i, &r.hub.getDomains()); }},
          {"check_blacklist", "TEXT",
           [](Binder& b, int i, const R& r) { b.list(i, &r.hub.getCheckBlacklistArray()); }},
          {"follow_blacklist", "TEXT",
           [](Binder& b, int i, const R& r) { b.list(i, &r.hub.getFollowBlacklistArray()); }},
          {"follow_whitelist", "TEXT",
           [](Binder& b, int i, const R& r) { b.list(i, &r.hub.getFollowWhitelistArray()); }},
          {"robots_blacklist", "TEXT",
           [](Binder& b, int i, const R& r) { b.list(i, r.hub.getRobotsBlacklistArray()); }},
          {"robots_whitelist", "TEXT",
           [](Binder& b, int i, const R& r) { b.list(i, r.hub.getRobotsWhitelistArray()); }},
          {"soft404_terms", "TEXT",
           [](Binder& b, int i, const R& r) { b.list(i, &r.hub.getSoft404Array()); }},
          {"detected_encoding", "INTEGER",
           [](Binder& b, int i, const R& r) {
             b.stmt.bind(i, static_cast<int64_t>(r.hub.getDetectedEncoding()));
           }},
          {"https", "INTEGER",
           [](Binder& b, int i, const R& r) { b.stmt.bind(i, r.hub.isScanningHttpsSite()); }},
          {"start_was_xml", "INTEGER",
           [](Binder& b, int i, const R& r) { b.stmt.bind(i, r.hub.startingPointWasXML()); }},
          {"seo_summary", "TEXT", [](Binder& b, int i, const R& r) { b.text(i, r.seoSummary); }},
          {"seo_counters", "TEXT",
           [](Binder& b, int i, const R& r) { b.json(i, seoCountersOf(r.hub)); }},
          {"served_folder", "TEXT",
           [](Binder& b, int i, const R& r) {
             b.textOrNull(i, r.served ? r.served->folder : std::string());
           }},
          {"served_port", "INTEGER",
           [](Binder& b, int i, const R& r) {
             if (r.served)
               b.stmt.bind(i, static_cast<int64_t>(r.served->port));
             else
               b.stmt.bindNull(i);
           }},
      });
  return table;
}

Status writeCrawlTable(SqliteDatabase& db, const ReportContext& report) {
  const CrawlRowSource source = crawlRowOf(report);
  return crawlTable().write(db, [&](const auto& insert) { return insert(source); });
}

// ---- urls ---------------------------------------------------------------------------

struct UrlRow {
  const ZelUrl& r;
  int64_t id;
  const UrlRowFacts& facts;
};

// The page's meta tags as a JSON array of objects; NULL when it has none.
void bindMetaData(Binder& b, int i, const ZelUrl& r) {
  const std::optional<std::vector<MetaEntry>> meta = r.getMetaData();
  if (!meta) {
    b.stmt.bindNull(i);
    return;
  }
  std::string& out = b.scratch;
  out.assign(1, '[');
  for (const MetaEntry& entry : *meta) {
    out += out.size() > 1 ? ",{" : "{";
    bool first = true;
    for (const auto& [k, v] : entry) {
      if (!first) out += ',';
      first = false;
      appendJsonString(out, k);
      out += ':';
      appendJsonString(out, v);
    }
    out += '}';
  }
  out += ']';
  b.stmt.bind(i, out);
}

// Milliseconds, rounded to the microsecond; NULL when not measured.
void bindMilliseconds(Binder& b, int i, double seconds) {
  if (seconds <= 0)
    b.stmt.bindNull(i);
  else
    b.stmt.bind(i, std::round(seconds * 1e6) / 1e3);
}

int32_t h1CountNow(const ZelUrl& r) {
  int32_t n = 0;
  if (const auto& h = r.getHeadings())
    for (const auto& e : *h)
      if (ZelUrl::thisIsAnH1(e)) ++n;
  return n;
}

const Table<UrlRow>& urlsTable() {
  using R = UrlRow;
  auto flag = [](bool (ZelUrl::*get)() const) {
    return [get](Binder& b, int i, const R& row) { b.stmt.bind(i, (row.r.*get)()); };
  };
  auto count = [](int64_t (ZelUrl::*get)() const) {
    return [get](Binder& b, int i, const R& row) {
      const int64_t n = (row.r.*get)();
      if (n < 0)
        b.stmt.bindNull(i);
      else
        b.stmt.bind(i, n);  // -1: not counted
    };
  };
  auto occurrences = [](int32_t (ZelUrl::*get)() const) {
    return [get](Binder& b, int i, const R& row) {
      b.stmt.bind(i, static_cast<int64_t>((row.r.*get)()));
    };
  };
  static const Table<UrlRow> table(
      "urls",
      {
          {"id", "INTEGER PRIMARY KEY",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.id); }},
          {"url", "TEXT NOT NULL",
           [](Binder& b, int i, const R& row) { b.url(i, row.r.getLinkUrl()); }},
          {"redirect_url", "TEXT",
           [](Binder& b, int i, const R& row) {
             if (row.r.getRedir().empty())
               b.stmt.bindNull(i);
             else
               b.url(i, row.r.getRedir());
           }},
          {"actual_url", "TEXT NOT NULL",
           [](Binder& b, int i, const R& row) { b.url(i, row.r.getActualLinkUrl()); }},
          {"slash_trimmed", "INTEGER", flag(&ZelUrl::hasHadSlashTrimmed)},
          {"redirect_slash_trimmed", "INTEGER", flag(&ZelUrl::hasHadRedirSlashTrimmed)},
          {"status", "TEXT", [](Binder& b, int i, const R& row) { b.text(i, row.r.getStatus()); }},
          {"final_status", "TEXT",
           [](Binder& b, int i, const R& row) { b.text(i, row.r.getFinalStatus()); }},
          {"bad", "INTEGER", flag(&ZelUrl::isInBadCollection)},
          {"internal", "INTEGER", flag(&ZelUrl::isInternal)},
          {"blacklisted", "INTEGER", flag(&ZelUrl::isBlacklisted)},
          {"disallowed", "INTEGER", flag(&ZelUrl::isDisallowed)},
          {"starting_point", "INTEGER", flag(&ZelUrl::isStartingPoint)},
          {"recursion", "INTEGER", flag(&ZelUrl::getRecursion)},
          {"is_html", "INTEGER", flag(&ZelUrl::getIsHTML)},
          {"is_image", "INTEGER", flag(&ZelUrl::getIsImage)},
          {"is_video", "INTEGER", flag(&ZelUrl::getIsVideo)},
          {"is_audio", "INTEGER", flag(&ZelUrl::getIsAudio)},
          {"mime_type", "TEXT",
           [](Binder& b, int i, const R& row) { b.text(i, row.r.getMimeType()); }},
          {"distance", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getDistanceFromHome()); }},
          {"thread", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.thread()); }},
          {"fetched_at", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.r.getTimestampText()); }},
          {"fetched_at_utc", "TEXT",
           [](Binder& b, int i, const R& row) {
             const auto t = row.r.getTimestamp();
             b.textOrNull(i, t ? isoTime(static_cast<std::time_t>(*t)) : std::string());
           }},
          {"response_time", "REAL",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getResponseTimeInterval()); }},
          {"load_time", "REAL",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getLoadTime()); }},
          {"response_ms", "REAL",
           [](Binder& b, int i, const R& row) {
             bindMilliseconds(b, i, row.r.getResponseTimeInterval());
           }},
          {"load_ms", "REAL",
           [](Binder& b, int i, const R& row) { bindMilliseconds(b, i, row.r.getLoadTime()); }},
          {"retry_count", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getRetryCount()); }},
          {"retry_after", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getRetryAfter()); }},
          {"size_bytes", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, sizeInBytes(row.r)); }},
          {"body_bytes", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getFileSizeInBytes()); }},
          {"transfer_bytes", "INTEGER",
           [](Binder& b, int i, const R& row) {
             b.stmt.bind(i, row.r.getFileSizeCompressedInBytes());
           }},
          {"size_kb", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.fileSizeKB()); }},
          {"compressed_kb", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.fileSizeCompressedKB()); }},
          {"no_content_length", "INTEGER", flag(&ZelUrl::contentLengthUnavailable)},
          {"last_modified", "TEXT",
           [](Binder& b, int i, const R& row) {
             b.textOrNull(i, row.r.getTargetLastModified().value_or(""));
           }},
          {"title", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.r.getLinkPageTitle()); }},
          {"meta_description", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.r.getMetaDescription()); }},
          {"keywords", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.r.getKeywords()); }},
          {"meta_data", "TEXT", [](Binder& b, int i, const R& row) { bindMetaData(b, i, row.r); }},
          {"canonical", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.r.getCanonical()); }},
          {"headings", "TEXT",
           [](Binder& b, int i, const R& row) { b.list(i, row.r.getHeadings()); }},
          {"h1_count", "INTEGER",
           [](Binder& b, int i, const R& row) {
             // While the crawl runs the count is not kept: a page asked before
             // its headings are read would keep a count of 0.
             b.stmt.bind(i, row.facts.live ? h1CountNow(row.r) : row.r.h1Count());
           }},
          {"names", "TEXT",
           [](Binder& b, int i, const R& row) { b.list(i, row.r.getNamesOnThisPage()); }},
          {"head_nofollow", "INTEGER", flag(&ZelUrl::getHeadContainsNoFollow)},
          {"head_noindex", "INTEGER", flag(&ZelUrl::getHeadContainsNoIndex)},
          {"word_count", "INTEGER", count(&ZelUrl::getWordCount)},
          {"keyword_stuffed", "INTEGER", flag(&ZelUrl::isKeywordStuffed)},
          {"spelling", "INTEGER", count(&ZelUrl::getSpellingCount)},
          {"grammar", "INTEGER", count(&ZelUrl::getGrammarCount)},
          {"spelling_reviewed", "INTEGER", flag(&ZelUrl::spellingReviewed)},
          {"validator_status", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.r.getValidatorStatus()); }},
          {"validator_errors", "INTEGER", count(&ZelUrl::getValidatorErrors)},
          {"validator_warnings", "INTEGER", count(&ZelUrl::getValidatorWarnings)},
          {"anchor_missing", "INTEGER", flag(&ZelUrl::getLinksAnchorDoesntAppearOnTargetPage)},
          {"occurrences_url", "INTEGER", occurrences(&ZelUrl::getOcurrencesInUrl)},
          {"occurrences_title", "INTEGER", occurrences(&ZelUrl::getOcurrencesInTitle)},
          {"occurrences_description", "INTEGER", occurrences(&ZelUrl::getOcurrencesInDescription)},
          {"occurrences_keywords", "INTEGER", occurrences(&ZelUrl::getOcurrencesInKeywords)},
          {"occurrences_headings", "INTEGER", occurrences(&ZelUrl::getOcurrencesInHeadings)},
          {"occurrences_archive", "INTEGER", occurrences(&ZelUrl::getOcurrencesInArchive)},
          {"occurrences_total", "INTEGER", occurrences(&ZelUrl::getTotalOccurrences)},
          {"priority", "REAL",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getPriorityIfSet()); }},
          {"change_frequency", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.r.getChangeFrequency()); }},
          {"internal_links", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getInternallinkcount()); }},
          {"external_links", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.r.getExternallinkcount()); }},
          {"page_order", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.facts.pageOrder); }},
          {"in_sitemap", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.facts.inSitemap); }},
          {"warnings", "TEXT",
           [](Binder& b, int i, const R& row) { b.list(i, row.r.getWarnings()); }},
          // An answer that came before the crawl was stopped, its links not yet
          // read: continuing the crawl fetches the page again.
          {"links_pending", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.facts.linksPending); }},
      });
  return table;
}

Status writeUrls(SqliteDatabase& db, const ReportContext& report) {
  ZelHub& hub = report.hub();
  const std::vector<int32_t> pageOrder = pageOrderOf(hub);
  return urlsTable().write(db, [&](const auto& insert) {
    int64_t id = 0;
    for (ZelUrl* r : hub.getLinksCollection()) {
      const UrlRowFacts facts = finishedUrlFacts(report, pageOrder, *r, id);
      if (Status s = insert(UrlRow{*r, id++, facts}); !s.ok()) return s;
    }
    return Status::Ok();
  });
}

// ---- links ----------------------------------------------------------------------------

struct LinkRow {
  const ZelLinkInstance& link;
  int64_t id;
  std::optional<int64_t> parentId, targetId;
};

std::optional<int64_t> idOf(const std::vector<int32_t>& idByGraph, uint32_t graphIndex) {
  if (graphIndex >= idByGraph.size() || idByGraph[graphIndex] < 0) return std::nullopt;
  return idByGraph[graphIndex];
}

LinkRow linkRowOf(const ZelLinkInstance& link, int64_t id, const std::vector<int32_t>& idByGraph) {
  const uint32_t parent = ZelLinkGraph::of(&link).parentIndexOf(ZelLinkGraph::indexOf(&link));
  return LinkRow{link, id, idOf(idByGraph, parent), idOf(idByGraph, link.targetIndex())};
}

const Table<LinkRow>& linksTable() {
  using R = LinkRow;
  static const Table<R> table(
      "links",
      {
          {"id", "INTEGER PRIMARY KEY",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.id); }},
          {"parent_id", "INTEGER REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.parentId); }},
          {"target_id", "INTEGER REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.targetId); }},
          {"link_text", "TEXT",
           [](Binder& b, int i, const R& row) {
             if (row.link.hasLinkText())
               b.text(i, row.link.linkText());
             else
               b.stmt.bindNull(i);
           }},
          {"line", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.link.lineNumber()); }},
          {"rel", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.link.getRel()); }},
          // The other rel flags (noopener, sponsored, ugc, ...) follow from `rel`.
          {"nofollow", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.link.nf()); }},
          {"target_attr", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.link.getTargetAttr()); }},
          {"hreflang", "TEXT",
           [](Binder& b, int i, const R& row) { b.textOrNull(i, row.link.getHreflang()); }},
      });
  return table;
}

Status writeLinks(SqliteDatabase& db, const ReportContext& report) {
  return linksTable().write(db, [&](const auto& insert) {
    const auto* links = report.hub().getInstanceCollection();
    if (!links) return Status::Ok();
    std::vector<int32_t> idByGraph;
    noteRecordIds(report.hub(), 0, idByGraph);
    int64_t id = 0;
    for (const ZelLinkInstance* link : *links)
      if (Status s = insert(linkRowOf(*link, id++, idByGraph)); !s.ok()) return s;
    return Status::Ok();
  });
}

// ---- redirects, warnings, duplicates, misspellings ------------------------------------------

struct RedirectRow {
  int64_t urlId, hop;
  const RedirectEntry& entry;
};

const Table<RedirectRow>& redirectsTable() {
  using R = RedirectRow;
  static const Table<R> table(
      "redirects",
      {
          {"url_id", "INTEGER NOT NULL REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.urlId); }},
          {"hop", "INTEGER NOT NULL",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.hop); }},
          {"url", "TEXT", [](Binder& b, int i, const R& row) { b.url(i, row.entry.url); }},
          {"status", "TEXT", [](Binder& b, int i, const R& row) { b.text(i, row.entry.status); }},
          {"reason", "INTEGER",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.entry.reason); }},
          {"slash_trimmed", "INTEGER",
           [](Binder& b, int i, const R& row) {
             b.stmt.bind(i, row.entry.hasHadRedirSlashTrimmed);
           }},
      },
      ", PRIMARY KEY (url_id, hop)");
  return table;
}

Status writeRedirects(SqliteDatabase& db, ZelHub& hub) {
  return redirectsTable().write(db, [&](const auto& insert) {
    int64_t id = 0;
    for (const ZelUrl* r : hub.getLinksCollection()) {
      if (const auto* hops = r->getRedirTable()) {
        int64_t hop = 0;
        for (const RedirectEntry& e : *hops)
          if (Status s = insert(RedirectRow{id, hop++, e}); !s.ok()) return s;
      }
      ++id;
    }
    return Status::Ok();
  });
}

struct TextRow {
  std::optional<int64_t> urlId;
  std::string_view first, second;  // (kind, text) or (text, "")
};

Status writeWarnings(SqliteDatabase& db, const ReportContext& report) {
  ZelHub& hub = report.hub();
  using R = TextRow;
  const Table<R> table(
      "warnings",
      {
          {"id", "INTEGER PRIMARY KEY", [](Binder& b, int i, const R&) { b.stmt.bindNull(i); }},
          {"url_id", "INTEGER REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.urlId); }},
          {"warning", "TEXT NOT NULL",
           [](Binder& b, int i, const R& row) { b.text(i, row.first); }},
      });
  return table.write(db, [&](const auto& insert) {
    for (const HubWarning& w : hub.getWarningsArray())
      if (Status s = insert(TextRow{report.indexOf(w.record), w.warning, {}}); !s.ok()) return s;
    return Status::Ok();
  });
}

Status writeDuplicates(SqliteDatabase& db, const ReportContext& report) {
  ZelHub& hub = report.hub();
  using R = TextRow;
  const Table<R> table(
      "duplicates",
      {
          {"kind", "TEXT NOT NULL", [](Binder& b, int i, const R& row) { b.text(i, row.first); }},
          {"text", "TEXT NOT NULL", [](Binder& b, int i, const R& row) { b.text(i, row.second); }},
          {"url_id", "INTEGER REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.urlId); }},
      });
  const std::pair<const char*, const RecordGroups*> kinds[] = {
      {"possible", &hub.getDuplicates()},
      {"title", &hub.getDuplicateTitles()},
      {"description", &hub.getDuplicateDescriptions()}};
  return table.write(db, [&](const auto& insert) {
    for (const auto& [kind, groups] : kinds)
      for (const auto& [text, records] : *groups) {
        if (records.size() < 2) continue;
        for (const ZelUrl* r : records)
          if (Status s = insert(TextRow{report.indexOf(r), kind, text}); !s.ok()) return s;
      }
    return Status::Ok();
  });
}

Status writeMisspellings(SqliteDatabase& db, const ReportContext& report) {
  ZelHub& hub = report.hub();
  using R = TextRow;
  const Table<R> table(
      "misspellings",
      {
          {"word", "TEXT NOT NULL", [](Binder& b, int i, const R& row) { b.text(i, row.first); }},
          {"url_id", "INTEGER REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.urlId); }},
      });
  return table.write(db, [&](const auto& insert) {
    for (const auto& [word, records] : hub.seoManager().getMisspelledWordDictionary())
      for (const ZelUrl* r : records)
        if (Status s = insert(TextRow{report.indexOf(r), word, {}}); !s.ok()) return s;
    return Status::Ok();
  });
}

// ---- the site audit ----------------------------------------------------------------------
// Every issue type (with its count, 0 when it did not occur), every finding, the
// verdict on every page of the site, and each page's markup facts, which a
// saved crawl needs to be audited again. Empty when the audit was off.

Status writeIssueTypes(SqliteDatabase& db, const ReportContext& report) {
  using R = audit::IssueType;
  const audit::SiteAudit* a = report.audit();
  const Table<R> table(
      "issue_types",
      {
          {"id", "TEXT PRIMARY KEY", [](Binder& b, int i, const R& t) { b.text(i, t.id); }},
          {"issue_group", "TEXT NOT NULL",
           [](Binder& b, int i, const R& t) { b.text(i, t.group); }},
          {"priority", "TEXT NOT NULL",
           [](Binder& b, int i, const R& t) { b.text(i, audit::priorityName(t.priority)); }},
          {"kind", "TEXT NOT NULL",
           [](Binder& b, int i, const R& t) { b.text(i, audit::kindName(t.kind)); }},
          {"description", "TEXT NOT NULL",
           [](Binder& b, int i, const R& t) { b.text(i, t.description); }},
          {"fix", "TEXT NOT NULL", [](Binder& b, int i, const R& t) { b.text(i, t.fix); }},
          {"count", "INTEGER NOT NULL",
           [a](Binder& b, int i, const R& t) {
             b.stmt.bind(i, static_cast<int64_t>(a->count(t.issue)));
           }},
      });
  return table.write(db, [&](const auto& insert) {
    if (!a) return Status::Ok();
    for (const audit::IssueType& t : audit::issueCatalogue())
      if (Status s = insert(t); !s.ok()) return s;
    return Status::Ok();
  });
}

struct IssueRow {
  audit::Issue issue;
  const audit::Finding& finding;
  const ReportContext& report;
};

Status writeIssues(SqliteDatabase& db, const ReportContext& report) {
  using R = IssueRow;
  const Table<R> table(
      "issues",
      {
          {"id", "INTEGER PRIMARY KEY", [](Binder& b, int i, const R&) { b.stmt.bindNull(i); }},
          {"issue", "TEXT NOT NULL REFERENCES issue_types(id)",
           [](Binder& b, int i, const R& row) { b.text(i, audit::issueType(row.issue).id); }},
          {"url_id", "INTEGER REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) {
             b.stmt.bind(i, row.report.indexOf(row.finding.record));
           }},
          {"url", "TEXT NOT NULL",
           [](Binder& b, int i, const R& row) {
             b.url(i, row.report.audit()->address(row.finding));
           }},
          {"detail", "TEXT",
           [](Binder& b, int i, const R& row) {
             b.textOrNull(i, row.report.audit()->detail(row.finding));
           }},
      });
  return table.write(db, [&](const auto& insert) {
    if (const audit::SiteAudit* a = report.audit())
      for (const audit::IssueType& t : audit::issueCatalogue())
        for (const audit::Finding& f : a->findings(t.issue))
          if (Status s = insert(IssueRow{t.issue, f, report}); !s.ok()) return s;
    return Status::Ok();
  });
}

struct PageAuditRow {
  int64_t urlId;
  const ZelUrl* record;
  const ReportContext& report;
};

Status writeIndexability(SqliteDatabase& db, const ReportContext& report) {
  using R = PageAuditRow;
  const Table<R> table(
      "indexability",
      {
          {"url_id", "INTEGER PRIMARY KEY REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.urlId); }},
          {"indexable", "INTEGER NOT NULL",
           [](Binder& b, int i, const R& row) {
             b.stmt.bind(
                 i, row.report.audit()->indexability(row.record) == audit::Indexability::Indexable);
           }},
          {"reason", "TEXT NOT NULL",
           [](Binder& b, int i, const R& row) {
             b.text(i, audit::indexabilityName(*row.report.audit()->indexability(row.record)));
           }},
      });
  return table.write(db, [&](const auto& insert) {
    const audit::SiteAudit* a = report.audit();
    if (!a) return Status::Ok();
    int64_t id = 0;
    for (const ZelUrl* r : report.hub().getLinksCollection()) {
      if (a->indexability(r))
        if (Status s = insert(PageAuditRow{id, r, report}); !s.ok()) return s;
      ++id;
    }
    return Status::Ok();
  });
}

struct HeaderRow {
  int64_t urlId;
  std::string_view name, value;
};

// The final response's header fields of the records that kept them; a record
// whose fields passed the bounds gets a row named "truncated" after its kept ones.
Status writeResponseHeaders(SqliteDatabase& db, ZelHub& hub) {
  using R = HeaderRow;
  const Table<R> table(
      "response_headers",
      {
          {"url_id", "INTEGER NOT NULL REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.urlId); }},
          {"name", "TEXT NOT NULL", [](Binder& b, int i, const R& row) { b.text(i, row.name); }},
          {"value", "TEXT", [](Binder& b, int i, const R& row) { b.text(i, row.value); }},
      });
  return table.write(db, [&](const auto& insert) {
    int64_t id = 0;
    for (const ZelUrl* r : hub.getLinksCollection()) {
      if (const KeptResponseHeaders* kept = r->getResponseHeaders()) {
        for (const auto& [name, value] : kept->headers)
          if (Status s = insert(HeaderRow{id, name, value}); !s.ok()) return s;
        if (kept->truncated)
          if (Status s = insert(HeaderRow{id, kTruncatedHeadersRow, "more fields were dropped"});
              !s.ok())
            return s;
      }
      ++id;
    }
    return Status::Ok();
  });
}

struct MarkupRow {
  std::optional<int64_t> urlId;
  const MarkupFacts& facts;
};

Status writePageMarkup(SqliteDatabase& db, const ReportContext& report) {
  using R = MarkupRow;
  const Table<R> table(
      "page_markup",
      {
          {"url_id", "INTEGER PRIMARY KEY REFERENCES urls(id)",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, row.urlId); }},
          {"facts", "TEXT NOT NULL",
           [](Binder& b, int i, const R& row) { b.stmt.bind(i, markupJsonText(row.facts)); }},
      });
  return table.write(db, [&](const auto& insert) {
    const AuditSession* session = report.auditSession();
    if (!session || !report.audit()) return Status::Ok();
    int64_t id = 0;
    for (const ZelUrl* r : report.hub().getLinksCollection()) {
      if (const MarkupFacts* facts = session->markupOf(r))
        if (Status s = insert(MarkupRow{id, *facts}); !s.ok()) return s;
      ++id;
    }
    return Status::Ok();
  });
}

constexpr const char* kCoreTables[] = {"crawl", "urls", "links", "redirects"};
// Written when the crawl ends (a database written as the crawl runs lacks them before).
constexpr const char* kFinishedTables[] = {"warnings",         "duplicates",  "misspellings",
                                           "response_headers", "issue_types", "issues",
                                           "indexability",     "page_markup"};

// The tables worked out once the crawl has ended (any older ones dropped), and
// the indexes.
Status finishedTables(SqliteDatabase& db, const ReportContext& report) {
  ZelHub& hub = report.hub();
  std::string drop;
  for (const char* table : kFinishedTables)
    drop += std::string("DROP TABLE IF EXISTS ") + table + ";";
  for (const char* table : kContentTables)
    drop += std::string("DROP TABLE IF EXISTS ") + table + ";";
  for (const char* table : kRenderedTables)
    drop += std::string("DROP TABLE IF EXISTS ") + table + ";";
  const std::function<Status()> steps[] = {
      [&] { return db.exec(drop); },
      [&] { return writeWarnings(db, report); },
      [&] { return writeDuplicates(db, report); },
      [&] { return writeMisspellings(db, report); },
      [&] { return writeResponseHeaders(db, hub); },
      [&] { return writeIssueTypes(db, report); },
      [&] { return writeIssues(db, report); },
      [&] { return writeIndexability(db, report); },
      [&] { return writePageMarkup(db, report); },
      [&] { return writeContentTables(db, report); },
      [&] { return writeRenderedTables(db, report); },
      [&] {
        return db.exec(runningIndexesSql() +
                       "CREATE INDEX response_headers_url ON response_headers(url_id);");
      },
  };
  for (const auto& step : steps)
    if (Status s = step(); !s.ok()) return s;
  return Status::Ok();
}

// `replace`: the tables of an existing database are dropped and written again
// in the one transaction, so a failure leaves the file as it was.
Status writeAll(SqliteDatabase& db, const ReportContext& report, bool replace) {
  ZelHub& hub = report.hub();
  if (replace) {
    std::string sql = "BEGIN IMMEDIATE;";
    for (const char* table : kCoreTables) sql += std::string("DROP TABLE IF EXISTS ") + table + ";";
    if (Status s = db.exec(sql); !s.ok()) return s;
  } else if (Status s = db.exec(
                 // A fresh file that is renamed into place when complete: no journal needed.
                 "PRAGMA page_size=16384; PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN");
             !s.ok()) {
    return s;
  }
  const std::function<Status()> steps[] = {
      [&] { return writeCrawlTable(db, report); }, [&] { return writeUrls(db, report); },
      [&] { return writeLinks(db, report); },      [&] { return writeRedirects(db, hub); },
      [&] { return finishedTables(db, report); },  [&] { return db.exec("COMMIT"); },
  };
  for (const auto& step : steps)
    if (Status s = step(); !s.ok()) return s;
  return Status::Ok();
}

}  // namespace

CrawlRowSource crawlRowOf(const ReportContext& report) {
  return {report.hub(),        report.redactedSettings(),
          report.timing(),     report.timing().stopped ? "stopped" : "finished",
          report.seoSummary(), report.servedFolder()};
}

Status writeFinishedTables(SqliteDatabase& db, const ReportContext& report) {
  return finishedTables(db, report);
}

std::optional<int64_t> recordIndex(const ZelHub& hub, const ZelUrl* record) {
  if (!record) return std::nullopt;
  const auto& all = hub.getLinksCollection();
  const auto id = static_cast<size_t>(record->getID());
  if (id >= all.size() || all[id] != record) return std::nullopt;
  return static_cast<int64_t>(id);
}

std::vector<int32_t> pageOrderOf(const ZelHub& hub) {
  std::vector<int32_t> order(hub.getLinksCollection().size(), -1);
  int32_t n = 0;
  for (const ZelUrl* page : hub.getInternalPagesCollection()) {
    if (auto id = recordIndex(hub, page)) order[static_cast<size_t>(*id)] = n;
    ++n;
  }
  return order;
}

UrlRowFacts finishedUrlFacts(const ReportContext& report, const std::vector<int32_t>& pageOrder,
                             const ZelUrl& record, int64_t id) {
  UrlRowFacts facts;
  const int32_t order = static_cast<size_t>(id) < pageOrder.size() ? pageOrder[id] : -1;
  if (order >= 0) {
    facts.pageOrder = order;
    facts.inSitemap = report.inSitemap(&record);
  }
  facts.linksPending = report.linksPending(&record);
  return facts;
}

std::string runningTablesSql() {
  return crawlTable().createSql() + ";" + urlsTable().createSql() + ";" + linksTable().createSql() +
         ";" + redirectsTable().createSql() + ";";
}

std::string runningIndexesSql() {
  return "CREATE INDEX IF NOT EXISTS urls_url ON urls(url);"
         "CREATE INDEX IF NOT EXISTS urls_status ON urls(status);"
         "CREATE INDEX IF NOT EXISTS links_target ON links(target_id);"
         "CREATE INDEX IF NOT EXISTS links_parent ON links(parent_id);";
}

RowInsert crawlRowInsert() { return crawlTable().insert(); }
RowInsert urlRowInsert() { return urlsTable().insert(true); }
RowInsert redirectRowInsert() { return redirectsTable().insert(true); }
RowInsert linkRowInsert() { return linksTable().insert(true); }

void captureCrawlRow(const CrawlRowSource& source, RowValues& out) {
  Binder binder{out, {}};
  crawlTable().capture(binder, source);
}

void captureUrlRow(const ZelUrl& record, int64_t id, const UrlRowFacts& facts, RowValues& out) {
  Binder binder{out, {}};
  urlsTable().capture(binder, UrlRow{record, id, facts});
}

void captureRedirectRows(const ZelUrl& record, int64_t id, RowValues& out) {
  const auto* hops = record.getRedirTable();
  if (!hops) return;
  Binder binder{out, {}};
  int64_t hop = 0;
  for (const RedirectEntry& e : *hops) redirectsTable().capture(binder, RedirectRow{id, hop++, e});
}

void captureLinkRow(const ZelLinkInstance& link, int64_t id, const std::vector<int32_t>& idByGraph,
                    RowValues& out) {
  Binder binder{out, {}};
  linksTable().capture(binder, linkRowOf(link, id, idByGraph));
}

void noteRecordIds(const ZelHub& hub, size_t from, std::vector<int32_t>& idByGraph) {
  const auto& all = hub.getLinksCollection();
  for (size_t id = from; id < all.size(); ++id) {
    const uint32_t g = all[id]->graphIndex();
    if (g >= idByGraph.size()) idByGraph.resize(std::max<size_t>(g + 1, idByGraph.size() * 2), -1);
    idByGraph[g] = static_cast<int32_t>(id);
  }
}

Status writeCrawlDatabase(const ReportContext& report, const std::string& path) {
  const std::string temporary = OutputFile::temporaryPathFor(path);
  std::remove(temporary.c_str());
  Status written;
  {
    SqliteDatabase db;
    written = db.open(temporary, true);
    if (written.ok()) written = writeAll(db, report, false);
    db.close();
  }
  if (!written.ok()) {
    std::remove(temporary.c_str());
    return Status::Error("cannot write " + path + ": " + written.message());
  }
  return OutputFile::moveIntoPlace(temporary, path);
}

}  // namespace zel::cli

namespace zel::cli {

Status rewriteCrawlDatabase(const ReportContext& report, const std::string& path) {
  SqliteDatabase db;
  Status written = db.open(path, true);
  if (written.ok()) written = writeAll(db, report, true);
  if (!written.ok() && db.isOpen()) (void)db.exec("ROLLBACK");
  db.close();
  if (!written.ok()) return Status::Error("cannot write " + path + ": " + written.message());
  return Status::Ok();
}

}  // namespace zel::cli
