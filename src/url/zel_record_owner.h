#pragma once
// What a record asks of the crawl that owns it. Records sit below the crawl
// controller, so they reach it only through this interface; the hub implements
// it. Every call is made once per record event (a response, a redirect, a
// recheck), never per byte.
#include <cstdint>
#include <map>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "url/zel_renderer.h"

namespace zel {

struct Platform;
struct UrlError;
class Defaults;
class Log;
class ZelUrl;
struct KeptHeaderRule;
class ZelLinkInstance;
class ZelLinkGraph;

// Records grouped by a text they share (their title or their description); a text
// only one record has makes no group.
using RecordGroups = std::map<std::string, std::vector<ZelUrl*>>;

class ZelRecordOwner {
 public:
  // ---- Services and settings ----------------------------------------------------
  virtual const Platform& platform() const = 0;
  virtual Defaults& defaults() const = 0;
  virtual Log& log() const = 0;
  // The English text through the host's localisation table.
  virtual std::string localized(std::string_view english, std::string_view table = "") const = 0;
  virtual uint64_t getDetectedEncoding() const = 0;
  virtual std::string getSessidParam() const = 0;
  virtual double requestTimeout() const = 0;
  virtual bool shouldLoadImages() const = 0;
  virtual bool shouldCacheData() const = 0;
  virtual bool startingPointWasXML() const = 0;
  virtual bool stopPressed() const = 0;
  // Which of their final response's header fields records keep (the host asks;
  // null: none).
  virtual const KeptHeaderRule* keptResponseHeaders() const = 0;

  // ---- Look-up tables and collections ------------------------------------------
  // Where the records and their link instances live.
  virtual ZelLinkGraph& linkGraph() = 0;
  virtual void addToLookup(ZelUrl* record, const std::string& key) = 0;
  // Before a record's link address changes (the look-up may read a key from it).
  virtual void linkUrlWillChange(ZelUrl* record) = 0;
  virtual int32_t getNnumberOfRedirectsTo(std::string_view address) const = 0;
  virtual void removeThisZelUrlFromCollection(ZelUrl* record) = 0;
  virtual void removeThisZelLinkInstanceFromCollection(ZelLinkInstance* instance) = 0;
  virtual const RecordGroups& getDuplicateTitles() = 0;
  virtual const RecordGroups& getDuplicateDescriptions() = 0;
  virtual std::vector<ZelUrl*> getDuplicatesForZelUrl(const ZelUrl* record) = 0;

  // ---- Counters and warnings -------------------------------------------------------
  virtual void incNumberDone(ZelUrl* record) = 0;
  virtual void decNumberDone(ZelUrl* record) = 0;
  virtual void updateV7CountFields() = 0;
  virtual void statusHasChangedFordO(ZelUrl* record) = 0;
  virtual void addStringToDiagnosticTrace(std::string_view text) = 0;
  virtual void sendWarningToWarningsManager(const std::string& warning, ZelUrl* record) = 0;

  // ---- Scheduling --------------------------------------------------------------------
  virtual void threadHasFinished(ZelUrl* record) = 0;
  virtual void addToRemedialQueue(ZelUrl* record) = 0;
  virtual void addToRecheckQueue(ZelUrl* record) = 0;
  virtual void learnHostFailure(const std::string& address, const UrlError& error) = 0;
  virtual void stop() = 0;

  // ---- What follows a response ----------------------------------------------------------
  // A renderer for a page with a rendering request, or nullptr and the reason in
  // *why when pages cannot be rendered.
  virtual std::unique_ptr<ZelRenderer> makeRenderer(const UrlRequest& request,
                                                    ZelRendererOwner* owner, Status* why) = 0;
  virtual void extractLinks(ZelUrl* record) = 0;
  // extractLinks in the order the fetches finished, then `then`; the page may be
  // scanned on a worker meanwhile, so both can run on a later turn.
  virtual void extractLinksInTurn(ZelUrl* record, std::function<void()> then) = 0;
  // Runs task now, or after the extractions that are waiting, in turn.
  virtual void handleInTurn(std::function<void()> task) = 0;
  // The record's body has all arrived: its scan may start now, ahead of its turn.
  virtual void pageHasArrived(ZelUrl* record) = 0;
  virtual bool performSoft404CheckOnThisUrl(ZelUrl* record) = 0;
  virtual void archivePage(ZelUrl* record) = 0;
  // The archived file of an address when it exists.
  virtual std::optional<std::string> fileLocationForArchive(
      std::string_view actualLinkUrl) const = 0;
  // A redirected start moves the site; other redirects may leave it.
  virtual void resetDomain(ZelUrl* record) = 0;
  virtual bool redirectUrlIsExternal(std::string_view redirect,
                                     std::string_view original) const = 0;

 protected:
  ZelRecordOwner() = default;
  ~ZelRecordOwner() = default;
  ZelRecordOwner(const ZelRecordOwner&) = default;
  ZelRecordOwner& operator=(const ZelRecordOwner&) = default;
};

}  // namespace zel
