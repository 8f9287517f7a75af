#include "platform/spill_memory.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace zel {

namespace {
constexpr size_t kKeepNewest = 1;
// A walk over spilled data maps pages fast (a read maps its neighbours too), so
// the file-backed part of the process is looked at every kLookEvery and given
// back when it has grown by kMostMapped since the last time, and every 100 ms
// anyway. A smaller bound costs more than it saves: a walk that reads links in
// random order then faults on nearly every read (measured: 8 MB made the end of
// a 300,000-page crawl 80% slower for 4% less peak memory).
constexpr auto kLookEvery = std::chrono::milliseconds(2);
constexpr int kLooksPerRelease = 50;
constexpr long kMostMapped = 32L << 20;

// The process's resident file-backed and shared pages, in bytes (0 when unknown).
long mappedFileBytes() {
  const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  char text[128];
  const ssize_t n = ::read(fd, text, sizeof text - 1);
  ::close(fd);
  if (n <= 0) return 0;
  text[n] = '\0';
  long size = 0, resident = 0, shared = 0;
  if (std::sscanf(text, "%ld %ld %ld", &size, &resident, &shared) != 3) return 0;
  return shared * ::sysconf(_SC_PAGESIZE);
}

int makeUnlinkedFile(const std::string& directory) {
  int fd = ::open(directory.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  // File systems without O_TMPFILE: a named file, unlinked at once.
  std::string path = directory + "/zelmora-links-XXXXXX";
  fd = ::mkostemp(path.data(), O_CLOEXEC);
  if (fd >= 0) ::unlink(path.c_str());
  return fd;
}

// The one thread that gives back the older chunks of every region. Made on first
// use and never destroyed (regions may outlive static destruction's order).
class Releaser {
 public:
  static Releaser& get() {
    static Releaser* const releaser = new Releaser;
    return *releaser;
  }
  void add(const SpillRegion* region) {
    std::lock_guard<std::mutex> lock(mutex_);
    regions_.push_back(region);
    if (!started_) {
      started_ = true;
      std::thread([this] { loop(); }).detach();
    }
  }
  void remove(const SpillRegion* region) {
    std::lock_guard<std::mutex> lock(mutex_);
    regions_.erase(std::find(regions_.begin(), regions_.end(), region));
  }

 private:
  void loop() {
    pthread_setname_np(pthread_self(), "zel-spill");
    long mappedAfter = 0;  // after the last release
    for (int look = 1;; ++look) {
      std::this_thread::sleep_for(kLookEvery);
      const long mapped = mappedFileBytes();
      if (look % kLooksPerRelease != 0 && mapped < mappedAfter + kMostMapped) continue;
      std::lock_guard<std::mutex> lock(mutex_);
      for (const SpillRegion* region : regions_) region->release(kKeepNewest);
      mappedAfter = mappedFileBytes();
    }
  }
  std::mutex mutex_;
  std::vector<const SpillRegion*> regions_;
  bool started_ = false;
};
}  // namespace

std::string SpillRegion::defaultDirectory() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp && *tmp ? tmp : "/var/tmp";
}

std::unique_ptr<SpillRegion> SpillRegion::create(const std::string& directory, size_t chunkBytes,
                                                 size_t maxChunks) {
  const int fd = makeUnlinkedFile(directory);
  if (fd < 0) return nullptr;
  // Address space only (no memory, no swap): the chunks are mapped over it.
  const size_t reserved = chunkBytes * (maxChunks + 1);
  void* p = ::mmap(nullptr, reserved, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<SpillRegion>(
      new SpillRegion(fd, static_cast<char*>(p), reserved, chunkBytes, maxChunks));
}

SpillRegion::SpillRegion(int fd, char* reservation, size_t reserved, size_t chunkBytes,
                         size_t maxChunks)
    : fd_(fd),
      base_(reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(reservation) + chunkBytes - 1) &
                                    ~uintptr_t{chunkBytes - 1})),
      reservation_(reservation),
      reservedBytes_(reserved),
      chunkBytes_(chunkBytes),
      maxChunks_(maxChunks) {
  Releaser::get().add(this);
}

SpillRegion::~SpillRegion() {
  Releaser::get().remove(this);
  ::munmap(reservation_, reservedBytes_);
  ::close(fd_);
}

void* SpillRegion::addChunk() {
  const size_t i = chunks_.load(std::memory_order_relaxed);
  if (i >= maxChunks_) return nullptr;
  const auto offset = static_cast<off_t>(i * chunkBytes_);
  // Blocks on disk now, so a full disk is an answer here rather than a fault later.
  if (::posix_fallocate(fd_, offset, static_cast<off_t>(chunkBytes_)) != 0) return nullptr;
  char* at = base_ + i * chunkBytes_;
  if (::mmap(at, chunkBytes_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_FIXED, fd_, offset) ==
      MAP_FAILED)
    return nullptr;
  chunks_.store(i + 1, std::memory_order_release);
  return at;
}

void SpillRegion::release(size_t keepNewest) const {
  const size_t n = chunkCount();
  // Shared file pages keep their contents: later reads find what was written.
  if (n > keepNewest) ::madvise(base_, (n - keepNewest) * chunkBytes_, MADV_DONTNEED);
}

void SpillRegion::releaseChunkAt(const void* chunk) const {
  ::madvise(const_cast<void*>(chunk), chunkBytes_, MADV_DONTNEED);
}

}  // namespace zel
