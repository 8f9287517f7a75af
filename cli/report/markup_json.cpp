#include "report/markup_json.h"

#include <algorithm>

#include "audit_session.h"
#include "engine/zel_hub.h"
#include "report/database_loader.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

// The keys of the spot kinds, in the order of MarkupFacts::SpotKind.
constexpr const char* kSpotKeys[MarkupFacts::kSpotKinds] = {
    "emptyHeadings",     "skippedHeadingLevels", "imagesWithoutSize", "emptyLinks",
    "insecureResources", "insecureForms",        "protocolRelative"};

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
            {"visibleTextHash", std::to_string(f.textHash)},
            {"loremIpsum", f.loremIpsum}};
  if (f.lang) j["lang"] = *f.lang;
  if (f.spots) {
    for (int k = 0; k < MarkupFacts::kSpotKinds; ++k) {
      const auto kind = static_cast<MarkupFacts::SpotKind>(k);
      if (!f.spots->count(kind)) continue;
      Json spots = Json::array();
      for (const MarkupSpot& spot : f.spots->first(kind)) spots.push_back({spot.what, spot.line});
      j[kSpotKeys[k]] = {{"count", f.spots->count(kind)}, {"first", std::move(spots)}};
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
            // "textHash": an older zelmora's hash, made another way; its pages
            // compare among themselves.
            read(j, j.contains("visibleTextHash") ? "visibleTextHash" : "textHash", hash) &&
            read(j, "loremIpsum", f.loremIpsum);
  if (!ok) return std::nullopt;
  f.textHash = std::strtoull(hash.c_str(), nullptr, 10);
  if (auto lang = j.find("lang"); lang != j.end() && lang->is_string())
    f.lang = lang->get<std::string>();
  for (int k = 0; k < MarkupFacts::kSpotKinds; ++k) {
    auto it = j.find(kSpotKeys[k]);
    if (it == j.end()) continue;
    if (!it->is_object()) return std::nullopt;
    if (!f.spots) f.spots = std::make_unique<MarkupFacts::Spots>();
    uint32_t count = 0;
    std::vector<std::pair<std::string, int>> first;
    if (!read(*it, "count", count) || !read(*it, "first", first)) return std::nullopt;
    const auto kind = static_cast<MarkupFacts::SpotKind>(k);
    for (auto& [what, line] : first) f.spots->add(kind, MarkupSpot{std::move(what), line});
    f.spots->counts[k] = std::max(count, f.spots->counts[k]);
  }
  return f;
}

Status loadSavedMarkup(SavedCrawl& saved, const ZelHub& hub, AuditSession& audit) {
  if (saved.schemaVersion < kFirstAuditSchemaVersion || !audit.enabled() ||
      !hasTable(saved.db, "page_markup"))
    return Status::Ok();
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
