#pragma once
// MinHash signatures of texts and the near-duplicate search over them: each
// text's 5-word shingles are hashed with xxHash, and the signature keeps the
// smallest of 128 independent permutations of those hashes; the share of equal
// values estimates the Jaccard similarity of two shingle sets. Candidates come
// from LSH banding (pages that agree on every value of one band).
#include <cstdint>
#include <string>
#include <vector>

namespace zel::audit {

inline constexpr size_t kSignatureValues = 128;
inline constexpr size_t kShingleWords = 5;

// Empty for fewer than kShingleWords words.
std::vector<uint32_t> minHashSignature(const std::vector<std::string>& words);
// The share of equal values (0 for signatures of different lengths or none).
double estimatedSimilarity(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b);

struct NearDuplicatePair {
  uint32_t a, b;  // places in the list given, a < b
  double similarity;
};
// The pairs at or above `threshold` (0-1) among `signatures`, except pairs with
// the same nonzero `group` (exact duplicates, already known). Near-linear:
// within one band's bucket each page meets at most a bounded number of others.
std::vector<NearDuplicatePair> nearDuplicatePairs(
    const std::vector<const std::vector<uint32_t>*>& signatures, const std::vector<uint64_t>& group,
    double threshold);

}  // namespace zel::audit
