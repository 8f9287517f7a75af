#pragma once
// MinHash signatures of texts and the near-duplicate search over them: each
// text's 5-word shingles are hashed with xxHash, and the signature keeps the
// smallest of 128 independent permutations of those hashes, each by its lowest
// byte; the share of equal values, less the share equal by chance (1/256),
// estimates the Jaccard similarity of two shingle sets. Candidates come from
// LSH banding (pages that agree on every value of one band).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "parser/page_content.h"

namespace zel::audit {

inline constexpr size_t kShingleWords = 5;

// None for fewer than kShingleWords words.
std::optional<Signature> minHashSignature(const std::vector<std::string>& words);
double estimatedSimilarity(const Signature& a, const Signature& b);

struct NearDuplicatePair {
  uint32_t a, b;  // places in the list given, a < b
  double similarity;
};
// The pairs at or above `threshold` (0-1) among `signatures`, except pairs with
// the same nonzero `group` (exact duplicates, already known). Near-linear:
// within one band's bucket each page meets at most a bounded number of others.
std::vector<NearDuplicatePair> nearDuplicatePairs(const std::vector<const Signature*>& signatures,
                                                  const std::vector<uint64_t>& group,
                                                  double threshold);

}  // namespace zel::audit
