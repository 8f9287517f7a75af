#include "thumbnail_command.h"

#include <cstdio>

#include "platform/platform.h"
#include "render/rendering.h"
#include "render/web_thumb_getter.h"
#include "render/web_view_recycler.h"
#include "settings_command.h"

namespace zel::cli {

namespace {

struct Waiter : ThumbnailOwner {
  bool done = false;
  void reloadData() override { done = true; }
};

}  // namespace

Status takeThumbnail(const Platform& platform, const std::string& address,
                     const std::string& file, double limit) {
  useChromiumForWebViews(*platform.runLoop, platform.log);
  Waiter waiter;
  WebThumbGetter getter(platform, address, file, &waiter);
  getter.getImage();
  Status result;
  if (!platform.runLoop->runUntil([&] { return waiter.done; }, limit))
    result = Status::Error("the page did not finish loading within " +
                           std::to_string(static_cast<int>(limit)) + " seconds");
  else
    result = getter.status();
  getter.stopLoading();
  return result;
}

int runThumbnail(const Options& options) {
  auto defaults = std::make_unique<MemoryDefaults>();
  if (Status s = resolveSettings(options, *defaults, stderr); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return 2;
  }
  // A page that never finishes loading gets this long.
  const double limit = options.maxTime.value_or(
      defaults->doubleForKey("timeout") > 0 ? defaults->doubleForKey("timeout") : 30.0);
  RealPlatform real(std::move(defaults));
  Platform platform = real.platform();
  if (Status s = applyLogOptions(options, *platform.log); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return 2;
  }
  const Status result = takeThumbnail(platform, options.target, options.outputFile, limit);
  // The browser ends here, before the run loop it lives on.
  WebViewRecycler::sharedWebViewRecycler().shutDown();
  if (!result.ok()) {
    std::fprintf(stderr, "zelmora: no thumbnail of %s: %s\n", options.target.c_str(),
                 result.message().c_str());
    return 2;
  }
  return 0;
}

}  // namespace zel::cli
