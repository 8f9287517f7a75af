#include "report/markup_json.h"

#include "audit_session.h"
#include "engine/zel_hub.h"
#include "report/database_loader.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

using Spots = MarkupFacts::Spots;

// The spot lists with their counts, by the keys the JSON uses.
struct SpotField {
  const char* key;
  uint32_t Spots::*count;
  std::vector<MarkupSpot> Spots::*list;
};
constexpr SpotField kSpotFields[] = {
    {"emptyHeadings", &Spots::emptyHeadings, &Spots::emptyHeading},
    {"skippedHeadingLevels", &Spots::skippedHeadingLevels, &Spots::skippedHeadingLevel},
    {"imagesWithoutSize", &Spots::imagesWithoutSize, &Spots::imageWithoutSize},
    {"emptyLinks", &Spots::emptyLinks, &Spots::emptyLink},
    {"insecureResources", &Spots::insecureResources, &Spots::insecureResource},
    {"insecureForms", &Spots::insecureForms, &Spots::insecureForm},
    {"protocolRelative", &Spots::protocolRelative, &Spots::protocolRelativeAddress},
};

template <class T>
bool read(const Json& j, const char* key, T& into) {
  auto it = j.find(key);
  if (it == j.end()) return true;
  try {
    into = it->get<T>();
    return true;
  } catch (const Json::exception&) {
    return false;
  }
}

}  // namespace

Json markupToJson(const MarkupFacts& f) {
  Json j = {{"titleTags", f.titleTags},
            {"descriptionTags", f.descriptionTags},
            {"viewport", f.hasViewport},
            {"robots", f.robots},
            {"robotsInBody", f.robotsInBody},
            {"canonicals", f.canonicals},
            // As text: JSON numbers lose 64-bit integers in other readers.
            {"textHash", std::to_string(f.textHash)},
            {"loremIpsum", f.loremIpsum}};
  if (f.lang) j["lang"] = *f.lang;
  if (f.spots) {
    for (const SpotField& s : kSpotFields) {
      const uint32_t count = (*f.spots).*s.count;
      if (!count) continue;
      Json spots = Json::array();
      for (const MarkupSpot& spot : (*f.spots).*s.list) spots.push_back({spot.what, spot.line});
      j[s.key] = {{"count", count}, {"first", std::move(spots)}};
    }
  }
  return j;
}

std::optional<MarkupFacts> markupFromJson(const Json& j) {
  if (!j.is_object()) return std::nullopt;
  MarkupFacts f;
  std::string hash;
  bool ok = read(j, "titleTags", f.titleTags) && read(j, "descriptionTags", f.descriptionTags) &&
            read(j, "viewport", f.hasViewport) && read(j, "robots", f.robots) &&
            read(j, "robotsInBody", f.robotsInBody) && read(j, "canonicals", f.canonicals) &&
            read(j, "textHash", hash) && read(j, "loremIpsum", f.loremIpsum);
  if (!ok) return std::nullopt;
  f.textHash = std::strtoull(hash.c_str(), nullptr, 10);
  if (auto lang = j.find("lang"); lang != j.end() && lang->is_string())
    f.lang = lang->get<std::string>();
  for (const SpotField& s : kSpotFields) {
    auto it = j.find(s.key);
    if (it == j.end()) continue;
    if (!it->is_object()) return std::nullopt;
    if (!f.spots) f.spots = std::make_unique<Spots>();
    uint32_t count = 0;
    std::vector<std::pair<std::string, int>> first;
    if (!read(*it, "count", count) || !read(*it, "first", first)) return std::nullopt;
    (*f.spots).*s.count = count;
    for (auto& [what, line] : first)
      if (((*f.spots).*s.list).size() < MarkupFacts::kMaxSpots)
        ((*f.spots).*s.list).push_back(MarkupSpot{std::move(what), line});
  }
  return f;
}

Status loadSavedMarkup(SavedCrawl& saved, const ZelHub& hub, AuditSession& audit) {
  if (saved.schemaVersion < kFirstAuditSchemaVersion || !audit.enabled()) return Status::Ok();
  const auto& records = hub.getLinksCollection();
  Status error;
  SqliteStatement st =
      saved.db.prepare("SELECT url_id, facts FROM page_markup ORDER BY url_id", &error);
  if (!st.ok()) return error;
  while (st.step(&error)) {
    const int64_t id = st.columnInt(0);
    auto facts = markupFromJson(Json::parse(st.columnText(1), nullptr, false));
    if (id < 0 || static_cast<size_t>(id) >= records.size() || !facts)
      return Status::Error(saved.path +
                           " is not a usable crawl database: a page's markup facts "
                           "cannot be read");
    audit.setMarkup(records[static_cast<size_t>(id)], std::move(*facts));
  }
  return error;
}

}  // namespace zel::cli
