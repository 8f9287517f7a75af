#include "report/exports.h"

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
  return {{"--json", &p.json, true},       {"--csv", &p.csv, true},
          {"--links-csv", &p.linksCsv, true}, {"--seo", &p.seo, true},
          {"--seo-csv", &p.seoCsv, true},  {"--junit", &p.junit, true},
          {"--sitemap", &p.sitemap, false}, {"--db", &p.db, false}};
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
                  std::vector<std::string>* done) {
  bool ok = true;
  auto run = [&](const std::optional<std::string>& path, auto&& write) {
    if (!path) return;
    Status s = write(*path);
    if (!s.ok()) {
      std::fprintf(errors, "zelmora: %s\n", s.message().c_str());
      ok = false;
    } else if (done && *path != "-") {
      done->push_back(*path);
    }
  };
  run(p.json, [&](const std::string& f) { return writeJsonReport(report, f); });
  run(p.csv, [&](const std::string& f) {
    return writeRecordsCsv(report, f, p.fields.empty() ? defaultCsvFields() : p.fields);
  });
  run(p.linksCsv, [&](const std::string& f) { return writeLinksCsv(report, f); });
  run(p.seo, [&](const std::string& f) { return writeSeoText(report, f); });
  run(p.seoCsv, [&](const std::string& f) { return writeSeoCsv(report, f); });
  run(p.sitemap, [&](const std::string& f) { return writeSitemap(report, f); });
  run(p.junit, [&](const std::string& f) { return writeJUnit(report, f); });
  run(p.db, [&](const std::string& f) { return writeCrawlDatabase(report, f); });
  return ok;
}

}  // namespace zel::cli
