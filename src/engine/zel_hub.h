#pragma once
// The crawl controller: one per crawl. It owns every record and link instance,
// keeps the crawl order, the look-up tables and the counters the host shows,
// and drives start-up, extraction, scope, scheduling and requests.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/kx_data_source.h"
#include "platform/platform.h"
#include "seo/zel_seo_manager.h"
#include "url/zel_link_instance.h"
#include "url/zel_url.h"

namespace zel {

class OutputFilterManager;

// A warning passed on for the host's crawl-wide warnings list.
struct HubWarning {
  std::string url;   // the record's actual URL
  ZelUrl* record;
  std::string warning;
};

class ZelHub : public kxDataSource<ZelUrl> {
 public:
  // `initWithStartingUrl:`. The platform services must outlive the hub.
  ZelHub(std::string startingUrl, const Platform& platform);
  ~ZelHub();
  ZelHub(const ZelHub&) = delete;
  ZelHub& operator=(const ZelHub&) = delete;

  const Platform& platform() const { return platform_; }
  Defaults& defaults() const { return *platform_.defaults; }
  Log& log() const { return *platform_.log; }
  // The English text through the host's localisation table.
  std::string localized(std::string_view english, std::string_view table = "") const;

  // A new record owned by this hub (`initWithOwner:`); not yet in any list.
  ZelUrl* createRecord();

  // ---- Look-up tables -------------------------------------------------------
  void addToLookup(ZelUrl* record, const std::string& key);
  void removeFromLookup(ZelUrl* record);
  ZelUrl* lookup(const std::string& key) const;
  void addToRedirLookup(ZelUrl* record, const std::string& key);
  int32_t getNnumberOfRedirectsTo(std::string_view address) const;
  bool hasLookupDictionary() const { return lookupReady_; }

  // ---- Link instances -----------------------------------------------------------
  ZelLinkInstance* addInstanceWithParent(ZelUrl* parent, ZelUrl* target,
                                         std::optional<std::string> linkText,
                                         std::string_view rel, std::string_view targetAttr,
                                         std::string_view hreflang,
                                         std::optional<int32_t> lineNumber);
  void removeThisZelUrlFromCollection(ZelUrl* record);
  void removeThisZelLinkInstanceFromCollection(ZelLinkInstance* instance);

  // ---- Counters ------------------------------------------------------------------
  void decNumberDone(ZelUrl* record);
  void updateV7CountFields();
  void addStringToDiagnosticTrace(std::string_view) {}
  void sendWarningToWarningsManager(const std::string& warning, ZelUrl* record);

  int64_t getCheckedLinkCount() const { return numberDone_; }
  int64_t getBadLinkCount() const { return badCollectionCount_; }
  int64_t getTotalLinkCount() const { return static_cast<int64_t>(collection_.size()); }
  int64_t getPageCount() const;
  const std::vector<ZelUrl*>& getLinksCollection() const { return collection_; }
  // nullptr before the first instance.
  const std::vector<ZelLinkInstance*>* getInstanceCollection() const {
    return instancesReady_ ? &instanceArray_ : nullptr;
  }
  const std::vector<ZelUrl*>& getInternalPagesCollection() const;
  const std::vector<HubWarning>& getWarningsArray() const { return warningsArray_; }
  const RecordGroups& getDuplicates();
  const RecordGroups& getDuplicateTitles();
  const RecordGroups& getDuplicateDescriptions();
  std::vector<ZelUrl*> getDuplicatesForZelUrl(const ZelUrl* record);
  ZelSEOManager& seoManager() const { return *seoManager_; }
  uint64_t getDetectedEncoding() const;
  void setDetectedEncoding(uint64_t e) { detectedEncoding_ = e; }

  bool startingPointWasXML() const { return scanningXMLFile_; }
  bool stopPressed() const { return stopPressed_; }
  bool isCrawlFinished() const { return crawlFinished_; }
  bool isRechecking() const { return rechecking_; }
  const std::string& getStartingUrl() const { return startingUrl_; }

  // ---- URL text helpers shared with the records -------------------------------------
  // The session-id parameter name: the setting `sessidParam`, "sid" when absent.
  std::string getSessidParam() const;
  // A URL from a link text resolved against a base; implemented in
  // src/url/zel_url_text.cpp with the record's URL-text code.
  std::optional<Url> makeNSURLFromString(std::string_view text, std::string_view base) const;

  // Test and host access to counters that later stages move.
  void setNumberDone(int64_t n) { numberDone_ = n; }
  void setBadCollectionCount(int64_t n) { badCollectionCount_ = n; }

 protected:
  Platform platform_;
  std::string startingUrl_;
  int64_t numberOfThreadsDetached_ = 0;
  int64_t numberDone_ = 0;
  int64_t nextUrlToCrawl_ = 0;
  int64_t badCollectionCount_ = 0;
  bool crawlFinished_ = false;
  bool stopPressed_ = false;
  std::unique_ptr<ZelSEOManager> seoManager_;

  // Owned storage: deques keep addresses stable while they grow.
  std::deque<ZelUrl> recordArena_;
  std::deque<ZelLinkInstance> instanceArena_;

  std::unordered_map<std::string, ZelUrl*> lookupDictionary_;
  bool lookupReady_ = false;
  std::unordered_map<std::string, std::vector<ZelUrl*>> redirLookupDictionary_;
  bool redirLookupReady_ = false;
  std::vector<std::string> soft404Array_;
  std::vector<ZelLinkInstance*> instanceArray_;
  bool instancesReady_ = false;
  std::vector<ZelLinkInstance*> instanceRetainArray_;

  std::vector<std::string> checkBlacklistArray_, followBlacklistArray_, followWhitelistArray_;
  std::optional<std::vector<std::string>> robotsBlacklistArray_, robotsWhitelistArray_;
  std::vector<std::string> domains_;
  std::unique_ptr<OutputFilterManager> outputFilterManager_;
  std::optional<std::deque<ZelUrl*>> remedialQueue_;
  uint64_t detectedEncoding_ = 0;
  bool scanningHttpsSite_ = false;
  bool scanningXMLFile_ = false;
  std::optional<std::deque<ZelUrl*>> recheckQueue_;
  std::optional<std::vector<ZelUrl*>> inProgressArray_;
  std::vector<HubWarning> warningsArray_;
  int32_t nextThreadNumber_ = 1;
  bool rechecking_ = false;
};

}  // namespace zel
