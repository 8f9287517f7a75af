// CSV exports (RFC 4180, UTF-8, CRLF line ends): one row per record, and one
// row per link instance through report items.
#include "engine/zel_hub.h"
#include "report/output_file.h"
#include "report/record_fields.h"
#include "report/text_escape.h"
#include "report/writers.h"
#include "seo/zel_report_item.h"

namespace zel::cli {

namespace {

void appendRow(std::string& out, const std::vector<std::string>& cells) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i) out += ',';
    appendCsvCell(out, cells[i]);
  }
  out += "\r\n";
}

// The report item of one link as it stands on its page. Links come page by
// page, so the page's texts are only read again when the page changes.
void fillItem(ZelReportItem& item, const ZelLinkInstance& link, const ZelUrl*& lastPage) {
  const ZelUrl* page = link.parent();
  if (page != lastPage || !page) {
    item.setOnPageName(page ? page->getLinkPageTitle() : std::string());
    item.setOnPageUrl(page ? page->getActualLinkUrl() : std::string());
    lastPage = page;
  }
  ZelUrl* target = link.target();
  item.setLinkText(link.linkText());
  item.setNofollow(link.nf());
  item.setZelUrl(target);
  item.setLinkUrl(target ? target->getLinkUrl() : std::string());
  item.setStatus(target ? target->getStatus() : std::string());
  item.setRedir(target ? target->getRedir() : std::string());
  item.setDistanceFromHome(target ? target->getDistanceFromHome() : 0);
}

// The row item carries the page, text, target and status; the instance the
// line and the anchor's attributes.
void appendLinkCell(std::string& out, const ZelReportItem& item, const ZelLinkInstance& link,
                    const std::string& column) {
  if (const std::string* text = item.storedText(column))
    appendCsvCell(out, *text);
  else if (column == "line")
    out += link.lineNumber() ? std::to_string(*link.lineNumber()) : "";
  else if (column == "rel")
    appendCsvCell(out, link.getRel());
  else if (column == "targetattr")
    appendCsvCell(out, link.getTargetAttr());
  else if (column == "hreflang")
    appendCsvCell(out, link.getHreflang());
  else
    appendCsvCell(out, item.getFieldByName(column).value_or(""));
}

}  // namespace

Status writeRecordsCsv(const ReportContext& report, const std::string& path,
                       const std::vector<std::string>& fields) {
  OutputFile file(path, report.secrets());
  if (Status s = file.open(); !s.ok()) return s;
  std::string out;
  appendRow(out, fields);
  std::vector<std::string> cells(fields.size());
  for (ZelUrl* r : report.hub().getLinksCollection()) {
    if (!report.passesFilter(r)) continue;
    for (size_t i = 0; i < fields.size(); ++i)
      cells[i] = exportFieldText(*r, fields[i], report.audit()).value_or("");
    appendRow(out, cells);
    file.writeWhenLarge(out);
  }
  file.write(out);
  return file.commit();
}

Status writeLinksCsv(const ReportContext& report, const std::string& path) {
  static const std::vector<std::string> kColumns = {
      "onpagename", "onpageurl", "line",     "linktext", "linkurl",    "status",
      "redir",      "nofollow",  "distance", "rel",      "targetattr", "hreflang"};
  OutputFile file(path, report.secrets());
  if (Status s = file.open(); !s.ok()) return s;
  std::string out;
  appendRow(out, kColumns);
  ZelReportItem item;
  const ZelUrl* lastPage = nullptr;
  if (const auto* links = report.hub().getInstanceCollection()) {
    for (const ZelLinkInstance* link : *links) {
      if (link->target() && !report.passesFilter(link->target())) continue;
      fillItem(item, *link, lastPage);
      for (size_t c = 0; c < kColumns.size(); ++c) {
        if (c) out += ',';
        appendLinkCell(out, item, *link, kColumns[c]);
      }
      out += "\r\n";
      file.writeWhenLarge(out);
    }
  }
  file.write(out);
  return file.commit();
}

}  // namespace zel::cli
