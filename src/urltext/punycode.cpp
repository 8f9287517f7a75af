#include "urltext/punycode.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "urltext/code_points.h"

namespace zel {

namespace {

constexpr uint32_t kBase = 36;
constexpr uint32_t kTMin = 1;
constexpr uint32_t kTMax = 26;
constexpr uint32_t kSkew = 38;
constexpr uint32_t kDamp = 700;
constexpr uint32_t kInitialBias = 72;
constexpr uint32_t kInitialN = 128;
constexpr char kDelimiter = '-';
constexpr uint32_t kMaxInt = std::numeric_limits<uint32_t>::max();

uint32_t adapt(uint32_t delta, uint32_t numPoints, bool firstTime) {
  delta = firstTime ? delta / kDamp : delta / 2;
  delta += delta / numPoints;
  uint32_t k = 0;
  while (delta > ((kBase - kTMin) * kTMax) / 2) {
    delta /= kBase - kTMin;
    k += kBase;
  }
  return k + (kBase - kTMin + 1) * delta / (delta + kSkew);
}

uint32_t threshold(uint32_t k, uint32_t bias) {
  if (k <= bias) return kTMin;
  if (k >= bias + kTMax) return kTMax;
  return k - bias;
}

char encodeDigit(uint32_t d) { return static_cast<char>(d < 26 ? 'a' + d : '0' + (d - 26)); }

uint32_t decodeDigit(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0' + 26;
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return kBase;  // not a digit
}

// Prefix counts over positions (1-based internally).
class Fenwick {
 public:
  explicit Fenwick(size_t n) : tree_(n + 1, 0) {}
  void add(size_t pos, int32_t v) {
    for (size_t i = pos + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += v;
  }
  // Sum over positions [0, end).
  uint32_t prefix(size_t end) const {
    int64_t s = 0;
    for (size_t i = end; i > 0; i -= i & (~i + 1)) s += tree_[i];
    return static_cast<uint32_t>(s);
  }
  // Position of the (k+1)-th set slot (slots hold 0 or 1).
  size_t findKth(uint32_t k) const {
    size_t pos = 0;
    size_t step = 1;
    while (step * 2 < tree_.size()) step *= 2;
    int64_t rem = k;
    for (; step > 0; step /= 2) {
      if (pos + step < tree_.size() && tree_[pos + step] <= rem) {
        pos += step;
        rem -= tree_[pos];
      }
    }
    return pos;  // 0-based index of the slot
  }

 private:
  std::vector<int32_t> tree_;
};

}  // namespace

std::optional<std::string> punycodeEncode(std::u32string_view input) {
  std::string out;
  uint32_t basicCount = 0;
  for (char32_t c : input) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++basicCount;
    }
  }
  if (input.size() >= kMaxInt) return std::nullopt;
  const uint32_t length = static_cast<uint32_t>(input.size());
  if (basicCount > 0) out.push_back(kDelimiter);
  if (basicCount == length) return out;

  // The RFC walks the whole input once per distinct code point; the same
  // deltas come from counting, per occurrence, the smaller code points since
  // the previous occurrence (a Fenwick tree over positions).
  std::vector<std::pair<char32_t, uint32_t>> pending;
  pending.reserve(length - basicCount);
  Fenwick smaller(length);
  for (uint32_t p = 0; p < length; ++p) {
    if (input[p] < 0x80) {
      smaller.add(p, 1);
    } else {
      pending.emplace_back(input[p], p);
    }
  }
  std::sort(pending.begin(), pending.end());

  uint32_t n = kInitialN, delta = 0, bias = kInitialBias, h = basicCount;
  size_t idx = 0;
  while (idx < pending.size()) {
    const uint32_t m = pending[idx].first;
    if (m - n > (kMaxInt - delta) / (h + 1)) return std::nullopt;
    delta += (m - n) * (h + 1);
    n = m;
    size_t roundEnd = idx;
    while (roundEnd < pending.size() && pending[roundEnd].first == m) ++roundEnd;
    uint32_t scannedUpTo = 0;  // positions before this were already counted
    for (size_t j = idx; j < roundEnd; ++j) {
      const uint32_t p = pending[j].second;
      const uint32_t count = smaller.prefix(p) - smaller.prefix(scannedUpTo);
      if (count > kMaxInt - delta) return std::nullopt;
      delta += count;
      uint32_t q = delta;
      for (uint32_t k = kBase;; k += kBase) {
        const uint32_t t = threshold(k, bias);
        if (q < t) break;
        out.push_back(encodeDigit(t + (q - t) % (kBase - t)));
        q = (q - t) / (kBase - t);
      }
      out.push_back(encodeDigit(q));
      bias = adapt(delta, h + 1, h == basicCount);
      delta = 0;
      ++h;
      scannedUpTo = p + 1;
    }
    const uint32_t rest = smaller.prefix(length) - smaller.prefix(scannedUpTo);
    if (rest > kMaxInt - delta) return std::nullopt;
    delta += rest;
    for (size_t j = idx; j < roundEnd; ++j) smaller.add(pending[j].second, 1);
    if (delta == kMaxInt) return std::nullopt;
    ++delta;
    ++n;
    idx = roundEnd;
  }
  return out;
}

std::optional<std::u32string> punycodeDecode(std::string_view input) {
  const size_t lastDelim = input.rfind(kDelimiter);
  const size_t basicLength = lastDelim == std::string_view::npos ? 0 : lastDelim;
  if (input.size() >= kMaxInt) return std::nullopt;
  for (size_t j = 0; j < basicLength; ++j)
    if (static_cast<unsigned char>(input[j]) >= 0x80) return std::nullopt;

  // Each inserted code point with the index it was inserted at; the final
  // order is worked out afterwards so that insertion never costs O(n).
  std::vector<std::pair<char32_t, uint32_t>> inserted;
  uint32_t n = kInitialN, i = 0, bias = kInitialBias;
  size_t in = basicLength > 0 ? basicLength + 1 : 0;
  uint32_t outputLength = static_cast<uint32_t>(basicLength);
  while (in < input.size()) {
    const uint32_t oldi = i;
    uint32_t w = 1;
    for (uint32_t k = kBase;; k += kBase) {
      if (in >= input.size()) return std::nullopt;
      const uint32_t digit = decodeDigit(static_cast<unsigned char>(input[in++]));
      if (digit >= kBase) return std::nullopt;
      if (digit > (kMaxInt - i) / w) return std::nullopt;
      i += digit * w;
      const uint32_t t = threshold(k, bias);
      if (digit < t) break;
      if (w > kMaxInt / (kBase - t)) return std::nullopt;
      w *= kBase - t;
    }
    const uint32_t newLength = outputLength + 1;
    bias = adapt(i - oldi, newLength, oldi == 0);
    if (i / newLength > kMaxInt - n) return std::nullopt;
    n += i / newLength;
    i %= newLength;
    if (n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF)) return std::nullopt;
    inserted.emplace_back(static_cast<char32_t>(n), i);
    ++i;
    outputLength = newLength;
  }

  std::u32string out(outputLength, U'\0');
  if (inserted.empty()) {
    for (size_t j = 0; j < basicLength; ++j) out[j] = static_cast<unsigned char>(input[j]);
    return out;
  }
  // Walking the insertions backwards, each one takes the free slot whose rank
  // is its insertion index; the basic code points fill what is left in order.
  Fenwick freeSlots(outputLength);
  std::vector<bool> taken(outputLength, false);
  for (uint32_t p = 0; p < outputLength; ++p) freeSlots.add(p, 1);
  for (size_t j = inserted.size(); j-- > 0;) {
    const size_t slot = freeSlots.findKth(inserted[j].second);
    out[slot] = inserted[j].first;
    taken[slot] = true;
    freeSlots.add(slot, -1);
  }
  size_t b = 0;
  for (uint32_t p = 0; p < outputLength; ++p)
    if (!taken[p]) out[p] = static_cast<unsigned char>(input[b++]);
  return out;
}

std::optional<std::string> punycodeEncodedString(std::string_view text) {
  std::u32string cps = longCharacters(text);
  cps.erase(std::remove_if(cps.begin(), cps.end(), isIgnoredCharacter), cps.end());
  return punycodeEncode(cps);
}

std::optional<std::string> punycodeDecodedString(std::string_view text) {
  auto cps = punycodeDecode(text);
  if (!cps) return std::nullopt;
  return stringFromLongCharacters(*cps);
}

}  // namespace zel
