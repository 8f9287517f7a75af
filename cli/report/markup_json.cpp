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

// A string as the JSON library dumps it: most need no escaping at all.
void appendString(std::string& out, std::string_view s) {
  bool plain = true;
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x80 || c == '"' || c == '\\') {
      plain = false;
      break;
    }
  }
  if (plain) {
    out += '"';
    out += s;
    out += '"';
  } else {
    out += Json(std::string(s)).dump(-1, ' ', false, Json::error_handler_t::replace);
  }
}

void appendKey(std::string& out, const char* key) {
  out += out.size() > 1 ? ",\"" : "\"";
  out += key;
  out += "\":";
}

void appendSpots(std::string& out, const MarkupFacts::Spots& spots, MarkupFacts::SpotKind kind) {
  out += "{\"count\":";
  out += std::to_string(spots.count(kind));
  out += ",\"first\":[";
  bool first = true;
  for (const auto& [k, spot] : spots.kept) {
    if (k != kind) continue;
    out += first ? "[" : ",[";
    first = false;
    appendString(out, spot.what);
    out += ',';
    out += std::to_string(spot.line);
    out += ']';
  }
  out += "]}";
}

}  // namespace

std::string markupJsonText(const MarkupFacts& f) {
  // The keys in the order the library's objects keep them (byte order).
  std::string out = "{";
  auto flag = [&](const char* key, bool on) {
    appendKey(out, key);
    out += on ? "true" : "false";
  };
  auto number = [&](const char* key, uint64_t n) {
    appendKey(out, key);
    out += std::to_string(n);
  };
  auto spots = [&](const char* key, MarkupFacts::SpotKind kind) {
    if (!f.spots || !f.spots->count(kind)) return;
    appendKey(out, key);
    appendSpots(out, *f.spots, kind);
  };
  appendKey(out, "canonicals");
  out += '[';
  for (size_t i = 0; i < f.canonicals.size(); ++i) {
    if (i) out += ',';
    appendString(out, f.canonicals[i]);
  }
  out += ']';
  number("descriptionTags", f.descriptionTags);
  spots("emptyHeadings", MarkupFacts::EmptyHeading);
  spots("emptyLinks", MarkupFacts::EmptyLink);
  spots("imagesWithoutSize", MarkupFacts::ImageWithoutSize);
  spots("insecureForms", MarkupFacts::InsecureForm);
  spots("insecureResources", MarkupFacts::InsecureResource);
  if (f.lang) {
    appendKey(out, "lang");
    appendString(out, *f.lang);
  }
  flag("loremIpsum", f.loremIpsum);
  spots("protocolRelative", MarkupFacts::ProtocolRelative);
  appendKey(out, "robots");
  appendString(out, f.robots);
  flag("robotsInBody", f.robotsInBody);
  spots("skippedHeadingLevels", MarkupFacts::SkippedHeadingLevel);
  number("titleTags", f.titleTags);
  flag("viewport", f.hasViewport);
  // As text: JSON numbers lose 64-bit integers in other readers.
  appendKey(out, "visibleTextHash");
  out += '"';
  out += std::to_string(f.textHash);
  out += "\"}";
  return out;
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
