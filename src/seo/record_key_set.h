#pragma once
// The records of a collection, one a key, the key being a text worked out from
// the record (a page's address). The keys are not kept: a slot holds a key's
// hash and its record's place in the set's list, and a look-up works the key
// out again only for a record whose hash matches. 8 bytes a slot and 8 a
// record, where keeping the texts cost some 70 bytes a page.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class ZelUrl;

class RecordKeySet {
 public:
  using KeyOf = std::string (*)(ZelUrl& record);
  explicit RecordKeySet(KeyOf keyOf) : keyOf_(keyOf) {}

  // False (and nothing added) when a record with this key is in the set already.
  bool insert(std::string_view key, ZelUrl* record);
  size_t size() const { return records_.size(); }
  void clear();

 private:
  struct Slot {
    uint32_t hash = 0;
    uint32_t place = kEmpty;
  };
  static constexpr uint32_t kEmpty = UINT32_MAX;

  // The slot holding `key`, or the empty one where it would go.
  size_t probe(std::string_view key, uint32_t hash) const;
  void grow();

  KeyOf keyOf_;
  std::vector<Slot> slots_;  // a power of two long, at most half full
  std::vector<ZelUrl*> records_;
};

}  // namespace zel
