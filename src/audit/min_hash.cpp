#include "audit/min_hash.h"

#include <xxhash.h>

#include <algorithm>
#include <array>
#include <limits>

namespace zel::audit {

namespace {

struct Permutations {
  std::array<uint64_t, kSignatureValues> a{}, b{};
  Permutations() {
    uint64_t seed = 0x5a17c0de12345678ull;
    const auto next = [&] {  // splitmix64: fixed, so signatures stay comparable across runs
      uint64_t z = (seed += 0x9e3779b97f4a7c15ull);
      z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
      z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
      return z ^ (z >> 31);
    };
    for (size_t i = 0; i < kSignatureValues; ++i) {
      a[i] = next() | 1;
      b[i] = next();
    }
  }
};

const Permutations& permutations() {
  static const Permutations p;
  return p;
}

// How far a page looks within one band's bucket: a bucket of many pages (a
// template repeated across the site) would otherwise cost its size squared.
constexpr size_t kBucketReach = 64;

// The minimum of each permutation over the shingles: most of a page's reading
// time. Built also for processors with 64-bit vector multiplies, chosen when
// the program starts. Not under ThreadSanitizer: the choice is made before its
// runtime has started, and the instrumented chooser crashes the program.
#if defined(__SANITIZE_THREAD__)
#elif defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "default")))
#else
__attribute__((target_clones("arch=x86-64-v4", "default"), optimize("tree-vectorize")))
#endif
void foldShingles(const std::vector<uint64_t>& shingles, const Permutations& p, uint32_t* sig) {
  // A block of permutations at a time over all the shingles: its minimums stay
  // in registers instead of going back to memory after every shingle.
  constexpr size_t kBlock = 16;
  static_assert(kSignatureValues % kBlock == 0);
  for (size_t k0 = 0; k0 < kSignatureValues; k0 += kBlock) {
    uint32_t least[kBlock];
    for (size_t j = 0; j < kBlock; ++j) least[j] = sig[k0 + j];
    for (const uint64_t h : shingles)
      for (size_t j = 0; j < kBlock; ++j) {
        const uint32_t v = static_cast<uint32_t>((p.a[k0 + j] * h + p.b[k0 + j]) >> 32);
        least[j] = v < least[j] ? v : least[j];
      }
    for (size_t j = 0; j < kBlock; ++j) sig[k0 + j] = least[j];
  }
}

}  // namespace

std::optional<Signature> minHashSignature(const std::vector<std::string>& words) {
  if (words.size() < kShingleWords) return std::nullopt;
  std::vector<uint64_t> wordHashes(words.size());
  for (size_t i = 0; i < words.size(); ++i)
    wordHashes[i] = XXH3_64bits(words[i].data(), words[i].size());
  const Permutations& p = permutations();
  // A shingle that repeats changes no minimum: the signature is of the set.
  std::vector<uint64_t> shingles(words.size() - kShingleWords + 1);
  for (size_t i = 0; i < shingles.size(); ++i)
    shingles[i] = XXH3_64bits(&wordHashes[i], kShingleWords * sizeof(uint64_t));
  std::array<uint32_t, kSignatureValues> sig;
  sig.fill(std::numeric_limits<uint32_t>::max());
  foldShingles(shingles, p, sig.data());
  Signature out;
  for (size_t k = 0; k < kSignatureValues; ++k) out[k] = static_cast<uint8_t>(sig[k]);
  return out;
}

double estimatedSimilarity(const Signature& a, const Signature& b) {
  size_t same = 0;
  for (size_t i = 0; i < a.size(); ++i) same += a[i] == b[i];
  // Two different values share their lowest byte once in 256.
  const double equal = static_cast<double>(same) / static_cast<double>(a.size());
  return std::max(0.0, (equal * 256 - 1) / 255);
}

std::vector<NearDuplicatePair> nearDuplicatePairs(const std::vector<const Signature*>& signatures,
                                                  const std::vector<uint64_t>& group,
                                                  double threshold) {
  // Fewer rows a band for lower thresholds, so that pairs near the threshold
  // still share a band.
  const size_t rows = threshold >= 0.9 ? 8 : threshold >= 0.6 ? 4 : 2;
  const size_t bands = kSignatureValues / rows;
  std::vector<std::pair<uint64_t, uint32_t>> bucket;
  bucket.reserve(signatures.size());
  std::vector<std::pair<uint32_t, uint32_t>> candidates;
  size_t kept = 0;
  for (size_t band = 0; band < bands; ++band) {
    bucket.clear();
    for (uint32_t i = 0; i < signatures.size(); ++i) {
      const Signature* s = signatures[i];
      if (!s) continue;
      bucket.emplace_back(XXH3_64bits_withSeed(s->data() + band * rows, rows, band), i);
    }
    std::sort(bucket.begin(), bucket.end());
    for (size_t i = 0; i < bucket.size(); ++i)
      for (size_t j = i + 1;
           j < bucket.size() && j <= i + kBucketReach && bucket[j].first == bucket[i].first; ++j)
        candidates.emplace_back(bucket[i].second, bucket[j].second);
    // A pair alike enough meets in most bands: each is kept once whenever the
    // list doubles, so that it holds about twice the pairs, not once a band.
    if (candidates.size() > std::max<size_t>(size_t{1} << 16, 2 * kept)) {
      std::sort(candidates.begin(), candidates.end());
      candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
      kept = candidates.size();
    }
  }
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  std::vector<NearDuplicatePair> out;
  for (const auto& [a, b] : candidates) {
    if (group[a] != 0 && group[a] == group[b]) continue;
    const double s = estimatedSimilarity(*signatures[a], *signatures[b]);
    if (s + 1e-9 >= threshold) out.push_back({a, b, s});
  }
  return out;
}

}  // namespace zel::audit
