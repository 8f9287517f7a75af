// Rechecking single links and pages after (or during a pause of) a crawl.
#include <algorithm>
#include <unordered_set>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "urltext/url_parts.h"

namespace zel {

void ZelHub::addToRecheckQueue(ZelUrl* record) {
  log().always("adding " + record->getActualLinkUrl() + " to recheckQueue");
  if (!recheckQueue_) recheckQueue_.emplace();
  recheckQueue_->push_back(record);
  if (!rechecking_) {
    log().always("addToRecheckQueue: calling getNextUrlToRecheck");
    getNextUrlToRecheck();
  }
}

bool ZelHub::getNextUrlToRecheck() {
  log().always(strf("getNextUrlToRecheck. numberOfThreadsDetached is %ld",
                    static_cast<long>(numberOfThreadsDetached_)));
  const bool queueEmpty = !recheckQueue_ || recheckQueue_->empty();
  if (numberOfThreadsDetached_ == 0 && queueEmpty) {
    log().always("finished rechecking - sending notification");
    platform_.notifications->post("ZelRecheckDidFinish", this);
    numberOfThreadsDetached_ = 0;
    rechecking_ = false;
  }
  bool sent = false;
  const int64_t limit = defaults().integerForKey("numberOfThreads");
  while ((numberOfThreadsDetached_ < limit || numberOfThreadsDetached_ == 0) && recheckQueue_ &&
         !recheckQueue_->empty()) {
    ZelUrl* r = recheckQueue_->front();
    recheckQueue_->erase(std::remove(recheckQueue_->begin(), recheckQueue_->end(), r),
                         recheckQueue_->end());
    sendAsyncServerRequest(r);
    ++numberOfThreadsDetached_;
    rechecking_ = true;
    sent = true;
  }
  return sent;
}

}  // namespace zel
