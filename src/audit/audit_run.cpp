#include "audit/audit_run.h"

#include <pthread.h>

#include <algorithm>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_set>

#include "audit/content_analysis.h"
#include "audit/content_checks.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "seo/zel_seo_manager.h"
#include "url/zel_link_graph.h"
#include "url/zel_link_instance.h"
#include "url/zel_url.h"

namespace zel::audit {

static_assert(MarkupFacts::kSpotKinds <= 8, "a bit a kind in MarkupBrief::spots");

struct AuditRun::Shared {
  std::vector<ZelUrl*> pages, sitePages;
  std::vector<uint8_t> targetKinds;  // by graph index, filled by classify
  std::vector<MarkupBrief> briefs;   // by graph index, filled by classify
  // By graph index: bit 31 any inbound link that is not a resource's, bit 30 a
  // followed link to a page, the rest the number of links to a page.
  std::vector<uint32_t> inlinks;
  std::once_flag inlinksRead;
  std::vector<AddressSlot> byAddress;
  std::once_flag addressesKnown;  // made when first needed: many sites never need it
};

AuditRun::AuditRun(const AuditInput& input, SiteAudit& out)
    : shared_(std::make_shared<Shared>()),
      in(input),
      limits(out.limits_),
      pages(shared_->pages),
      sitePages(shared_->sitePages),
      out_(out),
      sink_(out) {
  httpsSite = startsWith(input.startingUrl, "https://");
}

AuditRun::AuditRun(const AuditRun& main, SiteAudit& sink)
    : shared_(main.shared_),
      in(main.in),
      limits(main.limits),
      pages(shared_->pages),
      sitePages(shared_->sitePages),
      httpsSite(main.httpsSite),
      out_(main.out_),
      sink_(sink) {}

AuditRun::~AuditRun() = default;

std::string_view AuditRun::keyOf(uint32_t key) const {
  const ZelUrl* r = (*in.records)[key / 2];
  return (key & 1) ? r->getActualurl() : r->getLinkUrl();
}

void AuditRun::indexAddresses() const {
  const std::vector<ZelUrl*>& records = *in.records;
  const auto fetchedElsewhere = [&](uint32_t k) {
    return records[k]->getActualurl() != records[k]->getLinkUrl();
  };
  size_t keys = records.size();
  for (uint32_t k = 0; k < records.size(); ++k) keys += fetchedElsewhere(k);
  size_t size = 16;
  while (size < keys + keys / 2) size *= 2;  // at most 2/3 full
  std::vector<AddressSlot>& slots = shared_->byAddress;
  slots.assign(size, AddressSlot());
  const size_t mask = size - 1;
  for (uint32_t k = 0; k < records.size() * 2; ++k) {
    if ((k & 1) && !fetchedElsewhere(k / 2)) continue;
    const std::string_view key = keyOf(k);
    const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(key));
    size_t at = hash & mask;
    while (slots[at].key != kFree && (slots[at].hash != hash || keyOf(slots[at].key) != key))
      at = (at + 1) & mask;
    if (slots[at].key == kFree) slots[at] = AddressSlot{hash, k};  // the first keeps it
  }
}

ZelUrl* AuditRun::lookUp(std::string_view address) const {
  const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(address));
  const std::vector<AddressSlot>& slots = shared_->byAddress;
  const size_t mask = slots.size() - 1;
  for (size_t at = hash & mask; slots[at].key != kFree; at = (at + 1) & mask)
    if (slots[at].hash == hash && keyOf(slots[at].key) == address)
      return (*in.records)[slots[at].key / 2];
  return nullptr;
}

ZelUrl* AuditRun::find(std::string_view address) const {
  if (!in.records) return nullptr;
  std::call_once(shared_->addressesKnown, [this] { indexAddresses(); });
  address = address.substr(0, address.find('#'));
  if (address.empty()) return nullptr;
  if (ZelUrl* r = lookUp(address)) return r;
  // Records may keep an address without its trailing "/" (shouldIgnoreSlash).
  if (address.back() == '/') return lookUp(address.substr(0, address.size() - 1));
  return lookUp(std::string(address) + "/");
}

const MarkupFacts* AuditRun::markup(const ZelUrl* r) const {
  return in.markupOf ? in.markupOf(r) : nullptr;
}

const AuditRun::MarkupBrief* AuditRun::brief(const ZelUrl* r) const {
  const std::vector<MarkupBrief>& briefs = shared_->briefs;
  const uint32_t i = r->graphIndex();
  return i < briefs.size() && briefs[i].has ? &briefs[i] : nullptr;
}

AuditRun::MarkupBrief AuditRun::MarkupBrief::of(const MarkupFacts& m) {
  MarkupBrief b;
  b.textHash = m.textHash;
  b.titleTags = static_cast<uint8_t>(std::min<uint16_t>(m.titleTags, 255));
  b.descriptionTags = static_cast<uint8_t>(std::min<uint16_t>(m.descriptionTags, 255));
  for (size_t k = 0; k < MarkupFacts::kSpotKinds; ++k)
    if (spotCount(&m, static_cast<MarkupFacts::SpotKind>(k))) b.spots |= 1u << k;
  b.has = kFacts | (m.hasViewport ? kViewport : 0) |
          (m.lang && !trimWhitespace(*m.lang).empty() ? kLang : 0) |
          (!m.robots.empty() ? kRobots : 0) | (m.robotsInBody ? kRobotsInBody : 0) |
          (m.loremIpsum ? kLorem : 0) | (!m.canonicals.empty() ? kCanonicals : 0);
  return b;
}

const MarkupFacts* AuditRun::markupWithSpots(const ZelUrl* r, uint8_t kind) const {
  if (const MarkupBrief* b = brief(r); b && !b->hasSpot(kind)) return nullptr;
  const MarkupFacts* m = markup(r);
  return spotCount(m, static_cast<MarkupFacts::SpotKind>(kind)) ? m : nullptr;
}

ResponseHeaders AuditRun::headers(const ZelUrl* r) const {
  return in.headersOf ? in.headersOf(r) : ResponseHeaders();
}

std::vector<std::string> AuditRun::headerValues(const ZelUrl* r, std::string_view name) const {
  std::vector<std::string> values;
  if (const HeaderList* list = headers(r).list)
    for (const auto& [n, v] : *list)
      if (equalsIgnoreCase(n, name)) values.push_back(v);
  return values;
}

std::optional<Indexability> AuditRun::verdict(const ZelUrl* r) const {
  return out_.indexability(r);
}

bool AuditRun::headerSaysNoindex(const ZelUrl* r) const {
  for (const std::string& v : headerValues(r, "X-Robots-Tag"))
    if (hasRobotsWord(v, "noindex") || hasRobotsWord(v, "none")) return true;
  return false;
}

bool AuditRun::isNoindex(const ZelUrl* r) const {
  if (r->getHeadContainsNoIndex() || headerSaysNoindex(r)) return true;
  if (const MarkupBrief* b = brief(r); b && !(b->has & MarkupBrief::kRobots)) return false;
  const MarkupFacts* m = markup(r);
  return m && hasRobotsWord(m->robots, "none");
}

void AuditRun::add(Issue issue, const ZelUrl* r, std::string detail) {
  Finding f;
  f.record = r;
  f.textLength = static_cast<uint32_t>(detail.size());
  constexpr size_t kShortText = 40, kMostShared = 4096;
  if (detail.size() <= kShortText && r) {
    if (auto it = sharedTexts_.find(detail); it != sharedTexts_.end()) {
      f.textAt = it->second;
      sink_.byIssue_[static_cast<size_t>(issue)].push_back(f);
      return;
    }
  }
  f.textAt = static_cast<uint32_t>(sink_.texts_.size());
  sink_.texts_.append(detail.data(), detail.size());
  if (detail.size() <= kShortText && r && sharedTexts_.size() < kMostShared)
    sharedTexts_.emplace(std::move(detail), f.textAt);
  sink_.byIssue_[static_cast<size_t>(issue)].push_back(f);
}

void AuditRun::addAddress(Issue issue, std::string url, std::string detail) {
  if (const ZelUrl* r = find(url)) return add(issue, r, std::move(detail));
  add(issue, nullptr, url.append(1, '\0').append(detail));
}

namespace {
// Counts one inbound link into `in`; its page-link count stops at `most`.
void countInlink(const ZelLinkInstance& i, AuditRun::Inlinks& in, uint32_t most) {
  if (isResourceLink(i)) return;
  in.any = true;
  if (isCanonicalLink(i)) return;
  in.followedPageLink |= !i.nf();
  if (in.pageLinks < most) ++in.pageLinks;
}
constexpr uint32_t kAny = 1u << 31, kFollowed = 1u << 30, kCount = kFollowed - 1;
}  // namespace

void AuditRun::readInlinks() const {
  if (!in.graph) return;
  std::vector<uint32_t>& counts = shared_->inlinks;
  counts.assign(in.graph->recordCount(), 0);
  // In the order made: the links of a page lie together, where a record's inbound
  // chain jumps across the whole graph.
  for (uint32_t k = 0; k < in.graph->instanceCount(); ++k) {
    const ZelLinkInstance* i = in.graph->instance(k);
    if (!i->inInboundList() || i->targetIndex() >= counts.size()) continue;
    uint32_t& bits = counts[i->targetIndex()];
    Inlinks seen{(bits & kAny) != 0, (bits & kFollowed) != 0, bits & kCount};
    countInlink(*i, seen, kCount);
    bits = (seen.any ? kAny : 0) | (seen.followedPageLink ? kFollowed : 0) | seen.pageLinks;
  }
}

AuditRun::Inlinks AuditRun::inlinks(const ZelUrl* r) const {
  std::call_once(shared_->inlinksRead, [this] { readInlinks(); });
  Inlinks out;
  if (in.graph) {
    const std::vector<uint32_t>& counts = shared_->inlinks;
    const uint32_t bits = r->graphIndex() < counts.size() ? counts[r->graphIndex()] : 0;
    return Inlinks{(bits & kAny) != 0, (bits & kFollowed) != 0, bits & kCount};
  }
  for (const ZelLinkInstance* i : r->getInboundInstances()) countInlink(*i, out, UINT32_MAX);
  return out;
}

uint8_t AuditRun::kindOf(const ZelUrl& r) {
  return kTarget | (r.isInternal() ? kInternalTarget : 0) |
         (r.getRedirectCount() > 0 ? kRedirectedTarget : 0) |
         (r.getIsImage() || r.getIsAudio() || r.getIsVideo() ? kMediaTarget : 0);
}

uint8_t AuditRun::targetKind(const ZelLinkInstance& i) const {
  const uint32_t t = i.targetIndex();
  const std::vector<uint8_t>& kinds = shared_->targetKinds;
  if (t < kinds.size() && kinds[t]) return kinds[t];
  const ZelUrl* r = i.target();  // a record the run was not given
  return r ? kindOf(*r) : 0;
}

bool AuditRun::isSitePage(const ZelUrl& r) const {
  switch (sitePageByRecord(r)) {
    case SitePageByRecord::No: return false;
    case SitePageByRecord::Yes: return true;
    case SitePageByRecord::ByInlinks: break;
  }
  return inlinks(&r).any;
}

// Which records are pages of the site, and each page's verdict in the order of
// its reasons.
void AuditRun::classify() {
  std::vector<const ZelUrl*> seoPages;
  if (in.seo) seoPages.assign(in.seo->getCollection().begin(), in.seo->getCollection().end());
  std::sort(seoPages.begin(), seoPages.end());
  std::vector<uint8_t>& kinds = shared_->targetKinds;
  std::vector<MarkupBrief>& briefs = shared_->briefs;
  for (ZelUrl* r : *in.records) {
    if (r->graphIndex() >= kinds.size())
      kinds.resize(std::max<size_t>(r->graphIndex() + 1, in.records->size()), 0);
    kinds[r->graphIndex()] = kindOf(*r);
    const bool html = r->getIsHTML() && !r->getIsPDF();
    if (!isSitePage(*r) && !(html && std::binary_search(seoPages.begin(), seoPages.end(), r))) {
      if (r->getIsPDF() && headerSaysNoindex(r)) out_.pdfsKeptOut_.insert(r);
      continue;
    }
    if (const MarkupFacts* m = markup(r)) {
      if (r->graphIndex() >= briefs.size())
        briefs.resize(std::max<size_t>(r->graphIndex() + 1, in.records->size()));
      briefs[r->graphIndex()] = MarkupBrief::of(*m);
    }
    const int code = statusCode(*r);
    Indexability v = Indexability::Indexable;
    if (r->isDisallowed())
      v = Indexability::BlockedByRobotsTxt;
    else if (code == 0)
      v = Indexability::NoResponse;
    else if (code != 200 || isSoft404(*r))
      v = Indexability::Not200;
    else if (r->getRedirectCount() > 0)
      v = Indexability::Redirected;
    else if (isNoindex(r))
      v = Indexability::Noindex;
    else if (!r->canonicalMatchesUrl())
      v = Indexability::Canonicalised;
    std::vector<uint8_t>& verdicts = out_.verdicts_;
    if (r->graphIndex() >= verdicts.size())
      verdicts.resize(std::max<size_t>(r->graphIndex() + 1, in.records->size()), 0);
    verdicts[r->graphIndex()] = static_cast<uint8_t>(v) + 1;
    ++out_.pageCount_;
    if (v == Indexability::Indexable) ++out_.indexable_;
    sitePages.push_back(r);
    if (code == 200 && !isSoft404(*r) && r->getRedirectCount() == 0) pages.push_back(r);
  }
  // Kept to the audit's end, past its peak: without the room their growth left.
  sitePages.shrink_to_fit();
  pages.shrink_to_fit();
}

void AuditRun::takeFindings(SiteAudit& other) {
  const auto base = static_cast<uint32_t>(out_.texts_.size());
  out_.texts_.append(other.texts_.data(), other.texts_.size());
  other.texts_ = SpillArray<char>();
  for (size_t issue = 0; issue < other.byIssue_.size(); ++issue) {
    SpillArray<Finding>& from = other.byIssue_[issue];
    if (from.empty()) continue;
    if (base > 0)
      for (Finding& f : from) f.textAt += base;
    SpillArray<Finding>& to = out_.byIssue_[issue];
    if (to.empty()) {
      to = std::move(from);  // most types come from one group: moved, not copied
    } else {
      to.append(from.data(), from.size());
      from = SpillArray<Finding>();
    }
  }
}

void AuditRun::runAll() {
  if (!in.records) return;
  classify();
  // Before the findings grow: its link graph is the audit's biggest passing need.
  if (in.content && in.content->settings().analyses) scoreLinks(*this, *in.content);
  // The checks read the classified site and change nothing of it: the later
  // groups (about half of the work, measured) run on a second thread into a findings list of their
  // own, added after this thread's, so that each type's findings keep the order one thread would
  // give them. What records work out on first use and keep is either known by now (their types,
  // asked by classify) or asked by one of the two only (h1 counts by the first, link counts by the
  // second).
  SiteAudit sideFindings;
  AuditRun side(*this, sideFindings);
  auto laterGroups = [&side] {
    pthread_setname_np(pthread_self(), "zel-audit");  // for profilers and top -H
    checkContent(side);
    checkImages(side);
    checkLinks(side);
    checkDirectives(side);
    checkCanonicals(side);
    checkHreflang(side);
    checkSitemaps(side);
    checkSecurity(side);
    if (side.in.renderedOf) checkRenderedPages(side);
    if (side.in.content) checkContentAnalyses(side, *side.in.content);
  };
  std::thread second;
  try {
    second = std::thread(laterGroups);
  } catch (const std::system_error&) {  // no thread to be had: one after the other
  }
  checkStatuses(*this);
  checkAddresses(*this);
  checkTitlesAndDescriptions(*this);
  checkHeadings(*this);
  if (second.joinable())
    second.join();
  else
    laterGroups();
  takeFindings(sideFindings);

  // One finding per type and address, records in the order the crawl made them.
  std::unordered_set<std::string> seenUrls;  // addresses without a record: few
  std::vector<SiteAudit::RecordIssues>& byRecord = out_.byRecord_;
  uint32_t most = 0;
  for (const ZelUrl* r : *in.records) most = std::max(most, r->graphIndex());
  std::vector<int32_t> slotOf(static_cast<size_t>(most) + 1, -1);  // graph index -> byRecord
  const auto counted = [&](const Finding& f) {
    return f.record && f.record->graphIndex() <= most ? &slotOf[f.record->graphIndex()] : nullptr;
  };
  // First each type's findings are put in order and made unique, and the
  // records with any are counted: the list is then made at its size at once (on
  // a million-page site, growing it and then trimming it held three times its
  // size at the audit's peak).
  size_t withIssues = 0;
  for (SpillArray<Finding>& f : out_.byIssue_) {
    const auto inCrawlOrder = [](const Finding& a, const Finding& b) {
      if (!a.record || !b.record) return a.record && !b.record;
      return a.record->graphIndex() < b.record->graphIndex();
    };
    // Most checks add their findings page by page in crawl order already.
    if (!std::is_sorted(f.begin(), f.end(), inCrawlOrder))
      std::stable_sort(f.begin(), f.end(), inCrawlOrder);
    seenUrls.clear();
    size_t kept = 0;
    for (size_t i = 0; i < f.size(); ++i) {
      const bool fresh = f[i].record ? kept == 0 || f[kept - 1].record != f[i].record
                                     : seenUrls.insert(out_.address(f[i])).second;
      if (!fresh) continue;
      f[kept++] = f[i];
      if (int32_t* slot = counted(f[i]); slot && *slot == -1) {
        *slot = -2;
        ++withIssues;
      }
    }
    f.shrinkTo(kept);
  }
  byRecord.reserve(withIssues);
  for (size_t issue = 0; issue < out_.byIssue_.size(); ++issue)
    for (const Finding& f : out_.byIssue_[issue]) {
      int32_t* slot = counted(f);
      if (!slot) continue;
      if (*slot < 0) {
        *slot = static_cast<int32_t>(byRecord.size());
        byRecord.push_back({f.record, {}});
      }
      byRecord[static_cast<size_t>(*slot)].issues.set(issue);
    }
  out_.texts_.shrinkTo(out_.texts_.size());
  std::sort(byRecord.begin(), byRecord.end(), [](const auto& a, const auto& b) {
    return std::less<const ZelUrl*>()(a.record, b.record);
  });
}

}  // namespace zel::audit
