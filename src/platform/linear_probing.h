#pragma once
// Open-addressing tables with linear probing: a vector of slots a power of two
// long, each slot holding the 32-bit hash of its key in `hash`, a default-made
// slot being free.
#include <cstddef>
#include <vector>

namespace zel {

// Moves every occupied slot into a new table `size` long (a power of two), each
// to the first free place from its hash.
template <class Slot, class IsFree>
void rehashSlots(std::vector<Slot>& slots, size_t size, IsFree isFree) {
  std::vector<Slot> old(size);
  old.swap(slots);
  const size_t mask = size - 1;
  for (const Slot& s : old) {
    if (isFree(s)) continue;
    size_t at = s.hash & mask;
    while (!isFree(slots[at])) at = (at + 1) & mask;
    slots[at] = s;
  }
}

}  // namespace zel
