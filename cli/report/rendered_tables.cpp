#include "report/rendered_tables.h"

#include <map>
#include <memory>

#include "audit/site_audit.h"
#include "audit_session.h"
#include "engine/zel_hub.h"
#include "platform/defaults.h"
#include "report/database_loader.h"
#include "report/report_context.h"
#include "report/text_escape.h"

namespace zel::cli {

namespace {

constexpr const char* kCreate =
    "CREATE TABLE accessibility (url_id INTEGER NOT NULL REFERENCES urls(id), rule TEXT NOT NULL, "
    "impact TEXT NOT NULL, tags TEXT NOT NULL, elements INTEGER NOT NULL, "
    "first_selector TEXT NOT NULL);"
    "CREATE TABLE page_speed (url_id INTEGER PRIMARY KEY REFERENCES urls(id), ttfb_ms REAL, "
    "fcp_ms REAL, lcp_ms REAL, cls REAL NOT NULL, tbt_ms REAL NOT NULL, "
    "dom_elements INTEGER NOT NULL, requests INTEGER NOT NULL, bytes INTEGER NOT NULL, "
    "by_type TEXT NOT NULL, throttled INTEGER NOT NULL);"
    "CREATE TABLE script_changes (url_id INTEGER PRIMARY KEY REFERENCES urls(id), "
    "served_known INTEGER NOT NULL, served_title TEXT, rendered_title TEXT, "
    "served_description TEXT, rendered_description TEXT, served_canonical TEXT, "
    "rendered_canonical TEXT, served_robots TEXT, rendered_robots TEXT, served_h1 TEXT, "
    "rendered_h1 TEXT, served_links INTEGER NOT NULL, rendered_links INTEGER NOT NULL, "
    "links_only_rendered INTEGER NOT NULL, console_errors INTEGER NOT NULL, "
    "failed_requests INTEGER NOT NULL, errors TEXT NOT NULL, failed TEXT NOT NULL)";

using Field = std::optional<std::string> PageHeadFacts::*;
constexpr Field kHeadFields[] = {&PageHeadFacts::title, &PageHeadFacts::description,
                                 &PageHeadFacts::canonical, &PageHeadFacts::robots,
                                 &PageHeadFacts::h1};

std::string jsonText(const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace); }

std::vector<std::string> listFrom(const std::string& text) {
  std::vector<std::string> out;
  const Json j = Json::parse(text, nullptr, false);
  if (j.is_array())
    for (const Json& t : j)
      if (t.is_string()) out.push_back(t.get<std::string>());
  return out;
}

std::optional<double> optionalTime(double ms) {
  return ms < 0 ? std::nullopt : std::optional<double>(ms);
}

}  // namespace

Status writeRenderedTables(SqliteDatabase& db, const ReportContext& report) {
  if (Status s = db.exec(kCreate); !s.ok()) return s;
  const audit::SiteAudit* a = report.audit();
  if (!a) return Status::Ok();
  Status error;
  SqliteStatement rules = db.prepare("INSERT INTO accessibility VALUES (?,?,?,?,?,?)", &error);
  SqliteStatement speed =
      db.prepare("INSERT INTO page_speed VALUES (?,?,?,?,?,?,?,?,?,?,?)", &error);
  SqliteStatement scripts = db.prepare(
      "INSERT INTO script_changes VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", &error);
  if (!rules.ok() || !speed.ok() || !scripts.ok()) return error;
  std::string scratch;
  int64_t id = 0;
  for (const ZelUrl* r : report.hub().getLinksCollection()) {
    const RenderedFacts* f = a->rendered(r);
    if (f && f->accessibility && f->accessibility->empty()) {
      // Checked and found clean: one row with no rule, so that a saved crawl
      // tells it from a page that was never checked.
      rules.bind(1, id).bind(2, "").bind(3, "").bind(4, "[]").bind(5, int64_t{0}).bind(6, "");
      if (Status s = rules.run(); !s.ok()) return s;
    }
    if (f && f->accessibility)
      for (const AccessibilityViolation& v : *f->accessibility) {
        rules.bind(1, id).bind(2, validUtf8(v.rule, scratch)).bind(3, validUtf8(v.impact, scratch));
        rules.bind(4, jsonText(v.tags)).bind(5, static_cast<int64_t>(v.elements));
        rules.bind(6, validUtf8(v.firstSelector, scratch));
        if (Status s = rules.run(); !s.ok()) return s;
      }
    if (f && f->pageSpeed) {
      const PageSpeedFigures& p = *f->pageSpeed;
      Json byType = Json::object();
      for (const RequestsOfType& t : p.requests)
        byType[t.type] = {{"requests", t.count}, {"bytes", t.bytes}};
      speed.bind(1, id).bind(2, optionalTime(p.ttfb)).bind(3, optionalTime(p.fcp));
      speed.bind(4, optionalTime(p.lcp)).bind(5, p.cls).bind(6, p.tbt);
      speed.bind(7, static_cast<int64_t>(p.domElements)).bind(8, static_cast<int64_t>(p.requestCount()));
      speed.bind(9, static_cast<int64_t>(p.requestBytes())).bind(10, jsonText(byType));
      speed.bind(11, p.throttled);
      if (Status s = speed.run(); !s.ok()) return s;
    }
    if (f && f->scripts) {
      const ScriptChangeFacts& c = *f->scripts;
      scripts.bind(1, id).bind(2, c.servedKnown);
      int column = 3;
      for (Field field : kHeadFields) {
        for (const PageHeadFacts* h : {&c.served, &c.rendered}) {
          const std::optional<std::string>& v = h->*field;
          if (v && (h == &c.rendered || c.servedKnown))
            scripts.bind(column, validUtf8(*v, scratch));
          else
            scripts.bindNull(column);
          ++column;
        }
      }
      scripts.bind(13, static_cast<int64_t>(c.served.links));
      scripts.bind(14, static_cast<int64_t>(c.rendered.links));
      scripts.bind(15, static_cast<int64_t>(c.linksOnlyRendered));
      scripts.bind(16, static_cast<int64_t>(c.consoleErrors));
      scripts.bind(17, static_cast<int64_t>(c.failedRequests));
      scripts.bind(18, jsonText(c.errors)).bind(19, jsonText(c.failed));
      if (Status s = scripts.run(); !s.ok()) return s;
    }
    ++id;
  }
  return Status::Ok();
}

Status loadSavedRendered(SavedCrawl& saved, const ZelHub& hub, AuditSession& audit) {
  // A database still being written (a crash) has the tables made at the end only later.
  if (saved.schemaVersion < kFirstRenderedSchemaVersion || !audit.enabled() ||
      !hasTable(saved.db, "accessibility"))
    return Status::Ok();
  const auto& records = hub.getLinksCollection();
  std::map<int64_t, RenderedFacts> read;
  const auto damaged = [&] {
    return Status::Error(saved.path + " is not a usable crawl database: a rendered page's " +
                         "audits cannot be read");
  };
  const auto known = [&](int64_t id) { return id >= 0 && static_cast<size_t>(id) < records.size(); };
  Status error;
  {
    SqliteStatement st = saved.db.prepare(
        "SELECT url_id, rule, impact, tags, elements, first_selector FROM accessibility "
        "ORDER BY rowid",
        &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      if (!known(st.columnInt(0))) return damaged();
      auto& list = read[st.columnInt(0)].accessibility;
      if (!list) list.emplace();
      if (st.columnText(1).empty()) continue;  // checked, no violation
      list->push_back({st.columnText(1), st.columnText(2), listFrom(st.columnText(3)),
                       static_cast<uint32_t>(st.columnInt(4)), st.columnText(5)});
    }
    if (!error.ok()) return error;
  }
  {
    SqliteStatement st = saved.db.prepare(
        "SELECT url_id, ttfb_ms, fcp_ms, lcp_ms, cls, tbt_ms, dom_elements, by_type, throttled "
        "FROM page_speed",
        &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      if (!known(st.columnInt(0))) return damaged();
      PageSpeedFigures p;
      p.ttfb = st.isNull(1) ? -1 : st.columnDouble(1);
      p.fcp = st.isNull(2) ? -1 : st.columnDouble(2);
      p.lcp = st.isNull(3) ? -1 : st.columnDouble(3);
      p.cls = st.columnDouble(4);
      p.tbt = st.columnDouble(5);
      p.domElements = static_cast<uint32_t>(st.columnInt(6));
      const Json byType = Json::parse(st.columnText(7), nullptr, false);
      if (byType.is_object())
        for (const auto& [type, n] : byType.items())
          if (n.is_object())
            p.requests.push_back({type, n.value("requests", 0u), n.value("bytes", uint64_t{0})});
      p.throttled = st.columnInt(8) != 0;
      read[st.columnInt(0)].pageSpeed = std::move(p);
    }
    if (!error.ok()) return error;
  }
  {
    SqliteStatement st = saved.db.prepare("SELECT * FROM script_changes", &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      if (!known(st.columnInt(0))) return damaged();
      ScriptChangeFacts c;
      c.servedKnown = st.columnInt(1) != 0;
      int column = 2;
      for (Field field : kHeadFields)
        for (PageHeadFacts* h : {&c.served, &c.rendered}) {
          if (!st.isNull(column)) h->*field = st.columnText(column);
          ++column;
        }
      c.served.links = static_cast<uint32_t>(st.columnInt(12));
      c.rendered.links = static_cast<uint32_t>(st.columnInt(13));
      c.linksOnlyRendered = static_cast<uint32_t>(st.columnInt(14));
      c.consoleErrors = static_cast<uint32_t>(st.columnInt(15));
      c.failedRequests = static_cast<uint32_t>(st.columnInt(16));
      c.errors = listFrom(st.columnText(17));
      c.failed = listFrom(st.columnText(18));
      read[st.columnInt(0)].scripts = std::move(c);
    }
    if (!error.ok()) return error;
  }
  for (auto& [id, facts] : read) audit.setRendered(records[static_cast<size_t>(id)], std::move(facts));
  return Status::Ok();
}

}  // namespace zel::cli
