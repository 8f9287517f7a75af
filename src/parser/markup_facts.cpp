#include "parser/markup_facts.h"

#include <cstring>

namespace zel {

namespace {

enum : uint8_t { kViewport = 1, kLang = 2, kRobotsInBody = 4, kLorem = 8, kSpots = 16 };

void putNumber(std::string& out, uint64_t n) {
  while (n >= 0x80) {
    out += static_cast<char>(0x80 | (n & 0x7f));
    n >>= 7;
  }
  out += static_cast<char>(n);
}

void putText(std::string& out, std::string_view text) {
  putNumber(out, text.size());
  out += text;
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}
  bool failed() const { return failed_; }
  uint64_t number() {
    uint64_t n = 0;
    for (unsigned shift = 0; shift < 64; shift += 7) {
      if (rest_.empty()) break;
      const auto byte = static_cast<uint8_t>(rest_.front());
      rest_.remove_prefix(1);
      n |= uint64_t{byte & 0x7fu} << shift;
      if (!(byte & 0x80)) return n;
    }
    failed_ = true;
    return 0;
  }
  // Into `out`, whose room is used again.
  void text(std::string& out) {
    const uint64_t n = number();
    if (n > rest_.size()) {
      failed_ = true;
      out.clear();
      return;
    }
    out.assign(rest_.data(), n);
    rest_.remove_prefix(n);
  }
  uint64_t fixed64() {
    uint64_t n = 0;
    if (rest_.size() < sizeof n) {
      failed_ = true;
      return 0;
    }
    std::memcpy(&n, rest_.data(), sizeof n);
    rest_.remove_prefix(sizeof n);
    return n;
  }

 private:
  std::string_view rest_;
  bool failed_ = false;
};

}  // namespace

void encodeMarkupFacts(const MarkupFacts& f, std::string& out) {
  uint8_t flags = (f.hasViewport ? kViewport : 0) | (f.lang ? kLang : 0) |
                  (f.robotsInBody ? kRobotsInBody : 0) | (f.loremIpsum ? kLorem : 0) |
                  (f.spots ? kSpots : 0);
  out += static_cast<char>(flags);
  putNumber(out, f.titleTags);
  putNumber(out, f.descriptionTags);
  char hash[sizeof f.textHash];
  std::memcpy(hash, &f.textHash, sizeof hash);
  out.append(hash, sizeof hash);
  if (f.lang) putText(out, *f.lang);
  putText(out, f.robots);
  putNumber(out, f.canonicals.size());
  for (const std::string& c : f.canonicals) putText(out, c);
  if (!f.spots) return;
  for (uint32_t count : f.spots->counts) putNumber(out, count);
  putNumber(out, f.spots->kept.size());
  for (const auto& [kind, spot] : f.spots->kept) {
    putNumber(out, kind);
    putText(out, spot.what);
    putNumber(out, static_cast<uint32_t>(spot.line));
  }
}

bool decodeMarkupFactsInto(std::string_view bytes, MarkupFacts& f) {
  if (bytes.empty()) return false;
  const auto flags = static_cast<uint8_t>(bytes.front());
  Reader in(bytes.substr(1));
  f.hasViewport = flags & kViewport;
  f.robotsInBody = flags & kRobotsInBody;
  f.loremIpsum = flags & kLorem;
  f.titleTags = static_cast<uint16_t>(in.number());
  f.descriptionTags = static_cast<uint16_t>(in.number());
  f.textHash = in.fixed64();
  if (flags & kLang)
    in.text(f.lang.emplace());
  else
    f.lang.reset();
  in.text(f.robots);
  const uint64_t canonicals = in.number();
  if (canonicals > bytes.size()) return false;  // each takes a byte at least
  f.canonicals.resize(canonicals);
  for (std::string& c : f.canonicals) in.text(c);
  if (flags & kSpots) {
    if (!f.spots) f.spots = std::make_unique<MarkupFacts::Spots>();
    for (uint32_t& count : f.spots->counts) count = static_cast<uint32_t>(in.number());
    const uint64_t kept = in.number();
    if (kept > bytes.size()) return false;
    f.spots->kept.resize(kept);
    for (auto& [kind, spot] : f.spots->kept) {
      const uint64_t k = in.number();
      in.text(spot.what);
      spot.line = static_cast<int>(static_cast<uint32_t>(in.number()));
      if (k >= MarkupFacts::kSpotKinds) return false;
      kind = static_cast<MarkupFacts::SpotKind>(k);
    }
  } else {
    f.spots.reset();
  }
  return !in.failed();
}

std::optional<MarkupFacts> decodeMarkupFacts(std::string_view bytes) {
  MarkupFacts f;
  if (!decodeMarkupFactsInto(bytes, f)) return std::nullopt;
  return f;
}

}  // namespace zel
