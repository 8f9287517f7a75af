#include "render/rendering.h"

#include "platform/chromium_web_view.h"
#include "platform/log.h"
#include "render/web_view_recycler.h"

namespace zel {

void useChromiumForWebViews(RunLoop& loop, Log* log) {
  WebViewRecycler& recycler = WebViewRecycler::sharedWebViewRecycler();
  recycler.setLog(log);
  recycler.setProcessPoolMaker([&loop, log](Status* why) -> std::shared_ptr<WebProcessPool> {
    std::shared_ptr<ChromiumProcessPool> pool = ChromiumProcessPool::start(loop, why);
    if (pool && log) ZEL_LOG(*log, 1, "started " + pool->client().process().executable());
    return pool;
  });
}

}  // namespace zel
