#include "serve/row_table.h"

#include <algorithm>
#include <cmath>

#include "audit/indexability.h"
#include "platform/text_format.h"
#include "serve/table_layout.h"

namespace zel::cli::serve {

namespace {

constexpr uint32_t kNoSlot = UINT32_MAX;
constexpr int64_t kMaxId = int64_t{1} << 28;  // ids are dense; a bigger one is not a row
constexpr size_t kCachedOrders = 4;

int32_t statusNumber(const std::string& status) {
  if (status.size() < 3 || !std::isdigit(static_cast<unsigned char>(status[0])) ||
      !std::isdigit(static_cast<unsigned char>(status[1])) ||
      !std::isdigit(static_cast<unsigned char>(status[2])))
    return 0;
  if (status.size() > 3 && std::isdigit(static_cast<unsigned char>(status[3]))) return 0;
  return (status[0] - '0') * 100 + (status[1] - '0') * 10 + (status[2] - '0');
}

// Never 0, so that 0 can mean "no text".
uint64_t textHash(std::string_view text) {
  return text.empty() ? 0 : (std::hash<std::string_view>()(text) | 1);
}

bool matchesSearch(const RowTable& t, const TableRow& r, std::string_view needle) {
  return needle.empty() || containsIgnoreCase(t.text(r.url), needle) ||
         containsIgnoreCase(t.text(r.title), needle);
}

// A text column's field; nullptr for the others.
TextArena::Ref TableRow::*textField(const std::string& column) {
  static const std::pair<const char*, TextArena::Ref TableRow::*> kFields[] = {
      {"url", &TableRow::url},
      {"title", &TableRow::title},
      {"description", &TableRow::description},
      {"h1", &TableRow::h1},
      {"canonical", &TableRow::canonical},
      {"redirect", &TableRow::redirect},
      {"robots", &TableRow::robots}};
  for (const auto& [name, field] : kFields)
    if (column == name) return field;
  return nullptr;
}

// A number that orders any other column as it reads (a status by its number,
// then its text); nullptr for a column there is not. `rank` orders the
// interned texts.
std::function<double(const TableRow&)> numberKey(const std::string& column,
                                                 const std::vector<uint32_t>& rank) {
  auto of = [](auto field) { return [field](const TableRow& r) { return double(r.*field); }; };
  if (column == "status")
    return [&rank](const TableRow& r) { return r.statusCode * 1e6 + rank[r.status]; };
  if (column == "type") return [&rank](const TableRow& r) { return double(rank[r.mime]); };
  if (column == "sitemap") return [](const TableRow& r) { return double(r.has(kRowInSitemap)); };
  if (column == "titleLength") return of(&TableRow::titleLength);
  if (column == "descriptionLength") return of(&TableRow::descriptionLength);
  if (column == "h1Count") return of(&TableRow::h1Count);
  if (column == "words") return of(&TableRow::words);
  if (column == "depth") return of(&TableRow::depth);
  if (column == "inlinks") return of(&TableRow::inlinks);
  if (column == "outlinks") return of(&TableRow::outlinks);
  if (column == "size") return of(&TableRow::sizeBytes);
  if (column == "time") return of(&TableRow::responseMs);
  if (column == "hops") return of(&TableRow::hops);
  if (column == "errors") return of(&TableRow::validatorErrors);
  if (column == "warnings") return of(&TableRow::validatorWarnings);
  if (column == "spelling") return of(&TableRow::spelling);
  if (column == "grammar") return of(&TableRow::grammar);
  if (column == "withoutAlt") return of(&TableRow::withoutAlt);
  if (column == "indexability") return of(&TableRow::indexability);
  if (column == "issues") return [](const TableRow& r) { return double(r.issues.count()); };
  return nullptr;
}

// Sorts `order` (row slots) by the key each slot gives; ties keep their order.
template <class Key, class KeyOf>
void sortBy(std::vector<uint32_t>& order, KeyOf keyOf) {
  std::vector<std::pair<Key, uint32_t>> keyed;
  keyed.reserve(order.size());
  for (uint32_t slot : order) keyed.emplace_back(keyOf(slot), slot);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) order[i] = keyed[i].second;
}

}  // namespace

RowTable::RowTable() { reset(SeoThresholds{}); }

void RowTable::reset(const SeoThresholds& thresholds) {
  std::unique_lock lock(mutex_);
  thresholds_ = thresholds;
  arena_.clear();
  rows_.clear();
  rows_.shrink_to_fit();
  slotOfId_.clear();
  slotOfId_.shrink_to_fit();
  count_ = 0;
  pool_.assign(1, std::string());
  poolIndex_.clear();
  poolIndex_.emplace(std::string(), 0);
  counts_.clear();
  for (const TabDef& tab : windowTabs()) counts_.emplace_back(tab.filters.size(), 0);
  titles_.clear();
  descriptions_.clear();
  depths_.fill(0);
  ++version_;
  std::lock_guard cacheLock(cacheMutex_);
  cache_.clear();
}

void RowTable::update(const std::function<void(Batch&)>& fill) {
  std::unique_lock lock(mutex_);
  Batch batch(*this);
  fill(batch);
  ++version_;
}

uint32_t RowTable::intern(const std::string& text) {
  if (auto it = poolIndex_.find(text); it != poolIndex_.end()) return it->second;
  poolIndex_.emplace(text, static_cast<uint32_t>(pool_.size()));
  pool_.push_back(text);
  return static_cast<uint32_t>(pool_.size() - 1);
}

void RowTable::put(const RowFacts& f) {
  if (f.id < 0 || f.id >= kMaxId) return;
  TableRow row;
  row.id = f.id;
  row.url = arena_.add(f.url);
  row.title = arena_.add(f.title);
  row.description = arena_.add(f.description);
  row.h1 = arena_.add(f.h1);
  row.canonical = arena_.add(f.canonical);
  row.redirect = arena_.add(f.redirect);
  row.robots = arena_.add(f.robots);
  row.status = intern(f.status);
  row.mime = intern(f.mime);
  row.statusCode = statusNumber(f.status);
  row.depth = f.depth;
  row.inlinks = f.inlinks;
  row.outlinks = f.outlinks;
  row.h1Count = f.h1Count;
  row.hops = f.hops;
  row.withoutAlt = f.withoutAlt;
  row.titleLength = static_cast<int32_t>(utf8Length(f.title));
  row.descriptionLength = static_cast<int32_t>(utf8Length(f.description));
  row.validatorErrors = f.validatorErrors;
  row.validatorWarnings = f.validatorWarnings;
  row.spelling = f.spelling;
  row.grammar = f.grammar;
  row.sizeBytes = f.sizeBytes;
  row.words = f.words;
  row.responseMs = static_cast<float>(std::round(f.responseSeconds * 1000));
  row.flags = f.flags & 0xFFFFF;
  row.issues = f.issues;
  row.indexability = f.indexability;
  if (row.has(kRowPage)) {
    // The SEO summary's tests, with the crawl's thresholds.
    if (row.titleLength > thresholds_.titleMax) row.flags |= kRowTitleLong;
    if (!f.description.empty() && row.descriptionLength > thresholds_.descriptionMax)
      row.flags |= kRowDescriptionLong;
    if (!f.description.empty() && row.descriptionLength < thresholds_.descriptionMin)
      row.flags |= kRowDescriptionShort;
    if (f.words < thresholds_.thinWords) row.flags |= kRowThin;
    row.titleHash = textHash(f.title);
    row.descriptionHash = textHash(f.description);
  }
  const auto id = static_cast<size_t>(f.id);
  if (id >= slotOfId_.size()) slotOfId_.resize(std::max(id + 1, slotOfId_.size() * 3 / 2), kNoSlot);
  uint32_t& slot = slotOfId_[id];
  if (slot != kNoSlot) {
    count(rows_[slot], -1);
    rows_[slot] = row;
  } else {
    slot = static_cast<uint32_t>(rows_.size());
    rows_.push_back(row);
    ++count_;
  }
  count(rows_[slot], +1);
}

void RowTable::count(const TableRow& row, int delta) {
  const auto& tabs = windowTabs();
  for (size_t t = 0; t < tabs.size(); ++t)
    for (size_t f = 0; f < tabs[t].filters.size(); ++f)
      if (!tabs[t].filters[f].grouped && tabs[t].filters[f].matches(row, *this))
        counts_[t][f] += delta;
  titles_.add(row.titleHash, delta);
  descriptions_.add(row.descriptionHash, delta);
  if (row.has(kRowInternal)) depths_[std::clamp(row.depth, 0, 11)] += delta;
}

bool RowTable::titleShared(const TableRow& row) const { return titles_.count(row.titleHash) > 1; }

bool RowTable::descriptionShared(const TableRow& row) const {
  return descriptions_.count(row.descriptionHash) > 1;
}

Status RowTable::orderFor(const Query& q, Order& out) const {
  const TabDef* tab = findTab(q.tab);
  if (!tab) return Status::Error("no tab \"" + q.tab + "\"");
  const FilterDef* filter = findFilter(*tab, q.filter);
  if (!filter) return Status::Error("no filter \"" + q.filter + "\" in " + q.tab);
  std::vector<uint32_t> rank(pool_.size());
  TextArena::Ref TableRow::*text = q.sort.empty() ? nullptr : textField(q.sort);
  std::function<double(const TableRow&)> number;
  if (!q.sort.empty() && !text && !(number = numberKey(q.sort, rank)))
    return Status::Error("no column \"" + q.sort + "\"");
  const std::string key = q.tab + '\x1f' + filter->id + '\x1f' + q.search + '\x1f' + q.sort +
                          (q.descending ? "\x1f-" : "\x1f+") + std::to_string(version_);
  {
    std::lock_guard lock(cacheMutex_);
    for (auto it = cache_.begin(); it != cache_.end(); ++it)
      if (it->key == key) {
        cache_.splice(cache_.begin(), cache_, it);
        out = it->order;
        return Status::Ok();
      }
  }
  auto order = std::make_shared<std::vector<uint32_t>>();
  for (uint32_t slot = 0; slot < rows_.size(); ++slot) {
    const TableRow& r = rows_[slot];
    if (filter->matches(r, *this) && matchesSearch(*this, r, q.search)) order->push_back(slot);
  }
  if (text) {
    sortBy<std::string_view>(*order, [&](uint32_t slot) { return arena_.view(rows_[slot].*text); });
  } else if (number) {
    std::vector<uint32_t> byText(pool_.size());
    for (uint32_t i = 0; i < byText.size(); ++i) byText[i] = i;
    std::sort(byText.begin(), byText.end(),
              [&](uint32_t a, uint32_t b) { return pool_[a] < pool_[b]; });
    for (uint32_t i = 0; i < byText.size(); ++i) rank[byText[i]] = i;
    sortBy<double>(*order, [&](uint32_t slot) { return number(rows_[slot]); });
  }
  if (q.descending) std::reverse(order->begin(), order->end());
  out = order;
  std::lock_guard lock(cacheMutex_);
  cache_.push_front({key, out});
  if (cache_.size() > kCachedOrders) cache_.pop_back();
  return Status::Ok();
}

Json RowTable::cellsOf(const TableRow& r, const std::vector<const char*>& columns) const {
  Json cells = Json::array();
  for (std::string_view c : columns) {
    if (c == "url")
      cells.push_back(text(r.url));
    else if (c == "status")
      cells.push_back(pooled(r.status));
    else if (c == "type")
      cells.push_back(pooled(r.mime));
    else if (c == "title")
      cells.push_back(text(r.title));
    else if (c == "titleLength")
      cells.push_back(r.titleLength);
    else if (c == "description")
      cells.push_back(text(r.description));
    else if (c == "descriptionLength")
      cells.push_back(r.descriptionLength);
    else if (c == "h1")
      cells.push_back(text(r.h1));
    else if (c == "h1Count")
      cells.push_back(r.h1Count);
    else if (c == "words")
      cells.push_back(r.words);
    else if (c == "depth")
      cells.push_back(r.depth);
    else if (c == "inlinks")
      cells.push_back(r.inlinks);
    else if (c == "outlinks")
      cells.push_back(r.outlinks);
    else if (c == "size")
      cells.push_back(r.sizeBytes);
    else if (c == "time")
      cells.push_back(r.responseMs);
    else if (c == "redirect")
      cells.push_back(text(r.redirect));
    else if (c == "hops")
      cells.push_back(r.hops);
    else if (c == "canonical")
      cells.push_back(text(r.canonical));
    else if (c == "robots")
      cells.push_back(text(r.robots));
    else if (c == "errors")
      cells.push_back(r.validatorErrors);
    else if (c == "warnings")
      cells.push_back(r.validatorWarnings);
    else if (c == "spelling")
      cells.push_back(r.spelling);
    else if (c == "grammar")
      cells.push_back(r.grammar);
    else if (c == "sitemap")
      cells.push_back(r.has(kRowInSitemap) ? "yes" : "no");
    else if (c == "withoutAlt")
      cells.push_back(r.withoutAlt);
    else if (c == "indexability")
      cells.push_back(r.indexability ? std::string(audit::indexabilityName(
                                           static_cast<audit::Indexability>(r.indexability - 1)))
                                     : std::string());
    else if (c == "issues")
      cells.push_back(r.issues.count());
    else
      cells.push_back(nullptr);
  }
  return cells;
}

Status RowTable::page(const Query& q, Json& out) const {
  std::shared_lock lock(mutex_);
  Order order;
  if (Status s = orderFor(q, order); !s.ok()) return s;
  const auto total = static_cast<int64_t>(order->size());
  const int64_t offset = std::clamp<int64_t>(q.offset, 0, total);
  const int64_t end = std::min(total, offset + std::clamp<int64_t>(q.limit, 0, 1000));
  const TabDef& tab = *findTab(q.tab);
  Json rows = Json::array();
  for (int64_t i = offset; i < end; ++i) {
    const TableRow& r = rows_[(*order)[static_cast<size_t>(i)]];
    rows.push_back({{"id", r.id}, {"bad", r.has(kRowBad)}, {"cells", cellsOf(r, tab.columns)}});
  }
  out = {{"total", total}, {"offset", offset}, {"rows", std::move(rows)}, {"version", version_}};
  return Status::Ok();
}

std::optional<int64_t> RowTable::positionOf(const Query& q, int64_t id) const {
  std::shared_lock lock(mutex_);
  if (id < 0 || static_cast<size_t>(id) >= slotOfId_.size() || slotOfId_[id] == kNoSlot)
    return std::nullopt;
  Order order;
  if (!orderFor(q, order).ok()) return std::nullopt;
  auto it = std::find(order->begin(), order->end(), slotOfId_[id]);
  if (it == order->end()) return std::nullopt;
  return it - order->begin();
}

Json RowTable::counts() const {
  std::shared_lock lock(mutex_);
  Json filters = Json::object();
  const auto& tabs = windowTabs();
  for (size_t t = 0; t < tabs.size(); ++t) {
    Json& tab = filters[tabs[t].id];
    for (size_t f = 0; f < tabs[t].filters.size(); ++f) {
      const FilterDef& def = tabs[t].filters[f];
      const std::string_view id = def.id;
      tab[def.id] = !def.grouped        ? counts_[t][f]
                    : id == "dup-title" ? titles_.shared()
                                        : descriptions_.shared();
    }
  }
  return {{"filters", filters}, {"depths", depths_}, {"rows", count_}};
}

std::optional<std::string> RowTable::urlOf(int64_t id) const {
  std::shared_lock lock(mutex_);
  if (id < 0 || static_cast<size_t>(id) >= slotOfId_.size() || slotOfId_[id] == kNoSlot)
    return std::nullopt;
  return std::string(text(rows_[slotOfId_[id]].url));
}

int64_t RowTable::size() const {
  std::shared_lock lock(mutex_);
  return static_cast<int64_t>(count_);
}

uint64_t RowTable::version() const {
  std::shared_lock lock(mutex_);
  return version_;
}

}  // namespace zel::cli::serve
