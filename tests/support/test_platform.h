#pragma once
// A complete in-process platform for tests: settings in memory, a real run
// loop and loader, scripted alerts, and a log that keeps its lines.
#include <memory>
#include <string>
#include <vector>

#include "platform/curl_url_loader.h"
#include "platform/platform.h"
#include "support/scripted_alerts.h"

namespace zel::test {

class TestPlatform {
 public:
  TestPlatform();
  ~TestPlatform();

  MemoryDefaults defaults;
  PollRunLoop loop;
  NotificationCenter notifications;
  Log log{&defaults};
  ScriptedAlerts alerts;
  RealFileSystem fileSystem;
  Localizer localizer;
  std::unique_ptr<CurlUrlLoader> loader;

  const Platform& platform() const { return platform_; }
  // Puts a loader double in front of the real loader (not owned).
  void useLoader(UrlLoader* loader) { platform_.loader = loader; }
  // Puts a run loop double in front of `loop` (not owned).
  void useRunLoop(RunLoop* runLoop) { platform_.runLoop = runLoop; }
  // Every log line written so far (verbosity applies as usual).
  const std::vector<std::string>& logLines() const { return lines_; }
  bool logged(const std::string& line) const;
  // How often a notification of this name has been posted so far.
  size_t timesPosted(const std::string& name) const;

 private:
  Platform platform_;
  std::vector<std::string> lines_;
  std::vector<std::string> posted_;
};

}  // namespace zel::test
