#pragma once
// The hub's table from an address to the record known by it. A slot is a record
// number, the key's hash and where the key's bytes lie. Nearly every key is its
// record's own link address, so the slot reads it from the record (one copy of
// each address in memory, at a record's read more a look-up); other keys (an
// address a record had before, a key given for another record) are kept in
// the table's own store, back to back in chunks that never move.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/spill_texts.h"

namespace zel {

class ZelLinkGraph;
class ZelUrl;

class RecordAddressTable {
 public:
  explicit RecordAddressTable(ZelLinkGraph& graph) : graph_(graph) {
    keys_.keepInFileAfter(SIZE_MAX, "");
  }

  // The record for `key`, replacing any other. The record's other keys stay.
  // A key that is the record's own link address (its bytes, not a copy) is
  // read from the record rather than stored twice.
  void set(std::string_view key, ZelUrl* record);
  // Before `record`'s link address changes: a key read from it gets its own copy.
  void keepKeyOf(const ZelUrl* record);
  ZelUrl* find(std::string_view key) const { return find(key, hashOf(key)); }
  // The same with the key's hashOf, for a key looked up in steps (hashed once).
  ZelUrl* find(std::string_view key, uint32_t hash) const;
  // Asks the memory ahead for what find(key) reads (by the key's hash), changing
  // nothing: stage 0 the key's slot; stage 1, some work later, the key text that
  // slot names.
  void prefetch(uint32_t hash, int stage) const;
  static uint32_t hashOf(std::string_view key) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(key));
  }
  // False when there was no such key.
  bool erase(std::string_view key);
  size_t size() const { return used_; }

 private:
  static constexpr uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    uint32_t record = kEmpty;
    uint32_t hash = 0;
    // The address of the key's length (4 bytes) and text in keys_, or kOwn: the
    // record's own address.
    uint64_t at = 0;
  };
  static constexpr uint64_t kOwn = UINT64_MAX;
  // Not for kOwn.
  static const char* bytesAt(uint64_t at) { return reinterpret_cast<const char*>(at); }
  std::string_view keyOf(const Slot& slot) const;
  // The slot holding `key`, or the empty slot where it would go.
  size_t probe(std::string_view key, uint32_t hash) const;
  uint64_t store(std::string_view key);
  // Twice as many slots (the keys stay where they are).
  void grow();

  ZelLinkGraph& graph_;
  std::vector<Slot> slots_;  // linear probing; size a power of two
  size_t used_ = 0;
  // Keys that are not their record's address; erased ones stay (a record's address
  // is seldom taken back). In the heap only: every look-up may read one.
  SpillTexts keys_;
};

}  // namespace zel
