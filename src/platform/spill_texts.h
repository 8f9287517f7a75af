#pragma once
// Byte strings a crawl keeps to its end but seldom reads (each page's title,
// description, meta tags and headings), back to back in chunks, each at an
// address that stays put until the store goes. The first chunks are in the
// heap, so a small crawl never touches the disk; later ones are in a
// SpillRegion, whose older chunks are given back to the system and read again
// from the file when touched (in the heap again when the disk is full). Texts
// are never freed one by one: the store goes with its crawl.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class SpillRegion;

class SpillTexts {
 public:
  static constexpr size_t kChunkBytes = size_t{1} << 18;

  SpillTexts();
  ~SpillTexts();
  SpillTexts(const SpillTexts&) = delete;
  SpillTexts& operator=(const SpillTexts&) = delete;

  // Chunks after the first `heapChunks` go to a file in `directory` ("" for the
  // temporary directory); before the first text is added.
  void keepInFileAfter(size_t heapChunks, std::string directory);

  // A copy of `bytes` (nullptr for none), stable until the store goes.
  const char* add(std::string_view bytes);
  // Like add, but when `old` is the newest text, its room is used again: a
  // page's texts are set one after another, so most replacements cost nothing.
  const char* replace(std::string_view old, std::string_view bytes);
  // Gives back the resident memory of the file's chunks now; for tests.
  void releaseFileChunks() const;
  size_t fileChunks() const;

 private:
  // Room for `n` bytes at the cursor (a new chunk when the current one is full).
  char* room(size_t n);

  size_t heapChunks_ = 4;
  std::string directory_;
  std::vector<std::unique_ptr<char[]>> heap_;  // heap chunks, and texts bigger than a chunk
  std::unique_ptr<SpillRegion> region_;
  bool regionTried_ = false;
  size_t chunksMade_ = 0;
  char* cursor_ = nullptr;
  char* end_ = nullptr;
  const char* newest_ = nullptr;  // the last text added, while it ends at the cursor
};

}  // namespace zel
