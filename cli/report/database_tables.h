#pragma once
// The crawl database's rows one at a time, for the writer that saves a crawl as
// it runs: the crawl's row, a record's row and its redirect hops, a link
// instance's row, each copied into RowValues; and the tables that are only
// worked out once the crawl has ended.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/defaults.h"
#include "platform/sqlite_database.h"
#include "platform/status.h"
#include "report/report_context.h"
#include "report/row_values.h"

namespace zel {
class ZelHub;
class ZelUrl;
class ZelLinkInstance;
}  // namespace zel

namespace zel::cli {

// What a record's row holds besides the record's own fields.
struct UrlRowFacts {
  std::optional<int64_t> pageOrder;  // place among the site's pages
  bool inSitemap = false;
  bool linksPending = false;  // answered, its links not read (yet)
  bool live = false;          // made while the crawl runs: nothing is cached in the record
};

// What the crawl's row holds.
struct CrawlRowSource {
  ZelHub& hub;
  Json settings;  // redacted
  CrawlTiming timing;
  const char* state;  // "running", "stopped", "finished"
  std::string seoSummary;
  std::optional<ServedFolder> served;
  // Where the walk goes on from, when not the hub's own next index (a crash
  // leaves the requests in flight unanswered: they are sent again).
  std::optional<int64_t> nextUrlIndex = std::nullopt;
};
CrawlRowSource crawlRowOf(const ReportContext& report);

// A record's place in crawl order (its id; set while the crawl runs by the
// database writer, at the end by the report context); nullopt for none.
std::optional<int64_t> recordIndex(const ZelHub& hub, const ZelUrl* record);
// Each record's place among the site's pages, by record id (-1: not a page).
std::vector<int32_t> pageOrderOf(const ZelHub& hub);
// The facts of a record's row once the crawl has ended.
UrlRowFacts finishedUrlFacts(const ReportContext& report, const std::vector<int32_t>& pageOrder,
                             const ZelUrl& record, int64_t id);

// CREATE statements of the tables written as the crawl runs.
std::string runningTablesSql();
// Their indexes (IF NOT EXISTS: made once, then kept up by SQLite).
std::string runningIndexesSql();
// The inserts of those tables' rows (OR REPLACE but the crawl's).
RowInsert crawlRowInsert();
RowInsert urlRowInsert();
RowInsert redirectRowInsert();
RowInsert linkRowInsert();

void captureCrawlRow(const CrawlRowSource& source, RowValues& out);
void captureUrlRow(const ZelUrl& record, int64_t id, const UrlRowFacts& facts, RowValues& out);
// The record's redirect hops (none for most).
void captureRedirectRows(const ZelUrl& record, int64_t id, RowValues& out);
// A link's row; its ends' ids from `idByGraph` (see noteRecordIds).
void captureLinkRow(const ZelLinkInstance& link, int64_t id, const std::vector<int32_t>& idByGraph,
                    RowValues& out);
// Notes the ids of the records from id `from` on by their index in the hub's
// link graph (-1 for none), so that links find their ends' ids without
// reading the records.
void noteRecordIds(const ZelHub& hub, size_t from, std::vector<int32_t>& idByGraph);

// Drops and writes again the tables worked out once the crawl has ended
// (warnings, duplicates, misspellings, response headers, the audit's and the
// content analyses' tables), then makes the indexes. Inside the caller's
// transaction.
Status writeFinishedTables(SqliteDatabase& db, const ReportContext& report);

}  // namespace zel::cli
