// The report a person opens in a browser: one file, its style and script
// inline, no request to any network. The crawl goes in as JSON inside a
// <script type="application/json"> element, escaped so that no text of a page
// can end that element; the page's script builds every table from it with
// text nodes only, so a title or link text holding markup shows as text.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "audit/content_analysis.h"
#include "audit/site_audit.h"
#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/output_file.h"
#include "report/record_fields.h"
#include "report/seo_pages.h"
#include "report/text_escape.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

// At most this many places are listed for one bad link (a broken logo may
// stand on every page); the count says how many there are.
constexpr size_t kPlacesPerBadLink = 100;

// Status classes, as the page's script numbers them.
enum StatusClass { kGood = 0, kBad = 1, kRedirected = 2, kNotChecked = 3 };

StatusClass classOf(const ZelUrl& r) {
  if (r.isInBadCollection()) return kBad;
  if (r.getStatus().empty() || r.isExempt()) return kNotChecked;
  if (r.getRedirectCount() > 0) return kRedirected;
  return kGood;
}

// The settings that change what a crawl finds, shown in the summary; every
// setting (secrets hidden) is in a fold below them.
constexpr const char* kShownSettings[] = {"numberOfThreads",
                                          "timeout",
                                          "delay",
                                          "levelsLimit",
                                          "linksLimit",
                                          "internalOnly",
                                          "followSubdomains",
                                          "observeRobotsTxt",
                                          "checkImages",
                                          "SEOEnabled",
                                          "htmlValidationEnabled",
                                          "checkSpelling",
                                          "countKeywords",
                                          "runJS",
                                          "maxThinContent",
                                          "metaTitleMax",
                                          "metaDescriptionMin",
                                          "metaDescriptionMax",
                                          "tooManyLinks",
                                          "followWhitelistArray",
                                          "followBlacklistArray",
                                          "checkBlacklistArray",
                                          "ignoreArray",
                                          "userAgentString"};

// JSON text made safe inside a script element: "<", ">" and "&" (so "</script"
// and "<!--" cannot appear) and the two line separators that old parsers took
// for line ends. They occur only inside strings, where \u escapes mean the same.
void appendScriptSafe(std::string& out, std::string_view json) {
  size_t run = 0;
  for (size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
    const char* escape = nullptr;
    size_t skip = 1;
    if (c == '<') {
      escape = "\\u003c";
    } else if (c == '>') {
      escape = "\\u003e";
    } else if (c == '&') {
      escape = "\\u0026";
    } else if (c == '\xE2' && i + 2 < json.size() && json[i + 1] == '\x80' &&
               (json[i + 2] == '\xA8' || json[i + 2] == '\xA9')) {
      escape = json[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
      skip = 3;
    }
    if (!escape) continue;
    out.append(json.data() + run, i - run);
    out += escape;
    i += skip - 1;
    run = i + 1;
  }
  out.append(json.data() + run, json.size() - run);
}

// Gathers the JSON and writes it, made script-safe, in large pieces.
class DataWriter {
 public:
  explicit DataWriter(OutputFile& file) : file_(file) {}
  std::string& json() { return json_; }
  void str(std::string_view text) { appendJsonString(json_, text); }
  void num(int64_t n) { json_ += std::to_string(n); }
  void num(double d) { json_ += std::isfinite(d) ? strf("%.5g", d) : std::string("0"); }
  void key(std::string_view name) {
    str(name);
    json_ += ':';
  }
  void maybeFlush() {
    if (json_.size() >= kChunk) flush();
  }
  void flush() {
    // Hidden before the script escapes change how the password reads.
    file_.secrets().apply(json_);
    appendScriptSafe(safe_, json_);
    json_.clear();
    file_.write(safe_);
    safe_.clear();
  }

 private:
  static constexpr size_t kChunk = 1 << 16;
  OutputFile& file_;
  std::string json_, safe_;
};

class HtmlReport {
 public:
  HtmlReport(const ReportContext& report, DataWriter& w)
      : report_(report), hub_(report.hub()), settings_(report.settings()), w_(w) {}

  void write() {
    std::string& j = w_.json();
    j += '{';
    writeSummary();
    j += ",\"urls\":[";
    writeUrls();
    j += "],\"bad\":[";
    writeBadLinks();
    j += "],\"redirects\":[";
    writeRedirects();
    j += "],\"seo\":";
    writeSeo();
    j += ",\"warnings\":[";
    writeWarnings();
    j += "],\"issues\":";
    writeIssues();
    j += ",\"content\":";
    writeContent();
    j += ",\"rendered\":";
    writeRendered();
    j += "}";
    w_.flush();
  }

 private:
  // The record's row number in the URL table, or -1 for one outside the crawl.
  int64_t row(const ZelUrl* r) const { return report_.indexOf(r).value_or(-1); }

  void writeSummary() {
    std::string& j = w_.json();
    const CrawlTiming& t = report_.timing();
    w_.key("start");
    w_.str(withoutPasswords(hub_.getStartingUrl()));
    j += ',';
    w_.key("startedAt");
    w_.str(isoTime(t.startedAt));
    j += ',';
    w_.key("endedAt");
    w_.str(isoTime(t.endedAt));
    j += ",\"seconds\":";
    w_.num(t.seconds);
    j += t.stopped ? ",\"stopped\":true" : ",\"stopped\":false";
    if (t.deadline) {
      j += ",\"deadline\":";
      w_.num(*t.deadline);
    }
    int64_t internal = 0, redirected = 0, classes[4] = {0, 0, 0, 0};
    for (const ZelUrl* r : hub_.getLinksCollection()) {
      if (r->isInternal()) ++internal;
      if (r->getRedirectCount() > 0) ++redirected;
      ++classes[classOf(*r)];
    }
    j += strf(
        ",\"counts\":{\"checked\":%lld,\"bad\":%lld,\"total\":%lld,\"pages\":%lld,"
        "\"internal\":%lld,\"external\":%lld,\"redirected\":%lld}",
        static_cast<long long>(hub_.getCheckedLinkCount()),
        static_cast<long long>(hub_.getBadLinkCount()),
        static_cast<long long>(hub_.getTotalLinkCount()),
        static_cast<long long>(hub_.getPageCount()), static_cast<long long>(internal),
        static_cast<long long>(hub_.getTotalLinkCount() - internal),
        static_cast<long long>(redirected));
    j += strf(",\"classes\":[%lld,%lld,%lld,%lld]", static_cast<long long>(classes[0]),
              static_cast<long long>(classes[1]), static_cast<long long>(classes[2]),
              static_cast<long long>(classes[3]));
    const Json all = report_.redactedSettings();
    j += ",\"settings\":[";
    bool first = true;
    for (const char* name : kShownSettings) {
      if (!all.contains(name)) continue;
      if (!first) j += ',';
      first = false;
      j += '[';
      w_.str(name);
      j += ',';
      const Json& v = all[name];
      w_.str(v.is_string() ? v.get<std::string>()
                           : v.dump(-1, ' ', false, Json::error_handler_t::replace));
      j += ']';
    }
    j += "],\"allSettings\":";
    j += all.dump(-1, ' ', false, Json::error_handler_t::replace);
  }

  // One array per record, in crawl order: url (as linked), status, class, type, title,
  // links to it, depth, size in kB, response time in s, words, internal.
  void writeUrls() {
    std::string& j = w_.json();
    bool first = true;
    for (const ZelUrl* r : hub_.getLinksCollection()) {
      if (!first) j += ',';
      first = false;
      j += '[';
      w_.str(r->getLinkUrl());
      j += ',';
      w_.str(r->getStatus());
      j += ',';
      w_.num(static_cast<int64_t>(classOf(*r)));
      j += ',';
      w_.str(r->getMimeType());
      j += ',';
      w_.str(r->getLinkPageTitle());
      j += ',';
      w_.num(static_cast<int64_t>(r->getOnpagecount()));
      j += ',';
      w_.num(static_cast<int64_t>(r->getDistanceFromHome()));
      j += ',';
      w_.num(static_cast<double>(r->getFieldAsNumberByName("filesize")));
      j += ',';
      w_.num(r->getResponseTimeInterval());
      j += ',';
      w_.num(r->getWordCount());
      j += r->isInternal() ? ",1]" : ",0]";
      w_.maybeFlush();
    }
  }

  // Each bad link with the places it stands: page row, line (0 when not
  // known) and link text.
  void writeBadLinks() {
    std::string& j = w_.json();
    bool first = true;
    for (const ZelUrl* r : hub_.getLinksCollection()) {
      if (!r->isInBadCollection()) continue;
      if (!first) j += ',';
      first = false;
      j += '[';
      w_.num(row(r));
      j += ",[";
      size_t places = 0;
      for (const ZelLinkInstance* i : r->getInboundInstances()) {
        if (!i->parent()) continue;
        if (++places > kPlacesPerBadLink) continue;
        if (places > 1) j += ',';
        j += '[';
        w_.num(row(i->parent()));
        j += ',';
        w_.num(static_cast<int64_t>(i->getLineNumber()));
        j += ',';
        w_.str(i->linkText());
        j += ']';
      }
      j += "],";
      w_.num(static_cast<int64_t>(places));
      j += ']';
      w_.maybeFlush();
    }
  }

  // Each redirected record with its chain: the hops in order, each the
  // address it went to and the status that sent it there.
  void writeRedirects() {
    std::string& j = w_.json();
    bool first = true;
    for (const ZelUrl* r : hub_.getLinksCollection()) {
      const auto* table = r->getRedirTable();
      if (!table || table->empty()) continue;
      if (!first) j += ',';
      first = false;
      j += '[';
      w_.num(row(r));
      j += ",[";
      for (size_t n = 0; n < table->size(); ++n) {
        if (n) j += ',';
        j += '[';
        w_.str((*table)[n].url);
        j += ',';
        w_.str((*table)[n].status);
        j += ']';
      }
      j += "]]";
      w_.maybeFlush();
    }
  }

  void writeGroup(const SeoPageGroup& g) {
    std::string& j = w_.json();
    j += "{\"label\":";
    w_.str(g.label);
    j += ",\"counter\":";
    w_.num(g.counter);
    j += ",\"pages\":[";
    for (size_t n = 0; n < g.pages.size(); ++n) {
      if (n) j += ',';
      j += '[';
      w_.num(row(g.pages[n].first));
      j += ',';
      w_.str(g.pages[n].second);
      j += ']';
      w_.maybeFlush();
    }
    j += "]}";
  }

  // Groups of pages that share a text (duplicates, misspelled words).
  void writeSets(const char* label, int64_t counter,
                 std::vector<std::pair<std::string, std::vector<ZelUrl*>>> sets) {
    std::sort(sets.begin(), sets.end(), [](const auto& a, const auto& b) {
      return a.second.size() != b.second.size() ? a.second.size() > b.second.size()
                                                : a.first < b.first;
    });
    std::string& j = w_.json();
    j += "{\"label\":";
    w_.str(label);
    j += ",\"counter\":";
    w_.num(counter);
    j += ",\"sets\":[";
    for (size_t n = 0; n < sets.size(); ++n) {
      if (n) j += ',';
      j += '[';
      w_.str(sets[n].first);
      j += ",[";
      for (size_t k = 0; k < sets[n].second.size(); ++k) {
        if (k) j += ',';
        w_.num(row(sets[n].second[k]));
      }
      j += "]]";
      w_.maybeFlush();
    }
    j += "]}";
  }

  // The problems the SEO summary counts, each with its pages: the records are
  // grouped here by their own fields with the thresholds the summary used;
  // the counters and the duplicate groups are those of the summary's one run.
  void writeSeo() {
    std::string& j = w_.json();
    ZelSEOManager& seo = hub_.seoManager();
    const ZelSEOManager::Counters& c = seo.counters();
    j += "{\"enabled\":";
    j += settings_.boolForKey("SEOEnabled") ? "true" : "false";
    j += ",\"pages\":";
    w_.num(seo.getTotalPageCount());
    j += ",\"summary\":[";
    bool first = true;
    for (const std::string& line : split(report_.seoSummary(), "\n")) {
      if (line.empty()) continue;
      if (!first) j += ',';
      first = false;
      w_.str(line);
    }
    j += "],\"groups\":[";
    if (!settings_.boolForKey("SEOEnabled")) {
      j += "],\"sets\":[]}";
      return;
    }
    const std::vector<SeoPageGroup> groups = seoPageGroups(report_);
    first = true;
    for (const SeoPageGroup& g : groups) {
      if (g.pages.empty()) continue;
      if (!first) j += ',';
      first = false;
      writeGroup(g);
    }
    j += "],\"sets\":[";
    auto groupsOf = [](const RecordGroups& groups) {
      std::vector<std::pair<std::string, std::vector<ZelUrl*>>> out;
      for (const auto& [text, records] : groups)
        if (records.size() > 1) out.emplace_back(text, records);
      return out;
    };
    writeSets("Duplicate titles", c.duplicatetitle, groupsOf(hub_.getDuplicateTitles()));
    j += ',';
    writeSets("Duplicate descriptions", c.duplicatedesc, groupsOf(hub_.getDuplicateDescriptions()));
    j += ',';
    writeSets("Possible duplicates (same title and size)", c.possduplicates,
              groupsOf(hub_.getDuplicates()));
    j += ',';
    std::vector<std::pair<std::string, std::vector<ZelUrl*>>> words;
    for (const auto& [word, records] : seo.getMisspelledWordDictionary()) {
      std::vector<ZelUrl*> pages = records;
      std::sort(pages.begin(), pages.end());
      pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
      words.emplace_back(word, std::move(pages));
    }
    writeSets("Misspelled words", -1, std::move(words));
    j += "]}";
  }

  // The site audit's issue types as the reports rank them, each with its
  // addresses: a row of the URL table, or the address itself when the crawl has
  // no record of it; null when the audit was off.
  void writeIssues() {
    std::string& j = w_.json();
    const audit::SiteAudit* a = report_.audit();
    if (!a) {
      j += "null";
      return;
    }
    j += '[';
    bool first = true;
    for (const auto& [issue, count] : a->rankedCounts()) {
      const audit::IssueType& t = audit::issueType(issue);
      j += first ? "{\"id\":" : ",{\"id\":";
      first = false;
      w_.str(t.id);
      for (const auto& [name, text] :
           {std::pair{"priority", audit::priorityName(t.priority)},
            std::pair{"kind", audit::kindName(t.kind)}, std::pair{"description", t.description},
            std::pair{"fix", t.fix}}) {
        j += ',';
        w_.key(name);
        w_.str(text);
      }
      j += ",\"pages\":[";
      bool firstPage = true;
      for (const audit::Finding& f : a->findings(issue)) {
        j += firstPage ? "[" : ",[";
        firstPage = false;
        if (f.record)
          w_.num(row(f.record));
        else
          w_.str(a->address(f));
        j += ',';
        w_.str(a->detail(f));
        j += ']';
        w_.maybeFlush();
      }
      j += "]}";
    }
    j += ']';
  }

  // The content analyses of each page of the site, highest link score first:
  // [row, link score, percentile, unique inlinks, near duplicate's row (-1),
  // similarity, near duplicates, Flesch (null), details]; null without them.
  void writeContent() {
    std::string& j = w_.json();
    const audit::SiteAudit* a = report_.audit();
    const audit::ContentAnalysis* c = a ? a->content() : nullptr;
    if (!c) {
      j += "null";
      return;
    }
    std::vector<std::pair<double, const ZelUrl*>> pages;
    for (const ZelUrl* r : hub_.getLinksCollection())
      if (const audit::PageScores* s = c->scores(r)) pages.emplace_back(s->pageRank, r);
    std::stable_sort(pages.begin(), pages.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });
    j += '[';
    bool first = true;
    for (const auto& [rank, r] : pages) {
      const audit::PageScores& s = *c->scores(r);
      j += first ? "[" : ",[";
      first = false;
      w_.num(row(r));
      j += ',';
      w_.num(s.pageRank);
      j += ',';
      w_.num(static_cast<int64_t>(s.percentile));
      j += ',';
      w_.num(static_cast<int64_t>(s.uniqueInlinks));
      j += ',';
      w_.num(s.closest ? row(s.closest) : int64_t{-1});
      j += ',';
      w_.num(static_cast<int64_t>(s.similarity));
      j += ',';
      w_.num(static_cast<int64_t>(s.nearDuplicates));
      j += ',';
      const PageContent* read = c->pageContent(r);
      if (read && read->readability && read->readability->scored)
        w_.num(static_cast<double>(read->readability->fleschReadingEase));
      else
        j += "null";
      j += ',';
      std::string details;
      const auto& settings = c->settings();
      for (size_t k = 0; read && k < settings.searches.size() && k < read->searchMatches().size();
           ++k)
        details += strf("%s%s: %u", details.empty() ? "" : "; ", settings.searches[k].name.c_str(),
                        read->searchMatches()[k]);
      for (size_t k = 0; read && k < settings.extractions.size() && k < read->extracted().size(); ++k)
        if (!read->extracted()[k].empty())
          details += (details.empty() ? "" : "; ") + settings.extractions[k].name + ": " +
                     read->extracted()[k].front();
      if (const StructuredFacts* sd = read ? read->structured.get() : nullptr)
        details +=
            strf("%sstructured data: %s %s (%zu errors, %zu warnings)", details.empty() ? "" : "; ",
                 structuredFormatNames(sd->formats).c_str(), join(sd->types, ", ").c_str(),
                 sd->parseErrors.size() + sd->errors.size(), sd->warnings.size());
      w_.str(details);
      j += ']';
      w_.maybeFlush();
    }
    j += ']';
  }

  // What the browser found on each rendered page: [row, text]; null when no
  // page was audited in the browser.
  void writeRendered() {
    std::string& j = w_.json();
    const audit::SiteAudit* a = report_.audit();
    bool first = true;
    for (const ZelUrl* r : hub_.getLinksCollection()) {
      const RenderedFacts* f = a ? a->rendered(r) : nullptr;
      if (!f) continue;
      j += first ? "[[" : ",[";
      first = false;
      w_.num(row(r));
      j += ',';
      w_.str(renderedSummary(*f));
      j += ']';
      w_.maybeFlush();
    }
    j += first ? "null" : "]";
  }

  static std::string renderedSummary(const RenderedFacts& f) {
    std::vector<std::string> parts;
    if (f.accessibility) {
      std::vector<std::string> rules;
      for (const AccessibilityViolation& v : *f.accessibility)
        rules.push_back(strf("%s (%s, %u)", v.rule.c_str(), v.impact.c_str(), v.elements));
      parts.push_back("accessibility: " + (rules.empty() ? std::string("no rule broken")
                                                          : join(rules, ", ")));
    }
    if (const auto& p = f.pageSpeed) {
      const auto seconds = [](double ms) {
        return ms < 0 ? std::string("none") : strf("%.2f s", ms / 1000);
      };
      parts.push_back(strf("lab%s: first byte %s, FCP %s, LCP %s, CLS %.3f, TBT %.0f ms, %u "
                           "elements, %u requests (%llu bytes)",
                           p->throttled ? " (throttled)" : "", seconds(p->ttfb).c_str(),
                           seconds(p->fcp).c_str(), seconds(p->lcp).c_str(), p->cls, p->tbt,
                           p->domElements, p->requestCount(),
                           static_cast<unsigned long long>(p->requestBytes())));
    }
    if (const auto& c = f.scripts) {
      std::string text = strf("scripts: %u errors, %u failed requests", c->consoleErrors,
                              c->failedRequests);
      if (c->servedKnown) {
        const auto show = [](const std::optional<std::string>& v) {
          return v ? "\"" + *v + "\"" : std::string("none");
        };
        if (c->served.title != c->rendered.title)
          text += "; title " + show(c->served.title) + " -> " + show(c->rendered.title);
        if (c->served.canonical != c->rendered.canonical)
          text += "; canonical " + show(c->served.canonical) + " -> " + show(c->rendered.canonical);
        if (c->served.robots != c->rendered.robots)
          text += "; robots " + show(c->served.robots) + " -> " + show(c->rendered.robots);
        text += strf("; links %u served, %u rendered", c->served.links, c->rendered.links);
      }
      parts.push_back(std::move(text));
    }
    return join(parts, "; ");
  }

  void writeWarnings() {
    std::string& j = w_.json();
    bool first = true;
    for (const ZelUrl* r : hub_.getLinksCollection()) {
      const auto* warnings = r->getWarnings();
      if (!warnings || warnings->empty()) continue;
      if (!first) j += ',';
      first = false;
      j += '[';
      w_.num(row(r));
      j += ",[";
      for (size_t n = 0; n < warnings->size(); ++n) {
        if (n) j += ',';
        w_.str((*warnings)[n]);
      }
      j += "]]";
      w_.maybeFlush();
    }
  }

  const ReportContext& report_;
  ZelHub& hub_;
  const MemoryDefaults& settings_;
  DataWriter& w_;
};

#include "report/html_report_page.inc"

}  // namespace

Status writeHtmlReport(const ReportContext& report, const std::string& path) {
  OutputFile file(path, report.secrets());
  if (Status s = file.open(); !s.ok()) return s;
  std::string head = kPageHead;
  const std::string title = "Zelmora report: " + withoutPasswords(report.hub().getStartingUrl());
  std::string escaped;
  appendXmlEscaped(escaped, title);
  head = replaceAll(head, "@TITLE@", escaped);
  file.write(head);
  file.write("<script type=\"application/json\" id=\"report-data\">");
  DataWriter data(file);
  HtmlReport(report, data).write();
  file.write("</script>\n");
  file.write(kPageScript);
  file.write("</body>\n</html>\n");
  return file.commit();
}

}  // namespace zel::cli
