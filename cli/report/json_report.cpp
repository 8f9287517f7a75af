// The results as one JSON object, written record by record so that a large
// crawl needs no document in memory.
#include <algorithm>
#include <unordered_set>

#include "engine/zel_hub.h"
#include "report/audit_json.h"
#include "platform/text_format.h"
#include "report/output_file.h"
#include "report/record_fields.h"
#include "report/report_context.h"
#include "report/text_escape.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

void key(std::string& out, std::string_view name) {
  out += ',';
  appendJsonString(out, name);
  out += ':';
}

void appendNumber(std::string& out, int64_t n) { out += std::to_string(n); }

// getActualLinkUrl as a JSON string, without copying the address first.
void appendActualUrl(std::string& out, const ZelUrl& r) {
  appendJsonString(out, r.getActualurl());
  if (r.actualUrlHadSlashTrimmed()) out.insert(out.size() - 1, "/");
}

// The pages that link to a record, each once, in the order of their links.
// Most records have a few; a set is only used for the many links to a logo.
class DistinctParents {
 public:
  const std::vector<const ZelUrl*>& of(const ZelUrl& r) {
    pages_.clear();
    const auto& inbound = r.getInboundInstances();
    const bool many = inbound.size() > kScanLimit;
    if (many) seen_.clear();
    for (const ZelLinkInstance* i : inbound) {
      const ZelUrl* p = i->parent();
      if (!p) continue;
      const bool known = many ? !seen_.insert(p).second
                              : std::find(pages_.begin(), pages_.end(), p) != pages_.end();
      if (!known) pages_.push_back(p);
    }
    return pages_;
  }

 private:
  static constexpr size_t kScanLimit = 32;
  std::vector<const ZelUrl*> pages_;
  std::unordered_set<const ZelUrl*> seen_;
};

// The keys the format has always had, then every non-empty field by its name,
// then the warnings.
void appendRecord(std::string& out, const ZelUrl& r, DistinctParents& parents,
                  const audit::SiteAudit* audit) {
  out += "{\"url\":";
  appendJsonString(out, r.getLinkUrl());
  key(out, "actualUrl");
  appendActualUrl(out, r);
  key(out, "status");
  appendJsonString(out, r.getStatus());
  key(out, "bad");
  out += r.isInBadCollection() ? "true" : "false";
  key(out, "internal");
  out += r.isInternal() ? "true" : "false";
  key(out, "mimeType");
  appendJsonString(out, r.getMimeType());
  key(out, "redirects");
  out += '[';
  if (const auto* table = r.getRedirTable()) {
    bool first = true;
    for (const RedirectEntry& e : *table) {
      out += first ? "{\"url\":" : ",{\"url\":";
      first = false;
      appendJsonString(out, e.url);
      key(out, "status");
      appendJsonString(out, e.status);
      key(out, "reason");
      appendNumber(out, e.reason);
      out += '}';
    }
  }
  out += ']';
  key(out, "inbound");
  appendNumber(out, static_cast<int64_t>(r.occurrencesCount()));
  key(out, "foundOn");
  out += '[';
  const std::vector<const ZelUrl*>& pages = parents.of(r);
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i) out += ',';
    appendActualUrl(out, *pages[i]);
  }
  out += ']';
  // The same facts as plain values a program reads without parsing texts.
  if (const auto t = r.getTimestamp()) {
    key(out, "fetchedAt");
    appendJsonString(out, isoTime(static_cast<std::time_t>(*t)));
  }
  const auto milliseconds = [&](std::string_view name, double seconds) {
    if (seconds <= 0) return;
    key(out, name);
    out += strf("%.3f", seconds * 1000);
  };
  milliseconds("responseMs", r.getResponseTimeInterval());
  milliseconds("loadMs", r.getLoadTime());
  key(out, "sizeBytes");
  appendNumber(out, sizeInBytes(r));
  for (std::string_view name : ZelUrl::fieldNames()) {
    if (name == "status") continue;  // already there, same text
    const std::optional<std::string> text = r.getFieldByName(name);
    const auto yesNo = std::find_if(yesNoFields().begin(), yesNoFields().end(),
                                    [&](const YesNoField& f) { return f.field == name; });
    if (yesNo != yesNoFields().end()) {
      if (text && !text->empty()) {
        key(out, name);
        appendJsonString(out, *text);
      }
      key(out, yesNo->booleanKey);
      out += text == "YES" ? "true" : "false";
      continue;
    }
    if (!text || text->empty()) continue;
    key(out, name);
    if (ZelDataObject::isNumber(name) && isJsonNumber(*text))
      out += *text;
    else
      appendJsonString(out, *text);
  }
  if (audit) appendAuditFields(out, r, *audit);
  key(out, "warnings");
  out += '[';
  if (const auto* warnings = r.getWarnings()) {
    for (size_t i = 0; i < warnings->size(); ++i) {
      if (i) out += ',';
      appendJsonString(out, (*warnings)[i]);
    }
  }
  out += "]}";
}

}  // namespace

Status writeJsonReport(const ReportContext& report, const std::string& path) {
  ZelHub& hub = report.hub();
  OutputFile file(path, report.secrets());
  if (Status s = file.open(); !s.ok()) return s;
  std::string out = "{\n  \"startingUrl\": ";
  appendJsonString(out, withoutPasswords(hub.getStartingUrl()));
  out += ",\n  \"counts\": {\"checked\":" + std::to_string(hub.getCheckedLinkCount()) +
         ",\"bad\":" + std::to_string(hub.getBadLinkCount()) +
         ",\"total\":" + std::to_string(hub.getTotalLinkCount()) +
         ",\"pages\":" + std::to_string(hub.getPageCount()) + "},\n  \"records\": [";
  bool first = true;
  DistinctParents parents;
  for (ZelUrl* r : hub.getLinksCollection()) {
    out += first ? "\n    " : ",\n    ";
    first = false;
    appendRecord(out, *r, parents, report.audit());
    file.writeWhenLarge(out);
  }
  out += "\n  ]";
  appendAuditObject(out, report);
  out += "\n}\n";
  file.write(out);
  return file.commit();
}

}  // namespace zel::cli
