#pragma once
// The record of one distinct URL met by a crawl: its addresses, fetch outcome,
// redirect chain, page facts, warnings and the link instances in and out of it.
// Records are owned by their hub and live as long as it does.
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/url.h"
#include "platform/url_loader.h"
#include "url/kept_response_headers.h"
#include "url/zel_data_object.h"
#include "url/zel_link_instance.h"
#include "url/zel_link_instance_list.h"
#include "url/zel_record_owner.h"
#include "url/zel_renderer.h"

namespace zel {

class ZelRecordOwner;
class SpillTexts;
class Defaults;
class Log;

// One hop of a redirect chain.
struct RedirectEntry {
  std::string url;  // target as stored (trimmed as configured)
  bool hasHadRedirSlashTrimmed = false;
  std::string status;  // status text of the step that led here
  int32_t reason = 0;  // 0 server/renderer, 1 meta refresh, 2 "Refresh" header
};

// One meta tag of a page head: attribute name -> value ("name", "property",
// "itemprop", "content", ...).
using MetaEntry = std::map<std::string, std::string>;

class ZelUrl : public ZelDataObject, public UrlConnectionDelegate, public ZelRendererOwner {
 public:
  // `initWithOwner:`; the hub creates records through its createRecord.
  explicit ZelUrl(ZelRecordOwner* owner);
  ~ZelUrl() override;
  ZelUrl(const ZelUrl&) = delete;
  ZelUrl& operator=(const ZelUrl&) = delete;

  ZelRecordOwner* owner() const { return owner_; }
  void setOwner(ZelRecordOwner* owner) { owner_ = owner; }

  // A web page (or a redirect or refresh answered by a web server) never makes the
  // crawler open a local file: such a target is recorded "Not checked" with this warning.
  static constexpr const char* kLocalFileFromTheWebWarning =
      "The link url is a file on this computer. It was not opened because a web page links "
      "to it";

  // ---- Addresses ----------------------------------------------------------
  const std::string& getLinkUrl() const { return nsslinkUrl_; }
  // `actualLinkUrl`: the redirect target when there is one, else the link URL,
  // as of the last setActualLinkUrl.
  const std::string& getActualurl() const {
    switch (actualSource_) {
      case ActualSource::Link:
        return nsslinkUrl_;
      case ActualSource::Redir:
        return getRedir();
      case ActualSource::Own:
        break;
    }
    return rare_->ownActual;
  }
  const std::string& getRedir() const { return rare_ ? rare_->redir : noText(); }
  // The actual address with the trailing "/" put back when one was trimmed.
  std::string getActualLinkUrl() const;
  // Whether getActualLinkUrl is getActualurl followed by "/" (for writers that
  // avoid the copy).
  bool actualUrlHadSlashTrimmed() const {
    return getRedir().empty() ? hasHadSlashTrimmed() : hasHadRedirSlashTrimmed();
  }
  std::string getLinkUrlForTesting() const;
  std::string getLinkUrlDecoded() const;
  std::string getActualurlDecoded() const;
  std::string getRedirDecoded() const;
  void setActualLinkUrl();
  bool hasHadSlashTrimmed() const { return flag(kSlashTrimmed); }
  bool hasHadRedirSlashTrimmed() const { return flag(kRedirSlashTrimmed); }
  void setHasHadSlashTrimmed(bool v) {
    setFlag(kSlashTrimmed, v);
    actualUrlChanged();
  }
  void setHasHadRedirSlashTrimmed(bool v) {
    setFlag(kRedirSlashTrimmed, v);
    actualUrlChanged();
  }
  bool getRecursion() const { return flag(kRecursion); }
  void setRecursion(bool v) { setFlag(kRecursion, v); }

  // URL text operations (address normalisation and comparison); their bodies
  // live in zel_url_text.cpp beside the rest of the URL-text code.
  void setLinkUrl(std::optional<std::string_view> address, bool trimQuery);
  std::string trimHash(std::string_view address, bool trimQuery);
  std::string forceTrimHash(std::string_view address);
  std::string removeSessionIdFrom(std::string_view address) const;
  bool isEqualToUrl(std::string_view address, bool trimmed, bool ignoreTrailingSlash);
  bool isEqualToUrl(std::string_view address, bool trimmed, bool ignoreTrailingSlash,
                    bool forceTrimHash);
  std::string myStringByAddingPercentEscapes(std::string_view address) const;
  std::optional<Url> makeNSURLFromString(std::string_view text, std::string_view base) const;
  // The same with the given settings, for callers without a record (the hub).
  static std::optional<Url> makeNSURLFromString(std::string_view text, std::string_view base,
                                                const Defaults& d);
  bool actualPathMatchesCase(std::string_view address) const;

  // ---- Identity and place in the crawl ------------------------------------
  // Fetched from the web: the link or the actual address is http(s).
  bool isFromTheWeb() const;
  bool isStartingPoint() const { return flag(kStartingPoint); }
  void setIsStartingPoint(bool v) { setFlag(kStartingPoint, v); }
  bool isInternal() const { return flag(kInternal); }
  void setIsInternal(bool v) { setFlag(kInternal, v); }
  int32_t getDistanceFromHome() const { return distanceFromHome_; }
  // Only ever lowers a distance already set (a shorter path was found).
  void setDistanceFromHome(int32_t n);
  int32_t thread() const { return thread_; }
  void setThread(int32_t t) { thread_ = t; }

  // ---- Link graph -----------------------------------------------------------
  // The instances linking here and the ones on this page, in the order they
  // were added (views over chains kept in the hub's link graph).
  ZelLinkInstanceList getInboundInstances() const;
  ZelLinkInstanceList getOutboundInstances() const;
  // The record's number in its hub's link graph.
  uint32_t graphIndex() const { return graphIndex_; }
  // Instances made by this record's hub, each added once.
  void addInboundInstance(ZelLinkInstance* instance);
  void addOutboundInstance(ZelLinkInstance* instance);
  void removeThisInstanceFromOutboundArray(ZelLinkInstance* instance);
  void removeThisInstanceFromInboundArray(ZelLinkInstance* instance);
  ZelLinkInstance* getInstanceAtIndex(size_t i) const;
  ZelUrl* getParentOfInstanceAtIndex(size_t i) const;
  std::string getActualUrlOfInstanceAtIndex(size_t i) const;
  size_t occurrencesCount() const { return inbound_.count; }
  size_t outboundLinkCount() const { return outbound_.count; }
  ZelUrl* getLastOnPageUrl() const;
  // The first instance linking here (nullptr for none); and whether any passes
  // `test`, asked newest first and stopping at the first that does, without
  // reading the list into memory (for questions the order does not change).
  ZelLinkInstance* firstInboundInstance() const;
  bool anyInboundInstance(const std::function<bool(const ZelLinkInstance&)>& test) const;
  int32_t getInternallinkcount() const { return internalLinkCount_; }
  int32_t getExternallinkcount() const { return externalLinkCount_; }
  // Built on demand and cached; dropped when an outbound instance is added.
  const std::vector<ZelLinkInstance*>& getLinkedImagesArray() const;
  const std::vector<ZelLinkInstance*>& getLinkedVideoArray() const;
  const std::vector<ZelLinkInstance*>& getLinkedAudioArray() const;
  void invalidateLinkedImagesArray();
  void invalidateLinkedVideoArray();
  void invalidateLinkedAudioArray();
  int32_t getImageqty() const;
  double getTotalImageWeightAsNumber() const;
  double getImageweight() const { return getTotalImageWeightAsNumber(); }
  std::string getTotalImageWeight() const;
  // Links that are not images, video, audio or linked files. getLinkCount
  // recounts into the cache; getLinkcount answers from it when present.
  int32_t getLinkCount() const;
  int32_t getLinkcount() const;
  std::string getOnPageUrl() const;
  std::string getOnPages() const;
  std::string getLinkText() const;
  bool isNofollow() const;
  bool appearsOn(const ZelUrl* page) const;
  int32_t getOnpagecount() const { return static_cast<int32_t>(inbound_.count); }

  // ---- Fetch state ----------------------------------------------------------
  void setSentRequest();
  bool hasSentRequest() const { return sentRequestMono_ >= 0; }
  double getTimeSinceSent() const;
  const std::string& getTimestampText() const { return pooledText(timestamp_); }
  // The timestamp text read back as seconds since the epoch; nullopt when unset.
  std::optional<double> getTimestamp() const;
  void setTimestamp(const std::optional<std::string>& t) {
    if (t) timestamp_ = poolText(*t);
  }
  double getResponseTimeInterval() const { return responseTimeInterval_; }
  void setResponseTimeInterval(double s) { responseTimeInterval_ = s; }
  double getLoadTime() const { return loadTimeInterval_; }
  void setLoadTimeInterval(double s) { loadTimeInterval_ = s; }
  int32_t getRetryCount() const { return retryCount_; }
  void setRetryCount(int32_t n) { retryCount_ = n; }
  int32_t getRetryAfter() const { return rare_ ? rare_->retryAfter : 0; }
  void setRetryAfter(int32_t n) {
    if (rare_ || n != 0) rare().retryAfter = n;
  }
  int32_t getPreviousFailureCount() const { return rare_ ? rare_->previousFailureCount : 0; }
  void setPreviousFailureCount(int32_t n) {
    if (rare_ || n != 0) rare().previousFailureCount = n;
  }
  bool contentLengthUnavailable() const { return flag(kNoContentLength); }
  void setContentLengthUnavailable(bool v) { setFlag(kNoContentLength, v); }
  const std::optional<UrlRequest>& getRunJS() const;
  void setRunJS(std::optional<UrlRequest> r);
  // Stops and drops the renderer (and the rendering request). A rendered page
  // that never arrived ends the fetch here, with what the server sent.
  void clearWTG() override;
  ZelRenderer* getWTG() const;

  // The renderer's calls: the rendered page arrives as a body without a connection.
  void connection(UrlConnection* connection, std::string_view data) override;
  void connectionDidFinishLoading(UrlConnection* connection) override;
  void WTGWillPerformRedirectToURL(const std::string& url) override;

  const std::string* getData() const { return data_.get(); }
  // The body itself, for a reader on another thread: it never changes under
  // the reader, since ensureData gives the record a copy of its own first.
  std::shared_ptr<const std::string> sharedData() const { return data_; }
  std::string& ensureData();
  void clearData() { data_.reset(); }
  std::string* getSourceData() const { return rare_ ? rare_->sourceData.get() : nullptr; }
  std::string& ensureSourceData();

  const std::string& getMimeType() const { return pooledText(mimeType_); }
  void setMimeType(std::string_view m) { mimeType_ = poolText(m); }
  bool getIsHTML() const { return flag(kHTML); }
  void setIsHTML(bool v) { setFlag(kHTML, v); }
  // Also records a match by extension in the image flag.
  bool getIsImage() const;
  bool isImageFlag() const { return flag(kImage); }
  void setIsImage(bool v);
  bool getIsVideo() const { return flag(kVideo); }
  void setIsVideo(bool v);
  bool getIsAudio() const { return flag(kAudio); }
  void setIsAudio(bool v);

  void setFileSize(int64_t bytes);
  void setFileSizeCompressed(int64_t bytes);
  int64_t getFileSizeInBytes() const { return fileSizeBytes_; }
  // The transferred size: Content-Length as sent, or the bytes received without one.
  int64_t getFileSizeCompressedInBytes() const { return fileSizeCompressedBytes_; }
  int64_t fileSizeKB() const { return fileSize_; }
  int64_t fileSizeCompressedKB() const { return fileSizeCompressedBytes_ / 1024; }
  double getFilesize() const;
  double getFilesizecompressed() const { return static_cast<double>(fileSizeCompressedKB()); }
  int64_t getFileSizeInKBytes() const;
  std::string getFileSize() const;
  std::string getFileSizeCompressed() const;

  std::optional<std::string> getTargetLastModified() const;
  void setTargetLastModified(std::optional<std::string> v);
  std::string getLastModified() const;
  std::string getLastmodified() const { return getLastModified(); }

  // ---- Type tests -------------------------------------------------------------
  bool getIsPDF() const;
  // Learns the extension of the actual address from that address already parsed,
  // so the type checks need not parse it again.
  void noteParsedActualUrl(const Url& actual) const;
  bool getIsCSS() const;
  bool getIsJS() const;
  bool isXML() const;
  bool isAnotherFileType() const;
  bool isSonOfXML() const;
  bool isSonOfList() const;
  bool directoryTooHigh() const;

  // ---- Fetching -------------------------------------------------------------------
  // Starts a connection for the request with this record as its delegate; an
  // earlier connection is cancelled.
  void startConnection(UrlRequest request);
  void cancelConnection();
  bool hasConnection() const { return connection_ != nullptr; }
  // An answer begun before a stop whose rest came while stopped: what the record
  // holds is not the whole answer, so continuing the crawl asks again.
  bool answerCutByStop() const { return flag(kAnswerCutByStop); }
  // Forgets the cut answer and its connection: the record is fetched again.
  void forgetCutAnswer();

  // Connection callbacks (response handling, redirects, authentication).
  std::optional<UrlRequest> willSendRequest(UrlConnection& connection, const UrlRequest& proposed,
                                            const UrlResponse* redirectResponse) override;
  bool canAuthenticateAgainst(UrlConnection& connection, AuthMethod method) override;
  ChallengeAnswer didReceiveChallenge(UrlConnection& connection,
                                      const AuthChallenge& challenge) override;
  void didReceiveResponse(UrlConnection& connection, const UrlResponse& response) override;
  void didReceiveData(UrlConnection& connection, std::string_view bytes) override;
  void didReceiveOwnedData(UrlConnection& connection, std::string&& bytes) override;
  void didFinishLoading(UrlConnection& connection) override;
  void didFailWithError(UrlConnection& connection, const UrlError& error) override;

  // ---- Rechecking -------------------------------------------------------------------
  // Uncounts the record and fetches it again through the hub's recheck queue.
  void recheckLink();
  // Reads the page again (synchronously), extracts its links anew, drops links
  // that are gone and rechecks every link without a status.
  void recheckPage();

  // ---- Status and warnings ----------------------------------------------------
  void setStatus(const std::optional<std::string>& s) {
    if (s) status_ = poolText(*s);
  }
  const std::string& getFinalStatus() const { return pooledText(status_); }
  std::string getInitialStatus() const;
  std::string getStatus() const;
  bool isGoodLink() const;
  bool isErrorPage() const;
  // Whether s is the localised form of english (no string is built without a table).
  bool isLocalized(std::string_view s, std::string_view english) const;
  bool isExempt() const;
  // True when the record stays OUT of the bad collection.
  bool shouldBeMemberOfBadCollection() const;
  bool isInBadCollection() const { return flag(kInBad); }
  void setIsInBadCollection(bool v) { setFlag(kInBad, v); }
  bool isBlacklisted() const { return flag(kBlacklisted); }
  void setIsBlacklisted(bool v);
  bool isDisallowed() const { return flag(kDisallowed); }
  void setIsDisallowed(bool v) { setFlag(kDisallowed, v); }

  // A redirect or refresh from the web to a local file: entered in the redirect
  // table, "Not checked" with a warning, never followed.
  void refuseLocalFileTarget(std::string_view target, std::optional<std::string> status,
                             int32_t reason);

  const std::vector<std::string>* getWarnings() const {
    return rare_ && rare_->warnings ? &*rare_->warnings : nullptr;
  }
  void setWarnings(const std::vector<std::string>& w);
  // The final response's header fields, when the crawl keeps them (else nullptr).
  const KeptResponseHeaders* getResponseHeaders() const {
    return rare_ ? rare_->responseHeaders.get() : nullptr;
  }
  void setResponseHeaders(KeptResponseHeaders headers) {
    rare().responseHeaders = std::make_unique<KeptResponseHeaders>(std::move(headers));
  }
  // Forgets them, and the record's out-of-line part when nothing else is in it.
  void dropResponseHeaders();
  void addWarning(const std::string& text);
  void addWarnings(const std::vector<std::string>& texts);
  std::vector<std::string> getWarningsAsArrayIncludingRedirects(bool includeRedirects);
  std::vector<std::string> getWarningsAsArray() {
    return getWarningsAsArrayIncludingRedirects(true);
  }
  std::string getWarningsAsString();
  std::string cleanedWarningString(std::string_view text) const;

  // ---- Redirect table -----------------------------------------------------------
  void addRedir(std::string_view url, std::optional<std::string> status, int32_t reason);
  void addRedirsFromArray(const std::vector<RedirectEntry>& entries);
  void clearRedir();
  const std::vector<RedirectEntry>* getRedirTable() const {
    return rare_ && rare_->redirects ? &*rare_->redirects : nullptr;
  }
  void setRedirTable(const std::vector<RedirectEntry>& entries);
  bool lastRedirectWasMeta() const;
  int32_t getRedirectCount() const {
    const std::vector<RedirectEntry>* table = getRedirTable();
    return table ? static_cast<int32_t>(table->size()) : 0;
  }
  int32_t getNumberOfRedirectsToHere() const;

  // ---- Page facts -------------------------------------------------------------------
  std::string getLinkPageTitle() const;
  std::string getLinkpagetitle() const { return getLinkPageTitle(); }
  void setLinkPageTitle(std::optional<std::string> t);
  bool hasTitle() const;
  std::string getMetaDescription() const;
  std::string getMetadescription() const { return getMetaDescription(); }
  std::string getKeywords() const;
  // The meta tags as read from the page; absent when the page was not read.
  std::optional<std::vector<MetaEntry>> getMetaData() const;
  void setMetaData(const std::optional<std::vector<MetaEntry>>& meta);
  std::string getCanonical() const;
  void setCanonical(std::optional<std::string> c);
  std::optional<std::vector<std::string>> getHeadings() const;
  void setHeadings(std::optional<std::vector<std::string>> h);
  const std::optional<std::vector<std::string>>& getNamesOnThisPage() const;
  void setNamesOnThisPage(std::vector<std::string> names);
  bool getHeadContainsNoFollow() const { return flag(kHeadNoFollow); }
  bool getHeadContainsNoIndex() const { return flag(kHeadNoIndex); }
  void setHeadContainsNoFollow(bool v) { setFlag(kHeadNoFollow, v); }
  void setHeadContainsNoIndex(bool v) { setFlag(kHeadNoIndex, v); }
  std::string getRobots() const;
  int64_t getWordCount() const;
  void setWordCount(int64_t n);
  bool isKeywordStuffed() const;
  void setKeywordStuffed(bool v);
  int64_t getSpellingCount() const;
  int64_t getGrammarCount() const;
  void setSpellingCount(int64_t n);
  void setGrammarCount(int64_t n);
  bool spellingReviewed() const;
  void setSpellingReviewed(bool v);
  std::string getValidatorStatus() const;
  std::string getValidatorstatus() const { return getValidatorStatus(); }
  void setValidatorStatus(std::optional<std::string> s);
  int64_t getValidatorErrors() const;
  int64_t getValidatorWarnings() const;
  void setValidatorErrors(int64_t n);
  void setValidatorWarnings(int64_t n);
  bool getLinksAnchorDoesntAppearOnTargetPage() const;
  std::string getAnchorFragment() const;
  bool canonicalMatchesUrl();
  bool isEqualToTitle(const std::optional<std::string>& title) const;

  // Meta getters: content of the first meta entry whose key equals the value.
  std::string metaContent(std::string_view key, std::string_view value) const;
  std::string getOglatitude() const { return metaContent("property", "og:latitude"); }
  std::string getOglongitude() const { return metaContent("property", "og:longitude"); }
  std::string getOglocality() const { return metaContent("property", "og:locality"); }
  std::string getOgtitle() const { return metaContent("property", "og:title"); }
  std::string getOgdescription() const { return metaContent("property", "og:description"); }
  std::string getOgurl() const { return metaContent("property", "og:url"); }
  std::string getOgimage() const { return metaContent("property", "og:image"); }
  std::string getOgtype() const { return metaContent("property", "og:type"); }
  std::string getOgsite_name() const { return metaContent("property", "og:site_name"); }
  std::string getTwittertitle() const { return metaContent("name", "twitter:title"); }
  std::string getTwitterdescription() const { return metaContent("name", "twitter:description"); }
  std::string getTwitterurl() const { return metaContent("name", "twitter:url"); }
  std::string getTwitterimage() const { return metaContent("name", "twitter:image"); }
  std::string getTwittercard() const { return metaContent("name", "twitter:card"); }
  std::string getItempropname() const { return metaContent("itemprop", "name"); }
  std::string getItempropimage() const { return metaContent("itemprop", "image"); }
  std::string getItempropdescription() const { return metaContent("itemprop", "description"); }

  // Headings: level = 1 + number of leading tabs.
  static bool thisIsAnH1(std::string_view h);
  static bool thisIsAnH2(std::string_view h);
  static bool thisIsAnH3(std::string_view h);
  static bool thisIsAnH4(std::string_view h);
  std::string getH1s() const;
  std::string getH2s() const;
  std::string getH3s() const;
  std::string getH4s() const;
  std::string getHeadingsAsSummary() const;
  int32_t h1Count() const;

  // ---- Sitemap -------------------------------------------------------------------------
  double getPriority() const;
  // The priority as set, nullopt when the sitemap default by distance applies.
  std::optional<double> getPriorityIfSet() const;
  void setPriority(std::optional<double> p);
  std::string getChangeFrequency() const;
  std::string getChangefrequency() const { return getChangeFrequency(); }
  void setChangeFrequency(std::optional<std::string> f);
  int32_t getDirectoryDepth() const;

  // ---- SEO terms and duplicates ------------------------------------------------------
  bool countSEOTerm(std::string_view term);
  static int32_t countOcurrencesOfString(std::string_view needle, std::string_view haystack);
  static int32_t countOcurrencesOfString(std::string_view needle,
                                         const std::vector<std::string>& haystack);
  int32_t countOcurrencesOfStringInArchive(std::string_view needle) const;
  // The path of this page's plain-mode archived copy, when it exists.
  std::optional<std::string> fileLocationForArchive() const;
  int32_t getOcurrencesInUrl() const;
  int32_t getOcurrencesInTitle() const;
  int32_t getOcurrencesInDescription() const;
  int32_t getOcurrencesInKeywords() const;
  int32_t getOcurrencesInHeadings() const;
  int32_t getOcurrencesInArchive() const;
  int32_t getTotalOccurrences() const;
  const std::vector<ZelUrl*>& getUrlsWithDuplicatesRefresh(bool refresh);
  const std::vector<ZelUrl*>& getUrlsWithDuplicateTitlesRefresh(bool refresh);
  const std::vector<ZelUrl*>& getUrlsWithDuplicateDescriptionsRefresh(bool refresh);
  int32_t getPossibleduplicates() const;

  // ---- Content search -------------------------------------------------------------------
  std::optional<std::vector<std::string>> dataContainsOneOfTheseTerms(
      const std::vector<std::string>& terms, bool isRegex) const;
  std::optional<std::vector<std::string>> dataContainsOneOfTheseTerms(
      const std::vector<std::string>& terms) const {
    return dataContainsOneOfTheseTerms(terms, false);
  }
  bool linkContainsOneOfTheseTerms(const std::optional<std::vector<std::string>>& terms) const;
  bool archiveContainsOneOfTheseTerms(const std::vector<std::string>& terms) const;
  static bool isThisString(std::string_view s, const std::vector<std::string>& array);

  // ---- Number and text wrappers for field access -----------------------------------
  int32_t getTitlelength() const;
  int32_t getDescriptionlength() const;
  double getResponsetime() const { return responseTimeInterval_; }
  int64_t getWordcount() const { return getWordCount(); }
  int32_t getDistance() const { return distanceFromHome_; }
  std::string getDistancefromhome() const;
  std::string getValidatorerrors() const { return std::to_string(getValidatorErrors()); }
  std::string getValidatorwarnings() const { return std::to_string(getValidatorWarnings()); }
  int64_t getSpellingCountAsNumber() const { return getSpellingCount(); }
  int64_t getGrammarCountAsNumber() const { return getGrammarCount(); }
  std::string getSpellingcount() const { return std::to_string(getSpellingCount()); }
  std::string getGrammarcount() const { return std::to_string(getGrammarCount()); }
  bool getInternal() const { return isInternal(); }
  std::string getLinkUrlHTML() const;
  std::string getLinkRedirHTML() const;
  static std::string truncateURLByAddingElipsisInMiddle(std::string_view text);
  std::optional<std::string> getFieldByName(std::string_view name) const override;
  // Every name getFieldByName answers, in the order of its table (aliases included).
  static const std::vector<std::string_view>& fieldNames();
  float getFieldAsNumberByName(std::string_view name) const override;
  bool contains(std::string_view term) const override;

  // Colours for the host's tables.
  int getSEOColour() const { return 0; }
  int getValidatorColour() const { return getValidatorStatus() == "Invalid" ? 2 : 0; }

  void releaseAll() { sentRequestMono_ = -1; }

 private:
  enum Flag : uint32_t {
    kSlashTrimmed = 1u << 0,
    kRedirSlashTrimmed = 1u << 1,
    kStartingPoint = 1u << 2,
    kInternal = 1u << 3,
    kRecursion = 1u << 4,
    kNoContentLength = 1u << 5,
    kHTML = 1u << 6,
    kImage = 1u << 7,
    kVideo = 1u << 8,
    kAudio = 1u << 9,
    kBlacklisted = 1u << 10,
    kDisallowed = 1u << 11,
    kInBad = 1u << 12,
    kHeadNoFollow = 1u << 13,
    kHeadNoIndex = 1u << 14,
    kNotImage = 1u << 15,         // getIsImage found no image extension in the actual address
    kAnswerCutByStop = 1u << 16,  // part of an answer was dropped while the crawl was stopped
  };
  // True (and the answer marked as cut) when the crawl is stopped: the event is dropped.
  bool droppedWhileStopped();
  bool flag(uint32_t f) const { return (flags_ & f) != 0; }
  // What getIsImage learnt from the old actual address no longer holds.
  void actualUrlChanged() {
    flags_ &= ~kNotImage;
    extensionLength_ = kExtensionUnknown;
    addressKinds_.store(0, std::memory_order_relaxed);
  }
  void setFlag(uint32_t f, bool v) { flags_ = v ? (flags_ | f) : (flags_ & ~f); }

  struct PageFacts;  // page facts and caches, made on first use
  const std::vector<ZelUrl*>& sameTextGroup(std::optional<std::vector<ZelUrl*>>& cache,
                                            bool refresh, const RecordGroups& groups,
                                            std::string (ZelUrl::*text)() const);
  PageFacts& facts() const;
  SpillTexts& pageTexts() const;
  const PageFacts* factsOrNull() const { return facts_.get(); }
  const Defaults& defaults() const;
  Log& log() const;
  std::string localized(std::string_view english) const;
  std::string extensionOfActualUrl() const;
  void rememberExtension(const std::string& ext) const;
  // Counts the fetch as done, extracts its links when asked (in turn), then gives
  // back its request slot; dropBodyAfter also drops an internal body no check needs.
  void finishFetch(bool extract, bool dropBodyAfter = false);
  // The end of a loaded fetch, `sinceSent` seconds after its request went out.
  // `connection` is null for a page that came from the renderer.
  void finishLoading(UrlConnection* connection, double sinceSent);
  // Hands an HTML page to a renderer instead of reading its body; false when no
  // page can be rendered (then the body is read as served).
  bool renderInstead(UrlConnection& connection);
  void queueRemedial(double afterSeconds = 0);
  bool handleHeaderRefresh(UrlConnection& connection, const UrlResponse& response);
  void typeByExtension(const UrlResponse& response);
  bool followMetaRefresh();
  // Meta refreshes followed at the end of loading stop at this many redirect entries.
  static constexpr int32_t kMaxMetaRefreshes = 11;

  ZelRecordOwner* owner_;
  // The actual address is nearly always one of the two addresses; it is only
  // copied when one of them changes without the actual address being recomputed.
  enum class ActualSource : uint8_t { Link, Redir, Own };
  void keepActualBeforeChanging(ActualSource changing);
  // What few records have: kept out of line so that the others stay small.
  struct Rare {
    std::string redir;
    std::string ownActual;  // the actual address when ActualSource::Own
    std::optional<std::vector<RedirectEntry>> redirects;
    std::optional<std::vector<std::string>> warnings;
    std::unique_ptr<std::string> sourceData;
    std::unique_ptr<KeptResponseHeaders> responseHeaders;
    int32_t retryAfter = 0, previousFailureCount = 0;
  };
  Rare& rare() {
    if (!rare_) rare_ = std::make_unique<Rare>();
    return *rare_;
  }
  static const std::string& noText() {
    static const std::string kEmpty;
    return kEmpty;
  }
  // Status, MIME type and timestamp texts repeat across records, so records
  // hold ids of the texts their hub's link graph interns ("" is 0).
  uint32_t poolText(std::string_view text);
  const std::string& pooledText(uint32_t id) const;

  std::string nsslinkUrl_;
  std::unique_ptr<Rare> rare_;
  std::shared_ptr<std::string> data_;
  mutable std::unique_ptr<PageFacts> facts_;  // caches are filled from const getters
  std::unique_ptr<UrlConnection> connection_;
  double sentRequestMono_ = -1;
  double responseTimeInterval_ = 0, loadTimeInterval_ = 0;
  int64_t fileSizeBytes_ = 0, fileSize_ = 0, fileSizeCompressedBytes_ = 0;
  LinkChain inbound_;
  LinkRun outbound_;
  uint32_t status_ = 0, mimeType_ = 0, timestamp_ = 0;  // pooled text ids
  friend class ZelLinkGraph;
  friend class ZelCrawlRestorer;  // a saved crawl rebuilds records field by field
  uint32_t graphIndex_ = 0;       // this record's number in its hub's link graph
  int32_t distanceFromHome_ = 0, thread_ = 0;
  int32_t internalLinkCount_ = 0, externalLinkCount_ = 0;
  int32_t retryCount_ = 0;
  ActualSource actualSource_ = ActualSource::Link;
  // What the actual address says of the type (its extension, a ".css?" in it),
  // worked out on first use: the type getters are asked many times a record.
  // Atomic: the writers' threads may ask a record first.
  enum : uint8_t {
    kAddressKnown = 1,
    kAddressCSS = 2,
    kAddressJS = 4,
    kAddressXML = 8,
    kAddressPDF = 16,
  };
  mutable std::atomic<uint8_t> addressKinds_{0};
  uint8_t addressKinds() const;
  mutable uint32_t flags_ = kInternal | kHTML;  // getIsImage records what it finds
  // The actual address's path extension once worked out (asked many times a
  // response); longer ones are worked out each time.
  static constexpr uint8_t kExtensionUnknown = 0xff;
  mutable uint8_t extensionLength_ = kExtensionUnknown;
  mutable char extension_[7] = {};
};

}  // namespace zel
