#include "serve/text_groups.h"

#include "platform/linear_probing.h"

namespace zel::cli::serve {

size_t TextGroups::find(uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t at = hash & mask;
  while (slots_[at].hash != 0 && slots_[at].hash != hash) at = (at + 1) & mask;
  return at;
}

uint32_t TextGroups::count(uint64_t hash) const { return hash == 0 ? 0 : slots_[find(hash)].pages; }

void TextGroups::add(uint64_t hash, int delta) {
  if (hash == 0) return;
  size_t at = find(hash);
  if (slots_[at].hash == 0) {
    if (delta < 0) return;
    // A text once seen keeps its slot (at 0 pages) until the table is cleared.
    if (2 * (used_ + 1) > slots_.size()) {
      rehashSlots(slots_, slots_.size() * 2, [](const Slot& s) { return s.hash == 0; });
      at = find(hash);
    }
    slots_[at].hash = hash;
    ++used_;
  }
  uint32_t& n = slots_[at].pages;
  if (delta > 0) {
    ++n;
    shared_ += n == 2 ? 2 : n > 2 ? 1 : 0;
  } else if (n > 0) {
    shared_ -= n == 2 ? 2 : n > 2 ? 1 : 0;
    --n;
  }
}

void TextGroups::clear() {
  slots_.assign(64, Slot{});
  used_ = 0;
  shared_ = 0;
}

}  // namespace zel::cli::serve
