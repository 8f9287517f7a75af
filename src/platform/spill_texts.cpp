#include "platform/spill_texts.h"

#include <cstring>

#include "platform/spill_memory.h"

namespace zel {

namespace {
// Texts this long or longer get a heap block of their own: a hostile page's
// megabyte of headings does not waste the rest of a chunk.
constexpr size_t kOwnBlockFrom = SpillTexts::kChunkBytes / 4;
// 64 GB of address space, reserved but never taken unless used.
constexpr size_t kMaxFileChunks = size_t{1} << 18;
}  // namespace

SpillTexts::SpillTexts() = default;
SpillTexts::~SpillTexts() = default;

void SpillTexts::keepInFileAfter(size_t heapChunks, std::string directory) {
  heapChunks_ = heapChunks;
  directory_ = std::move(directory);
}

char* SpillTexts::room(size_t n) {
  if (n >= kOwnBlockFrom) {
    heap_.emplace_back(new char[n]);
    return heap_.back().get();
  }
  if (static_cast<size_t>(end_ - cursor_) < n) {
    char* chunk = nullptr;
    if (chunksMade_ >= heapChunks_) {
      if (!regionTried_) {
        regionTried_ = true;
        region_ = SpillRegion::create(
            directory_.empty() ? SpillRegion::defaultDirectory() : directory_, kChunkBytes,
            kMaxFileChunks);
      }
      if (region_) chunk = static_cast<char*>(region_->addChunk());
    }
    if (!chunk) {
      heap_.emplace_back(new char[kChunkBytes]);
      chunk = heap_.back().get();
    }
    ++chunksMade_;
    cursor_ = chunk;
    end_ = chunk + kChunkBytes;
    newest_ = nullptr;
  }
  char* at = cursor_;
  cursor_ += n;
  return at;
}

const char* SpillTexts::add(std::string_view bytes) {
  if (bytes.empty()) return nullptr;
  char* at = room(bytes.size());
  std::memcpy(at, bytes.data(), bytes.size());
  newest_ = bytes.size() < kOwnBlockFrom ? at : nullptr;
  return at;
}

const char* SpillTexts::replace(std::string_view old, std::string_view bytes) {
  // The newest text's bytes are still at the chunk's end: take them back. `bytes`
  // may be a view of them, so they move rather than copy.
  const bool newest = old.data() && old.data() == newest_ && old.data() + old.size() == cursor_;
  if (newest && bytes.empty()) {
    cursor_ = const_cast<char*>(newest_);
    newest_ = nullptr;
    return nullptr;
  }
  if (newest && bytes.size() <= old.size() + static_cast<size_t>(end_ - cursor_)) {
    char* at = const_cast<char*>(newest_);
    std::memmove(at, bytes.data(), bytes.size());
    cursor_ = at + bytes.size();
    return at;
  }
  return add(bytes);
}

void SpillTexts::releaseFileChunks() const {
  if (region_) region_->release(0);
}

size_t SpillTexts::fileChunks() const { return region_ ? region_->chunkCount() : 0; }

}  // namespace zel
