#pragma once
// PageRank over a link graph of numbered pages: each round a page keeps
// (1 - damping) / n and passes damping times its value, split evenly, along its
// links; a page without links spreads its value over every page. The values
// sum to 1.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/spill_memory.h"

namespace zel::audit {

// The links of pages 0, 1, 2... one page after the other, in one flat array (a
// big site has millions of links: no vector a page, and past 256 KB they
// live in a file, read from start to end once a round).
class LinkGraph {
 public:
  // The next page's targets: a target given twice counts once, a link to the
  // page itself not at all. `targets` is reordered.
  void addPage(std::vector<uint32_t>& targets);
  // Room for this many pages, so that a big graph is not copied as it grows.
  void reserve(size_t pages) { first_.reserve(pages + 1); }
  // From (from, to) pairs, for small graphs.
  static LinkGraph fromPairs(uint32_t pages,
                             const std::vector<std::pair<uint32_t, uint32_t>>& links);

  uint32_t pages() const { return static_cast<uint32_t>(first_.size() - 1); }
  uint32_t linkCount(uint32_t page) const { return first_[page + 1] - first_[page]; }
  const uint32_t* begin(uint32_t page) const { return targets_.data() + first_[page]; }
  const uint32_t* end(uint32_t page) const { return targets_.data() + first_[page + 1]; }

 private:
  std::vector<uint32_t> first_{0};  // page p's targets are [first_[p], first_[p + 1])
  SpillArray<uint32_t> targets_;
};

struct PageRankRounds {
  double damping = 0.85;
  double tolerance = 1e-6;  // stop when the values change by less in sum
  int maxRounds = 100;
};

// Targets outside the graph are left out.
std::vector<double> pageRank(const LinkGraph& graph, const PageRankRounds& rounds = {});

// Each value's percentile among all of them: the share (1-100) of values at or
// below it, so the highest is 100 and equal values share one.
std::vector<uint8_t> percentiles(const std::vector<double>& values);

}  // namespace zel::audit
