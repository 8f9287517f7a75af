#include "report/exports.h"

#include <chrono>
#include <thread>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/output_file.h"
#include "report/record_fields.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

struct Export {
  const char* option;
  const std::optional<std::string>* path;
  bool stdoutAllowed;
};

std::vector<Export> exportsOf(const ExportPaths& p) {
  return {{"--json", &p.json, true},          {"--csv", &p.csv, true},
          {"--links-csv", &p.linksCsv, true}, {"--seo", &p.seo, true},
          {"--seo-csv", &p.seoCsv, true},     {"--junit", &p.junit, true},
          {"--sitemap", &p.sitemap, false},   {"--db", &p.db, false},
          {"--html", &p.html, true},          {"--issues", &p.issues, true},
          {"--issues-summary", &p.issuesSummary, true}};
}

}  // namespace

bool ExportPaths::usesStdout() const {
  for (const Export& e : exportsOf(*this))
    if (*e.path == "-") return true;
  return false;
}

Status ExportPaths::check() const {
  int toStdout = 0;
  for (const Export& e : exportsOf(*this)) {
    if (!*e.path) continue;
    if (**e.path == "-") {
      if (!e.stdoutAllowed) return Status::Error(std::string(e.option) + " needs a file name");
      if (++toStdout > 1) return Status::Error("only one export can go to standard output");
      continue;
    }
    if (Status s = OutputFile::checkWritable(**e.path); !s.ok()) return s;
  }
  return checkExportFields(fields);
}

bool writeExports(const ExportPaths& p, const ReportContext& report, FILE* errors,
                  std::vector<std::string>* done, const DatabaseFinisher& finisher) {
  using Clock = std::chrono::steady_clock;
  bool ok = true;
  Log& log = report.hub().log();
  auto finish = [&](const std::string& path, const Status& s, double seconds) {
    if (log.enabled(1)) log.write(1, strf("wrote %s in %.3f s", path.c_str(), seconds));
    if (!s.ok()) {
      std::fprintf(errors, "zelmora: %s\n", s.message().c_str());
      ok = false;
    } else if (done && path != "-") {
      done->push_back(path);
    }
  };
  auto run = [&](const std::optional<std::string>& path, auto&& write) {
    if (!path) return;
    const auto started = Clock::now();
    const Status s = write(*path);
    finish(*path, s, std::chrono::duration<double>(Clock::now() - started).count());
  };
  // The database is the largest export: it is written on a second thread while
  // this one writes the rest. The crawl is over and the records only read (the
  // report context filled their caches), so both threads read them safely.
  Status dbStatus;
  double dbSeconds = 0;
  std::thread database;
  if (p.db)
    database = std::thread([&] {
      const auto started = Clock::now();
      dbStatus = finisher ? finisher(report) : writeCrawlDatabase(report, *p.db);
      dbSeconds = std::chrono::duration<double>(Clock::now() - started).count();
    });
  run(p.json, [&](const std::string& f) { return writeJsonReport(report, f); });
  run(p.csv, [&](const std::string& f) {
    return writeRecordsCsv(report, f, p.fields.empty() ? defaultCsvFields() : p.fields);
  });
  run(p.linksCsv, [&](const std::string& f) { return writeLinksCsv(report, f); });
  run(p.seo, [&](const std::string& f) { return writeSeoText(report, f); });
  run(p.seoCsv, [&](const std::string& f) { return writeSeoCsv(report, f); });
  run(p.sitemap, [&](const std::string& f) { return writeSitemap(report, f); });
  run(p.junit, [&](const std::string& f) { return writeJUnit(report, f); });
  run(p.html, [&](const std::string& f) { return writeHtmlReport(report, f); });
  run(p.issues, [&](const std::string& f) { return writeIssuesCsv(report, f); });
  run(p.issuesSummary, [&](const std::string& f) { return writeIssuesSummary(report, f); });
  if (database.joinable()) {
    database.join();
    finish(*p.db, dbStatus, dbSeconds);
  }
  return ok;
}

}  // namespace zel::cli
