#pragma once
// The hub's table from an address to the record known by it. A key is nearly
// always its record's own link URL, so the table keeps no key text: a slot is a
// record number and the key's hash (8 bytes), and a probe compares with the
// record's link URL. Keys that are not their record's link URL are kept as
// text in a small table aside: one whose record was given another address, or
// any key set by hand.
//
// A record enters its new address just before taking it (setLinkUrl), so a key
// that is not yet its record's address waits aside until the next call, which
// moves it into a slot when the record has taken it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zel {

class ZelLinkGraph;
class ZelUrl;

class RecordAddressTable {
 public:
  explicit RecordAddressTable(ZelLinkGraph& graph) : graph_(graph) {}

  // The record for `key`, replacing any other. When `key` is not the record's
  // link URL, that URL stays a key of the record.
  void set(std::string_view key, ZelUrl* record);
  ZelUrl* find(std::string_view key) const;
  // False when there was no such key.
  bool erase(std::string_view key);
  size_t size() const { return used_ + aside_.size(); }

 private:
  static constexpr uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    uint32_t record = kEmpty;
    uint32_t hash = 0;
  };
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept {
      return std::hash<std::string_view>{}(s);
    }
  };
  using Aside = std::unordered_map<std::string, uint32_t, Hash, std::equal_to<>>;
  static uint32_t hashOf(std::string_view key) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(key));
  }
  // The slot holding `key`, or the empty slot where it would go.
  size_t probe(std::string_view key, uint32_t hash) const;
  const std::string& keyOf(const Slot& slot) const;
  void insertSlot(std::string_view key, uint32_t record);
  bool eraseSlot(std::string_view key);
  // Moves the key set last into a slot when its record has taken it. No
  // answer changes, so const callers do it too.
  void settle() const {
    if (pending_) const_cast<RecordAddressTable*>(this)->settlePending();
  }
  void settlePending();
  void grow();

  ZelLinkGraph& graph_;
  std::vector<Slot> slots_;  // linear probing; size a power of two
  size_t used_ = 0;
  Aside aside_;
  const Aside::value_type* pending_ = nullptr;  // the entry set last, aside
};

}  // namespace zel
