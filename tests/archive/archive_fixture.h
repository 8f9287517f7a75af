#pragma once
// Shared pieces of the archive tests: a temporary folder and the fixture site.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/text_format.h"

namespace zel::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "zel_archive_XXXXXX").string();
    if (char* made = mkdtemp(tmpl.data())) path_ = made;
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

inline std::string readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buf;
  buf << in.rdbuf();
  return buf.str();
}

inline void writeWhole(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

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
