#pragma once
// The services the engine reaches the outside world through, handed to the hub
// in one bundle. Pointers are not owned; RealPlatform owns a working set.
#include <memory>

#include "platform/alerts.h"
#include "platform/defaults.h"
#include "platform/file_system.h"
#include "platform/localizer.h"
#include "platform/log.h"
#include "platform/notification_center.h"
#include "platform/run_loop.h"
#include "platform/url_loader.h"

namespace zel {

struct Platform {
  Defaults* defaults = nullptr;
  RunLoop* runLoop = nullptr;
  NotificationCenter* notifications = nullptr;
  Log* log = nullptr;
  UrlLoader* loader = nullptr;
  Alerts* alerts = nullptr;
  FileSystem* fileSystem = nullptr;
  Localizer* localizer = nullptr;
};

// A complete set of real services. Defaults are in memory unless one is given.
class RealPlatform {
 public:
  explicit RealPlatform(std::unique_ptr<Defaults> defaults = nullptr);
  ~RealPlatform();
  Platform& platform() { return platform_; }

 private:
  std::unique_ptr<Defaults> defaults_;
  std::unique_ptr<RunLoop> runLoop_;
  std::unique_ptr<NotificationCenter> notifications_;
  std::unique_ptr<Log> log_;
  std::unique_ptr<UrlLoader> loader_;
  std::unique_ptr<Alerts> alerts_;
  std::unique_ptr<FileSystem> fileSystem_;
  std::unique_ptr<Localizer> localizer_;
  Platform platform_;
};

}  // namespace zel
