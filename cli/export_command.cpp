#include "export_command.h"

#include <unordered_set>

#include "report/exports.h"
#include "report/report_context.h"
#include "saved_commands.h"

namespace zel::cli {

Status exportSavedCrawl(const Options& options, FILE* errors, bool leaveForExit,
                        std::vector<std::string>* written) {
  if (Status s = options.exports.check(); !s.ok()) return s;
  Session session;
  session.leftForExit = leaveForExit;
  // Nothing is fetched, so a secret that was not saved is not missed.
  if (Status s = openSession(options, session, nullptr); !s.ok()) return s;
  const SavedCrawl& saved = session.saved;
  ReportContext report(
      *session.hub, *session.settings,
      {saved.seconds, saved.stopped, saved.startedAt, saved.endedAt, std::nullopt});
  report.setLinksPending({saved.linksPending.begin(), saved.linksPending.end()});
  if (!writeExports(options.exports, report, errors, written))
    return Status::Error("not every export could be written");
  return Status::Ok();
}

int runExport(const Options& options) {
  const ExportPaths& e = options.exports;
  if (!e.json && !e.csv && !e.linksCsv && !e.seo && !e.seoCsv && !e.sitemap && !e.junit &&
      !e.html && !e.db) {
    std::fprintf(stderr,
                 "zelmora: export needs at least one of --json, --csv, --links-csv, --seo, "
                 "--seo-csv, --sitemap, --junit, --html, --db\n");
    return 2;
  }
  std::vector<std::string> written;
  const Status s = exportSavedCrawl(options, stderr, true, &written);
  if (!s.ok()) std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
  if (!options.quiet)
    for (const std::string& f : written) std::fprintf(stderr, "wrote %s\n", f.c_str());
  return s.ok() ? 0 : 2;
}

}  // namespace zel::cli
