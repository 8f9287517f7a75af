#include "support/test_platform.h"

#include <algorithm>

namespace zel::test {

TestPlatform::TestPlatform() : loader(std::make_unique<CurlUrlLoader>(loop)) {
  log.setStream(nullptr);
  log.setCapture(&lines_);
  notifications.addObserver("", [this](const Notification& n) { posted_.push_back(n.name); });
  platform_.defaults = &defaults;
  platform_.runLoop = &loop;
  platform_.notifications = &notifications;
  platform_.log = &log;
  platform_.loader = loader.get();
  platform_.alerts = &alerts;
  platform_.fileSystem = &fileSystem;
  platform_.localizer = &localizer;
}

TestPlatform::~TestPlatform() = default;

bool TestPlatform::logged(const std::string& line) const {
  return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

size_t TestPlatform::timesPosted(const std::string& name) const {
  return std::count(posted_.begin(), posted_.end(), name);
}

}  // namespace zel::test
