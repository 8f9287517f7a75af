#pragma once
// A record's link instances on one side (the links into it, or the links out of
// it), in the order they were added, at little memory per entry beyond the
// instances themselves:
// - inbound, a chain: the record keeps its two ends and the count, and each
//   instance the index of the one added before it. Linking backwards means a
//   new link writes only itself, never an old instance (old instances may be
//   paged out to disk); a list of more than one is read into an index vector;
// - outbound, a run: a page's links are made together, so they are
//   consecutive instances and the record keeps the first index and the count.
//   A list that stops being one run (an instance removed from its middle, or
//   appended out of turn) moves to an index vector in the graph.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

namespace zel {

class ZelLinkGraph;
class ZelLinkInstance;

// What a record keeps of its inbound list: instance indices into its hub's graph.
struct LinkChain {
  static constexpr uint32_t kNone = UINT32_MAX;
  uint32_t head = kNone, tail = kNone, count = 0;
};

// What a record keeps of its outbound list: first == kNone with a count means
// the indices are in the graph's vector for the record.
struct LinkRun {
  uint32_t first = LinkChain::kNone, count = 0;
};

// A read-only view of one list. It stays valid while the list is not changed.
class ZelLinkInstanceList {
 public:
  class iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = ZelLinkInstance*;
    using difference_type = std::ptrdiff_t;
    using pointer = ZelLinkInstance* const*;
    using reference = ZelLinkInstance*;

    iterator() = default;
    ZelLinkInstance* operator*() const { return at_; }
    iterator& operator++();
    iterator operator++(int) {
      iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const iterator& other) const { return at_ == other.at_; }

   private:
    friend class ZelLinkInstanceList;
    ZelLinkInstance* at_ = nullptr;
    // `left_` more follow, at indices_[0..] or, for a run, from next_ on.
    const ZelLinkGraph* graph_ = nullptr;
    const uint32_t* indices_ = nullptr;
    uint32_t next_ = 0;
    size_t left_ = 0;
  };

  ZelLinkInstanceList() = default;
  // A run of `count` indices from `first`, or (with indices) the listed ones.
  ZelLinkInstanceList(const ZelLinkGraph* graph, uint32_t first, const uint32_t* indices,
                      size_t count)
      : count_(count), graph_(graph), indices_(indices), first_(first) {}
  // The listed indices, kept by the list.
  ZelLinkInstanceList(const ZelLinkGraph* graph, std::vector<uint32_t> indices)
      : count_(indices.size()),
        graph_(graph),
        owned_(std::make_shared<const std::vector<uint32_t>>(std::move(indices))),
        indices_(owned_->data()) {}

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // front() and back() need a non-empty list.
  ZelLinkInstance* front() const { return at(0); }
  ZelLinkInstance* back() const { return at(count_ - 1); }
  ZelLinkInstance* operator[](size_t i) const { return at(i); }
  iterator begin() const;
  iterator end() const { return iterator(); }
  // A copy, for callers that change the list while they walk it.
  std::vector<ZelLinkInstance*> toVector() const { return {begin(), end()}; }

 private:
  // By position, for lists of indices; nullptr past the end.
  ZelLinkInstance* at(size_t i) const;

  size_t count_ = 0;
  const ZelLinkGraph* graph_ = nullptr;
  std::shared_ptr<const std::vector<uint32_t>> owned_;
  const uint32_t* indices_ = nullptr;
  uint32_t first_ = 0;
};

}  // namespace zel
