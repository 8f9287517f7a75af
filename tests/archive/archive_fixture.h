#pragma once
// Shared pieces of the archive tests: the fixture site's pages.
#include <string>

#include "platform/text_format.h"
#include "support/temp_dir.h"

namespace zel::test {

// A page of tests/fixtures/archive/site with its host placeholders filled in.
inline std::string sitePage(const std::string& name, const std::string& self,
                            const std::string& external = "elsewhere.test") {
  std::string page = readWhole(std::string(ZEL_FIXTURES_DIR) + "/archive/site/" + name);
  page = replaceAll(page, "@SELF@", self);
  return replaceAll(page, "@EXT@", external);
}

inline std::string archiveFixture(const std::string& name) {
  return readWhole(std::string(ZEL_FIXTURES_DIR) + "/archive/" + name);
}

}  // namespace zel::test
