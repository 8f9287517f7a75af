// JUnit XML for CI systems: one test case per checked URL, a failure for each
// bad link listing the pages that link to it; URLs the crawl was told not to
// check are skipped cases.
#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/output_file.h"
#include "report/text_escape.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

std::string foundOn(const ZelUrl& r) {
  std::string text;
  for (const ZelLinkInstance* i : r.getInboundInstances()) {
    if (!i->parent()) continue;
    text += "\n  " + i->parent()->getActualLinkUrl();
    if (i->lineNumber()) text += strf(" (line %i)", *i->lineNumber());
  }
  return text.empty() ? text : "Found on:" + text;
}

void appendCase(std::string& out, const ZelUrl& r) {
  out += "    <testcase classname=\"";
  out += r.isInternal() ? "internal" : "external";
  out += "\" name=\"";
  appendXmlEscaped(out, r.getLinkUrl());
  out += strf("\" time=\"%.3f\"", r.getResponseTimeInterval() + r.getLoadTime());
  const std::string status = r.getStatus();
  if (r.isInBadCollection()) {
    out += ">\n      <failure type=\"bad link\" message=\"";
    appendXmlEscaped(out, status);
    out += "\">";
    appendXmlEscaped(out, r.getLinkUrl() + "\n" + status + "\n" + foundOn(r));
    out += "</failure>\n    </testcase>\n";
  } else if (r.isExempt()) {
    out += ">\n      <skipped message=\"";
    appendXmlEscaped(out, status);
    out += "\"/>\n    </testcase>\n";
  } else {
    out += "/>\n";
  }
}

}  // namespace

Status writeJUnit(const ReportContext& report, const std::string& path) {
  ZelHub& hub = report.hub();
  int64_t tests = 0, failures = 0, skipped = 0;
  for (ZelUrl* r : hub.getLinksCollection()) {
    if (r->getStatus().empty() || !report.passesFilter(r)) continue;
    ++tests;
    if (r->isInBadCollection())
      ++failures;
    else if (r->isExempt())
      ++skipped;
  }
  OutputFile file(path, report.secrets());
  if (Status s = file.open(); !s.ok()) return s;
  const std::string start = withoutPasswords(hub.getStartingUrl());
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += strf("<testsuites name=\"zelmora\" tests=\"%lld\" failures=\"%lld\" time=\"%.3f\">\n",
              static_cast<long long>(tests), static_cast<long long>(failures),
              report.timing().seconds);
  out += "  <testsuite name=\"";
  appendXmlEscaped(out, start);
  out += strf("\" tests=\"%lld\" failures=\"%lld\" errors=\"0\" skipped=\"%lld\" time=\"%.3f\"",
              static_cast<long long>(tests), static_cast<long long>(failures),
              static_cast<long long>(skipped), report.timing().seconds);
  out += " timestamp=\"" + isoTime(report.timing().startedAt) + "\">\n";
  for (ZelUrl* r : hub.getLinksCollection()) {
    if (r->getStatus().empty() || !report.passesFilter(r)) continue;
    appendCase(out, *r);
    file.writeWhenLarge(out);
  }
  out += "  </testsuite>\n</testsuites>\n";
  file.write(out);
  return file.commit();
}

}  // namespace zel::cli
