// The SEO summary: as text with the duplicate groups and misspelled words
// after it, and as the summary's own CSV. Both read the one summary run of the
// crawl, so the duplicate counters are never raised twice.
#include <algorithm>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/output_file.h"
#include "report/seo_pages.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

// The distinct addresses of the records, sorted, so that the report does not
// depend on the order in which pages happened to finish.
std::vector<std::string> sortedAddresses(const std::vector<ZelUrl*>& records) {
  std::vector<std::string> out;
  for (const ZelUrl* r : records) out.push_back(r->getActualLinkUrl());
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

std::string groupsText(const char* heading, const RecordGroups& groups) {
  std::string body;
  size_t count = 0;
  for (const auto& [text, records] : groups) {
    if (records.size() < 2) continue;
    ++count;
    body += "  \"" + text + "\"\n";
    for (const std::string& address : sortedAddresses(records)) body += "      " + address + "\n";
  }
  if (count == 0) return std::string();
  return "\n" + std::string(heading) + " (" + std::to_string(count) + "):\n" + body;
}

std::string misspelledText(const ZelSEOManager& seo) {
  const auto& words = seo.getMisspelledWordDictionary();
  if (words.empty()) return std::string();
  std::vector<const std::string*> sorted;
  for (const auto& entry : words) sorted.push_back(&entry.first);
  std::sort(sorted.begin(), sorted.end(),
            [](const std::string* a, const std::string* b) { return *a < *b; });
  std::string out = "\nMisspelled words (" + std::to_string(sorted.size()) + "):\n";
  for (const std::string* word : sorted) {
    out += "  " + *word + ": " + join(sortedAddresses(words.at(*word)), ", ") + "\n";
  }
  return out;
}

// The pages behind each count of the summary: the first ten of each problem.
std::string pagesText(const ReportContext& report) {
  constexpr size_t kShown = 10;
  std::string out;
  for (SeoPageGroup& g : seoPageGroups(report)) {
    if (g.pages.empty()) continue;
    // By address, so that the text does not depend on which page finished first.
    std::sort(g.pages.begin(), g.pages.end(), [](const auto& a, const auto& b) {
      return a.first->getActualLinkUrl() < b.first->getActualLinkUrl();
    });
    out += "\n" + g.label + " (" + countOf(g.pages.size(), "page") + "):\n";
    for (size_t n = 0; n < g.pages.size() && n < kShown; ++n) {
      out += "  " + g.pages[n].first->getActualLinkUrl();
      if (!g.pages[n].second.empty()) out += "  " + g.pages[n].second;
      out += "\n";
    }
    if (g.pages.size() > kShown) out += strf("  and %zu more\n", g.pages.size() - kShown);
  }
  return out;
}

Status writeText(const ReportContext& report, const std::string& path, const std::string& text) {
  OutputFile file(path, report.secrets());
  if (Status s = file.open(); !s.ok()) return s;
  file.write(text);
  return file.commit();
}

}  // namespace

Status writeSeoText(const ReportContext& report, const std::string& path) {
  ZelHub& hub = report.hub();
  std::string text = report.seoSummary();
  text += pagesText(report);
  text += groupsText("Duplicate titles", hub.getDuplicateTitles());
  text += groupsText("Duplicate descriptions", hub.getDuplicateDescriptions());
  text += misspelledText(hub.seoManager());
  return writeText(report, path, text);
}

Status writeSeoCsv(const ReportContext& report, const std::string& path) {
  return writeText(report, path, report.hub().getSEOShortSummaryAsCSV());
}

}  // namespace zel::cli
