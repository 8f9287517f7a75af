#include "engine/record_address_table.h"

#include <cstring>

#include "url/zel_link_graph.h"
#include "url/zel_url.h"

namespace zel {

std::string_view RecordAddressTable::keyOf(const Slot& slot) const {
  if (slot.at == kOwn) return graph_.record(slot.record)->getLinkUrl();
  const char* bytes = bytesAt(slot.at);
  uint32_t length;
  std::memcpy(&length, bytes, sizeof length);
  return {bytes + sizeof length, length};
}

uint64_t RecordAddressTable::store(std::string_view key) {
  const auto length = static_cast<uint32_t>(key.size());
  std::string prefixed(sizeof length, '\0');
  std::memcpy(prefixed.data(), &length, sizeof length);
  prefixed += key;
  return reinterpret_cast<uint64_t>(keys_.add(prefixed));
}

size_t RecordAddressTable::probe(std::string_view key, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& s = slots_[i];
    if (s.record == kEmpty || (s.hash == hash && keyOf(s) == key)) return i;
  }
}

void RecordAddressTable::set(std::string_view key, ZelUrl* record) {
  // At most 3/4 full, so that probes stay short.
  if ((used_ + 1) * 4 > slots_.size() * 3) grow();
  const uint32_t hash = hashOf(key);
  Slot& slot = slots_[probe(key, hash)];
  const bool own = key.data() == record->getLinkUrl().data();
  if (slot.record == kEmpty) {
    ++used_;
    slot.hash = hash;
    slot.at = own ? kOwn : store(key);
  } else if (slot.at == kOwn && slot.record != record->graphIndex()) {
    slot.at = store(key);  // the key was the old record's address
  }
  slot.record = record->graphIndex();
}

void RecordAddressTable::keepKeyOf(const ZelUrl* record) {
  const std::string& key = record->getLinkUrl();
  if (slots_.empty()) return;
  Slot& slot = slots_[probe(key, hashOf(key))];
  if (slot.record == record->graphIndex() && slot.at == kOwn) slot.at = store(key);
}

ZelUrl* RecordAddressTable::find(std::string_view key, uint32_t hash) const {
  if (slots_.empty()) return nullptr;
  const Slot& slot = slots_[probe(key, hash)];
  return slot.record == kEmpty ? nullptr : graph_.record(slot.record);
}

void RecordAddressTable::prefetch(uint32_t hash, int stage) const {
  if (slots_.empty()) return;
  const Slot& home = slots_[hash & (slots_.size() - 1)];
  if (stage == 0) return __builtin_prefetch(&home);
  if (home.record == kEmpty || home.hash != hash) return;
  if (home.at == kOwn)  // the address's string in the record (its text is one more read)
    __builtin_prefetch(&graph_.record(home.record)->getLinkUrl());
  else
    __builtin_prefetch(bytesAt(home.at));
}

bool RecordAddressTable::erase(std::string_view key) {
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
  std::vector<Slot> old(slots_.empty() ? 1024 : slots_.size() * 2);
  old.swap(slots_);
  const size_t mask = slots_.size() - 1;
  for (const Slot& s : old) {
    if (s.record == kEmpty) continue;
    size_t at = s.hash & mask;
    while (slots_[at].record != kEmpty) at = (at + 1) & mask;
    slots_[at] = s;
  }
}

}  // namespace zel
