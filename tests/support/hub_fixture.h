#pragma once
// A hub on the test platform, and records made in it by address.
#include <gtest/gtest.h>

#include <string>

#include "engine/zel_hub.h"
#include "support/test_platform.h"

namespace zel::test {

class HubFixture : public ::testing::Test {
 protected:
  TestPlatform tp;
  ZelHub hub{"http://site.test/", tp.platform()};

  ZelUrl* record(const std::string& url) {
    ZelUrl* r = hub.createRecord();
    r->setLinkUrl(url, false);
    return r;
  }
};

}  // namespace zel::test
