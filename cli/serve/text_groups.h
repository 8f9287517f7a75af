#pragma once
// How many of the table's pages share each title (or description), by the
// text's 64-bit hash, and how many pages share theirs with another: the
// duplicate filters' counts, kept as rows come and go. An open-addressing
// table: a million distinct titles cost one allocation, not a million.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zel::cli::serve {

class TextGroups {
 public:
  // `hash` 0 is no text and counts nowhere.
  void add(uint64_t hash, int delta);
  uint32_t count(uint64_t hash) const;
  // Pages whose text another page has too.
  int64_t shared() const { return shared_; }
  void clear();

 private:
  struct Slot {
    uint64_t hash = 0;  // 0: free
    uint32_t pages = 0;
  };
  size_t find(uint64_t hash) const;  // its slot, or the free one where it would go

  std::vector<Slot> slots_ = std::vector<Slot>(64);
  size_t used_ = 0;
  int64_t shared_ = 0;
};

}  // namespace zel::cli::serve
