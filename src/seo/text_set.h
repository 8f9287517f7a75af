#pragma once
// A set of texts that only grows (until cleared), for keys held for a whole
// crawl: the texts sit back to back in large chunks and the table holds 8
// bytes a slot, where a hash set of strings costs over 100 bytes an entry.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace zel {

class TextSet {
 public:
  // False (and nothing added) when the text is in the set already.
  bool insert(std::string_view text);
  bool contains(std::string_view text) const;
  size_t size() const { return size_; }
  void clear();

 private:
  struct Slot {
    uint32_t hash = 0;
    uint32_t ref = kEmpty;  // chunk << kOffsetBits | offset of the text's length
  };
  static constexpr uint32_t kEmpty = UINT32_MAX;
  static constexpr unsigned kOffsetBits = 16;
  static constexpr size_t kChunkBytes = size_t{1} << kOffsetBits;

  static uint32_t hashOf(std::string_view text);
  std::string_view textAt(uint32_t ref) const;
  // The slot holding `text`, or the empty one where it would go.
  size_t probe(std::string_view text, uint32_t hash) const;
  uint32_t store(std::string_view text);
  void grow();

  std::vector<Slot> slots_;  // a power of two long, at most half full
  std::vector<std::unique_ptr<char[]>> chunks_;
  size_t used_ = 0;  // bytes used of the last chunk
  size_t size_ = 0;
};

}  // namespace zel
