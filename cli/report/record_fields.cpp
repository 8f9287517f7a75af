#include "report/record_fields.h"

#include <algorithm>

#include "audit/content_analysis.h"
#include "audit/site_audit.h"
#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel::cli {

namespace {

using J = HostField::Json;
using A = const audit::SiteAudit*;

std::optional<std::string> yesNo(bool v) { return std::string(v ? "YES" : "NO"); }

// The content analyses' scores of a page of the site; null otherwise.
const audit::PageScores* scoresOf(const ZelUrl& r, A a) {
  return a && a->content() ? a->content()->scores(&r) : nullptr;
}
// What the scan read of a page for the content analyses; null otherwise.
const PageContent* contentOf(const ZelUrl& r, A a) {
  return a && a->content() ? a->content()->pageContent(&r) : nullptr;
}
const Readability* readabilityOf(const ZelUrl& r, A a) {
  const PageContent* c = contentOf(r, a);
  return c && c->readability ? &*c->readability : nullptr;
}
const StructuredFacts* structuredOf(const ZelUrl& r, A a) {
  const PageContent* c = contentOf(r, a);
  return c ? c->structured.get() : nullptr;
}
// Only pages the analyses read have an answer; a read page without any says so.
bool analysed(const ZelUrl& r, A a) { return readabilityOf(r, a) != nullptr; }

constexpr HostField kHostFields[] = {
    {"bad", J::Text, false, [](const ZelUrl& r, A) { return yesNo(r.isInBadCollection()); }},
    {"internal", J::Text, false, [](const ZelUrl& r, A) { return yesNo(r.isInternal()); }},
    {"mimetype", J::Text, false,
     [](const ZelUrl& r, A) { return std::optional<std::string>(r.getMimeType()); }},
    {"warnings", J::Text, false,
     [](const ZelUrl& r, A) {
       const auto* w = r.getWarnings();
       return std::optional<std::string>(w ? join(*w, " | ") : std::string());
     }},
    {"indexable", J::Boolean, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto v = a ? a->indexability(&r) : std::nullopt;
       if (!v) return std::string();
       return yesNo(*v == audit::Indexability::Indexable);
     }},
    {"indexability", J::Text, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto v = a ? a->indexability(&r) : std::nullopt;
       return v ? std::string(audit::indexabilityName(*v)) : std::string();
     }},
    {"issues", J::Words, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       std::string out;
       if (a)
         for (audit::Issue i : a->issuesOf(&r))
           out += (out.empty() ? "" : " ") + std::string(audit::issueType(i).id);
       return out;
     }},
    {"issuecount", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       return a ? std::to_string(a->issuesOf(&r).size()) : std::string();
     }},
    {"pagerank", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto* s = scoresOf(r, a);
       return s ? strf("%.6g", s->pageRank) : std::string();
     }},
    {"pagerankpercentile", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto* s = scoresOf(r, a);
       return s ? std::to_string(s->percentile) : std::string();
     }},
    {"uniqueinlinks", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto* s = scoresOf(r, a);
       return s ? std::to_string(s->uniqueInlinks) : std::string();
     }},
    {"nearduplicateof", J::Text, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto* s = scoresOf(r, a);
       return s && s->closest ? s->closest->getLinkUrl() : std::string();
     }},
    {"nearduplicatesimilarity", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto* s = scoresOf(r, a);
       return s && s->closest ? std::to_string(s->similarity) : std::string();
     }},
    {"nearduplicates", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const auto* s = scoresOf(r, a);
       return s && s->closest ? std::to_string(s->nearDuplicates) : std::string();
     }},
    {"readability", J::Text, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const Readability* v = readabilityOf(r, a);
       return v ? std::string(v->scored ? "scored" : "not scored") : std::string();
     }},
    {"fleschreadingease", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const Readability* v = readabilityOf(r, a);
       return v && v->scored ? strf("%.1f", static_cast<double>(v->fleschReadingEase))
                             : std::string();
     }},
    {"wordspersentence", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const Readability* v = readabilityOf(r, a);
       return v && v->scored ? strf("%.1f", static_cast<double>(v->wordsPerSentence))
                             : std::string();
     }},
    {"structureddata", J::Words, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const StructuredFacts* s = structuredOf(r, a);
       return s ? structuredFormatNames(s->formats) : std::string();
     }},
    {"structureddatatypes", J::Words, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const StructuredFacts* s = structuredOf(r, a);
       return s ? join(s->types, " ") : std::string();
     }},
    {"structureddataerrors", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const StructuredFacts* s = structuredOf(r, a);
       if (!analysed(r, a)) return std::string();
       return std::to_string(s ? s->parseErrors.size() + s->errors.size() : 0);
     }},
    {"structureddatawarnings", J::Number, true,
     [](const ZelUrl& r, A a) -> std::optional<std::string> {
       const StructuredFacts* s = structuredOf(r, a);
       if (!analysed(r, a)) return std::string();
       return std::to_string(s ? s->warnings.size() : 0);
     }},
};

}  // namespace

std::span<const HostField> hostFields() { return kHostFields; }

std::string structuredFormatNames(uint8_t formats) {
  std::string out;
  for (const auto& [bit, name] : {std::pair{1, "JSON-LD"}, {2, "microdata"}, {4, "RDFa"}})
    if (formats & bit) out += (out.empty() ? "" : " ") + std::string(name);
  return out;
}

const std::vector<std::string>& exportFieldNames() {
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> v(ZelUrl::fieldNames().begin(), ZelUrl::fieldNames().end());
    for (const HostField& f : kHostFields) v.emplace_back(f.name);
    return v;
  }();
  return kNames;
}

const std::vector<std::string>& defaultCsvFields() {
  static const std::vector<std::string> kDefault = {
      "linkurl",          "status",   "bad",           "internal",
      "mimetype",         "redir",    "linkpagetitle", "onpagecount",
      "distancefromhome", "filesize", "responsetime",  "warnings"};
  return kDefault;
}

Status checkExportFields(const std::vector<std::string>& names) {
  const auto& valid = exportFieldNames();
  for (const std::string& name : names) {
    if (startsWith(name, kSearchColumn) || startsWith(name, kExtractColumn)) continue;
    if (std::find(valid.begin(), valid.end(), asciiLower(name)) == valid.end())
      return Status::Error("unknown field \"" + name + "\"; the fields are: " + join(valid, ", "));
  }
  return Status::Ok();
}

std::optional<std::string> exportFieldText(const ZelUrl& r, std::string_view rawName,
                                           const audit::SiteAudit* audit) {
  if (startsWith(rawName, kSearchColumn) || startsWith(rawName, kExtractColumn))
    return contentColumnText(r, rawName, audit);
  const std::string name = asciiLower(rawName);
  for (const HostField& f : kHostFields)
    if (f.name == name) return f.text(r, audit);
  return r.getFieldByName(name);
}

std::string contentColumnText(const ZelUrl& r, std::string_view column,
                              const audit::SiteAudit* audit) {
  const audit::ContentAnalysis* c = audit ? audit->content() : nullptr;
  const PageContent* read = c ? c->pageContent(&r) : nullptr;
  if (!read) return std::string();
  const auto& settings = c->settings();
  if (startsWith(column, kSearchColumn)) {
    const std::string_view name = column.substr(kSearchColumn.size());
    for (size_t k = 0; k < settings.searches.size() && k < read->searchMatches().size(); ++k)
      if (settings.searches[k].name == name) return std::to_string(read->searchMatches()[k]);
    return std::string();
  }
  const std::string_view name = column.substr(kExtractColumn.size());
  for (size_t k = 0; k < settings.extractions.size() && k < read->extracted().size(); ++k)
    if (settings.extractions[k].name == name)
      return read->extracted()[k].empty() ? std::string() : read->extracted()[k].front();
  return std::string();
}

int64_t sizeInBytes(const ZelUrl& r) {
  return r.getFileSizeInBytes() > 0 ? r.getFileSizeInBytes() : r.getFileSizeCompressedInBytes();
}

const std::vector<YesNoField>& yesNoFields() {
  static const std::vector<YesNoField> kFields = {{"nofollow", "isNofollow"},
                                                  {"keywordstuffed", "isKeywordStuffed"}};
  return kFields;
}

}  // namespace zel::cli
