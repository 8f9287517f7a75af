#pragma once
// A record's link instances on one side (the links into it, or the links out of
// it), in the order they were added. The record keeps only the two ends and the
// count; each instance holds the index of the next one on each side, so a list
// costs no memory per entry beyond the instance itself.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace zel {

class ZelLinkInstance;

enum class LinkSide : uint8_t { Inbound, Outbound };

// What a record keeps of one side's list: instance indices into its hub's graph.
struct LinkChain {
  static constexpr uint32_t kNone = UINT32_MAX;
  uint32_t head = kNone, tail = kNone, count = 0;
};

// A read-only view of one chain. It stays valid while the chain is not changed.
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
    iterator(ZelLinkInstance* at, LinkSide side) : at_(at), side_(side) {}
    ZelLinkInstance* operator*() const { return at_; }
    iterator& operator++();
    iterator operator++(int) {
      iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const iterator& other) const { return at_ == other.at_; }

   private:
    ZelLinkInstance* at_ = nullptr;
    LinkSide side_ = LinkSide::Inbound;
  };

  ZelLinkInstanceList() = default;
  ZelLinkInstanceList(ZelLinkInstance* head, ZelLinkInstance* tail, size_t count, LinkSide side)
      : head_(head), tail_(tail), count_(count), side_(side) {}

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // front() and back() need a non-empty list; [i] walks i steps.
  ZelLinkInstance* front() const { return head_; }
  ZelLinkInstance* back() const { return tail_; }
  ZelLinkInstance* operator[](size_t i) const;
  iterator begin() const { return iterator(head_, side_); }
  iterator end() const { return iterator(nullptr, side_); }
  // A copy, for callers that change the chain while they walk it.
  std::vector<ZelLinkInstance*> toVector() const { return {begin(), end()}; }

 private:
  ZelLinkInstance* head_ = nullptr;
  ZelLinkInstance* tail_ = nullptr;
  size_t count_ = 0;
  LinkSide side_ = LinkSide::Inbound;
};

}  // namespace zel
