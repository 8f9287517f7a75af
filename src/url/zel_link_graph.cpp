#include "url/zel_link_graph.h"

#include <algorithm>
#include <functional>
#include <new>
#include <type_traits>

#include "platform/spill_memory.h"

namespace zel {

// Blocks are freed without running destructors.
static_assert(std::is_trivially_destructible_v<ZelLinkInstance>);
static_assert(sizeof(ZelLinkInstance) <= 16, "an instance grew");

ZelLinkGraph::ZelLinkGraph() = default;

ZelLinkGraph::~ZelLinkGraph() {
  for (size_t i = 0; i < recordCount_; ++i) record(static_cast<uint32_t>(i))->~ZelUrl();
  for (ZelUrl* block : recordBlocks_) ::operator delete(block);
  for (BlockHeader* h : blocks_)
    if (h->inHeap) ::operator delete (h, std::align_val_t{kBlockBytes});
}

void ZelLinkGraph::keepInstancesInFileAfter(size_t blocks, std::string directory) {
  heapBlocks_ = blocks;
  spillDirectory_ = std::move(directory);
}

void ZelLinkGraph::releaseFileBlocks() const {
  if (spill_) spill_->release(0);
}

void ZelLinkGraph::leftBlock(size_t block) const {
  if (block < blocks_.size() && !blocks_[block]->inHeap) spill_->releaseChunkAt(blocks_[block]);
}

ZelLinkGraph::BlockHeader* ZelLinkGraph::newBlock() {
  if (blocks_.size() >= heapBlocks_) {
    if (!spillTried_) {
      spillTried_ = true;
      // Instance indices are 32 bits: the region never needs more blocks than they name.
      const size_t most = (size_t{UINT32_MAX} + kPerBlock - 1) / kPerBlock;
      spill_ = SpillRegion::create(
          spillDirectory_.empty() ? SpillRegion::defaultDirectory() : spillDirectory_, kBlockBytes,
          most);
    }
    if (spill_)
      if (void* memory = spill_->addChunk()) return new (memory) BlockHeader{this, 0, false};
  }
  return new (::operator new (kBlockBytes, std::align_val_t{kBlockBytes})) BlockHeader{this, 0, true};
}

ZelUrl* ZelLinkGraph::createRecord(ZelRecordOwner* owner) {
  const auto index = static_cast<uint32_t>(recordCount_);
  if (index % kRecordsPerBlock == 0)
    recordBlocks_.push_back(static_cast<ZelUrl*>(::operator new(sizeof(ZelUrl) * kRecordsPerBlock)));
  ZelUrl* r = new (record(index)) ZelUrl(owner);
  ++recordCount_;
  r->graphIndex_ = index;
  return r;
}

ZelLinkInstance* ZelLinkGraph::createInstance(ZelUrl* parent, ZelUrl* target) {
  const auto index = static_cast<uint32_t>(instanceCount_);
  if (index % kPerBlock == 0) {
    blocks_.push_back(newBlock());
    blocks_.back()->first = index;
  }
  ZelLinkInstance* slot = itemsOf(blocks_.back()) + index % kPerBlock;
  ++instanceCount_;
  const uint32_t parentIndex = parent ? parent->graphIndex_ : kNone;
  if (parentRuns_.empty() || parentRuns_.back().parent != parentIndex)
    parentRuns_.push_back({index, parentIndex});
  return new (slot) ZelLinkInstance(target ? target->graphIndex_ : kNone);
}

uint32_t ZelLinkGraph::parentIndexOf(uint32_t instanceIndex) const {
  auto after = std::upper_bound(
      parentRuns_.begin(), parentRuns_.end(), instanceIndex,
      [](uint32_t index, const ParentRun& run) { return index < run.first; });
  return std::prev(after)->parent;
}

void ZelLinkGraph::Collection::iterator::skipRemoved() {
  while (index_ < graph_->instanceCount_ && graph_->instance(index_)->isRemoved()) ++index_;
}

bool ZelLinkGraph::removeFromCollection(ZelLinkInstance* instance) {
  if (instance->isRemoved()) return false;
  instance->setFlag(ZelLinkInstance::kRemoved, true);
  ++removedCount_;
  return true;
}

// ---- Record lists --------------------------------------------------------------------

bool ZelLinkGraph::appendInbound(LinkChain& chain, ZelLinkInstance* instance) {
  if (instance->flags_ & ZelLinkInstance::kInInbound) return false;
  instance->setFlag(ZelLinkInstance::kInInbound, true);
  const uint32_t index = indexOf(instance);
  instance->prevIn_ = chain.tail;
  if (chain.head == kNone) chain.head = index;
  chain.tail = index;
  ++chain.count;
  return true;
}

bool ZelLinkGraph::removeInbound(LinkChain& chain, ZelLinkInstance* instance) {
  const uint32_t index = indexOf(instance);
  // Walked from the newest; `after` is the one added after `at`.
  uint32_t after = kNone;
  for (uint32_t at = chain.tail; at != kNone; at = this->instance(at)->prevIn_) {
    if (at != index) {
      after = at;
      continue;
    }
    const uint32_t before = instance->prevIn_;
    if (after == kNone)
      chain.tail = before;
    else
      this->instance(after)->prevIn_ = before;
    if (chain.head == index) chain.head = after;
    --chain.count;
    instance->prevIn_ = kNone;
    instance->setFlag(ZelLinkInstance::kInInbound, false);
    return true;
  }
  return false;
}

bool ZelLinkGraph::anyInbound(const LinkChain& chain,
                              const std::function<bool(const ZelLinkInstance&)>& test) const {
  for (uint32_t at = chain.tail; at != kNone; at = instance(at)->prevIn_)
    if (test(*instance(at))) return true;
  return false;
}

ZelLinkInstanceList ZelLinkGraph::inbound(const LinkChain& chain) const {
  if (chain.count == 0) return {};
  if (chain.count == 1) return ZelLinkInstanceList(this, chain.head, nullptr, 1);
  std::vector<uint32_t> indices(chain.count);
  uint32_t at = chain.tail;
  for (size_t i = chain.count; i-- > 0 && at != kNone; at = instance(at)->prevIn_) indices[i] = at;
  return ZelLinkInstanceList(this, std::move(indices));
}

std::vector<uint32_t>& ZelLinkGraph::spillOutbound(ZelUrl& record) {
  LinkRun& run = record.outbound_;
  std::vector<uint32_t>& indices = spilledOutbound_[record.graphIndex_];
  if (run.first != kNone) {
    indices.resize(run.count);
    for (uint32_t i = 0; i < run.count; ++i) indices[i] = run.first + i;
    run.first = kNone;
  }
  return indices;
}

bool ZelLinkGraph::appendOutbound(ZelUrl& record, ZelLinkInstance* instance) {
  if (instance->flags_ & ZelLinkInstance::kInOutbound) return false;
  instance->setFlag(ZelLinkInstance::kInOutbound, true);
  const uint32_t index = indexOf(instance);
  LinkRun& run = record.outbound_;
  if (run.count == 0) {
    run.first = index;
  } else if (run.first == kNone || index != run.first + run.count) {
    spillOutbound(record).push_back(index);
  }
  ++run.count;
  return true;
}

bool ZelLinkGraph::removeOutbound(ZelUrl& record, ZelLinkInstance* instance) {
  const uint32_t index = indexOf(instance);
  LinkRun& run = record.outbound_;
  if (run.count == 0) return false;
  if (run.first != kNone) {
    if (index < run.first || index - run.first >= run.count) return false;
    if (index == run.first)
      ++run.first;
    else if (index != run.first + run.count - 1)
      spillOutbound(record);
  }
  if (run.first == kNone) {
    auto spilled = spilledOutbound_.find(record.graphIndex_);
    std::vector<uint32_t>& indices = spilled->second;
    auto at = std::find(indices.begin(), indices.end(), index);
    if (at == indices.end()) return false;
    indices.erase(at);
    if (indices.empty()) spilledOutbound_.erase(spilled);
  }
  if (--run.count == 0) run.first = kNone;
  instance->setFlag(ZelLinkInstance::kInOutbound, false);
  return true;
}

ZelLinkInstanceList ZelLinkGraph::outbound(const ZelUrl& record) const {
  const LinkRun& run = record.outbound_;
  if (run.count == 0) return {};
  if (run.first != kNone) return ZelLinkInstanceList(this, run.first, nullptr, run.count);
  return ZelLinkInstanceList(this, 0, spilledOutbound_.at(record.graphIndex_).data(), run.count);
}

// ---- Texts ----------------------------------------------------------------------------

uint32_t ZelLinkGraph::intern(std::string_view text) {
  // Kept at most half full, so probes stay short.
  if ((texts_.size() + 1) * 2 > textTable_.size()) growTextTable();
  const size_t mask = textTable_.size() - 1;
  const size_t hash = hashText(text);
  const uint64_t tag = static_cast<uint64_t>(hash >> 32) << 32;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const uint64_t entry = textTable_[slot];
    if (entry == 0) {
      texts_.emplace_back(text);
      const auto id = static_cast<uint32_t>(texts_.size());
      textTable_[slot] = tag | id;
      return id;
    }
    const auto id = static_cast<uint32_t>(entry);
    if ((entry & ~uint64_t{UINT32_MAX}) == tag && texts_[id - 1] == text) return id;
  }
}

size_t ZelLinkGraph::hashText(std::string_view text) const {
  if (text.size() == hashedText_.size() && text == hashedText_) return hashedTextHash_;
  hashedTextHash_ = std::hash<std::string_view>{}(text);
  hashedText_.assign(text);
  return hashedTextHash_;
}

void ZelLinkGraph::prefetchText(std::string_view text, int stage) const {
  if (textTable_.empty()) return;
  const size_t hash = hashText(text);
  const uint64_t& home = textTable_[hash & (textTable_.size() - 1)];
  if (stage == 0) return __builtin_prefetch(&home);
  const auto id = static_cast<uint32_t>(home);
  if (id != 0 && (home >> 32) == (hash >> 32)) __builtin_prefetch(&texts_[id - 1]);
}

void ZelLinkGraph::growTextTable() {
  std::vector<uint64_t> table(std::max<size_t>(64, textTable_.size() * 2), 0);
  const size_t mask = table.size() - 1;
  for (uint32_t id = 1; id <= texts_.size(); ++id) {
    const size_t hash = std::hash<std::string_view>{}(texts_[id - 1]);
    size_t slot = hash & mask;
    while (table[slot] != 0) slot = (slot + 1) & mask;
    table[slot] = (static_cast<uint64_t>(hash >> 32) << 32) | id;
  }
  textTable_ = std::move(table);
}

const std::string& ZelLinkGraph::text(uint32_t id) const {
  static const std::string kEmpty;
  return id == 0 ? kEmpty : texts_[id - 1];
}

// ---- Rare attributes ---------------------------------------------------------------------

namespace {
bool byIndex(const std::pair<uint32_t, ZelLinkGraph::Attrs>& entry, uint32_t index) {
  return entry.first < index;
}
}  // namespace

ZelLinkGraph::Attrs& ZelLinkGraph::attrs(uint32_t instanceIndex) {
  if (attrs_.empty() || attrs_.back().first < instanceIndex)
    return attrs_.emplace_back(instanceIndex, Attrs{}).second;
  auto it = std::lower_bound(attrs_.begin(), attrs_.end(), instanceIndex, byIndex);
  if (it == attrs_.end() || it->first != instanceIndex)
    it = attrs_.insert(it, {instanceIndex, Attrs{}});
  return it->second;
}

const ZelLinkGraph::Attrs* ZelLinkGraph::findAttrs(uint32_t instanceIndex) const {
  auto it = std::lower_bound(attrs_.begin(), attrs_.end(), instanceIndex, byIndex);
  return it != attrs_.end() && it->first == instanceIndex ? &it->second : nullptr;
}

}  // namespace zel
