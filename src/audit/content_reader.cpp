#include "audit/content_reader.h"

#include "audit/min_hash.h"
#include "audit/structured_data.h"
#include "audit/text_units.h"
#include "platform/text_format.h"

namespace zel::audit {

uint32_t countIgnoringCase(std::string_view haystack, std::string_view needle) {
  if (needle.empty() || needle.size() > haystack.size()) return 0;
  uint32_t n = 0;
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  const char first = lower(needle[0]);
  for (size_t i = 0; i + needle.size() <= haystack.size();) {
    if (lower(haystack[i]) == first &&
        equalsIgnoreCase(haystack.substr(i, needle.size()), needle)) {
      ++n;
      i += needle.size();
    } else {
      ++i;
    }
  }
  return n;
}

Status ContentReader::make(const ContentSettings& settings, std::unique_ptr<ContentReader>& out) {
  auto made = std::unique_ptr<ContentReader>(new ContentReader());
  for (const ContentSettings::Search& s : settings.searches) {
    Search search;
    if (s.regex) {
      std::string error;
      search.regex = Regex::compile(s.pattern, Regex::Options{false, true}, &error);
      if (!search.regex)
        return Status::Error("--search-regex " + s.name +
                             ": the pattern does not compile: " + error);
    } else {
      search.text = s.pattern;
    }
    made->searches_.push_back(std::move(search));
  }
  made->visibleText_ = settings.searchVisibleText;
  made->analyses_ = settings.analyses;
  if (!settings.extractions.empty()) {
    std::vector<std::string> expressions;
    for (const auto& e : settings.extractions) expressions.push_back(e.expression);
    if (Status s = FieldExtractor::make(expressions, made->extractor_); !s.ok()) return s;
  }
  if (settings.analyses) made->syllables_ = std::make_unique<SyllableCounter>();
  out = std::move(made);
  return Status::Ok();
}

std::unique_ptr<PageContent> ContentReader::read(const PageText& page) const {
  auto content = std::make_unique<PageContent>();
  const std::string_view searched = visibleText_ ? page.visibleText : page.body;
  for (const Search& s : searches_)
    content->readingsToFill().searchMatches.push_back(
        s.regex ? static_cast<uint32_t>(s.regex->allMatches(searched).size())
                : countIgnoringCase(searched, s.text));
  if (extractor_) content->readingsToFill().extracted = extractor_->extract(page.body);
  if (analyses_) {
    const TextUnits units = textUnits(page.mainText);
    if (std::optional<Signature> s = minHashSignature(units.words))
      content->signature = std::make_unique<Signature>(*s);
    content->readability =
        scoresLanguage(page.lang) ? readabilityOf(units, *syllables_) : Readability();
    StructuredFacts facts = structuredFactsOf(page.body, page.structuredMarks);
    if (facts.formats) content->structured = std::make_unique<StructuredFacts>(std::move(facts));
  }
  return content;
}

}  // namespace zel::audit
