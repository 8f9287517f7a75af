#pragma once
// PageRank over a link graph of numbered pages: each round a page keeps
// (1 - damping) / n and passes damping times its value, split evenly, along its
// links; a page without links spreads its value over every page. The values
// sum to 1.
#include <cstdint>
#include <utility>
#include <vector>

namespace zel::audit {

struct LinkGraph {
  uint32_t pages = 0;
  // (from, to); a pair given twice counts once, a page's link to itself is dropped.
  std::vector<std::pair<uint32_t, uint32_t>> links;
};

struct PageRankRounds {
  double damping = 0.85;
  double tolerance = 1e-6;  // stop when the values change by less in sum
  int maxRounds = 100;
};

std::vector<double> pageRank(const LinkGraph& graph, const PageRankRounds& rounds = {});

// Each value's percentile among all of them: the share (1-100) of values at or
// below it, so the highest is 100 and equal values share one.
std::vector<uint8_t> percentiles(const std::vector<double>& values);

}  // namespace zel::audit
