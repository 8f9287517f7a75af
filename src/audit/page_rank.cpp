#include "audit/page_rank.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zel::audit {

void LinkGraph::addPage(std::vector<uint32_t>& targets) {
  const uint32_t self = pages();
  std::sort(targets.begin(), targets.end());
  const auto last = std::unique(targets.begin(), targets.end());
  for (auto t = targets.begin(); t != last; ++t)
    if (*t != self) targets_.push_back(*t);
  first_.push_back(static_cast<uint32_t>(targets_.size()));
}

LinkGraph LinkGraph::fromPairs(uint32_t pages,
                               const std::vector<std::pair<uint32_t, uint32_t>>& links) {
  LinkGraph g;
  std::vector<uint32_t> targets;
  for (uint32_t p = 0; p < pages; ++p) {
    targets.clear();
    for (const auto& [from, to] : links)
      if (from == p) targets.push_back(to);
    g.addPage(targets);
  }
  return g;
}

std::vector<double> pageRank(const LinkGraph& graph, const PageRankRounds& rounds) {
  const uint32_t n = graph.pages();
  if (n == 0) return {};
  std::vector<uint32_t> outCount(n, 0);
  for (uint32_t p = 0; p < n; ++p)
    for (const uint32_t* t = graph.begin(p); t != graph.end(p); ++t) outCount[p] += *t < n;
  std::vector<double> value(n, 1.0 / n), next(n);
  for (int round = 0; round < rounds.maxRounds; ++round) {
    double dangling = 0;
    for (uint32_t p = 0; p < n; ++p)
      if (outCount[p] == 0) dangling += value[p];
    const double base = (1.0 - rounds.damping) / n + rounds.damping * dangling / n;
    std::fill(next.begin(), next.end(), base);
    for (uint32_t p = 0; p < n; ++p) {
      if (outCount[p] == 0) continue;
      const double share = rounds.damping * value[p] / outCount[p];
      for (const uint32_t* t = graph.begin(p); t != graph.end(p); ++t)
        if (*t < n) next[*t] += share;
    }
    double change = 0;
    for (uint32_t p = 0; p < n; ++p) change += std::fabs(next[p] - value[p]);
    value.swap(next);
    if (change < rounds.tolerance) break;
  }
  return value;
}

std::vector<uint8_t> percentiles(const std::vector<double>& values) {
  const size_t n = values.size();
  std::vector<uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(),
            [&](uint32_t a, uint32_t b) { return values[a] < values[b]; });
  std::vector<uint8_t> out(n);
  for (size_t i = 0; i < n;) {
    size_t j = i;
    // Values this close are the same value computed along different paths.
    while (j < n && values[order[j]] - values[order[i]] <= 1e-12) ++j;
    const auto pct = static_cast<uint8_t>(std::max<size_t>(1, (100 * j + n - 1) / n));
    for (size_t k = i; k < j; ++k) out[order[k]] = pct;
    i = j;
  }
  return out;
}

}  // namespace zel::audit
