#include "content_session.h"

#include <algorithm>

#include "audit/content_reader.h"
#include "engine/zel_hub.h"
#include "platform/defaults.h"

namespace zel::cli {

namespace {

// "NAME=VALUE" split at the first "=".
Status namedValue(const std::string& item, const char* what, std::string& name,
                  std::string& value) {
  const size_t eq = item.find('=');
  if (eq == 0 || eq == std::string::npos || eq + 1 == item.size())
    return Status::Error(std::string(what) + " needs NAME=VALUE, not \"" + item + "\"");
  name = item.substr(0, eq);
  value = item.substr(eq + 1);
  return Status::Ok();
}

}  // namespace

Status ContentSession::settingsFrom(const Defaults& d, audit::ContentSettings& out) {
  out = audit::ContentSettings();
  out.analyses = d.boolForKey("contentAnalysisEnabled");
  out.nearDuplicateThreshold = static_cast<int>(d.integerForKey("nearDuplicateThreshold"));
  out.searchVisibleText = d.boolForKey("contentSearchInText");
  const auto searches = [&](const char* key, bool regex) -> Status {
    for (const std::string& item : d.stringArrayForKey(key).value_or(std::vector<std::string>())) {
      audit::ContentSettings::Search s;
      if (Status st = namedValue(item, regex ? "--search-regex" : "--search", s.name, s.pattern);
          !st.ok())
        return st;
      s.regex = regex;
      out.searches.push_back(std::move(s));
    }
    return Status::Ok();
  };
  if (Status s = searches("contentSearches", false); !s.ok()) return s;
  if (Status s = searches("contentSearchRegexes", true); !s.ok()) return s;
  // A saved crawl's settings with other searches given again may name one no
  // longer there: the options were checked as they were given.
  for (const std::string& name :
       d.stringArrayForKey("contentSearchMissing").value_or(std::vector<std::string>()))
    for (auto& s : out.searches)
      if (s.name == name) s.missingIsFinding = true;
  for (const std::string& item :
       d.stringArrayForKey("contentExtractions").value_or(std::vector<std::string>())) {
    audit::ContentSettings::Extraction e;
    if (Status s = namedValue(item, "--extract", e.name, e.expression); !s.ok()) return s;
    out.extractions.push_back(std::move(e));
  }
  return Status::Ok();
}

ContentSession::ContentSession(ZelHub& hub, const Defaults& settings, bool read) {
  // The options were checked when given; settings from elsewhere that cannot be
  // used leave the analyses off rather than stop the crawl.
  enabled_ = settingsFrom(settings, settings_).ok() &&
             (settings_.analyses || !settings_.searches.empty() || !settings_.extractions.empty());
  if (!enabled_ || !read) return;
  std::unique_ptr<audit::ContentReader> reader;
  if (!audit::ContentReader::make(settings_, reader).ok()) {
    enabled_ = false;
    return;
  }
  hub_ = &hub;
  hub.setPageContentReader(std::shared_ptr<const PageContentReader>(std::move(reader)),
                           [this](ZelUrl* page, std::unique_ptr<PageContent> content) {
                             setPageContent(page, std::move(content));
                           });
}

Status ContentSession::checkItem(const std::string& flag, const std::string& item) {
  std::string name, value;
  if (Status s = namedValue(item, flag.c_str(), name, value); !s.ok()) return s;
  if (name.find_first_of(" \t,") != std::string::npos)
    return Status::Error(flag + ": a NAME has no spaces or commas, not \"" + name + "\"");
  audit::ContentSettings settings;
  settings.analyses = false;
  if (flag == "--extract")
    settings.extractions.push_back({name, value});
  else
    settings.searches.push_back({name, value, flag == "--search-regex", false});
  std::unique_ptr<audit::ContentReader> reader;
  return audit::ContentReader::make(settings, reader);
}

Status ContentSession::checkOptions(const std::vector<std::pair<std::string, Json>>& settings) {
  std::vector<std::string> searches, extractions;
  const auto names = [](const Json& list, std::vector<std::string>& out) {
    if (!list.is_array()) return;
    for (const Json& item : list)
      if (item.is_string())
        out.push_back(item.get<std::string>().substr(0, item.get<std::string>().find('=')));
  };
  for (const auto& [key, value] : settings) {
    if (key == "contentSearches" || key == "contentSearchRegexes") names(value, searches);
    if (key == "contentExtractions") names(value, extractions);
    if (key == "nearDuplicateThreshold" && value.is_number() && value.get<double>() > 100)
      return Status::Error("--near-duplicate-threshold is a percentage: at most 100");
  }
  for (const auto* list : {&searches, &extractions})
    for (size_t i = 0; i < list->size(); ++i)
      for (size_t j = i + 1; j < list->size(); ++j)
        if ((*list)[i] == (*list)[j])
          return Status::Error("two searches or extractions are named \"" + (*list)[i] + "\"");
  for (const auto& [key, value] : settings) {
    if (key != "contentSearchMissing" || !value.is_array()) continue;
    for (const Json& name : value)
      if (!name.is_string() ||
          std::find(searches.begin(), searches.end(), name.get<std::string>()) == searches.end())
        return Status::Error("--search-missing " +
                             (name.is_string() ? name.get<std::string>() : "") +
                             ": no --search or --search-regex has that name");
  }
  return Status::Ok();
}

void ContentSession::setPageContent(const ZelUrl* page, std::unique_ptr<PageContent> content) {
  const uint32_t i = page->graphIndex();
  if (i >= byIndex_.size()) byIndex_.resize(i + 1);
  if (i >= signatureAt_.size()) signatureAt_.resize(i + 1, 0);
  if (content && content->signature) {
    if (signatureAt_[i]) {
      signatures_[signatureAt_[i] - 1] = *content->signature;
    } else {
      signatures_.push_back(*content->signature);
      signatureAt_[i] = static_cast<uint32_t>(signatures_.size());
    }
    content->signature.reset();
  } else {
    signatureAt_[i] = 0;
  }
  byIndex_[i] = std::move(content);
}

const Signature* ContentSession::signature(const ZelUrl* page) const {
  const uint32_t i = page->graphIndex();
  return i < signatureAt_.size() && signatureAt_[i] ? &signatures_[signatureAt_[i] - 1] : nullptr;
}

const PageContent* ContentSession::pageContent(const ZelUrl* page) const {
  const uint32_t i = page->graphIndex();
  return i < byIndex_.size() ? byIndex_[i].get() : nullptr;
}

audit::ContentAnalysis* ContentSession::prepare() {
  if (!enabled_) return nullptr;
  if (hub_) hub_->finishPageContentReads();
  analysis_ = std::make_unique<audit::ContentAnalysis>(
      settings_, [this](const ZelUrl* page) { return pageContent(page); },
      [this](const ZelUrl* page) { return signature(page); });
  return analysis_.get();
}

}  // namespace zel::cli
