#include "report/content_tables.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "audit/content_analysis.h"
#include "audit/site_audit.h"
#include "audit_session.h"
#include "engine/zel_hub.h"
#include "platform/defaults.h"
#include "platform/text_format.h"
#include "report/database_loader.h"
#include "report/record_fields.h"
#include "report/report_context.h"
#include "report/text_escape.h"

namespace zel::cli {

namespace {

constexpr int kFirstContentSchemaVersion = 7;
constexpr int kFirstStructuredDataSchemaVersion = 8;

constexpr const char* kCreate =
    "CREATE TABLE page_scores (url_id INTEGER PRIMARY KEY REFERENCES urls(id), pagerank REAL, "
    "percentile INTEGER, unique_inlinks INTEGER, near_duplicate_of INTEGER REFERENCES urls(id), "
    "similarity INTEGER, near_duplicates INTEGER, flesch REAL, words_per_sentence REAL, "
    "readability TEXT);"
    "CREATE TABLE search_matches (url_id INTEGER NOT NULL REFERENCES urls(id), name TEXT NOT NULL, "
    "matches INTEGER NOT NULL);"
    "CREATE TABLE extractions (url_id INTEGER NOT NULL REFERENCES urls(id), name TEXT NOT NULL, "
    "position INTEGER NOT NULL, value TEXT NOT NULL);"
    "CREATE TABLE page_signatures (url_id INTEGER PRIMARY KEY REFERENCES urls(id), "
    "signature BLOB NOT NULL);"
    "CREATE TABLE structured_data (url_id INTEGER PRIMARY KEY REFERENCES urls(id), "
    "formats TEXT NOT NULL, types TEXT NOT NULL, parse_errors TEXT NOT NULL, errors TEXT NOT NULL, "
    "warnings TEXT NOT NULL)";

std::string jsonList(const std::vector<std::string>& list) {
  std::string out = "[";
  for (const std::string& t : list) {
    if (out.size() > 1) out += ',';
    appendJsonString(out, t);
  }
  return out + "]";
}

std::vector<std::string> listFromJson(const std::string& text) {
  std::vector<std::string> out;
  const Json j = Json::parse(text, nullptr, false);
  if (j.is_array())
    for (const Json& t : j)
      if (t.is_string()) out.push_back(t.get<std::string>());
  return out;
}

}  // namespace

Status writeContentTables(SqliteDatabase& db, const ReportContext& report) {
  if (Status s = db.exec(kCreate); !s.ok()) return s;
  const audit::SiteAudit* a = report.audit();
  const audit::ContentAnalysis* content = a ? a->content() : nullptr;
  if (!content) return Status::Ok();
  Status error;
  SqliteStatement scores =
      db.prepare("INSERT INTO page_scores VALUES (?,?,?,?,?,?,?,?,?,?)", &error);
  SqliteStatement matches = db.prepare("INSERT INTO search_matches VALUES (?,?,?)", &error);
  SqliteStatement values = db.prepare("INSERT INTO extractions VALUES (?,?,?,?)", &error);
  SqliteStatement signatures = db.prepare("INSERT INTO page_signatures VALUES (?,?)", &error);
  SqliteStatement structured =
      db.prepare("INSERT INTO structured_data VALUES (?,?,?,?,?,?)", &error);
  if (!scores.ok() || !matches.ok() || !values.ok() || !signatures.ok() || !structured.ok())
    return error;
  const audit::ContentSettings& settings = content->settings();
  std::string scratch;
  int64_t id = 0;
  for (const ZelUrl* r : report.hub().getLinksCollection()) {
    const audit::PageScores* s = content->scores(r);
    const PageContent* read = content->pageContent(r);
    const Readability* readability = read && read->readability ? &*read->readability : nullptr;
    if (s || readability) {
      scores.bind(1, id);
      if (s) {
        scores.bind(2, s->pageRank).bind(3, static_cast<int64_t>(s->percentile));
        scores.bind(4, static_cast<int64_t>(s->uniqueInlinks));
        scores.bind(5, s->closest ? report.indexOf(s->closest) : std::nullopt);
        scores.bind(6, static_cast<int64_t>(s->similarity));
        scores.bind(7, static_cast<int64_t>(s->nearDuplicates));
      } else {
        for (int c = 2; c <= 7; ++c) scores.bindNull(c);
      }
      if (readability && readability->scored)
        scores.bind(8, static_cast<double>(readability->fleschReadingEase))
            .bind(9, static_cast<double>(readability->wordsPerSentence));
      else
        scores.bindNull(8).bindNull(9);
      if (readability)
        scores.bind(10, readability->scored ? "scored" : "not scored");
      else
        scores.bindNull(10);
      if (Status st = scores.run(); !st.ok()) return st;
    }
    if (read) {
      for (size_t k = 0; k < settings.searches.size() && k < read->searchMatches().size(); ++k) {
        matches.bind(1, id).bind(2, settings.searches[k].name);
        matches.bind(3, static_cast<int64_t>(read->searchMatches()[k]));
        if (Status st = matches.run(); !st.ok()) return st;
      }
      for (size_t k = 0; k < settings.extractions.size() && k < read->extracted().size(); ++k)
        for (size_t v = 0; v < read->extracted()[k].size(); ++v) {
          values.bind(1, id).bind(2, settings.extractions[k].name);
          values.bind(3, static_cast<int64_t>(v))
              .bind(4, validUtf8(read->extracted()[k][v], scratch));
          if (Status st = values.run(); !st.ok()) return st;
        }
      if (const Signature* kept = content->signature(r)) {
        const Signature& sig = *kept;
        signatures.bind(1, id).bindBlob(
            2, std::string_view(reinterpret_cast<const char*>(sig.data()), sig.size()));
        if (Status st = signatures.run(); !st.ok()) return st;
      }
      if (const StructuredFacts* sd = read->structured.get()) {
        structured.bind(1, id).bind(2, structuredFormatNames(sd->formats));
        structured.bind(3, join(sd->types, " ")).bind(4, jsonList(sd->parseErrors));
        structured.bind(5, jsonList(sd->errors)).bind(6, jsonList(sd->warnings));
        if (Status st = structured.run(); !st.ok()) return st;
      }
    }
    ++id;
  }
  return Status::Ok();
}

Status loadSavedContent(SavedCrawl& saved, const ZelHub& hub, AuditSession& audit) {
  if (saved.schemaVersion < kFirstContentSchemaVersion || !audit.enabled() ||
      !hasTable(saved.db, "page_scores"))
    return Status::Ok();
  const auto& records = hub.getLinksCollection();
  ContentSession& session = audit.content();
  const audit::ContentSettings& settings = session.settings();
  std::vector<std::unique_ptr<PageContent>> read(records.size());
  const auto pageAt = [&](int64_t id) -> PageContent* {
    if (id < 0 || static_cast<size_t>(id) >= records.size()) return nullptr;
    auto& p = read[static_cast<size_t>(id)];
    if (!p) {
      p = std::make_unique<PageContent>();
      if (!settings.searches.empty() || !settings.extractions.empty()) {
        p->readingsToFill().searchMatches.assign(settings.searches.size(), 0);
        p->readingsToFill().extracted.resize(settings.extractions.size());
      }
    }
    return p.get();
  };
  const auto damaged = [&] {
    return Status::Error(saved.path + " is not a usable crawl database: a page's content " +
                         "analyses cannot be read");
  };
  Status error;
  {
    SqliteStatement st = saved.db.prepare(
        "SELECT url_id, flesch, words_per_sentence, readability FROM page_scores "
        "WHERE readability IS NOT NULL",
        &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      PageContent* p = pageAt(st.columnInt(0));
      if (!p) return damaged();
      Readability r;
      r.scored = st.columnText(3) == "scored";
      if (r.scored) {
        r.fleschReadingEase = static_cast<float>(st.columnDouble(1));
        r.wordsPerSentence = static_cast<float>(st.columnDouble(2));
      }
      p->readability = r;
    }
    if (!error.ok()) return error;
  }
  {
    SqliteStatement st =
        saved.db.prepare("SELECT url_id, name, matches FROM search_matches", &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      PageContent* p = pageAt(st.columnInt(0));
      if (!p) return damaged();
      for (size_t k = 0; k < settings.searches.size(); ++k)
        if (settings.searches[k].name == st.columnText(1))
          p->readingsToFill().searchMatches[k] = static_cast<uint32_t>(st.columnInt(2));
    }
    if (!error.ok()) return error;
  }
  {
    SqliteStatement st = saved.db.prepare(
        "SELECT url_id, name, value FROM extractions ORDER BY url_id, name, position", &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      PageContent* p = pageAt(st.columnInt(0));
      if (!p) return damaged();
      for (size_t k = 0; k < settings.extractions.size(); ++k)
        if (settings.extractions[k].name == st.columnText(1))
          p->readingsToFill().extracted[k].push_back(st.columnText(2));
    }
    if (!error.ok()) return error;
  }
  {
    SqliteStatement st = saved.db.prepare("SELECT url_id, signature FROM page_signatures", &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      PageContent* p = pageAt(st.columnInt(0));
      if (!p) return damaged();
      const std::string bytes = st.columnBlob(1);
      if (bytes.size() != kSignatureValues) return damaged();
      p->signature = std::make_unique<Signature>();
      std::copy(bytes.begin(), bytes.end(), p->signature->begin());
    }
    if (!error.ok()) return error;
  }
  if (saved.schemaVersion >= kFirstStructuredDataSchemaVersion) {
    SqliteStatement st = saved.db.prepare(
        "SELECT url_id, formats, types, parse_errors, errors, warnings FROM structured_data",
        &error);
    if (!st.ok()) return error;
    while (st.step(&error)) {
      PageContent* p = pageAt(st.columnInt(0));
      if (!p) return damaged();
      auto sd = std::make_unique<StructuredFacts>();
      for (const std::string& f : split(st.columnText(1), " "))
        sd->formats |= f == "JSON-LD" ? 1 : f == "microdata" ? 2 : f == "RDFa" ? 4 : 0;
      for (const std::string& t : split(st.columnText(2), " "))
        if (!t.empty()) sd->types.push_back(t);
      sd->parseErrors = listFromJson(st.columnText(3));
      sd->errors = listFromJson(st.columnText(4));
      sd->warnings = listFromJson(st.columnText(5));
      p->structured = std::move(sd);
    }
    if (!error.ok()) return error;
  }
  for (size_t i = 0; i < read.size(); ++i)
    if (read[i]) session.setPageContent(records[i], std::move(read[i]));
  return Status::Ok();
}

}  // namespace zel::cli
