#pragma once
// An advisory lock on a crawl database (flock, apart from SQLite's own locks):
// a crawl, `continue` and `recheck` hold it exclusively while they write the
// file; the other commands look whether it is free before they read. The lock
// goes with the process, so a crash frees it.
#include <string>

#include "platform/status.h"

namespace zel::cli {

class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileLock& operator=(FileLock&& other) noexcept {
    if (this != &other) {
      release();
      fd_ = other.fd_;
      other.fd_ = -1;
    }
    return *this;
  }

  // Takes the lock on `path` (made when missing and `create`), without waiting.
  // Fails with a message naming the file when another process holds it.
  // Close the file's SQLite connections before release(): closing a second
  // descriptor of the file would drop SQLite's own locks on it.
  Status lockExclusive(const std::string& path, bool create);
  // Whether another process holds the lock: looked at and let go at once.
  static Status checkFree(const std::string& path);
  void release();
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace zel::cli
