#include "platform/platform.h"

#include "platform/curl_url_loader.h"

namespace zel {

RealPlatform::RealPlatform(std::unique_ptr<Defaults> defaults)
    : defaults_(defaults ? std::move(defaults) : std::make_unique<MemoryDefaults>()),
      runLoop_(std::make_unique<PollRunLoop>()),
      notifications_(std::make_unique<NotificationCenter>()),
      log_(std::make_unique<Log>(defaults_.get())),
      alerts_(std::make_unique<DefaultAnswerAlerts>()),
      fileSystem_(std::make_unique<RealFileSystem>()),
      localizer_(std::make_unique<Localizer>()) {
  loader_ = std::make_unique<CurlUrlLoader>(*runLoop_);
  platform_.defaults = defaults_.get();
  platform_.runLoop = runLoop_.get();
  platform_.notifications = notifications_.get();
  platform_.log = log_.get();
  platform_.loader = loader_.get();
  platform_.alerts = alerts_.get();
  platform_.fileSystem = fileSystem_.get();
  platform_.localizer = localizer_.get();
}

RealPlatform::~RealPlatform() = default;

}  // namespace zel
