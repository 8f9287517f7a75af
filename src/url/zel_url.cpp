// Construction, addresses, link graph, sizes, times and type tests of a record.
#include "url/zel_url.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>

#include "platform/date_format.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "url/zel_link_graph.h"
#include "url/zel_record_owner.h"
#include "url/zel_url_page_facts.h"
#include "urltext/url_parts.h"

namespace zel {

namespace {
const std::optional<UrlRequest> kNoRequest;

double monotonicNow() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

ZelUrl::ZelUrl(ZelRecordOwner* owner) : owner_(owner) {}
ZelUrl::~ZelUrl() = default;

ZelUrl::PageFacts& ZelUrl::facts() const {
  if (!facts_) facts_ = std::make_unique<PageFacts>();
  return *facts_;
}

SpillTexts& ZelUrl::pageTexts() const { return owner_->linkGraph().pageTexts(); }

const Defaults& ZelUrl::defaults() const { return owner_->defaults(); }

uint32_t ZelUrl::poolText(std::string_view text) {
  return text.empty() ? 0 : owner_->linkGraph().intern(text);
}

const std::string& ZelUrl::pooledText(uint32_t id) const {
  return id == 0 ? noText() : owner_->linkGraph().text(id);
}
Log& ZelUrl::log() const { return owner_->log(); }
std::string ZelUrl::localized(std::string_view english) const { return owner_->localized(english); }

bool ZelUrl::isLocalized(std::string_view s, std::string_view english) const {
  const Localizer* l = owner_->platform().localizer;
  return l ? l->matches(s, english) : s == english;
}

// ---- Addresses ---------------------------------------------------------------

void ZelUrl::setActualLinkUrl() {
  actualSource_ = getRedir().empty() ? ActualSource::Link : ActualSource::Redir;
  if (rare_) std::string().swap(rare_->ownActual);
  actualUrlChanged();
}

void ZelUrl::keepActualBeforeChanging(ActualSource changing) {
  if (actualSource_ != changing) return;
  std::string actual = getActualurl();
  rare().ownActual = std::move(actual);
  actualSource_ = ActualSource::Own;
}

bool ZelUrl::isFromTheWeb() const {
  auto web = [](std::string_view a) {
    return startsWithIgnoreCase(a, "http:") || startsWithIgnoreCase(a, "https:");
  };
  return web(nsslinkUrl_) || web(getActualurl());
}

std::string ZelUrl::getActualLinkUrl() const {
  return actualUrlHadSlashTrimmed() ? getActualurl() + "/" : getActualurl();
}

std::string ZelUrl::getLinkUrlForTesting() const {
  return nsslinkUrl_.empty() ? std::string() : getActualLinkUrl();
}

std::string ZelUrl::getLinkUrlDecoded() const { return decodedURLString(nsslinkUrl_, defaults()); }
std::string ZelUrl::getActualurlDecoded() const {
  return decodedURLString(getActualurl(), defaults());
}
std::string ZelUrl::getRedirDecoded() const { return decodedURLString(getRedir(), defaults()); }

void ZelUrl::setDistanceFromHome(int32_t n) {
  if (distanceFromHome_ > 0 && distanceFromHome_ < n) {
    log().always("*** attempt to set " + getActualLinkUrl() +
                 " to distance to a number higher than we already have");
    return;
  }
  distanceFromHome_ = n;
}

std::string ZelUrl::extensionOfActualUrl() const {
  if (extensionLength_ != kExtensionUnknown) return std::string(extension_, extensionLength_);
  const std::string actual = getActualLinkUrl();
  auto url = Url::parse(actual);
  if (!url) url = Url::parse(encodedURLString(actual, defaults()));
  std::string ext = url ? url->pathExtension() : std::string();
  rememberExtension(ext);
  return ext;
}

void ZelUrl::rememberExtension(const std::string& ext) const {
  if (ext.size() > sizeof extension_) return;  // worked out again each time: rare
  std::copy(ext.begin(), ext.end(), extension_);
  extensionLength_ = static_cast<uint8_t>(ext.size());
}

void ZelUrl::noteParsedActualUrl(const Url& actual) const {
  if (extensionLength_ == kExtensionUnknown) rememberExtension(actual.pathExtension());
}

// ---- Link graph -----------------------------------------------------------------

ZelLinkInstanceList ZelUrl::getInboundInstances() const {
  if (inbound_.count == 0) return {};
  return owner_->linkGraph().inbound(inbound_);
}

ZelLinkInstanceList ZelUrl::getOutboundInstances() const {
  if (outbound_.count == 0) return {};
  return owner_->linkGraph().outbound(*this);
}

void ZelUrl::addInboundInstance(ZelLinkInstance* instance) {
  ZelLinkGraph::of(instance).appendInbound(inbound_, instance);
}

void ZelUrl::addOutboundInstance(ZelLinkInstance* instance) {
  if (!ZelLinkGraph::of(instance).appendOutbound(*this, instance)) return;
  if (facts_) {
    facts_->hasLinkedImages = false;
    facts_->linkedImages.clear();
    facts_->hrefCount = -1;
    if (facts_->extra) {
      facts_->extra->linkedVideo.reset();
      facts_->extra->linkedAudio.reset();
    }
  }
  if (instance->target() && instance->target()->isInternal())
    ++internalLinkCount_;
  else
    ++externalLinkCount_;
}

void ZelUrl::removeThisInstanceFromOutboundArray(ZelLinkInstance* instance) {
  if (ZelLinkGraph::of(instance).removeOutbound(*this, instance)) {
    log().always("found and removed instance with target " +
                 (instance->target() ? instance->target()->getActualurl() : std::string()) +
                 " from outboundInstanceArray");
  } else {
    log().always("unable to find instance in our own outboundInstanceArray");
  }
  owner_->removeThisZelLinkInstanceFromCollection(instance);
  facts().more().retainArray.push_back(instance);
}

void ZelUrl::removeThisInstanceFromInboundArray(ZelLinkInstance* instance) {
  if (ZelLinkGraph::of(instance).removeInbound(inbound_, instance)) {
    log().always("found and removed instance with target " +
                 (instance->target() ? instance->target()->getActualurl() : std::string()) +
                 " from inboundInstanceArray");
  } else {
    log().always("unable to find instance in target inboundInstanceArray");
  }
  owner_->removeThisZelLinkInstanceFromCollection(instance);
  facts().more().retainArray.push_back(instance);
}

ZelLinkInstance* ZelUrl::getInstanceAtIndex(size_t i) const {
  return i < inbound_.count ? getInboundInstances()[i] : nullptr;
}

ZelUrl* ZelUrl::getParentOfInstanceAtIndex(size_t i) const {
  return i < inbound_.count ? getInboundInstances()[i]->parent() : nullptr;
}

std::string ZelUrl::getActualUrlOfInstanceAtIndex(size_t i) const {
  ZelUrl* p = getParentOfInstanceAtIndex(i);
  return p ? p->getActualLinkUrl() : std::string();
}

ZelLinkInstance* ZelUrl::firstInboundInstance() const {
  return inbound_.count == 0 ? nullptr : owner_->linkGraph().instance(inbound_.head);
}

bool ZelUrl::anyInboundInstance(const std::function<bool(const ZelLinkInstance&)>& test) const {
  return inbound_.count != 0 && owner_->linkGraph().anyInbound(inbound_, test);
}

ZelUrl* ZelUrl::getLastOnPageUrl() const {
  return inbound_.count == 0 ? nullptr : owner_->linkGraph().instance(inbound_.tail)->parent();
}

void ZelUrl::invalidateLinkedImagesArray() {
  if (!facts_) return;
  facts_->hasLinkedImages = false;
  facts_->linkedImages.clear();
}
void ZelUrl::invalidateLinkedVideoArray() {
  if (facts_ && facts_->extra) facts_->extra->linkedVideo.reset();
}
void ZelUrl::invalidateLinkedAudioArray() {
  if (facts_ && facts_->extra) facts_->extra->linkedAudio.reset();
}

const std::vector<ZelLinkInstance*>& ZelUrl::getLinkedImagesArray() const {
  static const std::vector<ZelLinkInstance*> kNone;
  if (!facts_ && outbound_.count == 0) return kNone;  // records that are not pages stay small
  PageFacts& f = facts();
  if (!f.hasLinkedImages) {
    f.linkedImages.clear();
    for (ZelLinkInstance* i : getOutboundInstances())
      if (i->target() && i->target()->getIsImage()) f.linkedImages.push_back(i);
    f.linkedImages.shrink_to_fit();
    f.hasLinkedImages = true;
  }
  return f.linkedImages;
}

const std::vector<ZelLinkInstance*>& ZelUrl::getLinkedVideoArray() const {
  auto& cache = facts().more().linkedVideo;
  if (!cache) {
    cache.emplace();
    for (ZelLinkInstance* i : getOutboundInstances())
      if (i->target() && i->target()->getIsVideo()) cache->push_back(i);
  }
  return *cache;
}

const std::vector<ZelLinkInstance*>& ZelUrl::getLinkedAudioArray() const {
  auto& cache = facts().more().linkedAudio;
  if (!cache) {
    cache.emplace();
    for (ZelLinkInstance* i : getOutboundInstances())
      if (i->target() && i->target()->getIsAudio()) cache->push_back(i);
  }
  return *cache;
}

int32_t ZelUrl::getImageqty() const {
  if (!facts_ || !facts_->hasLinkedImages) return 0;
  return static_cast<int32_t>(facts_->linkedImages.size());
}

double ZelUrl::getTotalImageWeightAsNumber() const {
  double total = 0;
  for (ZelLinkInstance* i : getLinkedImagesArray())
    total += static_cast<double>(i->target()->getFileSizeInKBytes());
  return total;
}

std::string ZelUrl::getTotalImageWeight() const {
  return strf("%i kb", static_cast<int>(getTotalImageWeightAsNumber()));
}

void ZelUrl::dropResponseHeaders() {
  if (!rare_) return;
  rare_->responseHeaders.reset();
  const Rare& r = *rare_;
  if (r.redir.empty() && r.ownActual.empty() && !r.redirects && !r.warnings && !r.sourceData &&
      r.retryAfter == 0 && r.previousFailureCount == 0)
    rare_.reset();
}

int32_t ZelUrl::getLinkCount() const {
  int32_t n = 0;
  for (ZelLinkInstance* i : getOutboundInstances()) {
    ZelUrl* t = i->target();
    if (t && (t->getIsAudio() || t->getIsVideo() || t->getIsImage())) continue;
    if (i->textIsMarker() && i->linkText() == "[linked file]") continue;
    ++n;
  }
  // Written only when it changes: once the report has counted every record, the
  // export threads that ask again read and never write.
  if (!facts_ || facts_->hrefCount != n) facts().hrefCount = n;
  return n;
}

int32_t ZelUrl::getLinkcount() const {
  if (facts_ && facts_->hrefCount >= 0) return facts_->hrefCount;
  return getLinkCount();
}

std::string ZelUrl::getOnPageUrl() const {
  if (inbound_.count == 0) return "";
  if (inbound_.count == 1) {
    ZelUrl* p = owner_->linkGraph().instance(inbound_.head)->parent();
    if (!p) return "";
    return defaults().boolForKey("displayPageTitle") ? p->getLinkPageTitle()
                                                     : p->getActualLinkUrl();
  }
  const std::string label = owner_->localized("instances over more than one page", "Zelmora");
  const int64_t limit = defaults().integerForKey("occurrencesLimit");
  if (defaults().boolForKey("limitOccurrences") && static_cast<int64_t>(inbound_.count) > limit)
    return strf(">%i %s", static_cast<int>(limit), label.c_str());
  return strf("%i %s", static_cast<int>(inbound_.count), label.c_str());
}

std::string ZelUrl::getOnPages() const {
  std::string out;
  for (ZelLinkInstance* i : getInboundInstances())
    if (i->parent()) out += i->parent()->getActualLinkUrl() + "/r";
  return out;
}

std::string ZelUrl::getLinkText() const {
  return inbound_.count == 0 ? std::string()
                             : owner_->linkGraph().instance(inbound_.head)->getLinkText();
}

bool ZelUrl::isNofollow() const {
  return inbound_.count != 0 &&
         !anyInboundInstance([](const ZelLinkInstance& i) { return !i.getNofollow(); });
}

bool ZelUrl::appearsOn(const ZelUrl* page) const {
  log().always("appearsOn traversing instances");
  if (page && page->getActualLinkUrl().empty())
    ZEL_LOG(log(), 3, page->getLinkUrl() + " has actualLinkUrl length<1");
  return anyInboundInstance([page](const ZelLinkInstance& i) { return i.parent() == page; });
}

// ---- Fetch state ----------------------------------------------------------------------

void ZelUrl::setSentRequest() {
  sentRequestMono_ = monotonicNow();
  timestamp_ = poolText(localMediumDateTime(static_cast<double>(std::time(nullptr))));
}

double ZelUrl::getTimeSinceSent() const {
  if (sentRequestMono_ < 0) return 0;
  return std::max(0.0, monotonicNow() - sentRequestMono_);
}

std::optional<double> ZelUrl::getTimestamp() const {
  return parseLocalMediumDateTime(getTimestampText());
}

const std::optional<UrlRequest>& ZelUrl::getRunJS() const {
  return facts_ && facts_->extra ? facts_->extra->runJS : kNoRequest;
}

void ZelUrl::setRunJS(std::optional<UrlRequest> r) {
  if (!r && !facts_) return;
  facts().more().runJS = std::move(r);
}

ZelRenderer* ZelUrl::getWTG() const {
  return facts_ && facts_->extra ? facts_->extra->WTG.get() : nullptr;
}

void ZelUrl::clearWTG() {
  if (!facts_ || !facts_->extra) return;
  auto& extra = *facts_->extra;
  // Taken out first: stopping may call back into the record.
  std::unique_ptr<ZelRenderer> renderer = std::move(extra.WTG);
  if (renderer) renderer->stopLoading();
  extra.runJS.reset();
  renderer.reset();
  if (extra.awaitingRender) {
    extra.awaitingRender = false;
    addWarning(localized("The page could not be rendered; its links were not read"));
    owner_->handleInTurn(
        [this, sinceSent = getTimeSinceSent()] { finishLoading(nullptr, sinceSent); });
  }
}

std::string& ZelUrl::ensureData() {
  if (!data_) {
    data_ = std::make_shared<std::string>();
  } else if (data_.use_count() > 1) {
    data_ = std::make_shared<std::string>(*data_);  // a scan still reads the other
  } else {
    // The last other reader let go on its own thread: its reads come before our writes.
    std::atomic_thread_fence(std::memory_order_acquire);
  }
  return *data_;
}

std::string& ZelUrl::ensureSourceData() {
  Rare& r = rare();
  if (!r.sourceData) r.sourceData = std::make_unique<std::string>();
  return *r.sourceData;
}

void ZelUrl::setIsImage(bool v) {
  if (flag(kImage) == v) return;  // the pages' cached lists stay right
  setFlag(kImage, v);
  anyInboundInstance([](const ZelLinkInstance& i) {
    if (i.parent()) i.parent()->invalidateLinkedImagesArray();
    return false;
  });
}

void ZelUrl::setIsVideo(bool v) {
  if (flag(kVideo) == v) return;  // the pages' cached lists stay right
  setFlag(kVideo, v);
  anyInboundInstance([](const ZelLinkInstance& i) {
    if (i.parent()) i.parent()->invalidateLinkedVideoArray();
    return false;
  });
}

void ZelUrl::setIsAudio(bool v) {
  if (flag(kAudio) == v) return;  // the pages' cached lists stay right
  setFlag(kAudio, v);
  anyInboundInstance([](const ZelLinkInstance& i) {
    if (i.parent()) i.parent()->invalidateLinkedAudioArray();
    return false;
  });
}

void ZelUrl::setFileSize(int64_t bytes) {
  fileSizeBytes_ = bytes;
  fileSize_ = bytes / 1024;
}

void ZelUrl::setFileSizeCompressed(int64_t bytes) { fileSizeCompressedBytes_ = bytes; }

double ZelUrl::getFilesize() const {
  if (fileSize_ >= 2) return static_cast<double>(fileSize_);
  if (fileSizeBytes_ < 2) return static_cast<double>(fileSizeCompressedKB());
  return static_cast<double>(fileSizeBytes_) / 1024.0;
}

int64_t ZelUrl::getFileSizeInKBytes() const {
  if (fileSize_ >= 1) return fileSize_;
  if (fileSizeCompressedKB() >= 1) return fileSizeCompressedKB();
  return 0;
}

std::string ZelUrl::getFileSize() const {
  if (!isGoodLink()) return "";
  if (fileSize_ >= 1) return strf("%ikb", static_cast<int>(fileSize_));
  if (fileSize_ < 0) return "";
  if (fileSizeCompressedKB() >= 1) return strf("?%ikb", static_cast<int>(fileSizeCompressedKB()));
  return "";
}

std::string ZelUrl::getFileSizeCompressed() const {
  return strf("%ikb", static_cast<int>(fileSizeCompressedKB()));
}

std::optional<std::string> ZelUrl::getTargetLastModified() const {
  if (!facts_ || !facts_->hasLastModified) return std::nullopt;
  return pooledText(facts_->targetLastModified);
}

void ZelUrl::setTargetLastModified(std::optional<std::string> v) {
  if (!v) return;
  // Pages of one site often share their dates, so the texts are pooled.
  facts().targetLastModified = poolText(*v);
  facts_->hasLastModified = true;
}

std::string ZelUrl::getLastModified() const {
  const std::optional<std::string> text = getTargetLastModified();
  if (!text) return "";
  // HTTP dates come in three forms; anything else is read as a plain date.
  static const char* kFormats[] = {"%a, %d %b %Y %H:%M:%S",
                                   "%A, %d-%b-%y %H:%M:%S",
                                   "%a %b %d %H:%M:%S %Y",
                                   "%Y-%m-%dT%H:%M:%S",
                                   "%Y-%m-%d %H:%M:%S",
                                   "%Y-%m-%d",
                                   "%a, %d %b %Y",
                                   "%d %b %Y",
                                   "%d %B %Y",
                                   "%B %d, %Y",
                                   "%b %d, %Y",
                                   "%Y/%m/%d"};
  const std::string t(trimWhitespace(*text));
  for (const char* f : kFormats) {
    std::tm tm{};
    if (strptime(t.c_str(), f, &tm)) {
      char buf[16];
      std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
      return buf;
    }
  }
  return "";
}

// ---- Type tests --------------------------------------------------------------------------

uint8_t ZelUrl::addressKinds() const {
  uint8_t kinds = addressKinds_.load(std::memory_order_relaxed);
  if (kinds & kAddressKnown) return kinds;
  // The trimmed "/" cannot complete a ".css?" and the like, so the stored
  // address is searched as it is, without a copy.
  const std::string ext = extensionOfActualUrl();
  const std::string& actual = getActualurl();
  kinds = kAddressKnown;
  if (containsIgnoreCase(ext, "css") || containsIgnoreCase(actual, ".css?")) kinds |= kAddressCSS;
  if (containsIgnoreCase(ext, "js") || containsIgnoreCase(actual, ".js?")) kinds |= kAddressJS;
  if (ext == "xml" || ext == "XML" || containsIgnoreCase(actual, ".xml?")) kinds |= kAddressXML;
  if (containsIgnoreCase(ext, "pdf")) kinds |= kAddressPDF;
  addressKinds_.store(kinds, std::memory_order_relaxed);
  return kinds;
}

bool ZelUrl::getIsPDF() const {
  return containsIgnoreCase(getMimeType(), "application/pdf") || (addressKinds() & kAddressPDF);
}

bool ZelUrl::getIsCSS() const {
  return containsIgnoreCase(getMimeType(), "text/css") || (addressKinds() & kAddressCSS);
}

bool ZelUrl::getIsJS() const {
  return containsIgnoreCase(getMimeType(), "text/javascript") || (addressKinds() & kAddressJS);
}

bool ZelUrl::isXML() const {
  const std::string& mime = getMimeType();
  if (containsIgnoreCase(mime, "application/xml") || containsIgnoreCase(mime, "text/xml"))
    return true;
  return addressKinds() & kAddressXML;
}

bool ZelUrl::getIsImage() const {
  if (flag(kImage)) return true;
  // Asked for every link of every page: the address is parsed once, not each time.
  if (flag(kNotImage)) return false;
  std::string ext = extensionOfActualUrl();
  size_t q = ext.find('?');
  if (q != std::string::npos) ext.resize(q);
  static constexpr std::string_view kImageExtensions[] = {"png",  "PNG", "jpg",  "JPG", "jpeg",
                                                          "JPEG", "gif", "GIF",  "svg", "SVG",
                                                          "bmp",  "BMP", "webp", "WEBP"};
  for (auto e : kImageExtensions) {
    if (ext == e) {
      // Recorded without invalidating parents' caches: they are built from this answer.
      flags_ |= kImage;
      return true;
    }
  }
  flags_ |= kNotImage;
  return false;
}

bool ZelUrl::isAnotherFileType() const {
  return !extensionOfActualUrl().empty() && !getIsHTML() && !getIsCSS() && !getIsJS() &&
         !getIsPDF();
}

bool ZelUrl::isSonOfXML() const { return !isXML() && owner_->startingPointWasXML(); }
bool ZelUrl::isSonOfList() const { return owner_->startingPointWasXML(); }
bool ZelUrl::directoryTooHigh() const { return nsslinkUrl_.find("../") != std::string::npos; }

int32_t ZelUrl::getNumberOfRedirectsToHere() const {
  return owner_->getNnumberOfRedirectsTo(getActualLinkUrl());
}

int32_t ZelUrl::getDirectoryDepth() const {
  auto url = Url::parse(getActualLinkUrl());
  if (!url) url = Url::parse(encodedURLString(getLinkUrlForTesting(), defaults()));
  if (!url) return 0;
  return std::max<int32_t>(0, static_cast<int32_t>(url->pathComponents().size()) - 1);
}

}  // namespace zel
