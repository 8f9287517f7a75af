#pragma once
// What the browser found on rendered pages in the crawl database, and back:
// the accessibility rules each page breaks, its lab page-speed figures, and
// its head as served against as rendered with its script errors.
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
inline constexpr const char* kRenderedTables[] = {"accessibility", "page_speed", "script_changes"};
// The first layout that has them.
inline constexpr int kFirstRenderedSchemaVersion = 9;

Status writeRenderedTables(SqliteDatabase& db, const ReportContext& report);
// Read back into the audit session (none before the layout that has them).
Status loadSavedRendered(SavedCrawl& saved, const ZelHub& hub, AuditSession& audit);

}  // namespace zel::cli
