#pragma once
// The exports a crawl was asked for, checked before it starts and written
// after it ends.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"

namespace zel::cli {

class ReportContext;

struct ExportPaths {
  std::optional<std::string> json, csv, linksCsv, seo, seoCsv, sitemap, db, junit, html;
  std::optional<std::string> issues, issuesSummary;  // the site audit's findings and counts
  std::vector<std::string> fields;  // CSV columns; the default set when empty

  // At most one export to standard output ("-"), and none of the sitemap or
  // the database; every named file can be written.
  Status check() const;
  bool usesStdout() const;
};

// Writes the database's last part, for a crawl that wrote it as it ran.
using DatabaseFinisher = std::function<Status(const ReportContext& report)>;

// Writes every export asked for. Each failure is printed to `errors`, naming
// its file; false when any failed. `done` receives the files written. The
// database is written whole, or finished by `finisher` when one is given.
bool writeExports(const ExportPaths& paths, const ReportContext& report, FILE* errors,
                  std::vector<std::string>* done = nullptr,
                  const DatabaseFinisher& finisher = nullptr);

}  // namespace zel::cli
