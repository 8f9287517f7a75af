#include "audit/page_rank.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zel::audit {

std::vector<double> pageRank(const LinkGraph& graph, const PageRankRounds& rounds) {
  const uint32_t n = graph.pages;
  if (n == 0) return {};
  // The links ordered by source, each once, in one flat array (a big site has
  // millions: no vector per page).
  std::vector<std::pair<uint32_t, uint32_t>> links;
  links.reserve(graph.links.size());
  for (const auto& l : graph.links)
    if (l.first != l.second && l.first < n && l.second < n) links.push_back(l);
  std::sort(links.begin(), links.end());
  links.erase(std::unique(links.begin(), links.end()), links.end());
  std::vector<uint32_t> outCount(n, 0);
  for (const auto& l : links) ++outCount[l.first];

  std::vector<double> value(n, 1.0 / n), next(n);
  for (int round = 0; round < rounds.maxRounds; ++round) {
    double dangling = 0;
    for (uint32_t p = 0; p < n; ++p)
      if (outCount[p] == 0) dangling += value[p];
    const double base = (1.0 - rounds.damping) / n + rounds.damping * dangling / n;
    std::fill(next.begin(), next.end(), base);
    for (const auto& [from, to] : links) next[to] += rounds.damping * value[from] / outCount[from];
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
