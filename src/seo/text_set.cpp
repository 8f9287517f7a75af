#include "seo/text_set.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "platform/linear_probing.h"

namespace zel {

uint32_t TextSet::hashOf(std::string_view text) {
  return static_cast<uint32_t>(std::hash<std::string_view>{}(text));
}

std::string_view TextSet::textAt(uint32_t ref) const {
  const char* at = chunks_[ref >> kOffsetBits].get() + (ref & (kChunkBytes - 1));
  uint32_t n = 0;
  std::memcpy(&n, at, sizeof n);
  return std::string_view(at + sizeof n, n);
}

size_t TextSet::probe(std::string_view text, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& s = slots_[at];
    if (s.ref == kEmpty || (s.hash == hash && textAt(s.ref) == text)) return at;
  }
}

bool TextSet::contains(std::string_view text) const {
  if (slots_.empty()) return false;
  return slots_[probe(text, hashOf(text))].ref != kEmpty;
}

bool TextSet::insert(std::string_view text) {
  if ((size_ + 1) * 2 > slots_.size()) grow();
  const uint32_t hash = hashOf(text);
  Slot& slot = slots_[probe(text, hash)];
  if (slot.ref != kEmpty) return false;
  slot = Slot{hash, store(text)};
  ++size_;
  return true;
}

// A text goes at the end of the last chunk; one that does not fit starts a new
// chunk, as big as it needs (so its offset is 0).
uint32_t TextSet::store(std::string_view text) {
  const size_t need = sizeof(uint32_t) + text.size();
  if (chunks_.empty() || used_ + need > kChunkBytes) {
    chunks_.push_back(std::make_unique<char[]>(std::max(need, kChunkBytes)));
    used_ = 0;
  }
  const auto ref = static_cast<uint32_t>((chunks_.size() - 1) << kOffsetBits | used_);
  char* at = chunks_.back().get() + used_;
  const auto n = static_cast<uint32_t>(text.size());
  std::memcpy(at, &n, sizeof n);
  std::memcpy(at + sizeof n, text.data(), text.size());
  used_ = need > kChunkBytes ? kChunkBytes : used_ + need;
  return ref;
}

void TextSet::grow() {
  rehashSlots(slots_, std::max<size_t>(64, slots_.size() * 2),
              [](const Slot& s) { return s.ref == kEmpty; });
}

void TextSet::clear() {
  std::vector<Slot>().swap(slots_);
  chunks_.clear();
  used_ = 0;
  size_ = 0;
}

}  // namespace zel
