#include "seo/record_key_set.h"

#include <algorithm>
#include <functional>

#include "platform/linear_probing.h"

namespace zel {

size_t RecordKeySet::probe(std::string_view key, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& s = slots_[at];
    if (s.place == kEmpty || (s.hash == hash && keyOf_(*records_[s.place]) == key)) return at;
  }
}

bool RecordKeySet::insert(std::string_view key, ZelUrl* record) {
  if ((records_.size() + 1) * 2 > slots_.size()) grow();
  const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(key));
  Slot& slot = slots_[probe(key, hash)];
  if (slot.place != kEmpty) return false;
  slot = Slot{hash, static_cast<uint32_t>(records_.size())};
  records_.push_back(record);
  return true;
}

void RecordKeySet::grow() {
  rehashSlots(slots_, std::max<size_t>(64, slots_.size() * 2),
              [](const Slot& s) { return s.place == kEmpty; });
}

void RecordKeySet::clear() {
  std::vector<Slot>().swap(slots_);
  std::vector<ZelUrl*>().swap(records_);
}

}  // namespace zel
