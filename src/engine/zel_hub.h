#pragma once
// The crawl controller: one per crawl. It owns every record and link instance,
// keeps the crawl order, the look-up tables and the counters the host shows,
// and drives start-up, extraction, scope, scheduling and requests.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "archive/archive_store.h"
#include "engine/record_address_table.h"
#include "parser/markup_facts_gatherer.h"
#include "parser/page_content.h"
#include "platform/platform.h"
#include "seo/zel_seo_manager.h"
#include "url/kept_response_headers.h"
#include "url/kx_data_source.h"
#include "url/rendered_facts.h"
#include "url/zel_link_graph.h"
#include "url/zel_link_instance.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"

namespace zel {

class LinkSource;
class OutputFilterManager;
struct PageScan;
class WorkPool;
class ContentReads;
class ResourceLinkParser;
class ZelParser;

// A warning passed on for the host's crawl-wide warnings list.
struct HubWarning {
  std::string url;   // the record's actual URL
  ZelUrl* record;
  std::string warning;
};

// Address tables looked up by string_view, so a look-up needs no copy of the address.
// Not noexcept on purpose: the standard library then keeps each key's hash in its
// node, so a look-up walking a bucket compares stored hashes instead of hashing
// every address it passes again.
struct AddressHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using AddressGroups = std::unordered_map<std::string, std::vector<ZelUrl*>, AddressHash, std::equal_to<>>;

class ZelHub : public kxDataSource<ZelUrl>, public ZelRecordOwner {
 public:
  // `initWithStartingUrl:`. The platform services must outlive the hub.
  ZelHub(std::string startingUrl, const Platform& platform);
  // Virtual: tests derive hubs of their own.
  virtual ~ZelHub();
  ZelHub(const ZelHub&) = delete;
  ZelHub& operator=(const ZelHub&) = delete;

  const Platform& platform() const override { return platform_; }
  Defaults& defaults() const override { return *platform_.defaults; }
  Log& log() const override { return *platform_.log; }
  // The English text through the host's localisation table.
  std::string localized(std::string_view english, std::string_view table = "") const override;

  // A new record owned by this hub (`initWithOwner:`); not yet in any list.
  ZelUrl* createRecord();
  ZelLinkGraph& linkGraph() override { return graph_; }

  // ---- Look-up tables -------------------------------------------------------
  void addToLookup(ZelUrl* record, const std::string& key) override;
  void linkUrlWillChange(ZelUrl* record) override;
  void removeFromLookup(ZelUrl* record);
  ZelUrl* lookup(const std::string& key) const;
  void addToRedirLookup(ZelUrl* record, const std::string& key);
  int32_t getNnumberOfRedirectsTo(std::string_view address) const override;
  bool hasLookupDictionary() const { return lookupReady_; }

  // ---- Link instances -----------------------------------------------------------
  ZelLinkInstance* addInstanceWithParent(ZelUrl* parent, ZelUrl* target,
                                         std::optional<std::string_view> linkText,
                                         std::string_view rel, std::string_view targetAttr,
                                         std::string_view hreflang,
                                         std::optional<int32_t> lineNumber);
  void removeThisZelUrlFromCollection(ZelUrl* record) override;
  void removeThisZelLinkInstanceFromCollection(ZelLinkInstance* instance) override;

  // ---- Counters ------------------------------------------------------------------
  void decNumberDone(ZelUrl* record) override;
  void updateV7CountFields() override;
  void addStringToDiagnosticTrace(std::string_view) override {}
  void sendWarningToWarningsManager(const std::string& warning, ZelUrl* record) override;

  int64_t getCheckedLinkCount() const { return numberDone_; }
  int64_t getBadLinkCount() const { return badCollectionCount_; }
  int64_t getTotalLinkCount() const { return static_cast<int64_t>(collection_.size()); }
  int64_t getPageCount() const;
  const std::vector<ZelUrl*>& getLinksCollection() const { return collection_; }
  // Every instance not removed, in the order they were made; nullptr before the first.
  const ZelLinkGraph::Collection* getInstanceCollection() const {
    return graph_.instanceCount() > 0 ? &graph_.collection() : nullptr;
  }
  const std::vector<ZelUrl*>& getInternalPagesCollection() const;
  const std::vector<HubWarning>& getWarningsArray() const { return warningsArray_; }
  const RecordGroups& getDuplicates();
  const RecordGroups& getDuplicateTitles() override;
  const RecordGroups& getDuplicateDescriptions() override;
  std::vector<ZelUrl*> getDuplicatesForZelUrl(const ZelUrl* record) override;
  ZelSEOManager& seoManager() const { return *seoManager_; }
  const std::unordered_map<std::string, std::vector<ZelUrl*>>& getMisspelledWordDictionary() const {
    return seoManager_->getMisspelledWordDictionary();
  }
  const std::vector<ZelLinkInstance*>& getImageCollection() const {
    return seoManager_->getImageCollection();
  }
  // Free bytes on the volume of the root folder, 0 when unknown (for the host).
  uint64_t getFreeDiskspacePrivate() const;
  std::string getSEOShortSummary() { return seoManager_->getShortSummary(); }
  std::string getSEOShortSummaryAsCSV() const { return seoManager_->getShortSummaryAsCSV(); }
  uint64_t getDetectedEncoding() const override;
  void setDetectedEncoding(uint64_t e) { detectedEncoding_ = e; }

  bool startingPointWasXML() const override { return scanningXMLFile_; }
  bool stopPressed() const override { return stopPressed_; }
  bool isCrawlFinished() const { return crawlFinished_; }
  bool isRechecking() const { return rechecking_; }
  const std::string& getStartingUrl() const { return startingUrl_; }

  // ---- URL text helpers shared with the records -------------------------------------
  // The session-id parameter name: the setting `sessidParam`, "sid" when absent.
  std::string getSessidParam() const override;
  // A URL from a link text resolved against a base, as a record makes it.
  std::optional<Url> makeNSURLFromString(std::string_view text, std::string_view base) const;

  // ---- Scheduling and completion ----------------------------------------------
  // Hands out free request slots: the remedial queue first, then crawl order.
  bool getNextUrlToCrawl(ZelUrl* finished);
  void threadHasFinished(ZelUrl* record) override;
  void addToRemedialQueue(ZelUrl* record) override;
  void incNumberDone(ZelUrl* record) override;
  void statusHasChangedFordO(ZelUrl* record) override;
  void recountBadCollection();
  bool isFinished();
  void stop() override;
  void continueCrawl();
  void crawlDidStop();
  void crawlWillContinue();
  void reloadData();
  int64_t getThreadsInFlight() const { return numberOfThreadsDetached_; }
  int64_t getNextUrlIndex() const { return nextUrlToCrawl_; }

  // ---- Rechecking -------------------------------------------------------------------
  // Queues a record to be fetched again; slots are then handed out from this
  // queue only until it is empty ("ZelRecheckDidFinish").
  void addToRecheckQueue(ZelUrl* record) override;
  bool getNextUrlToRecheck();

  // ---- Requests --------------------------------------------------------------------
  // Builds one record's request and starts it; the record gets the callbacks.
  void sendAsyncServerRequest(ZelUrl* record);
  // "host:port" of an http(s) address, the host in lower case and the port
  // written out; "" for other addresses.
  static std::string hostKey(std::string_view address);
  // A host that could not be resolved, or refused the connection (after the
  // retry), is learnt once: later records of that host and port are settled
  // with the same status without a request.
  void learnHostFailure(const std::string& address, const UrlError& error) override;
  // How many records a learnt host failure settled, and how many hosts failed.
  int64_t getHostFailureSettledCount() const { return hostFailureSettled_; }
  size_t getUnreachableHostCount() const { return unreachableHosts_.size(); }
  // Ends a handed-out record's turn without a request: it gets the status (and
  // warning), is counted, and its slot is freed on the next turn of the loop.
  void settleWithoutRequest(ZelUrl* record, const std::string& status, const std::string& warning);
  // Images need a body only when both checkImages and loadImages are on.
  bool shouldLoadImages() const override;
  // The `timeout` setting, or 60 seconds when it is missing or not positive.
  double requestTimeout() const override;
  static constexpr double kDefaultTimeoutSeconds = 60;
  // The setting `maxBodyBytes` (ours, not the Parts': they set no limit, but a
  // hostile page may not exhaust memory): 50 MB when absent, none when 0 or less.
  int64_t maxBodyBytes() const;
  static constexpr int64_t kDefaultMaxBodyBytes = int64_t{50} << 20;
  // robots.txt and the start's encoding probe block the run loop: 10 seconds, or
  // less when `timeout` asks for less. (Shorter than the Part's 10 s only on the
  // user's request.)
  double startupRequestTimeout() const { return std::min(10.0, requestTimeout()); }
  bool shouldBeInSitemapCollection(ZelUrl* record);
  // Page bodies are kept only while spelling or grammar checking needs them.
  bool shouldCacheData() const override;
  // Records keep their final response's header fields from now on (for the
  // host's audit and window; off by default, since they cost memory).
  // Every field, or those of a rule.
  void setKeepsResponseHeaders(bool keep) {
    keptHeaders_ = keep ? std::optional<KeptHeaderRule>(KeptHeaderRule()) : std::nullopt;
  }
  void setKeptResponseHeaders(KeptHeaderRule rule) { keptHeaders_ = std::move(rule); }
  bool keepsResponseHeaders() const { return keptHeaders_.has_value(); }
  const KeptHeaderRule* keptResponseHeaders() const override {
    return keptHeaders_ ? &*keptHeaders_ : nullptr;
  }
  // Hooks of later stages that response handling calls at the end of loading.
  bool performSoft404CheckOnThisUrl(ZelUrl* record) override;

  // ---- Page archive (zel_hub_archive.cpp) ----------------------------------------------
  // Keeps a copy of a fetched page in the internal archive folder.
  void archivePage(ZelUrl* record) override;
  // Empties the internal archive folder and its index (start of every crawl).
  void clearArchiveFolder();
  // Saves the archive to the chosen folder, as it is or converted into a
  // browsable copy; the folder written, nullopt when nothing was saved.
  std::optional<std::string> saveArchive();
  const ArchiveIndex* getArchiveIndex() const;
  std::optional<std::string> getInternalArchiveLocation() const;
  std::string uniqueStringUsingDateAndTime() const;
  ArchiveStore& archiveStore() const { return *archiveStore_; }
  // The plain-mode archived file of an address when it exists.
  std::optional<std::string> fileLocationForArchive(std::string_view actualLinkUrl) const override;

  // ---- Link extraction --------------------------------------------------------------
  void extractLinks(ZelUrl* record) override;
  std::unique_ptr<ZelRenderer> makeRenderer(const UrlRequest& request, ZelRendererOwner* owner,
                                            Status* why) override;
  // With a receiver set (the host's; none by default), every HTML page of the site
  // is also scanned for its MarkupFacts, in the same pass, and the facts go to the
  // receiver with the record when the page's links are extracted, in their
  // compact form (encodeMarkupFacts).
  using MarkupFactsReceiver = std::function<void(ZelUrl*, std::string&&)>;
  void setMarkupFactsReceiver(MarkupFactsReceiver receiver) {
    markupFactsReceiver_ = std::move(receiver);
  }
  // With a reader as well, each such page's content is read off the crawl's path
  // (from its bytes, its visible text and the main text the gatherer kept, on a
  // thread of its own) and goes to the receiver with the record on the run loop,
  // in the order the pages were extracted, after their markup facts.
  using PageContentReceiver = std::function<void(ZelUrl*, std::unique_ptr<PageContent>)>;
  void setPageContentReader(std::shared_ptr<const PageContentReader> reader,
                            PageContentReceiver receiver);
  // Waits for the pages' content still being read and hands it to the receiver.
  // Done when the crawl stops or finishes; the host calls it before it reads
  // what it received at other times.
  void finishPageContentReads();
  // With a receiver set, what the audits of each rendered page found (with
  // --accessibility, --page-speed, --script-changes) goes to it with the record.
  using RenderedFactsReceiver = std::function<void(ZelUrl*, RenderedFacts&&)>;
  void setRenderedFactsReceiver(RenderedFactsReceiver receiver) {
    renderedFactsReceiver_ = std::move(receiver);
  }
  // Pages that asked to be rendered but were read as served (no browser), and why.
  int getUnrenderedPageCount() const { return unrenderedPages_; }
  const std::string& getUnrenderedReason() const { return unrenderedReason_; }
  void extractLinksInTurn(ZelUrl* record, std::function<void()> then) override;
  void handleInTurn(std::function<void()> task) override;
  void pageHasArrived(ZelUrl* record) override;
  // Runs the waiting extractions whose scans are done, in their order.
  void runReadyExtractions();
  // Parts of extractLinks: an HTML page's own facts, and the facts of any parser.
  void extractHtmlFacts(ZelUrl* record, ZelParser& parser, int fileType);
  void extractPageFacts(ZelUrl* record, const LinkSource& parser, const ZelParser* html);
  // One link of a page: resolved, classified, recorded (or dropped).
  void processLink(std::string& href, const std::string& linkText, const LinkSource& parser,
                   ZelUrl* page, const std::optional<Url>& base, int fileType,
                   bool pageHeadNoFollow);
  // The page's canonical link: stored on the page and recorded as a link.
  void processCanonical(std::string canonical, const LinkSource& parser, ZelUrl* page);

  // Test and host access to counters that later stages move.
  void setNumberDone(int64_t n) { numberDone_ = n; }
  void setBadCollectionCount(int64_t n) { badCollectionCount_ = n; }

  // ---- Start-up ------------------------------------------------------------------------
  // `go:`. Normalises the starting address, works out what kind of start it is,
  // sets up the scope lists, reads robots.txt, creates record 0 and sends its
  // request. Returns false, with nothing sent, when the address is empty, a local
  // file cannot be read or no URL can be made (the last two after an alert).
  bool go();
  // The typed starting address made into an address: "http://" in front of a
  // host, "file://" in front of a local path under a folder root.
  static std::string normalisedStartingAddress(std::string_view typed);
  // Items trimmed of white space and line ends; empty ones dropped; order kept.
  static std::vector<std::string> trimEachItemInArray(
      const std::optional<std::vector<std::string>>& items);
  // Trimmed, empty ones dropped, items beginning with "/" prefixed with the base
  // (less one trailing "/").
  static std::vector<std::string> makeEachItemInArray(const std::vector<std::string>& items,
                                                      std::string_view base);
  // The first UTF-16 unit of the text, 0 when it is empty or absent.
  static uint16_t firstCharOf(std::optional<std::string_view> text);

  const std::vector<std::string>& getDomains() const { return domains_; }
  const std::vector<std::string>& getCheckBlacklistArray() const { return checkBlacklistArray_; }
  const std::vector<std::string>& getFollowBlacklistArray() const { return followBlacklistArray_; }
  const std::vector<std::string>& getFollowWhitelistArray() const { return followWhitelistArray_; }
  const std::optional<std::vector<std::string>>& getRobotsBlacklistArray() const {
    return robotsBlacklistArray_;
  }
  const std::optional<std::vector<std::string>>& getRobotsWhitelistArray() const {
    return robotsWhitelistArray_;
  }
  const std::vector<std::string>& getSoft404Array() const { return soft404Array_; }
  OutputFilterManager* getOutputFilterManager() const { return outputFilterManager_.get(); }
  bool isScanningHttpsSite() const { return scanningHttpsSite_; }

 protected:
  // Steps of go(); each returns false when the start must stop.
  bool readLocalStart(Url& testUrl, int64_t& plainTextMode);
  void limitToStartingDirectory(std::optional<Url>& startUrl);
  void setDomainsFromStart(const Url& startUrl);
  void readRobotsTxt(const Url& startUrl);
  void detectEncodingOfStart(const std::optional<Url>& testUrl);

 public:
  // ---- Scope rules ------------------------------------------------------------------------
  // Whether a host lies inside the site: equal (ignoring case, or in its IDNA
  // form) to a domain entry, or with `followSubdomains` a dot-separated part of
  // one (or one of it). An empty list makes every host internal; an absent
  // host is external.
  bool compareHost(std::optional<std::string_view> host,
                   const std::vector<std::string>& domains) const;
  // A "file:" address under one of the listed prefixes (ignoring case).
  static bool fileUrlIsInternal(const Url& url, const std::vector<std::string>& domains);
  static bool fileUrlIsInternal(std::string_view absolute, const std::vector<std::string>& domains);
  static bool isLinkHttpOnHttpsSite(std::string_view link, std::string_view page);
  // The second argument is not used.
  bool redirectUrlIsExternal(std::string_view redirect, std::string_view original) const override;
  void addToDomainsList(std::optional<std::string_view> host);
  // A redirected start: its host joins the domains.
  void resetDomain(ZelUrl* record) override;
  // The directory an address lies in ("/dir" for /dir/page.html), decoded;
  // optionally confines following to it with a "!" rule.
  std::string getpathFromUrl(const Url& url, bool addToFollowBlacklist);
  // Resolves "../" segments, keeping those that climb above the root (or
  // deleting them with `tolerateUpADirectory`).
  Url dealWithUpADirectory(const Url& url) const;
  bool shouldBeIgnored(std::string_view address) const;
  bool urlIsInformationPage(std::string_view address) const;
  // The known record for an address (not `ignore`), or the first record that
  // redirects to it; nullptr when there is none.
  // `addressHash`, when given, is RecordAddressTable::hashOf(address).
  ZelUrl* weHaveThisOneAlready(std::string_view address, const ZelUrl* ignore, bool internal,
                               std::optional<uint32_t> addressHash = std::nullopt) const;
  // `doWeHaveThisURL:inDictionary:internal:` for each of the two tables.
  ZelUrl* doWeHaveThisURL(std::string_view address, const RecordAddressTable& dictionary,
                          bool internal, std::optional<uint32_t> addressHash = std::nullopt) const;
  const std::vector<ZelUrl*>* doWeHaveThisURL(
      std::string_view address,
      const AddressGroups& dictionary,
      bool internal) const;
  // The key those look-ups use for an address ("" finds nothing).
  std::string lookupKeyForAddress(std::string_view address, bool internal) const;
  std::string_view lookupKeyView(std::string_view address, bool internal,
                                 std::string& scratch) const;
  // The first record is a sitemap or a .txt/.csv list.
  bool startingPointWasList() const;

 protected:
  friend class ZelCrawlRestorer;  // a saved crawl rebuilds the hub's state
  Platform platform_;
  std::string startingUrl_;
  int64_t numberOfThreadsDetached_ = 0;
  int64_t numberDone_ = 0;
  int64_t nextUrlToCrawl_ = 0;
  int64_t badCollectionCount_ = 0;
  bool crawlFinished_ = false;
  bool stopPressed_ = false;
  std::optional<KeptHeaderRule> keptHeaders_;
  int unrenderedPages_ = 0;
  std::string unrenderedReason_;
  std::unique_ptr<ZelSEOManager> seoManager_;
  std::unique_ptr<ArchiveStore> archiveStore_;

  // Owns every record and link instance; their addresses stay stable.
  ZelLinkGraph graph_;

  RecordAddressTable lookupDictionary_{graph_};
  bool lookupReady_ = false;
  AddressGroups redirLookupDictionary_;
  bool redirLookupReady_ = false;
  std::vector<std::string> soft404Array_;
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
  bool watchdogScheduled_ = false;
  // Deliberately unlike the Parts (which send a request for every record): the
  // status of a host that cannot be reached, by "host:port".
  std::unordered_map<std::string, std::string> unreachableHosts_;
  int64_t hostFailureSettled_ = 0;
  // `maxRequestsPerHost` (ours; 0 = off): requests in flight by host key, the
  // host each record in flight counts against, and the records set aside while
  // their host was full, handed out when one of its requests ends. (The Part's
  // walk only moves forward and keeps no other queue; with the setting off that
  // order holds exactly.)
  std::unordered_map<std::string, int64_t> hostInFlight_;
  std::unordered_map<const ZelUrl*, std::string> inFlightHost_;
  std::map<std::string, std::deque<ZelUrl*>> waitingForHost_;
  int64_t perHostLimit() const;
  void noteRequestSent(ZelUrl* record);
  void noteRequestEnded(ZelUrl* record);
  // A record that is settled as soon as it is found (unresolvable or missing link).
  ZelUrl* settledRecord(ZelUrl* page, std::string_view address, const std::string& linkText,
                        const LinkSource& parser, const std::string& status);
  void scheduleWatchdog();

 private:
  // ---- Steps of extractLinks (zel_hub_extraction.cpp) ---------------------------------
  // How the parsing step leaves the page: on to the next step, to the shared end,
  // or stopped at once (the record was dropped).
  enum class ExtractionStep { Next, Finish, Stop };
  // What the record is parsed as, and the parser's file type.
  struct ExtractionKind {
    bool css = false, js = false, pdf = false, xml = false;
    int fileType = 0;
  };
  void finishExtraction(ZelUrl* r, std::chrono::steady_clock::time_point started);
  bool isSitePageToExtract(ZelUrl* r);
  bool singlePageModeAllows(ZelUrl* r);
  bool isFollowedForExtraction(ZelUrl* r);
  std::optional<ExtractionKind> extractionKindOf(ZelUrl* r);
  ExtractionStep parsePageForExtraction(ZelUrl* r, const ExtractionKind& kind,
                                        std::unique_ptr<ZelParser>& html,
                                        std::unique_ptr<ResourceLinkParser>& resource);
  void addToSitemapCollectionIfWanted(ZelUrl* r, const ZelParser* html);
  bool followMetaRefreshOfPage(ZelUrl* r, ZelParser& html);
  std::optional<Url> baseUrlOfPage(ZelUrl* r, const LinkSource& parser) const;
  std::optional<std::string> firstHrefToFollow(ZelUrl* r, LinkSource& parser) const;
  void processLinksOfPage(ZelUrl* r, LinkSource& parser, std::optional<std::string> href,
                          const std::optional<Url>& base, int fileType);
  void recordPageCounts(ZelUrl* r, const LinkSource& parser, ZelParser* html,
                        const ExtractionKind& kind);

  // ---- Page scans on a worker (zel_hub_page_scans.cpp) ----------------------------------
  // Whether the page is an HTML page of the site that a worker may scan; the
  // rest is better scanned when its extraction comes.
  bool wantsPageScan(ZelUrl* r);
  // Starts scanning the page on a worker.
  std::shared_ptr<PageScan> startPageScan(ZelUrl* r);
  // The scan for the page's extraction: the one started on its arrival while it
  // still reads what extraction would read, else a new one or nullptr.
  std::shared_ptr<PageScan> scanForExtraction(ZelUrl* r);
  // The parser of the scan in hand when it was made as extraction would make it now.
  std::unique_ptr<ZelParser> takeScannedParser(int fileType);
  // A used parser, freed on the scan worker along with the next page it scans
  // (a big page's parser is thousands of allocations).
  void retireParser(std::unique_ptr<ZelParser> parser);
  std::shared_ptr<const Defaults> settingsSnapshot();
  // Hands the page's text to the content reads' thread.
  void readPageContentLater(ZelUrl* record, PageTextCopy text);

  struct PendingExtraction {
    ZelUrl* record;  // null: only `then` runs
    std::shared_ptr<PageScan> scan;  // null: parsed when its turn comes
    std::function<void()> then;
  };
  std::deque<PendingExtraction> pendingExtractions_;
  // Scans started when a page arrived, until its extraction or its slot's end.
  std::unordered_map<ZelUrl*, std::shared_ptr<PageScan>> arrivedScans_;
  Url resolvedLink_;  // processLink's target, reused from link to link
  std::shared_ptr<PageScan> scanInHand_;
  MarkupFactsReceiver markupFactsReceiver_;
  RenderedFactsReceiver renderedFactsReceiver_;
  int64_t renderersMade_ = 0;  // the page-speed sample counts them
  // The gatherer that observed the scan of the page being extracted.
  std::unique_ptr<MarkupFactsGatherer> gathererInHand_;
  std::shared_ptr<const PageContentReader> contentReader_;
  PageContentReceiver contentReceiver_;
  std::optional<PageTextCopy> textInHand_;  // taken by the scan in hand's worker
  std::vector<std::unique_ptr<ZelParser>> retiredParsers_;
  // The ignore terms as read at a generation of the settings (read once a link otherwise).
  mutable std::vector<std::string> ignoreTerms_;
  mutable uint64_t ignoreTermsGeneration_ = 0;
  mutable const Defaults* ignoreTermsFrom_ = nullptr;
  std::shared_ptr<const Defaults> settingsSnapshot_;
  bool runningExtractions_ = false;
  // Lets a worker's hand-over find out whether the hub still exists.
  std::shared_ptr<ZelHub*> aliveToken_ = std::make_shared<ZelHub*>(this);
  // Pages' content read on a thread of its own, made with the first page.
  std::unique_ptr<ContentReads> contentReads_;
  // Last, so that it is joined before anything a running scan could reach goes.
  std::unique_ptr<WorkPool> scanPool_;
};

}  // namespace zel
