// The hub's records, link instances, look-up tables and counters.
#include <algorithm>

#include "engine/zel_hub.h"
#include "engine/content_reads.h"
#include "engine/page_scan.h"
#include "platform/work_pool.h"
#include "platform/text_format.h"
#include "seo/output_filter_manager.h"

namespace zel {

namespace {
// The engine's identifier for UTF-8 (shared with the page parser's encodings).
constexpr uint64_t kUTF8Encoding = 4;
}  // namespace

ZelHub::ZelHub(std::string startingUrl, const Platform& platform)
    : platform_(platform),
      startingUrl_(std::move(startingUrl)),
      seoManager_(std::make_unique<ZelSEOManager>(*platform.defaults, *platform.log,
                                                   platform.localizer)),
      archiveStore_(std::make_unique<ArchiveStore>(platform)) {}

ZelHub::~ZelHub() = default;

void ZelHub::setPageContentReader(std::shared_ptr<const PageContentReader> reader,
                                  PageContentReceiver receiver) {
  finishPageContentReads();
  contentReads_.reset();
  contentReader_ = std::move(reader);
  contentReceiver_ = std::move(receiver);
}

void ZelHub::finishPageContentReads() {
  if (contentReads_) contentReads_->finish();
}

void ZelHub::readPageContentLater(ZelUrl* record, PageTextCopy text) {
  if (!contentReads_)
    contentReads_ = std::make_unique<ContentReads>(
        contentReader_, platform_.runLoop,
        [this](ZelUrl* page, std::unique_ptr<PageContent> content) {
          if (contentReceiver_) contentReceiver_(page, std::move(content));
        });
  contentReads_->submit(record, std::move(text));
}

std::string ZelHub::localized(std::string_view english, std::string_view table) const {
  return platform_.localizer ? platform_.localizer->localize(english, table)
                             : std::string(english);
}

ZelUrl* ZelHub::createRecord() {
  return graph_.createRecord(this);
}

// ---- Look-up tables ----------------------------------------------------------------

void ZelHub::addToLookup(ZelUrl* record, const std::string& key) {
  lookupReady_ = true;
  lookupDictionary_.set(key, record);
}

void ZelHub::linkUrlWillChange(ZelUrl* record) {
  if (lookupReady_) lookupDictionary_.keepKeyOf(record);
}

void ZelHub::removeFromLookup(ZelUrl* record) {
  if (!lookupReady_) return;
  if (!lookupDictionary_.erase(record->getLinkUrl())) return;
  log().always("removed " + record->getLinkUrl() + " from lookupdictionary");
}

ZelUrl* ZelHub::lookup(const std::string& key) const {
  return lookupDictionary_.find(key);
}

void ZelHub::addToRedirLookup(ZelUrl* record, const std::string& key) {
  if (!redirLookupReady_) {
    redirLookupDictionary_.reserve(50);
    redirLookupReady_ = true;
  }
  redirLookupDictionary_[key].push_back(record);
}

int32_t ZelHub::getNnumberOfRedirectsTo(std::string_view address) const {
  auto find = [this](std::string_view a) -> int32_t {
    auto it = redirLookupDictionary_.find(a);
    return it == redirLookupDictionary_.end() ? -1 : static_cast<int32_t>(it->second.size());
  };
  int32_t n = find(address);
  if (n < 0 && !address.empty() && !defaults().boolForKey("wordpressUrls") &&
      address.back() == '/')
    n = find(address.substr(0, address.size() - 1));
  return std::max(n, 0);
}

// ---- Link instances -------------------------------------------------------------------

ZelLinkInstance* ZelHub::addInstanceWithParent(ZelUrl* parent, ZelUrl* target,
                                               std::optional<std::string_view> linkText,
                                               std::string_view rel, std::string_view targetAttr,
                                               std::string_view hreflang,
                                               std::optional<int32_t> lineNumber) {
  ZelLinkInstance* instance = graph_.createInstance(parent, target);
  instance->setLinkText(linkText);
  if (!rel.empty()) instance->setRel(rel);
  if (!targetAttr.empty()) instance->setTargetAttr(targetAttr);
  if (!hreflang.empty()) instance->setHreflang(hreflang);
  if (lineNumber) instance->setLineNumber(lineNumber);
  if (target) target->addInboundInstance(instance);
  if (parent) parent->addOutboundInstance(instance);
  return instance;
}

void ZelHub::removeThisZelUrlFromCollection(ZelUrl* record) {
  if (collection_.empty()) return;
  const size_t before = collection_.size();
  deleteItem(record);
  if (collection_.size() == before)
    log().always("unable to  remove ZelUrl " + record->getActualurl() + " from collection");
  removeFromLookup(record);
  retainArray_.push_back(record);
  decNumberDone(record);
}

void ZelHub::removeThisZelLinkInstanceFromCollection(ZelLinkInstance* instance) {
  if (graph_.collection().empty()) return;
  if (!graph_.removeFromCollection(instance))
    log().always("unable to  remove LinkInstance " +
                 (instance->target() ? instance->target()->getActualurl() : std::string()) +
                 " from hub's collection");
  instanceRetainArray_.push_back(instance);
}

// ---- Counters -----------------------------------------------------------------------------

void ZelHub::decNumberDone(ZelUrl* record) {
  if (static_cast<uint64_t>(numberDone_) > collection_.size())
    numberDone_ = static_cast<int64_t>(collection_.size());
  else
    --numberDone_;
  if (!record->shouldBeMemberOfBadCollection() && badCollectionCount_ > 0) --badCollectionCount_;
  updateV7CountFields();
}

void ZelHub::updateV7CountFields() {
  if (platform_.notifications) platform_.notifications->post("ZelDidUpdateLink", this);
}

void ZelHub::sendWarningToWarningsManager(const std::string& warning, ZelUrl* record) {
  warningsArray_.push_back(HubWarning{record->getActualurl(), record, warning});
}

int64_t ZelHub::getPageCount() const { return seoManager_->getTotalPageCount(); }

const std::vector<ZelUrl*>& ZelHub::getInternalPagesCollection() const {
  return seoManager_->getCollection();
}

const RecordGroups& ZelHub::getDuplicates() { return seoManager_->getDuplicates(); }
const RecordGroups& ZelHub::getDuplicateTitles() { return seoManager_->getDuplicateTitles(); }
const RecordGroups& ZelHub::getDuplicateDescriptions() {
  return seoManager_->getDuplicateDescriptions();
}

std::vector<ZelUrl*> ZelHub::getDuplicatesForZelUrl(const ZelUrl* record) {
  const RecordGroups& groups = seoManager_->getDuplicates();
  auto it = groups.find(record->getLinkPageTitle());
  if (it == groups.end()) return {};
  std::vector<ZelUrl*> out;
  for (ZelUrl* r : it->second)
    if (r != record) out.push_back(r);
  return out;
}

uint64_t ZelHub::getDetectedEncoding() const {
  // 0 means unknown; callers then read pages as UTF-8.
  return detectedEncoding_ != 0 ? detectedEncoding_ : kUTF8Encoding;
}

std::string ZelHub::getSessidParam() const {
  auto p = defaults().stringForKey("sessidParam");
  return p ? *p : "sid";
}

}  // namespace zel
