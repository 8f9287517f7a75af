#pragma once
// The report writers, one file per format. Each reads the records through
// field access by name (and report items for links) and writes its file whole
// or not at all; a file it cannot write is an error that names it.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/status.h"
#include "report/report_context.h"

namespace zel::cli {

// The terminal: summary, SEO problems, redirects and bad links with at most
// five of the pages that link to each.
void printTerminalReport(FILE* out, const ReportContext& report);

// Every record with every non-empty field (a stable, public format), streamed
// record by record.
Status writeJsonReport(const ReportContext& report, const std::string& path);
// One row per record with the chosen columns.
Status writeRecordsCsv(const ReportContext& report, const std::string& path,
                       const std::vector<std::string>& fields);
// One row per link instance: where it stands, what it says, where it goes.
Status writeLinksCsv(const ReportContext& report, const std::string& path);
// The SEO summary text with the duplicate groups and misspelled words.
Status writeSeoText(const ReportContext& report, const std::string& path);
// The SEO summary's counters as CSV, nothing added.
Status writeSeoCsv(const ReportContext& report, const std::string& path);
// The site's pages as an XML sitemap; numbered files and an index when one
// file would pass 50 MB or `maxUrlsPerFile`. `written` receives every file written.
Status writeSitemap(const ReportContext& report, const std::string& path,
                    std::vector<std::string>* written = nullptr, size_t maxUrlsPerFile = 50000);
// One test case per checked URL, a failure per bad link.
Status writeJUnit(const ReportContext& report, const std::string& path);
// One self-contained page to open in a browser: the summary, a chart of the
// statuses, bad links with where they stand, redirects, SEO problems by kind,
// validation warnings and a sortable, filterable table of every URL.
Status writeHtmlReport(const ReportContext& report, const std::string& path);
// The site audit's findings: one row per issue and address (issue, priority,
// kind, url, detail), ranked as the reports rank issue types.
Status writeIssuesCsv(const ReportContext& report, const std::string& path);
// One row per issue type found, with its count.
Status writeIssuesSummary(const ReportContext& report, const std::string& path);
// The five highest-priority issue types and their counts, for the terminal.
void printTopIssues(FILE* out, const ReportContext& report);
// The whole crawl as a SQLite database.
Status writeCrawlDatabase(const ReportContext& report, const std::string& path);
// The same into an existing crawl database, replacing its contents in one
// transaction: on failure the file is left as it was.
Status rewriteCrawlDatabase(const ReportContext& report, const std::string& path);
// The layout the database writer writes; readers refuse a newer one. From 10 a
// crawl writes its database as it runs: the crawl's state may read "running",
// the tables worked out at the end are missing until then, and link ids may
// have gaps. (9 added the rendered pages' tables.)
inline constexpr int kCrawlDatabaseSchemaVersion = 10;
// The first layout with the site audit's tables (issue_types, issues,
// indexability, page_markup).
inline constexpr int kFirstAuditSchemaVersion = 5;
// The name of the row that marks a record's dropped response header fields.
inline constexpr const char* kTruncatedHeadersRow = "truncated";

}  // namespace zel::cli
