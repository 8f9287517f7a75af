// The site audit's own outputs: every finding as CSV, the counts by issue type,
// and the few highest-priority issues at the end of the terminal report.
#include "audit/site_audit.h"
#include "platform/text_format.h"
#include "report/output_file.h"
#include "report/text_escape.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

constexpr size_t kTopIssues = 5;

void appendRow(std::string& out, std::initializer_list<std::string_view> cells) {
  bool first = true;
  for (std::string_view c : cells) {
    if (!first) out += ',';
    first = false;
    appendCsvCell(out, c);
  }
  out += "\r\n";
}

Status writeCsv(const ReportContext& report, const std::string& path,
                const std::function<void(std::string&, OutputFile&)>& rows) {
  OutputFile file(path, report.secrets());
  if (Status s = file.open(); !s.ok()) return s;
  std::string out;
  rows(out, file);
  file.write(out);
  return file.commit();
}

}  // namespace

Status writeIssuesCsv(const ReportContext& report, const std::string& path) {
  return writeCsv(report, path, [&](std::string& out, OutputFile& file) {
    appendRow(out, {"issue", "priority", "kind", "url", "detail"});
    const audit::SiteAudit* a = report.audit();
    if (!a) return;
    for (const auto& [issue, count] : a->rankedCounts()) {
      const audit::IssueType& t = audit::issueType(issue);
      for (const audit::Finding& f : a->findings(issue)) {
        appendRow(out, {t.id, audit::priorityName(t.priority), audit::kindName(t.kind),
                        a->address(f), a->detail(f)});
        file.writeWhenLarge(out);
      }
    }
  });
}

Status writeIssuesSummary(const ReportContext& report, const std::string& path) {
  return writeCsv(report, path, [&](std::string& out, OutputFile&) {
    appendRow(out, {"issue", "priority", "kind", "count", "description"});
    const audit::SiteAudit* a = report.audit();
    if (!a) return;
    for (const auto& [issue, count] : a->rankedCounts()) {
      const audit::IssueType& t = audit::issueType(issue);
      appendRow(out, {t.id, audit::priorityName(t.priority), audit::kindName(t.kind),
                      std::to_string(count), t.description});
    }
  });
}

void printTopIssues(FILE* out, const ReportContext& report) {
  const audit::SiteAudit* a = report.audit();
  if (!a) return;
  const auto ranked = a->rankedCounts();
  std::fprintf(out, "\nSite audit (%zu of %zu pages indexable):\n", a->indexableCount(),
               a->pageCount());
  if (ranked.empty()) {
    std::fprintf(out, "  no issues found\n");
    return;
  }
  for (size_t n = 0; n < ranked.size() && n < kTopIssues; ++n) {
    const audit::IssueType& t = audit::issueType(ranked[n].first);
    std::fprintf(out, "  %-6s  %-30s %6zu  %s\n",
                 std::string(audit::priorityName(t.priority)).c_str(), std::string(t.id).c_str(),
                 ranked[n].second, std::string(t.description).c_str());
  }
  if (ranked.size() > kTopIssues)
    std::fprintf(out, "  and %zu more issue types (--issues or --html lists them all)\n",
                 ranked.size() - kTopIssues);
}

}  // namespace zel::cli
