#include "serve/database_source.h"

#include <unordered_map>

#include "audit/indexability.h"
#include "audit/issue_catalogue.h"
#include "platform/text_format.h"
#include "settings_command.h"
#include "urltext/path_text.h"

namespace zel::cli::serve {

namespace {

// Every row of a query, handed to `each`; stops at the first error.
Status eachRow(SqliteDatabase& db, const std::string& sql,
               const std::function<void(SqliteStatement&)>& each, int64_t bound = -1) {
  Status error;
  SqliteStatement st = db.prepare(sql, &error);
  if (!st.ok()) return error;
  if (bound >= 0) st.bind(1, bound);
  while (st.step(&error)) each(st);
  return error;
}

// Link instances of a row, as the lower pane lists them.
Json linkList(SqliteDatabase& db, const std::string& joinAndWhere, int64_t id, bool byPage) {
  Json items = Json::array();
  int64_t total = 0;
  (void)eachRow(
      db, "SELECT count(*) FROM links l " + joinAndWhere,
      [&](SqliteStatement& st) { total = st.columnInt(0); }, id);
  (void)eachRow(
      db,
      "SELECT o.url, l.link_text, l.line, l.rel, l.nofollow, o.status FROM links l " +
          joinAndWhere + " ORDER BY l.id LIMIT " + std::to_string(kDetailListLimit),
      [&](SqliteStatement& st) {
        Json item = {{"url", withoutPasswords(st.columnText(0))},
                     {"text", st.columnText(1)},
                     {"line", st.isNull(2) ? Json() : Json(st.columnInt(2))},
                     {"rel", st.columnText(3)},
                     {"nofollow", st.columnInt(4) != 0}};
        if (!byPage) item["status"] = st.columnText(5);
        items.push_back(std::move(item));
      },
      id);
  return {{"total", total}, {"items", std::move(items)}};
}

}  // namespace

Status DatabaseSource::open(const std::string& path, std::unique_ptr<DatabaseSource>& out) {
  std::unique_ptr<DatabaseSource> source(new DatabaseSource());
  if (Status s = openSavedCrawl(path, source->saved_); !s.ok()) return s;
  SqliteDatabase& db = source->saved_.db;
  CrawlCounters& c = source->counters_;
  Status s = eachRow(db, "SELECT total, checked, bad, pages, seconds FROM crawl",
                     [&](SqliteStatement& st) {
                       c.found = st.columnInt(0);
                       c.checked = st.columnInt(1);
                       c.bad = st.columnInt(2);
                       c.pages = st.columnInt(3);
                       c.seconds = st.columnDouble(4);
                     });
  if (!s.ok()) return Status::Error(path + " is not a usable crawl database: " + s.message());
  MemoryDefaults settings;
  for (const auto& [key, value] : source->saved_.settings.items()) settings.setObject(key, value);
  applyHostDefaults(settings);
  source->thresholds_ = SeoThresholds::of(settings);
  source->readAudit();
  out = std::move(source);
  return Status::Ok();
}

void DatabaseSource::takeChanges(RowTable::Batch& batch) {
  if (loaded_) return;  // a saved crawl does not change while it is shown
  loaded_ = true;
  (void)load(batch);
}

Status DatabaseSource::load(RowTable::Batch& batch) {
  SqliteDatabase& db = saved_.db;
  // Counts by URL first, into vectors by id (ids are the crawl order, from 0).
  std::vector<int32_t> inlinks, withoutAlt;
  std::unordered_map<int64_t, std::pair<int32_t, bool>> redirects;  // hops, last by refresh
  auto at = [](std::vector<int32_t>& v, int64_t id) -> int32_t& {
    if (static_cast<size_t>(id) >= v.size()) v.resize(static_cast<size_t>(id) + 1, 0);
    return v[static_cast<size_t>(id)];
  };
  if (Status s = eachRow(
          db, "SELECT target_id, count(*) FROM links WHERE target_id >= 0 GROUP BY target_id",
          [&](SqliteStatement& st) {
            at(inlinks, st.columnInt(0)) = static_cast<int32_t>(st.columnInt(1));
          });
      !s.ok())
    return s;
  // The report's test for an image shown without alt text, in SQL.
  (void)eachRow(db,
                "SELECT l.target_id, count(*) FROM urls t JOIN links l ON l.target_id = t.id "
                "WHERE t.is_image = 1 AND instr(coalesce(l.link_text, ''), '[alt]:') = 0 "
                "GROUP BY l.target_id",
                [&](SqliteStatement& st) {
                  at(withoutAlt, st.columnInt(0)) = static_cast<int32_t>(st.columnInt(1));
                });
  (void)eachRow(db, "SELECT url_id, reason FROM redirects ORDER BY url_id, hop",
                [&](SqliteStatement& st) {
                  auto& r = redirects[st.columnInt(0)];
                  ++r.first;
                  r.second = st.columnInt(1) == 1;
                });
  // The audit's verdicts and issue types by row (crawls saved without an audit,
  // or before it existed, have none).
  std::vector<uint8_t> verdicts;
  std::vector<RowIssues> issues;
  (void)eachRow(db, "SELECT url_id, reason FROM indexability", [&](SqliteStatement& st) {
    const int64_t id = st.columnInt(0);
    if (id < 0) return;
    if (static_cast<size_t>(id) >= verdicts.size()) verdicts.resize(static_cast<size_t>(id) + 1, 0);
    for (int v = 0; v <= static_cast<int>(audit::Indexability::Canonicalised); ++v)
      if (audit::indexabilityName(static_cast<audit::Indexability>(v)) == st.columnText(1))
        verdicts[static_cast<size_t>(id)] = static_cast<uint8_t>(v + 1);
  });
  (void)eachRow(db, "SELECT url_id, issue FROM issues WHERE url_id IS NOT NULL",
                [&](SqliteStatement& st) {
                  const int64_t id = st.columnInt(0);
                  const auto issue = audit::issueById(st.columnText(1));
                  if (id < 0 || !issue) return;
                  if (static_cast<size_t>(id) >= issues.size())
                    issues.resize(static_cast<size_t>(id) + 1);
                  issues[static_cast<size_t>(id)].set(static_cast<size_t>(*issue));
                });
  int64_t rows = 0;
  (void)eachRow(db, "SELECT count(*) FROM urls",
                [&](SqliteStatement& st) { rows = st.columnInt(0); });
  batch.reserve(static_cast<size_t>(rows));
  RowFacts f;
  return eachRow(
      db,
      "SELECT id, url, status, mime_type, title, meta_description, "
      // The first h1: nearly always the first heading, read without walking the list.
      " CASE WHEN headings IS NULL THEN NULL WHEN substr(json_extract(headings, '$[0]'), 1, 1) <> "
      " char(9) THEN json_extract(headings, '$[0]') ELSE (SELECT value FROM json_each(headings) "
      " WHERE substr(value, 1, 1) <> char(9) LIMIT 1) END, "
      " canonical, actual_url, head_noindex, head_nofollow, distance, "
      " coalesce(internal_links, 0) + coalesce(external_links, 0), h1_count, word_count, "
      " size_bytes, response_time, validator_errors, validator_warnings, spelling, grammar, bad, "
      " internal, is_html, is_image, page_order IS NOT NULL, in_sitemap, disallowed, blacklisted, "
      " keyword_stuffed, redirect_url FROM urls ORDER BY id",
      [&](SqliteStatement& st) {
        f = RowFacts();
        f.id = st.columnInt(0);
        f.url = withoutPasswords(st.columnText(1));
        f.status = st.columnText(2);
        f.mime = st.columnText(3);
        f.title = st.columnText(4);
        f.description = st.columnText(5);
        f.h1 = st.columnText(6);
        f.canonical = withoutPasswords(st.columnText(7));
        const std::string actual = st.columnText(8);
        const bool noindex = st.columnInt(9) != 0, nofollow = st.columnInt(10) != 0;
        // As a record's robots field says it.
        f.robots = nofollow && noindex ? "nofollow,noindex"
                   : nofollow          ? "nofollow"
                   : noindex           ? "noindex"
                                       : "";
        f.depth = static_cast<int32_t>(st.columnInt(11));
        f.outlinks = static_cast<int32_t>(st.columnInt(12));
        f.h1Count = static_cast<int32_t>(st.columnInt(13));
        f.words = st.columnInt(14);
        f.sizeBytes = st.columnInt(15);
        f.responseSeconds = st.columnDouble(16);
        f.validatorErrors = static_cast<int32_t>(st.columnInt(17));
        f.validatorWarnings = static_cast<int32_t>(st.columnInt(18));
        f.spelling = static_cast<int32_t>(st.columnInt(19));
        f.grammar = static_cast<int32_t>(st.columnInt(20));
        const auto flag = [&](int column, uint32_t bit) {
          if (st.columnInt(column) != 0) f.flags |= bit;
        };
        flag(21, kRowBad);
        flag(22, kRowInternal);
        flag(25, kRowPage);
        flag(26, kRowInSitemap);
        flag(27, kRowDisallowed);
        flag(28, kRowNotChecked);
        flag(29, kRowKeywordStuffed);
        if (noindex) f.flags |= kRowNoindex;
        if (nofollow) f.flags |= kRowNofollow;
        const std::string_view path = textPathExtension(actual);
        if (st.columnInt(24) != 0)
          f.flags |= kRowImage;
        else if (equalsIgnoreCase(path, "css"))
          f.flags |= kRowCss;
        else if (equalsIgnoreCase(path, "js") || equalsIgnoreCase(path, "mjs"))
          f.flags |= kRowJs;
        else if (equalsIgnoreCase(path, "pdf"))
          f.flags |= kRowPdf;
        else if (st.columnInt(23) != 0 && !f.status.empty())
          f.flags |= kRowHtml;
        if (!st.isNull(30)) f.redirect = withoutPasswords(actual);
        if (auto r = redirects.find(f.id); r != redirects.end()) {
          f.hops = r->second.first;
          if (r->second.second) f.flags |= kRowMetaRefresh;
        }
        if (!f.canonical.empty() && f.canonical != f.url && f.canonical != withoutPasswords(actual))
          f.flags |= kRowCanonicalElsewhere;
        if (static_cast<size_t>(f.id) < inlinks.size()) f.inlinks = inlinks[f.id];
        if (static_cast<size_t>(f.id) < withoutAlt.size()) f.withoutAlt = withoutAlt[f.id];
        if (static_cast<size_t>(f.id) < verdicts.size()) f.indexability = verdicts[f.id];
        if (static_cast<size_t>(f.id) < issues.size()) f.issues = issues[f.id];
        batch.put(f);
      });
}

std::optional<std::string> DatabaseSource::addressOf(int64_t id) {
  std::optional<std::string> url;
  (void)eachRow(
      saved_.db, "SELECT url FROM urls WHERE id = ?",
      [&](SqliteStatement& st) { url = st.columnText(0); }, id);
  return url;
}

std::optional<Json> DatabaseSource::details(int64_t id) {
  SqliteDatabase& db = saved_.db;
  Json fields = Json::array();
  std::string url, status;
  (void)eachRow(
      db, "SELECT * FROM urls WHERE id = ?",
      [&](SqliteStatement& st) {
        for (int c = 0; c < st.columnCount(); ++c) {
          if (st.isNull(c)) continue;
          const std::string name = st.columnName(c), text = st.columnText(c);
          if (name == "url") url = text;
          if (name == "status") status = text;
          if (!text.empty()) fields.push_back({name, withoutPasswords(text)});
        }
      },
      id);
  if (fields.empty()) return std::nullopt;
  // The content analyses, under the names the exports give them (older
  // databases have none; the errors and warnings are the messages themselves).
  const auto more = [&](const char* sql, std::initializer_list<const char*> names) {
    (void)eachRow(
        db, sql,
        [&](SqliteStatement& st) {
          int c = 0;
          for (const char* name : names) {
            std::string text = st.isNull(c) ? std::string() : st.columnText(c);
            ++c;
            if (text.size() > 1 && text.front() == '[') {
              const Json list = Json::parse(text, nullptr, false);
              text.clear();
              if (list.is_array())
                for (const Json& t : list)
                  if (t.is_string()) text += (text.empty() ? "" : " | ") + t.get<std::string>();
            }
            if (!text.empty() && text != "[]") fields.push_back({name, withoutPasswords(text)});
          }
        },
        id);
  };
  more(
      "SELECT pagerank, percentile, unique_inlinks, (SELECT url FROM urls WHERE id = "
      "near_duplicate_of), similarity, near_duplicates, readability, flesch, words_per_sentence "
      "FROM page_scores WHERE url_id = ?",
      {"pagerank", "pagerankpercentile", "uniqueinlinks", "nearduplicateof",
       "nearduplicatesimilarity", "nearduplicates", "readability", "fleschreadingease",
       "wordspersentence"});
  more(
      "SELECT formats, types, parse_errors, errors, warnings FROM structured_data "
      "WHERE url_id = ?",
      {"structureddata", "structureddatatypes", "structureddataparseerrors", "structureddataerrors",
       "structureddatawarnings"});
  Json redirects = Json::array();
  (void)eachRow(
      db, "SELECT url, status, reason FROM redirects WHERE url_id = ? ORDER BY hop",
      [&](SqliteStatement& st) {
        redirects.push_back({{"url", withoutPasswords(st.columnText(0))},
                             {"status", st.columnText(1)},
                             {"reason", st.columnInt(2)}});
      },
      id);
  Json warnings = Json::array();
  (void)eachRow(
      db, "SELECT warning FROM warnings WHERE url_id = ? ORDER BY id",
      [&](SqliteStatement& st) { warnings.push_back(st.columnText(0)); }, id);
  // Databases older than the table have none.
  Json headers = Json::array();
  (void)eachRow(
      db, "SELECT name, value FROM response_headers WHERE url_id = ? ORDER BY rowid",
      [&](SqliteStatement& st) {
        headers.push_back({st.columnText(0), st.columnText(1)});
      },
      id);
  Json issues = Json::array();
  (void)eachRow(
      db,
      "SELECT t.id, t.priority, t.kind, t.description, t.fix, i.detail FROM issues i "
      "JOIN issue_types t ON t.id = i.issue WHERE i.url_id = ? ORDER BY i.id",
      [&](SqliteStatement& st) {
        issues.push_back({{"id", st.columnText(0)},
                          {"priority", st.columnText(1)},
                          {"kind", st.columnText(2)},
                          {"description", st.columnText(3)},
                          {"fix", st.columnText(4)},
                          {"detail", withoutPasswords(st.columnText(5))}});
      },
      id);
  // Issues ranked as the reports rank them: priority, then the catalogue's order.
  auto rank = [](const Json& i) { return audit::issueById(i["id"].get<std::string>()); };
  std::stable_sort(issues.begin(), issues.end(), [&](const Json& a, const Json& b) {
    const auto x = rank(a), y = rank(b);
    return x && y && audit::ranksBefore(*x, *y);
  });
  std::string indexability;
  (void)eachRow(
      db, "SELECT reason FROM indexability WHERE url_id = ?",
      [&](SqliteStatement& st) { indexability = st.columnText(0); }, id);
  return Json{
      {"id", id},
      {"url", withoutPasswords(url)},
      {"indexability", indexability},
      {"issues", std::move(issues)},
      {"status", status},
      {"fields", std::move(fields)},
      {"inlinks",
       linkList(db, "JOIN urls o ON o.id = l.parent_id WHERE l.target_id = ?", id, true)},
      {"outlinks",
       linkList(db, "JOIN urls o ON o.id = l.target_id WHERE l.parent_id = ?", id, false)},
      {"images",
       linkList(db, "JOIN urls o ON o.id = l.target_id WHERE l.parent_id = ? AND o.is_image = 1",
                id, false)},
      {"redirects", std::move(redirects)},
      {"warnings", std::move(warnings)},
      {"headers", std::move(headers)}};
}

void DatabaseSource::readAudit() {
  Json counts = Json::object();
  bool ran = false;
  // A crawl saved with the audit lists every issue type, those that did not occur with 0.
  (void)eachRow(saved_.db, "SELECT id, count FROM issue_types", [&](SqliteStatement& st) {
    ran = true;
    if (st.columnInt(1) > 0) counts[st.columnText(0)] = st.columnInt(1);
  });
  if (!ran) return;
  int64_t pages = 0, indexable = 0;
  (void)eachRow(saved_.db, "SELECT count(*), coalesce(sum(indexable), 0) FROM indexability",
                [&](SqliteStatement& st) {
                  pages = st.columnInt(0);
                  indexable = st.columnInt(1);
                });
  audit_ = {{"counts", std::move(counts)}, {"pages", pages}, {"indexable", indexable}};
}

std::optional<Json> DatabaseSource::addressesWithoutRow(const std::string& issue) {
  if (!audit::issueById(issue)) return std::nullopt;
  SqliteDatabase& db = saved_.db;
  int64_t total = 0;
  Json items = Json::array();
  Status error;
  SqliteStatement count =
      db.prepare("SELECT count(*) FROM issues WHERE issue = ? AND url_id IS NULL", &error);
  if (count.ok()) {
    count.bind(1, issue);
    if (count.step(&error)) total = count.columnInt(0);
  }
  SqliteStatement list = db.prepare(
      "SELECT url, detail FROM issues WHERE issue = ? AND url_id IS NULL ORDER BY id LIMIT " +
          std::to_string(kDetailListLimit),
      &error);
  if (list.ok()) {
    list.bind(1, issue);
    while (list.step(&error))
      items.push_back(
          {{"url", withoutPasswords(list.columnText(0))}, {"detail", list.columnText(1)}});
  }
  return Json{{"total", total}, {"items", std::move(items)}};
}

}  // namespace zel::cli::serve
