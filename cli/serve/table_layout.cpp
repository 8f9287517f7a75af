#include "serve/table_layout.h"

#include "audit/indexability.h"
#include "audit/issue_catalogue.h"
#include "serve/row_table.h"

namespace zel::cli::serve {

namespace {

using R = const TableRow&;
using T = const RowTable&;

bool checked(R r) { return !r.has(kRowNotChecked) && !r.has(kRowDisallowed); }
bool page(R r) { return r.has(kRowPage); }
bool otherKind(R r) {
  return !r.has(kRowHtml) && !r.has(kRowImage) && !r.has(kRowCss) && !r.has(kRowJs) &&
         !r.has(kRowPdf);
}
bool answered(R r, T t) { return !t.pooled(r.status).empty(); }

template <audit::Indexability V>
bool verdict(R r, T) {
  return r.indexability == static_cast<uint8_t>(V) + 1;
}

// Every filter of every tab. A test reads only the row (and, for shared titles
// and descriptions, the table's groups), so counts follow each row as it changes.
std::vector<TabDef> makeTabs() {
  using audit::Indexability;
  std::vector<TabDef> tabs = {
      {"internal",
       "Inside the site",
       {{"all", "All", [](R r, T) { return r.has(kRowInternal); }},
        {"html", "HTML", [](R r, T) { return r.has(kRowInternal) && r.has(kRowHtml); }},
        {"images", "Images", [](R r, T) { return r.has(kRowInternal) && r.has(kRowImage); }},
        {"css", "CSS", [](R r, T) { return r.has(kRowInternal) && r.has(kRowCss); }},
        {"js", "JavaScript", [](R r, T) { return r.has(kRowInternal) && r.has(kRowJs); }},
        {"pdf", "PDF", [](R r, T) { return r.has(kRowInternal) && r.has(kRowPdf); }},
        {"other", "Other", [](R r, T) { return r.has(kRowInternal) && otherKind(r); }},
        {"bad", "Bad", [](R r, T) { return r.has(kRowInternal) && r.has(kRowBad); }}},
       {"url", "status", "type", "title", "depth", "inlinks", "size", "time"}},
      {"external",
       "Outside the site",
       {{"all", "All", [](R r, T) { return !r.has(kRowInternal); }},
        {"html", "HTML", [](R r, T) { return !r.has(kRowInternal) && r.has(kRowHtml); }},
        {"images", "Images", [](R r, T) { return !r.has(kRowInternal) && r.has(kRowImage); }},
        {"other", "Other",
         [](R r, T) { return !r.has(kRowInternal) && !r.has(kRowHtml) && !r.has(kRowImage); }},
        {"bad", "Bad", [](R r, T) { return !r.has(kRowInternal) && r.has(kRowBad); }}},
       {"url", "status", "type", "inlinks", "time"}},
      {"status",
       "Statuses",
       {{"all", "All", [](R, T) { return true; }},
        {"2xx", "2xx", [](R r, T) { return r.statusClass() == 2; }},
        {"3xx", "3xx", [](R r, T) { return r.statusClass() == 3; }},
        {"4xx", "4xx", [](R r, T) { return r.statusClass() == 4; }},
        {"5xx", "5xx", [](R r, T) { return r.statusClass() == 5; }},
        {"none", "No response",
         [](R r, T t) { return checked(r) && answered(r, t) && r.statusCode == 0; }},
        {"robots", "Blocked by robots", [](R r, T) { return r.has(kRowDisallowed); }},
        {"unchecked", "Not checked", [](R r, T) { return r.has(kRowNotChecked); }},
        {"pending", "Waiting", [](R r, T t) { return !answered(r, t); }},
        {"bad", "Bad", [](R r, T) { return r.has(kRowBad); }}},
       {"url", "status", "type", "inlinks", "depth", "time"}},
      {"redirects",
       "Redirects",
       {{"all", "Redirected", [](R r, T) { return r.hops > 0; }},
        {"server", "By the server", [](R r, T) { return r.hops > 0 && !r.has(kRowMetaRefresh); }},
        {"refresh", "Meta refresh", [](R r, T) { return r.has(kRowMetaRefresh); }},
        {"chains", "Chains", [](R r, T) { return r.hops > 1; }}},
       {"url", "status", "redirect", "hops", "inlinks"}},
      {"titles",
       "Titles & descriptions",
       {{"all", "Pages", [](R r, T) { return page(r); }},
        {"no-title", "No title", [](R r, T t) { return page(r) && t.text(r.title).empty(); }},
        {"dup-title", "Duplicate title", [](R r, T t) { return page(r) && t.titleShared(r); },
         true},
        {"long-title", "Title too long", [](R r, T) { return page(r) && r.has(kRowTitleLong); }},
        {"no-desc", "No description",
         [](R r, T t) { return page(r) && t.text(r.description).empty(); }},
        {"dup-desc", "Duplicate description",
         [](R r, T t) { return page(r) && t.descriptionShared(r); }, true},
        {"long-desc", "Description too long",
         [](R r, T) { return page(r) && r.has(kRowDescriptionLong); }},
        {"short-desc", "Description too short",
         [](R r, T) { return page(r) && r.has(kRowDescriptionShort); }}},
       {"url", "title", "titleLength", "description", "descriptionLength"}},
      {"headings",
       "Headings & content",
       {{"all", "Pages", [](R r, T) { return page(r); }},
        {"no-h1", "No h1", [](R r, T) { return page(r) && r.has(kRowHtml) && r.h1Count == 0; }},
        {"many-h1", "Several h1",
         [](R r, T) { return page(r) && r.has(kRowHtml) && r.h1Count > 1; }},
        {"thin", "Thin", [](R r, T) { return page(r) && r.has(kRowThin); }},
        {"stuffed", "Keyword stuffed",
         [](R r, T) { return page(r) && r.has(kRowKeywordStuffed); }}},
       {"url", "h1", "h1Count", "words"}},
      {"images",
       "Images",
       {{"all", "All", [](R r, T) { return r.has(kRowImage); }},
        {"no-alt", "Without alt", [](R r, T) { return r.has(kRowImage) && r.withoutAlt > 0; }},
        {"bad", "Bad", [](R r, T) { return r.has(kRowImage) && r.has(kRowBad); }}},
       {"url", "status", "size", "withoutAlt", "inlinks"}},
      {"canonicals",
       "Canonicals",
       {{"all", "Pages", [](R r, T) { return page(r); }},
        {"has", "With canonical", [](R r, T t) { return page(r) && !t.text(r.canonical).empty(); }},
        {"elsewhere", "Canonical elsewhere",
         [](R r, T) { return page(r) && r.has(kRowCanonicalElsewhere); }},
        {"missing", "Without canonical",
         [](R r, T t) { return page(r) && t.text(r.canonical).empty(); }}},
       {"url", "status", "canonical"}},
      {"robots",
       "Robots",
       {{"all", "All",
         [](R r, T) { return r.has(kRowNoindex) || r.has(kRowNofollow) || r.has(kRowDisallowed); }},
        {"noindex", "Noindex", [](R r, T) { return r.has(kRowNoindex); }},
        {"nofollow", "Nofollow", [](R r, T) { return r.has(kRowNofollow); }},
        {"blocked", "Blocked by robots.txt", [](R r, T) { return r.has(kRowDisallowed); }}},
       {"url", "status", "robots"}},
      {"sitemap",
       "Sitemap",
       {{"all", "Pages", [](R r, T) { return page(r); }},
        {"in", "In the sitemap", [](R r, T) { return page(r) && r.has(kRowInSitemap); }},
        {"out", "Left out", [](R r, T) { return page(r) && !r.has(kRowInSitemap); }}},
       {"url", "status", "depth", "sitemap"}},
      {"validation",
       "Validation",
       {{"all", "Pages", [](R r, T) { return page(r); }},
        {"errors", "With errors", [](R r, T) { return page(r) && r.validatorErrors > 0; }},
        {"warnings", "With warnings", [](R r, T) { return page(r) && r.validatorWarnings > 0; }}},
       {"url", "errors", "warnings"}},
      {"spelling",
       "Spelling",
       {{"all", "Pages", [](R r, T) { return page(r); }},
        {"spelling", "Misspellings", [](R r, T) { return page(r) && r.spelling > 0; }},
        {"grammar", "Grammar", [](R r, T) { return page(r) && r.grammar > 0; }}},
       {"url", "title", "spelling", "grammar"}},
      {"indexability",
       "Indexability",
       {{"all", "Pages", [](R r, T) { return r.indexability != 0; }},
        {"indexable", "Indexable", verdict<Indexability::Indexable>},
        {"not", "Not indexable",
         [](R r, T t) { return r.indexability != 0 && !verdict<Indexability::Indexable>(r, t); }},
        {"robots", "Blocked by robots.txt", verdict<Indexability::BlockedByRobotsTxt>},
        {"no-response", "No response", verdict<Indexability::NoResponse>},
        {"not-200", "Not 200", verdict<Indexability::Not200>},
        {"redirected", "Redirected", verdict<Indexability::Redirected>},
        {"noindex", "Noindex", verdict<Indexability::Noindex>},
        {"canonicalised", "Canonicalised", verdict<Indexability::Canonicalised>}},
       {"url", "status", "indexability", "robots", "canonical", "inlinks"}},
  };
  // The audit's issue types, one filter each, in catalogue order (the page ranks them).
  TabDef issues{"issues",
                "Issues",
                {{"all", "With issues", [](R r, T) { return r.issues.any(); }}},
                {"url", "status", "type", "issues", "indexability", "inlinks"}};
  for (const audit::IssueType& t : audit::issueCatalogue())
    issues.filters.push_back(
        {t.id.data(), t.description.data(), nullptr, false, static_cast<int>(t.issue)});
  // The audit's two tabs come right after the site's own.
  TabDef indexability = std::move(tabs.back());
  tabs.pop_back();
  tabs.insert(tabs.begin() + 1, std::move(indexability));
  tabs.insert(tabs.begin() + 1, std::move(issues));
  return tabs;
}

const std::vector<ColumnDef> kColumns = {
    {"url", "Address", false},
    {"status", "Status", false},
    {"type", "Type", false},
    {"title", "Title", false},
    {"titleLength", "Title length", true},
    {"description", "Description", false},
    {"descriptionLength", "Description length", true},
    {"h1", "H1", false},
    {"h1Count", "H1s", true},
    {"words", "Words", true},
    {"depth", "Depth", true},
    {"inlinks", "Inlinks", true},
    {"outlinks", "Outlinks", true},
    {"size", "Size", true},
    {"time", "Response ms", true},
    {"redirect", "Redirects to", false},
    {"hops", "Hops", true},
    {"canonical", "Canonical", false},
    {"robots", "Robots", false},
    {"errors", "Errors", true},
    {"warnings", "Warnings", true},
    {"spelling", "Misspelled", true},
    {"grammar", "Grammar", true},
    {"sitemap", "In sitemap", false},
    {"withoutAlt", "Without alt", true},
    {"indexability", "Indexability", false},
    {"issues", "Issues", true},
};

}  // namespace

const std::vector<TabDef>& windowTabs() {
  static const std::vector<TabDef> tabs = makeTabs();
  return tabs;
}
const std::vector<ColumnDef>& windowColumns() { return kColumns; }

const ColumnDef* findColumn(const std::string& id) {
  for (const ColumnDef& c : kColumns)
    if (id == c.id) return &c;
  return nullptr;
}

const TabDef* findTab(const std::string& id) {
  for (const TabDef& t : windowTabs())
    if (id == t.id) return &t;
  return nullptr;
}

const FilterDef* findFilter(const TabDef& tab, const std::string& id) {
  if (id.empty()) return &tab.filters.front();
  for (const FilterDef& f : tab.filters)
    if (id == f.id) return &f;
  return nullptr;
}

Json layoutJson() {
  Json tabs = Json::array();
  for (const TabDef& t : windowTabs()) {
    Json filters = Json::array();
    for (const FilterDef& f : t.filters) {
      Json filter = {{"id", f.id}, {"label", f.label}};
      if (f.issue >= 0) {
        const audit::IssueType& type = audit::issueType(static_cast<audit::Issue>(f.issue));
        filter["priority"] = audit::priorityName(type.priority);
        filter["kind"] = audit::kindName(type.kind);
        filter["fix"] = type.fix;
      }
      filters.push_back(std::move(filter));
    }
    tabs.push_back(
        {{"id", t.id}, {"label", t.label}, {"filters", filters}, {"columns", t.columns}});
  }
  Json columns = Json::object();
  for (const ColumnDef& c : kColumns) columns[c.id] = {{"label", c.label}, {"numeric", c.numeric}};
  return {{"tabs", tabs}, {"columns", columns}};
}

}  // namespace zel::cli::serve
