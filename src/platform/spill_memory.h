#pragma once
// Memory that lives in a file of its own rather than in the process's heap,
// for what a crawl keeps to its end but seldom reads (the link instances of
// pages already done, the audit's findings, pages' markup facts). The file is
// made in a directory on disk and unlinked at once, so nothing is left behind.
// It grows a chunk at a time, each chunk mapped at an address aligned to its
// size, after the one before. One thread of the process gives the pages of all
// but each region's newest chunk back every tenth of a second, and sooner when
// a walk has mapped 32 MB of them since the last time: their contents
// stay in the file (and in the kernel's cache while memory is free) and come
// back when touched, so the process holds only what it is working on, and a
// machine short of memory writes them out instead of ending the crawl.
#include <atomic>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace zel {

class SpillRegion {
 public:
  // nullptr when `directory` takes no such file (the caller then uses the heap).
  // chunkBytes is a power of two, a multiple of the page size.
  static std::unique_ptr<SpillRegion> create(const std::string& directory, size_t chunkBytes,
                                             size_t maxChunks);
  // $TMPDIR, else /var/tmp (on disk on most systems, where /tmp may be memory).
  static std::string defaultDirectory();

  ~SpillRegion();
  SpillRegion(const SpillRegion&) = delete;
  SpillRegion& operator=(const SpillRegion&) = delete;

  // A new chunk, after the last one, with its disk space reserved; nullptr when
  // the region is full or the disk has no room (never a fault on a later write).
  void* addChunk();
  size_t chunkCount() const { return chunks_.load(std::memory_order_acquire); }
  // Gives back the resident pages of all chunks but the newest `keepNewest`.
  void release(size_t keepNewest) const;
  // Gives back the resident pages of the chunk that starts at `chunk`.
  void releaseChunkAt(const void* chunk) const;

 private:
  SpillRegion(int fd, char* base, size_t reserved, size_t chunkBytes, size_t maxChunks);

  int fd_;
  char* base_;  // aligned to chunkBytes_
  char* reservation_;
  size_t reservedBytes_;
  size_t chunkBytes_, maxChunks_;
  std::atomic<size_t> chunks_{0};
};

// A growing array of plain values, in the heap while small and in a
// SpillRegion from kHeapBytes on (in the heap again if the disk is full):
// appends touch only its end, and a walk from start to end keeps little of it
// resident. Contiguous either way.
template <class T>
class SpillArray {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  // Small: a crawl keeps a score of these arrays (an audit's findings one a type),
  // and each holds up to this much in the heap, then its newest chunk resident.
  static constexpr size_t kHeapBytes = size_t{1} << 18;
  static constexpr size_t kChunkBytes = size_t{1} << 18;

  SpillArray() = default;
  SpillArray(SpillArray&& other) noexcept { *this = std::move(other); }
  SpillArray& operator=(SpillArray&& other) noexcept {
    heap_ = std::move(other.heap_);
    region_ = std::move(other.region_);
    data_ = region_ ? other.data_ : heap_.data();
    size_ = other.size_;
    capacity_ = other.capacity_;
    other.heap_.clear();
    other.data_ = nullptr;
    other.size_ = other.capacity_ = 0;
    return *this;
  }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T* data() { return data_; }
  const T* data() const { return data_; }
  T* begin() { return data_; }
  T* end() { return data_ + size_; }
  const T* begin() const { return data_; }
  const T* end() const { return data_ + size_; }
  T& operator[](size_t i) { return data_[i]; }
  const T& operator[](size_t i) const { return data_[i]; }

  void push_back(const T& value) {
    if (!region_) {
      heap_.push_back(value);
      data_ = heap_.data();
      size_ = heap_.size();
      if (size_ * sizeof(T) >= kHeapBytes) moveToFile();
      return;
    }
    if (size_ == capacity_ && !addChunk()) moveToHeap();
    if (region_) {
      data_[size_++] = value;
    } else {
      push_back(value);
    }
  }
  void append(const T* values, size_t n) {
    if (region_) {
      while (size_ + n > capacity_ && region_)
        if (!addChunk()) moveToHeap();
      if (region_) {
        std::memcpy(data_ + size_, values, n * sizeof(T));
        size_ += n;
        return;
      }
    }
    heap_.insert(heap_.end(), values, values + n);
    data_ = heap_.data();
    size_ = heap_.size();
    if (size_ * sizeof(T) >= kHeapBytes) moveToFile();
  }
  // Keeps the first n (n <= size()).
  void shrinkTo(size_t n) {
    size_ = n;
    if (!region_) {
      heap_.resize(n);
      heap_.shrink_to_fit();
      data_ = heap_.data();
    }
  }

 private:
  bool addChunk() {
    if (!region_->addChunk()) return false;
    capacity_ = region_->chunkCount() * kChunkBytes / sizeof(T);
    return true;
  }
  void moveToFile() {
    region_ = SpillRegion::create(SpillRegion::defaultDirectory(), kChunkBytes, kMaxChunks);
    if (!region_) return;
    void* first = region_->addChunk();
    while (first && region_->chunkCount() * kChunkBytes < size_ * sizeof(T))
      if (!region_->addChunk()) first = nullptr;
    if (!first) {
      region_.reset();
      return;
    }
    capacity_ = region_->chunkCount() * kChunkBytes / sizeof(T);
    std::memcpy(first, heap_.data(), size_ * sizeof(T));
    data_ = static_cast<T*>(first);
    std::vector<T>().swap(heap_);
  }
  void moveToHeap() {
    heap_.assign(data_, data_ + size_);
    data_ = heap_.data();
    region_.reset();
    capacity_ = 0;
  }

  static constexpr size_t kMaxChunks = size_t{1} << 18;  // 64 GB of address space
  std::vector<T> heap_;
  std::unique_ptr<SpillRegion> region_;
  T* data_ = nullptr;
  size_t size_ = 0, capacity_ = 0;
};

}  // namespace zel
