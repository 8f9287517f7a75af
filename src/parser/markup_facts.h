#pragma once
// What a page's markup says beyond the facts its record keeps: how many title,
// description and canonical tags it has, its robots directives and where they
// stand, its language and viewport, a hash of its visible text, and the
// elements that are written in a way worth reporting (empty headings and links,
// images without a size, resources and forms on plain http). Gathered in the
// page's one scan by MarkupFactsGatherer; it knows nothing of records.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// An element worth reporting, with the line it is on.
struct MarkupSpot {
  std::string what;  // an address, or a short description ("h3 after h1")
  int line = 0;
};

struct MarkupFacts {
  // Of each kind this many spots are kept (the reports show as many); the counts go on.
  static constexpr size_t kMaxSpots = 3;

  // Head (as the page's title and meta tags are read).
  uint16_t titleTags = 0, descriptionTags = 0;
  bool hasViewport = false;
  // The html element's lang attribute; absent when it has none.
  std::optional<std::string> lang;
  // Robots meta tags (name "robots" or a crawler's name ending in "bot"): their
  // contents in lower case, joined with ",".
  std::string robots;
  bool robotsInBody = false;  // such a tag stands after the head
  // Every canonical link tag's href as written, in document order; left empty
  // when there is one absolute address (perhaps written twice), which the
  // page's record keeps anyway.
  std::vector<std::string> canonicals;

  // Visible text: a hash of its words (0 when the page has none), and whether
  // it holds placeholder text.
  uint64_t textHash = 0;
  bool loremIpsum = false;

  // What few pages have: elements worth reporting, by kind.
  enum SpotKind : uint8_t {
    EmptyHeading,         // "h2"
    SkippedHeadingLevel,  // "h3 after h1"
    ImageWithoutSize,     // the image's src
    EmptyLink,            // the link's href
    InsecureResource,     // "image http://..."
    InsecureForm,         // the form's action
    ProtocolRelative,     // the address
    kSpotKinds
  };
  struct Spots {
    uint32_t counts[kSpotKinds] = {};
    std::vector<std::pair<SpotKind, MarkupSpot>> kept;  // the first kMaxSpots of each kind
    uint32_t count(SpotKind k) const { return counts[k]; }
    std::vector<MarkupSpot> first(SpotKind k) const {
      std::vector<MarkupSpot> out;
      for (const auto& [kind, spot] : kept)
        if (kind == k) out.push_back(spot);
      return out;
    }
    void add(SpotKind k, MarkupSpot spot) {
      if (counts[k]++ < kMaxSpots) kept.emplace_back(k, std::move(spot));
    }
  };
  std::unique_ptr<Spots> spots;  // null when there is none
};

// A compact form of the facts, for keeping those of many pages: appended to
// `out`; decodeMarkupFacts gives the same facts back (nullopt for bytes that are
// not such a form).
void encodeMarkupFacts(const MarkupFacts& facts, std::string& out);
std::optional<MarkupFacts> decodeMarkupFacts(std::string_view bytes);
// The same into `facts`, using the room its texts and lists have (for decoding
// many pages' facts one after the other); false for bytes that are not such a
// form, leaving `facts` in no particular state.
bool decodeMarkupFactsInto(std::string_view bytes, MarkupFacts& facts);

}  // namespace zel
