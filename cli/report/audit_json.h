#pragma once
// The site audit in the JSON export: its fields on each record, and the
// "audit" object with every issue type that occurred.
#include <string>

#include "platform/defaults.h"  // Json

namespace zel {
class ZelUrl;
struct RenderedFacts;
}
namespace zel::audit {
class SiteAudit;
}

namespace zel::cli {

class ReportContext;

// ,"indexable":...,"indexability":"...","issues":[...],... for the record (each
// key only when it has a value; "issues" always).
void appendAuditFields(std::string& out, const ZelUrl& record, const audit::SiteAudit& audit);
// ,"search":{"NAME":matches,...},"extract":{"NAME":[values...],...} for a page
// the content analyses read (part of the audit fields).
void appendContentReadings(std::string& out, const ZelUrl& record, const audit::SiteAudit& audit);
// ,"accessibility":[...],"pageSpeed":{...},"scriptChanges":{...} for a rendered
// page, each when it was measured (part of the audit fields).
void appendRenderedFacts(std::string& out, const RenderedFacts& facts);
Json renderedFactsJson(const RenderedFacts& facts);
// ,"audit":{...}: pages, indexable pages, each issue type found (ranked) with its
// count, the sitemaps read, and the findings at addresses the crawl has no record of.
void appendAuditObject(std::string& out, const ReportContext& report);

}  // namespace zel::cli
