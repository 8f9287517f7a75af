// Rechecking one link, or one page and its links.
#include <unordered_set>

#include "platform/platform.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"
#include "urltext/url_parts.h"

namespace zel {

void ZelUrl::recheckLink() {
  log().always("the new ZelUrl re-check routine");
  owner_->decNumberDone(this);
  setIsInBadCollection(false);
  setStatus(std::string());
  setRetryCount(1);
  clearRedir();
  owner_->addToRecheckQueue(this);
}

void ZelUrl::recheckPage() {
  // Links to targets that are not good are dropped; they come back if the page
  // still has them.
  std::vector<ZelLinkInstance*> dropped;
  for (ZelLinkInstance* i : getOutboundInstances().toVector()) {
    ZelUrl* t = i->target();
    if (!t) continue;
    t->removeThisInstanceFromInboundArray(i);
    if (!t->isGoodLink()) {
      dropped.push_back(i);
      if (t->occurrencesCount() == 0 && t->outboundLinkCount() == 0)
        owner_->removeThisZelUrlFromCollection(t);
    }
  }
  for (ZelLinkInstance* i : dropped) removeThisInstanceFromOutboundArray(i);

  auto url = Url::parse(getActualurl());
  if (!url) url = Url::parse(encodedURLString(getActualurl(), defaults()));
  log().always("getting new data for " + getActualurl());
  if (!url) {
    log().always("unable to create NSURL for page " + getActualurl());
    return;
  }
  UrlRequest request;
  request.url = url->absoluteString();
  request.timeoutSeconds = owner_->requestTimeout();
  SyncResult result = owner_->platform().loader->sendSynchronous(request);
  if (!result.response || result.body.empty()) {
    log().always("unable to fetch updated data for page " + getActualurl());
    return;
  }
  clearData();
  ensureData() = std::move(result.body);
  log().always(strf("we have %ld bytes of data", static_cast<long>(data_->size())));
  owner_->extractLinks(this);

  std::vector<ZelUrl*> needing;
  std::unordered_set<ZelUrl*> seen;
  for (ZelLinkInstance* i : getOutboundInstances()) {
    ZelUrl* t = i->target();
    if (t && t->getStatus().empty() && seen.insert(t).second) needing.push_back(t);
  }
  log().always(strf("linksNeedingRechecking set contains %ld", static_cast<long>(needing.size())));
  for (ZelUrl* t : needing) {
    t->setIsInBadCollection(false);
    t->setStatus(std::string());
    t->setRetryCount(1);
    t->clearRedir();
    owner_->addToRecheckQueue(t);
  }
  log().always(strf("%ld links added to recheckqueue", static_cast<long>(needing.size())));
  owner_->updateV7CountFields();
}

}  // namespace zel
