// The near-duplicate search at two site sizes: pages of 300 words in families
// of five made from one template each (a product in five colours), each page
// changing a share of its template's words, so that many pages have near
// duplicates but each only a few. Prints the signature and search times at
// 20,000 and 100,000 pages (or the sizes given) and their ratio.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "audit/min_hash.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

struct Timing {
  double signatures = 0, search = 0;
  size_t pairs = 0;
};

Timing run(size_t pages) {
  std::mt19937 rng(7);
  std::vector<std::vector<std::string>> templates((pages + 4) / 5);
  for (auto& t : templates)
    for (int w = 0; w < 300; ++w) t.push_back("w" + std::to_string(rng() % 50000));
  Timing timing;
  std::vector<std::optional<zel::Signature>> signatures(pages);
  auto start = std::chrono::steady_clock::now();
  for (size_t p = 0; p < pages; ++p) {
    std::vector<std::string> words = templates[p / 5];
    const size_t changes = rng() % 3;  // a word or two of its own: near copies
    for (size_t c = 0; c < changes; ++c) words[rng() % words.size()] = "x" + std::to_string(rng());
    signatures[p] = zel::audit::minHashSignature(words);
  }
  timing.signatures = secondsSince(start);
  std::vector<const zel::Signature*> refs;
  for (const auto& s : signatures) refs.push_back(s ? &*s : nullptr);
  std::vector<uint64_t> groups(pages, 0);
  start = std::chrono::steady_clock::now();
  timing.pairs = zel::audit::nearDuplicatePairs(refs, groups, 0.9).size();
  timing.search = secondsSince(start);
  return timing;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t small = argc > 1 ? std::stoul(argv[1]) : 20000;
  const size_t large = argc > 2 ? std::stoul(argv[2]) : 100000;
  const Timing a = run(small), b = run(large);
  for (const auto& [n, t] : {std::pair{small, a}, std::pair{large, b}})
    std::printf("%zu pages: signatures %.2f s, near-duplicate search %.2f s, %zu pairs\n", n,
                t.signatures, t.search, t.pairs);
  std::printf("search time ratio %.2f for %.1fx the pages\n", b.search / a.search,
              static_cast<double>(large) / static_cast<double>(small));
  return 0;
}
