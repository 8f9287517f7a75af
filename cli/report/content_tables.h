#pragma once
// The content analyses in the crawl database, and back: per page its scores
// (link score, near duplicates, readability), search matches, extracted values
// and the MinHash signature of its main text.
#include "platform/sqlite_database.h"
#include "platform/status.h"

namespace zel {
class ZelHub;
}

namespace zel::cli {

class AuditSession;
class ReportContext;
struct SavedCrawl;

// The names of the tables written, for a rewrite to drop first.
inline constexpr const char* kContentTables[] = {"page_scores", "search_matches", "extractions",
                                                 "page_signatures", "structured_data"};

Status writeContentTables(SqliteDatabase& db, const ReportContext& report);
// What the scans read of the pages of a saved crawl (none before the layout
// that has these tables), so that the analyses run again without the pages.
Status loadSavedContent(SavedCrawl& saved, const ZelHub& hub, AuditSession& audit);

}  // namespace zel::cli
