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
  // By target (a page pulls from its sources): the sources of each page in one
  // array, read in order every round.
  std::vector<uint32_t> firstSource(n + 1, 0), sources(links.size());
  for (const auto& l : links) ++firstSource[l.second + 1];
  for (uint32_t p = 0; p < n; ++p) firstSource[p + 1] += firstSource[p];
  {
    std::vector<uint32_t> at(firstSource.begin(), firstSource.end() - 1);
    for (const auto& l : links) sources[at[l.second]++] = l.first;
  }
  links.clear();
  links.shrink_to_fit();

  std::vector<double> value(n, 1.0 / n), share(n);
  for (int round = 0; round < rounds.maxRounds; ++round) {
    double dangling = 0;
    for (uint32_t p = 0; p < n; ++p) {
      share[p] = outCount[p] ? value[p] / outCount[p] : 0;
      if (outCount[p] == 0) dangling += value[p];
    }
    const double base = (1.0 - rounds.damping) / n + rounds.damping * dangling / n;
    double change = 0;
    for (uint32_t p = 0; p < n; ++p) {
      double in = 0;
      for (uint32_t k = firstSource[p]; k < firstSource[p + 1]; ++k) in += share[sources[k]];
      const double next = base + rounds.damping * in;
      change += std::fabs(next - value[p]);
      value[p] = next;  // read again only through `share`, made before this pass
    }
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
