#include "report/audit_json.h"

#include "audit/content_analysis.h"
#include "audit/site_audit.h"
#include "platform/text_format.h"
#include "report/record_fields.h"
#include "report/report_context.h"
#include "report/text_escape.h"
#include "url/rendered_facts.h"

namespace zel::cli {

namespace {

void key(std::string& out, std::string_view name) {
  out += ',';
  appendJsonString(out, name);
  out += ':';
}

}  // namespace

void appendAuditFields(std::string& out, const ZelUrl& r, const audit::SiteAudit& a) {
  for (const HostField& f : hostFields()) {
    if (!f.fromAudit) continue;
    const std::string text = f.text(r, &a).value_or("");
    if (text.empty() && f.json != HostField::Json::Words) continue;
    key(out, f.name);
    switch (f.json) {
      case HostField::Json::Boolean:
        out += text == "YES" ? "true" : "false";
        break;
      case HostField::Json::Number:
        out += text;
        break;
      case HostField::Json::Words: {
        out += '[';
        bool first = true;
        for (const std::string& w : split(text, " ")) {
          if (w.empty()) continue;
          if (!first) out += ',';
          first = false;
          appendJsonString(out, w);
        }
        out += ']';
        break;
      }
      case HostField::Json::Text:
        appendJsonString(out, text);
        break;
    }
  }
  appendContentReadings(out, r, a);
  if (const RenderedFacts* f = a.rendered(&r)) appendRenderedFacts(out, *f);
}

Json renderedFactsJson(const RenderedFacts& f) {
  Json out = Json::object();
  if (f.accessibility) {
    Json list = Json::array();
    for (const AccessibilityViolation& v : *f.accessibility)
      list.push_back({{"rule", v.rule},
                      {"impact", v.impact},
                      {"tags", v.tags},
                      {"elements", v.elements},
                      {"selector", v.firstSelector}});
    out["accessibility"] = std::move(list);
  }
  if (const auto& p = f.pageSpeed) {
    // Lab figures: measured by this machine's browser, not by the site's visitors.
    Json s = {{"lab", true}, {"throttled", p->throttled}, {"cls", p->cls},
              {"tbtMs", p->tbt}, {"domElements", p->domElements},
              {"requests", p->requestCount()}, {"bytes", p->requestBytes()}};
    for (const auto& [key, value] : {std::pair{"ttfbMs", p->ttfb}, {"fcpMs", p->fcp}, {"lcpMs", p->lcp}})
      s[key] = value < 0 ? Json() : Json(value);
    Json byType = Json::object();
    for (const RequestsOfType& t : p->requests)
      byType[t.type] = {{"requests", t.count}, {"bytes", t.bytes}};
    s["byType"] = std::move(byType);
    out["pageSpeed"] = std::move(s);
  }
  if (const auto& c = f.scripts) {
    const auto head = [](const PageHeadFacts& h) {
      Json j = Json::object();
      for (const auto& [key, value] : {std::pair{"title", &h.title}, {"description", &h.description},
                                       {"canonical", &h.canonical}, {"robots", &h.robots},
                                       {"h1", &h.h1}})
        j[key] = *value ? Json(**value) : Json();
      j["links"] = h.links;
      return j;
    };
    Json s = {{"rendered", head(c->rendered)},
              {"consoleErrors", c->consoleErrors},
              {"failedRequests", c->failedRequests},
              {"errors", c->errors},
              {"failed", c->failed}};
    s["served"] = c->servedKnown ? head(c->served) : Json();
    s["linksOnlyRendered"] = c->linksOnlyRendered;
    out["scriptChanges"] = std::move(s);
  }
  return out;
}

void appendRenderedFacts(std::string& out, const RenderedFacts& facts) {
  const Json all = renderedFactsJson(facts);
  for (const auto& [name, value] : all.items()) {
    key(out, name);
    out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
  }
}

void appendContentReadings(std::string& out, const ZelUrl& r, const audit::SiteAudit& a) {
  const audit::ContentAnalysis* c = a.content();
  const PageContent* read = c ? c->pageContent(&r) : nullptr;
  if (!read) return;
  if (const StructuredFacts* s = read->structured.get()) {
    key(out, "structuredData");
    const auto list = [&](const char* name, const std::vector<std::string>& items, bool first) {
      if (!first) out += ',';
      appendJsonString(out, name);
      out += ":[";
      for (size_t k = 0; k < items.size(); ++k) {
        if (k) out += ',';
        appendJsonString(out, items[k]);
      }
      out += ']';
    };
    out += '{';
    list("formats", split(structuredFormatNames(s->formats), " "), true);
    list("types", s->types, false);
    list("parseErrors", s->parseErrors, false);
    list("errors", s->errors, false);
    list("warnings", s->warnings, false);
    out += '}';
  }
  const auto& settings = c->settings();
  if (!settings.searches.empty()) {
    key(out, "search");
    out += '{';
    for (size_t k = 0; k < settings.searches.size() && k < read->searchMatches().size(); ++k) {
      if (k) out += ',';
      appendJsonString(out, settings.searches[k].name);
      out += ':' + std::to_string(read->searchMatches()[k]);
    }
    out += '}';
  }
  if (!settings.extractions.empty()) {
    key(out, "extract");
    out += '{';
    for (size_t k = 0; k < settings.extractions.size() && k < read->extracted().size(); ++k) {
      if (k) out += ',';
      appendJsonString(out, settings.extractions[k].name);
      out += ":[";
      for (size_t v = 0; v < read->extracted()[k].size(); ++v) {
        if (v) out += ',';
        appendJsonString(out, read->extracted()[k][v]);
      }
      out += ']';
    }
    out += '}';
  }
}

void appendAuditObject(std::string& out, const ReportContext& report) {
  const audit::SiteAudit* a = report.audit();
  if (!a) return;
  out += ",\n  \"audit\": {\"pages\":" + std::to_string(a->pageCount()) +
         ",\"indexable\":" + std::to_string(a->indexableCount()) + ",\"issues\":[";
  bool first = true;
  for (const auto& [issue, count] : a->rankedCounts()) {
    const audit::IssueType& t = audit::issueType(issue);
    out += first ? "\n    {\"id\":" : ",\n    {\"id\":";
    first = false;
    appendJsonString(out, t.id);
    key(out, "group");
    appendJsonString(out, t.group);
    key(out, "priority");
    appendJsonString(out, audit::priorityName(t.priority));
    key(out, "kind");
    appendJsonString(out, audit::kindName(t.kind));
    key(out, "count");
    out += std::to_string(count);
    key(out, "description");
    appendJsonString(out, t.description);
    key(out, "fix");
    appendJsonString(out, t.fix);
    out += '}';
  }
  out += "]";
  if (const audit::SitemapReading* s = a->sitemaps()) {
    out += ",\"sitemaps\":{\"files\":[";
    for (size_t i = 0; i < s->files.size(); ++i) {
      const audit::SitemapFile& f = s->files[i];
      out += i ? ",{\"url\":" : "{\"url\":";
      appendJsonString(out, f.url);
      out +=
          strf(",\"index\":%s,\"read\":%s,\"urls\":%zu,\"bytes\":%llu", f.index ? "true" : "false",
               f.read ? "true" : "false", f.urls, static_cast<unsigned long long>(f.bytes));
      if (!f.problem.empty()) {
        key(out, "problem");
        appendJsonString(out, f.problem);
      }
      out += '}';
    }
    out += strf("],\"addresses\":%zu,\"filesNotRead\":%zu,\"addressesNotRead\":%zu,\"stopped\":%s}",
                s->entries.size(), s->filesNotRead, s->urlsNotRead, s->stopped ? "true" : "false");
  }
  // Findings at addresses that are no record of the crawl (sitemap orphans).
  out += ",\"otherAddresses\":[";
  first = true;
  for (const audit::IssueType& t : audit::issueCatalogue())
    for (const audit::Finding& f : a->findings(t.issue)) {
      if (f.record) continue;
      out += first ? "{\"url\":" : ",{\"url\":";
      first = false;
      appendJsonString(out, a->address(f));
      key(out, "issue");
      appendJsonString(out, t.id);
      key(out, "detail");
      appendJsonString(out, a->detail(f));
      out += '}';
    }
  out += "]}";
}

}  // namespace zel::cli
