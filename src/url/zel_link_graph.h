#pragma once
// The link graph of one crawl: every record and every link instance, owned by
// the hub for as long as it lives (nothing is freed during a crawl).
//
// Memory is what this class is about. A crawl holds millions of instances, so:
// - records are numbered by creation and instances name them by index; they
//   are made in blocks too, so each costs its size and no more;
// - instances are made page by page, so their parents come in runs, kept
//   once a run rather than once an instance;
// - instances are made in blocks of kBlockBytes, aligned to their size, whose
//   header names the graph: an instance finds its graph from its own address
//   and needs no pointer to it;
// - link texts (and rel, target and hreflang values) are interned: "Read
//   more" on ten thousand pages is stored once;
// - the rarely present attributes sit in a side table by instance index;
// - the hub's collection is the instances themselves in creation order, the
//   removed ones marked; each record's inbound list is a chain through the
//   instances and its outbound list a run of them (see zel_link_instance_list.h).
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/spill_texts.h"
#include "url/zel_link_instance.h"
#include "url/zel_url.h"

namespace zel {

class ZelRecordOwner;
class SpillRegion;

class ZelLinkGraph {
 public:
  static constexpr uint32_t kNone = LinkChain::kNone;

  ZelLinkGraph();
  ~ZelLinkGraph();
  ZelLinkGraph(const ZelLinkGraph&) = delete;
  ZelLinkGraph& operator=(const ZelLinkGraph&) = delete;

  // ---- Records ------------------------------------------------------------------
  ZelUrl* createRecord(ZelRecordOwner* owner);
  ZelUrl* record(uint32_t index) {
    if (index == kNone) return nullptr;
    return recordBlocks_[index / kRecordsPerBlock] + index % kRecordsPerBlock;
  }
  size_t recordCount() const { return recordCount_; }

  // ---- Instances ----------------------------------------------------------------
  // A new instance between two records of this graph (either may be null); in
  // the collection, in no record's list yet.
  ZelLinkInstance* createInstance(ZelUrl* parent, ZelUrl* target);
  ZelLinkInstance* instance(uint32_t index) const {
    if (index == kNone) return nullptr;
    return itemsOf(blocks_[index / kPerBlock]) + index % kPerBlock;
  }
  size_t instanceCount() const { return instanceCount_; }
  // Instances after the first `blocks` blocks live in a file in `directory`
  // (see SpillRegion); before the first instance is made. The default keeps 4
  // blocks (about 260,000 instances, a site of some 10,000 pages) in the heap,
  // then uses the temporary directory; blocks go to the heap again when the
  // file cannot grow.
  void keepInstancesInFileAfter(size_t blocks, std::string directory);
  // Gives back the resident memory of the file's older blocks now (it is also
  // done every tenth of a second); for tests.
  void releaseFileBlocks() const;
  // The record index of an instance's parent (kNone for none).
  uint32_t parentIndexOf(uint32_t instanceIndex) const;

  // The instances not removed from the collection, in creation order.
  class Collection {
   public:
    class iterator {
     public:
      using iterator_category = std::forward_iterator_tag;
      using value_type = ZelLinkInstance*;
      using difference_type = std::ptrdiff_t;
      using pointer = ZelLinkInstance* const*;
      using reference = ZelLinkInstance*;
      iterator(const ZelLinkGraph* graph, uint32_t index) : graph_(graph), index_(index) {
        skipRemoved();
      }
      ZelLinkInstance* operator*() const { return graph_->instance(index_); }
      iterator& operator++() {
        ++index_;
        // A walk over the collection gives back the memory of each file block it leaves.
        if (index_ % kPerBlock == 0) graph_->leftBlock(index_ / kPerBlock - 1);
        skipRemoved();
        return *this;
      }
      bool operator==(const iterator& other) const { return index_ == other.index_; }

     private:
      void skipRemoved();
      const ZelLinkGraph* graph_;
      uint32_t index_;
    };
    explicit Collection(const ZelLinkGraph& graph) : graph_(graph) {}
    iterator begin() const { return iterator(&graph_, 0); }
    iterator end() const { return iterator(&graph_, static_cast<uint32_t>(graph_.instanceCount_)); }
    size_t size() const { return graph_.instanceCount_ - graph_.removedCount_; }
    bool empty() const { return size() == 0; }

   private:
    const ZelLinkGraph& graph_;
  };
  const Collection& collection() const { return collection_; }
  // Marks the instance removed; false when it already was.
  bool removeFromCollection(ZelLinkInstance* instance);

  // ---- Record lists ---------------------------------------------------------------
  // Appends to the end of a record's list; false (and nothing done) when the
  // instance is already in a list on that side.
  bool appendInbound(LinkChain& chain, ZelLinkInstance* instance);
  bool appendOutbound(ZelUrl& record, ZelLinkInstance* instance);
  // Takes out of the record's list; false when the instance is not in it.
  bool removeInbound(LinkChain& chain, ZelLinkInstance* instance);
  bool removeOutbound(ZelUrl& record, ZelLinkInstance* instance);
  ZelLinkInstanceList inbound(const LinkChain& chain) const;
  // Whether an instance of the chain passes `test`, newest first.
  bool anyInbound(const LinkChain& chain,
                  const std::function<bool(const ZelLinkInstance&)>& test) const;
  ZelLinkInstanceList outbound(const ZelUrl& record) const;

  // ---- Texts ------------------------------------------------------------------------
  // The id of a text (made on first use); ids start at 1, 0 stands for absent.
  uint32_t intern(std::string_view text);
  // Asks the memory ahead for what intern(text) reads, changing nothing: stage 0
  // the text's slot; stage 1, some work later, the text that slot names.
  void prefetchText(std::string_view text, int stage) const;
  // "" for 0.
  const std::string& text(uint32_t id) const;
  size_t textCount() const { return texts_.size(); }

  // Pages' titles, descriptions, meta tags and headings (see ZelUrl::PageFacts).
  SpillTexts& pageTexts() { return pageTexts_; }

  // ---- Rare attributes ------------------------------------------------------------------
  struct Attrs {
    uint32_t rel = 0, targetAttr = 0, hreflang = 0;  // text ids, 0 = absent
    int32_t lineNumber = 0;  // when it does not fit in the instance
  };
  // The entry of an instance, made on first use.
  Attrs& attrs(uint32_t instanceIndex);
  // nullptr when the instance has none.
  const Attrs* findAttrs(uint32_t instanceIndex) const;

  // The graph of an instance, from the header of the block it lives in.
  static ZelLinkGraph& of(const ZelLinkInstance* instance) { return *headerOf(instance)->graph; }
  static uint32_t indexOf(const ZelLinkInstance* instance) {
    const BlockHeader* h = headerOf(instance);
    return h->first + static_cast<uint32_t>(instance - itemsOf(h));
  }

 private:
  struct BlockHeader {
    ZelLinkGraph* graph;
    uint32_t first;  // index of the block's first instance
    bool inHeap;
  };
  static constexpr size_t kBlockBytes = size_t{1} << 20;
  static constexpr size_t kItemsOffset = (sizeof(BlockHeader) + alignof(ZelLinkInstance) - 1) /
                                         alignof(ZelLinkInstance) * alignof(ZelLinkInstance);
  static constexpr uint32_t kPerBlock =
      static_cast<uint32_t>((kBlockBytes - kItemsOffset) / sizeof(ZelLinkInstance));

  static ZelLinkInstance* itemsOf(const BlockHeader* h) {
    return reinterpret_cast<ZelLinkInstance*>(reinterpret_cast<char*>(const_cast<BlockHeader*>(h)) +
                                              kItemsOffset);
  }
  static const BlockHeader* headerOf(const ZelLinkInstance* instance) {
    return reinterpret_cast<const BlockHeader*>(reinterpret_cast<uintptr_t>(instance) &
                                                ~uintptr_t{kBlockBytes - 1});
  }
  BlockHeader* newBlock();
  void leftBlock(size_t block) const;
  void growTextTable();
  // Moves a record's outbound run to an index vector.
  std::vector<uint32_t>& spillOutbound(ZelUrl& record);

  static constexpr uint32_t kRecordsPerBlock = 256;
  std::vector<ZelUrl*> recordBlocks_;  // storage for kRecordsPerBlock records each
  size_t recordCount_ = 0;
  std::vector<BlockHeader*> blocks_;
  size_t heapBlocks_ = 4;
  std::string spillDirectory_;
  std::unique_ptr<SpillRegion> spill_;
  bool spillTried_ = false;
  size_t instanceCount_ = 0, removedCount_ = 0;
  // The parent of instances first.. up to the next entry's first.
  struct ParentRun {
    uint32_t first, parent;
  };
  std::vector<ParentRun> parentRuns_;
  Collection collection_{*this};

  SpillTexts pageTexts_;
  std::deque<std::string> texts_;    // id - 1 -> text; a deque keeps references stable
  // Open addressing: a slot is the text's hash (high half) and its id (low half),
  // 0 = empty; the hash spares a probe most reads of texts that differ.
  std::vector<uint64_t> textTable_;
  // A link's text is hashed for two prefetches and its intern: the last one is kept.
  size_t hashText(std::string_view text) const;
  mutable std::string hashedText_;
  mutable size_t hashedTextHash_ = std::hash<std::string_view>{}(std::string_view());

  // Sorted by instance index; instances get their attributes as they are made,
  // so entries are nearly always appended.
  std::vector<std::pair<uint32_t, Attrs>> attrs_;

  // Outbound lists that are not one run, by record index.
  std::unordered_map<uint32_t, std::vector<uint32_t>> spilledOutbound_;
};

}  // namespace zel
