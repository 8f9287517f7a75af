#include "engine/record_address_table.h"

#include "platform/linear_probing.h"
#include "url/zel_link_graph.h"

namespace zel {

const std::string& RecordAddressTable::keyOf(const Slot& slot) const {
  return graph_.record(slot.record)->getLinkUrl();
}

size_t RecordAddressTable::probe(std::string_view key, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& s = slots_[i];
    if (s.record == kEmpty || (s.hash == hash && keyOf(s) == key)) return i;
  }
}

void RecordAddressTable::settlePending() {
  const uint32_t record = pending_->second;
  const std::string key = pending_->first;
  pending_ = nullptr;
  if (graph_.record(record)->getLinkUrl() != key) return;  // a key set by hand stays aside
  aside_.erase(key);
  insertSlot(key, record);
}

void RecordAddressTable::set(std::string_view key, ZelUrl* record) {
  settle();
  const uint32_t index = record->graphIndex();
  // The record's present address stops being readable from it: keep it aside.
  const std::string& current = record->getLinkUrl();
  if (current != key && !slots_.empty()) {
    const Slot& s = slots_[probe(current, hashOf(current))];
    if (s.record == index) {
      std::string text = current;
      eraseSlot(text);
      aside_.emplace(std::move(text), index);
    }
  }
  if (!eraseSlot(key))
    if (auto it = aside_.find(key); it != aside_.end()) aside_.erase(it);
  if (current == key) {
    insertSlot(key, index);
    return;
  }
  pending_ = &*aside_.emplace(std::string(key), index).first;
}

void RecordAddressTable::insertSlot(std::string_view key, uint32_t record) {
  // At most 3/4 full, so that probes stay short.
  if ((used_ + 1) * 4 > slots_.size() * 3) grow();
  const uint32_t hash = hashOf(key);
  Slot& slot = slots_[probe(key, hash)];
  if (slot.record == kEmpty) ++used_;
  slot = Slot{record, hash};
}

ZelUrl* RecordAddressTable::find(std::string_view key) const {
  settle();
  if (!slots_.empty()) {
    const Slot& slot = slots_[probe(key, hashOf(key))];
    if (slot.record != kEmpty) return graph_.record(slot.record);
  }
  if (aside_.empty()) return nullptr;
  auto it = aside_.find(key);
  return it == aside_.end() ? nullptr : graph_.record(it->second);
}

bool RecordAddressTable::erase(std::string_view key) {
  settle();
  if (eraseSlot(key)) return true;
  auto it = aside_.find(key);
  if (it == aside_.end()) return false;
  aside_.erase(it);
  return true;
}

bool RecordAddressTable::eraseSlot(std::string_view key) {
  if (slots_.empty()) return false;
  const size_t mask = slots_.size() - 1;
  size_t hole = probe(key, hashOf(key));
  if (slots_[hole].record == kEmpty) return false;
  // Moves back the slots after the hole that would no longer be found.
  for (size_t i = (hole + 1) & mask; slots_[i].record != kEmpty; i = (i + 1) & mask) {
    const size_t home = slots_[i].hash & mask;
    // Stays when its home lies cyclically in (hole, i].
    const bool stays = hole < i ? (hole < home && home <= i) : (hole < home || home <= i);
    if (stays) continue;
    slots_[hole] = slots_[i];
    hole = i;
  }
  slots_[hole] = Slot{};
  --used_;
  return true;
}

void RecordAddressTable::grow() {
  rehashSlots(slots_, slots_.empty() ? 1024 : slots_.size() * 2,
              [](const Slot& s) { return s.record == kEmpty; });
}

}  // namespace zel
