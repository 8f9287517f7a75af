#include "report/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zel::cli {

namespace {

Status heldBy(const std::string& path) {
  return Status::Error(path +
                       " is being written by a zelmora that is still running (it holds "
                       "the file's lock); wait for it to end or stop it first");
}

}  // namespace

Status FileLock::lockExclusive(const std::string& path, bool create) {
  release();
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0644);
  if (fd < 0) return Status::Error("cannot open " + path + ": " + std::strerror(errno));
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int why = errno;
    ::close(fd);
    if (why == EWOULDBLOCK) return heldBy(path);
    return Status::Error("cannot lock " + path + ": " + std::strerror(why));
  }
  fd_ = fd;
  return Status::Ok();
}

Status FileLock::checkFree(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Status::Ok();  // nothing to hold; opening it says why
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held ? heldBy(path) : Status::Ok();
}

void FileLock::release() {
  if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
  fd_ = -1;
}

}  // namespace zel::cli
