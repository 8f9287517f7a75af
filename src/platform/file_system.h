#pragma once
// Files and folders, behind an interface so tests can inject failures.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"

namespace zel {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool exists(const std::string& path) const = 0;
  virtual bool isDirectory(const std::string& path) const = 0;
  // Whole file contents, nullopt when it cannot be read.
  virtual std::optional<std::string> readFile(const std::string& path) const = 0;
  // Writes to a temporary file beside the target, then renames it over the target.
  virtual Status writeFileAtomically(const std::string& path, const std::string& contents) = 0;
  virtual Status createDirectories(const std::string& path) = 0;
  // Bytes available to an unprivileged user on the volume holding path; nullopt on failure.
  virtual std::optional<uint64_t> freeSpace(const std::string& path) const = 0;
  // Entry names (not paths) of a folder, sorted; empty when it cannot be read.
  virtual std::vector<std::string> listDirectory(const std::string& path) const = 0;
  // Removes a file, or a folder with everything in it. Ok when nothing was there.
  virtual Status removeAll(const std::string& path) = 0;
  // Copies a folder with everything in it to `to`, which must not exist yet
  // (its parent must). Fails without replacing anything when `to` exists.
  virtual Status copyDirectory(const std::string& from, const std::string& to) = 0;
};

class RealFileSystem : public FileSystem {
 public:
  bool exists(const std::string& path) const override;
  bool isDirectory(const std::string& path) const override;
  std::optional<std::string> readFile(const std::string& path) const override;
  Status writeFileAtomically(const std::string& path, const std::string& contents) override;
  Status createDirectories(const std::string& path) override;
  std::optional<uint64_t> freeSpace(const std::string& path) const override;
  std::vector<std::string> listDirectory(const std::string& path) const override;
  Status removeAll(const std::string& path) override;
  Status copyDirectory(const std::string& from, const std::string& to) override;
};

}  // namespace zel
